#include "ui/commandbars/menus/CTavoPMenuIdPool.h"
#include <stdlib.h>

IMPLEMENT_DYNAMIC(CTavoPMenuIdPool, CObject)

static const TCHAR kIdMark = 1;
// The longest menu text looked at for a carried ID.
static const int kMaxMenuText = 256;

CTavoPMenuIdPool::CTavoPMenuIdPool() : m_uiFirstId(0), m_uiLastId(0)
{}

CTavoPMenuIdPool::~CTavoPMenuIdPool()
{}

BOOL CTavoPMenuIdPool::Initialize(UINT uiFirstId, UINT uiLastId)
{
    m_arUseCounts.RemoveAll();
    m_uiFirstId = m_uiLastId = 0;
    if (uiFirstId == 0 || uiLastId < uiFirstId || uiLastId > 0xFFFF)
        return FALSE;
    m_arUseCounts.SetSize(uiLastId - uiFirstId + 1);
    for (INT_PTR i = 0; i < m_arUseCounts.GetSize(); i++)
        m_arUseCounts[i] = 0;
    m_uiFirstId = uiFirstId;
    m_uiLastId = uiLastId;
    return TRUE;
}

BOOL CTavoPMenuIdPool::IsInRange(UINT uiId) const
{
    return m_uiFirstId != 0 && m_uiLastId != 0 && uiId >= m_uiFirstId && uiId <= m_uiLastId;
}

UINT CTavoPMenuIdPool::GetFreeId()
{
    if (m_uiFirstId == 0 || m_uiLastId == 0)
        return 0;
    for (INT_PTR i = 0; i < m_arUseCounts.GetSize(); i++)
    {
        if (m_arUseCounts[i] == 0)
        {
            m_arUseCounts[i] = 1;
            return m_uiFirstId + (UINT)i;
        }
    }
    return 0;
}

void CTavoPMenuIdPool::MarkId(UINT uiId, BOOL bInUse)
{
    if (!IsInRange(uiId))
        return;
    int& nCount = m_arUseCounts[uiId - m_uiFirstId];
    if (bInUse)
        nCount++;
    else if (nCount > 0)
        nCount--;
}

static CString MenuText(HMENU hMenu, int nPos)
{
    TCHAR szText[kMaxMenuText + 1] = {};
    ::GetMenuString(hMenu, nPos, szText, kMaxMenuText + 1, MF_BYPOSITION);
    return szText;
}

// A popup item: the item that opens a sub-menu.
static HMENU SubMenuAt(HMENU hMenu, int nPos)
{
    return ::GetMenuItemID(hMenu, nPos) == (UINT)-1 ? ::GetSubMenu(hMenu, nPos) : NULL;
}

void CTavoPMenuIdPool::AssignIds(HMENU hMenu)
{
    AssignIdsIn(hMenu);
}

BOOL CTavoPMenuIdPool::AssignIdsIn(HMENU hMenu)
{
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int nPos = 0; nPos < nCount; nPos++)
    {
        HMENU hSubMenu = SubMenuAt(hMenu, nPos);
        if (hSubMenu == NULL)
            continue;

        MENUITEMINFO mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE;
        if (::GetMenuItemInfo(hMenu, nPos, TRUE, &mii) && (mii.fType & MF_MENUBARBREAK) != 0)
        {
            CString strText = MenuText(hMenu, nPos);
            if (strText.IsEmpty() || strText[0] != kIdMark)
            {
                const UINT uiId = GetFreeId();
                if (uiId == 0)
                    return FALSE;
                EmbedId(uiId, strText);
                MENUITEMINFO miiText = {};
                miiText.cbSize = sizeof(miiText);
                miiText.fMask = MIIM_STRING;
                miiText.dwTypeData = strText.GetBuffer(0);
                ::SetMenuItemInfo(hMenu, nPos, TRUE, &miiText);
                strText.ReleaseBuffer();
            }
        }
        if (!AssignIdsIn(hSubMenu))
            return FALSE;
    }
    return TRUE;
}

void CTavoPMenuIdPool::ReleaseIds(HMENU hMenu)
{
    if (hMenu == NULL)
    {
        for (INT_PTR i = 0; i < m_arUseCounts.GetSize(); i++)
            m_arUseCounts[i] = 0;
        return;
    }
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int nPos = 0; nPos < nCount; nPos++)
    {
        CString strText = MenuText(hMenu, nPos);
        const UINT uiId = ExtractId(strText);
        if (IsInRange(uiId))
            m_arUseCounts[uiId - m_uiFirstId] = 0;
        HMENU hSubMenu = SubMenuAt(hMenu, nPos);
        if (hSubMenu != NULL)
            ReleaseIds(hSubMenu);
    }
}

UINT CTavoPMenuIdPool::ExtractId(CString& strText)
{
    if (strText.IsEmpty() || strText[0] != kIdMark)
        return 0;
    const UINT uiId = (UINT)strtol((LPCTSTR)strText + 1, NULL, 10);
    strText = strText.Mid(strText.ReverseFind(kIdMark) + 1);
    return uiId;
}

void CTavoPMenuIdPool::EmbedId(UINT uiId, CString& strText)
{
    CString strEmbedded;
    strEmbedded.Format(_T("%c%d%c%s"), kIdMark, (int)uiId, kIdMark, (LPCTSTR)strText);
    strText = strEmbedded;
}
