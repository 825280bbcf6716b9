// A large button of an outlook pane: image above or beside its label.
#pragma once
#include "ui/commandbars/CTavoPToolbarButton.h"

class CTavoPOutlookButton : public CTavoPToolbarButton
{
    DECLARE_DYNCREATE(CTavoPOutlookButton)
public:
    CTavoPOutlookButton();
    virtual ~CTavoPOutlookButton();
};
