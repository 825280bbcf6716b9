// The base of every bar that holds toolbar buttons; floating frames and tab windows tell such bars apart by it.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPBaseToolBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPBaseToolBar)
public:
    CTavoPBaseToolBar();
    virtual ~CTavoPBaseToolBar();
};
