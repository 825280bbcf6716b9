#include <algorithm>
#include "ui/bars/docking/CTavoPAutoHideButton.h"
#include "ui/bars/docking/CTavoPAutoHideToolBar.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/foundation/CTavoPGlobalData.h"

IMPLEMENT_DYNCREATE(CTavoPAutoHideButton, CObject)

int CTavoPAutoHideButton::m_nBorderSize = 1;
int CTavoPAutoHideButton::m_nMarginSize = 2;
int CTavoPAutoHideButton::m_nTextMargin = 10;
int CTavoPAutoHideButton::m_nTextSizeNoIcon = 20;

CTavoPAutoHideButton::CTavoPAutoHideButton()
    : m_rect(0, 0, 0, 0), m_bTop(FALSE), m_dwAlignment(0), m_wReserved(0), m_bVisible(FALSE),
      m_pParentBar(NULL), m_pAttachedBar(NULL)
{}

CTavoPAutoHideButton::~CTavoPAutoHideButton() = default;

BOOL CTavoPAutoHideButton::Create(CTavoPAutoHideToolBar* pParentBar,
                                  CTavoPDockingControlBar* pAttachedBar, DWORD dwAlignment)
{
    m_pParentBar = pParentBar;
    m_pAttachedBar = pAttachedBar;
    m_dwAlignment = dwAlignment;
    if (pAttachedBar != NULL)
    {
        pAttachedBar->SetAutoHideButton(this);
        pAttachedBar->SetAutoHideToolBar(pParentBar);
    }
    const CSize size = CalcSize();
    m_rect.SetRect(0, 0, size.cx, size.cy);
    m_bVisible = TRUE;
    return TRUE;
}

CSize CTavoPAutoHideButton::CalcSize() const
{
    const int nBase = m_nMarginSize + 2 * m_nBorderSize;
    CSize size(nBase, nBase);
    if (m_pAttachedBar == NULL || m_pAttachedBar->GetSafeHwnd() == NULL)
        return size;
    const BOOL bHorz = IsHorizontal();
    const BOOL bLabels = m_pParentBar != NULL && m_pParentBar->GetThirdProperty();
    HICON hIcon = m_pAttachedBar->GetIcon(FALSE);
    CSize sizeIcon = hIcon != NULL ? GetGlobalData().m_sizeSmallIcon : CSize(0, 0);

    CString strText;
    m_pAttachedBar->GetWindowText(strText);
    CSize sizeText(0, 0);
    {
        CWindowDC dc(m_pParentBar != NULL ? (CWnd*)m_pParentBar : (CWnd*)m_pAttachedBar);
        CFont* pOld =
            dc.SelectObject(bHorz ? &GetGlobalData().fontRegular : &GetGlobalData().fontVert);
        sizeText = dc.GetTextExtent(strText);
        dc.SelectObject(pOld);
    }
    if (!bHorz)
        sizeText = CSize(sizeText.cy, sizeText.cx);
    if (!bLabels)
    {
        if (bHorz)
            sizeText.cx = 0;
        else
            sizeText.cy = 0;
    }
    const int nAlong = bHorz ? sizeText.cx : sizeText.cy;
    int nGap;
    if (hIcon != NULL)
        nGap = nAlong > 0 ? m_nTextMargin + (bHorz ? sizeIcon.cx : sizeIcon.cy) : m_nMarginSize + 1;
    else
        nGap = m_nTextSizeNoIcon + m_nMarginSize;
    if (bHorz)
    {
        size.cx += sizeText.cx + nGap + sizeIcon.cx;
        size.cy += std::max(sizeIcon.cy, sizeText.cy);
    }
    else
    {
        size.cx += std::max(sizeIcon.cx, sizeText.cx);
        size.cy += sizeText.cy + sizeIcon.cy + nGap;
    }
    return size;
}

void CTavoPAutoHideButton::OnDraw(CDC* pDC)
{
    // The strip lays its buttons out one after another; only the size follows the pane.
    const CSize size = CalcSize();
    m_rect.right = m_rect.left + size.cx;
    m_rect.bottom = m_rect.top + size.cy;
    CRect rect = m_rect;
    OnFillBackground(pDC, rect);

    CRect rectBorder(1, 0, 1, 1); // left, top, right, bottom thickness as for a top strip
    switch (m_dwAlignment)
    {
    case CBRS_ALIGN_LEFT: CTavoPDockingUtils::RotateRect(rectBorder, -90); break;
    case CBRS_ALIGN_RIGHT: CTavoPDockingUtils::RotateRect(rectBorder, 90); break;
    case CBRS_ALIGN_BOTTOM: CTavoPDockingUtils::RotateRect(rectBorder, 180); break;
    default: break;
    }
    OnDrawBorder(pDC, rect, rectBorder.left, rectBorder.top, rectBorder.right, rectBorder.bottom);
    rect.DeflateRect(rectBorder.left, rectBorder.top, rectBorder.right, rectBorder.bottom);
    rect.DeflateRect(m_nMarginSize, m_nMarginSize);

    if (m_pAttachedBar == NULL || m_pAttachedBar->GetSafeHwnd() == NULL)
        return;
    const BOOL bHorz = IsHorizontal();
    const BOOL bLabels = m_pParentBar != NULL && m_pParentBar->GetThirdProperty();
    HICON hIcon = m_pAttachedBar->GetIcon(FALSE);
    const CSize sizeIcon = GetGlobalData().m_sizeSmallIcon;
    CRect rectText = rect;
    if (hIcon != NULL)
    {
        if (bHorz)
        {
            ::DrawIconEx(pDC->GetSafeHdc(), rect.left, rect.top + (rect.Height() - sizeIcon.cy) / 2,
                         hIcon, sizeIcon.cx, sizeIcon.cy, 0, NULL, DI_NORMAL);
            rectText.left = rect.left + sizeIcon.cx + m_nTextMargin;
        }
        else
        {
            ::DrawIconEx(pDC->GetSafeHdc(), rect.left + (rect.Width() - sizeIcon.cx) / 2, rect.top,
                         hIcon, sizeIcon.cx, sizeIcon.cy, 0, NULL, DI_NORMAL);
            rectText.top = rect.top + sizeIcon.cy + m_nTextMargin;
        }
    }
    CString strText;
    m_pAttachedBar->GetWindowText(strText);
    if (strText.IsEmpty() || (!bLabels && hIcon != NULL))
        return;
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(GetGlobalData().clrBtnText);
    if (bHorz)
    {
        CFont* pOld = pDC->SelectObject(&GetGlobalData().fontRegular);
        pDC->DrawText(strText, rectText, DT_SINGLELINE | DT_VCENTER);
        pDC->SelectObject(pOld);
    }
    else
    {
        CFont* pOld = pDC->SelectObject(&GetGlobalData().fontVert);
        TEXTMETRIC tm;
        pDC->GetTextMetrics(&tm);
        CRect rectVert = rectText;
        rectVert.left = rectText.right - (rectText.Width() - tm.tmHeight + 1) / 2;
        rectVert.bottom = rectText.top + m_nTextMargin;
        pDC->DrawText(strText, rectVert, DT_NOCLIP | DT_SINGLELINE | DT_VCENTER);
        pDC->SelectObject(pOld);
    }
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CTavoPAutoHideButton::OnFillBackground(CDC* pDC, CRect rect)
{
    pDC->FillRect(rect, &GetGlobalData().brBtnFace);
}

void CTavoPAutoHideButton::OnDrawBorder(CDC* pDC, CRect rectBounds, int nLeft, int nTop, int nRight,
                                        int nBottom)
{
    const COLORREF clrText = pDC->GetTextColor();
    const COLORREF clr = GetGlobalData().clrBtnShadow;
    if (nLeft > 0)
        pDC->FillSolidRect(rectBounds.left, rectBounds.top, nLeft, rectBounds.Height(), clr);
    if (nTop > 0)
        pDC->FillSolidRect(rectBounds.left, rectBounds.top, rectBounds.Width(), nTop, clr);
    if (nRight > 0)
        pDC->FillSolidRect(rectBounds.right - nRight, rectBounds.top, nRight, rectBounds.Height(),
                           clr);
    if (nBottom > 0)
        pDC->FillSolidRect(rectBounds.left, rectBounds.bottom - nBottom, rectBounds.Width(),
                           nBottom, clr);
    pDC->SetTextColor(clrText);
}

void CTavoPAutoHideButton::ShowAttachedBar(BOOL bShow)
{
    CTavoPDockingControlBar* pBar = m_pAttachedBar;
    if (pBar == NULL || pBar->GetSafeHwnd() == NULL)
        return;
    if (bShow)
    {
        if (!pBar->IsWindowVisible())
            pBar->Slide(TRUE, TRUE);
        if (m_pParentBar != NULL)
            m_pParentBar->SetBarProperty3(TRUE);
    }
    else
    {
        if (pBar->IsWindowVisible())
            pBar->Slide(FALSE, TRUE);
        if (m_pParentBar != NULL)
            m_pParentBar->SetBarProperty3(FALSE);
    }
}

void CTavoPAutoHideButton::UnpinBar(CTavoPDockingControlBar* pTarget)
{
    if (m_pAttachedBar != NULL)
        m_pAttachedBar->UnSetAutoHideMode(pTarget);
}
