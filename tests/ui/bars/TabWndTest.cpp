// Tab windows with real child windows as their pages: which tab is active as tabs come, go,
// hide and show, the tabs' own labels, icons and colours, reordering by a drag, and toolbar
// buttons dragged over the tabs while the toolbars are customized.
#include "ui/bars/tabs/CTavoPTabWnd.h"
#include "framework/COleDataObject.h"
#include "framework/COleDataSource.h"
#include "ui/commandbars/CTavoPTabbedToolbar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "tests/support/CommandParentWnd.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SyntheticInput.h"
#include "framework/CTestSeams.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/BarTestSupport.h"
#include "tests/support/ClassicColors.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "res/LibraryIds.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Records the tab window's notifications.
class TabParent : public CommandParentWnd
{
public:
    std::vector<std::pair<WPARAM, LPARAM>> moves;
    std::vector<WPARAM> changes;
    std::vector<WPARAM> changing;
    std::vector<CString> names;
    std::vector<WPARAM> hscrolls;
    std::vector<WPARAM> redraws;
    // Presses and double clicks the tab window handed on, in this window's coordinates.
    std::vector<std::pair<UINT, CPoint>> clicks;
    bool bRefuseNames = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETREDRAW)
            redraws.push_back(wParam);
        else if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)
            clicks.emplace_back(message, CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
        else if (message == CTavoPTabWnd::TAVOM_ON_HSCROLL)
            hscrolls.push_back(wParam);
        else if (message == CTavoPBaseTabWnd::TAVOM_ON_CHANGING_ACTIVE_TAB)
            changing.push_back(wParam);
        else if (message == CTavoPBaseTabWnd::TAVOM_ON_MOVE_TAB)
            moves.emplace_back(wParam, lParam);
        else if (message == CTavoPBaseTabWnd::TAVOM_ONCHANGE_ACTIVE_TAB)
            changes.push_back(wParam);
        else if (message == CTavoPBaseTabWnd::TAVOM_ON_RENAME_TAB)
        {
            names.push_back((LPCTSTR)lParam);
            return bRefuseNames ? 1 : 0;
        }
        return CommandParentWnd::WindowProc(message, wParam, lParam);
    }
};

// Shows the tab IDs, which only the tab window itself hands out.
class IdTabWnd : public CTavoPTabWnd
{
public:
    int TabID(int iTab) const { return GetTabInfo(iTab)->iTabID; }
    CToolTipCtrl& ToolTip() { return m_ToolTip; }
};

// A page that removes its own tab while it is destroyed, as docking panes do.
class SelfRemovingPage : public CWnd
{
public:
    CTavoPBaseTabWnd* pTabs = nullptr;
    // Another page whose tab goes with this one; else this page's own tab.
    HWND hwndOther = NULL;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DESTROY && pTabs != nullptr)
            pTabs->RemoveTab(pTabs->GetTabFromHwnd(hwndOther != NULL ? hwndOther : m_hWnd));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class TabWndFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Make(_T("tabs"), CRect(60, 60, 560, 360)));
        ASSERT_TRUE(tabs.Create(CTavoPTabWnd::STYLE_3D, CRect(0, 0, 500, 300), &parent, 0x7301));
    }
    void TearDown() override
    {
        tabs.DestroyWindow();
        for (auto& page : pages)
            page->DestroyWindow();
        parent.DestroyWindow();
        PumpMessages();
    }
    // Adds n tabs labelled "A", "B", ... whose pages have control IDs 100, 101, ...
    void AddPages(int n)
    {
        for (int i = 0; i < n; i++)
        {
            pages.push_back(std::make_unique<CWnd>());
            const int nIndex = (int)pages.size() - 1;
            CWnd* pPage = pages.back().get();
            ASSERT_TRUE(pPage->Create(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE,
                                      CRect(0, 0, 10, 10), &tabs, 100 + nIndex));
            const TCHAR szLabel[2] = {(TCHAR)(_T('A') + nIndex), 0};
            const int iLast = tabs.GetTabsNum();
            ASSERT_EQ(iLast, tabs.AddTab(pPage, szLabel));
        }
    }
    CWnd* Page(int i) { return pages[i].get(); }
    // The page windows in tab order, as their indexes in pages.
    std::vector<int> Order()
    {
        std::vector<int> order;
        for (int i = 0; i < tabs.GetTabsNum(); i++)
            order.push_back(tabs.GetTabWnd(i)->GetDlgCtrlID() - 100);
        return order;
    }
    // Only the active tab's page shows.
    void ExpectOnlyActiveShown()
    {
        for (int i = 0; i < tabs.GetTabsNum(); i++)
            EXPECT_EQ(i == tabs.GetActiveTab(), tabs.GetTabWnd(i)->IsWindowVisible() != FALSE)
                << "tab " << i;
    }

    TabParent parent;
    IdTabWnd tabs;
    std::vector<std::unique_ptr<CWnd>> pages;
};

} // namespace

TEST_F(TabWndFixture, InsertingKeepsTheActiveTabActive)
{
    struct Case
    {
        int iInsertAt;
        int iExpectedIndex; // where the new tab lands
        int iActiveAfter;
    };
    // Three tabs with the middle one active; -1 and beyond the count mean the end.
    const Case cases[] = {{0, 0, 2}, {1, 1, 2}, {2, 2, 1}, {3, 3, 1}, {-1, 3, 1}, {9, 3, 1}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.iInsertAt);
        tabs.RemoveAllTabs();
        pages.clear();
        AddPages(3);
        ASSERT_TRUE(tabs.SetActiveTab(1));
        CWnd* pActive = tabs.GetActiveWnd();
        parent.changes.clear();

        pages.push_back(std::make_unique<CWnd>());
        ASSERT_TRUE(pages.back()->Create(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE,
                                         CRect(0, 0, 10, 10), &tabs, 103));
        EXPECT_EQ(c.iExpectedIndex, tabs.InsertTab(pages.back().get(), _T("New"), c.iInsertAt));
        EXPECT_EQ(c.iActiveAfter, tabs.GetActiveTab());
        EXPECT_EQ(pActive, tabs.GetActiveWnd());
        EXPECT_TRUE(parent.changes.empty());
        ExpectOnlyActiveShown();
    }
}

TEST_F(TabWndFixture, RemovingChoosesTheActiveTab)
{
    struct Case
    {
        int nTabs;
        int iActive;
        std::vector<int> hidden;
        int iRemove;
        int iActivePage; // the page active afterwards, -1 for none
        bool bChanged;   // the parent was told of a new active tab
    };
    const Case cases[] = {
        // A tab before the active one goes: the same page stays active, nobody is told.
        {3, 2, {}, 0, 2, false},
        {4, 2, {}, 1, 2, false},
        // A tab after it goes: nothing changes.
        {3, 0, {}, 2, 0, false},
        // The active tab goes: the next visible one after it, else the nearest before.
        {3, 1, {}, 1, 2, true},
        {3, 2, {}, 2, 1, true},
        {4, 1, {2}, 1, 3, true},
        {3, 2, {1}, 2, 0, true},
        {3, 0, {1, 2}, 0, -1, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message()
                     << c.nTabs << " tabs, active " << c.iActive << ", remove " << c.iRemove);
        tabs.RemoveAllTabs();
        pages.clear();
        AddPages(c.nTabs);
        ASSERT_TRUE(tabs.SetActiveTab(c.iActive));
        for (int iHidden : c.hidden)
            ASSERT_TRUE(tabs.ShowTab(iHidden, FALSE));
        parent.changes.clear();

        EXPECT_TRUE(tabs.RemoveTab(c.iRemove));
        EXPECT_EQ(c.nTabs - 1, tabs.GetTabsNum());
        EXPECT_EQ(c.iActivePage < 0 ? nullptr : Page(c.iActivePage), tabs.GetActiveWnd());
        EXPECT_EQ(c.bChanged, !parent.changes.empty());
        for (WPARAM iTab : parent.changes)
            EXPECT_EQ((WPARAM)tabs.GetActiveTab(), iTab);
        // The removed page is not the tab window's to destroy.
        EXPECT_TRUE(::IsWindow(Page(c.iRemove)->GetSafeHwnd()));
    }
}

TEST_F(TabWndFixture, RemovingTheOnlyTabRestartsTheTabIds)
{
    AddPages(2);
    EXPECT_EQ(2, tabs.TabID(1));
    EXPECT_FALSE(tabs.RemoveTab(2));
    EXPECT_FALSE(tabs.RemoveTab(-1));
    EXPECT_TRUE(tabs.RemoveTab(0));
    // IDs are never reused while tabs remain.
    AddPages(1);
    EXPECT_EQ(3, tabs.TabID(1));
    EXPECT_TRUE(tabs.RemoveTab(0));
    EXPECT_TRUE(tabs.RemoveTab(0));
    EXPECT_EQ(0, tabs.GetTabsNum());
    EXPECT_EQ(-1, tabs.GetActiveTab());
    AddPages(1);
    EXPECT_EQ(1, tabs.TabID(0));
    EXPECT_EQ(0, tabs.GetActiveTab());
}

TEST_F(TabWndFixture, HidingAndShowingTabs)
{
    struct Case
    {
        std::vector<int> hideFirst;
        int iActive;
        int iTab;
        BOOL bShow;
        BOOL bActivate;
        int iActiveAfter;
    };
    // Four tabs.
    const Case cases[] = {
        {{}, 1, 1, FALSE, FALSE, 2},           // the active one hides: the next visible one
        {{2}, 1, 1, FALSE, FALSE, 3},          // skipping hidden ones
        {{2, 3}, 1, 1, FALSE, FALSE, 0},       // else the nearest before it
        {{0, 2, 3}, 1, 1, FALSE, FALSE, -1},   // the last visible one hides
        {{}, 1, 2, FALSE, FALSE, 1},           // another one hides: the active stays
        {{3}, 1, 3, TRUE, FALSE, 1},           // shown without activation
        {{3}, 1, 3, TRUE, TRUE, 3},            // shown and activated
        {{0, 1, 2, 3}, -1, 2, TRUE, FALSE, 2}, // the first shown tab becomes active
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "tab " << c.iTab << " show " << c.bShow);
        tabs.RemoveAllTabs();
        pages.clear();
        AddPages(4);
        if (c.iActive >= 0)
        {
            ASSERT_TRUE(tabs.SetActiveTab(c.iActive));
        }
        for (int iHidden : c.hideFirst)
            ASSERT_TRUE(tabs.ShowTab(iHidden, FALSE));

        EXPECT_TRUE(tabs.ShowTab(c.iTab, c.bShow, TRUE, c.bActivate));
        EXPECT_EQ(c.iActiveAfter, tabs.GetActiveTab());
        EXPECT_EQ(c.bShow, tabs.IsTabVisible(c.iTab));
        // Only visible tabs have a place in the strip, and a point finds its tab.
        for (int i = 0; i < 4; i++)
        {
            CRect rect;
            EXPECT_EQ(tabs.IsTabVisible(i), tabs.GetTabRect(i, rect)) << "tab " << i;
            if (!tabs.IsTabVisible(i))
                continue;
            CPoint pt = rect.CenterPoint();
            EXPECT_EQ(i, tabs.GetTabFromPoint(pt));
        }
        ExpectOnlyActiveShown();
    }
    EXPECT_FALSE(tabs.ShowTab(4));
    EXPECT_TRUE(tabs.ShowTab(0, TRUE)); // no change
}

TEST_F(TabWndFixture, FirstAndLastVisibleTab)
{
    AddPages(3);
    int iTab = 9;
    tabs.ShowTab(1, FALSE);
    tabs.ShowTab(2, FALSE);
    EXPECT_EQ(Page(0), tabs.GetLastVisibleTab(iTab));
    EXPECT_EQ(0, iTab);
    tabs.ShowTab(2, TRUE);
    tabs.ShowTab(0, FALSE);
    EXPECT_EQ(Page(2), tabs.GetFirstVisibleTab(iTab));
    EXPECT_EQ(2, iTab);
    tabs.ShowTab(2, FALSE);
    EXPECT_EQ(nullptr, tabs.GetFirstVisibleTab(iTab));
    EXPECT_EQ(-1, iTab);
    EXPECT_EQ(nullptr, tabs.GetLastVisibleTab(iTab));
    EXPECT_EQ(-1, iTab);
}

TEST_F(TabWndFixture, LabelsIconsAndColours)
{
    AddPages(2);
    CString strLabel;
    EXPECT_FALSE(tabs.SetTabLabel(0, CString()));
    EXPECT_TRUE(tabs.GetTabLabel(0, strLabel));
    EXPECT_STREQ(_T("A"), strLabel);
    EXPECT_TRUE(tabs.SetTabLabel(0, _T("Stock")));
    tabs.GetTabLabel(0, strLabel);
    EXPECT_STREQ(_T("Stock"), strLabel);
    Page(0)->GetWindowText(strLabel);
    EXPECT_STREQ(_T("Stock"), strLabel);
    EXPECT_FALSE(tabs.SetTabLabel(2, _T("x")));

    // The tab keeps its own icon: the caller's may go.
    HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    HICON hCopy = ::CopyIcon(hIcon);
    ASSERT_TRUE(tabs.SetTabHicon(1, hCopy));
    ::DestroyIcon(hCopy);
    HICON hOwn = tabs.GetTabHicon(1);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hOwn, &info));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    EXPECT_EQ((UINT)-1, tabs.GetTabIcon(1));
    EXPECT_GE(tabs.GetImageSize().cy, ::GetSystemMetrics(SM_CYSMICON));
    EXPECT_TRUE(tabs.SetTabIcon(1, 3));
    EXPECT_EQ(nullptr, tabs.GetTabHicon(1));
    EXPECT_EQ(3u, tabs.GetTabIcon(1));

    EXPECT_TRUE(tabs.SetTabBkColor(0, RGB(1, 2, 3)));
    EXPECT_TRUE(tabs.SetTabTextColor(0, RGB(4, 5, 6)));
    EXPECT_EQ(RGB(1, 2, 3), tabs.GetTabBkColor(0));
    EXPECT_EQ(RGB(4, 5, 6), tabs.GetTabTextColor(0));
    EXPECT_EQ((COLORREF)-1, tabs.GetTabBkColor(1));
    EXPECT_FALSE(tabs.SetTabBkColor(5, 0));
    EXPECT_EQ((COLORREF)-1, tabs.GetTabTextColor(5));

    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), tabs.GetActiveTabColor());
    tabs.SetActiveTabColor(RGB(7, 8, 9));
    EXPECT_EQ(RGB(7, 8, 9), tabs.GetActiveTabColor());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), tabs.GetActiveTabTextColor());

    // Plain windows are never detachable; the flag can be set by hand.
    EXPECT_FALSE(tabs.IsTabDetachable(0));
    EXPECT_TRUE(tabs.EnableTabDetach(0, TRUE));
    EXPECT_TRUE(tabs.IsTabDetachable(0));
}

TEST_F(TabWndFixture, DraggingTheActiveTabReordersOnceOnRelease)
{
    AddPages(3);
    CRect rect0, rect1, rect2;
    ASSERT_TRUE(tabs.GetTabRect(0, rect0));
    ASSERT_TRUE(tabs.GetTabRect(1, rect1));
    const CPoint ptDown = rect0.CenterPoint(), ptOver = rect1.CenterPoint();
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptDown.x, ptDown.y));
    EXPECT_EQ(tabs.GetSafeHwnd(), ::GetCapture());
    tabs.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptOver.x, ptOver.y));
    EXPECT_EQ((std::vector<int>{1, 0, 2}), Order());
    EXPECT_EQ(1, tabs.GetActiveTab());
    // Over the moved tab again nothing swaps back.
    ASSERT_TRUE(tabs.GetTabRect(1, rect1));
    const CPoint ptMoved = rect1.CenterPoint();
    tabs.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptMoved.x, ptMoved.y));
    ASSERT_TRUE(tabs.GetTabRect(2, rect2));
    const CPoint ptLast = rect2.CenterPoint();
    tabs.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptLast.x, ptLast.y));
    EXPECT_EQ((std::vector<int>{1, 2, 0}), Order());
    EXPECT_TRUE(parent.moves.empty());

    tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptLast.x, ptLast.y));
    ASSERT_EQ(1u, parent.moves.size());
    EXPECT_EQ(0u, parent.moves[0].first);
    EXPECT_EQ(2, (int)parent.moves[0].second);
    EXPECT_EQ(Page(0), tabs.GetActiveWnd());
    EXPECT_NE(tabs.GetSafeHwnd(), ::GetCapture());
    ExpectOnlyActiveShown();

    // A plain click moves nothing.
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptDown.x, ptDown.y));
    tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptDown.x, ptDown.y));
    EXPECT_EQ(1u, parent.moves.size());
    EXPECT_EQ(0, tabs.GetActiveTab());
}

TEST_F(TabWndFixture, DestroyingSurvivesPagesThatRemoveTheirOwnTabs)
{
    tabs.SetAutoDestroy(TRUE);
    for (int i = 0; i < 3; i++)
    {
        auto* pPage = new SelfRemovingPage;
        pPage->pTabs = &tabs;
        pages.emplace_back(pPage);
        ASSERT_TRUE(
            pPage->Create(_T("STATIC"), _T(""), WS_CHILD, CRect(0, 0, 10, 10), &tabs, 100 + i));
        ASSERT_EQ(i, tabs.AddTab(pPage, _T("P")));
    }
    tabs.RemoveAllTabs();
    EXPECT_EQ(0, tabs.GetTabsNum());
    for (auto& page : pages)
        EXPECT_EQ(NULL, page->GetSafeHwnd());
}

TEST_F(TabWndFixture, RemovingSurvivesAPageThatRemovesAnotherTabAsItGoes)
{
    // Page 1, destroyed with its tab, takes page 0's tab with it; page 2 stays active.
    tabs.SetAutoDestroy(TRUE);
    std::vector<SelfRemovingPage*> removers;
    for (int i = 0; i < 3; i++)
    {
        auto* pPage = new SelfRemovingPage;
        pages.emplace_back(pPage);
        ASSERT_TRUE(
            pPage->Create(_T("STATIC"), _T(""), WS_CHILD, CRect(0, 0, 10, 10), &tabs, 100 + i));
        ASSERT_EQ(i, tabs.AddTab(pPage, _T("P")));
        removers.push_back(pPage);
    }
    removers[1]->pTabs = &tabs;
    removers[1]->hwndOther = Page(0)->GetSafeHwnd();
    ASSERT_TRUE(tabs.SetActiveTab(2));
    parent.changes.clear();
    EXPECT_TRUE(tabs.RemoveTab(1));
    ASSERT_EQ(1, tabs.GetTabsNum());
    EXPECT_EQ(Page(2), tabs.GetTabWnd(0));
    EXPECT_EQ(0, tabs.GetActiveTab());
    EXPECT_TRUE(parent.changes.empty());
    EXPECT_EQ(NULL, Page(1)->GetSafeHwnd());
}

TEST_F(TabWndFixture, RenamingInPlaceByDoubleClick)
{
    CTestSeams::Engage();
    AddPages(2);
    auto DoubleClick = [&](int iTab) {
        CRect rect;
        tabs.GetTabRect(iTab, rect);
        const CPoint pt = rect.CenterPoint();
        tabs.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    };
    auto Edit = [&] { return ::GetDlgItem(tabs.GetSafeHwnd(), 1); };
    auto Press = [&](UINT nKey) {
        ::PostMessage(Edit(), WM_KEYDOWN, nKey, 0);
        PumpPreTranslated();
    };
    auto Label = [&](int iTab) {
        CString strLabel;
        tabs.GetTabLabel(iTab, strLabel);
        return strLabel;
    };

    // Only where renaming is enabled, and only on the active tab.
    DoubleClick(0);
    EXPECT_EQ(NULL, Edit());
    tabs.EnableInPlaceEdit(TRUE);
    DoubleClick(1);
    EXPECT_EQ(NULL, Edit());
    DoubleClick(0);
    ASSERT_NE(nullptr, Edit());
    TCHAR szText[16] = {0};
    ::GetWindowText(Edit(), szText, 16);
    EXPECT_STREQ(_T("A"), szText);
    EXPECT_EQ(Edit(), ::GetFocus());

    // An empty name and a name the parent refuses beep and keep the edit.
    ::SetWindowText(Edit(), _T(""));
    Press(VK_RETURN);
    ASSERT_NE(nullptr, Edit());
    EXPECT_EQ(1u, CTestSeams::Beeps().size());
    EXPECT_TRUE(parent.names.empty());
    parent.bRefuseNames = true;
    ::SetWindowText(Edit(), _T("Stock"));
    Press(VK_RETURN);
    ASSERT_NE(nullptr, Edit());
    EXPECT_EQ(2u, CTestSeams::Beeps().size());
    EXPECT_EQ(_T("A"), Label(0));

    parent.bRefuseNames = false;
    Press(VK_RETURN);
    EXPECT_EQ(NULL, Edit());
    EXPECT_EQ(_T("Stock"), Label(0));
    ASSERT_EQ(2u, parent.names.size());
    EXPECT_EQ(_T("Stock"), parent.names[1]);
    EXPECT_NE(tabs.GetSafeHwnd(), ::GetCapture());

    // Escape and a click elsewhere abandon the name.
    DoubleClick(0);
    ::SetWindowText(Edit(), _T("Sale"));
    Press(VK_ESCAPE);
    EXPECT_EQ(NULL, Edit());
    DoubleClick(0);
    ::SetWindowText(Edit(), _T("Sale"));
    CRect rectTab;
    tabs.GetTabRect(1, rectTab);
    ::PostMessage(tabs.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                  MAKELPARAM(rectTab.CenterPoint().x, rectTab.CenterPoint().y));
    PumpPreTranslated();
    EXPECT_EQ(NULL, Edit());
    EXPECT_EQ(_T("Stock"), Label(0));
    EXPECT_EQ(2u, CTestSeams::Beeps().size());
    CTestSeams::Release();
}

TEST_F(TabWndFixture, ArchiveRestoresLabelsColoursVisibilityAndOrder)
{
    AddPages(3);
    // Saved order: pages 2, 1, 0.
    tabs.RemoveTab(0);
    tabs.InsertTab(Page(0), _T("Stock"), 2);
    tabs.RemoveTab(0);
    tabs.InsertTab(Page(1), _T("B"), 1);
    tabs.SetTabBkColor(1, RGB(10, 20, 30));
    tabs.SetTabTextColor(1, RGB(40, 50, 60));
    tabs.EnableTabDetach(0, TRUE);
    tabs.ShowTab(2, FALSE);
    tabs.SetActiveTab(1);
    ASSERT_EQ((std::vector<int>{2, 1, 0}), Order());
    const Bytes bytes = StoreToBytes([&](CArchive& ar) { tabs.Serialize(ar); });

    // A fresh tab window over the same pages in the first order.
    IdTabWnd restored;
    ASSERT_TRUE(restored.Create(CTavoPTabWnd::STYLE_3D, CRect(0, 0, 500, 300), &parent, 0x7302));
    tabs.RemoveAllTabs();
    for (int i = 0; i < 3; i++)
    {
        Page(i)->SetParent(&restored);
        restored.AddTab(Page(i), _T("x"));
    }
    LoadFromBytes(bytes, [&](CArchive& ar) { restored.Serialize(ar); });
    restored.ApplyRestoredTabInfo(TRUE);

    const struct
    {
        int nPage;
        LPCTSTR lpszLabel;
        BOOL bVisible;
        COLORREF clrBack, clrText;
        BOOL bDetachable;
    } expected[] = {{2, _T("C"), TRUE, (COLORREF)-1, (COLORREF)-1, TRUE},
                    {1, _T("B"), TRUE, RGB(10, 20, 30), RGB(40, 50, 60), FALSE},
                    {0, _T("Stock"), FALSE, (COLORREF)-1, (COLORREF)-1, FALSE}};
    ASSERT_EQ(3, restored.GetTabsNum());
    for (int i = 0; i < 3; i++)
    {
        SCOPED_TRACE(i);
        CString strLabel;
        restored.GetTabLabel(i, strLabel);
        EXPECT_EQ(Page(expected[i].nPage), restored.GetTabWnd(i));
        EXPECT_EQ(expected[i].lpszLabel, strLabel);
        EXPECT_EQ(expected[i].bVisible, restored.IsTabVisible(i));
        EXPECT_EQ(expected[i].clrBack, restored.GetTabBkColor(i));
        EXPECT_EQ(expected[i].clrText, restored.GetTabTextColor(i));
        EXPECT_EQ(expected[i].bDetachable, restored.IsTabDetachable(i));
    }
    EXPECT_EQ(1, restored.GetActiveTab());
    EXPECT_TRUE(Page(1)->IsWindowVisible());
    EXPECT_FALSE(Page(0)->IsWindowVisible());
    EXPECT_FALSE(Page(2)->IsWindowVisible());
    restored.RemoveAllTabs();
    restored.DestroyWindow();
}

TEST_F(TabWndFixture, DamagedArchiveFailsCleanly)
{
    AddPages(2);
    tabs.SetTabLabel(0, _T("Stock"));
    const Bytes good = StoreToBytes([&](CArchive& ar) { tabs.Serialize(ar); });
    // Every cut short archive fails and leaves the tabs as they were.
    EXPECT_EQ(std::vector<size_t>(),
              CutsNotFailing(good, [&](CArchive& ar) { tabs.Serialize(ar); }));
    tabs.SetTabLabel(0, _T("Sale"));
    tabs.ApplyRestoredTabInfo(TRUE);
    CString strLabel;
    tabs.GetTabLabel(0, strLabel);
    EXPECT_STREQ(_T("Sale"), strLabel);

    // Counts beyond reason are refused before anything is read for them.
    for (DWORD nCount : {(DWORD)-1, (DWORD)0x7FFFFFFF, (DWORD)100000})
    {
        const Bytes bytes = ByteWriter().D(nCount).bytes();
        EXPECT_EQ(CArchiveException::badIndex,
                  LoadFailureCause(bytes, [&](CArchive& ar) { tabs.Serialize(ar); }))
            << nCount;
    }
}

TEST_F(TabWndFixture, EachTabHasItsToolTip)
{
    // The 3-D look without scroll buttons cuts no label short unseen: its tabs have tips.
    ASSERT_NE(nullptr, tabs.ToolTip().GetSafeHwnd());
    AddPages(3);
    tabs.SetTabLabel(1, _T("Stock"));
    auto Tip = [&](int iTab) {
        CString strTip;
        tabs.ToolTip().GetText(strTip, &tabs, tabs.TabID(iTab));
        return strTip;
    };
    EXPECT_EQ(3, tabs.ToolTip().GetToolCount());
    EXPECT_EQ(_T("A"), Tip(0));
    EXPECT_EQ(_T("Stock"), Tip(1));
    // The tool lies over its tab.
    TOOLINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(tabs.ToolTip().GetToolInfo(info, &tabs, tabs.TabID(2)));
    CRect rectTab;
    tabs.GetTabRect(2, rectTab);
    EXPECT_EQ(rectTab, CRect(info.rect));

    tabs.RemoveTab(1);
    EXPECT_EQ(2, tabs.ToolTip().GetToolCount());
    EXPECT_EQ(_T("C"), Tip(1));
    tabs.RemoveAllTabs();
    EXPECT_EQ(0, tabs.ToolTip().GetToolCount());
}

TEST_F(TabWndFixture, HoveringATabShowsItsTip)
{
    AddPages(3);
    tabs.SetTabLabel(1, _T("Stock"));
    CRect rect;
    ASSERT_TRUE(tabs.GetTabRect(1, rect));
    CPoint point = rect.CenterPoint();
    tabs.ClientToScreen(&point);
    ::SetForegroundWindow(parent.GetSafeHwnd());
    // The tip control sees the mouse only through the tab window's pre-translation.
    PlayInput({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point.x - 4, point.y),
               MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point.x, point.y)});
    const DWORD dwStart = ::GetTickCount();
    while (!tabs.ToolTip().IsWindowVisible() && ::GetTickCount() - dwStart < 3000)
        PumpPreTranslatedFor(50);
    ASSERT_TRUE(tabs.ToolTip().IsWindowVisible());
    TOOLINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(tabs.ToolTip().SendMessage(TTM_GETCURRENTTOOL, 0, (LPARAM)&info));
    EXPECT_EQ((UINT_PTR)tabs.TabID(1), info.uId);
}

TEST_F(TabWndFixture, ImageListsSetTheImageSizeAndStripHeight)
{
    EXPECT_EQ(nullptr, tabs.GetImageList());
    EXPECT_FALSE(tabs.SetImageList((HIMAGELIST)NULL));
    EXPECT_FALSE(tabs.SetImageList(0x7FEE, 16));
    const int nTextHeight = tabs.GetTabsHeight();

    HIMAGELIST hList = ::ImageList_Create(20, 40, ILC_COLOR24, 1, 0);
    ASSERT_NE(nullptr, hList);
    ASSERT_TRUE(tabs.SetImageList(hList));
    EXPECT_EQ(CSize(20, 40), tabs.GetImageSize());
    ASSERT_NE(nullptr, tabs.GetImageList());
    EXPECT_EQ(hList, tabs.GetImageList()->GetSafeHandle());
    EXPECT_GT(tabs.GetTabsHeight(), std::max(40, nTextHeight - 1));

    // The own list from the library's glyph bitmap wins over the caller's.
    ASSERT_TRUE(tabs.SetImageList(IDB_TAVOP_MENU_GLYPHS, 9));
    CImageList* pOwn = tabs.GetImageList();
    ASSERT_NE(nullptr, pOwn);
    EXPECT_NE(hList, pOwn->GetSafeHandle());
    EXPECT_EQ(9, tabs.GetImageSize().cx);
    EXPECT_GT(pOwn->GetImageCount(), 1);
    ::ImageList_Destroy(hList);
}

// A tab window of one look with three pages, the middle tab active.
class LookedTabs
{
public:
    LookedTabs(CWnd* pParent, CTavoPTabWnd::Style style, CTavoPBaseTabWnd::Location location,
               int nTabs = 3, BOOL bCloseBtn = FALSE)
    {
        bCreated = tabs.Create(style, CRect(0, 0, 500, 300), pParent, 0x7303, location,
                               bCloseBtn) != FALSE;
        for (int i = 0; bCreated && i < nTabs; i++)
        {
            pages.push_back(std::make_unique<CWnd>());
            pages.back()->Create(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                                 &tabs, 200 + i);
            const TCHAR szLabel[] = {(TCHAR)(_T('P') + i), _T('a'), _T('g'), _T('e'), 0};
            tabs.AddTab(pages.back().get(), szLabel);
        }
    }
    ~LookedTabs()
    {
        tabs.DestroyWindow();
        for (auto& page : pages)
            page->DestroyWindow();
    }
    CRect Tab(int i)
    {
        CRect rect;
        tabs.GetTabRect(i, rect);
        return rect;
    }
    CRect PageRect(int i)
    {
        CRect rect;
        pages[i]->GetWindowRect(rect);
        tabs.ScreenToClient(rect);
        return rect;
    }
    // What the screen shows at a point of the tab window, waiting a while for the colour expected.
    COLORREF Pixel(int x, int y, COLORREF expected)
    {
        CPoint point(x, y);
        tabs.ClientToScreen(&point);
        return ScreenPixel(point, expected);
    }

    bool bCreated = false;
    CTavoPTabWnd tabs;
    std::vector<std::unique_ptr<CWnd>> pages;
};

struct TabLook
{
    CTavoPTabWnd::Style style;
    CTavoPBaseTabWnd::Location location;
    const char* name;
};

const TabLook kLooks[] = {
    {CTavoPTabWnd::STYLE_3D, CTavoPBaseTabWnd::LOCATION_TOP, "3-D, top"},
    {CTavoPTabWnd::STYLE_3D, CTavoPBaseTabWnd::LOCATION_BOTTOM, "3-D, bottom"},
    {CTavoPTabWnd::STYLE_FLAT, CTavoPBaseTabWnd::LOCATION_TOP, "flat, top"},
    {CTavoPTabWnd::STYLE_FLAT, CTavoPBaseTabWnd::LOCATION_BOTTOM, "flat, bottom"},
};

TEST_F(TabWndFixture, TabsStandSideBySideInTheStripAndThePageTakesTheRest)
{
    for (const TabLook& look : kLooks)
    {
        SCOPED_TRACE(look.name);
        LookedTabs looked(&parent, look.style, look.location);
        ASSERT_TRUE(looked.bCreated);
        CTavoPTabWnd& tabs = looked.tabs;
        const bool bTop = look.location == CTavoPBaseTabWnd::LOCATION_TOP;
        CRect rectClient;
        tabs.GetClientRect(rectClient);
        const int nBorder = tabs.GetTabBorderSize();
        const int nHeight = tabs.GetTabsHeight();
        ASSERT_GT(nHeight, 0);

        CRect rectTop, rectBottom;
        tabs.GetTabArea(rectTop, rectBottom);
        const CRect rectStrip = bTop ? rectTop : rectBottom;
        EXPECT_TRUE((bTop ? rectBottom : rectTop).IsRectEmpty());
        // Flat strips keep their scroll buttons at the left end.
        int nTabsLeft = nBorder;
        for (HWND hwnd : tabs.GetStripButtons())
        {
            CRect rect;
            ::GetWindowRect(hwnd, rect);
            tabs.ScreenToClient(rect);
            nTabsLeft = std::max(nTabsLeft, (int)rect.right + 1);
        }
        EXPECT_EQ(CRect(nTabsLeft, bTop ? 0 : rectClient.bottom - nHeight,
                        rectClient.right - nBorder, bTop ? nHeight : rectClient.bottom),
                  rectStrip);

        EXPECT_EQ(rectStrip.left, looked.Tab(0).left);
        for (int i = 0; i < 3; i++)
        {
            const CRect rect = looked.Tab(i);
            EXPECT_EQ(rectStrip.top, rect.top) << i;
            EXPECT_EQ(rectStrip.bottom, rect.bottom) << i;
            EXPECT_GT(rect.Width(), 0) << i;
            if (i > 0)
            {
                EXPECT_EQ(looked.Tab(i - 1).right, rect.left) << i;
            }
        }

        // A pixel between page and strip holds the frame line the active tab breaks.
        CRect rectPage = rectClient;
        rectPage.DeflateRect(nBorder + 1, nBorder + 1);
        if (bTop)
            rectPage.top = rectStrip.bottom + 1;
        else
            rectPage.bottom = rectStrip.top - 1;
        ASSERT_TRUE(tabs.SetActiveTab(1));
        EXPECT_EQ(rectPage, looked.PageRect(1));
    }
}

TEST_F(TabWndFixture, TheActiveTabOpensOntoItsPage)
{
    const CTavoPGlobalData& data = GetGlobalData();
    const COLORREF clrActive = RGB(255, 0, 0);
    // The fixture's own tab window would cover the looks on the screen.
    tabs.ShowWindow(SW_HIDE);
    for (const TabLook& look : kLooks)
    {
        SCOPED_TRACE(look.name);
        LookedTabs looked(&parent, look.style, look.location);
        ASSERT_TRUE(looked.bCreated);
        const bool bTop = look.location == CTavoPBaseTabWnd::LOCATION_TOP;
        const bool bFlat = look.style == CTavoPTabWnd::STYLE_FLAT;
        looked.tabs.SetActiveTabColor(clrActive);
        ASSERT_TRUE(looked.tabs.SetActiveTab(1));
        parent.UpdateWindow();
        looked.tabs.UpdateWindow();

        // Where the strip meets the page frame: the frame line runs under the other tabs only.
        const COLORREF clrJoin = bFlat ? clrActive : data.clrBtnFace;
        const COLORREF clrFrame =
            bFlat ? data.clrBtnDkShadow : (bTop ? data.clrBtnHilite : data.clrBtnShadow);
        for (int i = 0; i < 3; i++)
        {
            const CRect rect = looked.Tab(i);
            const int y = bTop ? rect.bottom : rect.top - 1;
            const COLORREF clrExpected = i == 1 ? clrJoin : clrFrame;
            EXPECT_EQ(clrExpected, looked.Pixel(rect.CenterPoint().x, y, clrExpected)) << i;
        }
        if (!bFlat)
            continue;
        // Flat tabs are filled: the active one with its own colour, left of its label.
        for (int i = 0; i < 3; i++)
        {
            const CRect rect = looked.Tab(i);
            const COLORREF clrExpected = i == 1 ? clrActive : data.clrBtnFace;
            EXPECT_EQ(clrExpected, looked.Pixel(rect.left + rect.Height() / 2, rect.CenterPoint().y,
                                                clrExpected))
                << i;
        }
    }
}

TEST_F(TabWndFixture, HiddenStripLetsThePageFillTheWindow)
{
    struct Case
    {
        int nTabs;
        bool bHideSingle;
        bool bHideNone;
        bool bStrip;
    };
    const Case cases[] = {
        {1, true, false, false}, {1, false, true, true},  {2, true, false, true},
        {0, false, true, false}, {0, false, false, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.nTabs << " tabs, hide single " << c.bHideSingle
                                        << ", hide none " << c.bHideNone);
        LookedTabs looked(&parent, CTavoPTabWnd::STYLE_3D, CTavoPBaseTabWnd::LOCATION_TOP, c.nTabs);
        ASSERT_TRUE(looked.bCreated);
        looked.tabs.HideSingleTab(c.bHideSingle);
        looked.tabs.HideNoTabs(c.bHideNone);
        CRect rectTop, rectBottom;
        looked.tabs.GetTabArea(rectTop, rectBottom);
        EXPECT_EQ(c.bStrip, !rectTop.IsRectEmpty());
        if (c.nTabs == 0)
            continue;
        CRect rectClient;
        looked.tabs.GetClientRect(rectClient);
        CRect rectPage = rectClient;
        rectPage.DeflateRect(looked.tabs.GetTabBorderSize() + 1,
                             looked.tabs.GetTabBorderSize() + 1);
        if (c.bStrip)
            rectPage.top = rectTop.bottom + 1;
        EXPECT_EQ(rectPage, looked.PageRect(0));
    }
}

TEST_F(TabWndFixture, ActivatingScrollsTheStripToTheTab)
{
    LookedTabs looked(&parent, CTavoPTabWnd::STYLE_3D_SCROLLED, CTavoPBaseTabWnd::LOCATION_TOP, 20);
    ASSERT_TRUE(looked.bCreated);
    CTavoPTabWnd& tabs = looked.tabs;
    CRect rectStrip, rectNone;
    tabs.GetTabArea(rectStrip, rectNone);
    const int nOverhang = looked.Tab(19).right - rectStrip.right;
    ASSERT_GT(nOverhang, 0) << "twenty tabs must not fit";
    EXPECT_EQ(nOverhang, tabs.GetTabsHorzOffsetMax());
    EXPECT_EQ(0, tabs.GetTabsHorzOffset());
    EXPECT_FALSE(tabs.EnsureVisible(0));

    ASSERT_TRUE(tabs.SetActiveTab(19));
    EXPECT_EQ(nOverhang, tabs.GetTabsHorzOffset());
    EXPECT_EQ(rectStrip.right, looked.Tab(19).right);
    EXPECT_FALSE(tabs.EnsureVisible(19));
    EXPECT_FALSE(tabs.EnsureVisible(20));

    ASSERT_TRUE(tabs.SetActiveTab(0));
    EXPECT_EQ(0, tabs.GetTabsHorzOffset());
    EXPECT_EQ(rectStrip.left, looked.Tab(0).left);

    // Widening the window lowers the largest offset, and the offset with it.
    ASSERT_TRUE(tabs.SetActiveTab(19));
    tabs.SetWindowPos(nullptr, 0, 0, 500 + nOverhang / 2, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(nOverhang - nOverhang / 2, tabs.GetTabsHorzOffsetMax());
    EXPECT_EQ(tabs.GetTabsHorzOffsetMax(), tabs.GetTabsHorzOffset());

    // The plain 3-D look does not scroll.
    LookedTabs plain(&parent, CTavoPTabWnd::STYLE_3D, CTavoPBaseTabWnd::LOCATION_TOP, 20);
    ASSERT_TRUE(plain.tabs.SetActiveTab(19));
    EXPECT_EQ(0, plain.tabs.GetTabsHorzOffset());
    EXPECT_FALSE(plain.tabs.EnsureVisible(19));
}

TEST_F(TabWndFixture, EachLookHasItsStripButtons)
{
    struct Case
    {
        CTavoPTabWnd::Style style;
        BOOL bCloseBtn;
        size_t nButtons;
    };
    const Case cases[] = {
        {CTavoPTabWnd::STYLE_3D, TRUE, 0},
        {CTavoPTabWnd::STYLE_3D_SCROLLED, TRUE, 3},
        {CTavoPTabWnd::STYLE_3D_SCROLLED, FALSE, 3},
        {CTavoPTabWnd::STYLE_FLAT, TRUE, 5},
        {CTavoPTabWnd::STYLE_FLAT_SHARED_HORZ_SCROLL, FALSE, 5},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "look " << c.style << ", close " << c.bCloseBtn);
        LookedTabs looked(&parent, c.style, CTavoPBaseTabWnd::LOCATION_TOP, 20, c.bCloseBtn);
        ASSERT_TRUE(looked.bCreated);
        CTavoPTabWnd& tabs = looked.tabs;
        const std::vector<HWND>& buttons = tabs.GetStripButtons();
        ASSERT_EQ(c.nButtons, buttons.size());
        if (buttons.empty())
            continue;
        CRect rectStrip, rectNone;
        tabs.GetTabArea(rectStrip, rectNone);
        const bool bFlat = c.style != CTavoPTabWnd::STYLE_3D_SCROLLED;

        // Side by side in the strip, the close button last and only when asked for.
        std::vector<CRect> rects;
        for (HWND hwnd : buttons)
        {
            CRect rect;
            ::GetWindowRect(hwnd, rect);
            tabs.ScreenToClient(rect);
            rects.push_back(rect);
        }
        EXPECT_EQ(!c.bCloseBtn, rects.back().IsRectEmpty() != FALSE);
        const size_t nShown = c.bCloseBtn ? rects.size() : rects.size() - 1;
        for (size_t i = 0; i < nShown; i++)
        {
            EXPECT_FALSE(rects[i].IsRectEmpty()) << i;
            EXPECT_GE(rects[i].top, 0) << i;
            EXPECT_LE(rects[i].bottom, rectStrip.bottom) << i;
            if (i > 0)
            {
                EXPECT_EQ(rects[i - 1].right, rects[i].left) << i;
            }
        }
        if (bFlat)
            EXPECT_EQ(rects[nShown - 1].right + 1, rectStrip.left);
        else
        {
            EXPECT_EQ(rectStrip.right, rects[0].left);
            EXPECT_EQ(500 - tabs.GetTabBorderSize(), rects[nShown - 1].right);
        }

        // The scroll buttons move the strip 20 pixels at a time, never beyond its ends.
        const size_t iRight = bFlat ? 2 : 1;
        ASSERT_GT(tabs.GetTabsHorzOffsetMax(), 20);
        tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)buttons[iRight]);
        EXPECT_EQ(20, tabs.GetTabsHorzOffset());
        tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)buttons[iRight - 1]);
        tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)buttons[iRight - 1]);
        EXPECT_EQ(0, tabs.GetTabsHorzOffset());
        if (bFlat)
        {
            tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)buttons[3]);
            EXPECT_EQ(tabs.GetTabsHorzOffsetMax(), tabs.GetTabsHorzOffset());
            EXPECT_EQ(rectStrip.right, looked.Tab(19).right);
            tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)buttons[0]);
            EXPECT_EQ(0, tabs.GetTabsHorzOffset());
            EXPECT_EQ(rectStrip.left, looked.Tab(0).left);
        }
    }
}

namespace {

// A page with a horizontal scroll range of its own that follows the scroll messages it gets.
class ScrolledPage : public CWnd
{
public:
    std::vector<UINT> codes;
    bool bCreate(CWnd* pParent, UINT nID)
    {
        if (!CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE | WS_HSCROLL, 0, 0,
                      100, 100, pParent->GetSafeHwnd(), (HMENU)(UINT_PTR)nID))
            return false;
        SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 500, 100, 40, 0};
        ::SetScrollInfo(m_hWnd, SB_HORZ, &info, TRUE);
        return true;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_HSCROLL)
        {
            codes.push_back(LOWORD(wParam));
            int nPos = ::GetScrollPos(m_hWnd, SB_HORZ);
            if (LOWORD(wParam) == SB_LINERIGHT)
                nPos += 10;
            else if (LOWORD(wParam) == SB_THUMBPOSITION)
                nPos = HIWORD(wParam);
            // Setting the position shows a hidden scroll bar again, as list views do.
            ::SetScrollPos(m_hWnd, SB_HORZ, nPos, TRUE);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The rectangle of a child window in its parent's client coordinates.
CRect ChildRect(CWnd* pParent, HWND hwnd)
{
    CRect rect;
    ::GetWindowRect(hwnd, rect);
    pParent->ScreenToClient(rect);
    return rect;
}

} // namespace

TEST_F(TabWndFixture, CtrlPageKeysSwitchTabsRoundTheEnds)
{
    for (int i = 0; i < 4; i++)
    {
        pages.push_back(std::make_unique<CWnd>());
        ASSERT_TRUE(pages.back()->CreateEx(0, _T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 10,
                                           10, tabs.GetSafeHwnd(), (HMENU)(UINT_PTR)(100 + i)));
        ASSERT_EQ(i, tabs.AddTab(pages.back().get(), _T("Page")));
    }
    ASSERT_TRUE(tabs.ShowTab(2, FALSE));
    ::SetForegroundWindow(parent.GetSafeHwnd());
    struct Case
    {
        int iActive;
        WORD wKey;
        int iActiveAfter; // the hidden tab 2 is passed over
    };
    const Case cases[] = {{0, VK_NEXT, 1},  {1, VK_NEXT, 3},  {3, VK_NEXT, 0},
                          {0, VK_PRIOR, 3}, {3, VK_PRIOR, 1}, {1, VK_PRIOR, 0}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "from " << c.iActive << " key " << c.wKey);
        ASSERT_TRUE(tabs.SetActiveTab(c.iActive));
        tabs.GetActiveWnd()->SetFocus();
        parent.changes.clear();
        PlayInput({KeyInput(VK_CONTROL), KeyInput(c.wKey), KeyInput(c.wKey, true),
                   KeyInput(VK_CONTROL, true)});
        EXPECT_EQ(c.iActiveAfter, tabs.GetActiveTab());
        EXPECT_EQ(tabs.GetActiveWnd()->GetSafeHwnd(), ::GetFocus());
        ASSERT_FALSE(parent.changes.empty());
        EXPECT_EQ((WPARAM)c.iActiveAfter, parent.changes.back());
        ExpectOnlyActiveShown();
    }
    // Without Ctrl the key belongs to the page.
    PlayInput({KeyInput(VK_NEXT), KeyInput(VK_NEXT, true)});
    EXPECT_EQ(0, tabs.GetActiveTab());
}

TEST_F(TabWndFixture, ActivatingMovesTheFocusAndTellsTheParentAroundIt)
{
    AddPages(3);
    ::SetForegroundWindow(parent.GetSafeHwnd());
    parent.SetFocus();
    parent.changing.clear();
    parent.changes.clear();
    ASSERT_TRUE(tabs.SetActiveTab(2));
    EXPECT_EQ(std::vector<WPARAM>{2}, parent.changing);
    EXPECT_EQ(std::vector<WPARAM>{2}, parent.changes);
    EXPECT_EQ(Page(2)->GetSafeHwnd(), ::GetFocus());
    // The tab window hands its focus on to the page that shows.
    ASSERT_TRUE(tabs.SetActiveTab(0));
    parent.SetFocus();
    tabs.SetFocus();
    EXPECT_EQ(Page(0)->GetSafeHwnd(), ::GetFocus());
    // The parent's drawing is held while the pages change places.
    parent.redraws.clear();
    ASSERT_TRUE(tabs.SetActiveTab(1));
    EXPECT_EQ((std::vector<WPARAM>{FALSE, TRUE}), parent.redraws);
    // A hidden parent stays hidden.
    parent.ShowWindow(SW_HIDE);
    parent.redraws.clear();
    ASSERT_TRUE(tabs.SetActiveTab(2));
    EXPECT_TRUE(parent.redraws.empty());
    EXPECT_EQ(0u, parent.GetStyle() & WS_VISIBLE);
    parent.ShowWindow(SW_SHOWNOACTIVATE);
}

TEST_F(TabWndFixture, CloseButtonFollowsThePagesSystemMenu)
{
    LookedTabs looked(&parent, CTavoPTabWnd::STYLE_3D_SCROLLED, CTavoPBaseTabWnd::LOCATION_TOP, 0,
                      TRUE);
    ASSERT_TRUE(looked.bCreated);
    // A page with a system menu whose close item is greyed, one without a system menu.
    CWnd closable, unclosable;
    ASSERT_TRUE(unclosable.CreateEx(0, AfxRegisterWndClass(0), _T(""),
                                    WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 0, 0, 10, 10,
                                    looked.tabs.GetSafeHwnd(), (HMENU)301));
    ::EnableMenuItem(::GetSystemMenu(unclosable.GetSafeHwnd(), FALSE), SC_CLOSE,
                     MF_BYCOMMAND | MF_GRAYED);
    ASSERT_TRUE(closable.CreateEx(0, _T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                  looked.tabs.GetSafeHwnd(), (HMENU)302));
    looked.tabs.AddTab(&closable, _T("Open"));
    looked.tabs.AddTab(&unclosable, _T("Kept"));
    const HWND hwndClose = looked.tabs.GetStripButtons().back();
    ASSERT_TRUE(looked.tabs.SetActiveTab(1));
    EXPECT_FALSE(::IsWindowEnabled(hwndClose));
    ASSERT_TRUE(looked.tabs.SetActiveTab(0));
    EXPECT_TRUE(::IsWindowEnabled(hwndClose));
    looked.tabs.DestroyWindow();
}

TEST_F(TabWndFixture, ScrollButtonsOfThe3dLookHaveTips)
{
    LookedTabs looked(&parent, CTavoPTabWnd::STYLE_3D_SCROLLED, CTavoPBaseTabWnd::LOCATION_TOP, 3,
                      TRUE);
    ASSERT_TRUE(looked.bCreated);
    const std::vector<HWND>& buttons = looked.tabs.GetStripButtons();
    ASSERT_EQ(3u, buttons.size());
    const LPCTSTR tips[] = {_T("Scroll Left"), _T("Scroll Right"), _T("Close")};
    for (size_t i = 0; i < buttons.size(); i++)
    {
        auto* pButton = DYNAMIC_DOWNCAST(CTavoPButton, CWnd::FromHandlePermanent(buttons[i]));
        ASSERT_NE(nullptr, pButton) << i;
        CString strTip;
        pButton->GetToolTipCtrl().GetText(strTip, pButton, 1);
        if (strTip.IsEmpty())
            pButton->GetToolTipCtrl().GetText(strTip, pButton, 0);
        EXPECT_EQ(CString(tips[i]), strTip) << i;
    }
    // The flat looks show neither button tips nor tab tips.
    LookedTabs flat(&parent, CTavoPTabWnd::STYLE_FLAT, CTavoPBaseTabWnd::LOCATION_TOP, 3, TRUE);
    for (HWND hwnd : flat.tabs.GetStripButtons())
    {
        auto* pButton = DYNAMIC_DOWNCAST(CTavoPButton, CWnd::FromHandlePermanent(hwnd));
        ASSERT_NE(nullptr, pButton);
        EXPECT_EQ(NULL, pButton->GetToolTipCtrl().GetSafeHwnd());
    }
}

TEST_F(TabWndFixture, PressesOnTheFreeStripGoToTheParent)
{
    AddPages(2);
    CRect rectTop, rectBottom;
    tabs.GetTabArea(rectTop, rectBottom);
    CRect rectLast;
    ASSERT_TRUE(tabs.GetTabRect(1, rectLast));
    ASSERT_LT(rectLast.right + 10, rectBottom.right);
    const CPoint ptFree(rectLast.right + 10, rectBottom.CenterPoint().y);
    const CPoint ptTab = rectLast.CenterPoint();
    CPoint ptFreeInParent = ptFree;
    tabs.MapWindowPoints(&parent, &ptFreeInParent, 1);

    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptFree.x, ptFree.y));
    tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptFree.x, ptFree.y));
    tabs.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptFree.x, ptFree.y));
    ASSERT_EQ(2u, parent.clicks.size());
    EXPECT_EQ((UINT)WM_LBUTTONDOWN, parent.clicks[0].first);
    EXPECT_EQ(ptFreeInParent, parent.clicks[0].second);
    EXPECT_EQ((UINT)WM_LBUTTONDBLCLK, parent.clicks[1].first);
    EXPECT_EQ(ptFreeInParent, parent.clicks[1].second);

    // A tab keeps its presses.
    parent.clicks.clear();
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptTab.x, ptTab.y));
    tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptTab.x, ptTab.y));
    tabs.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptTab.x, ptTab.y));
    EXPECT_TRUE(parent.clicks.empty());
    EXPECT_EQ(1, tabs.GetActiveTab());
}

TEST_F(TabWndFixture, ActivatingOnReleaseAndHotTracking)
{
    AddPages(3);
    tabs.EnableActivateOnButtonUp();
    tabs.EnableHotTrack();
    auto Center = [&](int iTab) {
        CRect rect;
        tabs.GetTabRect(iTab, rect);
        return rect.CenterPoint();
    };
    auto Send = [&](UINT message, CPoint point) {
        tabs.SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                         MAKELPARAM(point.x, point.y));
    };
    // The mouse over a tab makes it hot and is held to see it leave.
    tabs.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(Center(2).x, Center(2).y));
    EXPECT_EQ(2, tabs.GetHighlightedTab());
    EXPECT_EQ(tabs.GetSafeHwnd(), ::GetCapture());
    tabs.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(Center(2).x, 200));
    EXPECT_EQ(-1, tabs.GetHighlightedTab());
    EXPECT_NE(tabs.GetSafeHwnd(), ::GetCapture());

    struct Case
    {
        int iDown;
        int iUp;
        int iActiveAfter;
    };
    // Released over the tab pressed it becomes active; released elsewhere nothing changes.
    const Case cases[] = {{2, 2, 2}, {1, 0, 2}, {0, 0, 0}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.iDown << " to " << c.iUp);
        const int iActiveBefore = tabs.GetActiveTab();
        Send(WM_MOUSEMOVE, Center(c.iDown));
        Send(WM_LBUTTONDOWN, Center(c.iDown));
        EXPECT_EQ(c.iDown, tabs.GetPressedTab());
        EXPECT_EQ(iActiveBefore, tabs.GetActiveTab());
        Send(WM_LBUTTONUP, Center(c.iUp));
        EXPECT_EQ(c.iActiveAfter, tabs.GetActiveTab());
        EXPECT_EQ(-1, tabs.GetPressedTab());
        EXPECT_NE(tabs.GetSafeHwnd(), ::GetCapture());
        ExpectOnlyActiveShown();
    }
}

TEST_F(TabWndFixture, SharedScrollBarTakesTheRightOfTheStrip)
{
    struct Case
    {
        int cx;
        bool bBar; // room for tabs, grip and bar
    };
    const int nMin = 2 * ::GetSystemMetrics(SM_CXHSCROLL);
    const Case cases[] = {{500, true}, {300, true}, {60, false}};
    LookedTabs looked(&parent, CTavoPTabWnd::STYLE_FLAT_SHARED_HORZ_SCROLL,
                      CTavoPBaseTabWnd::LOCATION_BOTTOM, 3);
    ASSERT_TRUE(looked.bCreated);
    CTavoPTabWnd& tabs = looked.tabs;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.cx);
        tabs.SetWindowPos(nullptr, 0, 0, c.cx, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rectTop, rectStrip;
        tabs.GetTabArea(rectTop, rectStrip);
        const CRect rectBar = ChildRect(&tabs, tabs.GetSharedScrollBar().GetSafeHwnd());
        const CRect rectGrip = tabs.GetTabSplitterRect();
        EXPECT_EQ(c.bBar, !rectBar.IsRectEmpty());
        EXPECT_EQ(c.bBar, !rectGrip.IsRectEmpty());
        if (!c.bBar)
            continue;
        EXPECT_GE(rectBar.Width(), nMin);
        EXPECT_EQ(c.cx - tabs.GetTabBorderSize(), rectBar.right);
        EXPECT_EQ(rectStrip.top, rectBar.top);
        EXPECT_EQ(rectStrip.bottom, rectBar.bottom);
        EXPECT_EQ(CRect(rectBar.left - 5, rectBar.top, rectBar.left, rectBar.bottom), rectGrip);
        EXPECT_EQ(rectGrip.left, rectStrip.right);
    }

    // Dragging the grip widens the bar, never narrower than two arrows.
    tabs.SetWindowPos(nullptr, 0, 0, 500, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    const int nWidth = tabs.GetHorzScrollWidth();
    const CRect rectGrip = tabs.GetTabSplitterRect();
    const CPoint ptGrip = rectGrip.CenterPoint();
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptGrip.x, ptGrip.y));
    EXPECT_EQ(tabs.GetSafeHwnd(), ::GetCapture());
    tabs.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptGrip.x - 30, ptGrip.y));
    EXPECT_EQ(nWidth + 30, tabs.GetHorzScrollWidth());
    EXPECT_EQ(nWidth + 30, ChildRect(&tabs, tabs.GetSharedScrollBar().GetSafeHwnd()).Width());
    tabs.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(495, ptGrip.y));
    EXPECT_EQ(nMin, tabs.GetHorzScrollWidth());
    tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(495, ptGrip.y));
    EXPECT_NE(tabs.GetSafeHwnd(), ::GetCapture());
}

TEST_F(TabWndFixture, SharedScrollBarScrollsTheActivePage)
{
    LookedTabs looked(&parent, CTavoPTabWnd::STYLE_FLAT_SHARED_HORZ_SCROLL,
                      CTavoPBaseTabWnd::LOCATION_BOTTOM, 1);
    ASSERT_TRUE(looked.bCreated);
    CTavoPTabWnd& tabs = looked.tabs;
    CScrollBar& bar = tabs.GetSharedScrollBar();
    ScrolledPage page;
    ASSERT_TRUE(page.bCreate(&tabs, 310));
    ASSERT_EQ(1, tabs.AddTab(&page, _T("Wide")));
    ASSERT_TRUE(tabs.SetActiveTab(1));

    // The page's own bar gives way to the strip's, which takes the page's range.
    EXPECT_EQ(0u, page.GetStyle() & WS_HSCROLL);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(bar.GetScrollInfo(&info, SIF_ALL));
    EXPECT_EQ(0, info.nMin);
    EXPECT_EQ(500, info.nMax);
    EXPECT_EQ(100u, info.nPage);
    EXPECT_EQ(40, info.nPos);
    EXPECT_TRUE(bar.IsWindowEnabled());

    parent.hscrolls.clear();
    tabs.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), (LPARAM)bar.GetSafeHwnd());
    EXPECT_EQ(std::vector<UINT>{SB_LINERIGHT}, page.codes);
    EXPECT_EQ(50, ::GetScrollPos(page.GetSafeHwnd(), SB_HORZ));
    EXPECT_EQ(50, bar.GetScrollPos());
    EXPECT_EQ(0u, page.GetStyle() & WS_HSCROLL);
    ASSERT_EQ(1u, parent.hscrolls.size());
    EXPECT_EQ(SB_LINERIGHT, LOWORD(parent.hscrolls[0]));

    // A page with nothing to scroll greys the bar.
    ASSERT_TRUE(tabs.SetActiveTab(0));
    info = {};
    info.cbSize = sizeof(info);
    bar.GetScrollInfo(&info, SIF_ALL);
    EXPECT_EQ(0, info.nMax);
    // Scroll messages of other bars are not relayed.
    page.codes.clear();
    tabs.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), 0);
    EXPECT_TRUE(page.codes.empty());
    tabs.DestroyWindow();
}

TEST_F(TabWndFixture, FlatFontShrinksNoFurtherThanOnePixel)
{
    struct Case
    {
        int nStripHeight;
        bool bFits; // a font of some height fits with a pixel above and below
    };
    const Case cases[] = {{40, true}, {16, true}, {2, false}, {1, false}, {0, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nStripHeight);
        LOGFONT lf = {};
        ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        CFont font;
        const int nHeight = CTavoPTabWnd::FitFontToHeight(lf, c.nStripHeight, font);
        ASSERT_NE(nullptr, font.GetSafeHandle());
        EXPECT_NE(0, lf.lfHeight);
        EXPECT_EQ(c.bFits, nHeight + 2 <= c.nStripHeight) << nHeight;
        if (!c.bFits)
        {
            EXPECT_EQ(1, std::abs(lf.lfHeight));
        }
    }
}

TEST(TabbedToolbarDragOver, AButtonDraggedOverATabOpensIt)
{
    TestFrame* pFrame = TestFrame::Make(600, 300, 100, 100);
    ASSERT_NE(nullptr, pFrame);
    CTavoPTabbedToolbar tabbed;
    CTavoPToolBar pages[2];
    ASSERT_TRUE(tabbed.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0x7201, FALSE));
    for (int i = 0; i < 2; i++)
    {
        ASSERT_TRUE(pages[i].Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0x7202 + i));
        pages[i].SetWindowText(i == 0 ? _T("Edit") : _T("Tools"));
        ASSERT_TRUE(tabbed.AddTab(&pages[i], (UINT)-1, i == 0));
    }
    CTavoPTabWnd* pTabs = tabbed.GetTabWnd();
    ASSERT_NE(nullptr, pTabs);
    ASSERT_EQ(0, pTabs->GetActiveTab());

    CTavoPToolbarButton button(0x9A20, 4, _T("Copy"), FALSE, TRUE);
    COleDataSource source;
    ASSERT_TRUE(button.PrepareDrag(source));
    COleDataObject data;
    data.Attach(&source);
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    COleDataSource text;
    text.CacheGlobalData(CF_TEXT, hText);
    COleDataObject other;
    other.Attach(&text);

    struct Case
    {
        COleDataObject* pData;
        DWORD dwKeyState;
        int iOver;
        DROPEFFECT effect;
        int iActiveAfter;
    };
    const Case cases[] = {
        {&data, 0, 1, DROPEFFECT_MOVE, 1},
        {&data, MK_CONTROL, 0, DROPEFFECT_COPY, 0},
        {&other, 0, 1, DROPEFFECT_NONE, 0}, // not a toolbar button
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.iOver);
        CRect rectTab;
        ASSERT_TRUE(pTabs->GetTabRect(c.iOver, rectTab));
        EXPECT_EQ(c.effect, pTabs->OnDragOver(c.pData, c.dwKeyState, rectTab.CenterPoint()));
        EXPECT_EQ(c.iActiveAfter, pTabs->GetActiveTab());
    }
    tabbed.DestroyWindow();
    for (CTavoPToolBar& page : pages)
        page.DestroyWindow();
    pFrame->DestroyWindow();
    PumpMessages();
}

namespace {

// A tab window that takes every button dropped on it and counts what reaches it.
class DropCountingTabs : public CTavoPTabWnd
{
public:
    IDropTarget* DropInterface() { return m_DropTarget.GetInterface(); }
    BOOL OnDrop(COleDataObject*, DROPEFFECT, CPoint) override
    {
        nDrops++;
        return TRUE;
    }
    void OnDragLeave() override { nLeaves++; }
    int nDrops = 0;
    int nLeaves = 0;
};

} // namespace

TEST(TabbedToolbarDragOver, TheDropTargetPassesButtonsOnOnlyInCustomizeMode)
{
    ASSERT_TRUE(AfxOleInit());
    TestFrame* pFrame = TestFrame::Make(600, 300, 100, 100);
    ASSERT_NE(nullptr, pFrame);
    CTavoPTabbedToolbar tabbed;
    ASSERT_TRUE(tabbed.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0x7211, FALSE));
    DropCountingTabs tabs;
    ASSERT_TRUE(tabs.Create(CTavoPTabWnd::STYLE_3D, CRect(0, 0, 400, 80), &tabbed, 0x7212,
                            CTavoPBaseTabWnd::LOCATION_TOP, FALSE));
    CWnd pages[2];
    for (int i = 0; i < 2; i++)
    {
        ASSERT_TRUE(pages[i].Create(_T("STATIC"), _T(""), WS_CHILD, CRect(0, 0, 10, 10), &tabs,
                                    0x7213 + i));
        ASSERT_EQ(i, tabs.AddTab(&pages[i], i == 0 ? _T("Edit") : _T("Tools")));
    }
    IDropTarget* pTarget = tabs.DropInterface();
    ASSERT_NE(nullptr, pTarget) << "the tab window registers its drop target when made";

    CTavoPToolbarButton button(0x9A21, 4, _T("Copy"), FALSE, TRUE);
    COleDataSource source;
    ASSERT_TRUE(button.PrepareDrag(source));
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    COleDataSource text;
    text.CacheGlobalData(CF_TEXT, hText);

    struct Case
    {
        const char* what;
        BOOL bCustomize;
        COleDataSource* pSource;
        DWORD dwKeyState;
        int iOver;
        DWORD dwEffect;
        int iActiveAfter;
    } cases[] = {
        {"button", TRUE, &source, 0, 1, DROPEFFECT_MOVE, 1},
        {"button with Ctrl", TRUE, &source, MK_CONTROL, 0, DROPEFFECT_COPY, 0},
        {"not customizing", FALSE, &source, 0, 1, DROPEFFECT_NONE, 0},
        {"not a button", TRUE, &text, 0, 1, DROPEFFECT_NONE, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(tabs.SetActiveTab(0));
        CTavoPToolBar::SetCustomizeMode(c.bCustomize);
        CRect rectTab;
        ASSERT_TRUE(tabs.GetTabRect(c.iOver, rectTab));
        CPoint point = rectTab.CenterPoint();
        tabs.ClientToScreen(&point);
        const POINTL pt = {point.x, point.y};
        IDataObject* pData = c.pSource->GetInterface();
        const int nDrops = tabs.nDrops, nLeaves = tabs.nLeaves;

        DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(S_OK, pTarget->DragEnter(pData, c.dwKeyState, pt, &dwEffect));
        EXPECT_EQ(c.dwEffect, dwEffect);
        dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(S_OK, pTarget->DragOver(c.dwKeyState, pt, &dwEffect));
        EXPECT_EQ(c.dwEffect, dwEffect);
        EXPECT_EQ(c.iActiveAfter, tabs.GetActiveTab());
        dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(S_OK, pTarget->Drop(pData, c.dwKeyState, pt, &dwEffect));
        EXPECT_EQ(c.dwEffect, dwEffect);
        EXPECT_EQ(nDrops + (c.dwEffect != DROPEFFECT_NONE ? 1 : 0), tabs.nDrops);
        // A drag that leaves is told whatever it carried.
        EXPECT_EQ(S_OK, pTarget->DragEnter(pData, c.dwKeyState, pt, &dwEffect));
        EXPECT_EQ(S_OK, pTarget->DragLeave());
        EXPECT_EQ(nLeaves + 1, tabs.nLeaves);
    }
    CTavoPToolBar::SetCustomizeMode(FALSE);
    tabs.DestroyWindow();
    tabbed.DestroyWindow();
    pFrame->DestroyWindow();
    PumpMessages();
}

TEST_F(TabWndFixture, ActiveFlatTabFollowsTheSystemWindowColour)
{
    ClassicColors classic;
    tabs.ShowWindow(SW_HIDE);
    struct Case
    {
        COLORREF clrSet; // the tab window's own colour, -1 for the system's
        COLORREF clrAfter;
    };
    const COLORREF clrNewWindow = RGB(250, 200, 100);
    const Case cases[] = {{(COLORREF)-1, clrNewWindow}, {RGB(255, 0, 0), RGB(255, 0, 0)}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.clrSet);
        const int nElement = COLOR_WINDOW;
        const COLORREF clrWhite = RGB(255, 255, 255);
        ::SetSysColors(1, &nElement, &clrWhite);
        LookedTabs looked(&parent, CTavoPTabWnd::STYLE_FLAT, CTavoPBaseTabWnd::LOCATION_TOP);
        ASSERT_TRUE(looked.bCreated);
        if (c.clrSet != (COLORREF)-1)
            looked.tabs.SetActiveTabColor(c.clrSet);
        ASSERT_TRUE(looked.tabs.SetActiveTab(1));
        ::SetSysColors(1, &nElement, &clrNewWindow);
        looked.tabs.SendMessage(WM_SYSCOLORCHANGE);
        const CRect rect = looked.Tab(1);
        EXPECT_EQ(c.clrAfter,
                  looked.Pixel(rect.left + rect.Height() / 2, rect.CenterPoint().y, c.clrAfter));
    }
}

namespace {

// A page that notes the widths it is given.
class SizeRecordingPage : public CWnd
{
public:
    std::vector<int> widths;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SIZE)
            widths.push_back(LOWORD(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST_F(TabWndFixture, APageMadeActiveLaysItselfOutAgain)
{
    AddPages(1);
    SizeRecordingPage page;
    ASSERT_TRUE(page.Create(_T("STATIC"), _T(""), WS_CHILD, CRect(0, 0, 10, 10), &tabs, 150));
    ASSERT_EQ(1, tabs.AddTab(&page, _T("Sized")));
    // Every page has the page rectangle's size.
    CRect rectPage;
    Page(0)->GetWindowRect(rectPage);
    const int nWidth = rectPage.Width();
    struct Case
    {
        BOOL bResize;
        std::vector<int> widths;
    };
    const Case cases[] = {{TRUE, {nWidth + 1, nWidth}}, {FALSE, {}}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.bResize);
        tabs.SetResizeOnActivate(c.bResize);
        ASSERT_TRUE(tabs.SetActiveTab(0));
        page.widths.clear();
        ASSERT_TRUE(tabs.SetActiveTab(1));
        EXPECT_EQ(c.widths, page.widths);
    }
    page.DestroyWindow();
}
