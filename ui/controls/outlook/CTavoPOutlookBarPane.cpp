#include "ui/controls/outlook/CTavoPOutlookBarPane.h"
#include "ui/foundation/CTavoPGlobalData.h"

IMPLEMENT_DYNCREATE(CTavoPOutlookBarPane, CTavoPToolBar)

CTavoPOutlookBarPane::CTavoPOutlookBarPane() : m_clrBackColor(GetGlobalData().clrBtnShadow)
{}

CTavoPOutlookBarPane::~CTavoPOutlookBarPane()
{}

// Without a background image the pane is filled with its background colour.
void CTavoPOutlookBarPane::OnEraseWorkArea(CDC* pDC, CRect rectWorkArea)
{
    pDC->FillSolidRect(rectWorkArea, m_clrBackColor);
}
