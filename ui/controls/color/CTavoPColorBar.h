// The colour palette bar, shown inside a colour popup or standing alone as a toolbar.
#pragma once
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"

class CTavoPColorBar : public CTavoPPopupMenuBar
{
    DECLARE_DYNCREATE(CTavoPColorBar)
public:
    CTavoPColorBar();
    virtual ~CTavoPColorBar();

    // TRUE for a bar that lives as a toolbar or a control, FALSE inside a popup.
    BOOL IsStandalone() const { return m_bStandalone; }

protected:
    BOOL m_bStandalone;
};
