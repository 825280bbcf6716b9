// vorlen.exe's own window as the screen shows it: popup shadows, separators, icons and a gripper drag, read back from the X display.
#include "tests/app/VorlenSuite.h"
#include "tests/support/ScreenPixels.h"
#include "tests/support/SyntheticInput.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

const UINT kToolBarId = 0xE800;
// The XP look's menu shadow: its depth and how dark it is next to the menu and at its end.
const int kShadowDepth = 4;
const int kShadowDarkest = 65;
const int kShadowStep = (kShadowDarkest - 100) / kShadowDepth;

void SendMouse(DWORD flags)
{
    INPUT input = MouseInput(flags);
    SendInput(1, &input, sizeof input);
}

// Moves the pointer there in steps, as a hand does, giving the program time for each step.
void MoveMouse(POINT from, POINT to, int steps)
{
    for (int i = 1; i <= steps; i++)
    {
        SetCursorPos(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
        SendMouse(MOUSEEVENTF_MOVE);
        Sleep(30);
    }
}

// What the screen shows in the rectangle, row by row (0x00BBGGRR).
class ScreenPicture
{
public:
    explicit ScreenPicture(const RECT& rect) : m_rect(rect)
    {
        HDC screen = GetDC(nullptr);
        for (int y = rect.top; y < rect.bottom; y++)
            for (int x = rect.left; x < rect.right; x++)
                m_pixels.push_back(GetPixel(screen, x, y));
        ReleaseDC(nullptr, screen);
    }
    COLORREF At(int x, int y) const
    {
        return m_pixels[(size_t)(y - m_rect.top) * (m_rect.right - m_rect.left) + x - m_rect.left];
    }
    int Count(COLORREF colour) const
    {
        return (int)std::count(m_pixels.begin(), m_pixels.end(), colour);
    }
    bool operator==(const ScreenPicture& other) const { return m_pixels == other.m_pixels; }
    // The points where the two pictures differ, at most the first few, for a message.
    std::string Differences(const ScreenPicture& other) const
    {
        std::string text;
        int found = 0;
        for (int y = m_rect.top; y < m_rect.bottom && found < 8; y++)
            for (int x = m_rect.left; x < m_rect.right && found < 8; x++)
                if (At(x, y) != other.At(x, y))
                {
                    text += "(" + std::to_string(x) + "," + std::to_string(y) + ") ";
                    found++;
                }
        return text;
    }

private:
    RECT m_rect;
    std::vector<COLORREF> m_pixels;
};

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= 1 &&
           std::abs(GetGValue(a) - GetGValue(b)) <= 1 && std::abs(GetBValue(a) - GetBValue(b)) <= 1;
}

std::string Hex(COLORREF colour)
{
    char text[16];
    wsprintfA(text, "%06x", (unsigned)colour);
    return text;
}

// One vorlen, logged in and maximized, for the tests below.
class VorlenDrawing : public VorlenSuite
{
protected:
    static void TearDownTestSuite()
    {
        ExitVorlen();
        VorlenSuite::TearDownTestSuite();
    }
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(VorlenSuite::SetUp());
        CloseMenus();
        // The pointer rests on the status bar, where it makes nothing hot.
        RECT rect;
        GetWindowRect(s_main, &rect);
        SetCursorPos(rect.left + 5, rect.bottom - 5);
        SetForegroundWindow(s_main);
        ASSERT_TRUE(WaitFor([] { return GetForegroundWindow() == s_main; }, 3000));
        Settle();
    }
    void TearDown() override { CloseMenus(); }

    // Gives vorlen time to paint and the X display time to show it: until two readings of the
    // main window's middle row agree.
    static void Settle()
    {
        RECT rect;
        GetWindowRect(s_main, &rect);
        const RECT row = {rect.left, (rect.top + rect.bottom) / 3, rect.right,
                          (rect.top + rect.bottom) / 3 + 1};
        Sleep(300);
        ScreenPicture before(row);
        WaitFor(
            [&] {
                Sleep(200);
                ScreenPicture now(row);
                const bool same = now == before;
                before = now;
                return same;
            },
            3000);
    }
    // The open popup menus of vorlen, top-level windows without caption other than the main
    // window and tool tips.
    static std::vector<HWND> Popups()
    {
        std::vector<HWND> popups;
        for (HWND hwnd : s_vorlen->Windows())
        {
            char name[64] = {};
            GetClassNameA(hwnd, name, sizeof name);
            const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
            if (hwnd != s_main && (style & WS_POPUP) && !(style & WS_CAPTION) &&
                lstrcmpiA(name, "tooltips_class32") != 0)
                popups.push_back(hwnd);
        }
        return popups;
    }
    // Opens a menu of the menu bar by its number (Alt+1 to Alt+6) and waits until it shows.
    static HWND OpenMenu(char number)
    {
        PressKeys({VK_MENU, (WORD)number});
        HWND popup = nullptr;
        WaitFor(
            [&] {
                std::vector<HWND> popups = Popups();
                popup = popups.empty() ? nullptr : popups.front();
                return popup != nullptr;
            },
            5000);
        if (popup != nullptr)
            Settle();
        return popup;
    }
    static void CloseMenus()
    {
        for (int i = 0; i < 3 && !Popups().empty(); i++)
        {
            PressKeys({VK_ESCAPE});
            WaitFor([] { return Popups().empty(); }, 1000);
        }
        Settle();
    }
};

} // namespace

TEST_F(VorlenDrawing, MenuShadowIsADarkenedCopyOfWhatLiesUnderIt)
{
    HWND popup = OpenMenu('2'); // 采购管理
    ASSERT_NE(nullptr, popup);
    const RECT rect = WindowRect(popup);
    const RECT right = {rect.right - kShadowDepth, rect.top, rect.right, rect.bottom};
    const RECT bottom = {rect.left, rect.bottom - kShadowDepth, rect.right, rect.bottom};
    const ScreenPicture rightOpen(right), bottomOpen(bottom);
    CloseMenus();
    const ScreenPicture rightUnder(right), bottomUnder(bottom);

    // Across a strip the shadow lightens away from the menu; along it, it fades in over its
    // first pixels; the corners beyond the menu's top right and bottom left are left as they are.
    int checked = 0;
    for (int k = 0; k < kShadowDepth; k++)
    {
        const int percent = kShadowDarkest - kShadowStep * k;
        const int x = right.left + k;
        for (int y = rect.top; y < rect.top + kShadowDepth; y++)
            EXPECT_EQ(rightUnder.At(x, y), rightOpen.At(x, y)) << x << "," << y;
        for (int y = rect.top + 2 * kShadowDepth; y < rect.bottom; y++, checked++)
            EXPECT_TRUE(Near(ScaledColour(rightUnder.At(x, y), percent), rightOpen.At(x, y)))
                << x << "," << y << ": " << Hex(rightUnder.At(x, y)) << " became "
                << Hex(rightOpen.At(x, y));
        const int y = bottom.top + k;
        for (int x = rect.left; x < rect.left + kShadowDepth; x++)
            EXPECT_EQ(bottomUnder.At(x, y), bottomOpen.At(x, y)) << x << "," << y;
        for (int x = rect.left + 2 * kShadowDepth; x < rect.right - kShadowDepth; x++, checked++)
            EXPECT_TRUE(Near(ScaledColour(bottomUnder.At(x, y), percent), bottomOpen.At(x, y)))
                << x << "," << y << ": " << Hex(bottomUnder.At(x, y)) << " became "
                << Hex(bottomOpen.At(x, y));
        if (HasFailure())
            break;
    }
    EXPECT_GT(checked, 200);
}

TEST_F(VorlenDrawing, MenuSeparatorIsAHorizontalLineAcrossTheItem)
{
    HWND popup = OpenMenu('2'); // 采购管理: 药品入库登记, a separator, two more items
    ASSERT_NE(nullptr, popup);
    const RECT rect = WindowRect(popup);
    // Inside the border, beside the image column, up to the shadow.
    const RECT inner = {rect.left + 3, rect.top + 3, rect.right - kShadowDepth - 3,
                        rect.bottom - kShadowDepth - 3};
    const ScreenPicture picture(inner);
    const COLORREF background = picture.At(inner.right - 1, inner.top);
    // A row of one colour from the right end of the image column to the right end, between
    // rows of the background: the line. Menu items are text, a highlight has its fill inside.
    auto plain = [&](int y, int left, COLORREF* pColour) {
        const COLORREF colour = picture.At(inner.right - 1, y);
        for (int x = left; x < inner.right; x++)
            if (picture.At(x, y) != colour)
                return false;
        *pColour = colour;
        return true;
    };
    const int textLeft = inner.left + 30;
    int lines = 0, lineLeft = 0;
    for (int y = inner.top + 1; y < inner.bottom - 1; y++)
    {
        COLORREF above, colour, below;
        if (!plain(y, textLeft, &colour) || colour == background ||
            !plain(y - 1, textLeft, &above) || above != background ||
            !plain(y + 1, textLeft, &below) || below != background)
            continue;
        lines++;
        lineLeft = textLeft;
        while (lineLeft > inner.left && picture.At(lineLeft - 1, y) == colour)
            lineLeft--;
    }
    EXPECT_EQ(1, lines);
    // The line starts beside the image column, not at the menu's edge.
    EXPECT_GT(lineLeft, inner.left + 10);
}

TEST_F(VorlenDrawing, IconsShowTheBarOrMenuUnderThemNotTheButtonFace)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    HWND toolBar = FindDescendant(s_main, "", kToolBarId);
    ASSERT_NE(nullptr, toolBar);
    // Inside the bar's one-pixel border.
    RECT bar = WindowRect(toolBar);
    InflateRect(&bar, -1, -1);
    const ScreenPicture barPicture(bar);
    // The bar's own colour, beside the gripper, differs from the face colour in the XP look.
    ASSERT_NE(face, barPicture.At(bar.right - 2, (bar.top + bar.bottom) / 2));
    EXPECT_EQ(0, barPicture.Count(face)) << "face-coloured squares around the toolbar's icons";

    // 采购管理's first item, 药品入库登记, has the toolbar's stock-in icon; the image column
    // keeps its colour plain and highlighted.
    HWND popup = OpenMenu('2');
    ASSERT_NE(nullptr, popup);
    const RECT rect = WindowRect(popup);
    const RECT column = {rect.left + 2, rect.top + 2, rect.left + 26,
                         rect.bottom - kShadowDepth - 2};
    EXPECT_EQ(0, ScreenPicture(column).Count(face)) << "in the menu";
    const POINT from = {rect.left - 20, rect.top - 20};
    const POINT item = {(rect.left + rect.right) / 2, rect.top + 12};
    MoveMouse(from, item, 4);
    Settle();
    EXPECT_EQ(0, ScreenPicture(column).Count(face)) << "on the highlighted item";
    const std::string folder = VORLEN_ARTEFACTS_DIR;
    EXPECT_TRUE(SaveScreenPicture(s_main, folder, "vorlen-menu-highlighted"));
}

TEST_F(VorlenDrawing, GripperDragLeavesNothingBehind)
{
    HWND toolBar = FindDescendant(s_main, "", kToolBarId);
    HWND grid = FindDescendant(s_main, "", kIdcGrid);
    ASSERT_TRUE(toolBar && grid);
    const RECT bar = WindowRect(toolBar);
    const RECT gridRect = WindowRect(grid);
    // The toolbar's row and the grid's upper part, over which the bar is dragged.
    const RECT area = {bar.left, bar.top, std::min(bar.left + 700L, gridRect.right),
                       std::min(gridRect.top + 260L, gridRect.bottom)};

    // Down on the gripper, away over the grid and up there: the bar follows the mouse and floats.
    // While the bar lies over the grid, the grid paints itself anew, as windows do when a tip
    // closes over them or their data changes.
    const POINT gripper = {bar.left + 4, (bar.top + bar.bottom) / 2};
    const POINT away = {gripper.x + 260, gripper.y + 150};
    SetCursorPos(gripper.x, gripper.y);
    Sleep(100);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Sleep(100);
    MoveMouse(gripper, away, 12);
    Sleep(300);
    RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    Sleep(500);
    SendMouse(MOUSEEVENTF_LEFTUP);
    Settle();
    SetCursorPos(bar.left + 5, WindowRect(s_main).bottom - 5);
    Settle();
    ASSERT_NE(bar.top, WindowRect(toolBar).top) << "the toolbar did not leave its row";

    // What the screen shows now is what the windows paint when asked afresh: no trace of the
    // drag is left on the bars or the grid.
    const ScreenPicture after(area);
    RedrawWindow(s_main, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    const ScreenPicture fresh(area);
    EXPECT_TRUE(fresh == after) << "changed at " << fresh.Differences(after);
}
