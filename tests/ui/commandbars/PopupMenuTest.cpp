// Menus drawn as toolbars in a real frame: the menu button's menus and archive, the popup's item
// bar import, the chosen command's way to the frame, placement at the work-area edges and keys.
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/CTavoPShowAllButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/menus/CTavoPMenuIdPool.h"
#include "ui/commandbars/menus/CTavoPMenuSound.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "framework/CTestSeams.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/BoundDC.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/ScreenPixels.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>
#include "tests/support/MessagePump.h"

namespace {

const UINT kNew = 31001, kOpen = 31002, kSave = 31003, kClose = 31004, kCut = 31005;
const UINT kCopy = 31006, kPaste = 31007, kAbout = 31008;

// File (New, Open, ---, Save, Close), Edit (Cut, Copy, Paste, sub-menu Special (About)).
HMENU BuildFileMenu()
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_STRING, kNew, "&New\tCtrl+N");
    ::AppendMenu(hMenu, MF_STRING, kOpen, "&Open");
    ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
    ::AppendMenu(hMenu, MF_STRING, kSave, "&Save");
    ::AppendMenu(hMenu, MF_STRING, kClose, "&Close");
    return hMenu;
}

HMENU BuildEditMenu()
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_STRING, kCut, "Cu&t");
    ::AppendMenu(hMenu, MF_STRING, kCopy, "&Copy");
    ::AppendMenu(hMenu, MF_STRING, kPaste, "&Paste");
    HMENU hSpecial = ::CreatePopupMenu();
    ::AppendMenu(hSpecial, MF_STRING, kAbout, "&About");
    ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hSpecial, "&Special");
    return hMenu;
}

// A frame that records commands and prompts, checks that no popup is left when a command
// arrives, and gives key presses to the open popup first, as library frames do.
class CMenuFrame : public CFrameWnd
{
public:
    std::vector<UINT> events; // prompts as 1, commands as their IDs
    BOOL bPopupGoneAtCommand = TRUE;
    HWND hwndPopupAtChoice = NULL;
    CMenuFrame() { m_bAutoMenuEnable = FALSE; }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        const UINT uiCmd = LOWORD(wParam);
        if (uiCmd >= kNew && uiCmd <= kAbout)
        {
            events.push_back(uiCmd);
            if (CTavoPPopupMenu::GetActiveMenu() != nullptr ||
                (hwndPopupAtChoice != NULL && ::IsWindow(hwndPopupAtChoice)))
                bPopupGoneAtCommand = FALSE;
            return TRUE;
        }
        return CFrameWnd::OnCommand(wParam, lParam);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
        if (pMsg->message == WM_KEYDOWN && pPopup != nullptr && ::IsWindow(pPopup->GetSafeHwnd()))
        {
            pPopup->SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
            return TRUE;
        }
        return CFrameWnd::PreTranslateMessage(pMsg);
    }
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM)
    {
        if (wParam == AFX_IDS_IDLEMESSAGE)
            events.push_back(1);
        prompts.push_back((UINT)wParam);
        return 0;
    }
    std::vector<UINT> prompts; // every status prompt, by its string ID
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuFrame, CFrameWnd)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
END_MESSAGE_MAP()

void PressKey(CMenuFrame* pFrame, UINT vk)
{
    pFrame->PostMessage(WM_KEYDOWN, vk, 0);
    PumpThrough(pFrame);
}

// A stored object of a class that is no button.
class CStranger : public CObject
{
    DECLARE_SERIAL(CStranger)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << (DWORD)7;
        else
        {
            DWORD dw = 0;
            ar >> dw;
        }
    }
};

IMPLEMENT_SERIAL(CStranger, CObject, 1)

std::mutex g_soundLock;
std::vector<std::string> g_sounds;

BOOL WINAPI RecordSound(LPCTSTR pszSound, HMODULE, DWORD)
{
    std::lock_guard<std::mutex> lock(g_soundLock);
    g_sounds.push_back(pszSound != nullptr ? pszSound : "");
    return TRUE;
}

class MenuFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTavoPToolBar::ResetAllImages();
        CTavoPToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
        CTavoPPopupMenu::m_AnimationType = 0;
        frame = new CMenuFrame;
        ASSERT_TRUE(frame->Create(NULL, "menus", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(100, 100, 700, 500)));
        ASSERT_TRUE(bar.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        HMENU hFile = BuildFileMenu();
        HMENU hEdit = BuildEditMenu();
        bar.InsertButton(new CTavoPToolbarMenuButton(0, hFile, -1, "&File"));
        bar.InsertButton(new CTavoPToolbarMenuButton(0, hEdit, -1, "&Edit"));
        ::DestroyMenu(hFile);
        ::DestroyMenu(hEdit);
        bar.AdjustLayout();
        PumpMessages();
    }
    void TearDown() override
    {
        for (int i = 0; i < bar.GetCount(); i++)
            bar.GetButton(i)->OnCancelMode();
        PumpMessages();
        if (bar.GetSafeHwnd() != NULL)
            bar.DestroyWindow();
        frame->DestroyWindow();
        PumpMessages();
    }
    CTavoPToolbarMenuButton* Entry(int i) { return (CTavoPToolbarMenuButton*)bar.GetButton(i); }
    CMenuFrame* frame = nullptr;
    CTavoPToolBar bar;
};

} // namespace

// ---- the menu button ----

TEST(MenuButton, MenuHandleRoundTripKeepsItemsBreaksDefaultAndTearOffCaption)
{
    CTavoPWorkspace workspace;
    CTavoPMenuIdPool pool;
    ASSERT_TRUE(pool.Initialize(40000, 40010));
    workspace.m_pTearOffManager = &pool;

    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_STRING, kNew, "&New");
    ::AppendMenu(hMenu, MF_STRING | MF_MENUBREAK, kOpen, "&Open");
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenu(hSub, MF_STRING, kAbout, "&About");
    CString strCaption = "&Tools";
    CTavoPMenuIdPool::EmbedId(40003, strCaption);
    ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hSub, strCaption);
    ::SetMenuDefaultItem(hMenu, kOpen, FALSE);

    {
        CTavoPToolbarMenuButton button(0, hMenu, -1, "&File");
        ::DestroyMenu(hMenu);
        ASSERT_EQ(3, button.GetCommands().GetCount());
        CTavoPToolbarMenuButton* pSub = (CTavoPToolbarMenuButton*)button.GetCommands().GetTail();
        EXPECT_EQ((UINT)-1, pSub->m_nID);
        EXPECT_EQ(40003u, pSub->GetTearOffID());
        EXPECT_EQ(CString("&Tools"), pSub->m_strText);
        EXPECT_EQ(0u, pool.GetFreeId() == 40003 ? 1u : 0u); // marked as used

        HMENU hBack = button.CreateMenu();
        ASSERT_NE((HMENU)NULL, hBack);
        ASSERT_EQ(3, ::GetMenuItemCount(hBack));
        EXPECT_EQ(kOpen, ::GetMenuDefaultItem(hBack, FALSE, GMDI_USEDISABLED));
        EXPECT_TRUE(::GetMenuState(hBack, 1, MF_BYPOSITION) & MF_MENUBREAK);
        char szText[64] = "";
        ::GetMenuStringA(hBack, 2, szText, sizeof(szText), MF_BYPOSITION);
        CString strBack = szText;
        EXPECT_EQ(40003u, CTavoPMenuIdPool::ExtractId(strBack));
        EXPECT_EQ(CString("&Tools"), strBack);
        ::DestroyMenu(hBack);
    }
    workspace.m_pTearOffManager = nullptr;
}

TEST(MenuButton, ArchiveHoldsTheTearOffIdOnlyForVersionsThatWriteIt)
{
    struct Case
    {
        int major, minor;
        bool holdsId;
    } cases[] = {{4, 70, false}, {3, 90, false}, {4, 71, true}, {5, 0, true}, {-1, 0, true}};

    CTavoPWorkspace workspace;
    for (const Case& c : cases)
    {
        workspace.m_iSavedVersionMajor = c.major;
        workspace.m_iSavedVersionMinor = c.minor;
        HMENU hMenu = BuildEditMenu();
        CTavoPToolbarMenuButton source(0, hMenu, -1, "&Edit");
        ::DestroyMenu(hMenu);
        source.SetTearOff(123);

        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            source.Serialize(ar);
        }
        CTavoPToolbarMenuButton plain(0, NULL, -1, "&Edit");
        CMemFile plainFile;
        {
            CArchive ar(&plainFile, CArchive::store);
            plain.CTavoPToolbarButton::Serialize(ar);
        }
        // Base fields, optional ID, the count and the four sub-items follow.
        const ULONGLONG nBase = plainFile.GetLength();
        file.SeekToBegin();
        std::vector<BYTE> bytes((size_t)file.GetLength());
        file.Read(bytes.data(), (UINT)bytes.size());
        if (c.holdsId)
        {
            EXPECT_EQ(123u, *(const UINT*)&bytes[(size_t)nBase]) << c.major << "." << c.minor;
        }

        file.SeekToBegin();
        CTavoPToolbarMenuButton loaded;
        {
            CArchive ar(&file, CArchive::load);
            loaded.Serialize(ar);
        }
        EXPECT_EQ(c.holdsId ? 123u : 0u, loaded.GetTearOffID()) << c.major << "." << c.minor;
        EXPECT_TRUE(loaded.CompareWith(source)) << c.major << "." << c.minor;
        EXPECT_EQ(4, loaded.GetCommands().GetCount());
        source.SetTearOff(0);
        loaded.SetTearOff(0);
    }
}

TEST(MenuButton, ArchiveListingTheButtonInsideItsOwnItemsFailsCleanly)
{
    // A menu button whose sub-item refers back to the button being loaded, then data that ends
    // early: the failed button is deleted and must not take itself along a second time.
    const char* pszHex = "ffff01001700435461766f50546f6f6c6261724d656e75427574746f6e67000000000000"
                         "0002000000044d6b3ffa894b25c3cafc9f46f6b7456e569bb8351fc57bf4155a02006fd1";
    Bytes bytes;
    for (const char* p = pszHex; p[0] != 0; p += 2)
        bytes.push_back((BYTE)std::stoi(std::string(p, 2), nullptr, 16));
    ASSERT_EQ(72u, bytes.size());
    CTavoPWorkspace workspace;
    for (int nMajor : {-1, 4})
    {
        // With and without the tear-off ID in front of the sub-items.
        workspace.m_iSavedVersionMajor = nMajor;
        workspace.m_iSavedVersionMinor = nMajor == -1 ? -1 : 70;
        EXPECT_NE(-1, LoadFailureCause(bytes, [](CArchive& ar) {
            ar.ReadObject(RUNTIME_CLASS(CTavoPToolbarButton));
        })) << nMajor;
    }

    // Two sub-items that are one object fail too.
    CTavoPToolbarMenuButton source(0, NULL, -1, "&Edit");
    CTavoPToolbarButton item(kCut, -1, "Cu&t");
    const Bytes twice = StoreToBytes([&](CArchive& ar) {
        source.CTavoPToolbarButton::Serialize(ar);
        ar.WriteCount(2);
        ar.WriteObject(&item);
        ar.WriteObject(&item);
    });
    CTavoPToolbarMenuButton loaded;
    EXPECT_EQ(CArchiveException::badIndex,
              LoadFailureCause(twice, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(1, loaded.GetCommands().GetCount());
}

TEST(MenuButton, ArchiveWithAnObjectThatIsNoButtonFailsCleanly)
{
    CTavoPWorkspace workspace;
    workspace.m_iSavedVersionMajor = 4;
    workspace.m_iSavedVersionMinor = 70;
    CTavoPToolbarMenuButton base(0, NULL, -1, "&Edit");
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        base.CTavoPToolbarButton::Serialize(ar);
        ar.WriteCount(1);
        CStranger stranger;
        ar.WriteObject(&stranger);
    }
    file.SeekToBegin();
    CTavoPToolbarMenuButton loaded;
    BOOL bThrown = FALSE;
    try
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    catch (CException* e)
    {
        bThrown = TRUE;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(0, loaded.GetCommands().GetCount());
}

// ---- the item bar ----

TEST_F(MenuFixture, ImportDropsStraySeparatorsAndKeepsStatesThenGoesBackIntoAMenu)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
    ::AppendMenu(hMenu, MF_STRING, kNew, "&New");
    ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
    ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
    ::AppendMenu(hMenu, MF_STRING | MF_GRAYED, kOpen, "&Open");
    ::AppendMenu(hMenu, MF_STRING | MF_CHECKED, kSave, "&Save");
    ::AppendMenu(hMenu, MF_STRING | MF_MENUBREAK, kClose, "&Close");
    ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
    ::SetMenuDefaultItem(hMenu, kSave, FALSE);

    CTavoPPopupMenu* pPopup = new CTavoPPopupMenu;
    ASSERT_TRUE(pPopup->Create(frame, 10, 10, hMenu, FALSE, TRUE));
    CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
    struct Expect
    {
        UINT id;
        UINT style;
    } expected[] = {{kNew, 0},
                    {0, TBBS_SEPARATOR},
                    {kOpen, TBBS_DISABLED},
                    {kSave, TBBS_CHECKED},
                    {kClose, TAVOP_TBBS_BREAK}};
    ASSERT_EQ(5, pBar->GetCount());
    for (int i = 0; i < 5; i++)
    {
        EXPECT_EQ(expected[i].id, pBar->GetButton(i)->m_nID) << i;
        EXPECT_EQ(expected[i].style,
                  pBar->GetButton(i)->m_nStyle &
                      (TBBS_SEPARATOR | TBBS_DISABLED | TBBS_CHECKED | TAVOP_TBBS_BREAK))
            << i;
    }
    EXPECT_EQ(kSave, pBar->GetDefaultMenuId());
    // Two columns: Close starts the second one at the right of the first.
    EXPECT_GT(pBar->GetButton(4)->Rect().left, pBar->GetButton(0)->Rect().left);
    EXPECT_EQ(pBar->GetButton(0)->Rect().top, pBar->GetButton(4)->Rect().top);

    HMENU hBack = pBar->CreateMenuFromItems();
    ASSERT_EQ(5, ::GetMenuItemCount(hBack));
    const UINT types[] = {MFT_STRING, MFT_SEPARATOR, MFT_STRING, MFT_STRING, MFT_STRING};
    for (int i = 0; i < 5; i++)
    {
        MENUITEMINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_TYPE | MIIM_ID;
        char szText[64] = "";
        info.dwTypeData = szText;
        info.cch = sizeof(szText);
        ASSERT_TRUE(::GetMenuItemInfo(hBack, i, TRUE, &info));
        EXPECT_EQ(types[i], info.fType & MFT_SEPARATOR) << i;
        EXPECT_EQ(expected[i].id, info.wID) << i;
    }
    EXPECT_EQ(kSave, ::GetMenuDefaultItem(hBack, FALSE, GMDI_USEDISABLED));
    ::DestroyMenu(hBack);
    pPopup->SendMessage(WM_CLOSE);
    PumpMessages();
}

namespace {

// A window that shows menus and is no frame, as a dialog: it disables Open and checks Save.
class CMenuDialog : public CWnd
{
public:
    void OnUpdateOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuDialog, CWnd)
    ON_UPDATE_COMMAND_UI(kOpen, OnUpdateOpen)
    ON_UPDATE_COMMAND_UI(kSave, OnUpdateSave)
END_MESSAGE_MAP()

} // namespace

TEST_F(MenuFixture, MenuOfAWindowThatIsNoFrameOpensWithItsItemsUpdated)
{
    CMenuDialog dialog;
    ASSERT_TRUE(dialog.CreateEx(0, AfxRegisterWndClass(0), "dialog", WS_POPUP | WS_VISIBLE,
                                CRect(50, 50, 250, 250), frame, 0));
    CTavoPPopupMenu* pPopup = new CTavoPPopupMenu;
    ASSERT_TRUE(pPopup->Create(&dialog, 60, 60, BuildFileMenu(), FALSE, TRUE));
    CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
    const UINT uiOpenStyle = pBar->GetButton(pBar->CommandToIndex(kOpen))->m_nStyle;
    const UINT uiSaveStyle = pBar->GetButton(pBar->CommandToIndex(kSave))->m_nStyle;
    EXPECT_TRUE(uiOpenStyle & TBBS_DISABLED);
    EXPECT_TRUE(uiSaveStyle & TBBS_CHECKED);
    pPopup->SendMessage(WM_CLOSE);
    PumpMessages();
    dialog.DestroyWindow();
}

TEST_F(MenuFixture, RemovingItemsForgetsTheDelayedSubMenuTimers)
{
    ASSERT_TRUE(Entry(1)->OnClick(&bar, FALSE));
    CTavoPPopupMenu* pPopup = Entry(1)->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
    CTavoPToolbarMenuButton* pSpecial = (CTavoPToolbarMenuButton*)pBar->GetButton(3);
    pBar->ScheduleOpenSubMenu(pSpecial, 1);
    EXPECT_EQ(pSpecial, pBar->GetDelayedOpenItem());
    pBar->RemoveAllButtons();
    EXPECT_EQ(nullptr, pBar->GetDelayedOpenItem());
    EXPECT_EQ(nullptr, pBar->GetDelayedCloseItem());
    // A timer tick that still arrives finds nothing to open.
    pBar->SendMessage(WM_TIMER, CTavoPPopupMenuBar::kTimerOpenSubMenu);
    EXPECT_EQ(0, pBar->GetCount());
}

// ---- the chosen command ----

TEST_F(MenuFixture, ChosenCommandArrivesAfterTheIdlePromptWithTheMenusClosed)
{
    CTavoPMenuSound::Player previous = CTavoPMenuSound::SetPlayer(RecordSound);
    CTavoPMenuSound::EnableSounds(TRUE);
    const int nUsageBefore = GetCommandUsage().GetCount(kCopy);

    ASSERT_TRUE(Entry(1)->OnClick(&bar, FALSE));
    CTavoPPopupMenu* pPopup = Entry(1)->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(pPopup, CTavoPPopupMenu::GetActiveMenu());
    frame->hwndPopupAtChoice = pPopup->GetSafeHwnd();
    frame->events.clear();

    PressKey(frame, VK_DOWN); // Cut
    PressKey(frame, VK_DOWN); // Copy
    PressKey(frame, VK_RETURN);
    PumpThrough(frame);

    ASSERT_FALSE(frame->events.empty());
    EXPECT_EQ(kCopy, frame->events.back());
    EXPECT_EQ(1u, frame->events[frame->events.size() - 2]);
    EXPECT_TRUE(frame->bPopupGoneAtCommand);
    EXPECT_EQ(nullptr, Entry(1)->GetPopupMenu());
    EXPECT_EQ(nUsageBefore + 1, GetCommandUsage().GetCount(kCopy));

    bool bCommandSound = false;
    for (int i = 0; i < 100 && !bCommandSound; i++)
    {
        ::Sleep(10);
        std::lock_guard<std::mutex> lock(g_soundLock);
        for (const std::string& s : g_sounds)
            bCommandSound = bCommandSound || s == "MenuCommand";
    }
    EXPECT_TRUE(bCommandSound);
    CTavoPMenuSound::SetPlayer(previous);
}

TEST_F(MenuFixture, ClickReleasedOutsideEveryMenuClosesTheChainWithoutACommand)
{
    ASSERT_TRUE(Entry(1)->OnClick(&bar, FALSE));
    CTavoPPopupMenu* pPopup = Entry(1)->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
    frame->events.clear();
    const CPoint inside = pBar->GetButton(0)->Rect().CenterPoint();
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-500, -500));
    PumpThrough(frame);
    EXPECT_EQ(nullptr, Entry(1)->GetPopupMenu());
    for (UINT e : frame->events)
        EXPECT_EQ(1u, e);
}

TEST_F(MenuFixture, FocusGoingIntoTheBarsOpenMenuKeepsItsButtonHot)
{
    const CPoint at = Entry(0)->Rect().CenterPoint();
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    ASSERT_EQ(0, bar.GetHighlightedButton());
    ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE));
    CTavoPPopupMenu* pPopup = Entry(0)->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);

    for (CWnd* pInMenu : {(CWnd*)pPopup, (CWnd*)pPopup->GetMenuBar()})
    {
        bar.SendMessage(WM_KILLFOCUS, (WPARAM)pInMenu->GetSafeHwnd());
        EXPECT_EQ(0, bar.GetHighlightedButton());
    }
    bar.SendMessage(WM_KILLFOCUS, (WPARAM)frame->GetSafeHwnd());
    EXPECT_EQ(-1, bar.GetHighlightedButton());
}

namespace {

struct ToolTipAccess : CTavoPToolBar
{
    static CToolTipCtrl& Of(CTavoPToolBar& bar) { return bar.*(&ToolTipAccess::m_wndToolTip); }
};

} // namespace

// A popup's item bar makes its tool tip control when the first message for it arrives, and the
// control then knows every item.
TEST_F(MenuFixture, ItemToolTipsAreReadyOnceTheMouseReachesTheItems)
{
    ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE));
    CTavoPPopupMenu* pPopup = Entry(0)->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
    const CPoint inside = pBar->GetButton(0)->Rect().CenterPoint();
    MSG msg = {};
    msg.hwnd = pBar->GetSafeHwnd();
    msg.message = WM_MOUSEMOVE;
    msg.lParam = MAKELPARAM(inside.x, inside.y);
    pBar->PreTranslateMessage(&msg);
    CToolTipCtrl& tip = ToolTipAccess::Of(*pBar);
    ASSERT_NE(nullptr, tip.GetSafeHwnd());
    EXPECT_EQ(pBar->GetCount(), (int)tip.SendMessage(TTM_GETTOOLCOUNT));
    pPopup->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_EQ(nullptr, Entry(0)->GetPopupMenu());
}

// The status line the items' prompts belong to is the frame's, not the popup window's; and
// however the menu closes, the frame ends with the idle prompt.
TEST_F(MenuFixture, HotItemsShowTheirPromptsInTheFrameWhichEndsIdleWhenTheMenuCloses)
{
    for (const bool bByKey : {false, true})
    {
        ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE));
        CTavoPPopupMenu* pPopup = Entry(0)->GetPopupMenu();
        ASSERT_NE(nullptr, pPopup);
        CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
        frame->prompts.clear();
        if (bByKey)
            PressKey(frame, VK_DOWN); // New
        else
        {
            const CPoint open = pBar->GetButton(1)->Rect().CenterPoint();
            pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(open.x, open.y));     // skipped as the
            pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(open.x, open.y + 1)); // popup appears
        }
        ASSERT_FALSE(frame->prompts.empty());
        EXPECT_EQ(bByKey ? kNew : kOpen, frame->prompts.back());
        pPopup->SendMessage(WM_CLOSE);
        PumpMessages();
        EXPECT_EQ(nullptr, Entry(0)->GetPopupMenu());
        EXPECT_EQ((UINT)AFX_IDS_IDLEMESSAGE, frame->prompts.back());
    }
}

// A menu item shows its whole label and its prompt goes to the status line: a tip would only
// repeat the label over the items below. Help mode still learns the item's command.
TEST_F(MenuFixture, ItemsOfferNoTipYetTellHelpModeTheirCommand)
{
    ASSERT_TRUE(Entry(1)->OnClick(&bar, FALSE));
    CTavoPPopupMenu* pPopup = Entry(1)->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
    ASSERT_EQ(4, pBar->GetCount()); // Cut, Copy, Paste, Special >
    for (int i = 0; i < pBar->GetCount(); i++)
    {
        const CPoint point = pBar->GetButton(i)->Rect().CenterPoint();
        TOOLINFO ti = {};
        ti.cbSize = sizeof ti;
        EXPECT_EQ(-1, pBar->OnToolHitTest(point, &ti)) << pBar->GetButton(i)->m_strText;
        EXPECT_EQ(nullptr, ti.lpszText);
    }
    EXPECT_EQ((INT_PTR)kCut, pBar->OnToolHitTest(pBar->GetButton(0)->Rect().CenterPoint(), NULL));
    pPopup->SendMessage(WM_CLOSE);
    PumpMessages();
}

// ---- placement ----

TEST_F(MenuFixture, PlacementStaysInsideTheWorkAreaOnEverySide)
{
    CRect rectWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    // The bar is moved so that its first entry lies where the case asks.
    struct Case
    {
        const char* name;
        CPoint barAt; // screen position of the bar
        int expectedDrop;
        bool above;        // the popup ends above the button, and unfolds upwards
        bool rightAligned; // the popup ends one pixel inside the right edge, and unfolds leftwards
    } cases[] = {
        {"middle", CPoint(300, 200), CTavoPPopupMenu::DROP_DOWN, false, false},
        {"right edge", CPoint(rectWork.right - 30, 200), CTavoPPopupMenu::DROP_NONE, false, true},
        {"bottom edge", CPoint(300, rectWork.bottom - 30), CTavoPPopupMenu::DROP_UP, true, false},
    };
    CTavoPPopupMenu::m_AnimationType = 1;
    for (const Case& c : cases)
    {
        frame->SetWindowPos(NULL, c.barAt.x - 10, c.barAt.y - 40, 600, 200,
                            SWP_NOZORDER | SWP_NOACTIVATE);
        PumpMessages();
        ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE)) << c.name;
        CTavoPPopupMenu* pPopup = Entry(0)->GetPopupMenu();
        ASSERT_NE(nullptr, pPopup) << c.name;
        CRect rectPopup;
        pPopup->GetWindowRect(rectPopup);
        CRect rectButton = Entry(0)->Rect();
        bar.ClientToScreen(rectButton);
        EXPECT_EQ(c.expectedDrop, pPopup->GetDropDirection()) << c.name;
        EXPECT_GE(rectPopup.left, rectWork.left) << c.name;
        EXPECT_LE(rectPopup.right - pPopup->GetShadowDepth(), rectWork.right) << c.name;
        EXPECT_GE(rectPopup.top, rectWork.top) << c.name;
        EXPECT_LE(rectPopup.bottom - pPopup->GetShadowDepth(), rectWork.bottom) << c.name;
        if (c.above)
        {
            EXPECT_EQ(rectButton.top, rectPopup.top + pPopup->GetFinalSize().cy) << c.name;
        }
        else
        {
            EXPECT_EQ(rectButton.bottom - 1, rectPopup.top) << c.name;
        }
        if (c.rightAligned)
        {
            EXPECT_EQ(rectWork.right - 1, rectPopup.left + pPopup->GetFinalSize().cx) << c.name;
        }
        // The unfolding stays anchored to the side the popup was pushed from.
        EXPECT_EQ(c.rightAligned, pPopup->IsRightAlign() != FALSE) << c.name;
        EXPECT_EQ(!c.above, pPopup->IsUnfoldDown() != FALSE) << c.name;
        Entry(0)->OnCancelMode();
        PumpMessages();
    }
    CTavoPPopupMenu::m_AnimationType = 0;
}

TEST_F(MenuFixture, SubMenuAtTheRightEdgeOpensLeftOfItsParent)
{
    CRect rectWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    frame->SetWindowPos(NULL, rectWork.right - 150, 200, 600, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
    ASSERT_TRUE(Entry(1)->OnClick(&bar, FALSE));
    CTavoPPopupMenu* pPopup = Entry(1)->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    CTavoPToolbarMenuButton* pSpecial =
        (CTavoPToolbarMenuButton*)pPopup->GetMenuBar()->GetButton(3);
    ASSERT_TRUE(pSpecial->OpenPopupMenu(pPopup->GetMenuBar()));
    CTavoPPopupMenu* pSub = pSpecial->GetPopupMenu();
    ASSERT_NE(nullptr, pSub);
    EXPECT_EQ(pPopup, pSub->GetParentPopupMenu());
    CRect rectParent, rectSub;
    pPopup->GetWindowRect(rectParent);
    pSub->GetWindowRect(rectSub);
    EXPECT_EQ(CTavoPPopupMenu::DROP_LEFT, pSub->GetDropDirection());
    EXPECT_EQ(rectParent.left, rectSub.left + pSub->GetFinalSize().cx);
}

// A sub-menu that closes its chain (a click outside every menu) takes its parent popup along
// once: the parent destroys the popups it owns, and the sub-menu, already going, must not start
// closing the chain again from inside that.
TEST_F(MenuFixture, SubMenuClosingItsChainClosesTheParentOnceAndFreesTheEntry)
{
    ASSERT_TRUE(Entry(1)->OnClick(&bar, FALSE));
    CTavoPPopupMenu* pPopup = Entry(1)->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    const HWND hwndPopup = pPopup->GetSafeHwnd();
    CTavoPToolbarMenuButton* pSpecial =
        (CTavoPToolbarMenuButton*)pPopup->GetMenuBar()->GetButton(3);
    ASSERT_TRUE(pSpecial->OpenPopupMenu(pPopup->GetMenuBar()));
    CTavoPPopupMenu* pSub = pSpecial->GetPopupMenu();
    ASSERT_NE(nullptr, pSub);
    const HWND hwndSub = pSub->GetSafeHwnd();
    frame->prompts.clear();

    pSub->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hwndSub));
    EXPECT_FALSE(::IsWindow(hwndPopup));
    EXPECT_EQ(nullptr, Entry(1)->GetPopupMenu()) << "the entry is still drawn open";
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());
    ASSERT_FALSE(frame->prompts.empty());
    EXPECT_EQ((UINT)AFX_IDS_IDLEMESSAGE, frame->prompts.back());

    // The next click on an entry opens its menu.
    ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE));
    EXPECT_NE(nullptr, Entry(0)->GetPopupMenu());
}

// ---- keys ----

TEST_F(MenuFixture, KeysMoveBetweenMenusAndActOnOneLevel)
{
    ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE));
    ASSERT_NE(nullptr, Entry(0)->GetPopupMenu());

    PressKey(frame, VK_RIGHT); // File -> Edit
    EXPECT_EQ(nullptr, Entry(0)->GetPopupMenu());
    ASSERT_NE(nullptr, Entry(1)->GetPopupMenu());
    PressKey(frame, VK_RIGHT); // wraps to File
    ASSERT_NE(nullptr, Entry(0)->GetPopupMenu());
    EXPECT_EQ(nullptr, Entry(1)->GetPopupMenu());
    PressKey(frame, VK_LEFT); // wraps back to Edit
    ASSERT_NE(nullptr, Entry(1)->GetPopupMenu());

    // The mnemonic of the sub-menu item opens its menu with the first item selected.
    CTavoPPopupMenu* pEdit = Entry(1)->GetPopupMenu();
    PressKey(frame, 'S');
    CTavoPToolbarMenuButton* pSpecial = (CTavoPToolbarMenuButton*)pEdit->GetMenuBar()->GetButton(3);
    ASSERT_NE(nullptr, pSpecial->GetPopupMenu());
    EXPECT_EQ(pSpecial->GetPopupMenu(), CTavoPPopupMenu::GetActiveMenu());
    EXPECT_EQ(0, pSpecial->GetPopupMenu()->GetMenuBar()->GetHighlightedButton());

    // Escape closes one level at a time.
    PressKey(frame, VK_ESCAPE);
    PumpMessages();
    EXPECT_EQ(nullptr, pSpecial->GetPopupMenu());
    EXPECT_EQ(pEdit, Entry(1)->GetPopupMenu());
    EXPECT_EQ(pEdit, CTavoPPopupMenu::GetActiveMenu());
    PressKey(frame, VK_ESCAPE);
    PumpMessages();
    EXPECT_EQ(nullptr, Entry(1)->GetPopupMenu());
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());
}

// ---- recent files, the menu delay, painting, animation and scrolling ----

TEST_F(MenuFixture, MnemonicsMatchTheKeysCharacterAsToolbarsDo)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_STRING, kNew, "&1 New");
    ::AppendMenu(hMenu, MF_STRING, kOpen, "&2 Open");
    ::AppendMenu(hMenu, MF_STRING, kClose, "&Quit");
    bar.InsertButton(new CTavoPToolbarMenuButton(0, hMenu, -1, "&Digits"));
    ::DestroyMenu(hMenu);
    bar.AdjustLayout();
    ASSERT_TRUE(Entry(2)->OnClick(&bar, FALSE));
    ASSERT_NE(nullptr, Entry(2)->GetPopupMenu());
    frame->events.clear();

    // A function key types nothing, though its code is that of the letter q.
    PressKey(frame, VK_F2);
    EXPECT_NE(nullptr, Entry(2)->GetPopupMenu());
    EXPECT_TRUE(frame->events.empty());

    // A digit's mnemonic is taken with Shift held, as toolbars take it.
    BYTE saved[256] = {}, keys[256] = {};
    ::GetKeyboardState(saved);
    std::copy(saved, saved + 256, keys);
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    PressKey(frame, '2');
    ::SetKeyboardState(saved);
    PumpThrough(frame);
    EXPECT_EQ(nullptr, Entry(2)->GetPopupMenu());
    ASSERT_FALSE(frame->events.empty());
    EXPECT_EQ(kOpen, frame->events.back());
}

TEST_F(MenuFixture, RecentFilesAreNumberedWithTheirAmpersandsKept)
{
    const UINT kRecent = 57616;
    struct Case
    {
        std::vector<const char*> files;
        std::vector<CString> expected; // item texts after New, or "-" for a separator
    } cases[] = {
        {{"C:\\data\\R&D.txt", "C:\\data\\b.txt"},
         {"-", "&1 C:\\data\\R&&D.txt", "&2 C:\\data\\b.txt", "-", "&Close"}},
        {{}, {"-", "&Close"}},
    };
    for (const Case& c : cases)
    {
        CWinApp app("menus");
        app.m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", 4);
        for (auto it = c.files.rbegin(); it != c.files.rend(); ++it)
            app.m_pRecentFileList->Add(*it);

        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenu(hMenu, MF_STRING, kNew, "&New");
        ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
        ::AppendMenu(hMenu, MF_STRING, kRecent, "Recent File");
        ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
        ::AppendMenu(hMenu, MF_STRING, kClose, "&Close");
        CTavoPPopupMenu* pPopup = new CTavoPPopupMenu;
        ASSERT_TRUE(pPopup->Create(frame, 10, 10, hMenu, FALSE, TRUE));
        CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
        ASSERT_EQ((int)c.expected.size() + 1, pBar->GetCount());
        for (int i = 1; i < pBar->GetCount(); i++)
        {
            CTavoPToolbarButton* pItem = pBar->GetButton(i);
            const CString strText =
                (pItem->m_nStyle & TBBS_SEPARATOR) ? CString("-") : pItem->m_strText;
            EXPECT_EQ(c.expected[i - 1], strText) << i;
        }
        if (!c.files.empty())
        {
            EXPECT_EQ(kRecent + 1, pBar->GetButton(3)->m_nID);
        }
        pPopup->SendMessage(WM_CLOSE);
        PumpMessages();
    }
}

TEST_F(MenuFixture, MenuShowDelayComesFromTheUserSettingCappedAt5000)
{
    HKEY hKey = NULL;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &hKey));
    char szSaved[64] = "";
    DWORD cbSaved = sizeof(szSaved);
    const bool bHadValue = ::RegQueryValueExA(hKey, "MenuShowDelay", NULL, NULL, (BYTE*)szSaved,
                                              &cbSaved) == ERROR_SUCCESS;
    struct Case
    {
        const char* value; // null: no value
        int expected;
    } cases[] = {{"9000", 5000}, {"-1", 5000}, {"250", 250}, {nullptr, 500}};
    for (const Case& c : cases)
    {
        if (c.value != nullptr)
            ::RegSetValueExA(hKey, "MenuShowDelay", 0, REG_SZ, (const BYTE*)c.value,
                             (DWORD)strlen(c.value) + 1);
        else
            ::RegDeleteValueA(hKey, "MenuShowDelay");
        CTavoPPopupMenuBar::ResetMenuShowDelay();
        ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE));
        EXPECT_EQ(c.expected, CTavoPPopupMenuBar::GetMenuShowDelay())
            << (c.value ? c.value : "none");
        Entry(0)->OnCancelMode();
        PumpMessages();
    }
    if (bHadValue)
        ::RegSetValueExA(hKey, "MenuShowDelay", 0, REG_SZ, (const BYTE*)szSaved, cbSaved);
    else
        ::RegDeleteValueA(hKey, "MenuShowDelay");
    ::RegCloseKey(hKey);
    CTavoPPopupMenuBar::ResetMenuShowDelay();
}

TEST_F(MenuFixture, PrintingTheItemBarDrawsItsItems)
{
    ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE));
    CTavoPPopupMenuBar* pBar = Entry(0)->GetPopupMenu()->GetMenuBar();
    CRect rect;
    pBar->GetClientRect(rect);
    const COLORREF clrBlank = RGB(1, 2, 3);
    DibCanvas canvas(rect.Width(), rect.Height(), clrBlank);
    pBar->SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc(), PRF_CLIENT);
    const CRect rectItem = pBar->GetButton(0)->Rect();
    const int nArea = rectItem.Width() * rectItem.Height();
    // The background is painted and the text of the first item stands out from it.
    EXPECT_EQ(0, canvas.Count(clrBlank, 0, 0, rect.Width(), rect.Height()));
    const COLORREF clrBack = canvas.Pixel(rectItem.right - 2, rectItem.top + 1);
    EXPECT_LT(canvas.Count(clrBack, rectItem.left, rectItem.top, rectItem.right, rectItem.bottom),
              nArea);
}

TEST_F(MenuFixture, FadeRaisesTenPercentATickAndShowsTheItemsWhenDone)
{
    CTavoPPopupMenu::m_AnimationType = 3;
    ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE));
    CTavoPPopupMenu* pPopup = Entry(0)->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_FALSE(pPopup->IsAnimationDone());
    EXPECT_FALSE(pPopup->GetMenuBar()->IsWindowVisible());
    int nTicks = 0;
    int nLast = pPopup->GetFadePercent();
    while (!pPopup->IsAnimationDone() && nTicks < 20)
    {
        pPopup->SendMessage(WM_TIMER, CTavoPPopupMenu::kTimerAnimation);
        nTicks++;
        if (!pPopup->IsAnimationDone())
        {
            EXPECT_EQ(nLast + 10, pPopup->GetFadePercent());
            nLast = pPopup->GetFadePercent();
        }
    }
    CTavoPPopupMenu::m_AnimationType = 0;
    EXPECT_TRUE(pPopup->IsAnimationDone());
    EXPECT_GT(pPopup->GetFadePercent(), 100);
    EXPECT_LE(nTicks, 11);
    EXPECT_TRUE(pPopup->GetMenuBar()->IsWindowVisible());
}

TEST_F(MenuFixture, UnfoldAndSlideGrowByWholeColumnsAndRowsUntilTheMenuIsShown)
{
    struct Case
    {
        const char* name;
        int kind;
    };
    for (const Case& c : {Case{"unfold", 1}, Case{"slide", 2}})
    {
        CTavoPPopupMenu::m_AnimationType = c.kind;
        ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE)) << c.name;
        CTavoPPopupMenu* pPopup = Entry(0)->GetPopupMenu();
        ASSERT_NE(nullptr, pPopup) << c.name;
        CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
        const int cxColumn = pBar->GetColumnWidth(), cyRow = pBar->GetRowHeight();
        const CSize sizeFull =
            pPopup->GetFinalSize() + CSize(pPopup->GetShadowDepth(), pPopup->GetShadowDepth());
        const CSize sizeStart = pPopup->GetAnimatedSize();
        EXPECT_EQ(c.kind == 1 ? CSize(cxColumn, cyRow) : CSize(sizeFull.cx, cyRow), sizeStart)
            << c.name;
        EXPECT_FALSE(pBar->IsWindowVisible()) << c.name;

        for (int nTick = 0; nTick < 50 && !pPopup->IsAnimationDone(); nTick++)
        {
            // Steps follow the time passed: a pause gives a tick at least one step.
            ::Sleep(40);
            const CSize sizeBefore = pPopup->GetAnimatedSize();
            pPopup->SendMessage(WM_TIMER, CTavoPPopupMenu::kTimerAnimation);
            if (pPopup->IsAnimationDone())
                break;
            const CSize grown = pPopup->GetAnimatedSize() - sizeBefore;
            ASSERT_GT(grown.cy, 0) << c.name;
            EXPECT_EQ(0, grown.cy % cyRow) << c.name;
            if (c.kind == 1)
            {
                EXPECT_EQ(grown.cy / cyRow * cxColumn, grown.cx) << c.name;
            }
            else
            {
                EXPECT_EQ(0, grown.cx) << c.name;
            }
        }
        EXPECT_TRUE(pPopup->IsAnimationDone()) << c.name;
        EXPECT_EQ(sizeFull, pPopup->GetAnimatedSize()) << c.name;
        EXPECT_TRUE(pBar->IsWindowVisible()) << c.name;
        CTavoPPopupMenu::m_AnimationType = 0;
        Entry(0)->OnCancelMode();
        PumpMessages();
    }
}

TEST_F(MenuFixture, ShadowFallsOnlyOnTheFrameItDarkens)
{
    struct Case
    {
        const char* name;
        CRect rectFrame;
        bool bShadow;
    } cases[] = {{"inside the frame", CRect(100, 100, 700, 500), true},
                 {"beyond the frame's bottom", CRect(100, 100, 700, 160), false}};
    for (const Case& c : cases)
    {
        frame->MoveWindow(c.rectFrame);
        PumpMessages();
        ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE)) << c.name;
        CTavoPPopupMenu* pPopup = Entry(0)->GetPopupMenu();
        ASSERT_NE(nullptr, pPopup) << c.name;
        EXPECT_EQ(c.bShadow, pPopup->GetShadowDepth() > 0) << c.name;
        CRect rectPopup;
        pPopup->GetWindowRect(rectPopup);
        EXPECT_EQ(pPopup->GetFinalSize() +
                      CSize(pPopup->GetShadowDepth(), pPopup->GetShadowDepth()),
                  rectPopup.Size())
            << c.name;
        Entry(0)->OnCancelMode();
        PumpMessages();
    }
}

TEST_F(MenuFixture, MenuTallerThanTheWorkAreaScrolls)
{
    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < 120; i++)
    {
        CString strText;
        strText.Format("Item %d", i);
        ::AppendMenu(hMenu, MF_STRING, kNew, strText);
    }
    CTavoPPopupMenu* pPopup = new CTavoPPopupMenu;
    ASSERT_TRUE(pPopup->Create(frame, 10, 10, hMenu, FALSE, TRUE));
    CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
    ASSERT_TRUE(pPopup->IsScrollable());
    EXPECT_FALSE(pPopup->GetScrollDownRect().IsRectEmpty());
    EXPECT_EQ(0, pBar->GetOffset());

    // Keys bring the selected item into view.
    pPopup->SendMessage(WM_KEYDOWN, VK_END);
    EXPECT_GT(pBar->GetOffset(), 0);
    CRect rectBar;
    pBar->GetClientRect(rectBar);
    EXPECT_LE(pBar->GetButton(119)->Rect().bottom, rectBar.bottom);
    pPopup->SendMessage(WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(0, pBar->GetOffset());
    pPopup->SendMessage(WM_CLOSE);
    PumpMessages();
}

namespace {

struct PaintAccess : CTavoPPopupMenu
{
    static void DrawFull(CTavoPPopupMenu& popup, CDC* pDC)
    {
        (popup.*(&PaintAccess::DrawFullMenu))(pDC);
    }
};

// The menu background in a colour of its own for the time of a test.
class MenuColor
{
public:
    explicit MenuColor(COLORREF color) : m_saved(::GetSysColor(COLOR_MENU))
    {
        const int element = COLOR_MENU;
        ::SetSysColors(1, &element, &color);
    }
    ~MenuColor()
    {
        const int element = COLOR_MENU;
        ::SetSysColors(1, &element, &m_saved);
    }

private:
    COLORREF m_saved;
};

} // namespace

TEST_F(MenuFixture, ScrollButtonsShowOnTheMenuBackgroundOnlyWhereItemsAreHidden)
{
    const COLORREF teal = RGB(0, 128, 128), black = RGB(0, 0, 0);
    MenuColor menuColor(teal);
    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < 120; i++)
        ::AppendMenu(hMenu, MF_STRING, kNew, "Item");
    CTavoPPopupMenu* pPopup = new CTavoPPopupMenu;
    ASSERT_TRUE(pPopup->Create(frame, 10, 10, hMenu, FALSE, TRUE));
    ASSERT_TRUE(pPopup->IsScrollable());
    const CRect rectUp = pPopup->GetScrollUpRect(), rectDown = pPopup->GetScrollDownRect();
    EXPECT_EQ(CTavoPMenuGlyphImages::Size().cy + 4, rectUp.Height());
    EXPECT_EQ(CTavoPMenuGlyphImages::Size().cy + 4, rectDown.Height());

    CRect rectClient;
    pPopup->GetClientRect(rectClient);
    struct Case
    {
        const char* where;
        UINT vk;
        bool up, down;
    };
    for (const Case& c : {Case{"first row at the top", VK_HOME, false, true},
                          Case{"last row in view", VK_END, true, false}})
    {
        pPopup->SendMessage(WM_KEYDOWN, c.vk);
        DibCanvas canvas(rectClient.Width(), rectClient.Height());
        PaintAccess::DrawFull(*pPopup, CDC::FromHandle(canvas.dc()));
        for (const bool bUp : {true, false})
        {
            const CRect& rect = bUp ? rectUp : rectDown;
            const bool shown = bUp ? c.up : c.down;
            const int nFill = canvas.Count(teal, rect.left, rect.top, rect.right, rect.bottom);
            const int nGlyph = canvas.Count(black, rect.left, rect.top, rect.right, rect.bottom);
            EXPECT_EQ(shown, nGlyph > 0) << c.where << (bUp ? ", up" : ", down");
            EXPECT_EQ(shown, nFill > rect.Width() * rect.Height() / 2)
                << c.where << (bUp ? ", up" : ", down");
        }
    }

    // Resting on the down button scrolls a row a tick until the pointer leaves it.
    CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
    pPopup->SendMessage(WM_KEYDOWN, VK_HOME);
    ASSERT_EQ(0, pBar->GetOffset());
    const CPoint ptDown = rectDown.CenterPoint();
    CPoint ptScreen = ptDown;
    pPopup->ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptDown.x, ptDown.y));
    for (int nTick = 1; nTick <= 2; nTick++)
    {
        pPopup->SendMessage(WM_TIMER, CTavoPPopupMenu::kTimerScroll);
        EXPECT_EQ(nTick, pBar->GetOffset());
    }
    CRect rectPopup;
    pPopup->GetWindowRect(rectPopup);
    ::SetCursorPos(rectPopup.right + 50, rectPopup.top + 50);
    pPopup->SendMessage(WM_TIMER, CTavoPPopupMenu::kTimerScroll);
    EXPECT_EQ(2, pBar->GetOffset());
    EXPECT_FALSE(::KillTimer(pPopup->GetSafeHwnd(), CTavoPPopupMenu::kTimerScroll))
        << "the scroll timer stopped";
    pPopup->SendMessage(WM_CLOSE);
    PumpMessages();
}

namespace {

struct BasicCommandsAccess : CTavoPToolBar
{
    static void Clear() { BasicCommands().RemoveAll(); }
};

} // namespace

TEST_F(MenuFixture, RarelyUsedItemsAreHiddenYetTheirMnemonicsRunThem)
{
    CTavoPToolBar::AddBasicCommand(kNew);
    GetCommandUsage().RemoveAll();
    for (int i = 0; i < 20; i++)
    {
        GetCommandUsage().AddUsage(kOpen);
        GetCommandUsage().AddUsage(kClose);
    }
    ASSERT_TRUE(CTavoPToolBar::IsCommandRarelyUsed(kSave));

    ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE));
    CTavoPPopupMenu* pPopup = Entry(0)->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    CTavoPPopupMenuBar* pBar = pPopup->GetMenuBar();
    EXPECT_FALSE(pBar->AreAllCommandsShown());
    EXPECT_EQ(-1, pBar->CommandToIndex(kSave));
    EXPECT_TRUE(
        pBar->GetButton(pBar->GetCount() - 1)->IsKindOf(RUNTIME_CLASS(CTavoPShowAllButton)));

    frame->events.clear();
    PressKey(frame, 'S');
    PumpThrough(frame);
    ASSERT_FALSE(frame->events.empty());
    EXPECT_EQ(kSave, frame->events.back());
    EXPECT_EQ(nullptr, Entry(0)->GetPopupMenu());

    BasicCommandsAccess::Clear();
    GetCommandUsage().RemoveAll();
}

// ---- shortcut text ----

TEST_F(MenuFixture, ItemsShowTheShortcutOfTheFramesTableWhenShortcutsAreManaged)
{
    CTavoPWorkspace workspace;
    CTavoPKeyboardManager keyboard;
    const ACCEL table[] = {{FVIRTKEY | FCONTROL, 'N', (WORD)kNew},
                           {FVIRTKEY | FCONTROL | FSHIFT, VK_F5, (WORD)kOpen},
                           {FVIRTKEY | FALT, VK_DELETE, (WORD)kClose},
                           {FVIRTKEY | FCONTROL, 'W', (WORD)kClose},
                           {FVIRTKEY | FALT, VK_F4, (WORD)SC_CLOSE}};
    ASSERT_TRUE(keyboard.UpdateAccelTable(nullptr, table, 5, frame));

    struct Case
    {
        const char* what;
        UINT uiCmd;
        const char* text;
        const char* managed;
    };
    const Case cases[] = {
        {"the table's shortcut replaces the written one", kNew, "&New\tCtrl+N", "&New\tControl+N"},
        {"modifiers in the order Control, Shift, Alt", kOpen, "&Open", "&Open\tControl+Shift+F5"},
        {"the first entry of the command; the grey key's name", kClose, "&Close",
         "&Close\tAlt+Delete"},
        {"a shortcut the table lacks goes", kSave, "&Save\tCtrl+S", "&Save"},
        {"a system command keeps its text", SC_CLOSE, "C&lose\tAlt+F4", "C&lose\tAlt+F4"},
    };
    HMENU hMenu = ::CreatePopupMenu();
    for (const Case& c : cases)
        ::AppendMenu(hMenu, MF_STRING, c.uiCmd, c.text);
    bar.InsertButton(new CTavoPToolbarMenuButton(0, hMenu, -1, "&Keys"));
    ::DestroyMenu(hMenu);
    bar.AdjustLayout();

    for (const BOOL bManaged : {FALSE, TRUE})
    {
        workspace.m_pKeyboardManager = bManaged ? &keyboard : nullptr;
        ASSERT_TRUE(Entry(2)->OnClick(&bar, FALSE));
        CTavoPPopupMenu* pPopup = Entry(2)->GetPopupMenu();
        ASSERT_NE(nullptr, pPopup);
        for (const Case& c : cases)
        {
            const int i = pPopup->GetMenuBar()->CommandToIndex(c.uiCmd);
            ASSERT_GE(i, 0) << c.what;
            EXPECT_STREQ(bManaged ? c.managed : c.text, pPopup->GetMenuItem(i)->m_strText)
                << c.what;
        }
        Entry(2)->OnCancelMode();
        PumpMessages();
    }
    workspace.m_pKeyboardManager = nullptr;
}

TEST_F(MenuFixture, ItemsTakeTheirShortcutsFromTheLibraryFrameActivatedLast)
{
    CTavoPWorkspace workspace;
    CTavoPKeyboardManager keyboard;
    workspace.m_pKeyboardManager = &keyboard;
    const ACCEL barFrameTable[] = {{FVIRTKEY | FCONTROL, 'N', (WORD)kNew}};
    ASSERT_TRUE(keyboard.UpdateAccelTable(nullptr, barFrameTable, 1, frame));
    CTavoPFrameWnd* pMain = new CTavoPFrameWnd; // a frame window: deleted with its window
    ASSERT_TRUE(
        pMain->Create(NULL, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(300, 300, 600, 500)));
    const ACCEL mainTable[] = {{FVIRTKEY | FCONTROL | FSHIFT, 'N', (WORD)kNew}};
    ASSERT_TRUE(keyboard.UpdateAccelTable(nullptr, mainTable, 1, pMain));
    pMain->SendMessage(WM_ACTIVATE, WA_ACTIVE);

    auto newItemText = [this]() {
        CString strText;
        if (Entry(0)->OnClick(&bar, FALSE) && Entry(0)->GetPopupMenu() != nullptr)
        {
            CTavoPPopupMenu* pPopup = Entry(0)->GetPopupMenu();
            strText = pPopup->GetMenuItem(pPopup->GetMenuBar()->CommandToIndex(kNew))->m_strText;
        }
        Entry(0)->OnCancelMode();
        PumpMessages();
        return strText;
    };
    EXPECT_STREQ("&New\tControl+Shift+N", newItemText());
    // Once that frame is gone the bar's own frame answers.
    pMain->DestroyWindow();
    EXPECT_STREQ("&New\tControl+N", newItemText());
    workspace.m_pKeyboardManager = nullptr;
}

// ---- user tools ----

TEST_F(MenuFixture, UserToolsTakeThePlaceholdersPlaceAndRunFromTheMenu)
{
    CTestSeams::Engage();
    CTestSeams::Clear();
    CTavoPWorkspace workspace;
    const UINT kToolsEntry = 31100, kFirstTool = 31101, kLastTool = 31103;
    struct Case
    {
        const char* what;
        std::vector<const char*> tools;
        std::vector<std::string> before;
        std::vector<std::string> expected;
    } cases[] = {
        {"between items", {"A", "B"}, {"Open", "@", "Exit"}, {"Open", "-", "A", "B", "-", "Exit"}},
        {"between separators",
         {"A"},
         {"Open", "-", "@", "-", "Exit"},
         {"Open", "-", "A", "-", "Exit"}},
        {"no tools", {}, {"Open", "-", "@", "-", "Exit"}, {"Open", "-", "Exit"}},
    };
    for (const Case& c : cases)
    {
        CTavoPUserToolsManager tools(kToolsEntry, kFirstTool, kLastTool);
        for (const char* label : c.tools)
        {
            CTavoPUserTool* pTool = tools.CreateNewTool();
            pTool->m_strLabel = label;
            pTool->SetCommand(CString("C:\\tools\\") + label + ".exe");
        }
        workspace.m_pUserToolsManager = &tools;
        HMENU hMenu = ::CreatePopupMenu();
        UINT uiCmd = kNew;
        for (const std::string& item : c.before)
        {
            if (item == "-")
                ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
            else
                ::AppendMenu(hMenu, MF_STRING, item == "@" ? kToolsEntry : uiCmd++, item.c_str());
        }
        bar.InsertButton(new CTavoPToolbarMenuButton(0, hMenu, -1, "&Tools"));
        ::DestroyMenu(hMenu);
        bar.AdjustLayout();

        ASSERT_TRUE(Entry(2)->OnClick(&bar, FALSE)) << c.what;
        CTavoPPopupMenu* pPopup = Entry(2)->GetPopupMenu();
        ASSERT_NE(nullptr, pPopup) << c.what;
        std::vector<std::string> labels;
        for (int i = 0; i < pPopup->GetMenuItemCount(); i++)
        {
            CTavoPToolbarButton* pItem = pPopup->GetMenuItem(i);
            labels.push_back(pItem->m_nStyle & TBBS_SEPARATOR ? "-" : (LPCTSTR)pItem->m_strText);
        }
        EXPECT_EQ(c.expected, labels) << c.what;

        // A tool chosen in a menu without a message window runs through the shell.
        if (!c.tools.empty())
        {
            pPopup->GetMenuBar()->InvokeMenuCommand(kFirstTool);
            PumpThrough(frame);
            ASSERT_FALSE(CTestSeams::ShellLaunches().empty()) << c.what;
            EXPECT_STREQ((std::string("C:\\tools\\") + c.tools[0] + ".exe").c_str(),
                         CTestSeams::ShellLaunches().back().strFile);
        }
        Entry(2)->OnCancelMode();
        PumpMessages();
        bar.RemoveButton(2);
        workspace.m_pUserToolsManager = nullptr;
    }
    CTestSeams::Release();
}

TEST_F(MenuFixture, ToolItemShowsTheToolsIconInItsImageColumn)
{
    CTavoPWorkspace workspace;
    CTavoPUserToolsManager tools(31100, 31101, 31103);
    CTavoPUserTool* pTool = tools.CreateNewTool();
    pTool->m_strLabel = "Tool";
    pTool->SetCommand("C:\\tools\\tool.exe");
    ASSERT_NE((HICON)NULL, pTool->GetIcon());
    workspace.m_pUserToolsManager = &tools;
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_STRING, kNew, "&New");
    ::AppendMenu(hMenu, MF_STRING, 31100, "tools");
    bar.InsertButton(new CTavoPToolbarMenuButton(0, hMenu, -1, "&Tools"));
    ::DestroyMenu(hMenu);
    bar.AdjustLayout();

    ASSERT_TRUE(Entry(2)->OnClick(&bar, FALSE));
    CTavoPPopupMenuBar* pBar = Entry(2)->GetPopupMenu()->GetMenuBar();
    const int iTool = pBar->CommandToIndex(31101);
    ASSERT_GE(iTool, 0);
    CRect rect;
    pBar->GetClientRect(rect);
    DibCanvas canvas(rect.Width(), rect.Height());
    pBar->SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc(), PRF_CLIENT);

    // The square at the left of each row holds the image; the plain item shows none there.
    const CRect rectPlain = pBar->GetButton(pBar->CommandToIndex(kNew))->Rect();
    const CRect rectTool = pBar->GetButton(iTool)->Rect();
    const int nSide = std::min(rectPlain.Height(), rectTool.Height());
    int nDiffering = 0;
    for (int y = 2; y < nSide - 2; y++)
        for (int x = 0; x < nSide; x++)
            if (canvas.Pixel(rectPlain.left + x, rectPlain.top + y) !=
                canvas.Pixel(rectTool.left + x, rectTool.top + y))
                nDiffering++;
    EXPECT_GT(nDiffering, 20);
    Entry(2)->OnCancelMode();
    PumpMessages();
    workspace.m_pUserToolsManager = nullptr;
}

// ---- the popup's drawing on the screen ----

namespace {

// A child of the frame in one plain colour, filling the frame's client area below the bar.
class ColourPane
{
public:
    ColourPane(CWnd* pFrame, const CRect& rect, COLORREF colour)
        : m_brush(::CreateSolidBrush(colour))
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.hbrBackground = m_brush;
        m_strClass = "ColourPane" + std::to_string((unsigned)colour);
        wc.lpszClassName = m_strClass.c_str();
        ::RegisterClassA(&wc);
        m_hwnd = ::CreateWindowA(m_strClass.c_str(), "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                 rect.left, rect.top, rect.Width(), rect.Height(),
                                 pFrame->GetSafeHwnd(), NULL, wc.hInstance, NULL);
        // Above the frame's other children, so that it shows where they overlap.
        ::SetWindowPos(m_hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::UpdateWindow(m_hwnd);
    }
    ~ColourPane()
    {
        ::DestroyWindow(m_hwnd);
        ::UnregisterClassA(m_strClass.c_str(), ::GetModuleHandleA(NULL));
        ::DeleteObject(m_brush);
    }

private:
    HBRUSH m_brush;
    std::string m_strClass;
    HWND m_hwnd;
};

CRect ClientBelowBar(CWnd* pFrame, CWnd* pBar)
{
    CRect rectClient, rectBar;
    pFrame->GetClientRect(rectClient);
    pBar->GetWindowRect(rectBar);
    pFrame->ScreenToClient(rectBar);
    rectClient.top = rectBar.bottom;
    return rectClient;
}

// The File menu opened over a pane of one colour that fills the frame below the bar.
class ShadowFixture : public MenuFixture
{
protected:
    void TearDown() override
    {
        CTavoPPopupMenu::SetActiveMenu(nullptr);
        Entry(0)->OnCancelMode();
        PumpMessages();
        pane.reset();
        MenuFixture::TearDown();
    }
    CTavoPPopupMenu* OpenFileMenu()
    {
        pane.reset(new ColourPane(frame, ClientBelowBar(frame, &bar), clrUnder));
        PumpMessages();
        return Entry(0)->OnClick(&bar, FALSE) ? Entry(0)->GetPopupMenu() : nullptr;
    }
    const COLORREF clrUnder = RGB(200, 120, 40);
    std::unique_ptr<ColourPane> pane;
};

} // namespace

TEST_F(ShadowFixture, ShadowDarkensWhatLayUnderThePopupAndFollowsItsChanges)
{
    CTavoPPopupMenu* pPopup = OpenFileMenu();
    ASSERT_NE(nullptr, pPopup);
    const int nDepth = pPopup->GetShadowDepth();
    ASSERT_GT(nDepth, 0);
    pPopup->UpdateWindow();
    CRect rect;
    pPopup->GetWindowRect(rect);

    // Next to the menu the strip is darkest; it lightens outwards, and the corner beyond the
    // menu's top right is left as it is.
    const int nStep = (65 - 100) / nDepth;
    const int yMiddle = (rect.top + rect.bottom) / 2, xMiddle = (rect.left + rect.right) / 2;
    for (int k = 0; k < nDepth; k++)
    {
        const COLORREF clrExpected = ScaledColour(clrUnder, 65 - nStep * k);
        EXPECT_TRUE(ScreenShows(rect.right - nDepth + k, yMiddle, clrExpected))
            << k << ": " << std::hex << ScreenPixel(rect.right - nDepth + k, yMiddle);
        EXPECT_TRUE(ScreenShows(xMiddle, rect.bottom - nDepth + k, clrExpected))
            << k << ": " << std::hex << ScreenPixel(xMiddle, rect.bottom - nDepth + k);
    }
    CRect rectBar;
    bar.GetWindowRect(rectBar);
    const int yCorner = rect.top + nDepth - 1;
    ASSERT_GE(yCorner, rectBar.bottom) << "the corner lies over the pane";
    EXPECT_TRUE(ScreenShows(rect.right - 1, yCorner, clrUnder));

    // A window that appears under the shadow: once the bars report the change, the strips
    // darken the new picture.
    const COLORREF clrNew = RGB(40, 160, 220);
    CRect rectNew = ClientBelowBar(frame, &bar);
    ColourPane paneNew(frame, rectNew, clrNew);
    CTavoPPopupMenu::SetActiveMenu(pPopup);
    CRect rectStrip(rect.right - nDepth, rect.top, rect.right, rect.bottom);
    CTavoPPopupMenu::UpdateAllShadows(rectStrip);
    EXPECT_TRUE(ScreenShows(rect.right - nDepth, yMiddle, ScaledColour(clrNew, 65)))
        << std::hex << ScreenPixel(rect.right - nDepth, yMiddle);
    EXPECT_EQ(rect, [&] {
        CRect rectNow;
        pPopup->GetWindowRect(rectNow);
        return rectNow;
    }()) << "the popup keeps its place and size";
}

TEST_F(ShadowFixture, ShadowFollowsABarThatPaintsUnderIt)
{
    CTavoPPopupMenu* pPopup = OpenFileMenu();
    ASSERT_NE(nullptr, pPopup);
    CTavoPPopupMenu::SetActiveMenu(pPopup);
    pPopup->UpdateWindow();
    CRect rect;
    pPopup->GetWindowRect(rect);
    const int nDepth = pPopup->GetShadowDepth();

    // A second bar appears under the popup's right strip, across the frame.
    CTavoPToolBar lower;
    ASSERT_TRUE(lower.Create(frame, WS_CHILD | CBRS_TOP, 2));
    CRect rectLower(rect.left - 20, rect.top + 2 * nDepth, rect.right + 40, rect.top + 50);
    frame->ScreenToClient(rectLower);
    lower.SetWindowPos(&CWnd::wndTop, rectLower.left, rectLower.top, rectLower.Width(),
                       rectLower.Height(), SWP_SHOWWINDOW);
    lower.UpdateWindow();
    const int y = rect.top + 2 * nDepth + 10;
    const COLORREF clrBar = ScreenPixel(rect.right + 20, y);
    EXPECT_NE(clrUnder, clrBar);
    EXPECT_TRUE(ScreenShows(rect.right - nDepth, y, ScaledColour(clrBar, 65)))
        << std::hex << ScreenPixel(rect.right - nDepth, y);
}

TEST_F(ShadowFixture, ShadowOverTheOpeningButtonShowsItOpen)
{
    // A bar at the frame's bottom near the bottom of the work area: its menu opens above it,
    // and the bottom strip of the shadow lies over the button's top.
    CRect rectWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    frame->SetWindowPos(NULL, 300, rectWork.bottom - 320, 600, 300, SWP_NOZORDER);
    CTavoPToolBar lower;
    ASSERT_TRUE(lower.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 2));
    HMENU hFile = BuildFileMenu();
    lower.InsertButton(new CTavoPToolbarMenuButton(0, hFile, -1, "&File"));
    ::DestroyMenu(hFile);
    lower.AdjustLayout();
    CRect rectClient, rectLower;
    frame->GetClientRect(rectClient);
    lower.GetWindowRect(rectLower);
    lower.SetWindowPos(NULL, 0, rectClient.bottom - rectLower.Height(), rectClient.Width(),
                       rectLower.Height(), SWP_NOZORDER);
    frame->UpdateWindow();
    PumpMessages();
    CRect rectButton = lower.GetButton(0)->Rect();
    lower.ClientToScreen(rectButton);
    CTavoPToolbarMenuButton* pEntry = (CTavoPToolbarMenuButton*)lower.GetButton(0);
    ASSERT_TRUE(pEntry->OnClick(&lower, FALSE));
    CTavoPPopupMenu* pPopup = pEntry->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    ASSERT_EQ(CTavoPPopupMenu::DROP_UP, pPopup->GetDropDirection());
    const int nDepth = pPopup->GetShadowDepth();
    ASSERT_GT(nDepth, 0);
    pPopup->UpdateWindow();
    CRect rect;
    pPopup->GetWindowRect(rect);
    ASSERT_EQ(rectButton.top + nDepth, rect.bottom);

    // The strip begins with what lay under it as it is: the button's left edge as it looks while
    // its menu is open, the same as below the strip.
    const int x = std::max(rect.left, rectButton.left);
    ASSERT_LT(x, rect.left + nDepth);
    const COLORREF clrOpen = ScreenPixel(x, rectButton.top + nDepth + 2);
    EXPECT_TRUE(ScreenShows(x, rectButton.top + 2, clrOpen))
        << std::hex << ScreenPixel(x, rectButton.top + 2) << " " << clrOpen;
    pEntry->OnCancelMode();
    PumpMessages();
    EXPECT_NE(clrOpen, ScreenPixel(x, rectButton.top + nDepth + 2)) << "the closed look differs";
    lower.DestroyWindow();
}

TEST_F(ShadowFixture, UnfoldOnAPaletteScreenShowsTheMenuGrowingOverWhatLayUnderIt)
{
    // A palette screen for the library (and so no shadow), unfolding menus.
    struct PaletteScreen
    {
        int nSaved = GetGlobalData().m_nBitsPerPixel;
        PaletteScreen() { GetGlobalData().m_nBitsPerPixel = 8; }
        ~PaletteScreen()
        {
            GetGlobalData().m_nBitsPerPixel = nSaved;
            CTavoPPopupMenu::m_AnimationType = 0;
        }
    } palette;
    CTavoPPopupMenu::m_AnimationType = 1;
    CTavoPPopupMenu* pPopup = OpenFileMenu();
    ASSERT_NE(nullptr, pPopup);
    ASSERT_FALSE(pPopup->IsAnimationDone());
    pPopup->RedrawWindow();
    CRect rect;
    pPopup->GetWindowRect(rect);
    EXPECT_LT(pPopup->GetAnimatedSize().cx, rect.Width());

    // The first frame: the menu's corner, with what lay under the popup beside it.
    EXPECT_TRUE(ScreenShows(rect.right - 2, rect.bottom - 2, clrUnder));
    const COLORREF clrCorner = ScreenPixel(rect.left, rect.top);
    EXPECT_NE(clrUnder, clrCorner);
    // The finished menu has the same corner and covers the rest.
    for (int i = 0; i < 100 && !pPopup->IsAnimationDone(); i++)
    {
        ::Sleep(40); // the animation takes steps by the time gone
        pPopup->SendMessage(WM_TIMER, CTavoPPopupMenu::kTimerAnimation);
    }
    EXPECT_TRUE(pPopup->IsAnimationDone());
    pPopup->RedrawWindow();
    EXPECT_TRUE(ScreenShows(rect.left, rect.top, clrCorner));
    EXPECT_NE(clrUnder, ScreenPixel(rect.right - 2, rect.bottom - 2));
}

TEST_F(MenuFixture, SeparatorIsALineAcrossTheItem)
{
    ASSERT_TRUE(Entry(0)->OnClick(&bar, FALSE));
    CTavoPPopupMenuBar* pBar = Entry(0)->GetPopupMenu()->GetMenuBar();
    CRect rect;
    pBar->GetClientRect(rect);
    DibCanvas canvas(rect.Width(), rect.Height());
    pBar->SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc(), PRF_CLIENT);
    const CRect rectSeparator = pBar->GetButton(2)->Rect(); // File: New, Open, ---, Save, Close
    ASSERT_TRUE(pBar->GetButton(2)->m_nStyle & TBBS_SEPARATOR);
    const COLORREF clrBack = canvas.Pixel(rectSeparator.right - 1, rectSeparator.top);
    int nLineRows = 0, nLongest = 0;
    for (int y = rectSeparator.top; y < rectSeparator.bottom; y++)
    {
        const int nDrawn = rectSeparator.Width() -
                           canvas.Count(clrBack, rectSeparator.left, y, rectSeparator.right, y + 1);
        nLongest = std::max(nLongest, nDrawn);
        nLineRows += nDrawn > 0;
    }
    EXPECT_GT(nLongest, rectSeparator.Width() * 2 / 3) << "a line across the item";
    EXPECT_LE(nLineRows, 2) << "a line, not a tick down the middle";
    Entry(0)->OnCancelMode();
    PumpMessages();
}

TEST(MenuButton, TooLongALabelIsCutBeforeAWholeCharacter)
{
    const CString strLabel = "药品A入库登记表"; // double-byte characters and one single-byte one
    std::vector<int> boundaries; // lengths of the prefixes that end between characters
    for (const char* p = strLabel;; p = ::CharNextA(p))
    {
        boundaries.push_back((int)(p - (const char*)strLabel));
        if (*p == 0)
            break;
    }
    DibCanvas canvas(400, 40);
    BoundDC b(canvas.dc());
    CFont* pOldFont = b.dc.SelectObject(&GetGlobalData().fontRegular);
    auto width = [&](const CString& str) { return b.dc.GetTextExtent(str).cx; };
    const int nFull = width(strLabel);
    for (int nWidth = 0; nWidth <= nFull + 2; nWidth++)
    {
        SCOPED_TRACE(nWidth);
        const CString strShown = CTavoPToolbarMenuButton::FitMenuLabel(&b.dc, strLabel, nWidth);
        if (nWidth >= nFull)
        {
            EXPECT_STREQ(strLabel, strShown);
            continue;
        }
        ASSERT_EQ("...", strShown.Right(3));
        const int nKept = strShown.GetLength() - 3;
        EXPECT_EQ(strLabel.Left(nKept), strShown.Left(nKept));
        EXPECT_NE(boundaries.end(), std::find(boundaries.begin(), boundaries.end(), nKept))
            << "cut inside a character";
        if (nKept > 0)
        {
            EXPECT_LE(width(strShown), nWidth);
        }
        // No longer whole-character cut fits.
        for (int nLonger : boundaries)
        {
            if (nLonger > nKept && nLonger < strLabel.GetLength())
            {
                EXPECT_GT(width(strLabel.Left(nLonger) + "..."), nWidth);
            }
        }
    }
    b.dc.SelectObject(pOldFont);
}
