// The dockable and floatable bar: base of toolbars, the menu bar, the status bar, the caption bar and docking panes.
#pragma once
#include "ui/bars/CTavoPBaseControlBar.h"

class CTavoPControlBar : public CTavoPBaseControlBar
{
    DECLARE_DYNCREATE(CTavoPControlBar)
public:
    CTavoPControlBar();
    virtual ~CTavoPControlBar();
};
