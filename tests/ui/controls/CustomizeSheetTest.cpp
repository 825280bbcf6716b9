// The customization sheet in a library frame: its catalogue, the pages it holds, the Commands, Toolbars and Options pages, the toolbar check list and the toolbar name dialog, with every question answered both ways.
#include "tests/support/CustomizeTestSupport.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/controls/customize/CTavoPCustomizePage.h"
#include "ui/controls/customize/CTavoPKeyboardPage.h"
#include "ui/controls/customize/CTavoPMenuPage.h"
#include "ui/controls/customize/CTavoPMousePage.h"
#include "ui/controls/customize/CTavoPToolsPage.h"
#include "ui/commandbars/managers/CTavoPMouseManager.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "ui/controls/customize/CTavoPOptionsPage.h"
#include "ui/controls/customize/CTavoPToolbarCustomize.h"
#include "ui/controls/customize/CTavoPToolbarsCheckListBox.h"
#include "ui/controls/customize/CTavoPToolbarsPage.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "framework/CTestSeams.h"
#include "res/LibraryIds.h"
#include "tests/support/ModalScript.h"
#include "tests/support/WindowPixels.h"
#include <commctrl.h>
#include <functional>
#include <string>
#include <vector>

using namespace customize_test;

namespace {

const char kAll[] = "All Commands";

// A copy of a button of that command, text and second text joins the category.
void Add(CTavoPToolbarCustomize& sheet, const char* lpszCategory, UINT nID, const char* lpszText,
         const char* lpszSecond = "")
{
    CTavoPToolbarButton button(nID, -1, lpszText);
    button.m_strTextCustom = lpszSecond;
    sheet.AddButton(lpszCategory, button);
}

std::vector<std::string> Rows(CListBox& list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list.GetCount(); i++)
    {
        CString str;
        list.GetText(i, str);
        rows.push_back((LPCTSTR)str);
    }
    return rows;
}

std::vector<std::string> Rows(CComboBox& combo)
{
    std::vector<std::string> rows;
    for (int i = 0; i < combo.GetCount(); i++)
    {
        CString str;
        combo.GetLBText(i, str);
        rows.push_back((LPCTSTR)str);
    }
    return rows;
}

// The catalogue the page tests use: "Edit" holds two "Paste" buttons told apart by their
// second texts, "Marks" holds only a separator and a button of command -1.
void FillCatalogue(CTavoPToolbarCustomize& sheet)
{
    Add(sheet, "Edit", kPaste, "Paste", "Paste Text");
    Add(sheet, "Edit", kCut, "Cut", "Cut Out");
    Add(sheet, "Edit", kPaste + 100, "Paste", "Paste Special");
    Add(sheet, "Edit", kCopy, "Copy");
    Add(sheet, "Marks", 0, "Group");
    Add(sheet, "Marks", (UINT)-1, "Nothing");
    Add(sheet, "File", kOpen, "Open");
    Add(sheet, "File", kSave, "Save", "Save File");
}

class SheetFixture : public CustomizeFixture
{
protected:
    void TearDown() override
    {
        delete pSheet;
        pSheet = nullptr;
        CustomizeFixture::TearDown();
    }
    // The sheet made modeless over the frame, the given page active (kOptionsPage: the Options
    // page, wherever the sheet put it).
    static const int kOptionsPage = -1;
    void Open(UINT uiFlags = TAVOCUSTOMIZE_TEXT_LABELS, int nPage = 0, BOOL bUserToolbars = FALSE,
              BOOL bPersonalization = FALSE)
    {
        pSheet = new CTavoPToolbarCustomize(pFrame, uiFlags, bUserToolbars, bPersonalization);
        FillCatalogue(*pSheet);
        if (nPage == kOptionsPage)
            pSheet->SetActivePage(pSheet->GetOptionsPage());
        else
            pSheet->SetActivePage(nPage);
        ASSERT_TRUE(pSheet->Create(pFrame));
        PumpMessages();
    }
    HWND Page(CPropertyPage* pPage) const { return pPage->GetSafeHwnd(); }
    void Click(CWnd* pPage, int nID)
    {
        pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                           (LPARAM)::GetDlgItem(pPage->GetSafeHwnd(), nID));
    }
    void ClickCheck(CWnd* pPage, int nID, BOOL bCheck)
    {
        ::CheckDlgButton(pPage->GetSafeHwnd(), nID, bCheck ? BST_CHECKED : BST_UNCHECKED);
        Click(pPage, nID);
    }
    CTavoPToolbarsPage* ToolbarsPage()
    {
        pSheet->SetActivePage(1);
        return pSheet->GetToolbarsPage();
    }
    int RowOf(CTavoPToolbarsPage* pPage, CTavoPToolBar* pBar)
    {
        for (int i = 0; i < pPage->m_wndToobarList.GetCount(); i++)
            if (pPage->m_wndToobarList.GetItemDataPtr(i) == pBar)
                return i;
        return -1;
    }
    void SelectRow(CTavoPToolbarsPage* pPage, int nRow)
    {
        pPage->m_wndToobarList.SetCurSel(nRow);
        pPage->OnSelchangeToolbarList();
    }
    CTavoPToolbarCustomize* pSheet = nullptr;
};

} // namespace

// ---- the catalogue ----

TEST_F(CustomizeFixture, CatalogueListsCategoriesInOrderWithAllCommandsLast)
{
    struct Case
    {
        BOOL bAll;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {TRUE, {"Edit", "Marks", "File", kAll}},
        {FALSE, {"Edit", "File", kAll}}, // "Marks" holds no command
    };
    // "All Commands" sorts before the others and still comes last.
    CTavoPToolbarCustomize sheet(pFrame);
    FillCatalogue(sheet);
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_HASSTRINGS, CRect(0, 0, 100, 100), pFrame, 0x7301));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_HASSTRINGS, CRect(0, 0, 100, 100),
                             pFrame, 0x7302));
    for (const Case& c : cases)
    {
        list.ResetContent();
        combo.ResetContent();
        sheet.FillCategoriesListBox(list, c.bAll);
        sheet.FillCategoriesComboBox(combo, c.bAll);
        EXPECT_EQ(c.rows, Rows(list)) << c.bAll;
        EXPECT_EQ(c.rows, Rows(combo)) << c.bAll;
        // Each row carries its category's button list.
        const CObList* pEdit = (const CObList*)list.GetItemDataPtr(0);
        ASSERT_NE(nullptr, pEdit);
        EXPECT_EQ(4, pEdit->GetCount());
        const CObList* pAll = (const CObList*)list.GetItemDataPtr(list.GetCount() - 1);
        ASSERT_NE(nullptr, pAll);
        EXPECT_EQ(6, pAll->GetCount()); // every command once, no separator, no -1
        EXPECT_EQ(pAll, (const CObList*)combo.GetItemDataPtr(combo.GetCount() - 1));
    }

    CTavoPToolbarCustomize empty(pFrame);
    list.ResetContent();
    empty.FillCategoriesListBox(list, FALSE);
    EXPECT_EQ(std::vector<std::string>{kAll}, Rows(list));
}

TEST_F(CustomizeFixture, CatalogueNamesCommandsByTheirFirstButton)
{
    CTavoPToolbarCustomize sheet(pFrame);
    Add(sheet, kAll, kOpen, "Open first");
    Add(sheet, kAll, kOpen, "Open second");
    Add(sheet, "File", kOpen, "Open third"); // the command is listed already
    ASSERT_NE(nullptr, sheet.GetCommandName(kOpen));
    EXPECT_STREQ("Open first", sheet.GetCommandName(kOpen));
    EXPECT_EQ(nullptr, sheet.GetCommandName(kSave));

    CObList list;
    CTavoPToolbarButton a(1, -1, "Paste"), b(2, -1, "paste"), c(3, -1, "Paste");
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&c);
    EXPECT_EQ(2, sheet.GetCountInCategory("Paste", list));
    EXPECT_EQ(1, sheet.GetCountInCategory("paste", list));
    EXPECT_EQ(0, sheet.GetCountInCategory("Past", list));
}

// ---- the sheet's lifetime ----

TEST_F(SheetFixture, SheetHoldsCustomizeModeAndTheActivePointerWhileItsWindowLives)
{
    EXPECT_EQ(nullptr, CTavoPToolbarCustomize::GetActiveSheet());
    Open();
    EXPECT_EQ(pSheet, CTavoPToolbarCustomize::GetActiveSheet());
    EXPECT_TRUE(CTavoPToolBar::IsCustomizeMode());

    // A toolbar hidden and shown while the sheet is open moves its check mark.
    CTavoPToolbarsPage* pPage = ToolbarsPage();
    const int nRow = RowOf(pPage, &bar2);
    ASSERT_GE(nRow, 0);
    EXPECT_TRUE(pPage->m_wndToobarList.GetCheck(nRow));
    bar2.ShowControlBar(FALSE, FALSE, FALSE);
    EXPECT_FALSE(pPage->m_wndToobarList.GetCheck(nRow));
    bar2.ShowControlBar(TRUE, FALSE, FALSE);
    EXPECT_TRUE(pPage->m_wndToobarList.GetCheck(nRow));

    pSheet->DestroyWindow();
    EXPECT_EQ(nullptr, CTavoPToolbarCustomize::GetActiveSheet());
    EXPECT_FALSE(CTavoPToolBar::IsCustomizeMode());
    // A toolbar hidden now calls no sheet.
    bar2.ShowControlBar(FALSE, FALSE, FALSE);
    EXPECT_FALSE(bar2.IsWindowVisible());
}

namespace {

// The texts of the sheet's tabs, left to right.
std::vector<std::string> TabTexts(CTavoPToolbarCustomize& sheet)
{
    std::vector<std::string> texts;
    const HWND hTabs = (HWND)::SendMessage(sheet.GetSafeHwnd(), PSM_GETTABCONTROL, 0, 0);
    const int nCount = hTabs != NULL ? TabCtrl_GetItemCount(hTabs) : 0;
    for (int i = 0; i < nCount; i++)
    {
        char szText[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = szText;
        item.cchTextMax = sizeof(szText);
        ::SendMessage(hTabs, TCM_GETITEMA, i, (LPARAM)&item);
        texts.push_back(szText);
    }
    return texts;
}

} // namespace

TEST_F(SheetFixture, SheetHoldsThePagesItsManagersCanServeInOrder)
{
    // Without the managers, pages that would edit nothing stay away.
    Open();
    EXPECT_EQ((std::vector<std::string>{"Commands", "Toolbars", "Keyboard", "Menu", "Options"}),
              TabTexts(*pSheet));
    EXPECT_EQ(nullptr, pSheet->GetMousePage());
    EXPECT_EQ(nullptr, pSheet->GetToolsPage());
    delete pSheet;
    pSheet = nullptr;

    CTavoPWorkspace workspace(TRUE);
    CTavoPMouseManager mouseManager;
    CTavoPUserToolsManager toolsManager(0x8000, 0x8100, 0x8102, 0, "exe");
    workspace.m_pMouseManager = &mouseManager;
    workspace.m_pUserToolsManager = &toolsManager;
    Open();
    EXPECT_EQ((std::vector<std::string>{"Commands", "Toolbars", "Keyboard", "Menu", "Mouse",
                                        "Options", "Tools"}),
              TabTexts(*pSheet));
    // The pages of the managers open inside the sheet.
    for (CPropertyPage* pPage :
         {(CPropertyPage*)pSheet->GetKeyboardPage(), (CPropertyPage*)pSheet->GetMenuPage(),
          (CPropertyPage*)pSheet->GetMousePage(), (CPropertyPage*)pSheet->GetToolsPage()})
    {
        ASSERT_TRUE(pSheet->SetActivePage(pPage));
        PumpMessages();
        EXPECT_TRUE(::IsWindow(pPage->GetSafeHwnd()));
    }
    delete pSheet;
    pSheet = nullptr;
    workspace.m_pMouseManager = nullptr;
    workspace.m_pUserToolsManager = nullptr;
}

namespace {

// Counts the help requests the frame receives from the sheet, with their page indexes.
LRESULT CALLBACK CountCustomizeHelp(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR dwRefData)
{
    if (message == CTavoPToolBar::WM_TAVOTOOLBAR_CUSTOMIZEHELP)
        ((std::vector<int>*)dwRefData)->push_back((int)wParam);
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

} // namespace

TEST_F(SheetFixture, HelpGoesToTheFrameUnlessContextHelpIsOn)
{
    struct Case
    {
        UINT uiFlags;
        std::vector<int> frameRequests;
        DWORD dwContextId;
    };
    // Without an application object the sheet's own help popup goes nowhere; its help ID does.
    const Case cases[] = {{0, {0}, 0},
                          {TAVOCUSTOMIZE_CONTEXT_HELP, {}, IDC_TAVOP_CATEGORIES + 0x41000}};
    for (const Case& c : cases)
    {
        std::vector<int> requests;
        ASSERT_TRUE(::SetWindowSubclass(pFrame->GetSafeHwnd(), CountCustomizeHelp, 1,
                                        (DWORD_PTR)&requests));
        Open(c.uiFlags);
        EXPECT_EQ(c.uiFlags != 0, (pSheet->GetExStyle() & WS_EX_CONTEXTHELP) != 0);
        HELPINFO info = {};
        info.cbSize = sizeof(info);
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = IDC_TAVOP_CATEGORIES;
        info.hItemHandle = ::GetDlgItem(Page(pSheet->GetCommandsPage()), IDC_TAVOP_CATEGORIES);
        EXPECT_TRUE(pSheet->SendMessage(WM_HELP, 0, (LPARAM)&info));
        EXPECT_EQ(c.frameRequests, requests);
        EXPECT_EQ(c.dwContextId, info.dwContextId);
        ::RemoveWindowSubclass(pFrame->GetSafeHwnd(), CountCustomizeHelp, 1);
        delete pSheet;
        pSheet = nullptr;
    }
}

// ---- the Commands page ----

TEST_F(SheetFixture, CommandsPageListsEachCategoryAsItsButtonsAreNamed)
{
    struct Case
    {
        const char* category;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        // Two buttons named "Paste" show their second texts; the others keep their names.
        {"Edit", {"Paste Text", "Cut", "Paste Special", "Copy"}},
        {"Marks", {"Group", "Nothing"}},
        {"File", {"Open", "Save"}},
        // Every command once, by second text where it has one, sorted.
        {kAll, {"Copy", "Cut Out", "Open", "Paste Special", "Paste Text", "Save File"}},
    };
    Open();
    CTavoPCustomizePage* pPage = pSheet->GetCommandsPage();
    ASSERT_NE(nullptr, pPage->GetSafeHwnd());
    EXPECT_EQ(0, pPage->m_wndCategory.GetCurSel()); // the first category is shown at once
    for (const Case& c : cases)
    {
        const int nRow = pPage->m_wndCategory.FindStringExact(-1, c.category);
        ASSERT_GE(nRow, 0) << c.category;
        pPage->m_wndCategory.SetCurSel(nRow);
        pPage->OnSelchangeCategory();
        EXPECT_EQ(c.rows, Rows(pPage->m_wndTools)) << c.category;
        EXPECT_EQ(nullptr, pPage->GetSelectedButton());
    }
}

TEST_F(SheetFixture, CommandsPageDescribesTheSelectedCommand)
{
    Open();
    CTavoPCustomizePage* pPage = pSheet->GetCommandsPage();
    struct Case
    {
        const char* category;
        const char* row;
        const char* description;
    };
    const Case cases[] = {
        {"File", "Open", "Open a document"}, // the frame's prompt for the command
        {"Marks", "Group", "Group"},         // a separator describes itself by its text
    };
    for (const Case& c : cases)
    {
        pPage->m_wndCategory.SetCurSel(pPage->m_wndCategory.FindStringExact(-1, c.category));
        pPage->OnSelchangeCategory();
        pPage->m_wndTools.SetCurSel(pPage->m_wndTools.FindStringExact(-1, c.row));
        pPage->OnSelchangeUserTools();
        EXPECT_EQ(std::string(c.description),
                  ModalScript::ItemText(Page(pPage), IDC_TAVOP_DESCRIPTION));
        ASSERT_NE(nullptr, pPage->GetSelectedButton());
    }
    // A click below the last row starts no drag and selects nothing new.
    CRect rectClient;
    pPage->m_wndTools.GetClientRect(rectClient);
    pPage->m_wndTools.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, rectClient.bottom - 2));
    pPage->m_wndTools.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, rectClient.bottom - 2));
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
}

// ---- the toolbar check list ----

TEST_F(CustomizeFixture, ToolbarCheckListKeepsEnabledFlagsWithTheirRows)
{
    CTavoPToolbarsCheckListBox list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                    CRect(0, 0, 150, 120), pFrame, 0x7303));
    auto flags = [&]() {
        std::string s;
        for (int i = 0; i < list.GetCount(); i++)
            s += list.IsRowEnabled(i) ? 'E' : 'd';
        return s;
    };
    list.AddString("a");
    list.AddString("b");
    list.AddString("c");
    list.EnableRow(1, FALSE);
    EXPECT_EQ("EdE", flags());
    list.InsertString(0, "new"); // later flags move up
    EXPECT_EQ("EEdE", flags());
    list.InsertString(-1, "end");
    EXPECT_EQ("EEdEE", flags());
    list.DeleteString(2);
    EXPECT_EQ("EEEE", flags());
    EXPECT_EQ(LB_ERR, list.DeleteString(40)); // a failed delete keeps every flag
    EXPECT_EQ("EEEE", flags());
    list.EnableRow(0, FALSE);
    list.ResetContent();
    EXPECT_EQ("", flags());
    list.AddString("again");
    EXPECT_EQ("E", flags());
    EXPECT_FALSE(list.IsRowEnabled(1));

    // The check box of a disabled row only beeps, by mouse and by the space bar.
    list.AddString("locked");
    list.EnableRow(1, FALSE);
    list.SetCheck(1, 1);
    CRect rect;
    list.GetItemRect(1, rect);
    const LPARAM lCheck = MAKELPARAM(rect.left + 4, rect.CenterPoint().y);
    CTestSeams::Clear();
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lCheck);
    list.SendMessage(WM_LBUTTONUP, 0, lCheck);
    EXPECT_EQ(1, list.GetCheck(1));
    list.SetCurSel(1);
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(1, list.GetCheck(1));
    EXPECT_EQ(2u, CTestSeams::Beeps().size());
    // An enabled row toggles.
    list.GetItemRect(0, rect);
    const LPARAM lCheck0 = MAKELPARAM(rect.left + 4, rect.CenterPoint().y);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lCheck0);
    list.SendMessage(WM_LBUTTONUP, 0, lCheck0);
    EXPECT_EQ(1, list.GetCheck(0));
    EXPECT_EQ(2u, CTestSeams::Beeps().size());
}

// ---- the Toolbars page ----

TEST_F(SheetFixture, ToolbarsPageListsTheFrameToolbarsWithTheirState)
{
    bar1.SetWindowText("Standard");
    bar2.SetWindowText("");
    bar2.ShowControlBar(FALSE, FALSE, FALSE);
    Open(0);
    CTavoPToolbarsPage* pPage = ToolbarsPage();
    const int nRow1 = RowOf(pPage, &bar1), nRow2 = RowOf(pPage, &bar2);
    ASSERT_GE(nRow1, 0);
    ASSERT_GE(nRow2, 0);
    CString str;
    pPage->m_wndToobarList.GetText(nRow1, str);
    EXPECT_STREQ("Standard", str);
    pPage->m_wndToobarList.GetText(nRow2, str);
    EXPECT_STREQ("<Untitled>", str);
    EXPECT_TRUE(pPage->m_wndToobarList.GetCheck(nRow1));
    EXPECT_FALSE(pPage->m_wndToobarList.GetCheck(nRow2));
    EXPECT_EQ(bar1.CanBeClosed(), pPage->m_wndToobarList.IsRowEnabled(nRow1));
    // Without the text-labels flag the box is hidden; without user toolbars so is New.
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(Page(pPage), IDC_TAVOP_TEXT_LABELS)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(Page(pPage), IDC_TAVOP_NEW_TOOLBAR)));

    // Nothing selected: the row buttons are off; a selected resource toolbar can be reset.
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(Page(pPage), IDC_TAVOP_RESET_TOOLBAR)));
    SelectRow(pPage, nRow1);
    EXPECT_EQ(&bar1, pPage->GetSelectedToolbar());
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(Page(pPage), IDC_TAVOP_RESET_TOOLBAR)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(Page(pPage), IDC_TAVOP_DELETE_TOOLBAR)));

    // Text labels reach the selected toolbar.
    ClickCheck(pPage, IDC_TAVOP_TEXT_LABELS, TRUE);
    EXPECT_TRUE(bar1.AreTextLabels());
    ClickCheck(pPage, IDC_TAVOP_TEXT_LABELS, FALSE);
    EXPECT_FALSE(bar1.AreTextLabels());
}

namespace {

// Reaches the bars' behaviour flags, which say whether the user may close a bar.
struct BehaviourAccess : CTavoPBaseControlBar
{
    static DWORD& Of(CTavoPBaseControlBar& bar)
    {
        return bar.*(&BehaviourAccess::m_dwControlBarBehaviour);
    }
};

} // namespace

TEST_F(SheetFixture, ToolbarThatCannotBeClosedStaysCheckedAndBeeps)
{
    BehaviourAccess::Of(bar1) &= ~(DWORD)TAVOP_CBRS_CLOSE;
    BehaviourAccess::Of(bar2) |= TAVOP_CBRS_CLOSE;
    Open(0);
    CTavoPToolbarsPage* pPage = ToolbarsPage();
    CTavoPToolbarsCheckListBox& list = pPage->m_wndToobarList;
    const int nRow1 = RowOf(pPage, &bar1), nRow2 = RowOf(pPage, &bar2);
    EXPECT_FALSE(list.IsRowEnabled(nRow1));
    EXPECT_TRUE(list.IsRowEnabled(nRow2));

    // A cleared check mark (as a message would clear it) comes back with a beep.
    SelectRow(pPage, nRow1);
    list.SetCheck(nRow1, 0);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TAVOP_TOOLBARS_LIST, CLBN_CHKCHANGE),
                       (LPARAM)list.GetSafeHwnd());
    EXPECT_EQ(1, list.GetCheck(nRow1));
    EXPECT_TRUE(bar1.IsWindowVisible());
    EXPECT_EQ(1u, CTestSeams::Beeps().size());

    // Double-clicking the row's text: a beep for the locked bar; the closable one hides.
    CRect rect;
    list.GetItemRect(nRow1, rect);
    const LPARAM lText1 = MAKELPARAM(rect.left + 60, rect.CenterPoint().y);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lText1);
    list.SendMessage(WM_LBUTTONUP, 0, lText1);
    list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lText1);
    list.SendMessage(WM_LBUTTONUP, 0, lText1);
    EXPECT_EQ(1, list.GetCheck(nRow1));
    EXPECT_TRUE(bar1.IsWindowVisible());
    EXPECT_EQ(2u, CTestSeams::Beeps().size());

    list.GetItemRect(nRow2, rect);
    const LPARAM lText2 = MAKELPARAM(rect.left + 60, rect.CenterPoint().y);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lText2);
    list.SendMessage(WM_LBUTTONUP, 0, lText2);
    list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lText2);
    list.SendMessage(WM_LBUTTONUP, 0, lText2);
    EXPECT_EQ(0, list.GetCheck(nRow2));
    EXPECT_FALSE(bar2.IsWindowVisible());
    EXPECT_EQ(2u, CTestSeams::Beeps().size());

    // Its check mark set again shows it again.
    list.SetCheck(nRow2, 1);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TAVOP_TOOLBARS_LIST, CLBN_CHKCHANGE),
                       (LPARAM)list.GetSafeHwnd());
    EXPECT_TRUE(bar2.IsWindowVisible());
    EXPECT_EQ(2u, CTestSeams::Beeps().size());
}

TEST_F(SheetFixture, ToolbarsPageQuestionsAreAnsweredBothWays)
{
    Open(0);
    CTavoPToolbarsPage* pPage = ToolbarsPage();
    const int nButtons1 = bar1.GetCount(), nButtons2 = bar2.GetCount();

    // Reset, then Reset All: No keeps the changed buttons, Yes restores them.
    for (int nAnswer : {IDNO, IDYES})
    {
        bar1.RemoveButton(0);
        CTestSeams::Clear();
        CTestSeams::QueueMessageBoxAnswer(nAnswer);
        SelectRow(pPage, RowOf(pPage, &bar1));
        Click(pPage, IDC_TAVOP_RESET_TOOLBAR);
        ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
        EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), CTestSeams::MessageBoxes()[0].nType);
        EXPECT_NE(-1, CTestSeams::MessageBoxes()[0].strText.Find("reset the toolbar"));
        EXPECT_EQ(nAnswer == IDYES ? nButtons1 : nButtons1 - 1, bar1.GetCount());
        if (nAnswer == IDNO)
            bar1.RestoreOriginalState();
    }
    for (int nAnswer : {IDNO, IDYES})
    {
        bar1.RemoveButton(0);
        bar2.RemoveButton(0);
        CTestSeams::Clear();
        CTestSeams::QueueMessageBoxAnswer(nAnswer);
        Click(pPage, IDC_TAVOP_RESET_ALL);
        ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
        EXPECT_EQ(nAnswer == IDYES ? nButtons1 : nButtons1 - 1, bar1.GetCount());
        EXPECT_EQ(nAnswer == IDYES ? nButtons2 : nButtons2 - 1, bar2.GetCount());
        if (nAnswer == IDNO)
        {
            bar1.RestoreOriginalState();
            bar2.RestoreOriginalState();
        }
    }

    // With no toolbar selected Reset asks nothing; cancelling the sheet asks nothing either.
    CTestSeams::Clear();
    SelectRow(pPage, -1);
    Click(pPage, IDC_TAVOP_RESET_TOOLBAR);
    SelectRow(pPage, RowOf(pPage, &bar1));
    bar1.RemoveButton(0);
    pSheet->PressButton(PSBTN_CANCEL);
    PumpMessages();
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
    EXPECT_EQ(nButtons1 - 1, bar1.GetCount());
}

TEST_F(SheetFixture, UserToolbarsAreMadeRenamedAndDeletedThroughTheNameDialog)
{
    pFrame->GetFrameImpl()->SetUserToolbarRange(0x7400, 0x7410);
    Open(0, 0, TRUE);
    CTavoPToolbarsPage* pPage = ToolbarsPage();
    const int nRows = pPage->m_wndToobarList.GetCount();

    // New: OK is greyed while the name is empty; Cancel makes nothing.
    {
        bool bOkWhileEmpty = true;
        ModalScript script;
        script.When("Toolbar Name", [](HWND h) { ModalScript::Click(h, IDCANCEL); });
        script.When("Toolbar Name", [&](HWND h) {
            bOkWhileEmpty = ::IsWindowEnabled(::GetDlgItem(h, IDOK)) != FALSE;
            ::SetDlgItemText(h, IDC_TAVOP_TOOLBAR_NAME, "Mine");
            ModalScript::Click(h, IDOK);
        });
        pPage->OnNewToolbar();
        EXPECT_EQ(nRows, pPage->m_wndToobarList.GetCount());
        pPage->OnNewToolbar();
        EXPECT_TRUE(script.Finished()) << script.Failure();
        EXPECT_FALSE(bOkWhileEmpty);
    }
    ASSERT_EQ(nRows + 1, pPage->m_wndToobarList.GetCount());
    CTavoPToolBar* pMine = pPage->GetSelectedToolbar();
    ASSERT_NE(nullptr, pMine);
    EXPECT_TRUE(pMine->IsUserDefined());
    EXPECT_EQ(nRows, pPage->m_wndToobarList.GetCurSel());
    EXPECT_TRUE(pPage->m_wndToobarList.GetCheck(nRows));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(Page(pPage), IDC_TAVOP_DELETE_TOOLBAR)));

    // Rename: the dialog starts with the old name; the row moves to the end under the new one.
    // The new toolbar floats: its frame's caption shows the new name too.
    CTavoPMiniFrameWnd* pMiniFrame = pMine->GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);
    auto caption = [pMiniFrame]() {
        PumpMessages();
        CRect rect;
        pMiniFrame->GetCaptionRect(rect);
        return WindowPixels(pMiniFrame->m_hWnd, rect);
    };
    const std::vector<COLORREF> captionMine = caption();
    SelectRow(pPage, RowOf(pPage, pMine));
    {
        std::string strInitial;
        ModalScript script;
        script.When("Toolbar Name", [&](HWND h) {
            strInitial = ModalScript::ItemText(h, IDC_TAVOP_TOOLBAR_NAME);
            ::SetDlgItemText(h, IDC_TAVOP_TOOLBAR_NAME, "Ours");
            ModalScript::Click(h, IDOK);
        });
        pPage->OnRenameToolbar();
        EXPECT_TRUE(script.Finished()) << script.Failure();
        EXPECT_EQ("Mine", strInitial);
    }
    EXPECT_EQ("Ours", ModalScript::Text(pMine->GetSafeHwnd()));
    EXPECT_EQ("Ours", ModalScript::Text(pMiniFrame->GetSafeHwnd()));
    const std::vector<COLORREF> captionShown = caption();
    EXPECT_NE(captionMine, captionShown);
    pMiniFrame->RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(caption(), captionShown) << "the caption on screen is the one a full repaint draws";
    const int nRow = RowOf(pPage, pMine);
    EXPECT_EQ(pPage->m_wndToobarList.GetCount() - 1, nRow);
    CString str;
    pPage->m_wndToobarList.GetText(nRow, str);
    EXPECT_STREQ("Ours", str);

    // Delete: No keeps it, Yes asks the frame to delete it and the row goes.
    for (int nAnswer : {IDNO, IDYES})
    {
        CTestSeams::Clear();
        CTestSeams::QueueMessageBoxAnswer(nAnswer);
        SelectRow(pPage, RowOf(pPage, pMine));
        Click(pPage, IDC_TAVOP_DELETE_TOOLBAR);
        ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
        EXPECT_STREQ("Do you really want to delete the toolbar 'Ours'?",
                     CTestSeams::MessageBoxes()[0].strText);
        EXPECT_EQ(nAnswer == IDYES ? nRows : nRows + 1, pPage->m_wndToobarList.GetCount());
    }
    EXPECT_EQ(0, pPage->m_wndToobarList.GetCurSel());

    // A toolbar the frame refuses to delete stays listed, with a beep.
    CTestSeams::Clear();
    CTestSeams::QueueMessageBoxAnswer(IDYES);
    SelectRow(pPage, RowOf(pPage, &bar1));
    Click(pPage, IDC_TAVOP_DELETE_TOOLBAR);
    EXPECT_EQ(nRows, pPage->m_wndToobarList.GetCount());
    EXPECT_EQ(std::vector<UINT>{MB_ICONASTERISK}, CTestSeams::Beeps());
}

// ---- the Options page ----

TEST_F(SheetFixture, OptionsPageSetsTheProcessWideOptions)
{
    const BOOL bTips = CTavoPToolBar::m_bShowTooltips, bKeys = CTavoPToolBar::m_bShowShortcutKeys;
    const BOOL bRecent = CTavoPToolBar::m_bRecentlyUsedMenus;
    const BOOL bDelay = CTavoPToolBar::m_bShowAllMenusDelay;
    const BOOL bLarge = CTavoPToolBar::IsLargeIcons();
    const BOOL bLook = CTavoPVisualManager::GetInstance()->IsLook2000();
    CTavoPToolBar::AddBasicCommand(kOpen);
    Open(TAVOCUSTOMIZE_LOOK_2000, kOptionsPage, FALSE, TRUE);
    CTavoPOptionsPage* pPage = pSheet->GetOptionsPage();
    const HWND hPage = Page(pPage);
    ASSERT_NE(nullptr, hPage);
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hPage, IDC_TAVOP_VISUALIZATIONS)));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(hPage, IDC_TAVOP_LOOK_2000)));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(hPage, IDC_TAVOP_RECENT_MENUS)));

    struct Case
    {
        int nID;
        std::function<BOOL()> option;
    };
    const Case cases[] = {
        {IDC_TAVOP_SCREEN_TIPS, [] { return CTavoPToolBar::m_bShowTooltips; }},
        {IDC_TAVOP_SHORTCUT_KEYS, [] { return CTavoPToolBar::m_bShowShortcutKeys; }},
        {IDC_TAVOP_LARGE_ICONS, [] { return CTavoPToolBar::IsLargeIcons(); }},
        {IDC_TAVOP_LOOK_2000, [] { return CTavoPVisualManager::GetInstance()->IsLook2000(); }},
        {IDC_TAVOP_RECENT_MENUS, [] { return CTavoPToolBar::m_bRecentlyUsedMenus; }},
        {IDC_TAVOP_MENUS_DELAY, [] { return CTavoPToolBar::m_bShowAllMenusDelay; }},
    };
    for (const Case& c : cases)
        for (BOOL bOn : {TRUE, FALSE, TRUE})
        {
            ClickCheck(pPage, c.nID, bOn);
            EXPECT_EQ(bOn, c.option()) << c.nID;
        }

    // ScreenTips off greys the shortcut-keys box, which keeps its value.
    ClickCheck(pPage, IDC_TAVOP_SCREEN_TIPS, FALSE);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hPage, IDC_TAVOP_SHORTCUT_KEYS)));
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(hPage, IDC_TAVOP_SHORTCUT_KEYS));
    ClickCheck(pPage, IDC_TAVOP_SCREEN_TIPS, TRUE);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hPage, IDC_TAVOP_SHORTCUT_KEYS)));
    ClickCheck(pPage, IDC_TAVOP_RECENT_MENUS, FALSE);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hPage, IDC_TAVOP_MENUS_DELAY)));

    // Resetting the usage record: No keeps it, Yes empties it.
    for (int nAnswer : {IDNO, IDYES})
    {
        GetCommandUsage().AddUsage(kOpen);
        const UINT nTotal = GetCommandUsage().GetTotal();
        CTestSeams::Clear();
        CTestSeams::QueueMessageBoxAnswer(nAnswer);
        Click(pPage, IDC_TAVOP_RESET_USAGE);
        ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
        EXPECT_EQ((UINT)MB_YESNO, CTestSeams::MessageBoxes()[0].nType);
        EXPECT_EQ(nAnswer == IDYES ? 0u : nTotal, GetCommandUsage().GetTotal());
    }

    CTavoPToolBar::m_bShowTooltips = bTips;
    CTavoPToolBar::m_bShowShortcutKeys = bKeys;
    CTavoPToolBar::m_bRecentlyUsedMenus = bRecent;
    CTavoPToolBar::m_bShowAllMenusDelay = bDelay;
    CTavoPToolBar::SetLargeIcons(bLarge);
    CTavoPVisualManager::GetInstance()->SetLook2000(bLook);
}

TEST_F(SheetFixture, OptionsPageHidesWhatTheSheetDoesNotOffer)
{
    // Personalization not offered and no Look 2000 flag: both are hidden and disabled.
    Open(0, kOptionsPage, FALSE, FALSE);
    const HWND hPage = Page(pSheet->GetOptionsPage());
    ASSERT_NE(nullptr, hPage);
    for (int nID : {IDC_TAVOP_RECENT_MENUS, IDC_TAVOP_RESET_USAGE, IDC_TAVOP_PERSONALIZED_LABEL,
                    IDC_TAVOP_PERSONALIZED_LINE, IDC_TAVOP_MENUS_DELAY, IDC_TAVOP_LOOK_2000})
    {
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hPage, nID))) << nID;
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hPage, nID))) << nID;
    }
}
