// A property row holding a font, shown as its face and size and chosen in the font dialog behind its button.
#pragma once
#include "ui/controls/proplist/CTavoPProp.h"

class CTavoPFontProp : public CTavoPProp
{
    DECLARE_DYNAMIC(CTavoPFontProp)
public:
    // The colour is the dialog's text colour (-1: the window text colour).
    CTavoPFontProp(const CString& strName, const LOGFONT& lf,
                   DWORD dwFontDialogFlags = CF_EFFECTS | CF_SCREENFONTS,
                   LPCTSTR lpszDescr = nullptr, DWORD_PTR dwData = 0,
                   COLORREF color = (COLORREF)-1);
    virtual ~CTavoPFontProp();

    const LOGFONT& GetLogFont() const { return m_lf; }
    COLORREF GetColor() const { return m_color; }

    virtual CString FormatProperty() override;
    virtual BOOL HasButton() const override { return TRUE; }
    virtual void OnClickButton(CPoint point) override;

protected:
    // The face and size show read-only: the dialog changes them.
    virtual CWnd* CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat) override;
    virtual BOOL OnUpdateValue() override { return TRUE; }
    // The value text of a font.
    static CString FormatFont(const LOGFONT& lf);

    LOGFONT m_lf;
    DWORD m_dwFontDialogFlags;
    COLORREF m_color;
};
