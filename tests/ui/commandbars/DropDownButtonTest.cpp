// The drop-down button in a real frame: a short click runs its command, a held press drops its
// toolbar down beside it and a choice there becomes its command; its timer and frame end with it;
// its archive keeps it bound to its toolbar by control ID.
#include "ui/commandbars/CTavoPDropDownFrame.h"
#include "ui/commandbars/CTavoPDropDownToolBar.h"
#include "ui/commandbars/CTavoPDropDownToolbarButton.h"
#include "ui/commandbars/TavoPTrackMouseLeave.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/ui/commandbars/CommandButtonTestSupport.h"
#include "tests/ui/commandbars/ToolbarTestIds.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

const UINT kSourceBarId = 0x7101;
const UINT kPlainCommand = 30120;

class DropDownFixture : public ::testing::Test
{
protected:
    void SetUp() override { Make(CBRS_TOP, CRect(100, 100, 700, 500)); }
    void Make(DWORD dwAlign, const CRect& rectFrame)
    {
        CTavoPToolBar::ResetAllImages();
        CTavoPToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
        frame = new CCommandFrame(kOpen, kPlainCommand);
        ASSERT_TRUE(frame->Create(NULL, "drop-down", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rectFrame));
        ASSERT_TRUE(source.Create(frame, WS_CHILD | CBRS_TOP, kSourceBarId));
        ASSERT_TRUE(source.LoadToolBar(kToolbar));
        ASSERT_TRUE(bar.Create(frame, WS_CHILD | WS_VISIBLE | dwAlign, 0x7102));
        bar.InsertButton(new CTavoPToolbarButton(kPlainCommand, 0, NULL, FALSE, TRUE));
        button = new CTavoPDropDownToolbarButton("Edit tools", &source);
        ASSERT_EQ(1, bar.InsertButton(button));
        bar.AdjustLayout();
        PumpMessages();
    }
    void TearDown() override
    {
        if (bar.GetSafeHwnd() != NULL)
            bar.DestroyWindow();
        source.DestroyWindow();
        frame->DestroyWindow();
        PumpMessages();
    }
    CPoint ButtonCenter() const { return button->Rect().CenterPoint(); }
    void Press()
    {
        const CPoint at = ButtonCenter();
        bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    }
    void Release()
    {
        const CPoint at = ButtonCenter();
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        PumpMessages();
    }
    // Holds the press until the choices show.
    CTavoPDropDownFrame* HoldUntilDropped()
    {
        Press();
        PumpFor(CTavoPDropDownToolbarButton::kPressDelay + 200);
        return button->GetDropDownFrame();
    }
    static void Choose(CTavoPDropDownFrame* pFrame, UINT uiCmd)
    {
        CTavoPDropDownToolBar* pChoices = pFrame->GetToolBar();
        CRect rect;
        pChoices->GetItemRect(pChoices->CommandToIndex(uiCmd), rect);
        const CPoint at = rect.CenterPoint();
        pChoices->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        pChoices->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        PumpMessages();
    }
    CCommandFrame* frame = nullptr;
    CTavoPDropDownToolBar source;
    CTavoPToolBar bar;
    CTavoPDropDownToolbarButton* button = nullptr;
};

} // namespace

TEST_F(DropDownFixture, ShortClickRunsTheCurrentCommandAndDropsNothing)
{
    EXPECT_EQ(kOpen, button->m_nID);
    Press();
    EXPECT_TRUE(button->IsPressTimerRunning());
    PumpFor(100);
    Release();
    EXPECT_FALSE(button->IsPressTimerRunning());
    ASSERT_EQ(1u, frame->commands.size());
    EXPECT_EQ(kOpen, frame->commands[0]);

    // Nothing drops down later either, nor after a press released off the button.
    Press();
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1000, 1000));
    PumpFor(CTavoPDropDownToolbarButton::kPressDelay + 200);
    EXPECT_EQ(nullptr, button->GetDropDownFrame());
    EXPECT_EQ(1u, frame->commands.size());
}

TEST_F(DropDownFixture, HeldPressDropsTheChoicesBelowAndTheChoiceBecomesTheCommand)
{
    CTavoPDropDownFrame* pFrame = HoldUntilDropped();
    ASSERT_NE(nullptr, pFrame);
    HWND hwndFrame = pFrame->GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(hwndFrame));
    EXPECT_EQ(button, pFrame->GetParentButton());
    EXPECT_EQ(pFrame->GetToolBar()->GetSafeHwnd(), ::GetCapture());

    // Below-left of a button on a horizontal bar, the choices in a column.
    CRect rectButton = button->Rect();
    bar.ClientToScreen(rectButton);
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    EXPECT_EQ(rectButton.left - 1, rectFrame.left);
    EXPECT_EQ(rectButton.bottom, rectFrame.top);
    EXPECT_GT(rectFrame.Height(), rectFrame.Width());
    EXPECT_EQ(source.GetCount(), pFrame->GetToolBar()->GetCount());

    Choose(pFrame, kCut);
    EXPECT_FALSE(::IsWindow(hwndFrame));
    EXPECT_EQ(nullptr, button->GetDropDownFrame());
    ASSERT_EQ(1u, frame->commands.size());
    EXPECT_EQ(kCut, frame->commands[0]);
    EXPECT_EQ(kCut, button->m_nID);
    // Open, Save, Cut: the third image of the source bar.
    EXPECT_EQ(2, button->GetCurrentImage());
    EXPECT_EQ(0u, button->m_nStyle & TBBS_PRESSED);
    EXPECT_EQ(-1, bar.GetPressedButton());
    // The choices still belong to the source bar.
    ASSERT_EQ(12, source.GetCount());
    EXPECT_EQ(kRedo, source.GetItemID(11));

    // The next short click runs the new command.
    Press();
    Release();
    ASSERT_EQ(2u, frame->commands.size());
    EXPECT_EQ(kCut, frame->commands[1]);
}

TEST_F(DropDownFixture, ReleaseOutsideTheChoicesClosesThemWithoutACommand)
{
    CTavoPDropDownFrame* pFrame = HoldUntilDropped();
    ASSERT_NE(nullptr, pFrame);
    HWND hwndFrame = pFrame->GetSafeHwnd();
    pFrame->GetToolBar()->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hwndFrame));
    EXPECT_EQ(nullptr, button->GetDropDownFrame());
    EXPECT_TRUE(frame->commands.empty());
    EXPECT_EQ(kOpen, button->m_nID);
}

TEST_F(DropDownFixture, DisabledChoiceIsIgnored)
{
    CTavoPDropDownFrame* pFrame = HoldUntilDropped();
    ASSERT_NE(nullptr, pFrame);
    CTavoPDropDownToolBar* pChoices = pFrame->GetToolBar();
    const int iCopy = pChoices->CommandToIndex(kCopy);
    pChoices->SetButtonStyle(iCopy, pChoices->GetButtonStyle(iCopy) | TBBS_DISABLED);
    EXPECT_FALSE(pChoices->OnSendCommand(pChoices->GetButton(iCopy)));
    pChoices->SetButtonStyle(iCopy, pChoices->GetButtonStyle(iCopy) & ~TBBS_DISABLED);
    EXPECT_TRUE(frame->commands.empty());
    EXPECT_EQ(kOpen, button->m_nID);
    pFrame->DestroyWindow();
    PumpMessages();
}

TEST_F(DropDownFixture, DisabledButtonRunsNothingYetAHeldPressShowsItsChoices)
{
    bar.SetButtonStyle(1, bar.GetButtonStyle(1) | TBBS_DISABLED);
    Press();
    Release();
    PumpFor(CTavoPDropDownToolbarButton::kPressDelay + 200);
    EXPECT_TRUE(frame->commands.empty());
    EXPECT_EQ(nullptr, button->GetDropDownFrame());

    CTavoPDropDownFrame* pFrame = HoldUntilDropped();
    ASSERT_NE(nullptr, pFrame);
    pFrame->DestroyWindow();
    PumpMessages();
    EXPECT_EQ(nullptr, button->GetDropDownFrame());
    EXPECT_TRUE(frame->commands.empty());
}

namespace {

// A frame whose toolbar lies so low that the choices do not fit below it.
class DropDownNearBottomFixture : public DropDownFixture
{
protected:
    void SetUp() override
    {
        const int cyFull = ::GetSystemMetrics(SM_CYFULLSCREEN);
        Make(CBRS_TOP, CRect(100, cyFull - 100, 700, cyFull + 100));
    }
};

} // namespace

TEST_F(DropDownNearBottomFixture, ChoicesThatWouldLeaveTheScreenOpenAboveTheButton)
{
    CTavoPDropDownFrame* pFrame = HoldUntilDropped();
    ASSERT_NE(nullptr, pFrame);
    CRect rectButton = button->Rect();
    bar.ClientToScreen(rectButton);
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    EXPECT_EQ(rectButton.top - 4, rectFrame.bottom);
    EXPECT_EQ(rectButton.left - 1, rectFrame.left);
    pFrame->DestroyWindow();
    PumpMessages();
}

TEST(DropDownButtonOnVerticalBar, ChoicesOpenToTheRightOfTheButton)
{
    CTavoPToolBar::ResetAllImages();
    CCommandFrame* pFrameWnd = new CCommandFrame(kOpen, kPlainCommand);
    ASSERT_TRUE(pFrameWnd->Create(NULL, "drop-down", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(100, 100, 700, 500)));
    CTavoPDropDownToolBar source;
    ASSERT_TRUE(source.Create(pFrameWnd, WS_CHILD | CBRS_TOP, kSourceBarId));
    ASSERT_TRUE(source.LoadToolBar(kToolbar));
    CTavoPToolBar bar;
    ASSERT_TRUE(bar.Create(pFrameWnd, WS_CHILD | WS_VISIBLE | CBRS_LEFT, 0x7102));
    CTavoPDropDownToolbarButton* pButton = new CTavoPDropDownToolbarButton("Edit", &source);
    bar.InsertButton(pButton);
    bar.AdjustLayout();

    const CPoint at = pButton->Rect().CenterPoint();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PumpFor(CTavoPDropDownToolbarButton::kPressDelay + 200);
    CTavoPDropDownFrame* pFrame = pButton->GetDropDownFrame();
    ASSERT_NE(nullptr, pFrame);
    CRect rectButton = pButton->Rect();
    bar.ClientToScreen(rectButton);
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    EXPECT_EQ(rectButton.right + 1, rectFrame.left);
    EXPECT_EQ(rectButton.top, rectFrame.top);
    EXPECT_GT(rectFrame.Width(), rectFrame.Height());

    pFrame->SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    PumpMessages();
    EXPECT_EQ(nullptr, pButton->GetDropDownFrame());
    bar.DestroyWindow();
    source.DestroyWindow();
    pFrameWnd->DestroyWindow();
    PumpMessages();
}

// ---- lifetime ----

TEST_F(DropDownFixture, ButtonDeletedWhileItsTimerRunsTakesTheTimerWithIt)
{
    // A button that goes without the bar's cancel: its destructor alone must end the timer.
    CTavoPDropDownToolbarButton* pLoose = new CTavoPDropDownToolbarButton("Loose", &source);
    pLoose->OnChangeParentWnd(&bar);
    EXPECT_FALSE(pLoose->OnClick(&bar, FALSE));
    ASSERT_TRUE(pLoose->IsPressTimerRunning());
    delete pLoose;
    EXPECT_FALSE(::KillTimer(bar.GetSafeHwnd(), CTavoPDropDownToolbarButton::kPressTimerId));
    PumpFor(CTavoPDropDownToolbarButton::kPressDelay + 100);

    // Removed from the bar with its choices open: the frame closes with it.
    CTavoPDropDownFrame* pFrame = HoldUntilDropped();
    ASSERT_NE(nullptr, pFrame);
    HWND hwndFrame = pFrame->GetSafeHwnd();
    ASSERT_TRUE(bar.RemoveButton(1));
    button = nullptr;
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hwndFrame));
    EXPECT_EQ(12, source.GetCount());
}

TEST_F(DropDownFixture, PressTimerLeavesTheOtherTimersOfTheBarAlone)
{
    // The menu bar's expansion timer, the mouse-leave timer and the item bar's sub-menu timers.
    const UINT_PTR others[] = {1, 2, CTavoPPopupMenuBar::kTimerOpenSubMenu,
                               CTavoPPopupMenuBar::kTimerCloseSubMenu};
    for (UINT_PTR id : others)
    {
        ASSERT_NE(id, CTavoPDropDownToolbarButton::kPressTimerId);
        ASSERT_TRUE(::SetTimer(bar.GetSafeHwnd(), id, 60000, NULL));
        Press();
        Release();
        EXPECT_TRUE(::KillTimer(bar.GetSafeHwnd(), id)) << id;
    }
    EXPECT_EQ(4u, frame->commands.size());
}

TEST_F(DropDownFixture, MouseLeaveTrackingPostsTheLeaveOnceThePointerIsOutside)
{
    TRACKMOUSEEVENT tooShort = {15, TME_LEAVE, bar.GetSafeHwnd(), 0};
    EXPECT_FALSE(TrackMouseLeave(&tooShort));
    TRACKMOUSEEVENT noLeave = {sizeof(TRACKMOUSEEVENT), TME_HOVER, bar.GetSafeHwnd(), 0};
    EXPECT_FALSE(TrackMouseLeave(&noLeave));
    TRACKMOUSEEVENT noWindow = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, NULL, 0};
    EXPECT_FALSE(TrackMouseLeave(&noWindow));

    // A window of its own, so that no other handler takes the message first.
    CWnd probe;
    ASSERT_TRUE(probe.CreateEx(0, AfxRegisterWndClass(0), "probe", WS_POPUP | WS_VISIBLE, 0, 0, 20,
                               20, NULL, NULL));
    ::SetCursorPos(600, 600);
    TRACKMOUSEEVENT leave = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, probe.GetSafeHwnd(), 0};
    ASSERT_TRUE(TrackMouseLeave(&leave));
    BOOL bLeft = FALSE;
    const DWORD dwStart = ::GetTickCount();
    while (!bLeft && ::GetTickCount() - dwStart < 1000)
    {
        MSG msg;
        while (::PeekMessage(&msg, probe.GetSafeHwnd(), 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_MOUSELEAVE)
                bLeft = TRUE;
            ::DispatchMessage(&msg);
        }
        ::Sleep(10);
    }
    EXPECT_TRUE(bLeft);
    // The timer ended with the notice.
    EXPECT_FALSE(::KillTimer(probe.GetSafeHwnd(), TME_LEAVE));
    probe.DestroyWindow();
}

// ---- menus, archive ----

TEST_F(DropDownFixture, ExportedMenuButtonCarriesTheNameAndTheChoices)
{
    CTavoPToolbarMenuButton menuButton;
    ASSERT_TRUE(button->ExportToMenuButton(menuButton));
    EXPECT_EQ(0u, menuButton.m_nID);
    EXPECT_STREQ("Edit tools", menuButton.m_strText);
    const CObList& items = menuButton.GetCommands();
    ASSERT_EQ(12, (int)items.GetCount());
    const CTavoPToolbarButton* pThird = (CTavoPToolbarButton*)items.GetAt(items.FindIndex(3));
    EXPECT_EQ(kCut, pThird->m_nID);
    EXPECT_STREQ("Cut", pThird->m_strText);

    CTavoPDropDownToolbarButton unbound;
    EXPECT_FALSE(unbound.ExportToMenuButton(menuButton));
}

namespace {

// The bytes of a drop-down button: the button archive, the toolbar ID, the name and the image.
Bytes DropDownBytes(UINT uiCmd, UINT uiBarId, const char* pszName, int iImage)
{
    return ByteWriter()
        .NewClass(1, "CTavoPDropDownToolbarButton")
        .D(uiCmd)
        .D(0)
        .D((DWORD)-1)
        .B(0)
        .D(0)
        .D(0)
        .D(0)
        .D(1)
        .D(uiBarId)
        .B((BYTE)strlen(pszName))
        .Text(pszName)
        .D((DWORD)iImage);
}

std::unique_ptr<CTavoPToolbarButton> LoadButton(const Bytes& bytes)
{
    CTavoPToolbarButton* pButton = NULL;
    LoadFromBytes(bytes, [&](CArchive& ar) {
        pButton = (CTavoPToolbarButton*)ar.ReadObject(RUNTIME_CLASS(CTavoPToolbarButton));
    });
    return std::unique_ptr<CTavoPToolbarButton>(pButton);
}

} // namespace

TEST_F(DropDownFixture, ArchiveKeepsTheButtonBoundToItsToolbarById)
{
    button->SetCurrentCommand(kSave);
    const Bytes stored = StoreToBytes([&](CArchive& ar) { ar.WriteObject(button); });
    EXPECT_EQ(DropDownBytes(kSave, kSourceBarId, "Edit tools", 1), stored);

    // Loaded while the source bar lives: bound again, the image recomputed from the command.
    std::unique_ptr<CTavoPToolbarButton> pLoaded =
        LoadButton(DropDownBytes(kCut, kSourceBarId, "Tools", 7));
    CTavoPDropDownToolbarButton* pDropDown =
        DYNAMIC_DOWNCAST(CTavoPDropDownToolbarButton, pLoaded.get());
    ASSERT_NE(nullptr, pDropDown);
    EXPECT_EQ(&source, pDropDown->GetDropDownToolBar());
    EXPECT_STREQ("Tools", pDropDown->GetName());
    EXPECT_EQ(kCut, pDropDown->m_nID);
    EXPECT_EQ(2, pDropDown->GetCurrentImage());

    // A toolbar ID that no live drop-down bar has leaves the button unbound.
    pLoaded = LoadButton(DropDownBytes(kCut, 0x7102, "Tools", 7));
    pDropDown = DYNAMIC_DOWNCAST(CTavoPDropDownToolbarButton, pLoaded.get());
    ASSERT_NE(nullptr, pDropDown);
    EXPECT_EQ(nullptr, pDropDown->GetDropDownToolBar());

    // Cut short anywhere in its own fields, the load fails with an archive exception.
    const Bytes full = DropDownBytes(kCut, kSourceBarId, "Tools", 2);
    for (size_t nCut : {full.size() - 1, full.size() - 5, full.size() - 9})
    {
        Bytes cut(full.begin(), full.begin() + nCut);
        CTavoPToolbarButton* pButton = NULL;
        EXPECT_NE(-1, LoadFailureCause(cut, [&](CArchive& ar) {
            pButton = (CTavoPToolbarButton*)ar.ReadObject(RUNTIME_CLASS(CTavoPToolbarButton));
        })) << nCut;
        delete pButton;
    }
}
