// vorlen.exe's menu bar and toolbar as a user meets them: dragged by the gripper, floated and docked by double clicks, above the main window, in a small window and after restarts.
#include "tests/app/VorlenDriving.h"
#include "tests/support/TestDatabase.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

const UINT kMenuBarID = 0xE806;
const UINT kToolBarID = 0xE800;
const UINT kExitCommand = 57665;

RECT ClientScreenRect(HWND hwnd)
{
    RECT rect = {};
    GetClientRect(hwnd, &rect);
    MapWindowPoints(hwnd, nullptr, (POINT*)&rect, 2);
    return rect;
}

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// One vorlen, started on a fresh profile, for a test that may restart it on the same profile.
class VorlenBars : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DeleteVorlenProfile();
        m_db.reset(new TestDatabase());
        ASSERT_TRUE(Start());
    }
    void TearDown() override
    {
        Exit();
        m_db.reset();
    }

    bool Start()
    {
        m_vorlen.reset(new VorlenProcess(m_db->ConnectString().c_str()));
        m_main = m_vorlen->StartAndLogIn(kVorlenStartTimeout);
        if (m_main == nullptr)
            return false;
        // The bars are children of the main window until one floats.
        m_menuBar = FindDescendant(m_main, "", kMenuBarID);
        m_toolBar = FindDescendant(m_main, "", kToolBarID);
        if (m_toolBar == nullptr)
            for (HWND hwnd : m_vorlen->Windows())
                if (HWND bar = FindDescendant(hwnd, "", kToolBarID))
                    m_toolBar = bar;
        SetForegroundWindow(m_main);
        WaitFor([&] { return GetForegroundWindow() == m_main; }, 3000);
        Sleep(300);
        return m_menuBar != nullptr && m_toolBar != nullptr;
    }
    // Ends vorlen through its menu command, which keeps the layout for the next start.
    void Exit()
    {
        if (m_main != nullptr && m_vorlen->Running())
        {
            PostMessageA(m_main, WM_COMMAND, kExitCommand, 0);
            EXPECT_TRUE(m_vorlen->WaitExit(10000));
        }
        m_vorlen.reset();
        m_main = nullptr;
    }
    bool Restart()
    {
        Exit();
        return Start();
    }

    bool ToolBarFloats() const { return GetAncestor(m_toolBar, GA_ROOT) != m_main; }
    HWND MiniFrame() const { return ToolBarFloats() ? GetAncestor(m_toolBar, GA_ROOT) : nullptr; }
    // The gripper is the left end of a horizontal bar and the top end of a vertical one.
    POINT Gripper() const
    {
        const RECT rect = WindowRect(m_toolBar);
        if (Width(rect) >= Height(rect))
            return {rect.left + 3, (rect.top + rect.bottom) / 2};
        return {(rect.left + rect.right) / 2, rect.top + 3};
    }
    // A point on the floating frame's caption, left of its close button.
    POINT Caption() const
    {
        const RECT frame = WindowRect(MiniFrame());
        return {frame.left + 12, frame.top + (WindowRect(m_toolBar).top - frame.top) / 2};
    }
    // The toolbar docked in a row of its own under the menu bar, from the left end of the window.
    void ExpectDockedUnderTheMenuBar()
    {
        ASSERT_FALSE(ToolBarFloats());
        const RECT menu = WindowRect(m_menuBar), tool = WindowRect(m_toolBar);
        const RECT client = ClientScreenRect(m_main);
        EXPECT_EQ(client.left, menu.left);
        EXPECT_EQ(client.right, menu.right) << "the menu bar takes its whole row";
        EXPECT_GE(tool.top, menu.bottom);
        EXPECT_EQ(client.left, tool.left);
        EXPECT_GT(Width(tool), 3 * Height(tool)) << "the toolbar shows its buttons";
    }
    // Topmost first: the windows of the process in z-order.
    int ZOrder(HWND hwnd) const
    {
        const std::vector<HWND> windows = m_vorlen->Windows();
        for (size_t i = 0; i < windows.size(); ++i)
            if (windows[i] == hwnd)
                return (int)i;
        return -1;
    }
    // The main window is its thread's active window, which draws its caption active.
    // The platform may raise the main window over it for a moment (Wine without a window
    // manager does); vorlen puts it in front again as soon as it is at rest.
    bool InFrontOfTheMainWindow(HWND frame) const
    {
        return WaitFor([&] { return ZOrder(frame) >= 0 && ZOrder(frame) < ZOrder(m_main); }, 3000);
    }
    bool MainCaptionActive() const
    {
        GUITHREADINFO info = {sizeof info};
        return GetGUIThreadInfo(GetWindowThreadProcessId(m_main, nullptr), &info) &&
               info.hwndActive == m_main;
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<VorlenProcess> m_vorlen;
    HWND m_main = nullptr;
    HWND m_menuBar = nullptr;
    HWND m_toolBar = nullptr;
};

} // namespace

TEST_F(VorlenBars, GripperDragFloatsTheToolbarWhereDroppedAndDragsOntoEdgesDockIt)
{
    ExpectDockedUnderTheMenuBar();
    const RECT client = ClientScreenRect(m_main);
    const POINT drop = Centre(client);
    DragMouse(Gripper(), drop, m_vorlen->Handle());
    ASSERT_TRUE(WaitFor([&] { return ToolBarFloats(); }, 3000)) << "the drag left it docked";
    const RECT frame = WindowRect(MiniFrame());
    EXPECT_TRUE(PtInRect(&frame, drop)) << "it floats where it was dropped";
    EXPECT_EQ(m_main, GetWindow(MiniFrame(), GW_OWNER));

    // Onto the left edge: it docks there, upright.
    const POINT left = {client.left, drop.y};
    MouseTo(Caption(), m_vorlen->Handle());
    LeftButton(true, m_vorlen->Handle());
    for (int i = 1; i <= 10; ++i)
        MouseTo({Caption().x + (left.x - Caption().x) * i / 10, left.y}, m_vorlen->Handle());
    EXPECT_TRUE(WaitFor([&] { return !ToolBarFloats(); }, 3000)) << "resting on the edge docks it";
    LeftButton(false);
    ASSERT_FALSE(ToolBarFloats());
    RECT tool = WindowRect(m_toolBar);
    EXPECT_EQ(client.left, tool.left);
    EXPECT_GT(Height(tool), Width(tool));

    // Back to the top, onto the menu bar: it docks in a row of its own under it.
    const POINT top = {client.left + 200, Centre(WindowRect(m_menuBar)).y};
    MouseTo(Gripper(), m_vorlen->Handle());
    LeftButton(true, m_vorlen->Handle());
    for (int i = 1; i <= 20; ++i)
        MouseTo({Gripper().x + (top.x - Gripper().x) * i / 20,
                 Gripper().y + (top.y - Gripper().y) * i / 20},
                m_vorlen->Handle());
    EXPECT_TRUE(WaitFor(
        [&] {
            MouseTo(top);
            const RECT rect = WindowRect(m_toolBar);
            return !ToolBarFloats() && Width(rect) > Height(rect);
        },
        5000));
    LeftButton(false);
    Sleep(300);
    tool = WindowRect(m_toolBar);
    EXPECT_FALSE(ToolBarFloats());
    EXPECT_GE(tool.top, WindowRect(m_menuBar).bottom);
    EXPECT_GT(Width(tool), Height(tool));
}

TEST_F(VorlenBars, DoubleClicksFloatAndDockTheToolbarInItsOwnRowThatSurvivesRestoreAndRestart)
{
    const RECT docked = WindowRect(m_toolBar);
    ClickAt(Gripper(), 2);
    ASSERT_TRUE(WaitFor([&] { return ToolBarFloats(); }, 3000));
    ClickAt(Caption(), 2);
    ASSERT_TRUE(WaitFor([&] { return !ToolBarFloats(); }, 3000));
    ExpectDockedUnderTheMenuBar();
    EXPECT_EQ(Width(docked), Width(WindowRect(m_toolBar)));

    // Restored, the window is narrower: the toolbar keeps its buttons.
    ShowWindowAsync(m_main, SW_RESTORE);
    ASSERT_TRUE(WaitFor([&] { return !IsZoomed(m_main); }, 3000));
    Sleep(500);
    ExpectDockedUnderTheMenuBar();

    ASSERT_TRUE(Restart());
    ShowWindowAsync(m_main, SW_MAXIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsZoomed(m_main) != FALSE; }, 3000));
    Sleep(500);
    ExpectDockedUnderTheMenuBar();
    EXPECT_EQ(Width(docked), Width(WindowRect(m_toolBar)));
}

TEST_F(VorlenBars, FloatingToolbarStaysAboveTheMainWindowWhichKeepsItsActiveCaption)
{
    const RECT client = ClientScreenRect(m_main);
    const POINT place = {client.left + Width(client) / 3, client.top + Height(client) / 3};
    DragMouse(Gripper(), place, m_vorlen->Handle());
    ASSERT_TRUE(WaitFor([&] { return ToolBarFloats(); }, 3000));
    HWND frame = MiniFrame();
    EXPECT_EQ(m_main, GetWindow(frame, GW_OWNER));
    EXPECT_TRUE(InFrontOfTheMainWindow(frame));

    // Menu mode and out of it again.
    PressKeys({VK_MENU});
    Sleep(300);
    PressKeys({VK_ESCAPE});
    Sleep(300);
    EXPECT_TRUE(InFrontOfTheMainWindow(frame)) << "Alt, Escape";

    // A click on the floating frame leaves the main window in front with its active caption.
    MouseTo(Caption(), m_vorlen->Handle());
    LeftButton(true, m_vorlen->Handle());
    LeftButton(false, m_vorlen->Handle());
    EXPECT_EQ(m_main, GetForegroundWindow());
    EXPECT_TRUE(MainCaptionActive());
    EXPECT_TRUE(InFrontOfTheMainWindow(frame));

    // vorlen starts with the toolbar floating where it was, in front of the main window.
    ASSERT_TRUE(Restart());
    ASSERT_TRUE(ToolBarFloats());
    frame = MiniFrame();
    EXPECT_TRUE(IsWindowVisible(frame));
    const RECT rect = WindowRect(frame);
    EXPECT_TRUE(PtInRect(&rect, place));
    EXPECT_EQ(m_main, GetWindow(frame, GW_OWNER));
    EXPECT_TRUE(InFrontOfTheMainWindow(frame));
    EXPECT_TRUE(MainCaptionActive());

    // The picture of vorlen with its toolbar floating stays with the run.
    EXPECT_TRUE(m_vorlen->WaitPainted(5000));
    const std::string folder = VORLEN_ARTEFACTS_DIR;
    EXPECT_TRUE(SaveScreenPicture(m_main, folder, "vorlen-toolbar-floating-restarted"));
}

TEST_F(VorlenBars, NarrowWindowWrapsTheMenuBarAndKeepsItsPopupsInside)
{
    const int oneRow = Height(WindowRect(m_menuBar));
    ShowWindowAsync(m_main, SW_RESTORE);
    ASSERT_TRUE(WaitFor([&] { return !IsZoomed(m_main); }, 3000));
    SetWindowPos(m_main, nullptr, 20, 20, 360, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitFor([&] { return Width(WindowRect(m_main)) == 360; }, 3000));
    Sleep(500);

    const RECT client = ClientScreenRect(m_main);
    const RECT menu = WindowRect(m_menuBar);
    EXPECT_EQ(client.left, menu.left);
    EXPECT_EQ(client.right, menu.right);
    EXPECT_GE(Height(menu), 2 * oneRow - 2) << "the six menus wrap to a second row";
    EXPECT_GE(WindowRect(m_toolBar).top, menu.bottom);

    SetForegroundWindow(m_main);
    WaitFor([&] { return GetForegroundWindow() == m_main; }, 3000);
    const std::vector<HWND> before = m_vorlen->Windows();
    PressKeys({VK_MENU, '6'}); // 帮助
    HWND popup = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            for (HWND hwnd : m_vorlen->Windows())
                if (std::find(before.begin(), before.end(), hwnd) == before.end())
                    popup = hwnd;
            return popup != nullptr;
        },
        3000));
    const RECT rect = WindowRect(popup);
    EXPECT_GE(rect.left, client.left);
    EXPECT_LT(rect.left, client.right);
    EXPECT_GE(rect.top, menu.top);
    EXPECT_LE(rect.top, menu.bottom + 2);
    PressKeys({VK_ESCAPE});
    PressKeys({VK_ESCAPE});
}
