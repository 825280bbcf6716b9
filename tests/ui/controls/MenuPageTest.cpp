// The Menu page of the customization sheet on a real multi-document frame: which menu the menu bar shows, the resets of frame and context menus, the context popups it opens and what it leaves behind when it closes.
#include "framework/Framework.h"
#include "tests/support/MenuBarFrame.h"
#include "tests/support/NoteTemplates.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/TestApp.h"
#include "ui/bars/frames/CTavoPMDIChildWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/managers/CTavoPContextMenuManager.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/controls/customize/CTavoPMenuPage.h"
#include "ui/controls/customize/CTavoPToolbarCustomize.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "res/LibraryIds.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "tests/support/MessagePump.h"

namespace {

const char kAppKey[] = "SOFTWARE\\VorlenTests MenuPage";
const UINT kFrameMenu = 128;
const UINT kGridMenu = 140, kTreeMenu = 141;
const UINT kMissingMenu = 999;
const UINT kBothOptions = TAVOCUSTOMIZE_MENU_SHADOWS | TAVOCUSTOMIZE_MENU_ANIMATIONS;

typedef std::vector<std::string> Texts;

Texts ButtonTexts(const CTavoPToolBar& bar)
{
    Texts texts;
    for (int i = 0; i < bar.GetCount(); i++)
        texts.push_back((LPCTSTR)bar.GetButton(i)->m_strText);
    return texts;
}

// The frame of the tests: a menu bar docked on top; it records the resets it is told of.
class MdiFrame : public MenuBarFrame<CTavoPMDIFrameWnd>
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CTavoPToolBar::WM_TAVOTOOLBAR_RESETMENU)
            m_menuResets.push_back((UINT)wParam);
        else if (message == CTavoPToolBar::WM_TAVOTOOLBAR_RESETCONTEXTMENU)
            m_contextResets.push_back({(UINT)wParam, (CTavoPPopupMenu*)lParam});
        return CTavoPMDIFrameWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<UINT> m_menuResets;
    std::vector<std::pair<UINT, CTavoPPopupMenu*>> m_contextResets;

    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(MdiFrame, CTavoPMDIFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class MenuPage : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        TestApp().SetRegistryKey(_T("VorlenTests MenuPage"));
        AddNoteTemplates();
    }
    void SetUp() override
    {
        workspace.SetRegistryBase(_T("Settings"));
        CTestSeams::Engage();
        CTestSeams::Clear();
        CTavoPPopupMenu::m_AnimationType = 0;
        CTavoPPopupMenu::m_bMenuShadows = TRUE;
    }
    void TearDown() override
    {
        ClosePage();
        TestApp().CloseAllDocuments(FALSE);
        if (pFrame != nullptr && ::IsWindow(hwndFrame))
            pFrame->DestroyWindow();
        TestApp().m_pMainWnd = nullptr;
        PumpMessages();
        workspace.m_pContextMenuManager = nullptr;
        manager.reset();
        GetBarStateCache().RemoveAll();
        CTavoPPopupMenu::SetActiveMenu(nullptr);
        CTavoPPopupMenu::m_AnimationType = 0;
        CTavoPPopupMenu::m_bMenuShadows = TRUE;
        CTestSeams::Release();
    }

    MdiFrame* OpenFrame()
    {
        MdiFrame* pNew = new MdiFrame;
        pFrame = pNew;
        if (!pNew->OpenAsMainWindow(kFrameMenu, CRect(50, 50, 690, 450)))
            return (MdiFrame*)(pFrame = nullptr);
        hwndFrame = pNew->m_hWnd;
        PumpMessages();
        pNew->m_menuResets.clear();
        return pNew;
    }
    // The context-menu manager of the workspace, with the named menus.
    void UseContextMenus(const std::vector<std::pair<const char*, UINT>>& menus)
    {
        workspace.m_pContextMenuManager = nullptr;
        manager.reset(new CTavoPContextMenuManager);
        for (const auto& menu : menus)
            ASSERT_TRUE(manager->AddMenu(menu.first, menu.second));
        workspace.m_pContextMenuManager = manager.get();
    }
    void OpenPage(BOOL bAutoSet, UINT uiFlags = kBothOptions)
    {
        page.reset(new CTavoPMenuPage(pFrame, bAutoSet));
        sheet.reset(new CTavoPToolbarCustomize(pFrame, uiFlags));
        sheet->AddPage(page.get());
        ASSERT_TRUE(sheet->Create(pFrame));
        ASSERT_TRUE(sheet->SetActivePage(page.get()));
        ASSERT_NE(nullptr, page->m_hWnd);
    }
    void ClosePage()
    {
        if (sheet && sheet->m_hWnd != nullptr)
            sheet->DestroyWindow();
        sheet.reset();
        page.reset();
    }

    HWND Item(int nID) { return ::GetDlgItem(page->m_hWnd, nID); }
    void Notify(int nID, int nCode)
    {
        page->SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), (LPARAM)Item(nID));
    }
    // Chooses the entry with the text in a combo box of the page, as the user does.
    void Choose(int nID, const char* lpszText)
    {
        const int i =
            (int)::SendMessage(Item(nID), CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)lpszText);
        ASSERT_GE(i, 0) << lpszText;
        ChooseIndex(nID, i);
    }
    void ChooseIndex(int nID, int i)
    {
        ::SendMessage(Item(nID), CB_SETCURSEL, i, 0);
        Notify(nID, CBN_SELCHANGE);
    }
    Texts Entries(int nID)
    {
        Texts texts;
        const int n = (int)::SendMessage(Item(nID), CB_GETCOUNT, 0, 0);
        for (int i = 0; i < n; i++)
        {
            char buffer[256] = {};
            ::SendMessage(Item(nID), CB_GETLBTEXT, i, (LPARAM)buffer);
            texts.push_back(buffer);
        }
        return texts;
    }
    std::string Chosen(int nID)
    {
        const int i = (int)::SendMessage(Item(nID), CB_GETCURSEL, 0, 0);
        return i < 0 ? std::string() : Entries(nID)[i];
    }
    std::string Text(int nID)
    {
        char buffer[256] = {};
        ::GetWindowTextA(Item(nID), buffer, sizeof buffer);
        return buffer;
    }
    bool Enabled(int nID) { return ::IsWindowEnabled(Item(nID)) != FALSE; }
    bool Visible(int nID) { return (::GetWindowLong(Item(nID), GWL_STYLE) & WS_VISIBLE) != 0; }
    void Click(int nID) { Notify(nID, BN_CLICKED); }
    CMDIChildWnd* OpenDocument(CMultiDocTemplate* pTemplate)
    {
        CMDIChildWnd* pChild = NewNoteFrame(pTemplate);
        PumpMessages();
        return pChild;
    }

    RegistryTestKey scratch{kAppKey};
    CTavoPWorkspace workspace{TRUE};
    std::unique_ptr<CTavoPContextMenuManager> manager;
    CFrameWnd* pFrame = nullptr;
    HWND hwndFrame = nullptr;
    std::unique_ptr<CTavoPToolbarCustomize> sheet;
    std::unique_ptr<CTavoPMenuPage> page;
};

TEST_F(MenuPage, WithoutAMenuBarItSaysMenusCannotBeCustomized)
{
    CFrameWnd* pPlain = new CFrameWnd;
    pFrame = pPlain;
    ASSERT_TRUE(pPlain->Create(nullptr, "plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    hwndFrame = pPlain->m_hWnd;
    TestApp().m_pMainWnd = pPlain;
    OpenPage(TRUE, TAVOCUSTOMIZE_TEXT_LABELS);

    EXPECT_EQ("Can't customize menues!", Text(IDC_TAVOP_MENU_DESCRIPTION));
    EXPECT_FALSE(Enabled(IDC_TAVOP_MENUS_FOR));
    EXPECT_FALSE(Enabled(IDC_TAVOP_RESET_FRAME_MENU));
    EXPECT_EQ(0u, Entries(IDC_TAVOP_MENUS_FOR).size());
    // No context-menu manager: its part of the page is not shown; nor the options the sheet
    // does not offer.
    for (int nID :
         {IDC_TAVOP_CONTEXT_MENU_LABEL, IDC_TAVOP_CONTEXT_MENUS, IDC_TAVOP_CONTEXT_MENU_HINT,
          IDC_TAVOP_CONTEXT_MENU_GROUP, IDC_TAVOP_RESET_CONTEXT_MENU, IDC_TAVOP_MENU_SHADOWS,
          IDC_TAVOP_MENU_ANIMATION_LABEL, IDC_TAVOP_MENU_ANIMATION})
        EXPECT_FALSE(Visible(nID)) << nID;

    // Resetting with nothing to reset asks nothing.
    Click(IDC_TAVOP_RESET_FRAME_MENU);
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
}

TEST_F(MenuPage, ContextMenuListHoldsTheManagersMenusAfterTheNoMenuEntry)
{
    ASSERT_NE(nullptr, OpenFrame());
    const std::string strNone(91, '-');
    const struct
    {
        std::vector<std::pair<const char*, UINT>> menus;
        Texts entries;
        bool bEnabled;
    } cases[] = {
        {{}, {strNone}, false},
        {{{"Grid", kGridMenu}}, {strNone, "Grid"}, true},
        {{{"Tree", kTreeMenu}, {"Grid", kGridMenu}}, {strNone, "Grid", "Tree"}, true},
    };
    for (const auto& c : cases)
    {
        UseContextMenus(c.menus);
        OpenPage(FALSE);
        EXPECT_EQ(c.entries, Entries(IDC_TAVOP_CONTEXT_MENUS));
        EXPECT_EQ(strNone, Chosen(IDC_TAVOP_CONTEXT_MENUS));
        EXPECT_EQ(c.bEnabled, Enabled(IDC_TAVOP_CONTEXT_MENUS));
        EXPECT_EQ(c.bEnabled, Enabled(IDC_TAVOP_CONTEXT_MENU_LABEL));
        EXPECT_TRUE(Visible(IDC_TAVOP_CONTEXT_MENUS));
        EXPECT_FALSE(Enabled(IDC_TAVOP_RESET_CONTEXT_MENU));
        EXPECT_TRUE(Visible(IDC_TAVOP_MENU_SHADOWS));
        EXPECT_TRUE(Visible(IDC_TAVOP_MENU_ANIMATION));
        ClosePage();
    }
}

// The first context popup of the process opens at (100, 100): this test runs before any other
// that opens one.
TEST_F(MenuPage, ContextPopupOpensWhereTheLastOneWasLeftWithItsEditedItems)
{
    ASSERT_NE(nullptr, OpenFrame());
    UseContextMenus({{"Grid", kGridMenu}});
    OpenPage(FALSE);
    ASSERT_EQ(CPoint(100, 100), CTavoPMenuPage::GetLastMenuPos());
    HMENU hGrid = ::GetSubMenu(manager->GetMenuByName("Grid"), 0);
    ASSERT_NE(nullptr, hGrid);

    Choose(IDC_TAVOP_CONTEXT_MENUS, "Grid");
    CTavoPPopupMenu* pPopup = page->GetContextMenu();
    ASSERT_NE(nullptr, pPopup);
    CRect rect;
    pPopup->GetWindowRect(rect);
    EXPECT_EQ(CPoint(100, 100), rect.TopLeft());
    EXPECT_NE(0u, pPopup->GetStyle() & WS_CAPTION);
    CString strTitle;
    pPopup->GetWindowText(strTitle);
    EXPECT_STREQ("Grid", strTitle);
    EXPECT_TRUE(Enabled(IDC_TAVOP_RESET_CONTEXT_MENU));
    EXPECT_EQ(3, pPopup->GetMenuItemCount());

    // The user drags the popup away and takes an item out of it.
    pPopup->SetWindowPos(nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(pPopup->GetMenuBar()->RemoveButton(0));
    pPopup->RecalcLayout();
    pPopup->GetWindowRect(rect);
    EXPECT_EQ(CPoint(300, 250), rect.TopLeft());

    // The no-menu entry closes it; the manager's menu stays whole.
    const HWND hwndPopup = pPopup->m_hWnd;
    ChooseIndex(IDC_TAVOP_CONTEXT_MENUS, 0);
    EXPECT_FALSE(::IsWindow(hwndPopup));
    EXPECT_EQ(nullptr, page->GetContextMenu());
    EXPECT_FALSE(Enabled(IDC_TAVOP_RESET_CONTEXT_MENU));
    EXPECT_TRUE(::IsMenu(hGrid));
    EXPECT_EQ(hGrid, ::GetSubMenu(manager->GetMenuByName("Grid"), 0));
    EXPECT_EQ(3, ::GetMenuItemCount(hGrid));

    Choose(IDC_TAVOP_CONTEXT_MENUS, "Grid");
    pPopup = page->GetContextMenu();
    ASSERT_NE(nullptr, pPopup);
    pPopup->GetWindowRect(rect);
    EXPECT_EQ(CPoint(300, 250), rect.TopLeft());
    ASSERT_EQ(2, pPopup->GetMenuItemCount());
    EXPECT_STREQ("&Copy", pPopup->GetMenuItem(0)->m_strText);

    // Closed by its own close box, it takes the page back to no menu.
    pPopup->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, page->GetContextMenu());
    EXPECT_EQ(std::string(91, '-'), Chosen(IDC_TAVOP_CONTEXT_MENUS));
    EXPECT_FALSE(Enabled(IDC_TAVOP_RESET_CONTEXT_MENU));
    EXPECT_TRUE(::IsMenu(hGrid));
}

TEST_F(MenuPage, ResetQuestionsAnsweredNoChangeNothingAndYesReloadsTheMenu)
{
    MdiFrame* pMdi = OpenFrame();
    ASSERT_NE(nullptr, pMdi);
    CTavoPMenuBar& bar = pMdi->m_wndMenuBar;
    UseContextMenus({{"Grid", kGridMenu}});
    OpenPage(FALSE);
    ASSERT_EQ("Default Menu", Chosen(IDC_TAVOP_MENUS_FOR));
    Choose(IDC_TAVOP_CONTEXT_MENUS, "Grid");
    ASSERT_NE(nullptr, page->GetContextMenu());
    ASSERT_TRUE(bar.RemoveButton(1));
    ASSERT_TRUE(page->GetContextMenu()->GetMenuBar()->RemoveButton(0));
    const HMENU hFrameMenu = bar.GetMenu();

    for (const int nAnswer : {IDNO, IDYES})
    {
        CTestSeams::Clear();
        CTavoPPopupMenu* pBefore = page->GetContextMenu();
        ASSERT_NE(nullptr, pBefore);
        CRect rectBefore;
        pBefore->GetWindowRect(rectBefore);
        CTestSeams::QueueMessageBoxAnswer(nAnswer);
        Click(IDC_TAVOP_RESET_CONTEXT_MENU);
        CTestSeams::QueueMessageBoxAnswer(nAnswer);
        Click(IDC_TAVOP_RESET_FRAME_MENU);

        const auto& boxes = CTestSeams::MessageBoxes();
        ASSERT_EQ(2u, boxes.size());
        EXPECT_STREQ("All your changes will be lost! Do you really want to reset the menu 'Grid'?",
                     boxes[0].strText);
        EXPECT_STREQ(
            "All your changes will be lost! Do you really want to reset the menu 'Default Menu'?",
            boxes[1].strText);
        EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), boxes[1].nType);

        CTavoPPopupMenu* pAfter = page->GetContextMenu();
        ASSERT_NE(nullptr, pAfter);
        CRect rectAfter;
        pAfter->GetWindowRect(rectAfter);
        EXPECT_EQ(rectBefore.TopLeft(), rectAfter.TopLeft());
        if (nAnswer == IDNO)
        {
            EXPECT_EQ(pBefore, pAfter);
            EXPECT_EQ(2, pAfter->GetMenuItemCount());
            EXPECT_TRUE(pMdi->m_contextResets.empty());
            EXPECT_EQ(hFrameMenu, bar.GetMenu());
            EXPECT_EQ(Texts({"&File", "&View"}), ButtonTexts(bar));
            EXPECT_TRUE(pMdi->m_menuResets.empty());
        }
        else
        {
            EXPECT_EQ(3, pAfter->GetMenuItemCount());
            ASSERT_EQ(1u, pMdi->m_contextResets.size());
            EXPECT_EQ(kGridMenu, pMdi->m_contextResets[0].first);
            EXPECT_EQ(pBefore, pMdi->m_contextResets[0].second);
            EXPECT_NE(hFrameMenu, bar.GetMenu());
            EXPECT_EQ(Texts({"&File", "&Edit", "&View"}), ButtonTexts(bar));
            EXPECT_EQ(std::vector<UINT>{kFrameMenu}, pMdi->m_menuResets);
        }
    }
}

TEST_F(MenuPage, ShowMenusForSwitchesTheBarBetweenMenusEachKeepingItsButtons)
{
    MdiFrame* pMdi = OpenFrame();
    ASSERT_NE(nullptr, pMdi);
    CTavoPMenuBar& bar = pMdi->m_wndMenuBar;
    const HMENU hDefault = bar.GetDefaultMenu();
    OpenPage(TRUE);
    EXPECT_EQ(Texts({"Note", "Sheet", "Default Menu"}), Entries(IDC_TAVOP_MENUS_FOR));
    EXPECT_EQ("Default Menu", Chosen(IDC_TAVOP_MENUS_FOR));
    EXPECT_EQ("Default application menu. Appears when no documents are open.",
              Text(IDC_TAVOP_MENU_DESCRIPTION));
    EXPECT_EQ(page.get(), bar.GetMenuPage());

    Choose(IDC_TAVOP_MENUS_FOR, "Note");
    EXPECT_EQ(g_pNotes->m_hMenuShared, bar.GetMenu());
    EXPECT_EQ("Note Document", Text(IDC_TAVOP_MENU_DESCRIPTION));
    // With no document open the frame's idle time leaves the page's choice alone.
    pMdi->SendMessage(WM_IDLEUPDATECMDUI);
    EXPECT_EQ(g_pNotes->m_hMenuShared, bar.GetMenu());
    ASSERT_TRUE(bar.RemoveButton(2));

    Choose(IDC_TAVOP_MENUS_FOR, "Default Menu");
    EXPECT_EQ(hDefault, bar.GetMenu());
    EXPECT_EQ(Texts({"&File", "&Edit", "&View"}), ButtonTexts(bar));
    ASSERT_TRUE(bar.RemoveButton(1));
    Choose(IDC_TAVOP_MENUS_FOR, "Note");
    EXPECT_EQ(Texts({"&File", "&Notes"}), ButtonTexts(bar));
    Choose(IDC_TAVOP_MENUS_FOR, "Default Menu");
    EXPECT_EQ(Texts({"&File", "&View"}), ButtonTexts(bar));

    // Closing the page writes its options and gives the frame its menu back.
    Choose(IDC_TAVOP_MENUS_FOR, "Sheet");
    ::SendMessage(Item(IDC_TAVOP_MENU_ANIMATION), CB_SETCURSEL, 2, 0);
    ::SendMessage(Item(IDC_TAVOP_MENU_SHADOWS), BM_SETCHECK, BST_UNCHECKED, 0);
    ClosePage();
    EXPECT_EQ(nullptr, bar.GetMenuPage());
    EXPECT_EQ(hDefault, bar.GetMenu());
    EXPECT_EQ(Texts({"&File", "&View"}), ButtonTexts(bar));
    EXPECT_EQ(2, CTavoPPopupMenu::m_AnimationType);
    EXPECT_FALSE(CTavoPPopupMenu::m_bMenuShadows);
    CTavoPPopupMenu::m_AnimationType = 0;

    // Opened while a document is active, the page shows the frame's own menu with its own
    // buttons, and gives the document's menu back as it closes.
    CMDIChildWnd* pNote = OpenDocument(g_pNotes);
    ASSERT_NE(nullptr, pNote);
    EXPECT_EQ(Texts({"&File", "&Notes"}), ButtonTexts(bar));
    OpenPage(TRUE);
    EXPECT_EQ(hDefault, bar.GetMenu());
    EXPECT_EQ(Texts({"&File", "&View"}), ButtonTexts(bar));
    ClosePage();
    EXPECT_EQ(g_pNotes->m_hMenuShared, bar.GetMenu());
    EXPECT_EQ(Texts({"&File", "&Notes"}), ButtonTexts(bar));
}

TEST_F(MenuPage, FrameMenuResetLoadsItAgainAndDestroysTheOldOneOnlyWhenNothingHoldsIt)
{
    MdiFrame* pMdi = OpenFrame();
    ASSERT_NE(nullptr, pMdi);
    CTavoPMenuBar& bar = pMdi->m_wndMenuBar;
    CMDIChildWnd* pNote = OpenDocument(g_pNotes);
    ASSERT_NE(nullptr, pNote);
    // A window the application made itself shows the notes' menu too.
    CMDIChildWnd* pLoose = new CTavoPMDIChildWnd;
    ASSERT_TRUE(pLoose->Create(nullptr, "loose", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                               CFrameWnd::rectDefault, pMdi));
    pLoose->SetHandles(g_pNotes->m_hMenuShared, nullptr);
    OpenPage(TRUE);

    const struct
    {
        const char* entry;
        UINT uiResId;
        Texts texts;
        bool bOldKept;
    } cases[] = {
        {"Note", kNoteMenu, {"&File", "&Notes", "&Window"}, true},
        {"Sheet", kSheetMenu, {"&File", "&Sheet"}, false},
        {"Default Menu", kFrameMenu, {"&File", "&Edit", "&View"}, false},
    };
    HMENU hKept = nullptr;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.entry);
        pMdi->m_menuResets.clear();
        Choose(IDC_TAVOP_MENUS_FOR, c.entry);
        const HMENU hOld = bar.GetMenu();
        ASSERT_TRUE(bar.RemoveButton(1));
        CTestSeams::QueueMessageBoxAnswer(IDYES);
        Click(IDC_TAVOP_RESET_FRAME_MENU);

        const HMENU hNew = bar.GetMenu();
        EXPECT_NE(hOld, hNew);
        EXPECT_TRUE(::IsMenu(hNew));
        EXPECT_EQ(c.bOldKept, ::IsMenu(hOld) != FALSE);
        EXPECT_EQ(c.texts, ButtonTexts(bar));
        EXPECT_EQ(std::vector<UINT>{c.uiResId}, pMdi->m_menuResets);
        EXPECT_EQ(c.entry, Chosen(IDC_TAVOP_MENUS_FOR));
        if (c.bOldKept)
            hKept = hOld;
    }
    EXPECT_EQ(g_pNotes->m_hMenuShared, pNote->m_hMenuShared);
    EXPECT_EQ(hKept, pLoose->m_hMenuShared);
    // The frame's new menu is the frame's default everywhere.
    const HMENU hDefault = bar.GetDefaultMenu();
    EXPECT_EQ(hDefault, bar.GetMenu());
    EXPECT_EQ(hDefault, pMdi->GetFrameImpl()->GetDefaultMenu());

    // Each entry shows its new menu afterwards.
    Choose(IDC_TAVOP_MENUS_FOR, "Note");
    EXPECT_EQ(g_pNotes->m_hMenuShared, bar.GetMenu());
    EXPECT_EQ(Texts({"&File", "&Notes", "&Window"}), ButtonTexts(bar));

    // The bar destroys the frame's new menu with itself.
    ClosePage();
    pLoose->DestroyWindow();
    TestApp().CloseAllDocuments(FALSE);
    pFrame->DestroyWindow();
    pFrame = nullptr;
    PumpMessages();
    EXPECT_FALSE(::IsMenu(hDefault));
    ::DestroyMenu(hKept);
}

TEST_F(MenuPage, ResetOfAMenuWhoseResourceIsMissingChangesNothing)
{
    MdiFrame* pMdi = OpenFrame();
    ASSERT_NE(nullptr, pMdi);
    CTavoPMenuBar& bar = pMdi->m_wndMenuBar;
    OpenPage(TRUE);

    for (const char* lpszEntry : {"Note", "Default Menu"})
    {
        SCOPED_TRACE(lpszEntry);
        Choose(IDC_TAVOP_MENUS_FOR, lpszEntry);
        ASSERT_TRUE(bar.RemoveButton(1));
        const HMENU hShown = bar.GetMenu(), hDefault = bar.GetDefaultMenu(),
                    hNotes = g_pNotes->m_hMenuShared;
        const Texts texts = ButtonTexts(bar);
        g_pNotes->m_nIDResource = kMissingMenu;
        bar.SetDefaultMenuResId(kMissingMenu);
        CTestSeams::Clear();
        CTestSeams::QueueMessageBoxAnswer(IDYES);
        Click(IDC_TAVOP_RESET_FRAME_MENU);
        g_pNotes->m_nIDResource = kNoteMenu;
        bar.SetDefaultMenuResId(kFrameMenu);

        EXPECT_EQ(1u, CTestSeams::MessageBoxes().size());
        EXPECT_EQ(1u, CTestSeams::Beeps().size());
        EXPECT_EQ(hShown, bar.GetMenu());
        EXPECT_EQ(hDefault, bar.GetDefaultMenu());
        EXPECT_EQ(hNotes, g_pNotes->m_hMenuShared);
        EXPECT_TRUE(::IsMenu(hShown));
        EXPECT_EQ(texts, ButtonTexts(bar));
        EXPECT_TRUE(pMdi->m_menuResets.empty());
    }
}

TEST_F(MenuPage, RestoringTheMenuBarKeepsThePagesChoiceInStep)
{
    MdiFrame* pMdi = OpenFrame();
    ASSERT_NE(nullptr, pMdi);
    CTavoPMenuBar& bar = pMdi->m_wndMenuBar;
    OpenPage(TRUE);
    Choose(IDC_TAVOP_MENUS_FOR, "Note");
    const HMENU hOldNotes = g_pNotes->m_hMenuShared, hOldDefault = bar.GetDefaultMenu();
    ASSERT_TRUE(bar.RemoveButton(1));

    ASSERT_TRUE(bar.RestoreOriginalState());
    EXPECT_NE(hOldNotes, g_pNotes->m_hMenuShared);
    EXPECT_EQ("Note", Chosen(IDC_TAVOP_MENUS_FOR));
    EXPECT_EQ(g_pNotes->m_hMenuShared, bar.GetMenu());
    EXPECT_EQ(Texts({"&File", "&Notes", "&Window"}), ButtonTexts(bar));

    // The page knows the frame's new menu.
    Choose(IDC_TAVOP_MENUS_FOR, "Default Menu");
    EXPECT_NE(hOldDefault, bar.GetDefaultMenu());
    EXPECT_EQ(bar.GetDefaultMenu(), bar.GetMenu());
    EXPECT_EQ(Texts({"&File", "&Edit", "&View"}), ButtonTexts(bar));
}

} // namespace
