#include "ui/bars/CTavoPBarNcPainter.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>

CTavoPBarNcPainter::CTavoPBarNcPainter(CTavoPControlBar* pBar) : m_pBar(pBar)
{}

CTavoPBarNcPainter::~CTavoPBarNcPainter() = default;

void CTavoPBarNcPainter::CalcNcSize(LPRECT lpRect) const
{
    CRect rectInside(0, 0, 0, 0);
    m_pBar->CalcInsideRect(rectInside, m_pBar->IsHorizontal());
    lpRect->left += rectInside.left;
    lpRect->top += rectInside.top;
    lpRect->right += rectInside.right;
    lpRect->bottom += rectInside.bottom;
}

void CTavoPBarNcPainter::GetGripperRect(CRect& rectGripper, BOOL bClientCoordinates) const
{
    m_pBar->GetWindowRect(rectGripper);
    CRect rectClient;
    m_pBar->GetClientRect(rectClient);
    m_pBar->ClientToScreen(rectClient);
    if (m_pBar->GetCurrentAlignment() & CBRS_ORIENT_HORZ)
        rectGripper.right = std::min((int)rectGripper.right, (int)rectClient.left - 1);
    else
        rectGripper.bottom = std::min((int)rectGripper.bottom, (int)rectClient.top - 1);
    if (bClientCoordinates)
    {
        m_pBar->ScreenToClient(rectGripper);
    }
    else
    {
        CRect rectWindow;
        m_pBar->GetWindowRect(rectWindow);
        rectGripper.OffsetRect(-rectWindow.left, -rectWindow.top);
    }
}

void CTavoPBarNcPainter::DrawNcArea()
{
    CWindowDC dc(m_pBar);
    CRect rectWindow;
    m_pBar->GetWindowRect(rectWindow);
    CRect rectClient;
    m_pBar->GetClientRect(rectClient);
    m_pBar->ClientToScreen(rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(rectClient);

    const MSG* pMsg = CWnd::GetCurrentMessage();
    if (pMsg != NULL && pMsg->message == WM_NCPAINT && pMsg->wParam != 1)
    {
        // Only the part the update region asks for.
        CRgn rgn;
        rgn.CreateRectRgn(0, 0, 0, 0);
        if (::CombineRgn((HRGN)rgn.GetSafeHandle(), (HRGN)pMsg->wParam, NULL, RGN_COPY) != ERROR)
        {
            rgn.OffsetRgn(-rectWindow.left, -rectWindow.top);
            ::ExtSelectClipRgn(dc.GetSafeHdc(), (HRGN)rgn.GetSafeHandle(), RGN_AND);
        }
    }

    PaintNcArea(&dc);
    dc.SelectClipRgn(NULL);
}

void CTavoPBarNcPainter::PaintNcArea(CDC* pDC)
{
    CRect rect;
    m_pBar->GetWindowRect(rect);
    rect.OffsetRect(-rect.left, -rect.top);
    CTavoPVisualManager* pManager = CTavoPVisualManager::GetInstance();
    pManager->OnDrawBarBorder(pDC, m_pBar, rect);
    pDC->IntersectClipRect(rect);
    pManager->OnFillBarBackground(pDC, m_pBar, rect, CRect(0, 0, 0, 0), TRUE);

    const DWORD dwStyle = m_pBar->GetBarStyle();
    if ((dwStyle & CBRS_GRIPPER) && !(dwStyle & CBRS_FLOATING))
    {
        CRect rectGripper;
        GetGripperRect(rectGripper, FALSE);
        pManager->OnDrawBarGripper(pDC, rectGripper,
                                   (m_pBar->GetCurrentAlignment() & CBRS_ORIENT_HORZ) != 0, m_pBar);
    }
}

void CTavoPBarNcPainter::FillParentBackground(CDC* pDC) const
{
    GetGlobalData().DrawParentBackground(m_pBar, pDC);
}
