#include "framework/CDC.h"
#include "framework/HandleMap.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {
HandleMap<HDC, CDC>& Maps()
{
    static HandleMap<HDC, CDC> maps;
    return maps;
}

int g_screenBitsPerPixel = 0;
}

CDC::CDC() : m_hDC(nullptr), m_hAttribDC(nullptr)
{}

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

HDC CDC::GetSafeHdc() const
{
    return this == nullptr ? nullptr : m_hDC;
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    if (hDC == nullptr)
        return nullptr;
    if (CDC* p = Maps().LookupPermanent(hDC))
        return p;
    if (CDC* p = Maps().LookupTemporary(hDC))
        return p;
    CDC* p = new CDC;
    p->m_hDC = p->m_hAttribDC = hDC;
    Maps().SetTemporary(hDC, p);
    return p;
}

void PASCAL CDC::DeleteTempMap()
{
    // Temporary wrappers borrow their DC: never delete it with them.
    Maps().DeleteTemporaries([](CDC* p) {
        p->m_hDC = p->m_hAttribDC = nullptr;
        delete p;
    });
}

int PASCAL CDC::GetTempMapCount()
{
    return Maps().TemporaryCount();
}

int PASCAL CDC::GetPermanentMapCount()
{
    return Maps().PermanentCount();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr)
        return FALSE;
    if (m_hDC != nullptr && m_hDC != hDC)
        DeleteDC();
    m_hDC = m_hAttribDC = hDC;
    Maps().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    if (h != nullptr)
        Maps().RemovePermanent(h, this);
    m_hDC = m_hAttribDC = nullptr;
    return h;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData)
{
    return Attach(
        ::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODE*)lpInitData));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData)
{
    return Attach(
        ::CreateIC(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODE*)lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    return ::SaveDC(m_hDC);
}
BOOL CDC::RestoreDC(int nSavedDC)
{
    return ::RestoreDC(m_hDC, nSavedDC);
}

int CDC::GetDeviceCaps(int nIndex) const
{
    if (nIndex == BITSPIXEL && g_screenBitsPerPixel > 0 &&
        ::GetDeviceCaps(m_hAttribDC, TECHNOLOGY) == DT_RASDISPLAY)
        return g_screenBitsPerPixel;
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

void PASCAL CDC::SetScreenBitsPerPixelOverride(int nBitsPerPixel)
{
    g_screenBitsPerPixel = nBitsPerPixel;
}
int PASCAL CDC::GetScreenBitsPerPixelOverride()
{
    return g_screenBitsPerPixel;
}

// ---- selection

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return CPen::FromHandle((HPEN)::SelectObject(m_hDC, pPen->GetSafeHandle()));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return CBrush::FromHandle((HBRUSH)::SelectObject(m_hDC, pBrush->GetSafeHandle()));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return CFont::FromHandle((HFONT)::SelectObject(m_hDC, pFont->GetSafeHandle()));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return CBitmap::FromHandle((HBITMAP)::SelectObject(m_hDC, pBitmap->GetSafeHandle()));
}

int CDC::SelectObject(CRgn* pRgn)
{
    return (int)(INT_PTR)::SelectObject(m_hDC, pRgn->GetSafeHandle());
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->GetSafeHandle()));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    return ::SelectObject(m_hDC, hObject);
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return CPalette::FromHandle(
        ::SelectPalette(m_hDC, (HPALETTE)pPalette->GetSafeHandle(), bForceBackground));
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}
CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle((HPEN)::GetCurrentObject(m_hDC, OBJ_PEN));
}
CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hDC, OBJ_BRUSH));
}
CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT));
}
CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
}
CPalette* CDC::GetCurrentPalette() const
{
    return CPalette::FromHandle((HPALETTE)::GetCurrentObject(m_hDC, OBJ_PAL));
}

// ---- colours and modes

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}
COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return ::SetBkColor(m_hDC, crColor);
}
COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}
COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return ::SetTextColor(m_hDC, crColor);
}
int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}
int CDC::SetBkMode(int nBkMode)
{
    return ::SetBkMode(m_hDC, nBkMode);
}
int CDC::GetROP2() const
{
    return ::GetROP2(m_hAttribDC);
}
int CDC::SetROP2(int nDrawMode)
{
    return ::SetROP2(m_hDC, nDrawMode);
}
int CDC::GetPolyFillMode() const
{
    return ::GetPolyFillMode(m_hAttribDC);
}
int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return ::SetPolyFillMode(m_hDC, nPolyFillMode);
}
int CDC::GetStretchBltMode() const
{
    return ::GetStretchBltMode(m_hAttribDC);
}
int CDC::SetStretchBltMode(int nStretchMode)
{
    return ::SetStretchBltMode(m_hDC, nStretchMode);
}
UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}
UINT CDC::SetTextAlign(UINT nFlags)
{
    return ::SetTextAlign(m_hDC, nFlags);
}
int CDC::GetTextCharacterExtra() const
{
    return ::GetTextCharacterExtra(m_hAttribDC);
}
int CDC::SetTextCharacterExtra(int nCharExtra)
{
    return ::SetTextCharacterExtra(m_hDC, nCharExtra);
}
COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return ::GetNearestColor(m_hAttribDC, crColor);
}

CPoint CDC::GetBrushOrg() const
{
    POINT pt = {0, 0};
    ::GetBrushOrgEx(m_hDC, &pt);
    return pt;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT pt = {0, 0};
    ::SetBrushOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CPoint CDC::SetBrushOrg(POINT point)
{
    return SetBrushOrg(point.x, point.y);
}

// ---- coordinates

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}
int CDC::SetMapMode(int nMapMode)
{
    return ::SetMapMode(m_hDC, nMapMode);
}

CPoint CDC::GetViewportOrg() const
{
    POINT pt = {0, 0};
    ::GetViewportOrgEx(m_hAttribDC, &pt);
    return pt;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt = {0, 0};
    ::SetViewportOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CPoint CDC::SetViewportOrg(POINT point)
{
    return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt = {0, 0};
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &pt);
    return pt;
}

CSize CDC::GetViewportExt() const
{
    SIZE size = {0, 0};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {0, 0};
    ::SetViewportExtEx(m_hDC, cx, cy, &size);
    return size;
}

CSize CDC::SetViewportExt(SIZE size)
{
    return SetViewportExt(size.cx, size.cy);
}

CPoint CDC::GetWindowOrg() const
{
    POINT pt = {0, 0};
    ::GetWindowOrgEx(m_hAttribDC, &pt);
    return pt;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt = {0, 0};
    ::SetWindowOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CPoint CDC::SetWindowOrg(POINT point)
{
    return SetWindowOrg(point.x, point.y);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT pt = {0, 0};
    ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &pt);
    return pt;
}

CSize CDC::GetWindowExt() const
{
    SIZE size = {0, 0};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {0, 0};
    ::SetWindowExtEx(m_hDC, cx, cy, &size);
    return size;
}

CSize CDC::SetWindowExt(SIZE size)
{
    return SetWindowExt(size.cx, size.cy);
}
void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}
void CDC::DPtoLP(LPRECT lpRect) const
{
    ::DPtoLP(m_hAttribDC, (LPPOINT)lpRect, 2);
}
void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}
void CDC::LPtoDP(LPRECT lpRect) const
{
    ::LPtoDP(m_hAttribDC, (LPPOINT)lpRect, 2);
}

// ---- clipping

int CDC::GetClipBox(LPRECT lpRect) const
{
    return ::GetClipBox(m_hDC, lpRect);
}
BOOL CDC::PtVisible(int x, int y) const
{
    return ::PtVisible(m_hDC, x, y);
}
BOOL CDC::PtVisible(POINT point) const
{
    return ::PtVisible(m_hDC, point.x, point.y);
}
BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    return ::RectVisible(m_hDC, lpRect);
}
int CDC::SelectClipRgn(CRgn* pRgn)
{
    return ::SelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
}
int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    return ::ExtSelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), nMode);
}
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::ExcludeClipRect(LPCRECT r)
{
    return ::ExcludeClipRect(m_hDC, r->left, r->top, r->right, r->bottom);
}
int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::IntersectClipRect(LPCRECT r)
{
    return ::IntersectClipRect(m_hDC, r->left, r->top, r->right, r->bottom);
}
int CDC::OffsetClipRgn(int x, int y)
{
    return ::OffsetClipRgn(m_hDC, x, y);
}
int CDC::OffsetClipRgn(SIZE size)
{
    return ::OffsetClipRgn(m_hDC, size.cx, size.cy);
}

// ---- lines and shapes

CPoint CDC::GetCurrentPosition() const
{
    POINT pt = {0, 0};
    ::GetCurrentPositionEx(m_hAttribDC, &pt);
    return pt;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt = {0, 0};
    ::MoveToEx(m_hDC, x, y, &pt);
    return pt;
}

CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}
BOOL CDC::LineTo(int x, int y)
{
    return ::LineTo(m_hDC, x, y);
}
BOOL CDC::LineTo(POINT point)
{
    return ::LineTo(m_hDC, point.x, point.y);
}
BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT r, POINT ptStart, POINT ptEnd)
{
    return ::Arc(m_hDC, r->left, r->top, r->right, r->bottom, ptStart.x, ptStart.y, ptEnd.x,
                 ptEnd.y);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return ::Polyline(m_hDC, lpPoints, nCount);
}
BOOL CDC::PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount)
{
    return ::PolyPolyline(m_hDC, lpPoints, lpPolyPoints, nCount);
}
BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    return ::Polygon(m_hDC, lpPoints, nCount);
}
BOOL CDC::PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount)
{
    return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
}
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}
BOOL CDC::Rectangle(LPCRECT r)
{
    return ::Rectangle(m_hDC, r->left, r->top, r->right, r->bottom);
}
BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}
BOOL CDC::RoundRect(LPCRECT r, POINT point)
{
    return ::RoundRect(m_hDC, r->left, r->top, r->right, r->bottom, point.x, point.y);
}
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}
BOOL CDC::Ellipse(LPCRECT r)
{
    return ::Ellipse(m_hDC, r->left, r->top, r->right, r->bottom);
}
BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}
BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}
void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FillRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}
void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FrameRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}
void CDC::InvertRect(LPCRECT lpRect)
{
    ::InvertRect(m_hDC, lpRect);
}
void CDC::DrawFocusRect(LPCRECT lpRect)
{
    ::DrawFocusRect(m_hDC, lpRect);
}
BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}
BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
    return ::DrawIcon(m_hDC, point.x, point.y, hIcon);
}
BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle(), nWidth,
                      nHeight);
}

BOOL CDC::InvertRgn(CRgn* pRgn)
{
    return ::InvertRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
}
BOOL CDC::PaintRgn(CRgn* pRgn)
{
    return ::PaintRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor)
{
    ::SetBkColor(m_hDC, crColor);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, crColor);
}

void CDC::Draw3dRect(LPCRECT r, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    // Top and left lines stop one pixel short so the bottom-right colour owns both far corners.
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}
BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    static CBrush brush;
    if (brush.m_hObject == nullptr)
    {
        WORD pattern[8];
        for (int i = 0; i < 8; i++)
            pattern[i] = (WORD)(0x5555 << (i & 1));
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
        if (hBitmap != nullptr)
        {
            brush.Attach(::CreatePatternBrush(hBitmap));
            ::DeleteObject(hBitmap);
        }
    }
    return &brush;
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast)
{
    // The outline is the rectangle minus its interior shrunk by the frame size.
    auto frameRegion = [](CRgn& frame, LPCRECT outer, SIZE thickness) {
        RECT inner = *outer;
        ::InflateRect(&inner, -thickness.cx, -thickness.cy);
        ::IntersectRect(&inner, &inner, outer);
        HRGN hOuter = ::CreateRectRgnIndirect(outer);
        HRGN hInner = ::CreateRectRgnIndirect(&inner);
        frame.CreateRectRgn(0, 0, 0, 0);
        ::CombineRgn((HRGN)frame.m_hObject, hOuter, hInner, RGN_XOR);
        ::DeleteObject(hOuter);
        ::DeleteObject(hInner);
    };
    auto invertThrough = [this](CRgn* clip, CBrush* brush) {
        SelectClipRgn(clip);
        RECT box;
        GetClipBox(&box);
        CBrush* pOld = SelectObject(brush);
        PatBlt(box.left, box.top, box.right - box.left, box.bottom - box.top, PATINVERT);
        SelectObject(pOld);
    };

    if (pBrush == nullptr)
        pBrush = GetHalftoneBrush();
    if (pBrushLast == nullptr)
        pBrushLast = pBrush;

    CRgn rgnNew;
    frameRegion(rgnNew, lpRect, size);
    CRgn rgnLast, rgnUpdate;
    if (lpRectLast != nullptr)
    {
        frameRegion(rgnLast, lpRectLast, sizeLast);
        if (pBrush->m_hObject == pBrushLast->m_hObject)
        {
            // One XOR pass over the symmetric difference erases the old outline and draws the new.
            rgnUpdate.CreateRectRgn(0, 0, 0, 0);
            rgnUpdate.CombineRgn(&rgnLast, &rgnNew, RGN_XOR);
        }
        else
        {
            invertThrough(&rgnLast, pBrushLast);
        }
    }
    invertThrough(rgnUpdate.m_hObject != nullptr ? &rgnUpdate : &rgnNew, pBrush);
    ::SelectClipRgn(m_hDC, nullptr);
}

// ---- bitmaps and pixels

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}

BOOL CDC::MaskBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                  CBitmap& maskBitmap, int xMask, int yMask, DWORD dwRop)
{
    return ::MaskBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc,
                     (HBITMAP)maskBitmap.m_hObject, xMask, yMask, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}
COLORREF CDC::GetPixel(POINT point) const
{
    return ::GetPixel(m_hDC, point.x, point.y);
}
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}
COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
    return ::SetPixel(m_hDC, point.x, point.y, crColor);
}
BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    return ::SetPixelV(m_hDC, x, y, crColor);
}
BOOL CDC::SetPixelV(POINT point, COLORREF crColor)
{
    return ::SetPixelV(m_hDC, point.x, point.y, crColor);
}

// ---- DrawState

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, nullptr, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy,
                       nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, (HBITMAP)pBitmap->GetSafeHandle(), nFlags,
                     (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, nullptr, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy,
                       nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, nullptr, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y,
                       size.cx, size.cy, nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen,
                     (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags,
                    HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, lpDrawProc, lData, 0, pt.x, pt.y, size.cx, size.cy,
                       nFlags | DST_COMPLEX);
}

// ---- text

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
}
BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, (LPCTSTR)str, str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                     LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, (LPCTSTR)str, (UINT)str.GetLength(), lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions,
                         LPINT lpnTabStopPositions, int nTabOrigin)
{
    LONG l = ::TabbedTextOut(m_hDC, x, y, lpszString, nCount, nTabPositions, lpnTabStopPositions,
                             nTabOrigin);
    return CSize(LOWORD(l), HIWORD(l));
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText((LPCTSTR)str, str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent((LPCTSTR)str, str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return GetOutputTextExtent((LPCTSTR)str, str.GetLength());
}

CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions,
                               LPINT lpnTabStopPositions) const
{
    DWORD d =
        ::GetTabbedTextExtent(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(d), HIWORD(d));
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetrics(m_hAttribDC, lpMetrics);
}
BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetrics(m_hDC, lpMetrics);
}
int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const
{
    return ::GetTextFace(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    char face[LF_FACESIZE] = {0};
    int n = ::GetTextFace(m_hAttribDC, LF_FACESIZE, face);
    rString = face;
    return n;
}

BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidth(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
}

BOOL CDC::GrayString(CBrush* pBrush, GRAYSTRINGPROC lpfnOutput, LPARAM lpData, int nCount, int x,
                     int y, int nWidth, int nHeight)
{
    return ::GrayString(m_hDC, (HBRUSH)pBrush->GetSafeHandle(), lpfnOutput, lpData, nCount, x, y,
                        nWidth, nHeight);
}
