// The outline of a drag on the real screen: where it shows, and that it gives back what lay under it.
#include "ui/bars/docking/CTavoPDragFrame.h"
#include "ui/bars/docking/CTavoPDragOutline.h"
#include "tests/support/ScreenPixels.h"
#include <gtest/gtest.h>
#include <string>

namespace {

// A top-level window in one colour that can change its colour.
class ColourWindow
{
public:
    ColourWindow(const CRect& rect, COLORREF colour) : m_colour(colour)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "DragOutlineTestColour";
        ::RegisterClassA(&wc);
        m_hwnd =
            ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, rect.left, rect.top,
                              rect.Width(), rect.Height(), NULL, NULL, wc.hInstance, this);
        ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, (LONG_PTR)this);
        ::InvalidateRect(m_hwnd, NULL, TRUE);
        ::UpdateWindow(m_hwnd);
    }
    ~ColourWindow() { ::DestroyWindow(m_hwnd); }
    void Repaint(COLORREF colour)
    {
        m_colour = colour;
        ::InvalidateRect(m_hwnd, NULL, TRUE);
        ::UpdateWindow(m_hwnd);
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        ColourWindow* self = (ColourWindow*)::GetWindowLongPtrA(hwnd, GWLP_USERDATA);
        if (message == WM_ERASEBKGND && self != nullptr)
        {
            RECT rect;
            ::GetClientRect(hwnd, &rect);
            HBRUSH brush = ::CreateSolidBrush(self->m_colour);
            ::FillRect((HDC)wParam, &rect, brush);
            ::DeleteObject(brush);
            return 1;
        }
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    COLORREF m_colour;
    HWND m_hwnd;
};

CRect WindowRect(HWND hwnd)
{
    CRect rect;
    ::GetWindowRect(hwnd, rect);
    return rect;
}

} // namespace

TEST(DragOutline, ShowsFourSidesAndGivesBackWhatPaintedUnderIt)
{
    const COLORREF clrFirst = RGB(200, 120, 40), clrSecond = RGB(40, 160, 220);
    ColourWindow under(CRect(200, 200, 600, 500), clrFirst);
    ASSERT_TRUE(ScreenShows(300, 300, clrFirst));

    CTavoPDragOutline outline;
    const CRect rect(250, 250, 450, 350);
    outline.Show(rect, 4);
    EXPECT_EQ(rect, outline.GetRect());
    const CRect sides[CTavoPDragOutline::SideCount] = {
        CRect(250, 250, 450, 254), CRect(250, 346, 450, 350), CRect(250, 254, 254, 346),
        CRect(446, 254, 450, 346)};
    for (int i = 0; i < CTavoPDragOutline::SideCount; i++)
    {
        ASSERT_NE((HWND)NULL, outline.GetSideWindow(i));
        EXPECT_TRUE(::IsWindowVisible(outline.GetSideWindow(i)));
        EXPECT_EQ(sides[i], WindowRect(outline.GetSideWindow(i))) << i;
    }
    // The outline is dotted black on white.
    EXPECT_TRUE(ScreenShows(251, 251, RGB(0, 0, 0)) || ScreenShows(252, 251, RGB(0, 0, 0)));

    // What paints under the outline meanwhile shows once it moves on and goes.
    under.Repaint(clrSecond);
    outline.Show(CRect(260, 260, 460, 360), 4);
    EXPECT_TRUE(ScreenShows(251, 251, clrSecond));
    EXPECT_TRUE(ScreenShows(252, 251, clrSecond));
    outline.Hide();
    EXPECT_FALSE(outline.IsShown());
    EXPECT_FALSE(::IsWindowVisible(outline.GetSideWindow(0)));
    EXPECT_TRUE(ScreenShows(261, 261, clrSecond));
    EXPECT_TRUE(ScreenShows(262, 261, clrSecond));
    EXPECT_TRUE(ScreenShows(459, 359, clrSecond));
}

TEST(DragOutline, DragFrameShowsItsOutlineUntilTheDragEnds)
{
    CTavoPDragFrame dragFrame;
    const CRect rect(300, 300, 400, 330);
    dragFrame.DrawDragFrame(rect, NULL, TRUE, 4, 4);
    EXPECT_EQ(rect, dragFrame.m_outline.GetRect());
    dragFrame.DrawDragFrame(CRect(0, 0, 0, 0), rect, FALSE, 0, 4);
    EXPECT_FALSE(dragFrame.m_outline.IsShown());
}
