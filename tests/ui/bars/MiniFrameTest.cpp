// Floating frames without the mouse: the floating-bar registry, hit testing, toolbar snapping, the visual manager's redraw, and the frames' record in the layout archive.
#include "tests/support/ArchiveBytes.h"
#include "tests/support/Mutations.h"
#include "tests/support/WindowPixels.h"
#include "tests/support/BarTestSupport.h"
#include "tests/support/RegistryTestKey.h"
#include "ui/bars/TavoPBarStatics.h"
#include "ui/bars/docking/CTavoPCaptionButton.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <set>

namespace {

const char kRoot[] = "SOFTWARE\\VorlenTests MiniFrames";
const char kProfile[] = "SOFTWARE\\VorlenTests MiniFrames\\";

std::set<HWND> ThreadWindows()
{
    std::set<HWND> windows;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            ((std::set<HWND>*)lParam)->insert(hwnd);
            return TRUE;
        },
        (LPARAM)&windows);
    return windows;
}

class MiniFrameFixture : public DockingFrameFixture
{
protected:
    // A bar docked at the top, then floated at rect.
    void Float(CTavoPControlBar* pBar, const CRect& rect)
    {
        pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
        ASSERT_TRUE(pBar->FloatControlBar(rect, TAVOP_DM_RECT, TRUE));
        ASSERT_TRUE(pBar->IsFloating());
    }
    CTavoPDockManager* Manager() { return pFrame->GetDockManager(); }
};

TEST_F(MiniFrameFixture, AFloatingBarIsRegisteredByIdOnlyWhileItFloats)
{
    TestBar bar(150, 24);
    ASSERT_TRUE(bar.Make(pFrame, 21));
    Float(&bar, CRect(300, 300, 450, 340));
    CTavoPMiniFrameWnd* pMiniFrame = bar.GetParentMiniFrame();
    const HWND hwndMiniFrame = pMiniFrame->GetSafeHwnd();
    EXPECT_EQ(&bar, CTavoPMiniFrameWnd::FindFloatingBarByID(21));
    EXPECT_EQ(&bar, pFrame->GetControlBar(21));
    EXPECT_EQ(1, std::count(TavoPFloatingFrameList().begin(), TavoPFloatingFrameList().end(),
                            hwndMiniFrame));
    EXPECT_NE(nullptr, Manager()->GetMiniFrames().Find(pMiniFrame));
    // The platform draws no frame of its own around it.
    EXPECT_EQ(0u, pMiniFrame->GetStyle() & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME));

    ASSERT_TRUE(bar.DockToBar(NULL, NULL, TAVOP_DM_RECENT));
    EXPECT_EQ(nullptr, CTavoPMiniFrameWnd::FindFloatingBarByID(21));
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hwndMiniFrame)) << "the emptied frame goes";
    EXPECT_EQ(0, std::count(TavoPFloatingFrameList().begin(), TavoPFloatingFrameList().end(),
                            hwndMiniFrame));
    EXPECT_EQ(0, Manager()->GetMiniFrames().GetCount());

    // A frame that dies takes its bars' entries along.
    TestBar other(150, 24);
    ASSERT_TRUE(other.Make(pFrame, 22));
    Float(&other, CRect(300, 300, 450, 340));
    other.GetParentMiniFrame()->DestroyWindow();
    EXPECT_EQ(nullptr, CTavoPMiniFrameWnd::FindFloatingBarByID(22));
    EXPECT_EQ(0u, TavoPFloatingBarRegistry().count(22));

    // An entry whose window is not a bar finds nothing.
    HWND hwndStatic = ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                      ::GetModuleHandleA(NULL), NULL);
    TavoPFloatingBarRegistry()[23] = hwndStatic;
    EXPECT_EQ(nullptr, CTavoPMiniFrameWnd::FindFloatingBarByID(23));
    ::DestroyWindow(hwndStatic);
    EXPECT_EQ(nullptr, CTavoPMiniFrameWnd::FindFloatingBarByID(23));
    TavoPFloatingBarRegistry().erase(23);
}

TEST_F(MiniFrameFixture, HitTestAnswersBordersCornersCaptionAndItsButtons)
{
    TestBar bar(200, 60);
    ASSERT_TRUE(bar.Make(pFrame, 24, TAVOP_CBRS_FLOAT | TAVOP_CBRS_CLOSE));
    Float(&bar, CRect(300, 300, 500, 360));
    CTavoPMiniFrameWnd* pMiniFrame = bar.GetParentMiniFrame();
    pMiniFrame->SetCaptionButtons(TAVOP_CAPTION_BTN_CLOSE | TAVOP_CAPTION_BTN_PIN |
                                  TAVOP_CAPTION_BTN_THIRD);

    CRect rectWindow;
    pMiniFrame->GetWindowRect(rectWindow);
    CRect rectBorder;
    pMiniFrame->GetBorderSize(rectBorder);
    const int cxFrame = ::GetSystemMetrics(SM_CXFRAME);
    ASSERT_EQ(cxFrame, rectBorder.left);
    const int nCaption = pMiniFrame->GetCaptionHeight();
    const CSize sizeButton = CTavoPCaptionButton::GetSize();
    const int yCaption = rectWindow.top + rectBorder.top + nCaption / 2;
    // Close rightmost, then the pin, then the third button, 4 pixels apart.
    const int xClose = rectWindow.right - rectBorder.right - sizeButton.cx / 2 - 1;
    const int xPin = xClose - sizeButton.cx - 4;
    const int xThird = xPin - sizeButton.cx - 4;
    const int cxCorner = ::GetSystemMetrics(SM_CXCURSOR) / 2;
    const struct
    {
        CPoint pt;
        LRESULT nHit;
    } cases[] = {
        {CPoint(rectWindow.left + 30, yCaption), HTCLIENT},
        {CPoint(xClose, yCaption), 20},
        {CPoint(xPin, yCaption), 9},
        {CPoint(xThird, yCaption), 8},
        {rectWindow.CenterPoint() + CSize(0, nCaption / 2), HTCLIENT},
        {CPoint(rectWindow.left, rectWindow.top), HTTOPLEFT},
        {CPoint(rectWindow.left + cxCorner + 5, rectWindow.top), HTTOP},
        {CPoint(rectWindow.right - 1, rectWindow.top), HTTOPRIGHT},
        {CPoint(rectWindow.right - 1, rectWindow.CenterPoint().y), HTRIGHT},
        {CPoint(rectWindow.right - 1, rectWindow.bottom - 1), HTBOTTOMRIGHT},
        {CPoint(rectWindow.CenterPoint().x, rectWindow.bottom - 1), HTBOTTOM},
        {CPoint(rectWindow.left, rectWindow.bottom - 1), HTBOTTOMLEFT},
        {CPoint(rectWindow.left, rectWindow.CenterPoint().y), HTLEFT},
        {CPoint(rectWindow.right + 5, rectWindow.top), HTNOWHERE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message()
                     << c.pt.x - rectWindow.left << "," << c.pt.y - rectWindow.top);
        EXPECT_EQ(c.nHit, pMiniFrame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.pt.x, c.pt.y)));
    }
    EXPECT_EQ(HTCAPTION, pMiniFrame->HitTest(CPoint(rectWindow.left + 30, yCaption), TRUE));

    // Around a toolbar every border is one edge from end to end, corners included.
    SnappingToolBar toolbar;
    ASSERT_TRUE(toolbar.Make(pFrame, 25));
    Float(&toolbar, CRect(300, 100, 440, 150));
    CTavoPMiniFrameWnd* pToolFrame = toolbar.GetParentMiniFrame();
    pToolFrame->GetWindowRect(rectWindow);
    EXPECT_EQ(HTTOP, pToolFrame->HitTest(rectWindow.TopLeft(), FALSE));
    EXPECT_EQ(HTLEFT, pToolFrame->HitTest(CPoint(rectWindow.left, rectWindow.bottom - 1), FALSE));
    EXPECT_EQ(HTBOTTOM,
              pToolFrame->HitTest(CPoint(rectWindow.right - 1, rectWindow.bottom - 1), FALSE));
}

TEST_F(MiniFrameFixture, SizingAToolbarFrameSnapsToWholeButtonRows)
{
    SnappingToolBar toolbar;
    ASSERT_TRUE(toolbar.Make(pFrame, 26));
    Float(&toolbar, CRect(200, 200, 400, 260));
    CTavoPMiniFrameWnd* pMiniFrame = toolbar.GetParentMiniFrame();
    CRect rectWindow;
    pMiniFrame->GetWindowRect(rectWindow);
    const int nCaption = pMiniFrame->GetCaptionHeight();
    ASSERT_EQ(CSize(6 * 23 + 6, 22 + 6 + nCaption), rectWindow.Size());

    struct Case
    {
        UINT nSide;
        int nLength; // proposed width or height
        CSize size;  // the window that fits the wrapped buttons
    } cases[] = {
        {WMSZ_RIGHT, 3 * 23 + 6 + 10, CSize(3 * 23 + 6, 2 * 22 + 6 + nCaption)},
        {WMSZ_LEFT, 2 * 23 + 6 + 22, CSize(2 * 23 + 6, 3 * 22 + 6 + nCaption)},
        {WMSZ_BOTTOM, 6 * 22 + 6 + nCaption + 40, CSize(23 + 6, 6 * 22 + 6 + nCaption)},
        {WMSZ_TOP, 2 * 22 + 6 + nCaption + 5, CSize(3 * 23 + 6, 2 * 22 + 6 + nCaption)},
        // A corner gives the height, whatever the width it proposes (one row of six here).
        {WMSZ_TOPLEFT, 3 * 22 + 6 + nCaption + 5, CSize(2 * 23 + 6, 3 * 22 + 6 + nCaption)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "side " << c.nSide);
        pMiniFrame->GetWindowRect(rectWindow);
        CRect rect = rectWindow;
        switch (c.nSide)
        {
        case WMSZ_RIGHT: rect.right = rect.left + c.nLength; break;
        case WMSZ_LEFT: rect.left = rect.right - c.nLength; break;
        case WMSZ_BOTTOM: rect.bottom = rect.top + c.nLength; break;
        case WMSZ_TOPLEFT:
            rect.top = rect.bottom - c.nLength;
            rect.left = rect.right - (6 * 23 + 6);
            break;
        default: rect.top = rect.bottom - c.nLength; break;
        }
        pMiniFrame->SendMessage(WM_SIZING, c.nSide, (LPARAM)(LPRECT)rect);
        EXPECT_EQ(c.size, rect.Size());
        // The dragged edge moves, the opposite one stays.
        if (c.nSide == WMSZ_LEFT)
        {
            EXPECT_EQ(rectWindow.right, rect.right);
        }
        if (c.nSide == WMSZ_TOP || c.nSide == WMSZ_TOPLEFT)
        {
            EXPECT_EQ(rectWindow.bottom, rect.bottom);
        }
        pMiniFrame->MoveWindow(rect);
    }
}

TEST_F(MiniFrameFixture, WithTheKeepActiveFlagTheCaptionFollowsTheFramesOwnFocus)
{
    TestBar bar(150, 24);
    ASSERT_TRUE(bar.Make(pFrame, 27));
    Float(&bar, CRect(200, 200, 400, 260));
    CTavoPMiniFrameWnd* pMiniFrame = bar.GetParentMiniFrame();
    ASSERT_TRUE((pMiniFrame->GetStyle() & MFS_SYNCACTIVE) != 0);
    // The owner has just drawn it inactive.
    pFrame->SetFocus();
    pMiniFrame->SendMessage(WM_FLOATSTATUS, FS_DEACTIVATE);
    ASSERT_FALSE(pMiniFrame->IsActiveCaption());

    pMiniFrame->SetFocus();
    ASSERT_EQ(pMiniFrame->GetSafeHwnd(), ::GetFocus());
    pMiniFrame->SendMessage(WM_NCACTIVATE, TRUE);
    EXPECT_FALSE(pMiniFrame->IsActiveCaption()) << "in step with the owner";
    pMiniFrame->SetKeepMiniActive(TRUE);
    pMiniFrame->SendMessage(WM_NCACTIVATE, TRUE);
    EXPECT_TRUE(pMiniFrame->IsActiveCaption()) << "by its own focus";
    pFrame->SetFocus();
    pMiniFrame->SendMessage(WM_NCACTIVATE, FALSE);
    EXPECT_FALSE(pMiniFrame->IsActiveCaption());
}

TEST_F(MiniFrameFixture, TheVisualManagersRedrawReachesEveryFloatingFrame)
{
    TestBar first(150, 24), second(150, 24);
    ASSERT_TRUE(first.Make(pFrame, 27));
    ASSERT_TRUE(second.Make(pFrame, 28));
    Float(&first, CRect(300, 300, 450, 340));
    Float(&second, CRect(500, 300, 650, 340));
    PumpMessages();
    std::vector<HWND> frames = {first.GetParentMiniFrame()->GetSafeHwnd(),
                                second.GetParentMiniFrame()->GetSafeHwnd()};
    for (HWND hwnd : frames)
    {
        ::InvalidateRect(hwnd, NULL, TRUE);
        ASSERT_TRUE(::GetUpdateRect(hwnd, NULL, FALSE));
    }
    CTavoPVisualManager::RedrawAll();
    for (HWND hwnd : frames)
        EXPECT_FALSE(::GetUpdateRect(hwnd, NULL, FALSE)) << "the frame was painted at once";
}

TEST_F(MiniFrameFixture, FloatingToolbarsHideWhileTheProgramIsInactiveAndComeBack)
{
    SnappingToolBar shown, hidden;
    ASSERT_TRUE(shown.Make(pFrame, 41));
    ASSERT_TRUE(hidden.Make(pFrame, 42));
    TestBar other(150, 24);
    ASSERT_TRUE(other.Make(pFrame, 43));
    Float(&shown, CRect(300, 300, 440, 330));
    Float(&hidden, CRect(300, 400, 440, 430));
    Float(&other, CRect(500, 300, 650, 340));
    CWnd* pShown = shown.GetParentMiniFrame();
    CWnd* pHidden = hidden.GetParentMiniFrame();
    CWnd* pOther = other.GetParentMiniFrame();
    pHidden->ShowWindow(SW_HIDE);
    ASSERT_TRUE(pShown->IsWindowVisible());

    // Another program comes to the front: only the toolbars' frames go, the other bar stays.
    pFrame->SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(pShown->IsWindowVisible());
    EXPECT_FALSE(pHidden->IsWindowVisible());
    EXPECT_TRUE(pOther->IsWindowVisible());

    // Back again: what was shown before comes back; a frame hidden before stays hidden.
    pFrame->SendMessage(WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(pShown->IsWindowVisible());
    EXPECT_FALSE(pHidden->IsWindowVisible());
    EXPECT_TRUE(pOther->IsWindowVisible());
}

TEST_F(MiniFrameFixture, AnEmptiedFrameClosesUnlessToldToStay)
{
    for (const BOOL bKeep : {FALSE, TRUE})
    {
        TestBar bar(150, 24);
        ASSERT_TRUE(bar.Make(pFrame, 44));
        Float(&bar, CRect(300, 300, 450, 340));
        CTavoPMiniFrameWnd* pMiniFrame = bar.GetParentMiniFrame();
        const HWND hwndFrame = pMiniFrame->GetSafeHwnd();
        bar.SetParent(pFrame);
        pMiniFrame->RemoveControlBar(&bar, FALSE, bKeep);
        // The check is posted: the frame is still there until it runs.
        EXPECT_TRUE(::IsWindow(hwndFrame)) << bKeep;
        PumpMessages();
        EXPECT_EQ(bKeep != FALSE, ::IsWindow(hwndFrame) != FALSE) << bKeep;
        if (bKeep)
        {
            EXPECT_FALSE(::IsWindowVisible(hwndFrame));
            ::DestroyWindow(hwndFrame);
        }
        bar.DestroyWindow();
        PumpMessages();
    }
}

TEST_F(MiniFrameFixture, ANonClientRepaintWithAnUpdateRegionDrawsTheCaption)
{
    TestBar bar(150, 24);
    ASSERT_TRUE(bar.Make(pFrame, 45, TAVOP_CBRS_FLOAT | TAVOP_CBRS_CLOSE));
    bar.SetWindowText("Floating");
    Float(&bar, CRect(300, 300, 450, 340));
    CTavoPMiniFrameWnd* pMiniFrame = bar.GetParentMiniFrame();
    PumpMessages();
    CRect rectCaption;
    pMiniFrame->GetCaptionRect(rectCaption);
    const std::vector<COLORREF> painted = WindowPixels(pMiniFrame->m_hWnd, rectCaption);
    // The caption is not plain: it holds the title and the close button.
    ASSERT_GT(std::set<COLORREF>(painted.begin(), painted.end()).size(), 1u);

    // Wiped, then repainted through WM_NCPAINT with an update region (in screen coordinates)
    // instead of the whole-frame 1.
    HDC hdc = ::GetWindowDC(pMiniFrame->m_hWnd);
    ::FillRect(hdc, rectCaption, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    ::ReleaseDC(pMiniFrame->m_hWnd, hdc);
    ASSERT_EQ(std::vector<COLORREF>(painted.size(), RGB(0, 0, 0)),
              WindowPixels(pMiniFrame->m_hWnd, rectCaption));
    CRect rectWindow;
    pMiniFrame->GetWindowRect(rectWindow);
    HRGN hUpdate = ::CreateRectRgnIndirect(rectWindow);
    pMiniFrame->SendMessage(WM_NCPAINT, (WPARAM)hUpdate, 0);
    ::DeleteObject(hUpdate);
    EXPECT_EQ(painted, WindowPixels(pMiniFrame->m_hWnd, rectCaption));
}

// ---- the frames' record in the layout archive

class MiniFrameStateFixture : public MiniFrameFixture
{
protected:
    // The archive section of one floating bar 31 with close and pin buttons.
    Bytes SavedSection(CRect* pRectFrame = nullptr)
    {
        TestBar bar(150, 24);
        EXPECT_TRUE(bar.Make(pFrame, 31, TAVOP_CBRS_FLOAT | TAVOP_CBRS_CLOSE));
        Float(&bar, CRect(320, 310, 470, 350));
        CTavoPMiniFrameWnd* pMiniFrame = bar.GetParentMiniFrame();
        pMiniFrame->SetCaptionButtons(TAVOP_CAPTION_BTN_CLOSE | TAVOP_CAPTION_BTN_PIN);
        EXPECT_TRUE(bar.SaveState(kProfile));
        const Bytes bytes = StoreToBytes([&](CArchive& ar) { Manager()->SerializeMiniFrames(ar); });
        if (pRectFrame != nullptr)
            pMiniFrame->GetWindowRect(pRectFrame);
        bar.DestroyWindow();
        PumpMessages();
        return bytes;
    }
    RegistryTestKey key{kRoot};
};

TEST_F(MiniFrameStateFixture, AFreshFrameTakesItsFloatingBarBackWhereItWas)
{
    CRect rectSaved;
    const Bytes bytes = SavedSection(&rectSaved);
    // Count, then the object: its class, then style, rectangle, visibility, bar, buttons, pin.
    ASSERT_GE(bytes.size(), 4u + 4 + 16 + 4 + 4 + 4 + 4);
    const BYTE* pTail = bytes.data() + bytes.size() - 36;
    EXPECT_EQ(1, *(const int*)bytes.data());
    EXPECT_EQ(rectSaved, CRect(*(const RECT*)(pTail + 4)));
    EXPECT_EQ(31, *(const int*)(pTail + 24));
    EXPECT_EQ(TAVOP_CAPTION_BTN_CLOSE | TAVOP_CAPTION_BTN_PIN, *(const int*)(pTail + 28));

    TearDown();
    SetUp();
    TestBar bar(150, 24);
    ASSERT_TRUE(bar.Make(pFrame, 31, TAVOP_CBRS_FLOAT | TAVOP_CBRS_CLOSE));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    ASSERT_TRUE(bar.LoadState(kProfile));
    LoadFromBytes(bytes, [&](CArchive& ar) { Manager()->SerializeMiniFrames(ar); });
    ASSERT_EQ(1, Manager()->GetLoadedMiniFrames().GetCount());
    Manager()->SetMiniFramesDockState();
    PumpMessages();

    ASSERT_TRUE(bar.IsFloating());
    CTavoPMiniFrameWnd* pMiniFrame = bar.GetParentMiniFrame();
    CRect rectFrame;
    pMiniFrame->GetWindowRect(rectFrame);
    EXPECT_EQ(rectSaved, rectFrame);
    EXPECT_TRUE(pMiniFrame->IsWindowVisible());
    EXPECT_EQ(TAVOP_CAPTION_BTN_CLOSE | TAVOP_CAPTION_BTN_PIN, pMiniFrame->GetCaptionButtonFlags());
    EXPECT_NE(nullptr, pMiniFrame->FindCaptionButton(9));
    EXPECT_EQ(&bar, CTavoPMiniFrameWnd::FindFloatingBarByID(31));
    EXPECT_EQ(1, Manager()->GetMiniFrames().GetCount()) << "the temporary frame went";
    bar.DestroyWindow();
}

TEST_F(MiniFrameStateFixture, DamagedRecordsFailCleanlyAndLeaveNoWindows)
{
    const Bytes good = SavedSection();
    const size_t nRecord = good.size() - 36;
    auto patched = [&](size_t nOffset, DWORD dwValue) {
        Bytes bytes = good;
        std::memcpy(bytes.data() + nOffset, &dwValue, 4);
        return bytes;
    };
    Bytes badClass = good;
    for (size_t i = 0; i + 18 <= badClass.size(); i++)
        if (std::memcmp(badClass.data() + i, "CTavoPMiniFrameWnd", 18) == 0)
            std::memcpy(badClass.data() + i, "CTavoPMiniFrameXXX", 18);
    const struct
    {
        const char* lpszName;
        Bytes bytes;
        bool bThrows;
    } cases[] = {
        {"empty", Bytes(), true},
        {"cut in the class name", Bytes(good.begin(), good.begin() + 12), true},
        {"cut in the record", Bytes(good.begin(), good.begin() + nRecord + 10), true},
        {"more frames than stored", patched(0, 1000), true},
        {"unknown class", badClass, true},
        {"bar that does not exist", patched(nRecord + 24, 4711), false},
        {"no bar", patched(nRecord + 24, 0), false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.lpszName);
        const std::set<HWND> before = ThreadWindows();
        const int nCause =
            LoadFailureCause(c.bytes, [&](CArchive& ar) { Manager()->SerializeMiniFrames(ar); });
        EXPECT_EQ(c.bThrows, nCause != -1);
        if (!c.bThrows)
            Manager()->SetMiniFramesDockState();
        PumpMessages();
        EXPECT_EQ(0, Manager()->GetLoadedMiniFrames().GetCount());
        EXPECT_EQ(0, Manager()->GetMiniFrames().GetCount());
        EXPECT_EQ(before, ThreadWindows());
    }
}

TEST_F(MiniFrameStateFixture, MutatedRecordsLeaveTheBarDockedOrInOneFrameAndNoStrayWindows)
{
    const Bytes good = SavedSection();
    TestBar bar(150, 24);
    ASSERT_TRUE(bar.Make(pFrame, 31, TAVOP_CBRS_FLOAT | TAVOP_CBRS_CLOSE));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    PumpMessages();
    const std::set<HWND> before = ThreadWindows();
    std::mt19937 random(35);
    int nFloated = 0;
    for (int i = 0; i < 600; i++)
    {
        const std::string what = "mutation " + std::to_string(i);
        if (LoadFailureCause(Mutate(good, random),
                             [&](CArchive& ar) { Manager()->SerializeMiniFrames(ar); }) == -1)
            Manager()->SetMiniFramesDockState();
        PumpMessages();
        ASSERT_EQ(0, Manager()->GetLoadedMiniFrames().GetCount()) << what;
        const CObList& frames = Manager()->GetMiniFrames();
        ASSERT_LE(frames.GetCount(), 1) << what;
        if (bar.IsFloating())
        {
            nFloated++;
            ASSERT_EQ(1, frames.GetCount()) << what;
            ASSERT_EQ(bar.GetParentMiniFrame(), frames.GetHead()) << what;
            // The frame saves again, and the bar goes back to its dock.
            StoreToBytes([&](CArchive& ar) { Manager()->SerializeMiniFrames(ar); });
            pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
            PumpMessages();
        }
        ASSERT_EQ(pFrame->DockBar(CBRS_ALIGN_TOP), bar.GetParentDockBar()) << what;
        ASSERT_EQ(0, frames.GetCount()) << what;
        ASSERT_EQ(before, ThreadWindows()) << what;
    }
    EXPECT_GT(nFloated, 0);
    bar.DestroyWindow();
}

TEST_F(MiniFrameStateFixture, AStoredStyleCannotMakeTheFrameAChildOrShowItEarly)
{
    const Bytes good = SavedSection();
    Bytes bytes = good;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_POPUP;
    std::memcpy(bytes.data() + bytes.size() - 36, &dwStyle, 4);
    LoadFromBytes(bytes, [&](CArchive& ar) { Manager()->SerializeMiniFrames(ar); });
    ASSERT_EQ(1, Manager()->GetLoadedMiniFrames().GetCount());
    CTavoPMiniFrameWnd* pMiniFrame =
        (CTavoPMiniFrameWnd*)Manager()->GetLoadedMiniFrames().GetHead();
    EXPECT_EQ(0u, pMiniFrame->GetStyle() & (WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(pFrame->GetSafeHwnd(), ::GetWindow(pMiniFrame->GetSafeHwnd(), GW_OWNER));
    Manager()->SetMiniFramesDockState();
    PumpMessages();
    EXPECT_EQ(0, Manager()->GetMiniFrames().GetCount()) << "no bar 31 lives any more";
}

TEST_F(MiniFrameFixture, AFrameWithoutADockingParentIsNotLeftBehind)
{
    CWnd plain;
    ASSERT_TRUE(
        plain.CreateEx(0, AfxRegisterWndClass(0), "plain", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
    const std::set<HWND> before = ThreadWindows();
    CTavoPMiniFrameWnd* pMiniFrame = new CTavoPMiniFrameWnd;
    EXPECT_FALSE(pMiniFrame->Create("", WS_POPUP, CRect(0, 0, 100, 50), &plain));
    EXPECT_EQ(before, ThreadWindows());
    delete pMiniFrame;

    // Without a parent it is a valid window that no dock manager lists.
    pMiniFrame = new CTavoPMiniFrameWnd;
    ASSERT_TRUE(pMiniFrame->Create("", WS_POPUP, CRect(0, 0, 100, 50), NULL));
    EXPECT_EQ(0, Manager()->GetMiniFrames().GetCount());
    pMiniFrame->DestroyWindow();
    plain.DestroyWindow();
}

} // namespace
