#include "ui/commandbars/menus/CTavoPToolbarSystemMenuButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPGlobalData.h"

IMPLEMENT_SERIAL(CTavoPToolbarSystemMenuButton, CTavoPToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

CTavoPToolbarSystemMenuButton::CTavoPToolbarSystemMenuButton()
    : m_hSysMenuIcon(NULL), m_hSystemMenu(NULL)
{}

CTavoPToolbarSystemMenuButton::CTavoPToolbarSystemMenuButton(HMENU hSystemMenu, HICON hSystemIcon)
    : CTavoPToolbarMenuButton(0, hSystemMenu, -1, NULL, FALSE), m_hSysMenuIcon(hSystemIcon),
      m_hSystemMenu(hSystemMenu)
{}

CTavoPToolbarSystemMenuButton::~CTavoPToolbarSystemMenuButton() = default;

void CTavoPToolbarSystemMenuButton::CopyFrom(const CTavoPToolbarButton& src)
{
    CTavoPToolbarMenuButton::CopyFrom(src);
    if (const CTavoPToolbarSystemMenuButton* pSrc =
            DYNAMIC_DOWNCAST(CTavoPToolbarSystemMenuButton, const_cast<CTavoPToolbarButton*>(&src)))
    {
        m_hSysMenuIcon = pSrc->m_hSysMenuIcon;
        m_hSystemMenu = pSrc->m_hSystemMenu;
    }
}

SIZE CTavoPToolbarSystemMenuButton::OnCalculateSize(CDC*, const CSize& sizeDefault, BOOL)
{
    return CSize(::GetSystemMetrics(SM_CXMENUSIZE), sizeDefault.cy);
}

void CTavoPToolbarSystemMenuButton::OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList*,
                                           BOOL, BOOL, BOOL, BOOL, BOOL)
{
    if (m_hSysMenuIcon == NULL)
        return;
    const int cx = ::GetSystemMetrics(SM_CXMENUSIZE);
    const int cy = ::GetSystemMetrics(SM_CYMENUSIZE);
    ::DrawIconEx(pDC->GetSafeHdc(), rect.left, rect.top + (rect.Height() - cy) / 2, m_hSysMenuIcon,
                 cx, cy, 0, NULL, DI_NORMAL);
}

void CTavoPToolbarSystemMenuButton::OnCancelMode()
{
    if (m_pPopupMenu != NULL && ::IsWindow(m_pPopupMenu->GetSafeHwnd()) &&
        !m_pPopupMenu->IsInCommand())
    {
        m_pPopupMenu->SetCloseParent(FALSE);
        m_pPopupMenu->SendMessage(WM_CLOSE);
    }
    m_pPopupMenu = NULL;
    m_bToBeClosed = FALSE;
}

void CTavoPToolbarSystemMenuButton::CreateFromMenu(HMENU hMenu)
{
    m_hSystemMenu = hMenu;
}

HMENU CTavoPToolbarSystemMenuButton::CreateMenu() const
{
    HMENU hMenu = CTavoPToolbarMenuButton::CreateMenu();
    if (hMenu == NULL || !::IsMenu(m_hSystemMenu))
        return hMenu;
    const int nCount = ::GetMenuItemCount(m_hSystemMenu);
    for (int i = 0; i < nCount; i++)
    {
        const UINT uiState = ::GetMenuState(m_hSystemMenu, (UINT)i, MF_BYPOSITION);
        const UINT uiCmd = ::GetMenuItemID(m_hSystemMenu, i);
        if (uiState == (UINT)-1 || uiCmd == 0 || uiCmd == (UINT)-1)
            continue;
        if (uiState & MF_CHECKED)
            ::CheckMenuItem(hMenu, uiCmd, MF_BYCOMMAND | MF_CHECKED);
        if (uiState & MF_DISABLED)
            ::EnableMenuItem(hMenu, uiCmd, MF_BYCOMMAND | MF_DISABLED);
        if (uiState & MF_GRAYED)
            ::EnableMenuItem(hMenu, uiCmd, MF_BYCOMMAND | MF_GRAYED);
    }
    return hMenu;
}

void CTavoPToolbarSystemMenuButton::OnDblClick(CWnd* pWnd)
{
    if (CTavoPToolBar::IsCustomizeMode())
        return;
    OnCancelMode();

    CWnd* pFrame = FindOwningFrame(m_pWndParent != NULL ? m_pWndParent : pWnd);
    if (pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
        pFrame = pFrame->GetParent();
    CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, pFrame);
    if (pMDIFrame == NULL)
        return;
    CMDIChildWnd* pChild = pMDIFrame->MDIGetActive();
    if (pChild == NULL)
        return;
    HMENU hSysMenu = ::GetSystemMenu(pChild->GetSafeHwnd(), FALSE);
    if (hSysMenu != NULL)
    {
        MENUITEMINFO mii = {};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_STATE;
        if (::GetMenuItemInfo(hSysMenu, SC_CLOSE, FALSE, &mii) &&
            (mii.fState & (MFS_GRAYED | MFS_DISABLED)) != 0)
            return;
    }
    pChild->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
}
