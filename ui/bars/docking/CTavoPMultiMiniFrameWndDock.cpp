// The group's frame docking: panes joining the group, the whole group docking to a frame side or beside a pane, groups merging, and the group's stored record.
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/TavoPBarStatics.h"
#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include <vector>

namespace {

BOOL IsLivePane(HWND hWnd)
{
    return ::IsWindow(hWnd) &&
           DYNAMIC_DOWNCAST(CTavoPDockingControlBar, CWnd::FromHandlePermanent(hWnd)) != NULL;
}

CTavoPDockingControlBar* PaneOf(HWND hWnd)
{
    return IsLivePane(hWnd)
               ? DYNAMIC_DOWNCAST(CTavoPDockingControlBar, CWnd::FromHandlePermanent(hWnd))
               : NULL;
}

std::vector<HWND> Handles(const CObList& lst)
{
    std::vector<HWND> handles;
    for (POSITION pos = lst.GetHeadPosition(); pos != NULL;)
        handles.push_back(((CWnd*)lst.GetNext(pos))->GetSafeHwnd());
    return handles;
}

} // namespace

// ---- a pane joining the group

BOOL CTavoPMultiMiniFrameWnd::FindTargetAtCursor(CTavoPDockingControlBar*& pTarget, DWORD& dwSide,
                                                 BOOL& bTabHit)
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    return GetDockingUtils().FindDockTarget(this, ptCursor, pTarget, dwSide, bTabHit);
}

BOOL CTavoPMultiMiniFrameWnd::InsertControlBar(CTavoPBaseControlBar* pBar,
                                               CTavoPBaseControlBar* pTarget, BOOL bAfter)
{
    return InsertControlBarBeside(pBar, pTarget, bAfter ? CBRS_ALIGN_RIGHT : CBRS_ALIGN_LEFT);
}

BOOL CTavoPMultiMiniFrameWnd::InsertControlBarBeside(CTavoPBaseControlBar* pBar,
                                                     CTavoPBaseControlBar* pTarget, DWORD dwSide)
{
    CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar);
    CTavoPDockingControlBar* pTargetPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pTarget);
    const BOOL bOneSide = dwSide == CBRS_ALIGN_LEFT || dwSide == CBRS_ALIGN_TOP ||
                          dwSide == CBRS_ALIGN_RIGHT || dwSide == CBRS_ALIGN_BOTTOM;
    if (pPane == NULL || pTargetPane == NULL || pPane == pTargetPane || !bOneSide ||
        !m_barTree.IsBarInTree(pTargetPane) || m_barTree.IsBarInTree(pPane))
        return FALSE;

    // The pane leaves its place first; when the tree refuses it, it floats on its own.
    const HWND hPane = pPane->GetSafeHwnd();
    CRect rectPane;
    pPane->GetWindowRect(rectPane);
    CTavoPMiniFrameWnd* pOldFrame = pPane->GetParentMiniFrame(TRUE);
    if (pPane->GetParent() != this)
    {
        pPane->Undock(FALSE);
        if (!::IsWindow(hPane))
            return FALSE;
    }
    pPane->ShowWindow(SW_HIDE);
    pPane->SetParent(this);
    const BOOL bInserted = m_barTree.InsertControlBar(pPane, pTargetPane, dwSide);
    if (!bInserted)
    {
        // Hidden for the move, it would float out of sight.
        pPane->SetParent(GetParent());
        pPane->ShowWindow(SW_SHOW);
        pPane->FloatControlBar(rectPane, TAVOP_DM_SHOW, TRUE);
    }
    else
    {
        pPane->SetDockSite(GetDockSiteFrame());
        pPane->SetBarStyle(pPane->GetBarStyle() | CBRS_FLOATING);
        pPane->ShowWindow(SW_SHOW);
        RegisterFloatingBar(pPane);
        RefreshGroup();
    }
    if (pOldFrame != NULL && pOldFrame != this && ::IsWindow(pOldFrame->GetSafeHwnd()))
        pOldFrame->PostMessage(GetCheckEmptyMessage());
    return bInserted;
}

BOOL CTavoPMultiMiniFrameWnd::InsertBarAtCursor(CTavoPBaseControlBar* pBar)
{
    CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar);
    if (pPane == NULL || m_barTree.IsBarInTree(pPane))
        return TRUE;
    CTavoPDockingControlBar* pTarget = NULL;
    DWORD dwSide = 0;
    BOOL bTabHit = FALSE;
    if (!FindTargetAtCursor(pTarget, dwSide, bTabHit) || pTarget == pPane || bTabHit)
        return TRUE;
    const BOOL bInserted = InsertControlBarBeside(pPane, pTarget, dwSide);
    StartRollUp();
    return !bInserted;
}

BOOL CTavoPMultiMiniFrameWnd::AddRecentControlBar(CTavoPBaseControlBar* pBar)
{
    CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar);
    if (pPane == NULL || m_barTree.IsBarInTree(pPane))
        return FALSE;
    CTavoPRecentDockInfo& recent = pPane->GetRecentDockInfo();
    CTavoPBarContainer* pContainer = recent.GetRecentContainer(FALSE);
    CTavoPBarContainer* pTabContainer = recent.GetRecentTabContainer(FALSE);
    const HWND hPane = pPane->GetSafeHwnd();
    CTavoPBarContainer* pRoot = m_barTree.GetRootContainer();
    if (pContainer != NULL && pContainer->IsAttached() && pRoot != NULL &&
        pRoot->FindContainer(pContainer, CTavoPBarContainer::findNode) != NULL)
    {
        // The pane leaves its dock only once its place here is known to be there.
        if (pPane->GetParentMiniFrame(TRUE) == NULL)
            pPane->Undock(FALSE);
        if (!::IsWindow(hPane))
            return FALSE;
        pPane->ShowWindow(SW_HIDE);
        pPane->SetParent(this);
        if (!::IsWindow(hPane))
            return TRUE;
        pPane->SetDockSite(GetDockSiteFrame());
        if (m_barTree.AddControlBarToRecentContainer(pPane, pContainer) != NULL)
        {
            if (m_hEmbeddedBar == NULL)
                m_hEmbeddedBar = hPane;
            pPane->SetBarStyle(pPane->GetBarStyle() | CBRS_FLOATING);
            RegisterFloatingBar(pPane);
            pPane->ShowWindow(SW_SHOW);
            if (GetVisibleBarCount() == 1 && !m_rectRecentFloatingRect.IsRectEmpty())
                MoveWindow(m_rectRecentFloatingRect);
            OnShowControlBar(pPane, TRUE);
            StartRollUp();
            return TRUE;
        }
        // The node refused the pane: it goes back to where it was docked.
        pPane->SetParent(GetParent());
        pPane->DockToBar(NULL, NULL, TAVOP_DM_RECENT);
        return FALSE;
    }
    if (pTabContainer != NULL)
    {
        CTavoPDockingControlBar* pNeighbour = pTabContainer->GetLeftBar() != NULL
                                                  ? pTabContainer->GetLeftBar()
                                                  : pTabContainer->GetRightBar();
        if (pNeighbour != NULL && m_barTree.IsBarInTree(pNeighbour) &&
            pPane->AttachToTabbedBar(pNeighbour, TAVOP_DM_RECENT, TRUE, NULL) != NULL)
        {
            pNeighbour->ShowControlBar(TRUE, FALSE, FALSE);
            StartRollUp();
            return TRUE;
        }
    }
    return FALSE;
}

void CTavoPMultiMiniFrameWnd::DockBarToRecentPlace(CTavoPBaseControlBar* pBar)
{
    if (pBar == NULL)
        return;
    AddRemoveBarFromGlobalList(pBar, FALSE);
    // A pane going back alone to its side takes the size it had there, not its size here.
    if (CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar))
    {
        const CRect rectDocked =
            pPane->GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect;
        if (!rectDocked.IsRectEmpty())
            pPane->CWnd::SetWindowPos(NULL, 0, 0, rectDocked.Width(), rectDocked.Height(),
                                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    pBar->DockToBar(NULL, NULL, TAVOP_DM_RECENT);
}

BOOL CTavoPMultiMiniFrameWnd::RegisterFloatingBar(CTavoPBaseControlBar* pBar)
{
    AddRemoveBarFromGlobalList(pBar, TRUE);
    return TRUE;
}

// ---- the whole group docking

CWnd* CTavoPMultiMiniFrameWnd::DockBarAtDragPosition(BOOL& bDocked)
{
    bDocked = FALSE;
    if (CTavoPDockManager::IsDockingSuppressed())
        return NULL;
    CTavoPBaseControlBar* pTarget =
        DYNAMIC_DOWNCAST(CTavoPBaseControlBar, m_dragFrame.m_pFinalTargetBar);
    const BOOL bTab = m_dragFrame.m_bDockToTab;
    CTavoPMultiMiniFrameWnd* pTargetFrame =
        pTarget != NULL
            ? DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd, pTarget->GetParentMiniFrame(TRUE))
            : NULL;
    if (pTargetFrame != NULL && pTargetFrame != this)
    {
        bDocked = !pTargetFrame->DockFrameToFrame(this, TAVOP_DM_DROP);
        return NULL;
    }
    if (pTargetFrame == this)
        return NULL;
    bDocked = !SetDockTarget(bTab ? 2 : 1, pTarget, TAVOP_DM_DROP);
    return NULL;
}

BOOL CTavoPMultiMiniFrameWnd::SetDockTarget(int nStatus, CTavoPBaseControlBar* pTarget,
                                            int nDockMethod)
{
    if (nStatus == 0)
        return TRUE;
    CTavoPDockManager* pManager = GetDockManager();
    CTavoPDockingControlBar* pFirst = m_barTree.GetFirstBar();
    if (pManager == NULL || pFirst == NULL)
        return TRUE;
    CTavoPDockingControlBar* pTargetPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pTarget);
    if (pTarget != NULL)
    {
        // Only a docked pane takes a whole group: floating ones merge groups instead.
        if (pTargetPane == NULL || pTargetPane->GetParentMiniFrame(TRUE) != NULL ||
            !pTargetPane->CanAcceptBar(pFirst) || !pFirst->CanAcceptBar(pTargetPane))
            return TRUE;
        if (!pFirst->IsWindowVisible() && m_barTree.GetBars().GetCount() == 1 &&
            pFirst->GetDockingMode() == TAVOP_DOCK_OUTLINE)
            pFirst->ModifyStyle(0, WS_VISIBLE);
    }

    CWnd* pFirstVisible = GetFirstVisibleBar();
    if (pFirstVisible == NULL)
        return TRUE;
    const HWND hRemembered = pFirstVisible->GetSafeHwnd();
    CObList lstVisible;
    CopyBars(lstVisible, TRUE);
    for (POSITION pos = lstVisible.GetHeadPosition(); pos != NULL;)
        ((CTavoPDockingControlBar*)lstVisible.GetNext(pos))->StoreRecentDockInfo();
    const BOOL bWasMoving = m_bMoving;
    EndMoving();

    if (pTargetPane != NULL && nStatus == 2)
    {
        for (HWND hPane : Handles(lstVisible))
        {
            CTavoPDockingControlBar* pPane = PaneOf(hPane);
            if (pPane == NULL)
                continue;
            AddRemoveBarFromGlobalList(pPane, FALSE);
            pPane->AttachToTabbedBar(pTargetPane, nDockMethod, TRUE, NULL);
        }
        ShowWindow(SW_HIDE);
        if (!m_rectRecentFloatingRect.IsRectEmpty())
            MoveWindow(m_rectRecentFloatingRect);
        PostMessage(GetCheckEmptyMessage());
        return FALSE;
    }

    const BOOL bDocked = pTargetPane != NULL ? DockGroupBeside(pTargetPane, pManager)
                                             : DockGroupToFrameSide(pManager);
    if (!bDocked)
        return TRUE;

    // The frame checks itself once this message is done with it.
    if (GetVisibleBarCount() == 0)
        ShowWindow(SW_HIDE);
    if (!m_rectRecentFloatingRect.IsRectEmpty())
        MoveWindow(m_rectRecentFloatingRect);
    PostMessage(GetCheckEmptyMessage());
    CTavoPDockingControlBar* pRemembered = PaneOf(hRemembered);
    if (bWasMoving && nDockMethod == TAVOP_DM_MOUSE && pRemembered != NULL)
        pRemembered->StartDrag(FALSE);
    if (pTargetPane != NULL)
        pTargetPane->AdjustDockingLayout(NULL);
    else if (pRemembered != NULL)
    {
        pRemembered->AdjustDockingLayout(NULL);
        if (!CTavoPDockManager::m_bRestoringDockState)
            pRemembered->SetFocus();
    }
    StartRollUp();
    return FALSE;
}

BOOL CTavoPMultiMiniFrameWnd::DockGroupBeside(CTavoPDockingControlBar* pTarget,
                                              CTavoPDockManager* pManager)
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    DWORD dwSide = 0;
    if (!GetDockingUtils().CheckPointNearEdge(ptCursor, pTarget,
                                              CTavoPDockingControlBar::m_nDockSensitivity, FALSE,
                                              dwSide, CBRS_ALIGN_ANY))
        return FALSE;
    CObList lstBars;
    CopyBars(lstBars, TRUE);
    if (!pTarget->DockContainer(m_barTree.GetRootContainer(), dwSide))
        return FALSE;
    for (POSITION pos = lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pPane = (CTavoPDockingControlBar*)lstBars.GetNext(pos);
        if (m_barTree.IsBarInTree(pPane))
            continue;
        AddRemoveBarFromGlobalList(pPane, FALSE);
        pPane->SetBarStyle(pPane->GetBarStyle() & ~CBRS_FLOATING);
        if (m_hEmbeddedBar == pPane->GetSafeHwnd())
            m_hEmbeddedBar = NULL;
    }
    ValidateBar();
    return TRUE;
}

BOOL CTavoPMultiMiniFrameWnd::DockGroupToFrameSide(CTavoPDockManager* pManager)
{
    CFrameWnd* pDockSite = GetDockSiteFrame();
    CTavoPDockingControlBar* pFirst = m_barTree.GetFirstVisibleBar();
    if (pDockSite == NULL || pFirst == NULL)
        return FALSE;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    DWORD dwSide = 0;
    BOOL bOuterEdge = FALSE;
    if (!pManager->IsPointNearDockSite(ptCursor, dwSide, bOuterEdge) ||
        (dwSide & pFirst->GetEnabledAlignment()) == 0)
        return FALSE;

    // The slider first: when it cannot be made the group stays as it is.
    const BOOL bVert = (dwSide & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0;
    CTavoPSlider* pSlider = CTavoPBarTreeManager::CreateDefaultSlider(pDockSite, dwSide);
    if (pSlider == NULL)
        return FALSE;
    pSlider->SetCurrentAlignment(dwSide);

    // The group keeps its extent across the side and takes the side's length; the dock
    // manager places it from there.
    CRect rectPreview;
    BOOL bOuter = bOuterEdge;
    pManager->CalcEdgeDockPreview(this, ptCursor, rectPreview, bOuter);
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectTree(CPoint(0, 0), rectClient.Size());
    if (!rectPreview.IsRectEmpty())
    {
        pDockSite->ScreenToClient(rectPreview);
        rectTree = rectPreview;
        if (bVert)
            rectTree.right = rectTree.left + rectClient.Width();
        else
            rectTree.bottom = rectTree.top + rectClient.Height();
    }

    CObList lstBars;
    CopyBars(lstBars, TRUE);
    if (!pSlider->TakeOverBarTree(&m_barTree, FALSE))
    {
        pSlider->DestroyWindow();
        return FALSE;
    }
    HDWP hdwp = CTavoPBaseControlBar::BeginDeferredMoves();
    hdwp = pSlider->GetBarTreeManager()->ResizeTree(rectTree, hdwp);
    CTavoPBaseControlBar::EndDeferredMoves(hdwp);
    BOOL bPlaced = FALSE;
    if (bOuterEdge)
        bPlaced = pManager->AddControlBar(pSlider, FALSE, FALSE, TRUE);
    if (!bPlaced)
        pManager->AddControlBar(pSlider);
    for (POSITION pos = lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pPane = (CTavoPDockingControlBar*)lstBars.GetNext(pos);
        AddRemoveBarFromGlobalList(pPane, FALSE);
        pPane->SetBarStyle(pPane->GetBarStyle() & ~CBRS_FLOATING);
        pPane->GetRecentDockInfo().m_dwRecentAlignmentToFrame = dwSide;
        if (m_hEmbeddedBar == pPane->GetSafeHwnd())
            m_hEmbeddedBar = NULL;
    }
    ValidateBar();
    pSlider->CheckVisibility();
    return TRUE;
}

BOOL CTavoPMultiMiniFrameWnd::DockFrameToFrame(CTavoPMiniFrameWnd* pDockedFrame, int nDockMethod)
{
    CTavoPMultiMiniFrameWnd* pOther = DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd, pDockedFrame);
    if (pOther == NULL || pOther == this)
        return TRUE;
    if (nDockMethod != TAVOP_DM_MOUSE && nDockMethod != TAVOP_DM_DROP)
        return TRUE;
    CTavoPDockingControlBar* pTarget = NULL;
    DWORD dwSide = 0;
    BOOL bTabHit = FALSE;
    if (!FindTargetAtCursor(pTarget, dwSide, bTabHit))
        return TRUE;

    CObList lstBars;
    pOther->CopyBars(lstBars, TRUE);
    if (lstBars.IsEmpty())
        return TRUE;
    const HWND hFirstOther = ((CWnd*)lstBars.GetHead())->GetSafeHwnd();
    CTavoPBarTreeManager& otherTree = pOther->GetBarTreeManager();
    for (POSITION pos = lstBars.GetHeadPosition(); pos != NULL;)
        ((CTavoPDockingControlBar*)lstBars.GetNext(pos))->StoreRecentDockInfo();
    BOOL bJoined = FALSE;
    if (bTabHit)
        bJoined = m_barTree.AttachTreeToBar(pTarget, &otherTree);
    else
        bJoined = m_barTree.MergeTree(pTarget, dwSide, &otherTree, TRUE);
    if (!bJoined)
        return TRUE;
    for (HWND hPane : Handles(lstBars))
    {
        CTavoPDockingControlBar* pPane = PaneOf(hPane);
        if (pPane == NULL)
            continue;
        pPane->SetDockSite(GetDockSiteFrame());
        if (pPane->GetParentMiniFrame(TRUE) == this)
            RegisterFloatingBar(pPane);
    }
    pOther->ValidateBar();
    const HWND hOther = pOther->GetSafeHwnd();
    if (pOther->GetVisibleBarCount() == 0)
        pOther->ShowWindow(SW_HIDE);
    pOther->EndMoving();
    ::PostMessage(hOther, GetCheckEmptyMessage(), 0, 0);
    if (!pOther->GetRecentFloatingRect().IsRectEmpty())
        pOther->MoveWindow(pOther->GetRecentFloatingRect());
    RefreshGroup();
    CTavoPDockingControlBar* pFirstOther = PaneOf(hFirstOther);
    if (nDockMethod == TAVOP_DM_MOUSE && pFirstOther != NULL)
        pFirstOther->StartDrag(TRUE);
    StartRollUp();
    return FALSE;
}

// ---- the stored record

void CTavoPMultiMiniFrameWnd::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        CTavoPMiniFrameWnd::Serialize(ar);
        m_barTree.Serialize(ar);
        return;
    }
    // The frame's window exists once the single-frame record is read; a damaged tree record
    // takes it down again so that nothing of the load is left on the screen. The archive frees
    // the object itself.
    CTavoPMiniFrameWnd::Serialize(ar);
    try
    {
        m_barTree.Serialize(ar);
    }
    catch (...)
    {
        m_bAutoDelete = FALSE;
        DestroyWindow();
        throw;
    }
}

void CTavoPMultiMiniFrameWnd::PlaceByStoredSliders(CTavoPBarContainer* pNode, CRect rect)
{
    if (pNode == NULL)
        return;
    // The sliders were made where they stood: each splits its node's place again.
    CRect rectFirst = rect, rectSecond = rect;
    CTavoPSlider* pSlider = pNode->GetSlider();
    if (pSlider != NULL && ::IsWindow(pSlider->GetSafeHwnd()))
    {
        CRect rectSlider;
        pSlider->GetWindowRect(rectSlider);
        ScreenToClient(rectSlider);
        rectSlider.IntersectRect(rectSlider, rect);
        if (pSlider->IsHorizontal())
        {
            rectFirst.bottom = rectSlider.top;
            rectSecond.top = rectSlider.bottom;
        }
        else
        {
            rectFirst.right = rectSlider.left;
            rectSecond.left = rectSlider.right;
        }
    }
    for (int nSide = 0; nSide < 2; nSide++)
    {
        const BOOL bFirst = nSide == 0;
        const CRect& rectSide = bFirst ? rectFirst : rectSecond;
        CTavoPDockingControlBar* pBar = bFirst ? pNode->GetLeftBar() : pNode->GetRightBar();
        if (pBar != NULL && ::IsWindow(pBar->GetSafeHwnd()) && pBar->GetParent() == this)
            pBar->CWnd::SetWindowPos(NULL, rectSide.left, rectSide.top, rectSide.Width(),
                                     rectSide.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        PlaceByStoredSliders(bFirst ? pNode->GetLeftContainer() : pNode->GetRightContainer(),
                             rectSide);
    }
}

void CTavoPMultiMiniFrameWnd::SetDockState(CTavoPDockManager* pDockManager)
{
    if (pDockManager == NULL || m_barTree.IsEmpty())
    {
        PostMessage(GetCheckEmptyMessage());
        return;
    }
    const int nStoredButtons = m_nCaptionButtons;
    CObList lstNamed;
    lstNamed.AddTail(const_cast<CObList*>(&m_barTree.GetBars()));
    CObList lstSetAside;
    for (POSITION pos = lstNamed.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)lstNamed.GetNext(pos);
        const HWND hBar = pBar->GetSafeHwnd();
        if (!::IsWindow(hBar))
            continue;
        if (pBar->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)))
        {
            // The tabs of a stored tabbed bar come with the tabbed bars' own record.
            CTavoPBaseTabWnd* pTabWnd = ((CTavoPBaseTabbedBar*)pBar)->GetUnderlinedWindow();
            if (pTabWnd == NULL || pTabWnd->GetTabsNum() == 0)
                lstSetAside.AddTail(pBar);
            continue;
        }
        if (pBar->GetParent() == this)
            continue;
        // The pane leaves where it is now: a tab group, auto-hide, its dock or another frame.
        if (pBar->IsTabbed())
        {
            pBar->SetParent(GetDockSiteFrame());
            pBar->ShowCaption(TRUE);
            pBar->ShowWindow(SW_SHOW);
        }
        if (pBar->IsAutoHideMode())
            pBar->SetAutoHideMode(FALSE, CBRS_ALIGN_ANY, NULL, TRUE);
        CTavoPMiniFrameWnd* pOldFrame = pBar->GetParentMiniFrame(TRUE);
        if (pOldFrame == NULL)
            pBar->Undock(TRUE);
        else
            pOldFrame->RemoveControlBar(pBar, FALSE, FALSE);
        if (!::IsWindow(hBar))
        {
            m_barTree.DropBar(pBar);
            continue;
        }
        pBar->SetParent(this);
        pBar->SetDockSite(GetDockSiteFrame());
        pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_FLOATING);
    }
    for (POSITION pos = lstSetAside.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)lstSetAside.GetNext(pos);
        m_barTree.RemoveControlBar(pBar);
        pBar->DestroyWindow();
    }
    pDockManager->AdjustDockingLayout();
    CRect rectClient;
    GetClientRect(rectClient);
    PlaceByStoredSliders(m_barTree.GetRootContainer(), rectClient);
    if (m_barTree.IsEmpty())
    {
        PostMessage(GetCheckEmptyMessage());
        return;
    }
    for (POSITION pos = m_barTree.GetBars().GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)m_barTree.GetBars().GetNext(pos);
        const BOOL bVisible = pBar->GetStoredValue() ? pBar->GetStoredVisibility() : TRUE;
        pBar->ShowWindow(bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
        RegisterFloatingBar(pBar);
    }
    CTavoPDockingControlBar* pFirst = m_barTree.GetFirstBar();
    if (m_barTree.GetBars().GetCount() <= 1)
    {
        m_hEmbeddedBar = NULL;
        CTavoPMiniFrameWnd::AddControlBar(pFirst);
    }
    else
    {
        m_hEmbeddedBar = pFirst->GetSafeHwnd();
    }
    StartRollUp();
    SetCaptionButtons(nStoredButtons);
    ShowWindow(m_barTree.GetVisibleBarCount() > 0 ? SW_SHOWNOACTIVATE : SW_HIDE);
    RefreshGroup();
}
