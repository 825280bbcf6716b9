#include "ui/controls/proplist/CTavoPColorProp.h"
#include "ui/controls/proplist/CTavoPPropList.h"
#include "ui/controls/color/CTavoPColorButton.h"
#include "ui/foundation/CTavoPGlobalData.h"

IMPLEMENT_DYNAMIC(CTavoPColorProp, CTavoPProp)

namespace {

const UINT kColorEditorId = 3;

VARIANT ColorVariant(COLORREF color)
{
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_I4;
    var.lVal = (LONG)color;
    return var;
}

} // namespace

CTavoPColorProp::CTavoPColorProp(const CString& strName, COLORREF color, CPalette* pPalette,
                                 LPCTSTR lpszDescr, DWORD_PTR dwData)
    : CTavoPProp(strName, ColorVariant(color), lpszDescr, dwData), m_pPalette(pPalette),
      m_nColumnsNumber(-1)
{
    CTavoPColorBar::InitColors(pPalette, m_Colors);
}

CTavoPColorProp::~CTavoPColorProp() = default;

void CTavoPColorProp::SetColor(COLORREF color)
{
    SetValue(ColorVariant(color));
}

CString CTavoPColorProp::FormatProperty()
{
    const COLORREF color = GetColor();
    CString str;
    str.Format(_T("%d, %d, %d"), GetRValue(color), GetGValue(color), GetBValue(color));
    return str;
}

BOOL CTavoPColorProp::TextToVar(const CString& strText, VARIANT& varResult) const
{
    // The text the row shows: red, green and blue from 0 to 255.
    ::VariantInit(&varResult);
    int nRed = 0, nGreen = 0, nBlue = 0;
    char chExtra = 0;
    if (sscanf(strText, "%d , %d , %d %c", &nRed, &nGreen, &nBlue, &chExtra) != 3 || nRed < 0 ||
        nRed > 255 || nGreen < 0 || nGreen > 255 || nBlue < 0 || nBlue > 255)
        return FALSE;
    varResult = ColorVariant(RGB(nRed, nGreen, nBlue));
    return TRUE;
}

void CTavoPColorProp::OnDrawValue(CDC* pDC, CRect rect)
{
    CRect rectSwatch = rect;
    rectSwatch.DeflateRect(3, 2);
    rectSwatch.right = rectSwatch.left + rectSwatch.Height() * 3 / 2;
    if (rectSwatch.right > rect.right)
        rectSwatch.right = rect.right;
    pDC->FillSolidRect(rectSwatch, GetColor());
    pDC->Draw3dRect(rectSwatch, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnShadow);
    CRect rectText = rect;
    rectText.left = rectSwatch.right + 2;
    CTavoPProp::OnDrawValue(pDC, rectText);
}

CWnd* CTavoPColorProp::CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat)
{
    bDefaultFormat = FALSE;
    CTavoPColorButton* pButton = new CTavoPColorButton;
    pButton->m_Colors.Copy(m_Colors);
    pButton->m_nColumns = m_nColumnsNumber;
    pButton->RebuildPalette(m_pPalette);
    pButton->SetColor(GetColor());
    if (!pButton->Create(_T(""), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rectEdit, m_pWndList,
                         kColorEditorId))
    {
        delete pButton;
        return nullptr;
    }
    return pButton;
}

BOOL CTavoPColorProp::OnUpdateValue()
{
    CTavoPColorButton* pButton = DYNAMIC_DOWNCAST(CTavoPColorButton, m_pWndInPlace);
    if (pButton == nullptr)
        return TRUE;
    const COLORREF color = pButton->GetColor();
    if (color != (COLORREF)-1)
        ApplyValue(ColorVariant(color));
    return TRUE;
}

BOOL CTavoPColorProp::OnClickValue(UINT uiMsg, CPoint point)
{
    if (m_pWndInPlace == nullptr || m_pWndInPlace->GetSafeHwnd() == NULL)
        return FALSE;
    // The press opens the popup, which then holds the mouse: no release follows it here.
    if (uiMsg == WM_LBUTTONDOWN)
    {
        CPoint pt = point;
        m_pWndList->MapWindowPoints(m_pWndInPlace, &pt, 1);
        m_pWndInPlace->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    return TRUE;
}
