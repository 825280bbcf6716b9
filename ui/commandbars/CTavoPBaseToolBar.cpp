#include "ui/commandbars/CTavoPBaseToolBar.h"

IMPLEMENT_DYNCREATE(CTavoPBaseToolBar, CTavoPControlBar)

CTavoPBaseToolBar::CTavoPBaseToolBar()
{}

CTavoPBaseToolBar::~CTavoPBaseToolBar()
{}
