// The library's frame for in-place editing of a document server; so far only its dock manager and the layout of its docked bars.
#pragma once
#include "ui/bars/frames/TavoPDockingFrame.h"

class CTavoPOleDocIPFrameWnd : public TavoPDockingFrame<COleDocIPFrameWnd>
{
    DECLARE_DYNCREATE(CTavoPOleDocIPFrameWnd)
public:
    CTavoPOleDocIPFrameWnd();
    virtual ~CTavoPOleDocIPFrameWnd();
};
