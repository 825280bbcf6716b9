// The tabbed toolbar in a real frame: toolbars become its tabs, a click on a tab shows that
// toolbar alone, the bar is as large as its tab window and the pages' commands reach the frame.
#include "ui/bars/tabs/CTavoPTabWnd.h"
#include "ui/commandbars/CTavoPTabbedToolbar.h"
#include "tests/ui/commandbars/CommandButtonTestSupport.h"
#include "tests/ui/commandbars/ToolbarTestIds.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

class TabbedFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTavoPToolBar::ResetAllImages();
        CTavoPToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
        frame = new CCommandFrame(kOpen, kRedo);
        ASSERT_TRUE(frame->Create(NULL, "tabbed", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(100, 100, 800, 500)));
        ASSERT_TRUE(tabbed.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0x7201, TRUE));
        MakePage(edit, 0x7202, kToolbar, "Edit");
        MakePage(tools, 0x7203, kLeadingSeparator, "Tools");
    }
    void MakePage(CTavoPToolBar& page, UINT nID, UINT uiResID, LPCTSTR lpszName)
    {
        ASSERT_TRUE(page.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, nID));
        ASSERT_TRUE(page.LoadToolBar(uiResID));
        page.SetWindowText(lpszName);
    }
    void TearDown() override
    {
        tabbed.DestroyWindow();
        frame->DestroyWindow();
        PumpMessages();
    }
    CCommandFrame* frame = nullptr;
    CTavoPTabbedToolbar tabbed;
    CTavoPToolBar edit;
    CTavoPToolBar tools;
};

} // namespace

TEST_F(TabbedFixture, TabsSwitchTheShownToolbar)
{
    ASSERT_TRUE(tabbed.AddTab(&edit));
    ASSERT_TRUE(tabbed.AddTab(&tools, (UINT)-1, FALSE));
    CTavoPTabWnd* pTabs = tabbed.GetTabWnd();
    ASSERT_NE(nullptr, pTabs);
    ASSERT_EQ(2, pTabs->GetTabsNum());
    CString strLabel;
    pTabs->GetTabLabel(1, strLabel);
    EXPECT_STREQ("Tools", strLabel);
    for (CTavoPToolBar* pPage : {&edit, &tools})
    {
        EXPECT_EQ(pTabs, pPage->GetParent());
        EXPECT_EQ(frame, pPage->GetOwner());
        EXPECT_EQ(0u, pPage->GetBarStyle() & CBRS_GRIPPER);
    }
    EXPECT_EQ(0, pTabs->GetActiveTab());
    EXPECT_TRUE(edit.IsWindowVisible());
    EXPECT_FALSE(tools.IsWindowVisible());

    // A click on the second tab shows its toolbar alone.
    CRect rectTab;
    ASSERT_TRUE(pTabs->GetTabRect(1, rectTab));
    const CPoint at = rectTab.CenterPoint();
    pTabs->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    pTabs->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    PumpMessages();
    EXPECT_EQ(1, pTabs->GetActiveTab());
    EXPECT_EQ(&tools, pTabs->GetActiveWnd());
    EXPECT_FALSE(edit.IsWindowVisible());
    EXPECT_TRUE(tools.IsWindowVisible());

    // The shown toolbar's buttons send their commands to the frame.
    CRect rectButton;
    tools.GetItemRect(0, rectButton);
    const CPoint atButton = rectButton.CenterPoint();
    tools.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(atButton.x, atButton.y));
    tools.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(atButton.x, atButton.y));
    PumpMessages();
    ASSERT_EQ(1u, frame->commands.size());
    EXPECT_EQ(kOpen, frame->commands[0]);
}

TEST_F(TabbedFixture, BarIsAsLargeAsItsTabWindowAroundTheLargestPage)
{
    ASSERT_TRUE(tabbed.AddTab(&tools));
    ASSERT_TRUE(tabbed.AddTab(&edit, (UINT)-1, FALSE));
    CTavoPTabWnd* pTabs = tabbed.GetTabWnd();
    const CSize sizePage = edit.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(sizePage, pTabs->GetMaxWindowSize());
    const int f = pTabs->GetTabBorderSize();
    CRect rectTabs;
    pTabs->GetWindowRect(rectTabs);
    EXPECT_EQ(CSize(sizePage.cx + 2 * f, sizePage.cy + pTabs->GetTabsHeight() + 2 * f + 2),
              rectTabs.Size());
    CRect rectInside(0, 0, 0, 0);
    tabbed.CalcInsideRect(rectInside, TRUE);
    EXPECT_EQ(CSize(rectTabs.Width() - rectInside.Width(), rectTabs.Height() - rectInside.Height()),
              tabbed.CalcFixedLayout(FALSE, TRUE));
    CRect rectBar;
    tabbed.GetWindowRect(rectBar);
    EXPECT_EQ(tabbed.CalcFixedLayout(FALSE, TRUE), rectBar.Size());
    // The page shows inside the tab window, above the tabs.
    CRect rectPage;
    tools.GetWindowRect(rectPage);
    CRect rectTab;
    pTabs->GetTabRect(0, rectTab);
    pTabs->ClientToScreen(rectTab);
    EXPECT_LE(rectPage.bottom, rectTab.top);
    EXPECT_TRUE(rectTabs.PtInRect(rectPage.TopLeft()));
}

TEST(TabbedToolbar, CreationKeepsTopOrBottomAlignmentAndTheAskedGripper)
{
    CCommandFrame* pFrame = new CCommandFrame(kOpen, kRedo);
    ASSERT_TRUE(pFrame->Create(NULL, "tabbed", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    for (BOOL bGripper : {0, 1, 2})
    {
        CTavoPTabbedToolbar bar;
        EXPECT_FALSE(bar.AddTab(&bar));
        ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_ANY | CBRS_BORDER_ANY,
                               0x7210, bGripper));
        const DWORD dwStyle = bar.GetBarStyle();
        EXPECT_EQ((DWORD)(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM), dwStyle & CBRS_ALIGN_ANY);
        EXPECT_EQ((DWORD)(CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM), dwStyle & CBRS_BORDER_ANY);
        EXPECT_EQ((bGripper & 1) != 0, (dwStyle & CBRS_GRIPPER) != 0) << bGripper;
        ASSERT_NE(nullptr, bar.GetTabWnd());
        EXPECT_EQ((int)CTavoPTabbedToolbar::kTabWndId, bar.GetTabWnd()->GetDlgCtrlID());
        EXPECT_EQ(0, bar.GetTabWnd()->GetTabsNum());
        bar.DestroyWindow();
        EXPECT_EQ(nullptr, bar.GetTabWnd());
    }
    pFrame->DestroyWindow();
    PumpMessages();
}
