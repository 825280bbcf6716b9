// The library frame with test bars: placement and bar layout through the registry, the order of the state calls, open popups and the menu bar getting keys and clicks first, bar commands and torn-off bars.
#include "framework/CTestSeams.h"
#include "tests/support/BarTestSupport.h"
#include "tests/support/RecordingPopup.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/TestApp.h"
#include "tests/ui/bars/DockingPaneSupport.h"
#include "tests/ui/bars/docking/LayoutSnapshot.h"
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/bars/docking/CTavoPAutoHideDockBar.h"
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPTabbedControlBar.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPMenuIdPool.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPPaintBuffer.h"
#include "ui/foundation/CTavoPRegistry.h"
#include "ui/foundation/CTavoPRegistryHolder.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kAppKey[] = "SOFTWARE\\VorlenTests Frame";
const std::string kBase = "SOFTWARE\\VorlenTests Frame\\frametest\\Settings\\";
const UINT kFrameID = 128;
const UINT kToolID = 0xE800;
const UINT kOtherToolID = 0xE803;
const UINT kStripID = 0xE805;

std::vector<std::string> g_calls;

DWORD Dword(const std::string& key, const char* lpszName)
{
    const std::vector<BYTE> bytes = RegistryTestKey::Value(key, lpszName);
    DWORD dw = 0;
    if (bytes.size() == sizeof dw)
        std::memcpy(&dw, bytes.data(), sizeof dw);
    return dw;
}

CRect RectValue(const std::string& key, const char* lpszName)
{
    const std::vector<BYTE> bytes = RegistryTestKey::Value(key, lpszName);
    RECT rect = {};
    if (bytes.size() == sizeof rect)
        std::memcpy(&rect, bytes.data(), sizeof rect);
    return CRect(rect);
}

} // namespace

// A toolbar of fixed size that records its loads, saves and the layout it is given back; it can
// be stored as an object, as torn-off bars are.
class FrameTestToolBar : public CTavoPToolBar
{
    DECLARE_SERIAL(FrameTestToolBar)
public:
    BOOL Make(CWnd* pParent, UINT nID)
    {
        if (!Create(pParent, WS_CHILD | WS_VISIBLE | CBRS_TOP, nID))
            return FALSE;
        InsertButton(new CTavoPToolbarButton(ID_APP_EXIT, -1, "Exit"));
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override
    {
        return bHorz ? CSize(120, 26) : CSize(26, 120);
    }
    void GetMinSize(CSize& size) const override { size = CSize(20, 20); }
    BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex) override
    {
        g_calls.push_back("load toolbar");
        return CTavoPToolBar::LoadState(lpszProfileName, nIndex, uiSubIndex);
    }
    BOOL SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex) override
    {
        g_calls.push_back("save toolbar");
        return CTavoPToolBar::SaveState(lpszProfileName, nIndex, uiSubIndex);
    }
    BOOL TranslateChar(UINT nChar) override { return nChar == m_nMnemonic; }
    void RestoreDockState(CTavoPDockManager* pDockManager) override
    {
        g_calls.push_back(CTavoPDockManager::m_bRestoringDockState ? "restore toolbar"
                                                                   : "restore outside layout");
        CTavoPToolBar::RestoreDockState(pDockManager);
    }
    UINT m_nMnemonic = 0;
};
IMPLEMENT_SERIAL(FrameTestToolBar, CTavoPToolBar, 1)

namespace {

// A fixed bar along the frame, such as a status bar: it keeps its own values beside the layout.
class StripBar : public CTavoPControlBar
{
public:
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return CSize(600, 20); }
    BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex) override
    {
        g_calls.push_back("load strip values");
        return CTavoPControlBar::LoadState(lpszProfileName, nIndex, uiSubIndex);
    }
    BOOL SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex) override
    {
        g_calls.push_back("save strip values");
        return CTavoPControlBar::SaveState(lpszProfileName, nIndex, uiSubIndex);
    }
};

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};

// A frame built as the application builds its main frame: a menu bar, toolbars and a fixed bar,
// docking on every side.
class AppFrame : public CTavoPFrameWnd
{
public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CTavoPFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (!m_wndMenuBar.Create(this) || !m_wndToolBar.Make(this, kToolID) ||
            !m_wndOther.Make(this, kOtherToolID) || !m_wndStatusBar.Create(this) ||
            !m_wndStatusBar.SetIndicators(kIndicators, 2) ||
            !m_wndStrip.Create(NULL, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, CRect(0, 0, 600, 20),
                               this, kStripID, 0))
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndToolBar);
        DockControlBar(&m_wndOther);
        AddControlBar(&m_wndStrip);
        return 0;
    }
    LRESULT OnBarMenu(WPARAM wParam, LPARAM lParam)
    {
        m_barMenus.push_back(std::make_pair(wParam, lParam));
        return 0;
    }

    CTavoPMenuBar m_wndMenuBar;
    FrameTestToolBar m_wndToolBar;
    FrameTestToolBar m_wndOther;
    StripBar m_wndStrip;
    CTavoPStatusBar m_wndStatusBar;
    std::vector<std::pair<WPARAM, LPARAM>> m_barMenus;

    DECLARE_MESSAGE_MAP()
};

const UINT g_uiBarMenu = ::RegisterWindowMessage("TAVOTOOLBAR_POPUPMENU");

BEGIN_MESSAGE_MAP(AppFrame, CTavoPFrameWnd)
    ON_WM_CREATE()
    ON_REGISTERED_MESSAGE(g_uiBarMenu, OnBarMenu)
END_MESSAGE_MAP()

class Frame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp().SetRegistryKey(_T("VorlenTests Frame"));
        workspace.SetRegistryBase(_T("Settings"));
        g_calls.clear();
    }
    void TearDown() override
    {
        CTavoPPopupMenu::SetActiveMenu(NULL);
        CTavoPToolBar::SetCustomizeMode(FALSE);
        if (pFrame != nullptr && ::IsWindow(hwndFrame))
            pFrame->DestroyWindow();
        PumpMessages();
    }
    // Opens the frame; pNew: a frame of a class derived from the application's, to open instead.
    AppFrame* Open(AppFrame* pNew = nullptr)
    {
        pFrame = pNew != nullptr ? pNew : new AppFrame;
        if (!pFrame->LoadFrame(kFrameID, WS_OVERLAPPEDWINDOW))
            return pFrame = nullptr;
        hwndFrame = pFrame->m_hWnd;
        pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->RecalcLayout();
        PumpMessages();
        return pFrame;
    }
    // Closes the frame as the user does; the frame object goes with its window.
    void Close()
    {
        pFrame->SendMessage(WM_CLOSE);
        PumpMessages();
        pFrame = nullptr;
    }
    BOOL PreTranslate(UINT message, WPARAM wParam, LPARAM lParam, HWND hwnd = NULL)
    {
        MSG msg = {hwnd != NULL ? hwnd : pFrame->m_hWnd, message, wParam, lParam};
        return pFrame->PreTranslateMessage(&msg);
    }

    RegistryTestKey scratch{kAppKey};
    CTavoPWorkspace workspace{TRUE};
    AppFrame* pFrame = nullptr;
    HWND hwndFrame = NULL;
};

TEST_F(Frame, PlacementAndBarLayoutComeBackAtTheNextStart)
{
    ASSERT_NE(nullptr, Open());
    CRect rectWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    pFrame->MoveWindow(rectWork.left + 50, rectWork.top + 60, 640, 480);
    pFrame->DockControlBar(&pFrame->m_wndOther, AFX_IDW_DOCKBAR_LEFT);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    ASSERT_FALSE(pFrame->m_wndStatusBar.IsWindowVisible());
    pFrame->RecalcLayout();
    CTavoPDockBar* pLeft = pFrame->GetDockManager()->FindDockBarByAlignment(CBRS_ALIGN_LEFT);
    ASSERT_EQ(pLeft, pFrame->m_wndOther.GetParentDockBar());
    const CRect rectOther = InFrame(pLeft, &pFrame->m_wndOther);
    Close();

    const std::string placement = kBase + "WindowPlacement";
    EXPECT_EQ(CRect(50, 60, 690, 540) + rectWork.TopLeft(), RectValue(placement, "MainWindowRect"));
    EXPECT_EQ(0u, Dword(placement, "Flags"));
    EXPECT_EQ((DWORD)SW_SHOWNORMAL, Dword(placement, "ShowCmd"));
    // A frame of toolbars and fixed bars has an empty layout: four zero counts.
    EXPECT_EQ(std::vector<BYTE>(16, 0),
              RegistryTestKey::Value(kBase + "TavoPDockManager-128", "DockingCBAndSliders"));
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT,
              Dword(kBase + "TavoPControlBar-59395", "RecentFrameAlignment"));

    ASSERT_NE(nullptr, Open());
    CRect rectWindow;
    pFrame->GetWindowRect(rectWindow);
    EXPECT_EQ(CRect(50, 60, 690, 540) + rectWork.TopLeft(), rectWindow);
    pLeft = pFrame->GetDockManager()->FindDockBarByAlignment(CBRS_ALIGN_LEFT);
    EXPECT_EQ(pLeft, pFrame->m_wndOther.GetParentDockBar());
    EXPECT_EQ(rectOther.Size(), InFrame(pLeft, &pFrame->m_wndOther).Size());
    EXPECT_FALSE(pFrame->m_wndStatusBar.IsWindowVisible());
    EXPECT_TRUE(pFrame->m_wndToolBar.IsWindowVisible());
}

// Two toolbars share the top row; the one the user hid keeps its side of the other, and shows
// there again.
TEST_F(Frame, HiddenToolbarKeepsItsPlaceInASharedRowAtTheNextStart)
{
    for (bool bHideFirst : {true, false})
    {
        SCOPED_TRACE(bHideFirst ? "first hidden" : "second hidden");
        scratch.Remove();
        ASSERT_NE(nullptr, Open());
        CRect rect;
        pFrame->m_wndToolBar.GetWindowRect(rect);
        rect.OffsetRect(rect.Width() + 40, 0);
        pFrame->DockControlBar(&pFrame->m_wndOther, AFX_IDW_DOCKBAR_TOP, rect);
        ASSERT_EQ(pFrame->m_wndToolBar.GetDockRow(), pFrame->m_wndOther.GetDockRow());
        ASSERT_LE(pFrame->m_wndToolBar.GetRecentDockedRect().right,
                  pFrame->m_wndOther.GetRecentDockedRect().left);
        const auto hidden = bHideFirst ? &AppFrame::m_wndToolBar : &AppFrame::m_wndOther;
        const auto shown = bHideFirst ? &AppFrame::m_wndOther : &AppFrame::m_wndToolBar;
        (pFrame->*hidden).ShowControlBar(FALSE, FALSE, FALSE);
        pFrame->RecalcLayout();
        const CRect rectShown = InFrame(pFrame, &(pFrame->*shown));
        Close();

        ASSERT_NE(nullptr, Open());
        CTavoPDockBarRow* pRow = pFrame->m_wndToolBar.GetDockRow();
        ASSERT_NE(nullptr, pRow);
        ASSERT_EQ(pRow, pFrame->m_wndOther.GetDockRow());
        const CObList& bars = pRow->GetBars();
        ASSERT_EQ(2, bars.GetCount());
        EXPECT_EQ(&pFrame->m_wndToolBar, bars.GetHead()) << "the row keeps its order";
        EXPECT_FALSE((pFrame->*hidden).IsWindowVisible());
        EXPECT_EQ(rectShown, InFrame(pFrame, &(pFrame->*shown)));
        (pFrame->*hidden).ShowControlBar(TRUE, FALSE, FALSE);
        pFrame->RecalcLayout();
        EXPECT_LT(InFrame(pFrame, &pFrame->m_wndToolBar).left,
                  InFrame(pFrame, &pFrame->m_wndOther).left);
        Close();
    }
}

namespace {

// The times a window was hidden or shown while a hook watched it.
HWND g_hwndWatched = NULL;
int g_nShownOrHidden = 0;

LRESULT CALLBACK WatchShowing(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMessage = (const CWPSTRUCT*)lParam;
    if (nCode == HC_ACTION && pMessage->hwnd == g_hwndWatched &&
        pMessage->message == WM_WINDOWPOSCHANGED &&
        (((const WINDOWPOS*)pMessage->lParam)->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0)
        g_nShownOrHidden++;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

} // namespace

// A bar docked again into the dock bar it is in moves there without being hidden and shown: it
// would blink, and every restored layout does it to each bar the user placed.
TEST_F(Frame, ABarMovedWithinItsDockBarIsNeitherHiddenNorShown)
{
    ASSERT_NE(nullptr, Open());
    ASSERT_EQ(pFrame->m_wndToolBar.GetParentDockBar(), pFrame->m_wndOther.GetParentDockBar());
    ASSERT_NE(pFrame->m_wndToolBar.GetDockRow(), pFrame->m_wndOther.GetDockRow());
    CRect rect;
    pFrame->m_wndToolBar.GetWindowRect(rect);
    rect.OffsetRect(rect.Width() + 40, 0);

    g_hwndWatched = pFrame->m_wndOther.GetSafeHwnd();
    g_nShownOrHidden = 0;
    HHOOK hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, WatchShowing, NULL, ::GetCurrentThreadId());
    ASSERT_NE(nullptr, hHook);
    pFrame->DockControlBar(&pFrame->m_wndOther, AFX_IDW_DOCKBAR_TOP, rect);
    ::UnhookWindowsHookEx(hHook);

    EXPECT_EQ(0, g_nShownOrHidden);
    EXPECT_EQ(pFrame->m_wndToolBar.GetDockRow(), pFrame->m_wndOther.GetDockRow());
    EXPECT_TRUE(pFrame->m_wndOther.IsWindowVisible());
    EXPECT_LE(InFrame(pFrame, &pFrame->m_wndToolBar).right,
              InFrame(pFrame, &pFrame->m_wndOther).left);
}

TEST_F(Frame, StateIsReadBeforeTheLayoutIsAppliedAndSavedBeforeTheToolbars)
{
    ASSERT_NE(nullptr, Open());
    Close();
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"load toolbar", "load toolbar", "load strip values",
                                        "save strip values", "save toolbar", "save toolbar"}));

    // Once state is stored, the toolbars are given their layout back after everything is read.
    g_calls.clear();
    ASSERT_NE(nullptr, Open());
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"load toolbar", "load toolbar", "load strip values",
                                        "restore toolbar", "restore toolbar"}));
}

TEST_F(Frame, DamagedLayoutKeepsTheFramesOwnLayout)
{
    // A slider record the layout cannot read yet, and an auto-hide count past the data.
    const std::vector<std::vector<BYTE>> damaged = {
        {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 5, 0},
        {1, 2, 3},
    };
    for (const std::vector<BYTE>& bytes : damaged)
    {
        ASSERT_NE(nullptr, Open());
        pFrame->DockControlBar(&pFrame->m_wndOther, AFX_IDW_DOCKBAR_LEFT);
        Close();
        RegistryTestKey::SetBinary(kBase + "TavoPDockManager-128", "DockingCBAndSliders", bytes);

        g_calls.clear();
        ASSERT_NE(nullptr, Open());
        EXPECT_EQ(0, std::count(g_calls.begin(), g_calls.end(), "restore toolbar"));
        EXPECT_EQ(pFrame->GetDockManager()->FindDockBarByAlignment(CBRS_ALIGN_TOP),
                  pFrame->m_wndOther.GetParentDockBar());
        Close();
    }
}

// The bars' paint buffers keep their bitmap from paint to paint and take the screen's depth
// from the global data: a depth change the frame is told of must reach the next paint.
TEST_F(Frame, DisplayChangeIsSeenByTheNextBufferedPaint)
{
    ASSERT_NE(nullptr, Open());
    struct DepthRestorer
    {
        ~DepthRestorer()
        {
            CDC::SetScreenBitsPerPixelOverride(0);
            GetGlobalData().UpdateSysColors();
        }
    } restore;
    CClientDC dcFrame(pFrame);
    CTavoPPaintBuffer buffer;
    const CSize size(8, 8);
    CDC* pDC = buffer.Begin(&dcFrame, size);
    ASSERT_NE(nullptr, pDC);
    pDC->SetPixel(0, 0, RGB(255, 0, 0));
    buffer.End(&dcFrame, CRect(0, 0, 0, 0));
    pDC = buffer.Begin(&dcFrame, size);
    ASSERT_NE(nullptr, pDC);
    EXPECT_EQ(RGB(255, 0, 0), pDC->GetPixel(0, 0)) << "the same depth keeps the bitmap";
    buffer.End(&dcFrame, CRect(0, 0, 0, 0));

    CDC::SetScreenBitsPerPixelOverride(8);
    pFrame->SendMessage(WM_DISPLAYCHANGE, 8, MAKELPARAM(1024, 768));
    EXPECT_EQ(8, GetGlobalData().m_nBitsPerPixel);
    pDC = buffer.Begin(&dcFrame, size);
    ASSERT_NE(nullptr, pDC);
    EXPECT_EQ(RGB(0, 0, 0), pDC->GetPixel(0, 0)) << "a new depth makes the bitmap again";
    buffer.End(&dcFrame, CRect(0, 0, 0, 0));
}

TEST_F(Frame, StoredPlacementOffEveryMonitorIsIgnored)
{
    const std::string placement = kBase + "WindowPlacement";
    RECT rect = {20000, 20000, 20400, 20300};
    RegistryTestKey::SetBinary(placement, "MainWindowRect",
                               std::vector<BYTE>((BYTE*)&rect, (BYTE*)&rect + sizeof rect));
    RegistryTestKey::SetDword(placement, "Flags", 0);
    RegistryTestKey::SetDword(placement, "ShowCmd", SW_SHOWNORMAL);
    ASSERT_NE(nullptr, Open());
    CRect rectWindow;
    pFrame->GetWindowRect(rectWindow);
    EXPECT_LT(rectWindow.left, 10000);
    EXPECT_LT(rectWindow.top, 10000);
}

TEST_F(Frame, MenuBarTakesOverTheFramesMenu)
{
    ASSERT_NE(nullptr, Open());
    EXPECT_EQ(&pFrame->m_wndMenuBar, pFrame->GetFrameImpl()->GetMenuBar());
    EXPECT_EQ(NULL, ::GetMenu(pFrame->m_hWnd));
    EXPECT_NE((HMENU)NULL, pFrame->m_wndMenuBar.GetDefaultMenu());
    EXPECT_EQ(kFrameID, pFrame->m_wndMenuBar.GetDefaultMenuResId());
    // The framework puts the frame's menu back; the visible menu bar takes it off again.
    pFrame->OnUpdateFrameMenu(NULL);
    EXPECT_EQ(NULL, ::GetMenu(pFrame->m_hWnd));
}

TEST_F(Frame, AltAloneTogglesTheFocusBetweenMenuBarAndFrame)
{
    ASSERT_NE(nullptr, Open());
    pFrame->SetForegroundWindow();
    pFrame->SetFocus();
    PumpMessages();
    ASSERT_EQ(pFrame->m_hWnd, ::GetFocus());
    EXPECT_TRUE(PreTranslate(WM_SYSKEYUP, VK_MENU, 0));
    EXPECT_EQ(pFrame->m_wndMenuBar.m_hWnd, ::GetFocus());
    EXPECT_TRUE(PreTranslate(WM_SYSKEYUP, VK_MENU, 0));
    EXPECT_EQ(pFrame->m_hWnd, ::GetFocus());
}

TEST_F(Frame, MenuCharacterTakenByAVisibleToolbarIsExecuted)
{
    ASSERT_NE(nullptr, Open());
    pFrame->m_wndOther.m_nMnemonic = 'Q';
    EXPECT_EQ((LRESULT)0xFFFF0002, pFrame->SendMessage(WM_MENUCHAR, MAKEWPARAM('Q', MF_POPUP), 0));
    EXPECT_EQ(0, pFrame->SendMessage(WM_MENUCHAR, MAKEWPARAM('Z', MF_POPUP), 0));
    // A hidden toolbar takes no characters.
    pFrame->m_wndOther.ShowWindow(SW_HIDE);
    EXPECT_EQ(0, pFrame->SendMessage(WM_MENUCHAR, MAKEWPARAM('Q', MF_POPUP), 0));
}

TEST_F(Frame, OpenPopupGetsTheKeysFirst)
{
    ASSERT_NE(nullptr, Open());
    RecordingPopup& popup = *new RecordingPopup; // a frame window: deleted with its window
    ASSERT_TRUE(popup.Make(CRect(300, 300, 400, 400)));
    pFrame->OnShowPopupMenu(&popup);
    ASSERT_EQ(&popup, CTavoPPopupMenu::GetActiveMenu());

    EXPECT_TRUE(PreTranslate(WM_KEYDOWN, 'A', 0));
    EXPECT_TRUE(PreTranslate(WM_KEYDOWN, VK_DOWN, 0));
    EXPECT_EQ(popup.m_keys, (std::vector<int>{'A', VK_DOWN}));
    // A context-menu request carries a window, which is no key for the popup.
    EXPECT_FALSE(PreTranslate(WM_CONTEXTMENU, (WPARAM)pFrame->m_hWnd, MAKELPARAM(-1, -1)));
    EXPECT_EQ(2u, popup.m_keys.size());
    // Alt closes the popup and does nothing else.
    EXPECT_TRUE(PreTranslate(WM_SYSKEYDOWN, VK_MENU, 0));
    EXPECT_EQ(1, popup.m_nClosed);
    EXPECT_EQ(2u, popup.m_keys.size());
    // The pointer outside the popup moves nothing else; a click there closes the popup and
    // still reaches its window.
    CPoint ptOutside(20, 20);
    EXPECT_TRUE(PreTranslate(WM_MOUSEMOVE, 0, MAKELPARAM(ptOutside.x, ptOutside.y)));
    EXPECT_FALSE(PreTranslate(WM_LBUTTONDOWN, 0, MAKELPARAM(ptOutside.x, ptOutside.y)));
    EXPECT_EQ(2, popup.m_nClosed);

    pFrame->OnClosePopupMenu(&popup);
    EXPECT_EQ(NULL, CTavoPPopupMenu::GetActiveMenu());
    EXPECT_FALSE(PreTranslate(WM_MOUSEMOVE, 0, MAKELPARAM(ptOutside.x, ptOutside.y)));
    popup.DestroyWindow();
}

TEST_F(Frame, ClicksOnTheOpeningButtonOrTheShadowCloseThePopupAndAreEaten)
{
    ASSERT_NE(nullptr, Open());
    // Room for the popup and its shadow inside the frame: a shadow beyond it is dropped.
    pFrame->SetWindowPos(NULL, 20, 20, 700, 500, SWP_NOZORDER);
    PumpMessages();
    CTavoPMenuBar& bar = pFrame->m_wndMenuBar;
    CTavoPToolbarMenuButton* pEntry = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, bar.GetButton(0));
    ASSERT_NE(nullptr, pEntry);

    enum Where
    {
        OpeningButton,
        RightShadow,
        BottomShadow,
        Elsewhere
    };
    struct Case
    {
        const char* what;
        Where where;
        BOOL bEaten;
    } cases[] = {{"the button that opened it", OpeningButton, TRUE},
                 {"the right shadow", RightShadow, TRUE},
                 {"the bottom shadow", BottomShadow, TRUE},
                 {"the frame beside it", Elsewhere, FALSE}};
    for (const Case& c : cases)
    {
        ASSERT_TRUE(pEntry->OnClick(&bar, FALSE)) << c.what;
        CTavoPPopupMenu* pPopup = pEntry->GetPopupMenu();
        ASSERT_NE(nullptr, pPopup) << c.what;
        const int nShadow = pPopup->GetShadowDepth();
        ASSERT_GT(nShadow, 0) << c.what;
        CRect rectPopup;
        pPopup->GetClientRect(rectPopup);
        HWND hwnd = pPopup->m_hWnd;
        CPoint at;
        switch (c.where)
        {
        case OpeningButton:
            hwnd = bar.m_hWnd;
            at = pEntry->Rect().CenterPoint();
            break;
        case RightShadow: at = CPoint(rectPopup.right - 1, rectPopup.CenterPoint().y); break;
        case BottomShadow: at = CPoint(rectPopup.CenterPoint().x, rectPopup.bottom - 1); break;
        case Elsewhere:
            hwnd = pFrame->m_hWnd;
            at = CPoint(600, 400);
            break;
        }
        EXPECT_EQ(c.bEaten, PreTranslate(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y), hwnd))
            << c.what;
        PumpMessages();
        EXPECT_EQ(nullptr, pEntry->GetPopupMenu()) << c.what;
        EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu()) << c.what;
        if (c.where == RightShadow || c.where == BottomShadow)
        {
            EXPECT_EQ(pFrame->m_hWnd, ::GetFocus()) << c.what;
        }
    }
}

TEST_F(Frame, ViewTakesWhatTheBarsLeaveExceptWhileMinimized)
{
    ASSERT_NE(nullptr, Open());
    CWnd view;
    ASSERT_TRUE(view.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1),
                            pFrame, AFX_IDW_PANE_FIRST));
    pFrame->RecalcLayout();
    CRect rectClient;
    pFrame->GetClientRect(rectClient);
    const CRect rectView = InFrame(pFrame, &view);
    EXPECT_EQ(pFrame->GetDockManager()->GetClientAreaBounds(), rectView);
    // Each toolbar docked on top has a row of its own.
    EXPECT_EQ(InFrame(pFrame, &pFrame->m_wndOther).bottom, rectView.top);
    const int nBottomBars =
        rectClient.bottom - std::min(InFrame(pFrame, &pFrame->m_wndStrip).top,
                                     InFrame(pFrame, &pFrame->m_wndStatusBar).top);
    EXPECT_LE(40, nBottomBars);
    EXPECT_EQ(CRect(0, 52, rectClient.right, rectClient.bottom - nBottomBars), rectView);

    // A minimized frame ignores relayouts and eats key presses, but not the system keys, so
    // that Alt+F4 still closes it.
    pFrame->ShowWindow(SW_MINIMIZE);
    PumpMessages();
    ASSERT_TRUE(pFrame->IsIconic());
    view.MoveWindow(0, 0, 1, 1);
    pFrame->RecalcLayout();
    EXPECT_EQ(CRect(0, 0, 1, 1), InFrame(pFrame, &view));
    EXPECT_TRUE(PreTranslate(WM_KEYDOWN, 'A', 0));
    EXPECT_FALSE(PreTranslate(WM_SYSKEYDOWN, VK_F4, 0x20000000));

    pFrame->ShowWindow(SW_RESTORE);
    PumpMessages();
    pFrame->RecalcLayout();
    EXPECT_EQ(rectView, InFrame(pFrame, &view));
    view.DestroyWindow();
}

TEST_F(Frame, RightClickOnAFrameworkDockBarAsksForTheBarMenu)
{
    ASSERT_NE(nullptr, Open());
    CDockBar dockBar;
    ASSERT_TRUE(dockBar.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE,
                               CRect(0, 200, 300, 230), pFrame, 0xE81F));
    const CPoint ptClient(10, 5);
    CPoint ptScreen = ptClient;
    dockBar.ClientToScreen(&ptScreen);
    EXPECT_FALSE(PreTranslate(WM_RBUTTONUP, 0, MAKELPARAM(ptClient.x, ptClient.y), dockBar.m_hWnd));
    ASSERT_EQ(1u, pFrame->m_barMenus.size());
    EXPECT_EQ((WPARAM)pFrame->m_hWnd, pFrame->m_barMenus[0].first);
    EXPECT_EQ(MAKELPARAM(ptScreen.x, ptScreen.y), pFrame->m_barMenus[0].second);

    CTavoPToolBar::SetCustomizeMode(TRUE);
    PreTranslate(WM_RBUTTONUP, 0, MAKELPARAM(ptClient.x, ptClient.y), dockBar.m_hWnd);
    EXPECT_EQ(1u, pFrame->m_barMenus.size());
    // Commands are refused while the toolbars are customized.
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(pFrame->m_wndToolBar.IsWindowVisible());
}

TEST_F(Frame, RightClickOnTheStatusBarOrADockBarOpensNoMenuWhileCustomizing)
{
    ASSERT_NE(nullptr, Open());
    CWnd* pDockBar = pFrame->GetDockManager()->FindDockBarByAlignment(CBRS_ALIGN_TOP);
    ASSERT_NE(nullptr, pDockBar);
    for (CWnd* pBar : {(CWnd*)&pFrame->m_wndStatusBar, pDockBar})
    {
        CRect rect;
        pBar->GetWindowRect(rect);
        const LPARAM lPoint = MAKELPARAM(rect.left + 2, rect.top + 2);
        pFrame->m_barMenus.clear();
        pBar->SendMessage(WM_CONTEXTMENU, (WPARAM)pBar->m_hWnd, lPoint);
        ASSERT_EQ(1u, pFrame->m_barMenus.size());
        EXPECT_EQ(lPoint, pFrame->m_barMenus[0].second);

        CTavoPToolBar::SetCustomizeMode(TRUE);
        pBar->SendMessage(WM_CONTEXTMENU, (WPARAM)pBar->m_hWnd, lPoint);
        CTavoPToolBar::SetCustomizeMode(FALSE);
        EXPECT_EQ(1u, pFrame->m_barMenus.size());
    }
}

TEST_F(Frame, BarCommandsShowAndHideTheBarWithTheirId)
{
    ASSERT_NE(nullptr, Open());
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(pFrame->m_wndToolBar.IsWindowVisible());
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(pFrame->m_wndToolBar.IsWindowVisible());
}

TEST_F(Frame, ContextHelpAsksForHelpOnceWithoutNesting)
{
    CTestSeams::Engage();
    ASSERT_NE(nullptr, Open());
    pFrame->m_nIDHelp = 0;
    pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    EXPECT_EQ(1u, CTestSeams::HelpCalls().size());
    CTestSeams::Release();
}

TEST_F(Frame, UserToolbarsCannotBeMadeWithoutARange)
{
    CTestSeams::Engage();
    ASSERT_NE(nullptr, Open());
    const UINT uiCreate = ::RegisterWindowMessage("TAVOTOOLBAR_CREATE");
    EXPECT_EQ(0, pFrame->SendMessage(uiCreate, 0, (LPARAM) "mine"));
    ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
    EXPECT_STREQ("You can't create more than 1 user-defined toolbars!",
                 (LPCTSTR)CTestSeams::MessageBoxes()[0].strText);
    EXPECT_EQ((UINT)MB_ICONINFORMATION, CTestSeams::MessageBoxes()[0].nType & MB_ICONMASK);
    CTestSeams::Release();
}

TEST_F(Frame, ADeletedUserToolbarDoesNotComeBack)
{
    ASSERT_NE(nullptr, Open());
    CTavoPFrameImpl* pImpl = pFrame->GetFrameImpl();
    pImpl->SetUserToolbarRange(0xE900, 0xE902);
    auto countMine = []() {
        int nCount = 0;
        const CObList& list = CTavoPToolBar::GetAllToolbars();
        for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
            nCount += ((CWnd*)list.GetNext(pos))->GetDlgCtrlID() == 0xE900;
        return nCount;
    };
    CTavoPToolBar* pMine = pImpl->CreateNewToolbar("mine");
    ASSERT_NE(nullptr, pMine);
    pImpl->SaveUserToolbars(FALSE);
    EXPECT_FALSE(pImpl->DeleteToolbar(&pFrame->m_wndToolBar));
    ASSERT_TRUE(pImpl->DeleteToolbar(pMine));
    EXPECT_EQ(0, countMine());

    // Its stored state went with it: loading the user toolbars again makes none.
    pImpl->LoadUserToolbars();
    EXPECT_EQ(0, countMine());
}

TEST_F(Frame, TornOffBarsAreNumberedWithoutGapsAndStaleKeysGo)
{
    ASSERT_NE(nullptr, Open());
    const std::string section = kBase + "ControlBars-TearOff";
    for (int i = 0; i < 4; i++)
        RegistryTestKey::SetDword(section + "-" + std::to_string(i) + "\\Below", "Old", 1);

    AppFrame* pOther = new AppFrame;
    ASSERT_TRUE(pOther->Create(NULL, "other"));
    FrameTestToolBar* pMine1 = new FrameTestToolBar;
    FrameTestToolBar* pTheirs = new FrameTestToolBar;
    FrameTestToolBar* pMine2 = new FrameTestToolBar;
    ASSERT_TRUE(pMine1->Make(pFrame, 0x8001));
    ASSERT_TRUE(pTheirs->Make(pOther, 0x8002));
    ASSERT_TRUE(pMine2->Make(pFrame, 0x8003));
    pMine1->SetWindowText("first");
    pMine2->SetWindowText("third");
    CTavoPFrameImpl* pImpl = pFrame->GetFrameImpl();
    pImpl->AddTearOffBar(pMine1);
    pImpl->AddTearOffBar(pTheirs);
    pImpl->AddTearOffBar(pMine2);
    pImpl->SaveTearOffBars(TRUE);

    EXPECT_EQ(0x8001u, Dword(section + "-0", "ID"));
    EXPECT_EQ(0x8003u, Dword(section + "-1", "ID"));
    EXPECT_EQ(std::vector<BYTE>({'t', 'h', 'i', 'r', 'd', 0}),
              RegistryTestKey::Value(section + "-1", "Name"));
    EXPECT_FALSE(RegistryTestKey::Exists(section + "-0\\Below"));
    EXPECT_FALSE(RegistryTestKey::Exists(section + "-2"));
    EXPECT_FALSE(RegistryTestKey::Exists(section + "-3"));
    pImpl->RemoveTearOffBar(pTheirs);
    pTheirs->DestroyWindow();
    delete pTheirs;
    pOther->DestroyWindow();

    // Loading brings both back as toolbars of this frame, under their stored IDs.
    pImpl->LoadTearOffBars();
    ASSERT_EQ(2, pImpl->GetTearOffBars().GetCount());
    CTavoPToolBar* pLoaded = (CTavoPToolBar*)pImpl->GetTearOffBars().GetTail();
    EXPECT_TRUE(pLoaded->IsKindOf(RUNTIME_CLASS(FrameTestToolBar)));
    EXPECT_EQ(0x8003, pLoaded->GetDlgCtrlID());
    CString strName;
    pLoaded->GetWindowText(strName);
    EXPECT_STREQ("third", (LPCTSTR)strName);
}

TEST_F(Frame, TornOffBarsLoadOnlyAsToolbarsWithIDsOfTheirOwn)
{
    ASSERT_NE(nullptr, Open());
    const std::string section = kBase + "ControlBars-TearOff";
    CTavoPMenuIdPool pool;
    ASSERT_TRUE(pool.Initialize(0x9000, 0x9010));
    workspace.m_pTearOffManager = &pool;
    CTavoPFrameImpl* pImpl = pFrame->GetFrameImpl();

    struct Case
    {
        const char* name;
        UINT uiStoredID;
        BOOL bToolbar;
        int nLoaded;
        UINT uiExpectedID;
    };
    const Case cases[] = {
        {"free ID kept", 0x8001, TRUE, 1, 0x8001},
        {"ID of the frame's toolbar replaced", kToolID, TRUE, 1, 0x9000},
        {"stored object that is no toolbar refused", 0x8001, FALSE, 0, 0},
    };
    for (const Case& c : cases)
    {
        scratch.Remove();
        {
            CTavoPRegistryHolder holder;
            CTavoPRegistry& reg = holder.Create(FALSE, FALSE);
            ASSERT_TRUE(reg.CreateKey((kBase + "ControlBars-TearOff-0").c_str()));
            reg.WriteNumber("ID", c.uiStoredID);
            reg.WriteString("Name", "bar");
            FrameTestToolBar bar;
            CObList list;
            if (c.bToolbar)
                reg.Write("State", &bar);
            else
                reg.Write("State", &list);
        }
        // Key 1 is missing: key 2 is never reached.
        RegistryTestKey::SetDword(section + "-2", "ID", 0x8005);
        pImpl->LoadTearOffBars();
        ASSERT_EQ(c.nLoaded, pImpl->GetTearOffBars().GetCount()) << c.name;
        if (c.nLoaded > 0)
        {
            EXPECT_EQ((int)c.uiExpectedID,
                      ((CWnd*)pImpl->GetTearOffBars().GetHead())->GetDlgCtrlID())
                << c.name;
        }
    }
    workspace.m_pTearOffManager = NULL;
}

int g_nStrangersMade = 0;

// A stored object that only counts how often it is made.
class CStrangerBar : public CObject
{
    DECLARE_SERIAL(CStrangerBar)
public:
    CStrangerBar() { g_nStrangersMade++; }
    void Serialize(CArchive&) override {}
};

IMPLEMENT_SERIAL(CStrangerBar, CObject, 1)

TEST_F(Frame, StoredTornOffBarOfAnotherClassIsNeverMade)
{
    ASSERT_NE(nullptr, Open());
    {
        CTavoPRegistryHolder holder;
        CTavoPRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey((kBase + "ControlBars-TearOff-0").c_str()));
        reg.WriteNumber("ID", 0x8001);
        reg.WriteString("Name", "bar");
        CStrangerBar stranger;
        ASSERT_TRUE(reg.Write("State", &stranger));
    }
    g_nStrangersMade = 0;
    pFrame->GetFrameImpl()->LoadTearOffBars();
    EXPECT_EQ(0, pFrame->GetFrameImpl()->GetTearOffBars().GetCount());
    EXPECT_EQ(0, g_nStrangersMade);
}

} // namespace

TEST_F(Frame, DockedToolbarFloatsAndDocksBack)
{
    ASSERT_NE(nullptr, Open());
    ASSERT_TRUE(
        pFrame->m_wndToolBar.FloatControlBar(CRect(300, 300, 450, 340), TAVOP_DM_RECT, TRUE));
    PumpMessages();
    ASSERT_TRUE(pFrame->m_wndToolBar.IsFloating());
    CTavoPMiniFrameWnd* pMiniFrame = pFrame->m_wndToolBar.GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);
    CRect rectClient;
    pMiniFrame->GetClientRect(rectClient);
    EXPECT_EQ(CSize(120, 26), rectClient.Size()) << "the floating frame fits the bar";
    const HWND hwndMiniFrame = pMiniFrame->GetSafeHwnd();

    pFrame->DockControlBar(&pFrame->m_wndToolBar);
    PumpMessages();
    EXPECT_FALSE(pFrame->m_wndToolBar.IsFloating());
    EXPECT_NE(nullptr, pFrame->m_wndToolBar.GetParentDockBar());
    EXPECT_FALSE(::IsWindow(hwndMiniFrame));
    EXPECT_EQ(0, pFrame->GetDockManager()->GetMiniFrames().GetCount());
}

TEST_F(Frame, FloatingToolbarFloatsAgainAtTheNextStart)
{
    ASSERT_NE(nullptr, Open());
    ASSERT_TRUE(
        pFrame->m_wndToolBar.FloatControlBar(CRect(300, 300, 450, 340), TAVOP_DM_RECT, TRUE));
    PumpMessages();
    CRect rectFloating;
    pFrame->m_wndToolBar.GetParentMiniFrame()->GetWindowRect(rectFloating);
    Close();

    ASSERT_NE(nullptr, Open());
    ASSERT_TRUE(pFrame->m_wndToolBar.IsFloating());
    CRect rectAgain;
    pFrame->m_wndToolBar.GetParentMiniFrame()->GetWindowRect(rectAgain);
    EXPECT_EQ(rectFloating.TopLeft(), rectAgain.TopLeft());
    EXPECT_TRUE(pFrame->m_wndToolBar.IsWindowVisible());
}

TEST_F(Frame, FloatingFramesReadBeforeADamagedSectionGoAgain)
{
    ASSERT_NE(nullptr, Open());
    ASSERT_TRUE(pFrame->m_wndOther.FloatControlBar(CRect(300, 300, 450, 340), TAVOP_DM_RECT, TRUE));
    PumpMessages();
    Close();
    const std::string key = kBase + "TavoPDockManager-128";
    std::vector<BYTE> bytes = RegistryTestKey::Value(key, "DockingCBAndSliders");
    ASSERT_GT(bytes.size(), 16u);
    ASSERT_EQ(1, bytes[8]) << "the floating frame is in the layout";
    // The auto-hide count after the frame runs past the end of the data.
    bytes[bytes.size() - 4] = 5;
    RegistryTestKey::SetBinary(key, "DockingCBAndSliders", bytes);

    ASSERT_NE(nullptr, Open());
    EXPECT_EQ(0, pFrame->GetDockManager()->GetMiniFrames().GetCount());
    EXPECT_EQ(0, pFrame->GetDockManager()->GetLoadedMiniFrames().GetCount());
    EXPECT_FALSE(pFrame->m_wndOther.IsFloating()) << "the frame keeps its own layout";
}

namespace {

// The application's frame with docking panes as well, all docked on the left by the frame
// itself, and strips for pinned panes on every side.
class WholeLayoutFrame : public AppFrame
{
public:
    static const UINT kFirstPane = 301;
    static const int kPanes = 8;

    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (AppFrame::OnCreate(lpCreateStruct) == -1)
            return -1;
        for (DWORD dwSide : {CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP, CBRS_ALIGN_RIGHT, CBRS_ALIGN_BOTTOM})
        {
            if (!GetDockManager()->AddDockBar(dwSide, RUNTIME_CLASS(CTavoPAutoHideDockBar)))
                return -1;
        }
        for (int i = 0; i < kPanes; i++)
        {
            m_panes[i].reset(new CaptionPane);
            const std::string name = "pane " + std::to_string(kFirstPane + i);
            // The last two float together in one frame.
            if (!m_panes[i]->Make(this, kFirstPane + i, name.c_str(), CSize(160, 140),
                                  CaptionPane::kAllBehaviour, i >= 5 ? CBRS_FLOAT_MULTI : 0))
                return -1;
            DockControlBar(m_panes[i].get(), AFX_IDW_DOCKBAR_LEFT);
        }
        return 0;
    }
    CaptionPane* Pane(int i) { return m_panes[i].get(); }
    std::vector<CTavoPDockingControlBar*> Panes()
    {
        std::vector<CTavoPDockingControlBar*> lst;
        for (auto& p : m_panes)
            lst.push_back(p.get());
        return lst;
    }

    std::unique_ptr<CaptionPane> m_panes[kPanes];

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(WholeLayoutFrame, AppFrame)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// Where the toolbars are: the side of the dock bar holding each and its place in the frame.
std::vector<std::pair<DWORD, CRect>> ToolbarPlaces(AppFrame* pFrame)
{
    std::vector<std::pair<DWORD, CRect>> places;
    for (CTavoPControlBar* pBar :
         {(CTavoPControlBar*)&pFrame->m_wndToolBar, (CTavoPControlBar*)&pFrame->m_wndOther})
    {
        CTavoPDockBar* pDockBar = pBar->GetParentDockBar();
        places.emplace_back(pDockBar != NULL ? pDockBar->GetCurrentAlignment() : 0,
                            InFrame(pFrame, pBar));
    }
    return places;
}

// Where a pinned pane lies slid out, in the frame's client area; it goes back in at once.
CRect SlidOut(CTavoPDockingControlBar* pPane)
{
    pPane->Slide(TRUE, FALSE);
    const CRect rect = InFrame(pPane->GetDockSiteFrame(), pPane);
    pPane->Slide(FALSE, FALSE);
    return rect;
}

} // namespace

TEST_F(Frame, AWholeLayoutComesBackInAFreshFrame)
{
    // Panes find their tab group class by name: it must be linked in.
    ASSERT_STREQ("CTavoPTabbedControlBar", RUNTIME_CLASS(CTavoPTabbedControlBar)->m_lpszClassName);
    WholeLayoutFrame* pPanes = new WholeLayoutFrame;
    ASSERT_NE(nullptr, Open(pPanes));
    CRect rectWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    pFrame->MoveWindow(rectWork.left + 30, rectWork.top + 30, 900, 700);
    PumpMessages();

    // The second toolbar on the left; 301 with 302 below it on the left; 303 and 304 one tab
    // group on the right, 303 renamed and 304 shown; 306 floating with 307 dragged onto its
    // right edge; 305 pinned off to the bottom strip.
    pFrame->DockControlBar(&pFrame->m_wndOther, AFX_IDW_DOCKBAR_LEFT);
    ASSERT_TRUE(pPanes->Pane(0)->DockToFrameSide(CBRS_ALIGN_LEFT));
    ASSERT_NE(nullptr, pPanes->Pane(1)->DockToWindow(pPanes->Pane(0), CBRS_ALIGN_BOTTOM));
    ASSERT_TRUE(pPanes->Pane(2)->DockToFrameSide(CBRS_ALIGN_RIGHT));
    CTavoPDockingControlBar* pGroup = NULL;
    pPanes->Pane(3)->AttachToTabbedBar(pPanes->Pane(2), TAVOP_DM_MOUSE, TRUE, &pGroup);
    CTavoPBaseTabbedBar* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pGroup);
    ASSERT_NE(nullptr, pTabbed);
    pTabbed->GetUnderlinedWindow()->SetTabLabel(0, "renamed");
    pTabbed->GetUnderlinedWindow()->SetActiveTab(1);
    PumpMessages();

    CaptionPane* pFloating = pPanes->Pane(5);
    pFloating->StoreRecentDockInfo();
    ASSERT_TRUE(pFloating->FloatControlBar(
        CRect(rectWork.left + 400, rectWork.top + 250, rectWork.left + 700, rectWork.top + 450),
        TAVOP_DM_RECT, TRUE));
    PumpFor(30);
    const CRect rectFloating = pFloating->ScreenRect();
    RunMouse(DragSteps(pPanes->Pane(6)->GripPoint(),
                       CPoint(rectFloating.right - 4, rectFloating.CenterPoint().y)));
    PumpFor(60);
    ASSERT_EQ(pFloating->GetParent(), pPanes->Pane(6)->GetParent()) << "one floating frame";

    ASSERT_TRUE(pPanes->Pane(4)->DockToFrameSide(CBRS_ALIGN_BOTTOM));
    ASSERT_NE(nullptr, pPanes->Pane(4)->SetAutoHideMode(TRUE, CBRS_ALIGN_BOTTOM, NULL, FALSE));
    // 308 pinned off to the right and hidden there.
    ASSERT_TRUE(pPanes->Pane(7)->DockToFrameSide(CBRS_ALIGN_RIGHT));
    ASSERT_NE(nullptr, pPanes->Pane(7)->SetAutoHideMode(TRUE, CBRS_ALIGN_RIGHT, NULL, FALSE));
    pPanes->Pane(7)->ShowControlBar(FALSE, FALSE, FALSE);
    PumpFor(30);

    const std::vector<LayoutShot> before = LayoutSnapshot(pFrame, pPanes->Panes());
    const auto toolbarsBefore = ToolbarPlaces(pFrame);
    ASSERT_EQ("docked", before[0].where);
    ASSERT_EQ("tab 1", before[3].where);
    ASSERT_EQ("floating", before[6].where);
    ASSERT_EQ("pinned " + std::to_string(CBRS_ALIGN_BOTTOM), before[4].where);
    ASSERT_FALSE(before[7].bButtonShown);
    const CRect rectOuter = pFrame->GetDockManager()->GetOuterEdgeBounds();
    const CRect rectOut = SlidOut(pPanes->Pane(4));
    ASSERT_FALSE(rectOut.IsRectEmpty());
    // The layout comes back, and stored again unchanged it comes back once more the same.
    for (const char* run : {"first start", "second start"})
    {
        SCOPED_TRACE(run);
        Close();
        pPanes = new WholeLayoutFrame;
        ASSERT_NE(nullptr, Open(pPanes));
        PumpFor(30);
        EXPECT_EQ(before, LayoutSnapshot(pFrame, pPanes->Panes()));
        EXPECT_EQ(toolbarsBefore, ToolbarPlaces(pFrame));
        EXPECT_EQ(rectOuter, pFrame->GetDockManager()->GetOuterEdgeBounds());
        EXPECT_EQ(1, pFrame->GetDockManager()->GetMiniFrames().GetCount());
        EXPECT_EQ(2, pFrame->GetDockManager()->GetAutoHideSliders().GetCount());
        EXPECT_EQ(rectOut, SlidOut(pPanes->Pane(4))) << "the pinned pane comes out as it did";
    }
}
