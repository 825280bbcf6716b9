// The tabbed bar's stored state: its archive record, its tabs' ids and their registry state.
#include "framework/CArchive.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"

void CTavoPBaseTabbedBar::Serialize(CArchive& ar)
{
    CTavoPDockingControlBar::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << (LONG)m_bAutoDestroy;
    }
    else
    {
        LONG nAutoDestroy = 0;
        ar >> nAutoDestroy;
    }
}

void CTavoPBaseTabbedBar::SaveSiblingBarIDs(CArchive& ar)
{
    if (!ar.IsStoring() || m_pTabWnd == NULL || m_pTabWnd->GetTabsNum() == 0)
        return;
    ar << (LONG)m_pTabWnd->GetTabsNum();
    for (int i = 0; i < m_pTabWnd->GetTabsNum(); i++)
    {
        CWnd* pWnd = m_pTabWnd->GetTabWnd(i);
        ar << (LONG)(pWnd != NULL && pWnd->GetSafeHwnd() != NULL ? pWnd->GetDlgCtrlID() : -1);
    }
}

BOOL CTavoPBaseTabbedBar::LoadSiblingBarIDs(CArchive& ar, CList<UINT, UINT>& lstBarIDs)
{
    lstBarIDs.RemoveAll();
    LONG nCount = 0;
    ar >> nCount;
    if (nCount < 0)
        return FALSE;
    for (LONG i = 0; i < nCount; i++)
    {
        LONG nID = 0;
        ar >> nID;
        lstBarIDs.AddTail((UINT)nID);
    }
    return TRUE;
}

BOOL CTavoPBaseTabbedBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    BOOL bLoaded = CTavoPDockingControlBar::LoadState(lpszProfileName, nIndex, uiSubIndex);
    for (int i = 0; i < GetTabsNum(); i++)
    {
        if (CTavoPBaseControlBar* pBar =
                DYNAMIC_DOWNCAST(CTavoPBaseControlBar, m_pTabWnd->GetTabWnd(i)))
            bLoaded &= pBar->LoadState(lpszProfileName, nIndex, uiSubIndex);
    }
    return bLoaded;
}

BOOL CTavoPBaseTabbedBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    BOOL bSaved = CTavoPDockingControlBar::SaveState(lpszProfileName, nIndex, uiSubIndex);
    for (int i = 0; i < GetTabsNum(); i++)
    {
        if (CTavoPBaseControlBar* pBar =
                DYNAMIC_DOWNCAST(CTavoPBaseControlBar, m_pTabWnd->GetTabWnd(i)))
            bSaved &= pBar->SaveState(lpszProfileName, nIndex, uiSubIndex);
    }
    return bSaved;
}

void CTavoPBaseTabbedBar::SerializeTabWindow(CArchive& ar)
{
    if (m_pTabWnd != NULL)
        m_pTabWnd->Serialize(ar);
}

void CTavoPBaseTabbedBar::ApplyRestoredTabInfo(BOOL bUseTabIndexes)
{
    if (m_pTabWnd != NULL)
        m_pTabWnd->ApplyRestoredTabInfo(bUseTabIndexes);
}
