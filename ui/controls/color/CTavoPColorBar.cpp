#include "ui/controls/color/CTavoPColorBar.h"
#include "ui/controls/color/CColorButton.h"
#include "ui/controls/color/CTavoPColorButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <algorithm>
#include <cmath>
#include <vector>

BEGIN_MESSAGE_MAP(CTavoPColorBar, CTavoPPopupMenuBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPColorBar, CTavoPPopupMenuBar, 1)

namespace {

// The colours a logical palette of a colour bar holds at most.
const int kMaxPaletteColors = 100;
// The colours taken from the system's default palette when no palette is given.
const int kDefaultPaletteColors = 20;

int DivideUp(int n, int d)
{
    return d <= 0 ? 0 : (n + d - 1) / d;
}

} // namespace

// ---- construction ----

void CTavoPColorBar::CommonInit()
{
    m_nNumColumns = 0;
    m_nHorzRows = 0;
    m_nVertColumns = 0;
    m_ColorSelected = (COLORREF)-1;
    m_ColorAutomatic = (COLORREF)-1;
    m_nCommandID = 0;
    m_bIsUseSystemDialog = FALSE;
    m_bIsEnabled = TRUE;
    m_bStandalone = TRUE;
    m_bShowDocColorsWhenDocked = FALSE;
    m_pParentBtn = nullptr;
    m_BoxSize = CSize(0, 0);
    m_nRowHeight = 0;
    m_nHorzOffset = 0;
    m_nVertOffset = 0;
    m_nVertMargin = 4;
    m_nHorzMargin = 4;
}

CTavoPColorBar::CTavoPColorBar()
{
    CommonInit();
}

CTavoPColorBar::CTavoPColorBar(const CColorArray& colors, COLORREF color, LPCTSTR lpszAutoColor,
                               LPCTSTR lpszOtherColor, LPCTSTR lpszDocColors,
                               const CColorList& lstDocColors, int nColumns, int nRowsDockHorz,
                               int nColDockVert, COLORREF colorAutomatic, UINT nCommandID,
                               CTavoPColorButton* pParentBtn)
{
    CommonInit();
    m_nNumColumns = nColumns;
    m_nHorzRows = nRowsDockHorz;
    m_nVertColumns = nColDockVert;
    m_ColorSelected = color;
    m_ColorAutomatic = colorAutomatic;
    m_strAutoColor = lpszAutoColor != nullptr ? lpszAutoColor : _T("");
    m_strOtherColor = lpszOtherColor != nullptr ? lpszOtherColor : _T("");
    m_strDocColors = lpszDocColors != nullptr ? lpszDocColors : _T("");
    m_nCommandID = nCommandID;
    m_pParentBtn = pParentBtn;
    m_bStandalone = FALSE;
    m_bShowDocColorsWhenDocked = TRUE;
    m_bIsUseSystemDialog = pParentBtn != nullptr ? !pParentBtn->m_bAltColorDlg : FALSE;
    m_colors.Copy(colors);
    for (POSITION pos = lstDocColors.GetHeadPosition(); pos != NULL;)
        m_lstDocColors.AddTail(lstDocColors.GetNext(pos));
}

CTavoPColorBar::CTavoPColorBar(const CTavoPColorBar& src, UINT uiCommandID)
{
    CommonInit();
    m_nNumColumns = src.m_nNumColumns;
    m_nHorzRows = src.m_nHorzRows;
    m_nVertColumns = src.m_nVertColumns;
    m_ColorSelected = src.m_ColorSelected;
    m_ColorAutomatic = src.m_ColorAutomatic;
    m_strAutoColor = src.m_strAutoColor;
    m_strOtherColor = src.m_strOtherColor;
    m_strDocColors = src.m_strDocColors;
    m_colors.Copy(src.m_colors);
    for (POSITION pos = src.m_lstDocColors.GetHeadPosition(); pos != NULL;)
        m_lstDocColors.AddTail(src.m_lstDocColors.GetNext(pos));
    m_bIsUseSystemDialog = src.m_bIsUseSystemDialog;
    m_nCommandID = uiCommandID;
}

CTavoPColorBar::~CTavoPColorBar()
{}

BOOL CTavoPColorBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, CPalette* pPalette,
                            int nColumns, int nRowsDockHorz, int nColDockVert)
{
    if (m_colors.GetSize() == 0)
    {
        m_nNumColumns = nColumns;
        m_nHorzRows = nRowsDockHorz;
        m_nVertColumns = nColDockVert;
        InitColors(pPalette, m_colors);
    }
    return CTavoPToolBar::Create(pParentWnd, dwStyle, nID);
}

int CTavoPColorBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPPopupMenuBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    const CSize sizeImage = GetMenuImageSize();
    m_BoxSize = CSize(sizeImage.cx + 1, sizeImage.cy + 1);
    m_nRowHeight = (sizeImage.cy + 1) * 3 / 2;
    Rebuild();
    if (m_pParentBtn != nullptr)
    {
        SetCapture();
        m_pParentBtn->ClearCaptured();
    }
    return 0;
}

void CTavoPColorBar::OnDestroy()
{
    if (m_pParentBtn != nullptr)
    {
        m_pParentBtn->OnPopupClosed();
        if (::IsWindow(m_pParentBtn->GetSafeHwnd()))
            m_pParentBtn->SetFocus();
    }
    CTavoPPopupMenuBar::OnDestroy();
}

BOOL CTavoPColorBar::CreateControl(CWnd* pParentWnd, const CRect& rect, UINT nID, int nColumns,
                                   CPalette* pPalette)
{
    if (nColumns <= 0)
    {
        const int m = pPalette != nullptr ? pPalette->GetEntryCount() : kDefaultPaletteColors;
        const int w = rect.Width() - 2 * m_nHorzMargin;
        const int h = rect.Height() - 2 * m_nVertMargin;
        nColumns = -1;
        for (int k = m; k > 0; k--)
        {
            if (w / k <= 0)
                continue;
            if ((w / k) * (m / k) > h)
            {
                nColumns = k + 1;
                break;
            }
        }
    }
    if (!Create(pParentWnd, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, nID, pPalette, nColumns, 0, 0))
        return FALSE;

    SetBarStyle(GetBarStyle() & 0xFFBFF0FF);
    MoveWindow(rect);
    FitCellsToClient(TRUE, TRUE);
    SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetOwner(pParentWnd);
    m_nCommandID = nID;
    return TRUE;
}

// ---- cells and layout ----

void CTavoPColorBar::Rebuild()
{
    RemoveAllButtons();

    BOOL bSelected = FALSE;
    if (!m_strAutoColor.IsEmpty())
    {
        CColorButton* pAuto = new CColorButton(m_ColorAutomatic, TRUE, FALSE, m_strAutoColor);
        pAuto->m_bHighlight = m_ColorSelected == (COLORREF)-1;
        bSelected = pAuto->m_bHighlight;
        InsertButton(pAuto);
    }

    for (int i = 0; i < (int)m_colors.GetSize(); i++)
    {
        CColorButton* pCell = new CColorButton(m_colors[i]);
        if (m_colors[i] == m_ColorSelected)
        {
            pCell->m_bHighlight = TRUE;
            bSelected = TRUE;
        }
        InsertButton(pCell);
    }

    if (!m_strDocColors.IsEmpty() && !m_lstDocColors.IsEmpty())
    {
        InsertSeparator();
        InsertButton(new CColorButton((COLORREF)-1, FALSE, FALSE, m_strDocColors, TRUE, TRUE));
        BOOL bDocSelected = bSelected;
        for (POSITION pos = m_lstDocColors.GetHeadPosition(); pos != NULL;)
        {
            const COLORREF color = m_lstDocColors.GetNext(pos);
            CColorButton* pCell = new CColorButton(color, FALSE, FALSE, nullptr, FALSE, TRUE);
            if (!bDocSelected && color == m_ColorSelected)
            {
                pCell->m_bHighlight = TRUE;
                bDocSelected = TRUE;
            }
            InsertButton(pCell);
        }
    }

    if (!m_strOtherColor.IsEmpty())
    {
        InsertSeparator();
        InsertButton(new CColorButton((COLORREF)-1, FALSE, TRUE, m_strOtherColor));
        CColorButton* pPreview =
            new CColorButton(m_ColorSelected, FALSE, FALSE, nullptr, FALSE, FALSE, TRUE);
        pPreview->m_bHighlight = !bSelected;
        InsertButton(pPreview);
    }
}

void CTavoPColorBar::GetGrid(BOOL bVertDock, int& nColumns, int& nRows) const
{
    const int n = (int)m_colors.GetSize();
    const BOOL bDocked = m_bStandalone && GetSafeHwnd() != NULL && IsDocked() && !IsFloating();
    if (bDocked && !bVertDock && m_nHorzRows > 0)
    {
        nRows = m_nHorzRows;
        nColumns = DivideUp(n, nRows);
        return;
    }
    if (bDocked && m_nVertColumns > 0)
    {
        nColumns = m_nVertColumns;
        nRows = DivideUp(n, nColumns);
        return;
    }
    nColumns = m_nNumColumns < 1 ? (int)std::sqrt((double)n) + 1 : m_nNumColumns;
    nRows = DivideUp(n, nColumns);
}

BOOL CTavoPColorBar::IsDocSectionShown() const
{
    if (m_strDocColors.IsEmpty() || m_lstDocColors.IsEmpty())
        return FALSE;
    return m_bShowDocColorsWhenDocked || (GetSafeHwnd() != NULL && IsFloating());
}

CSize CTavoPColorBar::CalcSize(BOOL bVertDock)
{
    int nColumns = 0, nRows = 0;
    GetGrid(bVertDock, nColumns, nRows);

    int nExtraHeight = 0;
    if (!m_strAutoColor.IsEmpty())
        nExtraHeight = m_nRowHeight;
    else if (!m_strOtherColor.IsEmpty())
        nExtraHeight = m_nVertMargin;
    if (!m_strOtherColor.IsEmpty())
        nExtraHeight += m_nRowHeight;
    if (IsDocSectionShown())
    {
        // A bar without palette colours still lays its document colours out one to a row.
        const int nDocRows = DivideUp((int)m_lstDocColors.GetCount(), std::max(1, nColumns));
        nExtraHeight += m_nVertMargin + nDocRows * m_BoxSize.cy + m_nRowHeight + 4;
    }
    return CSize(nColumns * m_BoxSize.cx + 2 * m_nHorzMargin,
                 nExtraHeight + nRows * m_BoxSize.cy + 2 * m_nVertMargin);
}

void CTavoPColorBar::LayoutButtons()
{
    if (GetSafeHwnd() == NULL)
        return;
    CRect rect;
    GetClientRect(rect);
    rect.DeflateRect(m_nHorzMargin + m_nHorzOffset, m_nVertMargin + m_nVertOffset);

    int x = rect.left;
    int y = rect.top;
    BOOL bPreviewShown = m_strAutoColor.IsEmpty() || m_ColorSelected != (COLORREF)-1;
    const BOOL bHideDocument = m_bStandalone && IsDocked() && !m_bShowDocColorsWhenDocked;
    BOOL bPrevSeparator = FALSE;

    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        const CRect rectOld = pButton->Rect();
        CRect rectNew(0, 0, 0, 0);

        if (pButton->m_nStyle & TBBS_SEPARATOR)
        {
            if (!bPrevSeparator)
            {
                if (x > rect.left)
                {
                    y += m_BoxSize.cy + m_nVertMargin;
                    x = rect.left;
                }
                rectNew = CRect(rect.left, y, rect.right, y + 2);
                y += 4;
            }
            bPrevSeparator = TRUE;
        }
        else
        {
            bPrevSeparator = FALSE;
            CColorButton* pCell = DYNAMIC_DOWNCAST(CColorButton, pButton);
            if (pCell == nullptr)
            {
                // Nothing but cells belongs here; anything else is not shown.
            }
            else if (pCell->m_bIsDocument && bHideDocument)
            {}
            else if (pCell->m_bIsAutomatic || pCell->m_bIsOther || pCell->m_bIsCaption)
            {
                if (x > rect.left)
                {
                    y += m_BoxSize.cy + m_nVertMargin;
                    x = rect.left;
                }
                const int nHeight = m_nRowHeight - m_nVertMargin / 2;
                if (pCell->m_bIsOther && bPreviewShown)
                {
                    rectNew = CRect(rect.left, y, rect.right - m_BoxSize.cx, y + nHeight);
                    y += (nHeight - m_BoxSize.cy) / 2;
                    x = rectNew.right;
                }
                else
                {
                    rectNew = CRect(rect.left, y, rect.right, y + nHeight);
                    y = rectNew.bottom;
                }
                if (pCell->m_bIsOther)
                    rectNew.DeflateRect(m_nHorzMargin / 2, m_nVertMargin / 2);
            }
            else
            {
                if (x + m_BoxSize.cx > rect.right)
                {
                    y += m_BoxSize.cy;
                    x = rect.left;
                }
                if (pCell->m_bIsPreview)
                {
                    if (bPreviewShown)
                    {
                        rectNew = CRect(x, y, x + m_BoxSize.cx, y + m_BoxSize.cy);
                        x += m_BoxSize.cx;
                    }
                }
                else
                {
                    rectNew = CRect(x, y, x + m_BoxSize.cx, y + m_BoxSize.cy);
                    x += m_BoxSize.cx;
                    if (!pCell->m_bIsDocument && pCell->m_Color == m_ColorSelected)
                        bPreviewShown = FALSE;
                }
            }
        }

        if (rectNew != rectOld)
            pButton->SetRect(rectNew);
    }
    UpdateTooltips();
}

void CTavoPColorBar::FitCellsToClient(BOOL bSquare, BOOL bCenter)
{
    CRect rectClient;
    GetClientRect(rectClient);

    // Each search ends when the computed size reaches the client size, passes it, or stops
    // changing (a bar without cells keeps its size whatever the cell size), and no cell gets
    // smaller than one pixel.
    auto search = [this](LONG& nCell, int nClient, BOOL bHeight) {
        auto measure = [this, bHeight]() {
            const CSize size = CalcSize(TRUE);
            return bHeight ? (int)size.cy : (int)size.cx;
        };
        int nSize = measure();
        const int nStep = nSize < nClient ? 1 : -1;
        while (nSize != nClient)
        {
            if (nStep > 0 && nSize > nClient)
            {
                nCell -= nStep;
                break;
            }
            if (nStep < 0 && nSize < nClient)
                break;
            if (nStep < 0 && nCell <= 1)
                break;
            nCell += nStep;
            if (bHeight)
                m_nRowHeight = (int)nCell * 3 / 2;
            const int nPrevious = nSize;
            nSize = measure();
            if (nSize == nPrevious)
                break;
        }
    };
    search(m_BoxSize.cy, rectClient.Height(), TRUE);
    search(m_BoxSize.cx, rectClient.Width(), FALSE);

    m_BoxSize.cx = std::max(1, (int)m_BoxSize.cx - 1);
    m_BoxSize.cy = std::max(1, (int)m_BoxSize.cy - 1);
    if (bSquare)
    {
        const int nSide = std::min(m_BoxSize.cx, m_BoxSize.cy);
        m_BoxSize = CSize(nSide, nSide);
        m_nRowHeight = nSide * 3 / 2;
    }
    if (bCenter)
    {
        const CSize size = CalcSize(TRUE);
        m_nHorzOffset = (rectClient.Width() - size.cx) / 2;
        m_nVertOffset = (rectClient.Height() - size.cy) / 2;
    }
    else
    {
        m_nHorzOffset = 0;
        m_nVertOffset = 0;
    }
    LayoutButtons();
}

// ---- the current colour ----

void CTavoPColorBar::SetColor(COLORREF color)
{
    if (m_ColorSelected == color)
        return;
    m_ColorSelected = color;
    if (GetSafeHwnd() == NULL)
        return;

    m_iHighlighted = -1;
    BOOL bPaletteMatched = FALSE;
    CColorButton* pPreview = nullptr;
    int iLastSelected = -1;
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CColorButton* pCell = DYNAMIC_DOWNCAST(CColorButton, (CObject*)m_Buttons.GetNext(pos));
        if (pCell == nullptr)
            continue;
        const BOOL bWasSelected = pCell->m_bHighlight;
        if (pCell->m_bIsPreview)
        {
            pPreview = pCell;
            continue;
        }
        if (!pCell->m_bIsOther && !pCell->m_bIsCaption)
            pCell->m_bHighlight = FALSE;
        if (pCell->m_bIsAutomatic && color == (COLORREF)-1)
            pCell->m_bHighlight = TRUE;
        else if (pCell->IsColorCell() && pCell->m_Color == color)
        {
            pCell->m_bHighlight = TRUE;
            if (!pCell->m_bIsDocument)
                bPaletteMatched = TRUE;
        }
        if (pCell->m_bHighlight)
            iLastSelected = i;
        if (bWasSelected != pCell->m_bHighlight)
            InvalidateRect(pCell->Rect());
    }
    m_iHighlighted = iLastSelected;

    if (pPreview != nullptr)
    {
        const CRect rectOld = pPreview->Rect();
        pPreview->m_Color = color;
        pPreview->m_bHighlight = TRUE;
        const BOOL bNeedsPreview =
            (m_ColorAutomatic == (COLORREF)-1 || color != (COLORREF)-1) && !bPaletteMatched;
        if (bNeedsPreview == rectOld.IsRectEmpty())
        {
            LayoutButtons();
            Invalidate();
        }
        else
            InvalidateRect(rectOld);
    }
    UpdateWindow();
}

// ---- palettes ----

int CTavoPColorBar::InitColors(CPalette* pPalette, CColorArray& arColors)
{
    int nCount = 0;
    std::vector<PALETTEENTRY> entries;
    if (pPalette != nullptr && pPalette->GetSafeHandle() != NULL)
    {
        nCount = pPalette->GetEntryCount();
        entries.resize((size_t)std::max(0, nCount));
        if (nCount > 0)
            nCount = (int)pPalette->GetPaletteEntries(0, (UINT)nCount, entries.data());
    }
    else
    {
        entries.resize(kDefaultPaletteColors);
        nCount = (int)::GetPaletteEntries((HPALETTE)::GetStockObject(DEFAULT_PALETTE), 0,
                                          kDefaultPaletteColors, entries.data());
    }
    arColors.RemoveAll();
    for (int i = 0; i < nCount; i++)
        arColors.Add(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue));
    return nCount;
}

BOOL CTavoPColorBar::CreatePalette(const CColorArray& arColors, CPalette& palette)
{
    palette.DeleteObject();
    if (GetGlobalData().m_nBitsPerPixel != 8)
        return FALSE;
    const int nColors = std::min((int)arColors.GetSize(), kMaxPaletteColors);
    if (nColors == 0)
        return FALSE;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + nColors * sizeof(PALETTEENTRY));
    LOGPALETTE* pLogPalette = (LOGPALETTE*)buffer.data();
    pLogPalette->palVersion = 0x300;
    pLogPalette->palNumEntries = (WORD)nColors;
    for (int i = 0; i < nColors; i++)
    {
        pLogPalette->palPalEntry[i].peRed = GetRValue(arColors[i]);
        pLogPalette->palPalEntry[i].peGreen = GetGValue(arColors[i]);
        pLogPalette->palPalEntry[i].peBlue = GetBValue(arColors[i]);
        pLogPalette->palPalEntry[i].peFlags = 0;
    }
    return palette.CreatePalette(pLogPalette);
}

CPalette* CTavoPColorBar::GetPalette() const
{
    if (m_pParentBtn != nullptr && m_pParentBtn->GetPalette() != nullptr &&
        m_pParentBtn->GetPalette()->GetSafeHandle() != NULL)
        return m_pParentBtn->GetPalette();
    return m_Palette.GetSafeHandle() != NULL ? const_cast<CPalette*>(&m_Palette) : nullptr;
}

void CTavoPColorBar::SelectPaletteInto(CDC* pDC, CPalette*& pOldPalette) const
{
    pOldPalette = nullptr;
    CPalette* pPalette = GetPalette();
    if (pPalette == nullptr)
        return;
    pOldPalette = pDC->SelectPalette(pPalette, FALSE);
    pDC->RealizePalette();
}

void CTavoPColorBar::DoPaint(CDC* pDC)
{
    CreatePalette(m_colors, m_Palette);
    CPalette* pOldPalette = nullptr;
    SelectPaletteInto(pDC, pOldPalette);
    CTavoPPopupMenuBar::DoPaint(pDC);
    if (pOldPalette != nullptr)
        pDC->SelectPalette(pOldPalette, FALSE);
}

BOOL CTavoPColorBar::OnQueryNewPalette()
{
    Invalidate();
    UpdateWindow();
    return CTavoPPopupMenuBar::OnQueryNewPalette();
}

void CTavoPColorBar::OnPaletteChanged(CWnd* pFocusWnd)
{
    if (pFocusWnd != this)
    {
        Invalidate();
        UpdateWindow();
    }
}

// ---- non-client area ----

void CTavoPColorBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (m_bStandalone)
        CTavoPToolBar::OnNcCalcSize(bCalcValidRects, lpncsp);
}

void CTavoPColorBar::OnNcPaint()
{
    if (m_bStandalone)
        CTavoPToolBar::OnNcPaint();
}

// ---- archive ----

void CTavoPColorBar::WriteColors(CArchive& ar, const CColorArray& colors)
{
    ar << (int)colors.GetSize();
    for (int i = 0; i < (int)colors.GetSize(); i++)
        ar << (DWORD)colors[i];
}

void CTavoPColorBar::ReadColors(CArchive& ar, CColorArray& colors)
{
    int nCount = 0;
    ar >> nCount;
    if (nCount < 0 || nCount > kMaxStoredColors)
        AfxThrowArchiveException(CArchiveException::badIndex);
    colors.RemoveAll();
    for (int i = 0; i < nCount; i++)
    {
        DWORD dwColor = 0;
        ar >> dwColor;
        colors.Add((COLORREF)dwColor);
    }
}

void CTavoPColorBar::Serialize(CArchive& ar)
{
    CTavoPPopupMenuBar::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << (int)m_nNumColumns;
        ar << (int)m_nHorzRows;
        ar << (int)m_nVertColumns;
        ar << (DWORD)m_ColorAutomatic;
        ar << m_strAutoColor;
        ar << m_strOtherColor;
        ar << m_strDocColors;
        ar << (int)m_bStandalone;
        ar << (int)m_nCommandID;
        ar << (int)m_bIsUseSystemDialog;
        WriteColors(ar, m_colors);
        return;
    }

    int nColumns = 0, nHorzRows = 0, nVertColumns = 0, nStandalone = 0, nCommand = 0;
    int nSystemDialog = 0;
    DWORD dwAutomatic = 0;
    CString strAuto, strOther, strDoc;
    ar >> nColumns >> nHorzRows >> nVertColumns >> dwAutomatic;
    ar >> strAuto >> strOther >> strDoc;
    ar >> nStandalone >> nCommand >> nSystemDialog;
    CColorArray colors;
    ReadColors(ar, colors);

    // Only a complete record replaces the bar's settings.
    m_nNumColumns = nColumns;
    m_nHorzRows = nHorzRows;
    m_nVertColumns = nVertColumns;
    m_ColorAutomatic = (COLORREF)dwAutomatic;
    m_strAutoColor = strAuto;
    m_strOtherColor = strOther;
    m_strDocColors = strDoc;
    m_bStandalone = nStandalone != 0;
    m_nCommandID = (UINT)nCommand;
    m_bIsUseSystemDialog = nSystemDialog != 0;
    m_colors.Copy(colors);
    Rebuild();
    LayoutButtons();
}
