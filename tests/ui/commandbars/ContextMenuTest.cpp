// The context-menu manager: menus shown by resource ID at a point, their customized items kept in the registry.
#include "tests/support/RegistryTestKey.h"
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/managers/CTavoPContextMenuManager.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "ui/controls/CTavoPDialog.h"
#include "ui/controls/CTavoPPropertyPage.h"
#include "tests/support/DialogTemplate.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "tests/support/MessagePump.h"

namespace {

const char* const kRoot = "SOFTWARE\\VorlenTests CM";
const std::string kProfile = "SOFTWARE\\VorlenTests CM\\Settings\\";
const UINT kEditMenu = 130, kViewMenu = 131;
const UINT kCut = 34001, kCopy = 34002, kPaste = 34003, kZoom = 34004;

typedef std::vector<BYTE> Bytes;

// A menu resource as the application loads it: its first submenu is the context menu.
HMENU EditMenu()
{
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenu(hSub, MF_STRING, kCut, "Cu&t");
    ::AppendMenu(hSub, MF_STRING, kCopy, "&Copy");
    ::AppendMenu(hSub, MF_STRING, kPaste, "&Paste");
    HMENU hMenu = ::CreateMenu();
    ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hSub, "Edit");
    return hMenu;
}

HMENU ViewMenu()
{
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenu(hSub, MF_STRING, kZoom, "&Zoom");
    HMENU hMenu = ::CreateMenu();
    ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hSub, "View");
    return hMenu;
}

std::vector<UINT> Items(CTavoPPopupMenu* pPopup)
{
    std::vector<UINT> ids;
    for (int i = 0; i < pPopup->GetMenuItemCount(); i++)
        ids.push_back(pPopup->GetMenuItem(i)->m_nID);
    return ids;
}

class CommandFrame : public CFrameWnd
{
public:
    std::vector<UINT> commands;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) >= kCut && LOWORD(wParam) <= kZoom)
        {
            commands.push_back(LOWORD(wParam));
            return TRUE;
        }
        return CFrameWnd::OnCommand(wParam, lParam);
    }
};

int g_nStrangersMade = 0;

// A stored object of a class that is no button; it counts how often it is made.
class CStrangerItem : public CObject
{
    DECLARE_SERIAL(CStrangerItem)
public:
    CStrangerItem() { g_nStrangersMade++; }
    void Serialize(CArchive&) override {}
};

IMPLEMENT_SERIAL(CStrangerItem, CObject, 1)

// The bar a menu's items are customized on, away from any popup.
struct StateBar
{
    StateBar() { bar.Create(CWnd::GetDesktopWindow(), 0x50402808, 0xE800); }
    ~StateBar() { bar.DestroyWindow(); }
    Bytes Archive()
    {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            bar.Serialize(ar);
        }
        Bytes bytes((size_t)file.GetLength());
        file.SeekToBegin();
        file.Read(bytes.data(), (UINT)bytes.size());
        return bytes;
    }
    CTavoPPopupMenuBar bar;
};

class ContextMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTavoPPopupMenu::m_AnimationType = 0;
        frame = new CommandFrame;
        ASSERT_TRUE(frame->Create(NULL, "context", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(100, 120, 600, 420)));
        ASSERT_TRUE(manager.AddMenu("Edit", kEditMenu, EditMenu()));
        ASSERT_TRUE(manager.AddMenu("View", kViewMenu, ViewMenu()));
    }
    void TearDown() override
    {
        CloseMenus();
        frame->DestroyWindow();
        PumpMessages();
    }
    void CloseMenus()
    {
        CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
        if (pPopup != nullptr && ::IsWindow(pPopup->GetSafeHwnd()))
            pPopup->SendMessage(WM_CLOSE);
        PumpMessages();
    }
    HMENU EditContextMenu(CTavoPContextMenuManager& from)
    {
        return ::GetSubMenu(from.GetMenuByName("Edit"), 0);
    }

    RegistryTestKey scratch{kRoot};
    CommandFrame* frame = nullptr;
    CTavoPContextMenuManager manager;
};

} // namespace

TEST_F(ContextMenu, ShownAtMinusOneItOpensAtTheOwnersClientOriginPlusFive)
{
    CPoint origin(0, 0);
    frame->ClientToScreen(&origin);
    ASSERT_TRUE(manager.ShowPopupMenu(kEditMenu, -1, -1, frame));
    CTavoPPopupMenu* pFirst = CTavoPPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pFirst);
    CRect rect;
    pFirst->GetWindowRect(rect);
    EXPECT_EQ(origin + CPoint(5, 5), rect.TopLeft());
    EXPECT_EQ((std::vector<UINT>{kCut, kCopy, kPaste}), Items(pFirst));

    // Another menu closes the open one first; the manager's menus outlive their popups.
    const HWND hwndFirst = pFirst->GetSafeHwnd();
    ASSERT_TRUE(manager.ShowPopupMenu(kViewMenu, 300, 250, frame));
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hwndFirst));
    CloseMenus();
    EXPECT_TRUE(::IsMenu(EditContextMenu(manager)));

    EXPECT_FALSE(manager.ShowPopupMenu(999, -1, -1, frame)) << "unknown menu";
    UINT uiID = 0;
    EXPECT_EQ(manager.GetMenuByName("View", &uiID), manager.GetMenuByName("View"));
    EXPECT_EQ(kViewMenu, uiID);
}

TEST_F(ContextMenu, ChosenCommandGoesToTheTopLevelWindowOrInPopupModeToTheManager)
{
    CWnd child;
    ASSERT_TRUE(child.Create(AfxRegisterWndClass(0), "child", WS_CHILD | WS_VISIBLE,
                             CRect(10, 10, 100, 60), frame, 1));
    ASSERT_TRUE(manager.ShowPopupMenu(kEditMenu, -1, -1, &child));
    CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pPopup);
    pPopup->GetMenuBar()->InvokeMenuCommand(kPaste);
    PumpMessages();
    EXPECT_EQ(std::vector<UINT>{kPaste}, frame->commands);

    // In popup mode the choice is handed to the manager instead.
    CTavoPWorkspace workspace;
    workspace.m_pContextMenuManager = &manager;
    manager.SetPopupMode(TRUE);
    ASSERT_TRUE(manager.ShowPopupMenu(kEditMenu, -1, -1, &child));
    pPopup = CTavoPPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_TRUE(pPopup->IsTrackMode());
    pPopup->GetMenuBar()->InvokeMenuCommand(kCut);
    PumpMessages();
    EXPECT_EQ(kCut, manager.GetChosenCommand());
    EXPECT_EQ(std::vector<UINT>{kPaste}, frame->commands);
    workspace.m_pContextMenuManager = nullptr;
    child.DestroyWindow();
}

TEST_F(ContextMenu, CustomizedItemsRoundTripThroughTheRegistry)
{
    Bytes customized;
    {
        StateBar state;
        ASSERT_TRUE(state.bar.ImportFromMenu(EditContextMenu(manager)));
        ASSERT_TRUE(state.bar.RemoveButton(1)); // Copy
        ASSERT_TRUE(GetBarStateCache().Save((UINT)(UINT_PTR)EditContextMenu(manager), &state.bar));
        customized = state.Archive();
    }
    ASSERT_TRUE(manager.SaveState(kProfile.c_str()));
    // Toolbar 0 with the menu ID in hexadecimal right after it; an untouched menu is not written.
    // The two buttons left, as objects of their own class: Cut first with the class record,
    // Paste after it with a reference to that record.
    const Bytes stored = RegistryTestKey::Value(kProfile + "TavoToolBar-082", "Buttons");
    Bytes first = {2, 0, 0xFF, 0xFF, 1, 0, 23, 0};
    for (const char ch : std::string("CTavoPToolbarMenuButton"))
        first.push_back((BYTE)ch);
    const Bytes ids[] = {{LOBYTE(kCut), HIBYTE(kCut), 0, 0},
                         {0x01, 0x80, LOBYTE(kPaste), HIBYTE(kPaste), 0, 0}};
    first.insert(first.end(), ids[0].begin(), ids[0].end());
    const auto at = std::search(stored.begin(), stored.end(), first.begin(), first.end());
    EXPECT_NE(stored.end(), at);
    EXPECT_NE(stored.end(), std::search(at, stored.end(), ids[1].begin(), ids[1].end()));
    EXPECT_EQ(customized.size(), stored.size());
    EXPECT_FALSE(RegistryTestKey::Exists(kProfile + "TavoToolBar-083"));

    CTavoPContextMenuManager next;
    ASSERT_TRUE(next.AddMenu("Edit", kEditMenu, EditMenu()));
    ASSERT_TRUE(next.AddMenu("View", kViewMenu, ViewMenu()));
    ASSERT_TRUE(next.LoadState(kProfile.c_str()));
    ASSERT_TRUE(next.ShowPopupMenu(kEditMenu, 200, 200, frame));
    EXPECT_EQ((std::vector<UINT>{kCut, kPaste}), Items(CTavoPPopupMenu::GetActiveMenu()));
    ASSERT_TRUE(next.ShowPopupMenu(kViewMenu, 200, 200, frame));
    EXPECT_EQ(std::vector<UINT>{kZoom}, Items(CTavoPPopupMenu::GetActiveMenu()));
    CloseMenus();
}

TEST_F(ContextMenu, DamagedStoredItemsLeaveTheMenuAsItIs)
{
    // Menu buttons store their tear-off ID only for a workspace: it exists throughout.
    CTavoPWorkspace workspace;
    Bytes good;
    Bytes stranger;
    {
        StateBar state;
        ASSERT_TRUE(state.bar.ImportFromMenu(EditContextMenu(manager)));
        state.bar.RemoveButton(1);
        good = state.Archive();

        // The bar's own part, then a list of one object that is no button.
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            state.bar.CTavoPBaseToolBar::Serialize(ar);
            ar.WriteCount(1);
            CStrangerItem item;
            ar.WriteObject(&item);
        }
        stranger.resize((size_t)file.GetLength());
        file.SeekToBegin();
        file.Read(stranger.data(), (UINT)stranger.size());
    }
    struct Case
    {
        const char* what;
        Bytes bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"cut short", Bytes(good.begin(), good.begin() + good.size() / 2)},
        {"garbage", Bytes(40, 0xFF)},
        {"an object that is no button", stranger},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        scratch.Remove();
        RegistryTestKey::SetBinary(kProfile + "TavoToolBar-082", "Buttons", c.bytes);
        CTavoPContextMenuManager next;
        ASSERT_TRUE(next.AddMenu("Edit", kEditMenu, EditMenu()));
        g_nStrangersMade = 0;
        EXPECT_TRUE(next.LoadState(kProfile.c_str()));
        EXPECT_EQ(0, g_nStrangersMade);
        ASSERT_TRUE(next.ShowPopupMenu(kEditMenu, 200, 200, frame));
        EXPECT_EQ((std::vector<UINT>{kCut, kCopy, kPaste}),
                  Items(CTavoPPopupMenu::GetActiveMenu()));
        CloseMenus();
    }

    // The items of the resource kept beside good buttons are made only as buttons too.
    workspace.m_bResourceSmartUpdate = TRUE;
    scratch.Remove();
    RegistryTestKey::SetBinary(kProfile + "TavoToolBar-082", "Buttons", good);
    Bytes original = {1, 0, 0xFF, 0xFF, 1, 0, 13, 0};
    for (const char ch : std::string("CStrangerItem"))
        original.push_back((BYTE)ch);
    RegistryTestKey::SetBinary(kProfile + "TavoToolBar-082", "OriginalItems", original);
    CTavoPContextMenuManager next;
    ASSERT_TRUE(next.AddMenu("Edit", kEditMenu, EditMenu()));
    g_nStrangersMade = 0;
    next.LoadState(kProfile.c_str());
    EXPECT_EQ(0, g_nStrangersMade);
}

TEST_F(ContextMenu, LibraryDialogsAndPagesGetAMenuOnlyInOwnMessageMode)
{
    // Both made from one modeless template; commands of their menus stay with them.
    DialogTemplate dialogTemplate("owner", 120, 80, WS_POPUP | WS_CAPTION | WS_VISIBLE);
    CTavoPDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get(), frame));
    CTavoPPropertyPage page;
    ASSERT_TRUE(page.CreateIndirect(dialogTemplate.Get(), frame));
    struct Case
    {
        const char* name;
        CWnd* pOwner;
        BOOL bOwnMessage;
        bool bShown;
    } cases[] = {
        {"library dialog", &dialog, FALSE, false},
        {"library dialog, own messages", &dialog, TRUE, true},
        {"library page", &page, FALSE, false},
        {"library page, own messages", &page, TRUE, true},
        {"other window", frame, FALSE, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.bShown, manager.ShowPopupMenu(kEditMenu, 200, 200, c.pOwner, c.bOwnMessage));
        EXPECT_EQ(c.bShown, CTavoPPopupMenu::GetActiveMenu() != nullptr);
        CloseMenus();
        // The popup did not take the manager's menu with it.
        EXPECT_TRUE(::IsMenu(EditContextMenu(manager)));
    }
    page.DestroyWindow();
    dialog.DestroyWindow();
}
