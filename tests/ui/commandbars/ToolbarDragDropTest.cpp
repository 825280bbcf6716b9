// Buttons dragged between toolbars: the drop target's answers, the in-place separator rule,
// moves and copies within and between bars, and real drags fed through the system's input.
#include "tests/support/CustomizeTestSupport.h"
#include "framework/CSharedFile.h"
#include "ui/commandbars/CTavoPToolbarDropSource.h"
#include "tests/support/ArchiveBytes.h"
#include "res/LibraryIds.h"
#include <algorithm>
#include <functional>

using namespace customize_test;

namespace {

using Ids = std::vector<UINT>;

POINTL ScreenPointL(const CTavoPToolBar& bar, CPoint point)
{
    bar.ClientToScreen(&point);
    return POINTL{point.x, point.y};
}

// A point over the left edge of a button: the drop goes before it.
CPoint BeforeButton(const CTavoPToolBar& bar, int iButton)
{
    CRect rect;
    bar.GetItemRect(iButton, rect);
    return CPoint(rect.left + 2, rect.CenterPoint().y);
}

// What the system's drag loop would be told by a drag entering the bar and dropping at point.
DWORD DropThroughInterface(CCustomizeBar& bar, IDataObject* pData, DWORD dwKeyState, CPoint point)
{
    IDropTarget* pTarget = bar.m_DropTarget.GetInterface();
    const POINTL pt = ScreenPointL(bar, point);
    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(S_OK, pTarget->DragEnter(pData, dwKeyState, pt, &dwEffect));
    const DWORD dwEnter = dwEffect;
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(S_OK, pTarget->DragOver(dwKeyState, pt, &dwEffect));
    EXPECT_EQ(dwEnter, dwEffect);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(S_OK, pTarget->Drop(pData, dwKeyState, pt, &dwEffect));
    EXPECT_EQ(dwEnter, dwEffect);
    return dwEffect;
}

Ids First(const CCustomizeBar& bar, int n)
{
    const Ids ids = bar.Ids();
    return Ids(ids.begin(), ids.begin() + std::min(n, (int)ids.size()));
}

} // namespace

TEST_F(CustomizeFixture, DropTargetRefusesOutsideCustomizeModeForeignDataAndLockedBars)
{
    CTavoPToolbarButton button(kCut, 0, "Cut", FALSE, TRUE);
    DraggedButton dragged(button);
    const CPoint at = BeforeButton(bar2, 1);

    // Outside customize mode nothing is accepted, not even a button.
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, DropThroughInterface(bar2, dragged.Interface(), 0, at));
    EXPECT_EQ(12, bar2.GetCount());

    CTavoPToolBar::SetCustomizeMode(TRUE);
    // Data of another format, and the button format holding something that is no button.
    COleDataSource text;
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    memcpy(::GlobalLock(hText), "abc", 4);
    ::GlobalUnlock(hText);
    text.CacheGlobalData(CF_TEXT, hText);
    COleDataSource foreign;
    CSharedFile file;
    const Bytes notAButton = ByteWriter().NewClass(1, "CObList").D(0);
    file.Write(notAButton.data(), (UINT)notAButton.size());
    foreign.CacheGlobalData(CTavoPToolbarButton::GetClipboardFormat(), file.Detach());
    for (COleDataSource* pSource : {&text, &foreign})
        EXPECT_EQ((DWORD)DROPEFFECT_NONE,
                  DropThroughInterface(bar2, pSource->GetInterface(), 0, at));
    EXPECT_EQ(12, bar2.GetCount());

    bar2.m_bLocked = TRUE;
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, DropThroughInterface(bar2, dragged.Interface(), 0, at));
    EXPECT_EQ(12, bar2.GetCount());
    bar2.m_bLocked = FALSE;

    // The same button on an unlocked bar goes in, with its text cut at a tab.
    button.m_strText = "Cut\tCtrl+X";
    DraggedButton tabbed(button);
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE, DropThroughInterface(bar2, tabbed.Interface(), 0, at));
    ASSERT_EQ(13, bar2.GetCount());
    EXPECT_EQ(kCut, bar2.GetItemID(1));
    EXPECT_STREQ("Cut", bar2.GetButton(1)->m_strText);
    EXPECT_FALSE(bar2.GetButton(1)->m_bDragFromCollection);
}

TEST_F(CustomizeFixture, ControlAtTheDropCopiesAndTheMarkerGoesWithTheLeave)
{
    CTavoPToolBar::SetCustomizeMode(TRUE);
    CTavoPToolbarButton button(kPaste, 4, NULL, FALSE, TRUE);
    DraggedButton dragged(button);
    GetToolbarDropSource().m_bDeleteOnDrop = TRUE;
    EXPECT_EQ((DWORD)DROPEFFECT_COPY,
              bar2.OnDragEnter(dragged.Data(), MK_CONTROL, BeforeButton(bar2, 0)));
    EXPECT_FALSE(GetToolbarDropSource().m_bDeleteOnDrop);
    EXPECT_EQ(0, bar2.GetInsertMarker());
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE, bar2.OnDragOver(dragged.Data(), 0, BeforeButton(bar2, 3)));
    EXPECT_EQ(3, bar2.GetInsertMarker());
    bar2.OnDragLeave();
    EXPECT_EQ(-1, bar2.GetInsertMarker());
    EXPECT_TRUE(GetToolbarDropSource().m_bDeleteOnDrop);
    // Without a marker nothing is dropped.
    EXPECT_FALSE(bar2.OnDrop(dragged.Data(), DROPEFFECT_MOVE, BeforeButton(bar2, 3)));
    EXPECT_EQ(12, bar2.GetCount());

    EXPECT_EQ((DWORD)DROPEFFECT_COPY,
              DropThroughInterface(bar2, dragged.Interface(), MK_CONTROL, BeforeButton(bar2, 3)));
    EXPECT_EQ(kPaste, bar2.GetItemID(3));
    EXPECT_EQ(13, bar2.GetCount());
}

TEST_F(CustomizeFixture, DroppingAButtonOntoItsOwnPlaceOpensOrClosesAGroup)
{
    CTavoPToolBar::SetCustomizeMode(TRUE);
    // bar1: Open Save | Cut Copy Paste | Print ... ; a drag starts at the centre of a button and
    // drops dx further along the bar, still over the same button.
    struct Case
    {
        const char* name;
        int iButton;
        int dx;
        Ids before; // the first five ids before the drop (0 = separator)
        Ids after;
    } cases[] = {
        {"5 px right changes nothing",
         3,
         5,
         {kOpen, kSave, 0, kCut, kCopy},
         {kOpen, kSave, 0, kCut, kCopy}},
        {"6 px right starts a group",
         4,
         6,
         {kOpen, kSave, 0, kCut, kCopy},
         {kOpen, kSave, 0, kCut, 0}},
        {"6 px left ends the group",
         5,
         -6,
         {kOpen, kSave, 0, kCut, 0},
         {kOpen, kSave, 0, kCut, kCopy}},
        {"6 px left without a group",
         1,
         -6,
         {kOpen, kSave, 0, kCut, kCopy},
         {kOpen, kSave, 0, kCut, kCopy}},
        {"first button takes no group",
         0,
         8,
         {kOpen, kSave, 0, kCut, kCopy},
         {kOpen, kSave, 0, kCut, kCopy}},
        {"a group already there",
         3,
         6,
         {kOpen, kSave, 0, kCut, kCopy},
         {kOpen, kSave, 0, kCut, kCopy}},
        {"5 px left keeps the group",
         3,
         -5,
         {kOpen, kSave, 0, kCut, kCopy},
         {kOpen, kSave, 0, kCut, kCopy}},
    };
    for (const Case& c : cases)
    {
        const Ids ids = bar1.Ids();
        ASSERT_EQ(c.before, Ids(ids.begin(), ids.begin() + 5)) << c.name;
        const int nCount = bar1.GetCount();
        CTavoPToolbarButton* pButton = bar1.GetButton(c.iButton);
        CRect rect;
        bar1.GetItemRect(c.iButton, rect);
        DraggedButton dragged(*pButton);
        bar1.m_pDragButton = pButton;
        bar1.m_ptStartDrag = rect.CenterPoint();
        const CPoint at = rect.CenterPoint() + CPoint(c.dx, 0);
        EXPECT_EQ((DWORD)DROPEFFECT_MOVE, DropThroughInterface(bar1, dragged.Interface(), 0, at))
            << c.name;
        // The drop took the dragged button, so that the source's end leaves it alone.
        EXPECT_EQ(nullptr, bar1.m_pDragButton) << c.name;
        const Ids now = bar1.Ids();
        EXPECT_EQ(c.after, Ids(now.begin(), now.begin() + 5)) << c.name;
        const int nSeparatorsAdded = (int)std::count(c.after.begin(), c.after.end(), 0u) -
                                     (int)std::count(c.before.begin(), c.before.end(), 0u);
        EXPECT_EQ(nCount + nSeparatorsAdded, bar1.GetCount()) << c.name;
        EXPECT_EQ(pButton, bar1.GetButton(bar1.ButtonToIndex(pButton))) << c.name;
    }
}

TEST_F(CustomizeFixture, MovingAButtonAlongItsBarKeepsItBeforeTheButtonItWasDroppedBefore)
{
    CTavoPToolBar::SetCustomizeMode(TRUE);
    // Open Save | Cut Copy Paste | Print Find ...: Paste is dropped before Print; taking it out
    // leaves two separators in a row, one of which goes.
    const int iPaste = 5, iPrint = 7;
    CTavoPToolbarButton* pPaste = bar1.GetButton(iPaste);
    bar1.GetButton(iPaste - 1)->m_nStyle = TBBS_SEPARATOR; // Open Save | Cut | Paste | Print
    bar1.AdjustLayout();
    ASSERT_EQ((Ids{kOpen, kSave, 0, kCut, 0, kPaste, 0, kPrint}), First(bar1, 8));
    DraggedButton dragged(*pPaste);
    bar1.m_pDragButton = pPaste;
    bar1.m_ptStartDrag = BeforeButton(bar1, iPaste);
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE,
              DropThroughInterface(bar1, dragged.Interface(), 0, BeforeButton(bar1, iPrint)));
    EXPECT_EQ((Ids{kOpen, kSave, 0, kCut, 0, kPaste, kPrint}), First(bar1, 7));
    EXPECT_EQ(11, bar1.GetCount());

    // Moved to the end of the bar.
    CTavoPToolbarButton* pOpen = bar1.GetButton(0);
    DraggedButton open(*pOpen);
    bar1.m_pDragButton = pOpen;
    bar1.m_ptStartDrag = BeforeButton(bar1, 0);
    CRect rectLast;
    bar1.GetItemRect(bar1.GetCount() - 1, rectLast);
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE,
              DropThroughInterface(bar1, open.Interface(), 0,
                                   CPoint(rectLast.right + 10, rectLast.CenterPoint().y)));
    EXPECT_EQ(11, bar1.GetCount());
    EXPECT_EQ(kOpen, bar1.GetItemID(10));
    EXPECT_EQ(kSave, bar1.GetItemID(0));
}

// ---- real drags through the system's drag loop ----

class RealDragFixture : public CustomizeFixture
{
protected:
    void SetUp() override
    {
        CustomizeFixture::SetUp();
        ASSERT_TRUE(bar1.IsDropTarget());
        ASSERT_TRUE(bar2.IsDropTarget());
        CTavoPToolBar::SetCustomizeMode(TRUE);
    }
    CPoint ScreenBefore(const CCustomizeBar& bar, int iButton)
    {
        CPoint point = BeforeButton(bar, iButton);
        bar.ClientToScreen(&point);
        return point;
    }
};

TEST_F(RealDragFixture, DragMovesAndControlCopiesToTheOtherBar)
{
    RunMouse(DragSteps(bar1.ScreenCenter(1), ScreenBefore(bar2, 3)));
    EXPECT_EQ(11, bar1.GetCount());
    EXPECT_EQ(kOpen, bar1.GetItemID(0));
    EXPECT_EQ((UINT)TBBS_SEPARATOR, bar1.GetButtonStyle(1));
    ASSERT_EQ(13, bar2.GetCount());
    EXPECT_EQ(kSave, bar2.GetItemID(3));

    std::vector<MouseStep> steps = DragSteps(bar1.ScreenCenter(3), ScreenBefore(bar2, 0));
    steps.insert(steps.end() - 1, {MouseStep::KeyDown, VK_CONTROL, 0});
    steps.push_back({MouseStep::KeyUp, VK_CONTROL, 0});
    RunMouse(steps);
    EXPECT_EQ(11, bar1.GetCount());
    EXPECT_EQ(kCopy, bar1.GetItemID(3));
    ASSERT_EQ(14, bar2.GetCount());
    EXPECT_EQ(kCopy, bar2.GetItemID(0));
}

TEST_F(RealDragFixture, DroppedOffEveryBarTheButtonIsDeletedAndEscapeKeepsIt)
{
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    const CPoint offBars = rectFrame.CenterPoint();
    ASSERT_EQ(nullptr, DYNAMIC_DOWNCAST(CTavoPToolBar, CWnd::WindowFromPoint(offBars)));

    std::vector<MouseStep> steps = DragSteps(bar1.ScreenCenter(0), offBars);
    steps.insert(steps.end() - 1, {MouseStep::Key, VK_ESCAPE, 0});
    RunMouse(steps);
    EXPECT_EQ(12, bar1.GetCount());
    EXPECT_EQ(kOpen, bar1.GetItemID(0));
    EXPECT_TRUE(GetToolbarDropSource().m_bEscapePressed);

    RunMouse(DragSteps(bar1.ScreenCenter(0), offBars));
    EXPECT_EQ(11, bar1.GetCount());
    EXPECT_EQ(kSave, bar1.GetItemID(0));
    EXPECT_EQ(12, bar2.GetCount());
}

// A docked toolbar that loses or gains a button becomes as long as the buttons it then has, and
// stays so when the frame lays its bars out again, after customizing and in a wider frame.
TEST_F(RealDragFixture, ADockedBarFollowsTheLengthOfItsButtons)
{
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    const CPoint offBars = rectFrame.CenterPoint();
    const auto length = [this]() {
        CRect rect;
        bar1.GetWindowRect(rect);
        return rect.Width();
    };
    const auto buttonLength = [this](int iButton) {
        CRect rect;
        bar1.GetItemRect(iButton, rect);
        return rect.Width();
    };
    const struct
    {
        const char* what;
        int nCountChange;
        std::function<int()> change; // the change of the buttons' length
    } changes[] = {
        {"the last button dropped off every bar", -1,
         [&]() {
             const int iLast = bar1.GetCount() - 1;
             const int nButton = buttonLength(iLast);
             RunMouse(DragSteps(bar1.ScreenCenter(iLast), offBars));
             return -nButton;
         }},
        {"the last button deleted from the customize menu", -1,
         [&]() {
             const int iLast = bar1.GetCount() - 1;
             const int nButton = buttonLength(iLast);
             const CPoint at = bar1.ScreenCenter(iLast);
             RunMouse(
                 {{MouseStep::Move, at.x, at.y}, {MouseStep::Down, 0, 0}, {MouseStep::Up, 0, 0}});
             bar1.SendMessage(WM_COMMAND, ID_TAVOP_CUSTOMIZE_DELETE);
             return -nButton;
         }},
        {"a button copied in from the other bar", 1,
         [&]() {
             std::vector<MouseStep> steps = DragSteps(bar2.ScreenCenter(0), ScreenBefore(bar1, 0));
             steps.insert(steps.end() - 1, {MouseStep::KeyDown, VK_CONTROL, 0});
             steps.push_back({MouseStep::KeyUp, VK_CONTROL, 0});
             RunMouse(steps);
             return buttonLength(0);
         }},
    };
    int nLength = length();
    for (const auto& change : changes)
    {
        SCOPED_TRACE(change.what);
        const int nCount = bar1.GetCount();
        nLength += change.change();
        ASSERT_EQ(nCount + change.nCountChange, bar1.GetCount());
        EXPECT_EQ(nLength, length());
        pFrame->RecalcLayout();
        PumpMessages();
        EXPECT_EQ(nLength, length()) << "after the frame's layout";
    }
    CTavoPToolBar::SetCustomizeMode(FALSE);
    pFrame->SetWindowPos(NULL, 0, 0, 800, 320, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
    EXPECT_EQ(nLength, length()) << "out of customize mode, in a wider frame";
}

TEST_F(RealDragFixture, PressWithoutLeavingTheButtonSelectsIt)
{
    const CPoint at = bar1.ScreenCenter(4);
    RunMouse({{MouseStep::Move, at.x, at.y},
              {MouseStep::Down, 0, 0},
              {MouseStep::Move, at.x + 2, at.y},
              {MouseStep::Up, 0, 0}});
    EXPECT_EQ(12, bar1.GetCount());
    EXPECT_EQ(4, bar1.GetCustomizeSelected());
    EXPECT_FALSE(GetToolbarDropSource().m_bDragStarted);
}

TEST_F(CustomizeFixture, AltDragCustomizesForThatDragOnly)
{
    CTavoPToolBar::m_bAltCustomizingAllowed = TRUE;
    CPoint to = BeforeButton(bar2, 4);
    bar2.ClientToScreen(&to);
    std::vector<MouseStep> steps = DragSteps(bar1.ScreenCenter(0), to);
    steps.insert(steps.begin() + 1, {MouseStep::KeyDown, VK_MENU, 0});
    steps.push_back({MouseStep::KeyUp, VK_MENU, 0});
    RunMouse(steps);
    CTavoPToolBar::m_bAltCustomizingAllowed = FALSE;
    EXPECT_FALSE(CTavoPToolBar::IsCustomizeMode());
    EXPECT_FALSE(CTavoPToolBar::IsAltCustomizing());
    EXPECT_EQ(11, bar1.GetCount());
    EXPECT_EQ(13, bar2.GetCount());
    EXPECT_EQ(kOpen, bar2.GetItemID(4));

    // Without the option an Alt press is a plain click.
    steps = DragSteps(bar1.ScreenCenter(0), to);
    steps.insert(steps.begin() + 1, {MouseStep::KeyDown, VK_MENU, 0});
    steps.push_back({MouseStep::KeyUp, VK_MENU, 0});
    RunMouse(steps);
    EXPECT_EQ(11, bar1.GetCount());
    EXPECT_EQ(13, bar2.GetCount());
}
