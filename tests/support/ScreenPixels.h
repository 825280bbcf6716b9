// What a user sees: the pixels of a rectangle of the screen, row by row, read from the display.
#pragma once
#include <windows.h>
#include <vector>

// Pending drawing is flushed first, so that the display shows all that was drawn.
inline std::vector<COLORREF> ScreenPixels(const RECT& rect)
{
    ::GdiFlush();
    std::vector<COLORREF> pixels;
    HDC hdc = ::GetDC(NULL);
    for (LONG y = rect.top; y < rect.bottom; y++)
        for (LONG x = rect.left; x < rect.right; x++)
            pixels.push_back(::GetPixel(hdc, x, y));
    ::ReleaseDC(NULL, hdc);
    return pixels;
}
