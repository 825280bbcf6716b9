#include "ui/controls/color/CTavoPColorButton.h"
#include "ui/controls/color/CColorPopup.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <vector>

BEGIN_MESSAGE_MAP(CTavoPColorButton, CTavoPButton)
    ON_WM_DESTROY()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPColorButton, CTavoPButton)

namespace {

const int kSystemPaletteSize = 256;

} // namespace

CTavoPColorButton::CTavoPColorButton()
    : m_nColumns(-1), m_ColorAutomatic(0), m_bAltColorDlg(TRUE), m_Color(0), m_pPalette(nullptr),
      m_pPopup(nullptr)
{}

CTavoPColorButton::~CTavoPColorButton()
{
    delete m_pPalette;
}

void CTavoPColorButton::SetColor(COLORREF color)
{
    m_Color = color;
    if (GetSafeHwnd() != NULL)
        RedrawNow();
}

void CTavoPColorButton::UpdateColor(COLORREF color)
{
    SetColor(color);
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), (LPARAM)m_hWnd);
}

void CTavoPColorButton::RebuildPalette(CPalette* pPalette)
{
    delete m_pPalette;
    m_pPalette = new CPalette;

    std::vector<PALETTEENTRY> entries;
    if (pPalette != nullptr && pPalette->GetSafeHandle() != NULL)
    {
        const int nCount = pPalette->GetEntryCount();
        entries.resize((size_t)std::max(0, nCount));
        if (nCount > 0)
            entries.resize(pPalette->GetPaletteEntries(0, (UINT)nCount, entries.data()));
    }
    else
    {
        entries.resize(kSystemPaletteSize);
        UINT nRead = 0;
        {
            CClientDC dc(GetSafeHwnd() != NULL ? this : nullptr);
            nRead =
                ::GetSystemPaletteEntries(dc.GetSafeHdc(), 0, kSystemPaletteSize, entries.data());
        }
        if (nRead == 0)
        {
            // A true-colour screen has no system palette to read: the stock palette stands in,
            // so that the cells are not drawn as 256 blacks.
            nRead = ::GetPaletteEntries((HPALETTE)::GetStockObject(DEFAULT_PALETTE), 0,
                                        kSystemPaletteSize, entries.data());
        }
        entries.resize(nRead);
    }
    if (entries.empty())
        return;

    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + entries.size() * sizeof(PALETTEENTRY));
    LOGPALETTE* pLogPalette = (LOGPALETTE*)buffer.data();
    pLogPalette->palVersion = 0x300;
    pLogPalette->palNumEntries = (WORD)entries.size();
    memcpy(pLogPalette->palPalEntry, entries.data(), entries.size() * sizeof(PALETTEENTRY));
    m_pPalette->CreatePalette(pLogPalette);
}

void CTavoPColorButton::OnPopupClosed()
{
    m_pPopup = nullptr;
}

void CTavoPColorButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    CRect rectSwatch = rect;
    rectSwatch.DeflateRect(4, 4);
    const COLORREF color = m_Color == (COLORREF)-1 ? m_ColorAutomatic : m_Color;
    CPalette* pOldPalette = nullptr;
    if (m_pPalette != nullptr && m_pPalette->GetSafeHandle() != NULL)
    {
        pOldPalette = pDC->SelectPalette(m_pPalette, FALSE);
        pDC->RealizePalette();
    }
    if (IsWindowEnabled())
        pDC->FillSolidRect(rectSwatch,
                           PALETTERGB(GetRValue(color), GetGValue(color), GetBValue(color)));
    pDC->Draw3dRect(rectSwatch, GetGlobalData().clrBtnShadow, GetGlobalData().clrBtnShadow);
    if (pOldPalette != nullptr)
        pDC->SelectPalette(pOldPalette, FALSE);
}

void CTavoPColorButton::OpenPopup()
{
    if (m_pPopup != nullptr)
        return;
    if (m_Colors.GetSize() == 0)
        CTavoPColorBar::InitColors(m_pPalette, m_Colors);
    CColorList lstDocColors;
    m_pPopup = new CColorPopup(this, m_Colors, m_Color,
                               m_strAutoColorText.IsEmpty() ? nullptr : (LPCTSTR)m_strAutoColorText,
                               m_strOtherText.IsEmpty() ? nullptr : (LPCTSTR)m_strOtherText,
                               nullptr, lstDocColors, m_nColumns, m_ColorAutomatic);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (!m_pPopup->Create(this, rectWindow.left, rectWindow.bottom, NULL))
        m_pPopup = nullptr; // the popup frees itself when its window goes
}

void CTavoPColorButton::OnDestroy()
{
    // The popup's bar points at this button: it goes first.
    if (m_pPopup != nullptr && ::IsWindow(m_pPopup->GetSafeHwnd()))
        m_pPopup->DestroyWindow();
    m_pPopup = nullptr;
    CTavoPButton::OnDestroy();
}

void CTavoPColorButton::OnSysColorChange()
{
    CTavoPButton::OnSysColorChange();
    RebuildPalette(nullptr);
    Invalidate();
    UpdateWindow();
}

void CTavoPColorButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    SetFocus();
    OpenPopup();
}

void CTavoPColorButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!IsWinXPThemeEnabled())
    {
        CTavoPButton::OnMouseMove(nFlags, point);
        return;
    }
    const int nSaved = m_nFlatStyle;
    m_nFlatStyle = BUTTONSTYLE_SEMIFLAT;
    CTavoPButton::OnMouseMove(nFlags, point);
    m_nFlatStyle = nSaved;
}
