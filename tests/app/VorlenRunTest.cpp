// vorlen.exe from start to exit, driven from outside through its windows: splash, connection failure, login, main window, commands.
#include "tests/app/VorlenSuite.h"
#include "tests/support/TestDatabase.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kMainTitle = kVorlenMainTitle;
const char* const kLoginTitle = kVorlenLoginTitle;
const char* const kMessageTitle = "系统消息";
const DWORD kStartTimeout = kVorlenStartTimeout;

using Columns = std::vector<std::string>;
const Columns kSalesColumns = {"日期时间", "名称", "产地",     "规格型号", "有效截止日期",
                               "零售价",   "数量", "销售类型", "实收金额", "坏帐"};
const Columns kStockColumns = {"名称",         "产地",         "规格型号",
                               "有效截止日期", "平均成本单价", "现有存货量"};
const Columns kPurchaseColumns = {"采购日期", "采购人",   "大类", "小类",         "编号", "名称",
                                  "产地",     "规格型号", "批号", "有效截止日期", "进价", "数量"};

// True when the process never showed a window with the title while it ran, up to its end.
bool EndsWithoutWindow(VorlenProcess& vorlen, const char* title, DWORD milliseconds)
{
    bool seen = false;
    WaitFor(
        [&] {
            for (HWND hwnd : vorlen.Windows())
                if (VorlenProcess::WindowText(hwnd) == title)
                    seen = true;
            return !vorlen.Running();
        },
        milliseconds);
    return !seen && !vorlen.Running();
}

} // namespace

TEST(VorlenStart, MissingConnectionFileShowsTheReasonAndEndsWithoutTrace)
{
    DeleteVorlenProfile();
    VorlenProcess vorlen(nullptr);
    ASSERT_TRUE(vorlen.Start());
    HWND message = vorlen.WaitWindow(kMessageTitle, kStartTimeout);
    ASSERT_NE(nullptr, message);
    EXPECT_EQ("文件connect.txt不存在", VorlenProcess::WindowText(GetDlgItem(message, 1061)));
    PressButton(message, IDOK); // Enter does not close it
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(message));
    PressButton(message, IDCANCEL);
    EXPECT_TRUE(EndsWithoutWindow(vorlen, kMainTitle, 10000));
    EXPECT_FALSE(VorlenProfileExists());
}

TEST(VorlenStart, SplashClosesAfterItsTimeWhateverKeysArrive)
{
    VorlenProcess vorlen(nullptr);
    ASSERT_TRUE(vorlen.Start());
    HWND splash = vorlen.WaitWindow("", kStartTimeout);
    ASSERT_NE(nullptr, splash);
    DWORD shown = GetTickCount();
    EXPECT_EQ("", VorlenProcess::WindowText(splash));
    EXPECT_FALSE(GetWindowLongA(splash, GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ("版本 1.1 BUILD 20031125   ", VorlenProcess::WindowText(GetDlgItem(splash, 1060)));

    for (WPARAM key : {VK_RETURN, VK_ESCAPE})
    {
        PostMessageA(splash, WM_KEYDOWN, key, 0);
        PostMessageA(splash, WM_KEYUP, key, 0xC0000000);
    }
    PressButton(splash, IDOK);
    PressButton(splash, IDCANCEL);
    PostMessageA(splash, WM_CLOSE, 0, 0);
    Sleep(700);
    EXPECT_TRUE(IsWindow(splash) && IsWindowVisible(splash)) << "the splash closed early";
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(splash) || !IsWindowVisible(splash); }, 5000));
    DWORD lasted = GetTickCount() - shown;
    EXPECT_GE(lasted, 1000u);
    EXPECT_LE(lasted, 2600u);

    HWND message = vorlen.WaitWindow(kMessageTitle, kStartTimeout);
    ASSERT_NE(nullptr, message);
    PressButton(message, IDCANCEL);
    EXPECT_TRUE(vorlen.WaitExit(10000));
}

TEST(VorlenStart, CancelledLoginEndsWithoutMainWindowOrTrace)
{
    DeleteVorlenProfile();
    TestDatabase db;
    VorlenProcess vorlen(db.ConnectString().c_str());
    ASSERT_TRUE(vorlen.Start());
    HWND login = vorlen.WaitWindow(kLoginTitle, kStartTimeout);
    ASSERT_NE(nullptr, login);
    PressButton(login, IDCANCEL);
    EXPECT_TRUE(EndsWithoutWindow(vorlen, kMainTitle, 10000));
    EXPECT_FALSE(VorlenProfileExists());
}

// One vorlen that logs in and stays up for the tests below, which run in this order.
class VorlenSession : public VorlenSuite
{
protected:
    static Columns GridColumns() { return s_vorlen->Columns(Grid()); }
    // Waits until the grid shows these columns.
    static bool GridShows(const Columns& columns)
    {
        return WaitFor([&] { return GridColumns() == columns; }, 5000);
    }
    static void Command(UINT id) { PostMessageA(s_main, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};

TEST_F(VorlenSession, GoodStartShowsTheMaximizedWindowWithTodaysSales)
{
    EXPECT_EQ(kMainTitle, VorlenProcess::WindowText(s_main));
    EXPECT_TRUE(IsZoomed(s_main));
    DWORD style = (DWORD)GetWindowLongA(s_main, GWL_STYLE);
    const DWORD frame = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    EXPECT_EQ(frame, style & frame);
    // The library's menu bar has taken the menu's place, above the toolbar; the status bar
    // runs along the bottom.
    EXPECT_EQ(nullptr, GetMenu(s_main));
    HWND menuBar = FindDescendant(s_main, "", 0xE806);
    HWND toolBar = FindDescendant(s_main, "", 0xE800);
    HWND statusBar = FindDescendant(s_main, "", 0xE801);
    ASSERT_TRUE(menuBar && toolBar && statusBar);
    RECT menuRect, toolRect, statusRect, client;
    GetWindowRect(menuBar, &menuRect);
    GetWindowRect(toolBar, &toolRect);
    GetWindowRect(statusBar, &statusRect);
    GetClientRect(s_main, &client);
    MapWindowPoints(s_main, nullptr, (POINT*)&client, 2);
    EXPECT_TRUE(IsWindowVisible(menuBar) && IsWindowVisible(toolBar) && IsWindowVisible(statusBar));
    EXPECT_LE(menuRect.bottom, toolRect.top);
    EXPECT_EQ(client.bottom, statusRect.bottom);

    HWND grid = Grid();
    ASSERT_NE(nullptr, grid);
    EXPECT_EQ(kSalesColumns, GridColumns());
    EXPECT_EQ(0, s_vorlen->RowCount(grid));
    // The grid fills the view's client area.
    RECT gridRect, view;
    GetWindowRect(grid, &gridRect);
    GetClientRect(GetParent(grid), &view);
    EXPECT_EQ(view.right - view.left, gridRect.right - gridRect.left);
    EXPECT_EQ(view.bottom - view.top, gridRect.bottom - gridRect.top);

    // The picture of the main window with its menu bar, toolbar and clock stays with the run.
    ASSERT_TRUE(s_vorlen->WaitPainted(5000));
    const std::string folder = VORLEN_ARTEFACTS_DIR;
    ASSERT_TRUE(SaveScreenPicture(s_main, folder, "vorlen-main-window"));
    double black = 1;
    size_t colours = 0;
    ASSERT_TRUE(
        ReadPictureColours(WindowsPath(folder + "/vorlen-main-window.bmp"), &black, &colours));
    EXPECT_LT(black, 0.5) << "the picture shows the window, not a black area";
    EXPECT_GT(colours, 8u);
}

TEST_F(VorlenSession, MenuCommandReachesTheView)
{
    Command(32849); // 报表统计 > 库存明细
    EXPECT_TRUE(GridShows(kStockColumns));
    Command(32848); // 报表统计 > 本日销售明细
    EXPECT_TRUE(GridShows(kSalesColumns));
}

TEST_F(VorlenSession, AcceleratorReachesTheView)
{
    SetForegroundWindow(s_main);
    ASSERT_TRUE(WaitFor([] { return GetForegroundWindow() == s_main; }, 3000));
    PressKeys({VK_CONTROL, VK_MENU, 'H'}); // 本年度采购明细
    EXPECT_TRUE(GridShows(kPurchaseColumns));
}

TEST_F(VorlenSession, StockInThroughTheFormShowsInThisYearsPurchasesAfterReload)
{
    Command(32850);
    ASSERT_TRUE(GridShows(kPurchaseColumns));
    HWND grid = Grid();
    const int before = s_vorlen->RowCount(grid);

    Command(32831); // 采购管理 > 药品入库登记
    HWND form = s_vorlen->WaitWindow("入库登记表", 5000);
    ASSERT_NE(nullptr, form);
    const std::pair<int, const char*> card[] = {
        {1050, "张三"}, {1051, "中成药"},  {1052, "清热解毒"}, {1053, "ZY009"}, {1054, "测试颗粒"},
        {1055, "广州"}, {1056, "10袋/盒"}, {1057, "B0001"},    {1058, "12.5"},  {1059, "4"},
    };
    for (const auto& field : card)
        SetItemText(form, field.first, field.second);
    std::string statusBefore = VorlenProcess::WindowText(GetDlgItem(form, 1060));
    PressButton(form, IDOK);
    ASSERT_TRUE(WaitFor(
        [&] { return VorlenProcess::WindowText(GetDlgItem(form, 1060)) != statusBefore; }, 5000));
    EXPECT_EQ("1", s_db->Scalar("SELECT COUNT(*) FROM 进 WHERE 名称 = '测试颗粒'"));
    PressButton(form, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(form); }, 5000));

    // The form leaves the grid as it was; the reload shows the new card.
    EXPECT_EQ(before, s_vorlen->RowCount(grid));
    Command(32862);
    ASSERT_TRUE(WaitFor([&] { return s_vorlen->RowCount(grid) == before + 1; }, 5000));
    bool found = false;
    for (int row = 0; row < before + 1; ++row)
        found = found || s_vorlen->Cell(grid, row, 5) == "测试颗粒";
    EXPECT_TRUE(found);
}

TEST_F(VorlenSession, PrintCommandsOnThePrinterLeaveTheProgramAtWork)
{
    const size_t windows = s_vorlen->Windows().size();
    Command(57608); // print at once: an empty page on the run's printer
    Command(57607); // print with the dialog, which is cancelled
    Sleep(1000);
    for (HWND hwnd : s_vorlen->Windows())
        if (hwnd != s_main)
            PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return s_vorlen->Windows().size() == windows; }, 5000));
    ASSERT_TRUE(s_vorlen->Running());
    Command(32849);
    EXPECT_TRUE(GridShows(kStockColumns)); // still at work
}

TEST_F(VorlenSession, ExitCommandEndsTheProgramAndKeepsTheProfile)
{
    Command(57665); // 系统 > 安全退出
    EXPECT_TRUE(s_vorlen->WaitExit(10000));
    EXPECT_TRUE(VorlenProfileExists());
    // The window's placement and the bar layout are kept for the next start.
    const char* const settings =
        "SOFTWARE\\TavoP AppWizard-Generated Applications\\vorlen\\Settings\\";
    for (const std::string& key : {std::string(settings) + "WindowPlacement",
                                   std::string(settings) + "TavoPDockManager-128"})
    {
        HKEY hKey = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey))
            << key;
        if (hKey != nullptr)
            RegCloseKey(hKey);
    }
    s_main = nullptr;
}
