#include "tools/BenchDockTree.h"
#include "tools/BenchFigure.h"
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const char kPlainClass[] = "VorlenBenchPlainPanes";
const int kWidth = 900, kHeight = 700;

double Now()
{
    LARGE_INTEGER frequency, counter;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

void Pump()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

// ---- the plain window: its children in a grid, moved in one deferred batch on every size

struct PlainPanes
{
    HWND hwnd = NULL;
    std::vector<HWND> children;
    int nShift = 0; // the "slider step": the grid's first column boundary moves by it

    void Layout()
    {
        RECT rect;
        ::GetClientRect(hwnd, &rect);
        const int n = (int)children.size();
        int nColumns = 1;
        while (nColumns * nColumns < n)
            nColumns++;
        const int nRows = (n + nColumns - 1) / nColumns;
        const int cx = std::max(1, (int)(rect.right / 2) / nColumns);
        const int cy = std::max(1, (int)rect.bottom / nRows);
        HDWP hdwp = ::BeginDeferWindowPos(n);
        for (int i = 0; i < n; i++)
        {
            const int x = (i % nColumns) * cx + ((i % nColumns) > 0 ? nShift : 0);
            const int y = (i / nColumns) * cy;
            hdwp = ::DeferWindowPos(hdwp, children[i], NULL, x, y, cx - 4, cy - 4,
                                    SWP_NOZORDER | SWP_NOACTIVATE);
        }
        ::EndDeferWindowPos(hdwp);
    }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        PlainPanes* self = (PlainPanes*)::GetWindowLongPtrA(hwnd, GWLP_USERDATA);
        if (message == WM_SIZE && self != NULL)
        {
            self->Layout();
            return 0;
        }
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    bool Make(int nChildren)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.lpszClassName = kPlainClass;
        ::RegisterClassA(&wc);
        hwnd = ::CreateWindowExA(0, kPlainClass, "plain panes",
                                 WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, kWidth,
                                 kHeight, NULL, NULL, wc.hInstance, NULL);
        if (hwnd == NULL)
            return false;
        for (int i = 0; i < nChildren; i++)
            children.push_back(::CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "",
                                                 WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hwnd, NULL,
                                                 wc.hInstance, NULL));
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, (LONG_PTR)this);
        Layout();
        return true;
    }
    ~PlainPanes()
    {
        if (hwnd != NULL)
            ::DestroyWindow(hwnd);
    }
};

// ---- the library frame with its panes in one tree on the left

struct TreeFrame
{
    CTavoPFrameWnd* pFrame = NULL;
    std::vector<std::unique_ptr<CTavoPDockingControlBar>> panes;
    CTavoPSlider* pInner = NULL;

    bool Make(int nPanes)
    {
        pFrame = new CTavoPFrameWnd;
        if (!pFrame->Create(NULL, "panes", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                            CRect(0, 0, kWidth, kHeight)))
            return false;
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        for (int i = 0; i < nPanes; i++)
        {
            panes.emplace_back(new CTavoPDockingControlBar);
            CTavoPDockingControlBar* pPane = panes.back().get();
            if (!pPane->Create("pane", pFrame, CRect(0, 0, 200, 200), TRUE, 1000 + i,
                               WS_CHILD | WS_VISIBLE | CBRS_LEFT))
                return false;
            pPane->EnableDocking(CBRS_ALIGN_ANY);
            // A balanced tree: each pane splits an earlier one, down and across by turns.
            if (i == 0)
            {
                const CRect rect(0, 0, kWidth / 2, kHeight);
                if (!pPane->DockToFrameSide(CBRS_ALIGN_LEFT, rect))
                    return false;
                continue;
            }
            CTavoPDockingControlBar* pTarget = panes[(i - 1) / 2].get();
            if (pPane->DockToWindow(pTarget, (i % 2) ? CBRS_ALIGN_BOTTOM : CBRS_ALIGN_RIGHT) ==
                NULL)
                return false;
        }
        CTavoPSlider* pDefault = panes[0]->GetDefaultSlider();
        if (pDefault == NULL || pDefault->GetBarTreeManager() == NULL)
            return false;
        const CObList& lst = pDefault->GetBarTreeManager()->GetSliders();
        pInner = lst.IsEmpty() ? NULL : (CTavoPSlider*)lst.GetHead();
        Pump();
        return pInner != NULL;
    }
    ~TreeFrame()
    {
        if (pFrame != NULL && ::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        Pump();
    }
};

// The frame's window grows and shrinks by a few pixels by turns.
double Resizes(HWND hwnd, int nTimes)
{
    double dTotal = 0;
    for (int i = 0; i < nTimes; i++)
    {
        const int d = (i % 2) ? 0 : 16;
        const double start = Now();
        ::SetWindowPos(hwnd, NULL, 0, 0, kWidth + d, kHeight + d,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        dTotal += Now() - start;
        Pump();
    }
    return dTotal;
}

double SliderSteps(CTavoPSlider* pSlider, int nTimes)
{
    double dTotal = 0;
    for (int i = 0; i < nTimes; i++)
    {
        const int d = (i % 2) ? -1 : 1;
        const double start = Now();
        pSlider->MoveSlider(pSlider->IsHorizontal() ? CSize(0, d) : CSize(d, 0));
        dTotal += Now() - start;
        Pump();
    }
    return dTotal;
}

// The tree's pane windows moved by one pixel in a deferred batch of their own, without the tree:
// what moving these windows costs by itself.
double DirectSteps(TreeFrame& tree, int nTimes)
{
    double dTotal = 0;
    for (int i = 0; i < nTimes; i++)
    {
        const int d = (i % 2) ? -1 : 1;
        const double start = Now();
        HDWP hdwp = ::BeginDeferWindowPos((int)tree.panes.size());
        for (auto& pPane : tree.panes)
        {
            CRect rect;
            pPane->GetWindowRect(rect);
            tree.pFrame->ScreenToClient(rect);
            hdwp = ::DeferWindowPos(hdwp, pPane->GetSafeHwnd(), NULL, rect.left + d, rect.top,
                                    rect.Width() - d, rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        ::EndDeferWindowPos(hdwp);
        dTotal += Now() - start;
        Pump();
    }
    return dTotal;
}

double PlainSteps(PlainPanes& plain, int nTimes)
{
    double dTotal = 0;
    for (int i = 0; i < nTimes; i++)
    {
        plain.nShift = (i % 2) ? 0 : 1;
        const double start = Now();
        plain.Layout();
        dTotal += Now() - start;
        Pump();
    }
    return dTotal;
}

// Paints the pane windows are sent during a slider step, counted by a hook on this thread.
struct PaintCount
{
    int nNcPaint = 0;
    int nErase = 0;
};
PaintCount g_paints;
HHOOK g_hPaintHook = NULL;

LRESULT CALLBACK CountPaints(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMsg = (const CWPSTRUCT*)lParam;
    if (nCode == HC_ACTION && pMsg != NULL && CWnd::FromHandlePermanent(pMsg->hwnd) != NULL &&
        CWnd::FromHandlePermanent(pMsg->hwnd)->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)))
    {
        if (pMsg->message == WM_NCPAINT)
            g_paints.nNcPaint++;
        else if (pMsg->message == WM_ERASEBKGND)
            g_paints.nErase++;
    }
    return ::CallNextHookEx(g_hPaintHook, nCode, wParam, lParam);
}

// Frame and background paints of the pane windows over a number of slider steps, the deferred
// ones included.
PaintCount CountStepPaints(CTavoPSlider* pSlider, int nTimes)
{
    g_paints = PaintCount();
    g_hPaintHook = ::SetWindowsHookEx(WH_CALLWNDPROC, CountPaints, NULL, ::GetCurrentThreadId());
    SliderSteps(pSlider, nTimes);
    ::UnhookWindowsHookEx(g_hPaintHook);
    g_hPaintHook = NULL;
    return g_paints;
}

void Print(const char* lpszName, int nPanes, const Figure& tree, const Figure& plain, int nTimes)
{
    Figure ratios;
    for (size_t i = 0; i < tree.values.size(); i++)
        ratios.values.push_back(tree.values[i] / std::max(plain.values[i], 0.001));
    printf("%-22s %3d %8.3f (%6.3f-%6.3f) %8.3f (%6.3f-%6.3f) %5.2f (%4.2f-%4.2f) %7.4f\n",
           lpszName, nPanes, tree.Median() / nTimes, tree.Low() / nTimes, tree.High() / nTimes,
           plain.Median() / nTimes, plain.Low() / nTimes, plain.High() / nTimes,
           tree.Median() / std::max(plain.Median(), 0.001), ratios.Low(), ratios.High(),
           tree.Median() / nTimes / nPanes);
}

} // namespace

void BenchDockTrees(int nTimes, int nRounds)
{
    printf("docking panes in one tree against a plain window moving as many children with "
           "DeferWindowPos;\nmedians (lowest-highest) of %d rounds, ms for one layout pass\n",
           nRounds);
    printf("%-22s %3s %-24s %-24s %-18s %s\n", "", "n", "panes", "plain", "ratio", "per pane");
    for (int nPanes : {4, 16, 64})
    {
        TreeFrame tree;
        PlainPanes plain;
        if (!tree.Make(nPanes) || !plain.Make(nPanes))
        {
            fprintf(stderr, "bench_frame: the tree of %d panes could not be made\n", nPanes);
            return;
        }
        Figure treeResizes, plainResizes, treeSteps, plainSteps, directSteps;
        for (int nRound = -1; nRound < nRounds; nRound++)
        {
            const int n = nRound < 0 ? 1 : nTimes;
            double tr = 0, pr = 0, ts = 0, ps = 0, ds = 0;
            // Each side goes first in every other round.
            for (int nTurn = 0; nTurn < 2; nTurn++)
            {
                if ((nTurn == 0) == (nRound % 2 == 0))
                {
                    tr = Resizes(tree.pFrame->GetSafeHwnd(), n);
                    ts = SliderSteps(tree.pInner, n);
                    ds = DirectSteps(tree, n);
                }
                else
                {
                    pr = Resizes(plain.hwnd, n);
                    ps = PlainSteps(plain, n);
                }
            }
            if (nRound < 0)
                continue;
            treeResizes.values.push_back(tr);
            plainResizes.values.push_back(pr);
            treeSteps.values.push_back(ts);
            plainSteps.values.push_back(ps);
            directSteps.values.push_back(ds);
        }
        Print("frame resize", nPanes, treeResizes, plainResizes, nTimes);
        Print("slider step", nPanes, treeSteps, plainSteps, nTimes);
        Print("  pane windows alone", nPanes, directSteps, plainSteps, nTimes);
        const PaintCount paints = CountStepPaints(tree.pInner, nTimes);
        printf("  paints per step      %3d WM_NCPAINT %.1f, WM_ERASEBKGND %.1f\n", nPanes,
               (double)paints.nNcPaint / nTimes, (double)paints.nErase / nTimes);
    }
    printf("(aim: within 2x the plain window, and the cost per pane about the same for 4, 16 and "
           "64;\n \"pane windows alone\" moves the same pane windows in one batch without the "
           "tree)\n\n");
}
