// The editable list, the edit with a frame button and the menu button in real windows: items made, named, moved and deleted, the frame button's clicks, the menu's keys.
#include "tests/support/CommandParentWnd.h"
#include "ui/controls/CTavoPEditableList.h"
#include "ui/controls/CTavoPButton.h"
#include "ui/controls/CTavoPMenuButton.h"
#include "ui/controls/CTavoPNcButtonEdit.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "tests/support/MessagePump.h"

namespace {

// Holds modifier keys down in the thread's keyboard state for its life.
class HeldKeys
{
public:
    explicit HeldKeys(std::vector<int> keys)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        memcpy(state, m_saved, sizeof state);
        for (int vk : keys)
            state[vk] |= 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

class HelperFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Make("helpers", CRect(30, 30, 350, 270)));
        parent.SetForegroundWindow();
    }
    void TearDown() override { parent.DestroyWindow(); }
    CommandParentWnd parent;
};

class EditableListFixture : public HelperFixture
{
protected:
    void SetUp() override
    {
        HelperFixture::SetUp();
        ASSERT_TRUE(list.Create("Menu contents:", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 160),
                                &parent, 50));
        ASSERT_TRUE(list.AddStandardButtons());
    }
    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (int i = 0; i < list.GetCount(); i++)
            names.push_back((LPCTSTR)list.GetItemName(i));
        return names;
    }
    void Press(UINT uiCmd)
    {
        CTavoPButton* pButton = list.GetButton(uiCmd);
        list.SendMessage(WM_COMMAND, MAKEWPARAM(pButton->GetDlgCtrlID(), BN_CLICKED),
                         (LPARAM)pButton->m_hWnd);
    }
    // A key press as the message loop hands it over: pre-translated, then dispatched.
    void Key(UINT vk, UINT message = WM_KEYDOWN)
    {
        MSG msg = {list.GetListCtrl().m_hWnd, message, vk, 1};
        if (!CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg))
            ::DispatchMessage(&msg);
    }
    // Types a name into the label editor and presses Enter (or Escape).
    void Name(const char* text, UINT vkEnd = VK_RETURN)
    {
        HWND hEdit = (HWND)list.GetListCtrl().SendMessage(LVM_GETEDITCONTROL);
        ASSERT_NE(nullptr, hEdit);
        ::SetWindowTextA(hEdit, text);
        ::SendMessage(hEdit, WM_KEYDOWN, vkEnd, 1);
        PumpMessages();
        ASSERT_EQ(nullptr, (HWND)list.GetListCtrl().SendMessage(LVM_GETEDITCONTROL));
    }
    CTavoPEditableList list;
};

} // namespace

using EditableList = EditableListFixture;
using NcButtonEdit = HelperFixture;
using MenuButton = HelperFixture;

TEST_F(EditableList, CaptionButtonsSitRightToLeftAboveTheList)
{
    CRect client;
    list.GetClientRect(client);
    const CRect caption = list.GetCaptionRect();
    EXPECT_EQ(client.Width(), caption.Width());
    EXPECT_GE(caption.Height(), 20);
    CRect rect;
    list.GetButton(CTavoPEditableList::ID_MOVE_DOWN)->GetWindowRect(rect);
    list.ScreenToClient(rect);
    EXPECT_EQ(CRect(client.right - 1 - 20, 1, client.right - 1, caption.Height() - 1), rect);
    list.GetButton(CTavoPEditableList::ID_NEW)->GetWindowRect(rect);
    list.ScreenToClient(rect);
    EXPECT_EQ(client.right - 1 - 4 * 20, rect.left);
    list.GetListCtrl().GetWindowRect(rect);
    list.ScreenToClient(rect);
    EXPECT_EQ(CRect(0, caption.bottom, client.right, client.bottom), rect);

    // The focus goes on to the list; disabling takes the buttons along.
    list.SetFocus();
    EXPECT_EQ(list.GetListCtrl().m_hWnd, ::GetFocus());
    list.EnableWindow(FALSE);
    EXPECT_FALSE(list.GetButton(CTavoPEditableList::ID_NEW)->IsWindowEnabled());
    EXPECT_FALSE(list.GetListCtrl().IsWindowEnabled());
    list.EnableWindow(TRUE);
    EXPECT_TRUE(list.GetButton(CTavoPEditableList::ID_DELETE)->IsWindowEnabled());
}

TEST_F(EditableList, ItemsAreAddedRenamedMovedAndDeleted)
{
    ASSERT_EQ(0, list.AddItem("Notepad", 11));
    ASSERT_EQ(1, list.AddItem("Calculator", 22));
    ASSERT_EQ(2, list.AddItem("Paint", 33));

    // New (Insert) edits a fresh item's name; the caption buttons wait meanwhile.
    Key(VK_INSERT);
    EXPECT_FALSE(list.GetButton(CTavoPEditableList::ID_DELETE)->IsWindowEnabled());
    Name("Shell");
    EXPECT_TRUE(list.GetButton(CTavoPEditableList::ID_DELETE)->IsWindowEnabled());
    EXPECT_EQ((std::vector<std::string>{"Notepad", "Calculator", "Paint", "Shell"}), Names());
    EXPECT_EQ(3, list.GetSelItem());

    // A new item whose naming is cancelled goes again; a renamed one keeps its data.
    Press(CTavoPEditableList::ID_NEW);
    Name("ignored", VK_ESCAPE);
    EXPECT_EQ(4, list.GetCount());
    ASSERT_TRUE(list.EditItem(1));
    Name("Calc");
    EXPECT_EQ("Calc", std::string((LPCTSTR)list.GetItemName(1)));
    EXPECT_EQ(22u, list.GetItemData(1));

    // Moving: the item takes its data and the selection along, and stops at the ends.
    list.SelectItem(1);
    Press(CTavoPEditableList::ID_MOVE_UP);
    EXPECT_EQ((std::vector<std::string>{"Calc", "Notepad", "Paint", "Shell"}), Names());
    EXPECT_EQ(0, list.GetSelItem());
    EXPECT_EQ(22u, list.GetItemData(0));
    Press(CTavoPEditableList::ID_MOVE_UP);
    EXPECT_EQ("Calc", std::string((LPCTSTR)list.GetItemName(0)));
    {
        HeldKeys alt({VK_MENU});
        Key(VK_DOWN, WM_SYSKEYDOWN);
        Key(VK_DOWN, WM_SYSKEYDOWN);
    }
    EXPECT_EQ((std::vector<std::string>{"Notepad", "Paint", "Calc", "Shell"}), Names());
    EXPECT_EQ(2, list.GetSelItem());
    EXPECT_EQ(22u, list.GetItemData(2));

    // Delete (the key or the button): the neighbour takes the selection.
    Key(VK_DELETE);
    EXPECT_EQ((std::vector<std::string>{"Notepad", "Paint", "Shell"}), Names());
    EXPECT_EQ(2, list.GetSelItem());
    // Sent straight to the list, without a message loop, the key comes as its notification.
    list.GetListCtrl().SendMessage(WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ((std::vector<std::string>{"Notepad", "Paint"}), Names());
    Press(CTavoPEditableList::ID_DELETE);
    Press(CTavoPEditableList::ID_DELETE);
    EXPECT_EQ(0, list.GetCount());
    Press(CTavoPEditableList::ID_DELETE); // nothing left: nothing happens
    Press(CTavoPEditableList::ID_MOVE_DOWN);
    EXPECT_EQ(0, list.GetCount());

    // A double click on empty space makes a new item.
    list.GetListCtrl().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 80));
    Name("Editor");
    EXPECT_EQ((std::vector<std::string>{"Editor"}), Names());
}

namespace {

class RecordingOwner : public CTavoPNcButtonEdit::Owner
{
public:
    int clicks = 0;
    std::vector<BOOL> drawnPressed;
    CRect lastRect;
    void OnDrawNcButton(CTavoPNcButtonEdit*, CDC* pDC, const CRect& rect, BOOL bPressed) override
    {
        drawnPressed.push_back(bPressed);
        lastRect = rect;
        pDC->FillSolidRect(rect, RGB(255, 0, 0));
    }
    void OnNcButtonClick(CTavoPNcButtonEdit*) override { clicks++; }
};

} // namespace

TEST_F(NcButtonEdit, TheFrameButtonTakesRoomAndReportsClicksReleasedOnIt)
{
    CTavoPNcButtonEdit edit;
    RecordingOwner owner;
    edit.SetOwnerObject(&owner);
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 160, 34), &parent, 60));
    CRect client;
    edit.GetClientRect(client);
    const int widthWithout = client.Width();
    edit.EnableButton(TRUE);
    edit.GetClientRect(client);
    EXPECT_EQ(widthWithout - CTavoPNcButtonEdit::kButtonWidth, client.Width());

    CRect window;
    edit.GetWindowRect(window);
    const CRect button = edit.GetButtonRect();
    EXPECT_EQ(CRect(window.right - 20, window.top, window.right, window.bottom), button);
    const CPoint onButton = button.CenterPoint();
    EXPECT_EQ(HTCAPTION, edit.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(onButton.x, onButton.y)));
    EXPECT_NE(HTCAPTION,
              edit.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(window.left + 5, onButton.y)));

    owner.drawnPressed.clear();
    edit.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_FALSE(owner.drawnPressed.empty());
    EXPECT_EQ(20, owner.lastRect.Width());

    auto toClient = [&](CPoint pt) {
        edit.ScreenToClient(&pt);
        return MAKELPARAM(pt.x, pt.y);
    };
    const CPoint offButton(window.left + 5, onButton.y);
    // Pressed, moved off and back on, released on it: one click, drawn pressed and released.
    owner.drawnPressed.clear();
    edit.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(onButton.x, onButton.y));
    EXPECT_TRUE(edit.IsButtonPressed());
    EXPECT_EQ(edit.m_hWnd, ::GetCapture());
    edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, toClient(offButton));
    EXPECT_FALSE(edit.IsButtonPressed());
    edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, toClient(onButton));
    EXPECT_TRUE(edit.IsButtonPressed());
    edit.SendMessage(WM_LBUTTONUP, 0, toClient(onButton));
    EXPECT_EQ(1, owner.clicks);
    EXPECT_FALSE(edit.IsTracking());
    EXPECT_NE(edit.m_hWnd, ::GetCapture());
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE, TRUE, FALSE}), owner.drawnPressed);

    // Released off the button: no click.
    edit.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(onButton.x, onButton.y));
    edit.SendMessage(WM_LBUTTONUP, 0, toClient(offButton));
    EXPECT_EQ(1, owner.clicks);

    // A fixed size refuses to change.
    edit.SetFixedSize(TRUE);
    edit.MoveWindow(10, 10, 60, 40);
    CRect after;
    edit.GetWindowRect(after);
    EXPECT_EQ(window.Size(), after.Size());
    edit.DestroyWindow();
}

namespace {

class CCountingMenuButton : public CTavoPMenuButton
{
public:
    int shown = 0;
    bool real = false;

protected:
    void OnShowMenu() override
    {
        shown++;
        if (real)
            CTavoPMenuButton::OnShowMenu();
    }
};

} // namespace

TEST_F(MenuButton, SpaceAndDownOpenTheMenuAndAChoiceIsRemembered)
{
    CCountingMenuButton button;
    ASSERT_TRUE(
        button.Create("Macros", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 34), &parent, 70));
    EXPECT_NE(0u, button.SendMessage(WM_GETDLGCODE) & DLGC_WANTARROWS);
    for (int vk : {VK_SPACE, VK_DOWN, (int)'A', VK_RIGHT})
        button.SendMessage(WM_KEYDOWN, vk, 1);
    EXPECT_EQ(2, button.shown);

    // The real menu, answered from the keyboard: the first item is chosen and the parent told.
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, 501, "$(FilePath)");
    ::AppendMenuA(hMenu, MF_STRING, 502, "$(FileDir)");
    button.m_hMenu = hMenu;
    button.real = true;
    parent.commands.clear();
    button.SetFocus();
    button.PostMessage(WM_KEYDOWN, VK_DOWN, 1);
    button.PostMessage(WM_KEYDOWN, VK_RETURN, 1);
    button.SendMessage(WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(501, button.m_nMenuResult);
    EXPECT_FALSE(button.IsMenuActive());
    EXPECT_EQ(std::vector<UINT>{70}, parent.commands);
    button.DestroyWindow();
    ::DestroyMenu(hMenu);
}
