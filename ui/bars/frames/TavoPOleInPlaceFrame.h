// What the two in-place frames share over their two framework bases: the single-document frame's bars and menus while an item is edited in place, the container's frame taken over for docking, and the frame popups treat as their own while it is active.
#pragma once
#include "ui/bars/frames/TavoPLibraryFrame.h"

template <class TBase>
class TavoPOleInPlaceFrame : public TavoPLibraryFrame<TBase>
{
public:
    TavoPOleInPlaceFrame();
    virtual ~TavoPOleInPlaceFrame();

    // Only the dock manager's layout: the in-place frame has no view of its own to place.
    virtual void AdjustDockingLayout(HDWP hdwp = NULL) override;

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;
    // The container's frame is wrapped by the library's container frame, so bars dock on it.
    virtual BOOL OnCreateControlBars(CFrameWnd* pWndFrame, CFrameWnd* pWndDoc) override;

    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnClose();
    void OnDestroy();
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

protected:
    // The popup owner this frame took over, given back when it goes or is deactivated.
    void RestorePopupOwner();

    // The frame that owned the popups before this one was activated.
    HWND m_hwndPrevPopupOwner;
};

#define TAVOP_OLE_INPLACE_FRAME_MESSAGES()                                                         \
    TAVOP_LIBRARY_FRAME_MESSAGES()                                                                 \
    ON_WM_ACTIVATE()                                                                               \
    ON_WM_CLOSE()                                                                                  \
    ON_WM_DESTROY()                                                                                \
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
