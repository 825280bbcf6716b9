// The splitter between resizable docking panes and between them and the frame's centre; so far only what the dock layout asks of it.
#pragma once
#include "ui/bars/CTavoPBaseControlBar.h"

class CTavoPSlider : public CTavoPBaseControlBar
{
    DECLARE_DYNCREATE(CTavoPSlider)
public:
    CTavoPSlider();
    virtual ~CTavoPSlider();

    // Places the slider, and the panes it divides, along the inner edge of rect (client
    // coordinates of its parent); answers the deferral handle that continues hdwp.
    virtual HDWP RepositionByRect(CRect rect, HDWP hdwp);
    // The first pane of the slider's layout tree; an auto-hide slider's pane.
    virtual CTavoPBaseControlBar* GetFirstBar() const { return NULL; }
    virtual BOOL IsResizable() const override { return FALSE; }
};
