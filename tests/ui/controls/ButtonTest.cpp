// The owner-drawn push button and the link button in real windows: check state, repeat, borders, colours, clicks and keys.
#include "tests/support/CommandParentWnd.h"
#include "ui/controls/CTavoPButton.h"
#include "ui/controls/CTavoPURLLinkButton.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/DibCanvas.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "tests/support/MessagePump.h"

namespace {

// A left click in the middle of the button, as the mouse would give it.
void Click(CWnd& button)
{
    CRect rect;
    button.GetClientRect(rect);
    LPARAM at = MAKELPARAM(rect.Width() / 2, rect.Height() / 2);
    button.SendMessage(WM_MOUSEMOVE, 0, at);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    button.SendMessage(WM_LBUTTONUP, 0, at);
    PumpMessages();
}

// Draws the button's face into a canvas of its size through the owner-draw path.
void Paint(CTavoPButton& button, DibCanvas& canvas, UINT itemState = 0)
{
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = button.m_hWnd;
    dis.hDC = canvas.dc();
    dis.itemState = itemState;
    dis.rcItem = {0, 0, canvas.width(), canvas.height()};
    button.DrawItem(&dis);
}

class ButtonFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Make("buttons", CRect(10, 10, 310, 210)));
        CTestSeams::Engage();
        CTestSeams::Clear();
    }
    void TearDown() override
    {
        CTestSeams::Release();
        parent.DestroyWindow();
    }
    CommandParentWnd parent;
};

} // namespace

using PushButton = ButtonFixture;
using LinkButton = ButtonFixture;

TEST_F(PushButton, AttachingMakesItOwnerDrawnWithoutTheDefaultBit)
{
    // Whatever kind the system button was: a radio or three-state type must not turn into 0xF.
    for (DWORD kind : {BS_DEFPUSHBUTTON, BS_RADIOBUTTON, BS_AUTO3STATE, BS_AUTORADIOBUTTON})
    {
        SCOPED_TRACE(kind);
        HWND hwnd = ::CreateWindowA("BUTTON", "OK", WS_CHILD | WS_VISIBLE | kind, 0, 0, 80, 24,
                                    parent.m_hWnd, (HMENU)7, ::GetModuleHandleA(nullptr), nullptr);
        CTavoPButton button;
        ASSERT_TRUE(button.SubclassWindow(hwnd));
        EXPECT_EQ((DWORD)BS_OWNERDRAW, button.GetStyle() & 0x0F);
        EXPECT_EQ(kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON,
                  button.IsRadioButton() != 0);
        button.DestroyWindow();
    }

    CTavoPButton created;
    ASSERT_TRUE(created.Create("check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_LEFT,
                               CRect(0, 30, 80, 54), &parent, 8));
    EXPECT_EQ((DWORD)BS_OWNERDRAW, created.GetStyle() & 0x0F);
    EXPECT_TRUE(created.IsCheckBox());
    EXPECT_TRUE(created.IsAutoCheck());
    EXPECT_EQ(CTavoPButton::ALIGN_LEFT, created.GetTextAlignment());
}

TEST_F(PushButton, CheckStateFollowsTheButtonKind)
{
    struct Case
    {
        DWORD kind;
        int afterSetCheck;
        int afterClick;
    };
    const Case cases[] = {
        {BS_PUSHBUTTON, BST_UNCHECKED, BST_UNCHECKED},  // a plain button is never checked
        {BS_CHECKBOX, BST_CHECKED, BST_CHECKED},        // no auto-check: a click changes nothing
        {BS_AUTOCHECKBOX, BST_CHECKED, BST_UNCHECKED},  // a click toggles
        {BS_AUTORADIOBUTTON, BST_CHECKED, BST_CHECKED}, // a checked radio stays checked
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.kind);
        CTavoPButton button;
        ASSERT_TRUE(
            button.Create("b", WS_CHILD | WS_VISIBLE | c.kind, CRect(0, 0, 80, 24), &parent, 10));
        EXPECT_EQ(BST_UNCHECKED, (int)button.SendMessage(BM_GETCHECK));
        button.SendMessage(BM_SETCHECK, BST_CHECKED);
        EXPECT_EQ(c.afterSetCheck, (int)button.SendMessage(BM_GETCHECK));
        Click(button);
        EXPECT_EQ(c.afterClick, (int)button.SendMessage(BM_GETCHECK));
        button.DestroyWindow();
    }
}

namespace {
// Three radios of one group and one of the next group, all checked through their messages.
struct RadioGroup
{
    CTavoPButton radio[3], other;

    bool Make(CWnd& parent)
    {
        for (int i = 0; i < 3; ++i)
            if (!radio[i].Create(
                    "r", WS_CHILD | WS_VISIBLE | (i == 0 ? WS_GROUP : 0) | BS_AUTORADIOBUTTON,
                    CRect(0, 30 * i, 80, 30 * i + 20), &parent, 21 + i))
                return false;
        return other.Create("o", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON,
                            CRect(100, 0, 180, 20), &parent, 30) != FALSE;
    }
    // "1" or "0" for each radio of the group, then the one of the next group.
    std::string Checks()
    {
        std::string checks;
        for (CTavoPButton* b : {&radio[0], &radio[1], &radio[2], &other})
            checks += b->SendMessage(BM_GETCHECK) == BST_CHECKED ? '1' : '0';
        return checks;
    }
};

bool Key(CWnd& button, WPARAM vk)
{
    MSG msg = {button.m_hWnd, WM_KEYDOWN, vk, 0};
    return button.PreTranslateMessage(&msg) != FALSE;
}
} // namespace

TEST_F(PushButton, CheckingOneRadioUnchecksTheOthersOfItsGroup)
{
    RadioGroup group;
    ASSERT_TRUE(group.Make(parent));
    group.other.SendMessage(BM_SETCHECK, BST_CHECKED);
    group.radio[0].SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ("1001", group.Checks());
    group.radio[2].SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ("0011", group.Checks());
    Click(group.radio[1]);
    EXPECT_EQ("0101", group.Checks());
}

TEST_F(PushButton, KeysCheckToggleAndClick)
{
    // Space toggles an auto check box and tells the parent.
    CTavoPButton box;
    ASSERT_TRUE(box.Create("box", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 100, 80, 120),
                           &parent, 40));
    EXPECT_TRUE(Key(box, VK_SPACE));
    EXPECT_EQ(BST_CHECKED, (int)box.SendMessage(BM_GETCHECK));
    EXPECT_TRUE(Key(box, VK_SPACE));
    EXPECT_EQ(BST_UNCHECKED, (int)box.SendMessage(BM_GETCHECK));
    EXPECT_EQ((std::vector<UINT>{40, 40}), parent.commands);

    // Enter clicks, except while a popup menu of the library has the keyboard.
    parent.commands.clear();
    CTavoPButton plain;
    ASSERT_TRUE(plain.Create("ok", WS_CHILD | WS_VISIBLE, CRect(100, 100, 180, 120), &parent, 41));
    EXPECT_TRUE(Key(plain, VK_RETURN));
    EXPECT_FALSE(Key(plain, VK_SPACE)); // a plain button leaves Space to the system
    CTavoPPopupMenu popup;
    CTavoPPopupMenu::SetActiveMenu(&popup);
    EXPECT_FALSE(Key(plain, VK_RETURN));
    CTavoPPopupMenu::SetActiveMenu(nullptr);
    EXPECT_EQ((std::vector<UINT>{41}), parent.commands);

    // Arrow keys walk the group in both directions, around the end and past a disabled radio.
    parent.commands.clear();
    RadioGroup group;
    ASSERT_TRUE(group.Make(parent));
    group.radio[1].EnableWindow(FALSE);
    group.radio[0].SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_TRUE(Key(group.radio[0], VK_DOWN));
    EXPECT_EQ("0010", group.Checks());
    EXPECT_EQ(group.radio[2].m_hWnd, ::GetFocus());
    EXPECT_TRUE(Key(group.radio[2], VK_RIGHT));
    EXPECT_EQ("1000", group.Checks());
    EXPECT_TRUE(Key(group.radio[0], VK_UP));
    EXPECT_EQ("0010", group.Checks());
    EXPECT_EQ((std::vector<UINT>{23, 21, 23}), parent.commands);
}

TEST_F(PushButton, AutoRepeatSendsTheCommandOnlyWhileHeldInside)
{
    CTavoPButton button;
    ASSERT_TRUE(button.Create("repeat", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 24), &parent, 31));
    button.SetAutoRepeatDelay(50);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    parent.commands.clear();
    button.SendMessage(WM_TIMER, 1);
    button.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(2u, parent.commands.size());
    button.SendMessage(WM_TIMER, 2); // another timer sends nothing
    EXPECT_EQ(2u, parent.commands.size());

    // Dragged outside with the button held: the pressed look goes, and so do the commands.
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 10));
    EXPECT_FALSE(button.IsPushed());
    button.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(2u, parent.commands.size());
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_TRUE(button.IsPushed());
    button.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(3u, parent.commands.size());
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(button.IsCaptured());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(PushButton, BordersOfTheThreeStyles)
{
    ClassicColors classic;
    GetGlobalData().UpdateSysColors();
    const COLORREF face = RGB(192, 192, 192), hilite = RGB(255, 255, 255), dark = RGB(64, 64, 64);

    CTavoPButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &parent, 41));
    DibCanvas canvas(40, 20);

    Paint(button, canvas); // 3-D: light top-left, dark bottom-right
    EXPECT_EQ(hilite, canvas.Pixel(0, 0));
    EXPECT_EQ(dark, canvas.Pixel(39, 19));

    button.SetBorderStyle(CTavoPButton::BUTTONSTYLE_FLAT);
    Paint(button, canvas); // flat and cold: no border at all
    EXPECT_EQ(face, canvas.Pixel(0, 0));
    EXPECT_EQ(face, canvas.Pixel(39, 19));

    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); // hot: the border appears
    ASSERT_TRUE(button.IsHighlighted());
    Paint(button, canvas);
    EXPECT_EQ(hilite, canvas.Pixel(0, 0));
    EXPECT_EQ(dark, canvas.Pixel(39, 19));
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(300, 300));
    EXPECT_FALSE(button.IsHighlighted());

    // Semi-flat: the outer edge always, the inner one only while hot.
    const COLORREF light = RGB(223, 223, 223), shadow = RGB(128, 128, 128);
    button.SetBorderStyle(CTavoPButton::BUTTONSTYLE_SEMIFLAT);
    Paint(button, canvas);
    EXPECT_EQ(hilite, canvas.Pixel(0, 0));
    EXPECT_EQ(dark, canvas.Pixel(39, 19));
    EXPECT_EQ(face, canvas.Pixel(1, 1));
    EXPECT_EQ(face, canvas.Pixel(38, 18));
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Paint(button, canvas);
    EXPECT_EQ(light, canvas.Pixel(1, 1));
    EXPECT_EQ(shadow, canvas.Pixel(38, 18));
}

namespace {
class CCountingButton : public CTavoPButton
{
public:
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        ++draws;
        CTavoPButton::DrawItem(lpDIS);
    }
};

std::string TipText(CToolTipCtrl& tip, CWnd& button)
{
    char text[256] = {};
    TTTOOLINFOA info = {};
    info.cbSize = sizeof info;
    info.hwnd = button.m_hWnd;
    info.uId = (UINT_PTR)button.m_hWnd;
    info.lpszText = text;
    tip.SendMessage(TTM_GETTEXTA, sizeof text, (LPARAM)&info);
    return text;
}
} // namespace

TEST_F(PushButton, FontChangeRedrawsOnlyWhenAsked)
{
    CCountingButton button;
    ASSERT_TRUE(button.Create("font", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 24), &parent, 42));
    button.UpdateWindow();
    const int before = button.draws;
    HFONT font = (HFONT)::GetStockObject(ANSI_VAR_FONT);
    button.SendMessage(WM_SETFONT, (WPARAM)font, FALSE);
    EXPECT_EQ(before, button.draws);
    EXPECT_EQ((LRESULT)font, button.SendMessage(WM_GETFONT));
    button.SendMessage(WM_SETFONT, (WPARAM)font, TRUE);
    EXPECT_EQ(before + 1, button.draws);
    EXPECT_FALSE(::GetUpdateRect(button.m_hWnd, nullptr, FALSE));
}

TEST_F(PushButton, TooltipShowsItsTextOrTheCaptionThatDoesNotFit)
{
    CTavoPButton button;
    ASSERT_TRUE(button.Create("tip", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 24), &parent, 43));
    EXPECT_EQ(nullptr, button.GetToolTipCtrl().GetSafeHwnd());
    button.SetTooltip("第一");
    button.SetTooltip("第二");
    ASSERT_NE(nullptr, button.GetToolTipCtrl().GetSafeHwnd());
    EXPECT_EQ(1, (int)button.GetToolTipCtrl().SendMessage(TTM_GETTOOLCOUNT));
    EXPECT_EQ("第二", TipText(button.GetToolTipCtrl(), button));

    // Full-text tooltips: a caption wider than the button becomes its tip at the next paint.
    CTavoPButton narrow;
    const char* caption = "一个很长很长很长的按钮标题";
    ASSERT_TRUE(narrow.Create(caption, WS_CHILD | WS_VISIBLE, CRect(0, 30, 40, 54), &parent, 44));
    narrow.SetFullTextTooltip(TRUE);
    DibCanvas canvas(40, 24);
    Paint(narrow, canvas);
    ASSERT_NE(nullptr, narrow.GetToolTipCtrl().GetSafeHwnd());
    EXPECT_EQ(caption, TipText(narrow.GetToolTipCtrl(), narrow));

    CTavoPButton wide;
    ASSERT_TRUE(wide.Create("短", WS_CHILD | WS_VISIBLE, CRect(0, 60, 200, 84), &parent, 45));
    wide.SetFullTextTooltip(TRUE);
    DibCanvas wideCanvas(200, 24);
    Paint(wide, wideCanvas);
    EXPECT_EQ(nullptr, wide.GetToolTipCtrl().GetSafeHwnd());
}

TEST_F(LinkButton, ClickOpensItsTargetThroughTheShell)
{
    struct Case
    {
        const char* caption;
        const char* url;
        const char* prefix;
        bool enabled;
        const char* opened; // nullptr: nothing opened
    };
    const Case cases[] = {
        {"mailto:support@vorlen.example", "", "", true, "mailto:support@vorlen.example"},
        {"写信给我们", "support@vorlen.example", "mailto:", true, "mailto:support@vorlen.example"},
        {"vorlen.example", "", "http://", true, "http://vorlen.example"},
        {"mailto:support@vorlen.example", "", "", false, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.caption);
        CTestSeams::Clear();
        CTavoPURLLinkButton link;
        ASSERT_TRUE(link.Create(c.caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                CRect(0, 0, 200, 20), &parent, 1042));
        link.SetURL(c.url);
        link.SetURLPrefix(c.prefix);
        link.EnableWindow(c.enabled);
        // The notification a click gives, reflected back to the link by its parent.
        parent.SendMessage(WM_COMMAND, MAKEWPARAM(1042, BN_CLICKED), (LPARAM)link.m_hWnd);
        if (c.opened == nullptr)
            EXPECT_TRUE(CTestSeams::ShellLaunches().empty());
        else
        {
            ASSERT_EQ(1u, CTestSeams::ShellLaunches().size());
            const CTestSeams::ShellCall& call = CTestSeams::ShellLaunches()[0];
            EXPECT_STREQ(c.opened, call.strFile);
            EXPECT_STREQ("", call.strVerb);
            EXPECT_STREQ("", call.strParameters);
            EXPECT_EQ(SW_HIDE, call.nShowCmd);
        }
        link.DestroyWindow();
    }
}

TEST_F(LinkButton, RealClickReachesTheShellOnce)
{
    CTavoPURLLinkButton link;
    ASSERT_TRUE(link.Create("mailto:support@vorlen.example", WS_CHILD | WS_VISIBLE,
                            CRect(0, 0, 200, 20), &parent, 1042));
    Click(link);
    ASSERT_EQ(1u, CTestSeams::ShellLaunches().size());
    EXPECT_STREQ("mailto:support@vorlen.example", CTestSeams::ShellLaunches()[0].strFile);
    EXPECT_FALSE(link.IsHover()); // back to the normal colour after the click
}

TEST_F(LinkButton, SpaceNeverOpensAndEnterOpensOnRelease)
{
    CTavoPURLLinkButton link;
    ASSERT_TRUE(link.Create("mailto:support@vorlen.example", WS_CHILD | WS_VISIBLE,
                            CRect(0, 0, 200, 20), &parent, 1042));
    auto key = [&](UINT message, WPARAM vk) {
        MSG msg = {link.m_hWnd, message, vk, 0};
        return link.PreTranslateMessage(&msg);
    };
    EXPECT_TRUE(key(WM_KEYDOWN, VK_SPACE));
    EXPECT_TRUE(key(WM_KEYUP, VK_SPACE));
    EXPECT_TRUE(key(WM_KEYDOWN, VK_RETURN));
    EXPECT_TRUE(CTestSeams::ShellLaunches().empty());
    EXPECT_TRUE(key(WM_KEYUP, VK_RETURN));
    EXPECT_EQ(1u, CTestSeams::ShellLaunches().size());
    EXPECT_FALSE(key(WM_KEYDOWN, 'A'));
}

TEST_F(LinkButton, CaptionInLinkColourTurnsHoverColourUnderTheMouse)
{
    ClassicColors classic;
    GetGlobalData().UpdateSysColors();
    CTavoPURLLinkButton link; // takes its colours now: selection colour, hover pure blue
    ASSERT_TRUE(link.Create("mailto:support@vorlen.example", WS_CHILD | WS_VISIBLE,
                            CRect(0, 0, 220, 24), &parent, 1042));
    EXPECT_EQ(GetGlobalData().m_hcurHand, link.GetMouseCursor());
    EXPECT_NE(nullptr, link.GetMouseCursor());

    DibCanvas canvas(220, 24, RGB(255, 255, 255));
    Paint(link, canvas);
    const COLORREF normal = RGB(0, 0, 128), hover = RGB(0, 0, 255);
    EXPECT_GT(canvas.Count(normal, 0, 0, 220, 24), 20);
    EXPECT_EQ(0, canvas.Count(hover, 0, 0, 220, 24));

    link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
    ASSERT_TRUE(link.IsHover());
    Paint(link, canvas);
    EXPECT_GT(canvas.Count(hover, 0, 0, 220, 24), 20);
    EXPECT_EQ(0, canvas.Count(normal, 0, 0, 220, 24));
}

TEST_F(LinkButton, SizeToTextFitsTheCaptionAndKeepsTheCentre)
{
    CTavoPURLLinkButton link;
    ASSERT_TRUE(link.Create("mailto:support@vorlen.example", WS_CHILD | WS_VISIBLE,
                            CRect(10, 10, 410, 60), &parent, 1042));
    CSize size = link.SizeToText(TRUE, TRUE);
    CRect rect;
    link.GetWindowRect(rect);
    parent.ScreenToClient(rect);
    EXPECT_EQ(size.cx, rect.Width());
    EXPECT_EQ(size.cy, rect.Height());
    EXPECT_LT(size.cx, 400);
    EXPECT_NEAR(210, rect.CenterPoint().x, 1);
    EXPECT_NEAR(35, rect.CenterPoint().y, 1);
}
