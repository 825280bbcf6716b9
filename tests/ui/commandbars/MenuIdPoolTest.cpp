// The tear-off command-ID pool: handing out and taking back IDs, and the IDs carried in menu texts.
#include "ui/commandbars/menus/CTavoPMenuIdPool.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string ItemText(HMENU hMenu, int nPos)
{
    char szText[300] = {};
    ::GetMenuString(hMenu, nPos, szText, sizeof szText, MF_BYPOSITION);
    return szText;
}

// A menu text that carries a tear-off ID.
std::string Carrying(UINT uiId, const char* pszText)
{
    return "\x01" + std::to_string(uiId) + "\x01" + pszText;
}

BOOL StartsColumn(HMENU hMenu, int nPos)
{
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    ::GetMenuItemInfo(hMenu, nPos, TRUE, &mii);
    return (mii.fType & MFT_MENUBARBREAK) != 0;
}

TEST(MenuIdPool, ExtractIdTakesTheNumberAndLeavesTheVisibleText)
{
    struct Case
    {
        std::string strText;
        UINT uiId;
        const char* pszLeft;
    } const cases[] = {{Carrying(57601, "File"), 57601, "File"},
                       {"File", 0, "File"},
                       {"", 0, ""},
                       {Carrying(12, "a\x01"
                                     "b"),
                        12, "b"},
                       {Carrying(7, ""), 7, ""}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszLeft);
        CString strText = c.strText.c_str();
        EXPECT_EQ(CTavoPMenuIdPool::ExtractId(strText), c.uiId);
        EXPECT_STREQ((LPCTSTR)strText, c.pszLeft);
    }

    CString strText = "文件";
    CTavoPMenuIdPool::EmbedId(57601, strText);
    EXPECT_EQ(std::string(strText), Carrying(57601, "文件"));
    EXPECT_EQ(CTavoPMenuIdPool::ExtractId(strText), 57601u);
    EXPECT_STREQ((LPCTSTR)strText, "文件");
}

TEST(MenuIdPool, HandsOutEachIdOnceAndTakesBackReleasedOnes)
{
    CTavoPMenuIdPool pool;
    EXPECT_EQ(pool.GetFreeId(), 0u) << "no range set";
    EXPECT_FALSE(pool.Initialize(0, 5));
    EXPECT_FALSE(pool.Initialize(9, 8));
    EXPECT_FALSE(pool.Initialize(0xFFF0, 0x10001));
    EXPECT_EQ(pool.GetFreeId(), 0u);

    ASSERT_TRUE(pool.Initialize(100, 102));
    EXPECT_EQ(pool.GetFreeId(), 100u);
    EXPECT_EQ(pool.GetFreeId(), 101u);
    EXPECT_EQ(pool.GetFreeId(), 102u);
    EXPECT_EQ(pool.GetFreeId(), 0u);

    pool.MarkId(101, FALSE);
    EXPECT_EQ(pool.GetFreeId(), 101u);

    // Two releases of one use leave the ID free, not owed: one new use takes it again.
    pool.MarkId(100, FALSE);
    pool.MarkId(100, FALSE);
    pool.MarkId(100, TRUE);
    EXPECT_EQ(pool.GetFreeId(), 0u);

    pool.MarkId(99, FALSE);
    pool.MarkId(103, FALSE);
    EXPECT_EQ(pool.GetFreeId(), 0u);
    pool.ReleaseIds();
    EXPECT_EQ(pool.GetFreeId(), 100u);
}

class MenuIdPoolMenus : public ::testing::Test
{
protected:
    // The menu: "Open", then "File" starting a column (with "Recent" starting a column inside),
    // then "Edit" in the same column (with "Deep" starting a column inside).
    void SetUp() override
    {
        hRecent = ::CreatePopupMenu();
        ::AppendMenu(hRecent, MF_STRING, 301, "One");
        hFile = ::CreatePopupMenu();
        ::AppendMenu(hFile, MF_STRING, 201, "New");
        ::AppendMenu(hFile, MF_POPUP | MF_MENUBARBREAK, (UINT_PTR)hRecent, "Recent");
        hDeep = ::CreatePopupMenu();
        ::AppendMenu(hDeep, MF_STRING, 401, "Two");
        hEdit = ::CreatePopupMenu();
        ::AppendMenu(hEdit, MF_POPUP | MF_MENUBARBREAK, (UINT_PTR)hDeep, "Deep");
        hMenu = ::CreatePopupMenu();
        ::AppendMenu(hMenu, MF_STRING, 101, "Open");
        ::AppendMenu(hMenu, MF_POPUP | MF_MENUBARBREAK, (UINT_PTR)hFile, "File");
        ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hEdit, "Edit");
    }
    void TearDown() override { ::DestroyMenu(hMenu); }

    HMENU hMenu = NULL, hFile = NULL, hRecent = NULL, hEdit = NULL, hDeep = NULL;
};

TEST_F(MenuIdPoolMenus, NewColumnSubMenusAreNumberedOnceDepthFirstAndStayPopups)
{
    CTavoPMenuIdPool pool;
    ASSERT_TRUE(pool.Initialize(500, 503));
    pool.AssignIds(hMenu);

    EXPECT_EQ(ItemText(hMenu, 0), "Open");
    EXPECT_EQ(ItemText(hMenu, 1), Carrying(500, "File"));
    EXPECT_EQ(ItemText(hFile, 1), Carrying(501, "Recent"));
    EXPECT_EQ(ItemText(hMenu, 2), "Edit");
    EXPECT_EQ(ItemText(hEdit, 0), Carrying(502, "Deep"));
    EXPECT_EQ(::GetSubMenu(hMenu, 1), hFile);
    EXPECT_EQ(::GetSubMenu(hFile, 1), hRecent);
    EXPECT_EQ(::GetSubMenu(hEdit, 0), hDeep);
    EXPECT_TRUE(StartsColumn(hMenu, 1));
    EXPECT_TRUE(StartsColumn(hFile, 1));

    pool.AssignIds(hMenu);
    EXPECT_EQ(ItemText(hMenu, 1), Carrying(500, "File"));
    EXPECT_EQ(pool.GetFreeId(), 503u) << "a numbered popup takes no second ID";

    // Releasing the File sub-menu frees what its items carry (Recent), and nothing else.
    pool.ReleaseIds(hFile);
    EXPECT_EQ(pool.GetFreeId(), 501u);
    EXPECT_EQ(pool.GetFreeId(), 0u);
    pool.ReleaseIds(hMenu);
    EXPECT_EQ(pool.GetFreeId(), 500u);
}

TEST_F(MenuIdPoolMenus, NumberingStopsWhenThePoolRunsOut)
{
    CTavoPMenuIdPool pool;
    ASSERT_TRUE(pool.Initialize(500, 501));
    pool.AssignIds(hMenu);
    EXPECT_EQ(ItemText(hMenu, 1), Carrying(500, "File"));
    EXPECT_EQ(ItemText(hFile, 1), Carrying(501, "Recent"));
    EXPECT_EQ(ItemText(hEdit, 0), "Deep");
}

} // namespace
