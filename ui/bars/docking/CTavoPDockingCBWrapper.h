// The docking pane that adopts any one window and makes it dockable; so far only its class identity.
#pragma once
#include "ui/bars/docking/CTavoPDockingControlBar.h"

class CTavoPDockingCBWrapper : public CTavoPDockingControlBar
{
    DECLARE_DYNCREATE(CTavoPDockingCBWrapper)
public:
    CTavoPDockingCBWrapper();
    virtual ~CTavoPDockingCBWrapper();
};
