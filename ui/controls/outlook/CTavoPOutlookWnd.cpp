#include "ui/controls/outlook/CTavoPOutlookWnd.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/controls/outlook/CTavoPOutlookBar.h"
#include "ui/controls/outlook/CTavoPOutlookBarPane.h"
#include "ui/controls/outlook/CTavoPOutlookButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CTavoPOutlookWnd, CTavoPBaseTabWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPOutlookWnd, CTavoPBaseTabWnd)

BOOL CTavoPOutlookWnd::m_bEnableAnimation = FALSE;
void(WINAPI* CTavoPOutlookWnd::m_pfnAnimationPause)(DWORD) = ::Sleep;

// The page buttons slide this far between two pictures of a page switch.
static const int kAnimationStep = 30;

CTavoPOutlookWnd::CTavoPOutlookWnd()
    : m_rectWndArea(0, 0, 0, 0), m_nBorderSize(0), m_bScrollButtons(FALSE),
      m_bScrollButtonsShown(FALSE), m_bInLayout(FALSE)
{
    // A page opens when the button is released over it; page buttons never swap places.
    m_bActivateOnBtnUp = TRUE;
    m_bEnableTabSwap = FALSE;
}

CTavoPOutlookWnd::~CTavoPOutlookWnd()
{}

BOOL CTavoPOutlookWnd::Create(const CRect& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(NULL, _T(""), kStyle, rect, pParentWnd, nID);
}

int CTavoPOutlookWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPBaseTabWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetTabsHeight();
    CTavoPButton* buttons[] = {&m_btnScrollUp, &m_btnScrollDown};
    const int glyphs[] = {CTavoPMenuGlyphImages::IdArowUp, CTavoPMenuGlyphImages::IdArowDown};
    for (int i = 0; i < 2; i++)
    {
        if (!CTavoPOutlookBarPane::CreateScrollButton(*buttons[i], this, (UINT)-1, glyphs[i],
                                                      CTavoPButton::BUTTONSTYLE_SEMIFLAT))
            return -1;
        buttons[i]->SetAutoRepeatDelay(100);
    }
    return 0;
}

BOOL CTavoPOutlookWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const HWND hwndFrom = (HWND)lParam;
    const BOOL bUp = hwndFrom != NULL && hwndFrom == m_btnScrollUp.GetSafeHwnd();
    const BOOL bDown = hwndFrom != NULL && hwndFrom == m_btnScrollDown.GetSafeHwnd();
    if (!bUp && !bDown)
        return CTavoPBaseTabWnd::OnCommand(wParam, lParam);
    CTavoPOutlookBar* pBar = DYNAMIC_DOWNCAST(CTavoPOutlookBar, GetParent());
    if (pBar == NULL)
        return TRUE;
    if (CTavoPOutlookBarPane* pPane = GetActivePane())
    {
        if (bDown)
            pPane->ScrollDown();
        else
            pPane->ScrollUp();
    }
    pBar->OnScroll(bDown);
    // At its end the button is disabled: the focus must not stay on a disabled window.
    CTavoPButton& button = bUp ? m_btnScrollUp : m_btnScrollDown;
    if (button.GetSafeHwnd() != NULL && !button.IsWindowEnabled())
        SetFocus();
    return TRUE;
}

CTavoPOutlookBarPane* CTavoPOutlookWnd::GetActivePane() const
{
    return m_iActiveTab >= 0
               ? DYNAMIC_DOWNCAST(CTavoPOutlookBarPane, GetTabWndNoWrapper(m_iActiveTab))
               : NULL;
}

BOOL CTavoPOutlookWnd::NeedsScrollButtons() const
{
    if (!m_bScrollButtons || m_btnScrollUp.GetSafeHwnd() == NULL ||
        (GetVisibleTabsNum() <= 1 && m_bHideSingleTab))
        return FALSE;
    const CTavoPOutlookBarPane* pPane = GetActivePane();
    return pPane != NULL && pPane->GetSafeHwnd() != NULL &&
           (pPane->GetFirstVisibleButton() > 0 || pPane->CanScrollDown());
}

void CTavoPOutlookWnd::UpdateScrollButtons()
{
    const CTavoPOutlookBarPane* pPane = GetActivePane();
    const BOOL bUp = pPane != NULL && pPane->GetFirstVisibleButton() > 0;
    const BOOL bDown = pPane != NULL && pPane->CanScrollDown();
    if (m_btnScrollUp.GetSafeHwnd() != NULL && (m_btnScrollUp.IsWindowEnabled() != FALSE) != bUp)
        m_btnScrollUp.EnableWindow(bUp);
    if (m_btnScrollDown.GetSafeHwnd() != NULL &&
        (m_btnScrollDown.IsWindowEnabled() != FALSE) != bDown)
        m_btnScrollDown.EnableWindow(bDown);
}

void CTavoPOutlookWnd::OnPageScrolled(CTavoPOutlookBarPane* pPane)
{
    if (m_bInLayout || GetSafeHwnd() == NULL || pPane == NULL || pPane != GetActivePane())
        return;
    if (NeedsScrollButtons() != m_bScrollButtonsShown)
        Layout();
    else
        UpdateScrollButtons();
}

void CTavoPOutlookWnd::OnSize(UINT nType, int cx, int cy)
{
    CTavoPBaseTabWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

BOOL CTavoPOutlookWnd::OnEraseBkgnd(CDC* pDC)
{
    if (m_iTabsNum > 0)
        return TRUE;
    return CTavoPBaseTabWnd::OnEraseBkgnd(pDC);
}

BOOL CTavoPOutlookWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (nHitTest == HTCLIENT && GetTabFromPoint(point) >= 0)
    {
        CTavoPGlobalData& data = GetGlobalData();
        if (data.m_hcurHand == NULL)
        {
            CTavoPResourceScope scope;
            data.m_hcurHand = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(16919));
        }
        if (data.m_hcurHand != NULL)
        {
            ::SetCursor(data.m_hcurHand);
            return TRUE;
        }
    }
    return CTavoPBaseTabWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CTavoPOutlookWnd::SetBorderSize(int nBorderSize)
{
    m_nBorderSize = std::max(0, nBorderSize);
    RecalcLayout();
}

void CTavoPOutlookWnd::EnableScrollButtons(BOOL bEnable)
{
    m_bScrollButtons = bEnable;
    RecalcLayout();
}

// ---- page buttons and the page area ----

BOOL CTavoPOutlookWnd::IsPtInTabArea(CPoint point) const
{
    for (int i = 0; i < m_iTabsNum; i++)
        if (m_arTabs[i]->bVisible && m_arTabs[i]->rect.PtInRect(point))
            return TRUE;
    return FALSE;
}

void CTavoPOutlookWnd::GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const
{
    rectTabAreaTop.SetRectEmpty();
    rectTabAreaBottom.SetRectEmpty();
    BOOL bInBottom = FALSE;
    for (int i = 0; i < m_iTabsNum; i++)
    {
        const CRect& rect = m_arTabs[i]->rect;
        if (!m_arTabs[i]->bVisible || rect.IsRectEmpty())
            continue;
        if (!bInBottom && rectTabAreaTop.IsRectEmpty())
            rectTabAreaTop = rect;
        else if (!bInBottom && rect.top == rectTabAreaTop.bottom)
            rectTabAreaTop.bottom = rect.bottom;
        else if (!bInBottom || rectTabAreaBottom.IsRectEmpty())
        {
            bInBottom = TRUE;
            rectTabAreaBottom = rect;
        }
        else
            rectTabAreaBottom.bottom = std::max(rectTabAreaBottom.bottom, rect.bottom);
    }
    if (GetSafeHwnd() == NULL)
        return;
    if (!rectTabAreaTop.IsRectEmpty())
        ClientToScreen(rectTabAreaTop);
    if (!rectTabAreaBottom.IsRectEmpty())
        ClientToScreen(rectTabAreaBottom);
}

void CTavoPOutlookWnd::RecalcLayout()
{
    Layout();
}

void CTavoPOutlookWnd::Layout()
{
    if (GetSafeHwnd() == NULL)
        return;
    if (m_btnScrollUp.GetSafeHwnd() != NULL)
        m_btnScrollUp.SendMessage(WM_CANCELMODE);
    if (m_btnScrollDown.GetSafeHwnd() != NULL)
        m_btnScrollDown.SendMessage(WM_CANCELMODE);

    CRect rectClient;
    GetClientRect(rectClient);
    m_rectWndArea = rectClient;
    m_rectWndArea.DeflateRect(m_nBorderSize + 1, m_nBorderSize + 1);

    const int nVisible = GetVisibleTabsNum();
    const BOOL bButtons = nVisible > 1 || !m_bHideSingleTab;
    if (bButtons)
        m_rectWndArea.DeflateRect(0, 1);
    const int nHeight = GetTabsHeight();
    const BOOL bScrollButtons = bButtons && m_iActiveTab >= 0 && NeedsScrollButtons();
    m_bScrollButtonsShown = bScrollButtons;

    int nAfterActive = 0;
    for (int i = m_iActiveTab + 1; m_iActiveTab >= 0 && i < m_iTabsNum; i++)
        if (m_arTabs[i]->bVisible)
            nAfterActive++;

    int iLastVisible = -1;
    GetLastVisibleTab(iLastVisible);
    int y = rectClient.top;
    BOOL bPageAreaSet = FALSE;
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CTavoPTabInfo* pTab = m_arTabs[i];
        if (!bButtons || !pTab->bVisible)
        {
            pTab->rect.SetRectEmpty();
            continue;
        }
        pTab->rect.SetRect(rectClient.left, y, rectClient.right, y + nHeight);
        if (bScrollButtons && (i == m_iActiveTab || (i > m_iActiveTab && !bPageAreaSet)))
        {
            // The scroll button takes a square at the right end of the page button.
            pTab->rect.right -= nHeight - 1;
            CTavoPButton& button = i == m_iActiveTab ? m_btnScrollUp : m_btnScrollDown;
            button.SetWindowPos(NULL, pTab->rect.right, y, nHeight - 1, nHeight,
                                SWP_NOACTIVATE | SWP_NOZORDER | SWP_SHOWWINDOW);
        }
        y += nHeight;
        if (i == m_iActiveTab)
        {
            m_rectWndArea.top = y;
            m_rectWndArea.bottom = rectClient.bottom - nAfterActive * nHeight;
            y = m_rectWndArea.bottom;
        }
        else if (i > m_iActiveTab && m_iActiveTab >= 0)
            bPageAreaSet = TRUE;
    }
    if (bScrollButtons && m_iActiveTab == iLastVisible)
    {
        m_rectWndArea.bottom -= nHeight;
        m_btnScrollDown.SetWindowPos(NULL, rectClient.right - nHeight + 1,
                                     rectClient.bottom - nHeight, nHeight - 1, nHeight,
                                     SWP_NOACTIVATE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    if (!bScrollButtons)
    {
        if (m_btnScrollUp.GetSafeHwnd() != NULL)
            m_btnScrollUp.ShowWindow(SW_HIDE);
        if (m_btnScrollDown.GetSafeHwnd() != NULL)
            m_btnScrollDown.ShowWindow(SW_HIDE);
    }
    if (m_rectWndArea.bottom < m_rectWndArea.top)
        m_rectWndArea.bottom = m_rectWndArea.top;

    const BOOL bWasInLayout = m_bInLayout;
    m_bInLayout = TRUE;
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CWnd* pWnd = m_arTabs[i]->pWnd;
        if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
            continue;
        pWnd->SetWindowPos(NULL, m_rectWndArea.left, m_rectWndArea.top, m_rectWndArea.Width(),
                           m_rectWndArea.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_bInLayout = bWasInLayout;
    // Sized anew, the active page may need the scroll buttons now, or need them no more. The
    // second layout is the last: a page that fits only without them keeps them.
    if (!bWasInLayout && NeedsScrollButtons() != bScrollButtons)
    {
        m_bInLayout = TRUE;
        Layout();
        m_bInLayout = FALSE;
        return;
    }
    UpdateScrollButtons();

    if (nVisible > 0)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    else
        ShowWindow(SW_HIDE);
    if (m_btnScrollUp.GetSafeHwnd() != NULL)
        m_btnScrollUp.RedrawWindow();
    if (m_btnScrollDown.GetSafeHwnd() != NULL)
        m_btnScrollDown.RedrawWindow();
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME);
}

// ---- switching pages ----

BOOL CTavoPOutlookWnd::SetActiveTab(int iTab)
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return FALSE;
    if (iTab == m_iActiveTab)
        return TRUE;

    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(TAVOM_ON_CHANGING_ACTIVE_TAB, (WPARAM)iTab, (LPARAM)this);

    const int iOld = m_iActiveTab;
    const BOOL bAnimate = m_bEnableAnimation && iOld >= 0 && m_iPressed == iTab &&
                          GetSafeHwnd() != NULL && IsWindowVisible();
    CWnd* pNew = GetTabWnd(iTab);
    if (bAnimate)
    {
        AnimatePageSwitch(iOld, iTab);
        if (pNew != NULL && pNew->GetSafeHwnd() != NULL)
        {
            pNew->SetWindowPos(NULL, 0, 0, 0, 0,
                               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                                   SWP_SHOWWINDOW);
            pNew->BringWindowToTop();
            pNew->RedrawWindow(NULL, NULL,
                               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                                   RDW_UPDATENOW);
        }
    }
    else
    {
        CWnd* pOld = GetTabWnd(iOld);
        if (pOld != NULL && pOld->GetSafeHwnd() != NULL)
            pOld->ShowWindow(SW_HIDE);
        m_iActiveTab = iTab;
        Layout();
        if (pNew != NULL && pNew->GetSafeHwnd() != NULL)
        {
            pNew->ShowWindow(SW_SHOW);
            pNew->BringWindowToTop();
            // Sized twice, so that a page that kept its size still lays itself out.
            const CRect& rect = m_rectWndArea;
            pNew->SetWindowPos(NULL, 0, 0, rect.Width() + 1, rect.Height(),
                               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            pNew->SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(),
                               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

    // The bar's caption follows the page (the tabbed bar does that on this message).
    if (pParent != NULL)
    {
        pParent->SendMessage(TAVOM_ONCHANGE_ACTIVE_TAB, (WPARAM)iTab, (LPARAM)this);
        CTavoPOutlookBar* pBar = DYNAMIC_DOWNCAST(CTavoPOutlookBar, pParent);
        if (pBar != NULL && pBar->GetSafeHwnd() != NULL)
        {
            CWnd* pRedraw = pBar->IsDocked() ? (CWnd*)pBar : pBar->GetParent();
            if (pRedraw != NULL)
                pRedraw->RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        }
    }
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    if (iOld >= 0 && pNew != NULL && pNew->GetSafeHwnd() != NULL && pNew->IsWindowVisible())
        pNew->SetFocus();
    return TRUE;
}

void CTavoPOutlookWnd::AnimatePageSwitch(int iOld, int iNew)
{
    CWnd* pOld = GetTabWnd(iOld);
    const int nStep = iNew < iOld ? kAnimationStep : -kAnimationStep;
    const int nSteps = m_rectWndArea.Height() / kAnimationStep;
    const DWORD dwStyle = GetStyle();
    ModifyStyle(WS_CLIPCHILDREN, 0);
    // The old page shrinks step by step: what it then says of its scrolling waits for the
    // layout at the end, which would undo the slide.
    const BOOL bWasInLayout = m_bInLayout;
    m_bInLayout = TRUE;
    {
        CClientDC dc(this);
        CRect rectPage = m_rectWndArea;
        for (int iStep = 0; iStep < nSteps; iStep++)
        {
            // The buttons between the two pages move across the old page, which shrinks.
            if (nStep > 0)
                rectPage.top += kAnimationStep;
            else
                rectPage.bottom -= kAnimationStep;
            if (pOld != NULL && pOld->GetSafeHwnd() != NULL)
                pOld->SetWindowPos(NULL, rectPage.left, rectPage.top, rectPage.Width(),
                                   std::max(0, (int)rectPage.Height()),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
            const int iFirst = std::min(iOld, iNew) + 1;
            const int iLast = std::max(iOld, iNew);
            for (int i = iFirst; i <= iLast && i < m_iTabsNum; i++)
            {
                if (!m_arTabs[i]->bVisible)
                    continue;
                CRect rectStrip = m_arTabs[i]->rect;
                m_arTabs[i]->rect.OffsetRect(0, nStep);
                rectStrip.UnionRect(rectStrip, m_arTabs[i]->rect);
                dc.FillRect(rectStrip, &GetGlobalData().brBtnFace);
                DrawPageButton(dc, i);
            }
            m_pfnAnimationPause(10);
        }
    }
    m_bInLayout = bWasInLayout;
    if (dwStyle & WS_CLIPCHILDREN)
        ModifyStyle(0, WS_CLIPCHILDREN);
    if (pOld != NULL && pOld->GetSafeHwnd() != NULL)
        pOld->ShowWindow(SW_HIDE);
    m_iActiveTab = iNew;
    Layout();
}

// ---- pages as targets ----

CWnd* CTavoPOutlookWnd::FindTargetWnd(const CPoint& ptScreen)
{
    CPoint pt = ptScreen;
    ScreenToClient(&pt);
    for (int i = 0; i < m_iTabsNum; i++)
        if (m_arTabs[i]->bVisible && m_arTabs[i]->rect.PtInRect(pt))
            return NULL;
    return GetParent();
}

int CTavoPOutlookWnd::GetTabNumberToDetach(int iTab) const
{
    if (iTab != -1)
        return iTab;
    return m_iPressed >= 0 ? m_iPressed : m_iActiveTab;
}

DROPEFFECT CTavoPOutlookWnd::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!CTavoPOutlookButton::IsInOleData(pDataObject))
        return DROPEFFECT_NONE;
    const int iTab = GetTabFromPoint(point);
    if (iTab < 0)
        return DROPEFFECT_NONE;
    SetActiveTab(iTab);
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

// ---- painting ----

void CTavoPOutlookWnd::DrawPageButton(CDC& dc, int iTab)
{
    CTavoPTabInfo* pTab = m_arTabs[iTab];
    CRect rectBtn = pTab->rect;
    if (rectBtn.IsRectEmpty())
        return;
    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    const BOOL bHighlighted = iTab == m_iHighlighted || iTab == m_iPressed;
    const BOOL bPressed = bHighlighted && iTab == m_iPressed;
    COLORREF clrText = GetGlobalData().clrBtnText;
    pVisManager->OnFillOutlookPageButton(&dc, rectBtn, bHighlighted, bPressed, clrText);
    pVisManager->OnDrawOutlookPageButtonBorder(&dc, rectBtn, bHighlighted, bPressed);

    if (pTab->bDetachable && rectBtn.Width() > 2 * kGripperWidth)
    {
        CRect rectGripper = rectBtn;
        rectGripper.left = rectGripper.right - kGripperWidth;
        rectGripper.DeflateRect(4, 2);
        rectBtn.right -= kGripperWidth;
        pVisManager->OnDrawBarGripper(&dc, rectGripper, TRUE, NULL);
    }

    CRect rectText = rectBtn;
    const CSize sizeImage = GetImageSize();
    CImageList* pImages = GetImageList();
    const BOOL bImage = (pTab->hIcon != NULL || (pImages != NULL && pTab->uiIcon != (UINT)-1)) &&
                        rectBtn.Width() >= sizeImage.cx + TAB_IMAGE_MARGIN;
    if (bImage)
    {
        const CPoint ptImage(rectBtn.left + 4, rectBtn.top + (rectBtn.Height() - sizeImage.cy) / 2);
        if (pTab->hIcon != NULL)
            dc.DrawState(ptImage, sizeImage, pTab->hIcon, DSS_NORMAL, (HBRUSH)NULL);
        else
            pImages->Draw(&dc, (int)pTab->uiIcon, ptImage, ILD_TRANSPARENT);
        rectText.left = ptImage.x + sizeImage.cx + 8;
    }
    dc.SetTextColor(clrText);
    dc.DrawText(pTab->strText, rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void CTavoPOutlookWnd::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CDC& dc = dcPaint;

    CBrush& brFace = GetGlobalData().brBtnFace;
    if (m_nBorderSize > 0)
    {
        for (int i = 0; i < m_nBorderSize; i++)
        {
            CRect rect = rectClient;
            rect.DeflateRect(i, i);
            dc.FrameRect(rect, &brFace);
        }
        rectClient.DeflateRect(m_nBorderSize, m_nBorderSize);
    }
    dc.Draw3dRect(rectClient, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnShadow);
    if (!m_rectWndArea.IsRectEmpty())
    {
        CPen pen(PS_SOLID, 1, GetGlobalData().clrBtnShadow);
        CPen* pOldPen = dc.SelectObject(&pen);
        dc.MoveTo(rectClient.left, m_rectWndArea.bottom);
        dc.LineTo(rectClient.right, m_rectWndArea.bottom);
        dc.SelectObject(pOldPen);
    }

    CFont* pOldFont = dc.SelectObject(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < m_iTabsNum; i++)
        if (m_arTabs[i]->bVisible)
            DrawPageButton(dc, i);

    int iLastVisible = -1;
    GetLastVisibleTab(iLastVisible);
    if (m_bScrollButtonsShown && m_iActiveTab >= 0 && m_iActiveTab == iLastVisible)
    {
        const int nHeight = GetTabsHeight();
        CRect rectStrip(rectClient.left, rectClient.bottom - nHeight, rectClient.right,
                        rectClient.bottom);
        dc.FillRect(rectStrip, &brFace);
    }
    dc.SelectObject(pOldFont);
}
