// Process-wide toolbar state that the visual managers and the workspace read and the toolbars keep current.
#pragma once
#include "framework/FrameworkCore.h"
#include "ui/foundation/CTavoPToolBarFace.h"

#include <vector>

class CWnd;

class CTavoPToolbarSettings
{
public:
    // Nonzero while the toolbars are being customized.
    static BOOL m_bCustomizeMode;
    // Size of button images in menus.
    static CSize m_sizeMenuImage;
    // Text colour of a hot toolbar button; -1 means the button text colour.
    static COLORREF m_clrTextHot;
    // Whether an open menu-bar button casts a shadow.
    static BOOL m_bMenuShadows;

    // Every toolbar whose window exists, in creation order.
    static std::vector<CTavoPToolBarFace*> m_lstToolbars;
    static void AddToolbar(CTavoPToolBarFace* pToolBar);
    static void RemoveToolbar(CTavoPToolBarFace* pToolBar);

    // Process-wide loads and saves of the toolbar classes, set by them when they are linked in.
    static BOOL (*m_pfnLoadParameters)(LPCTSTR lpszProfileName);
    static BOOL (*m_pfnSaveParameters)(LPCTSTR lpszProfileName);
    static BOOL (*m_pfnLoadRebarState)(LPCTSTR lpszProfileName, HWND hwndFrame);
    static BOOL (*m_pfnSaveRebarState)(LPCTSTR lpszProfileName, HWND hwndFrame);
    // Saves the user-defined image strip to its file when it exists.
    static void (*m_pfnSaveUserImages)();

    static COLORREF GetHotTextColor();
};
