#include "ui/controls/outlook/CTavoPOutlookBarDockingPane.h"
#include "ui/controls/outlook/CTavoPOutlookBar.h"

BEGIN_MESSAGE_MAP(CTavoPOutlookBarDockingPane, CTavoPDockingCBWrapper)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPOutlookBarDockingPane, CTavoPDockingCBWrapper, VERSIONABLE_SCHEMA | 2)

CTavoPOutlookBarDockingPane::CTavoPOutlookBarDockingPane()
{
    // Panes tabbed onto a torn-out page make an outlook bar, not a tabbed pane.
    m_pTabbedControlBarRTC = RUNTIME_CLASS(CTavoPOutlookBar);
}

CTavoPOutlookBarDockingPane::~CTavoPOutlookBarDockingPane()
{}

void CTavoPOutlookBarDockingPane::OnNcDestroy()
{
    CTavoPDockingCBWrapper::OnNcDestroy();
    delete this;
}
