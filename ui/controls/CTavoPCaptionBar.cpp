#include "ui/controls/CTavoPCaptionBar.h"

IMPLEMENT_DYNCREATE(CTavoPCaptionBar, CTavoPControlBar)

CTavoPCaptionBar::CTavoPCaptionBar() : m_clrBarBackground((COLORREF)-1)
{}

CTavoPCaptionBar::~CTavoPCaptionBar()
{}
