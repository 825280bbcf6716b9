// The base of the bars that hold buttons; so far only its class identity.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPBaseToolBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPBaseToolBar)
public:
    CTavoPBaseToolBar();
    virtual ~CTavoPBaseToolBar();
};
