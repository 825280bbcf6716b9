// The toolbar inside every popup menu, holding the menu's items as buttons laid out in rows.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"

class CTavoPPopupMenuBar : public CTavoPToolBar
{
    DECLARE_DYNCREATE(CTavoPPopupMenuBar)
public:
    CTavoPPopupMenuBar();
    virtual ~CTavoPPopupMenuBar();

    // The column of item images down the left side is not drawn.
    BOOL IsImageColumnHidden() const { return m_bHideImageColumn; }
    // Set while the popup must stay open whatever is clicked outside it.
    BOOL IsKeptOpen() const { return m_bKeepOpen; }
    // Closes at once the sub-menu whose delayed close is pending.
    virtual void CloseDelayedSubMenu() {}

protected:
    BOOL m_bHideImageColumn;
    BOOL m_bKeepOpen;
};
