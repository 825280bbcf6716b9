#include "ui/bars/tabs/CTavoPTabWnd.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPTabWnd, CTavoPBaseTabWnd)
    ON_WM_CREATE()
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
    : m_bFlat(FALSE), m_bSharedScroll(FALSE), m_bScroll(FALSE), m_bCloseBtn(FALSE),
      m_bHideNoTabs(FALSE), m_bTransparent(FALSE), m_bDrawFrame(TRUE), m_nTabsHorzOffset(0),
      m_nTabsHorzOffsetMax(0), m_nTabsTotalWidth(0), m_rectTabsArea(0, 0, 0, 0),
      m_rectWndArea(0, 0, 0, 0)
{}

CTavoPTabWnd::~CTavoPTabWnd()
{}

BOOL CTavoPTabWnd::Create(Style style, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          Location location, BOOL bCloseBtn)
{
    m_bFlat = style == STYLE_FLAT || style == STYLE_FLAT_SHARED_HORZ_SCROLL;
    m_bSharedScroll = style == STYLE_FLAT_SHARED_HORZ_SCROLL;
    m_bScroll = style != STYLE_3D;
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

int CTavoPTabWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPBaseTabWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_bScroll)
    {
        // Glyphs of the menu glyph images: first, left, right, last, close.
        if ((m_bFlat && !CreateStripButton(m_btnScrollFirst, 18, FALSE)) ||
            !CreateStripButton(m_btnScrollLeft, m_bFlat ? 17 : 21, TRUE) ||
            !CreateStripButton(m_btnScrollRight, m_bFlat ? 14 : 20, TRUE) ||
            (m_bFlat && !CreateStripButton(m_btnScrollLast, 19, FALSE)) ||
            !CreateStripButton(m_btnClose, 5, FALSE))
            return -1;
    }
    if (m_bFlat)
    {
        m_brActiveTab.DeleteObject();
        m_brActiveTab.CreateSolidBrush(GetActiveTabColor());
        SetFlatFonts();
    }
    return 0;
}

BOOL CTavoPTabWnd::CreateStripButton(CTavoPButton& button, int iImage, BOOL bRepeat)
{
    if (!button.Create(_T(""), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 0, 0), this,
                       (UINT)-1))
        return FALSE;
    button.SetStdImage(iImage);
    if (bRepeat)
        button.SetAutoRepeatDelay(50);
    m_lstButtons.push_back(button.GetSafeHwnd());
    return TRUE;
}

BOOL CTavoPTabWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const HWND hwndFrom = (HWND)lParam;
    if (hwndFrom != NULL && hwndFrom == m_btnScrollLeft.GetSafeHwnd())
        ScrollTabs(m_nTabsHorzOffset - 20);
    else if (hwndFrom == m_btnScrollRight.GetSafeHwnd())
        ScrollTabs(m_nTabsHorzOffset + 20);
    else if (hwndFrom == m_btnScrollFirst.GetSafeHwnd())
        ScrollTabs(0);
    else if (hwndFrom == m_btnScrollLast.GetSafeHwnd())
        ScrollTabs(m_nTabsHorzOffsetMax);
    else if (hwndFrom == m_btnClose.GetSafeHwnd())
    {
        CWnd* pActive = GetActiveWnd();
        if (pActive != nullptr && pActive->GetSafeHwnd() != NULL)
            pActive->SendMessage(WM_CLOSE);
    }
    else
        return CTavoPBaseTabWnd::OnCommand(wParam, lParam);
    return TRUE;
}

void CTavoPTabWnd::ScrollTabs(int nOffset)
{
    nOffset = std::max(0, std::min(nOffset, m_nTabsHorzOffsetMax));
    if (nOffset == m_nTabsHorzOffset)
        return;
    m_nTabsHorzOffset = nOffset;
    RepositionTabs();
    Invalidate();
    UpdateWindow();
}

void CTavoPTabWnd::LayoutButtons(const CRect& rectStrip)
{
    if (m_lstButtons.empty())
        return;
    const CSize sizeGlyph = CTavoPMenuGlyphImages::Size();
    CSize sizeButton = sizeGlyph + CSize(4, 4);
    if (!m_bSharedScroll)
    {
        sizeButton = sizeGlyph + CSize(6, 6);
        sizeButton.cx = std::min((int)sizeButton.cx, m_nTabsHeight - 4);
        sizeButton.cy = std::min((int)sizeButton.cy, m_nTabsHeight - 4);
    }
    const int nButtons = (int)m_lstButtons.size() - (m_bCloseBtn ? 0 : 1);
    const int nWidth = nButtons * sizeButton.cx;
    const BOOL bRoom = rectStrip.Height() > 0 && rectStrip.Width() >= nWidth;
    int x = m_bFlat ? rectStrip.left : rectStrip.right - nWidth;
    const int y = rectStrip.top + (rectStrip.Height() - sizeButton.cy) / 2;
    if (bRoom)
    {
        if (m_bFlat)
            m_rectTabsArea.left = rectStrip.left + nWidth + 1;
        else
            m_rectTabsArea.right = rectStrip.right - nWidth;
    }
    for (HWND hwnd : m_lstButtons)
    {
        CRect rect(0, 0, 0, 0);
        if (bRoom && (m_bCloseBtn || hwnd != m_btnClose.GetSafeHwnd()))
        {
            rect = CRect(CPoint(x, y), sizeButton);
            x += sizeButton.cx;
        }
        ::SetWindowPos(hwnd, NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                       SWP_NOACTIVATE | SWP_NOZORDER);
        ::InvalidateRect(hwnd, NULL, TRUE);
        ::UpdateWindow(hwnd);
    }
}

void CTavoPTabWnd::SetFlatFonts()
{
    m_nTabsHeight = ::GetSystemMetrics(SM_CYHSCROLL) + 4 / 2;
    LOGFONT lf = {};
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lstrcpy(lf.lfFaceName, _T("Arial"));
    // Shrinks the font until a label fits the strip with a pixel to spare above and below.
    for (;;)
    {
        m_fntTabs.DeleteObject();
        m_fntTabs.CreateFontIndirect(&lf);
        CWindowDC dc(nullptr);
        CFont* pOld = dc.SelectObject(&m_fntTabs);
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
        if (tm.tmHeight + 2 <= m_nTabsHeight || lf.lfHeight == 0)
            break;
        lf.lfHeight += lf.lfHeight < 0 ? 1 : -1;
    }
    lf.lfWeight = FW_BOLD;
    m_fntTabsBold.DeleteObject();
    m_fntTabsBold.CreateFontIndirect(&lf);
}

void CTavoPTabWnd::HideNoTabs(BOOL bHide)
{
    if (m_bHideNoTabs == bHide)
        return;
    m_bHideNoTabs = bHide;
    RecalcLayout();
}

void CTavoPTabWnd::RecalcLayout()
{
    if (GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    const int nBorder = GetTabBorderSize();
    const int nVisible = GetVisibleTabsNum();
    const BOOL bHideStrip = (nVisible < 2 && m_bHideSingleTab) || (nVisible == 0 && m_bHideNoTabs);
    const int nStripHeight = bHideStrip ? 0 : m_nTabsHeight;

    m_rectTabsArea = rectClient;
    m_rectTabsArea.DeflateRect(nBorder, 0);
    if (m_location == LOCATION_TOP)
        m_rectTabsArea.bottom = m_rectTabsArea.top + nStripHeight;
    else
        m_rectTabsArea.top = m_rectTabsArea.bottom - nStripHeight;

    LayoutButtons(CRect(m_rectTabsArea));

    // The page keeps a pixel between itself and the strip for the frame the active tab opens.
    m_rectWndArea = rectClient;
    m_rectWndArea.DeflateRect(nBorder + 1, nBorder + 1);
    if (nStripHeight > 0)
    {
        if (m_location == LOCATION_TOP)
            m_rectWndArea.top = std::min(m_rectWndArea.bottom, m_rectTabsArea.bottom + 1);
        else
            m_rectWndArea.bottom = std::max(m_rectWndArea.top, m_rectTabsArea.top - 1);
    }
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CTavoPTabInfo* pTab = m_arTabs[i];
        if (pTab->bVisible && pTab->pWnd != nullptr && pTab->pWnd->GetSafeHwnd() != NULL)
            pTab->pWnd->SetWindowPos(NULL, m_rectWndArea.left, m_rectWndArea.top,
                                     m_rectWndArea.Width(), m_rectWndArea.Height(),
                                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    RepositionTabs();
    Invalidate();
    UpdateWindow();
}

void CTavoPTabWnd::RepositionTabs()
{
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(m_bFlat ? &m_fntTabsBold : &GetGlobalData().fontRegular);
    // The slanted sides of a flat tab take half its height each.
    const int nSlant = m_bFlat ? m_rectTabsArea.Height() / 2 : 0;
    m_nTabsTotalWidth = 0;
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CTavoPTabInfo* pTab = m_arTabs[i];
        if (!pTab->bVisible)
            continue;
        int nWidth = dc.GetTextExtent(pTab->strText).cx + 2 * kLabelMargin + 2 * nSlant;
        if (!m_bFlat && pTab->uiIcon != (UINT)-1 && m_sizeImage.cx > 0)
            nWidth += m_sizeImage.cx + TAB_IMAGE_MARGIN;
        pTab->nLayoutValue = nWidth;
        m_nTabsTotalWidth += nWidth;
    }
    dc.SelectObject(pOldFont);

    m_nTabsHorzOffsetMax = std::max(0, m_nTabsTotalWidth - m_rectTabsArea.Width());
    m_nTabsHorzOffset = std::max(0, std::min(m_nTabsHorzOffset, m_nTabsHorzOffsetMax));

    int x = m_rectTabsArea.left - m_nTabsHorzOffset;
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CTavoPTabInfo* pTab = m_arTabs[i];
        if (!pTab->bVisible || m_rectTabsArea.IsRectEmpty())
        {
            pTab->rect.SetRectEmpty();
            continue;
        }
        pTab->rect = CRect(x, m_rectTabsArea.top, x + pTab->nLayoutValue, m_rectTabsArea.bottom);
        if (m_ToolTip.GetSafeHwnd() != NULL)
            m_ToolTip.SetToolRect(this, pTab->iTabID, pTab->rect);
        x += pTab->nLayoutValue;
    }
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
    EnsureVisible(iTab);
    if (GetSafeHwnd() != NULL)
    {
        Invalidate();
        UpdateWindow();
    }
    if (pParent != nullptr)
        pParent->SendMessage(TAVOM_ONCHANGE_ACTIVE_TAB, (WPARAM)iTab, (LPARAM)this);
    return TRUE;
}

BOOL CTavoPTabWnd::EnsureVisible(int iTab)
{
    if (!m_bScroll || iTab < 0 || iTab >= m_iTabsNum || m_rectTabsArea.IsRectEmpty())
        return FALSE;
    const CRect rectTab = m_arTabs[iTab]->rect;
    if (rectTab.left < m_rectTabsArea.left)
        m_nTabsHorzOffset -= m_rectTabsArea.left - rectTab.left;
    else if (rectTab.right > m_rectTabsArea.right && rectTab.Width() <= m_rectTabsArea.Width())
        m_nTabsHorzOffset += rectTab.right - m_rectTabsArea.right;
    else
        return FALSE;
    RepositionTabs();
    return TRUE;
}

void CTavoPTabWnd::OnSize(UINT nType, int cx, int cy)
{
    CTavoPBaseTabWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

BOOL CTavoPTabWnd::OnEraseBkgnd(CDC* pDC)
{
    // With tabs the paint covers everything; erasing first would only flicker.
    if (m_iTabsNum == 0 && !m_bTransparent)
    {
        CRect rectClient;
        GetClientRect(rectClient);
        pDC->FillRect(rectClient, &GetGlobalData().brBtnFace);
    }
    return TRUE;
}

void CTavoPTabWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CTavoPGlobalData& data = GetGlobalData();
    if (!m_bTransparent)
        dc.FillRect(rectClient, &data.brBtnFace);

    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    const BOOL bStrip = !m_rectTabsArea.IsRectEmpty();
    if (bStrip)
        pVisManager->OnEraseTabsArea(&dc, m_rectTabsArea, this);
    if (m_bDrawFrame && m_iTabsNum > 0)
        DrawFrame(dc, bStrip);
    if (!bStrip)
        return;

    // The active tab may reach over the frame to join its page.
    CRect rectClip = m_rectTabsArea;
    rectClip.InflateRect(1, GetTabBorderSize() + 1);
    CRgn rgnClip;
    rgnClip.CreateRectRgnIndirect(rectClip);
    dc.SelectClipRgn(&rgnClip);

    CFont* pOldFont = dc.SelectObject(m_bFlat ? &m_fntTabs : &data.fontRegular);
    dc.SetBkMode(TRANSPARENT);
    // The active tab goes last, over its neighbours.
    for (int i = 0; i < m_iTabsNum; i++)
        if (i != m_iActiveTab && m_arTabs[i]->bVisible)
            DrawTab(dc, i, FALSE);
    if (IsTabVisible(m_iActiveTab))
        DrawTab(dc, m_iActiveTab, TRUE);
    dc.SelectObject(pOldFont);
    dc.SelectClipRgn(nullptr);
}

void CTavoPTabWnd::DrawFrame(CDC& dc, BOOL bStrip)
{
    CTavoPGlobalData& data = GetGlobalData();
    CRect rectFrame = m_rectWndArea;
    rectFrame.InflateRect(1, 1);
    if (!bStrip)
    {
        dc.Draw3dRect(rectFrame, data.clrBtnShadow, data.clrBtnShadow);
        return;
    }
    const BOOL bTop = m_location == LOCATION_TOP;
    if (m_bFlat)
    {
        dc.Draw3dRect(rectFrame, data.clrBtnShadow, data.clrBtnHilite);
        // The strip side is closed by a dark line the active tab breaks.
        const int y = bTop ? rectFrame.top : rectFrame.bottom - 1;
        CPen pen(PS_SOLID, 1, data.clrBtnDkShadow);
        CPen* pOldPen = dc.SelectObject(&pen);
        dc.MoveTo(rectFrame.left, y);
        dc.LineTo(rectFrame.right, y);
        dc.SelectObject(pOldPen);
        return;
    }
    // The outer edge shares the strip-side line with the inner one.
    CRect rectOuter = rectFrame;
    rectOuter.InflateRect(1, 1);
    if (bTop)
        rectOuter.top = rectFrame.top;
    else
        rectOuter.bottom = rectFrame.bottom;
    dc.Draw3dRect(rectOuter, data.clrBtnLight, data.clrBtnDkShadow);
    dc.Draw3dRect(rectFrame, data.clrBtnHilite, data.clrBtnShadow);
}

void CTavoPTabWnd::DrawTab(CDC& dc, int iTab, BOOL bIsActive)
{
    const CRect rectTab = m_arTabs[iTab]->rect;
    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    if (!m_bFlat)
    {
        pVisManager->OnDrawTab(&dc, rectTab, iTab, bIsActive, this);
        return;
    }

    CTavoPGlobalData& data = GetGlobalData();
    CPen penOutline(PS_SOLID, 1, data.clrBtnDkShadow);
    CPen* pOldPen = dc.SelectObject(&penOutline);
    CBrush* pOldBrush = dc.SelectObject(bIsActive ? &m_brActiveTab : &data.brBtnFace);
    CFont* pOldFont = bIsActive ? dc.SelectObject(&m_fntTabsBold) : nullptr;
    const COLORREF clrOldText =
        dc.SetTextColor(bIsActive ? GetActiveTabTextColor() : data.clrBtnText);
    pVisManager->OnDrawTab(&dc, rectTab, iTab, bIsActive, this);
    dc.SetTextColor(clrOldText);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);

    if (bIsActive)
    {
        // Opens the frame under the active tab so that it and its page read as one.
        CPen penJoin(PS_SOLID, 1, GetActiveTabColor());
        pOldPen = dc.SelectObject(&penJoin);
        const BOOL bTop = m_location == LOCATION_TOP;
        for (int y :
             {bTop ? rectTab.bottom : rectTab.top - 1, bTop ? rectTab.bottom - 1 : rectTab.top})
        {
            dc.MoveTo(rectTab.left + 1, y);
            dc.LineTo(rectTab.right, y);
        }
        dc.SelectObject(pOldPen);
    }
}
