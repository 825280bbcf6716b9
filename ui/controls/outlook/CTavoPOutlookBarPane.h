// One page of an outlook bar: a toolbar showing large buttons in a column over its own background.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/foundation/CTavoPToolbarImageList.h"

class CTavoPOutlookBarPane : public CTavoPToolBar
{
    DECLARE_DYNCREATE(CTavoPOutlookBarPane)
public:
    CTavoPOutlookBarPane();
    virtual ~CTavoPOutlookBarPane();

    // The pane's own background.
    virtual void OnEraseWorkArea(CDC* pDC, CRect rectWorkArea);
    BOOL HasBackgroundImage() const { return m_imgBack.GetCount() > 0; }

protected:
    COLORREF m_clrBackColor;
    CTavoPToolbarImageList m_imgBack;
};
