// The dock manager's answers to a dragged bar or floating frame: where it would dock, the outline shown for it, when a resting frame docks; and the floating frames' part of the layout archive.
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPSlider.h"

namespace {

// Dragged panes and frames ask whether they may stay floating with this bar style bit.
const DWORD kFloatMultiStyle = 0x40;

// The bar a dragged window stands for: the bar itself, or the bar of a floating frame.
CTavoPBaseControlBar* DraggedBar(CWnd* pWnd)
{
    if (CTavoPMiniFrameWnd* pMiniFrame = DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, pWnd))
        return DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pMiniFrame->GetControlBar());
    return DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pWnd);
}

}

BOOL CTavoPDockManager::IsDockingSuppressed()
{
    return (::GetKeyState(VK_CONTROL) & 0x8000) != 0 || (m_pfnKeyState(VK_CONTROL) & 0x8000) != 0;
}

int CTavoPDockManager::GetDockingStatus(CPoint point, int nSensitivity, DWORD dwEnabledAlignment,
                                        CTavoPBaseControlBar*& pTargetBar,
                                        const CTavoPBaseControlBar* pDraggedBar)
{
    pTargetBar = ControlBarFromPoint(point, nSensitivity, TRUE,
                                     RUNTIME_CLASS(CTavoPDockingControlBar), TRUE, pDraggedBar);
    if (pTargetBar == NULL)
    {
        CTavoPMiniFrameWnd* pOwnFrame =
            pDraggedBar != NULL ? pDraggedBar->GetParentMiniFrame(TRUE) : NULL;
        CTavoPMiniFrameWnd* pMiniFrame = MiniFrameFromPoint(point, pOwnFrame, TRUE);
        if (pMiniFrame != NULL && pMiniFrame->HitTest(point, TRUE) == HTCAPTION &&
            pMiniFrame->GetVisibleBarCount() == 1)
        {
            pTargetBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pMiniFrame->GetFirstVisibleBar());
            if (pTargetBar != NULL)
                return 3;
        }
    }
    CTavoPDockingControlBar* pTargetPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pTargetBar);
    if (pTargetPane != NULL &&
        (pTargetPane->GetParentMiniFrame(TRUE) == NULL ||
         (pDraggedBar != NULL && (pDraggedBar->GetBarStyle() & kFloatMultiStyle) != 0 &&
          (pTargetPane->GetBarStyle() & kFloatMultiStyle) != 0)))
        return pTargetPane->GetDockingStatus(point, nSensitivity);

    pTargetBar = NULL;
    DWORD dwAlignment = 0;
    BOOL bOuterEdge = FALSE;
    if (IsPointNearDockSite(point, dwAlignment, bOuterEdge) &&
        (dwAlignment & dwEnabledAlignment) != 0)
        return 2;
    return 0;
}

void CTavoPDockManager::CalcEdgeDockPreview(CWnd* pDraggedWnd, CPoint point, CRect& rectResult,
                                            BOOL& bOuterEdge)
{
    rectResult.SetRectEmpty();
    bOuterEdge = FALSE;
    if (IsDockingSuppressed() || m_pDockSite == NULL || pDraggedWnd == NULL)
        return;
    CTavoPMiniFrameWnd* pDraggedFrame = DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, pDraggedWnd);

    if (CTavoPMiniFrameWnd* pMiniFrame = MiniFrameFromPoint(point, NULL, TRUE))
    {
        pMiniFrame->GetDockingRect(rectResult);
        return;
    }
    CTavoPDockingControlBar* pPane =
        DYNAMIC_DOWNCAST(CTavoPDockingControlBar,
                         ControlBarFromPoint(point, m_nDockSensitivity, TRUE,
                                             RUNTIME_CLASS(CTavoPDockingControlBar), TRUE, NULL));
    if (pPane != NULL && pPane->GetDefaultSlider() != NULL)
    {
        // Docking beside a pane is outlined by the tree the pane's slider holds.
        if (pDraggedFrame != NULL && !pPane->CanAcceptMiniFrame(pDraggedFrame))
            return;
        BOOL bDrawTab = FALSE;
        pPane->GetDefaultSlider()->CalcRecentDockPlacement(point, pDraggedWnd, rectResult, bDrawTab,
                                                           NULL);
        return;
    }

    DWORD dwSide = 0;
    if (!IsPointNearDockSite(point, dwSide, bOuterEdge))
        return;
    if (pDraggedFrame != NULL)
    {
        CTavoPBaseControlBar* pBar = DraggedBar(pDraggedFrame);
        if (pBar == NULL || (pBar->GetEnabledAlignment() & dwSide) == 0)
            return;
    }
    CRect rectWnd;
    pDraggedWnd->GetWindowRect(rectWnd);
    CRect rect = bOuterEdge ? m_rectOuterEdgeBounds : m_rectClientAreaBounds;
    switch (dwSide)
    {
    case CBRS_ALIGN_LEFT: rect.right = rect.left + rectWnd.Width(); break;
    case CBRS_ALIGN_RIGHT: rect.left = rect.right - rectWnd.Width(); break;
    case CBRS_ALIGN_TOP: rect.bottom = rect.top + rectWnd.Height(); break;
    default: rect.top = rect.bottom - rectWnd.Height(); break;
    }
    CapPreviewRect(rect, dwSide);
    m_pDockSite->ClientToScreen(rect);
    rectResult = rect;
}

void CTavoPDockManager::CalcExpectedDockedRect(CWnd* pWnd, CPoint point, CRect& rectResult,
                                               BOOL& bDrawTab, CTavoPBaseControlBar** ppTargetBar)
{
    rectResult.SetRectEmpty();
    bDrawTab = FALSE;
    if (ppTargetBar != NULL)
        *ppTargetBar = NULL;
    // Only docking panes dock where an outline is dropped; toolbars and other fixed bars float
    // there, so no docked outline may promise otherwise.
    CTavoPBaseControlBar* pBar = DraggedBar(pWnd);
    if (IsDockingSuppressed() || pBar == NULL ||
        !pBar->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)))
        return;
    CTavoPBaseControlBar* pTarget = NULL;
    const int nStatus =
        GetDockingStatus(point, m_nDockSensitivity, pBar->GetEnabledAlignment(), pTarget, pBar);
    if (ppTargetBar != NULL)
        *ppTargetBar = pTarget;
    if (nStatus == 3 && pTarget != NULL)
    {
        bDrawTab = TRUE;
        pTarget->GetWindowRect(rectResult);
        return;
    }
    if (nStatus == 2)
    {
        BOOL bOuterEdge = FALSE;
        CalcEdgeDockPreview(pWnd, point, rectResult, bOuterEdge);
    }
}

BOOL CTavoPDockManager::OnMoveMiniFrame(CTavoPMiniFrameWnd* pMiniFrame)
{
    if (IsDockingSuppressed() || pMiniFrame == NULL)
        return TRUE;
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, pMiniFrame->GetControlBar());
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);

    const BOOL bMayJoinFrame =
        pBar == NULL || (pBar->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)) &&
                         (pBar->GetBarStyle() & kFloatMultiStyle) != 0);
    if (bMayJoinFrame)
    {
        CTavoPMiniFrameWnd* pTabTarget = MiniFrameFromPoint(ptCursor, pMiniFrame, TRUE);
        if (pTabTarget != NULL && pTabTarget->GetDockSiteFrame() == m_pDockSite)
        {
            if (pTabTarget != m_pLastMultiMiniFrame ||
                m_pfnTickCount() - m_dwLastDockTick < m_nTimeOutBeforeDockingBarDock)
            {
                if (pTabTarget != m_pLastMultiMiniFrame)
                    m_dwLastDockTick = m_pfnTickCount();
                m_pLastMultiMiniFrame = pTabTarget;
                return TRUE;
            }
            // Frames of several panes take others in with the panes' layout tree.
            m_dwLastDockTick = m_pfnTickCount();
            m_pLastMultiMiniFrame = NULL;
            return ((CTavoPMultiMiniFrameWnd*)pTabTarget)
                ->DockFrameToFrame(pMiniFrame, TAVOP_DM_MOUSE);
        }
    }
    m_pLastMultiMiniFrame = NULL;

    if (pBar == NULL || (pBar->GetEnabledAlignment() & CBRS_ALIGN_ANY) == 0)
        return TRUE;

    // What the bar docks into by itself: a dock bar, or what the bar finds instead.
    CTavoPBaseControlBar* pDockBar = NULL;
    CTavoPBaseControlBar* pTarget = NULL;
    int nStatus = 0;
    if (CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar))
    {
        // A pane docks to frame edges and beside other panes, not into dock bars.
        nStatus = pPane->FindDockTarget(ptCursor, pTarget);
    }
    else
    {
        nStatus = pBar->DockTargetFromPoint(m_nDockSensitivity, pDockBar) ? 1 : 0;
        pTarget = pDockBar;
    }
    if (pTarget == pBar)
        nStatus = 0;

    UINT nDelay = 0;
    if (pTarget != NULL && pTarget->IsKindOf(RUNTIME_CLASS(CTavoPDockBar)))
        nDelay = m_nTimeOutBeforeToolBarDock;
    else if ((pTarget != NULL && pTarget->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar))) ||
             (pTarget == NULL && nStatus == 2))
        nDelay = m_nTimeOutBeforeDockingBarDock;

    if (nDelay != 0)
    {
        if (pTarget != m_pLastTargetBar || nStatus != m_nLastDockingStatus)
        {
            m_pLastTargetBar = pTarget;
            m_nLastDockingStatus = nStatus;
            m_dwLastDockTick = m_pfnTickCount();
            pMiniFrame->StartMoveTimer(nDelay);
            return TRUE;
        }
        if (m_pfnTickCount() - m_dwLastDockTick < nDelay)
            return TRUE;
    }

    m_pLastTargetBar = NULL;
    m_nLastDockingStatus = 0;
    m_dwLastDockTick = m_pfnTickCount();
    pMiniFrame->StopMoveTimer();
    if (nStatus == 1 && pDockBar != NULL)
    {
        pMiniFrame->SetDockTarget(0, NULL, TAVOP_DM_MOUSE);
        if (pBar->DockToBarByMouse(pDockBar))
            return FALSE;
    }
    else if (nStatus == 2)
    {
        return pMiniFrame->SetDockTarget(1, pTarget, TRUE);
    }
    else if (nStatus == 3)
    {
        const BOOL bResult = pMiniFrame->SetDockTarget(2, pTarget, TRUE);
        AdjustDockingLayout(NULL);
        return bResult;
    }
    return pMiniFrame->SetDockTarget(0, pTarget, TRUE);
}

// ---- the floating frames in the layout archive

void CTavoPDockManager::SerializeMiniFrames(CArchive& ar)
{
    if (ar.IsStoring())
    {
        int nCount = 0;
        for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != NULL;)
        {
            if (((CTavoPMiniFrameWnd*)m_lstMiniFrames.GetNext(pos))->GetControlBarCount() > 0)
                nCount++;
        }
        ar << nCount;
        for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != NULL;)
        {
            CTavoPMiniFrameWnd* pMiniFrame = (CTavoPMiniFrameWnd*)m_lstMiniFrames.GetNext(pos);
            if (pMiniFrame->GetControlBarCount() > 0)
                ar.WriteObject(pMiniFrame);
        }
        return;
    }
    m_lstLoadedMiniFrames.RemoveAll();
    int nCount = 0;
    ar >> nCount;
    try
    {
        for (int i = 0; i < nCount; i++)
        {
            CTavoPMiniFrameWnd::m_pLoadingDockSite = m_pDockSite;
            CTavoPMiniFrameWnd* pMiniFrame =
                (CTavoPMiniFrameWnd*)ar.ReadObject(RUNTIME_CLASS(CTavoPMiniFrameWnd));
            CTavoPMiniFrameWnd::m_pLoadingDockSite = NULL;
            // A reference back to a frame read before adds nothing.
            if (pMiniFrame != NULL && m_lstLoadedMiniFrames.Find(pMiniFrame) == NULL)
                m_lstLoadedMiniFrames.AddTail(pMiniFrame);
        }
    }
    catch (...)
    {
        CTavoPMiniFrameWnd::m_pLoadingDockSite = NULL;
        while (!m_lstLoadedMiniFrames.IsEmpty())
        {
            CTavoPMiniFrameWnd* pMiniFrame =
                (CTavoPMiniFrameWnd*)m_lstLoadedMiniFrames.RemoveHead();
            if (pMiniFrame->GetSafeHwnd() != NULL)
                pMiniFrame->DestroyWindow();
        }
        throw;
    }
}

void CTavoPDockManager::SetMiniFramesDockState()
{
    CObList lstLoaded;
    lstLoaded.AddTail(&m_lstLoadedMiniFrames);
    m_lstLoadedMiniFrames.RemoveAll();
    for (POSITION pos = lstLoaded.GetHeadPosition(); pos != NULL;)
    {
        CTavoPMiniFrameWnd* pMiniFrame = (CTavoPMiniFrameWnd*)lstLoaded.GetNext(pos);
        if (m_lstMiniFrames.Find(pMiniFrame) == NULL || pMiniFrame->GetSafeHwnd() == NULL)
            continue;
        pMiniFrame->SetWindowPos(NULL, 0, 0, 0, 0,
                                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                                     SWP_FRAMECHANGED);
        pMiniFrame->SetDockState(this);
    }
}
