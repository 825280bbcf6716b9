// The main window's menu, accelerators, toolbar, prompts, about box and splash as the program loads them.
#include "app/CSplashDialog.h"
#include "res/resource.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

// Every command item of the menu as "path > label" (label without its shortcut) to id; shortcut
// texts separately; top-level and sub-popup labels with separators as "-" in order.
struct MenuWalk
{
    std::map<std::string, UINT> ids;
    std::map<UINT, std::string> shortcuts;
    std::map<std::string, std::vector<std::string>> layout;

    void Walk(HMENU menu, const std::string& path)
    {
        std::vector<std::string>& items = layout[path];
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
        {
            char text[256] = {};
            MENUITEMINFOA info = {sizeof info};
            info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
            info.dwTypeData = text;
            info.cch = sizeof text;
            ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
            if (info.fType & MFT_SEPARATOR)
            {
                items.push_back("-");
                continue;
            }
            std::string label = text;
            size_t gap = label.find("   ");
            std::string shortcut;
            if (gap != std::string::npos)
            {
                shortcut = label.substr(label.find_first_not_of(' ', gap));
                label = label.substr(0, gap);
            }
            items.push_back(label);
            std::string full = path.empty() ? label : path + " > " + label;
            if (info.hSubMenu)
                Walk(info.hSubMenu, full);
            else
            {
                ids[full] = info.wID;
                if (!shortcut.empty())
                    shortcuts[info.wID] = shortcut;
            }
        }
    }
};

std::string LoadText(UINT id)
{
    char text[512] = {};
    LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return text;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

} // namespace

TEST(FrameResources, MenuHoldsEveryCommandAtItsPlace)
{
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, menu);
    MenuWalk walk;
    walk.Walk(menu, "");
    DestroyMenu(menu);

    const std::map<std::string, UINT> expected = {
        {"(&1)系统 > 设置...", 32827},
        {"(&1)系统 > 操作 > 更新显示", 32862},
        {"(&1)系统 > 操作 > 打印保存", 32864},
        {"(&1)系统 > 安全退出", 57665},
        {"(&1)系统 > 界面 > 状态栏", 59393},
        {"(&1)系统 > 界面 > 工具栏 > (工具栏列表)", 32771},
        {"(&2)采购管理 > 药品入库登记", 32831},
        {"(&2)采购管理 > 查询采购记录", 32833},
        {"(&2)采购管理 > 维护采购记录", 32832},
        {"(&3)库存管理 > 查询库存", 32834},
        {"(&3)库存管理 > 维护库存", 32835},
        {"(&4)销售管理 > 添加销售记录", 32836},
        {"(&4)销售管理 > 查询销售记录", 32837},
        {"(&4)销售管理 > 维护销售记录", 32838},
        {"(&5)报表统计 > 销售报表 > 日销售报表", 32847},
        {"(&5)报表统计 > 销售报表 > 月销售报表", 32875},
        {"(&5)报表统计 > 销售报表 > 年度销售报表", 32876},
        {"(&5)报表统计 > 销售报表 > 坏帐报表", 32883},
        {"(&5)报表统计 > 库存统计 > 药品过期检查", 32872},
        {"(&5)报表统计 > 库存统计 > 缺货检查", 32878},
        {"(&5)报表统计 > 库存统计 > 平均成本分析", 32880},
        {"(&5)报表统计 > 库存统计 > 库存总成本", 32879},
        {"(&5)报表统计 > 采购报表 > 月采购报表", 32881},
        {"(&5)报表统计 > 采购报表 > 年采购报表", 32873},
        {"(&5)报表统计 > 本日销售明细", 32848},
        {"(&5)报表统计 > 库存明细", 32849},
        {"(&5)报表统计 > 本年度采购明细", 32850},
        {"(&6)帮助 > 帮助", 32869},
        {"(&6)帮助 > 计算器", 32845},
        {"(&6)帮助 > 信息反馈", 32856},
        {"(&6)帮助 > 关于...", 57664},
    };
    EXPECT_EQ(expected, walk.ids);

    const std::map<UINT, std::string> shortcuts = {
        {32827, "CTRL+S"},     {32864, "ALT+S"},      {57665, "ALT+Z"},      {32831, "CTRL+1"},
        {32833, "CTRL+ALT+R"}, {32832, "CTRL+ALT+T"}, {32834, "CTRL+ALT+Y"}, {32835, "CTRL+ALT+U"},
        {32836, "CTRL+2"},     {32837, "CTRL+ALT+O"}, {32838, "CTRL+ALT+P"}, {32848, "CTRL+ALT+F"},
        {32849, "CTRL+ALT+G"}, {32850, "CTRL+ALT+H"}, {32869, "F1"},         {32845, "F3"},
    };
    EXPECT_EQ(shortcuts, walk.shortcuts);

    using Items = std::vector<std::string>;
    EXPECT_EQ((Items{"(&1)系统", "(&2)采购管理", "(&3)库存管理", "(&4)销售管理", "(&5)报表统计",
                     "(&6)帮助"}),
              walk.layout[""]);
    EXPECT_EQ((Items{"界面", "操作", "设置...", "-", "安全退出"}), walk.layout["(&1)系统"]);
    EXPECT_EQ((Items{"工具栏", "状态栏"}), walk.layout["(&1)系统 > 界面"]);
    EXPECT_EQ((Items{"药品入库登记", "-", "查询采购记录", "维护采购记录"}),
              walk.layout["(&2)采购管理"]);
    EXPECT_EQ((Items{"添加销售记录", "-", "查询销售记录", "维护销售记录"}),
              walk.layout["(&4)销售管理"]);
    EXPECT_EQ((Items{"日销售报表", "月销售报表", "年度销售报表", "-", "坏帐报表"}),
              walk.layout["(&5)报表统计 > 销售报表"]);
    EXPECT_EQ((Items{"销售报表", "库存统计", "采购报表", "-", "本日销售明细", "库存明细",
                     "本年度采购明细"}),
              walk.layout["(&5)报表统计"]);
    EXPECT_EQ((Items{"帮助", "计算器", "-", "信息反馈", "关于..."}), walk.layout["(&6)帮助"]);
}

TEST(FrameResources, AcceleratorsMatchTheShortcutTexts)
{
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, table);
    ACCEL entries[64];
    int count = CopyAcceleratorTableA(table, entries, 64);
    std::map<WORD, std::pair<BYTE, WORD>> got;
    for (int i = 0; i < count; ++i)
        got[entries[i].cmd] = {(BYTE)(entries[i].fVirt & ~FNOINVERT), entries[i].key};
    const BYTE C = FVIRTKEY | FCONTROL, A = FVIRTKEY | FALT, CA = FVIRTKEY | FCONTROL | FALT;
    const std::map<WORD, std::pair<BYTE, WORD>> expected = {
        {32827, {C, 'S'}},          {32864, {A, 'S'}},  {57665, {A, 'Z'}},
        {32831, {C, '1'}},          {32833, {CA, 'R'}}, {32832, {CA, 'T'}},
        {32834, {CA, 'Y'}},         {32835, {CA, 'U'}}, {32836, {C, '2'}},
        {32837, {CA, 'O'}},         {32838, {CA, 'P'}}, {32848, {CA, 'F'}},
        {32849, {CA, 'G'}},         {32850, {CA, 'H'}}, {32869, {FVIRTKEY, VK_F1}},
        {32845, {FVIRTKEY, VK_F3}},
    };
    EXPECT_EQ(expected, got);
    DestroyAcceleratorTable(table);
}

TEST(FrameResources, ToolbarResourceIsVersionOneWithItsButtons)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(241));
    ASSERT_NE(nullptr, found);
    const WORD* data = (const WORD*)LockResource(LoadResource(self, found));
    std::vector<WORD> words(data, data + SizeofResource(self, found) / 2);
    const std::vector<WORD> expected = {1,     16,    16,    16,    32836, 32831, 0,
                                        32848, 32849, 32850, 0,     32864, 32862, 0,
                                        32827, 0,     32845, 32856, 0,     57664};
    EXPECT_EQ(expected, words);

    HBITMAP strip = LoadBitmapA(self, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, strip);
    BITMAP bm;
    GetObjectA(strip, sizeof bm, &bm);
    EXPECT_EQ(16 * 11, bm.bmWidth); // one image per button, separators take none
    EXPECT_EQ(16, bm.bmHeight);
    DeleteObject(strip);
}

TEST(FrameResources, PromptsTooltipsAndFixedStrings)
{
    const std::pair<UINT, const char*> strings[] = {
        {128, "vorlen\n\nVorlen\n\n\nVorlen.Document\nVorlen Document"},
        {101, "默认工具栏"},
        {32827, "设置\n设置"},
        {32831, "药品入库登记\n药品入库"},
        {32836, "添加销售记录\n销售登记"},
        {32845, "计算器\n计算器"},
        {32848, "本日销售明细\n本日销售明细"},
        {32849, "库存明细\n库存明细"},
        {32850, "年度采购明细\n年度采购明细"},
        {32856, "将你在使用过程中的问题反馈给设计者\n信息反馈"},
        {32862, "更新\n更新"},
        {32864, "保存记录到文本\n保存"},
        {59392, "Show or hide the toolbar\nToggle ToolBar"},
        {59393, "Show or hide the status bar\nToggle StatusBar"},
        {57665, "Quit the application; prompts to save documents\nExit"},
        {61446, "0000年00月00日00点00分"},
        {32833, ""}, // the other commands have no prompt
    };
    for (const auto& s : strings)
        EXPECT_EQ(s.second, LoadText(s.first)) << s.first;
    std::string about = LoadText(57664);
    EXPECT_EQ("\n关于", about.substr(about.find('\n')));
}

TEST(FrameResources, AboutBoxAndSplashTemplates)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    HWND about =
        CreateDialogParamA(self, MAKEINTRESOURCEA(IDD_ABOUTBOX), nullptr, PlainDialogProc, 0);
    ASSERT_NE(nullptr, about);
    char text[256] = {};
    GetWindowTextA(about, text, sizeof text);
    EXPECT_STREQ("关于", text);
    GetWindowTextA(GetDlgItem(about, IDOK), text, sizeof text);
    EXPECT_STREQ("关闭", text);
    GetWindowTextA(GetDlgItem(about, IDC_ABOUT_LINK), text, sizeof text);
    EXPECT_EQ(0, strncmp(text, "mailto:", 7)) << text;
    DestroyWindow(about);

    HWND splash =
        CreateDialogParamA(self, MAKEINTRESOURCEA(IDD_SPLASH), nullptr, PlainDialogProc, 0);
    ASSERT_NE(nullptr, splash);
    LONG style = GetWindowLongA(splash, GWL_STYLE);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME)) << std::hex << style;
    LONG version = GetWindowLongA(GetDlgItem(splash, IDC_SPLASH_VERSION), GWL_STYLE);
    EXPECT_EQ(SS_RIGHT, version & SS_TYPEMASK);
    EXPECT_TRUE(version & SS_CENTERIMAGE);
    DestroyWindow(splash);

    for (UINT id : {IDB_SPLASH, IDB_BANNER})
    {
        HBITMAP bitmap = LoadBitmapA(self, MAKEINTRESOURCEA(id));
        EXPECT_NE(nullptr, bitmap) << id;
        DeleteObject(bitmap);
    }
    EXPECT_NE(nullptr, LoadIconA(self, MAKEINTRESOURCEA(IDR_MAINFRAME)));
    HMENU list = LoadMenuA(self, MAKEINTRESOURCEA(IDR_TOOLBAR_LIST));
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(59392u, GetMenuItemID(GetSubMenu(list, 0), 0));
    EXPECT_EQ(1, GetMenuItemCount(GetSubMenu(list, 0)));
    DestroyMenu(list);
}

namespace {
// What the splash's start-up work saw of the splash.
struct WhileShowing
{
    static CSplashDialog* pSplash;
    static int nRuns;
    static bool bVisible;
    static void Work()
    {
        ++nRuns;
        bVisible = pSplash->IsWindowVisible() != FALSE;
    }
};
CSplashDialog* WhileShowing::pSplash = nullptr;
int WhileShowing::nRuns = 0;
bool WhileShowing::bVisible = false;
}

TEST(Splash, DoesTheStartUpWorkOnceWhileItShows)
{
    CSplashDialog splash;
    splash.SetDisplayTime(100);
    WhileShowing::pSplash = &splash;
    splash.SetWhileShowing(&WhileShowing::Work);
    EXPECT_EQ(IDOK, splash.DoModal());
    EXPECT_EQ(1, WhileShowing::nRuns);
    EXPECT_TRUE(WhileShowing::bVisible);
}
