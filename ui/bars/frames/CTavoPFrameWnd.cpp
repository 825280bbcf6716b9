#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/controls/CTavoPPrintPreviewView.h"
#include "ui/foundation/CTavoPWorkspace.h"

BEGIN_MESSAGE_MAP(CTavoPFrameWnd, CFrameWnd)
    ON_WM_MENUCHAR()
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_SIZING()
    ON_WM_SIZE()
    ON_WM_ACTIVATEAPP()
    ON_WM_WINDOWPOSCHANGED()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
    ON_REGISTERED_MESSAGE(CTavoPToolBar::WM_TAVOTOOLBAR_CREATE, OnToolbarCreateNew)
    ON_REGISTERED_MESSAGE(CTavoPToolBar::WM_TAVOTOOLBAR_DELETE, OnToolbarDelete)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_REBAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_REBAR, OnBarCheck)
    ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPFrameWnd, CFrameWnd)

CTavoPFrameWnd::CTavoPFrameWnd()
    : m_Impl(this), m_bInContextHelp(FALSE), m_bWasMaximized(FALSE), m_bIsMinimized(FALSE)
{}

CTavoPFrameWnd::~CTavoPFrameWnd() = default;

// ---- creation

BOOL CTavoPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                               CCreateContext* pContext)
{
    m_Impl.SetFrameResourceID(nIDResource);
    m_dockManager.SetDockSite(this);
    m_Impl.SetDockManager(&m_dockManager);
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    m_Impl.OnLoadFrame();
    return TRUE;
}

BOOL CTavoPFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                            const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName,
                            DWORD dwExStyle, CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    m_Impl.SetDockManager(&m_dockManager);
    return CFrameWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, lpszMenuName,
                             dwExStyle, pContext);
}

BOOL CTavoPFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    m_Impl.RestorePosition(cs);
    return CFrameWnd::PreCreateWindow(cs);
}

// ---- hooks

void CTavoPFrameWnd::AdjustDockingLayout(HDWP hdwp)
{
    if (m_dockManager.IsInAdjustLayout())
        return;
    m_dockManager.AdjustDockingLayout(hdwp);
    AdjustClientArea();
    if (m_dockManager.AreAllBarsHidden())
        RecalcLayout(TRUE);
}

BOOL CTavoPFrameWnd::OnMoveMiniFrame(CTavoPMiniFrameWnd* pFrame)
{
    return m_dockManager.OnMoveMiniFrame(pFrame);
}

void CTavoPFrameWnd::AdjustClientArea()
{
    CWnd* pChild = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pChild == NULL)
        return;
    CRect rect = m_dockManager.GetClientAreaBounds();
    rect.left += m_rectBorder.left;
    rect.top += m_rectBorder.top;
    rect.right -= m_rectBorder.right;
    rect.bottom -= m_rectBorder.bottom;
    pChild->CalcWindowRect(rect, CWnd::adjustBorder);
    // The framework has no splitter window, so the pane always clips its children too.
    pChild->ModifyStyle(0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    pChild->SetWindowPos(&wndBottom, rect.left, rect.top, rect.Width(), rect.Height(),
                         SWP_NOACTIVATE);
}

void CTavoPFrameWnd::OnClosePopupMenu(CTavoPPopupMenu* pMenuPopup)
{
    if (CTavoPPopupMenu::GetActiveMenu() == pMenuPopup)
        CTavoPPopupMenu::SetActiveMenu(NULL);
}

BOOL CTavoPFrameWnd::ShowControlBars(BOOL bShow)
{
    BOOL bResult = m_dockManager.ShowAllBars(bShow);
    AdjustDockingLayout();
    return bResult;
}

void CTavoPFrameWnd::ShowControlBar(CTavoPBaseControlBar* pBar, BOOL bShow, BOOL bDelay,
                                    BOOL bActivate)
{
    if (pBar != NULL)
        pBar->ShowControlBar(bShow, bDelay, bActivate);
}

BOOL CTavoPFrameWnd::OnShowPopupMenu(CTavoPPopupMenu* pMenuPopup)
{
    m_Impl.OnShowPopupMenu(pMenuPopup, this);
    if (pMenuPopup != NULL && pMenuPopup->IsAlwaysShown())
        return TRUE;
    return OnBeforeShowPopupMenu(pMenuPopup);
}

// ---- input before the framework's own translation

BOOL CTavoPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    BOOL bResult = FALSE;
    if (m_Impl.PreTranslateFrameMessage(pMsg, bResult))
        return bResult;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CTavoPFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == 1)
    {
        const UINT uiCmd = LOWORD(wParam);
        CTavoPToolBar::AddCommandUsage(uiCmd);
        CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
        if (pPopup != NULL && ::IsWindow(pPopup->GetSafeHwnd()) &&
            m_Impl.ProcessKeyboard(VK_ESCAPE))
            return TRUE;
        CTavoPWorkspace* pWorkspace = GetWorkspace();
        if (pWorkspace != NULL && pWorkspace->m_pUserToolsManager != NULL &&
            pWorkspace->m_pUserToolsManager->InvokeTool(uiCmd))
            return TRUE;
    }
    if (CTavoPToolBar::IsCustomizeMode())
        return FALSE;
    return CFrameWnd::OnCommand(wParam, lParam);
}

// ---- context help

void CTavoPFrameWnd::OnContextHelp()
{
    m_bInContextHelp = TRUE;
    // Toolbar buttons stay highlighted under the pointer while help mode runs.
    const BOOL bHook = CanEnterHelpMode();
    if (bHook)
        CTavoPToolBar::SetHotTrackingHook(TRUE);
    CFrameWnd::OnContextHelp();
    if (bHook)
        CTavoPToolBar::SetHotTrackingHook(FALSE);
    m_bInContextHelp = FALSE;
}

void CTavoPFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    // Help mode asks for the frame's topic with no data; once the mode is on, a further
    // request goes to the help viewer instead of starting help mode inside itself.
    if (dwData == 0 && m_bInContextHelp && !m_bHelpMode)
    {
        OnContextHelp();
        return;
    }
    CFrameWnd::WinHelp(dwData, nCmd);
}

// ---- layout

void CTavoPFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_bIsMinimized || m_hWnd == NULL)
        return;
    m_bInRecalcLayout = TRUE;
    if (!m_dockManager.IsPrintPreviewValid() && !m_dockManager.AreAllBarsHidden())
    {
        m_dockManager.RecalcAllBars();
        AdjustClientArea();
    }
    else if (CView* pView = GetActiveView();
             pView != NULL && pView->IsKindOf(RUNTIME_CLASS(CTavoPPrintPreviewView)))
    {
        m_dockManager.RecalcAllBars();
        const CRect rectView = m_dockManager.GetClientAreaBounds();
        pView->SetWindowPos(NULL, rectView.left, rectView.top, rectView.Width(), rectView.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE);
    }
    else
    {
        m_bInRecalcLayout = FALSE;
        CFrameWnd::RecalcLayout(bNotify);
        m_bInRecalcLayout = TRUE;
        AdjustClientArea();
    }
    m_bInRecalcLayout = FALSE;
}

BOOL CTavoPFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    switch (nBorderCmd)
    {
    case borderGet:
        CFrameWnd::NegotiateBorderSpace(nBorderCmd, lpRectBorder);
        if (lpRectBorder != NULL)
            *lpRectBorder = m_dockManager.GetClientAreaBounds();
        return TRUE;
    case borderSet: return CFrameWnd::NegotiateBorderSpace(nBorderCmd, lpRectBorder);
    default: return TRUE;
    }
}

void CTavoPFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    m_dockManager.SetPrintPreviewMode(bPreview, pState);
    if (pState != NULL)
    {
        const DWORD dwStates = pState->dwStates;
        CFrameWnd::OnSetPreviewMode(bPreview, pState);
        pState->dwStates = dwStates;
    }
    AdjustDockingLayout();
    RecalcLayout(TRUE);
}

// ---- menus

void CTavoPFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CFrameWnd::OnUpdateFrameMenu(hMenuAlt);
    CTavoPMenuBar* pMenuBar = m_Impl.GetMenuBar();
    if (pMenuBar != NULL && ::IsWindow(pMenuBar->GetSafeHwnd()) &&
        (pMenuBar->GetStyle() & WS_VISIBLE) != 0)
        SetMenu(NULL);
}

void CTavoPFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt)
{
    OnUpdateFrameMenu(hMenuAlt);
    CFrameWnd::DelayUpdateFrameMenu(hMenuAlt);
}

// ---- handlers

LRESULT CTavoPFrameWnd::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    if (m_Impl.TranslateMnemonic(nChar))
        return MAKELRESULT(MNC_EXECUTE, 0xFFFF);
    return Default();
}

void CTavoPFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE)
        CTavoPFrameImpl::SetLastActiveFrame(this);
    if (nState == WA_INACTIVE)
    {
        if (!CTavoPToolBar::IsCustomizeMode())
            m_Impl.DeactivateMenu();
    }
    else if (nState == WA_CLICKACTIVE)
        UpdateWindow();
}

void CTavoPFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    CFrameWnd::OnClose();
}

void CTavoPFrameWnd::OnDestroy()
{
    if (m_hAccelTable != NULL)
    {
        ::DestroyAcceleratorTable(m_hAccelTable);
        m_hAccelTable = NULL;
    }
    m_dockManager.SetDockSite(NULL);
    // Children first, while the frame and its dock manager still exist.
    CList<HWND, HWND> children;
    for (CWnd* pChild = GetTopWindow(); pChild != NULL; pChild = pChild->GetNextWindow())
        children.AddTail(pChild->GetSafeHwnd());
    for (POSITION pos = children.GetHeadPosition(); pos != NULL;)
    {
        HWND hWnd = children.GetNext(pos);
        if (::IsWindow(hWnd) && ::GetParent(hWnd) == m_hWnd)
            ::DestroyWindow(hWnd);
    }
    CFrameWnd::OnDestroy();
}

void CTavoPFrameWnd::OnSizing(UINT nSide, LPRECT lpRect)
{
    Default();
    AdjustDockingLayout();
}

void CTavoPFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    m_bIsMinimized = (nType == SIZE_MINIMIZED);
    if (nType != SIZE_MINIMIZED && nType != SIZE_MAXIMIZED && !m_bWasMaximized)
    {
        // The framework's own relayout must not recalculate the bars a second time.
        m_dockManager.SuspendRecalc(TRUE);
        CFrameWnd::OnSize(nType, cx, cy);
        m_dockManager.SuspendRecalc(FALSE);
        AdjustDockingLayout();
        return;
    }
    const BOOL bFullRelayout =
        nType == SIZE_MAXIMIZED || (nType == SIZE_RESTORED && m_bWasMaximized);
    // The bars are laid out once, below, not also by the framework's relayout.
    m_dockManager.SuspendRecalc(bFullRelayout);
    CFrameWnd::OnSize(nType, cx, cy);
    m_dockManager.SuspendRecalc(FALSE);
    if (bFullRelayout)
        RecalcLayout(TRUE);
    m_bWasMaximized = (nType == SIZE_MAXIMIZED);
}

void CTavoPFrameWnd::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    m_dockManager.ShowFloatingFrames(bActive);
}

void CTavoPFrameWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    Default();
    // Brought to the front (shown, activated, raised), the frame keeps its floating bars in
    // front of it, as the platform does for owned windows.
    if (lpwndpos != NULL && (lpwndpos->flags & (SWP_NOZORDER | SWP_SHOWWINDOW)) != SWP_NOZORDER)
        m_dockManager.KeepMiniFramesAbove();
}

LRESULT CTavoPFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    m_dockManager.SendMessageToMiniFrames(WM_IDLEUPDATECMDUI);
    // The platform may raise the frame over its floating bars where it thinks the frame was
    // uncovered (Wine without a window manager does): at rest they are in front again.
    m_dockManager.KeepMiniFramesAbove();
    return 0L;
}

LRESULT CTavoPFrameWnd::OnDisplayChange(WPARAM, LPARAM)
{
    m_Impl.OnDisplayChange();
    return Default();
}

LRESULT CTavoPFrameWnd::OnToolbarCreateNew(WPARAM, LPARAM lParam)
{
    return (LRESULT)m_Impl.CreateNewToolbar((LPCTSTR)lParam);
}

LRESULT CTavoPFrameWnd::OnToolbarDelete(WPARAM, LPARAM lParam)
{
    return m_Impl.DeleteToolbar((CTavoPToolBar*)lParam);
}

void CTavoPFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CTavoPBaseControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == NULL)
    {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

BOOL CTavoPFrameWnd::OnBarCheck(UINT nID)
{
    CTavoPBaseControlBar* pBar = GetControlBar(nID);
    if (pBar == NULL)
        return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE, FALSE);
    return TRUE;
}
