#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPTask.h"
#include "ui/foundation/CTavoPTasksGroup.h"
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/bars/docking/CTavoPCaptionButton.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/commandbars/CTavoPShowAllButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarComboBoxButton.h"
#include "ui/commandbars/CTavoPToolbarEditBoxButton.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/controls/CTavoPButton.h"
#include "ui/controls/CTavoPCaptionBar.h"
#include "ui/controls/outlook/CTavoPOutlookBarPane.h"
#include "ui/controls/outlook/CTavoPOutlookButton.h"

#include <string.h>
#include <algorithm>

IMPLEMENT_DYNCREATE(CTavoPVisualManager, CObject)

CTavoPVisualManager* CTavoPVisualManager::m_pVisManager = NULL;
CRuntimeClass* CTavoPVisualManager::m_pRTIDefault = NULL;

CTavoPVisualManager::CTavoPVisualManager(BOOL bIsTemporary)
    : m_bLook2000(FALSE), m_nMenuShadowDepth(6), m_bMenuFlatLook(FALSE), m_bIsButtonLook(FALSE),
      m_bEmbossDisabledImage(TRUE), m_nMenuLook(0), m_bIsTemporary(bIsTemporary),
      m_bAutoDestroy(FALSE), m_bShadowHighlightedImage(FALSE), m_bFadeInactiveImage(FALSE)
{
    static const int kMetrics[10] = {12, 12, 15, 25, 13, 7, 12, 5, 4, 1};
    memcpy(m_nTasksMetrics, kMetrics, sizeof(m_nTasksMetrics));
    if (!bIsTemporary && m_pVisManager == NULL)
        m_pVisManager = this;
}

CTavoPVisualManager::~CTavoPVisualManager()
{
    if (!m_bIsTemporary && m_pVisManager == this)
        m_pVisManager = NULL;
}

CTavoPVisualManager* CTavoPVisualManager::GetInstance()
{
    if (m_pVisManager != NULL)
        return m_pVisManager;

    CTavoPVisualManager* pManager = NULL;
    if (m_pRTIDefault != NULL)
    {
        CObject* pObject = m_pRTIDefault->CreateObject();
        pManager = DYNAMIC_DOWNCAST(CTavoPVisualManager, pObject);
        if (pManager == NULL)
            delete pObject;
    }
    // A default class without a factory still gets a look to draw with.
    if (pManager == NULL)
        pManager = new CTavoPVisualManager;

    m_pVisManager = pManager;
    pManager->m_bAutoDestroy = TRUE;
    return pManager;
}

void CTavoPVisualManager::SetDefaultManager(CRuntimeClass* pRTI)
{
    if (pRTI != NULL && !pRTI->IsDerivedFrom(RUNTIME_CLASS(CTavoPVisualManager)))
        return;

    m_pRTIDefault = pRTI;
    CTavoPVisualManager* pOld = m_pVisManager;
    m_pVisManager = NULL;
    delete pOld;
    RedrawAll();
}

void CTavoPVisualManager::DestroyInstance(BOOL bAutoDestroyOnly)
{
    if (m_pVisManager == NULL || (bAutoDestroyOnly && !m_pVisManager->m_bAutoDestroy))
        return;
    CTavoPVisualManager* pOld = m_pVisManager;
    m_pVisManager = NULL;
    delete pOld;
}

static const UINT kRedrawAllFlags = RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE;

static HWND MainWindow()
{
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hwnd = pMainWnd != NULL ? pMainWnd->GetSafeHwnd() : NULL;
    return hwnd != NULL && ::IsWindow(hwnd) ? hwnd : NULL;
}

void CTavoPVisualManager::RedrawAll()
{
    HWND hwndMain = MainWindow();
    if (hwndMain != NULL)
        ::RedrawWindow(hwndMain, NULL, NULL, kRedrawAllFlags);
    const CObList& toolbars = CTavoPToolBar::GetAllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != NULL;)
    {
        HWND hwnd = ((CWnd*)toolbars.GetNext(pos))->GetSafeHwnd();
        if (hwnd != NULL && ::IsWindow(hwnd))
            ::RedrawWindow(hwnd, NULL, NULL, kRedrawAllFlags);
    }
    CTavoPMiniFrameWnd::RedrawAll();
}

void CTavoPVisualManager::SetLook2000(BOOL bLook2000)
{
    m_bLook2000 = bLook2000;
    HWND hwndMain = MainWindow();
    if (hwndMain != NULL)
        ::RedrawWindow(hwndMain, NULL, NULL,
                       RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME);
    RedrawAll();
}

void CTavoPVisualManager::DrawFrame(CDC* pDC, const CRect& rect, COLORREF clrTopLeft,
                                    COLORREF clrBottomRight)
{
    const int x = rect.left, y = rect.top, cx = rect.Width(), cy = rect.Height();
    FillSolid(pDC, CRect(x, y, x + cx - 1, y + 1), clrTopLeft);
    FillSolid(pDC, CRect(x, y, x + 1, y + cy - 1), clrTopLeft);
    FillSolid(pDC, CRect(x + cx - 1, y, x + cx, y + cy), clrBottomRight);
    FillSolid(pDC, CRect(x, y + cy - 1, x + cx, y + cy), clrBottomRight);
}

void CTavoPVisualManager::FillSolid(CDC* pDC, const CRect& rect, COLORREF clr)
{
    HDC hdc = pDC->GetSafeHdc();
    COLORREF clrOld = ::SetBkColor(hdc, clr);
    RECT rc = rect;
    ::ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &rc, NULL, 0, NULL);
    ::SetBkColor(hdc, clrOld);
}

void CTavoPVisualManager::FillBrush(CDC* pDC, const CRect& rect, HBRUSH hbr)
{
    RECT rc = rect;
    if (hbr != NULL)
        ::FillRect(pDC->GetSafeHdc(), &rc, hbr);
}

void CTavoPVisualManager::DrawGlyph(CDC* pDC, int nGlyph, const CRect& rectCentre, int nColorSet,
                                    CPoint ptOffset)
{
    if (nGlyph < 0)
        return;
    CTavoPMenuGlyphImages::Initialize();
    const CSize size = CTavoPMenuGlyphImages::Size();
    CPoint pt(rectCentre.left + (rectCentre.Width() - size.cx) / 2 + ptOffset.x,
              rectCentre.top + (rectCentre.Height() - size.cy) / 2 + ptOffset.y);
    CTavoPMenuGlyphImages::Draw(pDC, (CTavoPMenuGlyphImages::IMAGES_IDS)nGlyph, pt, nColorSet);
}

void CTavoPVisualManager::OnUpdateSystemColors()
{}

void CTavoPVisualManager::OnFillBarBackground(CDC* pDC, CTavoPBaseControlBar* pBar,
                                              CRect rectClient, CRect rectClip, BOOL /*bNCArea*/)
{
    if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPOutlookBarPane)))
    {
        static_cast<CTavoPOutlookBarPane*>(pBar)->OnEraseWorkArea(pDC, rectClient);
        return;
    }
    if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPCaptionBar)))
    {
        const COLORREF clr = static_cast<CTavoPCaptionBar*>(pBar)->GetBackgroundColor();
        FillSolid(pDC, rectClip, clr == (COLORREF)-1 ? GetGlobalData().clrBtnShadow : clr);
        return;
    }
    if (rectClip.IsRectEmpty())
        rectClip = rectClient;
    FillBrush(pDC, rectClip, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
}

void CTavoPVisualManager::OnDrawBarBorder(CDC* pDC, CTavoPBaseControlBar* pBar, CRect& rect)
{
    DrawBarBorderLines(pDC, pBar, rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow,
                       TRUE);
}

void CTavoPVisualManager::DrawBarBorderLines(CDC* pDC, CTavoPBaseControlBar* pBar, CRect& rect,
                                             COLORREF clrLeftTop, COLORREF clrRightBottom,
                                             BOOL bGroove)
{
    if (pBar == NULL || pBar->IsFloating())
        return;
    const DWORD dwStyle = pBar->GetBarStyle();
    if ((dwStyle & (CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_RIGHT | CBRS_BORDER_BOTTOM)) ==
        0)
        return;

    HDC hdc = pDC->GetSafeHdc();
    const COLORREF clrBkOld = ::GetBkColor(hdc);
    const int x = rect.left, y = rect.top, cx = rect.Width(), cy = rect.Height();

    if (dwStyle & CBRS_BORDER_LEFT)
        FillSolid(pDC, CRect(x, y, x + 1, y + cy - 1), clrLeftTop);
    if (dwStyle & CBRS_BORDER_TOP)
        FillSolid(pDC, CRect(x, y, x + cx - 1, y + 1), clrLeftTop);
    if (dwStyle & CBRS_BORDER_RIGHT)
        FillSolid(pDC, CRect(rect.right - 1, y, rect.right, y + cy), clrRightBottom);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        FillSolid(pDC, CRect(x, rect.bottom - 1, x + cx - 1, rect.bottom), clrRightBottom);

    // A bar that cannot float sits right under the menu: a groove separates them.
    if (bGroove && !pBar->CanFloat())
    {
        FillSolid(pDC, CRect(x, y, x + cx, y + 1), GetGlobalData().clrBtnShadow);
        FillSolid(pDC, CRect(x, y + 1, x + cx, y + 2), GetGlobalData().clrBtnHilite);
    }

    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left++;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top++;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right--;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom--;

    ::SetBkColor(hdc, clrBkOld);
}

void CTavoPVisualManager::OnDrawMenuBorder(CDC* pDC, CTavoPPopupMenu* /*pMenu*/, CRect rect)
{
    DrawFrame(pDC, rect, GetGlobalData().clrBtnLight, GetGlobalData().clrBtnDkShadow);
    rect.DeflateRect(1, 1);
    DrawFrame(pDC, rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);
}

void CTavoPVisualManager::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                                           CTavoPBaseControlBar* /*pBar*/)
{
    const int n = m_bLook2000 ? 0 : 1;
    if (bHorz)
    {
        rectGripper.DeflateRect(0, 3 - n);
        const int x = (rectGripper.left + rectGripper.right) / 2 - n - 1;
        for (int i = 0; i <= n; i++)
        {
            CRect rectBar(x + i * 4, rectGripper.top, x + i * 4 + 3, rectGripper.bottom);
            DrawFrame(pDC, rectBar, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);
            if (n != 0)
                ::SetPixel(pDC->GetSafeHdc(), rectBar.left, rectBar.bottom - 1,
                           GetGlobalData().clrBtnHilite);
        }
    }
    else
    {
        rectGripper.top += n;
        rectGripper.DeflateRect(3 - n, 0);
        const int y = (rectGripper.top + rectGripper.bottom) / 2 - n - 1;
        for (int i = 0; i <= n; i++)
        {
            CRect rectBar(rectGripper.left, y + i * 4, rectGripper.right, y + i * 4 + 3);
            DrawFrame(pDC, rectBar, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);
            if (n != 0)
                ::SetPixel(pDC->GetSafeHdc(), rectBar.right - 1, rectBar.top,
                           GetGlobalData().clrBtnHilite);
        }
    }
}

void CTavoPVisualManager::OnDrawSeparator(CDC* pDC, CTavoPBaseControlBar* /*pBar*/, CRect rect,
                                          BOOL bIsHoriz)
{
    if (bIsHoriz)
    {
        rect.left += rect.Width() / 2 - 1;
        rect.right = rect.left + 2;
    }
    else
    {
        rect.top += rect.Height() / 2 - 1;
        rect.bottom = rect.top + 2;
    }
    DrawFrame(pDC, rect, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnHilite);
}

COLORREF CTavoPVisualManager::OnFillBarCaption(CDC* pDC, CTavoPBaseControlBar* /*pBar*/,
                                               BOOL bActive, CRect rectCaption)
{
    FillBrush(pDC, rectCaption,
              ::GetSysColorBrush(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    return ::GetSysColor(COLOR_CAPTIONTEXT);
}

// Glyph of a caption button by its hit-test code; bState is the button's toggled state.
static int CaptionButtonGlyph(UINT nHit, BOOL bHorz, BOOL bState)
{
    switch (nHit)
    {
    case HTMINBUTTON:
        if (bHorz)
            return bState ? 9 : 1;
        return bState ? 0 : 7;
    case HTMAXBUTTON: return bState ? 15 : 16;
    case 19:
    case HTCLOSE: return 5;
    default: return -1;
    }
}

void CTavoPVisualManager::OnDrawCaptionButton(CDC* pDC, CTavoPCaptionButton* pButton, BOOL bActive,
                                              BOOL bHorz, BOOL bMaximized, BOOL bDisabled)
{
    CRect rect = pButton->GetRect();
    const BOOL bPushed = pButton->m_bPushed;
    const BOOL bHighlighted = pButton->m_bFocused;
    const BOOL bSunken = bPushed && bHighlighted;

    const int nGlyph = CaptionButtonGlyph(pButton->GetKind(), bHorz, bMaximized);
    const int nColorSet = bDisabled ? 1 : (bActive ? 3 : 0);
    DrawGlyph(pDC, nGlyph, rect, nColorSet, bSunken ? CPoint(1, 1) : CPoint(0, 0));

    if (bDisabled)
        return;
    if (bSunken)
    {
        DrawFrame(pDC, rect, GetGlobalData().clrBtnDkShadow, GetGlobalData().clrBtnLight);
        rect.DeflateRect(1, 1);
        DrawFrame(pDC, rect, GetGlobalData().clrBtnDkShadow, GetGlobalData().clrBtnHilite);
    }
    else if (!m_bLook2000)
    {
        DrawFrame(pDC, rect, GetGlobalData().clrBtnLight, GetGlobalData().clrBtnDkShadow);
        rect.DeflateRect(1, 1);
        DrawFrame(pDC, rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);
    }
    else if (bPushed || bHighlighted)
        DrawFrame(pDC, rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);
}

void CTavoPVisualManager::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand,
                                                 UINT nStyle, BOOL /*bHighlight*/)
{
    UINT uiState = 0;
    switch (uiSystemCommand)
    {
    case SC_MINIMIZE: uiState = DFCS_CAPTIONMIN; break;
    case SC_RESTORE: uiState = DFCS_CAPTIONRESTORE; break;
    case SC_CLOSE: uiState = DFCS_CAPTIONCLOSE; break;
    default: return;
    }
    if (nStyle & TBBS_PRESSED)
        uiState |= DFCS_PUSHED;
    if (nStyle & TBBS_DISABLED)
        uiState |= DFCS_INACTIVE;
    RECT rc = rect;
    ::DrawFrameControl(pDC->GetSafeHdc(), &rc, DFC_CAPTION, uiState);
}

void CTavoPVisualManager::OnDrawStatusBarPaneBorder(CDC* pDC, CTavoPStatusBar* /*pBar*/,
                                                    CRect rectPane, UINT /*uiID*/, UINT nStyle)
{
    if (nStyle & SBPS_NOBORDERS)
        return;
    if (nStyle & SBPS_POPOUT)
        DrawFrame(pDC, rectPane, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);
    else
        DrawFrame(pDC, rectPane, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnHilite);
}

// Width of the done part of a progress; the position is held inside the range, and the product is
// formed in 64 bits so that large ranges do not overflow.
static int ProgressWidth(int nWidth, long nTotal, long nCurr)
{
    if (nCurr < 0)
        nCurr = 0;
    if (nCurr > nTotal)
        nCurr = nTotal;
    return (int)((LONGLONG)nWidth * nCurr / nTotal);
}

static int ProgressPercent(long nTotal, long nCurr)
{
    if (nCurr < 0)
        nCurr = 0;
    if (nCurr > nTotal)
        nCurr = nTotal;
    return (int)((LONGLONG)nCurr * 100 / nTotal);
}

void CTavoPVisualManager::OnDrawStatusBarProgress(CDC* pDC, CTavoPStatusBar* /*pStatusBar*/,
                                                  CRect rectProgress, long nProgressTotal,
                                                  long nProgressCurr, COLORREF clrBar,
                                                  COLORREF clrProgressBarDest,
                                                  COLORREF clrProgressText, BOOL bProgressText)
{
    // A range below 1 has no meaningful fraction: nothing is drawn.
    if (nProgressTotal <= 0)
        return;

    CRect rectComplete = rectProgress;
    rectComplete.right =
        rectComplete.left + ProgressWidth(rectProgress.Width(), nProgressTotal, nProgressCurr);

    if (clrProgressBarDest == (COLORREF)-1)
        FillSolid(pDC, rectComplete, clrBar);
    else
    {
        CTavoPDrawManager dm(*pDC);
        dm.FillGradient(rectComplete, clrBar, clrProgressBarDest, FALSE);
    }

    if (!bProgressText)
        return;

    CString strText;
    strText.Format(_T("%d%%"), ProgressPercent(nProgressTotal, nProgressCurr));

    HDC hdc = pDC->GetSafeHdc();
    const UINT uiFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    const COLORREF clrOld = ::SetTextColor(hdc, GetGlobalData().clrBtnText);
    const int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
    RECT rc = rectProgress;
    ::DrawTextA(hdc, strText, strText.GetLength(), &rc, uiFormat);

    const int nSaved = ::SaveDC(hdc);
    ::IntersectClipRect(hdc, rectComplete.left, rectComplete.top, rectComplete.right,
                        rectComplete.bottom);
    ::SetTextColor(hdc, clrProgressText == (COLORREF)-1 ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                                                        : clrProgressText);
    rc = rectProgress;
    ::DrawTextA(hdc, strText, strText.GetLength(), &rc, uiFormat);
    ::RestoreDC(hdc, nSaved);

    ::SetBkMode(hdc, nOldMode);
    ::SetTextColor(hdc, clrOld);
}

void CTavoPVisualManager::OnDrawStatusBarSizeBox(CDC* pDC, CTavoPStatusBar* /*pStatBar*/,
                                                 CRect rectSizeBox)
{
    HDC hdc = pDC->GetSafeHdc();
    HGDIOBJ hOldFont = ::SelectObject(hdc, GetGlobalData().fontMarlett.GetSafeHandle());
    const UINT nOldAlign = ::SetTextAlign(hdc, TA_RIGHT | TA_BOTTOM);
    const COLORREF clrOld = ::SetTextColor(hdc, GetGlobalData().clrBtnShadow);
    // Only the grip's strokes are drawn, not the cell of the glyph.
    const int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
    RECT rc = rectSizeBox;
    ::ExtTextOutA(hdc, rectSizeBox.right, rectSizeBox.bottom, ETO_CLIPPED, &rc, "o", 1, NULL);
    ::SetBkMode(hdc, nOldMode);
    ::SetTextColor(hdc, clrOld);
    ::SetTextAlign(hdc, nOldAlign);
    ::SelectObject(hdc, hOldFont);
}

void CTavoPVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled,
                                                BOOL bIsDropped, BOOL bIsHighlighted,
                                                CTavoPToolbarComboBoxButton* /*pButton*/)
{
    FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
    DrawFrame(pDC, rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnHilite);

    CPoint ptOffset(1, 1);
    if (bIsDropped)
    {
        rect.OffsetRect(1, 1);
        ptOffset.Offset(1, 1);
        DrawFrame(pDC, rect, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnHilite);
    }
    else if (bIsHighlighted)
        DrawFrame(pDC, rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);

    DrawGlyph(pDC, 0,
              bIsDropped ? CRect(rect.left - 1, rect.top - 1, rect.right - 1, rect.bottom - 1)
                         : rect,
              bDisabled ? 1 : 0, ptOffset);
}

void CTavoPVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL /*bDisabled*/,
                                            BOOL bIsDropped, BOOL bIsHighlighted,
                                            CTavoPToolbarComboBoxButton* /*pButton*/)
{
    if (!bIsDropped && !bIsHighlighted)
        return;
    if (m_bMenuFlatLook)
    {
        rect.DeflateRect(1, 1);
        DrawFrame(pDC, rect, GetGlobalData().clrBtnDkShadow, GetGlobalData().clrBtnDkShadow);
    }
    else
        DrawFrame(pDC, rect, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnHilite);
}

void CTavoPVisualManager::OnDrawEditBorder(CDC* pDC, CRect rect, BOOL /*bDisabled*/,
                                           BOOL bIsHighlighted,
                                           CTavoPToolbarEditBoxButton* /*pButton*/)
{
    if (!bIsHighlighted)
        return;
    RECT rc = rect;
    ::DrawEdge(pDC->GetSafeHdc(), &rc, EDGE_SUNKEN, BF_RECT);
}

void CTavoPVisualManager::OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive)
{
    FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
    rect.DeflateRect(2, 1);
    FillSolid(pDC, rect, ::GetSysColor(bIsActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
}

void CTavoPVisualManager::OnFillButtonInterior(CDC* pDC, CTavoPToolbarButton* pButton, CRect rect,
                                               int state)
{
    if (pButton->IsKindOf(RUNTIME_CLASS(CTavoPShowAllButton)))
    {
        if (state == TAVOP_BUTTON_HIGHLIGHTED)
        {
            CTavoPDrawManager dm(*pDC);
            dm.HighlightRect(rect);
        }
        return;
    }
    if (pButton->IsKindOf(RUNTIME_CLASS(CTavoPOutlookButton)))
        return;
    if (CTavoPToolBar::IsCustomizeMode() || state == TAVOP_BUTTON_HIGHLIGHTED)
        return;
    if ((pButton->m_nStyle & (TBBS_CHECKED | TBBS_INDETERMINATE)) == 0)
        return;

    rect.DeflateRect(2 * ::GetSystemMetrics(SM_CXBORDER), 2 * ::GetSystemMetrics(SM_CYBORDER));
    FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brLight.GetSafeHandle());
}

void CTavoPVisualManager::OnDrawButtonBorder(CDC* pDC, CTavoPToolbarButton* pButton, CRect rect,
                                             int state)
{
    const COLORREF clrDark = pButton->IsKindOf(RUNTIME_CLASS(CTavoPOutlookButton))
                                 ? GetGlobalData().clrBtnLight
                                 : GetGlobalData().clrBtnShadow;
    if (state == TAVOP_BUTTON_PRESSED)
        DrawFrame(pDC, rect, clrDark, GetGlobalData().clrBtnHilite);
    else if (state == TAVOP_BUTTON_HIGHLIGHTED)
        DrawFrame(pDC, rect, GetGlobalData().clrBtnHilite, clrDark);
}

void CTavoPVisualManager::OnHighlightMenuItem(CDC* pDC, CTavoPToolbarMenuButton* /*pButton*/,
                                              CRect rect, COLORREF& /*clrText*/)
{
    FillBrush(pDC, rect, ::GetSysColorBrush(COLOR_HIGHLIGHT));
}

void CTavoPVisualManager::OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed)
{
    CTavoPDrawManager dm(*pDC);
    dm.HighlightRect(rectRarelyUsed);
    DrawFrame(pDC, rectRarelyUsed, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnHilite);
}

COLORREF CTavoPVisualManager::GetToolbarButtonTextColor(CTavoPToolbarButton* pButton, int state)
{
    const BOOL bDisabled = (pButton->m_nStyle & TBBS_DISABLED) ||
                           (CTavoPToolBar::IsCustomizeMode() && !pButton->CanBeCustomized());
    if (pButton->IsKindOf(RUNTIME_CLASS(CTavoPOutlookButton)))
        return ::GetSysColor(bDisabled ? COLOR_3DFACE : COLOR_WINDOW);
    if (bDisabled)
        return GetGlobalData().clrGrayedText;
    if (state == TAVOP_BUTTON_HIGHLIGHTED)
        return CTavoPToolBar::GetHotTextColor();
    return GetGlobalData().clrBtnText;
}

COLORREF CTavoPVisualManager::GetWindowColor() const
{
    return ::GetSysColor(COLOR_WINDOW);
}

void CTavoPVisualManager::OnFillOutlookPageButton(CDC* pDC, const CRect& rect,
                                                  BOOL /*bIsHighlighted*/, BOOL /*bIsPressed*/,
                                                  COLORREF& clrText)
{
    FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
    clrText = GetGlobalData().clrBtnText;
}

void CTavoPVisualManager::OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn,
                                                        BOOL bIsHighlighted, BOOL bIsPressed)
{
    if (bIsHighlighted && bIsPressed)
    {
        DrawFrame(pDC, rectBtn, GetGlobalData().clrBtnDkShadow, GetGlobalData().clrBtnFace);
        rectBtn.DeflateRect(1, 1);
        DrawFrame(pDC, rectBtn, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnHilite);
    }
    else if (bIsHighlighted || bIsPressed)
    {
        DrawFrame(pDC, rectBtn, GetGlobalData().clrBtnFace, GetGlobalData().clrBtnDkShadow);
        rectBtn.DeflateRect(1, 1);
        DrawFrame(pDC, rectBtn, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);
    }
    else
        DrawFrame(pDC, rectBtn, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);
    rectBtn.DeflateRect(1, 1);
}

void CTavoPVisualManager::OnEraseTabsArea(CDC* pDC, CRect rect, CTavoPBaseTabWnd* /*pTabWnd*/)
{
    FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
}

static void DrawPolyline(HDC hdc, HPEN hPen, const POINT* pts, int n)
{
    HGDIOBJ hOld = ::SelectObject(hdc, hPen);
    ::Polyline(hdc, pts, n);
    ::SelectObject(hdc, hOld);
}

void CTavoPVisualManager::OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                    CTavoPBaseTabWnd* pTabWnd)
{
    HDC hdc = pDC->GetSafeHdc();
    CString strLabel;
    pTabWnd->GetTabLabel(iTab, strLabel);
    const COLORREF clrTab = pTabWnd->GetTabBkColor(iTab);
    const COLORREF clrText = pTabWnd->GetTabTextColor(iTab);
    const BOOL bBottom = pTabWnd->GetLocation() != CTavoPBaseTabWnd::LOCATION_TOP;
    const UINT uiNoPrefix = pTabWnd->IsNoPrefix() ? DT_NOPREFIX : 0;

    COLORREF clrOldText = (COLORREF)-1;
    if (!bIsActive && clrText != (COLORREF)-1)
        clrOldText = ::SetTextColor(hdc, clrText);

    if (pTabWnd->IsFlatTab())
    {
        const int s = rectTab.Height() / 2;
        POINT pts[4];
        if (!bBottom)
        {
            pts[0] = {rectTab.left + s, rectTab.top + 1};
            pts[1] = {rectTab.left, rectTab.bottom};
            pts[2] = {rectTab.right, rectTab.bottom};
            pts[3] = {rectTab.right - s, rectTab.top + 1};
        }
        else
        {
            pts[0] = {rectTab.left, rectTab.top};
            pts[1] = {rectTab.left + s, rectTab.bottom - 1};
            pts[2] = {rectTab.right - s, rectTab.bottom - 1};
            pts[3] = {rectTab.right, rectTab.top};
        }
        HBRUSH hbrTab = NULL;
        HGDIOBJ hOldBrush = NULL;
        if (!bIsActive && clrTab != (COLORREF)-1)
        {
            hbrTab = ::CreateSolidBrush(clrTab);
            hOldBrush = ::SelectObject(hdc, hbrTab);
        }
        ::Polygon(hdc, pts, 4);
        if (hbrTab != NULL)
        {
            ::SelectObject(hdc, hOldBrush);
            ::DeleteObject(hbrTab);
        }

        RECT rc = rectTab;
        ::DrawTextA(hdc, strLabel, strLabel.GetLength(), &rc,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | uiNoPrefix);
        if (clrOldText != (COLORREF)-1)
            ::SetTextColor(hdc, clrOldText);
        return;
    }

    if (!bIsActive)
    {
        if (!bBottom)
            rectTab.top += 2;
        else
            rectTab.bottom -= 2;
        if (clrTab != (COLORREF)-1)
        {
            CRect rectFill = rectTab;
            rectFill.DeflateRect(1, 1);
            FillSolid(pDC, rectFill, clrTab);
        }
    }

    HPEN hpenHilite = ::CreatePen(PS_SOLID, 1, GetGlobalData().clrBtnHilite);
    HPEN hpenShadow = ::CreatePen(PS_SOLID, 1, GetGlobalData().clrBtnShadow);
    HPEN hpenBlack = (HPEN)::GetStockObject(BLACK_PEN);
    const int l = rectTab.left, t = rectTab.top, r = rectTab.right, b = rectTab.bottom;
    if (!bBottom)
    {
        const POINT black[] = {{r, bIsActive ? b : b - 1}, {r, t + 2}, {r - 2, t}};
        DrawPolyline(hdc, hpenBlack, black, 3);
        const POINT hilite[] = {{r - 2, t}, {l + 2, t}, {l, t + 2}, {l, b}};
        DrawPolyline(hdc, hpenHilite, hilite, 4);
        const POINT shadow[] = {{r - 1, b}, {r - 1, t + 1}};
        DrawPolyline(hdc, hpenShadow, shadow, 2);
        if (bIsActive)
            FillBrush(pDC, CRect(l, b, r - 1, b + 3),
                      (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
    }
    else
    {
        const POINT hilite[] = {{l, t}, {l, b - 2}};
        DrawPolyline(hdc, hpenHilite, hilite, 2);
        const POINT black[] = {{l, b - 2}, {l + 2, b}, {r - 2, b}, {r, b - 2}, {r, t - 1}};
        DrawPolyline(hdc, hpenBlack, black, 5);
        const POINT shadow[] = {{l + 3, b - 1}, {r - 2, b - 1}, {r - 1, b - 2}, {r - 1, t - 1}};
        DrawPolyline(hdc, hpenShadow, shadow, 4);
        if (bIsActive)
            FillBrush(pDC, CRect(l, t - 3, r - 1, t),
                      (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
    }
    ::DeleteObject(hpenHilite);
    ::DeleteObject(hpenShadow);

    DrawTabImageAndLabel(pDC, rectTab, iTab, bIsActive, pTabWnd);
    if (clrOldText != (COLORREF)-1)
        ::SetTextColor(hdc, clrOldText);
}

void CTavoPVisualManager::DrawTabImageAndLabel(CDC* pDC, const CRect& rectTab, int iTab,
                                               BOOL bIsActive, CTavoPBaseTabWnd* pTabWnd)
{
    HDC hdc = pDC->GetSafeHdc();
    CString strLabel;
    pTabWnd->GetTabLabel(iTab, strLabel);
    const HICON hIcon = pTabWnd->GetTabHicon(iTab);
    const int iImage = (int)pTabWnd->GetTabIcon(iTab);
    CImageList* pImages = pTabWnd->GetImageList();
    const HIMAGELIST hImages = pImages != NULL ? pImages->GetSafeHandle() : NULL;
    const BOOL bHasImage = hIcon != NULL || (iImage >= 0 && hImages != NULL);
    const CSize sizeImage = bHasImage ? pTabWnd->GetImageSize() : CSize(0, 0);
    const int nMargin = CTavoPBaseTabWnd::TAB_IMAGE_MARGIN;
    if (rectTab.Width() < nMargin + sizeImage.cx)
        return;

    const int yImage =
        rectTab.top + (rectTab.Height() - sizeImage.cy) / 2 -
        ((bIsActive && pTabWnd->GetLocation() != CTavoPBaseTabWnd::LOCATION_TOP) ? 1 : 0);
    if (hIcon != NULL)
        ::DrawStateA(hdc, NULL, NULL, (LPARAM)hIcon, 0, rectTab.left + 4, yImage, sizeImage.cx,
                     sizeImage.cy, DST_ICON | DSS_NORMAL);
    else if (bHasImage)
        ::ImageList_Draw(hImages, iImage, hdc, rectTab.left + nMargin, yImage, ILD_TRANSPARENT);

    CRect rectLabel = rectTab;
    rectLabel.left += sizeImage.cx + 8;
    const int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
    RECT rc = rectLabel;
    ::DrawTextA(hdc, strLabel, strLabel.GetLength(), &rc,
                DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS |
                    (pTabWnd->IsNoPrefix() ? DT_NOPREFIX : 0));
    ::SetBkMode(hdc, nOldMode);
}

void CTavoPVisualManager::OnEraseTabsButton(CDC* pDC, CRect rect, CTavoPButton* /*pButton*/,
                                            CTavoPBaseTabWnd* /*pTabWnd*/)
{
    FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
}

void CTavoPVisualManager::OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, CTavoPButton* pButton,
                                                 UINT uiState, CTavoPBaseTabWnd* /*pTabWnd*/)
{
    if ((pButton->IsPushed() && pButton->IsHighlighted()) || (uiState & 1))
    {
        DrawFrame(pDC, rect, GetGlobalData().clrBtnDkShadow, GetGlobalData().clrBtnHilite);
        rect.left += 2;
        rect.top += 2;
    }
    else
        DrawFrame(pDC, rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnDkShadow);
    rect.DeflateRect(2, 2);
}

COLORREF CTavoPVisualManager::OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected)
{
    if (bIsSelected)
    {
        FillBrush(pDC, rect, ::GetSysColorBrush(COLOR_HIGHLIGHT));
        return ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
    return GetGlobalData().clrBtnText;
}

CSize CTavoPVisualManager::GetButtonExtraSize() const
{
    return CSize(0, 0);
}

COLORREF CTavoPVisualManager::OnFillMiniFrameCaption(CDC* pDC, CRect rectCaption,
                                                     CTavoPMiniFrameWnd* pFrameWnd, BOOL bActive)
{
    CWnd* pBar = pFrameWnd != NULL ? pFrameWnd->GetControlBar() : NULL;
    const BOOL bToolBar = pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPBaseToolBar));
    FillBrush(
        pDC, rectCaption,
        ::GetSysColorBrush(bActive || bToolBar ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    return ::GetSysColor(COLOR_CAPTIONTEXT);
}

void CTavoPVisualManager::OnDrawMiniFrameBorder(CDC* pDC, CTavoPMiniFrameWnd* /*pFrameWnd*/,
                                                CRect rectBorder, CRect /*rectBorderSize*/)
{
    DrawFrame(pDC, rectBorder, GetGlobalData().clrBtnFace, GetGlobalData().clrBtnDkShadow);
    rectBorder.DeflateRect(1, 1);
    DrawFrame(pDC, rectBorder, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);
    rectBorder.DeflateRect(1, 1);
    DrawFrame(pDC, rectBorder, GetGlobalData().clrBtnFace, GetGlobalData().clrBtnFace);
}

void CTavoPVisualManager::OnDrawHeaderItemBorder(CWnd* /*pHeader*/, CDC* pDC, CRect& rect,
                                                 BOOL bIsPressed, BOOL /*bIsHighlighted*/)
{
    if (bIsPressed)
    {
        DrawFrame(pDC, rect, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnShadow);
        rect.left++;
        rect.top++;
    }
    else
        DrawFrame(pDC, rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);
}

void CTavoPVisualManager::OnDrawHeaderSortArrow(CWnd* /*pHeader*/, CDC* pDC, CRect rectArrow,
                                                BOOL bIsUp)
{
    HDC hdc = pDC->GetSafeHdc();
    HPEN hpenHilite = ::CreatePen(PS_SOLID, 1, GetGlobalData().clrBtnHilite);
    HPEN hpenDark = ::CreatePen(PS_SOLID, 1, GetGlobalData().clrBtnDkShadow);
    const int cx = rectArrow.CenterPoint().x;
    if (bIsUp)
    {
        const POINT lit[] = {{rectArrow.left, rectArrow.bottom},
                             {rectArrow.right, rectArrow.bottom},
                             {cx, rectArrow.top}};
        DrawPolyline(hdc, hpenHilite, lit, 3);
        const POINT dark[] = {{cx, rectArrow.top}, {rectArrow.left, rectArrow.bottom}};
        DrawPolyline(hdc, hpenDark, dark, 2);
    }
    else
    {
        const POINT lit[] = {{rectArrow.right, rectArrow.top}, {cx, rectArrow.bottom}};
        DrawPolyline(hdc, hpenHilite, lit, 2);
        const POINT dark[] = {{cx, rectArrow.bottom},
                              {rectArrow.left, rectArrow.top},
                              {rectArrow.right, rectArrow.top}};
        DrawPolyline(hdc, hpenDark, dark, 3);
    }
    ::DeleteObject(hpenHilite);
    ::DeleteObject(hpenDark);
}

void CTavoPVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea)
{
    FillBrush(pDC, rectWorkArea, ::GetSysColorBrush(COLOR_WINDOW));
}

CRect CTavoPVisualManager::GroupButtonRect(const CRect& rectCaption)
{
    CRect rect(rectCaption.right - 9, rectCaption.top + (rectCaption.Height() - 9) / 2,
               rectCaption.right, rectCaption.top + (rectCaption.Height() - 9) / 2 + 9);
    rect.left = std::max(rect.left, rectCaption.left);
    rect.top = std::max(rect.top, rectCaption.top);
    rect.bottom = std::min(rect.bottom, rectCaption.bottom);
    return rect;
}

void CTavoPVisualManager::DrawGroupName(CDC* pDC, CTavoPTasksGroup* pGroup, COLORREF clrText)
{
    HDC hdc = pDC->GetSafeHdc();
    const CString strName = pGroup->m_strName;
    CRect rect = pGroup->m_rectGroup;
    rect.left += m_nTasksMetrics[4];
    rect.top += m_nTasksMetrics[5];
    HGDIOBJ hOldFont = ::SelectObject(hdc, GetGlobalData().fontBold.GetSafeHandle());
    const int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
    const COLORREF clrOld = ::SetTextColor(hdc, clrText);
    RECT rc = rect;
    ::DrawTextA(hdc, strName, strName.GetLength(), &rc, DT_SINGLELINE);
    ::SetTextColor(hdc, clrOld);
    ::SetBkMode(hdc, nOldMode);
    ::SelectObject(hdc, hOldFont);
}

void CTavoPVisualManager::OnDrawTasksGroupCaption(CDC* pDC, CTavoPTasksGroup* pGroup,
                                                  BOOL bIsHighlighted, BOOL /*bIsSelected*/,
                                                  BOOL bCanCollapse)
{
    const CRect rectCaption = pGroup->m_rectGroup;
    const BOOL bSpecial = pGroup->m_bIsSpecial;
    FillSolid(pDC, rectCaption, bSpecial ? GetGlobalData().clrHilite : GetGlobalData().clrBtnFace);
    DrawGroupName(pDC, pGroup, ::GetSysColor(bSpecial ? COLOR_WINDOW : COLOR_WINDOWTEXT));

    if (!bCanCollapse || pGroup->m_strName.IsEmpty())
        return;
    const CRect rectButton = GroupButtonRect(rectCaption);
    if (bIsHighlighted)
        DrawFrame(pDC, rectButton, ::GetSysColor(COLOR_WINDOW), GetGlobalData().clrBtnShadow);
    DrawGlyph(pDC, pGroup->m_bIsCollapsed ? 0 : 7, rectButton, 0);
}

void CTavoPVisualManager::OnFillTasksGroupInterior(CDC* /*pDC*/, CRect /*rect*/, BOOL /*bSpecial*/)
{}

void CTavoPVisualManager::OnDrawTasksGroupBorder(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle)
{
    HDC hdc = pDC->GetSafeHdc();
    HPEN hPen =
        ::CreatePen(PS_SOLID, 1, bSpecial ? GetGlobalData().clrHilite : GetGlobalData().clrBtnFace);
    HGDIOBJ hOldPen = ::SelectObject(hdc, hPen);
    ::MoveToEx(hdc, rect.left, rect.top, NULL);
    ::LineTo(hdc, rect.left, rect.bottom - 1);
    ::LineTo(hdc, rect.right - 1, rect.bottom - 1);
    ::LineTo(hdc, rect.right - 1, rect.top);
    if (bNoTitle)
        ::LineTo(hdc, rect.left, rect.top);
    else
        ::LineTo(hdc, rect.right - 1, rect.top - 1);
    ::SelectObject(hdc, hOldPen);
    ::DeleteObject(hPen);
}

void CTavoPVisualManager::DrawTaskContent(CDC* pDC, CTavoPTask* pTask, CImageList* pImages,
                                          HFONT hFont, COLORREF clrText)
{
    HDC hdc = pDC->GetSafeHdc();
    CRect rect = pTask->m_rect;
    const int iIcon = pTask->m_nIcon;
    const HIMAGELIST hImages = pImages != NULL ? pImages->GetSafeHandle() : NULL;
    if (iIcon >= 0 && hImages != NULL && ::ImageList_GetImageCount(hImages) > 0)
    {
        int cx = 0, cy = 0;
        ::ImageList_GetIconSize(hImages, &cx, &cy);
        ::ImageList_Draw(hImages, iIcon, hdc, rect.left, rect.top, ILD_TRANSPARENT);
        rect.left += cx + m_nTasksMetrics[7];
    }
    const CString strName = pTask->m_strName;
    HGDIOBJ hOldFont = ::SelectObject(hdc, hFont);
    const int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
    const COLORREF clrOld =
        clrText != (COLORREF)-1 ? ::SetTextColor(hdc, clrText) : ::GetTextColor(hdc);
    RECT rc = rect;
    ::DrawTextA(hdc, strName, strName.GetLength(), &rc, DT_SINGLELINE | DT_VCENTER);
    ::SetTextColor(hdc, clrOld);
    ::SetBkMode(hdc, nOldMode);
    ::SelectObject(hdc, hOldFont);
}

void CTavoPVisualManager::OnDrawTask(CDC* pDC, CTavoPTask* pTask, CImageList* pImages,
                                     BOOL bIsHighlighted, BOOL /*bIsSelected*/)
{
    CFont& font = (pTask->m_bEnabled && bIsHighlighted) ? GetGlobalData().fontUnderline
                                                        : GetGlobalData().fontRegular;
    DrawTaskContent(pDC, pTask, pImages, (HFONT)font.GetSafeHandle(),
                    ::GetSysColor(COLOR_WINDOWTEXT));
}

int CTavoPVisualManager::GetMenuImageMargin() const
{
    return 2;
}

BOOL CTavoPVisualManager::IsClassicLook() const
{
    return TRUE;
}

COLORREF CTavoPVisualManager::GetHighlightedMenuItemTextColor(CTavoPToolbarButton* /*pButton*/)
{
    return GetGlobalData().clrTextHilite;
}

COLORREF CTavoPVisualManager::GetCaptionBarTextColor() const
{
    return ::GetSysColor(COLOR_WINDOW);
}

BOOL CTavoPVisualManager::OnFillPushButtonBackground(CTavoPButton* /*pButton*/, CDC* /*pDC*/,
                                                     const CRect& /*rect*/, COLORREF& /*clrText*/)
{
    return FALSE;
}

BOOL CTavoPVisualManager::PushButtonHook()
{
    return FALSE;
}

BOOL CTavoPVisualManager::OnDrawPushButtonBorder(CDC* /*pDC*/, const CRect& /*rect*/,
                                                 CTavoPButton* /*pButton*/, UINT /*uiState*/)
{
    return FALSE;
}
