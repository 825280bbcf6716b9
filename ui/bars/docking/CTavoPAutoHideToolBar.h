// The strip at a frame edge with one button per auto-hidden pane; so far only what its dock bar asks of it.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPAutoHideToolBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPAutoHideToolBar)
public:
    CTavoPAutoHideToolBar();
    virtual ~CTavoPAutoHideToolBar();

    // The strip keeps its size: the dock bar lays it out as it is.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
};
