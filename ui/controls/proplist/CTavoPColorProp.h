// A property row holding a colour, shown as a swatch and picked from the colour popup of an in-place colour button.
#pragma once
#include "ui/controls/proplist/CTavoPProp.h"
#include "ui/controls/color/CTavoPColorBar.h"

class CTavoPColorProp : public CTavoPProp
{
    DECLARE_DYNAMIC(CTavoPColorProp)
public:
    // The popup offers the palette's colours (borrowed), or the default palette's without one.
    CTavoPColorProp(const CString& strName, COLORREF color, CPalette* pPalette = nullptr,
                    LPCTSTR lpszDescr = nullptr, DWORD_PTR dwData = 0);
    virtual ~CTavoPColorProp();

    COLORREF GetColor() const { return (COLORREF)m_varValue.lVal; }
    void SetColor(COLORREF color);
    // Columns of the popup's palette; below 1 the popup chooses.
    void SetColumnsNumber(int nColumns) { m_nColumnsNumber = nColumns; }

    virtual CString FormatProperty() override;
    virtual BOOL TextToVar(const CString& strText, VARIANT& varResult) const override;
    virtual void OnDrawValue(CDC* pDC, CRect rect) override;
    virtual BOOL OnUpdateValue() override;
    virtual BOOL OnClickValue(UINT uiMsg, CPoint point) override;

protected:
    virtual CWnd* CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat) override;

    CColorArray m_Colors;
    CPalette* m_pPalette;
    int m_nColumnsNumber;
};
