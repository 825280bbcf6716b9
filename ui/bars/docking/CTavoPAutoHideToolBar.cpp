#include "ui/bars/docking/CTavoPAutoHideToolBar.h"

IMPLEMENT_DYNCREATE(CTavoPAutoHideToolBar, CTavoPControlBar)

CTavoPAutoHideToolBar::CTavoPAutoHideToolBar() = default;

CTavoPAutoHideToolBar::~CTavoPAutoHideToolBar() = default;

CSize CTavoPAutoHideToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rect;
    GetWindowRect(rect);
    return rect.Size();
}
