// vorlen's main frame in this process: its bars, title and layout, the clock, the toolbar list on a right click and under 系统 > 界面 > 工具栏, relayouts, and the placement and bar layout kept for the next start.
#include "app/CMainFrame.h"
#include "framework/CTestSeams.h"
#include "res/resource.h"
#include "tests/support/BarTestSupport.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/TestApp.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPRegistryCache.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/CTavoPVisualManagerXP.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

const char kAppKey[] = "SOFTWARE\\VorlenTests MainFrame";
const std::string kBase = "SOFTWARE\\VorlenTests MainFrame\\vorlentest\\Settings\\";

// Every message waiting for this thread, with the frame's pre-translation as the program's
// message loop runs it.
void Pump(CFrameWnd* pFrame)
{
    for (int nRound = 0; nRound < 3; nRound++)
    {
        PumpThrough(pFrame);
        ::Sleep(10);
    }
}

// The top-level windows of this thread, hidden ones too.
std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lParam) {
            ((std::vector<HWND>*)lParam)->push_back(hwnd);
            return TRUE;
        },
        (LPARAM)&windows);
    return windows;
}

// A bar the dock manager lists beside the frame's own: it counts the full relayouts of the
// frame's bars.
class RelayoutProbe : public CTavoPControlBar
{
public:
    CSize CalcFixedLayout(BOOL, BOOL) override { return CSize(0, 0); }
    void OnBarHook3() override { m_nRelayouts++; }
    int m_nRelayouts = 0;
};

class MainFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp().SetRegistryKey(_T("VorlenTests MainFrame"));
        workspace.SetRegistryBase(_T("Settings"));
    }
    void TearDown() override
    {
        CTestSeams::Release();
        CTavoPToolBar::SetCustomizeMode(FALSE);
        if (pFrame != nullptr && ::IsWindow(hwndFrame))
            pFrame->DestroyWindow();
        Pump(NULL);
        CTavoPPopupMenu::SetActiveMenu(NULL);
    }
    // Made as the document template makes it, with a window in the view's place, and shown
    // as the program shows it.
    CMainFrame* Open(int nShow = SW_SHOWMAXIMIZED)
    {
        pFrame = new CMainFrame;
        if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
            return pFrame = nullptr;
        hwndFrame = pFrame->m_hWnd;
        if (!view.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1),
                         pFrame, AFX_IDW_PANE_FIRST))
            return nullptr;
        pFrame->ShowWindow(nShow);
        pFrame->RecalcLayout();
        Pump(pFrame);
        return pFrame;
    }
    // Closes the frame as the user does; the frame object goes with its window.
    void Close()
    {
        pFrame->SendMessage(WM_CLOSE);
        Pump(NULL);
        pFrame = nullptr;
    }
    // A client area of the given size, whatever the frame's borders are.
    void SetClientSize(int cx, int cy)
    {
        CRect rectWindow, rectClient;
        pFrame->GetWindowRect(rectWindow);
        pFrame->GetClientRect(rectClient);
        pFrame->SetWindowPos(NULL, 40, 30, cx + rectWindow.Width() - rectClient.Width(),
                             cy + rectWindow.Height() - rectClient.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
        Pump(pFrame);
    }

    RegistryTestKey scratch{kAppKey};
    CTavoPWorkspace workspace{TRUE};
    CMainFrame* pFrame = nullptr;
    HWND hwndFrame = NULL;
    CWnd view;
};

TEST_F(MainFrame, CarriesItsBarsTitleAndLookAndLeavesTheViewBetweenTheBars)
{
    ASSERT_NE(nullptr, Open());
    EXPECT_TRUE(pFrame->IsZoomed());
    CString strTitle;
    pFrame->GetWindowText(strTitle);
    EXPECT_STREQ("Vorlen v1.0", (LPCTSTR)strTitle);
    pFrame->OnUpdateFrameTitle(TRUE);
    pFrame->GetWindowText(strTitle);
    EXPECT_STREQ("Vorlen v1.0", (LPCTSTR)strTitle) << "no document name is added";
    EXPECT_TRUE(CTavoPVisualManager::GetInstance()->IsKindOf(RUNTIME_CLASS(CTavoPVisualManagerXP)));

    // The menu bar has taken over the frame's menu.
    CTavoPMenuBar& menuBar = pFrame->GetMenuBar();
    EXPECT_EQ(&menuBar, pFrame->GetFrameImpl()->GetMenuBar());
    EXPECT_EQ(NULL, ::GetMenu(pFrame->m_hWnd));
    EXPECT_EQ(0xE806, menuBar.GetDlgCtrlID());
    EXPECT_NE((HMENU)NULL, menuBar.GetDefaultMenu());
    EXPECT_EQ((UINT)IDR_MAINFRAME, menuBar.GetDefaultMenuResId());
    EXPECT_NE(0u, menuBar.GetBarStyle() & CBRS_SIZE_DYNAMIC);

    CTavoPToolBar& toolBar = pFrame->GetToolBar();
    CString strName;
    toolBar.GetWindowText(strName);
    EXPECT_STREQ("默认工具栏", (LPCTSTR)strName);
    EXPECT_EQ(AFX_IDW_TOOLBAR, toolBar.GetDlgCtrlID());
    for (UINT nID : {ID_SYSTEM_SETTINGS, ID_PURCHASE_STOCK_IN, ID_SALE_ADD, ID_HELP_CALCULATOR})
        EXPECT_LE(0, toolBar.CommandToIndex(nID)) << nID;

    CTavoPStatusBar& statusBar = pFrame->GetStatusBar();
    EXPECT_EQ(AFX_IDW_STATUS_BAR, statusBar.GetDlgCtrlID());
    ASSERT_EQ(5, statusBar.GetCount());
    const UINT panes[] = {0, ID_INDICATOR_CLOCK, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                          ID_INDICATOR_SCRL};
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(panes[i], statusBar.GetItemID(i)) << i;
    EXPECT_LT(2 * statusBar.GetPaneWidth(2), statusBar.GetPaneWidth(1))
        << "the clock pane is as wide as its sample text";

    // Docking on every side; both bars docked on top, the menu bar in the first row.
    CTavoPDockManager* pManager = pFrame->GetDockManager();
    EXPECT_EQ((DWORD)CBRS_ALIGN_ANY, pManager->GetEnabledAlignment());
    CTavoPDockBar* pTop = pManager->FindDockBarByAlignment(CBRS_ALIGN_TOP);
    EXPECT_EQ(pTop, menuBar.GetParentDockBar());
    EXPECT_EQ(pTop, toolBar.GetParentDockBar());

    // In a frame of known size the view takes what the menu bar, the toolbar and the status
    // bar leave.
    pFrame->ShowWindow(SW_RESTORE);
    SetClientSize(700, 500);
    pFrame->RecalcLayout();
    const CRect rectMenuBar = InFrame(pFrame, &menuBar);
    const CRect rectToolBar = InFrame(pFrame, &toolBar);
    const CRect rectStatusBar = InFrame(pFrame, &statusBar);
    EXPECT_EQ(0, rectMenuBar.top);
    EXPECT_LE(rectMenuBar.bottom, rectToolBar.top);
    EXPECT_EQ(CRect(0, 500 - rectStatusBar.Height(), 700, 500), rectStatusBar);
    EXPECT_LT(0, rectStatusBar.Height());
    EXPECT_EQ(CRect(0, rectToolBar.bottom, 700, rectStatusBar.top), InFrame(pFrame, &view));
    EXPECT_EQ(pManager->GetClientAreaBounds(), InFrame(pFrame, &view));
}

TEST_F(MainFrame, ClockShowsTheMinuteInItsPaneFromTheStartAndAtEveryTick)
{
    CTestSeams::Engage();
    // The time shows as soon as the frame is there, not the pane's width template.
    const SYSTEMTIME start = {2026, 12, 5, 11, 8, 30, 0, 0};
    CTestSeams::SetFakeLocalTime(start);
    ASSERT_NE(nullptr, Open());
    EXPECT_STREQ("2026年12月11日08点30分",
                 (LPCTSTR)pFrame->GetStatusBar().GetPaneText(
                     pFrame->GetStatusBar().IndexOfCommand(ID_INDICATOR_CLOCK)));
    const struct
    {
        SYSTEMTIME time;
        const char* lpszText;
    } cases[] = {
        {{2026, 3, 4, 5, 7, 9, 59, 0}, "2026年03月05日07点09分"},
        {{2026, 3, 4, 5, 7, 9, 2, 0}, "2026年03月05日07点09分"},
        {{1999, 12, 5, 31, 23, 59, 0, 0}, "1999年12月31日23点59分"},
    };
    CTavoPStatusBar& statusBar = pFrame->GetStatusBar();
    const int nClock = statusBar.IndexOfCommand(ID_INDICATOR_CLOCK);
    ASSERT_EQ(1, nClock);
    for (const auto& c : cases)
    {
        CTestSeams::SetFakeLocalTime(c.time);
        // Whatever the timer's id, the clock is written.
        pFrame->SendMessage(WM_TIMER, 7);
        EXPECT_STREQ(c.lpszText, (LPCTSTR)statusBar.GetPaneText(nClock));
    }
    // The frame's own timer writes it too.
    const SYSTEMTIME later = {2030, 1, 2, 1, 0, 5, 0, 0};
    CTestSeams::SetFakeLocalTime(later);
    const DWORD dwStart = ::GetTickCount();
    while (statusBar.GetPaneText(nClock) != "2030年01月01日00点05分" &&
           ::GetTickCount() - dwStart < 3000)
        Pump(pFrame);
    EXPECT_STREQ("2030年01月01日00点05分", (LPCTSTR)statusBar.GetPaneText(nClock));
}

TEST_F(MainFrame, RightClickOnABarOpensTheToolbarListAtThePointerWhoseItemTogglesTheToolbar)
{
    ASSERT_NE(nullptr, Open(SW_SHOWNORMAL));
    CTavoPToolBar& toolBar = pFrame->GetToolBar();
    for (BOOL bVisible : {TRUE, FALSE})
    {
        SCOPED_TRACE(bVisible ? "toolbar shown" : "toolbar hidden");
        // With the toolbar hidden the user right-clicks another bar.
        CTavoPBaseControlBar* pClicked =
            bVisible ? (CTavoPBaseControlBar*)&toolBar : &pFrame->GetStatusBar();
        CRect rectClicked;
        pClicked->GetClientRect(rectClicked);
        const CPoint pt(4, rectClicked.Height() / 2);
        CPoint ptScreen = pt;
        pClicked->ClientToScreen(&ptScreen);
        pClicked->PostMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
        pClicked->PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        Pump(pFrame);

        CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
        ASSERT_NE(nullptr, pPopup);
        CRect rectPopup;
        pPopup->GetWindowRect(rectPopup);
        EXPECT_EQ(ptScreen, rectPopup.TopLeft()) << "the point travels packed in one parameter";
        CTavoPPopupMenuBar* pItems = pPopup->GetMenuBar();
        ASSERT_EQ(1, pItems->GetCount());
        CTavoPToolbarButton* pItem = pItems->GetButton(0);
        EXPECT_EQ((UINT)AFX_IDW_TOOLBAR, pItem->m_nID);
        EXPECT_STREQ("默认工具栏", (LPCTSTR)pItem->m_strText);
        EXPECT_EQ(bVisible, (pItem->m_nStyle & TBBS_CHECKED) != 0);

        // Choosing the item with the keys shows or hides the toolbar.
        for (UINT nKey : {VK_DOWN, VK_RETURN})
        {
            pFrame->PostMessage(WM_KEYDOWN, nKey, 0);
            Pump(pFrame);
        }
        EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());
        EXPECT_EQ(!bVisible, toolBar.IsWindowVisible());
    }
}

TEST_F(MainFrame, ToolbarListTakesThePlaceholdersPlaceExceptInCustomizeMode)
{
    ASSERT_NE(nullptr, Open(SW_SHOWNORMAL));
    // 系统 > 界面 > 工具栏 as the frame's menu holds it, given to a popup as the menu bar gives
    // it: a menu of its own, which the popup destroys when it closes.
    HMENU hMenu = pFrame->GetMenuBar().GetDefaultMenu();
    ASSERT_NE((HMENU)NULL, hMenu);
    HMENU hToolbars = ::GetSubMenu(::GetSubMenu(::GetSubMenu(hMenu, 0), 0), 0);
    ASSERT_NE((HMENU)NULL, hToolbars);
    ASSERT_EQ((UINT)ID_TOOLBAR_LIST_PLACE, ::GetMenuItemID(hToolbars, 0));
    auto toolbarsMenu = [] {
        HMENU hPopup = ::CreatePopupMenu();
        ::AppendMenu(hPopup, MF_STRING, ID_TOOLBAR_LIST_PLACE, "(工具栏列表)");
        return hPopup;
    };

    for (BOOL bVisible : {TRUE, FALSE})
    {
        pFrame->ShowControlBar(&pFrame->GetToolBar(), bVisible, FALSE, FALSE);
        CTavoPPopupMenu* pPopup = new CTavoPPopupMenu;
        ASSERT_TRUE(pPopup->Create(pFrame, 100, 100, toolbarsMenu()));
        EXPECT_EQ(pPopup, CTavoPPopupMenu::GetActiveMenu());
        CTavoPPopupMenuBar* pItems = pPopup->GetMenuBar();
        ASSERT_EQ(1, pItems->GetCount());
        EXPECT_EQ((UINT)AFX_IDW_TOOLBAR, pItems->GetButton(0)->m_nID);
        EXPECT_STREQ("默认工具栏", (LPCTSTR)pItems->GetButton(0)->m_strText);
        EXPECT_EQ(bVisible, (pItems->GetButton(0)->m_nStyle & TBBS_CHECKED) != 0);
        pPopup->SendMessage(WM_CLOSE);
        Pump(pFrame);
    }
    // The placeholder is replaced in the popup only, never in the frame's menu.
    EXPECT_EQ((UINT)ID_TOOLBAR_LIST_PLACE, ::GetMenuItemID(hToolbars, 0));

    // While the toolbars are customized that popup does not open; the others still do.
    CTavoPPopupMenu::SetActiveMenu(NULL);
    CTavoPToolBar::SetCustomizeMode(TRUE);
    const size_t nWindows = ThreadWindows().size();
    CTavoPPopupMenu* pRefused = new CTavoPPopupMenu;
    EXPECT_FALSE(pRefused->Create(pFrame, 100, 100, toolbarsMenu()));
    Pump(pFrame);
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());
    EXPECT_EQ(nWindows, ThreadWindows().size()) << "no popup window stays";
    HMENU hOther = ::CreatePopupMenu();
    ::AppendMenu(hOther, MF_STRING, ID_SYSTEM_SETTINGS, "设置...");
    CTavoPPopupMenu* pOther = new CTavoPPopupMenu;
    ASSERT_TRUE(pOther->Create(pFrame, 100, 100, hOther));
    EXPECT_EQ(pOther, CTavoPPopupMenu::GetActiveMenu());
    EXPECT_EQ(1, pOther->GetMenuBar()->GetCount());
    pOther->SendMessage(WM_CLOSE);
    Pump(pFrame);
}

TEST_F(MainFrame, MaximizeAndRestoreLayTheBarsOutOnceAndAMinimizedFrameNotAtAll)
{
    ASSERT_NE(nullptr, Open(SW_SHOWNORMAL));
    RelayoutProbe probe;
    ASSERT_TRUE(probe.Create(NULL, WS_CHILD | CBRS_BOTTOM, CRect(0, 0, 0, 0), pFrame, 0xE8F0, 0));
    pFrame->AddControlBar(&probe);
    Pump(pFrame);

    const struct
    {
        int nShow;
        const char* lpszName;
        int nRelayouts;
    } steps[] = {
        {SW_MAXIMIZE, "maximize", 1},
        {SW_RESTORE, "restore", 1},
        {SW_MINIMIZE, "minimize", 0},
    };
    for (const auto& step : steps)
    {
        probe.m_nRelayouts = 0;
        pFrame->ShowWindow(step.nShow);
        Pump(pFrame);
        EXPECT_EQ(step.nRelayouts, probe.m_nRelayouts) << step.lpszName;
    }
    ASSERT_TRUE(pFrame->IsIconic());
    probe.m_nRelayouts = 0;
    view.MoveWindow(0, 0, 1, 1);
    pFrame->RecalcLayout();
    EXPECT_EQ(0, probe.m_nRelayouts);
    EXPECT_EQ(CRect(0, 0, 1, 1), InFrame(pFrame, &view));
    pFrame->RemoveControlBarFromDockManager(&probe, FALSE, FALSE, FALSE);
}

// The frame and the windows in it.
std::vector<HWND> FrameWindows(HWND hwndFrame)
{
    std::vector<HWND> windows = {hwndFrame};
    ::EnumChildWindows(
        hwndFrame,
        [](HWND hwnd, LPARAM lParam) {
            ((std::vector<HWND>*)lParam)->push_back(hwnd);
            return TRUE;
        },
        (LPARAM)&windows);
    return windows;
}

std::string ClassOf(HWND hwnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hwnd);
    return pWnd != NULL ? pWnd->GetRuntimeClass()->m_lpszClassName : "?";
}

// The frame and every window in it that waits for a paint, by class.
std::vector<std::string> WaitingForPaint(HWND hwndFrame)
{
    std::vector<std::string> waiting;
    for (HWND hwnd : FrameWindows(hwndFrame))
        if (::GetUpdateRect(hwnd, NULL, FALSE))
            waiting.push_back(ClassOf(hwnd));
    return waiting;
}

// A pixel no window paints, put at the top left of every child window that shows it there
// itself; a paint at once (not only one waiting) takes it away.
const COLORREF kMark = RGB(1, 2, 3);

bool ShowsItsCorner(HWND hwndFrame, HWND hwnd)
{
    RECT rect;
    return hwnd != hwndFrame && ::IsWindowVisible(hwnd) && ::GetClientRect(hwnd, &rect) &&
           !::IsRectEmpty(&rect) &&
           ::ChildWindowFromPointEx(hwnd, POINT{0, 0}, CWP_SKIPINVISIBLE) == hwnd;
}

void MarkChildren(HWND hwndFrame)
{
    for (HWND hwnd : FrameWindows(hwndFrame))
    {
        if (!ShowsItsCorner(hwndFrame, hwnd))
            continue;
        HDC hdc = ::GetDC(hwnd);
        ::SetPixelV(hdc, 0, 0, kMark);
        ::ReleaseDC(hwnd, hdc);
    }
}

std::vector<std::string> RepaintedChildren(HWND hwndFrame)
{
    std::vector<std::string> repainted;
    for (HWND hwnd : FrameWindows(hwndFrame))
    {
        if (!ShowsItsCorner(hwndFrame, hwnd))
            continue;
        HDC hdc = ::GetDC(hwnd);
        if (::GetPixel(hdc, 0, 0) != kMark)
            repainted.push_back(ClassOf(hwnd));
        ::ReleaseDC(hwnd, hdc);
    }
    return repainted;
}

// The bars and the view of the frame that the platform was asked to move or size while an action
// ran, by class: every WM_WINDOWPOSCHANGING one of them receives.
std::vector<std::string> s_movedBars;

LRESULT CALLBACK WatchMoves(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMessage = (const CWPSTRUCT*)lParam;
    if (nCode == HC_ACTION && pMessage->message == WM_WINDOWPOSCHANGING)
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(pMessage->hwnd);
        if (pWnd != NULL && (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPBaseControlBar)) ||
                             pWnd->GetDlgCtrlID() == AFX_IDW_PANE_FIRST))
            s_movedBars.push_back(ClassOf(pMessage->hwnd));
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

template <class TAction>
std::vector<std::string> BarsMovedBy(TAction action)
{
    s_movedBars.clear();
    HHOOK hook = ::SetWindowsHookEx(WH_CALLWNDPROC, WatchMoves, NULL, ::GetCurrentThreadId());
    action();
    ::UnhookWindowsHookEx(hook);
    return s_movedBars;
}

TEST_F(MainFrame, RelayoutThatMovesNothingRepaintsNothing)
{
    ASSERT_NE(nullptr, Open());
    pFrame->RedrawWindow(NULL, NULL,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    Pump(pFrame);
    ASSERT_EQ(std::vector<std::string>(), WaitingForPaint(hwndFrame));

    MarkChildren(hwndFrame);
    ASSERT_EQ(std::vector<std::string>(), RepaintedChildren(hwndFrame));
    for (int i = 0; i < 2; i++)
    {
        pFrame->RecalcLayout();
        EXPECT_EQ(std::vector<std::string>(), WaitingForPaint(hwndFrame)) << "relayout " << i;
        EXPECT_EQ(std::vector<std::string>(), RepaintedChildren(hwndFrame)) << "relayout " << i;
    }
    // Nor does it ask the platform to move a bar or the view to where it is.
    EXPECT_EQ(std::vector<std::string>(), BarsMovedBy([&] { pFrame->RecalcLayout(); }));

    // A relayout that does move something repaints what moved.
    pFrame->ShowControlBar(&pFrame->GetToolBar(), FALSE, FALSE, FALSE);
    EXPECT_NE(std::vector<std::string>(), WaitingForPaint(hwndFrame));
    Pump(pFrame);
    pFrame->RecalcLayout();
    EXPECT_EQ(std::vector<std::string>(), WaitingForPaint(hwndFrame));
}

// The painting messages each window of the frame received while an action ran, by class.
std::map<std::string, std::vector<int>> s_paints;

LRESULT CALLBACK WatchPaints(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMessage = (const CWPSTRUCT*)lParam;
    const int nKind = pMessage->message == WM_PAINT ? 0 : pMessage->message == WM_NCPAINT ? 1 : -1;
    if (nCode == HC_ACTION && nKind >= 0)
    {
        std::vector<int>& counts = s_paints[ClassOf(pMessage->hwnd)];
        counts.resize(2);
        counts[nKind]++;
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

TEST_F(MainFrame, RepaintSendsEveryWindowOnePaintAndOneBorderPaint)
{
    ASSERT_NE(nullptr, Open());
    Pump(pFrame);
    s_paints.clear();
    HHOOK hook = ::SetWindowsHookEx(WH_CALLWNDPROC, WatchPaints, NULL, ::GetCurrentThreadId());
    pFrame->RedrawWindow(NULL, NULL,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    Pump(pFrame);
    ::UnhookWindowsHookEx(hook);
    for (const char* lpszClass :
         {"CMainFrame", "CTavoPMenuBar", "CTavoPToolBar", "CTavoPStatusBar", "CTavoPDockBar"})
        EXPECT_EQ(std::vector<int>({1, 1}), s_paints[lpszClass]) << lpszClass;
    EXPECT_EQ(std::vector<std::string>(), WaitingForPaint(hwndFrame));
}

TEST_F(MainFrame, PlacementAndBarLayoutComeBackAtTheNextStart)
{
    ASSERT_NE(nullptr, Open(SW_SHOWNORMAL));
    CRect rectWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    pFrame->MoveWindow(rectWork.left + 30, rectWork.top + 40, 760, 520);
    ASSERT_TRUE(
        pFrame->GetToolBar().FloatControlBar(CRect(300, 320, 500, 360), TAVOP_DM_RECT, TRUE));
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    Pump(pFrame);
    ASSERT_TRUE(pFrame->GetToolBar().IsFloating());
    CRect rectFloating;
    pFrame->GetToolBar().GetParentMiniFrame()->GetWindowRect(rectFloating);
    Close();

    // The layout holds the floating toolbar's frame between the empty sections.
    const std::vector<BYTE> layout =
        RegistryTestKey::Value(kBase + "TavoPDockManager-128", "DockingCBAndSliders");
    ASSERT_GT(layout.size(), 12u + 36 + 4);
    EXPECT_EQ(std::vector<BYTE>(8, 0), std::vector<BYTE>(layout.begin(), layout.begin() + 8));
    EXPECT_EQ(1, *(const int*)(layout.data() + 8));
    const std::string strLayout(layout.begin(), layout.end());
    EXPECT_NE(std::string::npos, strLayout.find("CTavoPMiniFrameWnd"));
    const BYTE* pRecord = layout.data() + layout.size() - 4 - 36;
    EXPECT_EQ(rectFloating, CRect(*(const RECT*)(pRecord + 4)));
    EXPECT_EQ(AFX_IDW_TOOLBAR, *(const int*)(pRecord + 24));
    EXPECT_EQ(0, *(const int*)(layout.data() + layout.size() - 4));

    ASSERT_NE(nullptr, Open(SW_SHOWNORMAL));
    CRect rectWindow;
    pFrame->GetWindowRect(rectWindow);
    EXPECT_EQ(CRect(30, 40, 790, 560) + rectWork.TopLeft(), rectWindow);
    ASSERT_TRUE(pFrame->GetToolBar().IsFloating());
    CRect rectAgain;
    pFrame->GetToolBar().GetParentMiniFrame()->GetWindowRect(rectAgain);
    EXPECT_EQ(rectFloating, rectAgain);
    EXPECT_TRUE(pFrame->GetToolBar().IsWindowVisible());
    EXPECT_EQ(1, pFrame->GetDockManager()->GetMiniFrames().GetCount())
        << "one floating frame, no empty one left over";
    EXPECT_FALSE(pFrame->GetStatusBar().IsWindowVisible());

    // Docked back and maximized, it is kept so.
    pFrame->DockControlBar(&pFrame->GetToolBar());
    pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    Pump(pFrame);
    Close();
    EXPECT_EQ((DWORD)SW_SHOWMAXIMIZED,
              *(const DWORD*)RegistryTestKey::Value(kBase + "WindowPlacement", "ShowCmd").data());
    EXPECT_EQ(std::vector<BYTE>(16, 0),
              RegistryTestKey::Value(kBase + "TavoPDockManager-128", "DockingCBAndSliders"));
    ASSERT_NE(nullptr, Open(SW_SHOWNORMAL));
    EXPECT_FALSE(pFrame->GetToolBar().IsFloating());
    EXPECT_EQ(pFrame->GetDockManager()->FindDockBarByAlignment(CBRS_ALIGN_TOP),
              pFrame->GetToolBar().GetParentDockBar());
}

// The time of the last write of every key below the path, by the key's path.
std::map<std::string, ULONGLONG> KeyTimes(const std::string& strPath)
{
    std::map<std::string, ULONGLONG> times;
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, strPath.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return times;
    FILETIME ft = {};
    ::RegQueryInfoKeyA(hKey, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, &ft);
    times[strPath] = ((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
    char szName[256];
    for (DWORD i = 0;; i++)
    {
        DWORD cchName = sizeof szName;
        if (::RegEnumKeyExA(hKey, i, szName, &cchName, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        const std::map<std::string, ULONGLONG> below = KeyTimes(strPath + "\\" + szName);
        times.insert(below.begin(), below.end());
    }
    ::RegCloseKey(hKey);
    return times;
}

TEST_F(MainFrame, StartAndExitThatChangeNothingWriteNoKeyButTheMenuBars)
{
    ASSERT_NE(nullptr, Open());
    Close();
    std::map<std::string, ULONGLONG> saved = KeyTimes(kAppKey);
    ASSERT_LT(10u, saved.size());
    // The menu bar's buttons are written again: a menu item without an image turns its
    // user-image flag over at every load, so its stored value differs from start to start.
    const std::string strMenuBarKey = kBase + "TavoToolBar-0";
    ASSERT_EQ(1u, saved.erase(strMenuBarKey));
    // A new start knows nothing of the registry; the clock moves on, so a key written again
    // would show a later time.
    GetRegistryCache().ForgetAll();
    ::Sleep(20);
    ASSERT_NE(nullptr, Open());
    Close();
    std::map<std::string, ULONGLONG> now = KeyTimes(kAppKey);
    now.erase(strMenuBarKey);
    EXPECT_EQ(saved, now);
}

} // namespace

namespace {

// The item of an open popup with this text, as a menu button.
CTavoPToolbarMenuButton* PopupItem(CTavoPPopupMenu* pPopup, const char* lpszText)
{
    CTavoPPopupMenuBar* pItems = pPopup->GetMenuBar();
    for (int i = 0; i < pItems->GetCount(); i++)
    {
        CTavoPToolbarMenuButton* pItem =
            DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pItems->GetButton(i));
        if (pItem != nullptr && pItem->m_strText == lpszText)
            return pItem;
    }
    return nullptr;
}

} // namespace

// vorlen's frame with four more toolbars docked as the frame docks its own, before the
// workspace loads the stored layout.
class FrameWithMoreBars : public CMainFrame
{
public:
    CTavoPToolBar more[4];

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CMainFrame::OnCreate(lpCreateStruct) == -1)
            return -1;
        for (int i = 0; i < 4; i++)
        {
            if (!more[i].CreateEx(this, TBSTYLE_FLAT, 0x50402834, CRect(1, 1, 1, 1),
                                  AFX_IDW_TOOLBAR + 0x20 + i) ||
                !more[i].LoadToolBar(IDR_MAINFRAME))
                return -1;
            CString strName;
            strName.Format("more %d", i);
            more[i].SetWindowText(strName);
            more[i].EnableDocking(CBRS_ALIGN_ANY);
            DockControlBar(&more[i]);
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FrameWithMoreBars, CMainFrame)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// Where a docked bar is: its dock bar's side, its row there, its rectangle in the dock bar and
// whether it shows.
struct BarPlace
{
    DWORD dwSide;
    int nRow;
    CRect rect;
    bool bVisible;
    bool operator==(const BarPlace& other) const
    {
        return dwSide == other.dwSide && nRow == other.nRow && rect == other.rect &&
               bVisible == other.bVisible;
    }
};

std::ostream& operator<<(std::ostream& os, const BarPlace& place)
{
    return os << "side " << place.dwSide << " row " << place.nRow << " (" << place.rect.left << ","
              << place.rect.top << "," << place.rect.right << "," << place.rect.bottom << ")"
              << (place.bVisible ? " shown" : " hidden");
}

std::vector<BarPlace> PlacesOf(FrameWithMoreBars* pFrame)
{
    std::vector<CTavoPControlBar*> bars = {&pFrame->GetMenuBar(), &pFrame->GetToolBar()};
    for (CTavoPToolBar& bar : pFrame->more)
        bars.push_back(&bar);
    std::vector<BarPlace> places;
    for (CTavoPControlBar* pBar : bars)
    {
        CTavoPDockBar* pDockBar = pBar->GetParentDockBar();
        if (pDockBar == NULL)
        {
            places.push_back({0, -1, CRect(), false});
            continue;
        }
        CRect rect;
        pBar->GetWindowRect(rect);
        pDockBar->ScreenToClient(rect);
        places.push_back({pDockBar->GetCurrentAlignment(),
                          pDockBar->FindRowIndex(pDockBar->FindRowForBar(pBar)), rect,
                          (pBar->GetStyle() & WS_VISIBLE) != 0});
    }
    return places;
}

TEST_F(MainFrame, WorkspaceLoadPutsEveryBarBackWhereItWas)
{
    // The frame's own layout; bars sharing rows; bars on the left and one hidden.
    const auto sideBySide = [](FrameWithMoreBars* pFrame) {
        for (int i : {1, 3})
        {
            CRect rect;
            pFrame->more[i - 1].GetWindowRect(rect);
            rect.OffsetRect(rect.Width() + 8, 0);
            pFrame->DockControlBar(&pFrame->more[i], AFX_IDW_DOCKBAR_TOP, rect);
        }
    };
    const auto leftAndHidden = [](FrameWithMoreBars* pFrame) {
        CRect rect;
        pFrame->more[2].GetWindowRect(rect);
        rect.OffsetRect(rect.Width() + 8, 0);
        pFrame->DockControlBar(&pFrame->more[3], AFX_IDW_DOCKBAR_TOP, rect);
        pFrame->DockControlBar(&pFrame->GetToolBar(), AFX_IDW_DOCKBAR_LEFT);
        pFrame->ShowControlBar(&pFrame->more[0], FALSE, FALSE, FALSE);
    };
    struct
    {
        const char* name;
        std::function<void(FrameWithMoreBars*)> arrange;
    } cases[] = {
        {"as the frame docks them", [](FrameWithMoreBars*) {}},
        {"side by side", sideBySide},
        {"on the left and hidden", leftAndHidden},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        workspace.CleanState();
        FrameWithMoreBars* pMore = new FrameWithMoreBars;
        ASSERT_TRUE(pMore->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        pFrame = pMore;
        hwndFrame = pMore->m_hWnd;
        pMore->ShowWindow(SW_SHOWNORMAL);
        SetClientSize(900, 600);
        c.arrange(pMore);
        pMore->RecalcLayout();
        Pump(pMore);
        const std::vector<BarPlace> before = PlacesOf(pMore);
        Close();

        pMore = new FrameWithMoreBars;
        ASSERT_TRUE(pMore->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        pFrame = pMore;
        hwndFrame = pMore->m_hWnd;
        pMore->ShowWindow(SW_SHOWNORMAL);
        Pump(pMore);
        EXPECT_EQ(before, PlacesOf(pMore));
        // The frame's layout after the load is its final one: another pass moves nothing.
        EXPECT_EQ(std::vector<std::string>(), BarsMovedBy([&] { pMore->RecalcLayout(); }));
        pMore->DestroyWindow();
        Pump(NULL);
        pFrame = nullptr;
    }
}

TEST_F(MainFrame, MenuBarOpensTheToolbarListUnderSystemInterfaceToolbars)
{
    ASSERT_NE(nullptr, Open(SW_SHOWNORMAL));
    CTavoPMenuBar& menuBar = pFrame->GetMenuBar();
    ASSERT_EQ(6, menuBar.GetCount());
    CTavoPToolbarMenuButton* pSystem =
        DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, menuBar.GetButton(0));
    ASSERT_NE(nullptr, pSystem);
    EXPECT_STREQ("(&1)系统", (LPCTSTR)pSystem->m_strText);

    ASSERT_TRUE(pSystem->OnClick(&menuBar, FALSE));
    Pump(pFrame);
    ASSERT_NE(nullptr, pSystem->GetPopupMenu());
    CTavoPToolbarMenuButton* pInterface = PopupItem(pSystem->GetPopupMenu(), "界面");
    ASSERT_NE(nullptr, pInterface);
    ASSERT_TRUE(pInterface->OnClick(pSystem->GetPopupMenu()->GetMenuBar(), FALSE));
    Pump(pFrame);
    ASSERT_NE(nullptr, pInterface->GetPopupMenu());
    // 状态栏 shows and hides the status bar, checked while it is shown.
    CTavoPToolbarMenuButton* pStatusBar = PopupItem(pInterface->GetPopupMenu(), "状态栏");
    ASSERT_NE(nullptr, pStatusBar);
    EXPECT_EQ((UINT)TBBS_CHECKED, pStatusBar->m_nStyle & (TBBS_CHECKED | TBBS_DISABLED));
    CTavoPToolbarMenuButton* pToolbars = PopupItem(pInterface->GetPopupMenu(), "工具栏");
    ASSERT_NE(nullptr, pToolbars);
    ASSERT_TRUE(pToolbars->OnClick(pInterface->GetPopupMenu()->GetMenuBar(), FALSE));
    Pump(pFrame);

    CTavoPPopupMenu* pList = pToolbars->GetPopupMenu();
    ASSERT_NE(nullptr, pList);
    EXPECT_EQ(pList, CTavoPPopupMenu::GetActiveMenu());
    CTavoPPopupMenuBar* pItems = pList->GetMenuBar();
    ASSERT_EQ(1, pItems->GetCount());
    EXPECT_EQ((UINT)AFX_IDW_TOOLBAR, pItems->GetButton(0)->m_nID);
    EXPECT_STREQ("默认工具栏", (LPCTSTR)pItems->GetButton(0)->m_strText);
    EXPECT_NE(0u, pItems->GetButton(0)->m_nStyle & TBBS_CHECKED);

    // Escape closes the menus level by level.
    for (int i = 0; i < 4 && CTavoPPopupMenu::GetActiveMenu() != nullptr; i++)
    {
        pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        Pump(pFrame);
    }
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());
}
