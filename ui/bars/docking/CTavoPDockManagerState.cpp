// The dock manager's saved layout: every bar's own values, the layout archive, and applying a loaded layout.
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/docking/CTavoPAutoHideButton.h"
#include "ui/bars/docking/CTavoPAutoHideToolBar.h"
#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/foundation/BuildRegistryPath.h"
#include "ui/foundation/CTavoPStateKey.h"
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {

const char kLayoutValue[] = "DockingCBAndSliders";

// Bars that keep their own values beside the layout: docking panes and every bar that is not a
// toolbar (toolbars keep theirs with their buttons).
BOOL KeepsOwnValues(const CObject* pObject)
{
    if (pObject->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)))
        return TRUE;
    return pObject->IsKindOf(RUNTIME_CLASS(CTavoPControlBar)) &&
           !pObject->IsKindOf(RUNTIME_CLASS(CTavoPToolBar));
}

// The bars of the docked list and the floating frames load or save their own values.
void LoadSaveOwnValues(const CObList& lstBars, BOOL bSave, LPCTSTR lpszProfileName)
{
    for (POSITION pos = lstBars.GetHeadPosition(); pos != NULL;)
    {
        CObject* pObject = lstBars.GetNext(pos);
        if (pObject->IsKindOf(RUNTIME_CLASS(CTavoPMiniFrameWnd)))
        {
            CTavoPMiniFrameWnd* pMiniFrame = (CTavoPMiniFrameWnd*)pObject;
            if (bSave)
                pMiniFrame->SaveState(lpszProfileName);
            else
                pMiniFrame->LoadState(lpszProfileName);
        }
        else if (KeepsOwnValues(pObject))
        {
            CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)pObject;
            if (bSave)
                pBar->SaveState(lpszProfileName);
            else
                pBar->LoadState(lpszProfileName);
        }
    }
}

int ReadInt(CArchive& ar)
{
    LONG n = 0;
    ar >> n;
    return (int)n;
}

// One pane record of a default slider's tree: the pane's id, or -1 and the id of a tabbed bar's
// first tab.
struct PaneRecord
{
    LONG nID;
    LONG nFirstTabID;
};

// The pane records a default slider's record is followed by: the panes of its tree that may
// float. A tabbed bar without a tab has nothing to be found by and gets no record.
std::vector<PaneRecord> PanesToWrite(const CTavoPSlider* pSlider)
{
    std::vector<PaneRecord> records;
    const CTavoPBarTreeManager* pTree = pSlider->GetBarTreeManager();
    if (pTree == NULL)
        return records;
    for (POSITION pos = pTree->GetBars().GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pPane = (CTavoPDockingControlBar*)pTree->GetBars().GetNext(pos);
        if (pPane->GetSafeHwnd() == NULL || !pPane->CanFloat())
            continue;
        const int nID = pPane->GetDlgCtrlID();
        if (nID != -1)
        {
            records.push_back({(LONG)nID, 0});
            continue;
        }
        CTavoPBaseTabbedBar* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pPane);
        CWnd* pFirstTab = pTabbed != NULL && pTabbed->GetTabsNum() > 0
                              ? pTabbed->FindBarByTabNumber(0, FALSE)
                              : NULL;
        if (pFirstTab != NULL && pFirstTab->GetSafeHwnd() != NULL)
            records.push_back({-1, (LONG)pFirstTab->GetDlgCtrlID()});
    }
    return records;
}

// Docked panes and their sliders: every default slider whose tree holds a pane that may float,
// walking the docked list from its tail, each followed by the panes of its tree. Only records
// that are written are counted.
void StoreDockedPanes(CArchive& ar, const CObList& lstBars)
{
    std::vector<CTavoPSlider*> sliders;
    for (POSITION pos = lstBars.GetTailPosition(); pos != NULL;)
    {
        CTavoPSlider* pSlider = DYNAMIC_DOWNCAST(CTavoPSlider, lstBars.GetPrev(pos));
        if (pSlider != NULL && pSlider->IsDefault() && pSlider->CanAnyBarFloat())
            sliders.push_back(pSlider);
    }
    LONG nCount = 0;
    for (CTavoPSlider* pSlider : sliders)
        nCount += 1 + (LONG)PanesToWrite(pSlider).size();
    ar << nCount;
    for (CTavoPSlider* pSlider : sliders)
    {
        const std::vector<PaneRecord> records = PanesToWrite(pSlider);
        ar << (LONG)0;
        pSlider->Serialize(ar);
        for (const PaneRecord& record : records)
        {
            ar << (LONG)1;
            ar << record.nID;
            if (record.nID == -1)
                ar << record.nFirstTabID;
        }
    }
}

// A loaded slider that is not wanted any more: the tabbed bars its tree made go with it.
void DestroyLoadedSlider(CTavoPSlider* pSlider)
{
    if (pSlider->GetBarTreeManager() != NULL &&
        pSlider->GetBarTreeManager()->GetRootContainer() != NULL)
        pSlider->GetBarTreeManager()->GetRootContainer()->DestroyLoadedTabbedBars();
    if (pSlider->GetSafeHwnd() != NULL)
        pSlider->DestroyWindow(); // the slider and its tree go with the window
    else
        delete pSlider;
}

// Reads the docked panes' section into lstLoaded: each default slider made again with its tree,
// and the panes that join it, both put at the head. The panes themselves are left as they are
// until the whole layout has been read.
void LoadDockedPanes(CArchive& ar, CTavoPDockManager& manager, CObList& lstLoaded,
                     CFrameWnd* pDockSite)
{
    const int nCount = ReadInt(ar);
    if (nCount < 0 || pDockSite == NULL)
        AfxThrowArchiveException(CArchiveException::badIndex);
    CTavoPSlider* pCurrent = NULL;
    // Every record takes bytes: a damaged count runs into the end of the data and stops there.
    for (int i = 0; i < nCount; i++)
    {
        const int nFlag = ReadInt(ar);
        if (nFlag == 0)
        {
            CTavoPSlider* pSlider = new CTavoPSlider(TRUE, pDockSite);
            try
            {
                pSlider->Serialize(ar);
            }
            catch (...)
            {
                DestroyLoadedSlider(pSlider);
                throw;
            }
            lstLoaded.AddHead(pSlider);
            pCurrent = pSlider;
            continue;
        }
        // A pane with no slider before it has nowhere to go.
        if (nFlag != 1 || pCurrent == NULL)
            AfxThrowArchiveException(CArchiveException::badIndex);
        const int nID = ReadInt(ar);
        CTavoPDockingControlBar* pPane = NULL;
        if (nID == -1)
        {
            pPane = pCurrent->FindTabbedBar((UINT)ReadInt(ar));
        }
        else
        {
            CTavoPBaseControlBar* pBar = manager.FindBarByID((UINT)nID, TRUE);
            if (pBar != NULL && !pBar->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)))
                AfxThrowArchiveException(CArchiveException::badClass);
            pPane = (CTavoPDockingControlBar*)pBar;
        }
        if (pPane != NULL && lstLoaded.Find(pPane) == NULL)
            lstLoaded.AddHead(pPane);
    }
}

// A tabbed bar that a layout load made and that has not been given its tabs yet.
BOOL IsLoadedTabbedBar(const CTavoPDockingControlBar* pBar)
{
    const CTavoPBaseTabbedBar* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pBar);
    return pTabbed != NULL && pTabbed->GetDlgCtrlID() == -1 && pTabbed->GetTabsNum() == 0;
}

// A pane that is a tab leaves its tabbed bar for the dock site and shows its caption again;
// a tabbed bar left without tabs may destroy itself.
void TakeOutOfTabbedBar(CTavoPDockingControlBar* pPane, CWnd* pDockSite)
{
    if (!pPane->IsTabbed())
        return;
    CTavoPBaseTabbedBar::TakeOutOfGroup(pPane, pDockSite);
    pPane->ShowCaption(TRUE);
}

// The tabs the loaded tree lists for a tabbed bar are found by id and attached to it, in their
// stored order; then the tab list read with it is applied.
void GatherTabs(CTavoPDockManager& manager, CTavoPBaseTabbedBar* pTabbed, CWnd* pDockSite)
{
    CTavoPSlider* pSlider = pTabbed->GetDefaultSlider();
    if (pSlider == NULL || pSlider->GetBarTreeManager() == NULL)
        return;
    BOOL bFirst = FALSE;
    CTavoPBarContainer* pNode = pSlider->FindContainer(pTabbed, bFirst);
    if (pNode == NULL)
        return;
    std::vector<UINT> ids;
    const CList<UINT, UINT>& lstTabIDs = pNode->GetSavedTabIDs(bFirst);
    for (POSITION pos = lstTabIDs.GetHeadPosition(); pos != NULL;)
        ids.push_back(lstTabIDs.GetNext(pos));
    const HWND hTabbed = pTabbed->GetSafeHwnd();
    for (UINT nID : ids)
    {
        CTavoPDockingControlBar* pPane =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, manager.FindBarByID(nID, TRUE));
        if (pPane == NULL || pPane == pTabbed || pPane->GetSafeHwnd() == NULL ||
            pPane->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)) || !pPane->CanFloat() ||
            pPane->GetParent() == pTabbed->GetUnderlinedWindow())
            continue;
        if (pPane->IsAutoHideMode())
            pPane->SetAutoHideMode(FALSE, CBRS_ALIGN_ANY, NULL, TRUE);
        TakeOutOfTabbedBar(pPane, pDockSite);
        pPane->AttachToTabbedBar(pTabbed, TAVOP_DM_RECENT, FALSE, NULL);
        if (CWnd::FromHandlePermanent(hTabbed) != pTabbed)
            return; // the tabbed bar itself went while a tab changed places
    }
    if (pTabbed->GetTabsNum() == 0)
        return;
    pTabbed->ApplyRestoredTabInfo(FALSE);
    pTabbed->AdjustLayout();
    // Each tab remembers this group as its place: what it remembered before (a group the
    // layout replaced, whose node is kept alive by that memory) is let go.
    for (int i = 0; i < pTabbed->GetTabsNum(); i++)
    {
        CTavoPDockingControlBar* pTab =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pTabbed->FindBarByTabNumber(i, FALSE));
        if (pTab != NULL)
            pTab->StoreRecentTabRelatedInfo();
    }
}

// Every pane read with a slider's record joins that slider when the slider's tree holds it:
// it leaves the place it had, goes to its stored docked rectangle and visibility, and the
// slider takes its place among the frame's bars.
void ApplyLoadedPanes(CTavoPDockManager& manager, const CObList& lstLoaded, CFrameWnd* pDockSite)
{
    // Panes were put at the head after their slider: from the tail, each pane follows the
    // slider it was read with.
    std::vector<std::pair<CTavoPDockingControlBar*, HWND>> panes;
    std::vector<HWND> sliders;
    HWND hCurrent = NULL;
    for (POSITION pos = lstLoaded.GetTailPosition(); pos != NULL;)
    {
        CObject* pObject = lstLoaded.GetPrev(pos);
        if (pObject->IsKindOf(RUNTIME_CLASS(CTavoPSlider)))
        {
            hCurrent = ((CTavoPSlider*)pObject)->GetSafeHwnd();
            sliders.insert(sliders.begin(), hCurrent);
        }
        else if (pObject->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)))
        {
            panes.emplace_back((CTavoPDockingControlBar*)pObject, hCurrent);
        }
    }
    auto sliderOf = [](HWND hSlider) {
        return DYNAMIC_DOWNCAST(CTavoPSlider, CWnd::FromHandlePermanent(hSlider));
    };
    // A tree may name panes that no record joins to it (their ids found nothing, or another
    // slider's record took them): they stay where they are and leave the loaded tree, and a
    // tree left without panes goes.
    for (HWND hSlider : sliders)
    {
        CTavoPSlider* pSlider = sliderOf(hSlider);
        if (pSlider == NULL || pSlider->GetBarTreeManager() == NULL)
            continue;
        CTavoPBarTreeManager* pTree = pSlider->GetBarTreeManager();
        std::vector<CTavoPDockingControlBar*> strays;
        for (POSITION pos = pTree->GetBars().GetHeadPosition(); pos != NULL;)
        {
            CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)pTree->GetBars().GetNext(pos);
            const bool bJoins =
                std::find(panes.begin(), panes.end(), std::make_pair(pBar, hSlider)) != panes.end();
            if (!bJoins)
                strays.push_back(pBar);
        }
        for (CTavoPDockingControlBar* pBar : strays)
        {
            pTree->DropBar(pBar);
            // A tabbed bar the load made has no other place to go.
            if (IsLoadedTabbedBar(pBar))
                pBar->DestroyWindow();
        }
        if (pTree->IsEmpty())
            pSlider->DestroyWindow();
    }
    for (HWND hSlider : sliders)
    {
        CTavoPSlider* pSlider = sliderOf(hSlider);
        if (pSlider != NULL && manager.GetDockedBars().Find(pSlider) == NULL)
            manager.AddControlBar(pSlider);
    }
    // The tabbed bars that join a slider, by window: gathering tabs may destroy a tabbed bar
    // that gives its last tab away.
    std::vector<HWND> tabbedBars;
    for (const auto& entry : panes)
    {
        CTavoPDockingControlBar* pPane = entry.first;
        CTavoPSlider* pSlider =
            DYNAMIC_DOWNCAST(CTavoPSlider, CWnd::FromHandlePermanent(entry.second));
        if (pSlider == NULL || !pSlider->IsBarInTree(pPane) || !::IsWindow(pPane->GetSafeHwnd()))
            continue;
        if (pPane->IsAutoHideMode())
            pPane->SetAutoHideMode(FALSE, CBRS_ALIGN_ANY, NULL, TRUE);
        TakeOutOfTabbedBar(pPane, pDockSite);
        if (CTavoPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame(TRUE))
            pMiniFrame->RemoveControlBar(pPane, FALSE);
        CTavoPSlider* pOld = pPane->GetDefaultSlider();
        if (pOld != NULL && pOld != pSlider)
        {
            pPane->SetDefaultSlider(NULL);
            pOld->RemoveBar(pPane); // may destroy the old slider when nothing needs it
        }
        if (pPane->GetParent() != pDockSite)
            pPane->SetParent(pDockSite);
        pPane->SetDefaultSlider(pSlider->GetSafeHwnd());
        if (manager.GetDockedBars().Find(pPane) == NULL)
            manager.AddControlBar(pPane);
        pPane->SetCurrentAlignment(pSlider->GetCurrentAlignment());
        // A tabbed bar the load made keeps no values of its own: the archive gave its place.
        const BOOL bLoadedTabbed = IsLoadedTabbedBar(pPane);
        if (pPane->GetStoredValue() || bLoadedTabbed)
        {
            const CRect rect = pPane->GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect;
            if (!rect.IsRectEmpty())
                pPane->CWnd::SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                                          SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            pPane->ShowWindow(pPane->GetStoredVisibility() ? SW_SHOWNOACTIVATE : SW_HIDE);
        }
        pPane->ShowCaption(TRUE);
        if (bLoadedTabbed)
            tabbedBars.push_back(pPane->GetSafeHwnd());
    }
    // The tabs come once every pane has its place, so that a pane the tree names beside the
    // tab group still ends up as a tab.
    for (HWND hTabbed : tabbedBars)
    {
        CTavoPBaseTabbedBar* pTabbed =
            DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, CWnd::FromHandlePermanent(hTabbed));
        if (pTabbed != NULL)
            GatherTabs(manager, pTabbed, pDockSite);
    }
    for (HWND hSlider : sliders)
    {
        CTavoPSlider* pSlider = DYNAMIC_DOWNCAST(CTavoPSlider, CWnd::FromHandlePermanent(hSlider));
        if (pSlider != NULL)
            pSlider->CheckVisibility();
    }
}

}

CString CTavoPDockManager::LayoutKey(LPCTSTR lpszProfileName, UINT uiID)
{
    CString strKey;
    strKey.Format("%sTavoPDockManager-%d",
                  (LPCTSTR)BuildRegistryPath("TavoPDockManagers", lpszProfileName), (int)uiID);
    return strKey;
}

void CTavoPDockManager::RemoveLoadedAutoHideRecords()
{
    while (!m_lstLoadedAutoHideRecords.IsEmpty())
        delete m_lstLoadedAutoHideRecords.RemoveHead();
}

BOOL CTavoPDockManager::SaveState(LPCTSTR lpszProfileName, UINT uiID)
{
    const CString strKey = LayoutKey(lpszProfileName, uiID);

    LoadSaveOwnValues(m_lstControlBars, TRUE, lpszProfileName);
    LoadSaveOwnValues(m_lstMiniFrames, TRUE, lpszProfileName);

    CTavoPStateKey key(strKey, CTavoPStateKey::forWriting);
    return key.StoreArchived(kLayoutValue, [this](CArchive& ar) { Serialize(ar); });
}

BOOL CTavoPDockManager::LoadState(LPCTSTR lpszProfileName, UINT uiID)
{
    const CString strKey = LayoutKey(lpszProfileName, uiID);

    LoadSaveOwnValues(m_lstControlBars, FALSE, lpszProfileName);
    for (POSITION pos = m_lstAutoHideBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPSlider* pSlider = DYNAMIC_DOWNCAST(CTavoPSlider, m_lstAutoHideBars.GetNext(pos));
        CTavoPBaseControlBar* pPane = pSlider != NULL ? pSlider->GetFirstBar() : NULL;
        if (pPane != NULL && pPane->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)))
            pPane->LoadState(lpszProfileName);
    }
    LoadSaveOwnValues(m_lstMiniFrames, FALSE, lpszProfileName);

    CTavoPStateKey key(strKey, CTavoPStateKey::forReading);
    return key.LoadArchived(
        kLayoutValue,
        [this](CArchive& ar) {
            Serialize(ar);
            m_bLoadFailed = FALSE;
            return TRUE;
        },
        [this](CException* e) {
            DestroyLoadedMiniFrames();
            if (!e->IsKindOf(RUNTIME_CLASS(CMemoryException)))
            {
                // Whatever the broken archive made so far goes again: the panes first, while
                // the tabbed bars the sliders' trees made are still there to be told.
                for (POSITION pos = m_lstLoadedBars.GetHeadPosition(); pos != NULL;)
                {
                    CObject* pObject = m_lstLoadedBars.GetNext(pos);
                    if (!pObject->IsKindOf(RUNTIME_CLASS(CTavoPSlider)))
                        ((CTavoPBaseControlBar*)pObject)->SetStoredValue(FALSE);
                }
                for (POSITION pos = m_lstLoadedBars.GetHeadPosition(); pos != NULL;)
                {
                    CObject* pObject = m_lstLoadedBars.GetNext(pos);
                    if (pObject->IsKindOf(RUNTIME_CLASS(CTavoPSlider)))
                        DestroyLoadedSlider((CTavoPSlider*)pObject);
                }
                m_lstLoadedBars.RemoveAll();
            }
            m_bLoadFailed = TRUE;
        });
}

void CTavoPDockManager::DestroyLoadedMiniFrames()
{
    // Frames read before a later section broke hold no bar yet: none may stay behind hidden.
    while (!m_lstLoadedMiniFrames.IsEmpty())
    {
        CTavoPMiniFrameWnd* pMiniFrame = (CTavoPMiniFrameWnd*)m_lstLoadedMiniFrames.RemoveHead();
        if (pMiniFrame->GetSafeHwnd() != NULL)
            pMiniFrame->DestroyWindow();
    }
}

void CTavoPDockManager::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        // A floating tabbed bar without tabs has nothing to restore: it leaves the layout.
        std::vector<CTavoPBaseTabbedBar*> empty;
        std::vector<CTavoPBaseTabbedBar*> fixed;
        for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
        {
            CTavoPBaseTabbedBar* pTabbed =
                DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, m_lstControlBars.GetNext(pos));
            if (pTabbed == NULL || pTabbed->GetSafeHwnd() == NULL)
                continue;
            if (pTabbed->CanFloat())
            {
                if (pTabbed->GetTabsNum() == 0)
                    empty.push_back(pTabbed);
            }
            // A tabbed bar that stays where it is keeps its tab list; it is found again by
            // its own id, so one without an id or a tab window has no record.
            else if (pTabbed->GetDlgCtrlID() != -1 && pTabbed->GetUnderlinedWindow() != NULL)
            {
                fixed.push_back(pTabbed);
            }
        }
        for (CTavoPBaseTabbedBar* pTabbed : empty)
            pTabbed->Undock(TRUE);
        ar << (LONG)fixed.size();
        for (CTavoPBaseTabbedBar* pTabbed : fixed)
        {
            ar << (LONG)pTabbed->GetDlgCtrlID();
            pTabbed->SerializeTabWindow(ar);
        }
        StoreDockedPanes(ar, m_lstControlBars);
        SerializeMiniFrames(ar);
        SerializeAutoHide(ar);
        return;
    }

    m_lstLoadedBars.RemoveAll();
    m_lstLoadedTabbedBars.RemoveAll();
    RemoveLoadedAutoHideRecords();
    m_lstLoadedMiniFrames.RemoveAll();

    // Tabbed bars that stay where they are, with their tab lists. An id that finds no such
    // bar leaves a tab list nothing can read: the rest would be out of step.
    const int nTabbed = ReadInt(ar);
    if (nTabbed < 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    for (int i = 0; i < nTabbed; i++)
    {
        const int nID = ReadInt(ar);
        CTavoPBaseTabbedBar* pTabbed =
            nID == -1 ? NULL : DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, FindBarByID((UINT)nID, TRUE));
        if (pTabbed == NULL || pTabbed->GetUnderlinedWindow() == NULL)
            AfxThrowArchiveException(CArchiveException::badIndex);
        pTabbed->SerializeTabWindow(ar);
        if (m_lstLoadedTabbedBars.Find(pTabbed) == NULL)
            m_lstLoadedTabbedBars.AddTail(pTabbed);
    }
    LoadDockedPanes(ar, *this, m_lstLoadedBars, m_pDockSite);
    SerializeMiniFrames(ar);

    SerializeAutoHide(ar);
}

void CTavoPDockManager::SetDockState()
{
    if (m_bLoadFailed || m_pDockSite == NULL)
        return;

    // Floating frames read from the layout take their bars back first, so that the bars they
    // hold are restored with the others.
    const BOOL bLoadedFrames = !m_lstLoadedMiniFrames.IsEmpty();
    if (bLoadedFrames)
    {
        m_bRestoringDockState = TRUE;
        SetMiniFramesDockState();
    }

    // Collect the bars to restore.
    std::vector<CTavoPControlBar*> collected;
    BOOL bAnyStored = FALSE;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CObject* pObject = m_lstControlBars.GetNext(pos);
        if (pObject->IsKindOf(RUNTIME_CLASS(CTavoPDockBar)))
        {
            const CObList& lstDocked = ((CTavoPDockBar*)pObject)->GetDockedBars();
            for (POSITION posBar = lstDocked.GetHeadPosition(); posBar != NULL;)
            {
                CTavoPControlBar* pBar =
                    DYNAMIC_DOWNCAST(CTavoPControlBar, lstDocked.GetNext(posBar));
                if (pBar != NULL)
                    collected.push_back(pBar);
            }
        }
        else if (pObject->IsKindOf(RUNTIME_CLASS(CTavoPControlBar)))
        {
            CTavoPControlBar* pBar = (CTavoPControlBar*)pObject;
            if (pBar->CanFloat())
                collected.push_back(pBar);
            else if (pBar->GetStoredValue())
                bAnyStored = TRUE;
        }
    }
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != NULL;)
    {
        CTavoPMiniFrameWnd* pMiniFrame = (CTavoPMiniFrameWnd*)m_lstMiniFrames.GetNext(pos);
        CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, pMiniFrame->GetControlBar());
        if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPBaseToolBar)))
            collected.push_back(pBar);
    }
    for (CTavoPControlBar* pBar : collected)
    {
        if (pBar->GetStoredValue())
            bAnyStored = TRUE;
    }

    // A frame of toolbars and fixed bars only has an empty archive; its bars still come back
    // from their own values.
    if (m_lstLoadedBars.IsEmpty() && !bLoadedFrames && m_lstLoadedTabbedBars.IsEmpty() &&
        !bAnyStored && m_lstLoadedAutoHideRecords.IsEmpty())
    {
        EndRestoringDockState();
        return;
    }

    m_bRestoringDockState = TRUE;

    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, m_lstControlBars.GetNext(pos));
        if (pBar == NULL || pBar->CanFloat() || !pBar->GetStoredValue())
            continue;
        const CRect rect = pBar->GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect;
        pBar->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        pBar->ShowWindow(pBar->GetStoredVisibility() ? SW_SHOWNOACTIVATE : SW_HIDE);
    }

    // Bars stored floating go to their floating places first; a bar stored docked goes straight
    // to its dock bar, without a needless trip through a floating frame.
    for (CTavoPControlBar* pBar : collected)
    {
        if (pBar->GetStoredValue() && pBar->GetLoadedFloatingState() &&
            !pBar->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)))
            pBar->FloatControlBar(pBar->GetRecentDockInfo().m_rectRecentFloatingRect, TAVOP_DM_SHOW,
                                  FALSE);
    }
    HoldDockBarResizes(TRUE);
    for (CTavoPControlBar* pBar : collected)
    {
        if (pBar->GetStoredValue() && !pBar->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)))
        {
            pBar->RestoreDockState(this);
            pBar->StoreRecentDockedRect();
        }
    }
    HoldDockBarResizes(FALSE);

    ApplyLoadedPanes(*this, m_lstLoadedBars, m_pDockSite);
    AdjustDockingLayout(NULL);

    // Tabbed bars that stayed where they were take their tab lists back.
    for (POSITION pos = m_lstLoadedTabbedBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseTabbedBar* pTabbed = (CTavoPBaseTabbedBar*)m_lstLoadedTabbedBars.GetNext(pos);
        if (pTabbed->GetSafeHwnd() == NULL || pTabbed->GetUnderlinedWindow() == NULL)
            continue;
        pTabbed->ApplyRestoredTabInfo(FALSE);
        pTabbed->GetUnderlinedWindow()->RecalcLayout();
    }
    // A tabbed bar that may float and got no tab has nothing to show. A tree that the tab
    // groups left empty (its last bar was a group that gave its tabs away and went) goes too,
    // unless a remembered place still needs it.
    std::vector<CTavoPBaseTabbedBar*> empty;
    std::vector<HWND> sliders;
    for (POSITION pos = m_lstControlBars.GetTailPosition(); pos != NULL;)
    {
        CObject* pObject = m_lstControlBars.GetPrev(pos);
        if (pObject->IsKindOf(RUNTIME_CLASS(CTavoPSlider)))
        {
            sliders.push_back(((CTavoPSlider*)pObject)->GetSafeHwnd());
            continue;
        }
        CTavoPBaseTabbedBar* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pObject);
        if (pTabbed != NULL && pTabbed->CanFloat() && pTabbed->GetTabsNum() == 0)
            empty.push_back(pTabbed);
    }
    for (CTavoPBaseTabbedBar* pTabbed : empty)
    {
        pTabbed->Undock(FALSE);
        pTabbed->DestroyWindow();
    }
    for (HWND hSlider : sliders)
    {
        CTavoPSlider* pSlider = DYNAMIC_DOWNCAST(CTavoPSlider, CWnd::FromHandlePermanent(hSlider));
        if (pSlider == NULL)
            continue;
        pSlider->CheckVisibility();
        if (pSlider->IsDefault())
            pSlider->RemoveIfEmpty();
    }
    ApplyLoadedAutoHide();
    EndRestoringDockState();
    RecalcAllBars();

    m_lstLoadedBars.RemoveAll();
    m_lstLoadedTabbedBars.RemoveAll();
    m_lstLoadedMiniFrames.RemoveAll();
}

void CTavoPDockManager::EndRestoringDockState()
{
    m_bRestoringDockState = FALSE;
    // The rows kept their bars where they were while they shifted: each bar moves once now.
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CObject* pObject = m_lstControlBars.GetNext(pos);
        if (pObject->IsKindOf(RUNTIME_CLASS(CTavoPDockBar)))
            ((CTavoPDockBar*)pObject)->PlaceBarsAcrossRows();
    }
}

void CTavoPDockManager::HoldDockBarResizes(BOOL bHold)
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CObject* pObject = m_lstControlBars.GetNext(pos);
        if (pObject->IsKindOf(RUNTIME_CLASS(CTavoPDockBar)))
            ((CTavoPDockBar*)pObject)->HoldResizes(bHold);
    }
}

// ---- auto-hidden panes

void CTavoPDockManager::SerializeAutoHide(CArchive& ar)
{
    if (ar.IsStoring())
    {
        // Only sliders that hold a pane write a record, and the count says just that many.
        std::vector<CTavoPDockingControlBar*> panes;
        for (POSITION pos = m_lstAutoHideBars.GetHeadPosition(); pos != NULL;)
        {
            CTavoPSlider* pSlider = DYNAMIC_DOWNCAST(CTavoPSlider, m_lstAutoHideBars.GetNext(pos));
            CTavoPDockingControlBar* pPane =
                pSlider != NULL ? DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pSlider->GetFirstBar())
                                : NULL;
            if (pPane != NULL && pPane->GetSafeHwnd() != NULL)
                panes.push_back(pPane);
        }
        ar << (LONG)panes.size();
        for (CTavoPDockingControlBar* pPane : panes)
        {
            CTavoPAutoHideToolBar* pStrip = pPane->GetAutoHideToolBar();
            if (pStrip != NULL && pStrip->GetSafeHwnd() == NULL)
                pStrip = NULL;
            CTavoPAutoHideButton* pButton = pStrip != NULL ? pStrip->FindButton(pPane) : NULL;
            ar << (LONG)pPane->GetDlgCtrlID();
            ar << (LONG)pPane->GetCurrentAlignment();
            // An auto-hidden pane is never "visible" itself: its button tells.
            ar << (LONG)(pStrip == NULL || (pButton != NULL && pButton->IsVisible()) ? 1 : 0);
            // The first pane of a strip names the panes that share it.
            std::vector<LONG> siblings;
            if (pStrip != NULL && pStrip->GetFirstBar() == pPane)
            {
                for (CTavoPDockingControlBar* pOther : panes)
                {
                    if (pOther != pPane && pOther->GetAutoHideToolBar() == pStrip)
                        siblings.push_back((LONG)pOther->GetDlgCtrlID());
                }
            }
            ar << (LONG)siblings.size();
            for (LONG nID : siblings)
                ar << nID;
            CRect rect;
            pPane->GetWindowRect(rect);
            if (rect.IsRectEmpty())
                rect = pPane->GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect;
            ar << rect;
            int nWords[3] = {1, 1, 1};
            if (pStrip != NULL)
                pStrip->GetStateWords(nWords);
            // The other panes of a strip continue its group: read without the sibling list, each
            // gets a strip of its own that joins the one before it.
            if (pStrip != NULL && pStrip->GetFirstBar() != pPane)
                nWords[0] = 0;
            for (int nWord : nWords)
                ar << (LONG)nWord;
        }
        return;
    }

    const int nAutoHide = ReadInt(ar);
    if (nAutoHide < 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    for (int i = 0; i < nAutoHide; i++)
    {
        std::unique_ptr<AutoHideRecord> pRecord(new AutoHideRecord);
        pRecord->nBarID = ReadInt(ar);
        pRecord->dwAlignment = (DWORD)ReadInt(ar);
        pRecord->bVisible = ReadInt(ar) != 0;
        // A record for a pane this frame does not have, or for no single side, cannot be
        // applied: the layout is not this frame's.
        const DWORD dwSide = pRecord->dwAlignment;
        if (dwSide != CBRS_ALIGN_LEFT && dwSide != CBRS_ALIGN_RIGHT && dwSide != CBRS_ALIGN_TOP &&
            dwSide != CBRS_ALIGN_BOTTOM)
            AfxThrowArchiveException(CArchiveException::badIndex);
        if (pRecord->nBarID == -1 ||
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, FindBarByID((UINT)pRecord->nBarID, TRUE)) ==
                NULL)
            AfxThrowArchiveException(CArchiveException::badIndex);
        const int nSiblings = ReadInt(ar);
        if (nSiblings < 0)
            AfxThrowArchiveException(CArchiveException::badIndex);
        // A damaged count runs into the end of the data and stops there.
        for (int j = 0; j < nSiblings; j++)
        {
            const int nID = ReadInt(ar);
            if (nID != -1)
                pRecord->lstSiblingIDs.AddHead(nID);
        }
        ar >> pRecord->rectBar;
        for (int& nState : pRecord->nToolbarState)
            nState = ReadInt(ar);
        m_lstLoadedAutoHideRecords.AddTail(pRecord.release());
    }
}

void CTavoPDockManager::ApplyLoadedAutoHide()
{
    std::map<int, CTavoPAutoHideToolBar*> sharedStrips;
    for (POSITION pos = m_lstLoadedAutoHideRecords.GetHeadPosition(); pos != NULL;)
    {
        AutoHideRecord* pRecord = m_lstLoadedAutoHideRecords.GetNext(pos);
        CTavoPDockingControlBar* pPane =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, FindBarByID((UINT)pRecord->nBarID, TRUE));
        if (pPane == NULL || pPane->GetSafeHwnd() == NULL)
            continue;
        if (pPane->IsAutoHideMode())
            pPane->SetAutoHideMode(FALSE, CBRS_ALIGN_ANY, NULL, TRUE);
        if (pPane->IsTabbed())
            TakeOutOfTabbedBar(pPane, m_pDockSite);
        if (pPane->IsFloating() || pPane->GetDefaultSlider() == NULL)
            pPane->DockToSide(pRecord->dwAlignment, NULL, TAVOP_DM_SHOW, NULL, 0, FALSE);
        if (pPane->GetDefaultSlider() == NULL)
            continue;
        // The stored rectangle is where the pane lay slid in: only its size is taken, so that
        // the pane keeps its docked place to come back to.
        const CRect rect = pRecord->rectBar;
        if (rect.Width() > 0 && rect.Height() > 0)
            pPane->CWnd::SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(),
                                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        auto itShared = sharedStrips.find(pRecord->nBarID);
        CTavoPAutoHideToolBar* pShared =
            itShared != sharedStrips.end() && ::IsWindow(itShared->second->GetSafeHwnd())
                ? itShared->second
                : NULL;
        CTavoPAutoHideToolBar* pStrip =
            pPane->SetAutoHideMode(TRUE, pRecord->dwAlignment, pShared, FALSE);
        if (pStrip == NULL)
            continue;
        pRecord->pPane = pPane;
        if (pShared == NULL)
            pStrip->SetStateWords(pRecord->nToolbarState);
        for (POSITION posID = pRecord->lstSiblingIDs.GetHeadPosition(); posID != NULL;)
            sharedStrips[pRecord->lstSiblingIDs.GetNext(posID)] = pStrip;
    }
    for (POSITION pos = m_lstLoadedAutoHideRecords.GetHeadPosition(); pos != NULL;)
    {
        AutoHideRecord* pRecord = m_lstLoadedAutoHideRecords.GetNext(pos);
        CTavoPDockingControlBar* pPane = pRecord->pPane;
        if (pPane == NULL || pPane->GetSafeHwnd() == NULL || !pPane->IsAutoHideMode())
            continue;
        CTavoPAutoHideToolBar* pStrip = pPane->GetAutoHideToolBar();
        if (pStrip != NULL && pStrip->GetSafeHwnd() != NULL)
            pStrip->ShowAutoHideButton(pPane, pRecord->bVisible);
    }
    RemoveLoadedAutoHideRecords();
}
