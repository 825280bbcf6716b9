// The colour dialog's Custom page: spectrum, luminance bar and the six numeric fields of the colour.
#pragma once
#include "framework/CPropertyPage.h"
#include "ui/controls/color/CTavoPColorPickerCtrl.h"

class CTavoPColorChooserDialog;

class CColorPage2 : public CPropertyPage
{
    DECLARE_DYNCREATE(CColorPage2)
public:
    CColorPage2();
    virtual ~CColorPage2();

    // Both pickers and the six values take the colour; the edits show it at the next exchange.
    void SetColor(BYTE r, BYTE g, BYTE b);

    CTavoPColorChooserDialog* m_pDialog;
    CTavoPColorPickerCtrl m_wndLum;
    CTavoPColorPickerCtrl m_wndColorPicker;
    int m_r;
    int m_b;
    int m_g;
    int m_l;
    int m_h;
    int m_s;

    static int ToByte(double value);
    static double ToUnit(int value);

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;
    virtual BOOL OnSetActive() override;
    void OnRGBChanged();
    void OnHLSChanged();
    void OnLumChanged();
    void OnColorChanged();
    void OnDoubleClickedColor();
    // Every notification before initialization or while the page updates itself is ignored.
    BOOL IsBusy() const { return !m_bIsReady || m_bInUpdate; }

    BOOL m_bIsReady;
    BOOL m_bInUpdate;

    DECLARE_MESSAGE_MAP()
};
