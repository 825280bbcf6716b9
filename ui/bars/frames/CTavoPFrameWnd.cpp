#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/controls/CTavoPPrintPreviewView.h"

BEGIN_MESSAGE_MAP(CTavoPFrameWnd, CFrameWnd)
    TAVOP_LIBRARY_FRAME_MESSAGES()
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_SIZING()
    ON_WM_SIZE()
    ON_WM_ACTIVATEAPP()
    ON_WM_WINDOWPOSCHANGED()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPFrameWnd, CFrameWnd)

CTavoPFrameWnd::CTavoPFrameWnd() : m_bWasMaximized(FALSE), m_bIsMinimized(FALSE)
{}

CTavoPFrameWnd::~CTavoPFrameWnd() = default;

// ---- creation

BOOL CTavoPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                               CCreateContext* pContext)
{
    m_Impl.SetFrameResourceID(nIDResource);
    if (!TavoPLibraryFrame<CFrameWnd>::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    m_Impl.OnLoadFrame();
    return TRUE;
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

void CTavoPFrameWnd::AdjustClientArea()
{
    PlaceView(m_dockManager.GetClientAreaBounds());
}

BOOL CTavoPFrameWnd::ShowControlBars(BOOL bShow)
{
    BOOL bResult = m_dockManager.ShowAllBars(bShow);
    AdjustDockingLayout();
    return bResult;
}

// ---- input before the framework's own translation

BOOL CTavoPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    BOOL bResult = FALSE;
    if (m_Impl.PreTranslateFrameMessage(pMsg, bResult))
        return bResult;
    return CFrameWnd::PreTranslateMessage(pMsg);
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
    // Children first, while the frame and its dock manager still exist.
    DestroyFrameParts();
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
