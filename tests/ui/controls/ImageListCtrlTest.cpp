// The button image list control with real prototype buttons over a strip of user images: layout, scrolling, selection by mouse, keys and image, and what the parent hears.
#include "ui/controls/customize/CTavoPImageListCtrl.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/DibCanvas.h"
#include "tests/ui/controls/UserImageStrip.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

class CParentWnd : public CWnd
{
public:
    int clicks = 0;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == 77 && HIWORD(wParam) == BN_CLICKED)
            clicks++;
        return CWnd::OnCommand(wParam, lParam);
    }
};

class ImageListCtrlFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "images", WS_POPUP | WS_VISIBLE, 20,
                                    20, 320, 240, nullptr, nullptr));
        ASSERT_TRUE(list.Create("Images", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                CRect(10, 10, 210, 110), &parent, 77));
        FillStrip(strip, 60);
        ASSERT_EQ(60, strip.GetCount());
        list.SetImages(&strip);
    }
    void TearDown() override
    {
        list.RemoveButtons();
        parent.DestroyWindow();
    }
    void AddButtons(int n)
    {
        for (int i = 0; i < n; i++)
        {
            buttons.emplace_back(new CTavoPToolbarButton);
            buttons.back()->SetImage(i);
            list.AddButton(buttons.back().get());
        }
    }
    void Key(UINT vk) { list.SendMessage(WM_KEYDOWN, vk, 1); }
    int SelectedIndex() const
    {
        for (size_t i = 0; i < buttons.size(); i++)
            if (buttons[i].get() == list.GetSelected())
                return (int)i;
        return -1;
    }

    CParentWnd parent;
    CTavoPImageListCtrl list;
    CTavoPToolbarImageList strip;
    std::vector<std::unique_ptr<CTavoPToolbarButton>> buttons;
};

} // namespace

using ImageListCtrl = ImageListCtrlFixture;

TEST_F(ImageListCtrl, ButtonsFlowInRowsAndScrollOnlyWhenTheyDoNotFit)
{
    EXPECT_EQ(CSize(22, 22), list.GetCellSize());
    AddButtons(3);
    EXPECT_EQ(nullptr, list.GetScrollBarCtrl(SB_VERT));
    EXPECT_EQ(0, list.GetMaxScrollOffset());
    const CRect first = buttons[0]->Rect();
    EXPECT_EQ(CPoint(4, 5), first.TopLeft());
    EXPECT_EQ(22, first.Height());
    EXPECT_EQ(first.right + 4, buttons[1]->Rect().left);
    EXPECT_EQ(first.top, buttons[2]->Rect().top);

    list.RemoveButtons();
    buttons.clear();
    AddButtons(60);
    ASSERT_NE(nullptr, list.GetScrollBarCtrl(SB_VERT));
    // Rows break at the layout width, each 22 + 5 below the last.
    int rowStarts = 0;
    for (auto& b : buttons)
    {
        EXPECT_LE(b->Rect().right, 200 - ::GetSystemMetrics(SM_CXVSCROLL) - 1 - 4);
        if (b->Rect().left == 4)
        {
            EXPECT_EQ(5 + rowStarts * 27, b->Rect().top);
            rowStarts++;
        }
    }
    EXPECT_GT(rowStarts, 3);
    const int rowsPerPage = (100 - 10) / 27;
    EXPECT_EQ(rowsPerPage, list.GetRowsPerPage());
    EXPECT_EQ((buttons.back()->Rect().bottom / 27 - rowsPerPage) * 27, list.GetMaxScrollOffset());

    // Scrolling by line, page, thumb (snapped to a row) and to the ends, clamped.
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(27, list.GetScrollOffset());
    list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 60));
    EXPECT_EQ(54, list.GetScrollOffset());
    list.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(list.GetMaxScrollOffset(), list.GetScrollOffset());
    list.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(list.GetMaxScrollOffset(), list.GetScrollOffset());
    list.SendMessage(WM_VSCROLL, SB_PAGEUP);
    EXPECT_EQ(list.GetMaxScrollOffset() - 27 * rowsPerPage, list.GetScrollOffset());
    list.SendMessage(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(0, list.GetScrollOffset());
}

TEST_F(ImageListCtrl, KeysMouseAndImagesSelectAndTellTheParent)
{
    // An empty control: End does nothing.
    Key(VK_END);
    EXPECT_EQ(nullptr, list.GetSelected());
    EXPECT_EQ(0, parent.clicks);

    AddButtons(60);
    struct Step
    {
        UINT vk;
        int selected;
    };
    const Step steps[] = {{VK_RIGHT, 0}, {VK_RIGHT, 1}, {VK_DOWN, 2},   {VK_LEFT, 1}, {VK_UP, 0},
                          {VK_UP, 0},    {VK_END, 59},  {VK_RIGHT, 59}, {VK_HOME, 0}};
    for (const Step& step : steps)
    {
        Key(step.vk);
        EXPECT_EQ(step.selected, SelectedIndex()) << step.vk;
    }

    // End scrolled the last button into view: its bottom meets the client area's bottom.
    Key(VK_END);
    CRect client;
    list.GetClientRect(client);
    EXPECT_EQ(
        std::min(list.GetMaxScrollOffset(), (int)(buttons[59]->Rect().bottom - client.Height())),
        list.GetScrollOffset());
    const int clicksBefore = parent.clicks;
    Key(VK_HOME);
    EXPECT_EQ(0, list.GetScrollOffset());
    EXPECT_EQ(clicksBefore + 1, parent.clicks); // scrolled and told once

    // An image no button shows leaves the selection alone.
    EXPECT_TRUE(list.SelectImage(7));
    EXPECT_EQ(7, SelectedIndex());
    EXPECT_FALSE(list.SelectImage(99));
    EXPECT_EQ(7, SelectedIndex());
    EXPECT_TRUE(list.SelectImage(-1));
    EXPECT_EQ(nullptr, list.GetSelected());

    // A click selects the button under it, at its place on screen.
    const CRect rect = list.GetScreenRect(buttons[3].get());
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    EXPECT_EQ(3, SelectedIndex());
    EXPECT_EQ(buttons[3].get(), list.HitTest(rect.CenterPoint()));
    EXPECT_EQ(nullptr, list.HitTest(CPoint(1, 1)));
    // A click between the buttons leaves none selected.
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    EXPECT_EQ(nullptr, list.GetSelected());
}

TEST_F(ImageListCtrl, TheSelectedCellIsSunkenWhileFocusedAndDottedOtherwise)
{
    ClassicColors classic;
    GetGlobalData().UpdateSysColors();
    AddButtons(4);
    DibCanvas canvas(200, 100);
    auto paint = [&] {
        canvas.Fill(RGB(1, 2, 3));
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.hwndItem = list.m_hWnd;
        dis.hDC = canvas.dc();
        dis.rcItem = {0, 0, 200, 100};
        list.DrawItem(&dis);
    };

    parent.SetForegroundWindow();
    list.SetFocus(); // takes the first button
    ASSERT_EQ(0, SelectedIndex());
    list.SelectImage(1);
    paint();
    const CRect cell = list.GetScreenRect(buttons[1].get());
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(cell.left, cell.top));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(cell.right - 1, cell.bottom - 1));
    // The whole control is framed sunken too.
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(199, 99));

    ::SetFocus(parent.m_hWnd);
    paint();
    EXPECT_NE(RGB(128, 128, 128), canvas.Pixel(cell.left, cell.top));
    int dots = 0;
    for (int x = cell.left; x < cell.right; x++)
        dots += canvas.Pixel(x, cell.top) != canvas.Pixel(x, cell.top + 2) ? 1 : 0;
    EXPECT_GT(dots, cell.Width() / 3); // a dotted line along the top

    list.EnableWindow(FALSE);
    paint();
    EXPECT_NE(RGB(128, 128, 128), canvas.Pixel(cell.left, cell.top)); // no mark when disabled
    GetGlobalData().UpdateSysColors();
}
