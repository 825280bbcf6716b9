#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"

IMPLEMENT_DYNCREATE(CTavoPPopupMenuBar, CTavoPToolBar)

CTavoPPopupMenuBar::CTavoPPopupMenuBar() : m_bHideImageColumn(FALSE), m_bKeepOpen(FALSE)
{}

CTavoPPopupMenuBar::~CTavoPPopupMenuBar()
{}
