#include "ui/bars/docking/CTavoPAutoHideDockBar.h"

IMPLEMENT_DYNCREATE(CTavoPAutoHideDockBar, CTavoPDockBar)

CTavoPAutoHideDockBar::CTavoPAutoHideDockBar()
{}

CTavoPAutoHideDockBar::~CTavoPAutoHideDockBar()
{}
