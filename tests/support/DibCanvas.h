// A 32-bit top-down DIB section in a memory DC: draw into it, read pixels back as COLORREF.
#pragma once
#include <windows.h>

class DibCanvas
{
public:
    DibCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void Fill(COLORREF color);
    // Flushes pending GDI work first; (x, y) outside the canvas gives CLR_INVALID.
    COLORREF Pixel(int x, int y) const;
    // Number of pixels of the colour inside [left, right) x [top, bottom).
    int Count(COLORREF color, int left, int top, int right, int bottom) const;

private:
    int m_width, m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    DWORD* m_bits;
};
