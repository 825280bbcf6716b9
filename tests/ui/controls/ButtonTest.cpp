// The owner-drawn push button and the link button in real windows: check state, repeat, borders, colours, clicks and keys.
#include "ui/controls/CTavoPButton.h"
#include "ui/controls/CTavoPURLLinkButton.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/DibCanvas.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A plain top-level window that receives the buttons' commands and reflects their notifications.
class CParentWnd : public CWnd
{
public:
    std::vector<UINT> commands;

    bool Make()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "buttons", WS_POPUP | WS_VISIBLE, 10, 10, 300,
                        200, nullptr, nullptr) != FALSE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
};

void Pump()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

// A left click in the middle of the button, as the mouse would give it.
void Click(CWnd& button)
{
    CRect rect;
    button.GetClientRect(rect);
    LPARAM at = MAKELPARAM(rect.Width() / 2, rect.Height() / 2);
    button.SendMessage(WM_MOUSEMOVE, 0, at);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    button.SendMessage(WM_LBUTTONUP, 0, at);
    Pump();
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
        ASSERT_TRUE(parent.Make());
        CTestSeams::Engage();
        CTestSeams::Clear();
    }
    void TearDown() override
    {
        CTestSeams::Release();
        parent.DestroyWindow();
    }
    CParentWnd parent;
};

} // namespace

using PushButton = ButtonFixture;
using LinkButton = ButtonFixture;

TEST_F(PushButton, AttachingMakesItOwnerDrawnWithoutTheDefaultBit)
{
    HWND hwnd = ::CreateWindowA("BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 0, 80,
                                24, parent.m_hWnd, (HMENU)7, ::GetModuleHandleA(nullptr), nullptr);
    CTavoPButton button;
    ASSERT_TRUE(button.SubclassWindow(hwnd));
    DWORD style = button.GetStyle();
    EXPECT_EQ((DWORD)BS_OWNERDRAW, style & 0x0F);

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

TEST_F(PushButton, ClickingOneRadioUnchecksTheOthersOfItsGroup)
{
    CTavoPButton first, second;
    ASSERT_TRUE(first.Create("1", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON,
                             CRect(0, 0, 80, 20), &parent, 21));
    ASSERT_TRUE(second.Create("2", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(0, 30, 80, 50),
                              &parent, 22));
    first.SendMessage(BM_SETCHECK, BST_CHECKED);
    Click(second);
    EXPECT_EQ(BST_CHECKED, (int)second.SendMessage(BM_GETCHECK));
    EXPECT_EQ(BST_UNCHECKED, (int)first.SendMessage(BM_GETCHECK));
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

TEST_F(PushButton, EnterSendsTheCommandUnlessAPopupMenuIsOpen)
{
    CTavoPButton button;
    ASSERT_TRUE(button.Create("OK", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 24), &parent, 1001));
    MSG msg = {button.m_hWnd, WM_KEYDOWN, VK_RETURN, 0};

    CTavoPPopupMenu popup;
    CTavoPPopupMenu::SetActiveMenu(&popup);
    button.PreTranslateMessage(&msg);
    Pump();
    CTavoPPopupMenu::SetActiveMenu(nullptr);
    EXPECT_TRUE(parent.commands.empty()) << "Enter belongs to the open menu";

    EXPECT_TRUE(button.PreTranslateMessage(&msg));
    Pump();
    EXPECT_EQ(parent.commands, std::vector<UINT>{1001});
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
