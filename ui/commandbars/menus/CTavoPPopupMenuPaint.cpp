// The painting of a popup menu: the open animation, the drop shadow and the scroll buttons.
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include <algorithm>
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPPixelBuffer.h"
#include "ui/foundation/CTavoPVisualManager.h"

namespace {

// A 32-bit top-down DIB section of the given size and its pixels; NULL when it cannot be made.
HBITMAP CreateDib(int cx, int cy, BYTE** ppBits)
{
    CTavoPPixelBuffer buffer(cx, cy);
    if (!buffer.IsValid())
        return NULL;
    HBITMAP hbmp = buffer.Detach();
    DIBSECTION ds = {};
    if (::GetObject(hbmp, sizeof(ds), &ds) != (int)sizeof(ds) || ds.dsBm.bmBits == nullptr)
    {
        ::DeleteObject(hbmp);
        return NULL;
    }
    *ppBits = (BYTE*)ds.dsBm.bmBits;
    return hbmp;
}

} // namespace

void CTavoPPopupMenu::StartAnimation()
{
    m_AnimSize = CSize(m_FinalSize.cx + m_iShadowSize, m_FinalSize.cy + m_iShadowSize);
    if (m_AnimationType == 1)
        m_AnimSize = CSize(GetMenuBar()->GetColumnWidth(), GetMenuBar()->GetRowHeight());
    else if (m_AnimationType == 2)
        m_AnimSize.cy = GetMenuBar()->GetRowHeight();
    m_iFadePercent = 0;
    m_bAnimationIsDone = FALSE;
    GetMenuBar()->ShowWindow(SW_HIDE);
    SetTimer(kTimerAnimation, m_AnimationSpeed, NULL);
    m_nLastAnimTime = clock();
}

void CTavoPPopupMenu::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTimerScroll)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        const BOOL bOverUp = m_rectScrollUp.PtInRect(point);
        const BOOL bOverDown = m_rectScrollDn.PtInRect(point);
        if ((m_iScrollMode < 0 && !bOverUp) || (m_iScrollMode > 0 && !bOverDown) ||
            m_iScrollMode == 0)
        {
            KillTimer(kTimerScroll);
            m_iScrollMode = 0;
            InvalidateRect(m_rectScrollUp);
            InvalidateRect(m_rectScrollDn);
            return;
        }
        const int iOffset = GetMenuBar()->GetOffset() + m_iScrollMode;
        if (iOffset < 0)
            return;
        const int nCount = GetMenuBar()->GetCount();
        if (m_iScrollMode > 0 && nCount > 0)
        {
            CTavoPToolbarButton* pLast = GetMenuBar()->GetButton(nCount - 1);
            CRect rectBar;
            GetMenuBar()->GetClientRect(rectBar);
            if (pLast->Rect().bottom <= rectBar.bottom)
                return;
        }
        GetMenuBar()->SetOffset(iOffset);
        InvalidateRect(m_rectScrollUp);
        InvalidateRect(m_rectScrollDn);
        return;
    }
    if (nIDEvent != kTimerAnimation || m_bAnimationIsDone)
        return;

    const clock_t nNow = clock();
    const double dInterval = m_AnimationSpeed * (double)CLOCKS_PER_SEC / 1000.0;
    const int nSteps = (int)((nNow - m_nLastAnimTime) / dInterval + 0.5);
    BOOL bDone = FALSE;
    switch (m_AnimationType)
    {
    case 1:
        m_AnimSize.cx += nSteps * GetMenuBar()->GetColumnWidth();
        m_AnimSize.cy += nSteps * GetMenuBar()->GetRowHeight();
        bDone = m_AnimSize.cx - m_iShadowSize >= m_FinalSize.cx ||
                m_AnimSize.cy - m_iShadowSize >= m_FinalSize.cy;
        break;
    case 2:
        m_AnimSize.cy += nSteps * GetMenuBar()->GetRowHeight();
        bDone = m_AnimSize.cy - m_iShadowSize >= m_FinalSize.cy;
        break;
    case 3:
        m_iFadePercent += 10;
        if (m_iFadePercent > 100 + 10 * nSteps)
            m_iFadePercent = 101;
        bDone = m_iFadePercent > 100;
        break;
    default: bDone = TRUE;
    }
    if (bDone)
    {
        m_AnimSize = CSize(m_FinalSize.cx + m_iShadowSize, m_FinalSize.cy + m_iShadowSize);
        KillTimer(kTimerAnimation);
        GetMenuBar()->SetWindowPos(NULL, 0, 0, 0, 0,
                                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW |
                                       SWP_NOACTIVATE | SWP_SHOWWINDOW);
        GetMenuBar()->ValidateRect(NULL);
        m_bAnimationIsDone = TRUE;
    }
    Invalidate();
    UpdateWindow();
    m_nLastAnimTime = nNow;
}

BOOL CTavoPPopupMenu::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CTavoPPopupMenu::OnPaint()
{
    CPaintDC dc(this);
    if (m_bAnimationIsDone || CTavoPToolBar::IsCustomizeMode())
        DrawFullMenu(&dc);
    else
        DrawAnimationFrame(&dc);
}

void CTavoPPopupMenu::DrawFullMenu(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    if (m_iShadowSize > 0 && !CTavoPToolBar::IsCustomizeMode())
    {
        CTavoPDrawManager dm(*pDC);
        CRect rectShadow = rectClient;
        dm.DrawShadow(rectShadow, m_iShadowSize, 100, 65, &m_bmpShadowBottom, &m_bmpShadowRight);
        rectClient.right -= m_iShadowSize;
        rectClient.bottom -= m_iShadowSize;
    }
    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    pVisManager->OnDrawMenuBorder(pDC, this, rectClient);
    rectClient.DeflateRect(2, 2);
    if (!m_rectTearOffCaption.IsRectEmpty())
        pVisManager->OnDrawTearOffCaption(pDC, m_rectTearOffCaption,
                                          m_bTearOffTracking || m_bTearOffHighlighted);
    if (m_bScrollable)
    {
        if (GetMenuBar()->GetOffset() > 0)
            DrawScrollButton(pDC, m_rectScrollUp, TRUE, m_iScrollMode < 0);
        const int nCount = GetMenuBar()->GetCount();
        if (nCount > 0 && GetMenuBar()->GetSafeHwnd() != NULL)
        {
            CRect rectBar;
            GetMenuBar()->GetClientRect(rectBar);
            if (GetMenuBar()->GetButton(nCount - 1)->Rect().bottom > rectBar.bottom)
                DrawScrollButton(pDC, m_rectScrollDn, FALSE, m_iScrollMode > 0);
        }
    }
    m_bPainted = TRUE;
}

void CTavoPPopupMenu::DrawScrollButton(CDC* pDC, const CRect& rect, BOOL bUp, BOOL bHighlighted)
{
    CTavoPGlobalData& globalData = GetGlobalData();
    CRect rectFill = rect;
    rectFill.top -= 2;
    // The buttons lie on the menu's own background, not on a bar.
    ::FillRect(pDC->GetSafeHdc(), rectFill, ::GetSysColorBrush(COLOR_MENU));
    CTavoPMenuGlyphImages::Draw(
        pDC, bUp ? CTavoPMenuGlyphImages::IdArowUp : CTavoPMenuGlyphImages::IdArowDown, rect,
        CTavoPMenuGlyphImages::ImageBlack);
    if (bHighlighted)
        pDC->Draw3dRect(rect, globalData.clrBtnHilite, globalData.clrBtnShadow);
}

void CTavoPPopupMenu::DrawAnimationFrame(CDC* pPaintDC)
{
    const CSize sizeFull(m_FinalSize.cx + m_iShadowSize, m_FinalSize.cy + m_iShadowSize);
    if (sizeFull.cx <= 0 || sizeFull.cy <= 0)
        return;
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(pPaintDC))
        return;

    const BOOL bDib = m_AnimationType == 3 || GetGlobalData().m_nBitsPerPixel > 8;
    if (bDib)
    {
        if (m_hbmpAnimation[0] == NULL)
        {
            for (int i = 0; i < 3; i++)
            {
                m_hbmpAnimation[i] = CreateDib(sizeFull.cx, sizeFull.cy, &m_pAnimationBits[i]);
                if (m_hbmpAnimation[i] == NULL)
                {
                    FreeBitmaps();
                    return;
                }
            }
            // The screen under the window, then the finished menu drawn over it.
            HDC hdcScreen = ::GetDC(NULL);
            CRect rectWindow;
            GetWindowRect(rectWindow);
            HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), m_hbmpAnimation[0]);
            ::BitBlt(dcMem.GetSafeHdc(), 0, 0, sizeFull.cx, sizeFull.cy, hdcScreen, rectWindow.left,
                     rectWindow.top, SRCCOPY);
            ::SelectObject(dcMem.GetSafeHdc(), m_hbmpAnimation[1]);
            ::BitBlt(dcMem.GetSafeHdc(), 0, 0, sizeFull.cx, sizeFull.cy, hdcScreen, rectWindow.left,
                     rectWindow.top, SRCCOPY);
            ::ReleaseDC(NULL, hdcScreen);
            DrawFullMenu(&dcMem);
            CRect rectBar;
            GetMenuBar()->GetWindowRect(rectBar);
            ScreenToClient(rectBar);
            const CPoint ptOrg = dcMem.SetViewportOrg(rectBar.left, rectBar.top);
            GetMenuBar()->SendMessage(WM_PRINTCLIENT, (WPARAM)dcMem.GetSafeHdc(), PRF_CLIENT);
            dcMem.SetViewportOrg(ptOrg.x, ptOrg.y);
            ::SelectObject(dcMem.GetSafeHdc(), hOld);
            m_bPainted = FALSE;
        }
    }

    HBITMAP hbmpMenu = m_hbmpAnimation[1];
    if (m_AnimationType == 3 && bDib)
    {
        // Fade: background and menu blended into the third bitmap.
        const int nPercent = std::min(100, m_iFadePercent);
        const int nPixels = sizeFull.cx * sizeFull.cy * 4;
        for (int i = 0; i < nPixels; i++)
            m_pAnimationBits[2][i] = (BYTE)((m_pAnimationBits[0][i] * (100 - nPercent) +
                                             m_pAnimationBits[1][i] * nPercent) /
                                            100);
        HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), m_hbmpAnimation[2]);
        pPaintDC->BitBlt(0, 0, sizeFull.cx, sizeFull.cy, &dcMem, 0, 0, SRCCOPY);
        ::SelectObject(dcMem.GetSafeHdc(), hOld);
        return;
    }
    if (hbmpMenu == NULL)
        return;
    HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hbmpMenu);
    const int cx = std::min((int)m_AnimSize.cx, (int)sizeFull.cx);
    const int cy = std::min((int)m_AnimSize.cy, (int)sizeFull.cy);
    const int xSrc = m_bIsAnimRight ? 0 : sizeFull.cx - cx;
    const int ySrc = m_bIsAnimDown ? 0 : sizeFull.cy - cy;
    pPaintDC->BitBlt(xSrc, ySrc, cx, cy, &dcMem, xSrc, ySrc, SRCCOPY);
    ::SelectObject(dcMem.GetSafeHdc(), hOld);
}

void CTavoPPopupMenu::UpdateShadow()
{
    if (m_iShadowSize <= 0 || GetSafeHwnd() == NULL)
        return;
    CWnd* pTop = GetTopLevelParent();
    if (pTop == nullptr || pTop == this)
    {
        pTop = GetOwner();
        if (pTop != nullptr)
            pTop = pTop->GetTopLevelParent();
    }
    if (pTop == nullptr || pTop == this)
        return;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectTop;
    pTop->GetWindowRect(rectTop);
    CRect rectUnion;
    rectUnion.UnionRect(rectWindow, rectTop);
    if (rectUnion == rectTop)
    {
        pTop->UpdateWindow();
        return;
    }
    // The shadow would fall outside the window whose picture it darkens: no shadow.
    m_iShadowSize = 0;
    SetWindowPos(NULL, 0, 0, m_FinalSize.cx, m_FinalSize.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTavoPPopupMenu::UpdateAllShadows(LPRECT lprectScreen)
{
    for (CTavoPPopupMenu* pPopup = m_pActivePopupMenu; pPopup != nullptr;
         pPopup = pPopup->GetParentPopupMenu())
    {
        if (pPopup->m_iShadowSize <= 0 || !::IsWindow(pPopup->GetSafeHwnd()))
            continue;
        CRect rectWindow;
        pPopup->GetWindowRect(rectWindow);
        const int nDepth = pPopup->m_iShadowSize;
        CRect rectRight(rectWindow.right - nDepth - 1, rectWindow.top, rectWindow.right,
                        rectWindow.bottom);
        CRect rectBottom(rectWindow.left, rectWindow.bottom - nDepth - 1, rectWindow.right,
                         rectWindow.bottom);
        if (lprectScreen != nullptr && !CRect().IntersectRect(rectRight, lprectScreen) &&
            !CRect().IntersectRect(rectBottom, lprectScreen))
            continue;
        pPopup->m_bmpShadowRight.DeleteObject();
        pPopup->m_bmpShadowBottom.DeleteObject();
        pPopup->InvalidateRect(NULL);
    }
}
