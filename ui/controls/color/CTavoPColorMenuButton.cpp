#include "ui/controls/color/CTavoPColorMenuButton.h"
#include "ui/controls/color/CColorPopup.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPVisualManager.h"

IMPLEMENT_SERIAL(CTavoPColorMenuButton, CTavoPToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

CTavoPColorMenuButton::CTavoPColorMenuButton()
    : m_Color((COLORREF)-1), m_clrAutomatic(0), m_nColumns(-1), m_nVertDockColumns(-1),
      m_nHorzDockRows(-1), m_bIsAutomaticButton(FALSE), m_bIsOtherButton(FALSE),
      m_bIsDocumentColors(FALSE), m_bStdColorDlg(FALSE)
{}

CTavoPColorMenuButton::~CTavoPColorMenuButton()
{}

void CTavoPColorMenuButton::SetColors(const CColorArray& colors)
{
    m_Colors.Copy(colors);
}

void CTavoPColorMenuButton::EnableAutomaticButton(LPCTSTR lpszLabel, COLORREF colorAutomatic,
                                                  BOOL bEnable)
{
    m_bIsAutomaticButton = bEnable;
    m_strAutomaticButtonLabel = lpszLabel != nullptr ? lpszLabel : _T("");
    m_clrAutomatic = colorAutomatic;
}

void CTavoPColorMenuButton::EnableOtherButton(LPCTSTR lpszLabel, BOOL bAltColorDlg, BOOL bEnable)
{
    m_bIsOtherButton = bEnable;
    m_strOtherButtonLabel = lpszLabel != nullptr ? lpszLabel : _T("");
    m_bStdColorDlg = !bAltColorDlg;
}

void CTavoPColorMenuButton::EnableDocumentColors(LPCTSTR lpszLabel, BOOL bEnable)
{
    m_bIsDocumentColors = bEnable;
    m_strDocumentColorsLabel = lpszLabel != nullptr ? lpszLabel : _T("");
}

// ---- the colour ----

void CTavoPColorMenuButton::SetColor(COLORREF clr, BOOL bNotify)
{
    m_Color = clr;
    CTavoPColorBar::ColorsByCommand().SetAt(m_nID, clr);
    if (m_pWndParent != nullptr && ::IsWindow(m_pWndParent->GetSafeHwnd()))
        m_pWndParent->InvalidateRect(m_rect);
    if (!bNotify)
        return;

    const CObList& toolbars = CTavoPToolBar::GetAllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolBar* pBar = (CTavoPToolBar*)toolbars.GetNext(pos);
        if (!::IsWindow(pBar->GetSafeHwnd()))
            continue;
        CTavoPColorBar* pColorBar = DYNAMIC_DOWNCAST(CTavoPColorBar, pBar);
        if (pColorBar != nullptr && pColorBar->GetCommandID() == m_nID)
            pColorBar->SetColor(clr);
        for (POSITION posButton = pBar->GetAllButtons().GetHeadPosition(); posButton != NULL;)
        {
            CTavoPColorMenuButton* pOther =
                DYNAMIC_DOWNCAST(CTavoPColorMenuButton, pBar->GetAllButtons().GetNext(posButton));
            if (pOther != nullptr && pOther != this && pOther->m_nID == m_nID)
                pOther->SetColor(clr, FALSE);
        }
    }
}

BOOL CTavoPColorMenuButton::OpenColorDialog(const COLORREF colorDefault, COLORREF& colorRes)
{
    return CTavoPColorBar::RunColorDialog(m_bStdColorDlg, colorDefault, colorRes);
}

// ---- the popup ----

CTavoPPopupMenu* CTavoPColorMenuButton::CreatePopupMenu()
{
    CColorList lstDocColors;
    if (m_bIsDocumentColors && m_pWndParent != nullptr)
    {
        CWnd* pTarget = AfxGetMainWnd();
        if (pTarget == nullptr && ::IsWindow(m_pWndParent->GetSafeHwnd()))
            pTarget = m_pWndParent->GetTopLevelFrame();
        if (pTarget != nullptr)
            pTarget->SendMessage(GetDocumentColorsMessage(), m_nID, (LPARAM)&lstDocColors);
    }
    return new CColorPopup(this, m_Colors, m_Color,
                           m_bIsAutomaticButton ? (LPCTSTR)m_strAutomaticButtonLabel : nullptr,
                           m_bIsOtherButton ? (LPCTSTR)m_strOtherButtonLabel : nullptr,
                           m_bIsDocumentColors ? (LPCTSTR)m_strDocumentColorsLabel : nullptr,
                           lstDocColors, m_nColumns, m_nHorzDockRows, m_nVertDockColumns,
                           m_clrAutomatic, m_nID);
}

// ---- archive and copies ----

void CTavoPColorMenuButton::Serialize(CArchive& ar)
{
    CTavoPToolbarMenuButton::Serialize(ar);
    if (ar.IsStoring())
    {
        CTavoPColorBar::WriteColors(ar, m_Colors);
        ar << (int)m_nColumns;
        ar << (int)m_nVertDockColumns;
        ar << (int)m_nHorzDockRows;
        ar << (int)m_bIsAutomaticButton;
        ar << (int)m_bIsOtherButton;
        ar << (int)m_bIsDocumentColors;
        ar << m_strAutomaticButtonLabel;
        ar << m_strOtherButtonLabel;
        ar << m_strDocumentColorsLabel;
        ar << (DWORD)m_clrAutomatic;
        ar << (int)m_bStdColorDlg;
        return;
    }

    CColorArray colors;
    CTavoPColorBar::ReadColors(ar, colors);
    int nColumns = 0, nVertDockColumns = 0, nHorzDockRows = 0;
    int nAutomatic = 0, nOther = 0, nDocument = 0, nStdDialog = 0;
    CString strAuto, strOther, strDoc;
    DWORD dwAutomatic = 0;
    ar >> nColumns >> nVertDockColumns >> nHorzDockRows >> nAutomatic >> nOther >> nDocument;
    ar >> strAuto >> strOther >> strDoc >> dwAutomatic >> nStdDialog;

    // Only a complete record replaces the button's settings.
    m_Colors.Copy(colors);
    m_nColumns = nColumns;
    m_nVertDockColumns = nVertDockColumns;
    m_nHorzDockRows = nHorzDockRows;
    m_bIsAutomaticButton = nAutomatic != 0;
    m_bIsOtherButton = nOther != 0;
    m_bIsDocumentColors = nDocument != 0;
    m_strAutomaticButtonLabel = strAuto;
    m_strOtherButtonLabel = strOther;
    m_strDocumentColorsLabel = strDoc;
    m_clrAutomatic = (COLORREF)dwAutomatic;
    m_bStdColorDlg = nStdDialog != 0;

    CObList listButtons;
    CTavoPToolBar::GetCommandButtons(m_nID, listButtons);
    for (POSITION pos = listButtons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPColorMenuButton* pOther =
            DYNAMIC_DOWNCAST(CTavoPColorMenuButton, listButtons.GetNext(pos));
        if (pOther != nullptr && pOther != this && pOther->m_Color != (COLORREF)-1)
            m_Color = pOther->m_Color;
    }
}

void CTavoPColorMenuButton::CopyFrom(const CTavoPToolbarButton& s)
{
    CTavoPToolbarMenuButton::CopyFrom(s);
    const CTavoPColorMenuButton* pSrc = DYNAMIC_DOWNCAST(CTavoPColorMenuButton, &s);
    if (pSrc == nullptr)
        return;
    m_Color = pSrc->m_Color;
    CTavoPColorBar::ColorsByCommand().SetAt(m_nID, m_Color);
    m_Colors.Copy(pSrc->m_Colors);
    m_nColumns = pSrc->m_nColumns;
    m_nVertDockColumns = pSrc->m_nVertDockColumns;
    m_nHorzDockRows = pSrc->m_nHorzDockRows;
    m_bIsAutomaticButton = pSrc->m_bIsAutomaticButton;
    m_bIsOtherButton = pSrc->m_bIsOtherButton;
    m_bIsDocumentColors = pSrc->m_bIsDocumentColors;
    m_strAutomaticButtonLabel = pSrc->m_strAutomaticButtonLabel;
    m_strOtherButtonLabel = pSrc->m_strOtherButtonLabel;
    m_strDocumentColorsLabel = pSrc->m_strDocumentColorsLabel;
    m_clrAutomatic = pSrc->m_clrAutomatic;
    m_bStdColorDlg = pSrc->m_bStdColorDlg;
}

void CTavoPColorMenuButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CTavoPToolbarMenuButton::OnChangeParentWnd(pWndParent);
    if (pWndParent != nullptr)
    {
        if (pWndParent->IsKindOf(RUNTIME_CLASS(CTavoPMenuBar)))
            m_bText = TRUE;
        if (pWndParent->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar)))
        {
            m_bMenuMode = TRUE;
            m_bText = TRUE;
        }
    }
    m_pWndParent = pWndParent;
    m_bDrawDownArrow = TRUE;
}

int CTavoPColorMenuButton::DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    const UINT nID = m_nID;
    m_nID = 0;
    const int nResult = CTavoPToolbarMenuButton::DrawInCommandList(pDC, rect, bSelected);
    m_nID = nID;
    return nResult;
}

// ---- drawing ----

CPalette* CTavoPColorMenuButton::SelectStripePalette(CDC* pDC)
{
    if (!CTavoPColorBar::CreatePalette(m_Colors, m_Palette))
        return nullptr;
    CPalette* pOld = pDC->SelectPalette(&m_Palette, FALSE);
    pDC->RealizePalette();
    return pOld;
}

void CTavoPColorMenuButton::OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                                   BOOL bHorz, BOOL bCustomizeMode, BOOL bHighlight,
                                   BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    CTavoPToolbarMenuButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight,
                                    bDrawBorder, bGrayDisabledButtons);
    if (!m_bImage || GetImage() < 0 || pImages == nullptr)
        return;

    const CTavoPGlobalData& data = GetGlobalData();
    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    CPalette* pOldPalette = SelectStripePalette(pDC);

    const CSize sizeImage = pImages->GetDrawSize();
    CRect rectColor = rect;
    if (IsOnPlainToolBar())
    {
        const CSize sizeExtra = pVisManager->GetButtonExtraSize();
        rectColor.DeflateRect(sizeExtra.cx / 2 + 1, sizeExtra.cy / 2 + 1);
    }
    const BOOL bPressedLook = (m_nStyle & (TBBS_PRESSED | TBBS_CHECKED)) != 0 || IsDroppedDown();
    if (m_bMenuMode)
    {
        rectColor.left = rect.left + 1 + pVisManager->GetMenuImageMargin();
        rectColor.right = rectColor.left + sizeImage.cx;
        rectColor.bottom = rect.bottom - 2;
        rectColor.top = rect.bottom - 7;
    }
    else
    {
        if (m_bDrawDownArrow && bHorz)
        {
            const int nArrow = CTavoPMenuGlyphImages::Size().cx;
            rectColor.right -= (CTavoPToolBar::IsLargeIcons() ? 2 * nArrow : nArrow) + 4;
        }
        rectColor.top += sizeImage.cy - 1;
        rectColor.bottom = rectColor.top + 5;
        rectColor.DeflateRect(4, 0);
        if (!bHorz)
            rectColor.OffsetRect(0, 1);
        if (bPressedLook && pVisManager->IsClassicLook())
            rectColor.OffsetRect(1, 1);
    }

    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
    if (bHighlight && !bCustomizeMode && pVisManager->IsShadowHighlightedImage() && !bPressedLook &&
        !bDisabled)
    {
        pDC->FillSolidRect(rectColor, data.clrBtnShadow);
        rectColor.OffsetRect(-1, -1);
    }

    const COLORREF color =
        bDisabled ? data.clrBtnShadow : (m_Color == (COLORREF)-1 ? m_clrAutomatic : m_Color);
    pDC->FillSolidRect(rectColor, PALETTERGB(GetRValue(color), GetGValue(color), GetBValue(color)));
    if (pVisManager->IsClassicLook())
        pDC->Draw3dRect(rectColor, data.clrBtnShadow, data.clrBtnLight);
    else if (color == data.clrBtnFace)
        pDC->Draw3dRect(rectColor, data.clrBtnDkShadow, data.clrBtnDkShadow);

    if (pOldPalette != nullptr)
        pDC->SelectPalette(pOldPalette, FALSE);
}
