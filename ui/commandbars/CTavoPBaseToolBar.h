// The base of every bar that holds toolbar buttons; floating frames and tab windows tell such bars apart by it.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPBaseToolBar : public CTavoPControlBar
{
    DECLARE_SERIAL(CTavoPBaseToolBar)
public:
    CTavoPBaseToolBar();
    virtual ~CTavoPBaseToolBar();

    // A stretched horizontal bar takes the full width, a stretched vertical one the full height.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual void OnAfterStretch(int nDelta) override;

protected:
    DECLARE_MESSAGE_MAP()
};
