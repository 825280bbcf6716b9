#include "ui/bars/tabs/CTavoPTabWnd.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPTabWnd, CTavoPBaseTabWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPTabWnd, CTavoPBaseTabWnd)

namespace {

// Space on either side of a tab's label.
const int kLabelMargin = 6;

} // namespace

CTavoPTabWnd::CTavoPTabWnd()
    : m_bFlat(FALSE), m_bCloseBtn(FALSE), m_bDrawFrame(TRUE), m_rectTabsArea(0, 0, 0, 0),
      m_rectWndArea(0, 0, 0, 0)
{}

CTavoPTabWnd::~CTavoPTabWnd()
{}

BOOL CTavoPTabWnd::Create(Style style, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          Location location, BOOL bCloseBtn)
{
    m_bFlat = style == STYLE_FLAT || style == STYLE_FLAT_SHARED_HORZ_SCROLL;
    m_bCloseBtn = bCloseBtn;
    m_location = location == LOCATION_TOP ? LOCATION_TOP : LOCATION_BOTTOM;
    SetTabsHeight();
    // Double clicks rename or detach tabs.
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
    return CWnd::Create(lpszClass, _T(""),
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect, pParentWnd,
                        nID);
}

BOOL CTavoPTabWnd::IsPtInTabArea(CPoint point) const
{
    return m_rectTabsArea.PtInRect(point);
}

void CTavoPTabWnd::GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const
{
    rectTabAreaTop.SetRectEmpty();
    rectTabAreaBottom.SetRectEmpty();
    if (m_location == LOCATION_TOP)
        rectTabAreaTop = m_rectTabsArea;
    else
        rectTabAreaBottom = m_rectTabsArea;
}

void CTavoPTabWnd::RecalcLayout()
{
    if (GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    const int nBorder = GetTabBorderSize();

    m_rectTabsArea = rectClient;
    m_rectTabsArea.DeflateRect(nBorder, 0);
    if (m_location == LOCATION_TOP)
        m_rectTabsArea.bottom = m_rectTabsArea.top + m_nTabsHeight;
    else
        m_rectTabsArea.top = m_rectTabsArea.bottom - m_nTabsHeight;

    m_rectWndArea = rectClient;
    m_rectWndArea.DeflateRect(nBorder + 1, nBorder + 1);
    if (m_location == LOCATION_TOP)
        m_rectWndArea.top = std::min(m_rectWndArea.bottom, m_rectTabsArea.bottom + 1);
    else
        m_rectWndArea.bottom = std::max(m_rectWndArea.top, m_rectTabsArea.top - 1);

    // The tabs stand side by side from the left, each as wide as its image and label.
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&GetGlobalData().fontRegular);
    int x = m_rectTabsArea.left;
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CTavoPTabInfo* pTab = m_arTabs[i];
        if (!pTab->bVisible)
        {
            pTab->rect.SetRectEmpty();
            continue;
        }
        int nWidth = dc.GetTextExtent(pTab->strText).cx + 2 * kLabelMargin;
        if (pTab->uiIcon != (UINT)-1 && m_sizeImage.cx > 0)
            nWidth += m_sizeImage.cx + TAB_IMAGE_MARGIN;
        pTab->rect = CRect(x, m_rectTabsArea.top, x + nWidth, m_rectTabsArea.bottom);
        if (m_ToolTip.GetSafeHwnd() != NULL)
            m_ToolTip.SetToolRect(this, pTab->iTabID, pTab->rect);
        x += nWidth;
        if (pTab->pWnd != nullptr && pTab->pWnd->GetSafeHwnd() != NULL)
            pTab->pWnd->SetWindowPos(NULL, m_rectWndArea.left, m_rectWndArea.top,
                                     m_rectWndArea.Width(), m_rectWndArea.Height(),
                                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    dc.SelectObject(pOldFont);
    Invalidate();
}

BOOL CTavoPTabWnd::SetActiveTab(int iTab)
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return FALSE;
    if (iTab == m_iActiveTab)
        return TRUE;

    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(TAVOM_ON_CHANGING_ACTIVE_TAB, (WPARAM)iTab, (LPARAM)this);

    CWnd* pOld = GetActiveWnd();
    if (m_bHideInactiveWindow && pOld != nullptr && pOld->GetSafeHwnd() != NULL)
        pOld->ShowWindow(SW_HIDE);
    m_iActiveTab = iTab;
    CWnd* pNew = GetActiveWnd();
    if (pNew != nullptr && pNew->GetSafeHwnd() != NULL)
    {
        pNew->ShowWindow(SW_SHOW);
        if (!m_bHideInactiveWindow)
            pNew->BringWindowToTop();
    }
    if (GetSafeHwnd() != NULL)
    {
        Invalidate();
        UpdateWindow();
    }
    if (pParent != nullptr)
        pParent->SendMessage(TAVOM_ONCHANGE_ACTIVE_TAB, (WPARAM)iTab, (LPARAM)this);
    return TRUE;
}

void CTavoPTabWnd::OnSize(UINT nType, int cx, int cy)
{
    CTavoPBaseTabWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

BOOL CTavoPTabWnd::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CTavoPTabWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CTavoPGlobalData& data = GetGlobalData();
    dc.FillRect(rectClient, &data.brBtnFace);

    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    pVisManager->OnEraseTabsArea(&dc, m_rectTabsArea, this);
    if (m_bDrawFrame && m_iTabsNum > 0)
    {
        CRect rectFrame = m_rectWndArea;
        rectFrame.InflateRect(1, 1);
        dc.Draw3dRect(rectFrame, data.clrBtnShadow, data.clrBtnHilite);
    }

    CFont* pOldFont = dc.SelectObject(&data.fontRegular);
    dc.SetBkMode(TRANSPARENT);
    // The active tab goes last, over its neighbours.
    for (int i = 0; i < m_iTabsNum; i++)
        if (i != m_iActiveTab && m_arTabs[i]->bVisible)
            pVisManager->OnDrawTab(&dc, m_arTabs[i]->rect, i, FALSE, this);
    if (IsTabVisible(m_iActiveTab))
        pVisManager->OnDrawTab(&dc, m_arTabs[m_iActiveTab]->rect, m_iActiveTab, TRUE, this);
    dc.SelectObject(pOldFont);
}
