// The in-place frames: the container's frame taken over for docking and given back with only the library's bars gone, the frames' own docking, the popup owner following activation, the reduced pre-translation, tips and the display change.
#include "tests/support/BarTestSupport.h"
#include "tests/support/RecordingPopup.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/frames/CTavoPFrameHooks.h"
#include "ui/bars/frames/CTavoPOleCntrFrameWnd.h"
#include "ui/bars/frames/CTavoPOleDocIPFrameWnd.h"
#include "ui/bars/frames/CTavoPOleIPFrameWnd.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const UINT kViewID = AFX_IDW_PANE_FIRST;
const UINT kContainerControlID = 100;
const UINT kBarID = 0xE820;
const UINT kTipCommand = 40010;

// An in-place frame of either kind that supplies the tip of one command, as an application's
// frame would.
template <class TFrame>
class TipFrame : public TFrame
{
public:
    BOOL GetToolbarButtonToolTipText(CTavoPToolbarButton* pButton, CString& strTTText) override
    {
        if (pButton->m_nID != kTipCommand)
            return FALSE;
        strTTText = "from the in-place frame";
        return TRUE;
    }
};

// A container's frame window as another program would have it: a window of a plain class with
// its view (the first pane's ID) and a control of its own.
struct Container
{
    Container()
    {
        WNDCLASS wc = {};
        wc.lpfnWndProc = ::DefWindowProc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.lpszClassName = "VorlenTestContainer";
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        ::RegisterClass(&wc);
        hwnd = ::CreateWindowEx(0, "VorlenTestContainer", "container",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, 500,
                                360, NULL, NULL, wc.hInstance, NULL);
        hwndView = ::CreateWindowEx(0, "STATIC", "view", WS_CHILD | WS_VISIBLE, 0, 0, 480, 300,
                                    hwnd, (HMENU)(UINT_PTR)kViewID, wc.hInstance, NULL);
        hwndControl =
            ::CreateWindowEx(0, "BUTTON", "own", WS_CHILD | WS_VISIBLE, 400, 280, 60, 20, hwnd,
                             (HMENU)(UINT_PTR)kContainerControlID, wc.hInstance, NULL);
    }
    ~Container()
    {
        if (::IsWindow(hwnd))
            ::DestroyWindow(hwnd);
    }
    CRect ViewRect() const
    {
        CRect rect;
        ::GetWindowRect(hwndView, rect);
        ::MapWindowPoints(NULL, hwnd, (LPPOINT)&rect, 2);
        return rect;
    }

    HWND hwnd = NULL;
    HWND hwndView = NULL;
    HWND hwndControl = NULL;
};

// A docked bar that counts the idle updates it is sent.
class IdleCountingBar : public TestBar
{
public:
    IdleCountingBar() : TestBar(120, 26) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_IDLEUPDATECMDUI)
            m_nIdleUpdates++;
        return TestBar::WindowProc(message, wParam, lParam);
    }
    int m_nIdleUpdates = 0;
};

template <class TFrame>
class OleFrame : public ::testing::Test
{
protected:
    void TearDown() override
    {
        CTavoPPopupMenu::SetActiveMenu(NULL);
        for (HWND hwnd : frames)
            if (::IsWindow(hwnd))
                ::DestroyWindow(hwnd);
        CTavoPFrameHooks::SetPopupOwner(NULL);
        PumpMessages();
    }
    // A new in-place frame window, deleted with its window.
    TipFrame<TFrame>* Open(int x = 600)
    {
        TipFrame<TFrame>* pFrame = new TipFrame<TFrame>;
        if (!pFrame->Create(NULL, "in place", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            CRect(x, 40, x + 300, 240)))
            return nullptr;
        frames.push_back(pFrame->m_hWnd);
        PumpMessages();
        return pFrame;
    }
    // Docks the bar, a fixed test bar, on the top side of a library frame of any kind.
    template <class TSite>
    static void DockOn(TSite* pSite, TestBar& bar)
    {
        ASSERT_TRUE(pSite->EnableDocking(CBRS_ALIGN_ANY));
        ASSERT_TRUE(bar.Make(pSite, kBarID));
        pSite->DockControlBar(&bar);
        pSite->AdjustDockingLayout();
    }
    // The library's wrapper of the container's frame once pFrame built its tool space there.
    static CTavoPOleCntrFrameWnd* TakeOver(COleIPFrameWnd* pFrame, const Container& container)
    {
        if (!pFrame->BuildToolSpace(container.hwnd, NULL))
            return nullptr;
        return DYNAMIC_DOWNCAST(CTavoPOleCntrFrameWnd, pFrame->m_pMainFrame);
    }
    static BOOL PreTranslate(CFrameWnd* pFrame, UINT message, WPARAM wParam, LPARAM lParam)
    {
        MSG msg = {pFrame->m_hWnd, message, wParam, lParam};
        return pFrame->PreTranslateMessage(&msg);
    }

    std::vector<HWND> frames;
};

typedef ::testing::Types<CTavoPOleIPFrameWnd, CTavoPOleDocIPFrameWnd> InPlaceFrameKinds;
TYPED_TEST_SUITE(OleFrame, InPlaceFrameKinds);

} // namespace

// Both kinds dock from construction on: the document frame's dock manager too, which nothing
// attached before.
TYPED_TEST(OleFrame, DocksItsOwnBarsFromConstructionOn)
{
    {
        TypeParam unmade;
        EXPECT_EQ(&unmade, unmade.GetDockManager()->GetDockSite());
    }
    auto* pFrame = this->Open();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(pFrame, GetDockingUtils().GetDockManager(pFrame)->GetDockSite());
    TestBar bar(120, 26);
    ASSERT_NO_FATAL_FAILURE(this->DockOn(pFrame, bar));
    pFrame->RecalcLayout();
    EXPECT_TRUE(bar.IsDocked());
    EXPECT_EQ(&bar, pFrame->GetControlBar(kBarID));
    EXPECT_EQ(CRect(0, 0, 120, 26), bar.RectInFrame(pFrame));
    bar.DestroyWindow();
}

// The framework's wrapper of the container's frame is replaced once by the library's, on the same
// window; the bars dock there and push the container's view aside.
TYPED_TEST(OleFrame, ContainerFrameIsTakenOverOnceAndCarriesTheBars)
{
    Container container;
    auto* pFrame = this->Open();
    ASSERT_NE(nullptr, pFrame);
    CTavoPOleCntrFrameWnd* pContainer = this->TakeOver(pFrame, container);
    ASSERT_NE(nullptr, pContainer);
    EXPECT_EQ(container.hwnd, pContainer->m_hWnd);
    EXPECT_EQ(pContainer, CWnd::FromHandlePermanent(container.hwnd));
    EXPECT_EQ(pFrame, pContainer->m_pInPlaceFrame);
    EXPECT_EQ(pContainer, pContainer->GetDockManager()->GetDockSite());

    // A second build in the same activation keeps the object.
    ASSERT_TRUE(pFrame->BuildToolSpace(container.hwnd, NULL));
    EXPECT_EQ(pContainer, pFrame->m_pMainFrame);

    IdleCountingBar bar;
    ASSERT_NO_FATAL_FAILURE(this->DockOn(pContainer, bar));
    EXPECT_TRUE(bar.IsDocked());
    EXPECT_EQ(pContainer->GetDockManager(), bar.GetDockManager());
    EXPECT_EQ(CRect(0, 0, 120, 26), bar.RectInFrame(pContainer));
    CRect rectClient;
    ::GetClientRect(container.hwnd, rectClient);
    EXPECT_EQ(CRect(0, 26, rectClient.right, rectClient.bottom), container.ViewRect());

    // The in-place frame's idle update reaches the bars on the container.
    pFrame->SendMessage(WM_IDLEUPDATECMDUI);
    EXPECT_EQ(1, bar.m_nIdleUpdates);
    bar.DestroyWindow();
}

// The end of the activation takes away the bars the library put on the container and lets go of
// its window; the container's own windows, its view first, stay.
TYPED_TEST(OleFrame, EndOfActivationTakesOnlyTheLibrarysBars)
{
    Container container;
    auto* pFrame = this->Open();
    ASSERT_NE(nullptr, pFrame);
    CTavoPOleCntrFrameWnd* pContainer = this->TakeOver(pFrame, container);
    ASSERT_NE(nullptr, pContainer);
    TestBar bar(120, 26);
    ASSERT_NO_FATAL_FAILURE(this->DockOn(pContainer, bar));
    const HWND hwndDockBar = ::GetParent(bar.m_hWnd);
    ASSERT_NE(container.hwnd, hwndDockBar);

    pFrame->DestroyToolSpace();
    EXPECT_EQ(nullptr, pFrame->m_pMainFrame);
    EXPECT_FALSE(::IsWindow(bar.m_hWnd));
    EXPECT_FALSE(::IsWindow(hwndDockBar));
    EXPECT_TRUE(::IsWindow(container.hwnd));
    EXPECT_TRUE(::IsWindow(container.hwndView));
    EXPECT_TRUE(::IsWindow(container.hwndControl));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(container.hwnd));

    // A new activation wraps the same window again; closing the in-place frame ends it too.
    ASSERT_TRUE(pFrame->BuildToolSpace(container.hwnd, NULL));
    EXPECT_TRUE(pFrame->m_pMainFrame->IsKindOf(RUNTIME_CLASS(CTavoPOleCntrFrameWnd)));
    pFrame->DestroyWindow();
    EXPECT_TRUE(::IsWindow(container.hwndView));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(container.hwnd));
}

// A window that already has an object, or none at all, cannot be wrapped: nothing stays half made.
TYPED_TEST(OleFrame, ContainerWindowThatCannotBeWrappedFailsCleanly)
{
    auto* pFrame = this->Open();
    auto* pOther = this->Open(200);
    ASSERT_NE(nullptr, pFrame);
    ASSERT_NE(nullptr, pOther);
    EXPECT_FALSE(pFrame->BuildToolSpace(pOther->m_hWnd, NULL));
    EXPECT_EQ(nullptr, pFrame->m_pMainFrame);
    EXPECT_EQ(pOther, CWnd::FromHandlePermanent(pOther->m_hWnd));
    EXPECT_FALSE(pFrame->BuildToolSpace(NULL, NULL));
    Container container;
    EXPECT_FALSE(pFrame->BuildToolSpace(container.hwnd, pOther->m_hWnd));
    EXPECT_EQ(nullptr, pFrame->m_pMainFrame);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(container.hwnd));
}

// Attach and Detach move a live window from one object to another and back.
TEST(WindowObjects, AttachAndDetachMoveALiveWindowBetweenObjects)
{
    Container container;
    CWnd first;
    ASSERT_TRUE(first.Attach(container.hwnd));
    CWnd second;
    EXPECT_FALSE(second.Attach(container.hwnd)) << "one object to a window";
    EXPECT_EQ(container.hwnd, first.Detach());
    ASSERT_TRUE(second.Attach(container.hwnd));
    EXPECT_EQ(&second, CWnd::FromHandlePermanent(container.hwnd));
    EXPECT_EQ(nullptr, first.m_hWnd);
    EXPECT_EQ(container.hwnd, second.Detach());
    EXPECT_TRUE(::IsWindow(container.hwnd));
}

// Activation makes the in-place frame the frame popups and toolbars belong to; deactivation or
// its end gives the place back to the frame before it, as long as that one still exists.
TYPED_TEST(OleFrame, PopupOwnerFollowsActivationAndComesBack)
{
    CFrameWnd* pMain = new CFrameWnd; // a frame window: deleted with its window
    ASSERT_TRUE(pMain->Create(NULL, "main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    this->frames.push_back(pMain->m_hWnd);
    CTavoPFrameHooks::SetPopupOwner(pMain);
    auto* pFirst = this->Open();
    auto* pSecond = this->Open(200);
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    CTavoPFrameHooks::SetPopupOwner(pMain);

    pFirst->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(pFirst, CTavoPFrameHooks::GetPopupOwner());
    EXPECT_EQ(pFirst, CTavoPFrameHooks::GetTopFrameOf(pSecond));
    pSecond->SendMessage(WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_EQ(pSecond, CTavoPFrameHooks::GetPopupOwner());
    // Activated again, the owner keeps the frame it saved.
    pSecond->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    pSecond->DestroyWindow();
    EXPECT_EQ(pFirst, CTavoPFrameHooks::GetPopupOwner());
    pFirst->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(pMain, CTavoPFrameHooks::GetPopupOwner());

    // The frame saved is gone by the time the place is given back: none owns the popups.
    pFirst->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    pMain->DestroyWindow();
    pFirst->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(nullptr, CTavoPFrameHooks::GetPopupOwner());

    // Real activation between two in-place frames.
    auto* pThird = this->Open(200);
    ASSERT_NE(nullptr, pThird);
    pFirst->SetActiveWindow();
    PumpMessages();
    EXPECT_EQ(pFirst, CTavoPFrameHooks::GetPopupOwner());
    pThird->SetActiveWindow();
    PumpMessages();
    EXPECT_EQ(pThird, CTavoPFrameHooks::GetPopupOwner());
    pThird->DestroyWindow();
    PumpMessages();
    EXPECT_NE(pThird, (void*)CTavoPFrameHooks::GetPopupOwner());
}

// The toolbar on the container asks the active in-place frame for its tips, not the container.
TYPED_TEST(OleFrame, ToolbarOnTheContainerTakesTipsFromTheInPlaceFrame)
{
    Container container;
    auto* pFrame = this->Open();
    ASSERT_NE(nullptr, pFrame);
    ASSERT_TRUE(pFrame->BuildToolSpace(container.hwnd, NULL));
    pFrame->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    CTavoPToolBar bar;
    ASSERT_TRUE(bar.Create(pFrame->m_pMainFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.InsertButton(new CTavoPToolbarButton(kTipCommand, -1, "Tip"));
    bar.InsertButton(new CTavoPToolbarButton(kTipCommand + 1, -1, "Plain"));
    bar.AdjustLayout();
    TOOLINFO ti = {};
    bar.OnToolHitTest(bar.GetButton(0)->Rect().CenterPoint(), &ti);
    EXPECT_STREQ("from the in-place frame", ti.lpszText);
    free(ti.lpszText);
    bar.DestroyWindow();
}

// Keys go to an open popup; Alt and the system keys are left to the framework, and so is the
// release of the left button.
TYPED_TEST(OleFrame, PreTranslationGivesKeysToAnOpenPopupButNotSystemKeys)
{
    auto* pFrame = this->Open();
    ASSERT_NE(nullptr, pFrame);
    RecordingPopup& popup = *new RecordingPopup; // a frame window: deleted with its window
    ASSERT_TRUE(popup.Make(CRect(300, 300, 400, 400)));
    this->frames.push_back(popup.m_hWnd);
    pFrame->OnShowPopupMenu(&popup);
    ASSERT_EQ(&popup, CTavoPPopupMenu::GetActiveMenu());
    // The popup took the activation from the frame, which closes an open popup as it goes.
    popup.m_nClosed = 0;

    EXPECT_TRUE(this->PreTranslate(pFrame, WM_KEYDOWN, VK_DOWN, 0));
    EXPECT_EQ(popup.m_keys, (std::vector<int>{VK_DOWN}));
    EXPECT_FALSE(this->PreTranslate(pFrame, WM_SYSKEYDOWN, VK_MENU, 0));
    EXPECT_FALSE(this->PreTranslate(pFrame, WM_SYSKEYUP, VK_MENU, 0));
    EXPECT_EQ(0, popup.m_nClosed);
    EXPECT_EQ(1u, popup.m_keys.size());
    // A click outside the popup closes it; the release is nothing to the popup.
    CPoint ptOutside(20, 20);
    EXPECT_FALSE(this->PreTranslate(pFrame, WM_LBUTTONUP, 0, MAKELPARAM(ptOutside.x, ptOutside.y)));
    EXPECT_EQ(0, popup.m_nClosed);
    EXPECT_FALSE(
        this->PreTranslate(pFrame, WM_RBUTTONDBLCLK, 0, MAKELPARAM(ptOutside.x, ptOutside.y)));
    EXPECT_EQ(1, popup.m_nClosed);
    pFrame->OnClosePopupMenu(&popup);
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());
}

// A new screen depth reaches the global data the bars paint with.
TYPED_TEST(OleFrame, DisplayChangeTakesTheNewDepth)
{
    auto* pFrame = this->Open();
    ASSERT_NE(nullptr, pFrame);
    struct Restore
    {
        ~Restore()
        {
            CDC::SetScreenBitsPerPixelOverride(0);
            GetGlobalData().UpdateSysColors();
        }
    } restore;
    CDC::SetScreenBitsPerPixelOverride(8);
    pFrame->SendMessage(WM_DISPLAYCHANGE, 8, MAKELPARAM(1024, 768));
    EXPECT_EQ(8, GetGlobalData().m_nBitsPerPixel);
}
