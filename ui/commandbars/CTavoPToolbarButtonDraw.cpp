// The size and the drawing of a toolbar button.
#include <algorithm>
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPVisualManager.h"

SIZE CTavoPToolbarButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    if (m_nStyle & TBBS_SEPARATOR)
    {
        const int nWidth = m_iImage < 1 ? 8 : m_iImage;
        return bHorz ? CSize(nWidth, sizeDefault.cy) : CSize(sizeDefault.cx, 8);
    }

    CSize size = sizeDefault;
    if (!m_bImage || GetImage() < 0)
    {
        const CSize sizeExtra = CTavoPVisualManager::GetInstance()->GetButtonExtraSize();
        if (bHorz)
            size.cx = m_bExtraSize ? sizeExtra.cx : 0;
        else
            size.cy = m_bExtraSize ? sizeExtra.cy : 0;
    }

    m_nTextWidth = 0;
    m_nTextHeight = 0;
    if (m_strText.IsEmpty())
        return size;

    if (m_bTextBelow && bHorz)
    {
        CRect rectText(0, 0, sizeDefault.cx * 3, sizeDefault.cy);
        UINT uiFormat = DT_CALCRECT | DT_CENTER;
        if (GetGlobalData().m_bWrapTextBelowImages)
            uiFormat |= DT_WORDBREAK;
        pDC->DrawText(m_strText, rectText, uiFormat);
        m_nTextWidth = rectText.Width() + 6;
        m_nTextHeight = rectText.Height();
        size.cy += m_nTextHeight + 1;
        size.cx = std::max((int)size.cx, m_nTextWidth) + 12;
    }
    else if (m_bText)
    {
        const CSize sizeText = pDC->GetTextExtent(StripMnemonic(m_strText));
        if (bHorz)
            size.cx += sizeText.cx + 9;
        else
            size.cy += sizeText.cx + 9;
    }
    return size;
}

int CTavoPToolbarButton::GetFillState(BOOL bCustomizeMode, BOOL bHighlight) const
{
    if (bCustomizeMode)
        return TAVOP_BUTTON_NORMAL;
    if (bHighlight)
        return TAVOP_BUTTON_HIGHLIGHTED;
    return (m_nStyle & (TBBS_CHECKED | TBBS_PRESSED)) ? TAVOP_BUTTON_PRESSED : TAVOP_BUTTON_NORMAL;
}

void CTavoPToolbarButton::OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                                 BOOL bHorz, BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                 BOOL bGrayDisabledButtons)
{
    m_bHorz = bHorz;
    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    const BOOL bPressedLook = (m_nStyle & (TBBS_CHECKED | TBBS_PRESSED)) != 0;

    if (!m_bDisableFill)
        pVisManager->OnFillButtonInterior(pDC, this, rect,
                                          GetFillState(bCustomizeMode, bHighlight));

    // A strip prepared at another size (large icons, menus) draws its images at that size.
    const CSize sizeImage = pImages != NULL ? pImages->GetDrawSize() : CSize(0, 0);

    CRect rectInternal = rect;
    if (m_bExtraSize)
    {
        const CSize sizeExtra = pVisManager->GetButtonExtraSize();
        rectInternal.DeflateRect(sizeExtra.cx / 2, sizeExtra.cy / 2);
    }

    const BOOL bTextBelow = m_bTextBelow && bHorz;
    const CString strDrawn = StripMnemonic(m_strText);
    const BOOL bTextBeside = m_bText && !m_strText.IsEmpty() && !bTextBelow;
    int nTextExtent = 0;
    if (bTextBeside)
        nTextExtent = pDC->GetTextExtent(strDrawn).cx + 6;

    CRect rectImage = rectInternal;
    if (bTextBeside)
    {
        if (bHorz)
            rectImage.right -= nTextExtent;
        else
            rectImage.bottom -= nTextExtent;
    }
    else if (bTextBelow)
        rectImage.bottom = rectImage.top + sizeImage.cy + 6;

    int x = rectImage.left + (rectImage.Width() - sizeImage.cx) / 2;
    int y = rectImage.top + (rectImage.Height() - sizeImage.cy) / 2;

    // The classic look pushes the content of a pressed button one pixel down and right.
    const BOOL bShift = bPressedLook && !bCustomizeMode && !pVisManager->IsShadowHighlightedImage();
    if (bShift)
    {
        x++;
        y++;
    }

    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
    // A button of a user tool shows the tool's own icon in place of a standard image.
    CTavoPUserTool* pTool =
        m_bImage && !m_bUserButton ? CTavoPUserToolsManager::FindWorkspaceTool(m_nID) : NULL;
    if (pTool != NULL)
    {
        CRect rectIcon = rectImage;
        if (bShift)
            rectIcon.OffsetRect(1, 1);
        pTool->DrawToolIcon(pDC, rectIcon);
    }
    else if (m_bImage && GetImage() >= 0 && pImages != NULL)
    {
        const BOOL bDisabledLook =
            bDisabled && !(m_nStyle & TBBS_PRESSED) && !bCustomizeMode && bGrayDisabledButtons;
        const BOOL bHotShadow = bHighlight && !bCustomizeMode && !IsDroppedDown() &&
                                !bPressedLook && !bDisabled &&
                                pVisManager->IsShadowHighlightedImage();
        if (bHotShadow)
        {
            pImages->Draw(pDC, x, y, GetImage(), FALSE, FALSE, FALSE, TRUE);
            x--;
            y--;
        }
        pImages->Draw(pDC, x, y, GetImage(), FALSE, bDisabledLook,
                      (m_nStyle & TBBS_INDETERMINATE) != 0, FALSE,
                      !bHighlight && pVisManager->IsFadeInactiveImage());
    }

    if (bTextBelow || bTextBeside)
    {
        int state = TAVOP_BUTTON_NORMAL;
        if (bHighlight)
            state = TAVOP_BUTTON_HIGHLIGHTED;
        else if (bPressedLook)
            state = TAVOP_BUTTON_PRESSED;
        const COLORREF clrOld =
            pDC->SetTextColor(pVisManager->GetToolbarButtonTextColor(this, state));
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        if (bTextBelow)
        {
            CRect rectText(rectInternal.left + (rectInternal.Width() - m_nTextWidth) / 2,
                           rectImage.bottom, 0, rectInternal.bottom);
            rectText.right = rectText.left + m_nTextWidth;
            UINT uiFormat = DT_CENTER;
            if (GetGlobalData().m_bWrapTextBelowImages)
                uiFormat |= DT_WORDBREAK;
            if (bShift)
                rectText.OffsetRect(1, 1);
            pDC->DrawText(m_strText, rectText, uiFormat);
        }
        else if (bHorz)
        {
            CRect rectText = rectInternal;
            rectText.left = rectImage.right + 3 - (m_bImage && GetImage() >= 0 ? 0 : 3);
            if (bShift)
                rectText.OffsetRect(1, 1);
            pDC->DrawText(m_strText, rectText, DT_SINGLELINE | DT_VCENTER);
        }
        else
        {
            // Text running down a vertical bar reads from the top with the vertical font.
            const int nTextHeight = pDC->GetTextExtent(strDrawn).cy;
            CRect rectText = rectInternal;
            rectText.top = rectImage.bottom + 3;
            rectText.left = rectInternal.left + (rectInternal.Width() + nTextHeight) / 2;
            if (bShift)
                rectText.OffsetRect(-1, 1);
            pDC->DrawText(strDrawn, rectText, DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
            DrawVerticalMnemonic(pDC, rectText);
        }
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(clrOld);
    }

    if (bCustomizeMode || !HasHotBorder() || !bDrawBorder)
        return;
    if (bPressedLook)
        pVisManager->OnDrawButtonBorder(pDC, this, rect, TAVOP_BUTTON_PRESSED);
    else if (bHighlight && !(m_nStyle & (TBBS_DISABLED | TBBS_INDETERMINATE)))
        pVisManager->OnDrawButtonBorder(pDC, this, rect, TAVOP_BUTTON_HIGHLIGHTED);
}

void CTavoPToolbarButton::DrawVerticalMnemonic(CDC* pDC, const CRect& rectText)
{
    // The character after the first single "&"; "&&" stands for itself.
    int iChar = -1;
    for (int i = 0; i + 1 < m_strText.GetLength() && iChar < 0; i++)
    {
        if (m_strText[i] != _T('&'))
            continue;
        if (m_strText[i + 1] == _T('&'))
            i++;
        else
            iChar = i + 1;
    }
    if (iChar < 0)
        return;
    const int nCharLength =
        ::IsDBCSLeadByte((BYTE)m_strText[iChar]) && iChar + 1 < m_strText.GetLength() ? 2 : 1;
    // Text of a vertical font measures along its reading direction: down the bar.
    const CString strBefore = StripMnemonic(m_strText.Left(iChar - 1));
    CRect rectBefore(0, 0, 0, 0), rectThrough(0, 0, 0, 0);
    if (!strBefore.IsEmpty())
        pDC->DrawText(strBefore, rectBefore, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    pDC->DrawText(strBefore + m_strText.Mid(iChar, nCharLength), rectThrough,
                  DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    // The glyphs lie left of the text's origin with their feet to the left: the line runs just
    // beyond the baseline, as an underline does.
    const int x = rectText.left - tm.tmAscent - 1;
    const COLORREF clrBk = pDC->GetBkColor();
    pDC->FillSolidRect(x, rectText.top + rectBefore.Width(), 1,
                       rectThrough.Width() - rectBefore.Width(), pDC->GetTextColor());
    pDC->SetBkColor(clrBk);
}

COLORREF CTavoPToolbarButton::GetLabelTextColor(BOOL bDisabled, BOOL bHighlight)
{
    if (bDisabled)
        return GetGlobalData().clrGrayedText;
    if (bHighlight)
        return CTavoPVisualManager::GetInstance()->GetToolbarButtonTextColor(
            this, TAVOP_BUTTON_HIGHLIGHTED);
    return GetGlobalData().clrBtnText;
}

int CTavoPToolbarButton::DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    const BOOL bText = m_bText;
    m_bText = FALSE;

    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    const CSize sizeMenuImage = CTavoPToolBar::GetMenuImageSize();
    const CSize sizeCell(sizeMenuImage.cx + 6, sizeMenuImage.cy + 6);

    const COLORREF clrText = pVisManager->OnFillCommandsListBackground(pDC, rect, bSelected);

    CTavoPToolbarImageList* pImages =
        m_bUserButton ? CTavoPToolBar::GetUserImages() : CTavoPToolBar::GetImages();
    if (pImages != NULL && GetImage() >= 0)
    {
        CTavoPDrawState ds;
        if (pImages->PrepareDraw(ds, sizeMenuImage))
        {
            pImages->Draw(pDC, rect.left + 3, rect.top + (rect.Height() - sizeMenuImage.cy) / 2,
                          GetImage());
            pImages->EndDraw(ds);
        }
    }

    CRect rectText = rect;
    rectText.left += sizeMenuImage.cx + 10;
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(m_strText, rectText, DT_SINGLELINE | DT_VCENTER);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);

    m_bText = bText;
    const int nExtent = std::min((int)pDC->GetTextExtent(StripMnemonic(m_strText)).cx,
                                 (int)std::max(0, (int)rectText.Width()));
    return sizeCell.cx + nExtent;
}
