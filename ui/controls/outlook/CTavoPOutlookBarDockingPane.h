// The floating pane a page torn out of an outlook bar lives in; panes tabbed onto it make an outlook bar.
#pragma once
#include "ui/bars/docking/CTavoPDockingCBWrapper.h"

class CTavoPOutlookBarDockingPane : public CTavoPDockingCBWrapper
{
    DECLARE_SERIAL(CTavoPOutlookBarDockingPane)
public:
    CTavoPOutlookBarDockingPane();
    virtual ~CTavoPOutlookBarDockingPane();
};
