#include "ui/bars/docking/CTavoPDockingControlBar.h"

IMPLEMENT_DYNCREATE(CTavoPDockingControlBar, CTavoPControlBar)

int CTavoPDockingControlBar::m_nCaptionButtonMargin = 2;

CTavoPDockingControlBar::CTavoPDockingControlBar()
{}

CTavoPDockingControlBar::~CTavoPDockingControlBar()
{}
