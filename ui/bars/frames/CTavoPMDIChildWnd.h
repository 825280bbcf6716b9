// A document frame of the library's multi-document frame: its dock manager, and the frame's menu bar told when it is maximized, restored or closed.
#pragma once
#include "ui/bars/frames/TavoPDockingFrame.h"

class CTavoPMDIChildWnd : public TavoPDockingFrame<CMDIChildWnd>
{
    DECLARE_DYNCREATE(CTavoPMDIChildWnd)
public:
    CTavoPMDIChildWnd();
    virtual ~CTavoPMDIChildWnd();

    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();

protected:
    DECLARE_MESSAGE_MAP()
};
