// The build and the Wine prefix together must give the program GBK text, as on a Chinese Windows.
#include <windows.h>
#include <gtest/gtest.h>
#include <cstring>

TEST(Platform, ProcessCodePageIs936)
{
    EXPECT_EQ(936u, GetACP());
}

TEST(Platform, NarrowLiteralsAreGbk)
{
    const char* text = "销";
    ASSERT_EQ(2u, std::strlen(text));
    EXPECT_EQ(0xCF, (unsigned char)text[0]);
    EXPECT_EQ(0xFA, (unsigned char)text[1]);
}

TEST(Platform, GbkTextRoundTripsThroughWindowText)
{
    const char* title = "注射用板蓝根 销售";
    HWND wnd = CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, wnd);
    char back[64] = {};
    int n = GetWindowTextA(wnd, back, sizeof back);
    EXPECT_EQ((int)std::strlen(title), n);
    EXPECT_STREQ(title, back);

    // The same text seen as UTF-16 must be the real characters, not byte garbage.
    WCHAR wide[64] = {};
    GetWindowTextW(wnd, wide, 64);
    EXPECT_EQ(0x6CE8, wide[0]); // 注
    EXPECT_EQ(0x9500, wide[7]); // 销
    DestroyWindow(wnd);
}

TEST(Platform, ResourceTextsAreGbk)
{
    // windres reads the UTF-8 scripts and must store code page 936 text as UTF-16 that
    // converts back to the same GBK bytes the program compares against.
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(self, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
    ASSERT_NE(nullptr, res);
    void* data = LockResource(LoadResource(self, res));
    ASSERT_NE(nullptr, data);
    char* value = nullptr;
    UINT len = 0;
    ASSERT_TRUE(
        VerQueryValueA(data, "\\StringFileInfo\\080403a8\\FileDescription", (void**)&value, &len));
    EXPECT_STREQ("vorlen 药店进销存", value);
}
