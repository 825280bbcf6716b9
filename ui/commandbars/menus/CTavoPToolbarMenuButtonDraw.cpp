// The drawing of a menu button: as a toolbar button with its drop-down arrow, as a menu item, and as a row of the commands list.
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "ui/foundation/CTavoPVisualManager.h"

namespace {

// The length of the text without its last character: a double-byte character goes whole, so
// that a shortened label never ends in a stray lead byte.
int LengthBeforeLastCharacter(const CString& str)
{
    const char* const pszStart = str;
    const char* pszLast = pszStart;
    for (const char* p = pszStart; *p != 0; p = ::CharNextA(p))
        pszLast = p;
    return (int)(pszLast - pszStart);
}

} // namespace

CString CTavoPToolbarMenuButton::FitMenuLabel(CDC* pDC, CString strLabel, int nWidth)
{
    auto width = [pDC](const CString& str) {
        CRect rectCalc(0, 0, 0, 0);
        pDC->DrawText(str, rectCalc, DT_SINGLELINE | DT_CALCRECT);
        return rectCalc.Width();
    };
    if (width(strLabel) <= nWidth)
        return strLabel;
    while (!strLabel.IsEmpty())
    {
        strLabel = strLabel.Left(LengthBeforeLastCharacter(strLabel));
        if (width(strLabel + _T("...")) <= nWidth)
            break;
    }
    return strLabel + _T("...");
}

void CTavoPToolbarMenuButton::OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                                     BOOL bHorz, BOOL bCustomizeMode, BOOL bHighlight,
                                     BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    if (m_bMenuMode)
    {
        DrawAsMenuItem(pDC, rect, pImages, bCustomizeMode, bHighlight, bGrayDisabledButtons);
        return;
    }

    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    bHighlight = bHighlight || IsDroppedDown();
    pVisManager->OnFillButtonInterior(pDC, this, rect,
                                      bHighlight ? TAVOP_BUTTON_HIGHLIGHTED : TAVOP_BUTTON_NORMAL);

    const int m = CTavoPToolBar::IsLargeIcons() ? 2 : 1;
    const CSize sizeGlyph(CTavoPMenuGlyphImages::Size().cx * m,
                          CTavoPMenuGlyphImages::Size().cy * m);
    const int nMargin = pVisManager->GetMenuImageMargin();
    CRect rectParent = rect;
    if (bHorz)
        rectParent.DeflateRect(nMargin, 0);
    else
        rectParent.DeflateRect(0, nMargin);

    CRect rectArrow = rect;
    const CSize sizeExtra = pVisManager->GetButtonExtraSize();
    const BOOL bExtra = IsOnPlainToolBar() && (sizeExtra.cx != 0 || sizeExtra.cy != 0);
    if (m_bDrawDownArrow)
    {
        if (bExtra)
            rectArrow.DeflateRect(sizeExtra.cx / 2, sizeExtra.cy / 2);
        if (bHorz)
        {
            rectParent.right -= sizeGlyph.cx + 2;
            rectArrow.left = rectParent.right - 1;
            if (bExtra)
                rectArrow.OffsetRect(-sizeExtra.cx / 2, -sizeExtra.cy / 2);
        }
        else
        {
            rectParent.bottom -= sizeGlyph.cy + 2;
            rectArrow.top = rectParent.bottom - 1;
        }
    }

    const UINT uiStyleSaved = m_nStyle;
    if (pVisManager->IsMenuFlatLook())
        m_nStyle &= ~(TBBS_CHECKED | TBBS_PRESSED);
    else if (IsSplit() && m_bClickedOnArrow)
        m_nStyle &= ~TBBS_PRESSED;
    else if (m_pPopupMenu != nullptr)
        m_nStyle |= TBBS_PRESSED;
    const UINT uiDrawStyle = m_nStyle;

    const BOOL bDisableFillSaved = m_bDisableFill;
    m_bDisableFill = TRUE;
    CTavoPToolbarButton::OnDraw(pDC, rectParent, pImages, bHorz, bCustomizeMode, bHighlight, FALSE,
                                bGrayDisabledButtons);
    m_bDisableFill = bDisableFillSaved;
    m_nStyle = uiStyleSaved;

    const BOOL bPressedLook = (uiDrawStyle & (TBBS_PRESSED | TBBS_CHECKED)) != 0;
    if (m_bDrawDownArrow)
    {
        if (bPressedLook)
            rectArrow.OffsetRect(1, 1);
        if ((bHighlight || bPressedLook || m_pPopupMenu != nullptr) && IsSplit() &&
            !(pVisManager->IsMenuFlatLook() && m_pPopupMenu != nullptr))
        {
            CRect rectDivider = rectArrow;
            if (bHorz)
                rectDivider.right = rectDivider.left + 2;
            else
                rectDivider.bottom = rectDivider.top + 2;
            pVisManager->OnDrawButtonBorder(pDC, this, rectDivider,
                                            (bHighlight || bPressedLook) ? TAVOP_BUTTON_PRESSED
                                                                         : TAVOP_BUTTON_NORMAL);
        }
        const BOOL bDisabled =
            bCustomizeMode ? !CanBeCustomized() : (m_nStyle & TBBS_DISABLED) != 0;
        CTavoPMenuGlyphImages::Draw(
            pDC,
            (m_bHorzLayout && !m_bMenuOnly) ? CTavoPMenuGlyphImages::IdArowDown
                                            : CTavoPMenuGlyphImages::IdArowRight,
            rectArrow,
            bDisabled ? CTavoPMenuGlyphImages::ImageGray : CTavoPMenuGlyphImages::ImageBlack,
            sizeGlyph);
    }

    if (bCustomizeMode || !bDrawBorder)
        return;
    if (bPressedLook || m_pPopupMenu != nullptr)
    {
        if (IsSplit() && m_bClickedOnArrow && !pVisManager->IsMenuFlatLook())
        {
            pVisManager->OnDrawButtonBorder(pDC, this, rectParent, TAVOP_BUTTON_HIGHLIGHTED);
            CRect rectArrowBorder = rectArrow;
            rectArrowBorder.right--;
            rectArrowBorder.bottom--;
            pVisManager->OnDrawButtonBorder(pDC, this, rectArrowBorder, TAVOP_BUTTON_PRESSED);
        }
        else
            pVisManager->OnDrawButtonBorder(pDC, this, rect, TAVOP_BUTTON_PRESSED);
    }
    else if (bHighlight && !(m_nStyle & (TBBS_CHECKED | TBBS_DISABLED | TBBS_INDETERMINATE)))
        pVisManager->OnDrawButtonBorder(pDC, this, rect, TAVOP_BUTTON_HIGHLIGHTED);
}

void CTavoPToolbarMenuButton::DrawAsMenuItem(CDC* pDC, const CRect& rect,
                                             CTavoPToolbarImageList* pImages, BOOL bCustomizeMode,
                                             BOOL bHighlight, BOOL bGrayDisabledButtons)
{
    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    CTavoPGlobalData& globalData = GetGlobalData();
    const int nMargin = pVisManager->GetMenuImageMargin();
    const CSize sizeImage = CTavoPToolBar::GetMenuImageSize();
    const CSize sizeGlyph = CTavoPMenuGlyphImages::Size();

    const BOOL bDisabled = bCustomizeMode ? !CanBeCustomized() : (m_nStyle & TBBS_DISABLED) != 0;
    if (m_pPopupMenu != nullptr && !m_bToBeClosed)
        bHighlight = TRUE;

    CFont* pOldFont = nullptr;
    CTavoPPopupMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CTavoPPopupMenuBar, m_pWndParent);
    if (m_nID != 0 && m_nID != (UINT)-1 && !m_bMenuOnly && pMenuBar != nullptr &&
        pMenuBar->GetDefaultMenuId() == m_nID)
        pOldFont = pDC->SelectObject(&globalData.fontBold);

    CRect rectImage(rect.left + nMargin - 1, rect.top + 1,
                    rect.left + 2 * nMargin + sizeImage.cx + 1, rect.bottom - 1);

    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rect);
    pVisManager->OnFillButtonInterior(pDC, this, rect,
                                      bHighlight ? TAVOP_BUTTON_HIGHLIGHTED : TAVOP_BUTTON_NORMAL);

    BOOL bImageDrawn = FALSE;
    const BOOL bChecked = (m_nStyle & TBBS_CHECKED) != 0;
    if (!GetCommandManager()->IsMenuItemWithoutImage(m_nID))
    {
        if (!m_bImage || GetImage() == -1)
        {
            if (m_iUserImage != -1)
            {
                m_bImage = TRUE;
                m_bUserButton = TRUE;
            }
            else if (m_iImage != -1)
            {
                m_bImage = TRUE;
                m_bUserButton = FALSE;
            }
        }
        CTavoPUserTool* pTool = nullptr;
        if (m_bImage && !m_bUserButton && GetWorkspace() != nullptr &&
            GetWorkspace()->m_pUserToolsManager != nullptr)
            pTool = GetWorkspace()->m_pUserToolsManager->FindTool(m_nID);
        if (pTool != nullptr)
        {
            pTool->DrawToolIcon(pDC, rectImage);
            bImageDrawn = TRUE;
        }
        else if (m_bImage && GetImage() >= 0 && pImages != nullptr)
        {
            const CSize sizeList = pImages->GetImageSize();
            int x = rectImage.left + (rectImage.Width() - sizeList.cx) / 2;
            int y = rectImage.top + (rectImage.Height() - sizeList.cy) / 2;
            if (bChecked && !pVisManager->IsShadowHighlightedImage())
            {
                x++;
                y++;
            }
            if (bHighlight && !bCustomizeMode && !bChecked && !bDisabled &&
                pVisManager->IsShadowHighlightedImage())
            {
                pImages->Draw(pDC, x, y, GetImage(), FALSE, FALSE, FALSE, TRUE);
                x--;
                y--;
            }
            pImages->Draw(pDC, x, y, GetImage(), FALSE,
                          bDisabled && bGrayDisabledButtons && !bCustomizeMode);
            bImageDrawn = TRUE;
        }
    }

    BOOL bGlyphDrawn = FALSE;
    if (bChecked)
    {
        if (!bImageDrawn)
            CTavoPMenuGlyphImages::Draw(
                pDC, m_bIsRadio ? CTavoPMenuGlyphImages::IdRadio : CTavoPMenuGlyphImages::IdCheck,
                rectImage,
                bDisabled ? CTavoPMenuGlyphImages::ImageGray : CTavoPMenuGlyphImages::ImageBlack);
        pVisManager->OnDrawButtonBorder(pDC, this, rectImage, TAVOP_BUTTON_PRESSED);
    }
    else if (bHighlight && bImageDrawn)
        pVisManager->OnDrawButtonBorder(pDC, this, rectImage, TAVOP_BUTTON_HIGHLIGHTED);
    else if (!bImageDrawn)
    {
        int nGlyph = -1;
        switch (m_nID)
        {
        case SC_MINIMIZE: nGlyph = CTavoPMenuGlyphImages::IdMinimize; break;
        case SC_MAXIMIZE: nGlyph = CTavoPMenuGlyphImages::IdMaximize; break;
        case SC_CLOSE: nGlyph = CTavoPMenuGlyphImages::IdClose; break;
        case SC_RESTORE: nGlyph = CTavoPMenuGlyphImages::IdRestore; break;
        }
        if (nGlyph != -1)
        {
            CRect rectGlyph = rectImage;
            rectGlyph.DeflateRect(nMargin, nMargin);
            CTavoPMenuGlyphImages::Draw(pDC, (CTavoPMenuGlyphImages::IMAGES_IDS)nGlyph, rectGlyph,
                                        bDisabled ? CTavoPMenuGlyphImages::ImageGray
                                                  : CTavoPMenuGlyphImages::ImageBlack);
            if (bHighlight)
                pVisManager->OnDrawButtonBorder(pDC, this, rectImage, TAVOP_BUTTON_HIGHLIGHTED);
            bGlyphDrawn = TRUE;
        }
    }

    CRect rectText = rect;
    rectText.left = rectImage.right + nMargin + 5;
    COLORREF clrText;
    if (bHighlight)
    {
        CRect rectHighlight(rectImage.left, rectImage.top, rect.right - 1, rectImage.bottom);
        if (bChecked || bImageDrawn || bGlyphDrawn)
            rectHighlight.left = rectImage.right + nMargin + 1;
        clrText = bDisabled ? globalData.clrBtnFace : globalData.clrTextHilite;
        pVisManager->OnHighlightMenuItem(pDC, this, rectHighlight, clrText);
    }
    else
        clrText = bDisabled ? globalData.clrGrayedText : globalData.clrBtnText;

    CString strLabel = m_strText;
    CString strShortcut;
    const int iTab = strLabel.Find('\t');
    if (iTab >= 0)
    {
        strShortcut = strLabel.Mid(iTab + 1);
        strLabel = strLabel.Left(iTab);
    }
    if (m_nReserved == 0)
        strLabel = FitMenuLabel(pDC, strLabel, rectText.Width());

    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->GetTextColor();
    CRect rectShortcut = rectText;
    rectShortcut.right = rect.right - sizeGlyph.cx - 3;
    const BOOL bEmboss = bDisabled && !bHighlight;
    if (bEmboss)
    {
        pDC->SetTextColor(globalData.clrBtnHilite);
        CRect rectShifted = rectText;
        rectShifted.OffsetRect(1, 1);
        pDC->DrawText(strLabel, rectShifted, DT_SINGLELINE | DT_VCENTER);
        if (!strShortcut.IsEmpty())
        {
            CRect rectShortcutShifted = rectShortcut;
            rectShortcutShifted.OffsetRect(1, 1);
            pDC->DrawText(strShortcut, rectShortcutShifted, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        }
    }
    pDC->SetTextColor(clrText);
    pDC->DrawText(strLabel, rectText, DT_SINGLELINE | DT_VCENTER);
    if (!strShortcut.IsEmpty())
        pDC->DrawText(strShortcut, rectShortcut, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);

    if (m_nID == (UINT)-1 || m_bDrawDownArrow || m_bMenuOnly)
    {
        CFont* pFontBefore = pDC->SelectObject(&globalData.fontMarlett);
        CRect rectArrow = rect;
        pDC->DrawText(_T("4"), rectArrow, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        pDC->SelectObject(pFontBefore);
    }

    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->RestoreDC(nSaved);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

int CTavoPToolbarMenuButton::DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    const int nWidth = CTavoPToolbarButton::DrawInCommandList(pDC, rect, bSelected);
    if (m_nID != 0 && m_listCommands.IsEmpty())
        return nWidth;
    const CSize sizeGlyph = CTavoPMenuGlyphImages::Size();
    CRect rectGlyph(rect.right - sizeGlyph.cx, rect.top, rect.right, rect.bottom);
    CTavoPMenuGlyphImages::Draw(pDC, CTavoPMenuGlyphImages::IdArowRight, rectGlyph,
                                bSelected ? CTavoPMenuGlyphImages::ImageWhite
                                          : CTavoPMenuGlyphImages::ImageBlack);
    CTavoPGlobalData& globalData = GetGlobalData();
    const int x = rect.right - sizeGlyph.cx - 3;
    pDC->FillSolidRect(x, rect.top + 2, 1, rect.Height() - 4, globalData.clrBtnShadow);
    pDC->FillSolidRect(x + 1, rect.top + 2, 1, rect.Height() - 4, globalData.clrBtnHilite);
    return nWidth;
}
