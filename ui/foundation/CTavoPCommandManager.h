// Process-wide binding of command ids to toolbar images, and the commands menus show without an image.
#pragma once
#include "framework/FrameworkCore.h"
#include <map>
#include <set>
#include <vector>

class CTavoPCommandManager
{
public:
    CTavoPCommandManager();
    virtual ~CTavoPCommandManager();

    // A command lives in at most one of the two tables: the first binding made wins.
    void SetCmdImage(UINT uiCmd, int iImage, BOOL bUserImage);
    int GetCmdImage(UINT uiCmd, BOOL bUserImage) const;
    void ClearUserCmdImage(UINT uiCmd);
    void ClearAllCmdImages();

    void EnableMenuItemImage(UINT uiCmd, BOOL bEnable = TRUE);
    BOOL IsMenuItemWithoutImage(UINT uiCmd) const;
    const std::vector<UINT>& GetCommandsWithoutImages() const { return m_lstCommandsWithoutImages; }

    BOOL LoadState(LPCTSTR lpszProfileName);
    BOOL SaveState(LPCTSTR lpszProfileName);

protected:
    std::map<UINT, int> m_CommandIndex;
    std::map<UINT, int> m_CommandIndexUser;
    std::vector<UINT> m_lstCommandsWithoutImages;
    // The same ids, for quick membership tests.
    std::set<UINT> m_setCommandsWithoutImages;
};

CTavoPCommandManager* GetCommandManager();
