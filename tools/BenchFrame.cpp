// Benchmark of vorlen's main frame against a plain Win32 window with a standard menu and the same
// client area: opening and closing a popup of the menu bar, and relayout plus repaint of the
// maximized window, each a number of times in one run; prints both times and their ratios.
//   bench_frame [times] [rounds]
#include "app/CMainFrame.h"
#include "res/resource.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const char kPlainClass[] = "VorlenBenchPlainFrame";
const UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
// The popups each side really opened, told with the times.
int g_nPlainPopups = 0;
int g_nFramePopups = 0;

double Now()
{
    LARGE_INTEGER frequency, counter;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

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

// A white view, as vorlen's view is a white grid: the frame's active view.
class BenchView : public CView
{
protected:
    void OnDraw(CDC* pDC) override
    {
        CRect rect;
        GetClientRect(rect);
        pDC->FillSolidRect(rect, ::GetSysColor(COLOR_WINDOW));
    }
};

// ---- the plain window: a standard menu and one child window filling the client area

LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE:
    {
        HWND hwndView = ::GetDlgItem(hwnd, AFX_IDW_PANE_FIRST);
        if (hwndView != NULL)
            ::MoveWindow(hwndView, 0, 0, LOWORD(lParam), HIWORD(lParam), FALSE);
        return 0;
    }
    case WM_INITMENUPOPUP:
        if (HIWORD(lParam) == 0)
            g_nPlainPopups++;
        return 0;
    case WM_ENTERIDLE:
        // The menu is up and drawn: close it again.
        if (wParam == MSGF_MENU)
            ::EndMenu();
        return 0;
    }
    return ::DefWindowProc(hwnd, message, wParam, lParam);
}

HWND MakePlainWindow()
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
    ::ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    ::UpdateWindow(hwnd);
    Pump(NULL);
    return hwnd;
}

double PlainMenus(HWND hwnd, int nTimes)
{
    ::SetForegroundWindow(hwnd);
    Pump(NULL);
    const double start = Now();
    for (int i = 0; i < nTimes; i++)
    {
        // Alt+1 opens the first popup of the menu bar ((&1)系统); the menu loop runs until
        // the window closes it when it idles.
        ::SendMessage(hwnd, WM_SYSCOMMAND, SC_KEYMENU, '1');
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

double FrameMenus(CMainFrame* pFrame, int nTimes, BOOL* pbFromMenuBar)
{
    CTavoPMenuBar& menuBar = pFrame->GetMenuBar();
    CTavoPToolbarMenuButton* pButton =
        menuBar.GetCount() > 0 ? DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, menuBar.GetButton(0))
                               : NULL;
    *pbFromMenuBar = pButton != NULL;
    HMENU hSystem = ::GetSubMenu(menuBar.GetDefaultMenu(), 0);
    CRect rectBar;
    menuBar.GetWindowRect(rectBar);
    pFrame->SetForegroundWindow();
    Pump(pFrame);
    const double start = Now();
    for (int i = 0; i < nTimes; i++)
    {
        CTavoPPopupMenu* pPopup = NULL;
        if (pButton != NULL)
        {
            pButton->OnClick(&menuBar, FALSE);
            pPopup = pButton->GetPopupMenu();
        }
        else
        {
            // A menu bar without buttons: the same popup at the place its first button opens it.
            pPopup = new CTavoPPopupMenu;
            if (!pPopup->Create(pFrame, rectBar.left, rectBar.bottom, hSystem))
                pPopup = NULL;
        }
        if (pPopup != NULL)
        {
            g_nFramePopups++;
            pPopup->UpdateWindow();
            Pump(pFrame);
            pPopup->SendMessage(WM_CLOSE);
        }
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

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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

    // Both sides take turns in every round, so that the machine's load falls on both alike; one
    // round first, so that neither pays for what is loaded once.
    BOOL bFromMenuBar = FALSE;
    std::vector<double> frameMenus, plainMenus, frameRelayouts, plainRelayouts, frameLayoutOnly,
        frameRepaintOnly;
    for (int nRound = -1; nRound < nRounds; nRound++)
    {
        const int n = nRound < 0 ? 1 : nTimes;
        BringToTop(pFrame->GetSafeHwnd(), pFrame);
        const double fm = FrameMenus(pFrame, n, &bFromMenuBar);
        const double fr = FrameRelayouts(pFrame, n);
        const double fl = FrameRelayouts(pFrame, n, true, false);
        const double fp = FrameRelayouts(pFrame, n, false, true);
        BringToTop(hwndPlain, NULL);
        const double pm = PlainMenus(hwndPlain, n);
        const double pr = PlainRelayouts(hwndPlain, n);
        if (nRound < 0)
            continue;
        frameMenus.push_back(fm);
        frameRelayouts.push_back(fr);
        frameLayoutOnly.push_back(fl);
        frameRepaintOnly.push_back(fp);
        plainMenus.push_back(pm);
        plainRelayouts.push_back(pr);
    }

    CRect rectFrameClient;
    pFrame->GetClientRect(rectFrameClient);
    RECT rectPlainClient;
    ::GetClientRect(hwndPlain, &rectPlainClient);
    pFrame->DestroyWindow();
    ::DestroyWindow(hwndPlain);
    Pump(NULL);

    printf("client area: vorlen %dx%d (its menu bar inside), plain %ldx%ld (below its menu)\n",
           rectFrameClient.Width(), rectFrameClient.Height(), rectPlainClient.right,
           rectPlainClient.bottom);
    if (!bFromMenuBar)
        printf("(the menu bar has no buttons: vorlen's popup is opened where its first one "
               "would open it)\n");
    printf("medians of %d rounds of %d times each; popups opened: vorlen %d, plain %d\n", nRounds,
           nTimes, g_nFramePopups, g_nPlainPopups);
    printf("%-36s %10s %10s %7s\n", "", "vorlen ms", "plain ms", "ratio");
    const double fm = Median(frameMenus), pm = Median(plainMenus);
    const double fr = Median(frameRelayouts), pr = Median(plainRelayouts);
    printf("%-36s %10.1f %10.1f %7.2f\n", "open and close a menu-bar popup", fm, pm,
           fm / std::max(pm, 0.001));
    printf("%-36s %10.1f %10.1f %7.2f\n", "relayout and repaint, maximized", fr, pr,
           fr / std::max(pr, 0.001));
    printf("%-36s %10.1f\n", "  vorlen's relayout alone", Median(frameLayoutOnly));
    printf("%-36s %10.1f\n", "  vorlen's repaint alone", Median(frameRepaintOnly));
    printf("(aim: within 2x the plain window)\n");
    return 0;
}
