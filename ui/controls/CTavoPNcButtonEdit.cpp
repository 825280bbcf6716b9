#include "ui/controls/CTavoPNcButtonEdit.h"

BEGIN_MESSAGE_MAP(CTavoPNcButtonEdit, CEdit)
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_NCCALCSIZE()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPNcButtonEdit, CEdit)

CTavoPNcButtonEdit::CTavoPNcButtonEdit()
    : m_bFixedSize(FALSE), m_bHasButton(FALSE), m_rectButton(0, 0, 0, 0), m_bPressed(FALSE),
      m_bTracking(FALSE), m_pOwner(nullptr)
{}

CTavoPNcButtonEdit::~CTavoPNcButtonEdit()
{}

void CTavoPNcButtonEdit::EnableButton(BOOL bEnable)
{
    m_bHasButton = bEnable;
    if (GetSafeHwnd() != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CTavoPNcButtonEdit::IsOnButton(CPoint ptClient) const
{
    ClientToScreen(&ptClient);
    return m_rectButton.PtInRect(ptClient);
}

void CTavoPNcButtonEdit::RedrawFrame()
{
    RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void CTavoPNcButtonEdit::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    if (m_bFixedSize)
        lpwndpos->flags |= SWP_NOSIZE;
    CEdit::OnWindowPosChanging(lpwndpos);
}

void CTavoPNcButtonEdit::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CEdit::OnWindowPosChanged(lpwndpos);
    if (m_bHasButton)
    {
        GetWindowRect(m_rectButton);
        m_rectButton.left = m_rectButton.right - kButtonWidth;
    }
    else
        m_rectButton.SetRectEmpty();
}

void CTavoPNcButtonEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (m_bFixedSize)
        return;
    CEdit::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (m_bHasButton)
        lpncsp->rgrc[0].right -= kButtonWidth;
}

LRESULT CTavoPNcButtonEdit::OnNcHitTest(CPoint point)
{
    if (m_rectButton.PtInRect(point))
        return HTCAPTION;
    return CEdit::OnNcHitTest(point);
}

void CTavoPNcButtonEdit::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!m_rectButton.PtInRect(point))
    {
        CEdit::OnNcLButtonDown(nHitTest, point);
        return;
    }
    m_bPressed = m_bTracking = TRUE;
    SetCapture();
    RedrawFrame();
}

void CTavoPNcButtonEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTracking)
    {
        CEdit::OnMouseMove(nFlags, point);
        return;
    }
    const BOOL bPressed = IsOnButton(point);
    if (bPressed != m_bPressed)
    {
        m_bPressed = bPressed;
        RedrawFrame();
    }
}

void CTavoPNcButtonEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bTracking)
    {
        CEdit::OnLButtonUp(nFlags, point);
        return;
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_bPressed = m_bTracking = FALSE;
    RedrawFrame();
    if (IsOnButton(point) && m_pOwner != nullptr)
        m_pOwner->OnNcButtonClick(this);
}

void CTavoPNcButtonEdit::OnNcPaint()
{
    CEdit::OnNcPaint();
    if (m_rectButton.IsRectEmpty())
        return;

    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rect = m_rectButton;
    rect.OffsetRect(-rectWindow.left, -rectWindow.top);

    CRgn rgn;
    rgn.CreateRectRgnIndirect(rect);
    dc.SelectClipRgn(&rgn);
    if (m_pOwner != nullptr)
        m_pOwner->OnDrawNcButton(this, &dc, rect, m_bPressed);
    else
        dc.FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
    dc.SelectClipRgn(nullptr);
}
