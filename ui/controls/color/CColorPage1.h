// The colour dialog's Standard page: a honeycomb of colours over a strip of greys.
#pragma once
#include "framework/CPropertyPage.h"
#include "ui/controls/color/CTavoPColorPickerCtrl.h"

class CTavoPColorChooserDialog;

class CColorPage1 : public CPropertyPage
{
    DECLARE_DYNCREATE(CColorPage1)
public:
    CColorPage1();
    virtual ~CColorPage1();

    CTavoPColorChooserDialog* m_pDialog;
    CTavoPColorPickerCtrl m_hexpicker;
    CTavoPColorPickerCtrl m_hexpicker_greyscale;

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;
    void OnGreyscale();
    void OnHexColor();
    void OnDoubleClickedColor();

    DECLARE_MESSAGE_MAP()
};
