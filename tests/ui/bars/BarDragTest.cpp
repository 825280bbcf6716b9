// Bars dragged with synthetic mouse input: along and across rows, out into a floating frame, as an outline, cancelled.
#include "tests/support/BarTestSupport.h"
#include "ui/bars/docking/CTavoPTabPlaceholderBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

// The frame's client area starts at (100, 100) on the screen.
const int kLeft = 100;
const int kTop = 100;

class DragFixture : public DockingFrameFixture
{
protected:
    TestBar* NewBar(int nLength, UINT nID, int nMode)
    {
        bars.emplace_back(new TestBar(nLength, 24));
        EXPECT_TRUE(bars.back()->Make(pFrame, nID));
        bars.back()->SetDockingMode(nMode);
        return bars.back().get();
    }
    // A at 0 and B at 250 in the first top row; with bSecondRow, C alone in a second row.
    void DockRows(int nMode, bool bSecondRow)
    {
        pA = NewBar(200, 1, nMode);
        pB = NewBar(200, 2, nMode);
        pFrame->DockControlBar(pA, AFX_IDW_DOCKBAR_TOP);
        CRect rect(250, 5, 251, 6);
        pFrame->ClientToScreen(rect);
        pB->SetWindowPos(NULL, 250, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        pFrame->DockControlBar(pB, AFX_IDW_DOCKBAR_TOP, rect);
        if (bSecondRow)
        {
            pC = NewBar(150, 3, nMode);
            pFrame->DockControlBar(pC, AFX_IDW_DOCKBAR_TOP);
        }
        PumpMessages();
    }
    // Where to take a bar: the middle of its window.
    CPoint Grip(TestBar* pBar)
    {
        CRect rect;
        pBar->GetWindowRect(rect);
        return rect.CenterPoint();
    }
    void Drag(TestBar* pBar, CSize delta, const std::function<void()>& onPause = nullptr)
    {
        const CPoint from = Grip(pBar);
        RunMouse(DragSteps(from, from + delta, (bool)onPause), onPause);
    }
    int RowIndex(TestBar* pBar)
    {
        return pFrame->DockBar(CBRS_ALIGN_TOP)->FindRowIndex(pBar->GetDockRow());
    }

    std::vector<std::unique_ptr<TestBar>> bars;
    TestBar* pA = nullptr;
    TestBar* pB = nullptr;
    TestBar* pC = nullptr;
};

TEST_F(DragFixture, ImmediateDragsSlideChangeOrOpenRowsOrFloat)
{
    enum Outcome
    {
        Slides,   // stays in row 0, moved along by the horizontal delta
        JoinsC,   // moves into the row of C
        NewRow,   // moves into a row of its own behind row 0
        JoinsTop, // C moves into row 0
        Floats
    };
    struct Case
    {
        bool bSecondRow;
        char chBar;
        CSize delta;
        Outcome outcome;
    } cases[] = {
        {true, 'A', CSize(30, 10), Slides},   {true, 'A', CSize(0, 20), NewRow},
        {true, 'A', CSize(0, 44), JoinsC},    {false, 'A', CSize(0, 20), NewRow},
        {true, 'C', CSize(0, -20), JoinsTop}, {true, 'A', CSize(0, 150), Floats},
        {false, 'B', CSize(-30, 15), Slides},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.chBar << " by " << c.delta.cx << "," << c.delta.cy);
        TearDown();
        bars.clear();
        SetUp();
        DockRows(TAVOP_DOCK_IMMEDIATE, c.bSecondRow);
        TestBar* pBar = c.chBar == 'A' ? pA : c.chBar == 'B' ? pB : pC;
        const CRect rectBefore = pBar->RectInFrame(pFrame);
        Drag(pBar, c.delta);
        EXPECT_FALSE(pBar->IsDragging());
        switch (c.outcome)
        {
        case Slides:
            EXPECT_EQ(0, RowIndex(pBar));
            EXPECT_EQ(rectBefore.left + c.delta.cx, pBar->RectInFrame(pFrame).left);
            EXPECT_EQ(0, pBar->RectInFrame(pFrame).top);
            break;
        case JoinsC:
            EXPECT_EQ(pC->GetDockRow(), pBar->GetDockRow());
            EXPECT_EQ(24, pBar->RectInFrame(pFrame).top);
            break;
        case NewRow:
            EXPECT_EQ(1, RowIndex(pBar));
            EXPECT_EQ(1, pBar->GetDockRow()->GetBars().GetCount());
            EXPECT_EQ(CRect(0, 0, 600, c.bSecondRow ? 72 : 48),
                      pFrame->InFrame(pFrame->DockBar(CBRS_ALIGN_TOP)));
            break;
        case JoinsTop:
            EXPECT_EQ(pA->GetDockRow(), pBar->GetDockRow());
            EXPECT_EQ(1, pFrame->DockBar(CBRS_ALIGN_TOP)->GetRows().GetCount());
            break;
        case Floats:
        {
            EXPECT_TRUE(pBar->IsFloating());
            EXPECT_EQ(nullptr, pBar->GetParentDockBar());
            CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
            ASSERT_NE(nullptr, pMiniFrame);
            EXPECT_TRUE(pMiniFrame->IsWindowVisible());
            EXPECT_FALSE(pMiniFrame->IsMoving());
            // The frame followed the mouse: the release point lies on it.
            CPoint ptCursor;
            ::GetCursorPos(&ptCursor);
            CRect rectFrame;
            pMiniFrame->GetWindowRect(rectFrame);
            EXPECT_TRUE(rectFrame.PtInRect(ptCursor));
            EXPECT_EQ(nullptr, pFrame->DockBar(CBRS_ALIGN_TOP)->FindRowForBar(pBar));
            EXPECT_EQ(nullptr, pFrame->DockBar(CBRS_ALIGN_TOP)->FindBarByID(1));
            break;
        }
        }
    }
}

TEST_F(DragFixture, PastTheMiddleOfItsNeighbourABarSwapsWithItLessOnlyPushes)
{
    DockRows(TAVOP_DOCK_IMMEDIATE, false);
    Drag(pA, CSize(100, 0));
    EXPECT_EQ(CRect(100, 0, 300, 24), pA->RectInFrame(pFrame));
    EXPECT_EQ(CRect(300, 0, 500, 24), pB->RectInFrame(pFrame));
    EXPECT_EQ(pA, pA->GetDockRow()->GetBars().GetHead());

    Drag(pA, CSize(150, 0));
    EXPECT_EQ(pB, pA->GetDockRow()->GetBars().GetHead());
    EXPECT_LT(pB->RectInFrame(pFrame).right, pA->RectInFrame(pFrame).left + 1);
    EXPECT_GE(pB->RectInFrame(pFrame).left, 0);
    EXPECT_LE(pA->RectInFrame(pFrame).right, 600);
}

TEST_F(DragFixture, AnOutlineDragShowsTheOutlineAndLeavesTheBarDocked)
{
    DockRows(TAVOP_DOCK_OUTLINE, false);
    const CRect rectBefore = pA->RectInFrame(pFrame);
    CTavoPDragFrame& dragFrame = pA->GetDragFrame();
    bool bPaused = false;
    Drag(pA, CSize(150, 100), [&]() {
        bPaused = true;
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        EXPECT_TRUE(pA->IsDragging());
        EXPECT_TRUE(dragFrame.m_bDragStarted);
        EXPECT_TRUE(dragFrame.m_rectExpectedDocked.IsRectEmpty());
        // The floating outline has the bar's floating size and hangs from the cursor.
        EXPECT_EQ(CRect(ptCursor.x - 100, ptCursor.y - 5, ptCursor.x + 100, ptCursor.y + 19),
                  dragFrame.m_rectDrag);
        EXPECT_EQ(rectBefore, pA->RectInFrame(pFrame));
    });
    EXPECT_TRUE(bPaused);
    EXPECT_FALSE(pA->IsDragging());
    EXPECT_FALSE(dragFrame.m_bDragStarted);
    EXPECT_TRUE(dragFrame.m_rectDrag.IsRectEmpty());
    EXPECT_EQ(rectBefore, pA->RectInFrame(pFrame));
    EXPECT_EQ(pFrame->DockBar(CBRS_ALIGN_TOP), pA->GetParentDockBar());
}

TEST_F(DragFixture, AShortPressAndDragDrawsNoOutline)
{
    DockRows(TAVOP_DOCK_OUTLINE, false);
    Drag(pA, CSize(2, 2), [&]() {
        EXPECT_TRUE(pA->IsDragging());
        EXPECT_FALSE(pA->GetDragFrame().m_bDragStarted);
    });
    EXPECT_FALSE(pA->GetDragFrame().m_bDragStarted);
}

TEST_F(DragFixture, EscapeAndLostCaptureEndTheDragLikeCancelMode)
{
    struct Case
    {
        int nMode;
        int nHow; // 0 WM_CANCELMODE, 1 Esc, 2 capture taken by another window
    } cases[] = {{TAVOP_DOCK_IMMEDIATE, 0}, {TAVOP_DOCK_IMMEDIATE, 1}, {TAVOP_DOCK_IMMEDIATE, 2},
                 {TAVOP_DOCK_OUTLINE, 0},   {TAVOP_DOCK_OUTLINE, 1},   {TAVOP_DOCK_OUTLINE, 2}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "mode " << c.nMode << " how " << c.nHow);
        TearDown();
        bars.clear();
        SetUp();
        DockRows(c.nMode, false);
        CWnd other;
        ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_CHILD | WS_VISIBLE,
                                   CRect(0, 300, 10, 310), pFrame, 900));
        const CPoint from = Grip(pA);
        std::vector<MouseStep> steps = {{MouseStep::Move, from.x, from.y},
                                        {MouseStep::Down, 0, 0},
                                        {MouseStep::Move, from.x + 20, from.y},
                                        {MouseStep::Move, from.x + 40, from.y},
                                        {MouseStep::Pause, 0, 0},
                                        {MouseStep::Move, from.x + 90, from.y},
                                        {MouseStep::Up, 0, 0}};
        CRect rectAtCancel;
        RunMouse(steps, [&]() {
            ASSERT_TRUE(pA->IsDragging());
            if (c.nHow == 0)
                pA->SendMessage(WM_CANCELMODE);
            else if (c.nHow == 1)
                pA->SendMessage(WM_CHAR, VK_ESCAPE, 1);
            else
                other.SetCapture();
            EXPECT_FALSE(pA->IsDragging());
            EXPECT_EQ(0, pA->GetDragMode());
            EXPECT_FALSE(pA->GetDragFrame().m_bDragStarted);
            if (c.nHow != 2)
            {
                EXPECT_NE(pA->GetSafeHwnd(), ::GetCapture());
            }
            rectAtCancel = pA->RectInFrame(pFrame);
        });
        ::ReleaseCapture();
        EXPECT_EQ(rectAtCancel, pA->RectInFrame(pFrame));
        EXPECT_EQ(pFrame->DockBar(CBRS_ALIGN_TOP), pA->GetParentDockBar());
        other.DestroyWindow();
    }
}

TEST_F(DragFixture, ADoubleClickFloatsABarThatMayFloatOnly)
{
    DockRows(TAVOP_DOCK_IMMEDIATE, false);
    TestBar fixed(100, 24);
    ASSERT_TRUE(fixed.Make(pFrame, 10, 0));
    fixed.SetDockingMode(TAVOP_DOCK_IMMEDIATE);
    fixed.SetWindowPos(NULL, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    auto doubleClick = [](CPoint pt) {
        return std::vector<MouseStep>{{MouseStep::Move, pt.x, pt.y},
                                      {MouseStep::Down, 0, 0},
                                      {MouseStep::Up, 0, 0},
                                      {MouseStep::Down, 0, 0},
                                      {MouseStep::Up, 0, 0}};
    };
    RunMouse(doubleClick(Grip(pB)));
    ASSERT_TRUE(pB->IsFloating());
    CRect rectFrame;
    pB->GetParentMiniFrame()->GetWindowRect(rectFrame);
    EXPECT_EQ(pB->GetRecentDockInfo().m_rectRecentFloatingRect.TopLeft(), rectFrame.TopLeft());

    const CRect rectFixed = fixed.RectInFrame(pFrame);
    RunMouse(doubleClick(Grip(&fixed)));
    Drag(&fixed, CSize(0, -100));
    EXPECT_FALSE(fixed.IsFloating());
    EXPECT_EQ(rectFixed, fixed.RectInFrame(pFrame));
    fixed.DestroyWindow();
}

TEST_F(DragFixture, ThePlaceholderTabIsMadeAgainWhenItsWindowWentWithItsFrame)
{
    DockRows(TAVOP_DOCK_OUTLINE, false);
    Drag(pA, CSize(60, 60));
    CTavoPTabPlaceholderBar& placeholder = GetTabPlaceholderBar();
    ASSERT_TRUE(::IsWindow(placeholder.GetSafeHwnd()));
    EXPECT_EQ(pFrame->GetSafeHwnd(), ::GetParent(placeholder.GetSafeHwnd()));
    EXPECT_FALSE(placeholder.IsWindowVisible());
    EXPECT_EQ(-2, placeholder.GetDlgCtrlID());

    TearDown();
    bars.clear();
    EXPECT_FALSE(::IsWindow(placeholder.GetSafeHwnd()));
    SetUp();
    DockRows(TAVOP_DOCK_OUTLINE, false);
    Drag(pA, CSize(60, 60));
    ASSERT_TRUE(::IsWindow(placeholder.GetSafeHwnd()));
    EXPECT_EQ(pFrame->GetSafeHwnd(), ::GetParent(placeholder.GetSafeHwnd()));
}

}
