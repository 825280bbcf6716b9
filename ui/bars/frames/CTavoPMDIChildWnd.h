// A document frame of the library's multi-document frame; so far only its dock manager and the layout of its docked bars.
#pragma once
#include "ui/bars/frames/TavoPDockingFrame.h"

class CTavoPMDIChildWnd : public TavoPDockingFrame<CMDIChildWnd>
{
    DECLARE_DYNCREATE(CTavoPMDIChildWnd)
public:
    CTavoPMDIChildWnd();
    virtual ~CTavoPMDIChildWnd();
};
