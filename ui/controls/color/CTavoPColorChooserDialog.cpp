#include "ui/controls/color/CTavoPColorChooserDialog.h"
#include "ui/controls/color/CColorPage1.h"
#include "ui/controls/color/CColorPage2.h"
#include "ui/controls/color/CPropertySheetCtrl.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "framework/CColorDialog.h"
#include "framework/CDataExchange.h"
#include "res/LibraryIds.h"
#include <vector>

BEGIN_MESSAGE_MAP(CTavoPColorChooserDialog, CDialog)
    ON_WM_DESTROY()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPColorChooserDialog, CDialog)

namespace {

const int kPaletteSize = 256;

} // namespace

CTavoPColorChooserDialog::CTavoPColorChooserDialog(COLORREF clrInit, CWnd* pParentWnd,
                                                   CPalette* pPalette)
    : CDialog(IDD_TAVOP_COLOR_DIALOG, pParentWnd), m_pPropSheet(nullptr),
      m_pColourSheetOne(nullptr), m_pColourSheetTwo(nullptr), m_CurrentColor(clrInit),
      m_NewColor(clrInit), m_pPalette(pPalette), m_bIsMyPalette(pPalette == nullptr)
{}

CTavoPColorChooserDialog::~CTavoPColorChooserDialog()
{
    if (m_pPropSheet != nullptr && m_pPropSheet->GetSafeHwnd() != nullptr)
        m_pPropSheet->DestroyWindow(); // frees the sheet object as well
    delete m_pColourSheetOne;
    delete m_pColourSheetTwo;
    if (m_bIsMyPalette)
        delete m_pPalette;
}

INT_PTR CTavoPColorChooserDialog::DoModal()
{
    CTavoPResourceScope scope;
    return CDialog::DoModal();
}

void CTavoPColorChooserDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_PLACEHOLDER, m_wndStaticPlaceHolder);
    DDX_Control(pDX, IDC_TAVOP_COLOR, m_wndColors);
}

void CTavoPColorChooserDialog::RebuildPalette()
{
    if (!m_bIsMyPalette)
        return;
    if (m_pPalette == nullptr)
        m_pPalette = new CPalette;
    else
        m_pPalette->DeleteObject();

    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + kPaletteSize * sizeof(PALETTEENTRY));
    LOGPALETTE* pLogPalette = (LOGPALETTE*)buffer.data();
    pLogPalette->palVersion = 0x300;

    UINT nEntries = 0;
    {
        CClientDC dc(this);
        nEntries =
            ::GetSystemPaletteEntries(dc.GetSafeHdc(), 0, kPaletteSize, pLogPalette->palPalEntry);
    }
    if (nEntries == 0)
    {
        // A true-colour screen has no system palette to read: the stock palette stands in, so
        // the dialog's nearest-colour lookups find real colours instead of 256 blacks.
        HPALETTE hDefault = (HPALETTE)::GetStockObject(DEFAULT_PALETTE);
        nEntries = ::GetPaletteEntries(hDefault, 0, kPaletteSize, pLogPalette->palPalEntry);
    }
    pLogPalette->palNumEntries = (WORD)(nEntries > 0 ? nEntries : 1);
    m_pPalette->CreatePalette(pLogPalette);
}

BOOL CTavoPColorChooserDialog::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (GetGlobalData().m_nBitsPerPixel < 8)
    {
        RunSystemDialog();
        return TRUE;
    }

    if (m_pPalette == nullptr)
        RebuildPalette();
    m_wndColors.SetType(CTavoPColorPickerCtrl::CURRENT);
    m_wndColors.SetPalette(m_pPalette);
    m_wndColors.SetCompareColor(m_CurrentColor);
    m_wndColors.SetColor(m_NewColor);

    m_pPropSheet = new CPropertySheetCtrl("", this);
    m_pColourSheetOne = new CColorPage1;
    m_pColourSheetOne->m_pDialog = this;
    m_pColourSheetTwo = new CColorPage2;
    m_pColourSheetTwo->m_pDialog = this;
    m_pPropSheet->AddPage(m_pColourSheetOne);
    m_pPropSheet->AddPage(m_pColourSheetTwo);

    if (!m_pPropSheet->Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0))
    {
        if (m_pPropSheet->GetSafeHwnd() != nullptr)
            m_pPropSheet->DestroyWindow();
        else
            delete m_pPropSheet;
        m_pPropSheet = nullptr;
        EndDialog(-1);
        return TRUE;
    }

    CRect rectPlaceholder;
    m_wndStaticPlaceHolder.GetWindowRect(rectPlaceholder);
    ScreenToClient(rectPlaceholder);
    m_pPropSheet->SetWindowPos(nullptr, rectPlaceholder.left, rectPlaceholder.top,
                               rectPlaceholder.Width(), rectPlaceholder.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);

    const BYTE r = GetRValue(m_CurrentColor);
    const BYTE g = GetGValue(m_CurrentColor);
    const BYTE b = GetBValue(m_CurrentColor);
    SetPageOneColor(r, g, b);
    SetPageTwoColor(r, g, b);
    return TRUE;
}

void CTavoPColorChooserDialog::RunSystemDialog()
{
    CColorDialog dlg(m_CurrentColor, CC_FULLOPEN | CC_ANYCOLOR, GetParent());
    const INT_PTR nResult = dlg.DoModal();
    if (nResult == IDOK)
        m_NewColor = dlg.GetColor();
    EndDialog((int)nResult);
}

void CTavoPColorChooserDialog::SetNewColor(COLORREF color)
{
    m_NewColor = color;
    COLORREF shown = color;
    if (GetGlobalData().m_nBitsPerPixel <= 8 && m_pPalette != nullptr &&
        m_pPalette->GetSafeHandle() != nullptr)
        shown = PALETTEINDEX((WORD)m_pPalette->GetNearestPaletteIndex(color));
    m_wndColors.SetColor(shown);
    if (m_wndColors.GetSafeHwnd() != nullptr)
        m_wndColors.RedrawWindow();
}

void CTavoPColorChooserDialog::SetPageOneColor(BYTE r, BYTE g, BYTE b)
{
    if (m_pColourSheetOne == nullptr)
        return;
    m_pColourSheetOne->m_hexpicker.SetRGB(r, g, b);
    m_pColourSheetOne->m_hexpicker_greyscale.SetRGB(r, g, b);
}

void CTavoPColorChooserDialog::SetPageTwoColor(BYTE r, BYTE g, BYTE b)
{
    if (m_pColourSheetTwo != nullptr)
        m_pColourSheetTwo->SetColor(r, g, b);
}

void CTavoPColorChooserDialog::OnDestroy()
{
    // The sheet goes with its window, which is destroyed with this dialog's children.
    m_pPropSheet = nullptr;
    if (m_bIsMyPalette && m_pPalette != nullptr)
    {
        delete m_pPalette;
        m_pPalette = nullptr;
    }
    CDialog::OnDestroy();
}

void CTavoPColorChooserDialog::OnSysColorChange()
{
    CDialog::OnSysColorChange();
    GetGlobalData().UpdateSysColors();

    if (!m_bIsMyPalette)
        return;
    if (GetGlobalData().m_nBitsPerPixel >= 8)
    {
        RebuildPalette();
        Invalidate();
        UpdateWindow();
    }
    else
    {
        ShowWindow(SW_HIDE);
        RunSystemDialog();
    }
}
