// The bar along one side of a frame into which control bars dock, row by row.
#pragma once
#include "ui/bars/CTavoPBaseControlBar.h"

class CTavoPDockBar : public CTavoPBaseControlBar
{
    DECLARE_DYNCREATE(CTavoPDockBar)
public:
    CTavoPDockBar();
    virtual ~CTavoPDockBar();
};
