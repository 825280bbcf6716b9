// Dragging a slider with the real mouse: the outline follows within the limits, the release resizes the panes, Esc moves nothing.
#include "tests/ui/bars/docking/DockTreeSupport.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <gtest/gtest.h>

namespace {

// A | B in the frame (at 100, 100 on the screen): A from 100 to 200, the slider, B up to 300.
class SliderDrag : public DockTreeFixture
{
protected:
    void SetUp() override
    {
        DockTreeFixture::SetUp();
        pA = NewPane(401, CRect(100, 50, 300, 250));
        pB = NewPane(402, CRect(0, 0, 200, 200));
        pDefault = NewTree(CBRS_ALIGN_LEFT, pA);
        ASSERT_TRUE(pDefault->InsertBar(pB, pA, CBRS_ALIGN_RIGHT));
        pSlider = InnerSlider(pDefault);
        ASSERT_NE(nullptr, pSlider);
        pA->m_sizeMin = CSize(30, 20);
        pB->m_sizeMin = CSize(20, 20);
        ASSERT_EQ(CRect(100, 50, 196, 250), RectInParent(pA));
        ASSERT_EQ(CRect(196, 50, 200, 250), RectInParent(pSlider));
        PumpFor(50);
    }
    // The slider's middle on the screen.
    CPoint Grip() const
    {
        CRect rect;
        pSlider->GetWindowRect(rect);
        return rect.CenterPoint();
    }
    TreePane* pA = nullptr;
    TreePane* pB = nullptr;
    CTavoPSlider* pDefault = nullptr;
    CTavoPSlider* pSlider = nullptr;
};

TEST_F(SliderDrag, TheOutlineStaysWithinTheLimitsAndTheReleaseMovesThePanes)
{
    struct Case
    {
        int dx;           // where the cursor goes, from the grip
        int nOutlineLeft; // screen
        int nSliderLeft;  // frame client, after the release
    } cases[] = {
        {40, 336, 236},   // freely
        {-400, 230, 130}, // A stops at its 30 pixels
        {400, 376, 276},  // B stops at its 20 pixels
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dx);
        const CPoint from = Grip();
        CRect rectOutline;
        BOOL bShown = FALSE;
        RunMouse(DragSteps(from, CPoint(from.x + c.dx, from.y), true), [&]() {
            rectOutline = pSlider->GetDragOutline().GetRect();
            bShown = ::IsWindowVisible(pSlider->GetDragOutline().GetSideWindow(0));
        });
        PumpFor(50);
        EXPECT_TRUE(bShown);
        EXPECT_EQ(CRect(c.nOutlineLeft, 150, c.nOutlineLeft + 4, 350), rectOutline)
            << "full thickness at the limit";
        EXPECT_EQ(CRect(100, 50, c.nSliderLeft, 250), RectInParent(pA));
        EXPECT_EQ(CRect(c.nSliderLeft, 50, c.nSliderLeft + 4, 250), RectInParent(pSlider));
        EXPECT_EQ(CRect(c.nSliderLeft + 4, 50, 300, 250), RectInParent(pB));
        EXPECT_FALSE(pSlider->GetDragOutline().IsShown());
        EXPECT_FALSE(pSlider->IsTracking());
        EXPECT_NE(pSlider->GetSafeHwnd(), ::GetCapture());
    }
}

TEST_F(SliderDrag, EscapeOrLosingTheMouseMovesNothing)
{
    const CRect rectA = RectInParent(pA), rectB = RectInParent(pB);
    const CRect rectSlider = RectInParent(pSlider);

    const CPoint from = Grip();
    BOOL bShown = FALSE;
    RunMouse({{MouseStep::Move, from.x, from.y},
              {MouseStep::Down, from.x, from.y},
              {MouseStep::Move, from.x + 20, from.y},
              {MouseStep::Move, from.x + 50, from.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Key, VK_ESCAPE, 0},
              {MouseStep::Move, from.x + 60, from.y},
              {MouseStep::Up, from.x + 60, from.y}},
             [&]() { bShown = pSlider->GetDragOutline().IsShown(); });
    PumpFor(50);
    EXPECT_TRUE(bShown);
    EXPECT_FALSE(pSlider->GetDragOutline().IsShown());
    EXPECT_EQ(rectA, RectInParent(pA));
    EXPECT_EQ(rectB, RectInParent(pB));
    EXPECT_EQ(rectSlider, RectInParent(pSlider));

    // Another window taking the mouse cancels the same way.
    RunMouse({{MouseStep::Move, from.x, from.y},
              {MouseStep::Down, from.x, from.y},
              {MouseStep::Move, from.x - 30, from.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Up, from.x - 30, from.y}},
             [&]() {
                 bShown = pSlider->GetDragOutline().IsShown();
                 pSlider->SendMessage(WM_CANCELMODE);
             });
    PumpFor(50);
    EXPECT_TRUE(bShown);
    EXPECT_EQ(rectA, RectInParent(pA));
    EXPECT_EQ(rectSlider, RectInParent(pSlider));
    EXPECT_FALSE(pSlider->IsTracking());
}

TEST_F(SliderDrag, ASliderPaintsButtonFaceAndAnAutoHideSliderItsEdge)
{
    CRect rect;
    pSlider->GetWindowRect(rect);
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(clrFace, ScreenPixel(CPoint(rect.left, rect.top + 10), clrFace));
    EXPECT_EQ(clrFace, ScreenPixel(CPoint(rect.right - 1, rect.top + 10), clrFace));

    // The auto-hide layer draws a line along the edge that faces the frame's centre.
    struct Case
    {
        DWORD dwAlignment;
        CPoint ptLine, ptFace;
        COLORREF clrLine;
    } cases[] = {
        {CBRS_ALIGN_LEFT, CPoint(rect.right - 1, rect.top + 10), CPoint(rect.left, rect.top + 10),
         GetGlobalData().clrBtnDkShadow},
        {CBRS_ALIGN_RIGHT, CPoint(rect.left, rect.top + 10), CPoint(rect.right - 1, rect.top + 10),
         GetGlobalData().clrBtnHilite},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dwAlignment);
        pSlider->SetAutoHideMode(TRUE);
        pSlider->SetCurrentAlignment(c.dwAlignment);
        pSlider->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(c.clrLine, ScreenPixel(c.ptLine, c.clrLine));
        EXPECT_EQ(clrFace, ScreenPixel(c.ptFace, clrFace));
    }
}

} // namespace
