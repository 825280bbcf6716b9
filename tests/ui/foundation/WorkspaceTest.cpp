#include "framework/Framework.h"
#include "framework/CTestSeams.h"
#include "tests/support/BmpFile.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/TestApp.h"
#include "ui/bars/frames/CTavoPFrameImpl.h"
#include "ui/commandbars/CTavoPReBar.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPContextMenuManager.h"
#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include "ui/commandbars/managers/CTavoPMouseManager.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPRegistry.h"
#include "ui/foundation/CTavoPRegistryHolder.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPWorkspace.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const kAppKey = "SOFTWARE\\VorlenTests WS";
const std::string kBase = "SOFTWARE\\VorlenTests WS\\vmtest\\Settings\\";

std::vector<std::string> g_calls;

// The user-image strip under watch: its save shows in the record as the first call after it.
CTavoPToolbarImageList* g_pWatchedImages = NULL;
BOOL g_bImagesUnsaved = FALSE;

void Record(const std::string& call)
{
    if (g_pWatchedImages != NULL && g_bImagesUnsaved && !g_pWatchedImages->IsModified())
    {
        g_calls.push_back("save user images");
        g_bImagesUnsaved = FALSE;
    }
    g_calls.push_back(call);
}

bool EndsWith(const CString& str, const char* lpszTail)
{
    const int n = (int)strlen(lpszTail);
    return str.GetLength() >= n && str.Right(n) == lpszTail;
}

} // namespace

// Registry access that records the keys of the parts the workspace reaches through static
// operations: the toolbar options and the rebar layouts.
class RecordingRegistry : public CTavoPRegistry
{
    DECLARE_DYNCREATE(RecordingRegistry)
public:
    BOOL Open(LPCTSTR pszPath) override
    {
        Note(pszPath, "load");
        return CTavoPRegistry::Open(pszPath);
    }
    BOOL CreateKey(LPCTSTR pszPath) override
    {
        Note(pszPath, "save");
        return CTavoPRegistry::CreateKey(pszPath);
    }

private:
    static void Note(LPCTSTR pszPath, const std::string& verb)
    {
        const CString path = pszPath;
        if (EndsWith(path, "TavoToolbarParameters"))
            Record(verb + " toolbar options");
        else if (path.Find("TavoRebar-") >= 0)
            Record(verb + " rebars");
    }
};
IMPLEMENT_DYNCREATE(RecordingRegistry, CTavoPRegistry)

namespace {

// A toolbar window that records its loads and saves.
class RecordingToolBar : public CTavoPToolBar
{
public:
    RecordingToolBar(const char* name, HWND hwndParent, BOOL bFloating = FALSE)
        : m_name(name), m_bFloating(bFloating)
    {
        CreateEx(0, _T("STATIC"), _T(""), WS_CHILD, CRect(0, 0, 50, 20),
                 CWnd::FromHandle(hwndParent), 0);
    }
    ~RecordingToolBar()
    {
        if (m_hWnd != NULL)
            DestroyWindow();
    }

    BOOL IsFloating() const override { return m_bFloating; }
    BOOL LoadState(LPCTSTR lpszProfileName, int, UINT) override
    {
        Record("load " + m_name);
        m_strPath = lpszProfileName;
        m_nVersionSeen = GetWorkspace()->GetDataVersionMajor();
        m_bRegisterSeen = GetGlobalData().m_bRegisterCmdImages;
        if (m_bThrow)
            throw 1;
        return TRUE;
    }
    BOOL SaveState(LPCTSTR, int, UINT) override
    {
        Record("save " + m_name);
        return TRUE;
    }
    void RefreshButtonImages() override { Record("refresh " + m_name); }
    void SetResourceChanged(BOOL bChanged) { m_bResourceWasChanged = bChanged; }
    // The window goes without the toolbar hearing of it, so the toolbar stays listed.
    void LoseWindow() { ::DestroyWindow(Detach()); }

    std::string m_name;
    BOOL m_bFloating;
    BOOL m_bThrow = FALSE;
    CString m_strPath;
    int m_nVersionSeen = 0;
    BOOL m_bRegisterSeen = TRUE;
};

// A frame window whose layout requests are recorded.
class RecordingFrame : public CFrameWnd
{
public:
    void RecalcLayout(BOOL) override { Record("layout"); }
};

class RecordingFrameImpl : public CTavoPFrameImpl
{
public:
    explicit RecordingFrameImpl(CFrameWnd* pFrame) : CTavoPFrameImpl(pFrame) {}
    void LoadUserToolbars() override { Record("load user toolbars"); }
    void SaveUserToolbars(BOOL) override { Record("save user toolbars"); }
    void LoadTearOffBars() override { Record("load tear-off bars"); }
    void SaveTearOffBars(BOOL) override { Record("save tear-off bars"); }
    void LoadFrameworkDockState(LPCTSTR lpszSection) override
    {
        Record(std::string("load framework dock state ") + lpszSection);
    }
    void SaveFrameworkDockState(LPCTSTR lpszSection) override
    {
        Record(std::string("save framework dock state ") + lpszSection);
    }
    BOOL IsDockStateValid() override
    {
        Record("check dock state");
        return m_bValid;
    }
    void ApplyFrameworkDockState() override { Record("apply framework dock state"); }
    void LoadDockState(LPCTSTR) override { Record("load dock layout"); }
    BOOL SaveDockState(LPCTSTR) override
    {
        Record("save dock layout");
        return TRUE;
    }

    BOOL m_bValid = TRUE;
};

// The optional managers, each recording its loads and saves under its name.
template <class TManager>
class RecordingManager : public TManager
{
public:
    RecordingManager(const char* name, int* pDeleted = NULL) : m_name(name), m_pDeleted(pDeleted) {}
    ~RecordingManager()
    {
        if (m_pDeleted != NULL)
            ++*m_pDeleted;
    }
    BOOL LoadState(LPCTSTR) override
    {
        Record("load " + m_name);
        return TRUE;
    }
    BOOL SaveState(LPCTSTR) override
    {
        Record("save " + m_name);
        return TRUE;
    }

    std::string m_name;
    int* m_pDeleted;
};

class RecordingMouseManager : public RecordingManager<CTavoPMouseManager>
{
public:
    using RecordingManager::RecordingManager;
    UINT GetViewCommand(int) override { return m_uiCommand; }
    UINT m_uiCommand = 0;
};

class RecordingUserToolsManager : public RecordingManager<CTavoPUserToolsManager>
{
public:
    using RecordingManager::RecordingManager;
    BOOL InvokeTool(UINT uiCmd) override { return uiCmd == m_uiTool; }
    UINT m_uiTool = 0;
};

class RecordingKeyboardManager : public CTavoPKeyboardManager
{
public:
    RecordingKeyboardManager(const char* name, int* pDeleted = NULL)
        : m_name(name), m_pDeleted(pDeleted)
    {}
    ~RecordingKeyboardManager()
    {
        if (m_pDeleted != NULL)
            ++*m_pDeleted;
    }
    BOOL LoadState(LPCTSTR, CFrameWnd* pFrame) override
    {
        Record("load " + m_name + (pFrame != NULL ? " with frame" : ""));
        return TRUE;
    }
    BOOL SaveState(LPCTSTR, CFrameWnd* pFrame) override
    {
        Record("save " + m_name + (pFrame != NULL ? " with frame" : ""));
        return TRUE;
    }

    std::string m_name;
    int* m_pDeleted;
};

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
        frame.Attach(::CreateWindowA(wc.lpszClassName, "frame", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                     NULL, NULL, wc.hInstance, NULL));
        s_commands.clear();
    }
    ~TestFrameWindows() { ::DestroyWindow(frame.Detach()); }

    HWND hwnd() const { return frame.m_hWnd; }
    // A rebar of the frame, so that the rebar layouts are stored and read.
    void AddRebar()
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_COOL_CLASSES};
        ::InitCommonControlsEx(&icc);
        rebar.CreateEx(0, REBARCLASSNAME, _T(""), WS_CHILD, CRect(0, 0, 200, 30), &frame, 0xE900);
    }

    RecordingFrame frame;
    CTavoPReBar rebar;
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
        TestApp().SetRegistryKey(_T("VorlenTests WS"));
        g_calls.clear();
        GetCommandManager()->ClearAllCmdImages();
        CTavoPRegistryHolder::SetRegistryClass(RUNTIME_CLASS(RecordingRegistry));
    }
    void TearDown() override
    {
        CTavoPRegistryHolder::SetRegistryClass(NULL);
        CTavoPToolBar::SetUserImages(NULL);
        g_pWatchedImages = NULL;
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
    windows.AddRebar();
    RecordingToolBar first("toolbar 1", windows.hwnd());
    RecordingToolBar floating("floating toolbar", windows.hwnd(), TRUE);
    RecordingToolBar last("toolbar 3", windows.hwnd());
    RecordingToolBar gone("destroyed toolbar", windows.hwnd());
    gone.LoseWindow();
    RecordingFrameImpl frameImpl(&windows.frame);

    char szTemp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, szTemp);
    const std::string imagesPath = std::string(szTemp) + "vorlen-ws-user-images.bmp";
    WriteBmp(imagesPath, 24, 16, 15, std::vector<COLORREF>(16 * 15, RGB(0, 128, 0)));
    CTavoPToolbarImageList userImages;
    ASSERT_TRUE(userImages.LoadFromFile(imagesPath.c_str()));
    CTavoPToolBar::SetUserImages(&userImages);

    CTavoPWorkspace workspace(TRUE);
    workspace.SetRegistryBase(_T("Settings"));
    RecordingMouseManager mouse("mouse");
    RecordingManager<CTavoPContextMenuManager> context("context menus");
    RecordingKeyboardManager keyboard("keyboard");
    RecordingUserToolsManager tools("user tools");
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
        "load keyboard with frame",
        "load user tools",
    };
    EXPECT_EQ(g_calls, loadOrder);
    EXPECT_EQ(std::string(first.m_strPath), kBase);

    // A changed user-image strip is written back to its file as part of the save.
    HBITMAP hbmp = ::CreateBitmap(16, 15, 1, 32, NULL);
    ASSERT_TRUE(userImages.UpdateImage(0, hbmp));
    ::DeleteObject(hbmp);
    g_pWatchedImages = &userImages;
    g_bImagesUnsaved = TRUE;

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
        "save keyboard with frame",
        "save user tools",
    };
    EXPECT_EQ(g_calls, saveOrder);

    workspace.m_pMouseManager = NULL;
    workspace.m_pContextMenuManager = NULL;
    workspace.m_pKeyboardManager = NULL;
    workspace.m_pUserToolsManager = NULL;
    std::remove(imagesPath.c_str());
}

TEST_F(Workspace, ThisFrameOnlyLeavesOtherFramesToolbarsAlone)
{
    TestFrameWindows windows, otherWindows;
    RecordingToolBar mine("mine", windows.hwnd());
    RecordingToolBar theirs("theirs", otherWindows.hwnd());
    RecordingFrameImpl frameImpl(&windows.frame);
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
    RecordingToolBar bar("toolbar", windows.hwnd());
    CTavoPWorkspace workspace(TRUE);
    ASSERT_TRUE(workspace.LoadState(_T("Settings")));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"load toolbar options"}));
    EXPECT_STREQ(workspace.GetRegistryBase(), _T("Settings"));
}

TEST_F(Workspace, DockStateThatDoesNotFitIsNotApplied)
{
    TestFrameWindows windows;
    RecordingFrameImpl frameImpl(&windows.frame);
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
    RecordingToolBar bar("toolbar", windows.hwnd());
    RecordingFrameImpl frameImpl(&windows.frame);
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
    RecordingToolBar changed("changed", windows.hwnd());
    RecordingToolBar other("other", windows.hwnd());
    changed.SetResourceChanged(TRUE);
    RecordingFrameImpl frameImpl(&windows.frame);
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
    RecordingToolBar bar("toolbar", windows.hwnd());
    bar.m_bThrow = TRUE;
    RecordingFrameImpl frameImpl(&windows.frame);
    CTavoPWorkspace workspace(TRUE);
    ASSERT_TRUE(GetGlobalData().m_bRegisterCmdImages);
    EXPECT_ANY_THROW(workspace.LoadState(_T("Settings"), &frameImpl));
    EXPECT_FALSE(bar.m_bRegisterSeen);
    EXPECT_TRUE(GetGlobalData().m_bRegisterCmdImages);
}

TEST_F(Workspace, DisabledSaveWritesNothing)
{
    TestFrameWindows windows;
    RecordingFrameImpl frameImpl(&windows.frame);
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
    CWnd view;
    view.Attach(::CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 50, 20, windows.hwnd(), NULL,
                                ::GetModuleHandleA(NULL), NULL));
    CWnd* pView = &view;
    CTavoPWorkspace workspace(TRUE);
    EXPECT_FALSE(workspace.OnViewDoubleClick(pView, 1));

    RecordingMouseManager mouse("mouse");
    RecordingUserToolsManager tools("user tools");
    workspace.m_pMouseManager = &mouse;
    mouse.m_uiCommand = 0;
    EXPECT_FALSE(workspace.OnViewDoubleClick(pView, 1));
    EXPECT_EQ(CTestSeams::Beeps().size(), 1u);

    mouse.m_uiCommand = 32800;
    EXPECT_FALSE(workspace.OnViewDoubleClick(NULL, 1)) << "no window and no main window";
    EXPECT_TRUE(workspace.OnViewDoubleClick(pView, 1));
    EXPECT_EQ(TestFrameWindows::s_commands, (std::vector<WPARAM>{32800}));
    // Without a window the application's main window gets the command.
    TestApp().m_pMainWnd = CWnd::FromHandle(windows.frame);
    EXPECT_TRUE(workspace.OnViewDoubleClick(NULL, 1));
    TestApp().m_pMainWnd = NULL;
    EXPECT_EQ(TestFrameWindows::s_commands, (std::vector<WPARAM>{32800, 32800}));

    workspace.m_pUserToolsManager = &tools;
    tools.m_uiTool = 32800;
    EXPECT_TRUE(workspace.OnViewDoubleClick(pView, 1));
    EXPECT_EQ(TestFrameWindows::s_commands.size(), 2u) << "a user tool is run, not sent";

    workspace.m_pMouseManager = NULL;
    workspace.m_pUserToolsManager = NULL;
    CTestSeams::Release();
    ::DestroyWindow(view.Detach());
}

TEST_F(Workspace, DestructionDeletesOnlyTheManagersItCreated)
{
    int nDeleted = 0;
    RecordingMouseManager borrowed("borrowed", &nDeleted);
    {
        CTavoPWorkspace workspace(TRUE);
        workspace.m_pKeyboardManager = new RecordingKeyboardManager("keyboard", &nDeleted);
        workspace.m_bKeyboardManagerAutocreated = TRUE;
        workspace.m_pMouseManager = &borrowed;
    }
    EXPECT_EQ(nDeleted, 1);
    EXPECT_EQ(GetWorkspace(), nullptr);
}

} // namespace
