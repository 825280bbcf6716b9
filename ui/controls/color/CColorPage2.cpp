#include "ui/controls/color/CColorPage2.h"
#include "ui/controls/color/CColorPage1.h"
#include "ui/controls/color/CTavoPColorChooserDialog.h"
#include "ui/foundation/CTavoPDrawManager.h"
#include "framework/CDataExchange.h"
#include "res/LibraryIds.h"
#include <algorithm>
#include <commctrl.h>
#include <utility>

BEGIN_MESSAGE_MAP(CColorPage2, CPropertyPage)
    ON_EN_CHANGE(IDC_TAVOP_RED, OnRGBChanged)
    ON_EN_CHANGE(IDC_TAVOP_GREEN, OnRGBChanged)
    ON_EN_CHANGE(IDC_TAVOP_BLUE, OnRGBChanged)
    ON_EN_CHANGE(IDC_TAVOP_HUE, OnHLSChanged)
    ON_EN_CHANGE(IDC_TAVOP_SATURATION, OnHLSChanged)
    ON_EN_CHANGE(IDC_TAVOP_LUMINANCE, OnHLSChanged)
    ON_BN_CLICKED(IDC_TAVOP_LUM, OnLumChanged)
    ON_BN_CLICKED(IDC_TAVOP_COLOR, OnColorChanged)
    ON_BN_DOUBLECLICKED(IDC_TAVOP_COLOR, OnDoubleClickedColor)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CColorPage2, CPropertyPage)

CColorPage2::CColorPage2()
    : CPropertyPage(IDD_TAVOP_COLOR_PAGE_TWO), m_pDialog(nullptr), m_r(0), m_b(0), m_g(0), m_l(0),
      m_h(0), m_s(0), m_bIsReady(FALSE), m_bInUpdate(FALSE)
{}

CColorPage2::~CColorPage2() = default;

int CColorPage2::ToByte(double value)
{
    return std::min(255, (int)(value * 255.0 + 0.5));
}

double CColorPage2::ToUnit(int value)
{
    return std::min(1.0, (value + 0.5) / 255.0);
}

void CColorPage2::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_LUM, m_wndLum);
    DDX_Control(pDX, IDC_TAVOP_COLOR, m_wndColorPicker);
    const std::pair<int, int*> values[] = {{IDC_TAVOP_RED, &m_r},   {IDC_TAVOP_BLUE, &m_b},
                                           {IDC_TAVOP_GREEN, &m_g}, {IDC_TAVOP_LUMINANCE, &m_l},
                                           {IDC_TAVOP_HUE, &m_h},   {IDC_TAVOP_SATURATION, &m_s}};
    for (const auto& value : values)
    {
        DDX_Text(pDX, value.first, *value.second);
        DDV_MinMaxInt(pDX, *value.second, 0, 255);
    }
}

BOOL CColorPage2::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CPalette* pPalette = m_pDialog != nullptr ? m_pDialog->GetPalette() : nullptr;

    m_wndColorPicker.SetPalette(pPalette);
    m_wndColorPicker.SetType(CTavoPColorPickerCtrl::PICKER);
    double dblHue, dblLum, dblSat;
    m_wndColorPicker.GetHLS(&dblHue, &dblLum, &dblSat);

    m_wndLum.SetHLS(dblHue, dblLum, dblSat, FALSE);
    m_wndLum.SetPalette(pPalette);
    m_wndLum.SetType(CTavoPColorPickerCtrl::LUMINANCE);
    m_wndLum.SetLuminanceBarWidth(14);

    for (int nID = IDC_TAVOP_SPIN_HUE; nID <= IDC_TAVOP_SPIN_BLUE; nID++)
    {
        CWnd* pSpin = GetDlgItem(nID);
        if (pSpin == nullptr)
            break;
        pSpin->SendMessage(UDM_SETRANGE, 0, MAKELPARAM(255, 0));
    }
    m_bIsReady = TRUE;
    return TRUE;
}

BOOL CColorPage2::OnSetActive()
{
    // Shown again, the page refreshes its edits from the colour picked meanwhile; each edit it
    // fills must not read the others while they still show the old colour.
    m_bInUpdate = TRUE;
    const BOOL bActive = CPropertyPage::OnSetActive();
    m_bInUpdate = FALSE;
    return bActive;
}

void CColorPage2::SetColor(BYTE r, BYTE g, BYTE b)
{
    double dblHue, dblSat, dblLum;
    CTavoPDrawManager::RgbToHsl(RGB(r, g, b), &dblHue, &dblSat, &dblLum);
    m_wndColorPicker.SetHLS(dblHue, dblLum, dblSat, TRUE);
    m_wndLum.SetHLS(dblHue, dblLum, dblSat, TRUE);
    m_r = r;
    m_g = g;
    m_b = b;
    m_h = ToByte(dblHue);
    m_s = ToByte(dblSat);
    m_l = ToByte(dblLum);
}

void CColorPage2::OnRGBChanged()
{
    if (IsBusy() || !UpdateData())
        return;
    m_bInUpdate = TRUE;
    const COLORREF color = RGB(m_r, m_g, m_b);
    if (m_pDialog != nullptr)
    {
        m_pDialog->SetNewColor(color);
        m_pDialog->SetPageOneColor((BYTE)m_r, (BYTE)m_g, (BYTE)m_b);
    }
    double dblHue, dblSat, dblLum;
    CTavoPDrawManager::RgbToHsl(color, &dblHue, &dblSat, &dblLum);
    m_h = ToByte(dblHue);
    m_s = ToByte(dblSat);
    m_l = ToByte(dblLum);
    UpdateData(FALSE);
    m_wndColorPicker.SetHLS(dblHue, dblLum, dblSat, TRUE);
    m_wndLum.SetHLS(dblHue, dblLum, dblSat, TRUE);
    m_bInUpdate = FALSE;
}

void CColorPage2::OnHLSChanged()
{
    if (IsBusy() || !UpdateData())
        return;
    m_bInUpdate = TRUE;
    const double dblHue = ToUnit(m_h);
    const double dblLum = ToUnit(m_l);
    const double dblSat = ToUnit(m_s);
    const COLORREF color = CTavoPDrawManager::HlsToRgb(dblHue, dblLum, dblSat);
    m_r = GetRValue(color);
    m_g = GetGValue(color);
    m_b = GetBValue(color);
    UpdateData(FALSE);
    if (m_pDialog != nullptr)
    {
        m_pDialog->SetNewColor(color);
        m_pDialog->SetPageOneColor((BYTE)m_r, (BYTE)m_g, (BYTE)m_b);
    }
    m_wndColorPicker.SetHLS(dblHue, dblLum, dblSat, TRUE);
    m_wndLum.SetHLS(dblHue, dblLum, dblSat, TRUE);
    m_bInUpdate = FALSE;
}

void CColorPage2::OnLumChanged()
{
    if (IsBusy())
        return;
    m_bInUpdate = TRUE;
    m_wndColorPicker.SetHLS(-1, m_wndLum.GetLuminance(), -1, TRUE);
    double dblHue, dblLum, dblSat;
    m_wndColorPicker.GetHLS(&dblHue, &dblLum, &dblSat);
    m_h = ToByte(dblHue);
    m_l = ToByte(dblLum);
    m_s = ToByte(dblSat);
    const COLORREF color = CTavoPDrawManager::HlsToRgb(dblHue, dblLum, dblSat);
    if (m_pDialog != nullptr)
        m_pDialog->SetNewColor(color);
    m_r = GetRValue(color);
    m_g = GetGValue(color);
    m_b = GetBValue(color);
    if (m_pDialog != nullptr)
        m_pDialog->SetPageOneColor((BYTE)m_r, (BYTE)m_g, (BYTE)m_b);
    UpdateData(FALSE);
    m_bInUpdate = FALSE;
}

void CColorPage2::OnColorChanged()
{
    if (IsBusy())
        return;
    m_bInUpdate = TRUE;
    const COLORREF colorPicker = m_wndColorPicker.GetColor();
    m_r = GetRValue(colorPicker);
    m_g = GetGValue(colorPicker);
    m_b = GetBValue(colorPicker);
    double dblHue, dblLum, dblSat;
    m_wndColorPicker.GetHLS(&dblHue, &dblLum, &dblSat);
    m_wndLum.SetHLS(dblHue, -1, dblSat, FALSE);
    m_wndLum.Invalidate();
    m_h = ToByte(dblHue);
    m_l = ToByte(dblLum);
    m_s = ToByte(dblSat);
    if (m_pDialog != nullptr)
    {
        m_pDialog->SetNewColor(CTavoPDrawManager::HlsToRgb(dblHue, dblLum, dblSat));
        m_pDialog->SetPageOneColor((BYTE)m_r, (BYTE)m_g, (BYTE)m_b);
    }
    UpdateData(FALSE);
    m_bInUpdate = FALSE;
}

void CColorPage2::OnDoubleClickedColor()
{
    if (m_pDialog != nullptr)
        m_pDialog->EndDialog(IDOK);
}
