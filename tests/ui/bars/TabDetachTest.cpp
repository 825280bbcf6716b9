// Panes that are tabs of a tabbed pane in a frame: torn off the strip with the real mouse past the
// system drag distance (the pane left alone taking the group's place), floated by a double click on
// their tab, plain windows wrapped as panes (in a wrapper made ready when there is one), a tabbed
// pane's caption following the active tab's name, and a loaded tab list bringing panes over.
#include "tests/ui/bars/DockingPaneSupport.h"
#include "tests/support/ArchiveBytes.h"
#include "ui/bars/docking/CTavoPDockingCBWrapper.h"
#include "ui/bars/docking/CTavoPTabbedControlBar.h"
#include "ui/bars/tabs/CTavoPTabWnd.h"
#include <gtest/gtest.h>
#include <cstdlib>

namespace {

// Two panes docked at the left, the second dropped on the first as its tab.
class TabDetach : public PaneFrameFixture
{
protected:
    void SetUp() override
    {
        PaneFrameFixture::SetUp();
        pFirst = DockedPane(0x7401, AFX_IDW_DOCKBAR_LEFT, CSize(200, 300));
        pSecond = DockedPane(0x7402, AFX_IDW_DOCKBAR_RIGHT, CSize(200, 300));
        pFirst->SetWindowText(_T("First"));
        pSecond->SetWindowText(_T("Second"));
        CTavoPDockingControlBar* pTabbed = nullptr;
        pSecond->AttachToTabbedBar(pFirst, TAVOP_DM_SHOW, TRUE, &pTabbed);
        pTabbedBar = DYNAMIC_DOWNCAST(CTavoPTabbedControlBar, pTabbed);
        ASSERT_NE(nullptr, pTabbedBar);
        pTabs = DYNAMIC_DOWNCAST(CTavoPTabWnd, pTabbedBar->GetUnderlinedWindow());
        ASSERT_NE(nullptr, pTabs);
        ASSERT_EQ(2, pTabs->GetTabsNum());
        PumpFor(30);
    }
    // A tab's middle on the screen.
    CPoint TabOnScreen(int iTab)
    {
        CRect rect;
        pTabs->GetTabRect(iTab, rect);
        CPoint point = rect.CenterPoint();
        pTabs->ClientToScreen(&point);
        return point;
    }
    bool IsTab(CWnd* pPane) { return pTabs->GetTabFromHwnd(pPane->GetSafeHwnd()) >= 0; }

    CaptionPane* pFirst = nullptr;
    CaptionPane* pSecond = nullptr;
    CTavoPTabbedControlBar* pTabbedBar = nullptr;
    CTavoPTabWnd* pTabs = nullptr;
};

} // namespace

TEST_F(TabDetach, DragOutOfTheStripTearsOffOnlyPastTheDragDistance)
{
    ASSERT_TRUE(pTabs->SetActiveTab(1));
    CRect rectGroup;
    pTabbedBar->GetWindowRect(rectGroup);
    const CPoint ptTab = TabOnScreen(1);
    CRect rectStrip, rectNone;
    pTabs->GetTabArea(rectNone, rectStrip);
    // Above the strip, over the page: out of the strip.
    CPoint ptOut(rectStrip.CenterPoint().x, rectStrip.top - 20);
    const int cxDrag = ::GetSystemMetrics(SM_CXDRAG), cyDrag = ::GetSystemMetrics(SM_CYDRAG);

    // The cursor a pixel away from the press: a click, not a tear.
    ::SetCursorPos(ptTab.x, ptTab.y);
    CPoint ptDown = ptTab;
    pTabs->ScreenToClient(&ptDown);
    pTabs->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptDown.x, ptDown.y));
    ::SetCursorPos(ptTab.x + 1, ptTab.y - std::min(1, cyDrag - 1));
    pTabs->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptOut.x, ptOut.y));
    EXPECT_TRUE(IsTab(pSecond));
    EXPECT_EQ(nullptr, pSecond->GetParentMiniFrame(TRUE));
    pTabs->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptDown.x, ptDown.y));
    EXPECT_EQ(2, pTabs->GetTabsNum());
    (void)cxDrag;

    // A real drag well past the distance floats the pane where the mouse lets go.
    const CPoint ptDrop(ptTab.x + 250, ptTab.y - 150);
    RunMouse(DragSteps(ptTab, ptDrop));
    PumpFor(100);
    EXPECT_FALSE(IsTab(pSecond));
    EXPECT_NE(nullptr, pSecond->GetParentMiniFrame(TRUE));
    EXPECT_TRUE(pSecond->IsWindowVisible());
    // Alone, the other pane would show no strip: it takes the group's place as a pane.
    EXPECT_FALSE(IsTab(pFirst));
    EXPECT_EQ(pFrame, pFirst->GetParent());
    EXPECT_EQ(rectGroup, pFirst->ScreenRect());
    EXPECT_TRUE(pFirst->IsWindowVisible());
    EXPECT_FALSE(pTabbedBar->IsWindowVisible());
    EXPECT_NE(pTabs->GetSafeHwnd(), ::GetCapture());
}

TEST_F(TabDetach, DoubleClickOnATabFloatsItsPane)
{
    // The strip stays for a single tab: the pane left is still a tab to try.
    pTabs->HideSingleTab(FALSE);
    ASSERT_TRUE(pTabs->SetActiveTab(0));
    CPoint point = TabOnScreen(0);
    pTabs->ScreenToClient(&point);
    pTabs->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PumpFor(50);
    EXPECT_FALSE(IsTab(pFirst));
    EXPECT_NE(nullptr, pFirst->GetParentMiniFrame(TRUE));
    EXPECT_TRUE(IsTab(pSecond));

    // A tab that may not float stays.
    ASSERT_TRUE(pTabs->EnableTabDetach(pTabs->GetTabFromHwnd(pSecond->GetSafeHwnd()), FALSE));
    CRect rect;
    pTabs->GetTabRect(0, rect);
    pTabs->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON,
                       MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    EXPECT_TRUE(IsTab(pSecond));
}

TEST_F(TabDetach, CaptionFollowsTheActiveTabAndItsRename)
{
    ASSERT_TRUE(pTabs->SetActiveTab(1));
    CString strText;
    pTabbedBar->GetWindowText(strText);
    EXPECT_STREQ(_T("Second"), strText);
    ASSERT_TRUE(pTabs->SetTabLabel(1, _T("Stock")));
    pTabbedBar->GetWindowText(strText);
    EXPECT_STREQ(_T("Stock"), strText);
    // Another tab's new name leaves the caption alone.
    ASSERT_TRUE(pTabs->SetTabLabel(0, _T("Sales")));
    pTabbedBar->GetWindowText(strText);
    EXPECT_STREQ(_T("Stock"), strText);

    pTabbedBar->EnableSetCaptionTextToTabName(FALSE);
    ASSERT_TRUE(pTabs->SetActiveTab(0));
    ASSERT_TRUE(pTabs->SetTabLabel(0, _T("Returns")));
    pTabbedBar->GetWindowText(strText);
    EXPECT_STREQ(_T("Stock"), strText);
}

TEST_F(TabDetach, PlainWindowsAreWrappedAsPanes)
{
    pTabs->EnableWrapping(TRUE);
    CWnd list;
    ASSERT_TRUE(list.CreateEx(0, _T("LISTBOX"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 50, 50,
                              pFrame->GetSafeHwnd(), (HMENU)0x7405));
    const int iTab = pTabs->AddTab(&list, _T("List"));
    ASSERT_GE(iTab, 0);
    auto* pWrapper = DYNAMIC_DOWNCAST(CTavoPDockingCBWrapper, pTabs->GetTabWnd(iTab));
    ASSERT_NE(nullptr, pWrapper);
    EXPECT_EQ(&list, pWrapper->GetWrappedWnd());
    EXPECT_EQ(pWrapper, list.GetParent());
    EXPECT_EQ(0x7405, pWrapper->GetDlgCtrlID());
    EXPECT_EQ(&list, pTabs->GetTabWndNoWrapper(iTab));
    EXPECT_TRUE(pTabs->IsTabDetachable(iTab));
    CString strText;
    pWrapper->GetWindowText(strText);
    EXPECT_STREQ(_T("List"), strText);

    // Not detachable, or with wrapping off, the window goes in as it is.
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, _T("EDIT"), _T(""), WS_CHILD, 0, 0, 50, 20, pFrame->GetSafeHwnd(),
                              (HMENU)0x7406));
    const int iEdit = pTabs->AddTab(&edit, _T("Edit"), (UINT)-1, FALSE);
    EXPECT_EQ(&edit, pTabs->GetTabWnd(iEdit));
    pTabs->RemoveTab(iEdit);
    // The wrapper the tab window made is its own: it goes with its window.
    EXPECT_TRUE(pWrapper->IsAutoDestroy());
    const HWND hWrapper = pWrapper->GetSafeHwnd();
    pTabs->RemoveTab(pTabs->GetTabFromHwnd(hWrapper));
    if (::IsWindow(hWrapper))
        ::DestroyWindow(hWrapper);
}

TEST_F(TabDetach, APlaceholderWrapperTakesTheNextPlainWindow)
{
    pTabs->EnableWrapping(TRUE);
    auto* pReady = new CTavoPDockingCBWrapper;
    pReady->SetInitialRect(CRect(0, 0, 240, 160));
    pReady->SetDefaultAlignment(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    ASSERT_TRUE(pTabbedBar->SetWrapperPlaceholder(pReady));
    EXPECT_EQ(pReady, pTabbedBar->GetWrapperPlaceholder());

    CWnd lists[2];
    CTavoPDockingCBWrapper* wrappers[2] = {};
    for (int i = 0; i < 2; i++)
    {
        ASSERT_TRUE(lists[i].CreateEx(0, _T("LISTBOX"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 50, 50,
                                      pFrame->GetSafeHwnd(), (HMENU)(UINT_PTR)(0x7407 + i)));
        const int iTab = pTabs->AddTab(&lists[i], i == 0 ? _T("Ready") : _T("Fresh"));
        ASSERT_GE(iTab, 0);
        wrappers[i] = DYNAMIC_DOWNCAST(CTavoPDockingCBWrapper, pTabs->GetTabWnd(iTab));
        ASSERT_NE(nullptr, wrappers[i]);
        EXPECT_EQ(&lists[i], wrappers[i]->GetWrappedWnd());
        EXPECT_EQ(0x7407 + i, wrappers[i]->GetDlgCtrlID());
        EXPECT_TRUE(wrappers[i]->IsAutoDestroy());
    }
    // The first plain window went into the wrapper made ready, with the sides it allows; the
    // next one into a new wrapper that allows every side.
    EXPECT_EQ(pReady, wrappers[0]);
    EXPECT_EQ(nullptr, pTabbedBar->GetWrapperPlaceholder());
    EXPECT_EQ((DWORD)(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT), wrappers[0]->GetEnabledAlignment());
    EXPECT_NE(pReady, wrappers[1]);
    EXPECT_EQ((DWORD)CBRS_ALIGN_ANY, wrappers[1]->GetEnabledAlignment());
    CString strText;
    wrappers[0]->GetWindowText(strText);
    EXPECT_STREQ(_T("Ready"), strText);
    // A wrapper with a window is a pane already, not one to make ready.
    EXPECT_FALSE(pTabbedBar->SetWrapperPlaceholder(wrappers[1]));
    EXPECT_EQ(nullptr, pTabbedBar->GetWrapperPlaceholder());

    for (CTavoPDockingCBWrapper* pWrapper : wrappers)
    {
        const HWND hWrapper = pWrapper->GetSafeHwnd();
        pTabs->RemoveTab(pTabs->GetTabFromHwnd(hWrapper));
        if (::IsWindow(hWrapper))
            ::DestroyWindow(hWrapper);
    }
}

TEST_F(TabDetach, LoadedTabListBringsAFloatingPaneBack)
{
    // The strip stays for a single tab: the pane left keeps the group.
    pTabs->HideSingleTab(FALSE);
    ASSERT_TRUE(pTabs->SetActiveTab(1));
    const Bytes bytes = StoreToBytes([&](CArchive& ar) { pTabs->Serialize(ar); });
    ASSERT_TRUE(pTabs->DetachTab(TAVOP_DM_RECENT, 1));
    ASSERT_FALSE(IsTab(pSecond));
    ASSERT_NE(nullptr, pSecond->GetParentMiniFrame(TRUE));

    LoadFromBytes(bytes, [&](CArchive& ar) { pTabs->Serialize(ar); });
    pTabs->ApplyRestoredTabInfo(TRUE);
    ASSERT_EQ(2, pTabs->GetTabsNum());
    EXPECT_EQ(pFirst, pTabs->GetTabWnd(0));
    EXPECT_EQ(pSecond, pTabs->GetTabWnd(1));
    EXPECT_EQ(1, pTabs->GetActiveTab());
    EXPECT_EQ(nullptr, pSecond->GetParentMiniFrame(TRUE));
    EXPECT_EQ(pTabs, pSecond->GetParent());
}
