// Floating frames moved with synthetic mouse input: double click and Escape send the bar back, Ctrl keeps an outline drop floating, resting over a dock bar docks, roll-up follows the cursor.
#include "tests/support/BarTestSupport.h"
#include "ui/bars/docking/CTavoPCaptionButton.h"
#include "ui/bars/TavoPBarStatics.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace {

const int kLeft = 100;
const int kTop = 100;

// The docking delays run on a clock the test sets.
DWORD g_dwTick = 0;
DWORD WINAPI TestTick()
{
    return g_dwTick;
}

class MiniFrameDragFixture : public DockingFrameFixture
{
protected:
    void TearDown() override
    {
        CTavoPDockManager::m_pfnTickCount = ::GetTickCount;
        DockingFrameFixture::TearDown();
    }
    TestBar* NewBar(int nLength, UINT nID, int nMode, DWORD dwBehaviour = TAVOP_CBRS_FLOAT)
    {
        bars.emplace_back(new TestBar(nLength, 24));
        EXPECT_TRUE(bars.back()->Make(pFrame, nID, dwBehaviour));
        bars.back()->SetDockingMode(nMode);
        return bars.back().get();
    }
    // A bar docked at the top, then floated at a place of the screen.
    TestBar* FloatingBar(UINT nID, int nMode, const CRect& rect,
                         DWORD dwBehaviour = TAVOP_CBRS_FLOAT)
    {
        TestBar* pBar = NewBar(150, nID, nMode, dwBehaviour);
        pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
        EXPECT_TRUE(pBar->FloatControlBar(rect, TAVOP_DM_RECT, TRUE));
        PumpMessages();
        return pBar;
    }
    // A point on the caption, clear of its buttons.
    static CPoint Caption(CTavoPMiniFrameWnd* pMiniFrame)
    {
        CRect rect;
        pMiniFrame->GetWindowRect(rect);
        return CPoint(rect.left + 20, rect.top + 4 + pMiniFrame->GetCaptionHeight() / 2);
    }
    static CRect WindowRect(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        return rect;
    }

    std::vector<std::unique_ptr<TestBar>> bars;
};

TEST_F(MiniFrameDragFixture, ADoubleClickOnTheCaptionDocksTheBarBackToItsRectangle)
{
    TestBar* pFirst = NewBar(200, 1, TAVOP_DOCK_OUTLINE);
    pFrame->DockControlBar(pFirst, AFX_IDW_DOCKBAR_TOP);
    TestBar* pBar = NewBar(150, 2, TAVOP_DOCK_OUTLINE);
    CRect rectAt(250, 5, 251, 6);
    pFrame->ClientToScreen(rectAt);
    pBar->SetWindowPos(NULL, 250, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP, rectAt);
    PumpMessages();
    ASSERT_EQ(pFirst->GetDockRow(), pBar->GetDockRow());
    const CRect rectDocked = pBar->RectInFrame(pFrame);
    pBar->StoreRecentDockInfo(); // as a press that tears the bar off does
    ASSERT_TRUE(pBar->FloatControlBar(CRect(300, 350, 450, 390), TAVOP_DM_RECT, TRUE));
    ASSERT_TRUE(pBar->IsFloating());

    const CPoint pt = Caption(pBar->GetParentMiniFrame());
    RunMouse({{MouseStep::Move, pt.x, pt.y},
              {MouseStep::Down, 0, 0},
              {MouseStep::Up, 0, 0},
              {MouseStep::Down, 0, 0},
              {MouseStep::Up, 0, 0}});
    EXPECT_FALSE(pBar->IsFloating());
    EXPECT_EQ(pFrame->DockBar(CBRS_ALIGN_TOP), pBar->GetParentDockBar());
    EXPECT_EQ(rectDocked, pBar->RectInFrame(pFrame));
    EXPECT_EQ(0, pFrame->GetDockManager()->GetMiniFrames().GetCount());
}

TEST_F(MiniFrameDragFixture, EscapeEndsAnImmediateMoveEvenWhenTheBarCannotDock)
{
    const struct
    {
        DWORD dwAlignment;
        bool bDocksBack;
    } cases[] = {{CBRS_ALIGN_ANY, true}, {0, false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.bDocksBack ? "docks back" : "stays floating");
        TearDown();
        bars.clear();
        SetUp();
        TestBar* pBar = FloatingBar(3, TAVOP_DOCK_IMMEDIATE, CRect(300, 300, 450, 340));
        pBar->EnableDocking(c.dwAlignment);
        CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
        const CRect rectStart = WindowRect(pMiniFrame);
        const CPoint from = Caption(pMiniFrame);
        bool bPaused = false;
        RunMouse({{MouseStep::Move, from.x, from.y},
                  {MouseStep::Down, 0, 0},
                  {MouseStep::Move, from.x + 20, from.y + 20},
                  {MouseStep::Move, from.x + 40, from.y + 60},
                  {MouseStep::Pause, 0, 0},
                  {MouseStep::Move, from.x + 60, from.y + 80},
                  {MouseStep::Up, 0, 0}},
                 [&]() {
                     bPaused = true;
                     ASSERT_TRUE(pMiniFrame->IsMoving());
                     EXPECT_NE(rectStart, WindowRect(pMiniFrame));
                     pMiniFrame->SendMessage(WM_CHAR, VK_ESCAPE, 1);
                     EXPECT_NE(pMiniFrame->GetSafeHwnd(), ::GetCapture());
                     if (!c.bDocksBack)
                     {
                         EXPECT_FALSE(pMiniFrame->IsMoving());
                         EXPECT_EQ(rectStart, WindowRect(pMiniFrame));
                     }
                 });
        EXPECT_TRUE(bPaused);
        if (c.bDocksBack)
        {
            EXPECT_EQ(pFrame->DockBar(CBRS_ALIGN_TOP), pBar->GetParentDockBar());
        }
        else
        {
            ASSERT_TRUE(pBar->IsFloating());
            EXPECT_FALSE(pMiniFrame->IsMoving());
            EXPECT_EQ(rectStart, WindowRect(pMiniFrame)) << "later moves did not take it along";
        }
    }
}

TEST_F(MiniFrameDragFixture, HoldingCtrlAnOutlineDropLandsAtTheOutline)
{
    TestBar* pDocked = NewBar(200, 4, TAVOP_DOCK_OUTLINE);
    pFrame->DockControlBar(pDocked, AFX_IDW_DOCKBAR_TOP);
    TestBar* pBar = FloatingBar(5, TAVOP_DOCK_OUTLINE, CRect(300, 300, 450, 340));
    CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
    const CPoint from = Caption(pMiniFrame);
    const CPoint to(kLeft + 300, kTop + 10); // over the top dock bar
    CRect rectOutline;
    RunMouse({{MouseStep::Move, from.x, from.y},
              {MouseStep::KeyDown, VK_CONTROL, 0},
              {MouseStep::Down, 0, 0},
              {MouseStep::Move, from.x + 10, from.y - 40},
              {MouseStep::Move, from.x + 10, from.y - 120},
              {MouseStep::Move, to.x, to.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Up, 0, 0},
              {MouseStep::KeyUp, VK_CONTROL, 0}},
             [&]() {
                 CTavoPDragFrame& dragFrame = pMiniFrame->GetDragFrame();
                 EXPECT_TRUE(dragFrame.m_bDragStarted);
                 EXPECT_TRUE(dragFrame.m_rectExpectedDocked.IsRectEmpty());
                 rectOutline = dragFrame.m_rectDrag;
             });
    ASSERT_FALSE(rectOutline.IsRectEmpty());
    ASSERT_TRUE(pBar->IsFloating());
    EXPECT_EQ(rectOutline, WindowRect(pMiniFrame));
    EXPECT_FALSE(pMiniFrame->IsMoving());
}

TEST_F(MiniFrameDragFixture, TheOutlineKeepsItsGripFromTheFirstMoveOn)
{
    TestBar* pBar = FloatingBar(12, TAVOP_DOCK_OUTLINE, CRect(300, 300, 450, 340));
    CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
    const CRect rectStart = WindowRect(pMiniFrame);
    const CPoint from = Caption(pMiniFrame);
    const CSize delta(37, 53);
    CRect rectOutline;
    RunMouse(DragSteps(from, from + delta, true),
             [&]() { rectOutline = pMiniFrame->GetDragFrame().m_rectDrag; });
    EXPECT_EQ(rectStart + CPoint(delta), rectOutline);
    EXPECT_EQ(rectStart + CPoint(delta), WindowRect(pMiniFrame));
}

// Rests the dragged frame over the top dock bar, then, with bElsewhere, moves it over the left
// one; at each pause onPause sees the frame.
class RestingFixture : public MiniFrameDragFixture
{
protected:
    void SetUp() override
    {
        MiniFrameDragFixture::SetUp();
        pFrame->DockControlBar(NewBar(200, 6, TAVOP_DOCK_IMMEDIATE), AFX_IDW_DOCKBAR_TOP);
        pFrame->DockControlBar(NewBar(200, 7, TAVOP_DOCK_IMMEDIATE), AFX_IDW_DOCKBAR_LEFT);
        pBar = FloatingBar(8, TAVOP_DOCK_IMMEDIATE, CRect(350, 300, 500, 340));
        pMiniFrame = pBar->GetParentMiniFrame();
        g_dwTick = 100000;
        CTavoPDockManager::m_pfnTickCount = TestTick;
    }
    // The frame's move timer fires at the given clock.
    void TimerAt(DWORD dwTick)
    {
        g_dwTick = dwTick;
        if (::IsWindow(pMiniFrame->GetSafeHwnd()))
            pMiniFrame->SendMessage(WM_TIMER, TAVOP_MINIFRAME_MOVE_TIMER);
    }
    void Run(bool bElsewhere, const std::function<void(int)>& onPause)
    {
        const CPoint from = Caption(pMiniFrame);
        const CPoint top(kLeft + 400, kTop + 12);
        const CPoint left(kLeft + 12, kTop + 250);
        std::vector<MouseStep> steps = {{MouseStep::Move, from.x, from.y},
                                        {MouseStep::Down, 0, 0},
                                        {MouseStep::Move, from.x + 20, from.y - 60},
                                        {MouseStep::Move, from.x + 40, from.y - 120},
                                        {MouseStep::Move, top.x, top.y},
                                        {MouseStep::Pause, 0, 0}};
        if (bElsewhere)
        {
            steps.push_back({MouseStep::Move, left.x + 100, left.y});
            steps.push_back({MouseStep::Move, left.x, left.y});
            steps.push_back({MouseStep::Pause, 0, 0});
        }
        steps.push_back({MouseStep::Up, 0, 0});
        int nPause = 0;
        RunMouse(steps, [&]() { onPause(nPause++); });
    }
    TestBar* pBar = nullptr;
    CTavoPMiniFrameWnd* pMiniFrame = nullptr;
};

TEST_F(RestingFixture, RestingOverADockBarDocksAfter200Milliseconds)
{
    Run(false, [&](int) {
        TimerAt(100000 + 199);
        EXPECT_TRUE(pBar->IsFloating()) << "199 ms are not enough";
        TimerAt(100000 + 200);
        EXPECT_FALSE(pBar->IsFloating());
        EXPECT_EQ(pFrame->DockBar(CBRS_ALIGN_TOP), pBar->GetParentDockBar());
    });
    EXPECT_EQ(pFrame->DockBar(CBRS_ALIGN_TOP), pBar->GetParentDockBar());
    EXPECT_FALSE(pBar->IsDragging());
    EXPECT_EQ(0, pFrame->GetDockManager()->GetMiniFrames().GetCount());
}

TEST_F(RestingFixture, MovingToAnotherDockBarRestartsTheWait)
{
    Run(true, [&](int nPause) {
        if (nPause == 0)
        {
            TimerAt(100000 + 150);
            EXPECT_TRUE(pBar->IsFloating());
            return;
        }
        // The wait began again when the frame reached the left dock bar, at 150.
        TimerAt(100000 + 210);
        EXPECT_TRUE(pBar->IsFloating());
        TimerAt(100000 + 349);
        EXPECT_TRUE(pBar->IsFloating());
        TimerAt(100000 + 350);
        EXPECT_EQ(pFrame->DockBar(CBRS_ALIGN_LEFT), pBar->GetParentDockBar());
    });
    EXPECT_EQ(pFrame->DockBar(CBRS_ALIGN_LEFT), pBar->GetParentDockBar());
}

TEST_F(MiniFrameDragFixture, AFrameRollsUpWhenTheCursorLeavesUnlessPinned)
{
    TestBar* pBar = FloatingBar(9, TAVOP_DOCK_OUTLINE, CRect(300, 300, 450, 340),
                                TAVOP_CBRS_FLOAT | TAVOP_CBRS_AUTO_ROLLUP);
    CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame->FindCaptionButton(9)) << "a roll-up frame has a pin";
    const CRect rectFull = WindowRect(pMiniFrame);
    CRect rectClient;
    pMiniFrame->GetClientRect(rectClient);
    const CPoint inside = Caption(pMiniFrame);
    const CPoint outside(rectFull.right + 100, rectFull.bottom + 100);

    RunMouse({{MouseStep::Move, outside.x, outside.y}});
    PumpFor(400);
    EXPECT_TRUE(pMiniFrame->IsRolledUp());
    EXPECT_EQ(rectFull.Height() - rectClient.Height(), WindowRect(pMiniFrame).Height());

    RunMouse({{MouseStep::Move, inside.x, inside.y}});
    PumpFor(400);
    EXPECT_FALSE(pMiniFrame->IsRolledUp());
    EXPECT_EQ(rectFull, WindowRect(pMiniFrame));

    // A click on the pin keeps the frame open.
    CTavoPCaptionButton* pPin = pMiniFrame->FindCaptionButton(9);
    const CPoint pin = rectFull.TopLeft() + pPin->GetRect().CenterPoint();
    RunMouse({{MouseStep::Move, pin.x, pin.y},
              {MouseStep::Down, 0, 0},
              {MouseStep::Up, 0, 0},
              {MouseStep::Move, outside.x, outside.y}});
    PumpFor(400);
    EXPECT_TRUE(pMiniFrame->IsPinned());
    EXPECT_FALSE(pMiniFrame->IsRolledUp());
    EXPECT_FALSE(pMiniFrame->IsMoving());
    EXPECT_EQ(rectFull, WindowRect(pMiniFrame));
}

TEST_F(MiniFrameDragFixture, AQuickSecondClickOnThePinTakesThePinOutAgain)
{
    TestBar* pBar = FloatingBar(12, TAVOP_DOCK_OUTLINE, CRect(300, 300, 450, 340),
                                TAVOP_CBRS_FLOAT | TAVOP_CBRS_AUTO_ROLLUP);
    CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
    CTavoPCaptionButton* pPin = pMiniFrame->FindCaptionButton(9);
    ASSERT_NE(nullptr, pPin);
    const CPoint pin = WindowRect(pMiniFrame).TopLeft() + pPin->GetRect().CenterPoint();
    PumpFor(::GetDoubleClickTime() + 50);
    // The second press comes as a double click, well within the double-click time.
    std::vector<BOOL> pinned;
    RunMouse({{MouseStep::Move, pin.x, pin.y},
              {MouseStep::Down, 0, 0},
              {MouseStep::Up, 0, 0},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Down, 0, 0},
              {MouseStep::Up, 0, 0}},
             [&] { pinned.push_back(pMiniFrame->IsPinned()); });
    ASSERT_EQ(1u, pinned.size());
    EXPECT_TRUE(pinned[0]);
    EXPECT_FALSE(pMiniFrame->IsPinned());
    EXPECT_TRUE(pBar->IsFloating()) << "the double click does not dock the bar";
}

TEST_F(MiniFrameDragFixture, DraggingTheBorderOfAToolbarFrameSnapsToWholeButtonRows)
{
    SnappingToolBar toolbar;
    ASSERT_TRUE(toolbar.Make(pFrame, 10));
    pFrame->DockControlBar(&toolbar, AFX_IDW_DOCKBAR_TOP);
    ASSERT_TRUE(toolbar.FloatControlBar(CRect(300, 300, 450, 340), TAVOP_DM_RECT, TRUE));
    CTavoPMiniFrameWnd* pMiniFrame = toolbar.GetParentMiniFrame();
    const CRect rectBefore = WindowRect(pMiniFrame);
    const int nCaption = pMiniFrame->GetCaptionHeight();
    // From six columns to a width that holds three and a half.
    const CPoint from(rectBefore.right - 2, rectBefore.CenterPoint().y);
    RunMouse(DragSteps(from, CPoint(rectBefore.left + 3 * 23 + 6 + 12, from.y)));
    const CRect rectAfter = WindowRect(pMiniFrame);
    EXPECT_EQ(rectBefore.TopLeft(), rectAfter.TopLeft());
    EXPECT_EQ(CSize(3 * 23 + 6, 2 * 22 + 6 + nCaption), rectAfter.Size());
    EXPECT_EQ(3, toolbar.m_nColumns);
    toolbar.DestroyWindow();
}

TEST_F(MiniFrameDragFixture, TheCaptionIsActiveWhileTheFocusIsInTheFrame)
{
    TestBar* pBar = FloatingBar(11, TAVOP_DOCK_OUTLINE, CRect(300, 300, 450, 340));
    CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
    EXPECT_EQ(TRUE, pMiniFrame->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE));

    pFrame->SetFocus();
    pMiniFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(pMiniFrame->IsActiveCaption());
    pBar->SetFocus();
    pMiniFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(pMiniFrame->IsActiveCaption());
    // The platform's own deactivation does not change the look of a frame in step.
    pMiniFrame->SendMessage(WM_NCACTIVATE, FALSE);
    EXPECT_TRUE(pMiniFrame->IsActiveCaption());
    pFrame->SetFocus();
    pMiniFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(pMiniFrame->IsActiveCaption());

    pMiniFrame->SendMessage(WM_FLOATSTATUS, FS_HIDE | FS_DISABLE);
    EXPECT_FALSE(pMiniFrame->IsWindowVisible());
    EXPECT_FALSE(pMiniFrame->IsWindowEnabled());
    pMiniFrame->SendMessage(WM_FLOATSTATUS, FS_SHOW | FS_ENABLE);
    EXPECT_TRUE(pMiniFrame->IsWindowVisible());
    EXPECT_TRUE(pMiniFrame->IsWindowEnabled());
}

TEST_F(MiniFrameDragFixture, ACancelledTearOffLeavesNeitherBarNorRegistryEntry)
{
    for (const bool bAccept : {false, true})
    {
        SCOPED_TRACE(bAccept ? "placed" : "cancelled");
        // The torn-off bar floats in a new frame, as the popup menu's tear-off makes it.
        TestBar* pBar = new TestBar(150, 24);
        ASSERT_TRUE(pBar->Make(pFrame, 40));
        pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
        ASSERT_TRUE(pBar->FloatControlBar(CRect(300, 300, 450, 340), TAVOP_DM_RECT, TRUE));
        CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
        const HWND hwndBar = pBar->GetSafeHwnd();
        CWnd menu;
        ASSERT_TRUE(menu.CreateEx(0, AfxRegisterWndClass(0), "menu", WS_POPUP | WS_VISIBLE,
                                  CRect(600, 300, 700, 400), NULL, 0));
        // The loop follows the bar's messages; the user's answer comes from elsewhere.
        std::thread user([&]() {
            ::Sleep(150);
            if (bAccept)
                ::PostMessage(hwndBar, WM_LBUTTONUP, 0, 0);
            else
                ::PostMessage(hwndBar, WM_KEYDOWN, VK_ESCAPE, 1);
        });
        const BOOL bPlaced = pMiniFrame->TrackTearOffMove(&menu);
        user.join();
        PumpMessages();
        EXPECT_EQ(bAccept, bPlaced == TRUE);
        EXPECT_NE(hwndBar, ::GetCapture());
        if (bAccept)
        {
            EXPECT_TRUE(::IsWindow(hwndBar));
            EXPECT_EQ(pBar, CTavoPMiniFrameWnd::FindFloatingBarByID(40));
            EXPECT_FALSE(::IsWindow(menu.GetSafeHwnd())) << "the menu was closed";
            menu.Detach();
            pBar->DestroyWindow();
            delete pBar;
        }
        else
        {
            EXPECT_FALSE(::IsWindow(hwndBar));
            EXPECT_EQ(nullptr, CTavoPMiniFrameWnd::FindFloatingBarByID(40));
            EXPECT_EQ(0u, TavoPFloatingBarRegistry().count(40));
            EXPECT_TRUE(menu.IsWindowVisible()) << "the menu shows again";
            menu.DestroyWindow();
        }
        PumpMessages();
    }
}

} // namespace
