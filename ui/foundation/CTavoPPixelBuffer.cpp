#include "ui/foundation/CTavoPPixelBuffer.h"

CTavoPPixelBuffer::CTavoPPixelBuffer(int cx, int cy)
    : m_hBitmap(nullptr), m_hOld(nullptr), m_pBits(nullptr), m_cx(cx), m_cy(cy)
{
    if (cx <= 0 || cy <= 0 || !m_dc.CreateCompatibleDC(nullptr))
        return;
    BITMAPINFO bmi;
    ZeroMemory(&bmi, sizeof bmi);
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_dc.m_hDC, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_hBitmap == nullptr || bits == nullptr)
        return;
    m_hOld = ::SelectObject(m_dc.m_hDC, m_hBitmap);
    m_pBits = (DWORD*)bits;
}

CTavoPPixelBuffer::~CTavoPPixelBuffer()
{
    if (m_hOld != nullptr)
        ::SelectObject(m_dc.m_hDC, m_hOld);
    if (m_hBitmap != nullptr)
        ::DeleteObject(m_hBitmap);
}

BOOL CTavoPPixelBuffer::CopyFrom(CDC& source, int x, int y)
{
    if (!IsValid() || !m_dc.BitBlt(0, 0, m_cx, m_cy, &source, x, y, SRCCOPY))
        return FALSE;
    ::GdiFlush();
    return TRUE;
}

BOOL CTavoPPixelBuffer::CopyFrom(HBITMAP hSource)
{
    if (!IsValid() || hSource == nullptr)
        return FALSE;
    HDC hdc = ::CreateCompatibleDC(nullptr);
    if (hdc == nullptr)
        return FALSE;
    HGDIOBJ old = ::SelectObject(hdc, hSource);
    BOOL ok = ::BitBlt(m_dc.m_hDC, 0, 0, m_cx, m_cy, hdc, 0, 0, SRCCOPY);
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    ::GdiFlush();
    return ok;
}

void CTavoPPixelBuffer::CopyTo(CDC& target, int x, int y)
{
    ::GdiFlush();
    target.BitBlt(x, y, m_cx, m_cy, &m_dc, 0, 0, SRCCOPY);
}

COLORREF CTavoPPixelBuffer::GetPixel(int x, int y) const
{
    DWORD p = m_pBits[y * m_cx + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void CTavoPPixelBuffer::SetPixel(int x, int y, COLORREF color)
{
    m_pBits[y * m_cx + x] = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

HBITMAP CTavoPPixelBuffer::Detach()
{
    ::GdiFlush();
    if (m_hOld != nullptr)
        ::SelectObject(m_dc.m_hDC, m_hOld);
    HBITMAP h = m_hBitmap;
    m_hBitmap = nullptr;
    m_hOld = nullptr;
    m_pBits = nullptr;
    return h;
}

BOOL TavoPCopyBitmapArea(HBITMAP hDest, int xDest, int yDest, int cx, int cy, HBITMAP hSource,
                         int xSource, int ySource)
{
    HDC hdcDest = ::CreateCompatibleDC(nullptr);
    HDC hdcSource = ::CreateCompatibleDC(nullptr);
    BOOL ok = FALSE;
    if (hdcDest != nullptr && hdcSource != nullptr)
    {
        HGDIOBJ oldDest = ::SelectObject(hdcDest, hDest);
        HGDIOBJ oldSource = ::SelectObject(hdcSource, hSource);
        ok = oldDest != nullptr && oldSource != nullptr &&
             ::BitBlt(hdcDest, xDest, yDest, cx, cy, hdcSource, xSource, ySource, SRCCOPY);
        ::SelectObject(hdcSource, oldSource);
        ::SelectObject(hdcDest, oldDest);
    }
    if (hdcDest != nullptr)
        ::DeleteDC(hdcDest);
    if (hdcSource != nullptr)
        ::DeleteDC(hdcSource);
    return ok;
}
