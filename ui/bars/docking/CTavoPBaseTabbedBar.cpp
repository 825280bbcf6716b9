#include "ui/bars/docking/CTavoPBaseTabbedBar.h"

IMPLEMENT_DYNAMIC(CTavoPBaseTabbedBar, CTavoPDockingControlBar)

CTavoPBaseTabbedBar::CTavoPBaseTabbedBar() : m_pTabWnd(NULL)
{}

CTavoPBaseTabbedBar::~CTavoPBaseTabbedBar() = default;
