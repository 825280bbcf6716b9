#include "ui/commandbars/menus/CTavoPMenuBar.h"

IMPLEMENT_DYNCREATE(CTavoPMenuBar, CTavoPToolBar)

CTavoPMenuBar::CTavoPMenuBar()
{}

CTavoPMenuBar::~CTavoPMenuBar()
{}
