// User tools: defined, kept in the registry as an object list, put into menus and run through the shell.
#include "framework/CTestSeams.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/Mutations.h"
#include "tests/support/RegistryTestKey.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPMouseManager.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/foundation/CTavoPWorkspace.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kRoot = "SOFTWARE\\VorlenTests UT";
const std::string kProfile = "SOFTWARE\\VorlenTests UT\\Settings\\";
const UINT kDummy = 33000, kFirst = 33001, kLast = 33003;

void Append(Bytes& bytes, const std::string& str)
{
    bytes.push_back((BYTE)str.size());
    bytes.insert(bytes.end(), str.begin(), str.end());
}

// One tool's part of the stored list: label, command, arguments, directory, command ID.
void AppendTool(Bytes& bytes, const std::string& label, const std::string& command,
                const std::string& arguments, const std::string& directory, UINT uiCmd)
{
    Append(bytes, label);
    Append(bytes, command);
    Append(bytes, arguments);
    Append(bytes, directory);
    for (int i = 0; i < 4; i++)
        bytes.push_back((BYTE)(uiCmd >> (8 * i)));
}

Bytes TwoToolList(const std::string& className)
{
    Bytes bytes = {2, 0, 0xFF, 0xFF, 1, 0, (BYTE)className.size(), 0};
    bytes.insert(bytes.end(), className.begin(), className.end());
    AppendTool(bytes, "Notes", "notepad.exe", "/a", "C:\\", kFirst);
    bytes.push_back(0x01);
    bytes.push_back(0x80);
    AppendTool(bytes, "Calc", "C:\\tools\\calc.exe", "", "", kLast);
    return bytes;
}

class UserTools : public ::testing::Test
{
protected:
    UserTools() : manager(kDummy, kFirst, kLast)
    {
        CTestSeams::Engage();
        CTestSeams::Clear();
    }
    ~UserTools() override { CTestSeams::Release(); }

    CTavoPUserTool* AddTool(const char* label, const char* command)
    {
        CTavoPUserTool* pTool = manager.CreateNewTool();
        pTool->m_strLabel = label;
        pTool->SetCommand(command);
        return pTool;
    }

    std::vector<std::string> Labels(HMENU hMenu)
    {
        std::vector<std::string> labels;
        for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
        {
            char sz[64] = {};
            ::GetMenuStringA(hMenu, (UINT)i, sz, sizeof sz, MF_BYPOSITION);
            labels.push_back(::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION) & MF_SEPARATOR ? "-"
                                                                                          : sz);
        }
        return labels;
    }

    RegistryTestKey scratch{kRoot};
    CTavoPUserToolsManager manager;
};

TEST_F(UserTools, ListIsStoredAsObjectsOfOneClassAndComesBack)
{
    CTavoPUserTool* pNotes = AddTool("Notes", "notepad.exe");
    pNotes->m_strArguments = "/a";
    pNotes->m_strInitialDirectory = "C:\\";
    AddTool("Spare", "");
    CTavoPUserTool* pCalc = AddTool("Calc", "C:\\tools\\calc.exe");
    pCalc->m_uiCmdId = kLast;
    EXPECT_EQ(manager.CreateNewTool(), (CTavoPUserTool*)NULL) << "the range is used up";
    ASSERT_TRUE(manager.RemoveTool(manager.FindTool(kFirst + 1)));

    ASSERT_TRUE(manager.SaveState(kProfile.c_str()));
    EXPECT_EQ(RegistryTestKey::Value(kProfile, "Tools"), TwoToolList("CTavoPUserTool"));

    CTavoPUserToolsManager loaded(kDummy, kFirst, kLast);
    ASSERT_TRUE(loaded.LoadState(kProfile.c_str()));
    ASSERT_EQ(loaded.GetUserTools().GetCount(), 2);
    CTavoPUserTool* pTool = loaded.FindTool(kFirst);
    ASSERT_NE(pTool, (CTavoPUserTool*)NULL);
    EXPECT_EQ(pTool->m_strLabel, "Notes");
    EXPECT_EQ(pTool->GetCommand(), "notepad.exe");
    EXPECT_EQ(pTool->m_strArguments, "/a");
    EXPECT_EQ(pTool->m_strInitialDirectory, "C:\\");
    EXPECT_NE(pTool->GetIcon(), (HICON)NULL);
    EXPECT_EQ(loaded.FindTool(kLast)->m_strLabel, "Calc");

    // An empty list is a zero count.
    CTavoPUserToolsManager empty(kDummy, kFirst, kLast);
    ASSERT_TRUE(empty.SaveState(kProfile.c_str()));
    EXPECT_EQ(RegistryTestKey::Value(kProfile, "Tools"), (Bytes{0, 0}));
}

TEST_F(UserTools, StoredObjectsOfAnotherClassAreNotMade)
{
    AddTool("Old", "notepad.exe");
    CTavoPMouseManager mouse;
    // A creatable class of the library under the tools' name: nothing of it may be made.
    RegistryTestKey::SetBinary(kProfile, "Tools", TwoToolList("CTavoPMouseManager"));
    EXPECT_FALSE(manager.LoadState(kProfile.c_str()));
    EXPECT_TRUE(manager.GetUserTools().IsEmpty());
    EXPECT_EQ(GetMouseManager(), &mouse);

    const Bytes good = TwoToolList("CTavoPUserTool");
    struct Case
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"cut short", Bytes(good.begin(), good.end() - 3)},
        {"the first tool twice",
         [&good] {
             Bytes b = good;
             b[0] = 3;
             b.push_back(0x02);
             b.push_back(0x80);
             return b;
         }()},
        {"a null object", Bytes{1, 0, 0, 0}},
    };
    for (const Case& c : cases)
    {
        RegistryTestKey::SetBinary(kProfile, "Tools", c.bytes);
        EXPECT_FALSE(manager.LoadState(kProfile.c_str())) << c.what;
        EXPECT_TRUE(manager.GetUserTools().IsEmpty()) << c.what;
    }
}

TEST_F(UserTools, ToolsAreFoundInsideTheirRangeOnly)
{
    CTavoPUserTool* pTool = AddTool("Notes", "notepad.exe");
    EXPECT_EQ(manager.FindTool(kFirst), pTool);
    pTool->m_uiCmdId = kFirst - 1;
    EXPECT_EQ(manager.FindTool(kFirst - 1), (CTavoPUserTool*)NULL);
    pTool->m_uiCmdId = kLast + 1;
    EXPECT_EQ(manager.FindTool(kLast + 1), (CTavoPUserTool*)NULL);
    EXPECT_FALSE(manager.InvokeTool(kLast + 1));
    EXPECT_TRUE(CTestSeams::ShellLaunches().empty());
}

TEST_F(UserTools, AToolRunsThroughTheShellAndAFailedLaunchIsShown)
{
    CTavoPUserTool* pTool = AddTool("Notes", "C:\\tools\\notes.exe");
    pTool->m_strArguments = "$(File)";
    pTool->m_strInitialDirectory = "C:\\work";
    ASSERT_TRUE(manager.InvokeTool(kFirst));
    ASSERT_EQ(CTestSeams::ShellLaunches().size(), 1u);
    const CTestSeams::ShellCall& call = CTestSeams::ShellLaunches()[0];
    EXPECT_EQ(call.strVerb, "");
    EXPECT_EQ(call.strFile, "C:\\tools\\notes.exe");
    EXPECT_EQ(call.strParameters, "$(File)");
    EXPECT_EQ(call.strDirectory, "C:\\work");
    EXPECT_EQ(call.nShowCmd, SW_SHOWNORMAL);
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());

    // The program is gone (the shell's "file not found").
    CTestSeams::QueueShellResult(2);
    EXPECT_FALSE(manager.InvokeTool(kFirst));
    ASSERT_EQ(CTestSeams::MessageBoxes().size(), 1u);
    EXPECT_GE(CTestSeams::MessageBoxes()[0].strText.Find("C:\\tools\\notes.exe"), 0);

    // No program at all: nothing is launched, and the user hears of it as well.
    pTool->SetCommand("");
    EXPECT_FALSE(manager.InvokeTool(kFirst));
    EXPECT_EQ(CTestSeams::ShellLaunches().size(), 2u);
    EXPECT_EQ(CTestSeams::MessageBoxes().size(), 2u);
}

TEST_F(UserTools, CommandsGetTheirFilesIconOrTheSharedDefault)
{
    CTavoPUserTool* pFound = AddTool("Notes", "notepad.exe");
    CTavoPUserTool* pUnknown = AddTool("Nothing", "no-such-program-here.exe");
    CTavoPUserTool* pOther = AddTool("Other", "no-such-program-either.exe");
    const HICON hDefault = pUnknown->GetIcon();
    ASSERT_NE(hDefault, (HICON)NULL);
    EXPECT_EQ(pOther->GetIcon(), hDefault);
    EXPECT_NE(pFound->GetIcon(), hDefault) << "found along the search path";

    // The same command again keeps the icon it has.
    const HICON hFound = pFound->GetIcon();
    EXPECT_FALSE(pFound->SetCommand("notepad.exe"));
    EXPECT_EQ(pFound->GetIcon(), hFound);

    // A tool that goes leaves the shared icon to the others.
    manager.RemoveTool(pUnknown);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(pOther->GetIcon(), &info));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
}

TEST_F(UserTools, IconIsDrawnCentredAndNeverBeforeTheRectangle)
{
    // The default icon: a transparent corner, then a dark frame one pixel in.
    CTavoPUserTool* pTool = AddTool("Nothing", "no-such-program-here.exe");
    const int cx = ::GetSystemMetrics(SM_CXSMICON);
    ASSERT_EQ(cx, 16);
    const COLORREF frame = RGB(64, 64, 64), white = RGB(255, 255, 255);
    struct Case
    {
        CRect rect;
        CPoint origin;
    } cases[] = {
        {CRect(0, 0, 40, 40), CPoint(12, 12)},
        {CRect(10, 20, 60, 30), CPoint(27, 20)},
        {CRect(5, 5, 15, 15), CPoint(5, 5)},
    };
    for (const Case& c : cases)
    {
        DibCanvas canvas(80, 80, white);
        pTool->DrawToolIcon(CDC::FromHandle(canvas.dc()), c.rect);
        EXPECT_EQ(canvas.Pixel(c.origin.x, c.origin.y), white) << c.origin.x;
        EXPECT_EQ(canvas.Pixel(c.origin.x + 1, c.origin.y + 1), frame) << c.origin.x;
        EXPECT_EQ(canvas.Pixel(c.origin.x + 14, c.origin.y + 14), frame) << c.origin.x;
    }
}

TEST_F(UserTools, MenuTakesTheToolsInPlaceOfItsDummyItem)
{
    struct Case
    {
        const char* what;
        std::vector<const char*> tools;
        std::vector<std::string> before;
        std::vector<std::string> expected;
    } cases[] = {
        {"between items", {"A", "B"}, {"Open", "@", "Exit"}, {"Open", "-", "A", "B", "-", "Exit"}},
        {"after a separator", {"A"}, {"Open", "-", "@"}, {"Open", "-", "A"}},
        {"first", {"A"}, {"@", "Exit"}, {"A", "-", "Exit"}},
        {"no tools", {}, {"Open", "-", "@", "-", "Exit"}, {"Open", "-", "Exit"}},
    };
    for (const Case& c : cases)
    {
        CTavoPUserToolsManager tools(kDummy, kFirst, kLast);
        for (const char* label : c.tools)
            tools.CreateNewTool()->m_strLabel = label;

        HMENU hMenu = ::CreateMenu();
        HMENU hPopup = ::CreatePopupMenu();
        UINT uiCmd = 100;
        for (const std::string& item : c.before)
        {
            if (item == "-")
                ::AppendMenuA(hPopup, MF_SEPARATOR, 0, NULL);
            else
                ::AppendMenuA(hPopup, MF_STRING, item == "@" ? kDummy : uiCmd++, item.c_str());
        }
        ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hPopup, "Tools");

        EXPECT_TRUE(tools.ReplaceToolsItem(hMenu)) << c.what;
        EXPECT_EQ(Labels(hPopup), c.expected) << c.what;
        if (!c.tools.empty())
        {
            char sz[16] = {};
            ::GetMenuStringA(hPopup, kFirst, sz, sizeof sz, MF_BYCOMMAND);
            EXPECT_STREQ(sz, c.tools[0]) << c.what;
        }
        EXPECT_FALSE(tools.ReplaceToolsItem(hMenu)) << "the dummy item is gone";
        ::DestroyMenu(hMenu);
    }
}

// The tools page moves tools up and down the list; the list's order is the menus' order.
TEST_F(UserTools, MoveToolPutsAToolAtAnyPlace)
{
    std::vector<CTavoPUserTool*> tools;
    for (const char* label : {"a", "b", "c"})
        tools.push_back(AddTool(label, ""));
    auto order = [this] {
        std::string s;
        for (POSITION pos = manager.GetUserTools().GetHeadPosition(); pos != NULL;)
            s += (LPCTSTR)((CTavoPUserTool*)manager.GetUserTools().GetNext(pos))->m_strLabel;
        return s;
    };
    const struct
    {
        int tool;
        int index;
        const char* order;
    } cases[] = {{0, 2, "bca"}, {0, 0, "abc"}, {2, 1, "acb"}, {1, 9, "acb"}, {1, -1, "bac"}};
    for (const auto& c : cases)
    {
        EXPECT_TRUE(manager.MoveTool(tools[c.tool], c.index));
        EXPECT_EQ(c.order, order()) << c.tool << " to " << c.index;
    }
    CTavoPUserTool stranger;
    EXPECT_FALSE(manager.MoveTool(&stranger, 0));
    EXPECT_EQ(3, (int)manager.GetUserTools().GetCount());
}

TEST_F(UserTools, MutatedStoredListsLeaveAManagerThatFindsRunsAndSavesItsTools)
{
    const Bytes valid = TwoToolList("CTavoPUserTool");
    std::mt19937 random(35);
    int nLoaded = 0;
    for (int i = 0; i < 1500; i++)
    {
        RegistryTestKey::SetBinary(kProfile, "Tools", Mutate(valid, random));
        const BOOL bLoaded = manager.LoadState(kProfile.c_str());
        nLoaded += bLoaded;
        const std::string what = "mutation " + std::to_string(i);
        const CObList& tools = manager.GetUserTools();
        ASSERT_TRUE(bLoaded || tools.IsEmpty()) << what;
        std::set<const CObject*> seen;
        for (POSITION pos = tools.GetHeadPosition(); pos != NULL;)
        {
            const CObject* pTool = tools.GetNext(pos);
            ASSERT_NE(nullptr, pTool) << what;
            ASSERT_TRUE(pTool->IsKindOf(RUNTIME_CLASS(CTavoPUserTool))) << what;
            ASSERT_TRUE(seen.insert(pTool).second) << what;
        }
        // Saved again, the list comes back whole.
        ASSERT_TRUE(manager.SaveState(kProfile.c_str())) << what;
        CTavoPUserToolsManager again(kDummy, kFirst, kLast);
        ASSERT_TRUE(again.LoadState(kProfile.c_str())) << what;
        ASSERT_EQ(tools.GetCount(), again.GetUserTools().GetCount()) << what;
    }
    EXPECT_GT(nLoaded, 0);
    EXPECT_LT(nLoaded, 1500);
}

// A tool's button on a toolbar of a plain frame, which has no handler for the tool's command.
TEST_F(UserTools, AToolsToolbarButtonRunsItStaysEnabledAndShowsItsIconAndLabel)
{
    CTavoPWorkspace workspace(TRUE);
    workspace.m_pUserToolsManager = &manager;
    AddTool("Notes", "no-such-program-here.exe"); // shows the default icon
    const UINT kUnhandled = 34000;
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "tools", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 200)));
    ASSERT_TRUE(pFrame->m_bAutoMenuEnable);
    CTavoPToolBar bar;
    ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS));
    bar.InsertButton(new CTavoPToolbarButton(kFirst, 0, "Notes"));
    bar.InsertButton(new CTavoPToolbarButton(kUnhandled, 0, "Other"));
    bar.AdjustLayout();

    // Auto-enable greys a command nobody handles, but a tool runs through the tools manager.
    bar.OnUpdateCmdUI(pFrame, TRUE);
    EXPECT_EQ(0u, bar.GetButtonStyle(0) & TBBS_DISABLED);
    EXPECT_NE(0u, bar.GetButtonStyle(1) & TBBS_DISABLED);
    bar.UpdateButton(0);
    EXPECT_EQ(0u, bar.GetButtonStyle(0) & TBBS_DISABLED);

    // Its tip is the tool's label: a tool has no string resource.
    CTavoPToolBar::m_bShowTooltips = TRUE;
    const CPoint at = bar.GetButton(0)->Rect().CenterPoint();
    TOOLINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_EQ((INT_PTR)kFirst, bar.OnToolHitTest(at, &info));
    ASSERT_NE(nullptr, info.lpszText);
    EXPECT_STREQ("Notes", info.lpszText);
    free(info.lpszText);

    // A click runs the tool.
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    ASSERT_EQ(1u, CTestSeams::ShellLaunches().size());
    EXPECT_EQ(CTestSeams::ShellLaunches()[0].strFile, "no-such-program-here.exe");

    // It shows the tool's icon (the default one: a dark frame one pixel in) in place of image 0.
    const COLORREF frame = RGB(64, 64, 64), white = RGB(255, 255, 255);
    DibCanvas canvas(40, 40, white);
    bar.GetButton(0)->OnDraw(CDC::FromHandle(canvas.dc()), CRect(0, 0, 40, 40), NULL, TRUE, FALSE,
                             FALSE, FALSE, TRUE);
    EXPECT_EQ(frame, canvas.Pixel(13, 13));
    EXPECT_EQ(frame, canvas.Pixel(26, 26));

    bar.DestroyWindow();
    pFrame->DestroyWindow();
    workspace.m_pUserToolsManager = NULL;
}

// A double click in a view runs the tool bound to it, through the workspace.
TEST_F(UserTools, DoubleClickInAViewRunsItsTool)
{
    CTavoPWorkspace workspace(TRUE);
    CTavoPMouseManager mouse;
    workspace.m_pMouseManager = &mouse;
    workspace.m_pUserToolsManager = &manager;
    AddTool("Notes", "C:\\tools\\notes.exe");
    mouse.AddView(7, "Grid");
    mouse.SetViewCommand(7, kFirst);

    EXPECT_TRUE(workspace.OnViewDoubleClick(NULL, 7));
    ASSERT_EQ(CTestSeams::ShellLaunches().size(), 1u);
    EXPECT_EQ(CTestSeams::ShellLaunches()[0].strFile, "C:\\tools\\notes.exe");

    workspace.m_pMouseManager = NULL;
    workspace.m_pUserToolsManager = NULL;
}

} // namespace
