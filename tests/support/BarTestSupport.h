// A library frame of known client size with fixed-size test bars, and mouse input driven from a worker thread.
#pragma once
#include "framework/Framework.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "tests/support/MessagePump.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <functional>
#include <ostream>
#include <vector>

// Rectangles and sizes in test messages.
inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << ")";
}
inline void PrintTo(const CSize& size, std::ostream* os)
{
    *os << size.cx << "x" << size.cy;
}

// A window's rectangle in the frame's client coordinates.
inline CRect InFrame(CWnd* pFrame, CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    pFrame->ScreenToClient(rect);
    return rect;
}

// A bar of fixed length and thickness, whatever side it is on.
class TestBar : public CTavoPControlBar
{
public:
    TestBar(int nLength, int nThickness) : m_nLength(nLength), m_nThickness(nThickness) {}

    BOOL Make(CWnd* pParent, UINT nID, DWORD dwBehaviour = TAVOP_CBRS_FLOAT)
    {
        if (!Create(NULL, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, m_nLength, m_nThickness),
                    pParent, nID, dwBehaviour))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        return bHorz ? CSize(m_nLength, m_nThickness) : CSize(m_nThickness, m_nLength);
    }
    void GetMinSize(CSize& size) const override { size = CSize(20, 20); }

    // The window rectangle in the client coordinates of the frame.
    CRect RectInFrame(CWnd* pFrame) const
    {
        CRect rect;
        GetWindowRect(rect);
        pFrame->ScreenToClient(rect);
        return rect;
    }

    int m_nLength;
    int m_nThickness;
};

// Six buttons of 23 x 22 that wrap into as many columns as a length allows.
class SnappingToolBar : public CTavoPToolBar
{
public:
    BOOL Make(CWnd* pParent, UINT nID)
    {
        if (!CTavoPControlBar::Create(NULL, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 138, 22),
                                      pParent, nID, TAVOP_CBRS_FLOAT | TAVOP_CBRS_CLOSE))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        return CSize(m_nColumns * 23, ((6 + m_nColumns - 1) / m_nColumns) * 22);
    }
    CSize CalcLayout(DWORD dwMode, int nLength) override
    {
        if (nLength < 0)
            return CalcFixedLayout(FALSE, TRUE);
        if (dwMode & LM_LENGTHY)
        {
            const int nRows = std::min(6, std::max(1, nLength / 22));
            m_nColumns = (6 + nRows - 1) / nRows;
        }
        else
        {
            m_nColumns = std::min(6, std::max(1, nLength / 23));
        }
        return CalcFixedLayout(FALSE, TRUE);
    }
    int m_nColumns = 6;
};

// A resizable pane that asks for a fixed thickness.
class TestPane : public CTavoPDockingControlBar
{
public:
    explicit TestPane(int nThickness) : m_nThickness(nThickness) {}

    BOOL Make(CWnd* pParent, UINT nID, DWORD dwAlignment)
    {
        if (!Create("pane", pParent, CRect(0, 0, 50, 50), FALSE, nID, WS_CHILD | WS_VISIBLE))
            return FALSE;
        SetCurrentAlignment(dwAlignment);
        return TRUE;
    }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        return CSize(m_nThickness, m_nThickness);
    }
    int m_nThickness;
};

// A library frame whose client area is exactly cx by cy, at (x, y) on the screen.
class TestFrame : public CTavoPFrameWnd
{
public:
    static TestFrame* Make(int cx = 600, int cy = 400, int x = 100, int y = 100)
    {
        TestFrame* pFrame = new TestFrame;
        if (!pFrame->Create(NULL, "bars", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                            CRect(x, y, x + cx, y + cy)))
            return nullptr;
        // The frame may have an edge: the window grows so that its client area is as asked.
        CRect rectWindow, rectClient;
        pFrame->GetWindowRect(rectWindow);
        pFrame->GetClientRect(rectClient);
        pFrame->ClientToScreen(rectClient);
        pFrame->m_edge.SetRect(rectClient.left - rectWindow.left, rectClient.top - rectWindow.top,
                               rectWindow.right - rectClient.right,
                               rectWindow.bottom - rectClient.bottom);
        pFrame->SetWindowPos(NULL, x - pFrame->m_edge.left, y - pFrame->m_edge.top,
                             cx + pFrame->m_edge.left + pFrame->m_edge.right,
                             cy + pFrame->m_edge.top + pFrame->m_edge.bottom,
                             SWP_NOZORDER | SWP_NOACTIVATE);
        return pFrame;
    }
    CTavoPDockBar* DockBar(DWORD dwAlignment)
    {
        return m_dockManager.FindDockBarByAlignment(dwAlignment);
    }
    CRect InFrame(CWnd* pWnd) { return ::InFrame(this, pWnd); }
    // The client area becomes cx by cy.
    void Resize(int cx, int cy)
    {
        SetWindowPos(NULL, 0, 0, cx + m_edge.left + m_edge.right, cy + m_edge.top + m_edge.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CRect m_edge;
};

// A test frame whose client area is 600 by 400 at (100, 100), docking on every side; it goes
// with the test.
class DockingFrameFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pFrame = TestFrame::Make(600, 400, 100, 100);
        ASSERT_NE(nullptr, pFrame);
        pFrame->SetForegroundWindow();
        ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
        PumpFor(50);
    }
    void TearDown() override
    {
        if (::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        PumpMessages();
    }
    TestFrame* pFrame = nullptr;
};

// One step of synthetic mouse input, in screen coordinates.
struct MouseStep
{
    enum Kind
    {
        Move,
        Down,
        Up,
        Key, // a key press and release; x is the virtual key
        KeyDown,
        KeyUp,
        Pause // the test looks at the state, then the input goes on
    } kind;
    int x;
    int y;
};

// Sends the steps through SendInput from a worker thread while this thread pumps messages;
// at each Pause step onPause runs on this thread.
void RunMouse(const std::vector<MouseStep>& steps,
              const std::function<void()>& onPause = std::function<void()>());

// A press at from, moves to to in a few steps, a release.
std::vector<MouseStep> DragSteps(CPoint from, CPoint to, bool bPauseBeforeRelease = false);

// What the screen shows at a point (screen coordinates). Given the colour expected there, it waits
// a while for Wine to copy a window's drawing to the screen before it answers.
COLORREF ScreenPixel(CPoint point, COLORREF expected = CLR_INVALID);
