#include "ui/bars/CTavoPControlBar.h"

IMPLEMENT_DYNCREATE(CTavoPControlBar, CTavoPBaseControlBar)

CTavoPControlBar::CTavoPControlBar()
{}

CTavoPControlBar::~CTavoPControlBar()
{}
