// The dock bar along a frame edge that holds the strips of auto-hidden docking panes.
#pragma once
#include "ui/bars/docking/CTavoPDockBar.h"

class CTavoPAutoHideDockBar : public CTavoPDockBar
{
    DECLARE_DYNCREATE(CTavoPAutoHideDockBar)
public:
    CTavoPAutoHideDockBar();
    virtual ~CTavoPAutoHideDockBar();
};
