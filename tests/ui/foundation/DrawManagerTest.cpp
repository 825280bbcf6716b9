// Draw manager: colour arithmetic, and highlight, gradient and shadow read back from a DIB section.
#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "tests/ui/foundation/ClassicPaletteTest.h"
#include "tests/support/BoundDC.h"
#include "tests/support/DibCanvas.h"
#include <gtest/gtest.h>

namespace {
using DrawManager = ClassicPaletteTest;
}

TEST(DrawManagerColors, FunctionsGiveTheDocumentedValues)
{
    struct Case
    {
        const char* what;
        COLORREF got;
        COLORREF expected;
    };
    const Case cases[] = {
        {"ScaleColor clamps", CTavoPDrawManager::ScaleColor(RGB(200, 100, 0), 150),
         RGB(255, 150, 0)},
        {"ScaleColor darkens", CTavoPDrawManager::ScaleColor(RGB(200, 100, 10), 50),
         RGB(100, 50, 5)},
        {"factors lift black",
         CTavoPDrawManager::ScaleColorByFactors(RGB(0, 100, 200), 1.3, 1.3, 1.3),
         RGB(77, 130, 255)},
        {"factors per channel",
         CTavoPDrawManager::ScaleColorByFactors(RGB(100, 100, 100), 0.5, 1.0, 2.0),
         RGB(50, 100, 200)},
        {"blend", CTavoPDrawManager::BlendColors(RGB(200, 100, 0), RGB(0, 0, 100), 25),
         RGB(50, 25, 75)},
        {"hls red", CTavoPDrawManager::HlsToRgb(0, 0.5, 1), RGB(255, 0, 0)},
        {"hls grey truncates", CTavoPDrawManager::HlsToRgb(0.3, 0.5, 0), RGB(127, 127, 127)},
        {"hls light blue", CTavoPDrawManager::HlsToRgb(2.0 / 3, 0.75, 1), RGB(127, 127, 255)},
        {"degrees green", CTavoPDrawManager::HlsDegreesToRgb(120, 0.5, 1), RGB(0, 255, 0)},
        {"degrees wrap", CTavoPDrawManager::HlsDegreesToRgb(-120, 0.5, 1), RGB(0, 0, 255)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, c.got) << c.what;

    struct Hsl
    {
        COLORREF rgb;
        double h, s, l;
    };
    const Hsl hsl[] = {
        {RGB(255, 0, 0), 0, 1, 0.5},
        {RGB(0, 255, 0), 1.0 / 3, 1, 0.5},
        {RGB(0, 0, 255), 2.0 / 3, 1, 0.5},
        {RGB(255, 0, 255), 5.0 / 6, 1, 0.5},
        {RGB(128, 128, 128), 0, 0, 128 / 255.0},
        {RGB(255, 128, 128), 0, 1, (255 + 128) / 510.0},
    };
    for (const Hsl& c : hsl)
    {
        double h, s, l;
        CTavoPDrawManager::RgbToHsl(c.rgb, &h, &s, &l);
        EXPECT_NEAR(c.h, h, 1e-9) << std::hex << c.rgb;
        EXPECT_NEAR(c.s, s, 1e-9) << std::hex << c.rgb;
        EXPECT_NEAR(c.l, l, 1e-9) << std::hex << c.rgb;
    }
}

TEST_F(DrawManager, HighlightRectLightensEveryPixelButTheTransparentOnes)
{
    DibCanvas canvas(12, 4, RGB(192, 192, 192));
    ::SetPixelV(canvas.dc(), 1, 1, RGB(255, 0, 255));
    ::SetPixelV(canvas.dc(), 5, 1, RGB(255, 0, 255));
    ::SetPixelV(canvas.dc(), 9, 1, RGB(0, 0, 0));
    BoundDC b(canvas.dc());
    CTavoPDrawManager dm(b.dc);
    EXPECT_TRUE(dm.HighlightRect(CRect(0, 0, 4, 4), -1, RGB(255, 0, 255)));
    EXPECT_TRUE(dm.HighlightRect(CRect(4, 0, 8, 4), 130));
    EXPECT_TRUE(dm.HighlightRect(CRect(8, 0, 12, 4), 94));
    EXPECT_TRUE(dm.HighlightRect(CRect(8, 0, 12, 0), 50)) << "an empty rect is a success";

    EXPECT_EQ(RGB(223, 223, 223), canvas.Pixel(0, 0)) << "halfway toward the white highlight";
    EXPECT_EQ(RGB(255, 0, 255), canvas.Pixel(1, 1)) << "transparent colour untouched";
    EXPECT_EQ(15, canvas.Count(RGB(223, 223, 223), 0, 0, 4, 4));
    EXPECT_EQ(RGB(250, 250, 250), canvas.Pixel(4, 0));
    EXPECT_EQ(RGB(255, 77, 255), canvas.Pixel(5, 1)) << "no transparent colour: magenta scales too";
    EXPECT_EQ(RGB(180, 180, 180), canvas.Pixel(8, 0));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(9, 1)) << "black times 0.94 stays black";
}

TEST_F(DrawManager, HighlightRectOnAPaletteDisplayFillsTheCheckerboard)
{
    CDC::SetScreenBitsPerPixelOverride(8);
    GetGlobalData().UpdateSysColors();
    DibCanvas canvas(8, 8, RGB(0, 0, 0));
    BoundDC b(canvas.dc());
    CTavoPDrawManager dm(b.dc);
    EXPECT_TRUE(dm.HighlightRect(CRect(0, 0, 8, 8)));
    EXPECT_EQ(32, canvas.Count(RGB(192, 192, 192), 0, 0, 8, 8));
    EXPECT_EQ(32, canvas.Count(RGB(255, 255, 255), 0, 0, 8, 8));
    EXPECT_NE(canvas.Pixel(0, 0), canvas.Pixel(1, 0));
    EXPECT_NE(canvas.Pixel(0, 0), canvas.Pixel(0, 1));
}

TEST_F(DrawManager, FillGradientRunsSixtyFourBandsFromTheStart)
{
    DibCanvas canvas(64, 64, RGB(0, 255, 0));
    BoundDC b(canvas.dc());
    CTavoPDrawManager dm(b.dc);
    EXPECT_TRUE(dm.FillGradient(CRect(0, 0, 64, 2), RGB(0, 0, 0), RGB(255, 0, 100), FALSE));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(0, 0)) << "horizontal starts at the left";
    EXPECT_EQ(RGB(127, 0, 50), canvas.Pixel(32, 1));
    EXPECT_EQ(RGB(251, 0, 98), canvas.Pixel(63, 0));

    DibCanvas tall(40, 64, RGB(0, 255, 0));
    BoundDC t(tall.dc());
    CTavoPDrawManager dmTall(t.dc);
    EXPECT_TRUE(dmTall.FillGradient(CRect(0, 0, 32, 64), RGB(255, 255, 255), RGB(0, 0, 0), TRUE));
    EXPECT_EQ(RGB(255, 255, 255), tall.Pixel(0, 63)) << "vertical starts at the bottom";
    EXPECT_EQ(RGB(3, 3, 3), tall.Pixel(31, 0));
    EXPECT_EQ(RGB(0, 255, 0), tall.Pixel(32, 10)) << "nothing outside the rect";
}

TEST_F(DrawManager, DrawShadowGradesBothBandsAndReplaysFromTheSavedBitmaps)
{
    const int depth = 4;
    const CRect rect(2, 2, 22, 22);
    auto check = [&](DibCanvas& canvas) {
        auto v = [](int percent) {
            BYTE c = (BYTE)(255 * percent / 100);
            return RGB(c, c, c);
        };
        const int across[] = {75, 81, 87, 93};
        for (int k = 0; k < depth; k++)
        {
            EXPECT_EQ(v(across[k]), canvas.Pixel(rect.right + k, rect.top + 12))
                << "right band, column " << k;
            EXPECT_EQ(v(across[k]), canvas.Pixel(rect.left + 12, rect.bottom + k))
                << "bottom band, row " << k;
        }
        const int along[] = {99, 93, 87, 81};
        for (int k = 0; k < depth; k++)
        {
            EXPECT_EQ(v(along[k]), canvas.Pixel(rect.right, rect.top + depth + k))
                << "right band fades in";
            EXPECT_EQ(v(along[k]), canvas.Pixel(rect.left + depth + k, rect.bottom))
                << "bottom band fades in";
        }
        EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(rect.right, rect.top + depth - 1))
            << "above the right band";
        EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(rect.left + depth - 1, rect.bottom))
            << "left of the bottom band";
        EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(rect.right + depth, rect.top + 12));
        EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(rect.right - 1, rect.bottom - 1))
            << "the rect itself";
    };

    DibCanvas canvas(40, 40);
    BoundDC b(canvas.dc());
    CTavoPDrawManager dm(b.dc);
    CBitmap bottom, right;
    EXPECT_TRUE(dm.DrawShadow(rect, depth, 100, 75, &bottom, &right));
    check(canvas);
    ASSERT_NE(nullptr, bottom.GetSafeHandle());
    ASSERT_NE(nullptr, right.GetSafeHandle());

    canvas.Fill(RGB(255, 255, 255));
    EXPECT_TRUE(dm.DrawShadow(rect, depth, 100, 75, &bottom, &right));
    check(canvas);
    EXPECT_TRUE(dm.DrawShadow(rect, 0, 100, 75)) << "depth 0 draws nothing";
}
