// The dock manager's saved layout: every bar's own values, the layout archive, and applying a loaded layout.
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/CTavoPControlBar.h"
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

// The panes a default slider's record is followed by: those of its tree that may float and
// have an id of their own (tabbed bars cannot write their tabs yet).
std::vector<CTavoPDockingControlBar*> PanesToWrite(const CTavoPSlider* pSlider)
{
    std::vector<CTavoPDockingControlBar*> panes;
    const CTavoPBarTreeManager* pTree = pSlider->GetBarTreeManager();
    if (pTree == NULL)
        return panes;
    for (POSITION pos = pTree->GetBars().GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pPane = (CTavoPDockingControlBar*)pTree->GetBars().GetNext(pos);
        if (pPane->GetSafeHwnd() != NULL && pPane->CanFloat() && pPane->GetDlgCtrlID() != -1 &&
            !pPane->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)))
            panes.push_back(pPane);
    }
    return panes;
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
        const std::vector<CTavoPDockingControlBar*> panes = PanesToWrite(pSlider);
        ar << (LONG)0;
        pSlider->Serialize(ar);
        for (CTavoPDockingControlBar* pPane : panes)
        {
            ar << (LONG)1;
            ar << (LONG)pPane->GetDlgCtrlID();
        }
    }
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
                if (pSlider->GetSafeHwnd() != NULL)
                    pSlider->DestroyWindow(); // the slider and its tree go with the window
                else
                    delete pSlider;
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
            pTree->DropBar(pBar);
        if (pTree->IsEmpty())
            pSlider->DestroyWindow();
    }
    for (HWND hSlider : sliders)
    {
        CTavoPSlider* pSlider = sliderOf(hSlider);
        if (pSlider != NULL && manager.GetDockedBars().Find(pSlider) == NULL)
            manager.AddControlBar(pSlider);
    }
    for (const auto& entry : panes)
    {
        CTavoPDockingControlBar* pPane = entry.first;
        CTavoPSlider* pSlider =
            DYNAMIC_DOWNCAST(CTavoPSlider, CWnd::FromHandlePermanent(entry.second));
        if (pSlider == NULL || !pSlider->IsBarInTree(pPane) || !::IsWindow(pPane->GetSafeHwnd()))
            continue;
        if (pPane->IsAutoHideMode())
            pPane->SetAutoHideMode(FALSE, CBRS_ALIGN_ANY, NULL, TRUE);
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
        if (pPane->GetStoredValue())
        {
            const CRect rect = pPane->GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect;
            if (!rect.IsRectEmpty())
                pPane->CWnd::SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                                          SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            pPane->ShowWindow(pPane->GetStoredVisibility() ? SW_SHOWNOACTIVATE : SW_HIDE);
        }
        pPane->ShowCaption(TRUE);
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
                // Whatever the broken archive made so far goes again.
                for (POSITION pos = m_lstLoadedBars.GetHeadPosition(); pos != NULL;)
                {
                    CObject* pObject = m_lstLoadedBars.GetNext(pos);
                    if (pObject->IsKindOf(RUNTIME_CLASS(CTavoPSlider)))
                        ((CWnd*)pObject)->DestroyWindow();
                    else
                        ((CTavoPBaseControlBar*)pObject)->SetStoredValue(FALSE);
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
        // Tabbed bars, docked panes with their sliders and auto-hidden panes keep their
        // sections empty until those kinds can write their own contents.
        std::vector<CTavoPBaseTabbedBar*> empty;
        for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
        {
            CTavoPBaseTabbedBar* pTabbed =
                DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, m_lstControlBars.GetNext(pos));
            if (pTabbed != NULL && pTabbed->CanFloat() &&
                (pTabbed->GetUnderlinedWindow() == NULL ||
                 pTabbed->GetUnderlinedWindow()->GetTabsNum() == 0))
                empty.push_back(pTabbed);
        }
        for (CTavoPBaseTabbedBar* pTabbed : empty)
            pTabbed->Undock(TRUE);
        ar << (LONG)0;
        StoreDockedPanes(ar, m_lstControlBars);
        SerializeMiniFrames(ar);
        ar << (LONG)0;
        return;
    }

    m_lstLoadedBars.RemoveAll();
    m_lstLoadedTabbedBars.RemoveAll();
    RemoveLoadedAutoHideRecords();
    m_lstLoadedMiniFrames.RemoveAll();

    // Tab contents cannot be read back yet: a section that holds any is treated as damaged,
    // which keeps the frame's own layout.
    if (ReadInt(ar) != 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    LoadDockedPanes(ar, *this, m_lstLoadedBars, m_pDockSite);
    SerializeMiniFrames(ar);

    const int nAutoHide = ReadInt(ar);
    if (nAutoHide < 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    for (int i = 0; i < nAutoHide; i++)
    {
        std::unique_ptr<AutoHideRecord> pRecord(new AutoHideRecord);
        pRecord->nBarID = ReadInt(ar);
        pRecord->dwAlignment = (DWORD)ReadInt(ar);
        pRecord->bVisible = ReadInt(ar);
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
        !bAnyStored)
    {
        m_bRestoringDockState = FALSE;
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
    for (CTavoPControlBar* pBar : collected)
    {
        if (pBar->GetStoredValue() && !pBar->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)))
        {
            pBar->RestoreDockState(this);
            pBar->StoreRecentDockedRect();
        }
    }

    ApplyLoadedPanes(*this, m_lstLoadedBars, m_pDockSite);
    AdjustDockingLayout(NULL);
    RecalcAllBars();

    m_lstLoadedBars.RemoveAll();
    m_lstLoadedTabbedBars.RemoveAll();
    m_lstLoadedMiniFrames.RemoveAll();
    m_bRestoringDockState = FALSE;
}
