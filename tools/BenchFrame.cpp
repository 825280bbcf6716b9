// Benchmark of vorlen's main frame against a plain Win32 window with a standard menu and the same
// client area: opening and closing a popup of the menu bar, and relayout plus repaint of the
// maximized window, each a number of times in one run; prints both times and their ratios.
//   bench_frame [times]
#include "app/CMainFrame.h"
#include "res/resource.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const char kPlainClass[] = "VorlenBenchPlainFrame";
const UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;

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
            pPopup->UpdateWindow();
            Pump(pFrame);
            pPopup->SendMessage(WM_CLOSE);
        }
        Pump(pFrame);
    }
    return Now() - start;
}

double FrameRelayouts(CMainFrame* pFrame, int nTimes)
{
    const double start = Now();
    for (int i = 0; i < nTimes; i++)
    {
        pFrame->RecalcLayout();
        pFrame->RedrawWindow(NULL, NULL, kRedrawAll);
    }
    Pump(pFrame);
    return Now() - start;
}

} // namespace

int main(int argc, char** argv)
{
    const int nTimes = argc > 1 ? std::max(1, atoi(argv[1])) : 100;

    CMainFrame* pFrame = new CMainFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
    {
        fprintf(stderr, "bench_frame: vorlen's main frame could not be made\n");
        return 1;
    }
    CWnd* pView = new CWnd;
    pView->Create(AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), "",
                  WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame, AFX_IDW_PANE_FIRST);
    pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    pFrame->UpdateWindow();
    Pump(pFrame);

    BOOL bFromMenuBar = FALSE;
    // One round first, so that neither side pays for what is loaded once.
    FrameMenus(pFrame, 1, &bFromMenuBar);
    FrameRelayouts(pFrame, 1);
    const double frameMenus = FrameMenus(pFrame, nTimes, &bFromMenuBar);
    const double frameRelayouts = FrameRelayouts(pFrame, nTimes);
    CRect rectFrameClient;
    pFrame->GetClientRect(rectFrameClient);
    pFrame->DestroyWindow();
    delete pView;
    Pump(NULL);

    HWND hwndPlain = MakePlainWindow();
    PlainMenus(hwndPlain, 1);
    PlainRelayouts(hwndPlain, 1);
    const double plainMenus = PlainMenus(hwndPlain, nTimes);
    const double plainRelayouts = PlainRelayouts(hwndPlain, nTimes);
    RECT rectPlainClient;
    ::GetClientRect(hwndPlain, &rectPlainClient);
    ::DestroyWindow(hwndPlain);

    printf("client area: vorlen %dx%d, plain %ldx%ld\n", rectFrameClient.Width(),
           rectFrameClient.Height(), rectPlainClient.right, rectPlainClient.bottom);
    if (!bFromMenuBar)
        printf("(the menu bar has no buttons: vorlen's popup is opened where its first one "
               "would open it)\n");
    printf("%-36s %10s %10s %7s\n", "", "vorlen ms", "plain ms", "ratio");
    printf("%-36s %10.1f %10.1f %7.2f\n", "open and close a menu-bar popup", frameMenus, plainMenus,
           frameMenus / std::max(plainMenus, 0.001));
    printf("%-36s %10.1f %10.1f %7.2f\n", "relayout and repaint, maximized", frameRelayouts,
           plainRelayouts, frameRelayouts / std::max(plainRelayouts, 0.001));
    printf("(%d times each; aim: within 2x the plain window)\n", nTimes);
    return 0;
}
