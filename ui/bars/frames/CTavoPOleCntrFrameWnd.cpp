#include "ui/bars/frames/CTavoPOleCntrFrameWnd.h"

BEGIN_MESSAGE_MAP(CTavoPOleCntrFrameWnd, COleCntrFrameWnd)
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPOleCntrFrameWnd, COleCntrFrameWnd)

CTavoPOleCntrFrameWnd::CTavoPOleCntrFrameWnd(COleIPFrameWnd* pInPlaceFrame)
    : TavoPDockingFrame<COleCntrFrameWnd>(pInPlaceFrame)
{
    m_dockManager.SetDockSite(this);
}

CTavoPOleCntrFrameWnd::~CTavoPOleCntrFrameWnd()
{
    TavoPDestroyMiniFrames(m_dockManager);
    // The window is the container's: its own children, the view among them, stay; only the
    // bars the library put there go.
    if (::IsWindow(m_hWnd))
        TavoPDestroyChildWindows(this, NULL, TRUE);
    m_dockManager.SetDockSite(NULL);
}

BOOL CTavoPOleCntrFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    m_dockManager.SetDockSite(this);
    return COleCntrFrameWnd::PreCreateWindow(cs);
}

void CTavoPOleCntrFrameWnd::AdjustDockingLayout(HDWP hdwp)
{
    if (m_dockManager.IsInAdjustLayout())
        return;
    m_dockManager.AdjustDockingLayout(hdwp);
    PlaceView(m_dockManager.GetClientAreaBounds());
}

void CTavoPOleCntrFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_hWnd == NULL)
        return;
    COleCntrFrameWnd::RecalcLayout(bNotify);
    m_bInRecalcLayout = TRUE;
    m_dockManager.RecalcAllBars();
    TavoPPlacePreviewView(this, m_dockManager);
    m_bInRecalcLayout = FALSE;
}

void CTavoPOleCntrFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    COleCntrFrameWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        AdjustDockingLayout();
}

LRESULT CTavoPOleCntrFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    COleCntrFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
    m_dockManager.SendMessageToMiniFrames(WM_IDLEUPDATECMDUI);
    const CObList& bars = m_dockManager.GetDockedBars();
    for (POSITION pos = bars.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pBar = (CWnd*)bars.GetNext(pos);
        if (!::IsWindow(pBar->GetSafeHwnd()))
            continue;
        pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
        if (::IsWindow(pBar->GetSafeHwnd()))
            pBar->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, FALSE);
    }
    return 0L;
}
