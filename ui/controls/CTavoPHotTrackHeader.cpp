#include "ui/controls/CTavoPHotTrackHeader.h"
#include "ui/commandbars/TavoPTrackMouseLeave.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPHotTrackHeader, CHeaderCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_CANCELMODE()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPHotTrackHeader, CHeaderCtrl)

namespace {

// Space between an item's edges and its caption or sort arrow.
const int kTextMargin = 6;

}

CTavoPHotTrackHeader::CTavoPHotTrackHeader()
    : m_bIsMousePressed(FALSE), m_nHighlightedItem(-1), m_bTracked(FALSE)
{}

CTavoPHotTrackHeader::~CTavoPHotTrackHeader()
{}

// ---- drawing

void CTavoPHotTrackHeader::OnFillBackground(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    ::FillRect(pDC->GetSafeHdc(), rectClient, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
}

void CTavoPHotTrackHeader::OnDrawItem(CDC* pDC, int iItem, CRect rect, BOOL bIsPressed,
                                      BOOL bIsHighlighted)
{
    CTavoPVisualManager* pManager = CTavoPVisualManager::GetInstance();
    pManager->OnDrawHeaderItemBorder(this, pDC, rect, bIsPressed, bIsHighlighted);
    if (iItem < 0)
        return;

    TCHAR szText[256] = {};
    HDITEM hdi = {};
    hdi.mask = HDI_TEXT | HDI_FORMAT;
    hdi.pszText = szText;
    hdi.cchTextMax = (int)(sizeof szText / sizeof szText[0]);
    if (!GetItem(iItem, &hdi))
        return;

    CRect rectText = rect;
    rectText.DeflateRect(kTextMargin, 0);
    if (hdi.fmt & (HDF_SORTUP | HDF_SORTDOWN))
    {
        const int cxArrow = std::max(4, (rect.Height() / 2) & ~1);
        const int cyArrow = cxArrow / 2;
        CRect rectArrow(rectText.right - cxArrow, rect.CenterPoint().y - cyArrow / 2,
                        rectText.right, rect.CenterPoint().y - cyArrow / 2 + cyArrow);
        if (rectArrow.left > rectText.left)
        {
            pManager->OnDrawHeaderSortArrow(this, pDC, rectArrow, (hdi.fmt & HDF_SORTUP) != 0);
            rectText.right = rectArrow.left - kTextMargin;
        }
    }

    UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    switch (hdi.fmt & HDF_JUSTIFYMASK)
    {
    case HDF_CENTER: nFormat |= DT_CENTER; break;
    case HDF_RIGHT: nFormat |= DT_RIGHT; break;
    default: nFormat |= DT_LEFT; break;
    }
    pDC->DrawText(szText, -1, rectText, nFormat);
}

void CTavoPHotTrackHeader::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rectClip, rectClient;
    dcPaint.GetClipBox(rectClip);
    GetClientRect(rectClient);

    // Everything is drawn off screen first and copied in one step, so nothing flickers.
    CDC dcMem;
    CBitmap bmp;
    CBitmap* pOldBitmap = NULL;
    CDC* pDC = &dcPaint;
    if (dcMem.CreateCompatibleDC(&dcPaint) &&
        bmp.CreateCompatibleBitmap(&dcPaint, rectClient.Width(), rectClient.Height()))
    {
        pOldBitmap = dcMem.SelectObject(&bmp);
        pDC = &dcMem;
    }

    OnFillBackground(pDC);
    HGDIOBJ hOldFont =
        ::SelectObject(pDC->GetSafeHdc(), GetGlobalData().fontRegular.GetSafeHandle());
    pDC->SetTextColor(GetGlobalData().clrBtnText);
    pDC->SetBkMode(TRANSPARENT);

    const int nCount = GetItemCount();
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);
    HDHITTESTINFO hit = {};
    hit.pt = ptCursor;
    const int nHit = HitTest(&hit);
    const BOOL bHitOnHeader = (hit.flags & HHT_ONHEADER) != 0;

    CRect rectLastItem(0, 0, 0, 0);
    for (int i = 0; i < nCount; i++)
    {
        const BOOL bIsPressed = m_bIsMousePressed && bHitOnHeader && nHit == i;
        const BOOL bIsHighlighted = i == m_nHighlightedItem;
        CRect rectItem;
        GetItemRect(i, rectItem);
        pDC->IntersectClipRect(rectItem);
        OnDrawItem(pDC, i, rectItem, bIsPressed, bIsHighlighted);
        pDC->SelectClipRgn(NULL);
        rectLastItem = rectItem;
    }

    CRect rectEmpty = rectClient;
    if (nCount > 0)
        rectEmpty.left = rectLastItem.right;
    rectEmpty.right++;
    OnDrawItem(pDC, -1, rectEmpty, FALSE, FALSE);

    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    if (pDC == &dcMem)
    {
        dcPaint.BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), &dcMem,
                       rectClip.left, rectClip.top, SRCCOPY);
        dcMem.SelectObject(pOldBitmap);
    }
}

BOOL CTavoPHotTrackHeader::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

// ---- mouse

void CTavoPHotTrackHeader::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bIsMousePressed = TRUE;
    Default();
}

void CTavoPHotTrackHeader::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bIsMousePressed = FALSE;
    Default();
}

void CTavoPHotTrackHeader::OnMouseMove(UINT nFlags, CPoint point)
{
    if ((nFlags & MK_LBUTTON) == 0)
    {
        HDHITTESTINFO hit = {};
        hit.pt = point;
        const int nHit = HitTest(&hit);
        const int nHot = (hit.flags & HHT_ONHEADER) != 0 ? nHit : -1;
        if (!m_bTracked)
        {
            TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, GetSafeHwnd(), HOVER_DEFAULT};
            m_bTracked = TrackMouseLeave(&tme);
        }
        if (nHot != m_nHighlightedItem)
        {
            m_nHighlightedItem = nHot;
            RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
    }
    Default();
}

void CTavoPHotTrackHeader::ClearHighlight()
{
    if (m_nHighlightedItem < 0)
        return;
    m_nHighlightedItem = -1;
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT CTavoPHotTrackHeader::OnMouseLeave(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    m_bTracked = FALSE;
    ClearHighlight();
    return 0;
}

void CTavoPHotTrackHeader::OnCancelMode()
{
    Default();
    ClearHighlight();
}
