// Buttons dragged between toolbars: the drop target's answers, the in-place separator rule,
// moves and copies within and between bars, and real drags fed through the system's input.
#include "tests/ui/commandbars/CustomizeTestSupport.h"
#include "ui/commandbars/CTavoPToolbarDropSource.h"

using namespace customize_test;

namespace {

using Ids = std::vector<UINT>;

} // namespace

TEST_F(CustomizeFixture, RealDragMovesAButtonToTheOtherBar)
{
    ASSERT_NE(nullptr, bar1.m_DropTarget.GetRegisteredWindow());
    CTavoPToolBar::SetCustomizeMode(TRUE);
    const CPoint from = bar1.ScreenCenter(1);
    CRect rect;
    bar2.GetItemRect(3, rect);
    CPoint to(rect.left + 3, rect.CenterPoint().y);
    bar2.ClientToScreen(&to);
    RunMouse(DragSteps(from, to));
    EXPECT_EQ(11, bar1.GetCount());
    EXPECT_EQ(13, bar2.GetCount());
    EXPECT_EQ(kSave, bar2.GetItemID(3));
}
