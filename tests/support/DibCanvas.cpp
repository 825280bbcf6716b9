#include "tests/support/DibCanvas.h"

DibCanvas::DibCanvas(int width, int height, COLORREF fill)
    : m_width(width), m_height(height), m_dc(nullptr), m_bitmap(nullptr), m_old(nullptr),
      m_bits(nullptr)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(m_dc, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = (DWORD*)bits;
    m_old = SelectObject(m_dc, m_bitmap);
    Fill(fill);
}

DibCanvas::~DibCanvas()
{
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

void DibCanvas::Fill(COLORREF color)
{
    GdiFlush();
    DWORD px = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    for (int i = 0; i < m_width * m_height; i++)
        m_bits[i] = px;
}

COLORREF DibCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    GdiFlush();
    DWORD px = m_bits[y * m_width + x];
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}

int DibCanvas::Count(COLORREF color, int left, int top, int right, int bottom) const
{
    int n = 0;
    for (int y = top; y < bottom; y++)
        for (int x = left; x < right; x++)
            if (Pixel(x, y) == color)
                n++;
    return n;
}
