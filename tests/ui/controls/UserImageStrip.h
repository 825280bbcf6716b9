// Strips of user images for the customization tests: n images of 16 x 15, each of its own colour.
#pragma once
#include "ui/foundation/CTavoPToolbarImageList.h"

inline void FillStrip(CTavoPToolbarImageList& strip, int n)
{
    HDC hdcScreen = ::GetDC(nullptr);
    for (int i = 0; i < n; i++)
    {
        HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, 16, 15);
        HDC hdc = ::CreateCompatibleDC(hdcScreen);
        HGDIOBJ old = ::SelectObject(hdc, hbm);
        HBRUSH brush = ::CreateSolidBrush(RGB(i * 4, 255 - i * 4, 100));
        RECT rect = {0, 0, 16, 15};
        ::FillRect(hdc, &rect, brush);
        ::DeleteObject(brush);
        ::SelectObject(hdc, old);
        ::DeleteDC(hdc);
        strip.AddImage(hbm);
        ::DeleteObject(hbm);
    }
    ::ReleaseDC(nullptr, hdcScreen);
}
