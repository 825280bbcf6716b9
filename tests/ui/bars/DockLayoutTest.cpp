// The dock manager's layout pass, dock bars and their rows in a frame of known size, the docking utilities, print preview and show-all.
#include "tests/support/BarTestSupport.h"
#include "tests/support/DialogTemplate.h"
#include "ui/bars/docking/CTavoPAutoHideDockBar.h"
#include "ui/bars/docking/CTavoPAutoHideToolBar.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/CTavoPStatusBar.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class DockFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pFrame = TestFrame::Make(600, 400);
        ASSERT_NE(nullptr, pFrame);
    }
    void TearDown() override
    {
        if (pFrame != nullptr && ::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        PumpMessages();
    }
    CTavoPDockManager& Manager() { return *pFrame->GetDockManager(); }
    TestBar* NewBar(int nLength, int nThickness, UINT nID)
    {
        bars.emplace_back(new TestBar(nLength, nThickness));
        EXPECT_TRUE(bars.back()->Make(pFrame, nID));
        return bars.back().get();
    }
    // The view the layout leaves room for.
    CWnd* NewView()
    {
        view.reset(new CWnd);
        EXPECT_TRUE(view->CreateEx(0, AfxRegisterWndClass(0), "view", WS_CHILD | WS_VISIBLE,
                                   CRect(0, 0, 10, 10), pFrame, AFX_IDW_PANE_FIRST));
        return view.get();
    }
    int RowCount(DWORD dwAlignment)
    {
        return (int)pFrame->DockBar(dwAlignment)->GetRows().GetCount();
    }

    TestFrame* pFrame = nullptr;
    std::vector<std::unique_ptr<TestBar>> bars;
    std::unique_ptr<CWnd> view;
};

TEST_F(DockFixture, EnableDockingMakesHiddenDockBarsTopBottomLeftRightOnce)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    const CObList& lst = Manager().GetDockedBars();
    ASSERT_EQ(4, lst.GetCount());
    const DWORD order[] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};
    const UINT ids[] = {0xE81B, 0xE81E, 0xE81C, 0xE81D};
    POSITION pos = lst.GetHeadPosition();
    for (int i = 0; i < 4; i++)
    {
        CTavoPDockBar* pDockBar = DYNAMIC_DOWNCAST(CTavoPDockBar, lst.GetNext(pos));
        ASSERT_NE(nullptr, pDockBar);
        EXPECT_EQ(order[i], pDockBar->GetCurrentAlignment());
        EXPECT_EQ(ids[i], (UINT)pDockBar->GetDlgCtrlID());
        EXPECT_FALSE(pDockBar->IsWindowVisible());
    }
    EXPECT_EQ(CRect(0, 0, 600, 0), pFrame->InFrame(pFrame->DockBar(CBRS_ALIGN_TOP)));
    EXPECT_EQ(CRect(0, 0, 600, 400), Manager().GetClientAreaBounds());
}

TEST_F(DockFixture, DockingBeforeDockingIsEnabledDoesNothing)
{
    TestBar* pBar = NewBar(200, 24, 101);
    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(nullptr, pBar->GetParentDockBar());
    EXPECT_EQ(pFrame, pBar->GetParent());
    EXPECT_TRUE(Manager().GetDockedBars().IsEmpty());
}

TEST_F(DockFixture, BarsOnAllFourSidesLeaveTheViewInTheMiddle)
{
    CWnd* pView = NewView();
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar* pTop = NewBar(200, 24, 101);
    TestBar* pBottom = NewBar(150, 20, 102);
    TestBar* pLeft = NewBar(100, 30, 103);
    TestBar* pRight = NewBar(120, 40, 104);
    pFrame->DockControlBar(pTop, AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(pBottom, AFX_IDW_DOCKBAR_BOTTOM);
    pFrame->DockControlBar(pLeft, AFX_IDW_DOCKBAR_LEFT);
    pFrame->DockControlBar(pRight, AFX_IDW_DOCKBAR_RIGHT);
    pFrame->RecalcLayout();

    EXPECT_EQ(CRect(0, 0, 600, 24), pFrame->InFrame(pFrame->DockBar(CBRS_ALIGN_TOP)));
    EXPECT_EQ(CRect(0, 380, 600, 400), pFrame->InFrame(pFrame->DockBar(CBRS_ALIGN_BOTTOM)));
    EXPECT_EQ(CRect(0, 24, 30, 380), pFrame->InFrame(pFrame->DockBar(CBRS_ALIGN_LEFT)));
    EXPECT_EQ(CRect(560, 24, 600, 380), pFrame->InFrame(pFrame->DockBar(CBRS_ALIGN_RIGHT)));
    EXPECT_EQ(CRect(30, 24, 560, 380), Manager().GetClientAreaBounds());
    EXPECT_EQ(CRect(30, 24, 560, 380), Manager().GetOuterEdgeBounds());
    EXPECT_EQ(CRect(30, 24, 560, 380), pFrame->InFrame(pView));

    EXPECT_EQ(CRect(0, 0, 200, 24), pTop->RectInFrame(pFrame));
    EXPECT_EQ(CRect(0, 380, 150, 400), pBottom->RectInFrame(pFrame));
    EXPECT_EQ(CRect(0, 24, 30, 124), pLeft->RectInFrame(pFrame));
    EXPECT_EQ(CRect(560, 24, 600, 144), pRight->RectInFrame(pFrame));
    EXPECT_EQ(CBRS_ALIGN_LEFT | CBRS_BORDER_ANY,
              pLeft->GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY | CBRS_FLOATING));
    EXPECT_FALSE(pLeft->IsHorizontal());
}

TEST_F(DockFixture, ResizableBarThickerThanTheRoomLeftIsCutToFit)
{
    CWnd* pView = NewView();
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    pFrame->DockControlBar(NewBar(200, 24, 101), AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(NewBar(100, 30, 103), AFX_IDW_DOCKBAR_LEFT);
    TestPane pane(1000);
    ASSERT_TRUE(pane.Make(pFrame, 200, CBRS_ALIGN_LEFT));
    ASSERT_TRUE(pFrame->AddControlBar(&pane));
    pFrame->RecalcLayout();

    EXPECT_EQ(CRect(30, 24, 600, 400), pFrame->InFrame(&pane));
    EXPECT_EQ(CRect(30, 24, 600, 400), Manager().GetOuterEdgeBounds());
    EXPECT_EQ(CRect(600, 24, 600, 400), Manager().GetClientAreaBounds());
    EXPECT_EQ(CRect(600, 24, 600, 400), pFrame->InFrame(pView));
    pane.DestroyWindow();
}

TEST_F(DockFixture, ABarLongerThanItsRowIsCutAndGrowsBack)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar* pBar = NewBar(700, 24, 101);
    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    EXPECT_EQ(CRect(0, 0, 600, 24), pBar->RectInFrame(pFrame));
    pFrame->Resize(800, 400);
    EXPECT_EQ(CRect(0, 0, 700, 24), pBar->RectInFrame(pFrame));
}

// Takes its whole row and wraps like the menu bar: 600 pixels of buttons in rows of 24.
class WrappingBar : public TestBar
{
public:
    WrappingBar() : TestBar(600, 24) { SetRowExclusive(TRUE); }
    CSize CalcStretchedSize(int nLength, BOOL bVert) override
    {
        m_nLength = std::max(nLength, 1);
        m_nThickness = 24 * ((600 + m_nLength - 1) / m_nLength);
        return bVert ? CSize(m_nThickness, m_nLength) : CSize(m_nLength, m_nThickness);
    }
};

TEST_F(DockFixture, AWrappingBarKeepsItsRowToItselfAndTheRowsBehindFollowItsThickness)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    NewView();
    bars.emplace_back(new WrappingBar);
    TestBar* pMenu = bars.back().get();
    ASSERT_TRUE(pMenu->Make(pFrame, 101));
    TestBar* pTool = NewBar(150, 24, 102);
    pFrame->DockControlBar(pMenu, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    // Dropped onto the wrapping bar's row, the bar opens a row of its own behind it.
    CRect rectDrop(400, 0, 550, 24);
    pFrame->ClientToScreen(rectDrop);
    pFrame->DockControlBar(pTool, AFX_IDW_DOCKBAR_TOP, rectDrop);
    pFrame->RecalcLayout();
    EXPECT_EQ(2, RowCount(CBRS_ALIGN_TOP));
    EXPECT_EQ(CRect(0, 0, 600, 24), pMenu->RectInFrame(pFrame));
    EXPECT_EQ(24, pTool->RectInFrame(pFrame).top);

    const struct
    {
        int cx;
        int nThickness;
    } widths[] = {{250, 72}, {300, 48}, {600, 24}};
    for (const auto& w : widths)
    {
        pFrame->Resize(w.cx, 400);
        EXPECT_EQ(CRect(0, 0, w.cx, w.nThickness), pMenu->RectInFrame(pFrame)) << w.cx;
        EXPECT_EQ(w.nThickness, pTool->RectInFrame(pFrame).top) << w.cx;
        EXPECT_EQ(w.nThickness + 24, pFrame->InFrame(view.get()).top) << w.cx;
    }
}

TEST_F(DockFixture, ADockedToolbarIsNeverSqueezedBelowItsMinimum)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    SnappingToolBar bar;
    ASSERT_TRUE(bar.Make(pFrame, 101));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    EXPECT_EQ(138, pFrame->InFrame(&bar).Width());
    pFrame->Resize(30, 400);
    EXPECT_EQ(40, pFrame->InFrame(&bar).Width());
    pFrame->Resize(600, 400);
    EXPECT_EQ(138, pFrame->InFrame(&bar).Width());
    bar.DestroyWindow();
}

TEST_F(DockFixture, TwoBarsInOneRowShrinkFromTheLastAndGrowBack)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar* pFirst = NewBar(200, 24, 101);
    TestBar* pSecond = NewBar(200, 24, 102);
    pFrame->DockControlBar(pFirst, AFX_IDW_DOCKBAR_TOP);
    CRect rectInRow(300, 5, 301, 6);
    pFrame->ClientToScreen(rectInRow);
    pFrame->DockControlBar(pSecond, AFX_IDW_DOCKBAR_TOP, rectInRow);
    ASSERT_EQ(1, RowCount(CBRS_ALIGN_TOP));
    ASSERT_EQ(pFirst->GetDockRow(), pSecond->GetDockRow());
    EXPECT_EQ(CRect(0, 0, 200, 24), pFirst->RectInFrame(pFrame));
    EXPECT_EQ(CRect(200, 0, 400, 24), pSecond->RectInFrame(pFrame));

    pFrame->Resize(300, 400);
    EXPECT_EQ(CRect(0, 0, 200, 24), pFirst->RectInFrame(pFrame));
    EXPECT_EQ(CRect(200, 0, 300, 24), pSecond->RectInFrame(pFrame));

    pFrame->Resize(600, 400);
    EXPECT_EQ(CRect(0, 0, 200, 24), pFirst->RectInFrame(pFrame));
    EXPECT_EQ(CRect(200, 0, 400, 24), pSecond->RectInFrame(pFrame));
    EXPECT_EQ(CRect(0, 0, 600, 24), pFrame->InFrame(pFrame->DockBar(CBRS_ALIGN_TOP)));
}

TEST_F(DockFixture, TheLastBarLeavingARowDeletesItAndTheRowsBehindMoveOut)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar* pFirst = NewBar(200, 24, 101);
    TestBar* pSecond = NewBar(150, 30, 102);
    pFrame->DockControlBar(pFirst, AFX_IDW_DOCKBAR_BOTTOM);
    pFrame->DockControlBar(pSecond, AFX_IDW_DOCKBAR_BOTTOM);
    ASSERT_EQ(2, RowCount(CBRS_ALIGN_BOTTOM));
    EXPECT_EQ(CRect(0, 346, 600, 400), pFrame->InFrame(pFrame->DockBar(CBRS_ALIGN_BOTTOM)));

    pFirst->Undock(FALSE);
    EXPECT_EQ(1, RowCount(CBRS_ALIGN_BOTTOM));
    EXPECT_EQ(nullptr, pFirst->GetDockRow());
    EXPECT_EQ(CRect(0, 370, 600, 400), pFrame->InFrame(pFrame->DockBar(CBRS_ALIGN_BOTTOM)));
    EXPECT_EQ(CRect(0, 370, 150, 400), pSecond->RectInFrame(pFrame));
    EXPECT_EQ(0, pSecond->GetDockRow()->GetOffset());
}

TEST_F(DockFixture, HidingTheOnlyBarOfARowFoldsTheRowAway)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar* pBar = NewBar(200, 24, 101);
    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
    CTavoPDockBarRow* pRow = pBar->GetDockRow();
    ASSERT_NE(nullptr, pRow);

    pBar->ShowControlBar(FALSE, FALSE, FALSE);
    EXPECT_FALSE(pRow->IsVisible());
    EXPECT_EQ(CSize(32767, 0), pRow->CalcFixedLayout(FALSE, TRUE));
    EXPECT_EQ(CRect(0, 0, 600, 400), Manager().GetClientAreaBounds());

    pBar->ShowControlBar(TRUE, FALSE, FALSE);
    EXPECT_TRUE(pRow->IsVisible());
    EXPECT_EQ(CSize(200, 24), pRow->CalcFixedLayout(FALSE, TRUE));
    EXPECT_EQ(CRect(0, 24, 600, 400), Manager().GetClientAreaBounds());
}

TEST_F(DockFixture, DockingByRectangleBelowAllRowsAppendsARow)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar* pFirst = NewBar(200, 24, 101);
    TestBar* pSecond = NewBar(100, 20, 102);
    pFrame->DockControlBar(pFirst, AFX_IDW_DOCKBAR_TOP);
    CRect rectBelow(10, 200, 110, 220);
    pFrame->ClientToScreen(rectBelow);
    pFrame->DockControlBar(pSecond, AFX_IDW_DOCKBAR_TOP, rectBelow);
    ASSERT_EQ(2, RowCount(CBRS_ALIGN_TOP));
    EXPECT_EQ(20, pSecond->GetDockRow()->GetThickness());
    EXPECT_EQ(24, pSecond->GetDockRow()->GetOffset());
    EXPECT_EQ(CRect(0, 0, 600, 44), pFrame->InFrame(pFrame->DockBar(CBRS_ALIGN_TOP)));
}

TEST_F(DockFixture, ABarThatMayNotFloatIsOnlyListed)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar bar(200, 24);
    ASSERT_TRUE(bar.Make(pFrame, 101, 0));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(nullptr, bar.GetParentDockBar());
    EXPECT_EQ(Manager().GetDockedBars().GetTailPosition(), Manager().GetDockedBars().Find(&bar));
    Manager().RemoveControlBar(&bar);
    bar.DestroyWindow();
}

TEST_F(DockFixture, PrintPreviewHidesAllButTheStatusBarAndRestoresExactlyThat)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar* pTop = NewBar(200, 24, 101);
    TestBar* pLeft = NewBar(100, 30, 102);
    TestBar* pFloating = NewBar(80, 24, 103);
    pFrame->DockControlBar(pTop, AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(pLeft, AFX_IDW_DOCKBAR_LEFT);
    pFrame->DockControlBar(pFloating, AFX_IDW_DOCKBAR_TOP);
    ASSERT_TRUE(pFloating->FloatControlBar(CRect(300, 300, 380, 324), TAVOP_DM_RECT, TRUE));
    CTavoPMiniFrameWnd* pMiniFrame = pFloating->GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);
    pLeft->ShowControlBar(FALSE, FALSE, FALSE);
    CTavoPStatusBar status;
    ASSERT_TRUE(status.Create(NULL, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, CRect(0, 380, 600, 400),
                              pFrame, AFX_IDW_STATUS_BAR));
    ASSERT_TRUE(pFrame->AddControlBar(&status));

    std::vector<CWnd*> windows = {pFrame->DockBar(CBRS_ALIGN_TOP),
                                  pFrame->DockBar(CBRS_ALIGN_BOTTOM),
                                  pFrame->DockBar(CBRS_ALIGN_LEFT),
                                  pFrame->DockBar(CBRS_ALIGN_RIGHT),
                                  pTop,
                                  pLeft,
                                  pMiniFrame,
                                  &status};
    std::vector<BOOL> before;
    for (CWnd* pWnd : windows)
        before.push_back(pWnd->IsWindowVisible());
    ASSERT_TRUE(before[0] && before[2] && before[6] && !before[5]);

    CPrintPreviewState state;
    pFrame->OnSetPreviewMode(TRUE, &state);
    EXPECT_TRUE(Manager().IsPrintPreviewValid());
    EXPECT_FALSE(pFrame->DockBar(CBRS_ALIGN_TOP)->IsWindowVisible());
    EXPECT_FALSE(pFrame->DockBar(CBRS_ALIGN_LEFT)->IsWindowVisible());
    EXPECT_FALSE(pMiniFrame->IsWindowVisible());
    EXPECT_TRUE(status.IsWindowVisible());

    pFrame->OnSetPreviewMode(FALSE, &state);
    for (size_t i = 0; i < windows.size(); i++)
        EXPECT_EQ(before[i], windows[i]->IsWindowVisible()) << "window " << i;
    EXPECT_EQ(CRect(0, 24, 600, 400 - status.CalcFixedLayout(FALSE, TRUE).cy),
              Manager().GetClientAreaBounds());
    pMiniFrame->DestroyWindow();
    status.DestroyWindow();
}

TEST_F(DockFixture, ShowAllBarsHidesTheDockBarsAndRestoresExactlyThem)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar* pTop = NewBar(200, 24, 101);
    TestBar* pRight = NewBar(100, 30, 102);
    pFrame->DockControlBar(pTop, AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(pRight, AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(CRect(0, 24, 570, 400), Manager().GetClientAreaBounds());

    EXPECT_TRUE(pFrame->ShowControlBars(FALSE));
    EXPECT_FALSE(pFrame->ShowControlBars(FALSE));
    EXPECT_FALSE(pFrame->DockBar(CBRS_ALIGN_TOP)->IsWindowVisible());
    EXPECT_FALSE(pFrame->DockBar(CBRS_ALIGN_RIGHT)->IsWindowVisible());
    EXPECT_FALSE(pFrame->DockBar(CBRS_ALIGN_BOTTOM)->IsWindowVisible());
    EXPECT_EQ(CRect(0, 0, 600, 400), Manager().GetClientAreaBounds());

    // Print preview changes nothing while all bars are hidden.
    CPrintPreviewState state;
    pFrame->OnSetPreviewMode(TRUE, &state);
    pFrame->OnSetPreviewMode(FALSE, &state);
    EXPECT_FALSE(pFrame->DockBar(CBRS_ALIGN_TOP)->IsWindowVisible());

    EXPECT_TRUE(pFrame->ShowControlBars(TRUE));
    EXPECT_TRUE(pFrame->DockBar(CBRS_ALIGN_TOP)->IsWindowVisible());
    EXPECT_TRUE(pFrame->DockBar(CBRS_ALIGN_RIGHT)->IsWindowVisible());
    EXPECT_FALSE(pFrame->DockBar(CBRS_ALIGN_BOTTOM)->IsWindowVisible());
    EXPECT_TRUE(pTop->IsWindowVisible());
    EXPECT_EQ(CRect(0, 24, 570, 400), Manager().GetClientAreaBounds());
}

TEST_F(DockFixture, FindBarByIDLooksInDockBarsAndFloatingFrames)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar* pDocked = NewBar(200, 24, 101);
    TestBar* pFloating = NewBar(80, 24, 102);
    pFrame->DockControlBar(pDocked, AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(pFloating, AFX_IDW_DOCKBAR_TOP);
    ASSERT_TRUE(pFloating->FloatControlBar(CRect(300, 300, 380, 324), TAVOP_DM_RECT, TRUE));
    EXPECT_EQ(pDocked, pFrame->GetControlBar(101));
    EXPECT_EQ(pFloating, pFrame->GetControlBar(102));
    EXPECT_EQ(pFrame->DockBar(CBRS_ALIGN_TOP), Manager().FindDockBarForBar(pDocked));
    EXPECT_EQ(nullptr, pFrame->GetControlBar(999));
    pFloating->GetParentMiniFrame()->DestroyWindow();
    PumpMessages();
    EXPECT_EQ(nullptr, pFrame->GetControlBar(102));
}

TEST_F(DockFixture, ABarDeletedWithItsWindowLeavesNothingForTheNextLayout)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar* pKept = NewBar(200, 24, 101);
    pFrame->DockControlBar(pKept, AFX_IDW_DOCKBAR_TOP);
    TestBar* pDocked = new TestBar(150, 24);
    ASSERT_TRUE(pDocked->Make(pFrame, 102));
    pFrame->DockControlBar(pDocked, AFX_IDW_DOCKBAR_TOP);
    TestBar* pListed = new TestBar(600, 20);
    ASSERT_TRUE(pListed->Make(pFrame, 103));
    ASSERT_TRUE(pFrame->AddControlBar(pListed));
    ASSERT_EQ(pFrame->DockBar(CBRS_ALIGN_TOP), pDocked->GetParentDockBar());

    // Deleted as they are, windows and all: neither the dock bar nor the manager keeps them.
    delete pDocked;
    delete pListed;
    EXPECT_EQ(nullptr, pFrame->GetControlBar(102));
    EXPECT_EQ(nullptr, Manager().GetDockedBars().Find(pListed));
    EXPECT_EQ(1, pFrame->DockBar(CBRS_ALIGN_TOP)->GetDockedBars().GetCount());
    pFrame->RecalcLayout();
    EXPECT_EQ(CRect(0, 0, 200, 24), pKept->RectInFrame(pFrame));
    EXPECT_EQ(CRect(0, 24, 600, 400), Manager().GetClientAreaBounds());
}

TEST_F(DockFixture, ALoadedBarReturnsToItsRowAndVisibility)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    pFrame->DockControlBar(NewBar(200, 24, 101), AFX_IDW_DOCKBAR_BOTTOM);
    TestBar* pBar = NewBar(150, 20, 102);
    CTavoPRecentDockInfo& recent = pBar->GetRecentDockInfo();
    recent.m_dwRecentAlignmentToFrame = CBRS_ALIGN_BOTTOM;
    recent.m_nRecentRowIndex = 2;
    recent.m_recentSliderInfo.m_rectRecentDockedRect.SetRect(300, 0, 450, 20);
    pBar->SetStoredVisibility(FALSE);

    // While a loaded layout is applied, the rows up to the stored one are made.
    CTavoPDockManager::m_bRestoringDockState = TRUE;
    pBar->RestoreDockState(&Manager());
    CTavoPDockManager::m_bRestoringDockState = FALSE;
    EXPECT_EQ(pFrame->DockBar(CBRS_ALIGN_BOTTOM), pBar->GetParentDockBar());
    EXPECT_EQ(2, pFrame->DockBar(CBRS_ALIGN_BOTTOM)->FindRowIndex(pBar->GetDockRow()));
    EXPECT_FALSE(pBar->IsWindowVisible());
}

TEST_F(DockFixture, AStoredRowBeyondEveryLayoutDocksOnANewLastRow)
{
    // 0x0FFF4ECE was read from a damaged "RecentRowIndex": one row, not 268 million.
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    pFrame->DockControlBar(NewBar(200, 24, 101), AFX_IDW_DOCKBAR_BOTTOM);
    for (int nStored : {0x0FFF4ECE, 40})
    {
        TestBar* pBar = NewBar(150, 20, 102 + (UINT)RowCount(CBRS_ALIGN_BOTTOM));
        pBar->GetRecentDockInfo().m_dwRecentAlignmentToFrame = CBRS_ALIGN_BOTTOM;
        pBar->GetRecentDockInfo().m_nRecentRowIndex = nStored;
        const int nRowsBefore = RowCount(CBRS_ALIGN_BOTTOM);
        CTavoPDockManager::m_bRestoringDockState = TRUE;
        pBar->RestoreDockState(&Manager());
        CTavoPDockManager::m_bRestoringDockState = FALSE;
        EXPECT_EQ(nRowsBefore + 1, RowCount(CBRS_ALIGN_BOTTOM)) << nStored;
        EXPECT_EQ(nRowsBefore, pFrame->DockBar(CBRS_ALIGN_BOTTOM)->FindRowIndex(pBar->GetDockRow()))
            << nStored;
    }
}

TEST_F(DockFixture, TheAutoHideDockBarHoldsItsStripsInOneRowTwoPixelsThicker)
{
    CTavoPDockBar* pDockBar = nullptr;
    ASSERT_TRUE(
        Manager().AddDockBar(CBRS_ALIGN_LEFT, RUNTIME_CLASS(CTavoPAutoHideDockBar), &pDockBar));
    CTavoPAutoHideToolBar strip, other;
    ASSERT_TRUE(strip.Create(NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 22, 80), pFrame, 1));
    ASSERT_TRUE(other.Create(NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 22, 60), pFrame, 2));
    TestBar bar(100, 24);
    ASSERT_TRUE(bar.Make(pFrame, 3));
    EXPECT_FALSE(pDockBar->CanAcceptBar(&bar));
    EXPECT_TRUE(pDockBar->CanAcceptBar(&strip));
    for (CTavoPAutoHideToolBar* pStrip : {&strip, &other})
    {
        pStrip->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(pStrip->DockToBar(pDockBar, NULL, TAVOP_DM_RECT));
    }
    ASSERT_EQ(1, pDockBar->GetRows().GetCount());
    EXPECT_EQ(strip.GetDockRow(), other.GetDockRow());
    EXPECT_EQ(24, strip.GetDockRow()->GetThickness());
    EXPECT_EQ(24, pFrame->InFrame(pDockBar).Width());
    EXPECT_TRUE(pDockBar->IsWindowVisible());
    strip.DestroyWindow();
    other.DestroyWindow();
}

TEST_F(DockFixture, OnlyABarInADialogTakesAMissingFrameForSuccess)
{
    DialogTemplate dialogTemplate("host", 100, 60, WS_POPUP);
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get(), nullptr));
    TestBar inDialog(100, 24), alone(100, 24);
    ASSERT_TRUE(inDialog.Make(&dialog, 1));
    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, AfxRegisterWndClass(0), "plain", WS_POPUP, CRect(0, 0, 50, 50),
                               nullptr, 0));
    ASSERT_TRUE(alone.Make(&plain, 2));

    EXPECT_EQ(nullptr, inDialog.GetDockSiteFrame());
    EXPECT_TRUE(inDialog.IsDialogHosted());
    EXPECT_TRUE(inDialog.AddControlBar(&inDialog));
    // That one bar sits in a dialog says nothing about another.
    EXPECT_FALSE(alone.IsDialogHosted());
    EXPECT_FALSE(alone.AddControlBar(&alone));
    inDialog.DestroyWindow();
    alone.DestroyWindow();
    plain.DestroyWindow();
    dialog.DestroyWindow();
}

TEST_F(DockFixture, AFloatingBarDocksByHowMuchOfItLiesBeyondTheCursorAndNeverWithoutExtent)
{
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    pFrame->DockControlBar(NewBar(200, 24, 101), AFX_IDW_DOCKBAR_TOP);
    TestBar* pBar = NewBar(100, 24, 102);
    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
    ASSERT_TRUE(pBar->FloatControlBar(CRect(300, 300, 400, 324), TAVOP_DM_RECT, TRUE));
    CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);

    // The cursor 10 pixels below the top dock bar; the bar's top 20 pixels above the cursor,
    // so 83 percent of the bar lies below it: docking reaches 15 x 83 / 100 = 12 pixels.
    CRect rectDockBar;
    pFrame->DockBar(CBRS_ALIGN_TOP)->GetWindowRect(rectDockBar);
    const CPoint ptCursor(rectDockBar.left + 300, rectDockBar.bottom + 10);
    CRect rectBar, rectFrame;
    pBar->GetWindowRect(rectBar);
    pMiniFrame->GetWindowRect(rectFrame);
    rectFrame.OffsetRect(ptCursor.x - 10 - rectBar.left, ptCursor.y - 20 - rectBar.top);
    pMiniFrame->MoveWindow(rectFrame);
    ::SetCursorPos(ptCursor.x, ptCursor.y);

    CTavoPBaseControlBar* pTarget = nullptr;
    EXPECT_TRUE(pBar->DockTargetFromPoint(15, pTarget));
    EXPECT_EQ(pFrame->DockBar(CBRS_ALIGN_TOP), pTarget);
    EXPECT_FALSE(pBar->DockTargetFromPoint(11, pTarget));

    pBar->SetWindowPos(NULL, 0, 0, 100, 0, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(pBar->DockTargetFromPoint(15, pTarget));
    pMiniFrame->DestroyWindow();
}

// ---- docking utilities

TEST(DockingUtils, CheckPointNearEdgeFindsTheFirstEnabledSideWithinTheSensitivity)
{
    const CRect rect(100, 100, 300, 200);
    struct Case
    {
        CPoint point;
        int nSensitivity;
        BOOL bOutside;
        DWORD dwEnabled;
        BOOL bExpected;
        DWORD dwExpected;
    } cases[] = {
        {{150, 90}, 15, TRUE, CBRS_ALIGN_ANY, TRUE, CBRS_ALIGN_TOP},
        {{150, 80}, 15, TRUE, CBRS_ALIGN_ANY, FALSE, 0},
        {{150, 85}, 15, TRUE, CBRS_ALIGN_ANY, TRUE, CBRS_ALIGN_TOP},
        {{150, 84}, 15, TRUE, CBRS_ALIGN_ANY, FALSE, 0},
        {{150, 84}, 16, TRUE, CBRS_ALIGN_ANY, TRUE, CBRS_ALIGN_TOP},
        {{150, 100}, 15, TRUE, CBRS_ALIGN_ANY, FALSE, 0},
        {{150, 110}, 15, FALSE, CBRS_ALIGN_ANY, TRUE, CBRS_ALIGN_TOP},
        {{95, 95}, 15, TRUE, CBRS_ALIGN_ANY, TRUE, CBRS_ALIGN_TOP},
        {{95, 95}, 15, TRUE, CBRS_ALIGN_ANY & ~CBRS_ALIGN_TOP, TRUE, CBRS_ALIGN_LEFT},
        {{305, 150}, 15, TRUE, CBRS_ALIGN_ANY, TRUE, CBRS_ALIGN_RIGHT},
        {{290, 150}, 15, FALSE, CBRS_ALIGN_ANY, TRUE, CBRS_ALIGN_RIGHT},
        {{290, 150}, 15, TRUE, CBRS_ALIGN_ANY, FALSE, 0},
        {{150, 199}, 15, FALSE, CBRS_ALIGN_ANY, TRUE, CBRS_ALIGN_BOTTOM},
        {{150, 214}, 15, TRUE, CBRS_ALIGN_ANY, TRUE, CBRS_ALIGN_BOTTOM},
        {{150, 215}, 15, TRUE, CBRS_ALIGN_ANY, FALSE, 0},
        {{150, 90}, 15, TRUE, CBRS_ALIGN_LEFT, FALSE, 0},
    };
    for (const Case& c : cases)
    {
        DWORD dwAlignment = 0;
        EXPECT_EQ(c.bExpected,
                  GetDockingUtils().CheckPointNearEdge(c.point, nullptr, c.nSensitivity, c.bOutside,
                                                       dwAlignment, c.dwEnabled, rect))
            << c.point.x << "," << c.point.y << " s=" << c.nSensitivity;
        if (c.bExpected)
        {
            EXPECT_EQ(c.dwExpected, dwAlignment) << c.point.x << "," << c.point.y;
        }
    }
    DWORD dwAlignment = 0;
    EXPECT_FALSE(
        GetDockingUtils().CheckPointNearEdge(CPoint(150, 90), nullptr, 15, TRUE, dwAlignment));
}

TEST(DockingUtils, RotateRectTurnsItsSidesByTheAngle)
{
    struct Case
    {
        int nDegrees;
        RECT expected;
    } cases[] = {
        {90, {40, 10, 20, 30}},
        {180, {10, 40, 30, 20}},
        {-90, {20, 30, 40, 10}},
        {45, {10, 20, 30, 40}},
    };
    for (const Case& c : cases)
    {
        RECT rect = {10, 20, 30, 40};
        CTavoPDockingUtils::RotateRect(&rect, c.nDegrees);
        EXPECT_EQ(CRect(c.expected), CRect(rect)) << c.nDegrees;
    }
}

TEST(DockingUtils, GetDockManagerAnswersForLibraryFramesOnly)
{
    TestFrame* pFrame = TestFrame::Make();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(pFrame->GetDockManager(), GetDockingUtils().GetDockManager(pFrame));
    CFrameWnd* pPlain = new CFrameWnd;
    ASSERT_TRUE(pPlain->Create(NULL, "plain", WS_POPUP));
    EXPECT_EQ(nullptr, GetDockingUtils().GetDockManager(pPlain));
    EXPECT_EQ(nullptr, GetDockingUtils().GetDockManager(nullptr));

    CDialog dialog;
    GetDockingUtils().m_bDialogHost = FALSE;
    EXPECT_EQ(nullptr, GetDockingUtils().GetDockManager(&dialog));
    EXPECT_TRUE(GetDockingUtils().m_bDialogHost);
    pPlain->DestroyWindow();
    pFrame->DestroyWindow();
}

TEST(ControlBar, InsideRectLosesBordersAndTheGripperOnlyWhileDocked)
{
    TestFrame* pFrame = TestFrame::Make();
    ASSERT_NE(nullptr, pFrame);
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    TestBar bar(100, 30);
    ASSERT_TRUE(bar.Make(pFrame, 101));
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_GRIPPER);
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);

    CRect rect(0, 0, 100, 100);
    bar.CalcInsideRect(rect, FALSE);
    // Borders 1 each, then left += top border 2, top += left border 6, right -= bottom border
    // 2, bottom -= right border 6, and the vertical gripper 7 at the top.
    EXPECT_EQ(CRect(3, 14, 97, 93), rect);

    ASSERT_TRUE(bar.FloatControlBar(CRect(300, 300, 400, 330), TAVOP_DM_RECT, TRUE));
    rect.SetRect(0, 0, 100, 100);
    bar.CalcInsideRect(rect, TRUE);
    EXPECT_EQ(CRect(6, 2, 94, 98), rect);
    pFrame->DestroyWindow();
    PumpMessages();
}

}
