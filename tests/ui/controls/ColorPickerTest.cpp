// The colour picker in real windows: pixels of each form read back from a memory DC, mouse and key selection.
#include "ui/controls/color/CTavoPColorPickerCtrl.h"
#include "ui/controls/color/CTavoPColorHexagon.h"
#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/DibCanvas.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

const COLORREF kFace = RGB(192, 192, 192);

// A top-level window with the classic face as background that records the pickers' commands.
class CParentWnd : public CWnd
{
public:
    std::vector<std::pair<UINT, UINT>> commands; // (id, notification)

    bool Make()
    {
        return CreateEx(0, AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_BTNFACE + 1)), "pickers",
                        WS_POPUP | WS_VISIBLE, 10, 10, 400, 300, nullptr, nullptr) != FALSE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
};

// Lets the tests see the cells a honeycomb or grey strip was built from.
class CTestPicker : public CTavoPColorPickerCtrl
{
public:
    int CellCount() const { return (int)m_arCells.GetSize(); }
    const CTavoPColorHexagon& Cell(int i) const { return *(CTavoPColorHexagon*)m_arCells[i]; }
};

void Paint(CTavoPColorPickerCtrl& picker, DibCanvas& canvas)
{
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = picker.m_hWnd;
    dis.hDC = canvas.dc();
    dis.rcItem = {0, 0, canvas.width(), canvas.height()};
    picker.DrawItem(&dis);
}

void Press(CWnd& wnd, CPoint point, UINT nFlags = 0)
{
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | nFlags, MAKELPARAM(point.x, point.y));
}

void Release(CWnd& wnd, CPoint point)
{
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class PickerFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Make());
        GetGlobalData().UpdateSysColors();
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        GetGlobalData().UpdateSysColors();
    }
    void Make(CTavoPColorPickerCtrl& picker, int nType, int cx, int cy, UINT nID = 100)
    {
        ASSERT_TRUE(picker.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, cy), &parent, nID));
        picker.SetType(nType);
    }
    ClassicColors classic;
    CParentWnd parent;
};

} // namespace

using ColorPicker = PickerFixture;

TEST_F(ColorPicker, IsOwnerDrawnAndNeverTheDefaultButton)
{
    HWND hwnd = ::CreateWindowA("BUTTON", "Hex", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 0, 80,
                                80, parent.m_hWnd, (HMENU)7, ::GetModuleHandleA(nullptr), nullptr);
    CTavoPColorPickerCtrl subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(hwnd));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, subclassed.GetStyle() & 0x0F);

    CTavoPColorPickerCtrl created;
    ASSERT_TRUE(created.Create("", WS_CHILD | BS_DEFPUSHBUTTON, CRect(0, 0, 9, 9), &parent, 8));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, created.GetStyle() & 0x0F);
}

TEST_F(ColorPicker, HoneycombOf130Has127CellsOfSize11AroundAWhiteCentre)
{
    CTestPicker picker;
    Make(picker, CTavoPColorPickerCtrl::HEX, 130, 130);
    DibCanvas canvas(130, 130);
    Paint(picker, canvas);

    ASSERT_EQ(127, picker.CellCount());
    for (int i = 0; i < picker.CellCount(); i++)
        EXPECT_EQ(11, picker.Cell(i).GetSize());
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(65, 65));
    // The fourth ring starts due east of the centre, at hue 0: snapped, it is pure red.
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(65 + 4 * 11, 65));
    EXPECT_EQ(kFace, canvas.Pixel(1, 1)) << "outside the rings the parent shows";
}

TEST_F(ColorPicker, HoneycombSelectsByClickAndFramesTheCellOfItsColour)
{
    CTestPicker picker;
    Make(picker, CTavoPColorPickerCtrl::HEX, 130, 130, 42);
    DibCanvas canvas(130, 130);
    Paint(picker, canvas);
    const CPoint red(65 + 44, 65);
    ASSERT_EQ(0, canvas.Count(RGB(0, 0, 0), red.x - 8, red.y - 8, red.x + 9, red.y + 9));

    Press(picker, red);
    Release(picker, red);
    EXPECT_EQ(RGB(255, 0, 0), picker.GetColor());
    ASSERT_EQ(1u, parent.commands.size());
    EXPECT_EQ(std::make_pair(42u, (UINT)BN_CLICKED), parent.commands[0]);
    double h, l, s;
    picker.GetHLS(&h, &l, &s);
    EXPECT_DOUBLE_EQ(0.0, h);
    EXPECT_DOUBLE_EQ(1.0, s);
    EXPECT_DOUBLE_EQ(0.5, l);

    Paint(picker, canvas);
    EXPECT_GT(canvas.Count(RGB(0, 0, 0), red.x - 8, red.y - 8, red.x + 9, red.y + 9), 0);
    EXPECT_GT(canvas.Count(RGB(255, 255, 255), red.x - 8, red.y - 8, red.x + 9, red.y + 9), 0);

    // A spot between cells selects nothing.
    picker.SetColor(RGB(255, 255, 255));
    parent.commands.clear();
    CPoint gap(-1, -1);
    for (int y = 40; y < 90 && gap.x < 0; y++)
        for (int x = 40; x < 90 && gap.x < 0; x++)
        {
            bool onCell = false;
            for (int i = 0; i < picker.CellCount() && !onCell; i++)
                onCell = picker.Cell(i).HitTest(CPoint(x, y)) != FALSE;
            if (!onCell)
                gap = CPoint(x, y);
        }
    ASSERT_GE(gap.x, 0) << "the honeycomb has gaps between its cells";
    Press(picker, gap);
    Release(picker, gap);
    EXPECT_EQ(RGB(255, 255, 255), picker.GetColor());
    EXPECT_TRUE(parent.commands.empty());

    picker.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(red.x, red.y));
    ASSERT_EQ(1u, parent.commands.size());
    EXPECT_EQ((UINT)BN_DOUBLECLICKED, parent.commands[0].second);
}

TEST_F(ColorPicker, GreyStripRunsFromWhiteThroughFifteenGreysToBlack)
{
    CTestPicker picker;
    Make(picker, CTavoPColorPickerCtrl::HEX_GREYSCALE, 260, 44);
    DibCanvas canvas(260, 44);
    Paint(picker, canvas);

    ASSERT_EQ(17, picker.CellCount());
    const int s = picker.Cell(1).GetSize();
    EXPECT_EQ(0, s % 2);
    EXPECT_EQ(RGB(255, 255, 255), picker.Cell(0).GetColor());
    EXPECT_EQ(2 * s, picker.Cell(0).GetSize());
    EXPECT_EQ(RGB(0, 0, 0), picker.Cell(16).GetColor());
    EXPECT_EQ(2 * s, picker.Cell(16).GetSize());
    for (int i = 1; i <= 15; i++)
    {
        const int level = 255 - 15 * i == 195 ? 192 : 255 - 15 * i; // snapped to 192
        const CTavoPColorHexagon& cell = picker.Cell(i);
        EXPECT_EQ(RGB(level, level, level), cell.GetColor()) << i;
        EXPECT_EQ(RGB(level, level, level), canvas.Pixel(cell.GetX(), cell.GetY())) << i;
        // Alternating rows, the first one the upper.
        EXPECT_EQ(i % 2 == 1, cell.GetY() < 22) << i;
    }
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(picker.Cell(0).GetX(), 22));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(picker.Cell(16).GetX(), 22));

    const CTavoPColorHexagon& grey = picker.Cell(1);
    Press(picker, CPoint(grey.GetX(), grey.GetY()));
    Release(picker, CPoint(grey.GetX(), grey.GetY()));
    EXPECT_EQ(RGB(240, 240, 240), picker.GetColor());
}

TEST_F(ColorPicker, SpectrumRunsHueAcrossAndSaturationUpwards)
{
    CTavoPColorPickerCtrl picker;
    Make(picker, CTavoPColorPickerCtrl::PICKER, 200, 100);
    picker.SetHLS(0.5, 0.5, 0.0, FALSE); // marker at the bottom middle, out of the way
    DibCanvas canvas(200, 100);
    Paint(picker, canvas);

    EXPECT_TRUE(Near(RGB(0, 255, 255), canvas.Pixel(100, 2), 8)) << "hue 1/2 at the top: cyan";
    EXPECT_TRUE(Near(RGB(255, 0, 0), canvas.Pixel(1, 2), 16)) << "hue 0 at the top: red";
    EXPECT_TRUE(Near(RGB(127, 255, 0), canvas.Pixel(50, 2), 16)) << "hue 1/4";
    EXPECT_TRUE(Near(RGB(127, 127, 127), canvas.Pixel(30, 97), 4)) << "the bottom row is grey";
    EXPECT_TRUE(Near(RGB(191, 63, 63), canvas.Pixel(1, 49), 16)) << "half saturated red";
    // The 3-D frame: dark shadow top-left, highlight bottom-right.
    EXPECT_EQ(RGB(64, 64, 64), canvas.Pixel(0, 50));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(199, 50));
}

TEST_F(ColorPicker, SpectrumMarkerIsBlackWithTheFocusAndWhiteWithout)
{
    CTavoPColorPickerCtrl picker;
    Make(picker, CTavoPColorPickerCtrl::PICKER, 200, 100);
    picker.SetHLS(0.5, 0.5, 0.5, FALSE); // marker centred at (100, 50)
    DibCanvas canvas(200, 100);

    parent.SetActiveWindow();
    picker.SetFocus();
    ASSERT_EQ(picker.m_hWnd, ::GetFocus());
    Paint(picker, canvas);
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(100, 42));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(92, 50));

    parent.SetFocus();
    Paint(picker, canvas);
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(100, 42));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(92, 50));
}

TEST_F(ColorPicker, SpectrumDragFollowsTheMouseAndShiftKeepsTheSaturation)
{
    CTavoPColorPickerCtrl picker;
    Make(picker, CTavoPColorPickerCtrl::PICKER, 200, 100);
    double h, l, s;

    Press(picker, CPoint(50, 20));
    picker.GetHLS(&h, &l, &s);
    EXPECT_DOUBLE_EQ(0.25, h);
    EXPECT_DOUBLE_EQ(0.8, s);
    EXPECT_EQ(::GetCapture(), picker.m_hWnd);

    picker.SendMessage(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(150, 80));
    picker.GetHLS(&h, &l, &s);
    EXPECT_DOUBLE_EQ(0.75, h);
    EXPECT_DOUBLE_EQ(0.8, s);

    picker.SendMessage(WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, MAKELPARAM(10, 60));
    picker.GetHLS(&h, &l, &s);
    EXPECT_DOUBLE_EQ(0.75, h);
    EXPECT_DOUBLE_EQ(0.4, s);
    EXPECT_EQ(picker.GetColor(), CTavoPDrawManager::HlsToRgb(h, l, s));
    EXPECT_EQ(3u, parent.commands.size());

    Release(picker, CPoint(10, 60));
    EXPECT_EQ(nullptr, ::GetCapture());
    parent.commands.clear();
    picker.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(190, 10));
    picker.GetHLS(&h, &l, &s);
    EXPECT_DOUBLE_EQ(0.75, h) << "without the capture a move changes nothing";
    EXPECT_TRUE(parent.commands.empty());
}

TEST_F(ColorPicker, LuminanceBarShadesTheHueFromWhiteToBlack)
{
    CTavoPColorPickerCtrl picker;
    Make(picker, CTavoPColorPickerCtrl::LUMINANCE, 40, 110);
    picker.SetHLS(0.0, 0.5, 1.0, FALSE);
    DibCanvas canvas(40, 110);
    Paint(picker, canvas);

    // Range rows 5..105: lightness (105 - y) / 100.
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(5, 5));
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(5, 55));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(5, 105));
    EXPECT_EQ(kFace, canvas.Pixel(5, 2)) << "above the range";
    EXPECT_EQ(kFace, canvas.Pixel(38, 20)) << "right of the bar";
    // The marker on (26, 55) points left from the right of its 9-pixel square, shadow-filled
    // without the focus.
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(22, 55));
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(27, 55));

    Press(picker, CPoint(5, 30));
    double h, l, s;
    picker.GetHLS(&h, &l, &s);
    EXPECT_DOUBLE_EQ(0.75, l);
    Release(picker, CPoint(5, 30));
}

TEST_F(ColorPicker, LuminanceBarOfTenPixelsOrLessDrawsNothing)
{
    CTavoPColorPickerCtrl picker;
    Make(picker, CTavoPColorPickerCtrl::LUMINANCE, 40, 10);
    picker.SetHLS(0.0, 0.5, 1.0, FALSE);
    DibCanvas canvas(40, 10);
    Paint(picker, canvas);
    EXPECT_EQ(0, canvas.Count(RGB(255, 0, 0), 0, 0, 40, 10));
    Press(picker, CPoint(5, 5));
    Release(picker, CPoint(5, 5));
    double h, l, s;
    picker.GetHLS(&h, &l, &s);
    EXPECT_DOUBLE_EQ(0.5, l);
}

TEST_F(ColorPicker, ArrowKeysMoveTheValueAndNotifyOnlyOnChange)
{
    struct Case
    {
        int type;
        double hue, lum, sat;
        UINT key;
        double wantHue, wantLum, wantSat;
        bool notified;
    };
    const Case cases[] = {
        {CTavoPColorPickerCtrl::LUMINANCE, 0.3, 1.0, 0.5, VK_UP, 0.3, 1.0, 0.5, false},
        {CTavoPColorPickerCtrl::LUMINANCE, 0.3, 1.0, 0.5, VK_DOWN, 0.3, 0.95, 0.5, true},
        {CTavoPColorPickerCtrl::PICKER, 0.3, 0.5, 0.5, VK_RIGHT, 0.35, 0.5, 0.5, true},
        {CTavoPColorPickerCtrl::PICKER, 0.0, 0.5, 0.5, VK_LEFT, 0.0, 0.5, 0.5, false},
        {CTavoPColorPickerCtrl::PICKER, 0.3, 0.5, 0.5, VK_UP, 0.3, 0.5, 0.55, true},
        {CTavoPColorPickerCtrl::PICKER, 0.3, 0.5, 0.0, VK_DOWN, 0.3, 0.5, 0.0, false},
        {CTavoPColorPickerCtrl::HEX, 0.3, 0.5, 0.5, VK_UP, 0.3, 0.5, 0.5, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " key " << c.key);
        CTavoPColorPickerCtrl picker;
        Make(picker, c.type, 60, 60);
        picker.SetHLS(c.hue, c.lum, c.sat, FALSE);
        parent.commands.clear();
        picker.SendMessage(WM_KEYDOWN, c.key, 0);
        double h, l, s;
        picker.GetHLS(&h, &l, &s);
        EXPECT_NEAR(c.wantHue, h, 1e-9);
        EXPECT_NEAR(c.wantLum, l, 1e-9);
        EXPECT_NEAR(c.wantSat, s, 1e-9);
        EXPECT_EQ(c.notified, !parent.commands.empty());
        picker.DestroyWindow();
    }
}

TEST_F(ColorPicker, ComparisonSwatchShowsTheNewColourOverTheCurrent)
{
    CTavoPColorPickerCtrl picker;
    Make(picker, CTavoPColorPickerCtrl::CURRENT, 40, 60);
    picker.SetColor(RGB(255, 0, 0));
    picker.SetCompareColor(RGB(0, 0, 255));
    DibCanvas canvas(40, 60);
    Paint(picker, canvas);
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(20, 15));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(20, 45));
    EXPECT_EQ(RGB(64, 64, 64), canvas.Pixel(0, 30));
    EXPECT_EQ(RGB(64, 64, 64), canvas.Pixel(39, 59));
}

TEST_F(ColorPicker, PaletteScreenDrawsTheSpectrumInBlocksOfFour)
{
    GetGlobalData().m_nBitsPerPixel = 8; // also on a true-colour screen
    CTavoPColorPickerCtrl picker;
    Make(picker, CTavoPColorPickerCtrl::PICKER, 200, 100);
    picker.SetHLS(0.5, 0.5, 0.0, FALSE);
    DibCanvas canvas(200, 100);
    Paint(picker, canvas);

    // Blocks are counted from the bottom: rows 96..99, 92..95 and so on; columns from the left.
    for (int x = 40; x < 44; x++)
        for (int y = 52; y < 56; y++)
            EXPECT_EQ(canvas.Pixel(40, 52), canvas.Pixel(x, y)) << x << "," << y;
    EXPECT_NE(canvas.Pixel(40, 52), canvas.Pixel(40, 51));
    EXPECT_NE(canvas.Pixel(40, 52), canvas.Pixel(44, 52));
}
