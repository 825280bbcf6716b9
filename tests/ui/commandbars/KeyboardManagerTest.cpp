// Shortcut tables of frames and multi-document templates: installed, kept in the registry and shown as text.
#include "tests/support/Mutations.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/TestApp.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPAcceleratorText.h"
#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include "ui/commandbars/managers/CTavoPMouseManager.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/foundation/CTavoPWorkspace.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char* const kRoot = "SOFTWARE\\VorlenTests KB";
const std::string kProfile = "SOFTWARE\\VorlenTests KB\\Settings\\";
const UINT kTemplateId = 130;

// The names this keyboard layout gives the keys.
std::string Name(UINT vk)
{
    return (LPCTSTR)CTavoPAcceleratorText::KeyName(vk);
}

std::string Text(BYTE fVirt, WORD key)
{
    ACCEL accel = {fVirt, key, 1};
    CString str;
    CTavoPAcceleratorText(&accel).Format(str);
    return (LPCTSTR)str;
}

HACCEL Table(const std::vector<ACCEL>& entries)
{
    return ::CreateAcceleratorTable(const_cast<ACCEL*>(entries.data()), (int)entries.size());
}

std::vector<ACCEL> Entries(HACCEL hAccel)
{
    std::vector<ACCEL> entries(::CopyAcceleratorTable(hAccel, NULL, 0));
    ::CopyAcceleratorTable(hAccel, entries.data(), (int)entries.size());
    return entries;
}

// The application's one multi-document template, with the table of its resource ID at first.
CMultiDocTemplate* TheTemplate()
{
    static CMultiDocTemplate* s_pTemplate = NULL;
    if (s_pTemplate == NULL)
    {
        s_pTemplate = new CMultiDocTemplate(kTemplateId, NULL, NULL, NULL);
        TestApp().AddDocTemplate(s_pTemplate);
    }
    return s_pTemplate;
}

class TestView : public CView
{
public:
    void OnDraw(CDC*) override {}
};

// A popup window taken as a frame; the frame owns its table and destroys it.
struct Frame
{
    explicit Frame(HACCEL hAccel)
    {
        wnd.Attach(::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 200, 100, NULL, NULL,
                                   ::GetModuleHandleA(NULL), NULL));
        wnd.m_hAccelTable = hAccel;
    }
    ~Frame() { ::DestroyWindow(wnd.Detach()); }
    CFrameWnd wnd;
};

// The main frame with its table, and a multi-document template with a document whose view sits
// in a child frame that took the template's table.
class KeyboardManager : public ::testing::Test
{
protected:
    KeyboardManager()
        : main(Table({{FVIRTKEY | FCONTROL, 'N', 100}, {FVIRTKEY, VK_F5, 101}})), child(NULL)
    {
        TestApp().m_pMainWnd = &main.wnd;
        pTemplate = TheTemplate();
        ::DestroyAcceleratorTable(pTemplate->m_hAccelTable);
        pTemplate->m_hAccelTable = Table({{FVIRTKEY | FALT, 'X', 200}});
        child.wnd.m_hAccelTable = pTemplate->m_hAccelTable;
        view.Attach(::CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 50, 20, child.wnd.m_hWnd, NULL,
                                    ::GetModuleHandleA(NULL), NULL));
        // The document is a member of the fixture: losing its last view must not delete it.
        doc.m_bAutoDelete = FALSE;
        pTemplate->AddDocument(&doc);
        doc.AddView(&view);
    }
    ~KeyboardManager()
    {
        doc.RemoveView(&view);
        pTemplate->RemoveDocument(&doc);
        ::DestroyWindow(view.Detach());
        child.wnd.m_hAccelTable = NULL; // the template's, destroyed with the template
        TestApp().m_pMainWnd = NULL;
    }

    RegistryTestKey scratch{kRoot};
    Frame main;
    Frame child;
    CMultiDocTemplate* pTemplate;
    CDocument doc;
    TestView view;
    CTavoPKeyboardManager manager;
};

TEST(AcceleratorText, ModifiersComeInControlShiftAltOrderBeforeTheKeyName)
{
    const std::string ctrl = Name(VK_CONTROL), shift = Name(VK_SHIFT), alt = Name(VK_MENU);
    EXPECT_EQ(ctrl, "Control");
    EXPECT_EQ(shift, "Shift");
    EXPECT_EQ(alt, "Alt");

    struct Case
    {
        BYTE fVirt;
        WORD key;
        std::string expected;
    } cases[] = {
        {FVIRTKEY | FALT | FSHIFT | FCONTROL, VK_F5, ctrl + "+" + shift + "+" + alt + "+F5"},
        {FVIRTKEY | FSHIFT | FCONTROL, VK_F5, ctrl + "+" + shift + "+F5"},
        // The grey Delete key, not the keypad's.
        {FVIRTKEY | FALT, VK_DELETE, alt + "+" + Name(VK_DELETE)},
        {FCONTROL, 'a', ctrl + "+a"},
        {FCONTROL, 27, ctrl + "+"},
        {0, 'q', "q"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(c.fVirt, c.key), c.expected) << c.expected;

    // Names are lower-cased but for their first letter ("space", "Caps_Lock" here); the grey
    // Delete key shares its scan code with the keypad's.
    EXPECT_EQ(Name(VK_SPACE), "Space");
    EXPECT_EQ(Name(VK_CAPITAL), "Caps_lock");
    EXPECT_EQ(Name(VK_DELETE), "Delete");
    EXPECT_EQ(Name(VK_DECIMAL), "Kp_delete");
}

TEST(KeyboardMnemonics, KeypadDigitsBecomeTheirCharacters)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    const BYTE saved = keys[VK_NUMLOCK];
    keys[VK_NUMLOCK] |= 1;
    ::SetKeyboardState(keys);
    EXPECT_EQ(CTavoPKeyboardManager::TranslateCharToUpper(VK_NUMPAD5), (UINT)'5');
    // Letter keys are their own upper-case characters, through the layout or not.
    EXPECT_EQ(CTavoPKeyboardManager::TranslateCharToUpper('Q'), (UINT)'Q');
    CTavoPKeyboardManager::m_bAllTranslateCharToUpper = TRUE;
    EXPECT_EQ(CTavoPKeyboardManager::TranslateCharToUpper('Q'), (UINT)'Q');
    CTavoPKeyboardManager::m_bAllTranslateCharToUpper = FALSE;
    EXPECT_EQ(CTavoPKeyboardManager::TranslateCharToUpper(0x1234), 0x1234u);
    keys[VK_NUMLOCK] = saved;
    ::SetKeyboardState(keys);
}

TEST_F(KeyboardManager, ShortcutTextIsTheFirstEntryOfTheCommand)
{
    HACCEL hAccel =
        Table({{FVIRTKEY, VK_F2, 7}, {FVIRTKEY | FCONTROL, 'S', 7}, {FVIRTKEY, VK_F3, 8}});
    ASSERT_TRUE(manager.SetAccelTable(NULL, hAccel, NULL));
    EXPECT_EQ(main.wnd.m_hAccelTable, hAccel);

    CString str;
    EXPECT_TRUE(CTavoPKeyboardManager::GetShortcutText(7, str, &main.wnd));
    EXPECT_EQ(str, "F2");
    EXPECT_FALSE(CTavoPKeyboardManager::GetShortcutText(9, str, &main.wnd));
    EXPECT_EQ(str, "");
    EXPECT_FALSE(CTavoPKeyboardManager::GetShortcutText(7, str, NULL));

    EXPECT_TRUE(CTavoPKeyboardManager::FindDefaultAccelerator('S', FVIRTKEY | FCONTROL, &main.wnd));
    EXPECT_FALSE(CTavoPKeyboardManager::FindDefaultAccelerator('S', FVIRTKEY, &main.wnd));
    // The active frame's look-up keeps its own copy beside the top-level one.
    EXPECT_TRUE(
        CTavoPKeyboardManager::FindDefaultAccelerator('X', FVIRTKEY | FALT, &child.wnd, FALSE));
    EXPECT_TRUE(CTavoPKeyboardManager::GetShortcutText(8, str, &main.wnd));
    EXPECT_EQ(str, "F3");
}

// The frame's pre-translation asks with the modifiers held down; NOINVERT does not change the key.
TEST_F(KeyboardManager, DefaultAcceleratorIsFoundByItsKeyAndModifiers)
{
    ASSERT_TRUE(manager.SetAccelTable(
        NULL, Table({{FVIRTKEY | FALT | FNOINVERT, 'F', 7}, {FVIRTKEY | FCONTROL, 'N', 8}}), NULL));
    const struct
    {
        const char* what;
        WORD key;
        UINT flags;
        bool found;
    } cases[] = {
        {"marked NOINVERT", 'F', FVIRTKEY | FALT, true},
        {"plain entry", 'N', FVIRTKEY | FCONTROL, true},
        {"one modifier more", 'N', FVIRTKEY | FCONTROL | FSHIFT, false},
        {"another key", 'G', FVIRTKEY | FALT, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.found,
                  CTavoPKeyboardManager::FindDefaultAccelerator(c.key, c.flags, &main.wnd) != FALSE)
            << c.what;
    EXPECT_FALSE(CTavoPKeyboardManager::FindDefaultAccelerator('F', FVIRTKEY | FALT, NULL));
}

TEST_F(KeyboardManager, EveryInstalledTableIsSeenAtOnce)
{
    CString str;
    ASSERT_TRUE(CTavoPKeyboardManager::GetShortcutText(101, str, &main.wnd));
    EXPECT_EQ(str, "F5");
    // Each install destroys the table that the copy was made of.
    for (WORD vk = VK_F6; vk <= VK_F9; vk++)
    {
        const ACCEL entry = {FVIRTKEY, vk, 101};
        ASSERT_TRUE(manager.UpdateAccelTable(NULL, &entry, 1));
        ASSERT_TRUE(CTavoPKeyboardManager::GetShortcutText(101, str, &main.wnd));
        EXPECT_EQ(std::string((LPCTSTR)str), Name(vk));
    }
}

TEST_F(KeyboardManager, TemplateTableReachesTheFramesThatShareIt)
{
    Frame own(Table({{FVIRTKEY, 'Z', 300}}));
    const HACCEL hOwn = own.wnd.m_hAccelTable;

    const ACCEL entry = {FVIRTKEY | FCONTROL, 'Y', 201};
    ASSERT_TRUE(manager.UpdateAccelTable(pTemplate, &entry, 1));
    EXPECT_EQ(child.wnd.m_hAccelTable, pTemplate->m_hAccelTable);
    EXPECT_EQ(own.wnd.m_hAccelTable, hOwn);
    CString str;
    EXPECT_TRUE(CTavoPKeyboardManager::GetShortcutText(201, str, &child.wnd, FALSE));

    // No target at all: nothing is installed.
    TestApp().m_pMainWnd = NULL;
    EXPECT_FALSE(manager.UpdateAccelTable(NULL, &entry, 1));
}

TEST_F(KeyboardManager, TablesAreStoredUnderTheirResourceIdsAsRawEntries)
{
    ASSERT_TRUE(manager.SetAccelTable(NULL,
                                      Table({{FVIRTKEY | FCONTROL, 'N', 100},
                                             {FVIRTKEY | FSHIFT, VK_F5, 0x1234},
                                             {FVIRTKEY | FALT, VK_DELETE, 102},
                                             {FCONTROL, 'a', 103},
                                             {FVIRTKEY, VK_F1, 0xE146}}),
                                      NULL));
    ASSERT_TRUE(manager.SaveState(kProfile.c_str(), NULL));

    const std::vector<BYTE> frameTable =
        RegistryTestKey::Value(kProfile + "TavoKeyboard-0", "Accelerators");
    EXPECT_EQ(frameTable, (std::vector<BYTE>{0x09, 0, 'N',  0, 100,  0,    //
                                             0x05, 0, 0x74, 0, 0x34, 0x12, //
                                             0x11, 0, 0x2E, 0, 102,  0,    //
                                             0x08, 0, 'a',  0, 103,  0,    //
                                             0x01, 0, 0x70, 0, 0x46, 0xE1}));
    EXPECT_EQ(RegistryTestKey::Value(kProfile + "TavoKeyboard-130", "Accelerators"),
              (std::vector<BYTE>{0x11, 0, 'X', 0, 200, 0}));

    // Back at the next start, in place of the tables the resources gave.
    ASSERT_TRUE(manager.SetAccelTable(NULL, Table({{FVIRTKEY, VK_F5, 101}}), NULL));
    ASSERT_TRUE(manager.SetAccelTable(pTemplate, Table({{FVIRTKEY, VK_F5, 101}}), NULL));
    ASSERT_TRUE(manager.LoadState(kProfile.c_str(), NULL));
    EXPECT_EQ(Entries(main.wnd.m_hAccelTable).size(), 5u);
    CString str;
    EXPECT_TRUE(CTavoPKeyboardManager::GetShortcutText(0x1234, str, &main.wnd));
    EXPECT_EQ(std::string((LPCTSTR)str), Name(VK_SHIFT) + "+F5");
    ASSERT_EQ(Entries(pTemplate->m_hAccelTable).size(), 1u);
    EXPECT_EQ(Entries(pTemplate->m_hAccelTable)[0].cmd, 200);
    EXPECT_EQ(child.wnd.m_hAccelTable, pTemplate->m_hAccelTable);
}

TEST_F(KeyboardManager, DamagedOrMissingStoredTablesLeaveTheCurrentOnes)
{
    const HACCEL hBefore = main.wnd.m_hAccelTable;
    ASSERT_TRUE(manager.LoadState(kProfile.c_str(), NULL));
    EXPECT_EQ(main.wnd.m_hAccelTable, hBefore);

    // A trailing part of an entry is ignored; a command barred from the toolbars is loaded as 0.
    RegistryTestKey::SetBinary(kProfile + "TavoKeyboard-0", "Accelerators",
                               {0x01, 0, 0x71, 0, 55, 0, 0x01, 0, 0x72, 0, 56, 0, 0x01, 0, 0x73});
    CTavoPToolBar::UnpermittedCommands().AddTail(56);
    ASSERT_TRUE(manager.LoadState(kProfile.c_str(), NULL));
    CTavoPToolBar::UnpermittedCommands().RemoveAll();
    const std::vector<ACCEL> entries = Entries(main.wnd.m_hAccelTable);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].cmd, 55);
    EXPECT_EQ(entries[1].key, 0x72);
    EXPECT_EQ(entries[1].cmd, 0);
}

TEST_F(KeyboardManager, MutatedStoredTablesInstallWhatTheyHoldAndSaveItBack)
{
    ASSERT_TRUE(manager.SetAccelTable(
        NULL, Table({{FVIRTKEY | FCONTROL, 'N', 100}, {FVIRTKEY | FSHIFT, VK_F5, 0x1234}}), NULL));
    ASSERT_TRUE(manager.SaveState(kProfile.c_str(), NULL));
    const std::string strKey = kProfile + "TavoKeyboard-0";
    const Bytes valid = RegistryTestKey::Value(strKey, "Accelerators");
    std::mt19937 random(35);
    for (int i = 0; i < 1500; i++)
    {
        const std::string what = "mutation " + std::to_string(i);
        RegistryTestKey::SetBinary(strKey, "Accelerators", Mutate(valid, random));
        ASSERT_TRUE(manager.LoadState(kProfile.c_str(), NULL)) << what;
        // Entries without key and command do nothing and are not kept.
        auto live = [](HACCEL hAccel) {
            std::vector<ACCEL> entries;
            for (const ACCEL& accel : Entries(hAccel))
                if (accel.key != 0 || accel.cmd != 0)
                    entries.push_back(accel);
            return entries;
        };
        const std::vector<ACCEL> loaded = live(main.wnd.m_hAccelTable);
        CString str;
        for (const ACCEL& accel : loaded)
            CTavoPKeyboardManager::GetShortcutText(accel.cmd, str, &main.wnd);
        ASSERT_TRUE(manager.SaveState(kProfile.c_str(), NULL)) << what;
        ASSERT_TRUE(manager.LoadState(kProfile.c_str(), NULL)) << what;
        const std::vector<ACCEL> again = live(main.wnd.m_hAccelTable);
        ASSERT_EQ(loaded.size(), again.size()) << what;
        for (size_t e = 0; e < loaded.size(); e++)
            ASSERT_TRUE(loaded[e].fVirt == again[e].fVirt && loaded[e].key == again[e].key &&
                        loaded[e].cmd == again[e].cmd)
                << what << " entry " << e;
    }
}

TEST_F(KeyboardManager, AllShortcutsRemovedStayRemoved)
{
    ASSERT_TRUE(manager.UpdateAccelTable(NULL, NULL, 0));
    CString str;
    EXPECT_FALSE(CTavoPKeyboardManager::GetShortcutText(100, str, &main.wnd));
    EXPECT_FALSE(CTavoPKeyboardManager::FindDefaultAccelerator(0, FVIRTKEY, &main.wnd));

    ASSERT_TRUE(manager.SaveState(kProfile.c_str(), NULL));
    DWORD dwType = 0;
    EXPECT_TRUE(
        RegistryTestKey::Value(kProfile + "TavoKeyboard-0", "Accelerators", &dwType).empty());
    EXPECT_EQ(dwType, (DWORD)REG_BINARY);

    ASSERT_TRUE(manager.SetAccelTable(NULL, Table({{FVIRTKEY, VK_F5, 101}}), NULL));
    ASSERT_TRUE(manager.LoadState(kProfile.c_str(), NULL));
    EXPECT_FALSE(CTavoPKeyboardManager::GetShortcutText(101, str, &main.wnd));
}

TEST_F(KeyboardManager, ResetBringsBackTheResourceTables)
{
    // The main frame's resource ID is the one it was loaded from.
    main.wnd.m_nIDHelp = 128;
    manager.ResetAll();
    ASSERT_EQ(Entries(main.wnd.m_hAccelTable).size(), 1u);
    EXPECT_EQ(Entries(main.wnd.m_hAccelTable)[0].cmd, 110);
    ASSERT_EQ(Entries(pTemplate->m_hAccelTable).size(), 1u);
    EXPECT_EQ(Entries(pTemplate->m_hAccelTable)[0].cmd, 210);
    EXPECT_EQ(child.wnd.m_hAccelTable, pTemplate->m_hAccelTable);

    // Without a resource the table stays as it is.
    main.wnd.m_nIDHelp = 129;
    const HACCEL hMain = main.wnd.m_hAccelTable;
    manager.ResetAll();
    EXPECT_EQ(main.wnd.m_hAccelTable, hMain);
}

// The managers an application enables go below the workspace's own path, and come back from it.
TEST_F(KeyboardManager, WorkspaceKeepsTheManagersItHolds)
{
    TestApp().SetRegistryKey(_T("VorlenTests KB"));
    const std::string base = "SOFTWARE\\VorlenTests KB\\kbtest\\Settings\\";
    CTavoPWorkspace workspace(TRUE);
    workspace.SetRegistryBase(_T("Settings"));
    CTavoPMouseManager mouse;
    CTavoPUserToolsManager tools(33000, 33001, 33002);
    workspace.m_pKeyboardManager = &manager;
    workspace.m_pMouseManager = &mouse;
    workspace.m_pUserToolsManager = &tools;
    mouse.SetViewCommand(1, 0x8020);
    tools.CreateNewTool()->m_strLabel = "Notes";

    ASSERT_TRUE(workspace.SaveState());
    EXPECT_EQ(RegistryTestKey::Value(base + "TavoKeyboard-0", "Accelerators").size(), 12u);
    EXPECT_EQ(RegistryTestKey::Value(base + "TavoKeyboard-130", "Accelerators").size(), 6u);
    EXPECT_EQ(RegistryTestKey::Value(base, "Mouse"),
              (std::vector<BYTE>{1, 0, 0, 0, 1, 0, 0, 0, 0x20, 0x80, 0, 0}));
    EXPECT_FALSE(RegistryTestKey::Value(base, "Tools").empty());

    mouse.SetViewCommand(1, 0);
    tools.RemoveTool(tools.FindTool(33001));
    ASSERT_TRUE(manager.UpdateAccelTable(NULL, NULL, 0));
    ASSERT_TRUE(workspace.LoadState());
    EXPECT_EQ(mouse.GetViewCommand(1), 0x8020u);
    ASSERT_NE(tools.FindTool(33001), (CTavoPUserTool*)NULL);
    EXPECT_EQ(tools.FindTool(33001)->m_strLabel, "Notes");
    EXPECT_EQ(Entries(main.wnd.m_hAccelTable).size(), 2u);

    workspace.m_pKeyboardManager = NULL;
    workspace.m_pMouseManager = NULL;
    workspace.m_pUserToolsManager = NULL;
}

} // namespace
