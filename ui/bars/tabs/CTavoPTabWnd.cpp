#include "ui/bars/tabs/CTavoPTabWnd.h"
#include "ui/commandbars/CTavoPTabbedToolbar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "framework/COleDataObject.h"
#include "framework/CView.h"
#include "res/LibraryIds.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CTavoPTabWnd, CTavoPBaseTabWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_HSCROLL()
    ON_WM_SETCURSOR()
    ON_WM_CANCELMODE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPTabWnd, CTavoPBaseTabWnd)

UINT CTavoPTabWnd::TAVOM_ON_HSCROLL = ::RegisterWindowMessage(_T("TAVOM_ON_HSCROLL"));

namespace {

// Space on either side of a tab's label.
const int kLabelMargin = 6;
// Width of the grip between the tabs and the shared scroll bar.
const int kSplitterWidth = 5;
// How far one press of a scroll button moves the strip.
const int kScrollStep = 20;

// The narrowest the shared scroll bar may be.
int MinHorzScrollWidth()
{
    return 2 * ::GetSystemMetrics(SM_CXHSCROLL);
}

} // namespace

CTavoPTabWnd::CTavoPTabWnd()
    : m_bFlat(FALSE), m_bSharedScroll(FALSE), m_bScroll(FALSE), m_bCloseBtn(FALSE),
      m_bHideNoTabs(FALSE), m_bTransparent(FALSE), m_bDrawFrame(TRUE), m_bResizeOnActivate(TRUE),
      m_bRecalcLayoutOnActivate(FALSE), m_rectTabSplitter(0, 0, 0, 0), m_nHorzScrollWidth(0),
      m_bTrackSplitter(FALSE), m_nTrackStartX(0), m_nTrackStartWidth(0), m_bInScrollRelay(FALSE),
      m_nTabsHorzOffset(0), m_nTabsHorzOffsetMax(0), m_nTabsTotalWidth(0),
      m_rectTabsArea(0, 0, 0, 0), m_rectWndArea(0, 0, 0, 0)
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
        // Glyphs of the menu glyph images: first, left, right, last, close. Only the 3-D look
        // with scroll buttons gives them tips.
        const BOOL bTips = !m_bFlat;
        if ((m_bFlat && !CreateStripButton(m_btnScrollFirst, 18, FALSE, 0)) ||
            !CreateStripButton(m_btnScrollLeft, m_bFlat ? 17 : 21, TRUE,
                               bTips ? IDS_TAVOP_TAB_SCROLL_LEFT : 0) ||
            !CreateStripButton(m_btnScrollRight, m_bFlat ? 14 : 20, TRUE,
                               bTips ? IDS_TAVOP_TAB_SCROLL_RIGHT : 0) ||
            (m_bFlat && !CreateStripButton(m_btnScrollLast, 19, FALSE, 0)) ||
            !CreateStripButton(m_btnClose, 5, FALSE, bTips ? IDS_TAVOP_CAPTION_CLOSE : 0))
            return -1;
    }
    if (m_bSharedScroll &&
        !m_wndScrollWnd.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this, (UINT)-1))
        return -1;
    if (m_bFlat)
    {
        m_brActiveTab.DeleteObject();
        m_brActiveTab.CreateSolidBrush(GetActiveTabColor());
        SetFlatFonts();
    }
    else if (!m_bScroll && m_ToolTip.Create(this, TTS_ALWAYSTIP))
    {
        // Tabs that do not scroll may be cut short: each tells its whole label.
        m_ToolTip.Activate(TRUE);
        m_ToolTip.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return 0;
}

void CTavoPTabWnd::OnDestroy()
{
    EndSplitterTracking();
    CTavoPBaseTabWnd::OnDestroy();
}

BOOL CTavoPTabWnd::CreateStripButton(CTavoPTabButton& button, int iImage, BOOL bRepeat,
                                     UINT uiTipID)
{
    if (!button.Create(_T(""), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 0, 0), this,
                       (UINT)-1))
        return FALSE;
    button.SetStdImage(iImage);
    if (bRepeat)
        button.SetAutoRepeatDelay(50);
    if (uiTipID != 0)
    {
        CString strTip;
        strTip.LoadString(uiTipID);
        button.SetTooltip(strTip);
    }
    m_lstButtons.push_back(button.GetSafeHwnd());
    return TRUE;
}

BOOL CTavoPTabWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const HWND hwndFrom = (HWND)lParam;
    if (hwndFrom != NULL && hwndFrom == m_btnScrollLeft.GetSafeHwnd())
        ScrollTabs(m_nTabsHorzOffset - kScrollStep);
    else if (hwndFrom == m_btnScrollRight.GetSafeHwnd())
        ScrollTabs(m_nTabsHorzOffset + kScrollStep);
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

int CTavoPTabWnd::FitFontToHeight(LOGFONT& lf, int nHeight, CFont& font)
{
    CWindowDC dc(nullptr);
    for (;;)
    {
        font.DeleteObject();
        font.CreateFontIndirect(&lf);
        CFont* pOld = dc.SelectObject(&font);
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
        // Height 0 would ask for the default size, larger again: the smallest is 1.
        if (tm.tmHeight + 2 <= nHeight || std::abs(lf.lfHeight) <= 1)
        {
            if (lf.lfHeight == 0)
            {
                lf.lfHeight = -1;
                continue;
            }
            return tm.tmHeight;
        }
        lf.lfHeight += lf.lfHeight < 0 ? 1 : -1;
    }
}

void CTavoPTabWnd::SetFlatFonts()
{
    m_nTabsHeight = ::GetSystemMetrics(SM_CYHSCROLL) + 4 / 2;
    LOGFONT lf = {};
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lstrcpy(lf.lfFaceName, _T("Arial"));
    FitFontToHeight(lf, m_nTabsHeight, m_fntTabs);
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

    const CRect rectStrip = m_rectTabsArea;
    LayoutButtons(rectStrip);
    LayoutSharedScroll(rectStrip);

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

    const int iWasActive = m_iActiveTab;
    CWnd* pParent = GetParent();
    const HWND hwndParent = pParent != nullptr ? pParent->GetSafeHwnd() : NULL;
    // The parent paints once, after the pages changed places, not once for each of them.
    const BOOL bFreeze = m_iTabsNum > 1 && hwndParent != NULL;
    if (hwndParent != NULL)
        ::SendMessage(hwndParent, TAVOM_ON_CHANGING_ACTIVE_TAB, (WPARAM)iTab, (LPARAM)this);
    if (bFreeze)
        ::SendMessage(hwndParent, WM_SETREDRAW, FALSE, 0);

    CWnd* pOld = GetActiveWnd();
    if (m_bHideInactiveWindow && pOld != nullptr && pOld->GetSafeHwnd() != NULL)
        pOld->ShowWindow(SW_HIDE);
    m_iActiveTab = iTab;
    CWnd* pNew = GetActiveWnd();
    const HWND hwndNew = pNew != nullptr ? pNew->GetSafeHwnd() : NULL;
    if (hwndNew != NULL)
    {
        if (m_bSharedScroll)
        {
            // The strip's scroll bar stands in for the page's own.
            ::ShowScrollBar(hwndNew, SB_HORZ, FALSE);
            pNew->ModifyStyle(WS_HSCROLL, 0, SWP_DRAWFRAME);
        }
        pNew->ShowWindow(SW_SHOW);
        if (!m_bHideInactiveWindow)
            pNew->BringWindowToTop();
        if (m_bResizeOnActivate && GetSafeHwnd() != NULL && !m_rectWndArea.IsRectEmpty())
        {
            // A page hidden while the window changed size lays itself out only when its size
            // changes again.
            pNew->SetWindowPos(NULL, 0, 0, m_rectWndArea.Width() + 1, m_rectWndArea.Height(),
                               SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
            pNew->SetWindowPos(NULL, 0, 0, m_rectWndArea.Width(), m_rectWndArea.Height(),
                               SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        }
    }
    EnsureVisible(iTab);
    if (m_bFlat)
        SynchronizeScrollBar();

    // A tabbed pane's caption tells which tab is active.
    UpdateTabbedBarCaption();

    if (GetSafeHwnd() != NULL)
    {
        if (m_bRecalcLayoutOnActivate)
            RecalcLayout();
        Invalidate();
        UpdateWindow();
    }

    // The user's choice of a page takes the keyboard with it; the first page of a new window
    // does not.
    if (iWasActive >= 0 && hwndNew != NULL && ::IsWindow(hwndNew))
    {
        CView* pView = DYNAMIC_DOWNCAST(CView, pNew);
        CFrameWnd* pFrame = pView != nullptr ? pView->GetParentFrame() : nullptr;
        if (pFrame != nullptr)
            pFrame->SetActiveView(pView);
        else
            pNew->SetFocus();
    }
    UpdateCloseButton();

    if (bFreeze && ::IsWindow(hwndParent))
    {
        ::SendMessage(hwndParent, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(hwndParent, nullptr, NULL,
                       RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    if (hwndParent != NULL && ::IsWindow(hwndParent))
        ::SendMessage(hwndParent, TAVOM_ONCHANGE_ACTIVE_TAB, (WPARAM)iTab, (LPARAM)this);
    return TRUE;
}

void CTavoPTabWnd::UpdateCloseButton()
{
    if (m_btnClose.GetSafeHwnd() == NULL)
        return;
    BOOL bEnable = TRUE;
    CWnd* pActive = GetActiveWnd();
    if (pActive != nullptr && pActive->GetSafeHwnd() != NULL)
    {
        // A page without a system menu may always be closed.
        HMENU hSysMenu = ::GetSystemMenu(pActive->GetSafeHwnd(), FALSE);
        if (hSysMenu != NULL)
        {
            const UINT uiState = ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
            bEnable = uiState != (UINT)-1 && (uiState & (MF_GRAYED | MF_DISABLED)) == 0;
        }
    }
    m_btnClose.EnableWindow(bEnable);
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
    // The shared scroll bar takes half the free width when that leaves it wide enough.
    const int nFree = cx - 2 * GetTabBorderSize() - 4 * ::GetSystemMetrics(SM_CXVSCROLL);
    if (nFree > MinHorzScrollWidth())
        m_nHorzScrollWidth = nFree / 2 > MinHorzScrollWidth() ? nFree / 2 : nFree;
    else
        m_nHorzScrollWidth = 0;
    RecalcLayout();
    SynchronizeScrollBar();
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
    if (m_bSharedScroll && !m_rectTabSplitter.IsRectEmpty())
        dc.Draw3dRect(m_rectTabSplitter, data.clrBtnHilite, data.clrBtnShadow);
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

// ---- the shared scroll bar ----

void CTavoPTabWnd::LayoutSharedScroll(const CRect& rectStrip)
{
    m_rectTabSplitter.SetRectEmpty();
    if (!m_bSharedScroll || m_wndScrollWnd.GetSafeHwnd() == NULL)
        return;
    CRect rectScroll(0, 0, 0, 0);
    // The bar never gets narrower than two arrows; a strip without room for it shows none.
    const int nWidth = std::max(m_nHorzScrollWidth, MinHorzScrollWidth());
    if (!rectStrip.IsRectEmpty() &&
        m_rectTabsArea.Width() > nWidth + kSplitterWidth + MinHorzScrollWidth())
    {
        rectScroll =
            CRect(rectStrip.right - nWidth, rectStrip.top, rectStrip.right, rectStrip.bottom);
        m_rectTabSplitter = CRect(rectScroll.left - kSplitterWidth, rectStrip.top, rectScroll.left,
                                  rectStrip.bottom);
        m_rectTabsArea.right = m_rectTabSplitter.left;
    }
    m_wndScrollWnd.SetWindowPos(NULL, rectScroll.left, rectScroll.top, rectScroll.Width(),
                                rectScroll.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
}

void CTavoPTabWnd::SynchronizeScrollBar(SCROLLINFO* pScrollInfo)
{
    if (!m_bSharedScroll || m_wndScrollWnd.GetSafeHwnd() == NULL)
        return;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    BOOL bHasRange = FALSE;
    if (pScrollInfo != nullptr)
    {
        info = *pScrollInfo;
        info.cbSize = sizeof(info);
        bHasRange = TRUE;
    }
    else
    {
        CWnd* pActive = GetActiveWnd();
        if (pActive != nullptr && pActive->GetSafeHwnd() != NULL)
            bHasRange = ::GetScrollInfo(pActive->GetSafeHwnd(), SB_HORZ, &info);
    }
    // Nothing to scroll: the bar stays, greyed.
    if (!bHasRange || info.nMax <= info.nMin ||
        (info.nPage > 0 && (int)info.nPage > info.nMax - info.nMin))
    {
        SCROLLINFO none = {};
        none.cbSize = sizeof(none);
        none.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        m_wndScrollWnd.SetScrollInfo(&none);
        m_wndScrollWnd.EnableScrollBar(ESB_DISABLE_BOTH);
        return;
    }
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    m_wndScrollWnd.EnableScrollBar(ESB_ENABLE_BOTH);
    m_wndScrollWnd.SetScrollInfo(&info);
}

void CTavoPTabWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CWnd* pActive = GetActiveWnd();
    if (pScrollBar == nullptr || pScrollBar->GetSafeHwnd() != m_wndScrollWnd.GetSafeHwnd() ||
        m_wndScrollWnd.GetSafeHwnd() == NULL || pActive == nullptr ||
        pActive->GetSafeHwnd() == NULL || m_bInScrollRelay)
    {
        CTavoPBaseTabWnd::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    const HWND hwndPage = pActive->GetSafeHwnd();
    // A 16-bit position would cut long ranges short: the thumb's real place comes from the bar.
    if (nSBCode == SB_THUMBPOSITION || nSBCode == SB_THUMBTRACK)
    {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        if (m_wndScrollWnd.GetScrollInfo(&info, SIF_TRACKPOS))
            nPos = (UINT)info.nTrackPos;
    }
    m_bInScrollRelay = TRUE;
    CTavoPTabInfo* pTab = GetTabInfo(m_iActiveTab);
    if ((nSBCode == SB_THUMBPOSITION || nSBCode == SB_THUMBTRACK) && pTab != nullptr &&
        pTab->bIsListView)
    {
        // A list view ignores thumb messages: it is moved by the distance instead.
        const int nCurrent = ::GetScrollPos(hwndPage, SB_HORZ);
        ::SendMessage(hwndPage, LVM_SCROLL, (WPARAM)((int)nPos - nCurrent), 0);
    }
    ::SendMessage(hwndPage, WM_HSCROLL, MAKEWPARAM(nSBCode, nPos & 0xFFFF), 0);
    m_bInScrollRelay = FALSE;
    if (!::IsWindow(hwndPage) || GetSafeHwnd() == NULL)
        return;
    SynchronizeScrollBar();
    // The page may have shown its own bar again while it scrolled.
    if (::GetWindowLong(hwndPage, GWL_STYLE) & WS_HSCROLL)
    {
        ::ShowScrollBar(hwndPage, SB_HORZ, FALSE);
        CWnd::ModifyStyle(hwndPage, WS_HSCROLL, 0, SWP_DRAWFRAME);
    }
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(TAVOM_ON_HSCROLL, MAKEWPARAM(nSBCode, nPos & 0xFFFF), 0);
}

BOOL CTavoPTabWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_bSharedScroll && nHitTest == HTCLIENT && !m_rectTabSplitter.IsRectEmpty())
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        if (m_rectTabSplitter.PtInRect(point))
        {
            ::SetCursor(GetGlobalData().m_hcurStretch);
            return TRUE;
        }
    }
    return CTavoPBaseTabWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CTavoPTabWnd::EndSplitterTracking()
{
    if (!m_bTrackSplitter)
        return;
    m_bTrackSplitter = FALSE;
    if (GetSafeHwnd() != NULL && ::GetCapture() == m_hWnd)
        ReleaseCapture();
}

// ---- mouse ----

BOOL CTavoPTabWnd::IsFreeStripPoint(CPoint point)
{
    return m_rectTabsArea.PtInRect(point) && GetTabFromPoint(point) < 0;
}

void CTavoPTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bSharedScroll && m_rectTabSplitter.PtInRect(point))
    {
        m_bTrackSplitter = TRUE;
        m_nTrackStartX = point.x;
        m_nTrackStartWidth = m_nHorzScrollWidth;
        SetCapture();
        return;
    }
    const HWND hwnd = m_hWnd;
    CTavoPBaseTabWnd::OnLButtonDown(nFlags, point);
    if (!::IsWindow(hwnd) || m_bReadyToDetach || m_pInPlaceEdit != nullptr)
        return;
    // A tabbed pane is dragged by the free part of its strip.
    CWnd* pParent = GetParent();
    if (pParent != nullptr && IsFreeStripPoint(point))
    {
        CPoint ptParent = point;
        MapWindowPoints(pParent, &ptParent, 1);
        pParent->SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(ptParent.x, ptParent.y));
    }
}

void CTavoPTabWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr && IsFreeStripPoint(point))
    {
        CPoint ptParent = point;
        MapWindowPoints(pParent, &ptParent, 1);
        pParent->SendMessage(WM_LBUTTONDBLCLK, nFlags, MAKELPARAM(ptParent.x, ptParent.y));
        return;
    }
    CTavoPBaseTabWnd::OnLButtonDblClk(nFlags, point);
}

void CTavoPTabWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTrackSplitter)
    {
        EndSplitterTracking();
        return;
    }
    CTavoPBaseTabWnd::OnLButtonUp(nFlags, point);
}

void CTavoPTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTrackSplitter)
    {
        CTavoPBaseTabWnd::OnMouseMove(nFlags, point);
        return;
    }
    CRect rectTop, rectBottom;
    GetTabArea(rectTop, rectBottom);
    // The strip as the layout gives it, buttons and scroll bar included.
    CRect rectStrip = m_location == LOCATION_TOP ? rectTop : rectBottom;
    CRect rectScroll;
    m_wndScrollWnd.GetWindowRect(rectScroll);
    ScreenToClient(rectScroll);
    rectStrip.right = rectScroll.right;
    // The grip follows the cursor; the tabs keep room for two arrows' width at least.
    const int nMax = rectStrip.Width() - kSplitterWidth - MinHorzScrollWidth() - 1;
    const int nWidth = std::max(MinHorzScrollWidth(),
                                std::min(m_nTrackStartWidth + m_nTrackStartX - (int)point.x, nMax));
    if (nWidth == m_nHorzScrollWidth || nMax < MinHorzScrollWidth())
        return;
    m_nHorzScrollWidth = nWidth;
    RecalcLayout();
}

void CTavoPTabWnd::OnCancelMode()
{
    EndSplitterTracking();
    CTavoPBaseTabWnd::OnCancelMode();
}

void CTavoPTabWnd::OnSetFocus(CWnd* pOldWnd)
{
    CTavoPBaseTabWnd::OnSetFocus(pOldWnd);
    CWnd* pActive = GetActiveWnd();
    if (pActive != nullptr && pActive->GetSafeHwnd() != NULL && pActive->IsWindowVisible())
        pActive->SetFocus();
}

// ---- keyboard and tips ----

BOOL CTavoPTabWnd::ActivateNextTab(BOOL bForward)
{
    if (m_iActiveTab < 0 || m_iTabsNum < 2)
        return FALSE;
    int iTab = m_iActiveTab;
    for (int n = 0; n < m_iTabsNum - 1; n++)
    {
        iTab = (iTab + (bForward ? 1 : m_iTabsNum - 1)) % m_iTabsNum;
        if (!m_arTabs[iTab]->bVisible)
            continue;
        const HWND hwnd = m_hWnd;
        SetActiveTab(iTab);
        if (!::IsWindow(hwnd) || m_iActiveTab != iTab)
            return FALSE;
        CWnd* pActive = GetActiveWnd();
        if (pActive != nullptr && pActive->GetSafeHwnd() != NULL)
            pActive->SetFocus();
        CWnd* pParent = GetParent();
        if (pParent != nullptr)
            pParent->SendMessage(TAVOM_ONCHANGE_ACTIVE_TAB, (WPARAM)iTab, 0);
        return TRUE;
    }
    return FALSE;
}

BOOL CTavoPTabWnd::PreTranslateMessage(MSG* pMsg)
{
    // The rename edit takes every key while it is open.
    if (m_pInPlaceEdit != nullptr)
        return CTavoPBaseTabWnd::PreTranslateMessage(pMsg);
    if (m_ToolTip.GetSafeHwnd() != NULL &&
        ((pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST) ||
         (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)))
        m_ToolTip.RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_PRIOR || pMsg->wParam == VK_NEXT) &&
        (::GetKeyState(VK_CONTROL) & 0x8000) != 0 && m_iActiveTab >= 0)
    {
        ActivateNextTab(pMsg->wParam == VK_NEXT);
        return TRUE;
    }
    return CTavoPBaseTabWnd::PreTranslateMessage(pMsg);
}

// ---- colours and settings ----

void CTavoPTabWnd::OnSysColorChange()
{
    CTavoPBaseTabWnd::OnSysColorChange();
    if (m_bFlat && m_clrActiveTabBk == (COLORREF)-1)
    {
        m_brActiveTab.DeleteObject();
        m_brActiveTab.CreateSolidBrush(GetActiveTabColor());
    }
    Invalidate();
    UpdateWindow();
}

void CTavoPTabWnd::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CTavoPBaseTabWnd::OnSettingChange(uFlags, lpszSection);
    if (!m_bFlat)
        return;
    SetFlatFonts();
    RecalcLayout();
    SynchronizeScrollBar();
}

// ---- toolbar buttons dragged over the tabs ----

DROPEFFECT CTavoPTabWnd::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT CTavoPTabWnd::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    CWnd* pParent = GetParent();
    if (pDataObject == nullptr || pParent == nullptr ||
        !pParent->IsKindOf(RUNTIME_CLASS(CTavoPTabbedToolbar)) ||
        !pDataObject->IsDataAvailable(CTavoPToolbarButton::GetClipboardFormat()))
        return DROPEFFECT_NONE;
    const int iTab = GetTabFromPoint(point);
    if (iTab >= 0 && iTab != m_iActiveTab)
        SetActiveTab(iTab);
    return (dwKeyState & MK_CONTROL) != 0 ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
