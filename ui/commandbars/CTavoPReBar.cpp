#include "ui/commandbars/CTavoPReBar.h"

IMPLEMENT_DYNCREATE(CTavoPReBar, CTavoPControlBar)

CTavoPReBar::CTavoPReBar()
{}

CTavoPReBar::~CTavoPReBar()
{}
