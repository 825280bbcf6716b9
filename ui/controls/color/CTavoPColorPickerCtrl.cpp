#include "ui/controls/color/CTavoPColorPickerCtrl.h"
#include "ui/controls/color/CTavoPColorHexagon.h"
#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <algorithm>
#include <cmath>

BEGIN_MESSAGE_MAP(CTavoPColorPickerCtrl, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPColorPickerCtrl, CButton)

namespace {

const double kKeyStep = 0.05;
// Below this the bar range would be empty: shrinking by 5 pixels at the top and the bottom.
const int kLumBarMargin = 5;

double Clamp01(double value)
{
    return std::min(1.0, std::max(0.0, value));
}

} // namespace

CTavoPColorPickerCtrl::CTavoPColorPickerCtrl()
    : m_nType(PICKER), m_dblLum(0.5), m_dblSat(0.0), m_dblHue(0.0), m_colorNew(0),
      m_colorCompare(0), m_nLumBarWidth(20), m_pPalette(nullptr)
{}

CTavoPColorPickerCtrl::~CTavoPColorPickerCtrl()
{
    for (int i = 0; i < (int)m_arCells.GetSize(); i++)
        delete m_arCells[i];
    m_arCells.RemoveAll();
}

void CTavoPColorPickerCtrl::PreSubclassWindow()
{
    // Never the default push button: the type bits become owner-draw.
    ModifyStyle(0x0F, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

BOOL CTavoPColorPickerCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~(DWORD)0x0F;
    cs.style |= BS_OWNERDRAW;
    return CButton::PreCreateWindow(cs);
}

// ---- operations ----

void CTavoPColorPickerCtrl::SetPalette(CPalette* pPalette)
{
    m_pPalette = pPalette;
    if (m_bmpPicker.GetSafeHandle() != nullptr)
        m_bmpPicker.DeleteObject();
    if (GetSafeHwnd() != nullptr)
        RedrawNow();
}

void CTavoPColorPickerCtrl::SetColor(COLORREF color)
{
    m_colorNew = color;
    CTavoPDrawManager::RgbToHsl(color, &m_dblHue, &m_dblSat, &m_dblLum);
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

void CTavoPColorPickerCtrl::SetRGB(BYTE r, BYTE g, BYTE b)
{
    m_colorNew = RGB(r, g, b);
    CTavoPDrawManager::RgbToHsl(m_colorNew, &m_dblHue, &m_dblSat, &m_dblLum);
    if (GetSafeHwnd() != nullptr)
        RedrawNow();
}

void CTavoPColorPickerCtrl::SetHLS(double hue, double luminance, double saturation,
                                   BOOL bInvalidate)
{
    if (hue != -1)
        m_dblHue = hue;
    if (saturation != -1)
        m_dblSat = saturation;
    if (luminance != -1)
        m_dblLum = luminance;
    m_colorNew = CTavoPDrawManager::HlsToRgb(m_dblHue, m_dblLum, m_dblSat);
    if (bInvalidate && GetSafeHwnd() != nullptr)
    {
        Invalidate();
        UpdateWindow();
    }
}

void CTavoPColorPickerCtrl::GetHLS(double* pHue, double* pLuminance, double* pSaturation) const
{
    *pHue = m_dblHue;
    *pLuminance = m_dblLum;
    *pSaturation = m_dblSat;
}

void CTavoPColorPickerCtrl::SetLuminanceBarWidth(int nWidth)
{
    if (GetSafeHwnd() != nullptr)
    {
        CRect rectClient;
        GetClientRect(rectClient);
        nWidth = std::min(nWidth, rectClient.Width() * 3 / 4);
        Invalidate();
    }
    m_nLumBarWidth = nWidth;
}

COLORREF CTavoPColorPickerCtrl::SnapColor(COLORREF color, int nTolerance)
{
    if (nTolerance == 0)
        return color;
    auto snap = [nTolerance](int v) {
        if (v < nTolerance)
            return 0;
        if (v > 255 - nTolerance)
            return 255;
        if (std::abs(v - 128) < nTolerance)
            return 128;
        if (std::abs(v - 192) < nTolerance)
            return 192;
        return v;
    };
    return RGB(snap(GetRValue(color)), snap(GetGValue(color)), snap(GetBValue(color)));
}

COLORREF CTavoPColorPickerCtrl::GetDrawColor(COLORREF color) const
{
    // The dialog hands the swatch colours already in palette-index form.
    if ((color & 0xFF000000) == 0x01000000)
        return color;
    if (m_pPalette != nullptr && m_pPalette->GetSafeHandle() != nullptr &&
        GetGlobalData().m_nBitsPerPixel <= 8)
        return PALETTEINDEX((WORD)m_pPalette->GetNearestPaletteIndex(color));
    return color;
}

void CTavoPColorPickerCtrl::NotifyParent(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), (LPARAM)m_hWnd);
}

void CTavoPColorPickerCtrl::RedrawNow()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// ---- painting ----

void CTavoPColorPickerCtrl::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDCPaint = CDC::FromHandle(lpDIS->hDC);
    CRect rectItem = lpDIS->rcItem;

    CRect rectClip;
    pDCPaint->GetClipBox(rectClip);
    rectClip.IntersectRect(rectClip, rectItem);

    CDC dcMem;
    CBitmap bmpMem;
    CDC* pDC = pDCPaint;
    CBitmap* pOldBitmap = nullptr;
    if (dcMem.CreateCompatibleDC(pDCPaint) &&
        bmpMem.CreateCompatibleBitmap(pDCPaint, rectItem.right, rectItem.bottom))
    {
        pOldBitmap = dcMem.SelectObject(&bmpMem);
        pDC = &dcMem;
    }

    CPalette* pOldPalette = nullptr;
    CPalette* pOldMemPalette = nullptr;
    if (m_pPalette != nullptr && m_pPalette->GetSafeHandle() != nullptr)
    {
        pOldPalette = pDCPaint->SelectPalette(m_pPalette, FALSE);
        pDCPaint->RealizePalette();
        if (pDC != pDCPaint)
        {
            pOldMemPalette = pDC->SelectPalette(m_pPalette, FALSE);
            pDC->RealizePalette();
        }
    }

    GetGlobalData().DrawParentBackground(this, pDC, rectItem);

    switch (m_nType)
    {
    case CURRENT:
    {
        CRect rectTop = rectItem;
        rectTop.bottom = rectItem.top + rectItem.Height() / 2;
        CRect rectBottom = rectItem;
        rectBottom.top = rectTop.bottom;
        CBrush brNew(GetDrawColor(m_colorNew));
        CBrush brCompare(GetDrawColor(m_colorCompare));
        pDC->FillRect(rectTop, &brNew);
        pDC->FillRect(rectBottom, &brCompare);
        CBrush brFrame(GetGlobalData().clrBtnDkShadow);
        pDC->FrameRect(rectItem, &brFrame);
        break;
    }
    case LUMINANCE:
    {
        DrawLuminanceBar(pDC);
        CRect rectRight = rectItem;
        rectRight.left = rectItem.left + m_nLumBarWidth;
        GetGlobalData().DrawParentBackground(this, pDC, rectRight);
        DrawMarker(pDC, GetCursorRect());
        break;
    }
    case PICKER:
        DrawPicker(pDC);
        DrawMarker(pDC, GetCursorRect());
        pDC->Draw3dRect(rectItem, GetGlobalData().clrBtnDkShadow, GetGlobalData().clrBtnHilite);
        break;
    case HEX:
    case HEX_GREYSCALE: DrawHex(pDC); break;
    default: break;
    }

    if (pDC != pDCPaint)
    {
        pDCPaint->BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), pDC,
                         rectClip.left, rectClip.top, SRCCOPY);
        if (pOldMemPalette != nullptr)
            pDC->SelectPalette(pOldMemPalette, FALSE);
        dcMem.SelectObject(pOldBitmap);
    }
    if (pOldPalette != nullptr)
        pDCPaint->SelectPalette(pOldPalette, FALSE);
}

BOOL CTavoPColorPickerCtrl::GetLuminanceRange(int& nTop, int& nBottom) const
{
    CRect rectClient;
    GetClientRect(rectClient);
    nTop = rectClient.top + kLumBarMargin;
    nBottom = rectClient.bottom - kLumBarMargin;
    // A control of 10 pixels or less has no range to spread the lightness over.
    return nBottom > nTop;
}

double CTavoPColorPickerCtrl::LuminanceFromPoint(int y) const
{
    int nTop, nBottom;
    if (!GetLuminanceRange(nTop, nBottom))
        return m_dblLum;
    y = std::min(nBottom, std::max(nTop, y));
    return (double)(nBottom - y) / (double)(nBottom - nTop);
}

void CTavoPColorPickerCtrl::DrawLuminanceBar(CDC* pDC)
{
    int nTop, nBottom;
    if (!GetLuminanceRange(nTop, nBottom))
        return;
    for (int y = nTop; y <= nBottom; y++)
    {
        double dblLum = (double)(nBottom - y) / (double)(nBottom - nTop);
        COLORREF color = CTavoPDrawManager::HlsToRgb(m_dblHue, dblLum, m_dblSat);
        CBrush brush(GetDrawColor(color));
        CRect rectRow(0, y, m_nLumBarWidth, y + 1);
        pDC->FillRect(rectRow, &brush);
    }
}

void CTavoPColorPickerCtrl::DrawPicker(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    const int cx = rectClient.Width();
    const int cy = rectClient.Height();
    if (cx <= 0 || cy <= 0)
        return;

    if (m_bmpPicker.GetSafeHandle() == nullptr)
    {
        CDC dcBmp;
        if (!dcBmp.CreateCompatibleDC(pDC) || !m_bmpPicker.CreateCompatibleBitmap(pDC, cx, cy))
            return;
        CBitmap* pOld = dcBmp.SelectObject(&m_bmpPicker);
        CPalette* pOldPalette = nullptr;
        if (m_pPalette != nullptr && m_pPalette->GetSafeHandle() != nullptr)
        {
            pOldPalette = dcBmp.SelectPalette(m_pPalette, FALSE);
            dcBmp.RealizePalette();
        }

        // Palette screens dither single pixels badly: blocks of 4 x 4 are both faster and truer.
        const int nStep = GetGlobalData().m_nBitsPerPixel <= 8 ? 4 : 1;
        for (int nOffset = 0; nOffset < cy; nOffset += nStep)
        {
            const double dblSat = (double)nOffset / (double)cy;
            const int y = cy - 1 - nOffset;
            for (int x = 0; x < cx; x += nStep)
            {
                const double dblHue = (double)x / (double)cx;
                COLORREF color = CTavoPDrawManager::HlsToRgb(dblHue, 0.5, dblSat);
                if (nStep == 1)
                    dcBmp.SetPixelV(x, y, color);
                else
                {
                    CBrush brush(GetDrawColor(color));
                    CRect rectBlock(x, y - nStep + 1, x + nStep, y + 1);
                    dcBmp.FillRect(rectBlock, &brush);
                }
            }
        }
        if (pOldPalette != nullptr)
            dcBmp.SelectPalette(pOldPalette, FALSE);
        dcBmp.SelectObject(pOld);
    }

    pDC->DrawState(CPoint(0, 0), CSize(cx, cy), &m_bmpPicker, DSS_NORMAL);
}

CPoint CTavoPColorPickerCtrl::GetCursorPos() const
{
    CRect rectClient;
    GetClientRect(rectClient);
    if (m_nType == LUMINANCE)
    {
        int nTop = rectClient.top + kLumBarMargin;
        int nBottom = rectClient.bottom - kLumBarMargin;
        return CPoint(rectClient.left + m_nLumBarWidth + 6,
                      nTop + (int)((nBottom - nTop) * (1.0 - m_dblLum)));
    }
    return CPoint((int)(rectClient.Width() * m_dblHue),
                  (int)((1.0 - m_dblSat) * rectClient.Height()));
}

CRect CTavoPColorPickerCtrl::GetCursorRect() const
{
    int nSize;
    if (m_nType == LUMINANCE)
        nSize = 9;
    else if (m_nType == PICKER)
        nSize = 19;
    else
        return CRect(0, 0, 0, 0);
    CPoint pt = GetCursorPos();
    CRect rect(pt.x - nSize / 2, pt.y - nSize / 2, 0, 0);
    rect.right = rect.left + nSize;
    rect.bottom = rect.top + nSize;
    return rect;
}

void CTavoPColorPickerCtrl::DrawMarker(CDC* pDC, const CRect& rect)
{
    const BOOL bFocused = ::GetFocus() == m_hWnd;
    if (m_nType == PICKER)
    {
        const COLORREF color = bFocused ? RGB(0, 0, 0) : RGB(255, 255, 255);
        const int nMiddleX = rect.left + rect.Width() / 2 - 1;
        const int nMiddleY = rect.top + rect.Height() / 2 - 1;
        pDC->FillSolidRect(nMiddleX, rect.top, 3, 5, color);
        pDC->FillSolidRect(nMiddleX, rect.bottom - 5, 3, 5, color);
        pDC->FillSolidRect(rect.left, nMiddleY, 5, 3, color);
        pDC->FillSolidRect(rect.right - 5, nMiddleY, 5, 3, color);
    }
    else if (m_nType == LUMINANCE)
    {
        const POINT points[3] = {{rect.left, rect.top + rect.Height() / 2},
                                 {rect.right - 1, rect.top},
                                 {rect.right - 1, rect.bottom - 1}};
        CPen pen(PS_SOLID, 1, GetGlobalData().clrBtnText);
        CBrush* pBrush =
            CBrush::FromHandle(::GetSysColorBrush(bFocused ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
        CPen* pOldPen = pDC->SelectObject(&pen);
        CBrush* pOldBrush = pDC->SelectObject(pBrush);
        pDC->Polygon(points, 3);
        pDC->SelectObject(pOldBrush);
        pDC->SelectObject(pOldPen);
    }
}

// ---- cells ----

void CTavoPColorPickerCtrl::AddCell(int x, int y, int nSize, COLORREF color)
{
    m_arCells.Add(new CTavoPColorHexagon(x, y, nSize, color, GetDrawColor(color)));
}

void CTavoPColorPickerCtrl::CreateHexagons()
{
    CRect rect;
    GetClientRect(rect);
    if (rect.Width() > rect.Height())
        rect.DeflateRect((rect.Width() - rect.Height()) / 2, 0);
    else
        rect.DeflateRect(0, (rect.Height() - rect.Width()) / 2);

    const int nSize = rect.Width() / 13 + 1;
    const int cx = rect.left + rect.Width() / 2;
    const int cy = rect.top + rect.Height() / 2;

    AddCell(cx, cy, nSize, RGB(255, 255, 255));

    static const double steps[6][2] = {{-0.5, 0.8660254}, {-1.0, 0.0}, {-0.5, -0.8660254},
                                       {0.5, -0.8660254}, {1.0, 0.0},  {0.5, 0.8660254}};
    for (int nRing = 1; nRing <= 6; nRing++)
    {
        const double dblLum = (double)(7 - nRing) / 7.0 + 0.1;
        int x = cx + nRing * nSize;
        int y = cy;
        for (int nSide = 0; nSide < 6; nSide++)
        {
            const int dx = (int)(nSize * steps[nSide][0]);
            const int dy = (int)(nSize * steps[nSide][1]);
            for (int i = 0; i < nRing; i++)
            {
                const double dblAngle =
                    std::atan2((double)(y - cy), (double)(x - cx)) * 180.0 / 3.14159265358979323846;
                COLORREF color = CTavoPDrawManager::HlsDegreesToRgb(dblAngle, dblLum, 1.0);
                AddCell(x, y, nSize, SnapColor(color, 16));
                x += dx;
                y += dy;
            }
        }
    }
}

void CTavoPColorPickerCtrl::CreateHexGreyScaleBar()
{
    CRect rect;
    GetClientRect(rect);

    int nSize = std::min(rect.Height() / 2 - 2, rect.Width() / 13);
    if (nSize % 2 != 0)
        nSize++;
    if (nSize <= 0)
        return;
    const int nBigSize = 2 * nSize;
    const int dy = (int)(nSize * 0.57735026 * 1.5);
    const int cy = rect.top + rect.Height() / 2;
    const int yUpper = cy - dy / 2;
    const int yLower = yUpper + dy;
    const int nHalf = nSize / 2;

    // The first pass measures the run so that the second can centre it.
    const int nEnd = rect.left + 3 * nSize + 15 * nHalf;
    const int x = (rect.right - nHalf - nEnd - nBigSize) / 2;

    AddCell(x + nSize, cy, nBigSize, RGB(255, 255, 255));
    int xCell = x + 3 * nSize;
    int xLast = xCell;
    for (int i = 0; i < 15; i++)
    {
        const int nLevel = 240 - 15 * i;
        AddCell(xCell, i % 2 == 0 ? yUpper : yLower, nSize,
                SnapColor(RGB(nLevel, nLevel, nLevel), 7));
        xLast = xCell;
        xCell += nHalf;
    }
    AddCell(xLast + 2 * nHalf + nSize - 1, cy, nBigSize, RGB(0, 0, 0));
}

void CTavoPColorPickerCtrl::DrawHex(CDC* pDC)
{
    if (m_arCells.GetSize() == 0)
    {
        if (m_nType == HEX)
            CreateHexagons();
        else
            CreateHexGreyScaleBar();
    }

    CTavoPColorHexagon* pSelected = nullptr;
    for (int i = 0; i < (int)m_arCells.GetSize(); i++)
    {
        CTavoPColorHexagon* pCell = (CTavoPColorHexagon*)m_arCells[i];
        pCell->Draw(pDC);
        if (pCell->GetColor() == m_colorNew)
            pSelected = pCell;
    }
    if (pSelected != nullptr)
        pSelected->DrawSelected(pDC);
}

BOOL CTavoPColorPickerCtrl::SelectCellHexagon(CPoint point)
{
    for (int i = 0; i < (int)m_arCells.GetSize(); i++)
    {
        CTavoPColorHexagon* pCell = (CTavoPColorHexagon*)m_arCells[i];
        if (pCell->HitTest(point))
        {
            m_colorNew = pCell->GetColor();
            CTavoPDrawManager::RgbToHsl(m_colorNew, &m_dblHue, &m_dblSat, &m_dblLum);
            return TRUE;
        }
    }
    return FALSE;
}

// ---- mouse and keys ----

void CTavoPColorPickerCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetCapture();
    SetFocus();
    OnMouseMove(nFlags, point);
}

void CTavoPColorPickerCtrl::OnLButtonUp(UINT, CPoint)
{
    if (GetCapture() == this)
        ReleaseCapture();
}

void CTavoPColorPickerCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_nType == PICKER || m_nType == HEX || m_nType == HEX_GREYSCALE)
    {
        NotifyParent(BN_DOUBLECLICKED);
        return;
    }
    OnLButtonDown(nFlags, point);
}

void CTavoPColorPickerCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (GetCapture() != this)
        return;

    CRect rectClient;
    GetClientRect(rectClient);
    point.x = std::min((int)rectClient.right - 1, std::max((int)rectClient.left, (int)point.x));
    point.y = std::min((int)rectClient.bottom - 1, std::max((int)rectClient.top, (int)point.y));

    switch (m_nType)
    {
    case LUMINANCE:
        InvalidateRect(GetCursorRect());
        m_dblLum = LuminanceFromPoint(point.y);
        m_colorNew = CTavoPDrawManager::HlsToRgb(m_dblHue, m_dblLum, m_dblSat);
        InvalidateRect(GetCursorRect());
        break;
    case PICKER:
    {
        InvalidateRect(GetCursorRect());
        // Ctrl keeps the hue and Shift the saturation as they are: taken back from the marker's
        // truncated pixel they would drift by a step at each move.
        if (!(nFlags & MK_CONTROL))
            m_dblHue = Clamp01((double)point.x / (double)rectClient.Width());
        if (!(nFlags & MK_SHIFT))
            m_dblSat = Clamp01(1.0 - (double)point.y / (double)rectClient.Height());
        m_colorNew = CTavoPDrawManager::HlsToRgb(m_dblHue, m_dblLum, m_dblSat);
        InvalidateRect(GetCursorRect());
        break;
    }
    case HEX:
    case HEX_GREYSCALE:
        if (!SelectCellHexagon(point))
            return;
        Invalidate();
        break;
    default: break;
    }

    NotifyParent(BN_CLICKED);
    UpdateWindow();
}

void CTavoPColorPickerCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    double dblLum = m_dblLum;
    double dblHue = m_dblHue;
    double dblSat = m_dblSat;
    if (m_nType == LUMINANCE)
    {
        if (nChar == VK_UP)
            dblLum = Clamp01(dblLum + kKeyStep);
        else if (nChar == VK_DOWN)
            dblLum = Clamp01(dblLum - kKeyStep);
    }
    else if (m_nType == PICKER)
    {
        if (nChar == VK_LEFT)
            dblHue = Clamp01(dblHue - kKeyStep);
        else if (nChar == VK_RIGHT)
            dblHue = Clamp01(dblHue + kKeyStep);
        else if (nChar == VK_UP)
            dblSat = Clamp01(dblSat + kKeyStep);
        else if (nChar == VK_DOWN)
            dblSat = Clamp01(dblSat - kKeyStep);
    }

    if (dblLum != m_dblLum || dblHue != m_dblHue || dblSat != m_dblSat)
    {
        InvalidateRect(GetCursorRect());
        m_dblLum = dblLum;
        m_dblHue = dblHue;
        m_dblSat = dblSat;
        m_colorNew = CTavoPDrawManager::HlsToRgb(m_dblHue, m_dblLum, m_dblSat);
        InvalidateRect(GetCursorRect());
        NotifyParent(BN_CLICKED);
    }
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CTavoPColorPickerCtrl::OnGetDlgCode()
{
    // In a dialog the arrows would otherwise move the focus instead of the marker.
    UINT nCode = (UINT)Default();
    if (m_nType == LUMINANCE || m_nType == PICKER)
        nCode |= DLGC_WANTARROWS;
    return nCode;
}

void CTavoPColorPickerCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CButton::OnSetFocus(pOldWnd);
    RedrawNow();
}

void CTavoPColorPickerCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    RedrawNow();
}

BOOL CTavoPColorPickerCtrl::OnQueryNewPalette()
{
    Invalidate();
    return (BOOL)Default();
}

void CTavoPColorPickerCtrl::OnPaletteChanged(CWnd* pFocusWnd)
{
    if (pFocusWnd != this)
        Invalidate();
}

void CTavoPColorPickerCtrl::OnSize(UINT nType, int cx, int cy)
{
    CButton::OnSize(nType, cx, cy);
    if (m_bmpPicker.GetSafeHandle() != nullptr)
        m_bmpPicker.DeleteObject();
    RedrawNow();
}

BOOL CTavoPColorPickerCtrl::OnEraseBkgnd(CDC*)
{
    // The whole face is drawn double-buffered.
    return TRUE;
}
