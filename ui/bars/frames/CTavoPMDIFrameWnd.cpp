#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"

BEGIN_MESSAGE_MAP(CTavoPMDIFrameWnd, CMDIFrameWnd)
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
    ON_WM_MENUCHAR()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPMDIFrameWnd, CMDIFrameWnd)

CTavoPMDIFrameWnd::CTavoPMDIFrameWnd() : m_hmenuWindow(NULL), m_Impl(this)
{}

CTavoPMDIFrameWnd::~CTavoPMDIFrameWnd() = default;

BOOL CTavoPMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                  CCreateContext* pContext)
{
    m_Impl.SetFrameResourceID(nIDResource);
    m_Impl.SetDockManager(&m_dockManager);
    if (!TavoPDockingFrame<CMDIFrameWnd>::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd,
                                                    pContext))
        return FALSE;
    m_Impl.OnLoadFrame();
    return TRUE;
}

BOOL CTavoPMDIFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                               const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName,
                               DWORD dwExStyle, CCreateContext* pContext)
{
    m_Impl.SetDockManager(&m_dockManager);
    return TavoPDockingFrame<CMDIFrameWnd>::Create(lpszClassName, lpszWindowName, dwStyle, rect,
                                                   pParentWnd, lpszMenuName, dwExStyle, pContext);
}

BOOL CTavoPMDIFrameWnd::OnShowPopupMenu(CTavoPPopupMenu* pMenuPopup)
{
    return m_Impl.OnShowPopupMenu(pMenuPopup, this);
}

void CTavoPMDIFrameWnd::OnClosePopupMenu(CTavoPPopupMenu* pMenuPopup)
{
    if (CTavoPPopupMenu::GetActiveMenu() == pMenuPopup)
        CTavoPPopupMenu::SetActiveMenu(NULL);
}

void CTavoPMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_hWnd == NULL)
        return;
    m_bInRecalcLayout = TRUE;
    m_dockManager.RecalcAllBars();
    AdjustClientArea();
    m_bInRecalcLayout = FALSE;
}

void CTavoPMDIFrameWnd::AdjustClientArea()
{
    // The MDI client takes what the bars leave.
    if (m_hWndMDIClient == NULL)
        return;
    CRect rect = m_dockManager.GetClientAreaBounds();
    if (m_wndClientArea.GetSafeHwnd() != NULL)
        m_wndClientArea.CalcWindowRect(rect, 0);
    else
        ::SetWindowPos(m_hWndMDIClient, HWND_BOTTOM, rect.left, rect.top, rect.Width(),
                       rect.Height(), SWP_NOACTIVATE);
}

BOOL CTavoPMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (!CMDIFrameWnd::OnCreateClient(lpcs, pContext))
        return FALSE;
    m_wndClientArea.SubclassWindow(m_hWndMDIClient);
    return TRUE;
}

HMENU CTavoPMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    m_hmenuWindow = CMDIFrameWnd::GetWindowMenuPopup(hMenuBar);
    return m_hmenuWindow;
}

BOOL CTavoPMDIFrameWnd::OnSetMenu(HMENU hmenu)
{
    CTavoPMenuBar* pMenuBar = m_Impl.GetMenuBar();
    if (pMenuBar == NULL || !::IsWindow(pMenuBar->GetSafeHwnd()))
        return FALSE;
    if (::GetMenu(m_hWnd) != NULL)
        ::SetMenu(m_hWnd, NULL);
    if (hmenu == NULL)
        hmenu = m_Impl.GetDefaultMenu();
    pMenuBar->CreateFromMenu(hmenu, hmenu == m_Impl.GetDefaultMenu(), FALSE);
    return TRUE;
}

void CTavoPMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CTavoPMenuBar* pMenuBar = m_Impl.GetMenuBar();
    if (pMenuBar == NULL || !::IsWindow(pMenuBar->GetSafeHwnd()))
    {
        CMDIFrameWnd::OnUpdateFrameMenu(hMenuAlt);
        return;
    }
    HMENU hMenu = hMenuAlt;
    if (hMenu == NULL)
    {
        CMDIChildWnd* pChild = MDIGetActive();
        hMenu = pChild != NULL && pChild->m_hMenuShared != NULL ? pChild->m_hMenuShared
                                                                : m_Impl.GetDefaultMenu();
    }
    if (m_wndClientArea.GetSafeHwnd() != NULL)
    {
        // Through the MDI client, which lists the documents in the menu's Window popup; the
        // client area hands the menu itself to the menu bar.
        ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenu,
                      (LPARAM)GetWindowMenuPopup(hMenu));
    }
    else
        pMenuBar->CreateFromMenu(hMenu, hMenu == m_Impl.GetDefaultMenu(), FALSE);
    UpdateMenuBarMaximizeMode();
}

void CTavoPMDIFrameWnd::UpdateMenuBarMaximizeMode()
{
    CTavoPMenuBar* pMenuBar = m_Impl.GetMenuBar();
    if (pMenuBar == NULL || !::IsWindow(pMenuBar->GetSafeHwnd()))
        return;
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pChild = MDIGetActive(&bMaximized);
    if (pChild != NULL && !::IsWindowVisible(pChild->GetSafeHwnd()))
        bMaximized = FALSE;
    if (!bMaximized)
        pMenuBar->SetMaximizeMode(FALSE);
    else if (!pMenuBar->IsMaximizeMode())
        pMenuBar->SetMaximizeMode(TRUE, pChild);
    RecalcLayout();
}

BOOL CTavoPMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    BOOL bResult = FALSE;
    if (m_Impl.PreTranslateFrameMessage(pMsg, bResult))
        return bResult;
    return CMDIFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT CTavoPMDIFrameWnd::OnMenuChar(UINT nChar, UINT, CMenu*)
{
    if (m_Impl.TranslateMnemonic(nChar))
        return MAKELRESULT(MNC_EXECUTE, 0xFFFF);
    return Default();
}

void CTavoPMDIFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CMDIFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE)
        CTavoPFrameImpl::SetLastActiveFrame(this);
}

void CTavoPMDIFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    CMDIFrameWnd::OnClose();
}

LRESULT CTavoPMDIFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    // The last document window may go without telling the frame: the bar shows the frame's menu.
    // While the customization's menu page is open, the page chooses the bar's menu.
    CTavoPMenuBar* pMenuBar = m_Impl.GetMenuBar();
    if (pMenuBar != NULL && ::IsWindow(pMenuBar->GetSafeHwnd()) && MDIGetActive() == NULL &&
        pMenuBar->GetMenuPage() == NULL && m_Impl.GetDefaultMenu() != NULL &&
        pMenuBar->GetMenu() != m_Impl.GetDefaultMenu())
        OnUpdateFrameMenu(NULL);
    UpdateMenuBarMaximizeMode();
    m_dockManager.SendMessageToMiniFrames(WM_IDLEUPDATECMDUI);
    return 0L;
}

LRESULT CTavoPMDIFrameWnd::OnDisplayChange(WPARAM, LPARAM)
{
    m_Impl.OnDisplayChange();
    return Default();
}
