#include "ui/commandbars/CTavoPToolBar.h"

IMPLEMENT_DYNCREATE(CTavoPToolBar, CTavoPBaseToolBar)

CTavoPToolBar::CTavoPToolBar() = default;

CTavoPToolBar::~CTavoPToolBar() = default;
