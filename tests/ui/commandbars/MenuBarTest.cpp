// The menu bar on real frames: keys from real input, its stored state in the registry, the menus it owns, the window buttons of a maximized document and the menus of the document templates.
#include "framework/Framework.h"
#include "tests/support/MenuBarFrame.h"
#include "tests/support/MessagePump.h"
#include "tests/support/NoteTemplates.h"
#include "tests/support/RecordingPopup.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/SyntheticInput.h"
#include "tests/support/TestApp.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/frames/CTavoPMDIChildWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButtonsButton.h"
#include "ui/commandbars/menus/CTavoPToolbarSystemMenuButton.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char kAppKey[] = "SOFTWARE\\VorlenTests MenuBar";
const std::string kBase = "SOFTWARE\\VorlenTests MenuBar\\menubartest\\Settings\\";
const UINT kFrameMenu = 128;

const UINT g_uiResetMenu = ::RegisterWindowMessage("TAVOTOOLBAR_RESETMENU");
const UINT g_uiBarMenu = ::RegisterWindowMessage("TAVOTOOLBAR_POPUPMENU");

struct Input
{
    enum Kind
    {
        KeyDown,
        KeyUp,
        Move,
        Click
    } kind;
    int a;
    int b;
};

// Plays the steps as the keyboard and mouse give them, through the frames' message loop.
void Play(const std::vector<Input>& steps)
{
    std::vector<INPUT> inputs;
    for (const Input& step : steps)
        switch (step.kind)
        {
        case Input::KeyDown:
        case Input::KeyUp:
            inputs.push_back(KeyInput((WORD)step.a, step.kind == Input::KeyUp));
            break;
        case Input::Move:
            inputs.push_back(MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, step.a, step.b));
            break;
        case Input::Click:
            inputs.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN));
            inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
            break;
        }
    PlayInput(inputs);
}

std::vector<std::string> Texts(const CTavoPToolBar& bar)
{
    std::vector<std::string> texts;
    for (int i = 0; i < bar.GetCount(); i++)
        texts.push_back((LPCTSTR)bar.GetButton(i)->m_strText);
    return texts;
}

// The frame the application makes: a menu bar docked on top, answering the menu resets.
template <class TBase>
class MenuFrame : public MenuBarFrame<TBase>
{
public:
    LRESULT OnResetMenu(WPARAM wParam, LPARAM)
    {
        m_resets.push_back((UINT)wParam);
        return 0;
    }
    // The bar menus the frame asks itself for, by their screen points.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == g_uiBarMenu)
        {
            m_barMenus.push_back(lParam);
            return 0;
        }
        return TBase::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> m_resets;
    std::vector<LPARAM> m_barMenus;
};

class SdiFrame : public MenuFrame<CTavoPFrameWnd>
{
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(SdiFrame, CTavoPFrameWnd)
    ON_WM_CREATE()
    ON_REGISTERED_MESSAGE(g_uiResetMenu, OnResetMenu)
END_MESSAGE_MAP()

class MdiFrame : public MenuFrame<CTavoPMDIFrameWnd>
{
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(MdiFrame, CTavoPMDIFrameWnd)
    ON_WM_CREATE()
    ON_REGISTERED_MESSAGE(g_uiResetMenu, OnResetMenu)
END_MESSAGE_MAP()

class MenuBar : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { TestApp().SetRegistryKey(_T("VorlenTests MenuBar")); }
    void SetUp() override { workspace.SetRegistryBase(_T("Settings")); }
    void TearDown() override
    {
        CTavoPPopupMenu::SetActiveMenu(NULL);
        if (pFrame != nullptr && ::IsWindow(hwndFrame))
            pFrame->DestroyWindow();
        TestApp().m_pMainWnd = nullptr;
        PumpPreTranslatedFor(20);
        GetBarStateCache().RemoveAll();
    }
    template <class TFrame>
    TFrame* Open()
    {
        TFrame* pNew = new TFrame;
        pFrame = pNew;
        if (!pNew->OpenAsMainWindow(kFrameMenu, CRect(50, 50, 690, 450)))
            return (TFrame*)(pFrame = nullptr);
        hwndFrame = pNew->m_hWnd;
        pNew->SetForegroundWindow();
        PumpPreTranslatedFor(50);
        return pNew;
    }
    void Close()
    {
        pFrame->SendMessage(WM_CLOSE);
        PumpPreTranslatedFor(20);
        pFrame = nullptr;
    }

    RegistryTestKey scratch{kAppKey};
    CTavoPWorkspace workspace{TRUE};
    CFrameWnd* pFrame = nullptr;
    HWND hwndFrame = NULL;
};

TEST_F(MenuBar, ReleasingAltFocusesTheBarWithItsFirstMenuHotAndArrowsWrap)
{
    SdiFrame* pSdi = Open<SdiFrame>();
    ASSERT_NE(nullptr, pSdi);
    CTavoPMenuBar& bar = pSdi->m_wndMenuBar;
    EXPECT_EQ(NULL, ::GetMenu(pSdi->m_hWnd));
    EXPECT_EQ(Texts(bar), (std::vector<std::string>{"&File", "&Edit", "&View"}));
    pSdi->SetFocus();
    PumpPreTranslated();

    Play({{Input::KeyDown, VK_MENU}, {Input::KeyUp, VK_MENU}});
    EXPECT_EQ(bar.m_hWnd, ::GetFocus());
    EXPECT_EQ(0, bar.GetHighlightedButton());

    // Left from the first menu wraps to the last, Right from the last to the first.
    Play({{Input::KeyDown, VK_LEFT}, {Input::KeyUp, VK_LEFT}});
    EXPECT_EQ(2, bar.GetHighlightedButton());
    Play({{Input::KeyDown, VK_RIGHT}, {Input::KeyUp, VK_RIGHT}});
    EXPECT_EQ(0, bar.GetHighlightedButton());
    EXPECT_EQ(nullptr, bar.GetDroppedDownMenu());

    // Escape gives the focus back to the window that had it.
    Play({{Input::KeyDown, VK_ESCAPE}, {Input::KeyUp, VK_ESCAPE}});
    EXPECT_EQ(pSdi->m_hWnd, ::GetFocus());
    EXPECT_EQ(-1, bar.GetHighlightedButton());
}

// F10 is the other key into menu mode; the window's own handling would open the system menu.
TEST_F(MenuBar, F10FocusesTheBarWithItsFirstMenuHotAndTakesItOutAgain)
{
    SdiFrame* pSdi = Open<SdiFrame>();
    ASSERT_NE(nullptr, pSdi);
    CTavoPMenuBar& bar = pSdi->m_wndMenuBar;
    pSdi->SetFocus();
    PumpPreTranslated();

    Play({{Input::KeyDown, VK_F10}, {Input::KeyUp, VK_F10}});
    EXPECT_EQ(bar.m_hWnd, ::GetFocus());
    EXPECT_EQ(0, bar.GetHighlightedButton());
    GUITHREADINFO info = {sizeof info};
    ::GetGUIThreadInfo(::GetCurrentThreadId(), &info);
    EXPECT_FALSE(info.flags & GUI_INMENUMODE) << "the system menu opened";
    EXPECT_EQ(nullptr, bar.GetDroppedDownMenu());

    Play({{Input::KeyDown, VK_F10}, {Input::KeyUp, VK_F10}});
    EXPECT_EQ(pSdi->m_hWnd, ::GetFocus());
    EXPECT_EQ(-1, bar.GetHighlightedButton());
}

TEST_F(MenuBar, MnemonicOpensItsPopupWithTheFirstItemSelected)
{
    SdiFrame* pSdi = Open<SdiFrame>();
    ASSERT_NE(nullptr, pSdi);
    CTavoPMenuBar& bar = pSdi->m_wndMenuBar;
    pSdi->SetFocus();
    PumpPreTranslated();

    Play({{Input::KeyDown, VK_MENU},
          {Input::KeyDown, 'E'},
          {Input::KeyUp, 'E'},
          {Input::KeyUp, VK_MENU}});
    int iOpen = -1;
    CTavoPToolbarMenuButton* pOpen = bar.GetDroppedDownMenu(&iOpen);
    ASSERT_NE(nullptr, pOpen);
    EXPECT_EQ(1, iOpen);
    CTavoPPopupMenu* pPopup = pOpen->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(0, pPopup->GetMenuBar()->GetHighlightedButton());
    EXPECT_STREQ("&Copy", (LPCTSTR)pPopup->GetMenuBar()->GetButton(0)->m_strText);
    Play({{Input::KeyDown, VK_ESCAPE}, {Input::KeyUp, VK_ESCAPE}});
}

TEST_F(MenuBar, CustomizedFrameMenuComesBackAtTheNextStart)
{
    SdiFrame* pSdi = Open<SdiFrame>();
    ASSERT_NE(nullptr, pSdi);
    ASSERT_TRUE(pSdi->m_wndMenuBar.RemoveButton(1));
    Close();

    // The frame's menu is stored under 0, not under its resource ID.
    const std::vector<BYTE> bytes = RegistryTestKey::Value(kBase + "TavoToolBar-0", "Buttons");
    ASSERT_FALSE(bytes.empty());
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(std::string::npos, text.find("&File"));
    EXPECT_EQ(std::string::npos, text.find("&Edit"));
    EXPECT_NE(std::string::npos, text.find("&View"));
    EXPECT_FALSE(RegistryTestKey::Exists(kBase + "TavoToolBar-128"));

    pSdi = Open<SdiFrame>();
    ASSERT_NE(nullptr, pSdi);
    EXPECT_EQ(Texts(pSdi->m_wndMenuBar), (std::vector<std::string>{"&File", "&View"}));
    EXPECT_TRUE(pSdi->m_resets.empty());
}

TEST_F(MenuBar, DamagedStoredMenuGivesTheMenuOfTheResource)
{
    SdiFrame* pSdi = Open<SdiFrame>();
    ASSERT_NE(nullptr, pSdi);
    ASSERT_TRUE(pSdi->m_wndMenuBar.RemoveButton(1));
    Close();
    const std::string key = kBase + "TavoToolBar-0";
    const std::vector<BYTE> stored = RegistryTestKey::Value(key, "Buttons");
    ASSERT_GT(stored.size(), 20u);

    const std::vector<std::vector<BYTE>> damaged = {
        std::vector<BYTE>(stored.begin(), stored.begin() + stored.size() / 2),
        {1, 2, 3},
        std::vector<BYTE>(stored.size(), 0xFF),
    };
    for (const std::vector<BYTE>& bytes : damaged)
    {
        RegistryTestKey::SetBinary(key, "Buttons", bytes);
        pSdi = Open<SdiFrame>();
        ASSERT_NE(nullptr, pSdi);
        EXPECT_EQ(Texts(pSdi->m_wndMenuBar), (std::vector<std::string>{"&File", "&Edit", "&View"}));
        EXPECT_EQ(pSdi->m_resets, (std::vector<UINT>{kFrameMenu}));
        // The menus still open.
        CTavoPToolbarMenuButton* pFile =
            DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pSdi->m_wndMenuBar.GetButton(0));
        ASSERT_NE(nullptr, pFile);
        EXPECT_EQ(2, pFile->GetCommands().GetCount());
        pFrame->DestroyWindow();
        pFrame = nullptr;
        PumpPreTranslatedFor(20);
        RegistryTestKey::SetBinary(key, "Buttons", stored);
    }
}

TEST_F(MenuBar, MenusNotBuiltByTheBarSurviveIt)
{
    SdiFrame* pSdi = Open<SdiFrame>();
    ASSERT_NE(nullptr, pSdi);
    HMENU hFrameMenu = pSdi->m_wndMenuBar.GetDefaultMenu();
    ASSERT_TRUE(::IsMenu(hFrameMenu));

    HMENU hOwn = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(kNoteMenu));
    CTavoPMenuBar* pBar = new CTavoPMenuBar;
    ASSERT_TRUE(pBar->Create(pSdi, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE900));
    pBar->CreateFromMenu(hOwn, TRUE);
    EXPECT_EQ(Texts(*pBar), (std::vector<std::string>{"&File", "&Notes", "&Window"}));
    pBar->DestroyWindow();
    delete pBar;
    EXPECT_TRUE(::IsMenu(hOwn));
    EXPECT_TRUE(::IsMenu(hFrameMenu));
    ::DestroyMenu(hOwn);

    // The frame's own menu goes with the frame, once.
    pSdi->m_wndMenuBar.DestroyWindow();
    EXPECT_TRUE(::IsMenu(hFrameMenu));
    pFrame->DestroyWindow();
    pFrame = nullptr;
    EXPECT_FALSE(::IsMenu(hFrameMenu));
}

TEST_F(MenuBar, EntriesShowDropDownArrowsOnlyWhenTheBarAsks)
{
    SdiFrame* pSdi = Open<SdiFrame>();
    ASSERT_NE(nullptr, pSdi);
    CTavoPMenuBar& bar = pSdi->m_wndMenuBar;
    auto arrows = [&bar]() {
        int n = 0;
        for (int i = 0; i < bar.GetCount(); i++)
        {
            CTavoPToolbarMenuButton* pEntry =
                DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, bar.GetButton(i));
            n += pEntry != nullptr && pEntry->IsDrawArrow();
        }
        return n;
    };
    const int nEntries = bar.GetCount();
    ASSERT_GT(nEntries, 0);
    EXPECT_EQ(0, arrows());
    const int cxFirst = bar.GetButton(0)->Rect().Width();

    bar.SetDropDownArrows(TRUE);
    EXPECT_EQ(nEntries, arrows());
    EXPECT_GT(bar.GetButton(0)->Rect().Width(), cxFirst) << "the arrow takes room";
    // Entries the bar makes afresh take the option too.
    bar.CreateFromMenu(bar.GetDefaultMenu(), TRUE, TRUE);
    EXPECT_EQ(bar.GetCount(), arrows());
    bar.SetDropDownArrows(FALSE);
    EXPECT_EQ(0, arrows());
}

TEST_F(MenuBar, TakesTheWholeLengthOfItsRowOnEitherSide)
{
    SdiFrame* pSdi = Open<SdiFrame>();
    ASSERT_NE(nullptr, pSdi);
    CTavoPMenuBar& bar = pSdi->m_wndMenuBar;
    CRect rectClient, rectBar;
    pSdi->GetClientRect(rectClient);
    bar.GetWindowRect(rectBar);
    EXPECT_EQ(rectClient.Width(), rectBar.Width());
    EXPECT_GT(bar.GetButton(1)->Rect().left, bar.GetButton(0)->Rect().left);

    pSdi->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    pSdi->RecalcLayout();
    PumpPreTranslatedFor(20);
    ASSERT_FALSE(bar.IsHorizontal());
    CRect rectDock;
    bar.GetParent()->GetClientRect(rectDock);
    bar.GetWindowRect(rectBar);
    EXPECT_EQ(rectDock.Height(), rectBar.Height());
    EXPECT_LT(rectBar.Width(), rectBar.Height());
    EXPECT_GE(bar.GetButton(1)->Rect().top, bar.GetButton(0)->Rect().bottom);
}

// Gives access to the toolbars' list of commands that shortened menus always show.
struct BasicCommandsAccess : CTavoPToolBar
{
    static void Clear() { CTavoPToolBar::BasicCommands().RemoveAll(); }
};

TEST_F(MenuBar, ShortenedMenuExpandsAfterFiveSecondsOverItsTitleOrOnADoubleClick)
{
    SdiFrame* pSdi = Open<SdiFrame>();
    ASSERT_NE(nullptr, pSdi);
    CTavoPMenuBar& bar = pSdi->m_wndMenuBar;
    CTavoPToolBar::AddBasicCommand(57600);
    GetCommandUsage().RemoveAll();
    for (int i = 0; i < 20; i++)
        GetCommandUsage().AddUsage(57600);
    ASSERT_TRUE(CTavoPToolBar::IsCommandRarelyUsed(57665));

    CRect rectFile = bar.GetButton(0)->Rect();
    bar.ClientToScreen(rectFile);
    const CPoint ptFile = rectFile.CenterPoint();
    for (const bool bOverTitle : {true, false})
    {
        CTavoPPopupMenu::m_bShowAllCommands = FALSE;
        Play({{Input::Move, ptFile.x, ptFile.y}, {Input::Click, 0, 0}});
        CTavoPToolbarMenuButton* pFile = bar.GetDroppedDownMenu();
        ASSERT_NE(nullptr, pFile);
        CTavoPPopupMenu* pPopup = pFile->GetPopupMenu();
        ASSERT_NE(nullptr, pPopup);
        EXPECT_FALSE(pPopup->GetMenuBar()->AreAllCommandsShown());
        // Opening the menu armed the timer; its tick stands for the five seconds.
        EXPECT_TRUE(bar.KillTimer(CTavoPMenuBar::kTimerShowAll));
        if (!bOverTitle)
            ::SetCursorPos(ptFile.x, ptFile.y + 200);
        bar.SendMessage(WM_TIMER, CTavoPMenuBar::kTimerShowAll);
        pPopup = pFile->GetPopupMenu();
        ASSERT_NE(nullptr, pPopup);
        EXPECT_EQ(bOverTitle, pPopup->GetMenuBar()->AreAllCommandsShown() != FALSE);
        Play({{Input::KeyDown, VK_ESCAPE}, {Input::KeyUp, VK_ESCAPE}});
        pFile->OnCancelMode();
        PumpPreTranslatedFor(20);
    }
    CTavoPPopupMenu::m_bShowAllCommands = FALSE;
    PumpPreTranslatedFor(600);

    // A double click on the title opens the whole menu at once.
    Play({{Input::Move, ptFile.x, ptFile.y}, {Input::Click, 0, 0}, {Input::Click, 0, 0}});
    CTavoPToolbarMenuButton* pFile = bar.GetDroppedDownMenu();
    ASSERT_NE(nullptr, pFile);
    ASSERT_NE(nullptr, pFile->GetPopupMenu());
    EXPECT_TRUE(pFile->GetPopupMenu()->GetMenuBar()->AreAllCommandsShown());
    pFile->OnCancelMode();

    BasicCommandsAccess::Clear();
    GetCommandUsage().RemoveAll();
    CTavoPPopupMenu::m_bShowAllCommands = FALSE;
}

class MdiMenuBar : public MenuBar
{
protected:
    static void SetUpTestSuite()
    {
        MenuBar::SetUpTestSuite();
        AddNoteTemplates();
    }
    void TearDown() override
    {
        TestApp().CloseAllDocuments(FALSE);
        MenuBar::TearDown();
    }
    CMDIChildWnd* OpenDocument(CMultiDocTemplate* pTemplate)
    {
        CMDIChildWnd* pChild = NewNoteFrame(pTemplate);
        PumpPreTranslatedFor(20);
        return pChild;
    }
    void Idle()
    {
        pFrame->SendMessage(WM_IDLEUPDATECMDUI);
        PumpPreTranslatedFor(20);
    }
    // Clicks the middle of the bar's button at iIndex with the real mouse.
    void ClickButton(CTavoPMenuBar& bar, int iIndex)
    {
        CRect rect = bar.GetButton(iIndex)->Rect();
        bar.ClientToScreen(rect);
        Play({{Input::Move, rect.CenterPoint().x, rect.CenterPoint().y}, {Input::Click, 0, 0}});
    }
    int IndexOf(CTavoPMenuBar& bar, UINT uiSysCommand)
    {
        for (int i = 0; i < bar.GetCount(); i++)
        {
            CTavoPToolbarMenuButtonsButton* pButton =
                DYNAMIC_DOWNCAST(CTavoPToolbarMenuButtonsButton, bar.GetButton(i));
            if (pButton != nullptr && pButton->GetSysCommand() == uiSysCommand)
                return i;
        }
        return -1;
    }
};

TEST_F(MdiMenuBar, EachDocumentShowsItsTemplatesMenuAndKeepsItsCustomization)
{
    MdiFrame* pMdi = Open<MdiFrame>();
    ASSERT_NE(nullptr, pMdi);
    CTavoPMenuBar& bar = pMdi->m_wndMenuBar;
    EXPECT_EQ(Texts(bar), (std::vector<std::string>{"&File", "&Edit", "&View"}));
    // Nothing is stored yet: each menu is built from its resource and announced.
    EXPECT_EQ(pMdi->m_resets, (std::vector<UINT>{kNoteMenu, kSheetMenu, kFrameMenu}));

    CMDIChildWnd* pNote = OpenDocument(g_pNotes);
    ASSERT_NE(nullptr, pNote);
    EXPECT_EQ(bar.GetMenu(), g_pNotes->m_hMenuShared);
    EXPECT_EQ(Texts(bar), (std::vector<std::string>{"&File", "&Notes", "&Window"}));
    ASSERT_TRUE(bar.RemoveButton(2));

    CMDIChildWnd* pSheet = OpenDocument(g_pSheets);
    ASSERT_NE(nullptr, pSheet);
    EXPECT_EQ(Texts(bar), (std::vector<std::string>{"&File", "&Sheet"}));

    pMdi->MDIActivate(pNote);
    PumpPreTranslatedFor(20);
    EXPECT_EQ(Texts(bar), (std::vector<std::string>{"&File", "&Notes"}));
    pMdi->MDIActivate(pSheet);
    PumpPreTranslatedFor(20);
    EXPECT_EQ(Texts(bar), (std::vector<std::string>{"&File", "&Sheet"}));

    // Each template's menu is stored under its own resource ID, the frame's under 0.
    Close();
    const std::vector<BYTE> bytes = RegistryTestKey::Value(kBase + "TavoToolBar-129", "Buttons");
    const std::string notes(bytes.begin(), bytes.end());
    EXPECT_NE(std::string::npos, notes.find("&Notes"));
    EXPECT_EQ(std::string::npos, notes.find("&Window"));
    EXPECT_TRUE(RegistryTestKey::Exists(kBase + "TavoToolBar-130"));
    EXPECT_TRUE(RegistryTestKey::Exists(kBase + "TavoToolBar-0"));

    pMdi = Open<MdiFrame>();
    ASSERT_NE(nullptr, pMdi);
    EXPECT_TRUE(pMdi->m_resets.empty());
    pNote = OpenDocument(g_pNotes);
    ASSERT_NE(nullptr, pNote);
    EXPECT_EQ(Texts(pMdi->m_wndMenuBar), (std::vector<std::string>{"&File", "&Notes"}));
}

TEST_F(MdiMenuBar, TemplateMenuWithoutAStoredStateDoesNotTakeTheFramesPlaceAtTheStart)
{
    ASSERT_NE(nullptr, Open<MdiFrame>());
    Close();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (kBase + "TavoToolBar-130").c_str());

    MdiFrame* pMdi = Open<MdiFrame>();
    ASSERT_NE(nullptr, pMdi);
    EXPECT_EQ(pMdi->m_resets, (std::vector<UINT>{kSheetMenu}));
    EXPECT_EQ(pMdi->m_wndMenuBar.GetDefaultMenu(), pMdi->m_wndMenuBar.GetMenu());
    EXPECT_EQ(Texts(pMdi->m_wndMenuBar), (std::vector<std::string>{"&File", "&Edit", "&View"}));
}

TEST_F(MdiMenuBar, RestoringTheOriginalStateGivesTheTemplatesAndDocumentsNewMenus)
{
    MdiFrame* pMdi = Open<MdiFrame>();
    ASSERT_NE(nullptr, pMdi);
    CTavoPMenuBar& bar = pMdi->m_wndMenuBar;
    CMDIChildWnd* pNote = OpenDocument(g_pNotes);
    ASSERT_NE(nullptr, pNote);
    ASSERT_TRUE(bar.RemoveButton(1));
    HMENU hOld = g_pNotes->m_hMenuShared;
    HMENU hOldFrameMenu = bar.GetDefaultMenu();

    ASSERT_TRUE(bar.RestoreOriginalState());
    EXPECT_NE(hOld, g_pNotes->m_hMenuShared);
    EXPECT_FALSE(::IsMenu(hOld));
    EXPECT_TRUE(::IsMenu(g_pNotes->m_hMenuShared));
    EXPECT_EQ(g_pNotes->m_hMenuShared, pNote->m_hMenuShared);
    EXPECT_EQ(g_pNotes->m_hMenuShared, bar.GetMenu());
    EXPECT_EQ(Texts(bar), (std::vector<std::string>{"&File", "&Notes", "&Window"}));
    // The frame's menu is replaced as well, and the frame is told.
    EXPECT_FALSE(::IsMenu(hOldFrameMenu));
    EXPECT_TRUE(::IsMenu(bar.GetDefaultMenu()));
    EXPECT_EQ(pMdi->GetFrameImpl()->GetDefaultMenu(), bar.GetDefaultMenu());
}

TEST_F(MdiMenuBar, MaximizedDocumentPutsItsButtonsOnTheBarAndTheyAct)
{
    MdiFrame* pMdi = Open<MdiFrame>();
    ASSERT_NE(nullptr, pMdi);
    CTavoPMenuBar& bar = pMdi->m_wndMenuBar;
    CMDIChildWnd* pNote = OpenDocument(g_pNotes);
    ASSERT_NE(nullptr, pNote);
    const HWND hwndNote = pNote->m_hWnd;

    pNote->MDIMaximize();
    PumpPreTranslatedFor(20);
    ASSERT_TRUE(bar.IsMaximizeMode());
    ASSERT_NE(nullptr, DYNAMIC_DOWNCAST(CTavoPToolbarSystemMenuButton, bar.GetButton(0)));
    const int iMin = IndexOf(bar, SC_MINIMIZE), iRestore = IndexOf(bar, SC_RESTORE),
              iClose = IndexOf(bar, SC_CLOSE);
    EXPECT_EQ(bar.GetCount() - 3, iMin);
    EXPECT_EQ(iMin + 1, iRestore);
    EXPECT_EQ(iMin + 2, iClose);
    CRect rectClient;
    bar.GetClientRect(rectClient);
    // At the right end of the bar, one window button apart.
    EXPECT_EQ(rectClient.right, bar.GetButton(iClose)->Rect().right);
    EXPECT_EQ(bar.GetButton(iRestore)->Rect().right + 1, bar.GetButton(iClose)->Rect().left);
    // Stored states never hold them.
    EXPECT_FALSE(bar.GetButton(0)->CanBeStored());
    EXPECT_FALSE(bar.GetButton(iClose)->CanBeStored());

    ClickButton(bar, iRestore);
    EXPECT_FALSE(pNote->IsZoomed());
    EXPECT_FALSE(bar.IsMaximizeMode());
    EXPECT_EQ(-1, IndexOf(bar, SC_CLOSE));

    pNote->MDIMaximize();
    PumpPreTranslatedFor(20);
    ClickButton(bar, IndexOf(bar, SC_MINIMIZE));
    EXPECT_TRUE(pNote->IsIconic());
    EXPECT_FALSE(bar.IsMaximizeMode());

    pNote->MDIMaximize();
    PumpPreTranslatedFor(20);
    ASSERT_TRUE(bar.IsMaximizeMode());
    ClickButton(bar, IndexOf(bar, SC_CLOSE));
    Idle();
    EXPECT_FALSE(::IsWindow(hwndNote));
    EXPECT_FALSE(bar.IsMaximizeMode());
    EXPECT_EQ(Texts(bar), (std::vector<std::string>{"&File", "&Edit", "&View"}));
}

TEST_F(MdiMenuBar, WindowButtonsFollowTheDocumentsStyleAndSystemMenu)
{
    MdiFrame* pMdi = Open<MdiFrame>();
    ASSERT_NE(nullptr, pMdi);
    CTavoPMenuBar& bar = pMdi->m_wndMenuBar;
    CMDIChildWnd* pNote = OpenDocument(g_pNotes);
    ASSERT_NE(nullptr, pNote);
    pNote->ModifyStyle(WS_MINIMIZEBOX, 0);
    ::EnableMenuItem(::GetSystemMenu(pNote->m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    pNote->MDIMaximize();
    PumpPreTranslatedFor(20);
    ASSERT_TRUE(bar.IsMaximizeMode());
    EXPECT_EQ(-1, IndexOf(bar, SC_MINIMIZE));
    ASSERT_GE(IndexOf(bar, SC_RESTORE), 0);
    const int iClose = IndexOf(bar, SC_CLOSE);
    ASSERT_GE(iClose, 0);
    EXPECT_NE(0u, bar.GetButton(iClose)->m_nStyle & TBBS_DISABLED);

    // A double click on the icon does not close a document whose close is greyed.
    CTavoPToolbarSystemMenuButton* pIcon =
        DYNAMIC_DOWNCAST(CTavoPToolbarSystemMenuButton, bar.GetButton(0));
    ASSERT_NE(nullptr, pIcon);
    pIcon->OnDblClick(&bar);
    PumpPreTranslatedFor(20);
    EXPECT_TRUE(::IsWindow(pNote->m_hWnd));
    // Its popup shows the close item greyed, as the system menu has it now.
    HMENU hPopup = pIcon->CreateMenu();
    ASSERT_NE((HMENU)NULL, hPopup);
    EXPECT_NE(0u, ::GetMenuState(hPopup, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    ::DestroyMenu(hPopup);

    // An item chosen in the icon's popup reaches the frame as a command and the document as a
    // system command.
    pMdi->SendMessage(WM_COMMAND, SC_RESTORE);
    PumpPreTranslatedFor(20);
    EXPECT_FALSE(pNote->IsZoomed());
    EXPECT_FALSE(bar.IsMaximizeMode());
    pNote->MDIMaximize();
    PumpPreTranslatedFor(20);
    pIcon = DYNAMIC_DOWNCAST(CTavoPToolbarSystemMenuButton, bar.GetButton(0));
    ASSERT_NE(nullptr, pIcon);

    // Once its close is enabled again, the double click closes it.
    const HWND hwndNote = pNote->m_hWnd;
    ::EnableMenuItem(::GetSystemMenu(hwndNote, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
    pIcon->OnDblClick(&bar);
    Idle();
    EXPECT_FALSE(::IsWindow(hwndNote));
    EXPECT_FALSE(bar.IsMaximizeMode());
}

} // namespace

enum class FrameKind
{
    Sdi,
    Mdi
};

// Both library frames route keys and the mouse alike before their own translation.
class FrameInput : public MenuBar, public ::testing::WithParamInterface<FrameKind>
{
protected:
    CFrameWnd* OpenFrame()
    {
        if (GetParam() == FrameKind::Sdi)
        {
            SdiFrame* pSdi = Open<SdiFrame>();
            pBar = pSdi != nullptr ? &pSdi->m_wndMenuBar : nullptr;
            pBarMenus = pSdi != nullptr ? &pSdi->m_barMenus : nullptr;
        }
        else
        {
            MdiFrame* pMdi = Open<MdiFrame>();
            pBar = pMdi != nullptr ? &pMdi->m_wndMenuBar : nullptr;
            pBarMenus = pMdi != nullptr ? &pMdi->m_barMenus : nullptr;
        }
        return pFrame;
    }
    BOOL ShowPopup(CTavoPPopupMenu* pPopup)
    {
        return GetParam() == FrameKind::Sdi ? ((SdiFrame*)pFrame)->OnShowPopupMenu(pPopup)
                                            : ((MdiFrame*)pFrame)->OnShowPopupMenu(pPopup);
    }
    CTavoPMenuBar* pBar = nullptr;
    std::vector<LPARAM>* pBarMenus = nullptr;
};

TEST_P(FrameInput, KeysAndClicksGoToTheOpenPopupAndTheDockBarsFirst)
{
    ASSERT_NE(nullptr, OpenFrame());
    CDockBar dockBar;
    ASSERT_TRUE(dockBar.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE,
                               CRect(0, 200, 300, 230), pFrame, 0xE81F));
    enum Target
    {
        Frame,
        FrameCaption,
        DockBar
    };
    struct Case
    {
        const char* what;
        bool bPopup;
        UINT message;
        WPARAM wParam;
        Target target;
        BOOL bEaten;
        std::vector<int> keys; // the keys the popup got
        int nClosed;           // the popup's closings
        size_t nBarMenus;      // the bar menus asked for
    } cases[] = {
        {"a key goes to the popup", true, WM_KEYDOWN, 'A', Frame, TRUE, {'A'}, 0, 0},
        {"Alt closes the popup", true, WM_SYSKEYDOWN, VK_MENU, Frame, TRUE, {}, 1, 0},
        {"the release of Alt leaves the popup open",
         true,
         WM_SYSKEYUP,
         VK_MENU,
         Frame,
         TRUE,
         {},
         0,
         0},
        {"a plain Alt release with a popup", true, WM_KEYUP, VK_MENU, Frame, TRUE, {}, 0, 0},
        {"a key without a popup", false, WM_KEYDOWN, 'A', Frame, FALSE, {}, 0, 0},
        {"the pointer outside the popup", true, WM_MOUSEMOVE, 0, Frame, TRUE, {}, 0, 0},
        {"the pointer without a popup", false, WM_MOUSEMOVE, 0, Frame, FALSE, {}, 0, 0},
        {"a click outside the popup", true, WM_LBUTTONDOWN, MK_LBUTTON, Frame, FALSE, {}, 1, 0},
        {"a right click outside the popup",
         true,
         WM_RBUTTONDOWN,
         MK_RBUTTON,
         Frame,
         FALSE,
         {},
         1,
         0},
        {"a middle release outside the popup", true, WM_MBUTTONUP, 0, Frame, FALSE, {}, 1, 0},
        {"a caption click outside the popup",
         true,
         WM_NCLBUTTONDOWN,
         HTCAPTION,
         FrameCaption,
         FALSE,
         {},
         1,
         0},
        {"a caption release outside the popup",
         true,
         WM_NCRBUTTONUP,
         HTCAPTION,
         FrameCaption,
         FALSE,
         {},
         1,
         0},
        {"a right release on a dock bar", false, WM_RBUTTONUP, 0, DockBar, FALSE, {}, 0, 1},
        {"a right press on a dock bar",
         false,
         WM_RBUTTONDOWN,
         MK_RBUTTON,
         DockBar,
         FALSE,
         {},
         0,
         0},
    };
    for (const Case& c : cases)
    {
        RecordingPopup* pPopup = nullptr;
        if (c.bPopup)
        {
            pPopup = new RecordingPopup; // a frame window: deleted with its window
            CRect rectFrame;
            pFrame->GetWindowRect(rectFrame);
            ASSERT_TRUE(pPopup->Make(CRect(rectFrame.CenterPoint(), CSize(100, 100)))) << c.what;
            ShowPopup(pPopup);
            ASSERT_EQ(pPopup, CTavoPPopupMenu::GetActiveMenu()) << c.what;
        }
        pBarMenus->clear();
        MSG msg = {pFrame->m_hWnd, c.message, c.wParam, 0};
        CPoint pt(20, 20);
        if (c.target == FrameCaption)
        {
            CRect rectFrame;
            pFrame->GetWindowRect(rectFrame);
            pt = CPoint(rectFrame.left + 40, rectFrame.top + 8);
        }
        else if (c.target == DockBar)
            msg.hwnd = dockBar.m_hWnd;
        if (c.message >= WM_MOUSEFIRST || c.message == WM_NCLBUTTONDOWN ||
            c.message == WM_NCRBUTTONUP)
            msg.lParam = MAKELPARAM(pt.x, pt.y);

        EXPECT_EQ(c.bEaten, pFrame->PreTranslateMessage(&msg)) << c.what;
        EXPECT_EQ(c.nBarMenus, pBarMenus->size()) << c.what;
        if (c.nBarMenus == 1)
        {
            CPoint ptScreen = pt;
            dockBar.ClientToScreen(&ptScreen);
            EXPECT_EQ(MAKELPARAM(ptScreen.x, ptScreen.y), pBarMenus->front()) << c.what;
        }
        if (pPopup != nullptr)
        {
            EXPECT_EQ(c.keys, pPopup->m_keys) << c.what;
            EXPECT_EQ(c.nClosed, pPopup->m_nClosed) << c.what;
            CTavoPPopupMenu::SetActiveMenu(NULL);
            pPopup->DestroyWindow();
        }
    }

    // While the toolbars are customized no bar menu is asked for.
    CTavoPToolBar::SetCustomizeMode(TRUE);
    MSG msg = {dockBar.m_hWnd, WM_RBUTTONUP, 0, MAKELPARAM(20, 20)};
    pFrame->PreTranslateMessage(&msg);
    CTavoPToolBar::SetCustomizeMode(FALSE);
    EXPECT_TRUE(pBarMenus->empty());
    dockBar.DestroyWindow();
}

// Real key presses: Alt and F10 alone move the focus into the menu bar and back to the frame.
TEST_P(FrameInput, AltAndF10ToggleMenuMode)
{
    ASSERT_NE(nullptr, OpenFrame());
    for (int nKey : {VK_MENU, VK_F10})
    {
        pFrame->SetFocus();
        PumpPreTranslated();
        Play({{Input::KeyDown, nKey}, {Input::KeyUp, nKey}});
        EXPECT_EQ(pBar->m_hWnd, ::GetFocus()) << nKey;
        Play({{Input::KeyDown, nKey}, {Input::KeyUp, nKey}});
        // The multi-document frame hands the focus on to its client window.
        const HWND hwndFocus = ::GetFocus();
        EXPECT_NE(pBar->m_hWnd, hwndFocus) << nKey;
        EXPECT_TRUE(hwndFocus == pFrame->m_hWnd || ::IsChild(pFrame->m_hWnd, hwndFocus)) << nKey;
    }
}

INSTANTIATE_TEST_SUITE_P(BothFrames, FrameInput, ::testing::Values(FrameKind::Sdi, FrameKind::Mdi),
                         [](const ::testing::TestParamInfo<FrameKind>& info) {
                             return info.param == FrameKind::Sdi ? "Sdi" : "Mdi";
                         });
