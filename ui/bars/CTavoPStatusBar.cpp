#include "ui/bars/CTavoPStatusBar.h"

IMPLEMENT_DYNCREATE(CTavoPStatusBar, CTavoPControlBar)

CTavoPStatusBar::CTavoPStatusBar()
{}

CTavoPStatusBar::~CTavoPStatusBar()
{}
