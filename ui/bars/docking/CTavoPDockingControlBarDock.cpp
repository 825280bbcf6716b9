// The docking pane's places: docking to a frame side or beside another pane in the layout tree, by the mouse or back to its recent place, leaving it, attaching as a tab, and what it remembers of each place.
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"

namespace {

const DWORD kSides[] = {CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP, CBRS_ALIGN_RIGHT, CBRS_ALIGN_BOTTOM};

// The one side of an alignment word, or 0 when it names none.
DWORD OneSide(DWORD dwAlignment)
{
    for (DWORD dwSide : kSides)
    {
        if (dwAlignment & dwSide)
            return dwSide;
    }
    return 0;
}

}

// ---- docking to a frame side

BOOL CTavoPDockingControlBar::DockToSide(DWORD dwAlignment, LPCRECT lpRect, int nDockMethod,
                                         CTavoPBaseControlBar* pTargetBar, int nIndex,
                                         BOOL bOuterEdge)
{
    return DockToFrameSide(dwAlignment, lpRect, pTargetBar, bOuterEdge);
}

BOOL CTavoPDockingControlBar::DockToFrameSide(DWORD dwAlignment, LPCRECT lpRect,
                                              CTavoPBaseControlBar* pInsertAfter, BOOL bOuterEdge)
{
    const DWORD dwSide = OneSide(dwAlignment);
    CFrameWnd* pDockSite = GetDockSiteFrame();
    CTavoPDockManager* pManager = GetDockManager();
    if (dwSide == 0 || pDockSite == NULL || pManager == NULL || m_hWnd == NULL)
        return FALSE;

    // The slider is made first: when it cannot be, the pane stays where it was.
    CTavoPSlider* pSlider = CTavoPBarTreeManager::CreateDefaultSlider(pDockSite, dwSide);
    if (pSlider == NULL)
    {
        ShowWindow(SW_SHOW);
        return FALSE;
    }

    const HWND hSlider = pSlider->GetSafeHwnd();
    if (GetParent() != pDockSite)
        SetParentForDocking(pDockSite, TAVOP_DM_RECT);
    LeaveSlider();
    if (!::IsWindow(hSlider))
        return FALSE;

    pSlider->SetCurrentAlignment(dwSide);
    SetCurrentAlignment(dwSide);
    m_dwBarStyle &= ~CBRS_FLOATING;
    m_hDefaultSlider = hSlider;
    if (lpRect != NULL && !::IsRectEmpty(lpRect))
        CWnd::SetWindowPos(NULL, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                           lpRect->bottom - lpRect->top, SWP_NOZORDER | SWP_NOACTIVATE);
    pSlider->AddBar(this);

    BOOL bPlaced = FALSE;
    if (pInsertAfter != NULL)
        bPlaced = pManager->InsertControlBar(pSlider, pInsertAfter, TRUE);
    else if (bOuterEdge)
        // Right inside the dock bars, outside every pane docked before.
        bPlaced = pManager->AddControlBar(pSlider, FALSE, FALSE, TRUE);
    if (!bPlaced)
        pManager->AddControlBar(pSlider);
    pManager->AddControlBar(this);

    m_recentDockInfo.m_dwRecentAlignmentToFrame = dwSide;
    ShowCaption(TRUE);
    ShowWindow(SW_SHOW);
    pSlider->CheckVisibility();
    AdjustDockingLayout(NULL);
    return TRUE;
}

// ---- docking beside another pane

CTavoPDockingControlBar* CTavoPDockingControlBar::DockToWindow(CTavoPDockingControlBar* pTargetBar,
                                                               DWORD dwAlignment, LPCRECT lpRect)
{
    CTavoPSlider* pSlider = pTargetBar != NULL ? pTargetBar->GetDefaultSlider() : NULL;
    const DWORD dwSide = OneSide(dwAlignment);
    if (pSlider == NULL || dwSide == 0 || pTargetBar == this)
    {
        ShowWindow(SW_SHOW);
        return NULL;
    }
    CWnd* pNewParent = pTargetBar->GetParent();
    CTavoPDockManager* pManager = GetDockManager();
    const HWND hSlider = pSlider->GetSafeHwnd();
    const HWND hTarget = pTargetBar->GetSafeHwnd();
    // Remembered first: a refused insertion takes the pane back there.
    StoreRecentDockInfo();

    if (pSlider != GetDefaultSlider())
        LeaveSlider();
    else
        pSlider->RemoveBar(this);
    if (GetParent() != pNewParent)
        SetParentForDocking(pNewParent, TAVOP_DM_RECT);
    if (!::IsWindow(hSlider) || !::IsWindow(hTarget))
        return NULL;
    if (lpRect != NULL && !::IsRectEmpty(lpRect))
        CWnd::SetWindowPos(NULL, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                           lpRect->bottom - lpRect->top, SWP_NOZORDER | SWP_NOACTIVATE);

    if (!pSlider->InsertBar(this, pTargetBar, dwSide))
    {
        // The tree stayed as it was: the pane goes back where it came from.
        DockToRecentPlace(NULL);
        return NULL;
    }
    m_hDefaultSlider = hSlider;
    SetCurrentAlignment(pSlider->GetCurrentAlignment());
    m_dwBarStyle &= ~CBRS_FLOATING;
    if (pManager != NULL)
        pManager->AddControlBar(this);
    ShowCaption(TRUE);
    CWnd::SetWindowPos(NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE |
                           SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    pSlider->CheckVisibility();
    AdjustDockingLayout(NULL);
    return this;
}

BOOL CTavoPDockingControlBar::DockContainer(CTavoPBarContainer* pContainer, DWORD dwAlignment)
{
    CTavoPSlider* pSlider = GetDefaultSlider();
    CTavoPBarTreeManager* pOther = pContainer != NULL ? pContainer->GetManager() : NULL;
    if (pSlider == NULL || pOther == NULL || OneSide(dwAlignment) == 0)
        return FALSE;
    // The panes are taken from a copy: the merge empties the other tree's list.
    CObList lstBars;
    lstBars.AddTail(const_cast<CObList*>(&pOther->GetBars()));
    if (!pSlider->MergeBarTree(this, pOther, OneSide(dwAlignment)))
        return FALSE;
    CTavoPDockManager* pManager = GetDockManager();
    for (POSITION pos = lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, lstBars.GetNext(pos));
        if (pBar == NULL || pBar->GetSafeHwnd() == NULL || !pSlider->IsBarInTree(pBar))
            continue;
        pBar->SetDefaultSlider(pSlider->GetSafeHwnd());
        pBar->SetCurrentAlignment(pSlider->GetCurrentAlignment());
        pBar->m_dwBarStyle &= ~CBRS_FLOATING;
        if (pManager != NULL)
            pManager->AddControlBar(pBar);
    }
    AdjustDockingLayout(NULL);
    return TRUE;
}

// ---- leaving a place

void CTavoPDockingControlBar::LeaveSlider()
{
    CTavoPSlider* pSlider = GetDefaultSlider();
    m_hDefaultSlider = NULL;
    if (pSlider != NULL)
        pSlider->RemoveBar(this);
    else
        RemoveControlBarFromDockManager(this, FALSE, FALSE, FALSE);
}

void CTavoPDockingControlBar::RemoveFromDockBar()
{
    if (GetDefaultSlider() == NULL)
    {
        CTavoPControlBar::RemoveFromDockBar();
        return;
    }
    LeaveSlider();
    AdjustDockingLayout(NULL);
}

void CTavoPDockingControlBar::Undock(BOOL bDelay)
{
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    if (pMiniFrame != NULL)
    {
        pMiniFrame->RemoveControlBar(this, FALSE);
        return;
    }
    const BOOL bHadPlace = m_hDefaultSlider != NULL;
    LeaveSlider();
    if (bHadPlace)
        RemoveControlBarFromDockManager(this, FALSE, !bDelay, FALSE);
    if (!bDelay && !IsFloating())
        AdjustDockingLayout(NULL);
}

void CTavoPDockingControlBar::OnBeforeChangeParent(CWnd* pWndNewParent, BOOL bDelay)
{
    if (pWndNewParent != NULL && (pWndNewParent->IsKindOf(RUNTIME_CLASS(CTavoPMiniFrameWnd)) ||
                                  pWndNewParent->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabWnd))))
        Undock(bDelay);
}

void CTavoPDockingControlBar::OnAfterChangeParent(CWnd* pWndOldParent)
{
    CTavoPControlBar::OnAfterChangeParent(pWndOldParent);
    if (GetParentMiniFrame(TRUE) != NULL)
        CTavoPMiniFrameWnd::AddRemoveBarFromGlobalList(this, TRUE);
}

void CTavoPDockingControlBar::OnAfterDock(CTavoPDockBar* pDockBar, LPCRECT lpRect, int nDockMethod)
{
    if (!CTavoPDockManager::m_bRestoringDockState && m_hWnd != NULL)
        SetFocus();
}

// ---- what the pane remembers

void CTavoPDockingControlBar::StoreRecentDockInfo()
{
    if (m_hWnd == NULL)
        return;
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    if (pMiniFrame != NULL && (IsFloating() || IsInMultiBarFrame()))
    {
        pMiniFrame->StoreRecentContainer(this);
        if (!pMiniFrame->IsKindOf(RUNTIME_CLASS(CTavoPMultiMiniFrameWnd)))
            m_recentDockInfo.StoreDockInfo(NULL);
        return;
    }
    CTavoPSlider* pSlider = GetDefaultSlider();
    if (pSlider != NULL)
        pSlider->StoreRecentDockInfo(this);
}

void CTavoPDockingControlBar::StoreRecentTabRelatedInfo()
{
    if (!IsTabbed())
        return;
    CTavoPDockingControlBar* pTabbedBar = GetOwnerPane();
    if (pTabbedBar == this)
        return;
    CTavoPMiniFrameWnd* pMiniFrame = pTabbedBar->GetParentMiniFrame(TRUE);
    if (pMiniFrame != NULL)
    {
        pMiniFrame->StoreRecentContainerFor(this, pTabbedBar);
        return;
    }
    CTavoPSlider* pSlider = pTabbedBar->GetDefaultSlider();
    if (pSlider == NULL)
        return;
    BOOL bLeft = FALSE;
    CTavoPBarContainer* pContainer = pSlider->FindContainer(pTabbedBar, bLeft);
    m_recentDockInfo.StoreDockInfo(pContainer, pTabbedBar);
}

// ---- docking while dragged

int CTavoPDockingControlBar::GetDockingStatus(CPoint pt, int nSensitivity)
{
    if (HitTest(pt, TRUE) == HTCAPTION)
        return 3;
    CRect rectTabTop, rectTabBottom;
    GetTabArea(rectTabTop, rectTabBottom);
    if (rectTabTop.PtInRect(pt) || rectTabBottom.PtInRect(pt))
        return 3;
    CRect rect;
    GetWindowRect(rect);
    rect.top += GetCaptionHeight() + rectTabTop.Height();
    rect.bottom -= rectTabBottom.Height();
    rect.DeflateRect(nSensitivity, nSensitivity);
    return rect.PtInRect(pt) ? 0 : 2;
}

int CTavoPDockingControlBar::FindDockTarget(CPoint ptScreen, CTavoPBaseControlBar*& pTargetBar)
{
    pTargetBar = NULL;
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    CFrameWnd* pDockSite = pMiniFrame != NULL ? pMiniFrame->GetDockSiteFrame() : GetDockSiteFrame();
    CTavoPDockManager* pManager = GetDockingUtils().GetDockManager(pDockSite);
    if (pManager == NULL)
        return 0;
    return pManager->GetDockingStatus(ptScreen, m_nDockSensitivity, GetEnabledAlignment(),
                                      pTargetBar, this);
}

CTavoPDockingControlBar* CTavoPDockingControlBar::DoDockByMouse(BOOL& bDocked)
{
    bDocked = FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    CTavoPBaseControlBar* pTarget = NULL;
    const int nStatus = FindDockTarget(pt, pTarget);
    if (pTarget == this || CTavoPDockManager::IsDockingSuppressed())
        return NULL;
    CTavoPDockingControlBar* pTargetPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pTarget);
    if (nStatus == 2)
    {
        CTavoPMultiMiniFrameWnd* pMultiFrame =
            pTarget != NULL
                ? DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd, pTarget->GetParentMiniFrame(TRUE))
                : NULL;
        if (pMultiFrame != NULL)
        {
            if (GetBarStyle() & CBRS_FLOAT_MULTI)
                bDocked = !pMultiFrame->InsertBarAtCursor(this);
        }
        else
        {
            bDocked = DockByMethod(pTarget, NULL, TAVOP_DM_DROP);
        }
    }
    else if (nStatus == 3 && pTargetPane != NULL && pTargetPane->CanAcceptBar(this))
    {
        bDocked = AttachToTabbedBar(pTargetPane, TAVOP_DM_DROP, TRUE, NULL) != NULL;
    }
    return bDocked ? this : NULL;
}

CTavoPBaseControlBar* CTavoPDockingControlBar::GetDropTarget(BOOL& bFlag)
{
    return DoDockByMouse(bFlag);
}

BOOL CTavoPDockingControlBar::DockToBar(CTavoPDockBar* pDockBar, LPCRECT lpRect, int nDockMethod)
{
    if (nDockMethod == TAVOP_DM_RECENT || nDockMethod == TAVOP_DM_SHOW || pDockBar == NULL)
        return DockByMethod(NULL, lpRect, nDockMethod);
    return DockToFrameSide(pDockBar->GetCurrentAlignment(), lpRect, NULL, FALSE);
}

BOOL CTavoPDockingControlBar::DockByMethod(CTavoPBaseControlBar* pTargetBar, LPCRECT lpRecentRect,
                                           int nDockMethod)
{
    if (pTargetBar != NULL && !pTargetBar->CanAcceptBar(this))
        return FALSE;
    if (nDockMethod == TAVOP_DM_RECT && lpRecentRect == NULL)
        return FALSE;
    m_bDragStarted = 0;
    CTavoPDockingControlBar* pTargetPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pTargetBar);

    switch (nDockMethod)
    {
    case TAVOP_DM_RECENT:
    case TAVOP_DM_SHOW: return DockToRecentPlace(lpRecentRect);

    case TAVOP_DM_MOUSE:
    case TAVOP_DM_DROP:
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        if (pTargetPane == NULL)
        {
            CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
            CFrameWnd* pDockSite =
                pMiniFrame != NULL ? pMiniFrame->GetDockSiteFrame() : GetDockSiteFrame();
            CTavoPDockManager* pManager = GetDockingUtils().GetDockManager(pDockSite);
            DWORD dwSide = 0;
            BOOL bOuterEdge = FALSE;
            if (pManager == NULL || !pManager->IsPointNearDockSite(pt, dwSide, bOuterEdge) ||
                (dwSide & GetEnabledAlignment()) == 0)
                return FALSE;
            // The pane takes the place its outline showed: the outline of a pane alone in
            // its floating frame is the frame's.
            CWnd* pDragged = pMiniFrame != NULL && IsFloating() ? (CWnd*)pMiniFrame : this;
            CRect rect;
            pManager->CalcEdgeDockPreview(pDragged, pt, rect, bOuterEdge);
            if (!rect.IsRectEmpty())
                pDockSite->ScreenToClient(rect);
            return DockToFrameSide(dwSide, rect.IsRectEmpty() ? NULL : (LPCRECT)rect, NULL,
                                   bOuterEdge);
        }
        DWORD dwSide = 0;
        if (!GetDockingUtils().CheckPointNearEdge(pt, pTargetPane, m_nDockSensitivity, FALSE,
                                                  dwSide))
            return FALSE;
        return DockToWindow(pTargetPane, dwSide, NULL) != NULL;
    }

    default:
        if (pTargetPane != NULL)
            return DockToWindow(pTargetPane, GetCurrentAlignment(), lpRecentRect) != NULL;
        return DockToFrameSide(GetCurrentAlignment(), lpRecentRect, NULL, FALSE);
    }
}

BOOL CTavoPDockingControlBar::DockToRecentPlace(LPCRECT lpRect)
{
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    CFrameWnd* pDockSite = pMiniFrame != NULL ? pMiniFrame->GetDockSiteFrame() : GetDockSiteFrame();
    if (pDockSite == NULL)
        return FALSE;
    const DWORD dwSide = OneSide(m_recentDockInfo.m_dwRecentAlignmentToFrame);
    CTavoPSlider* pSlider = m_recentDockInfo.GetRecentDefaultSlider();
    if (pSlider != NULL && pSlider->GetBarTreeManager() == NULL)
        pSlider = NULL;

    // The recent docked rectangle is kept in the frame's client coordinates.
    CRect rectRecent =
        lpRect != NULL ? CRect(lpRect) : m_recentDockInfo.m_recentSliderInfo.m_rectRecentDockedRect;
    const HWND hWnd = m_hWnd;
    ShowWindow(SW_HIDE);
    if (GetParent() != (pSlider != NULL ? pSlider->GetParent() : pDockSite))
        SetParentForDocking(pSlider != NULL ? pSlider->GetParent() : pDockSite, TAVOP_DM_RECENT);
    if (!::IsWindow(hWnd))
        return FALSE;
    m_dwBarStyle &= ~CBRS_FLOATING;

    // A pane that was a tab goes back into its group while the group still stands.
    if (CTavoPBarContainer* pTabContainer = m_recentDockInfo.GetRecentTabContainer(TRUE))
    {
        CTavoPDockingControlBar* pGroup = m_recentDockInfo.IsRecentLeftBar(TRUE)
                                              ? pTabContainer->GetLeftBar()
                                              : pTabContainer->GetRightBar();
        if (pGroup != NULL && pGroup != this && ::IsWindow(pGroup->GetSafeHwnd()) &&
            AttachToTabbedBar(pGroup, TAVOP_DM_RECENT, TRUE, NULL) == this)
        {
            if (::IsWindow(hWnd))
                ShowControlBar(TRUE, FALSE, TRUE);
            AdjustDockingLayout(NULL);
            return TRUE;
        }
        if (!::IsWindow(hWnd))
            return FALSE;
    }

    if (pSlider != NULL)
    {
        LeaveSlider();
        m_hDefaultSlider = pSlider->GetSafeHwnd();
        SetCurrentAlignment(pSlider->GetCurrentAlignment());
        ShowCaption(TRUE);
        ShowWindow(SW_SHOW);
        if (pSlider->AddRecentBar(this) != NULL)
        {
            CTavoPDockManager* pManager = GetDockManager();
            if (pManager != NULL)
                pManager->AddControlBar(this);
            pSlider->CheckVisibility();
            AdjustDockingLayout(NULL);
            return TRUE;
        }
        // The remembered node is gone: the pane docks to the side alone.
        m_hDefaultSlider = NULL;
    }
    ShowWindow(SW_SHOW);
    return DockToFrameSide(dwSide != 0 ? dwSide : CBRS_ALIGN_LEFT,
                           rectRecent.IsRectEmpty() ? NULL : (LPCRECT)rectRecent, NULL, FALSE);
}

// ---- tabs and auto-hide

CTavoPDockingControlBar* CTavoPDockingControlBar::AttachToTabbedBar(
    CTavoPDockingControlBar* pTargetBar, int nDockMethod, BOOL bSetActive,
    CTavoPDockingControlBar** ppTabbedBar)
{
    if (ppTabbedBar != NULL)
        *ppTabbedBar = NULL;
    if (pTargetBar == NULL || pTargetBar == this || !CanFloat())
        return NULL;

    CTavoPBaseTabbedBar* pTabbedBar = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pTargetBar);
    if (pTabbedBar == NULL && pTargetBar->IsTabbed())
        pTabbedBar = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pTargetBar->GetOwnerPane());
    CRect rectTarget(0, 0, 0, 0);
    if (pTabbedBar == NULL)
    {
        // A new tabbed bar takes the target's place and holds the target as its first tab.
        pTargetBar->StoreRecentDockInfo();
        pTargetBar->GetWindowRect(rectTarget);
        if (pTargetBar->GetParent() != NULL)
            pTargetBar->GetParent()->ScreenToClient(rectTarget);
        pTabbedBar = pTargetBar->CreateTabbedBar();
        if (pTabbedBar == NULL)
            return NULL;
        pTabbedBar->SetDockSite(pTargetBar->GetDockSiteFrame());
        CTavoPMiniFrameWnd* pTargetFrame = pTargetBar->GetParentMiniFrame(TRUE);
        CTavoPSlider* pTargetSlider = pTargetBar->GetDefaultSlider();
        BOOL bPlaced = FALSE;
        if (pTargetFrame != NULL)
        {
            pTargetFrame->ReplaceControlBar(pTargetBar, pTabbedBar);
            bPlaced = TRUE;
        }
        else if (pTargetSlider != NULL && pTargetSlider->ReplaceBar(pTargetBar, pTabbedBar))
        {
            pTabbedBar->SetDefaultSlider(pTargetSlider->GetSafeHwnd());
            CTavoPDockManager* pManager = GetDockManager();
            if (pManager != NULL)
                pManager->AddControlBar(pTabbedBar);
            bPlaced = TRUE;
        }
        if (!bPlaced)
        {
            if (pTargetFrame == NULL)
                RemoveControlBarFromDockManager(pTabbedBar, FALSE, FALSE, FALSE);
            pTabbedBar->DestroyWindow();
            return NULL;
        }
        pTabbedBar->EnableDocking(pTargetBar->GetEnabledAlignment());
        pTabbedBar->SetCurrentAlignment(pTargetBar->GetCurrentAlignment());
        pTargetBar->m_hDefaultSlider = NULL;
        pTargetBar->Undock(TRUE);
        pTabbedBar->AddTab(pTargetBar, TRUE, TRUE, TRUE);
        pTargetBar->ShowCaption(FALSE);
    }
    if (ppTabbedBar != NULL)
        *ppTabbedBar = pTabbedBar;

    ShowCaption(FALSE);
    OnBeforeChangeParent(pTabbedBar->GetUnderlinedWindow(), FALSE);
    SetDockSite(pTabbedBar->GetDockSiteFrame());
    const BOOL bAdded = pTabbedBar->AddTab(this, TRUE, bSetActive, TRUE);
    if (bAdded)
        OnAfterDock(NULL, NULL, nDockMethod);
    if (!rectTarget.IsRectEmpty())
    {
        pTabbedBar->CWnd::SetWindowPos(NULL, rectTarget.left, rectTarget.top, rectTarget.Width(),
                                       rectTarget.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        if (bAdded)
            AdjustDockingLayout(NULL);
    }
    pTabbedBar->AdjustLayout();
    return bAdded ? this : pTabbedBar;
}

CTavoPBaseTabbedBar* CTavoPDockingControlBar::CreateTabbedBar()
{
    if (m_pTabbedControlBarRTC == NULL)
        return NULL;
    CObject* pObject = m_pTabbedControlBarRTC->CreateObject();
    CTavoPBaseTabbedBar* pTabbedBar = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pObject);
    if (pTabbedBar == NULL)
    {
        delete pObject;
        return NULL;
    }
    CRect rect;
    GetWindowRect(rect);
    if (GetParent() != NULL)
        GetParent()->ScreenToClient(rect);
    if (!pTabbedBar->Create("", GetParent(), rect, TRUE, (UINT)-1,
                            GetStyle() | CBRS_FLOAT_MULTI | (GetBarStyle() & CBRS_ALIGN_ANY),
                            TAVOP_TABBED_STYLE_TABBED, 15))
    {
        delete pTabbedBar;
        return NULL;
    }
    // Made by a drop: it goes with its window. Set only now, so that a window that failed to
    // come up leaves the object to the delete above.
    pTabbedBar->SetAutoDestroy(TRUE);
    pTabbedBar->GetRecentDockInfo().m_rectRecentFloatingRect =
        m_recentDockInfo.m_rectRecentFloatingRect;
    pTabbedBar->GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect =
        m_recentDockInfo.m_recentSliderInfo.m_rectRecentDockedRect;
    pTabbedBar->GetRecentDockInfo().m_recentMiniFrameInfo.m_rectRecentDockedRect =
        m_recentDockInfo.m_recentMiniFrameInfo.m_rectRecentDockedRect;
    return pTabbedBar;
}
