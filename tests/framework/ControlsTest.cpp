// Controls over real windows: the report list sorted by item data, long item texts.
#include "tests/framework/WinTestApp.h"
#include <gtest/gtest.h>
#include <string>

namespace {

int CALLBACK CompareByData(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    int nDirection = (int)lParamSort;
    return nDirection * (int)(lParam1 - lParam2);
}

class ControlsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, 0, 0, 400, 300,
                                      nullptr, nullptr));
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300),
                                  &m_parent, 42179));
        m_list.InsertColumn(0, "名称", LVCFMT_LEFT, 130);
        m_list.InsertColumn(1, "数量", LVCFMT_LEFT, 130);
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    std::vector<std::string> Column(int nSubItem)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < m_list.GetItemCount(); i++)
            texts.push_back((LPCTSTR)m_list.GetItemText(i, nSubItem));
        return texts;
    }

    CWnd m_parent;
    CListCtrl m_list;
};

} // namespace

TEST_F(ControlsTest, ListSortsByItemDataBothWays)
{
    const char* names[] = {"r0", "r1", "r2", "r3", "r4"};
    const int data[] = {4, 2, 0, 3, 1};
    for (int i = 0; i < 5; i++)
    {
        ASSERT_EQ(i, m_list.InsertItem(i, names[i]));
        m_list.SetItemText(i, 1, std::to_string(data[i]).c_str());
        m_list.SetItemData(i, (DWORD_PTR)data[i]);
    }

    ASSERT_TRUE(m_list.SortItems(CompareByData, 1));
    EXPECT_EQ((std::vector<std::string>{"r2", "r4", "r1", "r3", "r0"}), Column(0));
    EXPECT_EQ((std::vector<std::string>{"0", "1", "2", "3", "4"}), Column(1));
    EXPECT_EQ(0u, m_list.GetItemData(0));

    ASSERT_TRUE(m_list.SortItems(CompareByData, (DWORD_PTR)-1));
    EXPECT_EQ((std::vector<std::string>{"r0", "r3", "r1", "r4", "r2"}), Column(0));
}

TEST_F(ControlsTest, ListKeepsLongTextsAndColumnsAndColours)
{
    std::string longText(600, 'x');
    longText += "末尾";
    m_list.InsertItem(0, longText.c_str());
    EXPECT_EQ(longText, std::string((LPCTSTR)m_list.GetItemText(0, 0)));
    EXPECT_STREQ("", m_list.GetItemText(0, 1));

    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ((DWORD)(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT), m_list.GetExtendedStyle());
    m_list.SetBkColor(RGB(255, 255, 225));
    EXPECT_EQ(RGB(255, 255, 225), m_list.GetBkColor());
    ASSERT_NE(nullptr, m_list.GetHeaderCtrl());
    EXPECT_EQ(2, m_list.GetHeaderCtrl()->GetItemCount());
    HDITEM item = {};
    char szText[64] = {};
    item.mask = HDI_TEXT;
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    ASSERT_TRUE(m_list.GetHeaderCtrl()->GetItem(0, &item));
    EXPECT_STREQ("名称", szText);
}
