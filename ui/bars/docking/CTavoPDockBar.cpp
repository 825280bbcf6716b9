#include "ui/bars/docking/CTavoPDockBar.h"

IMPLEMENT_DYNCREATE(CTavoPDockBar, CTavoPBaseControlBar)

CTavoPDockBar::CTavoPDockBar()
{}

CTavoPDockBar::~CTavoPDockBar()
{}
