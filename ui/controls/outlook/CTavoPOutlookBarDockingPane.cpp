#include "ui/controls/outlook/CTavoPOutlookBarDockingPane.h"
#include "ui/controls/outlook/CTavoPOutlookBar.h"

IMPLEMENT_SERIAL(CTavoPOutlookBarDockingPane, CTavoPDockingCBWrapper, VERSIONABLE_SCHEMA | 2)

CTavoPOutlookBarDockingPane::CTavoPOutlookBarDockingPane()
{
    // Panes tabbed onto a torn-out page make an outlook bar, not a tabbed pane.
    m_pTabbedControlBarRTC = RUNTIME_CLASS(CTavoPOutlookBar);
    // A torn-out page's pane always goes with its window, however it was made.
    m_bAutoDestroy = TRUE;
}

CTavoPOutlookBarDockingPane::~CTavoPOutlookBarDockingPane()
{}
