#include "ui/controls/color/CTavoPColorBar.h"

IMPLEMENT_DYNCREATE(CTavoPColorBar, CTavoPPopupMenuBar)

CTavoPColorBar::CTavoPColorBar() : m_bStandalone(FALSE)
{}

CTavoPColorBar::~CTavoPColorBar()
{}
