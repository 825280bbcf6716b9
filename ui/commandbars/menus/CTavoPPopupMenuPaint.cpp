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

// A look for a message that never comes: platforms that keep windows' painting in memory until
// their thread waits for input (Wine does) put it on the screen then, so that the screen can be
// read back.
void PutPaintingOnScreen()
{
    const UINT uiNever = WM_APP + 0x3FFF;
    MSG msg;
    ::PeekMessage(&msg, (HWND)-1, uiNever, uiNever, PM_NOREMOVE | PM_NOYIELD);
}

// Repaints at once what this thread's top-level windows other than the popup show in the
// screen rectangle: the frame and its bars, or the parent popup of a sub-menu. Windows of other
// programs are left alone; they are not waited for.
void RedrawThreadWindowsUnder(HWND hwndPopup, const CRect& rectScreen)
{
    struct Under
    {
        HWND hwndPopup;
        CRect rect;
    } under = {hwndPopup, rectScreen};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            const Under* pUnder = (const Under*)lParam;
            CRect rectWindow;
            if (hwnd == pUnder->hwndPopup || !::IsWindowVisible(hwnd) ||
                !::GetWindowRect(hwnd, rectWindow) ||
                !rectWindow.IntersectRect(rectWindow, pUnder->rect))
                return TRUE;
            ::MapWindowPoints(NULL, hwnd, (POINT*)(RECT*)rectWindow, 2);
            ::RedrawWindow(hwnd, rectWindow, NULL,
                           RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                               RDW_UPDATENOW);
            return TRUE;
        },
        (LPARAM)&under);
}

} // namespace

void CTavoPPopupMenu::StartAnimation()
{
    m_AnimSize = CSize(m_FinalSize.cx + m_iShadowSize, m_FinalSize.cy + m_iShadowSize);
    if (m_AnimationType == UNFOLD)
        m_AnimSize = CSize(GetMenuBar()->GetColumnWidth(), GetMenuBar()->GetRowHeight());
    else if (m_AnimationType == SLIDE)
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
    case UNFOLD:
        m_AnimSize.cx += nSteps * GetMenuBar()->GetColumnWidth();
        m_AnimSize.cy += nSteps * GetMenuBar()->GetRowHeight();
        bDone = m_AnimSize.cx - m_iShadowSize >= m_FinalSize.cx ||
                m_AnimSize.cy - m_iShadowSize >= m_FinalSize.cy;
        break;
    case SLIDE:
        m_AnimSize.cy += nSteps * GetMenuBar()->GetRowHeight();
        bDone = m_AnimSize.cy - m_iShadowSize >= m_FinalSize.cy;
        break;
    case FADE:
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
        // The shadow lies along the menu, inside the window: the strips replay the picture the
        // popup saved before it showed.
        rectClient.right -= m_iShadowSize;
        rectClient.bottom -= m_iShadowSize;
        CTavoPDrawManager dm(*pDC);
        dm.DrawShadow(rectClient, m_iShadowSize, 100, 65, &m_bmpShadowBottom, &m_bmpShadowRight);
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

    // Palette screens get plain bitmaps: only the fade needs the pixels.
    const BOOL bDib = m_AnimationType == FADE || GetGlobalData().m_nBitsPerPixel > 8;
    if (m_hbmpAnimation[0] == NULL)
    {
        // The background under the window, then the finished menu drawn over a copy of it.
        const int nBitmaps = bDib ? 3 : 2;
        for (int i = 0; i < nBitmaps; i++)
        {
            m_hbmpAnimation[i] =
                bDib ? CreateDib(sizeFull.cx, sizeFull.cy, &m_pAnimationBits[i])
                     : ::CreateCompatibleBitmap(pPaintDC->GetSafeHdc(), sizeFull.cx, sizeFull.cy);
            if (m_hbmpAnimation[i] == NULL)
            {
                FreeAnimationBitmaps();
                return;
            }
        }
        HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), m_hbmpAnimation[0]);
        CopyScreenUnderPopup(&dcMem, sizeFull);
        ::SelectObject(dcMem.GetSafeHdc(), m_hbmpAnimation[1]);
        CopyScreenUnderPopup(&dcMem, sizeFull);
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

    if (m_AnimationType == FADE && bDib)
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
    // Unfold and slide: the part of the menu uncovered so far, the background around it.
    const int cx = std::min((int)m_AnimSize.cx, (int)sizeFull.cx);
    const int cy = std::min((int)m_AnimSize.cy, (int)sizeFull.cy);
    const int xSrc = m_bIsAnimRight ? 0 : sizeFull.cx - cx;
    const int ySrc = m_bIsAnimDown ? 0 : sizeFull.cy - cy;
    const int nSaved = pPaintDC->SaveDC();
    pPaintDC->ExcludeClipRect(xSrc, ySrc, xSrc + cx, ySrc + cy);
    HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), m_hbmpAnimation[0]);
    pPaintDC->BitBlt(0, 0, sizeFull.cx, sizeFull.cy, &dcMem, 0, 0, SRCCOPY);
    pPaintDC->RestoreDC(nSaved);
    ::SelectObject(dcMem.GetSafeHdc(), m_hbmpAnimation[1]);
    pPaintDC->BitBlt(xSrc, ySrc, cx, cy, &dcMem, xSrc, ySrc, SRCCOPY);
    ::SelectObject(dcMem.GetSafeHdc(), hOld);
}

void CTavoPPopupMenu::CopyScreenUnderPopup(CDC* pDC, CSize size)
{
    if (m_bmpScreen.GetSafeHandle() != NULL)
    {
        CDC dcScreen;
        if (dcScreen.CreateCompatibleDC(pDC))
        {
            CBitmap* pOld = dcScreen.SelectObject(&m_bmpScreen);
            pDC->BitBlt(0, 0, size.cx, size.cy, &dcScreen, 0, 0, SRCCOPY);
            dcScreen.SelectObject(pOld);
            return;
        }
    }
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CWindowDC dcScreen(NULL);
    pDC->BitBlt(0, 0, size.cx, size.cy, &dcScreen, rectWindow.left, rectWindow.top, SRCCOPY);
}

void CTavoPPopupMenu::SaveScreenUnderPopup()
{
    m_bmpScreen.DeleteObject();
    m_bmpShadowRight.DeleteObject();
    m_bmpShadowBottom.DeleteObject();
    const BOOL bShadow = m_iShadowSize > 0 && !CTavoPToolBar::IsCustomizeMode();
    if ((!bShadow && m_bAnimationIsDone) || GetSafeHwnd() == NULL)
        return;
    // The window may be without its shadow for the moment: the area is the one it will cover.
    CRect rectWindow;
    GetWindowRect(rectWindow);
    rectWindow.right = rectWindow.left + m_FinalSize.cx + (bShadow ? m_iShadowSize : 0);
    rectWindow.bottom = rectWindow.top + m_FinalSize.cy + (bShadow ? m_iShadowSize : 0);
    if (rectWindow.IsRectEmpty())
        return;
    PutPaintingOnScreen();
    CWindowDC dcScreen(NULL);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dcScreen) ||
        !m_bmpScreen.CreateCompatibleBitmap(&dcScreen, rectWindow.Width(), rectWindow.Height()))
        return;
    CBitmap* pOld = dcMem.SelectObject(&m_bmpScreen);
    dcMem.BitBlt(0, 0, rectWindow.Width(), rectWindow.Height(), &dcScreen, rectWindow.left,
                 rectWindow.top, SRCCOPY);
    dcMem.SelectObject(pOld);
    if (bShadow)
    {
        // The strips are darkened on a copy: the animation needs the picture as it is.
        CBitmap bmpShadow;
        if (bmpShadow.CreateCompatibleBitmap(&dcScreen, rectWindow.Width(), rectWindow.Height()))
        {
            pOld = dcMem.SelectObject(&bmpShadow);
            CopyScreenUnderPopup(&dcMem, rectWindow.Size());
            CTavoPDrawManager dm(dcMem);
            dm.DrawShadow(CRect(0, 0, rectWindow.Width() - m_iShadowSize,
                                rectWindow.Height() - m_iShadowSize),
                          m_iShadowSize, 100, 65, &m_bmpShadowBottom, &m_bmpShadowRight);
            dcMem.SelectObject(pOld);
        }
    }
    if (m_bAnimationIsDone)
        m_bmpScreen.DeleteObject();
}

void CTavoPPopupMenu::GetShadowStrips(CRect& rectRight, CRect& rectBottom) const
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    // The darkened parts: the strips start a depth away from the menu's top and left.
    const int nDepth = m_iShadowSize;
    rectRight = CRect(rectWindow.right - nDepth - 1, rectWindow.top + nDepth, rectWindow.right,
                      rectWindow.bottom);
    rectBottom = CRect(rectWindow.left + nDepth, rectWindow.bottom - nDepth - 1, rectWindow.right,
                       rectWindow.bottom);
}

CWnd* CTavoPPopupMenu::GetShadowedWindow()
{
    CWnd* pTop = GetTopLevelParent();
    if (pTop == nullptr || pTop == this)
    {
        pTop = GetOwner();
        if (pTop != nullptr)
            pTop = pTop->GetTopLevelParent();
    }
    return pTop == this ? nullptr : pTop;
}

void CTavoPPopupMenu::UpdateShadow()
{
    if (m_iShadowSize <= 0 || GetSafeHwnd() == NULL)
        return;
    CWnd* pTop = GetShadowedWindow();
    if (pTop == nullptr)
        return;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectTop;
    pTop->GetWindowRect(rectTop);
    CRect rectUnion;
    rectUnion.UnionRect(rectWindow, rectTop);
    if (rectUnion == rectTop)
    {
        // Bars and views paint themselves: all of them are done before the picture is saved.
        ::RedrawWindow(pTop->GetSafeHwnd(), NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        return;
    }
    // The shadow would fall outside the window whose picture it darkens: no shadow.
    m_iShadowSize = 0;
    SetWindowPos(NULL, 0, 0, m_FinalSize.cx, m_FinalSize.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTavoPPopupMenu::UpdateAllShadows(LPRECT lprectScreen)
{
    // The refresh repaints the bars under the strips, which would ask for it again.
    static BOOL s_bRefreshing = FALSE;
    if (s_bRefreshing || CTavoPToolBar::IsCustomizeMode())
        return;
    s_bRefreshing = TRUE;
    for (CTavoPPopupMenu* pPopup = m_pActivePopupMenu; pPopup != nullptr;
         pPopup = pPopup->GetParentPopupMenu())
    {
        if (pPopup->m_iShadowSize <= 0 || !::IsWindow(pPopup->GetSafeHwnd()) ||
            !pPopup->IsWindowVisible() || !pPopup->m_bAnimationIsDone ||
            pPopup->GetShadowedWindow() == nullptr)
            continue;
        CRect rectRight, rectBottom;
        pPopup->GetShadowStrips(rectRight, rectBottom);
        if (lprectScreen != nullptr && !CRect().IntersectRect(rectRight, lprectScreen) &&
            !CRect().IntersectRect(rectBottom, lprectScreen))
            continue;

        // Without its shadow for a moment, the popup lets the windows under the strips paint
        // themselves; the strips then darken the new picture.
        const int nDepth = pPopup->m_iShadowSize;
        pPopup->m_iShadowSize = 0;
        pPopup->m_bmpShadowRight.DeleteObject();
        pPopup->m_bmpShadowBottom.DeleteObject();
        const CSize sizeFinal = pPopup->m_FinalSize;
        pPopup->SetWindowPos(NULL, 0, 0, sizeFinal.cx, sizeFinal.cy,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        RedrawThreadWindowsUnder(pPopup->GetSafeHwnd(), rectRight);
        RedrawThreadWindowsUnder(pPopup->GetSafeHwnd(), rectBottom);
        pPopup->m_iShadowSize = nDepth;
        pPopup->SaveScreenUnderPopup();
        // Back to its size, the popup paints itself whole: a platform may not keep the
        // picture of a window that shrank and grew again.
        pPopup->SetWindowPos(NULL, 0, 0, sizeFinal.cx + nDepth, sizeFinal.cy + nDepth,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        pPopup->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    s_bRefreshing = FALSE;
}
