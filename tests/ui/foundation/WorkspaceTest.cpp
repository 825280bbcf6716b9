#include "framework/Framework.h"
#include "framework/CTestSeams.h"
#include "tests/ui/foundation/RegistryTestKey.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPToolbarSettings.h"
#include "ui/foundation/CTavoPWorkspace.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

// The workspace builds its paths from the application's registry key and profile name.
CWinApp theTestApp(_T("vmtest"));

const char* const kAppKey = "SOFTWARE\\VorlenTests WS";
const std::string kBase = "SOFTWARE\\VorlenTests WS\\vmtest\\Settings\\";

std::vector<std::string> g_calls;

class RecordingToolBar : public CTavoPToolBarFace
{
public:
    RecordingToolBar(const char* name, HWND hwnd, BOOL bFloating = FALSE)
        : m_name(name), m_hwnd(hwnd), m_bFloating(bFloating)
    {
        CTavoPToolbarSettings::AddToolbar(this);
    }
    ~RecordingToolBar() { CTavoPToolbarSettings::RemoveToolbar(this); }

    HWND GetFaceHwnd() const override { return m_hwnd; }
    BOOL IsFloating() const override { return m_bFloating; }
    BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiID) override
    {
        g_calls.push_back("load " + m_name);
        m_strPath = lpszProfileName;
        m_nVersionSeen = GetWorkspace()->GetDataVersionMajor();
        m_bRegisterSeen = GetGlobalData().m_bRegisterCmdImages;
        if (m_bThrow)
            throw 1;
        return TRUE;
    }
    BOOL SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiID) override
    {
        g_calls.push_back("save " + m_name);
        return TRUE;
    }
    BOOL IsResourceChanged() const override { return m_bChanged; }
    void RefreshButtonImages() override { g_calls.push_back("refresh " + m_name); }

    std::string m_name;
    HWND m_hwnd;
    BOOL m_bFloating;
    BOOL m_bThrow = FALSE;
    BOOL m_bChanged = FALSE;
    CString m_strPath;
    int m_nVersionSeen = 0;
    BOOL m_bRegisterSeen = TRUE;
};

class RecordingFrameImpl : public CTavoPFrameImplFace
{
public:
    explicit RecordingFrameImpl(HWND hwnd) : m_hwnd(hwnd) {}
    HWND GetFrameHwnd() const override { return m_hwnd; }
    void LoadUserToolbars() override { g_calls.push_back("load user toolbars"); }
    void SaveUserToolbars(BOOL) override { g_calls.push_back("save user toolbars"); }
    void LoadTearOffMenus() override { g_calls.push_back("load tear-off bars"); }
    void SaveTearOffMenus(BOOL) override { g_calls.push_back("save tear-off bars"); }
    void LoadFrameworkDockState(LPCTSTR lpszSection) override
    {
        g_calls.push_back(std::string("load framework dock state ") + lpszSection);
    }
    void SaveFrameworkDockState(LPCTSTR lpszSection) override
    {
        g_calls.push_back(std::string("save framework dock state ") + lpszSection);
    }
    BOOL IsDockStateValid() override
    {
        g_calls.push_back("check dock state");
        return m_bValid;
    }
    void ApplyFrameworkDockState() override { g_calls.push_back("apply framework dock state"); }
    void LoadDockState(LPCTSTR) override { g_calls.push_back("load dock layout"); }
    void SaveDockState(LPCTSTR) override { g_calls.push_back("save dock layout"); }
    void RecalcLayout() override { g_calls.push_back("layout"); }

    HWND m_hwnd;
    BOOL m_bValid = TRUE;
};

class RecordingManager : public CTavoPManagerFace
{
public:
    RecordingManager(const char* name, int* pDeleted = NULL) : m_name(name), m_pDeleted(pDeleted) {}
    ~RecordingManager()
    {
        if (m_pDeleted != NULL)
            ++*m_pDeleted;
    }
    BOOL LoadState(LPCTSTR, CWnd* pFrame) override
    {
        g_calls.push_back("load " + m_name + (pFrame != NULL ? " with frame" : ""));
        return TRUE;
    }
    BOOL SaveState(LPCTSTR, CWnd* pFrame) override
    {
        g_calls.push_back("save " + m_name + (pFrame != NULL ? " with frame" : ""));
        return TRUE;
    }
    UINT GetViewCommand(int) override { return m_uiCommand; }
    BOOL InvokeTool(UINT uiCmd) override { return uiCmd == m_uiTool; }

    std::string m_name;
    int* m_pDeleted;
    UINT m_uiCommand = 0;
    UINT m_uiTool = 0;
};

BOOL LoadParameters(LPCTSTR)
{
    g_calls.push_back("load toolbar options");
    return TRUE;
}
BOOL SaveParameters(LPCTSTR)
{
    g_calls.push_back("save toolbar options");
    return TRUE;
}
BOOL LoadRebars(LPCTSTR, HWND)
{
    g_calls.push_back("load rebars");
    return TRUE;
}
BOOL SaveRebars(LPCTSTR, HWND)
{
    g_calls.push_back("save rebars");
    return TRUE;
}
void SaveUserImages()
{
    g_calls.push_back("save user images");
}

// A frame window with a child window for each docked toolbar; records the commands it gets.
class TestFrameWindows
{
public:
    TestFrameWindows()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = FrameProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "VorlenWorkspaceTestFrame";
        ::RegisterClassA(&wc);
        frame = ::CreateWindowA(wc.lpszClassName, "frame", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                NULL, NULL, wc.hInstance, NULL);
        for (HWND& h : bars)
            h = ::CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 50, 20, frame, NULL, wc.hInstance,
                                NULL);
        s_commands.clear();
    }
    ~TestFrameWindows() { ::DestroyWindow(frame); }

    HWND frame;
    HWND bars[3];
    static std::vector<WPARAM> s_commands;

private:
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_COMMAND)
            s_commands.push_back(wParam);
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
};
std::vector<WPARAM> TestFrameWindows::s_commands;

class Workspace : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theTestApp.SetRegistryKey(_T("VorlenTests WS"));
        g_calls.clear();
        GetCommandManager()->ClearAllCmdImages();
        CTavoPToolbarSettings::m_pfnLoadParameters = LoadParameters;
        CTavoPToolbarSettings::m_pfnSaveParameters = SaveParameters;
        CTavoPToolbarSettings::m_pfnLoadRebarState = LoadRebars;
        CTavoPToolbarSettings::m_pfnSaveRebarState = SaveRebars;
        CTavoPToolbarSettings::m_pfnSaveUserImages = SaveUserImages;
    }
    void TearDown() override
    {
        CTavoPToolbarSettings::m_pfnLoadParameters = NULL;
        CTavoPToolbarSettings::m_pfnSaveParameters = NULL;
        CTavoPToolbarSettings::m_pfnLoadRebarState = NULL;
        CTavoPToolbarSettings::m_pfnSaveRebarState = NULL;
        CTavoPToolbarSettings::m_pfnSaveUserImages = NULL;
        GetCommandManager()->ClearAllCmdImages();
    }

    RegistryTestKey scratch{kAppKey};
};

TEST_F(Workspace, PathsAreBuiltUnderTheApplicationKey)
{
    CTavoPWorkspace workspace(TRUE);
    EXPECT_STREQ(workspace.GetRegistryBase(), _T("TavoWorkspace"));
    workspace.SetRegistryBase(_T("Settings"));
    EXPECT_EQ(std::string(workspace.GetRegSectionPath()), kBase);
    EXPECT_EQ(std::string(workspace.GetRegSectionPath(_T("WindowPlacement"))),
              kBase + "WindowPlacement\\");
    EXPECT_EQ(GetWorkspace(), &workspace);
}

TEST_F(Workspace, SaveWritesVersionAndCommandsWithoutImages)
{
    CTavoPWorkspace workspace(TRUE);
    workspace.SetRegistryBase(_T("Settings"));
    GetCommandManager()->EnableMenuItemImage(32771, FALSE);
    GetCommandManager()->EnableMenuItemImage(32827, FALSE);
    ASSERT_TRUE(workspace.SaveState());

    DWORD dwType = 0;
    EXPECT_EQ(RegistryTestKey::Value(kBase + "TavoControlBarVersion", "Major", &dwType),
              (std::vector<BYTE>{6, 0, 0, 0}));
    EXPECT_EQ(dwType, (DWORD)REG_DWORD);
    EXPECT_EQ(RegistryTestKey::Value(kBase + "TavoControlBarVersion", "Minor"),
              (std::vector<BYTE>{2, 0, 0, 0}));
    EXPECT_EQ(
        RegistryTestKey::Value(kBase + "TavoCommandManager", "CommandsWithoutImages", &dwType),
        (std::vector<BYTE>{0x02, 0x00, 0x03, 0x80, 0x00, 0x00, 0x3B, 0x80, 0x00, 0x00}));
    EXPECT_EQ(dwType, (DWORD)REG_BINARY);
}

TEST_F(Workspace, WindowPlacementIsStoredAsRawRectFlagsAndShowCommand)
{
    CTavoPWorkspace workspace(TRUE);
    workspace.SetRegistryBase(_T("Settings"));
    CRect rect;
    int nFlags = 0, nShow = 0;
    EXPECT_FALSE(workspace.LoadWindowPlacement(rect, nFlags, nShow));

    ASSERT_TRUE(workspace.StoreWindowPlacement(CRect(10, 20, 300, 400), 2, SW_SHOWMAXIMIZED));
    const std::string key = kBase + "WindowPlacement";
    DWORD dwType = 0;
    EXPECT_EQ(RegistryTestKey::Value(key, "MainWindowRect", &dwType),
              (std::vector<BYTE>{10, 0, 0, 0, 20, 0, 0, 0, 0x2C, 1, 0, 0, 0x90, 1, 0, 0}));
    EXPECT_EQ(dwType, (DWORD)REG_BINARY);
    EXPECT_EQ(RegistryTestKey::Value(key, "Flags", &dwType), (std::vector<BYTE>{2, 0, 0, 0}));
    EXPECT_EQ(dwType, (DWORD)REG_DWORD);
    EXPECT_EQ(RegistryTestKey::Value(key, "ShowCmd"),
              (std::vector<BYTE>{SW_SHOWMAXIMIZED, 0, 0, 0}));

    ASSERT_TRUE(workspace.LoadWindowPlacement(rect, nFlags, nShow));
    EXPECT_EQ(rect, CRect(10, 20, 300, 400));
    EXPECT_EQ(nFlags, 2);
    EXPECT_EQ(nShow, SW_SHOWMAXIMIZED);

    // A placement missing one of its values is not used.
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, key.c_str(), "ShowCmd");
    EXPECT_FALSE(workspace.LoadWindowPlacement(rect, nFlags, nShow));
}

TEST_F(Workspace, LoadAndSaveVisitEveryPartInTheFixedOrder)
{
    TestFrameWindows windows;
    RecordingToolBar first("toolbar 1", windows.bars[0]);
    RecordingToolBar floating("floating toolbar", windows.bars[1], TRUE);
    RecordingToolBar last("toolbar 3", windows.bars[2]);
    RecordingToolBar gone("destroyed toolbar", NULL);
    RecordingFrameImpl frameImpl(windows.frame);

    CTavoPWorkspace workspace(TRUE);
    workspace.SetRegistryBase(_T("Settings"));
    RecordingManager mouse("mouse"), context("context menus"), keyboard("keyboard"),
        tools("user tools");
    workspace.m_pMouseManager = &mouse;
    workspace.m_pContextMenuManager = &context;
    workspace.m_pKeyboardManager = &keyboard;
    workspace.m_pUserToolsManager = &tools;

    ASSERT_TRUE(workspace.LoadState(NULL, &frameImpl));
    const std::vector<std::string> loadOrder = {
        "load toolbar options",
        "load rebars",
        "load toolbar 1",
        "load toolbar 3",
        "load user toolbars",
        "load tear-off bars",
        "load framework dock state Settings\\ControlBars",
        "check dock state",
        "load dock layout",
        "apply framework dock state",
        "load mouse",
        "load context menus",
        "load keyboard",
        "load user tools",
    };
    EXPECT_EQ(g_calls, loadOrder);
    EXPECT_EQ(std::string(first.m_strPath), kBase);

    g_calls.clear();
    ASSERT_TRUE(workspace.SaveState(NULL, &frameImpl));
    const std::vector<std::string> saveOrder = {
        "save toolbar options",
        "save framework dock state Settings\\ControlBars",
        "save dock layout",
        "save toolbar 1",
        "save floating toolbar",
        "save toolbar 3",
        "save user toolbars",
        "save tear-off bars",
        "save rebars",
        "save user images",
        "save mouse",
        "save context menus",
        "save keyboard",
        "save user tools",
    };
    EXPECT_EQ(g_calls, saveOrder);

    workspace.m_pMouseManager = workspace.m_pContextMenuManager = NULL;
    workspace.m_pKeyboardManager = workspace.m_pUserToolsManager = NULL;
}

TEST_F(Workspace, ThisFrameOnlyLeavesOtherFramesToolbarsAlone)
{
    TestFrameWindows windows, otherWindows;
    RecordingToolBar mine("mine", windows.bars[0]);
    RecordingToolBar theirs("theirs", otherWindows.bars[0]);
    RecordingFrameImpl frameImpl(windows.frame);
    CTavoPWorkspace workspace(TRUE);
    workspace.m_bLoadSaveFrameBarsOnly = TRUE;
    workspace.LoadState(_T("Settings"), &frameImpl);
    workspace.SaveState(_T("Settings"), &frameImpl);
    EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "load mine"), 1);
    EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "save mine"), 1);
    EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "load theirs"), 0);
    EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "save theirs"), 0);
}

TEST_F(Workspace, LoadWithoutAFrameTouchesNoBars)
{
    TestFrameWindows windows;
    RecordingToolBar bar("toolbar", windows.bars[0]);
    CTavoPWorkspace workspace(TRUE);
    ASSERT_TRUE(workspace.LoadState(_T("Settings")));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"load toolbar options"}));
    EXPECT_STREQ(workspace.GetRegistryBase(), _T("Settings"));
}

TEST_F(Workspace, DockStateThatDoesNotFitIsNotApplied)
{
    TestFrameWindows windows;
    RecordingFrameImpl frameImpl(windows.frame);
    frameImpl.m_bValid = FALSE;
    CTavoPWorkspace workspace(TRUE);
    workspace.LoadState(_T("Settings"), &frameImpl);
    EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "apply framework dock state"), 0);

    g_calls.clear();
    workspace.m_bForceDockStateLoad = TRUE;
    workspace.LoadState(_T("Settings"), &frameImpl);
    EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "check dock state"), 0);
    EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "apply framework dock state"), 1);
}

TEST_F(Workspace, VersionIsTheStoredOneDuringLoadAndCurrentAfter)
{
    TestFrameWindows windows;
    RecordingToolBar bar("toolbar", windows.bars[0]);
    RecordingFrameImpl frameImpl(windows.frame);
    CTavoPWorkspace workspace(TRUE);
    EXPECT_EQ(workspace.GetDataVersionMajor(), -1);

    workspace.LoadState(_T("Settings"), &frameImpl);
    EXPECT_EQ(bar.m_nVersionSeen, -1);
    EXPECT_EQ(workspace.GetDataVersionMajor(), 6);
    EXPECT_EQ(workspace.GetDataVersionMinor(), 2);

    RegistryTestKey::SetDword(kBase + "TavoControlBarVersion", "Major", 5);
    RegistryTestKey::SetDword(kBase + "TavoControlBarVersion", "Minor", 1);
    workspace.LoadState(_T("Settings"), &frameImpl);
    EXPECT_EQ(bar.m_nVersionSeen, 5);
    EXPECT_EQ(workspace.GetDataVersionMajor(), 6);
}

TEST_F(Workspace, ChangedToolbarButtonsRefreshAllImages)
{
    TestFrameWindows windows;
    RecordingToolBar changed("changed", windows.bars[0]);
    RecordingToolBar other("other", windows.bars[1]);
    changed.m_bChanged = TRUE;
    RecordingFrameImpl frameImpl(windows.frame);
    CTavoPWorkspace workspace(TRUE);
    workspace.LoadState(_T("Settings"), &frameImpl);
    EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "refresh changed"), 1);
    EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "refresh other"), 1);
    EXPECT_EQ(g_calls.back(), "layout");

    g_calls.clear();
    CTavoPWorkspace plain(FALSE);
    plain.LoadState(_T("Settings"), &frameImpl);
    EXPECT_EQ(std::count(g_calls.begin(), g_calls.end(), "layout"), 0);
}

TEST_F(Workspace, ImageRegistrationIsPausedDuringLoadAndRestoredWhenItThrows)
{
    TestFrameWindows windows;
    RecordingToolBar bar("toolbar", windows.bars[0]);
    bar.m_bThrow = TRUE;
    RecordingFrameImpl frameImpl(windows.frame);
    CTavoPWorkspace workspace(TRUE);
    ASSERT_TRUE(GetGlobalData().m_bRegisterCmdImages);
    EXPECT_ANY_THROW(workspace.LoadState(_T("Settings"), &frameImpl));
    EXPECT_FALSE(bar.m_bRegisterSeen);
    EXPECT_TRUE(GetGlobalData().m_bRegisterCmdImages);
}

TEST_F(Workspace, DisabledSaveWritesNothing)
{
    TestFrameWindows windows;
    RecordingFrameImpl frameImpl(windows.frame);
    CTavoPWorkspace workspace(TRUE);
    workspace.SetRegistryBase(_T("Settings"));
    workspace.m_bSaveState = FALSE;
    EXPECT_FALSE(workspace.SaveState(NULL, &frameImpl));
    EXPECT_FALSE(RegistryTestKey::Exists(kAppKey));
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(Workspace, CleanStateRemovesTheWholeBase)
{
    CTavoPWorkspace workspace(TRUE);
    workspace.SetRegistryBase(_T("Settings"));
    workspace.SaveState();
    workspace.StoreWindowPlacement(CRect(0, 0, 10, 10), 0, SW_SHOW);
    ASSERT_TRUE(RegistryTestKey::Exists(kBase + "WindowPlacement"));
    EXPECT_TRUE(workspace.CleanState());
    EXPECT_FALSE(RegistryTestKey::Exists(kBase.substr(0, kBase.size() - 1)));
}

TEST_F(Workspace, ViewDoubleClickRunsTheBoundCommand)
{
    TestFrameWindows windows;
    CTestSeams::Engage();
    CTestSeams::Clear();
    CWnd* pView = CWnd::FromHandle(windows.bars[0]);
    CTavoPWorkspace workspace(TRUE);
    EXPECT_FALSE(workspace.OnViewDoubleClick(pView, 1));

    RecordingManager mouse("mouse"), tools("user tools");
    workspace.m_pMouseManager = &mouse;
    mouse.m_uiCommand = 0;
    EXPECT_FALSE(workspace.OnViewDoubleClick(pView, 1));
    EXPECT_EQ(CTestSeams::Beeps().size(), 1u);

    mouse.m_uiCommand = 32800;
    EXPECT_FALSE(workspace.OnViewDoubleClick(NULL, 1)) << "no window and no main window";
    EXPECT_TRUE(workspace.OnViewDoubleClick(pView, 1));
    EXPECT_EQ(TestFrameWindows::s_commands, (std::vector<WPARAM>{32800}));
    // Without a window the application's main window gets the command.
    theTestApp.m_pMainWnd = CWnd::FromHandle(windows.frame);
    EXPECT_TRUE(workspace.OnViewDoubleClick(NULL, 1));
    theTestApp.m_pMainWnd = NULL;
    EXPECT_EQ(TestFrameWindows::s_commands, (std::vector<WPARAM>{32800, 32800}));

    workspace.m_pUserToolsManager = &tools;
    tools.m_uiTool = 32800;
    EXPECT_TRUE(workspace.OnViewDoubleClick(pView, 1));
    EXPECT_EQ(TestFrameWindows::s_commands.size(), 2u) << "a user tool is run, not sent";

    workspace.m_pMouseManager = workspace.m_pUserToolsManager = NULL;
    CTestSeams::Release();
}

TEST_F(Workspace, DestructionDeletesOnlyTheManagersItCreated)
{
    int nDeleted = 0;
    RecordingManager borrowed("borrowed", &nDeleted);
    {
        CTavoPWorkspace workspace(TRUE);
        workspace.m_pKeyboardManager = new RecordingManager("keyboard", &nDeleted);
        workspace.m_bKeyboardManagerAutocreated = TRUE;
        workspace.m_pMouseManager = &borrowed;
    }
    EXPECT_EQ(nDeleted, 1);
    EXPECT_EQ(GetWorkspace(), nullptr);
}

} // namespace
