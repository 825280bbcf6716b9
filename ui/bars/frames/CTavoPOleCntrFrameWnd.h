// The library's stand-in for a container's frame during in-place editing; so far only its dock manager and the layout of its docked bars.
#pragma once
#include "ui/bars/frames/TavoPDockingFrame.h"

class CTavoPOleCntrFrameWnd : public TavoPDockingFrame<COleCntrFrameWnd>
{
    DECLARE_DYNCREATE(CTavoPOleCntrFrameWnd)
public:
    CTavoPOleCntrFrameWnd();
    virtual ~CTavoPOleCntrFrameWnd();
};
