// The menu bar: a toolbar whose buttons open the popups of the frame's menu.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"

class CTavoPMenuBar : public CTavoPToolBar
{
    DECLARE_DYNCREATE(CTavoPMenuBar)
public:
    CTavoPMenuBar();
    virtual ~CTavoPMenuBar();
};
