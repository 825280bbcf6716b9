// Strips of user images for the customization tests: n images of 16 x 15, each of its own colour.
#pragma once
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "tests/support/BmpFile.h"
#include <string>
#include <vector>

inline void FillStrip(CTavoPToolbarImageList& strip, int n)
{
    std::vector<COLORREF> pixels((size_t)n * 16 * 15);
    for (int y = 0; y < 15; y++)
        for (int x = 0; x < n * 16; x++)
        {
            const int i = x / 16;
            pixels[(size_t)y * n * 16 + x] = RGB(i * 4, 255 - i * 4, 100);
        }
    // Loaded from a file, as the user images are: only such a strip takes edited images back.
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + "tavo-user-images-" + std::to_string(n) + ".bmp";
    WriteBmp(path, 24, n * 16, 15, pixels);
    strip.LoadFromFile(path.c_str());
}

// A pixel of one image of the strip, read back from the strip's bitmap.
inline COLORREF PixelOfStrip(const CTavoPToolbarImageList& strip, int iImage, int x, int y)
{
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(hdc, strip.GetImageWell());
    const COLORREF color = ::GetPixel(hdc, iImage * strip.GetImageSize().cx + x, y);
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    return color;
}
