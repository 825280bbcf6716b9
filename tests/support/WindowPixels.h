// What a window has drawn: the pixels of a rectangle of the whole window, frame included, read from the window itself.
#pragma once
#include <windows.h>
#include <vector>

// The rectangle is in window coordinates (0, 0 is the window's top-left corner). Read through
// the window's own DC, the pixels do not depend on what other windows cover on the screen.
inline std::vector<COLORREF> WindowPixels(HWND hwnd, const RECT& rect)
{
    ::GdiFlush();
    std::vector<COLORREF> pixels;
    HDC hdc = ::GetWindowDC(hwnd);
    for (LONG y = rect.top; y < rect.bottom; y++)
        for (LONG x = rect.left; x < rect.right; x++)
            pixels.push_back(::GetPixel(hdc, x, y));
    ::ReleaseDC(hwnd, hdc);
    return pixels;
}
