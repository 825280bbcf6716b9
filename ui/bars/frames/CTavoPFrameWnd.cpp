#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/CTavoPBaseControlBar.h"

BEGIN_MESSAGE_MAP(CTavoPFrameWnd, CFrameWnd)
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_ACTIVATEAPP()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPFrameWnd, CFrameWnd)

CTavoPFrameWnd::CTavoPFrameWnd() : m_bWasMaximized(FALSE), m_bIsMinimized(FALSE)
{}

CTavoPFrameWnd::~CTavoPFrameWnd() = default;

BOOL CTavoPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                               CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CTavoPFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                            const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName,
                            DWORD dwExStyle, CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return CFrameWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, lpszMenuName,
                             dwExStyle, pContext);
}

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
    pChild->ModifyStyle(0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    pChild->SetWindowPos(&wndBottom, rect.left, rect.top, rect.Width(), rect.Height(),
                         SWP_NOACTIVATE);
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
    CFrameWnd::OnSize(nType, cx, cy);
    if (nType == SIZE_MAXIMIZED || (nType == SIZE_RESTORED && m_bWasMaximized))
        RecalcLayout(TRUE);
    m_bWasMaximized = (nType == SIZE_MAXIMIZED);
}

void CTavoPFrameWnd::OnSizing(UINT nSide, LPRECT lpRect)
{
    Default();
    AdjustDockingLayout();
}

void CTavoPFrameWnd::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    m_dockManager.ShowFloatingFrames(bActive);
}

void CTavoPFrameWnd::OnDestroy()
{
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
