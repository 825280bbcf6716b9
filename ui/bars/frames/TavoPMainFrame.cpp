#include "ui/bars/frames/TavoPMainFrame.h"
#include "ui/controls/CTavoPPrintPreviewView.h"

template <class TFrame>
TavoPMainFrame<TFrame>::TavoPMainFrame() : m_bWasMaximized(FALSE), m_bIsMinimized(FALSE)
{}

template <class TFrame>
TavoPMainFrame<TFrame>::~TavoPMainFrame() = default;

// ---- creation

template <class TFrame>
BOOL TavoPMainFrame<TFrame>::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                       CCreateContext* pContext)
{
    this->m_Impl.SetFrameResourceID(nIDResource);
    if (!TavoPLibraryFrame<TFrame>::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    this->m_Impl.OnLoadFrame();
    return TRUE;
}

template <class TFrame>
BOOL TavoPMainFrame<TFrame>::PreCreateWindow(CREATESTRUCT& cs)
{
    this->m_Impl.RestorePosition(cs);
    return TFrame::PreCreateWindow(cs);
}

// ---- hooks

template <class TFrame>
void TavoPMainFrame<TFrame>::AdjustDockingLayout(HDWP hdwp)
{
    if (this->m_dockManager.IsInAdjustLayout())
        return;
    this->m_dockManager.AdjustDockingLayout(hdwp);
    AdjustClientArea();
    if (this->m_dockManager.AreAllBarsHidden())
        RecalcLayout(TRUE);
}

template <class TFrame>
void TavoPMainFrame<TFrame>::AdjustClientArea()
{
    this->PlaceView(this->m_dockManager.GetClientAreaBounds());
}

template <class TFrame>
BOOL TavoPMainFrame<TFrame>::ShowControlBars(BOOL bShow)
{
    const BOOL bResult = this->m_dockManager.ShowAllBars(bShow);
    AdjustDockingLayout();
    return bResult;
}

// ---- input before the framework's own translation

template <class TFrame>
BOOL TavoPMainFrame<TFrame>::PreTranslateMessage(MSG* pMsg)
{
    BOOL bResult = FALSE;
    if (this->m_Impl.PreTranslateFrameMessage(pMsg, bResult))
        return bResult;
    return TFrame::PreTranslateMessage(pMsg);
}

// ---- layout

template <class TFrame>
void TavoPMainFrame<TFrame>::RecalcLayout(BOOL bNotify)
{
    if (this->m_bInRecalcLayout || m_bIsMinimized || this->m_hWnd == NULL)
        return;
    this->m_bInRecalcLayout = TRUE;
    CTavoPDockManager& dockManager = this->m_dockManager;
    if (!dockManager.IsPrintPreviewValid() && !dockManager.AreAllBarsHidden())
    {
        dockManager.RecalcAllBars();
        AdjustClientArea();
    }
    else if (CView* pView = this->GetActiveView();
             pView != NULL && pView->IsKindOf(RUNTIME_CLASS(CTavoPPrintPreviewView)))
    {
        dockManager.RecalcAllBars();
        const CRect rectView = dockManager.GetClientAreaBounds();
        pView->SetWindowPos(NULL, rectView.left, rectView.top, rectView.Width(), rectView.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE);
    }
    else
    {
        this->m_bInRecalcLayout = FALSE;
        TFrame::RecalcLayout(bNotify);
        this->m_bInRecalcLayout = TRUE;
        AdjustClientArea();
    }
    this->m_bInRecalcLayout = FALSE;
}

template <class TFrame>
BOOL TavoPMainFrame<TFrame>::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    switch (nBorderCmd)
    {
    case CFrameWnd::borderGet:
        TFrame::NegotiateBorderSpace(nBorderCmd, lpRectBorder);
        if (lpRectBorder != NULL)
            *lpRectBorder = this->m_dockManager.GetClientAreaBounds();
        return TRUE;
    case CFrameWnd::borderSet: return TFrame::NegotiateBorderSpace(nBorderCmd, lpRectBorder);
    default: return TRUE;
    }
}

template <class TFrame>
void TavoPMainFrame<TFrame>::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    this->m_dockManager.SetPrintPreviewMode(bPreview, pState);
    if (pState != NULL)
    {
        const DWORD dwStates = pState->dwStates;
        TFrame::OnSetPreviewMode(bPreview, pState);
        pState->dwStates = dwStates;
    }
    AdjustDockingLayout();
    RecalcLayout(TRUE);
}

// ---- handlers

template <class TFrame>
void TavoPMainFrame<TFrame>::OnSize(UINT nType, int cx, int cy)
{
    CTavoPDockManager& dockManager = this->m_dockManager;
    m_bIsMinimized = (nType == SIZE_MINIMIZED);
    if (nType != SIZE_MINIMIZED && nType != SIZE_MAXIMIZED && !m_bWasMaximized)
    {
        // The framework's own relayout must not recalculate the bars a second time.
        dockManager.SuspendRecalc(TRUE);
        TFrame::OnSize(nType, cx, cy);
        dockManager.SuspendRecalc(FALSE);
        AdjustDockingLayout();
        return;
    }
    const BOOL bFullRelayout =
        nType == SIZE_MAXIMIZED || (nType == SIZE_RESTORED && m_bWasMaximized);
    // The bars are laid out once, below, not also by the framework's relayout.
    dockManager.SuspendRecalc(bFullRelayout);
    TFrame::OnSize(nType, cx, cy);
    dockManager.SuspendRecalc(FALSE);
    if (bFullRelayout)
        RecalcLayout(TRUE);
    m_bWasMaximized = (nType == SIZE_MAXIMIZED);
}

template <class TFrame>
void TavoPMainFrame<TFrame>::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    this->m_dockManager.ShowFloatingFrames(bActive);
}

template class TavoPMainFrame<CFrameWnd>;
template class TavoPMainFrame<CMDIFrameWnd>;
