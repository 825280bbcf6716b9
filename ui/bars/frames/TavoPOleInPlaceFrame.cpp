#include "ui/bars/frames/TavoPOleInPlaceFrame.h"
#include "ui/bars/frames/CTavoPOleCntrFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"

namespace {

CTavoPPopupMenu* OpenPopup()
{
    CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
    return pPopup != NULL && ::IsWindow(pPopup->GetSafeHwnd()) ? pPopup : NULL;
}

}

template <class TBase>
TavoPOleInPlaceFrame<TBase>::TavoPOleInPlaceFrame() : m_hwndPrevPopupOwner(NULL)
{
    // Every docking call expects the dock manager attached, before the window exists too.
    this->m_dockManager.SetDockSite(this);
}

template <class TBase>
TavoPOleInPlaceFrame<TBase>::~TavoPOleInPlaceFrame() = default;

template <class TBase>
void TavoPOleInPlaceFrame<TBase>::AdjustDockingLayout(HDWP hdwp)
{
    this->m_dockManager.AdjustDockingLayout(hdwp);
}

template <class TBase>
BOOL TavoPOleInPlaceFrame<TBase>::PreCreateWindow(CREATESTRUCT& cs)
{
    this->m_Impl.SetDockManager(&this->m_dockManager);
    return TBase::PreCreateWindow(cs);
}

template <class TBase>
BOOL TavoPOleInPlaceFrame<TBase>::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle,
                                            CWnd* pParentWnd, CCreateContext* pContext)
{
    // The in-place frame keeps no state of its own: nothing is loaded.
    this->m_Impl.SetFrameResourceID(nIDResource);
    return TavoPLibraryFrame<TBase>::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

template <class TBase>
BOOL TavoPOleInPlaceFrame<TBase>::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_KEYDOWN:
        if (!CTavoPFrameImpl::IsHelpKey(pMsg) &&
            this->m_Impl.ProcessKeyboard((int)pMsg->wParam, NULL))
            return TRUE;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
    {
        CPoint pt((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
        ::ClientToScreen(pMsg->hwnd, &pt);
        // The click may have closed the window it was meant for.
        if (this->m_Impl.ProcessMouseClick(pMsg->message, pt, pMsg->hwnd) ||
            !::IsWindow(pMsg->hwnd))
            return TRUE;
        break;
    }
    }
    return TBase::PreTranslateMessage(pMsg);
}

template <class TBase>
void TavoPOleInPlaceFrame<TBase>::RecalcLayout(BOOL bNotify)
{
    if (this->m_bInRecalcLayout || this->m_hWnd == NULL)
        return;
    TBase::RecalcLayout(bNotify);
    this->m_bInRecalcLayout = TRUE;
    this->m_dockManager.RecalcAllBars();
    TavoPPlacePreviewView(this, this->m_dockManager);
    this->m_bInRecalcLayout = FALSE;
}

template <class TBase>
void TavoPOleInPlaceFrame<TBase>::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    this->m_dockManager.SetPrintPreviewMode(bPreview, pState);
    if (pState != NULL)
    {
        const DWORD dwStates = pState->dwStates;
        TBase::OnSetPreviewMode(bPreview, pState);
        pState->dwStates = dwStates;
    }
    RecalcLayout(TRUE);
}

template <class TBase>
BOOL TavoPOleInPlaceFrame<TBase>::OnCreateControlBars(CFrameWnd* pWndFrame, CFrameWnd* pWndDoc)
{
    if (this->m_pMainFrame == NULL ||
        this->m_pMainFrame->IsKindOf(RUNTIME_CLASS(CTavoPOleCntrFrameWnd)))
        return TRUE;
    // The framework's wrapper lets go of the container's window and the library's takes it.
    CTavoPOleCntrFrameWnd* pNewFrame = new CTavoPOleCntrFrameWnd(this);
    const HWND hwndContainer = this->m_pMainFrame->Detach();
    delete this->m_pMainFrame;
    this->m_pMainFrame = pNewFrame;
    pNewFrame->Attach(hwndContainer);
    pNewFrame->GetDockManager()->SetDockSite(pNewFrame);
    return TRUE;
}

template <class TBase>
void TavoPOleInPlaceFrame<TBase>::RestorePopupOwner()
{
    if (CTavoPFrameHooks::GetPopupOwner() != this)
        return;
    // A frame whose window went meanwhile is no owner any more.
    CTavoPFrameHooks::SetPopupOwner(
        DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(m_hwndPrevPopupOwner)));
    m_hwndPrevPopupOwner = NULL;
}

template <class TBase>
void TavoPOleInPlaceFrame<TBase>::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    TBase::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE)
    {
        this->m_Impl.DeactivateMenu();
        if (CTavoPPopupMenu* pPopup = OpenPopup())
            pPopup->SendMessage(WM_CLOSE);
        RestorePopupOwner();
        return;
    }
    if (nState == WA_CLICKACTIVE)
        this->UpdateWindow();
    // Activated again while it owns the popups, the frame keeps the owner it saved.
    if (CTavoPFrameHooks::GetPopupOwner() == this)
        return;
    CFrameWnd* pOwner = CTavoPFrameHooks::GetPopupOwner();
    m_hwndPrevPopupOwner = pOwner != NULL ? pOwner->GetSafeHwnd() : NULL;
    CTavoPFrameHooks::SetPopupOwner(this);
}

template <class TBase>
void TavoPOleInPlaceFrame<TBase>::OnClose()
{
    this->m_Impl.OnCloseFrame();
    TBase::OnClose();
}

template <class TBase>
void TavoPOleInPlaceFrame<TBase>::OnDestroy()
{
    if (CTavoPPopupMenu* pPopup = OpenPopup())
        pPopup->SendMessage(WM_CLOSE);
    RestorePopupOwner();
    this->m_Impl.DeactivateMenu();
    this->DestroyFrameParts();
    TBase::OnDestroy();
}

template <class TBase>
LRESULT TavoPOleInPlaceFrame<TBase>::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    TBase::OnIdleUpdateCmdUI(wParam, lParam);
    this->m_dockManager.SendMessageToMiniFrames(WM_IDLEUPDATECMDUI);
    if (CTavoPOleCntrFrameWnd* pContainer =
            DYNAMIC_DOWNCAST(CTavoPOleCntrFrameWnd, this->m_pMainFrame))
        pContainer->OnIdleUpdateCmdUI(0, 0);
    return 0L;
}

template class TavoPOleInPlaceFrame<COleIPFrameWnd>;
template class TavoPOleInPlaceFrame<COleDocIPFrameWnd>;
