// The customizable toolbar; so far only its class identity.
#pragma once
#include "ui/commandbars/CTavoPBaseToolBar.h"

class CTavoPToolBar : public CTavoPBaseToolBar
{
    DECLARE_DYNCREATE(CTavoPToolBar)
public:
    CTavoPToolBar();
    virtual ~CTavoPToolBar();
};
