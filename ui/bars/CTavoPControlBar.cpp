#include "ui/bars/CTavoPControlBar.h"

BEGIN_MESSAGE_MAP(CTavoPControlBar, CTavoPBaseControlBar)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CONTEXTMENU()
    ON_WM_CANCELMODE()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPControlBar, CTavoPBaseControlBar)

CTavoPControlBar::CTavoPControlBar()
    : m_cxLeftBorder(0), m_cxRightBorder(0), m_cyTopBorder(0), m_cyBottomBorder(0),
      m_nMRUWidth(32767)
{}

CTavoPControlBar::~CTavoPControlBar()
{}

BOOL CTavoPControlBar::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, DWORD dwStyle,
                                const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwBehaviour,
                                CCreateContext* pContext)
{
    m_dwControlBarBehaviour = dwBehaviour;
    return CWnd::CreateEx(dwExStyle, lpszClassName, NULL, dwStyle | WS_CHILD, rect, pParentWnd,
                          nID);
}

void CTavoPControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CTavoPControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    rect.left += m_cxLeftBorder;
    rect.top += m_cyTopBorder;
    rect.right -= m_cxRightBorder;
    rect.bottom -= m_cyBottomBorder;
}

void CTavoPControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    Default();
}

void CTavoPControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    Default();
}

void CTavoPControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    Default();
}

void CTavoPControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    Default();
}

void CTavoPControlBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->SendMessage(GetPopupMenuMessage(), (WPARAM)GetSafeHwnd(),
                            MAKELPARAM(point.x, point.y));
}

void CTavoPControlBar::OnCancelMode()
{
    Default();
}

UINT CTavoPControlBar::GetPopupMenuMessage()
{
    static const UINT nMessage = ::RegisterWindowMessage(_T("TAVOTOOLBAR_POPUPMENU"));
    return nMessage;
}
