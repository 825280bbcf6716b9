// Docking panes sharing one place as tabs: a pane dropped on another's caption or on a tab strip with the real mouse, a tab closed, detached or removed, an emptied group going away; and the wrapper that makes any window a docking pane and keeps its caption in the registry.
#include "tests/support/RegistryTestKey.h"
#include "tests/ui/bars/DockingPaneSupport.h"
#include "ui/bars/docking/CTavoPDockingCBWrapper.h"
#include "ui/bars/docking/CTavoPDragFrame.h"
#include "ui/bars/docking/CTavoPTabbedControlBar.h"
#include "ui/bars/tabs/CTavoPTabWnd.h"

namespace {

// A tabbed pane that counts its deletions, for the bars that own themselves.
class CountedTabbedBar : public CTavoPTabbedControlBar
{
public:
    explicit CountedTabbedBar(BOOL bAutoDestroy) : CTavoPTabbedControlBar(bAutoDestroy) {}
    ~CountedTabbedBar() override { s_nDeleted++; }
    static int s_nDeleted;
};
int CountedTabbedBar::s_nDeleted = 0;

class TabbedPane : public PaneFrameFixture
{
protected:
    // A named pane docked by the frame.
    CaptionPane* Docked(UINT nID, LPCTSTR lpszText, UINT nDockBarID, CSize size)
    {
        CaptionPane* pPane = AddPane(nID, lpszText, size);
        pFrame->DockControlBar(pPane, nDockBarID);
        PumpFor(30);
        return pPane;
    }
    static CTavoPBaseTabbedBar* TabbedBarOf(CTavoPBaseControlBar* pPane)
    {
        HWND hWndTab = NULL;
        CTavoPBaseTabWnd* pTabWnd = pPane->GetParentTabWnd(hWndTab);
        return pTabWnd != NULL ? DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pTabWnd->GetParent()) : NULL;
    }
    // pPane attached to pTarget as a drop does it.
    CTavoPBaseTabbedBar* Group(CaptionPane* pTarget, CaptionPane* pPane)
    {
        CTavoPDockingControlBar* pTabbed = NULL;
        pPane->AttachToTabbedBar(pTarget, TAVOP_DM_DROP, TRUE, &pTabbed);
        PumpFor(30);
        return DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pTabbed);
    }
    // "First" docked on the left and "Second" dropped on it: a group of two, "Second" active.
    CTavoPBaseTabbedBar* GroupOfTwo(UINT nID, CaptionPane*& pFirst, CaptionPane*& pSecond)
    {
        pFirst = Docked(nID, "First", AFX_IDW_DOCKBAR_LEFT, CSize(260, 400));
        pSecond = Docked(nID + 1, "Second", AFX_IDW_DOCKBAR_RIGHT, CSize(120, 400));
        return Group(pFirst, pSecond);
    }
    static std::vector<std::string> Labels(CTavoPBaseTabbedBar* pBar)
    {
        std::vector<std::string> labels;
        for (int i = 0; i < pBar->GetTabsNum(); i++)
        {
            CString strLabel;
            pBar->GetUnderlinedWindow()->GetTabLabel(i, strLabel);
            labels.push_back((LPCTSTR)strLabel);
        }
        return labels;
    }
    static CString Text(CWnd* pWnd)
    {
        CString strText;
        pWnd->GetWindowText(strText);
        return strText;
    }
    static CRect ScreenRect(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        return rect;
    }
    // A point of the tab strip right of the tabs.
    static CPoint StripPoint(CTavoPBaseTabbedBar* pBar)
    {
        CRect rectTop, rectBottom;
        pBar->GetTabArea(rectTop, rectBottom);
        const CRect rect = rectTop.IsRectEmpty() ? rectBottom : rectTop;
        return CPoint(rect.right - 10, rect.CenterPoint().y);
    }
};

// The clock of the floating frame's rest before it docks: every reading 300 ms on.
DWORD WINAPI RunningClock()
{
    static DWORD s_dwNow = 0;
    return s_dwNow += 300;
}

} // namespace

TEST_F(TabbedPane, DroppingAPaneOnACaptionMakesATabbedPaneWithTheTargetFirst)
{
    const struct
    {
        const char* name;
        int nMode;
    } cases[] = {{"outline", TAVOP_DOCK_OUTLINE}, {"immediate", TAVOP_DOCK_IMMEDIATE}};
    UINT nID = 500;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CaptionPane* pTarget = Docked(nID++, "Target", AFX_IDW_DOCKBAR_LEFT, CSize(240, 400));
        CaptionPane* pPane = Docked(nID++, "Dropped", AFX_IDW_DOCKBAR_RIGHT, CSize(120, 400));
        pPane->SetDockingMode(c.nMode);
        const CRect rectTarget = pTarget->ScreenRect();
        CTavoPSlider* pSlider = pTarget->GetDefaultSlider();
        ASSERT_NE(nullptr, pSlider);
        const CPoint from = pPane->GripPoint();
        const CPoint to = pTarget->GripPoint();

        BOOL bTabShown = FALSE;
        if (c.nMode == TAVOP_DOCK_OUTLINE)
        {
            // The tab-shaped outline promises the tab before the release.
            RunMouse(DragSteps(from, to, true), [&] {
                bTabShown = pPane->GetDragFrame().m_bFrameTabDrawn &&
                            pPane->GetDragFrame().m_pOldTargetBar == pTarget;
            });
        }
        else
        {
            // Torn off at once, the floating frame rests on the caption until it docks there.
            CTavoPDockManager::m_pfnTickCount = RunningClock;
            RunMouse({{MouseStep::Move, from.x, from.y},
                      {MouseStep::Down, 0, 0},
                      {MouseStep::Move, from.x - 10, from.y + 30},
                      {MouseStep::Move, (from.x + to.x) / 2, to.y + 30},
                      {MouseStep::Move, to.x + 2, to.y},
                      {MouseStep::Move, to.x, to.y},
                      {MouseStep::Move, to.x, to.y + 1},
                      {MouseStep::Up, 0, 0}});
            CTavoPDockManager::m_pfnTickCount = ::GetTickCount;
            bTabShown = TRUE;
        }
        PumpFor(60);
        EXPECT_TRUE(bTabShown);

        CTavoPBaseTabbedBar* pTabbed = TabbedBarOf(pTarget);
        ASSERT_NE(nullptr, pTabbed);
        EXPECT_EQ(pTabbed, TabbedBarOf(pPane));
        EXPECT_TRUE(pTabbed->IsKindOf(RUNTIME_CLASS(CTavoPTabbedControlBar)));
        EXPECT_TRUE(pTabbed->IsAutoDestroy());
        ASSERT_EQ(2, pTabbed->GetTabsNum());
        EXPECT_EQ(pTarget, pTabbed->FindBarByTabNumber(0));
        EXPECT_EQ(pPane, pTabbed->FindBarByTabNumber(1));
        EXPECT_EQ(1, pTabbed->GetUnderlinedWindow()->GetActiveTab());
        EXPECT_EQ(CString("Dropped"), Text(pTabbed)) << "the caption follows the active tab";
        // The group stands where the target stood, in its node of the tree.
        EXPECT_EQ(rectTarget, ScreenRect(pTabbed));
        EXPECT_EQ(pSlider, pTabbed->GetDefaultSlider());
        EXPECT_EQ(nullptr, pTarget->GetDefaultSlider());
        EXPECT_EQ(0, pTarget->GetCaptionHeight());
        EXPECT_EQ(0, pPane->GetCaptionHeight());
        EXPECT_TRUE(pPane->IsWindowVisible());
        EXPECT_FALSE(pTarget->IsWindowVisible()) << "only the active tab's page shows";
        // The dropped pane's old place is given back.
        CRect rectClient;
        pFrame->GetClientRect(rectClient);
        EXPECT_EQ(rectClient.right, Manager()->GetClientAreaBounds().right);

        pTabbed->DestroyWindow();
        PumpFor(30);
    }
}

TEST_F(TabbedPane, TabStripShowsAPlaceholderTabWhileTheCursorIsOverItAndTakesTheDrop)
{
    CaptionPane *pFirst = NULL, *pSecond = NULL;
    CTavoPBaseTabbedBar* pTabbed = GroupOfTwo(520, pFirst, pSecond);
    ASSERT_NE(nullptr, pTabbed);
    CaptionPane* pThird = Docked(522, "Third", AFX_IDW_DOCKBAR_RIGHT, CSize(120, 400));
    pThird->SetDockingMode(TAVOP_DOCK_OUTLINE);
    const CPoint from = pThird->GripPoint();
    const CPoint strip = StripPoint(pTabbed);
    const CPoint away = ClientOnScreen().CenterPoint() + CPoint(40, 0);

    std::vector<std::vector<std::string>> seen;
    std::vector<BOOL> outlines;
    RunMouse({{MouseStep::Move, from.x, from.y},
              {MouseStep::Down, 0, 0},
              {MouseStep::Move, from.x - 20, from.y + 20},
              {MouseStep::Move, (from.x + strip.x) / 2, strip.y},
              {MouseStep::Move, strip.x, strip.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Move, away.x, away.y},
              {MouseStep::Move, away.x + 1, away.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Move, strip.x - 1, strip.y},
              {MouseStep::Move, strip.x, strip.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Up, 0, 0}},
             [&] {
                 seen.push_back(Labels(pTabbed));
                 outlines.push_back(!pThird->GetDragFrame().m_rectDrag.IsRectEmpty() &&
                                    pThird->GetDragFrame().m_nInsertedTabID == -1);
             });
    PumpFor(60);

    ASSERT_EQ(3u, seen.size());
    const std::vector<std::string> withPlaceholder = {"First", "Second", "Third"};
    const std::vector<std::string> without = {"First", "Second"};
    EXPECT_EQ(withPlaceholder, seen[0]);
    EXPECT_EQ(without, seen[1]) << "the placeholder goes before the floating outline shows";
    EXPECT_TRUE(outlines[1]);
    EXPECT_EQ(withPlaceholder, seen[2]);

    ASSERT_EQ(3, pTabbed->GetTabsNum());
    EXPECT_EQ(pThird, pTabbed->FindBarByTabNumber(2));
    EXPECT_EQ(withPlaceholder, Labels(pTabbed));
    EXPECT_FALSE(CTavoPDragFrame::GetPlaceholderBar(pThird)->IsWindowVisible());
}

TEST_F(TabbedPane, CloseButtonHidesTheActiveTabAndClosesTheBarWithTheLastVisibleTab)
{
    CaptionPane *pFirst = NULL, *pSecond = NULL;
    CTavoPBaseTabbedBar* pTabbed = GroupOfTwo(530, pFirst, pSecond);
    ASSERT_NE(nullptr, pTabbed);
    ASSERT_NE(0, Manager()->GetClientAreaBounds().left);
    auto clickClose = [&] {
        // Apart enough that two clicks make no double click.
        PumpFor(::GetDoubleClickTime() + 50);
        const CPoint pt =
            pTabbed->GetCaptionButton(0).GetRect().CenterPoint() + ScreenRect(pTabbed).TopLeft();
        RunMouse({{MouseStep::Move, pt.x, pt.y},
                  {MouseStep::Down, 0, 0},
                  {MouseStep::Up, 0, 0},
                  {MouseStep::Move, pt.x + 300, pt.y + 200}});
        PumpFor(40);
    };

    clickClose();
    EXPECT_TRUE(pTabbed->IsWindowVisible());
    EXPECT_EQ(1, pTabbed->GetVisibleTabsNum());
    EXPECT_FALSE(pSecond->IsVisible()) << "the active tab hides";
    EXPECT_TRUE(pFirst->IsVisible());
    EXPECT_EQ(0, pTabbed->GetUnderlinedWindow()->GetActiveTab());
    EXPECT_EQ(CString("First"), Text(pTabbed));

    clickClose();
    EXPECT_FALSE(pTabbed->IsWindowVisible()) << "the last visible tab closes the bar";
    EXPECT_EQ(0, pTabbed->GetVisibleTabsNum());
    EXPECT_EQ(2, pTabbed->GetTabsNum());
    EXPECT_EQ(0, Manager()->GetClientAreaBounds().left) << "the frame takes the space back";

    // Showing a tab again brings its group back.
    pFirst->ShowControlBar(TRUE, FALSE, TRUE);
    PumpFor(30);
    EXPECT_TRUE(pTabbed->IsWindowVisible());
    EXPECT_TRUE(pFirst->IsVisible());
    EXPECT_FALSE(pSecond->IsVisible());
}

TEST_F(TabbedPane, AQuickSecondClickOnTheCloseButtonClosesTheNextTabAndOneAwayFloatsTheGroup)
{
    CaptionPane *pFirst = NULL, *pSecond = NULL;
    CTavoPBaseTabbedBar* pTabbed = GroupOfTwo(560, pFirst, pSecond);
    ASSERT_NE(nullptr, pTabbed);
    PumpFor(::GetDoubleClickTime() + 50);
    // The second press comes as a double click, well within the double-click time.
    auto quickClicks = [&](CPoint pt) {
        RunMouse({{MouseStep::Move, pt.x, pt.y},
                  {MouseStep::Down, 0, 0},
                  {MouseStep::Up, 0, 0},
                  {MouseStep::Down, 0, 0},
                  {MouseStep::Up, 0, 0},
                  {MouseStep::Move, pt.x + 300, pt.y + 200}});
        PumpFor(40);
    };

    quickClicks(pTabbed->GetCaptionButton(0).GetRect().CenterPoint() +
                ScreenRect(pTabbed).TopLeft());
    EXPECT_FALSE(pFirst->IsVisible());
    EXPECT_FALSE(pSecond->IsVisible());
    EXPECT_FALSE(pTabbed->IsWindowVisible());
    EXPECT_FALSE(pTabbed->IsFloating());

    pFirst->ShowControlBar(TRUE, FALSE, TRUE);
    PumpFor(::GetDoubleClickTime() + 50);
    ASSERT_TRUE(pTabbed->IsWindowVisible());
    CRect rectCaption = pTabbed->GetCaptionRect();
    rectCaption.OffsetRect(ScreenRect(pTabbed).TopLeft());
    quickClicks(CPoint(rectCaption.left + 20, rectCaption.CenterPoint().y));
    EXPECT_TRUE(pTabbed->IsFloating()) << "a double click on the caption itself floats";
    EXPECT_TRUE(pFirst->IsVisible());
}

TEST_F(TabbedPane, DetachFloatsATabButNeverTheOnlyOne)
{
    CaptionPane *pFirst = NULL, *pSecond = NULL;
    CTavoPBaseTabbedBar* pTabbed = GroupOfTwo(540, pFirst, pSecond);
    ASSERT_NE(nullptr, pTabbed);
    // A strip shown for a single tab keeps the last pane a tab of the group.
    pTabbed->GetUnderlinedWindow()->HideSingleTab(FALSE);
    pSecond->GetRecentDockInfo().m_rectRecentFloatingRect = CRect(300, 200, 460, 330);

    EXPECT_TRUE(pTabbed->FloatTab(pSecond, -1));
    PumpFor(30);
    EXPECT_TRUE(pSecond->IsFloating());
    EXPECT_EQ(nullptr, TabbedBarOf(pSecond));
    ASSERT_NE(nullptr, pSecond->GetParentMiniFrame());
    EXPECT_EQ(CRect(300, 200, 460, 330), ScreenRect(pSecond->GetParentMiniFrame()));
    EXPECT_EQ(1, pTabbed->GetTabsNum());

    // The single tab stays, whichever way it is asked to go.
    EXPECT_FALSE(pTabbed->DetachControlBar(pFirst, 0, TAVOP_DM_RECENT, FALSE));
    EXPECT_FALSE(pTabbed->FloatTab(pFirst, 0));
    PumpFor(20);
    EXPECT_EQ(pTabbed, TabbedBarOf(pFirst));
    EXPECT_EQ(1, pTabbed->GetTabsNum());
    EXPECT_FALSE(pFirst->IsFloating());
}

TEST_F(TabbedPane, TheLastPaneTakesTheGroupsPlaceWhenItsStripWouldHide)
{
    const struct
    {
        const char* name;
        BOOL bFloating;
    } cases[] = {{"docked", FALSE}, {"floating", TRUE}};
    UINT nID = 590;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CaptionPane *pFirst = NULL, *pSecond = NULL;
        CTavoPBaseTabbedBar* pTabbed = GroupOfTwo(nID, pFirst, pSecond);
        nID += 2;
        ASSERT_NE(nullptr, pTabbed);
        ASSERT_TRUE(pTabbed->HasAutoHideSingleTab());
        if (c.bFloating)
        {
            ASSERT_TRUE(pTabbed->FloatControlBar(CRect(300, 150, 560, 450), TAVOP_DM_SHOW, TRUE));
            PumpFor(30);
        }
        CTavoPMiniFrameWnd* pMiniFrame = pTabbed->GetParentMiniFrame(TRUE);
        ASSERT_EQ(c.bFloating, pMiniFrame != nullptr);
        CTavoPSlider* pSlider = pTabbed->GetDefaultSlider();
        const CRect rectGroup = ScreenRect(pTabbed);
        const DWORD dwAlignment = pTabbed->GetCurrentAlignment();
        const CRect rectBounds = Manager()->GetClientAreaBounds();
        pSecond->GetRecentDockInfo().m_rectRecentFloatingRect = CRect(600, 200, 760, 330);

        ASSERT_TRUE(pTabbed->FloatTab(pSecond, -1, TAVOP_DM_SHOW));
        PumpFor(30);
        EXPECT_TRUE(pSecond->IsFloating());
        EXPECT_NE(pMiniFrame, pSecond->GetParentMiniFrame(TRUE));
        // The group is left hidden and empty; the pane stands where it stood, as a pane.
        EXPECT_EQ(nullptr, TabbedBarOf(pFirst));
        EXPECT_EQ(0, pTabbed->GetTabsNum());
        EXPECT_FALSE(pTabbed->IsWindowVisible());
        EXPECT_TRUE(pFirst->IsWindowVisible());
        EXPECT_EQ(rectGroup, ScreenRect(pFirst));
        EXPECT_EQ(dwAlignment, pFirst->GetCurrentAlignment());
        if (c.bFloating)
        {
            EXPECT_EQ(pMiniFrame, pFirst->GetParentMiniFrame(TRUE));
            EXPECT_EQ(pFirst, CTavoPMiniFrameWnd::FindFloatingBarByID(nID - 2));
            EXPECT_EQ(CString("First"), pMiniFrame->GetCaptionText());
            EXPECT_EQ(0, pFirst->GetCaptionHeight()) << "alone, the frame's caption is its own";
        }
        else
        {
            EXPECT_EQ(pFrame, pFirst->GetParent());
            ASSERT_NE(nullptr, pSlider);
            EXPECT_EQ(pSlider, pFirst->GetDefaultSlider());
            EXPECT_TRUE(pSlider->IsBarInTree(pFirst));
            EXPECT_FALSE(pSlider->IsBarInTree(pTabbed));
            EXPECT_EQ(nullptr, pTabbed->GetDefaultSlider());
            EXPECT_GT(pFirst->GetCaptionHeight(), 0);
            EXPECT_NE(nullptr, Manager()->GetDockedBars().Find(pFirst));
            EXPECT_EQ(nullptr, Manager()->GetDockedBars().Find(pTabbed));
            EXPECT_EQ(rectBounds, Manager()->GetClientAreaBounds()) << "the place keeps its size";
            // Sent back, the pane finds its group's place held by the pane that stayed.
            pSecond->DockToBar(NULL, NULL, TAVOP_DM_RECENT);
            PumpFor(30);
            CTavoPBaseTabbedBar* pBack = TabbedBarOf(pSecond);
            ASSERT_NE(nullptr, pBack) << "it joins that pane as a tab again";
            EXPECT_EQ(pBack, TabbedBarOf(pFirst));
            EXPECT_EQ(2, pBack->GetTabsNum());
            EXPECT_EQ(rectGroup, ScreenRect(pBack));
            EXPECT_FALSE(pSecond->IsFloating());
        }
    }
}

TEST_F(TabbedPane, RemovingTheLastTabDestroysABarThatOwnsItself)
{
    const struct
    {
        const char* name;
        BOOL bAutoDestroy;
    } cases[] = {{"made by a drop", TRUE}, {"made by the program", FALSE}};
    UINT nID = 550;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CountedTabbedBar::s_nDeleted = 0;
        CountedTabbedBar* pTabbed = new CountedTabbedBar(c.bAutoDestroy);
        ASSERT_TRUE(pTabbed->Create("", pFrame, CRect(0, 0, 200, 400), TRUE, nID++,
                                    WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT,
                                    TAVOP_TABBED_STYLE_TABBED));
        pFrame->DockControlBar(pTabbed, AFX_IDW_DOCKBAR_LEFT);
        CaptionPane* pFirst = AddPane(nID++, "First", CSize(100, 100));
        CaptionPane* pSecond = AddPane(nID++, "Second", CSize(100, 100));
        ASSERT_TRUE(pTabbed->AddTab(pFirst));
        ASSERT_TRUE(pTabbed->AddTab(pSecond));
        PumpFor(30);
        const HWND hTabbed = pTabbed->GetSafeHwnd();
        ASSERT_NE(0, Manager()->GetClientAreaBounds().left);

        CaptionPane* pStranger = AddPane(nID++, "Stranger", CSize(100, 100));
        EXPECT_FALSE(pTabbed->RemoveControlBar(pStranger));
        EXPECT_TRUE(pTabbed->RemoveControlBar(pFirst));
        EXPECT_EQ(1, pTabbed->GetTabsNum());
        EXPECT_FALSE(pTabbed->RemoveControlBar(pSecond)) << "the bar went with its last tab";
        PumpFor(30);
        EXPECT_FALSE(::IsWindow(hTabbed));
        EXPECT_EQ(c.bAutoDestroy ? 1 : 0, CountedTabbedBar::s_nDeleted);
        EXPECT_EQ(0, Manager()->GetClientAreaBounds().left) << "its place is given back";
        if (!c.bAutoDestroy)
            delete pTabbed;
    }
    // A bar the program deletes while its window is up takes its window and tab window along.
    CountedTabbedBar* pKept = new CountedTabbedBar(FALSE);
    ASSERT_TRUE(pKept->Create("", pFrame, CRect(0, 0, 200, 400), TRUE, nID,
                              WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, TAVOP_TABBED_STYLE_TABBED));
    const HWND hTabWnd = pKept->GetUnderlinedWindow()->GetSafeHwnd();
    CountedTabbedBar::s_nDeleted = 0;
    delete pKept;
    EXPECT_EQ(1, CountedTabbedBar::s_nDeleted);
    EXPECT_FALSE(::IsWindow(hTabWnd));
}

TEST_F(TabbedPane, AGroupWhosePanesAreDestroyedGoesAfterThem)
{
    CaptionPane *pFirst = NULL, *pSecond = NULL;
    CTavoPBaseTabbedBar* pTabbed = GroupOfTwo(560, pFirst, pSecond);
    ASSERT_NE(nullptr, pTabbed);
    const HWND hTabbed = pTabbed->GetSafeHwnd();

    pSecond->DestroyWindow();
    PumpFor(20);
    ASSERT_TRUE(::IsWindow(hTabbed));
    EXPECT_EQ(1, pTabbed->GetTabsNum());
    EXPECT_EQ(pFirst, pTabbed->FindBarByTabNumber(0));

    pFirst->DestroyWindow();
    PumpFor(30);
    EXPECT_FALSE(::IsWindow(hTabbed));
    EXPECT_EQ(0, Manager()->GetClientAreaBounds().left);
}

TEST_F(TabbedPane, AGroupAddedToAnotherHandsOverItsTabsInOrderAndGoes)
{
    CaptionPane* pA = Docked(570, "A", AFX_IDW_DOCKBAR_LEFT, CSize(200, 400));
    CaptionPane* pB = Docked(571, "B", AFX_IDW_DOCKBAR_LEFT, CSize(200, 400));
    CaptionPane* pC = Docked(572, "C", AFX_IDW_DOCKBAR_RIGHT, CSize(150, 400));
    CaptionPane* pD = Docked(573, "D", AFX_IDW_DOCKBAR_RIGHT, CSize(150, 400));
    CTavoPBaseTabbedBar* pFirst = Group(pA, pB);
    CTavoPBaseTabbedBar* pSecond = Group(pC, pD);
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    pSecond->GetUnderlinedWindow()->ShowTab(0, FALSE);
    const HWND hSecond = pSecond->GetSafeHwnd();

    EXPECT_FALSE(pFirst->AddTab(pSecond)) << "the group itself is not a tab";
    PumpFor(30);
    EXPECT_FALSE(::IsWindow(hSecond));
    const std::vector<std::string> expected = {"A", "B", "C", "D"};
    EXPECT_EQ(expected, Labels(pFirst));
    EXPECT_EQ(pFirst, TabbedBarOf(pC));
    EXPECT_EQ(pFirst, TabbedBarOf(pD));
    EXPECT_FALSE(pFirst->GetUnderlinedWindow()->IsTabVisible(2)) << "a hidden tab stays hidden";
    EXPECT_TRUE(pFirst->GetUnderlinedWindow()->IsTabVisible(3));
    EXPECT_EQ(0, pD->GetCaptionHeight());
}

TEST_F(TabbedPane, CaptionFollowsTheActiveTabOnlyWhenAskedTo)
{
    const struct
    {
        const char* name;
        BOOL bFollow;
        const char* lpszCaption;
    } cases[] = {{"following", TRUE, "First"}, {"kept", FALSE, "Second"}};
    UINT nID = 580;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CaptionPane *pFirst = NULL, *pSecond = NULL;
        CTavoPBaseTabbedBar* pTabbed = GroupOfTwo(nID, pFirst, pSecond);
        nID += 2;
        ASSERT_NE(nullptr, pTabbed);
        ASSERT_EQ(CString("Second"), Text(pTabbed));
        pTabbed->EnableSetCaptionTextToTabName(c.bFollow);
        pFirst->ShowControlBar(TRUE, FALSE, TRUE);
        PumpFor(20);
        EXPECT_EQ(0, pTabbed->GetUnderlinedWindow()->GetActiveTab());
        EXPECT_EQ(CString(c.lpszCaption), Text(pTabbed));
        // A tab's text becomes its label.
        pSecond->SetWindowText("Renamed");
        CString strLabel;
        pTabbed->GetUnderlinedWindow()->GetTabLabel(1, strLabel);
        EXPECT_EQ(CString("Renamed"), strLabel);
        pTabbed->DestroyWindow();
        PumpFor(20);
    }
}

namespace {

const char kRoot[] = "SOFTWARE\\VorlenTests Wrapper";
const char kProfile[] = "SOFTWARE\\VorlenTests Wrapper\\";

class DockingWrapper : public DockingFrameFixture
{
protected:
    void TearDown() override
    {
        DockingFrameFixture::TearDown();
        delete pWrapper;
        delete pInner;
    }
    // A wrapper around an edit control, captioned "Original".
    void MakeWrapper(UINT nID)
    {
        pWrapper = new CTavoPDockingCBWrapper;
        ASSERT_TRUE(pWrapper->Create("Original", pFrame, CRect(0, 0, 200, 150), TRUE, nID,
                                     WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT));
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame, 77));
        ASSERT_TRUE(pWrapper->SetWrappedWnd(&edit));
    }
    static std::string Key(int nID)
    {
        return std::string(kProfile) + "TavoPDockingCBWrapper-" + std::to_string(nID);
    }
    RegistryTestKey key{kRoot};
    CTavoPDockingCBWrapper* pWrapper = nullptr;
    CaptionPane* pInner = nullptr;
    CEdit edit;
};

} // namespace

TEST_F(DockingWrapper, APlainWindowDocksOnEverySideAndFillsTheWrapper)
{
    MakeWrapper(600);
    EXPECT_EQ((DWORD)CBRS_ALIGN_ANY, pWrapper->GetEnabledAlignment());
    EXPECT_EQ(pWrapper, edit.GetParent());
    EXPECT_EQ(&edit, pWrapper->GetWrappedWnd());
    pWrapper->CWnd::SetWindowPos(NULL, 0, 0, 230, 170, SWP_NOZORDER | SWP_NOMOVE);
    CRect rectClient, rectEdit;
    pWrapper->GetClientRect(rectClient);
    edit.GetWindowRect(rectEdit);
    pWrapper->ScreenToClient(rectEdit);
    EXPECT_EQ(rectClient, rectEdit);
}

TEST_F(DockingWrapper, AWrappedBarHandsOverItsSidesAndDockedPlace)
{
    pInner = new CaptionPane;
    ASSERT_TRUE(pInner->Make(pFrame, 611, "Inner", CSize(100, 100)));
    pInner->EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    pInner->GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect = CRect(1, 2, 91, 302);
    pWrapper = new CTavoPDockingCBWrapper;
    ASSERT_TRUE(pWrapper->Create("Wrapper", pFrame, CRect(0, 0, 200, 150), TRUE, 610,
                                 WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT));
    ASSERT_TRUE(pWrapper->SetWrappedWnd(pInner));
    EXPECT_EQ((DWORD)(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT), pWrapper->GetEnabledAlignment());
    EXPECT_EQ(CRect(1, 2, 91, 302),
              pWrapper->GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect);
    EXPECT_EQ(pInner->GetBehaviourFlags(), pWrapper->GetBehaviourFlags());
}

TEST_F(DockingWrapper, CaptionComesBackFromTheRegistryOnlyWhenStored)
{
    const struct
    {
        const char* name;
        const char* lpszStored; // nullptr: no key at all
        BOOL bLoaded;
        const char* lpszCaption;
    } cases[] = {
        {"stored name", "Stock list", TRUE, "Stock list"},
        {"empty name", "", TRUE, "Original"},
        {"no key", nullptr, FALSE, "Original"},
    };
    UINT nID = 620;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        key.Remove();
        delete pWrapper;
        pWrapper = NULL;
        if (edit.GetSafeHwnd() != NULL)
            edit.DestroyWindow();
        MakeWrapper(nID);
        if (c.lpszStored != nullptr)
        {
            // The key as a save leaves it, then the name as the case has it.
            pWrapper->SetWindowText(c.lpszStored[0] != '\0' ? c.lpszStored : "Original");
            ASSERT_TRUE(pWrapper->SaveState(kProfile));
            ASSERT_TRUE(RegistryTestKey::Exists(Key((int)nID)));
            RegistryTestKey::SetString(Key((int)nID), "BarName", c.lpszStored);
            pWrapper->SetWindowText("Original");
        }
        const CRect rectFloatBefore = pWrapper->GetRecentDockInfo().m_rectRecentFloatingRect;
        EXPECT_EQ(c.bLoaded, pWrapper->LoadState(kProfile));
        EXPECT_EQ(CString(c.lpszCaption), [&] {
            CString strText;
            pWrapper->GetWindowText(strText);
            return strText;
        }());
        if (!c.bLoaded)
        {
            EXPECT_EQ(rectFloatBefore, pWrapper->GetRecentDockInfo().m_rectRecentFloatingRect);
        }
        nID++;
    }
}
