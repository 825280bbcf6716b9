// The library's colour dialog: a Standard and a Custom page in an embedded sheet, over a new/current swatch.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CDialog.h"
#include "framework/CStatic.h"
#include "framework/CPalette.h"
#include "ui/controls/color/CTavoPColorPickerCtrl.h"

class CPropertySheetCtrl;
class CColorPage1;
class CColorPage2;

class CTavoPColorChooserDialog : public CDialog
{
    DECLARE_DYNAMIC(CTavoPColorChooserDialog)
public:
    // Without a palette the dialog makes its own from the system palette.
    explicit CTavoPColorChooserDialog(COLORREF clrInit, CWnd* pParentWnd = nullptr,
                                      CPalette* pPalette = nullptr);
    virtual ~CTavoPColorChooserDialog();

    virtual INT_PTR DoModal() override;

    COLORREF GetColor() const { return m_NewColor; }
    void SetNewColor(COLORREF color);
    void SetPageOneColor(BYTE r, BYTE g, BYTE b);
    void SetPageTwoColor(BYTE r, BYTE g, BYTE b);
    CPalette* GetPalette() const { return m_pPalette; }
    CPropertySheetCtrl* GetSheet() const { return m_pPropSheet; }
    CColorPage1* GetPageOne() const { return m_pColourSheetOne; }
    CColorPage2* GetPageTwo() const { return m_pColourSheetTwo; }

protected:
    virtual BOOL OnInitDialog() override;
    virtual void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy();
    void OnSysColorChange();

    void RebuildPalette();
    // Hands over to the system colour dialog; its result ends this one.
    void RunSystemDialog();

    CStatic m_wndStaticPlaceHolder;
    CTavoPColorPickerCtrl m_wndColors;
    CPropertySheetCtrl* m_pPropSheet;
    CColorPage1* m_pColourSheetOne;
    CColorPage2* m_pColourSheetTwo;
    COLORREF m_CurrentColor;
    COLORREF m_NewColor;
    CPalette* m_pPalette;
    BOOL m_bIsMyPalette;

    DECLARE_MESSAGE_MAP()
};
