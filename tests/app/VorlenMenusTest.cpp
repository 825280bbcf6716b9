// vorlen's menus and keys as a user meets them on the screen: real clicks and keys go to vorlen.exe, and the test reads back its popups, focus, status line and pixels, leaving pictures of the main window.
#include "tests/app/VorlenSuite.h"
#include "tests/support/ScreenPixels.h"
#include "tests/support/SyntheticInput.h"
#include <commctrl.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const UINT kMenuBarId = 0xE806;
const UINT kToolBarId = 0xE800;
const UINT kStatusBarId = 0xE801;
// The menu bar's entries, from the left.
enum
{
    kSystemMenu,
    kPurchaseMenu,
    kStockMenu,
    kSalesMenu,
    kReportMenu,
    kHelpMenu
};

// A few pixels along the inside of a button's edge, where neither its label nor the pointer lies.
std::vector<COLORREF> EdgePixels(const RECT& rect)
{
    const int midY = (rect.top + rect.bottom) / 2;
    return {ScreenPixel(rect.left + 1, rect.top + 1), ScreenPixel(rect.left + 1, midY),
            ScreenPixel(rect.right - 2, rect.top + 1), ScreenPixel(rect.right - 2, midY)};
}

bool Intersect(const RECT& a, const RECT& b)
{
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

std::string ClassOf(HWND hwnd)
{
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

void HoldKey(WORD key, bool down)
{
    INPUT input = KeyInput(key, !down);
    SendInput(1, &input, sizeof input);
}

// One vorlen, logged in, that the tests below drive in this order.
class VorlenMenus : public VorlenSuite
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(VorlenSuite::SetUp());
        SetForegroundWindow(s_main);
        ASSERT_TRUE(WaitFor([] { return GetForegroundWindow() == s_main; }, 3000));
        // Every test starts from the grid, with no menu open.
        ClickAt(GridPoint());
        ASSERT_TRUE(WaitFor([] { return Popups().empty() && FocusOf(s_main) == Grid(); }, 5000));
    }

    static HWND MenuBar() { return FindDescendant(s_main, "", kMenuBarId); }
    static std::string StatusText()
    {
        return VorlenProcess::WindowText(FindDescendant(s_main, "", kStatusBarId));
    }
    // A point of the grid far from the menus, which open at the top left.
    static POINT GridPoint()
    {
        const RECT grid = WindowRect(Grid());
        return POINT{grid.right - 60, grid.bottom - 60};
    }
    static RECT MenuRect(int index) { return s_vorlen->ItemRect(MenuBar(), index); }
    // vorlen's open popup menus, from the front: borderless top-most windows holding an item bar.
    static std::vector<HWND> Popups()
    {
        std::vector<HWND> popups;
        for (HWND hwnd : s_vorlen->Windows())
        {
            const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
            const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
            HWND items = FindDescendant(hwnd, "", 1);
            if ((style & WS_POPUP) && !(style & WS_CAPTION) && (exStyle & WS_EX_TOPMOST) &&
                items != nullptr && GetParent(items) == hwnd)
                popups.push_back(hwnd);
        }
        return popups;
    }
    static bool PopupCountIs(size_t count)
    {
        return WaitFor([&] { return Popups().size() == count; }, 5000);
    }
    static HWND ItemsOf(HWND popup) { return FindDescendant(popup, "", 1); }
    // The item bar of the popup that opened last (the front one).
    static HWND FrontItems() { return ItemsOf(Popups().front()); }
    // vorlen's visible tool tips that show a text.
    static std::vector<HWND> ShownTips()
    {
        std::vector<HWND> tips;
        for (HWND hwnd : s_vorlen->Windows())
            if (ClassOf(hwnd) == TOOLTIPS_CLASSA && !VorlenProcess::WindowText(hwnd).empty())
                tips.push_back(hwnd);
        return tips;
    }
    // Rests the pointer on a point until the condition holds, nudging it a pixel to and fro as a
    // hand does: a popup ignores the first move after it appears, and moves that queue up
    // arrive as one.
    template <class Condition>
    static bool HoverUntil(POINT point, Condition condition)
    {
        int nudge = 0;
        return WaitFor(
            [&] {
                MouseTo(POINT{point.x + (nudge++ % 2), point.y});
                Sleep(30);
                return condition();
            },
            5000);
    }
    static bool StatusShows(const std::string& text)
    {
        return WaitFor([&] { return StatusText() == text; }, 5000);
    }
    static bool SavePicture(const char* name)
    {
        return s_vorlen->WaitPainted(5000) && SaveScreenPicture(s_main, VORLEN_ARTEFACTS_DIR, name);
    }
};

} // namespace

TEST_F(VorlenMenus, HighlightedItemShowsItsPromptAndClosingTheMenuShowsReady)
{
    // By the mouse: the item under the pointer, and a click elsewhere closes the menu.
    ClickAt(Centre(MenuRect(kPurchaseMenu)));
    ASSERT_TRUE(PopupCountIs(1));
    const POINT item = Centre(s_vorlen->ItemRect(FrontItems(), 0)); // 药品入库登记
    EXPECT_TRUE(HoverUntil(item, [] { return StatusText() == "药品入库登记"; }));
    ClickAt(GridPoint());
    ASSERT_TRUE(PopupCountIs(0));
    EXPECT_TRUE(StatusShows("就绪")) << StatusText();

    // By the keys, with the pointer resting on the grid: Alt+2 opens 采购管理 with its first
    // item selected (Alt held until the menu is there, as a hand holds it); Escape closes it.
    HoldKey(VK_MENU, true);
    // The frame reads Alt from the asynchronous key state, which Wine refreshes only every few
    // dozen milliseconds; a hand is never faster than that.
    Sleep(200);
    PressKeys({'2'});
    const bool opened = PopupCountIs(1);
    HoldKey(VK_MENU, false);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(StatusShows("药品入库登记")) << StatusText();
    // The pointer over the menu's title clears the line; back on the item still selected, the
    // item shows its prompt again.
    EXPECT_TRUE(HoverUntil(Centre(MenuRect(kPurchaseMenu)), [] { return StatusText().empty(); }))
        << StatusText();
    EXPECT_TRUE(HoverUntil(item, [] { return StatusText() == "药品入库登记"; })) << StatusText();
    MouseTo(GridPoint()); // not over a toolbar button once the menu closes
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(PopupCountIs(0));
    EXPECT_TRUE(StatusShows("就绪")) << StatusText();
    PressKeys({VK_ESCAPE}); // out of menu mode
}

TEST_F(VorlenMenus, MenuItemsShowNoTipThatRepeatsTheirLabelOrCoversTheNextItem)
{
    ClickAt(Centre(MenuRect(kSystemMenu)));
    ASSERT_TRUE(PopupCountIs(1));
    HWND items = FrontItems();
    // 界面 opens its sub-menu; 设置 shows its prompt: by then a tip would have come up long ago.
    ASSERT_TRUE(
        HoverUntil(Centre(s_vorlen->ItemRect(items, 0)), [] { return Popups().size() == 2; }));
    Sleep(1500);
    for (HWND tip : ShownTips())
        ADD_FAILURE() << "a tip \"" << VorlenProcess::WindowText(tip) << "\" over 界面";
    ASSERT_TRUE(
        HoverUntil(Centre(s_vorlen->ItemRect(items, 2)), [] { return StatusText() == "设置"; }));
    Sleep(1500);
    const RECT exitItem = s_vorlen->ItemRect(items, 4); // 安全退出, below the separator
    for (HWND tip : ShownTips())
    {
        EXPECT_FALSE(Intersect(WindowRect(tip), exitItem))
            << "the tip \"" << VorlenProcess::WindowText(tip) << "\" covers 安全退出";
    }
    EXPECT_TRUE(ShownTips().empty());
    ClickAt(GridPoint());
    EXPECT_TRUE(PopupCountIs(0));
}

TEST_F(VorlenMenus, CascadeClosedByAClickInTheGridLeavesTheMenuBarReadyForTheNextMenu)
{
    const RECT report = MenuRect(kReportMenu), help = MenuRect(kHelpMenu);
    ASSERT_FALSE(IsRectEmpty(&report));
    ClickAt(Centre(report));
    ASSERT_TRUE(PopupCountIs(1));
    const POINT sales = Centre(s_vorlen->ItemRect(FrontItems(), 0)); // 销售报表 >
    ASSERT_TRUE(HoverUntil(sales, [] { return Popups().size() == 2; }));
    // The open menu's entry is drawn open, unlike its idle neighbour.
    EXPECT_TRUE(WaitFor([&] { return EdgePixels(report) != EdgePixels(help); }, 3000));
    EXPECT_TRUE(SavePicture("vorlen-menu-open"));

    ClickAt(GridPoint());
    ASSERT_TRUE(PopupCountIs(0));
    EXPECT_TRUE(WaitFor([&] { return EdgePixels(report) == EdgePixels(help); }, 3000))
        << "报表统计 is still drawn open";
    // The next click on another menu opens it at once.
    ClickAt(Centre(MenuRect(kPurchaseMenu)));
    EXPECT_TRUE(PopupCountIs(1)) << "the click on 采购管理 was swallowed";
    ClickAt(GridPoint());
    EXPECT_TRUE(PopupCountIs(0));
}

TEST_F(VorlenMenus, F10PutsTheMenuBarInMenuModeWithItsFirstMenuHot)
{
    PressKeys({VK_F10});
    ASSERT_TRUE(WaitFor([] { return FocusOf(s_main) == MenuBar(); }, 3000));
    for (HWND hwnd : s_vorlen->Windows())
    {
        EXPECT_NE("#32768", ClassOf(hwnd)) << "a system menu opened";
    }
    EXPECT_TRUE(Popups().empty());
    // The hot menu is the first: Down opens 系统 below its entry.
    PressKeys({VK_DOWN});
    ASSERT_TRUE(PopupCountIs(1));
    const RECT system = MenuRect(kSystemMenu), popup = WindowRect(Popups().front());
    EXPECT_NEAR(system.left, popup.left, 2);
    EXPECT_NEAR(system.bottom, popup.top, 2);
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(PopupCountIs(0));
    // F10 again leaves menu mode.
    PressKeys({VK_F10});
    EXPECT_TRUE(WaitFor([] { return FocusOf(s_main) != MenuBar(); }, 3000));
    EXPECT_TRUE(Popups().empty());
}

TEST_F(VorlenMenus, GridHasTheKeyboardFocusAfterEveryFormAndDialog)
{
    struct Case
    {
        UINT command;
        const char* title;
        const char* picture;
    };
    const Case cases[] = {
        {32831, "入库登记表", "vorlen-form-open"},
        {32836, "前台销售登记表", nullptr},
        {32832, "维护采购记录", nullptr},
        {32827, "系统设置", nullptr},
    };
    for (const Case& c : cases)
    {
        PostMessageA(s_main, WM_COMMAND, MAKEWPARAM(c.command, 0), 0);
        HWND form = s_vorlen->WaitWindow(c.title, 5000);
        ASSERT_NE(nullptr, form) << c.title;
        if (c.picture != nullptr)
        {
            EXPECT_TRUE(SavePicture(c.picture));
        }
        PressButton(form, IDCANCEL);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(form); }, 5000)) << c.title;
        EXPECT_TRUE(WaitFor([] { return FocusOf(s_main) == Grid(); }, 3000))
            << "after " << c.title << " the focus is on " << ClassOf(FocusOf(s_main));
    }
}

// Last: the toolbar stays floating.
TEST_F(VorlenMenus, ToolbarFloatsAboveTheMainWindowByADoubleClickOnItsGripper)
{
    HWND toolBar = FindDescendant(s_main, "", kToolBarId);
    ASSERT_NE(nullptr, toolBar);
    const RECT docked = WindowRect(toolBar);
    ClickAt(POINT{docked.left + 3, (docked.top + docked.bottom) / 2}, 2);
    HWND floating = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            floating = GetAncestor(toolBar, GA_ROOT);
            return floating != s_main && IsWindowVisible(floating);
        },
        5000));
    // It lies in front of the main window, inside it.
    const std::vector<HWND> windows = s_vorlen->Windows();
    const auto front = std::find(windows.begin(), windows.end(), floating);
    EXPECT_LT(front - windows.begin(),
              std::find(windows.begin(), windows.end(), s_main) - windows.begin());
    EXPECT_TRUE(Intersect(WindowRect(floating), WindowRect(s_main)));
    EXPECT_TRUE(SavePicture("vorlen-toolbar-floating"));
}
