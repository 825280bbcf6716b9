#include "ui/commandbars/CTavoPBaseToolBar.h"

BEGIN_MESSAGE_MAP(CTavoPBaseToolBar, CTavoPControlBar)
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPBaseToolBar, CTavoPControlBar, 0xFFFF)

CTavoPBaseToolBar::CTavoPBaseToolBar()
{}

CTavoPBaseToolBar::~CTavoPBaseToolBar()
{}

CSize CTavoPBaseToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

void CTavoPBaseToolBar::OnAfterStretch(int nDelta)
{
    CRect rectClient;
    GetClientRect(rectClient);
    if (rectClient.Width() != m_rect.Width())
    {
        Invalidate();
        UpdateWindow();
    }
}
