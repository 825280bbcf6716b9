// The context-menu manager: the application's shortcut menus by resource ID, shown as the library's popup menus.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPContextMenuManager : public CObject
{
    DECLARE_DYNAMIC(CTavoPContextMenuManager)
public:
    CTavoPContextMenuManager();
    virtual ~CTavoPContextMenuManager();

    virtual BOOL LoadState(LPCTSTR lpszProfileName = nullptr);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = nullptr);
    // x and y both -1 show the menu near the owner's client origin.
    virtual BOOL ShowPopupMenu(UINT uiMenuResId, int x, int y, CWnd* pWndOwner,
                               BOOL bOwnMessage = FALSE);
};
