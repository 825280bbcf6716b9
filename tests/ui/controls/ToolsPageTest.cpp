// The Tools page in a plain property sheet, driven through its controls: what it changes in the workspace's user-tools manager and its tools.
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/controls/CTavoPButton.h"
#include "ui/controls/CTavoPMenuButton.h"
#include "ui/controls/customize/CTavoPToolsList.h"
#include "ui/controls/customize/CTavoPToolsPage.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "res/LibraryIds.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "tests/support/MessagePump.h"

namespace {

const UINT kFirst = 41000;
// The test menus of ToolsPageTest.rc.
const UINT kArgumentsMenu = 200;
const UINT kDirectoryMenu = 201;
const int kStockFolderMacro = 303;

const int kEdits[] = {IDC_TAVOP_TOOL_COMMAND, IDC_TAVOP_TOOL_ARGUMENTS, IDC_TAVOP_TOOL_INITIAL_DIR};
const int kButtons[] = {IDC_TAVOP_TOOL_BROWSE, IDC_TAVOP_TOOL_ARGUMENTS_MENU,
                        IDC_TAVOP_TOOL_INITIAL_DIR_MENU};

// A manager with a range of three tools, two of them made, shown on the page in a plain sheet.
class ToolsPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTestSeams::Engage();
        CTestSeams::Clear();
        workspace.m_pUserToolsManager = &manager;
        AddTool("Notepad", "notepad.exe", "/a", "C:\\work");
        AddTool("Stock", "C:\\tools\\stock.exe", "-q", "D:\\data");
    }
    void TearDown() override
    {
        if (sheet.m_hWnd != nullptr)
            sheet.DestroyWindow();
        PumpMessages();
        workspace.m_pUserToolsManager = nullptr;
        CTestSeams::Release();
    }

    CTavoPUserTool* AddTool(const char* label, const char* command, const char* args,
                            const char* dir)
    {
        CTavoPUserTool* pTool = manager.CreateNewTool();
        pTool->m_strLabel = label;
        pTool->SetCommand(command);
        pTool->m_strArguments = args;
        pTool->m_strInitialDirectory = dir;
        return pTool;
    }
    CTavoPUserTool* Tool(int i)
    {
        POSITION pos = manager.GetUserTools().FindIndex(i);
        return pos != nullptr ? (CTavoPUserTool*)manager.GetUserTools().GetAt(pos) : nullptr;
    }
    std::vector<std::string> Labels()
    {
        std::vector<std::string> labels;
        for (POSITION pos = manager.GetUserTools().GetHeadPosition(); pos != nullptr;)
            labels.push_back(
                (LPCTSTR)((CTavoPUserTool*)manager.GetUserTools().GetNext(pos))->m_strLabel);
        return labels;
    }
    std::vector<std::string> Items()
    {
        std::vector<std::string> items;
        for (int i = 0; i < list->GetCount(); i++)
            items.push_back((LPCTSTR)list->GetItemName(i));
        return items;
    }

    void Open(UINT uiArgumentsMenu = kArgumentsMenu, UINT uiDirectoryMenu = kDirectoryMenu)
    {
        page.reset(new CTavoPToolsPage(uiArgumentsMenu, uiDirectoryMenu));
        sheet.AddPage(page.get());
        ASSERT_TRUE(sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_VISIBLE));
        ASSERT_TRUE(sheet.SetActivePage(page.get()));
        sheet.SetForegroundWindow();
        PumpMessages();
        list = dynamic_cast<CTavoPToolsList*>(
            CWnd::FromHandlePermanent(page->GetDlgItem(IDC_TAVOP_TOOLS_LIST)->GetSafeHwnd()));
        ASSERT_NE(nullptr, list);
    }

    HWND Item(int nID) { return page->GetDlgItem(nID)->GetSafeHwnd(); }
    std::string Text(int nID)
    {
        char buffer[512] = {};
        ::GetWindowTextA(Item(nID), buffer, sizeof buffer);
        return buffer;
    }
    bool Enabled(int nID) { return ::IsWindowEnabled(Item(nID)) != FALSE; }
    void Click(int nID)
    {
        page->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)Item(nID));
    }
    // What the user does by selecting the edit's text and typing over it.
    void TypeOver(int nID, const char* text)
    {
        ::SendMessage(Item(nID), EM_SETSEL, 0, -1);
        ::SendMessage(Item(nID), EM_REPLACESEL, TRUE, (LPARAM)text);
    }
    void Press(UINT uiCmd)
    {
        CTavoPButton* pButton = list->GetButton(uiCmd);
        list->SendMessage(WM_COMMAND, MAKEWPARAM(pButton->GetDlgCtrlID(), BN_CLICKED),
                          (LPARAM)pButton->m_hWnd);
    }
    // Types a name into the list's label editor and presses Enter (or Escape).
    void Name(const char* text, UINT vkEnd = VK_RETURN)
    {
        HWND hEdit = (HWND)list->GetListCtrl().SendMessage(LVM_GETEDITCONTROL);
        ASSERT_NE(nullptr, hEdit);
        ::SetWindowTextA(hEdit, text);
        ::SendMessage(hEdit, WM_KEYDOWN, vkEnd, 1);
        PumpMessages();
    }
    CTavoPMenuButton* MenuButton(int nID)
    {
        return dynamic_cast<CTavoPMenuButton*>(CWnd::FromHandlePermanent(Item(nID)));
    }

    CTavoPWorkspace workspace{TRUE};
    CTavoPUserToolsManager manager{0, kFirst, kFirst + 2};
    CPropertySheet sheet{"Customize"};
    std::unique_ptr<CTavoPToolsPage> page;
    CTavoPToolsList* list = nullptr;
};

} // namespace

TEST_F(ToolsPage, WithoutASelectedToolOnlyTheListIsEnabled)
{
    Open();
    // The first tool is selected at first: all controls take part.
    EXPECT_EQ(0, list->GetSelItem());
    for (int nID : kEdits)
        EXPECT_TRUE(Enabled(nID)) << nID;
    for (int nID : kButtons)
        EXPECT_TRUE(Enabled(nID)) << nID;

    list->SelectItem(-1);
    for (int nID : kEdits)
    {
        EXPECT_FALSE(Enabled(nID)) << nID;
        EXPECT_EQ("", Text(nID)) << nID;
    }
    for (int nID : kButtons)
        EXPECT_FALSE(Enabled(nID)) << nID;
    EXPECT_TRUE(list->IsWindowEnabled());
    EXPECT_TRUE(list->GetButton(CTavoPEditableList::ID_NEW)->IsWindowEnabled());

    // Clicked through messages meanwhile, Browse and the macros change nothing.
    CTestSeams::QueueFileDialogAnswer("C:\\tools\\other.exe");
    Click(IDC_TAVOP_TOOL_BROWSE);
    MenuButton(IDC_TAVOP_TOOL_ARGUMENTS_MENU)->m_nMenuResult = kStockFolderMacro;
    Click(IDC_TAVOP_TOOL_ARGUMENTS_MENU);
    for (int nID : kEdits)
        EXPECT_EQ("", Text(nID)) << nID;
    EXPECT_EQ("notepad.exe", std::string((LPCTSTR)Tool(0)->GetCommand()));
    EXPECT_EQ("C:\\tools\\stock.exe", std::string((LPCTSTR)Tool(1)->GetCommand()));
    EXPECT_EQ("-q", std::string((LPCTSTR)Tool(1)->m_strArguments));
}

TEST_F(ToolsPage, MenuButtonsWithoutMenusStayDisabled)
{
    Open(0, 0);
    EXPECT_TRUE(Enabled(IDC_TAVOP_TOOL_COMMAND));
    EXPECT_TRUE(Enabled(IDC_TAVOP_TOOL_BROWSE));
    EXPECT_FALSE(Enabled(IDC_TAVOP_TOOL_ARGUMENTS_MENU));
    EXPECT_FALSE(Enabled(IDC_TAVOP_TOOL_INITIAL_DIR_MENU));
    MenuButton(IDC_TAVOP_TOOL_ARGUMENTS_MENU)->m_nMenuResult = kStockFolderMacro;
    Click(IDC_TAVOP_TOOL_ARGUMENTS_MENU);
    EXPECT_EQ("/a", Text(IDC_TAVOP_TOOL_ARGUMENTS));
}

TEST_F(ToolsPage, WithoutAManagerTheListIsEmptyAndNewMakesNothing)
{
    workspace.m_pUserToolsManager = nullptr;
    Open();
    EXPECT_EQ(0, list->GetCount());
    for (int nID : kEdits)
        EXPECT_FALSE(Enabled(nID)) << nID;
    Press(CTavoPEditableList::ID_NEW);
    EXPECT_EQ(0, list->GetCount());
    EXPECT_EQ(1u, CTestSeams::Beeps().size());
}

// Moving between tools shows each one's texts and writes none of them into the other tool.
TEST_F(ToolsPage, SelectingAToolShowsItsTextsAndLeavesTheOthersAlone)
{
    Open();
    EXPECT_EQ((std::vector<std::string>{"Notepad", "Stock"}), Items());
    EXPECT_EQ("notepad.exe", Text(IDC_TAVOP_TOOL_COMMAND));
    EXPECT_EQ("/a", Text(IDC_TAVOP_TOOL_ARGUMENTS));
    EXPECT_EQ("C:\\work", Text(IDC_TAVOP_TOOL_INITIAL_DIR));

    list->SelectItem(1);
    EXPECT_EQ("C:\\tools\\stock.exe", Text(IDC_TAVOP_TOOL_COMMAND));
    EXPECT_EQ("-q", Text(IDC_TAVOP_TOOL_ARGUMENTS));
    EXPECT_EQ("D:\\data", Text(IDC_TAVOP_TOOL_INITIAL_DIR));
    list->SelectItem(0);
    EXPECT_EQ("notepad.exe", Text(IDC_TAVOP_TOOL_COMMAND));

    const struct
    {
        CTavoPUserTool* tool;
        const char* command;
        const char* args;
        const char* dir;
    } expected[] = {{Tool(0), "notepad.exe", "/a", "C:\\work"},
                    {Tool(1), "C:\\tools\\stock.exe", "-q", "D:\\data"}};
    for (const auto& e : expected)
    {
        EXPECT_EQ(e.command, std::string((LPCTSTR)e.tool->GetCommand()));
        EXPECT_EQ(e.args, std::string((LPCTSTR)e.tool->m_strArguments));
        EXPECT_EQ(e.dir, std::string((LPCTSTR)e.tool->m_strInitialDirectory));
    }
}

TEST_F(ToolsPage, TypingGoesStraightIntoTheSelectedTool)
{
    Open();
    CTavoPUserTool* pTool = Tool(0);
    const HICON hFoundIcon = pTool->GetIcon();

    // A bare name that the search path does not know takes the default icon instead of the
    // program's.
    TypeOver(IDC_TAVOP_TOOL_COMMAND, "nosuchprogram");
    EXPECT_EQ("nosuchprogram", std::string((LPCTSTR)pTool->GetCommand()));
    EXPECT_NE(hFoundIcon, pTool->GetIcon());
    TypeOver(IDC_TAVOP_TOOL_ARGUMENTS, "/b \"销售\"");
    EXPECT_EQ("/b \"销售\"", std::string((LPCTSTR)pTool->m_strArguments));
    TypeOver(IDC_TAVOP_TOOL_INITIAL_DIR, "E:\\");
    EXPECT_EQ("E:\\", std::string((LPCTSTR)pTool->m_strInitialDirectory));
    EXPECT_EQ("C:\\tools\\stock.exe", std::string((LPCTSTR)Tool(1)->GetCommand()));
}

TEST_F(ToolsPage, BrowseSetsTheCommandAndCancelLeavesIt)
{
    Open();
    list->SelectItem(1);
    CTestSeams::QueueFileDialogCancel();
    Click(IDC_TAVOP_TOOL_BROWSE);
    EXPECT_EQ("C:\\tools\\stock.exe", Text(IDC_TAVOP_TOOL_COMMAND));
    EXPECT_EQ("C:\\tools\\stock.exe", std::string((LPCTSTR)Tool(1)->GetCommand()));

    CTestSeams::QueueFileDialogAnswer("C:\\药房\\calc.exe");
    Click(IDC_TAVOP_TOOL_BROWSE);
    EXPECT_EQ("C:\\药房\\calc.exe", Text(IDC_TAVOP_TOOL_COMMAND));
    EXPECT_EQ("C:\\药房\\calc.exe", std::string((LPCTSTR)Tool(1)->GetCommand()));
    EXPECT_EQ("-q", std::string((LPCTSTR)Tool(1)->m_strArguments));
    EXPECT_EQ("notepad.exe", std::string((LPCTSTR)Tool(0)->GetCommand()));
}

TEST_F(ToolsPage, AMacroFromTheMenuIsTypedAtTheCaret)
{
    Open();
    // The real menu, answered from the keyboard: its first item goes in at the caret.
    CTavoPMenuButton* pButton = MenuButton(IDC_TAVOP_TOOL_ARGUMENTS_MENU);
    ASSERT_NE(nullptr, pButton);
    ::SendMessage(Item(IDC_TAVOP_TOOL_ARGUMENTS), EM_SETSEL, 1, 1);
    pButton->SetFocus();
    pButton->PostMessage(WM_KEYDOWN, VK_DOWN, 1);
    pButton->PostMessage(WM_KEYDOWN, VK_RETURN, 1);
    pButton->SendMessage(WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(301, pButton->m_nMenuResult);
    EXPECT_EQ("/$(ItemPath)a", Text(IDC_TAVOP_TOOL_ARGUMENTS));
    EXPECT_EQ("/$(ItemPath)a", std::string((LPCTSTR)Tool(0)->m_strArguments));

    // A double-byte macro replaces the selection, as typing would.
    ::SendMessage(Item(IDC_TAVOP_TOOL_ARGUMENTS), EM_SETSEL, 0, 1);
    pButton->m_nMenuResult = kStockFolderMacro;
    Click(IDC_TAVOP_TOOL_ARGUMENTS_MENU);
    EXPECT_EQ("$(药品目录)$(ItemPath)a", Text(IDC_TAVOP_TOOL_ARGUMENTS));
    EXPECT_EQ("$(药品目录)$(ItemPath)a", std::string((LPCTSTR)Tool(0)->m_strArguments));

    // The directory's menu types into the directory.
    ::SendMessage(Item(IDC_TAVOP_TOOL_INITIAL_DIR), EM_SETSEL, 0, -1);
    MenuButton(IDC_TAVOP_TOOL_INITIAL_DIR_MENU)->m_nMenuResult = 304;
    Click(IDC_TAVOP_TOOL_INITIAL_DIR_MENU);
    EXPECT_EQ("$(CurDir)", std::string((LPCTSTR)Tool(0)->m_strInitialDirectory));
    EXPECT_EQ("$(药品目录)$(ItemPath)a", std::string((LPCTSTR)Tool(0)->m_strArguments));
}

TEST_F(ToolsPage, NewDeleteRenameAndMoveKeepTheManagerInStep)
{
    Open();
    list->SelectItem(1);

    // New takes the free command of the range and is named in place.
    Press(CTavoPEditableList::ID_NEW);
    Name("Shell");
    EXPECT_EQ((std::vector<std::string>{"Notepad", "Stock", "Shell"}), Labels());
    EXPECT_EQ(Labels(), Items());
    EXPECT_EQ(kFirst + 2, Tool(2)->m_uiCmdId);
    EXPECT_EQ(2, list->GetSelItem());
    EXPECT_TRUE(Enabled(IDC_TAVOP_TOOL_COMMAND));
    EXPECT_EQ("", Text(IDC_TAVOP_TOOL_COMMAND));
    TypeOver(IDC_TAVOP_TOOL_COMMAND, "cmd.exe");
    EXPECT_EQ("cmd.exe", std::string((LPCTSTR)Tool(2)->GetCommand()));

    // The range is used up: nothing is made.
    Press(CTavoPEditableList::ID_NEW);
    EXPECT_EQ(nullptr, (HWND)list->GetListCtrl().SendMessage(LVM_GETEDITCONTROL));
    EXPECT_EQ(3, list->GetCount());
    EXPECT_EQ(3, (int)manager.GetUserTools().GetCount());
    EXPECT_EQ(1u, CTestSeams::Beeps().size());

    // Moving up and down moves the manager's tools; the selected tool stays shown.
    Press(CTavoPEditableList::ID_MOVE_UP);
    Press(CTavoPEditableList::ID_MOVE_UP);
    EXPECT_EQ((std::vector<std::string>{"Shell", "Notepad", "Stock"}), Labels());
    EXPECT_EQ(Labels(), Items());
    EXPECT_EQ("cmd.exe", Text(IDC_TAVOP_TOOL_COMMAND));
    Press(CTavoPEditableList::ID_MOVE_DOWN);
    EXPECT_EQ((std::vector<std::string>{"Notepad", "Shell", "Stock"}), Labels());

    // Renaming names the tool; an empty name keeps the old one.
    ASSERT_TRUE(list->EditItem(2));
    Name("Stock card");
    ASSERT_TRUE(list->EditItem(0));
    Name("");
    EXPECT_EQ((std::vector<std::string>{"Notepad", "Shell", "Stock card"}), Labels());
    EXPECT_EQ(Labels(), Items());

    // Delete removes the tool; the neighbour is shown.
    list->SelectItem(1);
    Press(CTavoPEditableList::ID_DELETE);
    EXPECT_EQ((std::vector<std::string>{"Notepad", "Stock card"}), Labels());
    EXPECT_EQ(Labels(), Items());
    EXPECT_EQ(1, list->GetSelItem());
    EXPECT_EQ("C:\\tools\\stock.exe", Text(IDC_TAVOP_TOOL_COMMAND));
    Press(CTavoPEditableList::ID_DELETE);
    Press(CTavoPEditableList::ID_DELETE);
    EXPECT_EQ(0, (int)manager.GetUserTools().GetCount());
    EXPECT_EQ(0, list->GetCount());
    EXPECT_FALSE(Enabled(IDC_TAVOP_TOOL_COMMAND));
    EXPECT_EQ("", Text(IDC_TAVOP_TOOL_COMMAND));

    // A new tool whose naming is cancelled goes again, from the list and the manager; the
    // freed command is taken again.
    Press(CTavoPEditableList::ID_NEW);
    Name("ignored", VK_ESCAPE);
    EXPECT_EQ(0, list->GetCount());
    EXPECT_EQ(0, (int)manager.GetUserTools().GetCount());
    Press(CTavoPEditableList::ID_NEW);
    Name("Again");
    EXPECT_EQ(std::vector<std::string>{"Again"}, Labels());
    EXPECT_EQ(kFirst, Tool(0)->m_uiCmdId);
}
