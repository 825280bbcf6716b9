#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"

IMPLEMENT_DYNCREATE(CTavoPPopupMenuBar, CTavoPToolBar)

CTavoPPopupMenuBar::CTavoPPopupMenuBar() : m_bHideImageColumn(FALSE)
{}

CTavoPPopupMenuBar::~CTavoPPopupMenuBar()
{}
