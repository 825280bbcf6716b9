#include "ui/controls/color/CColorButton.h"
#include "ui/controls/color/CTavoPColorBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"

IMPLEMENT_SERIAL(CColorButton, CTavoPToolbarButton, 1)

CColorButton::CColorButton()
    : m_Color(0), m_bHighlight(FALSE), m_bIsAutomatic(FALSE), m_bIsOther(FALSE),
      m_bIsCaption(FALSE), m_bIsDocument(FALSE), m_bIsPreview(FALSE), m_pParentBar(nullptr)
{}

CColorButton::CColorButton(COLORREF color, BOOL bIsAutomatic, BOOL bIsOther, LPCTSTR lpszColorName,
                           BOOL bIsCaption, BOOL bIsDocument, BOOL bIsPreview)
    : m_Color(color), m_bHighlight(FALSE), m_bIsAutomatic(bIsAutomatic), m_bIsOther(bIsOther),
      m_bIsCaption(bIsCaption), m_bIsDocument(bIsDocument), m_bIsPreview(bIsPreview),
      m_pParentBar(nullptr)
{
    m_nID = 0;
    m_strText = lpszColorName != nullptr ? lpszColorName : _T("");
    m_bText = TRUE;
    m_bImage = FALSE;
}

CColorButton::~CColorButton()
{}

void CColorButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CTavoPToolbarButton::OnChangeParentWnd(pWndParent);
    m_pParentBar = DYNAMIC_DOWNCAST(CTavoPColorBar, pWndParent);
}

CString CColorButton::GetTipText() const
{
    if (!IsColorCell() || m_bIsPreview)
        return m_strText;
    CString strName;
    if (CTavoPColorBar::ColorNames().Lookup(m_Color, strName))
        return strName;
    strName.Format(_T("Hex={%02X,%02X,%02X}"), GetRValue(m_Color), GetGValue(m_Color),
                   GetBValue(m_Color));
    return strName;
}

int CColorButton::OnToolHitTest(const CWnd* pWnd, TOOLINFO* pTI)
{
    if (m_nStyle & TBBS_DISABLED)
        return FALSE;
    if (pTI != nullptr)
    {
        pTI->lpszText = _tcsdup(GetTipText());
        pTI->rect = m_rect;
        pTI->uId = 0;
        pTI->hwnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : NULL;
    }
    return TRUE;
}

void CColorButton::DrawEtchedFrame(CDC* pDC, const CRect& rect)
{
    const CTavoPGlobalData& data = GetGlobalData();
    pDC->Draw3dRect(rect, data.clrBtnHilite, data.clrBtnShadow);
    CRect rectShifted = rect;
    rectShifted.OffsetRect(1, 1);
    pDC->Draw3dRect(rectShifted, data.clrBtnShadow, data.clrBtnHilite);
}

void CColorButton::OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* /*pImages*/,
                          BOOL bHorz, BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                          BOOL /*bGrayDisabledButtons*/)
{
    const CTavoPGlobalData& data = GetGlobalData();
    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();

    CPalette* pOldPalette = nullptr;
    CPalette* pPalette = m_pParentBar != nullptr ? m_pParentBar->GetPalette() : nullptr;
    if (pPalette != nullptr)
    {
        pOldPalette = pDC->SelectPalette(pPalette, FALSE);
        pDC->RealizePalette();
    }

    // The selected cell looks checked for this paint only.
    const UINT nStyleSaved = m_nStyle;
    if (m_bHighlight)
        m_nStyle |= TBBS_CHECKED;
    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;

    pVisManager->OnFillButtonInterior(pDC, this, rect, GetFillState(bCustomizeMode, bHighlight));

    CRect rectInner = rect;
    rectInner.DeflateRect(2, 2);
    if (!bDisabled && !bHighlight && !m_bIsCaption &&
        (m_nStyle & (TBBS_CHECKED | TBBS_INDETERMINATE)))
        pDC->FillRect(rectInner, const_cast<CBrush*>(&data.brLight));
    if (!bDisabled && !m_bIsCaption && HasHotBorder() && bDrawBorder && !bCustomizeMode)
    {
        if (m_nStyle & (TBBS_PRESSED | TBBS_CHECKED))
            pVisManager->OnDrawButtonBorder(pDC, this, rect, TAVOP_BUTTON_PRESSED);
        else if (bHighlight)
            pVisManager->OnDrawButtonBorder(pDC, this, rect, TAVOP_BUTTON_HIGHLIGHTED);
    }

    if (m_bIsAutomatic || m_bIsOther || m_bIsCaption)
    {
        CRect rectText = rectInner;
        if (m_bIsAutomatic && m_Color != (COLORREF)-1)
        {
            CRect rectSwatch = rectInner;
            rectSwatch.DeflateRect(3, 3);
            rectSwatch.right = rectSwatch.left + rectSwatch.Height();
            if (bDisabled)
                DrawEtchedFrame(pDC, rectSwatch);
            else
            {
                CBrush brush(
                    PALETTERGB(GetRValue(m_Color), GetGValue(m_Color), GetBValue(m_Color)));
                CPen pen(PS_SOLID, 1, data.clrBtnShadow);
                CBrush* pOldBrush = pDC->SelectObject(&brush);
                CPen* pOldPen = pDC->SelectObject(&pen);
                pDC->Rectangle(rectSwatch);
                pDC->SelectObject(pOldPen);
                pDC->SelectObject(pOldBrush);
            }
            rectText.left = rectSwatch.right + 2;
        }
        pDC->SetTextColor(bDisabled && !m_bIsCaption ? data.clrGrayedText : data.clrBtnText);
        pDC->SetBkMode(TRANSPARENT);
        CFont* pOldFont = nullptr;
        if (!bHorz)
            pOldFont = pDC->SelectObject(const_cast<CFont*>(&data.fontRegular));
        UINT uiFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
        if (!m_bIsCaption)
            uiFormat |= DT_CENTER;
        pDC->DrawText(m_strText, rectText, uiFormat);
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
    }
    else if (!bDisabled)
    {
        pDC->FillSolidRect(rectInner,
                           PALETTERGB(GetRValue(m_Color), GetGValue(m_Color), GetBValue(m_Color)));
    }

    if (!m_bIsOther && !m_bIsCaption)
    {
        if (bDisabled)
            DrawEtchedFrame(pDC, rectInner);
        else
            pDC->Draw3dRect(rectInner, data.clrBtnShadow, data.clrBtnShadow);
    }

    m_nStyle = nStyleSaved;
    if (pOldPalette != nullptr)
        pDC->SelectPalette(pOldPalette, FALSE);
}
