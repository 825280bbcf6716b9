#include "ui/controls/proplist/CTavoPFontProp.h"
#include "ui/controls/proplist/CTavoPPropList.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CTavoPFontProp, CTavoPProp)

CTavoPFontProp::CTavoPFontProp(const CString& strName, const LOGFONT& lf, DWORD dwFontDialogFlags,
                               LPCTSTR lpszDescr, DWORD_PTR dwData, COLORREF color)
    : CTavoPProp(strName, VARIANT(), lpszDescr, dwData), m_lf(lf),
      m_dwFontDialogFlags(dwFontDialogFlags),
      m_color(color == (COLORREF)-1 ? ::GetSysColor(COLOR_WINDOWTEXT) : color)
{
    m_lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    ::VariantClear(&m_varValue);
    m_varValue = MakeTextValue(FormatFont(m_lf)); // takes over the string
}

CTavoPFontProp::~CTavoPFontProp() = default;

CString CTavoPFontProp::FormatFont(const LOGFONT& lf)
{
    HDC hdc = ::GetDC(NULL);
    const int nLogPixelsY = ::GetDeviceCaps(hdc, LOGPIXELSY);
    ::ReleaseDC(NULL, hdc);
    const int nHeight = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    const int nPoints = nLogPixelsY > 0 ? ::MulDiv(nHeight, 72, nLogPixelsY) : 0;
    CString str;
    str.Format(_T("%s, %d"), lf.lfFaceName, nPoints);
    return str;
}

CString CTavoPFontProp::FormatProperty()
{
    return FormatFont(m_lf);
}

CWnd* CTavoPFontProp::CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat)
{
    CWnd* pWnd = CTavoPProp::CreateInPlaceEdit(rectEdit, bDefaultFormat);
    if (pWnd != nullptr && !m_bInPlaceIsCombo)
        pWnd->SendMessage(EM_SETREADONLY, TRUE);
    return pWnd;
}

void CTavoPFontProp::OnClickButton(CPoint /*point*/)
{
    if (m_pWndList == nullptr || !m_bEnabled)
        return;
    CFontDialog dlg(&m_lf, m_dwFontDialogFlags, nullptr, m_pWndList);
    dlg.m_cf.rgbColors = m_color;
    if (dlg.DoModal() != IDOK)
        return;

    LOGFONT lf;
    dlg.GetCurrentFont(&lf);
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    const COLORREF color = (m_dwFontDialogFlags & CF_EFFECTS) != 0 ? dlg.GetColor() : m_color;
    if (memcmp(&lf, &m_lf, sizeof(lf)) == 0 && color == m_color)
        return;
    m_lf = lf;
    m_color = color;
    VARIANT var = MakeTextValue(FormatFont(m_lf));
    ::VariantClear(&m_varValue);
    m_varValue = var; // takes over the string
    OnValueSet();
    NotifyChanged(this);
}
