// The library's multi-document frame; so far only its dock manager and the layout of its docked bars.
#pragma once
#include "ui/bars/frames/TavoPDockingFrame.h"

class CTavoPMDIFrameWnd : public TavoPDockingFrame<CMDIFrameWnd>
{
    DECLARE_DYNCREATE(CTavoPMDIFrameWnd)
public:
    CTavoPMDIFrameWnd();
    virtual ~CTavoPMDIFrameWnd();
};
