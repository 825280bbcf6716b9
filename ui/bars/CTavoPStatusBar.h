// The status bar: a control bar of panes with texts, widths and styles, a progress pane and a size grip.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPStatusBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPStatusBar)
public:
    CTavoPStatusBar();
    virtual ~CTavoPStatusBar();
};
