// What the single- and multi-document frames share over their two framework bases: the stored placement and state, the layout of the bars around the view or MDI client, print preview and sizing.
#pragma once
#include "ui/bars/frames/TavoPLibraryFrame.h"

template <class TFrame>
class TavoPMainFrame : public TavoPLibraryFrame<TFrame>
{
public:
    TavoPMainFrame();
    virtual ~TavoPMainFrame();

    // ---- hooks ----
    virtual void AdjustDockingLayout(HDWP hdwp = NULL) override;
    // Places the view (the MDI client in the multi-document frame) in what the bars left of
    // the client area.
    virtual void AdjustClientArea();
    virtual BOOL ShowControlBars(BOOL bShow);

    // ---- framework operations ----
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder) override;
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;

    // ---- handlers, listed in each frame's message map ----
    void OnSize(UINT nType, int cx, int cy);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);

protected:
    BOOL m_bWasMaximized;
    BOOL m_bIsMinimized;
};
