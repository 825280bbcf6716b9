#include "ui/foundation/CTavoPVisualManagerXP.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPTask.h"
#include "ui/foundation/CTavoPTasksGroup.h"
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/bars/docking/CTavoPAutoHideDockBar.h"
#include "ui/bars/docking/CTavoPCaptionButton.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/commandbars/CTavoPToolbarComboBoxButton.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/controls/CTavoPButton.h"
#include "ui/controls/color/CTavoPColorBar.h"
#include "ui/controls/outlook/CTavoPOutlookBarPane.h"
#include "ui/controls/outlook/CTavoPOutlookButton.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CTavoPVisualManagerXP, CTavoPVisualManager)

CTavoPVisualManagerXP::CTavoPVisualManagerXP(BOOL bIsTemporary)
    : CTavoPVisualManager(bIsTemporary), m_brGripperHorz(NULL), m_brGripperVert(NULL),
      m_clrBarBkgnd(0), m_brBarBkgnd(NULL), m_clrMenuLight(0), m_brMenuLight(NULL),
      m_clrInactiveTabText(0), m_brTabBack(NULL), m_clrHighlight(0), m_brHighlight(NULL),
      m_clrHighlightDn(0), m_brHighlightDn(NULL), m_clrHighlightChecked(0),
      m_brHighlightChecked(NULL), m_clrGripper(0), m_penSeparator(NULL), m_clrPaneBorder(0),
      m_clrMenuBorder(0), m_clrMenuItemBorder(0), m_brFloatToolBarBorder(NULL),
      m_bConnectMenuToParent(TRUE), m_clrSeparator(0), m_clrBarLight(0), m_clrDarkBrush(0)
{
    m_bLook2000 = TRUE;
    m_nMenuShadowDepth = 4;
    m_bMenuFlatLook = TRUE;
    m_bIsButtonLook = TRUE;
    m_bEmbossDisabledImage = FALSE;
    m_nMenuLook = 1;
    static const int kMetrics[10] = {4, 4, 4, 0, 0, 0, 12, 5, 4, 0};
    std::copy(kMetrics, kMetrics + 10, m_nTasksMetrics);

    CTavoPVisualManagerXP::OnUpdateSystemColors();
}

CTavoPVisualManagerXP::~CTavoPVisualManagerXP()
{
    DeleteColorObjects();
    if (m_brGripperHorz != NULL)
        ::DeleteObject(m_brGripperHorz);
    if (m_brGripperVert != NULL)
        ::DeleteObject(m_brGripperVert);
}

static void DeleteGdi(HBRUSH& h)
{
    if (h != NULL)
        ::DeleteObject(h);
    h = NULL;
}

void CTavoPVisualManagerXP::DeleteColorObjects()
{
    DeleteGdi(m_brBarBkgnd);
    DeleteGdi(m_brMenuLight);
    DeleteGdi(m_brTabBack);
    DeleteGdi(m_brHighlight);
    DeleteGdi(m_brHighlightDn);
    DeleteGdi(m_brHighlightChecked);
    DeleteGdi(m_brFloatToolBarBorder);
    if (m_penSeparator != NULL)
        ::DeleteObject(m_penSeparator);
    m_penSeparator = NULL;
}

void CTavoPVisualManagerXP::CreatePatternBrushes()
{
    if (m_brGripperHorz == NULL)
    {
        // Rows alternately all set and all clear; monochrome rows are word aligned.
        static const WORD kHorz[8] = {0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00};
        HBITMAP hbmp = ::CreateBitmap(8, 8, 1, 1, kHorz);
        m_brGripperHorz = ::CreatePatternBrush(hbmp);
        ::DeleteObject(hbmp);
    }
    if (m_brGripperVert == NULL)
    {
        static const WORD kVert[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
        HBITMAP hbmp = ::CreateBitmap(8, 8, 1, 1, kVert);
        m_brGripperVert = ::CreatePatternBrush(hbmp);
        ::DeleteObject(hbmp);
    }
}

void CTavoPVisualManagerXP::OnUpdateSystemColors()
{
    DeleteColorObjects();

    const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW);
    const COLORREF clrSelection = ::GetSysColor(COLOR_HIGHLIGHT);
    COLORREF clrLightBar;

    if (GetGlobalData().m_nBitsPerPixel > 8)
    {
        double H = 0, S = 0, L = 0;
        CTavoPDrawManager::RgbToHsl(GetGlobalData().clrBtnFace, &H, &S, &L);

        m_clrMenuLight = CTavoPDrawManager::ScaleColorByFactors(clrWindow, 0.976, 0.973, 0.969);
        m_clrBarBkgnd = CTavoPDrawManager::HlsToRgb(H, std::min(1.0, L * 1.03), S);
        if (S < 0.1)
            clrLightBar = CTavoPDrawManager::HlsToRgb(H, std::min(1.0, L + (1.0 - L) * 0.5),
                                                      S == 0 ? 0 : std::min(1.0, S + 0.1));
        else
            clrLightBar = CTavoPDrawManager::HlsToRgb(H, std::min(1.0, (L + 1.0) * 0.5),
                                                      std::min(1.0, 2 * S));
        m_clrInactiveTabText = CTavoPDrawManager::HlsToRgb(H, L * 0.4, S);

        const COLORREF clrMix = RGB((GetRValue(clrSelection) + 2 * GetRValue(m_clrMenuLight)) / 3,
                                    (GetGValue(clrSelection) + 2 * GetGValue(m_clrMenuLight)) / 3,
                                    (GetBValue(clrSelection) + 2 * GetBValue(m_clrMenuLight)) / 3);
        m_clrHighlight = CTavoPDrawManager::ScaleColor(clrMix, 110);
        m_clrHighlightDn = CTavoPDrawManager::ScaleColorByFactors(m_clrHighlight, 0.87, 0.87, 0.87);
        const COLORREF clrChecked =
            RGB((GetRValue(clrSelection) + 5 * GetRValue(m_clrMenuLight)) / 6,
                (GetGValue(clrSelection) + 5 * GetGValue(m_clrMenuLight)) / 6,
                (GetBValue(clrSelection) + 5 * GetBValue(m_clrMenuLight)) / 6);
        m_clrHighlightChecked = CTavoPDrawManager::ScaleColor(clrChecked, 100);
        m_clrSeparator =
            CTavoPDrawManager::ScaleColorByFactors(GetGlobalData().clrBtnFace, 0.86, 0.86, 0.86);
        m_clrPaneBorder = GetGlobalData().clrBtnShadow;
        m_clrMenuBorder = CTavoPDrawManager::ScaleColor(GetGlobalData().clrBtnFace, 55);
        m_clrDarkBrush =
            CTavoPDrawManager::ScaleColorByFactors(GetGlobalData().clrBtnShadow, 0.85, 0.85, 0.85);
        m_clrGripper = CTavoPDrawManager::ScaleColor(GetGlobalData().clrBtnShadow, 110);
    }
    else
    {
        m_clrMenuLight = clrWindow;
        m_clrHighlightChecked = clrWindow;
        m_clrBarBkgnd = GetGlobalData().clrBtnFace;
        clrLightBar = GetGlobalData().clrBtnFace;
        m_clrHighlight = GetGlobalData().clrBtnFace;
        m_clrHighlightDn = GetGlobalData().clrBtnFace;
        m_clrInactiveTabText = GetGlobalData().clrBtnDkShadow;
        m_clrMenuBorder = GetGlobalData().clrBtnDkShadow;
        m_clrSeparator = GetGlobalData().clrBtnShadow;
        m_clrGripper = GetGlobalData().clrBtnShadow;
        m_clrPaneBorder = GetGlobalData().clrBtnShadow;
        m_clrDarkBrush = GetGlobalData().clrBtnShadow;
    }
    m_clrBarLight = clrLightBar;
    m_clrMenuItemBorder = clrSelection;

    m_brBarBkgnd = ::CreateSolidBrush(m_clrBarBkgnd);
    m_brMenuLight = ::CreateSolidBrush(m_clrMenuLight);
    m_brTabBack = ::CreateSolidBrush(m_clrBarLight);
    m_brHighlight = ::CreateSolidBrush(m_clrHighlight);
    m_brHighlightDn = ::CreateSolidBrush(m_clrHighlightDn);
    m_brHighlightChecked = ::CreateSolidBrush(m_clrHighlightChecked);
    m_brFloatToolBarBorder = ::CreateSolidBrush(m_clrDarkBrush);
    m_penSeparator = ::CreatePen(PS_SOLID, 1, m_clrSeparator);
}

COLORREF CTavoPVisualManagerXP::GetHotTextOnFill() const
{
    return (GetRValue(m_clrHighlight) > 128 && GetGValue(m_clrHighlight) > 128 &&
            GetBValue(m_clrHighlight) > 128)
               ? RGB(0, 0, 0)
               : RGB(255, 255, 255);
}

void CTavoPVisualManagerXP::FillPattern(CDC* pDC, const CRect& rect, HBRUSH hbrPattern,
                                        COLORREF clrFore, COLORREF clrBack)
{
    // A monochrome pattern paints its clear bits in the text colour and its set bits in the background colour.
    HDC hdc = pDC->GetSafeHdc();
    const COLORREF clrOldText = ::SetTextColor(hdc, clrFore);
    const COLORREF clrOldBk = ::SetBkColor(hdc, clrBack);
    FillBrush(pDC, rect, hbrPattern);
    ::SetTextColor(hdc, clrOldText);
    ::SetBkColor(hdc, clrOldBk);
}

void CTavoPVisualManagerXP::ExtendRectTowardPopup(CTavoPToolbarMenuButton* pButton, CRect& rect)
{
    CTavoPPopupMenu* pPopup = pButton != NULL ? pButton->GetPopupMenu() : NULL;
    if (pPopup == NULL)
        return;
    switch (pPopup->GetDropDirection())
    {
    case CTavoPPopupMenu::DROP_DOWN: rect.bottom += 4; break;
    case CTavoPPopupMenu::DROP_UP: rect.top -= 4; break;
    case CTavoPPopupMenu::DROP_RIGHT: rect.right += 4; break;
    case CTavoPPopupMenu::DROP_LEFT: rect.left -= 4; break;
    default: break;
    }
}

void CTavoPVisualManagerXP::OnFillBarBackground(CDC* pDC, CTavoPBaseControlBar* pBar,
                                                CRect rectClient, CRect rectClip, BOOL bNCArea)
{
    if (rectClip.IsRectEmpty())
        rectClip = rectClient;

    if (pBar == NULL)
    {
        CTavoPVisualManager::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
        return;
    }
    if (pBar->IsKindOf(RUNTIME_CLASS(CTavoPMenuBar)) ||
        (pBar->IsKindOf(RUNTIME_CLASS(CTavoPOutlookBarPane)) &&
         static_cast<CTavoPOutlookBarPane*>(pBar)->HasBackgroundImage()))
    {
        CTavoPVisualManager::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
        return;
    }
    if (pBar->IsKindOf(RUNTIME_CLASS(CTavoPColorBar)))
    {
        FillBrush(pDC, rectClip,
                  static_cast<CTavoPColorBar*>(pBar)->IsStandalone() ? m_brBarBkgnd
                                                                     : m_brMenuLight);
        return;
    }
    if (pBar->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar)))
    {
        FillBrush(pDC, rectClip, m_brMenuLight);
        if (!static_cast<CTavoPPopupMenuBar*>(pBar)->IsImageColumnHidden())
        {
            CRect rectImages = rectClient;
            rectImages.right = rectImages.left + CTavoPToolBar::GetMenuImageSize().cx +
                               2 * GetMenuImageMargin() + 1;
            FillBrush(pDC, rectImages, m_brBarBkgnd);
        }
        return;
    }
    if (pBar->IsKindOf(RUNTIME_CLASS(CTavoPToolBar)))
    {
        FillBrush(pDC, rectClip, m_brBarBkgnd);
        return;
    }
    if (pBar->IsKindOf(RUNTIME_CLASS(CTavoPAutoHideDockBar)))
    {
        FillBrush(pDC, rectClip, m_brTabBack);
        return;
    }
    CTavoPVisualManager::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
}

void CTavoPVisualManagerXP::OnDrawBarBorder(CDC* pDC, CTavoPBaseControlBar* pBar, CRect& rect)
{
    DrawBarBorderLines(pDC, pBar, rect, GetGlobalData().clrBtnFace, GetGlobalData().clrBtnFace,
                       FALSE);
}

void CTavoPVisualManagerXP::OnDrawMenuBorder(CDC* pDC, CTavoPPopupMenu* pMenu, CRect rect)
{
    const CRect rectOuter = rect;
    DrawFrame(pDC, rect, m_clrMenuBorder, m_clrMenuBorder);
    rect.DeflateRect(1, 1);
    DrawFrame(pDC, rect, m_clrMenuLight, m_clrMenuLight);
    // The image column reaches the border.
    FillBrush(
        pDC, CRect(rectOuter.left + 1, rectOuter.top + 1, rectOuter.left + 2, rectOuter.bottom - 1),
        m_brBarBkgnd);

    if (CTavoPToolBar::IsCustomizeMode() || !m_bConnectMenuToParent || pMenu == NULL)
        return;
    CTavoPToolbarMenuButton* pButton = pMenu->GetParentButton();
    if (pButton == NULL || pMenu->GetParentPopupMenu() != NULL || !pButton->IsBorderJoined())
        return;

    const CRect rectButton = pButton->Rect();
    const int l = rectOuter.left, t = rectOuter.top, r = rectOuter.right, b = rectOuter.bottom;
    CRect rectJoin;
    switch (pMenu->GetDropDirection())
    {
    case CTavoPPopupMenu::DROP_DOWN:
        rectJoin = CRect(l + 1, t, l + rectButton.Width() - 2, t + 1);
        break;
    case CTavoPPopupMenu::DROP_UP:
        rectJoin = CRect(l + 1, b - 1, l + rectButton.Width() - 2, b);
        break;
    case CTavoPPopupMenu::DROP_RIGHT:
        rectJoin = CRect(l, t + 1, l + 1, t + rectButton.Height() - 2);
        break;
    case CTavoPPopupMenu::DROP_LEFT:
        rectJoin = CRect(r - 1, t + 1, r, t + rectButton.Height() - 2);
        break;
    default: return;
    }
    FillBrush(pDC, rectJoin, m_brBarBkgnd);
}

void CTavoPVisualManagerXP::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                                             CTavoPBaseControlBar* pBar)
{
    CreatePatternBrushes();

    const BOOL bDocking = pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar));
    const BOOL bMenuBar = pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPMenuBar));
    const COLORREF clrBack = (bDocking || bMenuBar) ? GetGlobalData().clrBtnFace : m_clrBarBkgnd;

    if (bDocking)
    {
        rectGripper.left += 4;
        rectGripper.right -= 4;
        FillPattern(pDC, rectGripper, bHorz ? m_brGripperVert : m_brGripperHorz, m_clrGripper,
                    clrBack);
        DrawDockingBarTitle(pDC, rectGripper, bHorz, pBar, clrBack);
        return;
    }

    CRect rectStrip = rectGripper;
    HBRUSH hbr;
    if (bHorz)
    {
        rectStrip.left = (rectGripper.left + rectGripper.right) / 2 - 1;
        rectStrip.right = rectStrip.left + 3;
        rectStrip.DeflateRect(0, 5);
        hbr = m_brGripperHorz;
    }
    else
    {
        rectStrip.top = (rectGripper.top + rectGripper.bottom) / 2 - 1;
        rectStrip.bottom = rectStrip.top + 3;
        rectStrip.DeflateRect(5, 0);
        hbr = m_brGripperVert;
    }
    FillPattern(pDC, rectStrip, hbr, m_clrGripper, clrBack);
}

void CTavoPVisualManagerXP::DrawDockingBarTitle(CDC* pDC, const CRect& rect, BOOL bHorz,
                                                CTavoPBaseControlBar* pBar, COLORREF clrBack)
{
    HWND hwnd = pBar->GetSafeHwnd();
    char szText[256] = "";
    if (hwnd != NULL)
        ::GetWindowTextA(hwnd, szText, sizeof(szText));
    CString strText;
    strText.Format(_T(" %s "), szText);

    HDC hdc = pDC->GetSafeHdc();
    const COLORREF clrOldText = ::SetTextColor(hdc, GetGlobalData().clrBtnText);
    const COLORREF clrOldBk = ::SetBkColor(hdc, clrBack);
    const int nOldMode = ::SetBkMode(hdc, OPAQUE);
    if (!bHorz)
    {
        HGDIOBJ hOldFont = ::SelectObject(hdc, GetGlobalData().fontRegular.GetSafeHandle());
        RECT rc = rect;
        ::DrawTextA(hdc, strText, strText.GetLength(), &rc, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        ::SelectObject(hdc, hOldFont);
    }
    else
    {
        HGDIOBJ hOldFont = ::SelectObject(hdc, GetGlobalData().fontVert.GetSafeHandle());
        TEXTMETRICA tm;
        ::GetTextMetricsA(hdc, &tm);
        RECT rc = rect;
        rc.left = rect.right - (rect.Width() - tm.tmHeight + 1) / 2;
        ::DrawTextA(hdc, strText, strText.GetLength(), &rc, DT_SINGLELINE | DT_NOCLIP);
        ::SelectObject(hdc, hOldFont);
    }
    ::SetBkMode(hdc, nOldMode);
    ::SetBkColor(hdc, clrOldBk);
    ::SetTextColor(hdc, clrOldText);
}

void CTavoPVisualManagerXP::OnDrawSeparator(CDC* pDC, CTavoPBaseControlBar* pBar, CRect rect,
                                            BOOL bIsHoriz)
{
    HDC hdc = pDC->GetSafeHdc();
    HGDIOBJ hOldPen = ::SelectObject(hdc, m_penSeparator);
    if (bIsHoriz)
    {
        const int x = (rect.left + rect.right) / 2;
        ::MoveToEx(hdc, x, rect.top, NULL);
        ::LineTo(hdc, x, rect.bottom - 1);
    }
    else
    {
        const int y = (rect.top + rect.bottom) / 2;
        int xLeft = rect.left, xRight = rect.right;
        if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar)) &&
            !pBar->IsKindOf(RUNTIME_CLASS(CTavoPColorBar)))
        {
            xLeft = rect.left + GetMenuImageMargin() + CTavoPToolBar::GetMenuImageSize().cx + 1;
            RECT rcClient;
            HWND hwnd = pBar->GetSafeHwnd();
            if (hwnd != NULL && ::GetClientRect(hwnd, &rcClient))
                xRight = rcClient.right;
        }
        ::MoveToEx(hdc, xLeft, y, NULL);
        ::LineTo(hdc, xRight, y);
    }
    ::SelectObject(hdc, hOldPen);
}

COLORREF CTavoPVisualManagerXP::OnFillBarCaption(CDC* pDC, CTavoPBaseControlBar* /*pBar*/,
                                                 BOOL bActive, CRect rectCaption)
{
    HDC hdc = pDC->GetSafeHdc();
    HPEN hPen = ::CreatePen(PS_SOLID, 1,
                            bActive ? GetGlobalData().clrBtnLight : GetGlobalData().clrBtnShadow);
    HGDIOBJ hOldPen = ::SelectObject(hdc, hPen);
    HGDIOBJ hOldBrush =
        ::SelectObject(hdc, ::GetSysColorBrush(bActive ? COLOR_ACTIVECAPTION : COLOR_BTNFACE));
    if (bActive)
        rectCaption.InflateRect(1, 0);
    ::RoundRect(hdc, rectCaption.left, rectCaption.top, rectCaption.right, rectCaption.bottom, 2,
                2);
    ::SelectObject(hdc, hOldBrush);
    ::SelectObject(hdc, hOldPen);
    ::DeleteObject(hPen);
    return ::GetSysColor(bActive ? COLOR_CAPTIONTEXT : COLOR_BTNTEXT);
}

void CTavoPVisualManagerXP::OnDrawCaptionButton(CDC* pDC, CTavoPCaptionButton* pButton,
                                                BOOL bActive, BOOL bHorz, BOOL bMaximized,
                                                BOOL bDisabled)
{
    const CRect rect = pButton->GetRect();
    const BOOL bPushed = pButton->m_bPushed;
    const BOOL bHighlighted = pButton->m_bFocused;

    int nColorSet;
    if (bPushed && bHighlighted)
    {
        FillBrush(pDC, rect, m_brHighlightDn);
        nColorSet = 3;
    }
    else if (bPushed || bHighlighted)
    {
        FillBrush(pDC, rect, m_brHighlight);
        nColorSet = 0;
    }
    else
        nColorSet = bActive ? 3 : 0;
    if (bDisabled)
        nColorSet = 1;

    int nGlyph = -1;
    switch (pButton->GetKind())
    {
    case HTMINBUTTON: nGlyph = bHorz ? (bMaximized ? 9 : 1) : (bMaximized ? 0 : 7); break;
    case HTMAXBUTTON: nGlyph = bMaximized ? 15 : 16; break;
    case 19:
    case HTCLOSE: nGlyph = 5; break;
    }
    DrawGlyph(pDC, nGlyph, rect, nColorSet);

    if (bPushed || bHighlighted || nGlyph < 0)
        DrawFrame(pDC, rect, GetGlobalData().clrBtnDkShadow, GetGlobalData().clrBtnDkShadow);
}

void CTavoPVisualManagerXP::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand,
                                                   UINT nStyle, BOOL bHighlight)
{
    int nGlyph;
    switch (uiSystemCommand)
    {
    case SC_MINIMIZE: nGlyph = 3; break;
    case SC_CLOSE: nGlyph = 5; break;
    case SC_RESTORE: nGlyph = 4; break;
    default: return;
    }
    const BOOL bDisabled = (nStyle & TBBS_DISABLED) != 0;
    if (bHighlight && !bDisabled)
    {
        FillBrush(pDC, rect, (nStyle & TBBS_PRESSED) ? m_brHighlightDn : m_brHighlight);
        DrawFrame(pDC, rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
    }
    DrawGlyph(pDC, nGlyph, rect, bDisabled ? 1 : (bHighlight ? 3 : 0));
}

void CTavoPVisualManagerXP::OnDrawStatusBarPaneBorder(CDC* pDC, CTavoPStatusBar* /*pBar*/,
                                                      CRect rectPane, UINT /*uiID*/, UINT nStyle)
{
    if (nStyle & SBPS_NOBORDERS)
        return;
    if (nStyle & SBPS_POPOUT)
    {
        CTavoPDrawManager dm(*pDC);
        dm.HighlightRect(rectPane);
    }
    DrawFrame(pDC, rectPane, m_clrPaneBorder, m_clrPaneBorder);
}

void CTavoPVisualManagerXP::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled,
                                                  BOOL bIsDropped, BOOL bIsHighlighted,
                                                  CTavoPToolbarComboBoxButton* /*pButton*/)
{
    if (bIsDropped || bIsHighlighted)
    {
        FillBrush(pDC, rect, bIsDropped ? m_brHighlightDn : m_brHighlight);
        FillSolid(pDC, CRect(rect.left, rect.top, rect.left + 1, rect.bottom), m_clrMenuItemBorder);
    }
    else
    {
        FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
        DrawFrame(pDC, rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnHilite);
    }
    DrawGlyph(pDC, 0, rect, bDisabled ? 1 : ((bIsDropped && bIsHighlighted) ? 3 : 0), CPoint(1, 1));
}

void CTavoPVisualManagerXP::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL /*bDisabled*/,
                                              BOOL bIsDropped, BOOL bIsHighlighted,
                                              CTavoPToolbarComboBoxButton* /*pButton*/)
{
    if (!bIsDropped && !bIsHighlighted)
        return;
    rect.DeflateRect(1, 1);
    DrawFrame(pDC, rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
}

void CTavoPVisualManagerXP::OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive)
{
    CreatePatternBrushes();
    FillBrush(pDC, rect, m_brMenuLight);
    rect.DeflateRect(1, 1);
    FillBrush(pDC, rect, bIsActive ? m_brHighlight : m_brBarBkgnd);

    const int nWidth = std::max(20, 2 * (int)CTavoPToolBar::GetMenuImageSize().cx);
    CRect rectStrip = rect;
    rectStrip.left = rect.left + (rect.Width() - nWidth) / 2;
    rectStrip.right = rectStrip.left + nWidth;
    rectStrip.DeflateRect(0, bIsActive ? 2 : 1);
    FillPattern(pDC, rectStrip, m_brGripperHorz,
                bIsActive ? GetGlobalData().clrBtnDkShadow : GetGlobalData().clrBtnShadow,
                bIsActive ? m_clrHighlight : m_clrBarBkgnd);

    if (bIsActive)
        DrawFrame(pDC, rect, GetGlobalData().clrBtnDkShadow, GetGlobalData().clrBtnDkShadow);
}

// The menu button, when the button is one, and whether it sits on a popup menu bar.
static CTavoPToolbarMenuButton* AsMenuButton(CTavoPToolbarButton* pButton, BOOL& bOnPopup)
{
    CTavoPToolbarMenuButton* pMenuButton =
        pButton != NULL && pButton->IsKindOf(RUNTIME_CLASS(CTavoPToolbarMenuButton))
            ? static_cast<CTavoPToolbarMenuButton*>(pButton)
            : NULL;
    CWnd* pParent = pMenuButton != NULL ? pMenuButton->GetParentWnd() : NULL;
    bOnPopup = pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar));
    return pMenuButton;
}

// Fills and frames of a hot or pressed button leave out the last row and column, except a hot item
// of a popup menu.
static CTavoPToolbarMenuButton* TrimButtonRect(CTavoPToolbarButton* pButton, CRect& rect, int state,
                                               BOOL& bOnPopup)
{
    CTavoPToolbarMenuButton* pMenuButton = AsMenuButton(pButton, bOnPopup);
    if (!(pMenuButton != NULL && bOnPopup) || state == TAVOP_BUTTON_PRESSED)
    {
        rect.right--;
        rect.bottom--;
    }
    return pMenuButton;
}

void CTavoPVisualManagerXP::OnFillButtonInterior(CDC* pDC, CTavoPToolbarButton* pButton, CRect rect,
                                                 int state)
{
    if ((state != TAVOP_BUTTON_PRESSED && state != TAVOP_BUTTON_HIGHLIGHTED) ||
        CTavoPToolBar::IsCustomizeMode())
        return;

    BOOL bOnPopup;
    CTavoPToolbarMenuButton* pMenuButton = TrimButtonRect(pButton, rect, state, bOnPopup);

    const UINT nStyle = pButton->m_nStyle;
    HBRUSH hbr = ((nStyle & TBBS_PRESSED) && !bOnPopup) ? m_brHighlightDn : m_brHighlight;
    if (pMenuButton != NULL && !bOnPopup && pMenuButton->IsDroppedDown())
    {
        ExtendRectTowardPopup(pMenuButton, rect);
        hbr = m_brBarBkgnd;
    }
    if (nStyle & TBBS_CHECKED)
        hbr = state == TAVOP_BUTTON_HIGHLIGHTED ? m_brHighlightDn : m_brHighlightChecked;
    if (pMenuButton != NULL && (nStyle & TBBS_DISABLED))
        hbr = m_brMenuLight;
    if (!(nStyle & TBBS_CHECKED))
        rect.DeflateRect(1, 1);
    FillBrush(pDC, rect, hbr);
}

void CTavoPVisualManagerXP::OnDrawButtonBorder(CDC* pDC, CTavoPToolbarButton* pButton, CRect rect,
                                               int state)
{
    if (state != TAVOP_BUTTON_PRESSED && state != TAVOP_BUTTON_HIGHLIGHTED)
        return;

    BOOL bOnPopup;
    CTavoPToolbarMenuButton* pMenuButton = TrimButtonRect(pButton, rect, state, bOnPopup);

    COLORREF clr = m_clrMenuItemBorder;
    CTavoPPopupMenu* pPopup = pMenuButton != NULL ? pMenuButton->GetPopupMenu() : NULL;
    if (pMenuButton != NULL && !bOnPopup && pPopup != NULL && pPopup->GetSafeHwnd() != NULL &&
        ::IsWindowVisible(pPopup->GetSafeHwnd()))
    {
        clr = m_clrMenuBorder;
        ExtendRectTowardPopup(pMenuButton, rect);
        if (CTavoPPopupMenu::m_bMenuShadows && !CTavoPToolBar::IsCustomizeMode() &&
            GetGlobalData().m_nBitsPerPixel > 8)
        {
            CTavoPDrawManager dm(*pDC);
            dm.DrawShadow(rect, 4, 100, 75, NULL, NULL);
        }
    }
    if ((pButton->m_nStyle & TBBS_CHECKED) && bOnPopup)
        rect.bottom++;
    DrawFrame(pDC, rect, clr, clr);
}

void CTavoPVisualManagerXP::OnHighlightMenuItem(CDC* pDC, CTavoPToolbarMenuButton* pButton,
                                                CRect rect, COLORREF& clrText)
{
    const UINT nStyle = pButton != NULL ? pButton->m_nStyle : 0;
    const BOOL bDisabled = (nStyle & TBBS_DISABLED) != 0;
    HBRUSH hbr = bDisabled ? m_brMenuLight : m_brHighlight;
    FillBrush(pDC, rect, hbr);
    DrawFrame(pDC, rect, m_clrMenuItemBorder, m_clrMenuItemBorder);

    BOOL bOnPopup;
    const BOOL bMenuButton = AsMenuButton(pButton, bOnPopup) != NULL;
    const int nMargin = GetMenuImageMargin();
    if (bMenuButton && bOnPopup && rect.left >= nMargin)
    {
        CRect rectJoin(CTavoPToolBar::GetMenuImageSize().cx + 2 * nMargin - 1 +
                           ((nStyle & TBBS_CHECKED) ? 1 : 0),
                       rect.top, rect.left + 1, rect.bottom);
        if (rectJoin.Width() > 0)
        {
            DrawFrame(pDC, rectJoin, m_clrMenuItemBorder, m_clrMenuItemBorder);
            rectJoin.DeflateRect(0, 1);
            FillBrush(pDC, rectJoin, hbr);
        }
    }

    clrText = GetHighlightedMenuItemTextColor(pButton);
}

void CTavoPVisualManagerXP::OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed)
{
    CRect rectImages = rectRarelyUsed;
    rectImages.left = rectRarelyUsed.left - 1;
    rectImages.right =
        rectRarelyUsed.left + CTavoPToolBar::GetMenuImageSize().cx + 2 * GetMenuImageMargin() + 1;
    CTavoPDrawManager dm(*pDC);
    dm.HighlightRect(rectImages, 94);
}

COLORREF CTavoPVisualManagerXP::GetToolbarButtonTextColor(CTavoPToolbarButton* pButton, int state)
{
    const UINT nStyle = pButton->m_nStyle;
    if (pButton->IsKindOf(RUNTIME_CLASS(CTavoPOutlookButton)))
    {
        const BOOL bDisabled = (nStyle & TBBS_DISABLED) ||
                               (CTavoPToolBar::IsCustomizeMode() && !pButton->CanBeCustomized());
        return bDisabled ? GetGlobalData().clrGrayedText : GetGlobalData().clrBtnText;
    }
    if (state == TAVOP_BUTTON_HIGHLIGHTED && (nStyle & (TBBS_CHECKED | TBBS_PRESSED)))
        return ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    return CTavoPVisualManager::GetToolbarButtonTextColor(pButton, state);
}

void CTavoPVisualManagerXP::OnEraseTabsArea(CDC* pDC, CRect rect, CTavoPBaseTabWnd* pTabWnd)
{
    if (pTabWnd->IsFlatTab())
        CTavoPVisualManager::OnEraseTabsArea(pDC, rect, pTabWnd);
    else
        FillBrush(pDC, rect, m_brTabBack);
}

static void Line(HDC hdc, int x1, int y1, int x2, int y2)
{
    ::MoveToEx(hdc, x1, y1, NULL);
    ::LineTo(hdc, x2, y2);
}

void CTavoPVisualManagerXP::OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                      CTavoPBaseTabWnd* pTabWnd)
{
    if (pTabWnd->IsFlatTab())
    {
        CTavoPVisualManager::OnDrawTab(pDC, rectTab, iTab, bIsActive, pTabWnd);
        return;
    }

    HDC hdc = pDC->GetSafeHdc();
    HPEN hpenShadow = ::CreatePen(PS_SOLID, 1, GetGlobalData().clrBtnShadow);
    HPEN hpenText = ::CreatePen(PS_SOLID, 1, GetGlobalData().clrBtnText);
    HPEN hpenHilite = ::CreatePen(PS_SOLID, 1, GetGlobalData().clrBtnHilite);
    HGDIOBJ hOldPen = ::SelectObject(hdc, hpenShadow);

    const int l = rectTab.left, t = rectTab.top, r = rectTab.right, b = rectTab.bottom;
    if (iTab + 1 != pTabWnd->GetActiveTab())
        Line(hdc, r - 1, t + 3, r - 1, b - 3);

    if (bIsActive)
    {
        CRect rectFill = rectTab;
        if (pTabWnd->GetLocation() == CTavoPBaseTabWnd::LOCATION_TOP)
        {
            rectFill.left++;
            rectFill.bottom++;
        }
        else
            rectFill.top -= pTabWnd->GetActiveTabRise();
        FillBrush(pDC, rectFill, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());

        if (pTabWnd->GetLocation() == CTavoPBaseTabWnd::LOCATION_TOP)
        {
            ::SelectObject(hdc, hpenText);
            Line(hdc, r, b, r, t - 1);
            ::SelectObject(hdc, hpenHilite);
            Line(hdc, r - 1, t, l, t);
            Line(hdc, l, t, l, b);
        }
        else
        {
            ::SelectObject(hdc, hpenText);
            Line(hdc, r, t, r, b);
            Line(hdc, r, b, l, b);
            ::SelectObject(hdc, hpenHilite);
            Line(hdc, l, b, l, t);
        }
    }
    ::SelectObject(hdc, hOldPen);
    ::DeleteObject(hpenShadow);
    ::DeleteObject(hpenText);
    ::DeleteObject(hpenHilite);

    const COLORREF clrOld =
        ::SetTextColor(hdc, bIsActive ? GetGlobalData().clrBtnText : m_clrInactiveTabText);
    DrawTabImageAndLabel(pDC, rectTab, iTab, bIsActive, pTabWnd);
    ::SetTextColor(hdc, clrOld);
}

void CTavoPVisualManagerXP::OnEraseTabsButton(CDC* pDC, CRect rect, CTavoPButton* pButton,
                                              CTavoPBaseTabWnd* pTabWnd)
{
    if (!pTabWnd->IsFlatTab())
    {
        FillBrush(pDC, rect, m_brTabBack);
        return;
    }
    if (pButton->IsHighlighted())
        FillBrush(pDC, rect, pButton->IsPushed() ? m_brHighlightDn : m_brHighlight);
    else
        FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
}

void CTavoPVisualManagerXP::OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, CTavoPButton* pButton,
                                                   UINT /*uiState*/, CTavoPBaseTabWnd* pTabWnd)
{
    const BOOL bPushed = pButton->IsPushed(), bHighlighted = pButton->IsHighlighted();
    if (!pTabWnd->IsFlatTab())
    {
        if (bPushed && bHighlighted)
            DrawFrame(pDC, rect, GetGlobalData().clrBtnDkShadow, m_clrGripper);
        else if (bPushed || bHighlighted)
            DrawFrame(pDC, rect, m_clrGripper, GetGlobalData().clrBtnDkShadow);
    }
    else if (bPushed || bHighlighted)
        DrawFrame(pDC, rect, GetGlobalData().clrBtnDkShadow, GetGlobalData().clrBtnDkShadow);
}

COLORREF CTavoPVisualManagerXP::OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected)
{
    if (bIsSelected)
    {
        rect.left = 0;
        FillBrush(pDC, rect, m_brHighlight);
        return GetHotTextOnFill();
    }
    FillBrush(pDC, rect, m_brMenuLight);
    CRect rectImages = rect;
    rectImages.right = rect.left + CTavoPToolBar::GetMenuImageSize().cx + GetMenuImageMargin() + 2;
    FillBrush(pDC, rectImages, m_brBarBkgnd);
    return GetGlobalData().clrBtnText;
}

COLORREF CTavoPVisualManagerXP::OnFillMiniFrameCaption(CDC* pDC, CRect rectCaption,
                                                       CTavoPMiniFrameWnd* pFrameWnd, BOOL bActive)
{
    CWnd* pBar = pFrameWnd != NULL ? pFrameWnd->GetControlBar() : NULL;
    if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPBaseToolBar)))
    {
        FillBrush(pDC, rectCaption, m_brFloatToolBarBorder);
        return ::GetSysColor(COLOR_CAPTIONTEXT);
    }
    return CTavoPVisualManager::OnFillMiniFrameCaption(pDC, rectCaption, pFrameWnd, bActive);
}

// The four bands of a frame border, each as thick as the matching side of the border size.
static void FillBorderBands(CDC* pDC, const CRect& r, const CRect& size, HBRUSH hbr, int nShorten)
{
    CTavoPVisualManager::FillBrush(
        pDC, CRect(r.left, r.top + nShorten, r.left + size.left, r.bottom - nShorten), hbr);
    CTavoPVisualManager::FillBrush(
        pDC, CRect(r.left + nShorten, r.top, r.right - nShorten, r.top + size.top), hbr);
    CTavoPVisualManager::FillBrush(
        pDC, CRect(r.right - size.right, r.top + nShorten, r.right, r.bottom - nShorten), hbr);
    CTavoPVisualManager::FillBrush(
        pDC, CRect(r.left + nShorten, r.bottom - size.bottom, r.right - nShorten, r.bottom), hbr);
}

void CTavoPVisualManagerXP::OnDrawMiniFrameBorder(CDC* pDC, CTavoPMiniFrameWnd* /*pFrameWnd*/,
                                                  CRect rectBorder, CRect rectBorderSize)
{
    FillBorderBands(pDC, rectBorder, rectBorderSize, m_brFloatToolBarBorder, 0);
    rectBorder.DeflateRect(2, 2);
    rectBorderSize =
        CRect(std::max(0L, rectBorderSize.left - 2), std::max(0L, rectBorderSize.top - 2),
              std::max(0L, rectBorderSize.right - 2), std::max(0L, rectBorderSize.bottom - 2));
    FillBorderBands(pDC, rectBorder, rectBorderSize,
                    (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle(), 1);
}

void CTavoPVisualManagerXP::OnDrawTasksGroupCaption(CDC* pDC, CTavoPTasksGroup* pGroup,
                                                    BOOL bIsHighlighted, BOOL /*bIsSelected*/,
                                                    BOOL bCanCollapse)
{
    DrawGroupName(pDC, pGroup, ::GetSysColor(COLOR_WINDOWTEXT));
    if (!bCanCollapse || pGroup->m_strName.IsEmpty())
        return;

    const CRect rectButton = GroupButtonRect(pGroup->m_rectGroup);
    if (bIsHighlighted)
    {
        HDC hdc = pDC->GetSafeHdc();
        HPEN hPen = ::CreatePen(PS_SOLID, 1, GetGlobalData().clrHilite);
        HGDIOBJ hOldPen = ::SelectObject(hdc, hPen);
        HGDIOBJ hOldBrush = ::SelectObject(hdc, m_brHighlight);
        ::Rectangle(hdc, rectButton.left, rectButton.top, rectButton.right, rectButton.bottom);
        ::SelectObject(hdc, hOldBrush);
        ::SelectObject(hdc, hOldPen);
        ::DeleteObject(hPen);
    }
    DrawGlyph(pDC, pGroup->m_bIsCollapsed ? 0 : 7, rectButton, 0);
}

void CTavoPVisualManagerXP::OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL /*bSpecial*/)
{
    FillSolid(pDC, CRect(rect.left, rect.top, rect.right, rect.top + 1),
              GetGlobalData().clrBtnShadow);
}

void CTavoPVisualManagerXP::OnDrawTasksGroupBorder(CDC* /*pDC*/, CRect /*rect*/, BOOL /*bSpecial*/,
                                                   BOOL /*bNoTitle*/)
{}

void CTavoPVisualManagerXP::OnDrawTask(CDC* pDC, CTavoPTask* pTask, CImageList* pImages,
                                       BOOL bIsHighlighted, BOOL /*bIsSelected*/)
{
    if (!pTask->m_bEnabled)
    {
        DrawTaskContent(pDC, pTask, pImages, (HFONT)GetGlobalData().fontRegular.GetSafeHandle(),
                        (COLORREF)-1);
        return;
    }
    CFont& font = bIsHighlighted ? GetGlobalData().fontUnderline : GetGlobalData().fontRegular;
    DrawTaskContent(pDC, pTask, pImages, (HFONT)font.GetSafeHandle(), GetGlobalData().clrHotText);
}

COLORREF CTavoPVisualManagerXP::GetHighlightedMenuItemTextColor(CTavoPToolbarButton* pButton)
{
    if (pButton != NULL && (pButton->m_nStyle & TBBS_DISABLED))
        return GetGlobalData().clrGrayedText;
    return GetHotTextOnFill();
}

int CTavoPVisualManagerXP::GetMenuImageMargin() const
{
    return 3;
}

BOOL CTavoPVisualManagerXP::IsClassicLook() const
{
    return FALSE;
}
