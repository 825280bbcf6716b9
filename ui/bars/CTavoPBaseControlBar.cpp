#include "ui/bars/CTavoPBaseControlBar.h"

BEGIN_MESSAGE_MAP(CTavoPBaseControlBar, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPBaseControlBar, CWnd)

CTavoPBaseControlBar::CTavoPBaseControlBar()
    : m_dwEnabledAlignment(0), m_dwBarStyle(0), m_dwBehaviour(TAVOP_BAR_CAN_FLOAT)
{}

CTavoPBaseControlBar::~CTavoPBaseControlBar()
{}

CFrameWnd* CTavoPBaseControlBar::GetDockSiteFrame() const
{
    return GetParentFrame();
}

void CTavoPBaseControlBar::SetCurrentAlignment(DWORD dwAlignment)
{
    m_dwBarStyle = (m_dwBarStyle & ~CBRS_ALIGN_ANY) | (dwAlignment & CBRS_ALIGN_ANY);
}

CSize CTavoPBaseControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(0, 0);
}

void CTavoPBaseControlBar::Serialize(CArchive& ar)
{
    CWnd::Serialize(ar);
}

void CTavoPBaseControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

LRESULT CTavoPBaseControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;
    CFrameWnd* pTarget = (CFrameWnd*)GetOwner();
    if (pTarget == NULL || !pTarget->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        pTarget = GetParentFrame();
    if (pTarget != NULL)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}
