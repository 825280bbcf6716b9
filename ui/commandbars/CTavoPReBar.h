// The control bar that is itself a Windows rebar control, so that bars can live in its bands.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPReBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPReBar)
public:
    CTavoPReBar();
    virtual ~CTavoPReBar();
};
