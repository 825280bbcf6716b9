// Docking panes moved with the real mouse: dragged by the caption onto the frame edges and beside another pane, torn off in immediate mode, held back by Ctrl, docked back from a floating frame, and closed by their button.
#include "tests/ui/bars/DockingPaneSupport.h"
#include "ui/bars/docking/CTavoPDragFrame.h"

namespace {

class DockingPaneDrag : public PaneFrameFixture
{
protected:
    // Drags from a point to another with the button held, looks at the drag frame's outline
    // before the release, and answers the outline that promised where the pane goes.
    CRect DragAndPreview(CaptionPane* pPane, CPoint from, CPoint to)
    {
        CRect rectPreview;
        RunMouse(DragSteps(from, to, true),
                 [&] { rectPreview = pPane->GetDragFrame().m_rectExpectedDocked; });
        PumpFor(60);
        return rectPreview;
    }
};

// Where a press in the middle of the caption moves to, just outside an edge of the frame.
struct EdgeCase
{
    const char* name;
    UINT nStartSide; // the dock bar id the pane starts at, the other side of the same direction
    DWORD dwEdge;
};

} // namespace

TEST_F(DockingPaneDrag, CaptionDraggedOntoEachFrameEdgeLandsWhereTheOutlineShowed)
{
    const EdgeCase cases[] = {
        {"left edge", AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_LEFT},
        {"right edge", AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_RIGHT},
        {"top edge", AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_TOP},
        {"bottom edge", AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_BOTTOM},
    };
    UINT nID = 400;
    for (const EdgeCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const BOOL bVert =
            c.nStartSide == AFX_IDW_DOCKBAR_LEFT || c.nStartSide == AFX_IDW_DOCKBAR_RIGHT;
        CaptionPane* pPane =
            DockedPane(nID++, c.nStartSide, bVert ? CSize(130, 400) : CSize(600, 110));
        const CRect rectStart = pPane->ScreenRect();
        const CRect rectClient = ClientOnScreen();
        const CPoint ptGrip = pPane->GripPoint();
        CPoint ptDrop = rectClient.CenterPoint();
        switch (c.dwEdge)
        {
        case CBRS_ALIGN_LEFT: ptDrop.x = rectClient.left - 6; break;
        case CBRS_ALIGN_RIGHT: ptDrop.x = rectClient.right + 5; break;
        case CBRS_ALIGN_TOP: ptDrop.y = rectClient.top - 6; break;
        default: ptDrop.y = rectClient.bottom + 5; break;
        }

        const CRect rectPreview = DragAndPreview(pPane, ptGrip, ptDrop);
        // The outline is the band of the pane's own thickness along the edge.
        CRect rectExpected = rectClient;
        switch (c.dwEdge)
        {
        case CBRS_ALIGN_LEFT: rectExpected.right = rectExpected.left + rectStart.Width(); break;
        case CBRS_ALIGN_RIGHT: rectExpected.left = rectExpected.right - rectStart.Width(); break;
        case CBRS_ALIGN_TOP: rectExpected.bottom = rectExpected.top + rectStart.Height(); break;
        default: rectExpected.top = rectExpected.bottom - rectStart.Height(); break;
        }
        EXPECT_EQ(rectExpected, rectPreview);
        EXPECT_FALSE(pPane->IsFloating());
        EXPECT_EQ(rectPreview, pPane->ScreenRect());
        ASSERT_NE(nullptr, pPane->GetDefaultSlider());
        EXPECT_EQ(c.dwEdge, pPane->GetDefaultSlider()->GetCurrentAlignment());
        EXPECT_EQ(c.dwEdge, pPane->GetCurrentAlignment());
        pPane->Undock(FALSE);
        pPane->ShowWindow(SW_HIDE);
        PumpFor(20);
    }
}

TEST_F(DockingPaneDrag, CaptionDraggedBesideAnotherPaneLandsWhereTheOutlineShowed)
{
    const struct
    {
        const char* name;
        DWORD dwSide;
    } cases[] = {{"right of it", CBRS_ALIGN_RIGHT},
                 {"below it", CBRS_ALIGN_BOTTOM},
                 {"left of it", CBRS_ALIGN_LEFT}};
    UINT nID = 410;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CaptionPane* pTarget = DockedPane(nID++, AFX_IDW_DOCKBAR_LEFT, CSize(240, 400));
        CaptionPane* pPane = DockedPane(nID++, AFX_IDW_DOCKBAR_RIGHT, CSize(120, 400));
        const CRect rectTarget = pTarget->ScreenRect();
        CPoint ptDrop = rectTarget.CenterPoint();
        switch (c.dwSide)
        {
        case CBRS_ALIGN_RIGHT: ptDrop.x = rectTarget.right - 5; break;
        case CBRS_ALIGN_LEFT: ptDrop.x = rectTarget.left + 5; break;
        default: ptDrop.y = rectTarget.bottom - 5; break;
        }

        const CRect rectPreview = DragAndPreview(pPane, pPane->GripPoint(), ptDrop);
        // The pane takes half the target's place at most, its own thickness at least.
        CRect rectExpected = rectTarget;
        switch (c.dwSide)
        {
        case CBRS_ALIGN_RIGHT: rectExpected.left = rectTarget.right - 120; break;
        case CBRS_ALIGN_LEFT: rectExpected.right = rectTarget.left + 120; break;
        default: rectExpected.top = rectTarget.bottom - rectTarget.Height() / 2; break;
        }
        EXPECT_EQ(rectExpected, rectPreview);
        EXPECT_EQ(rectPreview, pPane->ScreenRect());
        EXPECT_EQ(pTarget->GetDefaultSlider(), pPane->GetDefaultSlider());
        // The target keeps the rest, less the slider between them.
        CRect rectRest = rectTarget;
        switch (c.dwSide)
        {
        case CBRS_ALIGN_RIGHT: rectRest.right = rectExpected.left - 4; break;
        case CBRS_ALIGN_LEFT: rectRest.left = rectExpected.right + 4; break;
        default: rectRest.bottom = rectExpected.top - 4; break;
        }
        EXPECT_EQ(rectRest, pTarget->ScreenRect());

        pPane->Undock(FALSE);
        pPane->ShowWindow(SW_HIDE);
        pTarget->Undock(FALSE);
        pTarget->ShowWindow(SW_HIDE);
        PumpFor(20);
    }
}

TEST_F(DockingPaneDrag, ImmediateModeTearsThePaneOffOnlyBeyondTheDragMargin)
{
    CaptionPane* pPane = DockedPane(420, AFX_IDW_DOCKBAR_LEFT, CSize(150, 400));
    pPane->SetDockingMode(TAVOP_DOCK_IMMEDIATE);
    const CRect rectWindow = pPane->ScreenRect();
    const CPoint ptGrip = pPane->GripPoint();
    const int cxDrag = ::GetSystemMetrics(SM_CXDRAG);
    // Away from the frame's edges, where a floating frame would dock again.
    const int y = rectWindow.CenterPoint().y;

    BOOL bDockedInsideMargin = FALSE;
    RunMouse({{MouseStep::Move, ptGrip.x, ptGrip.y},
              {MouseStep::Down, 0, 0},
              {MouseStep::Move, ptGrip.x + 10, y},
              {MouseStep::Move, rectWindow.right + cxDrag - 1, y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Move, rectWindow.right + cxDrag + 30, y},
              {MouseStep::Up, 0, 0}},
             [&] { bDockedInsideMargin = !pPane->IsFloating(); });
    PumpFor(60);
    EXPECT_TRUE(bDockedInsideMargin);
    EXPECT_TRUE(pPane->IsFloating());
    EXPECT_EQ(nullptr, pPane->GetDefaultSlider());
    // Its place in the frame is given back.
    EXPECT_EQ(0, Manager()->GetClientAreaBounds().left);
}

namespace {

// Ctrl as held down. Wine takes a synthetic Ctrl back at the next synthetic mouse move (it
// follows the X display's modifiers), so the drag is real and the key is the seam's.
SHORT WINAPI CtrlHeld(int nVirtKey)
{
    return nVirtKey == VK_CONTROL ? (SHORT)0x8000 : ::GetAsyncKeyState(nVirtKey);
}

} // namespace

TEST_F(DockingPaneDrag, CtrlHeldKeepsTheDraggedPaneFromDocking)
{
    CaptionPane* pPane = DockedPane(430, AFX_IDW_DOCKBAR_LEFT, CSize(130, 400));
    const CRect rectClient = ClientOnScreen();
    const CPoint ptDrop(rectClient.right + 5, rectClient.CenterPoint().y);
    CTavoPDockManager::m_pfnKeyState = CtrlHeld;
    const CRect rectPreview = DragAndPreview(pPane, pPane->GripPoint(), ptDrop);
    CTavoPDockManager::m_pfnKeyState = ::GetAsyncKeyState;
    EXPECT_TRUE(rectPreview.IsRectEmpty());
    EXPECT_TRUE(pPane->IsFloating()) << "the pane floats where the outline was";
    EXPECT_EQ(nullptr, pPane->GetDefaultSlider());
    EXPECT_EQ(0, Manager()->GetClientAreaBounds().left);

    // Without Ctrl the same drop docks the pane.
    CaptionPane* pOther = DockedPane(431, AFX_IDW_DOCKBAR_LEFT, CSize(130, 400));
    DragAndPreview(pOther, pOther->GripPoint(), ptDrop);
    EXPECT_FALSE(pOther->IsFloating());
    EXPECT_EQ((DWORD)CBRS_ALIGN_RIGHT, pOther->GetCurrentAlignment());
}

TEST_F(DockingPaneDrag, FloatingFrameDraggedToAnEdgeDocksItsPaneThere)
{
    CaptionPane* pPane = DockedPane(440, AFX_IDW_DOCKBAR_RIGHT, CSize(130, 400));
    ASSERT_TRUE(pPane->FloatControlBar(CRect(300, 200, 440, 330), TAVOP_DM_RECT, TRUE));
    PumpFor(30);
    CTavoPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);
    const HWND hMiniFrame = pMiniFrame->GetSafeHwnd();
    CRect rectFrame;
    pMiniFrame->GetWindowRect(rectFrame);
    const CRect rectClient = ClientOnScreen();

    RunMouse(DragSteps(
        CPoint(rectFrame.left + 20, rectFrame.top + 4 + pMiniFrame->GetCaptionHeight() / 2),
        CPoint(rectClient.left - 6, rectClient.CenterPoint().y)));
    PumpFor(80);
    EXPECT_FALSE(pPane->IsFloating());
    EXPECT_FALSE(::IsWindow(hMiniFrame));
    ASSERT_NE(nullptr, pPane->GetDefaultSlider());
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pPane->GetCurrentAlignment());
    // The pane keeps the width of the floating frame it came from.
    EXPECT_EQ(CRect(rectClient.left, rectClient.top, rectClient.left + rectFrame.Width(),
                    rectClient.bottom),
              pPane->ScreenRect());
}

namespace {

// A pane that goes away altogether when its close button is pressed.
class SelfDestroyingPane : public CaptionPane
{
public:
    void OnPressCloseButton() override
    {
        DestroyWindow();
        delete this;
    }
};

} // namespace

TEST_F(DockingPaneDrag, CloseButtonHidesThePaneOrLetsItGoAltogether)
{
    CaptionPane* pPane = DockedPane(450, AFX_IDW_DOCKBAR_LEFT, CSize(150, 400));
    const CRect rectWindow = pPane->ScreenRect();
    const CPoint ptClose =
        pPane->GetCaptionButton(0).GetRect().CenterPoint() + rectWindow.TopLeft();
    // Hot under the mouse, pushed while pressed, plain again when the mouse leaves it pressed
    // and hot again when it comes back.
    struct Look
    {
        BOOL bHot, bPushed;
    };
    std::vector<Look> looks;
    const CTavoPCaptionButton& close = pPane->GetCaptionButton(0);
    RunMouse({{MouseStep::Move, ptClose.x - 30, ptClose.y + 40},
              {MouseStep::Move, ptClose.x, ptClose.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Down, 0, 0},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Move, ptClose.x - 40, ptClose.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Move, ptClose.x, ptClose.y},
              {MouseStep::Up, 0, 0},
              {MouseStep::Move, ptClose.x + 200, ptClose.y + 200}},
             [&] {
                 looks.push_back({close.m_bFocused, close.m_bPushed});
             });
    PumpFor(40);
    ASSERT_EQ(3u, looks.size());
    EXPECT_TRUE(looks[0].bHot);
    EXPECT_FALSE(looks[0].bPushed);
    EXPECT_TRUE(looks[1].bHot);
    EXPECT_TRUE(looks[1].bPushed);
    EXPECT_FALSE(looks[2].bHot);
    EXPECT_FALSE(pPane->IsWindowVisible());
    EXPECT_EQ(0, Manager()->GetClientAreaBounds().left)
        << "the frame's centre takes the space back";

    SelfDestroyingPane* pGoing = new SelfDestroyingPane;
    ASSERT_TRUE(pGoing->Make(pFrame, 451, "Going", CSize(150, 400)));
    pFrame->DockControlBar(pGoing, AFX_IDW_DOCKBAR_RIGHT);
    PumpFor(20);
    const HWND hGoing = pGoing->GetSafeHwnd();
    const CPoint ptGoingClose =
        pGoing->GetCaptionButton(0).GetRect().CenterPoint() + pGoing->ScreenRect().TopLeft();
    RunMouse({{MouseStep::Move, ptGoingClose.x - 30, ptGoingClose.y + 40},
              {MouseStep::Move, ptGoingClose.x, ptGoingClose.y},
              {MouseStep::Down, 0, 0},
              {MouseStep::Up, 0, 0},
              {MouseStep::Move, ptGoingClose.x - 200, ptGoingClose.y + 200}});
    PumpFor(40);
    EXPECT_FALSE(::IsWindow(hGoing));
    EXPECT_EQ(nullptr, Manager()->FindBarByID(451, TRUE));
    EXPECT_EQ(600, Manager()->GetClientAreaBounds().right);
}

namespace {

// A clock that runs 300 ms further at every look, so that a resting frame has always rested
// long enough.
DWORD WINAPI RunningClock()
{
    static DWORD s_dwNow = 0;
    return s_dwNow += 300;
}

} // namespace

TEST_F(DockingPaneDrag, FloatingFrameMovedInImmediateModeDocksAtTheEdgeItRestsOn)
{
    CaptionPane* pPane = DockedPane(460, AFX_IDW_DOCKBAR_RIGHT, CSize(130, 400));
    pPane->SetDockingMode(TAVOP_DOCK_IMMEDIATE);
    ASSERT_TRUE(pPane->FloatControlBar(CRect(300, 200, 440, 330), TAVOP_DM_RECT, TRUE));
    PumpFor(30);
    CTavoPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);
    const HWND hMiniFrame = pMiniFrame->GetSafeHwnd();
    CRect rectFrame;
    pMiniFrame->GetWindowRect(rectFrame);
    const CRect rectClient = ClientOnScreen();

    CTavoPDockManager::m_pfnTickCount = RunningClock;
    const CPoint from(rectFrame.left + 20, rectFrame.top + 4 + pMiniFrame->GetCaptionHeight() / 2);
    const CPoint to(rectClient.left - 6, rectClient.CenterPoint().y);
    RunMouse({{MouseStep::Move, from.x, from.y},
              {MouseStep::Down, 0, 0},
              {MouseStep::Move, (from.x + to.x) / 2, (from.y + to.y) / 2},
              {MouseStep::Move, to.x + 2, to.y},
              {MouseStep::Move, to.x, to.y},
              {MouseStep::Move, to.x, to.y + 1},
              {MouseStep::Up, 0, 0}});
    PumpFor(80);
    CTavoPDockManager::m_pfnTickCount = ::GetTickCount;
    EXPECT_FALSE(pPane->IsFloating());
    EXPECT_FALSE(::IsWindow(hMiniFrame));
    ASSERT_NE(nullptr, pPane->GetDefaultSlider());
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pPane->GetCurrentAlignment());
    EXPECT_EQ(rectClient.left, pPane->ScreenRect().left);
    EXPECT_EQ(rectClient.top, pPane->ScreenRect().top);
    EXPECT_EQ(rectClient.bottom, pPane->ScreenRect().bottom);
}

TEST_F(DockingPaneDrag, FloatingFrameDroppedBesideAPaneLandsWhereTheOutlineShowed)
{
    CaptionPane* pTarget = DockedPane(470, AFX_IDW_DOCKBAR_LEFT, CSize(240, 400));
    CaptionPane* pPane = DockedPane(471, AFX_IDW_DOCKBAR_RIGHT, CSize(130, 400));
    ASSERT_TRUE(pPane->FloatControlBar(CRect(300, 150, 400, 330), TAVOP_DM_RECT, TRUE));
    PumpFor(30);
    CTavoPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);
    CRect rectFrame;
    pMiniFrame->GetWindowRect(rectFrame);
    const CRect rectTarget = pTarget->ScreenRect();
    const CPoint from(rectFrame.left + 20, rectFrame.top + 4 + pMiniFrame->GetCaptionHeight() / 2);
    const CPoint to(rectTarget.CenterPoint().x, rectTarget.bottom - 5);
    const int nPaneHeight = pPane->ScreenRect().Height();

    CRect rectPreview;
    RunMouse(DragSteps(from, to, true),
             [&] { rectPreview = pMiniFrame->GetDragFrame().m_rectExpectedDocked; });
    PumpFor(80);
    // Below the target, as high as the floating pane, half the target's height at most.
    const int nHeight = std::min(rectTarget.Height() / 2, nPaneHeight);
    EXPECT_EQ(
        CRect(rectTarget.left, rectTarget.bottom - nHeight, rectTarget.right, rectTarget.bottom),
        rectPreview);
    EXPECT_FALSE(pPane->IsFloating());
    EXPECT_EQ(pTarget->GetDefaultSlider(), pPane->GetDefaultSlider());
    EXPECT_EQ(rectPreview, pPane->ScreenRect());
    EXPECT_EQ(rectPreview.top - 4, pTarget->ScreenRect().bottom);
}
