// The system's font dialog; a test can answer it through the seams.
#pragma once
#include "framework/CCommonDialog.h"
#include <commdlg.h>

class CFontDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFontDialog)
public:
    // The dialog opens on lplfInitial when given.
    explicit CFontDialog(const LOGFONT* lplfInitial = nullptr,
                         DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS, CDC* pdcPrinter = nullptr,
                         CWnd* pParentWnd = nullptr);
    virtual ~CFontDialog();

    CHOOSEFONT m_cf;
    LOGFONT m_lf;

    virtual INT_PTR DoModal() override;
    void GetCurrentFont(LPLOGFONT lplf) const { *lplf = m_lf; }
    CString GetFaceName() const { return CString(m_lf.lfFaceName); }
    // In tenths of a point.
    int GetSize() const { return m_cf.iPointSize; }
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return (int)m_lf.lfWeight; }
    BOOL IsItalic() const { return m_lf.lfItalic != 0; }
    BOOL IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
};
