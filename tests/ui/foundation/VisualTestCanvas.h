// A DIB canvas with a framework DC over it, for the visual-manager pixel tests, and the classic colours they expect.
#pragma once
#include "framework/FrameworkWin.h"
#include "tests/support/BoundDC.h"
#include "tests/support/DibCanvas.h"
#include "tests/ui/foundation/ClassicPaletteTest.h"

#include <string>

// Colours of the classic palette the tests run under.
const COLORREF kFace = RGB(192, 192, 192);
const COLORREF kShadow = RGB(128, 128, 128);
const COLORREF kHilite = RGB(255, 255, 255);
const COLORREF kDkShadow = RGB(64, 64, 64);
const COLORREF kLight = RGB(223, 223, 223);
const COLORREF kBack = RGB(255, 0, 255);

class VisualCanvas : public DibCanvas
{
public:
    VisualCanvas(int cx, int cy) : DibCanvas(cx, cy, kBack), m_bound(dc()) {}
    CDC* pdc() { return &m_bound.dc; }
    // Whole rows of pixels, for byte comparisons between two drawings.
    std::string Bytes() const
    {
        std::string s;
        for (int y = 0; y < height(); y++)
            for (int x = 0; x < width(); x++)
            {
                COLORREF c = Pixel(x, y);
                s.append((const char*)&c, sizeof(c));
            }
        return s;
    }

private:
    BoundDC m_bound;
};
