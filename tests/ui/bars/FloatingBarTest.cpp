// Where a bar sits: alone in a floating frame it floats, anywhere else it is docked.
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"

#include <gtest/gtest.h>

namespace {

// A floating frame hosting the bar given to it.
class FloatingFrame : public CTavoPMiniFrameWnd
{
public:
    void Host(CWnd* pBar) { m_hEmbeddedBar = pBar->GetSafeHwnd(); }
};

HWND MakeWindow(DWORD dwStyle, HWND hwndParent)
{
    return ::CreateWindowA("STATIC", "", dwStyle, 0, 0, 100, 40, hwndParent, NULL,
                           ::GetModuleHandleA(NULL), NULL);
}

TEST(FloatingBar, FloatsOnlyWhileAloneInAFloatingFrame)
{
    FloatingFrame floating;
    ASSERT_TRUE(floating.Attach(MakeWindow(WS_POPUP, NULL)));
    CWnd frame;
    ASSERT_TRUE(frame.Attach(MakeWindow(WS_POPUP, NULL)));
    CTavoPControlBar bar;
    ASSERT_TRUE(bar.Attach(MakeWindow(WS_CHILD, floating.m_hWnd)));

    EXPECT_EQ(bar.GetParentMiniFrame(), &floating);
    EXPECT_FALSE(bar.IsFloating()) << "the frame hosts no bar yet";
    floating.Host(&bar);
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_FALSE(bar.IsDocked());

    ::SetParent(bar.m_hWnd, frame.m_hWnd);
    EXPECT_EQ(bar.GetParentMiniFrame(), nullptr);
    EXPECT_FALSE(bar.IsFloating());

    // Ownership is not parenthood: a window owned by a floating frame does not sit in it.
    CTavoPControlBar owned;
    ASSERT_TRUE(owned.Attach(MakeWindow(WS_POPUP, floating.m_hWnd)));
    EXPECT_EQ(owned.GetParentMiniFrame(), nullptr);

    for (CWnd* p : {(CWnd*)&owned, (CWnd*)&bar, &frame, (CWnd*)&floating})
        ::DestroyWindow(p->Detach());
}

} // namespace
