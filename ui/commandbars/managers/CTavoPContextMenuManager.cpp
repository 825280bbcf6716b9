#include "ui/commandbars/managers/CTavoPContextMenuManager.h"
#include "framework/CStringList.h"
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/menus/CTavoPMenuIdPool.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/controls/CTavoPDialogPopupHelper.h"
#include "ui/foundation/BuildRegistryPath.h"
#include "ui/foundation/CTavoPWorkspace.h"

#include <memory>

IMPLEMENT_DYNAMIC(CTavoPContextMenuManager, CObject)

static LPCTSTR const kContextMenuSection = _T("TavoContextMenuManager");

namespace {

// The bar a menu's customized items are read into and written from, away from any popup.
const DWORD kStateBarStyle = 0x50402808;
const UINT kStateBarId = 0xE800;

struct BarDeleter
{
    void operator()(CTavoPPopupMenuBar* pBar) const
    {
        if (::IsWindow(pBar->GetSafeHwnd()))
            pBar->DestroyWindow();
        delete pBar;
    }
};
using StateBar = std::unique_ptr<CTavoPPopupMenuBar, BarDeleter>;

StateBar CreateStateBar()
{
    StateBar pBar(new CTavoPPopupMenuBar);
    if (!pBar->Create(CWnd::GetDesktopWindow(), kStateBarStyle, kStateBarId))
        pBar.reset();
    return pBar;
}

CTavoPMenuIdPool* MenuIdPool()
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != nullptr ? pWorkspace->m_pTearOffManager : nullptr;
}

} // namespace

CTavoPContextMenuManager::CTavoPContextMenuManager() : m_bTrackMode(FALSE), m_nLastCommandID(0)
{}

CTavoPContextMenuManager::~CTavoPContextMenuManager()
{
    for (POSITION pos = m_Menus.GetStartPosition(); pos != nullptr;)
    {
        UINT uiResId = 0;
        HMENU hMenu = nullptr;
        m_Menus.GetNextAssoc(pos, uiResId, hMenu);
        if (hMenu != nullptr && ::IsMenu(hMenu))
        {
            // A cached customized layout is keyed by the handle, which may come back for
            // another menu.
            HMENU hSubMenu = ::GetSubMenu(hMenu, 0);
            if (hSubMenu != nullptr)
                GetBarStateCache().Remove(CTavoPBarStateCache::MenuKey(hSubMenu));
            ::DestroyMenu(hMenu);
        }
    }
}

CString CTavoPContextMenuManager::RegistryPath(LPCTSTR lpszProfileName) const
{
    return BuildRegistryPath(kContextMenuSection, lpszProfileName);
}

BOOL CTavoPContextMenuManager::AddMenu(LPCTSTR lpszName, UINT uiMenuResId)
{
    return AddMenu(lpszName, uiMenuResId,
                   ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(uiMenuResId)));
}

BOOL CTavoPContextMenuManager::AddMenu(LPCTSTR lpszName, UINT uiMenuResId, HMENU hMenu)
{
    if (hMenu == nullptr)
        return FALSE;
    HMENU hExisting = nullptr;
    void* pExisting = nullptr;
    if (lpszName == nullptr || *lpszName == '\0' || ::GetSubMenu(hMenu, 0) == nullptr ||
        m_Menus.Lookup(uiMenuResId, hExisting) || m_MenuNames.Lookup(lpszName, pExisting))
    {
        ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_Menus.SetAt(uiMenuResId, hMenu);
    m_MenuNames.SetAt(lpszName, hMenu);
    return TRUE;
}

BOOL CTavoPContextMenuManager::ShowPopupMenu(UINT uiMenuResId, int x, int y, CWnd* pWndOwner,
                                             BOOL bOwnMessage)
{
    HMENU hMenu = nullptr;
    if (!m_Menus.Lookup(uiMenuResId, hMenu) || hMenu == nullptr)
        return FALSE;
    if (x == -1 && y == -1 && pWndOwner != nullptr && ::IsWindow(pWndOwner->GetSafeHwnd()))
    {
        CPoint point(0, 0);
        pWndOwner->ClientToScreen(&point);
        x = point.x + 5;
        y = point.y + 5;
    }
    HMENU hSubMenu = ::GetSubMenu(hMenu, 0);
    if (hSubMenu == nullptr)
        return FALSE;
    return ShowPopupMenuHandle(hSubMenu, x, y, pWndOwner, bOwnMessage, TRUE) != nullptr;
}

CTavoPPopupMenu* CTavoPContextMenuManager::ShowPopupMenuHandle(HMENU hMenuPopup, int x, int y,
                                                               CWnd* pWndOwner, BOOL bOwnMessage,
                                                               BOOL bManagerOwned)
{
    if (hMenuPopup == nullptr || pWndOwner == nullptr || !::IsWindow(pWndOwner->GetSafeHwnd()))
        return nullptr;
    // The library's dialogs and pages open their menus through their own popup helper.
    if (!bOwnMessage && CTavoPDialogPopupHelper::FromWnd(pWndOwner) != nullptr)
        return nullptr;
    if (CTavoPMenuIdPool* pPool = MenuIdPool())
        pPool->AssignIds(hMenuPopup);

    if (m_bTrackMode)
        bOwnMessage = TRUE;
    else if (!bOwnMessage)
    {
        // The commands go to the top-level window, not to the control that asked for the menu.
        while (pWndOwner != nullptr && (pWndOwner->GetStyle() & WS_CHILD))
            pWndOwner = pWndOwner->GetParent();
        if (pWndOwner == nullptr)
            return nullptr;
    }

    CTavoPPopupMenu* pPopup = new CTavoPPopupMenu;
    pPopup->SetAutoDestroy(CTavoPPopupMenu::m_bAutoDestroyMenus && !bManagerOwned);
    pPopup->SetTrackMode(m_bTrackMode);
    m_nLastCommandID = 0;

    CTavoPPopupMenu* pActive = CTavoPPopupMenu::GetActiveMenu();
    if (pActive != nullptr && ::IsWindow(pActive->GetSafeHwnd()))
        pActive->SendMessage(WM_CLOSE);

    // A popup whose window cannot be made has deleted itself already.
    return pPopup->Create(pWndOwner, x, y, hMenuPopup, FALSE, bOwnMessage) ? pPopup : nullptr;
}

void CTavoPContextMenuManager::GetMenuNames(CStringList& listOfNames) const
{
    listOfNames.RemoveAll();
    for (POSITION pos = m_MenuNames.GetStartPosition(); pos != nullptr;)
    {
        CString strName;
        void* pMenu = nullptr;
        m_MenuNames.GetNextAssoc(pos, strName, pMenu);
        listOfNames.AddTail(strName);
    }
}

HMENU CTavoPContextMenuManager::GetMenuByName(LPCTSTR lpszName, UINT* puiOrigResID) const
{
    void* pMenu = nullptr;
    HMENU hMenu =
        lpszName != nullptr && m_MenuNames.Lookup(lpszName, pMenu) ? (HMENU)pMenu : nullptr;
    if (puiOrigResID != nullptr)
    {
        *puiOrigResID = 0;
        for (POSITION pos = m_Menus.GetStartPosition(); pos != nullptr && hMenu != nullptr;)
        {
            UINT uiResId = 0;
            HMENU hEntry = nullptr;
            m_Menus.GetNextAssoc(pos, uiResId, hEntry);
            if (hEntry == hMenu)
            {
                *puiOrigResID = uiResId;
                break;
            }
        }
    }
    return hMenu;
}

// Each menu in map order on a bar of its own; the step's FALSE ends the walk with FALSE.
template <class TStep>
BOOL CTavoPContextMenuManager::ForEachMenuOnBar(TStep step) const
{
    for (POSITION pos = m_Menus.GetStartPosition(); pos != nullptr;)
    {
        UINT uiResId = 0;
        HMENU hMenu = nullptr;
        m_Menus.GetNextAssoc(pos, uiResId, hMenu);
        HMENU hSubMenu = ::GetSubMenu(hMenu, 0);
        if (hSubMenu == nullptr)
            continue;
        StateBar pBar = CreateStateBar();
        if (pBar && !step(uiResId, hSubMenu, pBar.get()))
            return FALSE;
    }
    return TRUE;
}

BOOL CTavoPContextMenuManager::LoadState(LPCTSTR lpszProfileName)
{
    const CString strPath = RegistryPath(lpszProfileName);
    return ForEachMenuOnBar([&strPath](UINT uiResId, HMENU hSubMenu, CTavoPPopupMenuBar* pBar) {
        if (!pBar->ImportFromMenu(hSubMenu))
            return FALSE;
        // A damaged state leaves the menu as its resource has it.
        if (pBar->LoadState(strPath, 0, uiResId))
            GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(hSubMenu), pBar);
        return TRUE;
    });
}

BOOL CTavoPContextMenuManager::SaveState(LPCTSTR lpszProfileName)
{
    const CString strPath = RegistryPath(lpszProfileName);
    return ForEachMenuOnBar([&strPath](UINT uiResId, HMENU hSubMenu, CTavoPPopupMenuBar* pBar) {
        // A menu that was never customized has nothing to keep.
        return !GetBarStateCache().Load(CTavoPBarStateCache::MenuKey(hSubMenu), pBar) ||
               pBar->SaveState(strPath, 0, uiResId);
    });
}
