// The context-menu manager: the application's shortcut menus by resource ID, shown as the library's popup menus.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CMap.h"
#include "framework/CMapStringToPtr.h"

class CTavoPPopupMenu;
class CStringList;

class CTavoPContextMenuManager : public CObject
{
    DECLARE_DYNAMIC(CTavoPContextMenuManager)
public:
    CTavoPContextMenuManager();
    // Destroys the menus it holds.
    virtual ~CTavoPContextMenuManager();

    // Keeps the menu resource under its ID and name; its first submenu is the context menu.
    // FALSE when the resource holds no such menu or the ID or the name is taken already.
    BOOL AddMenu(LPCTSTR lpszName, UINT uiMenuResId);
    // The same for a menu made by the caller; the manager owns it from then on, also when it
    // refuses it.
    BOOL AddMenu(LPCTSTR lpszName, UINT uiMenuResId, HMENU hMenu);

    // Each menu's customized items: a toolbar state with ID 0 and the menu's resource ID as
    // index, read into and kept from the bar-state cache.
    virtual BOOL LoadState(LPCTSTR lpszProfileName = nullptr);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = nullptr);
    // x and y both -1 show the menu at the owner's client origin plus 5 each way.
    virtual BOOL ShowPopupMenu(UINT uiMenuResId, int x, int y, CWnd* pWndOwner,
                               BOOL bOwnMessage = FALSE);
    // Shows a menu handle as a popup; the popup destroys the handle as it closes unless the
    // manager owns it. Without own-message mode the commands go to the owner's top-level window.
    virtual CTavoPPopupMenu* ShowPopupMenuHandle(HMENU hMenuPopup, int x, int y, CWnd* pWndOwner,
                                                 BOOL bOwnMessage = FALSE,
                                                 BOOL bManagerOwned = FALSE);

    void GetMenuNames(CStringList& listOfNames) const;
    // Null for an unknown name; the ID is 0 then.
    HMENU GetMenuByName(LPCTSTR lpszName, UINT* puiOrigResID = nullptr) const;

    // In popup mode every popup sends its commands to its owner and hands the chosen one here
    // instead of posting it.
    void SetPopupMode(BOOL bPopupMode) { m_bTrackMode = bPopupMode; }
    BOOL IsPopupMode() const { return m_bTrackMode; }
    void SetChosenCommand(UINT uiCmd) { m_nLastCommandID = uiCmd; }
    UINT GetChosenCommand() const { return m_nLastCommandID; }

protected:
    CString RegistryPath(LPCTSTR lpszProfileName) const;
    template <class TStep>
    BOOL ForEachMenuOnBar(TStep step) const;

    CMap<UINT, UINT, HMENU, HMENU> m_Menus;
    CMapStringToPtr m_MenuNames;
    BOOL m_bTrackMode;
    UINT m_nLastCommandID;
};
