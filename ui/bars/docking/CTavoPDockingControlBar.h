// The resizable docking pane: a control bar with a caption strip carrying its title and close and pin buttons.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPDockingControlBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPDockingControlBar)
public:
    CTavoPDockingControlBar();
    virtual ~CTavoPDockingControlBar();

    // Space around the glyph of a caption button.
    static int m_nCaptionButtonMargin;
};
