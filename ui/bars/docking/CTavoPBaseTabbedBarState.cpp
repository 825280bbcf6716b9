// The tabbed bar's part of the saved layout: its own record, the ids of its tabs, its tab list and the values its tabs keep.
#include "framework/CArchive.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include <set>
#include <vector>

namespace {

// More tabs than any group holds: a larger stored count is damage.
const LONG kMaxStoredTabs = 256;

// The tabs that keep values of their own.
std::vector<CTavoPBaseControlBar*> TabBars(const CTavoPBaseTabWnd* pTabWnd)
{
    std::vector<CTavoPBaseControlBar*> tabs;
    const int nTabs = pTabWnd != NULL ? pTabWnd->GetTabsNum() : 0;
    for (int i = 0; i < nTabs; i++)
    {
        CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pTabWnd->GetTabWnd(i));
        if (pBar != NULL && pBar->GetSafeHwnd() != NULL)
            tabs.push_back(pBar);
    }
    return tabs;
}

}

void CTavoPBaseTabbedBar::Serialize(CArchive& ar)
{
    CTavoPDockingControlBar::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << (LONG)m_bAutoDestroy;
        return;
    }
    LONG nAutoDestroy = 0;
    ar >> nAutoDestroy;
    // A bar read from an archive was made by the load and is held by nobody else: it goes with
    // its window, whatever the bar it was stored from did.
    m_bAutoDestroy = TRUE;
}

void CTavoPBaseTabbedBar::SaveSiblingBarIDs(CArchive& ar)
{
    if (!ar.IsStoring() || m_pTabWnd == NULL || m_pTabWnd->GetTabsNum() == 0)
        return;
    const int nTabs = m_pTabWnd->GetTabsNum();
    ar << (LONG)nTabs;
    for (int i = 0; i < nTabs; i++)
    {
        CWnd* pWnd = m_pTabWnd->GetTabWnd(i);
        ar << (LONG)(pWnd != NULL && pWnd->GetSafeHwnd() != NULL ? pWnd->GetDlgCtrlID() : 0);
    }
}

BOOL CTavoPBaseTabbedBar::LoadSiblingBarIDs(CArchive& ar, CList<UINT, UINT>& lstBarIDs)
{
    lstBarIDs.RemoveAll();
    LONG nCount = 0;
    ar >> nCount;
    // Only a group with tabs is stored; -1 marks a tabbed bar, never a tab, and a bar is a tab
    // of one group once.
    if (nCount < 1 || nCount > kMaxStoredTabs)
        return FALSE;
    std::set<LONG> seen;
    for (LONG i = 0; i < nCount; i++)
    {
        LONG nID = 0;
        ar >> nID;
        if (nID == -1 || !seen.insert(nID).second)
        {
            lstBarIDs.RemoveAll();
            return FALSE;
        }
        lstBarIDs.AddTail((UINT)nID);
    }
    return TRUE;
}

void CTavoPBaseTabbedBar::SerializeTabWindow(CArchive& ar)
{
    if (m_pTabWnd != NULL)
    {
        m_pTabWnd->Serialize(ar);
        return;
    }
    // Without a tab window an empty tab list keeps the record whole; reading one needs the
    // window that takes it.
    if (!ar.IsStoring())
        AfxThrowArchiveException(CArchiveException::genericException);
    ar << (LONG)0;
    ar << (LONG)-1;
    ar << (LONG)0;
}

void CTavoPBaseTabbedBar::ApplyRestoredTabInfo(BOOL bUseTabIndexes)
{
    if (m_pTabWnd != NULL)
        m_pTabWnd->ApplyRestoredTabInfo(bUseTabIndexes);
}

BOOL CTavoPBaseTabbedBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    // A bar without an id of its own (one made for a tab group) has no values to find again:
    // its place comes from the layout.
    BOOL bResult = TRUE;
    if (GetDlgCtrlID() != -1 || nIndex != -1)
        bResult = CTavoPDockingControlBar::LoadState(lpszProfileName, nIndex, uiSubIndex);
    for (CTavoPBaseControlBar* pTab : TabBars(m_pTabWnd))
        pTab->LoadState(lpszProfileName);
    return bResult;
}

BOOL CTavoPBaseTabbedBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    BOOL bResult = TRUE;
    if (GetDlgCtrlID() != -1 || nIndex != -1)
        bResult = CTavoPDockingControlBar::SaveState(lpszProfileName, nIndex, uiSubIndex);
    for (CTavoPBaseControlBar* pTab : TabBars(m_pTabWnd))
        bResult = pTab->SaveState(lpszProfileName) && bResult;
    return bResult;
}
