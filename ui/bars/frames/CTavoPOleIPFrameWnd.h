// The library's frame for in-place editing; so far only its dock manager and the layout of its docked bars.
#pragma once
#include "ui/bars/frames/TavoPDockingFrame.h"

class CTavoPOleIPFrameWnd : public TavoPDockingFrame<COleIPFrameWnd>
{
    DECLARE_DYNCREATE(CTavoPOleIPFrameWnd)
public:
    CTavoPOleIPFrameWnd();
    virtual ~CTavoPOleIPFrameWnd();
};
