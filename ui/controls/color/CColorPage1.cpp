#include "ui/controls/color/CColorPage1.h"
#include "ui/controls/color/CTavoPColorChooserDialog.h"
#include "framework/CDataExchange.h"
#include "res/LibraryIds.h"

BEGIN_MESSAGE_MAP(CColorPage1, CPropertyPage)
    ON_BN_CLICKED(IDC_TAVOP_GREY, OnGreyscale)
    ON_BN_CLICKED(IDC_TAVOP_HEXAGON, OnHexColor)
    ON_BN_DOUBLECLICKED(IDC_TAVOP_GREY, OnDoubleClickedColor)
    ON_BN_DOUBLECLICKED(IDC_TAVOP_HEXAGON, OnDoubleClickedColor)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CColorPage1, CPropertyPage)

CColorPage1::CColorPage1() : CPropertyPage(IDD_TAVOP_COLOR_PAGE_ONE), m_pDialog(nullptr)
{}

CColorPage1::~CColorPage1() = default;

void CColorPage1::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_HEXAGON, m_hexpicker);
    DDX_Control(pDX, IDC_TAVOP_GREY, m_hexpicker_greyscale);
}

BOOL CColorPage1::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CPalette* pPalette = m_pDialog != nullptr ? m_pDialog->GetPalette() : nullptr;
    m_hexpicker.SetPalette(pPalette);
    m_hexpicker.SetType(CTavoPColorPickerCtrl::HEX);
    m_hexpicker_greyscale.SetPalette(pPalette);
    m_hexpicker_greyscale.SetType(CTavoPColorPickerCtrl::HEX_GREYSCALE);
    return TRUE;
}

void CColorPage1::OnHexColor()
{
    if (m_pDialog == nullptr)
        return;
    const COLORREF color = m_hexpicker.GetColor();
    const BYTE r = GetRValue(color);
    const BYTE g = GetGValue(color);
    const BYTE b = GetBValue(color);
    m_pDialog->SetNewColor(color);
    m_pDialog->SetPageTwoColor(r, g, b);
    m_hexpicker_greyscale.SetRGB(r, g, b);
    m_hexpicker_greyscale.Invalidate();
}

void CColorPage1::OnGreyscale()
{
    if (m_pDialog == nullptr)
        return;
    const BYTE level = (BYTE)(m_hexpicker_greyscale.GetLuminance() * 255.0);
    const COLORREF color = RGB(level, level, level);
    m_pDialog->SetNewColor(color);
    m_pDialog->SetPageTwoColor(level, level, level);
    m_hexpicker.SetRGB(level, level, level);
    m_hexpicker.Invalidate();
}

void CColorPage1::OnDoubleClickedColor()
{
    if (m_pDialog != nullptr)
        m_pDialog->EndDialog(IDOK);
}
