#include "ui/foundation/CTavoPWinXPVisualManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPTask.h"
#include "ui/foundation/CTavoPTasksGroup.h"
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/bars/docking/CTavoPCaptionButton.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/commandbars/CTavoPToolbarComboBoxButton.h"
#include "ui/commandbars/CTavoPToolbarEditBoxButton.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/controls/CTavoPButton.h"
#include "framework/FrameworkWin.h"

#include <vsstyle.h>

IMPLEMENT_DYNCREATE(CTavoPWinXPVisualManager, CTavoPVisualManagerXP)

LPCSTR CTavoPWinXPVisualManager::m_lpszThemeLibrary = "UxTheme.dll";

CTavoPWinXPVisualManager::CTavoPWinXPVisualManager(BOOL bIsTemporary)
    : CTavoPVisualManagerXP(bIsTemporary), m_hThemeToolBar(NULL), m_hThemeRebar(NULL),
      m_hThemeButton(NULL), m_hThemeStatusBar(NULL), m_hThemeWindow(NULL), m_hThemeComboBox(NULL),
      m_hThemeProgress(NULL), m_hThemeHeader(NULL), m_hThemeScrollBar(NULL),
      m_hThemeExplorerBar(NULL), m_hThemeDLL(NULL), m_pfOpenThemeData(NULL),
      m_pfCloseThemeData(NULL), m_pfDrawThemeBackground(NULL), m_nReserved(0)
{
    m_hThemeDLL = ::LoadLibraryA(m_lpszThemeLibrary);
    if (m_hThemeDLL != NULL)
    {
        m_pfOpenThemeData = (OPENTHEMEDATA)(void*)::GetProcAddress(m_hThemeDLL, "OpenThemeData");
        m_pfCloseThemeData = (CLOSETHEMEDATA)(void*)::GetProcAddress(m_hThemeDLL, "CloseThemeData");
        m_pfDrawThemeBackground =
            (DRAWTHEMEBACKGROUND)(void*)::GetProcAddress(m_hThemeDLL, "DrawThemeBackground");
        CTavoPWinXPVisualManager::OnUpdateSystemColors();
    }
    static const int kMetrics[10] = {12, 12, 15, 25, 13, 7, 12, 5, 4, 1};
    for (int i = 0; i < 10; i++)
        m_nTasksMetrics[i] = kMetrics[i];
}

CTavoPWinXPVisualManager::~CTavoPWinXPVisualManager()
{
    if (m_hThemeDLL != NULL)
    {
        CloseThemes();
        ::FreeLibrary(m_hThemeDLL);
        m_hThemeDLL = NULL;
    }
}

BOOL CTavoPWinXPVisualManager::IsThemeAvailable()
{
    CTavoPWinXPVisualManager* pCurrent = DYNAMIC_DOWNCAST(CTavoPWinXPVisualManager, m_pVisManager);
    if (pCurrent != NULL)
        return pCurrent->m_hThemeWindow != NULL;

    CTavoPWinXPVisualManager probe(TRUE);
    return probe.m_hThemeWindow != NULL;
}

void CTavoPWinXPVisualManager::CloseThemes()
{
    HTHEME* const handles[] = {&m_hThemeToolBar,    &m_hThemeRebar,  &m_hThemeButton,
                               &m_hThemeStatusBar,  &m_hThemeWindow, &m_hThemeComboBox,
                               &m_hThemeProgress,   &m_hThemeHeader, &m_hThemeScrollBar,
                               &m_hThemeExplorerBar};
    for (HTHEME* ph : handles)
    {
        if (*ph != NULL && m_pfCloseThemeData != NULL)
            m_pfCloseThemeData(*ph);
        *ph = NULL;
    }
}

void CTavoPWinXPVisualManager::OnUpdateSystemColors()
{
    CTavoPVisualManagerXP::OnUpdateSystemColors();
    m_bIsButtonLook = TRUE;
    if (m_hThemeDLL == NULL)
        return;

    CloseThemes();
    if (m_pfOpenThemeData == NULL || m_pfCloseThemeData == NULL || m_pfDrawThemeBackground == NULL)
        return;

    CWnd* pMainWnd = AfxGetMainWnd();
    const HWND hwnd = pMainWnd != NULL ? pMainWnd->GetSafeHwnd() : NULL;
    m_hThemeToolBar = m_pfOpenThemeData(hwnd, L"TOOLBAR");
    m_hThemeButton = m_pfOpenThemeData(hwnd, L"BUTTON");
    m_hThemeStatusBar = m_pfOpenThemeData(hwnd, L"STATUS");
    m_hThemeWindow = m_pfOpenThemeData(hwnd, L"WINDOW");
    m_hThemeRebar = m_pfOpenThemeData(hwnd, L"REBAR");
    m_hThemeComboBox = m_pfOpenThemeData(hwnd, L"COMBOBOX");
    m_hThemeProgress = m_pfOpenThemeData(hwnd, L"PROGRESS");
    m_hThemeHeader = m_pfOpenThemeData(hwnd, L"HEADER");
    m_hThemeScrollBar = m_pfOpenThemeData(hwnd, L"SCROLLBAR");
    m_hThemeExplorerBar = m_pfOpenThemeData(hwnd, L"EXPLORERBAR");
    if (m_hThemeWindow != NULL)
        m_bIsButtonLook = FALSE;
}

void CTavoPWinXPVisualManager::DrawThemed(HTHEME hTheme, CDC* pDC, int nPart, int nState,
                                          const CRect& rect)
{
    RECT rc = rect;
    m_pfDrawThemeBackground(hTheme, pDC->GetSafeHdc(), nPart, nState, &rc, NULL);
}

void CTavoPWinXPVisualManager::OnFillBarBackground(CDC* pDC, CTavoPBaseControlBar* pBar,
                                                   CRect rectClient, CRect rectClip, BOOL bNCArea)
{
    if (m_hThemeWindow != NULL && pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar)))
    {
        FillBrush(pDC, rectClient, ::GetSysColorBrush(COLOR_MENU));
        return;
    }
    CTavoPVisualManagerXP::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
}

void CTavoPWinXPVisualManager::OnDrawMenuBorder(CDC* pDC, CTavoPPopupMenu* pMenu, CRect rect)
{
    if (m_hThemeWindow != NULL)
    {
        m_bConnectMenuToParent = FALSE;
        CTavoPVisualManager::OnDrawMenuBorder(pDC, pMenu, rect);
        return;
    }
    m_bConnectMenuToParent = TRUE;
    CTavoPVisualManagerXP::OnDrawMenuBorder(pDC, pMenu, rect);
}

void CTavoPWinXPVisualManager::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                                                CTavoPBaseControlBar* pBar)
{
    if (m_hThemeRebar == NULL)
    {
        CTavoPVisualManagerXP::OnDrawBarGripper(pDC, rectGripper, bHorz, pBar);
        return;
    }

    const BOOL bDocking = pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar));
    HDC hdc = pDC->GetSafeHdc();
    const COLORREF clrOldText = ::SetTextColor(hdc, GetGlobalData().clrBtnShadow);
    const COLORREF clrOldBk = ::SetBkColor(hdc, GetGlobalData().clrBtnFace);
    const BOOL bVertPart = bDocking ? bHorz : !bHorz;
    DrawThemed(m_hThemeRebar, pDC, bVertPart ? RP_GRIPPERVERT : RP_GRIPPER, 0, rectGripper);
    ::SetBkColor(hdc, clrOldBk);
    ::SetTextColor(hdc, clrOldText);

    if (bDocking)
    {
        // The title goes over the gripper as in the XP look.
        CRect rect = rectGripper;
        rect.left += 4;
        rect.right -= 4;
        DrawDockingBarTitle(pDC, rect, bHorz, pBar, GetGlobalData().clrBtnFace);
    }
}

void CTavoPWinXPVisualManager::OnDrawSeparator(CDC* pDC, CTavoPBaseControlBar* pBar, CRect rect,
                                               BOOL bIsHoriz)
{
    if (m_hThemeToolBar == NULL)
    {
        CTavoPVisualManagerXP::OnDrawSeparator(pDC, pBar, rect, bIsHoriz);
        return;
    }
    DrawThemed(m_hThemeToolBar, pDC, bIsHoriz ? TP_SEPARATOR : TP_SEPARATORVERT, 0, rect);
}

void CTavoPWinXPVisualManager::OnDrawCaptionButton(CDC* pDC, CTavoPCaptionButton* pButton,
                                                   BOOL bActive, BOOL bHorz, BOOL bMaximized,
                                                   BOOL bDisabled)
{
    if (m_hThemeButton == NULL)
    {
        CTavoPVisualManagerXP::OnDrawCaptionButton(pDC, pButton, bActive, bHorz, bMaximized,
                                                   bDisabled);
        return;
    }

    const CRect rect = pButton->GetRect();
    const BOOL bPushed = pButton->m_bPushed;
    const BOOL bHighlighted = pButton->m_bFocused;
    int nState = PBS_NORMAL;
    if (bDisabled)
        nState = PBS_DISABLED;
    else if (bHighlighted)
        nState = bPushed ? PBS_PRESSED : PBS_HOT;

    FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
    DrawThemed(m_hThemeButton, pDC, BP_PUSHBUTTON, nState, rect);

    // The glyph is drawn black on the themed button: as a plain, inactive, resting button.
    pButton->m_bPushed = FALSE;
    pButton->m_bFocused = FALSE;
    CTavoPVisualManagerXP::OnDrawCaptionButton(pDC, pButton, FALSE, bHorz, bMaximized, bDisabled);
    pButton->m_bPushed = bPushed;
    pButton->m_bFocused = bHighlighted;
}

void CTavoPWinXPVisualManager::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand,
                                                      UINT nStyle, BOOL bHighlight)
{
    if (m_hThemeWindow == NULL)
    {
        CTavoPVisualManagerXP::OnDrawMenuSystemButton(pDC, rect, uiSystemCommand, nStyle,
                                                      bHighlight);
        return;
    }

    int nPart;
    switch (uiSystemCommand)
    {
    case SC_MINIMIZE: nPart = WP_MDIMINBUTTON; break;
    case SC_CLOSE: nPart = WP_MDICLOSEBUTTON; break;
    case SC_RESTORE: nPart = WP_MDIRESTOREBUTTON; break;
    default: return;
    }
    int nState = 1;
    if (nStyle & TBBS_DISABLED)
        nState = 4;
    else if (bHighlight)
        nState = (nStyle & TBBS_PRESSED) ? 3 : 2;
    DrawThemed(m_hThemeWindow, pDC, nPart, nState, rect);
}

void CTavoPWinXPVisualManager::OnDrawStatusBarPaneBorder(CDC* pDC, CTavoPStatusBar* pBar,
                                                         CRect rectPane, UINT uiID, UINT nStyle)
{
    if (m_hThemeStatusBar == NULL)
    {
        CTavoPVisualManagerXP::OnDrawStatusBarPaneBorder(pDC, pBar, rectPane, uiID, nStyle);
        return;
    }
    DrawThemed(m_hThemeStatusBar, pDC, SP_PANE, 0, rectPane);
}

void CTavoPWinXPVisualManager::OnDrawStatusBarProgress(CDC* pDC, CTavoPStatusBar* pStatusBar,
                                                       CRect rectProgress, long nProgressTotal,
                                                       long nProgressCurr, COLORREF clrBar,
                                                       COLORREF clrProgressBarDest,
                                                       COLORREF clrProgressText, BOOL bProgressText)
{
    if (m_hThemeProgress == NULL)
    {
        CTavoPVisualManagerXP::OnDrawStatusBarProgress(
            pDC, pStatusBar, rectProgress, nProgressTotal, nProgressCurr, clrBar,
            clrProgressBarDest, clrProgressText, bProgressText);
        return;
    }

    DrawThemed(m_hThemeProgress, pDC, PP_BAR, 0, rectProgress);
    // A range below 1 has no done part and no percentage.
    if (nProgressTotal <= 0)
        return;

    const long nCurr =
        nProgressCurr < 0 ? 0 : (nProgressCurr > nProgressTotal ? nProgressTotal : nProgressCurr);
    CRect rectChunk = rectProgress;
    rectChunk.DeflateRect(3, 3);
    rectChunk.right = rectChunk.left + (int)((LONGLONG)rectChunk.Width() * nCurr / nProgressTotal);
    DrawThemed(m_hThemeProgress, pDC, PP_CHUNK, 0, rectChunk);

    if (bProgressText)
    {
        CString strText;
        strText.Format(_T("%d%%"), (int)((LONGLONG)nCurr * 100 / nProgressTotal));
        HDC hdc = pDC->GetSafeHdc();
        const COLORREF clrOld = ::SetTextColor(hdc, GetGlobalData().clrBtnText);
        const int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
        RECT rc = rectProgress;
        ::DrawTextA(hdc, strText, strText.GetLength(), &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::SetBkMode(hdc, nOldMode);
        ::SetTextColor(hdc, clrOld);
    }
}

void CTavoPWinXPVisualManager::OnDrawStatusBarSizeBox(CDC* pDC, CTavoPStatusBar* pStatBar,
                                                      CRect rectSizeBox)
{
    if (m_hThemeScrollBar == NULL)
    {
        CTavoPVisualManagerXP::OnDrawStatusBarSizeBox(pDC, pStatBar, rectSizeBox);
        return;
    }
    DrawThemed(m_hThemeScrollBar, pDC, SBP_SIZEBOX, 1, rectSizeBox);
}

void CTavoPWinXPVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled,
                                                     BOOL bIsDropped, BOOL bIsHighlighted,
                                                     CTavoPToolbarComboBoxButton* pButton)
{
    if (m_hThemeComboBox == NULL)
    {
        CTavoPVisualManagerXP::OnDrawComboDropButton(pDC, rect, bDisabled, bIsDropped,
                                                     bIsHighlighted, pButton);
        return;
    }
    const int nState = bDisabled ? 4 : (bIsDropped ? 3 : (bIsHighlighted ? 2 : 1));
    DrawThemed(m_hThemeComboBox, pDC, CP_DROPDOWNBUTTON, nState, rect);
}

void CTavoPWinXPVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled,
                                                 BOOL bIsDropped, BOOL bIsHighlighted,
                                                 CTavoPToolbarComboBoxButton* pButton)
{
    if (m_hThemeWindow == NULL)
    {
        CTavoPVisualManagerXP::OnDrawComboBorder(pDC, rect, bDisabled, bIsDropped, bIsHighlighted,
                                                 pButton);
        return;
    }
    if (bIsDropped || bIsHighlighted)
    {
        rect.DeflateRect(1, 1);
        const COLORREF clr = ::GetSysColor(COLOR_HIGHLIGHT);
        DrawFrame(pDC, rect, clr, clr);
    }
}

void CTavoPWinXPVisualManager::OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled,
                                                BOOL bIsHighlighted,
                                                CTavoPToolbarEditBoxButton* pButton)
{
    if (m_hThemeWindow == NULL)
    {
        CTavoPVisualManagerXP::OnDrawEditBorder(pDC, rect, bDisabled, bIsHighlighted, pButton);
        return;
    }
    if (bIsHighlighted)
    {
        const COLORREF clr = ::GetSysColor(COLOR_HIGHLIGHT);
        DrawFrame(pDC, rect, clr, clr);
    }
}

void CTavoPWinXPVisualManager::OnFillButtonInterior(CDC* pDC, CTavoPToolbarButton* pButton,
                                                    CRect rect, int state)
{
    if (m_hThemeToolBar == NULL)
    {
        CTavoPVisualManagerXP::OnFillButtonInterior(pDC, pButton, rect, state);
        return;
    }
    const UINT nStyle = pButton->m_nStyle;
    const BOOL bHot = state == TAVOP_BUTTON_HIGHLIGHTED;
    int nState;
    if (nStyle & TBBS_DISABLED)
        nState = TS_DISABLED;
    else if (nStyle & TBBS_CHECKED)
        nState = bHot ? TS_HOTCHECKED : TS_CHECKED;
    else if (nStyle & TBBS_PRESSED)
        nState = TS_PRESSED;
    else
        nState = bHot ? TS_HOT : TS_NORMAL;
    DrawThemed(m_hThemeToolBar, pDC, TP_BUTTON, nState, rect);
}

void CTavoPWinXPVisualManager::OnDrawButtonBorder(CDC* pDC, CTavoPToolbarButton* pButton,
                                                  CRect rect, int state)
{
    // The themed button includes its border.
    if (m_hThemeToolBar == NULL)
        CTavoPVisualManagerXP::OnDrawButtonBorder(pDC, pButton, rect, state);
}

void CTavoPWinXPVisualManager::OnHighlightMenuItem(CDC* pDC, CTavoPToolbarMenuButton* pButton,
                                                   CRect rect, COLORREF& clrText)
{
    if (m_hThemeWindow == NULL)
    {
        CTavoPVisualManagerXP::OnHighlightMenuItem(pDC, pButton, rect, clrText);
        return;
    }
    CTavoPVisualManager::OnHighlightMenuItem(pDC, pButton, rect, clrText);
}

COLORREF CTavoPWinXPVisualManager::OnFillCommandsListBackground(CDC* pDC, CRect rect,
                                                                BOOL bIsSelected)
{
    if (m_hThemeWindow == NULL)
        return CTavoPVisualManagerXP::OnFillCommandsListBackground(pDC, rect, bIsSelected);
    FillBrush(pDC, rect, ::GetSysColorBrush(COLOR_MENU));
    return ::GetSysColor(COLOR_MENUTEXT);
}

// Themed menus highlight with the selection brush, as the base look does.
COLORREF CTavoPWinXPVisualManager::GetHighlightedMenuItemTextColor(CTavoPToolbarButton* pButton)
{
    if (m_hThemeWindow == NULL)
        return CTavoPVisualManagerXP::GetHighlightedMenuItemTextColor(pButton);
    return CTavoPVisualManager::GetHighlightedMenuItemTextColor(pButton);
}

CSize CTavoPWinXPVisualManager::GetButtonExtraSize() const
{
    return m_hThemeWindow != NULL ? CSize(2, 2) : CSize(0, 0);
}

void CTavoPWinXPVisualManager::OnDrawHeaderItemBorder(CWnd* pHeader, CDC* pDC, CRect& rect,
                                                      BOOL bIsPressed, BOOL bIsHighlighted)
{
    if (m_hThemeHeader == NULL)
    {
        CTavoPVisualManagerXP::OnDrawHeaderItemBorder(pHeader, pDC, rect, bIsPressed,
                                                      bIsHighlighted);
        return;
    }
    DrawThemed(m_hThemeHeader, pDC, HP_HEADERITEM, bIsPressed ? 3 : (bIsHighlighted ? 2 : 1), rect);
}

void CTavoPWinXPVisualManager::OnDrawHeaderSortArrow(CWnd* pHeader, CDC* pDC, CRect rectArrow,
                                                     BOOL bIsUp)
{
    if (m_hThemeHeader == NULL)
    {
        CTavoPVisualManagerXP::OnDrawHeaderSortArrow(pHeader, pDC, rectArrow, bIsUp);
        return;
    }
    HDC hdc = pDC->GetSafeHdc();
    HBRUSH hbr = ::CreateSolidBrush(GetGlobalData().clrBtnShadow);
    HGDIOBJ hOldBrush = ::SelectObject(hdc, hbr);
    HGDIOBJ hOldPen = ::SelectObject(hdc, ::GetStockObject(NULL_PEN));
    const int cx = rectArrow.CenterPoint().x;
    POINT pts[3];
    if (bIsUp)
    {
        pts[0] = {rectArrow.left, rectArrow.bottom};
        pts[1] = {cx, rectArrow.top};
        pts[2] = {rectArrow.right, rectArrow.bottom};
    }
    else
    {
        pts[0] = {rectArrow.left, rectArrow.top};
        pts[1] = {cx, rectArrow.bottom};
        pts[2] = {rectArrow.right, rectArrow.top};
    }
    ::Polygon(hdc, pts, 3);
    ::SelectObject(hdc, hOldPen);
    ::SelectObject(hdc, hOldBrush);
    ::DeleteObject(hbr);
}

void CTavoPWinXPVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea)
{
    if (m_hThemeExplorerBar == NULL)
    {
        CTavoPVisualManagerXP::OnFillTasksPaneBackground(pDC, rectWorkArea);
        return;
    }
    DrawThemed(m_hThemeExplorerBar, pDC, EBP_HEADERBACKGROUND, 0, rectWorkArea);
}

void CTavoPWinXPVisualManager::OnDrawTasksGroupCaption(CDC* pDC, CTavoPTasksGroup* pGroup,
                                                       BOOL bIsHighlighted, BOOL bIsSelected,
                                                       BOOL bCanCollapse)
{
    if (m_hThemeExplorerBar == NULL)
    {
        CTavoPVisualManagerXP::OnDrawTasksGroupCaption(pDC, pGroup, bIsHighlighted, bIsSelected,
                                                       bCanCollapse);
        return;
    }
    const BOOL bSpecial = pGroup->m_bIsSpecial;
    const CRect rectCaption = pGroup->m_rectGroup;
    DrawThemed(m_hThemeExplorerBar, pDC, bSpecial ? EBP_SPECIALGROUPHEAD : EBP_NORMALGROUPHEAD, 0,
               rectCaption);
    DrawGroupName(pDC, pGroup, bSpecial ? ::GetSysColor(COLOR_WINDOW) : GetGlobalData().clrHilite);

    if (!bCanCollapse || pGroup->m_strName.IsEmpty())
        return;
    int nPart;
    if (bSpecial)
        nPart = pGroup->m_bIsCollapsed ? EBP_SPECIALGROUPEXPAND : EBP_SPECIALGROUPCOLLAPSE;
    else
        nPart = pGroup->m_bIsCollapsed ? EBP_NORMALGROUPEXPAND : EBP_NORMALGROUPCOLLAPSE;
    DrawThemed(m_hThemeExplorerBar, pDC, nPart, bIsHighlighted ? 2 : 1,
               GroupButtonRect(rectCaption));
}

void CTavoPWinXPVisualManager::OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial)
{
    if (m_hThemeExplorerBar == NULL)
    {
        CTavoPVisualManagerXP::OnFillTasksGroupInterior(pDC, rect, bSpecial);
        return;
    }
    DrawThemed(m_hThemeExplorerBar, pDC,
               bSpecial ? EBP_SPECIALGROUPBACKGROUND : EBP_NORMALGROUPBACKGROUND, 0, rect);
}

// The themed task-pane border and tasks also fall back to the XP look without themes, so that the
// look without themes is the XP look in every operation.
void CTavoPWinXPVisualManager::OnDrawTasksGroupBorder(CDC* pDC, CRect rect, BOOL bSpecial,
                                                      BOOL bNoTitle)
{
    if (m_hThemeExplorerBar == NULL)
    {
        CTavoPVisualManagerXP::OnDrawTasksGroupBorder(pDC, rect, bSpecial, bNoTitle);
        return;
    }
    if (bNoTitle)
        FillSolid(pDC, CRect(rect.left, rect.top, rect.right, rect.top + 1),
                  bSpecial ? GetGlobalData().clrHilite : ::GetSysColor(COLOR_WINDOW));
}

void CTavoPWinXPVisualManager::OnDrawTask(CDC* pDC, CTavoPTask* pTask, CImageList* pImages,
                                          BOOL bIsHighlighted, BOOL bIsSelected)
{
    if (m_hThemeExplorerBar == NULL)
    {
        CTavoPVisualManagerXP::OnDrawTask(pDC, pTask, pImages, bIsHighlighted, bIsSelected);
        return;
    }
    if (!pTask->m_bEnabled)
    {
        DrawTaskContent(pDC, pTask, pImages, (HFONT)GetGlobalData().fontRegular.GetSafeHandle(),
                        ::GetSysColor(COLOR_WINDOWTEXT));
        return;
    }
    CFont& font = bIsHighlighted ? GetGlobalData().fontUnderline : GetGlobalData().fontRegular;
    DrawTaskContent(pDC, pTask, pImages, (HFONT)font.GetSafeHandle(), GetGlobalData().clrHilite);
}

BOOL CTavoPWinXPVisualManager::OnFillPushButtonBackground(CTavoPButton* pButton, CDC* pDC,
                                                          const CRect& rect, COLORREF& clrText)
{
    if (m_hThemeButton == NULL)
    {
        FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
        clrText = GetGlobalData().clrBtnText;
        return TRUE;
    }
    CRect rectFill = rect;
    rectFill.InflateRect(1, 1);
    FillBrush(pDC, rectFill, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
    int nState = PBS_NORMAL;
    if (pButton->IsHighlighted())
        nState = pButton->IsPushed() ? PBS_PRESSED : PBS_HOT;
    DrawThemed(m_hThemeButton, pDC, BP_PUSHBUTTON, nState, rectFill);
    return TRUE;
}

BOOL CTavoPWinXPVisualManager::PushButtonHook()
{
    return TRUE;
}

BOOL CTavoPWinXPVisualManager::OnDrawPushButtonBorder(CDC* pDC, const CRect& rect,
                                                      CTavoPButton* pButton, UINT /*uiState*/)
{
    if (m_hThemeButton == NULL)
        return FALSE;

    HWND hwnd = pButton->GetSafeHwnd();
    const BOOL bChecked = hwnd != NULL && ::SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    int nState = PBS_NORMAL;
    if (hwnd != NULL && !::IsWindowEnabled(hwnd))
        nState = PBS_DISABLED;
    else if ((pButton->IsPushed() && pButton->IsHighlighted()) || bChecked)
        nState = PBS_PRESSED;
    else if (pButton->IsHighlighted())
        nState = PBS_HOT;

    FillBrush(pDC, rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
    DrawThemed(m_hThemeButton, pDC, BP_PUSHBUTTON, nState, rect);
    return TRUE;
}
