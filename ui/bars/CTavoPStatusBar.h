// The status bar with its panes; so far only its class identity, which keeps it visible in print preview.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPStatusBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPStatusBar)
public:
    CTavoPStatusBar();
    virtual ~CTavoPStatusBar();
};
