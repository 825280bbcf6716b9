// Benchmark of vorlen's main frame against a plain Win32 window with a standard menu and the same
// client area: opening and closing a popup of the menu bar through the same keys on both (Alt+1,
// typed as real input), and relayout plus repaint of the maximized window, each a number of times
// in one run; then the workspace's load and save of the frame with 20 more toolbars; then the
// layout pass of a tree of docking panes (tools/BenchDockTree.cpp). The two
// windows take turns in each round, the one that goes first changing from round to round; every
// figure is the median of the rounds with their lowest and highest.
//   bench_frame [times] [rounds] [frame]   ("frame": the main frame only, no dock trees)
#include "app/CMainFrame.h"
#include "tools/BenchDockTree.h"
#include "tools/BenchFigure.h"
#include "res/resource.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPRegistryCache.h"
#include "ui/foundation/CTavoPRegistryHolder.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

const char kPlainClass[] = "VorlenBenchPlainFrame";
const char kEmptyClass[] = "VorlenBenchEmpty";
const UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
const char kRegistryKey[] = "VorlenBench";
const int kMoreToolbars = 20;
// How long a popup may take to appear before the benchmark gives up on it.
const DWORD kPopupPatience = 2000;

double Now()
{
    LARGE_INTEGER frequency, counter;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

// The application's workspace, as vorlen has it, under a registry key of the benchmark's own; it
// times each load between its hooks, and in a load of its own, not timed, counts the window
// moves and sizes it asks of the platform (each a round trip to the server under Wine): the
// counting hook sees every message sent and would slow the load it times.
LRESULT CALLBACK CountMoves(int nCode, WPARAM wParam, LPARAM lParam);
// The moves of the last load by the kind of window moved.
std::map<std::string, int> g_movesByKind;

class BenchApp : public CWinApp, public CTavoPWorkspace
{
public:
    BenchApp() : CWinApp("bench_frame"), CTavoPWorkspace(TRUE) {}
    void PreLoadState() override
    {
        m_nLastMoves = 0;
        g_movesByKind.clear();
        if (m_bCountMoves)
            m_hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, CountMoves, NULL, ::GetCurrentThreadId());
        m_dLoadStart = Now();
    }
    void LoadCustomState() override
    {
        m_dLastLoad = Now() - m_dLoadStart;
        if (m_hHook != NULL)
            ::UnhookWindowsHookEx(m_hHook);
        m_hHook = NULL;
    }
    bool m_bCountMoves = false;
    double m_dLoadStart = 0;
    double m_dLastLoad = 0;
    int m_nLastMoves = 0;
    HHOOK m_hHook = NULL;
} theBenchApp;

LRESULT CALLBACK CountMoves(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMessage = (const CWPSTRUCT*)lParam;
    if (nCode == HC_ACTION && pMessage->message == WM_WINDOWPOSCHANGED)
    {
        theBenchApp.m_nLastMoves++;
        CWnd* pWnd = CWnd::FromHandlePermanent(pMessage->hwnd);
        g_movesByKind[pWnd != NULL ? pWnd->GetRuntimeClass()->m_lpszClassName : "other"]++;
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// The popups each side really opened, told with the times.
int g_nPlainPopups = 0;
int g_nFramePopups = 0;
// The plain window's menu loop: the keys are let go while the popup is up, then it is closed.
bool g_bPlainKeysUp = false;

// Every waiting message, the library frame's pre-translation first as in the program's loop.
void Pump(CFrameWnd* pFrame)
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (pFrame != NULL && pFrame->PreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

// Alt and "1" pressed (bDown) or let go, as the keyboard gives them.
void TypeAltOne(bool bDown)
{
    INPUT inputs[2] = {};
    const WORD keys[2] = {VK_MENU, '1'};
    for (int i = 0; i < 2; i++)
    {
        INPUT& input = inputs[bDown ? i : 1 - i];
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = keys[i];
        input.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    }
    ::SendInput(2, inputs, sizeof(INPUT));
}

// A white view, as vorlen's view is a white grid: the frame's active view. It paints every pixel
// once, as the plain window's child does, so it has no background of its own to erase first.
class BenchView : public CView
{
protected:
    void OnDraw(CDC* pDC) override
    {
        CRect rect;
        GetClientRect(rect);
        pDC->FillSolidRect(rect, ::GetSysColor(COLOR_WINDOW));
    }
    BOOL OnEraseBkgnd(CDC* /*pDC*/) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BenchView, CView)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// ---- the plain window: a standard menu and one child window filling the client area

// The plain window's children that stand where vorlen has its bars, when it has them.
const UINT kEmptyDockId = 0xE81B, kEmptyStatusId = 0xE801;
const int kEmptyDockHeight = 52, kEmptyStatusHeight = 22;

LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE:
    {
        HWND hwndView = ::GetDlgItem(hwnd, AFX_IDW_PANE_FIRST);
        const bool bBars = ::GetDlgItem(hwnd, kEmptyDockId) != NULL;
        const int nTop = bBars ? kEmptyDockHeight : 0;
        const int nBottom = bBars ? kEmptyStatusHeight : 0;
        if (hwndView != NULL)
            ::MoveWindow(hwndView, 0, nTop, LOWORD(lParam), HIWORD(lParam) - nTop - nBottom, FALSE);
        return 0;
    }
    case WM_INITMENUPOPUP:
        if (HIWORD(lParam) == 0)
            g_nPlainPopups++;
        return 0;
    case WM_ENTERIDLE:
        // The menu is up and drawn: the keys are let go, and once the menu has seen that, it
        // is closed again.
        if (wParam == MSGF_MENU)
        {
            if (!g_bPlainKeysUp)
            {
                TypeAltOne(false);
                g_bPlainKeysUp = true;
            }
            else
            {
                ::EndMenu();
            }
        }
        return 0;
    }
    return ::DefWindowProc(hwnd, message, wParam, lParam);
}

// The plain window; with bars, it also has empty windows (no background, nothing drawn) where
// vorlen has its dock bar with a menu bar and a toolbar in it and its status bar: six windows,
// as vorlen's frame has. That is the least a repaint of so many windows costs on this platform.
HWND MakePlainWindow(bool bBars = false)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = kPlainClass;
    ::RegisterClassA(&wc);
    HMENU hMenu = ::LoadMenu(::GetModuleHandle(NULL), MAKEINTRESOURCE(IDR_MAINFRAME));
    HWND hwnd = ::CreateWindowA(kPlainClass, "plain", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, NULL,
                                hMenu, wc.hInstance, NULL);
    ::CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_WHITERECT, 0, 0, 10, 10, hwnd,
                    (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, wc.hInstance, NULL);
    if (bBars)
    {
        WNDCLASSA wcEmpty = {};
        wcEmpty.lpfnWndProc = ::DefWindowProcA;
        wcEmpty.hInstance = wc.hInstance;
        wcEmpty.lpszClassName = kEmptyClass;
        ::RegisterClassA(&wcEmpty);
        const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        HWND hwndDock = ::CreateWindowA(kEmptyClass, "", dwStyle, 0, 0, cx, kEmptyDockHeight, hwnd,
                                        (HMENU)(UINT_PTR)kEmptyDockId, wc.hInstance, NULL);
        ::CreateWindowA(kEmptyClass, "", dwStyle, 0, 0, cx, kEmptyDockHeight / 2, hwndDock, NULL,
                        wc.hInstance, NULL);
        ::CreateWindowA(kEmptyClass, "", dwStyle, 0, kEmptyDockHeight / 2, cx / 3,
                        kEmptyDockHeight / 2, hwndDock, NULL, wc.hInstance, NULL);
        ::CreateWindowA(kEmptyClass, "", dwStyle, 0, cy, cx, kEmptyStatusHeight, hwnd,
                        (HMENU)(UINT_PTR)kEmptyStatusId, wc.hInstance, NULL);
    }
    ::ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    if (bBars)
    {
        RECT rect;
        ::GetClientRect(hwnd, &rect);
        ::MoveWindow(::GetDlgItem(hwnd, kEmptyStatusId), 0, rect.bottom - kEmptyStatusHeight,
                     rect.right, kEmptyStatusHeight, FALSE);
    }
    ::UpdateWindow(hwnd);
    Pump(NULL);
    return hwnd;
}

double PlainMenus(int nTimes)
{
    const double start = Now();
    for (int i = 0; i < nTimes; i++)
    {
        // Alt+1 opens the first popup of the menu bar ((&1)系统); its menu loop runs inside the
        // pump until the window closes it.
        g_bPlainKeysUp = false;
        TypeAltOne(true);
        Pump(NULL);
        if (!g_bPlainKeysUp)
            TypeAltOne(false); // no menu came up: the keys go up all the same
        Pump(NULL);
    }
    return Now() - start;
}

double PlainRelayouts(HWND hwnd, int nTimes)
{
    RECT rect;
    ::GetClientRect(hwnd, &rect);
    const double start = Now();
    for (int i = 0; i < nTimes; i++)
    {
        ::SendMessage(hwnd, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(rect.right, rect.bottom));
        ::RedrawWindow(hwnd, NULL, NULL, kRedrawAll);
    }
    Pump(NULL);
    return Now() - start;
}

// ---- vorlen's frame with a child window in the view's place

// The popup the keys opened, once it is on the screen; null when none came.
CTavoPPopupMenu* WaitForPopup(CMainFrame* pFrame)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        Pump(pFrame);
        CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
        if (pPopup != NULL && pPopup->IsWindowVisible())
            return pPopup;
        if (::GetTickCount() - dwStart > kPopupPatience)
            return NULL;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}

double FrameMenus(CMainFrame* pFrame, int nTimes)
{
    const double start = Now();
    for (int i = 0; i < nTimes; i++)
    {
        TypeAltOne(true);
        CTavoPPopupMenu* pPopup = WaitForPopup(pFrame);
        TypeAltOne(false);
        if (pPopup == NULL)
            continue;
        g_nFramePopups++;
        pPopup->UpdateWindow();
        Pump(pFrame); // the keys go up while the popup is open, as on the plain window
        if (CTavoPPopupMenu::GetActiveMenu() == pPopup)
            pPopup->SendMessage(WM_CLOSE);
        Pump(pFrame);
    }
    return Now() - start;
}

// Relayout and repaint together, or only one of them.
double FrameRelayouts(CMainFrame* pFrame, int nTimes, bool bRelayout = true, bool bRepaint = true)
{
    const double start = Now();
    for (int i = 0; i < nTimes; i++)
    {
        if (bRelayout)
            pFrame->RecalcLayout();
        if (bRepaint)
            pFrame->RedrawWindow(NULL, NULL, kRedrawAll);
    }
    Pump(pFrame);
    return Now() - start;
}

// ---- the workspace: vorlen's frame with 20 more toolbars, loaded and saved

// vorlen's frame with 20 more toolbars made with its own bars, before the workspace loads them.
class BenchFrame : public CMainFrame
{
public:
    // What a user who arranged the bars has: every second toolbar beside the one before it in
    // its row, every fourth on the left side.
    void Rearrange()
    {
        for (size_t i = 1; i < m_toolbars.size(); i += 2)
        {
            if (i % 4 == 3)
            {
                DockControlBar(m_toolbars[i], AFX_IDW_DOCKBAR_LEFT);
                continue;
            }
            CRect rect;
            m_toolbars[i - 1]->GetWindowRect(rect);
            rect.OffsetRect(rect.Width() + 8, 0);
            DockControlBar(m_toolbars[i], AFX_IDW_DOCKBAR_TOP, rect);
        }
        RecalcLayout();
    }
    ~BenchFrame() override
    {
        for (CTavoPToolBar* pToolBar : m_toolbars)
            delete pToolBar;
    }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CMainFrame::OnCreate(lpCreateStruct) == -1)
            return -1;
        for (int i = 0; i < kMoreToolbars; i++)
        {
            CTavoPToolBar* pToolBar = new CTavoPToolBar;
            m_toolbars.push_back(pToolBar);
            // As vorlen's own toolbar, each with its buttons and a name of its own.
            if (!pToolBar->CreateEx(this, TBSTYLE_FLAT, 0x50402834, CRect(1, 1, 1, 1),
                                    AFX_IDW_TOOLBAR + 0x20 + i) ||
                !pToolBar->LoadToolBar(IDR_MAINFRAME))
                return -1;
            CString strName;
            strName.Format("工具栏 %d", i + 1);
            pToolBar->SetWindowText(strName);
            pToolBar->EnableDocking(CBRS_ALIGN_ANY);
            DockControlBar(pToolBar);
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::vector<CTavoPToolBar*> m_toolbars;
};

BEGIN_MESSAGE_MAP(BenchFrame, CMainFrame)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// A start and an end of the program: the frame is made (the workspace loads it while it is made,
// with nothing of the registry known yet), shown, saved as at exit and closed. The load's time
// and the save's go to the figures.
// With bRearrange the bars are arranged as a user might before the save, so that the next
// loads move them from the frame's first layout to that one.
bool OpenAndClose(double* pdLoad, double* pdSave, bool bRearrange = false)
{
    GetRegistryCache().ForgetAll();
    BenchFrame* pFrame = new BenchFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return false;
    *pdLoad = theBenchApp.m_dLastLoad;
    pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    pFrame->UpdateWindow();
    Pump(pFrame);
    if (bRearrange)
    {
        pFrame->Rearrange();
        Pump(pFrame);
    }
    const double start = Now();
    theBenchApp.SaveState(NULL, pFrame->GetFrameImpl());
    *pdSave = Now() - start;
    pFrame->DestroyWindow();
    Pump(NULL);
    return true;
}

// ---- what a relayout and a repaint send to each window

// The painting messages each window of a top-level window and its children receives, counted
// while they are subclassed for one action.
class PaintCounter
{
public:
    explicit PaintCounter(HWND hwndTop)
    {
        s_pThis = this;
        Hook(hwndTop);
        ::EnumChildWindows(hwndTop, HookChild, (LPARAM)this);
    }
    ~PaintCounter()
    {
        for (auto it = m_order.rbegin(); it != m_order.rend(); ++it)
            ::SetWindowLongPtrA(*it, GWLP_WNDPROC, (LONG_PTR)m_windows[*it].oldProc);
        s_pThis = NULL;
    }
    void Reset()
    {
        for (auto& entry : m_windows)
        {
            std::fill(entry.second.counts, entry.second.counts + 3, 0);
            std::fill(entry.second.times, entry.second.times + 3, 0.0);
        }
    }
    // One line per window that got any of them, and the totals: the number of each message
    // per action and the time spent in them over all nActions, in ms.
    void Print(const char* lpszWhat, int nActions) const
    {
        int totals[3] = {};
        double totalTimes[3] = {};
        printf("%s (messages each time, ms in all %d times)\n", lpszWhat, nActions);
        printf("  %-40s %8s %8s %8s\n", "", "PAINT", "NCPAINT", "ERASE");
        for (HWND hwnd : m_order)
        {
            const Window& window = m_windows.at(hwnd);
            for (int i = 0; i < 3; i++)
            {
                totals[i] += window.counts[i];
                totalTimes[i] += window.times[i];
            }
            if (window.counts[0] + window.counts[1] + window.counts[2] == 0)
                continue;
            printf("  %-30.30s id %-6d", window.strName.c_str(), ::GetDlgCtrlID(hwnd));
            for (int i = 0; i < 3; i++)
                printf(" %2g %5.1f", (double)window.counts[i] / nActions, window.times[i]);
            printf("\n");
        }
        printf("  %-40s", "all windows");
        for (int i = 0; i < 3; i++)
            printf(" %2g %5.1f", (double)totals[i] / nActions, totalTimes[i]);
        printf("\n");
    }

private:
    struct Window
    {
        WNDPROC oldProc = NULL;
        std::string strName;
        int counts[3] = {};
        double times[3] = {};
    };
    static BOOL CALLBACK HookChild(HWND hwnd, LPARAM lParam)
    {
        ((PaintCounter*)lParam)->Hook(hwnd);
        return TRUE;
    }
    void Hook(HWND hwnd)
    {
        Window& window = m_windows[hwnd];
        CWnd* pWnd = CWnd::FromHandlePermanent(hwnd);
        char szClass[64] = "";
        ::GetClassNameA(hwnd, szClass, sizeof szClass);
        window.strName = pWnd != NULL ? pWnd->GetRuntimeClass()->m_lpszClassName : szClass;
        window.oldProc = (WNDPROC)::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)CountingProc);
        m_order.push_back(hwnd);
    }
    static LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        Window& window = s_pThis->m_windows[hwnd];
        const int nKind = message == WM_PAINT        ? 0
                          : message == WM_NCPAINT    ? 1
                          : message == WM_ERASEBKGND ? 2
                                                     : -1;
        if (nKind < 0)
            return ::CallWindowProcA(window.oldProc, hwnd, message, wParam, lParam);
        const double start = Now();
        const LRESULT lResult = ::CallWindowProcA(window.oldProc, hwnd, message, wParam, lParam);
        window.counts[nKind]++;
        window.times[nKind] += Now() - start;
        return lResult;
    }
    static PaintCounter* s_pThis;
    std::map<HWND, Window> m_windows;
    std::vector<HWND> m_order;
};
PaintCounter* PaintCounter::s_pThis = NULL;

// ---- the figures

void PrintPair(const char* lpszName, const Figure& vorlen, const Figure& plain)
{
    Figure ratios;
    for (size_t i = 0; i < vorlen.values.size(); i++)
        ratios.values.push_back(vorlen.values[i] / std::max(plain.values[i], 0.001));
    printf("%-34s %8.1f (%6.1f-%6.1f) %8.1f (%6.1f-%6.1f) %5.2f (%4.2f-%4.2f)\n", lpszName,
           vorlen.Median(), vorlen.Low(), vorlen.High(), plain.Median(), plain.Low(), plain.High(),
           vorlen.Median() / std::max(plain.Median(), 0.001), ratios.Low(), ratios.High());
}

void PrintOne(const char* lpszName, const Figure& figure, const char* lpszTarget = "")
{
    printf("%-34s %8.1f (%6.1f-%6.1f) %s\n", lpszName, figure.Median(), figure.Low(), figure.High(),
           lpszTarget);
}

void BringToTop(HWND hwnd, CFrameWnd* pFrame)
{
    ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(hwnd);
    ::RedrawWindow(hwnd, NULL, NULL, kRedrawAll);
    Pump(pFrame);
}

} // namespace

int main(int argc, char** argv)
{
    const int nTimes = argc > 1 ? std::max(1, atoi(argv[1])) : 100;
    const int nRounds = argc > 2 ? std::max(1, atoi(argv[2])) : 5;

    theBenchApp.SetRegistryKey(kRegistryKey);
    theBenchApp.SetRegistryBase("Settings");
    theBenchApp.CleanState();

    CMainFrame* pFrame = new CMainFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
    {
        fprintf(stderr, "bench_frame: vorlen's main frame could not be made\n");
        return 1;
    }
    // A view deletes itself with its window.
    BenchView* pView = new BenchView;
    pView->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame, AFX_IDW_PANE_FIRST);
    pFrame->SetActiveView(pView);
    pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    pFrame->UpdateWindow();
    Pump(pFrame);
    HWND hwndPlain = MakePlainWindow();
    HWND hwndFloor = MakePlainWindow(true);

    // The sides take turns in every round, in the opposite order in every other round, so that
    // the machine's load falls on all alike; one round first, so that none pays for what is
    // loaded once.
    Figure frameMenus, plainMenus, frameRelayouts, plainRelayouts, frameLayoutOnly,
        frameRepaintOnly, floorRelayouts;
    for (int nRound = -1; nRound < nRounds; nRound++)
    {
        const int n = nRound < 0 ? 1 : nTimes;
        double fm = 0, fr = 0, fl = 0, fp = 0, pm = 0, pr = 0, er = 0;
        for (int nTurn = 0; nTurn < 3; nTurn++)
        {
            const int nSide = nRound % 2 == 0 ? nTurn : 2 - nTurn;
            if (nSide == 2)
            {
                BringToTop(hwndFloor, NULL);
                er = PlainRelayouts(hwndFloor, n);
            }
            else if (nSide == 0)
            {
                BringToTop(pFrame->GetSafeHwnd(), pFrame);
                fm = FrameMenus(pFrame, n);
                fr = FrameRelayouts(pFrame, n);
                fl = FrameRelayouts(pFrame, n, true, false);
                fp = FrameRelayouts(pFrame, n, false, true);
            }
            else
            {
                BringToTop(hwndPlain, NULL);
                pm = PlainMenus(n);
                pr = PlainRelayouts(hwndPlain, n);
            }
        }
        if (nRound < 0)
            continue;
        frameMenus.values.push_back(fm);
        frameRelayouts.values.push_back(fr);
        frameLayoutOnly.values.push_back(fl);
        frameRepaintOnly.values.push_back(fp);
        plainMenus.values.push_back(pm);
        plainRelayouts.values.push_back(pr);
        floorRelayouts.values.push_back(er);
    }

    // One relayout and repaint of each, counted.
    {
        BringToTop(pFrame->GetSafeHwnd(), pFrame);
        PaintCounter counter(pFrame->GetSafeHwnd());
        FrameRelayouts(pFrame, nTimes, true, false);
        counter.Print("vorlen, relayout", nTimes);
        counter.Reset();
        FrameRelayouts(pFrame, nTimes, false, true);
        counter.Print("vorlen, repaint", nTimes);
    }
    {
        BringToTop(hwndPlain, NULL);
        PaintCounter counter(hwndPlain);
        PlainRelayouts(hwndPlain, nTimes);
        counter.Print("plain, relayout and repaint", nTimes);
    }

    CRect rectFrameClient;
    pFrame->GetClientRect(rectFrameClient);
    RECT rectPlainClient;
    ::GetClientRect(hwndPlain, &rectPlainClient);
    ::DestroyWindow(hwndPlain);
    ::DestroyWindow(hwndFloor);

    pFrame->DestroyWindow();
    Pump(NULL);

    // The workspace: the first round's save writes every value, then each round is a start and
    // an end of the program; once with the bars where the frame puts them, once arranged.
    Figure loads, saves, arrangedLoads;
    int nMoves = 0, nArrangedMoves = 0;
    for (int nArranged = 0; nArranged < 2; nArranged++)
    {
        // The last round counts the moves and is not timed.
        for (int nRound = -1; nRound <= nRounds; nRound++)
        {
            double load = 0, save = 0;
            theBenchApp.m_bCountMoves = nRound == nRounds;
            if (!OpenAndClose(&load, &save, nArranged == 1 && nRound < 0))
            {
                fprintf(stderr, "bench_frame: the frame with more toolbars could not be made\n");
                return 1;
            }
            if (nRound == nRounds)
                (nArranged ? nArrangedMoves : nMoves) = theBenchApp.m_nLastMoves;
            if (nRound < 0 || nRound == nRounds)
                continue;
            (nArranged ? arrangedLoads : loads).values.push_back(load);
            if (!nArranged)
                saves.values.push_back(save);
        }
    }
    theBenchApp.CleanState();
    {
        CTavoPRegistryHolder holder;
        holder.Create(FALSE, FALSE).DeleteKey(CString("SOFTWARE\\") + kRegistryKey);
    }

    printf("client area: vorlen %dx%d (its menu bar inside), plain %ldx%ld (below its menu)\n",
           rectFrameClient.Width(), rectFrameClient.Height(), rectPlainClient.right,
           rectPlainClient.bottom);
    printf("medians (lowest-highest) of %d rounds of %d times each, ms; popups opened: vorlen "
           "%d, plain %d (of %d)\n",
           nRounds, nTimes, g_nFramePopups, g_nPlainPopups, nRounds * nTimes + 1);
    printf("%-34s %-24s %-24s %s\n", "", "vorlen", "plain", "ratio");
    PrintPair("Alt+1, popup open and closed", frameMenus, plainMenus);
    PrintPair("relayout and repaint, maximized", frameRelayouts, plainRelayouts);
    PrintOne("  vorlen's relayout alone", frameLayoutOnly);
    PrintOne("  vorlen's repaint alone", frameRepaintOnly);
    PrintPair("  against plain with 4 empty bars", frameRelayouts, floorRelayouts);
    const double dRelayoutRatio =
        frameRelayouts.Median() / std::max(plainRelayouts.Median(), 0.001);
    printf("(aim: the popup within 2x the plain window, relayout and repaint within 1.5x: %s)\n\n",
           dRelayoutRatio <= 1.5 ? "met" : "missed");
    printf("workspace of vorlen's frame with %d more toolbars, one load or save, ms\n",
           kMoreToolbars);
    PrintOne("  load, while the frame is made", loads,
             loads.Median() <= 50 ? "(target 50 ms: met)" : "(target 50 ms: missed)");
    PrintOne("  load, bars arranged by the user", arrangedLoads,
             arrangedLoads.Median() <= 50 ? "(target 50 ms: met)" : "(target 50 ms: missed)");
    printf("  window moves and sizes in one load: %d, arranged %d (", nMoves, nArrangedMoves);
    for (const auto& kind : g_movesByKind)
        printf(" %s %d", kind.first.c_str(), kind.second);
    printf(" )\n");
    PrintOne("  save, as at exit", saves);
    printf("\n");
    if (argc > 3 && strcmp(argv[3], "frame") == 0)
        return 0;
    BenchDockTrees(nTimes, nRounds);
    return 0;
}
