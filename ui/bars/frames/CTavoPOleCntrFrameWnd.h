// The library's wrapper of a container's frame window during in-place editing: bars dock on the container's window through its dock manager, and the wrapper takes away only the windows the library put there.
#pragma once
#include "ui/bars/frames/TavoPDockingFrame.h"

class CTavoPOleCntrFrameWnd : public TavoPDockingFrame<COleCntrFrameWnd>
{
    DECLARE_DYNAMIC(CTavoPOleCntrFrameWnd)
public:
    explicit CTavoPOleCntrFrameWnd(COleIPFrameWnd* pInPlaceFrame);
    virtual ~CTavoPOleCntrFrameWnd();

    virtual void AdjustDockingLayout(HDWP hdwp = NULL) override;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;

    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
