// The shortcut-key edit fed with key and mouse messages as the message loop hands them over: what it records and shows.
#include "ui/controls/customize/CTavoPShortcutKeyEdit.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// One message of a sequence: down or up of a key, repeated or not, or a click.
struct Step
{
    enum Kind
    {
        Down,
        Repeat,
        Up,
        SysDown,
        SysUp,
        Click,
        LoseFocus,
        TakeFocus
    } kind;
    UINT vk;
};

std::string Name(UINT vk)
{
    return (LPCTSTR)CTavoPAcceleratorText::KeyName(vk);
}

class ShortcutKeyEditFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "keys", WS_POPUP | WS_VISIBLE, 10,
                                    10, 300, 120, nullptr, nullptr));
        ASSERT_TRUE(
            edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 34), &parent, 100));
        ASSERT_TRUE(
            other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 50, 200, 74), &parent, 101));
        parent.SetForegroundWindow();
        other.SetFocus();
    }
    void TearDown() override { parent.DestroyWindow(); }

    // Runs the steps through the edit's pre-translation; returns what each message got.
    std::vector<BOOL> Run(const std::vector<Step>& steps)
    {
        std::vector<BOOL> consumed;
        for (const Step& step : steps)
        {
            MSG msg = {};
            msg.hwnd = edit.m_hWnd;
            msg.wParam = step.vk;
            switch (step.kind)
            {
            case Step::Down: msg.message = WM_KEYDOWN; break;
            case Step::Repeat:
                msg.message = WM_KEYDOWN;
                msg.lParam = 1L << 30;
                break;
            case Step::Up:
                msg.message = WM_KEYUP;
                msg.lParam = (LPARAM)0xC0000001u;
                break;
            case Step::SysDown:
                msg.message = WM_SYSKEYDOWN;
                msg.lParam = 1L << 29;
                break;
            case Step::SysUp:
                msg.message = WM_SYSKEYUP;
                msg.lParam = (LPARAM)0xE0000001u;
                break;
            case Step::Click:
                msg.message = WM_LBUTTONDOWN;
                msg.wParam = MK_LBUTTON;
                msg.lParam = MAKELPARAM(5, 5);
                break;
            case Step::LoseFocus: other.SetFocus(); continue;
            case Step::TakeFocus: edit.SetFocus(); continue;
            }
            consumed.push_back(edit.PreTranslateMessage(&msg));
        }
        return consumed;
    }
    std::string Text() const
    {
        CString str;
        edit.GetWindowText(str);
        return (LPCTSTR)str;
    }

    CWnd parent;
    CTavoPShortcutKeyEdit edit;
    CEdit other;
};

} // namespace

using ShortcutKeyEdit = ShortcutKeyEditFixture;

TEST_F(ShortcutKeyEdit, RecordsKeySequences)
{
    using S = Step;
    const std::string ctrl = Name(VK_CONTROL) + "+", shift = Name(VK_SHIFT) + "+",
                      alt = Name(VK_MENU) + "+";
    struct Case
    {
        const char* name;
        std::vector<Step> steps;
        std::string text;
        BOOL defined;
        BYTE fVirt;
        WORD key;
    };
    const Case cases[] = {
        {"a click arms it: the first key counts",
         {{S::Click, 0}, {S::Down, VK_CONTROL}, {S::Down, 'K'}, {S::Up, 'K'}, {S::Up, VK_CONTROL}},
         ctrl + Name('K'),
         TRUE,
         FVIRTKEY | FCONTROL,
         'K'},
        {"tabbed in: the release of Tab arms it",
         {{S::TakeFocus, 0}, {S::Up, VK_TAB}, {S::Down, VK_CONTROL}, {S::Down, 'K'}},
         ctrl + Name('K'),
         TRUE,
         FVIRTKEY | FCONTROL,
         'K'},
        {"focused without a key seen: the first key only arms it",
         {{S::TakeFocus, 0}, {S::Down, VK_CONTROL}, {S::Down, 'K'}},
         ctrl,
         FALSE,
         FCONTROL,
         0},
        {"held Ctrl shows its name while the combination is open",
         {{S::Click, 0}, {S::Down, VK_CONTROL}, {S::Down, VK_SHIFT}},
         ctrl + shift,
         FALSE,
         FCONTROL | FSHIFT,
         0},
        {"releasing Ctrl before a key clears the flag",
         {{S::Click, 0}, {S::Down, VK_CONTROL}, {S::Up, VK_CONTROL}},
         "",
         FALSE,
         0,
         0},
        {"Escape alone empties it",
         {{S::Click, 0}, {S::Down, 'A'}, {S::Up, 'A'}, {S::Down, VK_ESCAPE}},
         "",
         FALSE,
         0,
         0},
        {"Escape with a modifier is a combination",
         {{S::Click, 0}, {S::Down, VK_SHIFT}, {S::Down, VK_ESCAPE}},
         shift + Name(VK_ESCAPE),
         TRUE,
         FVIRTKEY | FSHIFT,
         VK_ESCAPE},
        {"key repeat keeps the combination",
         {{S::Click, 0}, {S::Down, VK_CONTROL}, {S::Down, 'K'}, {S::Repeat, 'K'}, {S::Repeat, 'K'}},
         ctrl + Name('K'),
         TRUE,
         FVIRTKEY | FCONTROL,
         'K'},
        {"a new press after a finished combination starts again",
         {{S::Click, 0}, {S::Down, VK_CONTROL}, {S::Down, 'K'}, {S::Up, 'K'}, {S::Down, VK_SHIFT}},
         shift,
         FALSE,
         FSHIFT,
         0},
        {"system keys: Alt+F4",
         {{S::Click, 0}, {S::SysDown, VK_MENU}, {S::SysDown, VK_F4}, {S::SysUp, VK_F4}},
         alt + Name(VK_F4),
         TRUE,
         FVIRTKEY | FALT,
         VK_F4},
        {"a plain key is a combination of its own",
         {{S::Click, 0}, {S::Down, VK_F5}},
         Name(VK_F5),
         TRUE,
         FVIRTKEY,
         VK_F5},
        {"losing the focus disarms it",
         {{S::Click, 0}, {S::LoseFocus, 0}, {S::TakeFocus, 0}, {S::Down, 'K'}},
         "",
         FALSE,
         0,
         0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        edit.ResetKey();
        other.SetFocus();
        Run(c.steps);
        EXPECT_EQ(c.text, Text());
        EXPECT_EQ(c.defined, edit.IsKeyDefined());
        EXPECT_EQ(c.fVirt, edit.GetAccel().fVirt);
        EXPECT_EQ(c.key, edit.GetAccel().key);
        EXPECT_EQ(0, edit.GetAccel().cmd);
    }
}

TEST_F(ShortcutKeyEdit, TabGoesOnToTheDialogAndOtherMessagesPassThrough)
{
    using S = Step;
    // A plain Tab is not swallowed, so the dialog moves the focus on; a typed character never
    // reaches the edit's text.
    std::vector<BOOL> consumed = Run({{S::Click, 0}, {S::Down, VK_TAB}});
    ASSERT_EQ(2u, consumed.size());
    EXPECT_TRUE(consumed[0]);
    EXPECT_FALSE(consumed[1]);
    EXPECT_FALSE(edit.IsKeyDefined());
    EXPECT_EQ("", Text());

    consumed = Run({{S::Click, 0}, {S::Down, 'Q'}});
    EXPECT_TRUE(consumed[1]);
    EXPECT_EQ(edit.m_hWnd, ::GetFocus()); // the click took the focus

    MSG msg = {edit.m_hWnd, WM_CHAR, 'q', 0};
    EXPECT_FALSE(edit.PreTranslateMessage(&msg));
    edit.ResetKey();
    EXPECT_EQ("", Text());
    EXPECT_EQ(0, edit.GetAccel().key);
}
