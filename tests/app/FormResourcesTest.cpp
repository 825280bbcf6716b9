// The dialog templates of the forms: captions, control ids, kinds and fixed texts.
#include "res/resource.h"
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

struct Control
{
    int id;
    const char* windowClass; // "" = any
    const char* text;        // nullptr = not checked
};

struct Template
{
    int id;
    const char* caption;
    std::vector<Control> controls;
};

std::string ClassOf(HWND wnd)
{
    char name[64] = {};
    GetClassNameA(wnd, name, sizeof name);
    return name;
}

std::string TextOf(HWND wnd)
{
    char text[512] = {};
    GetWindowTextA(wnd, text, sizeof text);
    return text;
}

bool HasStaticText(HWND dialog, const char* text)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (TextOf(child) == text)
            return true;
    return false;
}

} // namespace

TEST(FormResources, TemplatesHaveTheirCaptionsAndControls)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    const char* dtp = DATETIMEPICK_CLASSA;
    const std::vector<Control> maintain = {{1044, "Static", nullptr}, {3, "Button", "更新"},
                                           {4, "Button", "删除"},     {5, "Button", "保存"},
                                           {7, "Button", "添加"},     {8, "Button", "另存为文本"},
                                           {2, "Button", "关闭"}};
    const std::vector<Control> range = {
        {1047, dtp, nullptr}, {1048, dtp, nullptr}, {1, "Button", "搜索"}, {2, "Button", "关闭"}};
    const Template templates[] = {
        {206,
         "登陆对话框",
         {{1, "Button", "登陆"},
          {2, "Button", "取消"},
          {1050, "ComboBox", nullptr},
          {1053, "Edit", nullptr},
          {1060, "Static", nullptr}}},
        {214,
         "系统消息",
         {{2, "Button", "关闭"},
          {9, "Button", "帮助"},
          {4, "Button", "支持"},
          {1061, "Edit", nullptr}}},
        {185,
         "入库登记表",
         {{1047, dtp, nullptr},
          {1048, dtp, nullptr},
          {1050, "ComboBox", nullptr},
          {1051, "ComboBox", nullptr},
          {1052, "ComboBox", nullptr},
          {1053, "Edit", nullptr},
          {1054, "Edit", nullptr},
          {1055, "Edit", nullptr},
          {1056, "Edit", nullptr},
          {1057, "Edit", nullptr},
          {1058, "Edit", nullptr},
          {1059, "Edit", nullptr},
          {1, "Button", "添加"},
          {2, "Button", "关闭"},
          {1060, "Static", nullptr}}},
        {187,
         "前台销售登记表",
         {{1061, "Edit", nullptr},
          {1050, "ComboBox", nullptr},
          {1051, "ComboBox", nullptr},
          {1052, "ComboBox", nullptr},
          {1058, "ComboBox", nullptr},
          {1055, "Edit", nullptr},
          {1053, "Edit", nullptr},
          {1057, "Edit", nullptr},
          {1062, "Static", "每盒总量："},
          {1056, "ComboBox", nullptr},
          {1054, "Edit", nullptr},
          {1, "Button", "添加"},
          {2, "Button", "关闭"},
          {1060, "Static", nullptr}}},
        {157, "维护采购记录", maintain},
        {164, "维护库存记录", maintain},
        {166, "维护销售记录", maintain},
        {153,
         "系统设置",
         {{1042, "Static", nullptr},
          {3, "Button", "更新"},
          {4, "Button", "添加"},
          {5, "Button", "删除"},
          {6, "Button", "保存"},
          {1043, "Button", "开机自动运行"},
          {2, "Button", "关闭"}}},
        {189, "采购查询", range},
        {190, "销售查询", range},
        {191,
         "采购库存",
         {{1061, "Edit", nullptr},
          {1053, "Edit", nullptr},
          {1054, "Edit", nullptr},
          {1055, "Edit", nullptr},
          {1, "Button", "搜索"},
          {2, "Button", "关闭"}}},
        {209,
         "日销售报表－汇总条件",
         {{1047, dtp, nullptr}, {1, "Button", "查看"}, {2, "Button", "关闭"}}},
        {210,
         "报表－汇总条件",
         {{1047, dtp, nullptr},
          {1048, dtp, nullptr},
          {1063, "Static", nullptr},
          {1, "Button", "查看"},
          {2, "Button", "关闭"}}},
    };
    for (const Template& t : templates)
    {
        SCOPED_TRACE(t.id);
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(t.id), nullptr,
                                         PlainDialogProc, 0);
        ASSERT_NE(nullptr, dialog);
        EXPECT_EQ(t.caption, TextOf(dialog));
        for (const Control& c : t.controls)
        {
            SCOPED_TRACE(c.id);
            HWND control = GetDlgItem(dialog, c.id);
            ASSERT_NE(nullptr, control);
            EXPECT_EQ(0, lstrcmpiA(c.windowClass, ClassOf(control).c_str()));
            if (c.text)
            {
                EXPECT_EQ(c.text, TextOf(control));
            }
        }
        DestroyWindow(dialog);
    }
}

TEST(FormResources, FixedTextsAndControlKinds)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    HWND login = CreateDialogParamA(self, MAKEINTRESOURCEA(IDD_LOGIN), nullptr, PlainDialogProc, 0);
    ASSERT_NE(nullptr, login);
    EXPECT_TRUE(HasStaticText(login, "初始用户:管理员"));
    EXPECT_TRUE(HasStaticText(login, "初始密码:739"));
    EXPECT_TRUE(HasStaticText(login, "只有经过授权的用户，才能被系统接纳，在下面选择一个用户，然后"
                                     "键入密码，按【登陆】按钮进行登陆。"));
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(login, IDC_LOGIN_PASSWORD), GWL_STYLE) & ES_PASSWORD);
    EXPECT_EQ((LONG)CBS_DROPDOWN, GetWindowLongA(GetDlgItem(login, IDC_LOGIN_USER), GWL_STYLE) & 3);
    EXPECT_FALSE(GetWindowLongA(GetDlgItem(login, IDC_LOGIN_USER), GWL_STYLE) & CBS_SORT);
    DestroyWindow(login);

    HWND sale = CreateDialogParamA(self, MAKEINTRESOURCEA(IDD_SALE), nullptr, PlainDialogProc, 0);
    ASSERT_NE(nullptr, sale);
    LONG type = GetWindowLongA(GetDlgItem(sale, IDC_SALE_TYPE), GWL_STYLE);
    EXPECT_EQ((LONG)CBS_DROPDOWNLIST, type & 3);
    EXPECT_FALSE(type & CBS_SORT);
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(sale, IDC_SALE_NAME), GWL_STYLE) & CBS_SORT);
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(sale, IDC_SALE_AMOUNT), GWL_STYLE) & ES_READONLY);
    DestroyWindow(sale);

    HWND message =
        CreateDialogParamA(self, MAKEINTRESOURCEA(IDD_MESSAGE), nullptr, PlainDialogProc, 0);
    ASSERT_NE(nullptr, message);
    LONG edit = GetWindowLongA(GetDlgItem(message, IDC_MESSAGE_TEXT), GWL_STYLE);
    EXPECT_TRUE((edit & ES_MULTILINE) && (edit & ES_READONLY));
    const char* hint = "下面是遇到问题的描述，请查阅帮助，如果不能解决，请单击【支持】按钮"
                       "，联系开发人员，我们会在第一时间给你提供问题的解决方法";
    EXPECT_TRUE(HasStaticText(message, hint));
    DestroyWindow(message);

    EXPECT_NE(nullptr, LoadBitmapA(self, MAKEINTRESOURCEA(IDB_BANNER)));
}
