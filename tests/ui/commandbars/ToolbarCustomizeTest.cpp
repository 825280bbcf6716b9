// Customize mode across all toolbars, the customize menu and its commands on the selected
// button, buttons made from dropped data, and hot tracking during context help.
#include "tests/support/CustomizeTestSupport.h"
#include "res/LibraryIds.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "tests/support/ModalScript.h"
#include <algorithm>
#include <functional>
#include <memory>

using namespace customize_test;

namespace {

// A button that hosts a control window on its bar.
class CControlButton : public CTavoPToolbarButton
{
public:
    HWND hwndControl = NULL;
    CControlButton() : CTavoPToolbarButton(kPaste, 4, NULL, FALSE, TRUE) {}
    HWND GetHwnd() override { return hwndControl; }
};

// The customize menu loaded as the toolbar shows it.
class CustomizeMenu
{
public:
    CustomizeMenu() { EXPECT_TRUE(menu.LoadMenu(IDR_TAVOP_CUSTOMIZE_MENU)); }
    ~CustomizeMenu() { menu.DestroyMenu(); }
    CMenu* Popup() { return menu.GetSubMenu(0); }
    BOOL Grayed(UINT uiID) { return (Popup()->GetMenuState(uiID, MF_BYCOMMAND) & MF_GRAYED) != 0; }
    BOOL Checked(UINT uiID)
    {
        return (Popup()->GetMenuState(uiID, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    CMenu menu;
};

void SendCommand(CTavoPToolBar& bar, UINT uiID)
{
    bar.SendMessage(WM_COMMAND, uiID, 0);
}

// Selects a button the way a customize-mode right click does, without the menu.
void Select(CTavoPToolBar& bar, int iButton)
{
    CRect rect;
    bar.GetItemRect(iButton, rect);
    // A Escape waiting in the queue ends the menu the click opens as soon as it is tracked.
    bar.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    CPoint point = rect.CenterPoint();
    bar.ClientToScreen(&point);
    bar.SendMessage(WM_CONTEXTMENU, (WPARAM)bar.GetSafeHwnd(), MAKELPARAM(point.x, point.y));
    PumpMessages();
}

// In customize mode, a text-only button of a command with a default image, but without an
// image of its own, first on the bar and selected.
CTavoPToolbarButton* SelectTextOnlyButton(CTavoPToolBar& bar)
{
    CTavoPToolBar::SetCustomizeMode(TRUE);
    CTavoPToolbarButton* pText = new CTavoPToolbarButton(kCut, -1, "Cut", FALSE, TRUE);
    pText->m_bText = TRUE;
    pText->m_bImage = FALSE;
    bar.InsertButton(pText, 0);
    bar.AdjustLayout();
    Select(bar, 0);
    return pText;
}

} // namespace

TEST_F(CustomizeFixture, CustomizeModeReachesEveryLiveToolbarOnce)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &bar2, 0x7201));
    CControlButton* pControl = new CControlButton;
    pControl->hwndControl = edit.GetSafeHwnd();
    bar2.InsertButton(pControl, 0);
    CEdit disabledEdit;
    ASSERT_TRUE(disabledEdit.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED, CRect(0, 0, 40, 20), &bar2,
                                    0x7202));
    CControlButton* pDisabled = new CControlButton;
    pDisabled->hwndControl = disabledEdit.GetSafeHwnd();
    pDisabled->m_nStyle |= TBBS_DISABLED;
    bar2.InsertButton(pDisabled, 1);
    CRect rect;
    bar1.GetItemRect(3, rect);
    bar1.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    ASSERT_EQ(3, bar1.GetHighlightedButton());

    EXPECT_TRUE(CTavoPToolBar::SetCustomizeMode(TRUE));
    EXPECT_TRUE(CTavoPToolBar::IsCustomizeMode());
    EXPECT_EQ(-1, bar1.GetHighlightedButton());
    EXPECT_FALSE(edit.IsWindowEnabled());
    EXPECT_FALSE(disabledEdit.IsWindowEnabled());
    // A second switch on changes nothing.
    Select(bar1, 4);
    EXPECT_FALSE(CTavoPToolBar::SetCustomizeMode(TRUE));
    EXPECT_EQ(4, bar1.GetCustomizeSelected());

    EXPECT_TRUE(CTavoPToolBar::SetCustomizeMode(FALSE));
    EXPECT_EQ(-1, bar1.GetCustomizeSelected());
    EXPECT_TRUE(edit.IsWindowEnabled());
    // A button disabled by its command keeps its control disabled.
    EXPECT_FALSE(disabledEdit.IsWindowEnabled());
    EXPECT_FALSE(CTavoPToolBar::SetCustomizeMode(FALSE));
}

TEST_F(CustomizeFixture, RightClickSelectsTheButtonAndItsMenuRunsOnIt)
{
    // Outside customize mode a right click selects nothing.
    Select(bar1, 3);
    EXPECT_EQ(-1, bar1.GetCustomizeSelected());

    CTavoPToolBar::SetCustomizeMode(TRUE);
    Select(bar1, 3);
    EXPECT_EQ(3, bar1.GetCustomizeSelected());
    Select(bar2, 1);
    EXPECT_EQ(1, bar2.GetCustomizeSelected());
    EXPECT_EQ(-1, bar1.GetCustomizeSelected());

    // "&Delete" chosen from the menu by its mnemonic.
    CRect rect;
    bar1.GetItemRect(4, rect);
    CPoint point = rect.CenterPoint();
    bar1.ClientToScreen(&point);
    bar1.PostMessage(WM_KEYDOWN, 'D', 0);
    bar1.SendMessage(WM_CONTEXTMENU, (WPARAM)bar1.GetSafeHwnd(), MAKELPARAM(point.x, point.y));
    PumpFor(50);
    EXPECT_EQ(11, bar1.GetCount());
    EXPECT_EQ(kCut, bar1.GetItemID(3));
    EXPECT_EQ(kPaste, bar1.GetItemID(4));
    EXPECT_EQ(-1, bar1.GetCustomizeSelected());

    // From the keyboard the menu is for the button already selected.
    Select(bar1, 6);
    ASSERT_EQ(6, bar1.GetCustomizeSelected());
    bar1.PostMessage(WM_KEYDOWN, 'D', 0);
    bar1.SendMessage(WM_CONTEXTMENU, (WPARAM)bar1.GetSafeHwnd(), MAKELPARAM(-1, -1));
    PumpFor(50);
    EXPECT_EQ(10, bar1.GetCount());
    EXPECT_EQ(kFind, bar1.GetItemID(6));

    // A locked bar only beeps.
    bar2.m_bLocked = TRUE;
    CTestSeams::Clear();
    bar2.SendMessage(WM_CONTEXTMENU, (WPARAM)bar2.GetSafeHwnd(), MAKELPARAM(point.x, point.y));
    EXPECT_EQ(1u, CTestSeams::Beeps().size());
    bar2.m_bLocked = FALSE;

    // A button that may not be customized is deselected again.
    bar1.InsertButton(new CTavoPToolbarButton(0xF060, -1, "Close", FALSE, TRUE), 0);
    bar1.AdjustLayout();
    Select(bar1, 0);
    EXPECT_EQ(-1, bar1.GetCustomizeSelected());
}

TEST_F(CustomizeFixture, CustomizeMenuGreysAndChecksByTheButton)
{
    CTavoPToolBar::SetCustomizeMode(TRUE);
    CTavoPToolbarButton* pCut = bar1.GetButton(3); // after a separator
    struct Case
    {
        const char* name;
        int iButton;
        std::function<void(CTavoPToolbarButton*)> prepare;
        std::vector<UINT> grayed;
        std::vector<UINT> checked;
    } cases[] = {
        {"first button, image only",
         0,
         [](CTavoPToolbarButton*) {},
         {ID_TAVOP_CUSTOMIZE_START_GROUP},
         {ID_TAVOP_CUSTOMIZE_IMAGE}},
        {"after a separator",
         3,
         [](CTavoPToolbarButton*) {},
         {},
         {ID_TAVOP_CUSTOMIZE_IMAGE, ID_TAVOP_CUSTOMIZE_START_GROUP}},
        {"image and text",
         1,
         [](CTavoPToolbarButton* p) {
             p->m_bText = TRUE;
             p->m_strText = "Save";
         },
         {},
         {ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT}},
        {"text only",
         1,
         [](CTavoPToolbarButton* p) { p->m_bImage = FALSE; },
         {ID_TAVOP_CUSTOMIZE_COPY_IMAGE},
         {ID_TAVOP_CUSTOMIZE_TEXT}},
        {"text below the image",
         4,
         [](CTavoPToolbarButton* p) {
             p->m_bText = FALSE;
             p->m_bTextBelow = TRUE;
         },
         {ID_TAVOP_CUSTOMIZE_IMAGE},
         {ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT}},
        {"no command",
         5,
         [](CTavoPToolbarButton* p) { p->m_nID = 0; },
         {ID_TAVOP_CUSTOMIZE_RESET},
         {ID_TAVOP_CUSTOMIZE_IMAGE}},
    };
    const UINT all[] = {ID_TAVOP_CUSTOMIZE_RESET,          ID_TAVOP_CUSTOMIZE_COPY_IMAGE,
                        ID_TAVOP_CUSTOMIZE_DELETE,         ID_TAVOP_CUSTOMIZE_APPEARANCE,
                        ID_TAVOP_CUSTOMIZE_IMAGE,          ID_TAVOP_CUSTOMIZE_TEXT,
                        ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT, ID_TAVOP_CUSTOMIZE_START_GROUP};
    for (const Case& c : cases)
    {
        CTavoPToolbarButton* pButton = bar1.GetButton(c.iButton);
        c.prepare(pButton);
        CustomizeMenu menu;
        EXPECT_TRUE(bar1.PrepareCustomizeMenu(pButton, menu.Popup())) << c.name;
        for (UINT uiID : all)
        {
            const bool bGrayed = std::count(c.grayed.begin(), c.grayed.end(), uiID) != 0;
            const bool bChecked = std::count(c.checked.begin(), c.checked.end(), uiID) != 0;
            EXPECT_EQ(bGrayed, !!menu.Grayed(uiID)) << c.name << " " << uiID;
            EXPECT_EQ(bChecked, !!menu.Checked(uiID)) << c.name << " " << uiID;
        }
    }
    EXPECT_EQ(kCut, pCut->m_nID);

    // On a menu-mode bar the display choices are greyed and the button shows its text.
    bar2.m_bMenuMode = TRUE;
    CustomizeMenu menu;
    CTavoPToolbarButton* pOpen = bar2.GetButton(0);
    EXPECT_TRUE(bar2.PrepareCustomizeMenu(pOpen, menu.Popup()));
    EXPECT_TRUE(menu.Grayed(ID_TAVOP_CUSTOMIZE_IMAGE));
    EXPECT_TRUE(menu.Grayed(ID_TAVOP_CUSTOMIZE_TEXT));
    EXPECT_TRUE(menu.Grayed(ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT));
    EXPECT_TRUE(pOpen->m_bText);
    bar2.m_bMenuMode = FALSE;
}

TEST_F(CustomizeFixture, CustomizeCommandsChangeTheSelectedButton)
{
    CTavoPToolBar::SetCustomizeMode(TRUE);
    // Without a selected button nothing happens.
    for (UINT uiID = ID_TAVOP_CUSTOMIZE_RESET; uiID <= ID_TAVOP_CUSTOMIZE_NEW_MENU; uiID++)
        SendCommand(bar1, uiID);
    EXPECT_EQ(12, bar1.GetCount());
    EXPECT_TRUE(bar1.appearanceButtons.empty());

    // Text only: the command's text comes from its string; image and text keeps both.
    Select(bar1, 0);
    CTavoPToolbarButton* pOpen = bar1.GetButton(0);
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_TEXT);
    EXPECT_TRUE(pOpen->m_bText);
    EXPECT_FALSE(pOpen->m_bImage);
    EXPECT_STREQ("Open", pOpen->m_strText);
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT);
    EXPECT_TRUE(pOpen->m_bText && pOpen->m_bImage);
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_IMAGE);
    EXPECT_FALSE(pOpen->m_bText);
    EXPECT_TRUE(pOpen->m_bImage);

    // A command without a string has no text to show: a beep, and the image stays.
    CTavoPToolbarButton* pBare = new CTavoPToolbarButton(kNoString, 0, NULL, FALSE, TRUE);
    bar1.InsertButton(pBare, 1);
    bar1.AdjustLayout();
    Select(bar1, 1);
    CTestSeams::Clear();
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_TEXT);
    EXPECT_EQ(1u, CTestSeams::Beeps().size());
    EXPECT_FALSE(pBare->m_bText);
    EXPECT_TRUE(pBare->m_bImage);

    // Reset: the default image and text of the command come back.
    pOpen->m_bImage = FALSE;
    pOpen->m_bText = TRUE;
    pOpen->m_strText = "Mine";
    const int iDefault = CTavoPToolBar::GetDefaultImage(kOpen);
    pOpen->SetImage(-1);
    Select(bar1, 0);
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_RESET);
    EXPECT_TRUE(pOpen->m_bImage);
    EXPECT_FALSE(pOpen->m_bText);
    EXPECT_EQ(iDefault, pOpen->GetImage());
    EXPECT_STREQ("Open", pOpen->m_strText);

    // Start group toggles a separator before the button; the selection moves with the button.
    Select(bar1, 1);
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_START_GROUP);
    EXPECT_EQ((UINT)TBBS_SEPARATOR, bar1.GetButtonStyle(1));
    EXPECT_EQ(2, bar1.GetCustomizeSelected());
    EXPECT_EQ(pBare, bar1.GetButton(2));
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_START_GROUP);
    EXPECT_EQ(pBare, bar1.GetButton(1));
    EXPECT_EQ(1, bar1.GetCustomizeSelected());

    // Delete.
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_DELETE);
    EXPECT_EQ(12, bar1.GetCount());
    EXPECT_EQ(kSave, bar1.GetItemID(1));
    EXPECT_EQ(-1, bar1.GetCustomizeSelected());
}

TEST_F(CustomizeFixture, AppearanceDialogDecidesForButtonsWithoutImage)
{
    CTavoPToolbarButton* pText = SelectTextOnlyButton(bar1);

    // Image only or image and text without an image: the dialog; cancel leaves the button.
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_IMAGE);
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT);
    ASSERT_EQ(2u, bar1.appearanceButtons.size());
    EXPECT_EQ(pText, bar1.appearanceButtons[1]);
    EXPECT_TRUE(pText->m_bText);
    EXPECT_FALSE(pText->m_bImage);
    bar1.appearanceAnswers = {TRUE};
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_IMAGE);
    EXPECT_FALSE(pText->m_bText);
    EXPECT_TRUE(pText->m_bImage);

    // A new menu button: cancelled, nothing; confirmed, it goes before the selected button.
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_NEW_MENU);
    EXPECT_EQ(13, bar1.GetCount());
    bar1.appearanceAnswers = {TRUE};
    SendCommand(bar1, ID_TAVOP_CUSTOMIZE_NEW_MENU);
    ASSERT_EQ(14, bar1.GetCount());
    CTavoPToolbarMenuButton* pMenu = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, bar1.GetButton(0));
    ASSERT_NE(nullptr, pMenu);
    EXPECT_TRUE(pMenu->m_bText);
    EXPECT_FALSE(pMenu->m_bImage);
    EXPECT_EQ(0, bar1.GetCustomizeSelected());
    EXPECT_EQ(pText, bar1.GetButton(1));
}

// The bar's own appearance dialog, driven by a script: what it writes reaches the button, and
// its cancel is the commands' cancel.
TEST_F(CustomizeFixture, CustomizeCommandsEditTheButtonInTheAppearanceDialog)
{
    bar1.realAppearanceDialog = true;
    CTavoPToolbarButton* pText = SelectTextOnlyButton(bar1);

    auto cancel = [](HWND hDlg) { ModalScript::Click(hDlg, IDCANCEL); };
    auto textAndOk = [](const char* text, int nChoice) {
        return [text, nChoice](HWND hDlg) {
            ::SetDlgItemTextA(hDlg, IDC_TAVOP_BUTTON_TEXT, text);
            if (nChoice != 0)
                ::SendMessage(::GetDlgItem(hDlg, nChoice), BM_CLICK, 0, 0);
            ModalScript::Click(hDlg, IDOK);
        };
    };
    auto run = [&](UINT uiCmd, std::function<void(HWND)> action) {
        ModalScript script;
        script.When("Button Appearance", std::move(action));
        SendCommand(bar1, uiCmd);
        EXPECT_TRUE(script.Finished()) << uiCmd << ": " << script.Failure();
    };

    // Image only on a button without an image: cancelled, the button is as it was; confirmed,
    // it takes its command's default image.
    run(ID_TAVOP_CUSTOMIZE_IMAGE, cancel);
    EXPECT_TRUE(pText->m_bText);
    EXPECT_FALSE(pText->m_bImage);
    EXPECT_GT(0, pText->GetImage());
    run(ID_TAVOP_CUSTOMIZE_IMAGE, textAndOk("Cut", 0));
    EXPECT_FALSE(pText->m_bText);
    EXPECT_TRUE(pText->m_bImage);
    EXPECT_EQ(CTavoPToolBar::GetDefaultImage(kCut), pText->GetImage());

    // The menu's appearance item: the text and the choice made in the dialog.
    run(ID_TAVOP_CUSTOMIZE_APPEARANCE, textAndOk("Cut it", IDC_TAVOP_IMAGE_AND_TEXT));
    EXPECT_STREQ("Cut it", pText->m_strText);
    EXPECT_TRUE(pText->m_bText);
    EXPECT_TRUE(pText->m_bImage);

    // A new menu button: cancelled, none; confirmed, it carries the text typed for it.
    run(ID_TAVOP_CUSTOMIZE_NEW_MENU, cancel);
    EXPECT_EQ(13, bar1.GetCount());
    run(ID_TAVOP_CUSTOMIZE_NEW_MENU, textAndOk("Tools", 0));
    ASSERT_EQ(14, bar1.GetCount());
    CTavoPToolbarMenuButton* pMenu = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, bar1.GetButton(0));
    ASSERT_NE(nullptr, pMenu);
    EXPECT_STREQ("Tools", pMenu->m_strText);
    EXPECT_TRUE(pMenu->m_bText);
    EXPECT_FALSE(pMenu->m_bImage);
    PumpMessages();

    // A new empty button dragged from a command list: cancelled, no button; confirmed, it
    // shows the text typed for it.
    CTavoPToolbarButton empty(kNoString, -1, "", FALSE, TRUE);
    empty.m_bDragFromCollection = TRUE;
    for (bool bOk : {false, true})
    {
        DraggedButton dragged(empty);
        ModalScript script;
        script.When("Button Appearance",
                    bOk ? std::function<void(HWND)>(textAndOk("Mine", IDC_TAVOP_TEXT_ONLY))
                        : std::function<void(HWND)>(cancel));
        std::unique_ptr<CTavoPToolbarButton> pMade(bar1.CreateDroppedButton(dragged.Data()));
        EXPECT_TRUE(script.Finished()) << script.Failure();
        ASSERT_EQ(bOk, pMade != nullptr);
        if (pMade)
        {
            EXPECT_STREQ("Mine", pMade->m_strText);
            EXPECT_TRUE(pMade->m_bText);
            EXPECT_FALSE(pMade->m_bImage);
        }
    }
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
}

TEST_F(CustomizeFixture, DroppedDataMakesButtonsThatShowSomething)
{
    struct Case
    {
        const char* name;
        int iImage;
        const char* text;
        BOOL bNew;
        std::vector<BOOL> answers;
        bool bMade;
        const char* textAfter;
        BOOL bText, bImage;
        size_t nDialogs;
    } cases[] = {
        {"tab cuts the text", 3, "Cut\tCtrl+X", FALSE, {}, true, "Cut", FALSE, TRUE, 0},
        {"no image shows its text", -1, "Cut", FALSE, {}, true, "Cut", TRUE, FALSE, 0},
        {"new button shows its image", 3, "Cut", TRUE, {}, true, "Cut", FALSE, TRUE, 0},
        {"new button without text", 3, "", TRUE, {}, true, "", FALSE, TRUE, 0},
        {"new button with nothing, cancelled", -1, "", TRUE, {FALSE}, false, "", FALSE, FALSE, 1},
        {"new button with nothing, confirmed", -1, "", TRUE, {TRUE}, true, "", TRUE, FALSE, 1},
    };
    for (const Case& c : cases)
    {
        // A command of the bar's resource has a default image; this one has none.
        const UINT uiCmd = c.iImage >= 0 ? kCut : kNoString;
        CTavoPToolbarButton button(uiCmd, c.iImage, c.text, FALSE, TRUE);
        button.m_bText = FALSE;
        button.m_bImage = c.iImage >= 0;
        button.m_bDragFromCollection = c.bNew;
        DraggedButton dragged(button);
        bar1.appearanceButtons.clear();
        bar1.appearanceAnswers = c.answers;
        std::unique_ptr<CTavoPToolbarButton> pMade(bar1.CreateDroppedButton(dragged.Data()));
        EXPECT_EQ(c.nDialogs, bar1.appearanceButtons.size()) << c.name;
        ASSERT_EQ(c.bMade, pMade != nullptr) << c.name;
        if (!pMade)
            continue;
        EXPECT_STREQ(c.textAfter, pMade->m_strText) << c.name;
        EXPECT_EQ(c.bText, pMade->m_bText) << c.name;
        EXPECT_EQ(c.bImage, pMade->m_bImage) << c.name;
    }
}

TEST_F(CustomizeFixture, ContextHelpKeepsTheButtonUnderThePointerHighlighted)
{
    CTavoPToolBar::SetHotTrackingHook(TRUE);
    ASSERT_TRUE(CTavoPToolBar::IsHotTrackingHookOn());
    // No status prompts while the hook is on.
    EXPECT_NE(0, bar1.ShowCommandMessage(kOpen));
    const CPoint over1 = bar1.ScreenCenter(1);
    const CPoint over2 = bar2.ScreenCenter(3);
    int iHot1 = -2, iHot2 = -2, iHot1After = -2;
    RunMouse({{MouseStep::Move, over1.x, over1.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Move, over2.x, over2.y},
              {MouseStep::Pause, 0, 0}},
             [&]() {
                 if (iHot1 == -2)
                     iHot1 = bar1.GetHighlightedButton();
                 else
                 {
                     iHot1After = bar1.GetHighlightedButton();
                     iHot2 = bar2.GetHighlightedButton();
                 }
             });
    EXPECT_EQ(1, iHot1);
    EXPECT_EQ(-1, iHot1After);
    EXPECT_EQ(3, iHot2);
    // Leaving the bar keeps the highlight while the hook is on.
    bar2.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(3, bar2.GetHighlightedButton());

    // A help hit test on a button answers for its command and ends the tracking.
    CRect rect;
    bar2.GetItemRect(3, rect);
    EXPECT_EQ(0x10000 + (LRESULT)kCut,
              bar2.SendMessage(WM_HELPHITTEST, 0,
                               MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y)));
    EXPECT_FALSE(CTavoPToolBar::IsHotTrackingHookOn());
    EXPECT_EQ(-1, bar2.GetHighlightedButton());
    // Off every button: a beep and no help.
    CTestSeams::Clear();
    EXPECT_EQ(-1, bar2.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(-5, -5)));
    EXPECT_EQ(1u, CTestSeams::Beeps().size());
}

namespace {

// A library frame that notes whether the toolbars track the pointer when help is asked for.
class CHelpFrame : public CTavoPFrameWnd
{
public:
    std::vector<BOOL> hooked;
    void WinHelp(DWORD_PTR dwData, UINT nCmd) override
    {
        hooked.push_back(CTavoPToolBar::IsHotTrackingHookOn());
        CTavoPFrameWnd::WinHelp(dwData, nCmd);
    }
};

} // namespace

TEST(ContextHelp, FrameTracksToolbarButtonsOnlyWhileItsHelpModeRuns)
{
    CTestSeams::Engage();
    CTestSeams::Clear();
    CHelpFrame* pFrame = new CHelpFrame;
    ASSERT_TRUE(pFrame->Create(NULL, "help", WS_POPUP | WS_VISIBLE, CRect(100, 100, 400, 300)));
    pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    EXPECT_EQ(std::vector<BOOL>{TRUE}, pFrame->hooked);
    EXPECT_EQ(1u, CTestSeams::HelpCalls().size());
    EXPECT_FALSE(CTavoPToolBar::IsHotTrackingHookOn());
    pFrame->DestroyWindow();
    CTestSeams::Release();
}

// ---- popup menus in customize mode ----

namespace {

const UINT kNew = 31001, kClose = 31004;

class PopupCustomizeFixture : public CustomizeFixture
{
protected:
    void SetUp() override
    {
        CustomizeFixture::SetUp();
        CTavoPPopupMenu::m_AnimationType = 0;
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenu(hMenu, MF_STRING, kNew, "&New\tCtrl+N");
        ::AppendMenu(hMenu, MF_STRING, kOpen, "&Open");
        ::AppendMenu(hMenu, MF_STRING, kClose, "&Close");
        pFile = new CTavoPToolbarMenuButton(0, hMenu, -1, "&File");
        ::DestroyMenu(hMenu);
        bar1.InsertButton(pFile, 0);
        bar1.AdjustLayout();
        CTavoPToolBar::SetCustomizeMode(TRUE);
        ASSERT_TRUE(pFile->OnClick(&bar1, FALSE));
        ASSERT_NE(nullptr, pFile->GetPopupMenu());
        pItems = pFile->GetPopupMenu()->GetMenuBar();
        PumpMessages();
    }
    void TearDown() override
    {
        if (pFile->GetPopupMenu() != nullptr)
            pFile->GetPopupMenu()->SendMessage(WM_CLOSE);
        PumpMessages();
        CustomizeFixture::TearDown();
    }
    // A point in the upper or lower half of an item.
    CPoint InItem(int iItem, bool bUpper)
    {
        CRect rect;
        pItems->GetItemRect(iItem, rect);
        return CPoint(rect.CenterPoint().x, bUpper ? rect.top + 2 : rect.bottom - 2);
    }
    std::vector<UINT> ItemIds()
    {
        std::vector<UINT> ids;
        for (int i = 0; i < pItems->GetCount(); i++)
            ids.push_back(pItems->GetItemID(i));
        return ids;
    }
    CTavoPToolbarMenuButton* pFile = nullptr;
    CTavoPPopupMenuBar* pItems = nullptr;
};

} // namespace

TEST_F(PopupCustomizeFixture, DroppedButtonsBecomeMenuItemsAtTheNearestGap)
{
    // A toolbar button becomes an item with its command's text, dropped in the upper half of
    // the second item: before it.
    DraggedButton cut(*bar2.GetButton(3));
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE, pItems->OnDragEnter(cut.Data(), 0, InItem(1, true)));
    EXPECT_EQ(1, pItems->GetInsertMarker());
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE, pItems->OnDragOver(cut.Data(), 0, InItem(1, false)));
    EXPECT_EQ(2, pItems->GetInsertMarker());
    ASSERT_TRUE(pItems->OnDrop(cut.Data(), DROPEFFECT_MOVE, InItem(1, false)));
    ASSERT_EQ((std::vector<UINT>{kNew, kOpen, kCut, kClose}), ItemIds());
    CTavoPToolbarMenuButton* pItem =
        DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pItems->GetButton(2));
    ASSERT_NE(nullptr, pItem);
    EXPECT_STREQ("Cut", pItem->m_strText);

    // A menu item keeps its shortcut text; below the last item it goes to the end.
    DraggedButton item(*pItems->GetButton(0));
    CRect rectLast;
    pItems->GetItemRect(3, rectLast);
    pItems->OnDragEnter(item.Data(), MK_CONTROL, CPoint(10, rectLast.bottom + 1));
    ASSERT_EQ(4, pItems->GetInsertMarker());
    ASSERT_TRUE(pItems->OnDrop(item.Data(), DROPEFFECT_COPY, CPoint(10, rectLast.bottom + 1)));
    EXPECT_STREQ("&New\tCtrl+N", pItems->GetButton(4)->m_strText);

    // A button that has no text to give an item is refused.
    CTavoPToolbarButton bare(kNoString, 0, NULL, FALSE, TRUE);
    DraggedButton nothing(bare);
    pItems->OnDragEnter(nothing.Data(), 0, InItem(0, true));
    EXPECT_FALSE(pItems->OnDrop(nothing.Data(), DROPEFFECT_MOVE, InItem(0, true)));
    EXPECT_EQ(5, pItems->GetCount());

    // The menu's own button cannot be moved into it, only copied.
    DraggedButton self(*pFile);
    bar1.m_pDragButton = pFile;
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, pItems->OnDragEnter(self.Data(), 0, InItem(0, true)));
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, pItems->OnDragOver(self.Data(), MK_CONTROL, InItem(0, true)));
    pItems->OnDragLeave();
    bar1.m_pDragButton = nullptr;

    // Closing the menu writes its items back into its button.
    pFile->GetPopupMenu()->SendMessage(WM_CLOSE);
    PumpMessages();
    std::vector<UINT> stored;
    const CObList& commands = pFile->GetCommands();
    for (POSITION pos = commands.GetHeadPosition(); pos != NULL;)
        stored.push_back(((CTavoPToolbarButton*)commands.GetNext(pos))->m_nID);
    EXPECT_EQ((std::vector<UINT>{kNew, kOpen, kCut, kClose, kNew}), stored);
}

TEST_F(PopupCustomizeFixture, ItemCustomizeMenuChoosesWhetherTheCommandShowsItsImage)
{
    DraggedButton cut(*bar2.GetButton(3));
    pItems->OnDragEnter(cut.Data(), 0, InItem(0, true));
    ASSERT_TRUE(pItems->OnDrop(cut.Data(), DROPEFFECT_MOVE, InItem(0, true)));
    CTavoPToolbarButton* pCut = pItems->GetButton(0);
    ASSERT_GE(pCut->GetImage(), 0);
    {
        CustomizeMenu menu;
        ASSERT_TRUE(pItems->PrepareCustomizeMenu(pCut, menu.Popup()));
        EXPECT_TRUE(menu.Grayed(ID_TAVOP_CUSTOMIZE_IMAGE));
        EXPECT_FALSE(menu.Grayed(ID_TAVOP_CUSTOMIZE_TEXT));
        EXPECT_FALSE(menu.Grayed(ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT));
        EXPECT_TRUE(menu.Checked(ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT));
    }
    // An item without image keeps its display choices greyed.
    {
        CustomizeMenu menu;
        ASSERT_TRUE(pItems->PrepareCustomizeMenu(pItems->GetButton(1), menu.Popup()));
        EXPECT_TRUE(menu.Grayed(ID_TAVOP_CUSTOMIZE_TEXT));
    }

    pItems->SelectButton(0);
    ASSERT_EQ(0, pItems->GetCustomizeSelected());
    SendCommand(*pItems, ID_TAVOP_CUSTOMIZE_TEXT);
    EXPECT_TRUE(GetCommandManager()->IsMenuItemWithoutImage(kCut));
    {
        CustomizeMenu menu;
        ASSERT_TRUE(pItems->PrepareCustomizeMenu(pCut, menu.Popup()));
        EXPECT_TRUE(menu.Checked(ID_TAVOP_CUSTOMIZE_TEXT));
        EXPECT_FALSE(menu.Checked(ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT));
    }
    SendCommand(*pItems, ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT);
    EXPECT_FALSE(GetCommandManager()->IsMenuItemWithoutImage(kCut));
}

TEST_F(PopupCustomizeFixture, RealDragsCarryButtonsBetweenAToolbarAndAnOpenMenu)
{
    ASSERT_TRUE(pItems->IsDropTarget());
    CPoint into = InItem(1, true);
    pItems->ClientToScreen(&into);
    RunMouse(DragSteps(bar2.ScreenCenter(3), into));
    ASSERT_NE(nullptr, pFile->GetPopupMenu());
    EXPECT_EQ((std::vector<UINT>{kNew, kCut, kOpen, kClose}), ItemIds());
    EXPECT_EQ(11, bar2.GetCount());

    // And an item back out of the menu onto the toolbar, before its first button.
    CRect rect;
    pItems->GetItemRect(2, rect);
    CPoint from = rect.CenterPoint();
    pItems->ClientToScreen(&from);
    bar2.GetItemRect(0, rect);
    CPoint to(rect.left + 2, rect.CenterPoint().y);
    bar2.ClientToScreen(&to);
    RunMouse(DragSteps(from, to));
    EXPECT_EQ((std::vector<UINT>{kNew, kCut, kClose}), ItemIds());
    ASSERT_EQ(12, bar2.GetCount());
    EXPECT_EQ(kOpen, bar2.GetItemID(0));
}
