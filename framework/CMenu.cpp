#include "framework/CMenu.h"
#include "framework/CWnd.h"
#include "framework/HandleMap.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

HandleMap<HMENU, CMenu>& Maps()
{
    static HandleMap<HMENU, CMenu> maps;
    return maps;
}

} // namespace

CMenu::CMenu() : m_hMenu(nullptr)
{}

CMenu::~CMenu()
{
    if (m_hMenu == nullptr)
        return;
    if (Maps().LookupTemporary(m_hMenu) == this)
    {
        Maps().RemoveTemporary(m_hMenu, this);
        return; // a temporary wrapper never owns the menu
    }
    DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu)
{
    if (hMenu == nullptr)
        return nullptr;
    return Maps().LookupPermanent(hMenu);
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == nullptr)
        return nullptr;
    if (CMenu* pMenu = FromHandlePermanent(hMenu))
        return pMenu;
    if (CMenu* pMenu = Maps().LookupTemporary(hMenu))
        return pMenu;
    CMenu* pMenu = new CMenu();
    pMenu->m_hMenu = hMenu;
    Maps().SetTemporary(hMenu, pMenu);
    return pMenu;
}

void PASCAL CMenu::DeleteTempMap()
{
    Maps().DeleteTemporaries([](CMenu* p) {
        p->m_hMenu = nullptr;
        delete p;
    });
}

int PASCAL CMenu::GetTempMapCount()
{
    return Maps().TemporaryCount();
}

int PASCAL CMenu::GetPermanentMapCount()
{
    return Maps().PermanentCount();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr || m_hMenu != nullptr)
        return FALSE;
    if (CMenu* pTemp = Maps().TakeTemporary(hMenu))
    {
        pTemp->m_hMenu = nullptr;
        delete pTemp;
    }
    m_hMenu = hMenu;
    Maps().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != nullptr)
        Maps().RemovePermanent(hMenu, this);
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    return Attach(::LoadMenu(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return Attach(::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(nIDResource)));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
    return Attach(::LoadMenuIndirect(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}
BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    lpMenuItemInfo->cbSize = sizeof(MENUITEMINFO);
    return ::InsertMenuItem(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    lpMenuItemInfo->cbSize = sizeof(MENUITEMINFO);
    return ::GetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    lpMenuItemInfo->cbSize = sizeof(MENUITEMINFO);
    return ::SetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}
UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, HBITMAP hBmpUnchecked,
                               HBITMAP hBmpChecked)
{
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, hBmpUnchecked, hBmpChecked);
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}
UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos)
{
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}
UINT CMenu::GetMenuItemCount() const
{
    return (UINT)::GetMenuItemCount(m_hMenu);
}
UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
{
    return ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLen = ::GetMenuString(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLen <= 0)
    {
        rString.Empty();
        return 0;
    }
    ::GetMenuString(m_hMenu, nIDItem, rString.GetBufferSetLength(nLen), nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT)
{}
