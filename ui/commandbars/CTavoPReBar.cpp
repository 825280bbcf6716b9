#include "ui/commandbars/CTavoPReBar.h"
#include "ui/bars/CTavoPBarNcPainter.h"
#include "ui/foundation/CTavoPGlobalData.h"

BEGIN_MESSAGE_MAP(CTavoPReBar, CTavoPControlBar)
    ON_WM_NCCREATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_NOTIFY_REFLECT(RBN_HEIGHTCHANGE, OnHeightChange)
    ON_NOTIFY_REFLECT(RBN_ENDDRAG, OnHeightChange)
    ON_MESSAGE(RB_SHOWBAND, OnShowBand)
    ON_MESSAGE(WM_RECALCPARENT, OnRecalcParent)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPReBar, CTavoPControlBar)

CTavoPReBar::CTavoPReBar()
{}

CTavoPReBar::~CTavoPReBar()
{}

BOOL CTavoPReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CTavoPControlBar::CreateEx(0, REBARCLASSNAME, dwStyle | dwCtrlStyle, CRect(0, 0, 0, 0),
                                      pParentWnd, nID, 0);
}

BOOL CTavoPReBar::AddBar(CWnd* pBar, LPCTSTR lpszText, DWORD dwStyle)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || m_hWnd == nullptr)
        return FALSE;
    CRect rect;
    pBar->GetWindowRect(rect);

    CString strText = lpszText != nullptr ? lpszText : _T("");
    REBARBANDINFO rbi = {};
    rbi.cbSize = sizeof(rbi);
    rbi.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
    rbi.fStyle = dwStyle;
    rbi.hwndChild = pBar->GetSafeHwnd();
    rbi.cxMinChild = (UINT)rect.Width();
    rbi.cyMinChild = (UINT)rect.Height();
    rbi.cx = (UINT)rect.Width();
    rbi.wID = (UINT)pBar->GetDlgCtrlID();
    if (lpszText != nullptr)
    {
        rbi.fMask |= RBBIM_TEXT;
        rbi.lpText = strText.GetBuffer(strText.GetLength());
    }
    const BOOL bAdded = (BOOL)SendMessage(RB_INSERTBAND, (WPARAM)-1, (LPARAM)&rbi);
    if (lpszText != nullptr)
        strText.ReleaseBuffer();
    return bAdded;
}

BOOL CTavoPReBar::OnNcCreate(LPCREATESTRUCT /*lpCreateStruct*/)
{
    if (!Default())
        return FALSE;
    // The rebar tells its owner, not its parent frame, about its bands.
    if (m_hWndOwner != nullptr)
        SendMessage(RB_SETPARENT, (WPARAM)m_hWndOwner);
    return TRUE;
}

void CTavoPReBar::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect;
    rect.SetRectEmpty();
    CalcInsideRect(rect, (GetBarStyle() & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void CTavoPReBar::OnNcPaint()
{
    CTavoPBarNcPainter(this).DrawNcArea();
}

// The rebar control paints itself and takes its own mouse input: the bar does not drag.
void CTavoPReBar::OnPaint()
{
    Default();
}

BOOL CTavoPReBar::OnEraseBkgnd(CDC* /*pDC*/)
{
    return (BOOL)Default();
}

void CTavoPReBar::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    Default();
}

void CTavoPReBar::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    Default();
}

void CTavoPReBar::OnMouseMove(UINT /*nFlags*/, CPoint /*point*/)
{
    Default();
}

void CTavoPReBar::OnHeightChange(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    AdjustDockingLayout();
    *pResult = 0;
}

LRESULT CTavoPReBar::OnShowBand(WPARAM wParam, LPARAM /*lParam*/)
{
    const LRESULT lResult = Default();

    REBARBANDINFO rbi = {};
    rbi.cbSize = sizeof(rbi);
    rbi.fMask = RBBIM_STYLE | RBBIM_CHILD;
    if (!SendMessage(RB_GETBANDINFO, wParam, (LPARAM)&rbi) || rbi.hwndChild == nullptr)
        return lResult;

    const BOOL bBandShown = (rbi.fStyle & RBBS_HIDDEN) == 0;
    CTavoPBaseControlBar* pBar =
        DYNAMIC_DOWNCAST(CTavoPBaseControlBar, CWnd::FromHandlePermanent(rbi.hwndChild));
    const BOOL bChildShown = pBar != nullptr
                                 ? pBar->IsVisible()
                                 : (::GetWindowLong(rbi.hwndChild, GWL_STYLE) & WS_VISIBLE) != 0;
    if (bChildShown != bBandShown)
        ::ShowWindow(rbi.hwndChild, bBandShown ? SW_SHOW : SW_HIDE);
    return lResult;
}

LRESULT CTavoPReBar::OnRecalcParent(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CFrameWnd* pFrame = FindOwningFrame(this);
    if (pFrame != nullptr)
        pFrame->RecalcLayout(TRUE);
    return 0;
}
