// The Keyboard and Mouse pages of the customization sheet, driven through their controls: what they change in the frame's shortcut table and in the mouse manager.
#include "tests/support/RegistryTestKey.h"
#include "tests/support/TestApp.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/commandbars/managers/CTavoPAcceleratorText.h"
#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include "ui/commandbars/managers/CTavoPMouseManager.h"
#include "ui/controls/customize/CTavoPKeyboardPage.h"
#include "ui/controls/customize/CTavoPMousePage.h"
#include "ui/controls/customize/CTavoPShortcutKeyEdit.h"
#include "ui/controls/customize/CTavoPToolbarCustomize.h"
#include "res/LibraryIds.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kRoot = "SOFTWARE\\VorlenTests KMPages";
const std::string kProfile = "SOFTWARE\\VorlenTests KMPages\\Settings\\";

std::string KeyText(BYTE fVirt, WORD key)
{
    ACCEL accel = {fVirt, key, 0};
    CString str;
    CTavoPAcceleratorText(&accel).Format(str);
    return (LPCTSTR)str;
}

std::vector<ACCEL> Entries(HACCEL hAccel)
{
    std::vector<ACCEL> entries(::CopyAcceleratorTable(hAccel, nullptr, 0));
    ::CopyAcceleratorTable(hAccel, entries.data(), (int)entries.size());
    return entries;
}

// The (flags, key, command) triples of a table, for comparisons.
std::vector<std::vector<int>> Triples(const std::vector<ACCEL>& entries)
{
    std::vector<std::vector<int>> triples;
    for (const ACCEL& accel : entries)
        triples.push_back({accel.fVirt, accel.key, accel.cmd});
    return triples;
}

// The frame made from resource 128; it counts the keyboard resets it is told about.
class TestFrame : public CFrameWnd
{
public:
    int m_nResets = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CTavoPToolBar::WM_TAVOTOOLBAR_RESETKEYBAORD)
            m_nResets++;
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

// A sheet with a catalogue of commands 100-103 over the frame, and one of the pages shown.
class PagesFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTestSeams::Engage();
        CTestSeams::Clear();
        pFrame = new TestFrame;
        ASSERT_TRUE(pFrame->LoadFrame(128, WS_OVERLAPPEDWINDOW));
        TestApp().m_pMainWnd = pFrame;
        // The table in force differs from the resource's, as after earlier changes.
        ACCEL start[] = {{FVIRTKEY | FCONTROL, 'N', 100},
                         {FVIRTKEY | FNOINVERT, VK_F5, 101},
                         {FVIRTKEY, VK_F9, 999}};
        ::DestroyAcceleratorTable(pFrame->m_hAccelTable);
        pFrame->m_hAccelTable = ::CreateAcceleratorTable(start, 3);

        sheet.reset(new CTavoPToolbarCustomize(pFrame));
        const struct
        {
            const char* category;
            UINT id;
            const char* text;
        } commands[] = {{"File", 100, "New"},
                        {"File", 0, ""},
                        {"File", 103, "Close"},
                        {"View", 101, "Reload"},
                        {"View", 102, "Print"}};
        for (const auto& command : commands)
        {
            CTavoPToolbarButton button(command.id, -1, command.text);
            if (command.id == 101)
                button.m_strTextCustom = "Reload the grid";
            sheet->AddButton(command.category, button);
        }
    }
    void TearDown() override
    {
        if (sheet && sheet->m_hWnd != nullptr)
            sheet->DestroyWindow();
        sheet.reset();
        TestApp().m_pMainWnd = nullptr;
        pFrame->DestroyWindow();
        CTestSeams::Release();
    }

    // Shows the page in the sheet, over the frame.
    void Open(CPropertyPage& page)
    {
        sheet->AddPage(&page);
        ASSERT_TRUE(sheet->Create(pFrame));
        ASSERT_TRUE(sheet->SetActivePage(&page));
        ASSERT_NE(page.m_hWnd, nullptr);
    }

    // What a control tells its parent.
    static void Notify(CWnd& page, int nID, int nCode)
    {
        page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), (LPARAM)page.GetDlgItem(nID)->m_hWnd);
    }
    static HWND Item(CWnd& page, int nID) { return page.GetDlgItem(nID)->m_hWnd; }
    static std::string Text(CWnd& page, int nID)
    {
        CString str;
        page.GetDlgItem(nID)->GetWindowText(str);
        return (LPCTSTR)str;
    }
    static std::vector<std::string> ListTexts(HWND hList)
    {
        std::vector<std::string> texts;
        const int n = (int)::SendMessage(hList, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < n; i++)
        {
            char buffer[256] = {};
            ::SendMessage(hList, LB_GETTEXT, i, (LPARAM)buffer);
            texts.push_back(buffer);
        }
        return texts;
    }

    RegistryTestKey scratch{kRoot};
    TestFrame* pFrame = nullptr;
    std::unique_ptr<CTavoPToolbarCustomize> sheet;
};

class KeyboardPage : public PagesFixture
{
protected:
    void SetUp() override
    {
        PagesFixture::SetUp();
        page.reset(new CTavoPKeyboardPage(pFrame, OffersTemplates()));
        Open(*page);
        edit = static_cast<CTavoPShortcutKeyEdit*>(
            CWnd::FromHandlePermanent(Item(*page, IDC_TAVOP_NEW_SHORTCUT_KEY)));
        ASSERT_NE(edit, nullptr);
    }

    // Picks a category (by its row) and a command in it (by its shown name).
    void Choose(int iCategory, const char* lpszCommand)
    {
        ::SendMessage(Item(*page, IDC_TAVOP_CATEGORIES), CB_SETCURSEL, iCategory, 0);
        Notify(*page, IDC_TAVOP_CATEGORIES, CBN_SELCHANGE);
        const HWND hList = Item(*page, IDC_TAVOP_COMMANDS_LIST);
        const int i =
            (int)::SendMessage(hList, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)lpszCommand);
        ASSERT_GE(i, 0) << lpszCommand;
        ::SendMessage(hList, LB_SETCURSEL, i, 0);
        Notify(*page, IDC_TAVOP_COMMANDS_LIST, LBN_SELCHANGE);
    }
    // Presses the combination in the shortcut edit: a click arms it, then modifiers and key.
    void Press(std::vector<UINT> keys)
    {
        MSG msg = {};
        msg.hwnd = edit->m_hWnd;
        msg.message = WM_LBUTTONDOWN;
        edit->PreTranslateMessage(&msg);
        for (UINT vk : keys)
        {
            msg.message = WM_KEYDOWN;
            msg.wParam = vk;
            msg.lParam = 1;
            edit->PreTranslateMessage(&msg);
        }
        for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        {
            msg.message = WM_KEYUP;
            msg.wParam = *it;
            msg.lParam = (LPARAM)0xC0000001u;
            edit->PreTranslateMessage(&msg);
        }
    }
    void Click(int nID) { Notify(*page, nID, BN_CLICKED); }
    std::vector<std::string> CurrentKeys()
    {
        return ListTexts(Item(*page, IDC_TAVOP_CURRENT_KEYS));
    }
    bool Enabled(int nID) { return ::IsWindowEnabled(Item(*page, nID)) != FALSE; }
    void SelectCurrentKey(int i)
    {
        ::SendMessage(Item(*page, IDC_TAVOP_CURRENT_KEYS), LB_SETCURSEL, i, 0);
        Notify(*page, IDC_TAVOP_CURRENT_KEYS, LBN_SELCHANGE);
    }
    // Every current-keys item points at an entry of the working copy that has the item's text,
    // and the working copy is the table in force.
    void ExpectWorkingCopyIntact()
    {
        const HWND hList = Item(*page, IDC_TAVOP_CURRENT_KEYS);
        const std::vector<ACCEL>& accels = page->GetWorkingTable();
        const std::vector<std::string> texts = ListTexts(hList);
        for (size_t i = 0; i < texts.size(); i++)
        {
            const ACCEL* pEntry = (const ACCEL*)::SendMessage(hList, LB_GETITEMDATA, i, 0);
            ASSERT_TRUE(pEntry >= accels.data() && pEntry < accels.data() + accels.size())
                << texts[i];
            EXPECT_EQ(KeyText(pEntry->fVirt, pEntry->key), texts[i]);
        }
        EXPECT_EQ(Triples(accels), Triples(Entries(pFrame->m_hAccelTable)));
    }

    virtual BOOL OffersTemplates() const { return FALSE; }

    std::unique_ptr<CTavoPKeyboardPage> page;
    CTavoPShortcutKeyEdit* edit = nullptr;
};

// The application's one multi-document template, with the table of its resource at first.
CMultiDocTemplate* TheTemplate()
{
    static CMultiDocTemplate* s_pTemplate = nullptr;
    if (s_pTemplate == nullptr)
    {
        s_pTemplate = new CMultiDocTemplate(130, nullptr, nullptr, nullptr);
        TestApp().AddDocTemplate(s_pTemplate);
    }
    return s_pTemplate;
}

// The page offers the templates' tables as well.
class KeyboardPageWithTemplates : public KeyboardPage
{
protected:
    void SetUp() override
    {
        ASSERT_NE(TheTemplate()->m_hAccelTable, nullptr);
        KeyboardPage::SetUp();
    }
    BOOL OffersTemplates() const override { return TRUE; }
};

} // namespace

TEST_F(KeyboardPage, AssignAndRemoveChangeTheFrameTableAndTheStoredValue)
{
    // The frame's table is offered as "Default" and shown at once.
    EXPECT_EQ(Text(*page, IDC_TAVOP_VIEW_TYPE), "Default");
    Choose(1, "Print");
    EXPECT_EQ(Text(*page, IDC_TAVOP_COMMAND_DESCRIPTION), "Prints the grid");
    EXPECT_TRUE(CurrentKeys().empty());
    EXPECT_FALSE(Enabled(IDC_TAVOP_ASSIGN));

    Press({VK_CONTROL, VK_F6});
    EXPECT_EQ(Text(*page, IDC_TAVOP_ASSIGNED_TO), "[Unassigned]");
    ASSERT_TRUE(Enabled(IDC_TAVOP_ASSIGN));
    Click(IDC_TAVOP_ASSIGN);

    const std::vector<std::vector<int>> before = {{FVIRTKEY | FCONTROL, 'N', 100},
                                                  {FVIRTKEY | FNOINVERT, VK_F5, 101},
                                                  {FVIRTKEY, VK_F9, 999}};
    std::vector<std::vector<int>> after = before;
    after.push_back({FVIRTKEY | FCONTROL, VK_F6, 102});
    EXPECT_EQ(Triples(Entries(pFrame->m_hAccelTable)), after);
    EXPECT_EQ(CurrentKeys(), std::vector<std::string>{KeyText(FVIRTKEY | FCONTROL, VK_F6)});
    EXPECT_EQ(Text(*page, IDC_TAVOP_NEW_SHORTCUT_KEY), "");
    EXPECT_FALSE(Enabled(IDC_TAVOP_ASSIGN));
    ExpectWorkingCopyIntact();

    CTavoPKeyboardManager manager;
    const std::string key = kProfile + "TavoKeyboard-0";
    ASSERT_TRUE(manager.SaveState(kProfile.c_str(), pFrame));
    EXPECT_EQ(RegistryTestKey::Value(key, "Accelerators"),
              (std::vector<BYTE>{0x09, 0, 'N',   0, 100,  0,    0x03, 0, VK_F5, 0, 101, 0,
                                 0x01, 0, VK_F9, 0, 0xE7, 0x03, 0x09, 0, VK_F6, 0, 102, 0}));

    // Remove takes the chosen key away, from the table and from the stored value.
    EXPECT_FALSE(Enabled(IDC_TAVOP_REMOVE));
    SelectCurrentKey(0);
    ASSERT_TRUE(Enabled(IDC_TAVOP_REMOVE));
    Click(IDC_TAVOP_REMOVE);
    EXPECT_EQ(Triples(Entries(pFrame->m_hAccelTable)), before);
    EXPECT_TRUE(CurrentKeys().empty());
    ExpectWorkingCopyIntact();
    ASSERT_TRUE(manager.SaveState(kProfile.c_str(), pFrame));
    EXPECT_EQ(RegistryTestKey::Value(key, "Accelerators").size(), 18u);
}

TEST_F(KeyboardPage, CommandsShowTheirNamesWithoutSeparators)
{
    const struct
    {
        int category;
        std::vector<std::string> names;
    } cases[] = {
        {0, {"New", "Close"}},
        {1, {"Reload", "Print"}},
        // The all-commands category gives the long name where there is one.
        {2, {"New", "Close", "Reload the grid", "Print"}},
    };
    for (const auto& c : cases)
    {
        ::SendMessage(Item(*page, IDC_TAVOP_CATEGORIES), CB_SETCURSEL, c.category, 0);
        Notify(*page, IDC_TAVOP_CATEGORIES, CBN_SELCHANGE);
        EXPECT_EQ(ListTexts(Item(*page, IDC_TAVOP_COMMANDS_LIST)), c.names) << c.category;
    }
}

TEST_F(KeyboardPageWithTemplates, AssignGoesToTheChosenTemplate)
{
    const HWND hViewType = Item(*page, IDC_TAVOP_VIEW_TYPE);
    ASSERT_EQ(::SendMessage(hViewType, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(Text(*page, IDC_TAVOP_VIEW_TYPE), "Default");
    ::SendMessage(hViewType, CB_SETCURSEL, 0, 0);
    Notify(*page, IDC_TAVOP_VIEW_TYPE, CBN_SELCHANGE);
    EXPECT_EQ(Text(*page, IDC_TAVOP_VIEW_TYPE), "Stock card");

    const std::vector<ACCEL> frameTable = Entries(pFrame->m_hAccelTable);
    Choose(0, "Close");
    Press({VK_CONTROL, VK_F12});
    EXPECT_EQ(Text(*page, IDC_TAVOP_ASSIGNED_TO), "????");
    Press({VK_F3});
    Click(IDC_TAVOP_ASSIGN);
    EXPECT_EQ(Triples(Entries(TheTemplate()->m_hAccelTable)),
              (std::vector<std::vector<int>>{{FVIRTKEY | FCONTROL, VK_F12, 210},
                                             {FVIRTKEY, VK_F3, 103}}));
    EXPECT_EQ(Triples(Entries(pFrame->m_hAccelTable)), Triples(frameTable));
    EXPECT_EQ(CurrentKeys(), std::vector<std::string>{KeyText(FVIRTKEY, VK_F3)});
}

TEST_F(KeyboardPage, KeyAlreadyBoundNamesItsCommandAndCannotBeAssigned)
{
    Choose(1, "Print");
    const struct
    {
        std::vector<UINT> keys;
        const char* assignedTo;
        bool assignable;
    } cases[] = {
        {{VK_CONTROL, 'N'}, "New", false},
        // Bound with a flag that does not tell shortcuts apart: still bound.
        {{VK_F5}, "Reload", false},
        // Bound to a command the sheet does not know.
        {{VK_F9}, "????", false},
        {{VK_SHIFT, VK_F5}, "[Unassigned]", true},
    };
    for (const auto& c : cases)
    {
        Press(c.keys);
        EXPECT_EQ(Text(*page, IDC_TAVOP_ASSIGNED_TO), c.assignedTo);
        EXPECT_TRUE(::IsWindowVisible(Item(*page, IDC_TAVOP_ASSIGNED_TO_TITLE)));
        EXPECT_EQ(Enabled(IDC_TAVOP_ASSIGN), c.assignable) << c.assignedTo;
    }

    // A click that reaches a bound key anyway changes nothing.
    Press({VK_CONTROL, 'N'});
    const std::vector<ACCEL> table = Entries(pFrame->m_hAccelTable);
    Click(IDC_TAVOP_ASSIGN);
    EXPECT_EQ(Triples(Entries(pFrame->m_hAccelTable)), Triples(table));
    EXPECT_TRUE(CurrentKeys().empty());
}

TEST_F(KeyboardPage, AssignNeedsACommand)
{
    Choose(1, "Print");
    ::SendMessage(Item(*page, IDC_TAVOP_COMMANDS_LIST), LB_SETCURSEL, (WPARAM)-1, 0);
    Notify(*page, IDC_TAVOP_COMMANDS_LIST, LBN_SELCHANGE);
    Press({VK_CONTROL, VK_F7});
    EXPECT_FALSE(Enabled(IDC_TAVOP_ASSIGN));

    const std::vector<ACCEL> table = Entries(pFrame->m_hAccelTable);
    CTestSeams::Clear();
    Click(IDC_TAVOP_ASSIGN);
    EXPECT_EQ(Triples(Entries(pFrame->m_hAccelTable)), Triples(table));
    EXPECT_EQ(CTestSeams::Beeps().size(), 1u);
}

TEST_F(KeyboardPage, SecondKeyOfACommandAndRemovalKeepTheWorkingCopyIntact)
{
    Choose(0, "New");
    Press({VK_F6});
    Click(IDC_TAVOP_ASSIGN);
    Press({VK_SHIFT, VK_F6});
    Click(IDC_TAVOP_ASSIGN);
    const std::string ctrlN = KeyText(FVIRTKEY | FCONTROL, 'N'), f6 = KeyText(FVIRTKEY, VK_F6),
                      shiftF6 = KeyText(FVIRTKEY | FSHIFT, VK_F6);
    EXPECT_EQ(CurrentKeys(), (std::vector<std::string>{ctrlN, f6, shiftF6}));
    ExpectWorkingCopyIntact();

    // The first of the command's keys goes; the others keep their entries.
    SelectCurrentKey(0);
    Click(IDC_TAVOP_REMOVE);
    EXPECT_EQ(CurrentKeys(), (std::vector<std::string>{f6, shiftF6}));
    ExpectWorkingCopyIntact();
    EXPECT_EQ(Triples(Entries(pFrame->m_hAccelTable)),
              (std::vector<std::vector<int>>{{FVIRTKEY | FNOINVERT, VK_F5, 101},
                                             {FVIRTKEY, VK_F9, 999},
                                             {FVIRTKEY, VK_F6, 100},
                                             {FVIRTKEY | FSHIFT, VK_F6, 100}}));

    // Remove without a chosen key changes nothing.
    SelectCurrentKey(-1);
    EXPECT_FALSE(Enabled(IDC_TAVOP_REMOVE));
    Click(IDC_TAVOP_REMOVE);
    EXPECT_EQ(CurrentKeys().size(), 2u);
    ExpectWorkingCopyIntact();
}

TEST_F(KeyboardPage, ResetAllAsksFirst)
{
    Choose(0, "New");
    const std::vector<ACCEL> table = Entries(pFrame->m_hAccelTable);

    CTestSeams::QueueMessageBoxAnswer(IDNO);
    Click(IDC_TAVOP_RESET_KEYS);
    ASSERT_EQ(CTestSeams::MessageBoxes().size(), 1u);
    EXPECT_EQ(std::string(CTestSeams::MessageBoxes()[0].strText),
              "All your changes will be lost! Do you really want to reset the keyboard "
              "assignments?");
    EXPECT_EQ(CTestSeams::MessageBoxes()[0].nType, (UINT)(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(Triples(Entries(pFrame->m_hAccelTable)), Triples(table));
    EXPECT_EQ(pFrame->m_nResets, 0);
    EXPECT_EQ(CurrentKeys().size(), 1u);

    // Yes: the resource's table, told to the frame and shown at once.
    CTestSeams::QueueMessageBoxAnswer(IDYES);
    Click(IDC_TAVOP_RESET_KEYS);
    EXPECT_EQ(Triples(Entries(pFrame->m_hAccelTable)),
              (std::vector<std::vector<int>>{{FVIRTKEY, VK_F11, 110}}));
    EXPECT_EQ(pFrame->m_nResets, 1);
    EXPECT_TRUE(CurrentKeys().empty());
    ExpectWorkingCopyIntact();
}

// The Mouse page over a mouse manager with three views, registered out of name order.
class MousePage : public PagesFixture
{
protected:
    void SetUp() override
    {
        PagesFixture::SetUp();
        mouse.AddView(7, "Stock", IDI_TAVOP_USER_TOOL);
        mouse.AddView(3, "Cards", 0);
        mouse.AddView(5, "Sales", 0);
        mouse.SetViewCommand(5, 101);
        Open(page);
        views = Item(page, IDC_TAVOP_LIST_OF_VIEWS);
        commands = Item(page, IDC_TAVOP_LIST_OF_COMMANDS);
    }
    void SelectView(int i)
    {
        ListView_SetItemState(views, i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    void ChooseCommand(const char* lpszCommand)
    {
        const int i =
            (int)::SendMessage(commands, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)lpszCommand);
        ASSERT_GE(i, 0) << lpszCommand;
        ::SendMessage(commands, LB_SETCURSEL, i, 0);
        Notify(page, IDC_TAVOP_LIST_OF_COMMANDS, LBN_SELCHANGE);
    }
    bool Checked(int nID) { return page.IsDlgButtonChecked(nID) == BST_CHECKED; }

    CTavoPMouseManager mouse;
    CTavoPMousePage page;
    HWND views = nullptr;
    HWND commands = nullptr;
};

TEST_F(MousePage, BindsAViewDoubleClickToACommand)
{
    // Sorted by name, only the view with an icon has an image; the first view is chosen at once.
    ASSERT_EQ(ListView_GetItemCount(views), 3);
    std::vector<std::string> names;
    std::vector<int> images;
    for (int i = 0; i < 3; i++)
    {
        char buffer[64] = {};
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        ListView_GetItem(views, &item);
        names.push_back(buffer);
        images.push_back(item.iImage);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Cards", "Sales", "Stock"}));
    EXPECT_EQ(images, (std::vector<int>{-1, -1, 0}));
    EXPECT_TRUE(Checked(IDC_TAVOP_NO_DBLCLICK));
    EXPECT_FALSE(::IsWindowEnabled(commands));

    // A bound view shows its command.
    SelectView(1);
    EXPECT_TRUE(Checked(IDC_TAVOP_USE_DBLCLICK));
    EXPECT_TRUE(::IsWindowEnabled(commands));
    EXPECT_EQ(
        ::SendMessage(commands, LB_GETITEMDATA, ::SendMessage(commands, LB_GETCURSEL, 0, 0), 0),
        101);
    EXPECT_EQ(Text(page, IDC_TAVOP_COMMAND_DESCRIPTION), "Reloads the grid");

    // Cards gets Print.
    SelectView(0);
    Notify(page, IDC_TAVOP_USE_DBLCLICK, BN_CLICKED);
    ChooseCommand("Print");
    EXPECT_EQ(mouse.GetViewCommand(3), 102u);
    EXPECT_EQ(Text(page, IDC_TAVOP_COMMAND_DESCRIPTION), "Prints the grid");

    // The manager keeps it: stored and read back.
    ASSERT_TRUE(mouse.SaveState(kProfile.c_str()));
    mouse.SetViewCommand(3, 0);
    ASSERT_TRUE(mouse.LoadState(kProfile.c_str()));
    EXPECT_EQ(mouse.GetViewCommand(3), 102u);
    EXPECT_EQ(mouse.GetViewCommand(5), 101u);

    // No double click takes the binding away; so does asking for one and choosing none.
    SelectView(1);
    Notify(page, IDC_TAVOP_NO_DBLCLICK, BN_CLICKED);
    EXPECT_EQ(mouse.GetViewCommand(5), 0u);
    EXPECT_FALSE(::IsWindowEnabled(commands));
    SelectView(0);
    Notify(page, IDC_TAVOP_USE_DBLCLICK, BN_CLICKED);
    EXPECT_EQ(mouse.GetViewCommand(3), 0u);
}
