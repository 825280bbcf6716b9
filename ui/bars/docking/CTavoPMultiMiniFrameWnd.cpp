// The group's frame as a window: its tree of panes, captions, layout, sizes, the double click home and the empty-frame check.
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/TavoPBarStatics.h"
#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include <vector>

IMPLEMENT_SERIAL(CTavoPMultiMiniFrameWnd, CTavoPMiniFrameWnd, VERSIONABLE_SCHEMA | 2)

BEGIN_MESSAGE_MAP(CTavoPMultiMiniFrameWnd, CTavoPMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_GETMINMAXINFO()
    ON_WM_LBUTTONDBLCLK()
    ON_REGISTERED_MESSAGE(TavoPCheckEmptyMiniFrameMessage(), OnCheckEmptyMiniFrame)
END_MESSAGE_MAP()

CTavoPMultiMiniFrameWnd::CTavoPMultiMiniFrameWnd() = default;

CTavoPMultiMiniFrameWnd::~CTavoPMultiMiniFrameWnd() = default;

int CTavoPMultiMiniFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPMiniFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_barTree.Create(this, NULL, NULL);
    return 0;
}

// ---- the panes of the group

void CTavoPMultiMiniFrameWnd::CopyBars(CObList& lst, BOOL bVisibleOnly) const
{
    for (POSITION pos = m_barTree.GetBars().GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, m_barTree.GetBars().GetNext(pos));
        if (pBar == NULL || pBar->GetSafeHwnd() == NULL)
            continue;
        if (bVisibleOnly && !pBar->IsWindowVisible())
            continue;
        lst.AddTail(pBar);
    }
}

BOOL CTavoPMultiMiniFrameWnd::CanBeAttachedTo(CTavoPBaseControlBar* pDockingBar)
{
    if (pDockingBar == NULL)
        return FALSE;
    for (POSITION pos = m_barTree.GetBars().GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)m_barTree.GetBars().GetNext(pos);
        if (pDockingBar->CanAcceptBar(pBar))
            return TRUE;
    }
    return FALSE;
}

void CTavoPMultiMiniFrameWnd::AddControlBar(CTavoPBaseControlBar* pBar)
{
    // A group starts with one pane; the others join through the tree.
    CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar);
    if (pPane == NULL || !m_barTree.IsEmpty())
        return;
    m_barTree.AddControlBar(pPane);
    CTavoPMiniFrameWnd::AddControlBar(pBar);
    AdjustBarLayout();
}

void CTavoPMultiMiniFrameWnd::RemoveControlBar(CTavoPBaseControlBar* pBar, BOOL bDestroy,
                                               BOOL bKeepWhenEmpty)
{
    if (CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar))
        m_barTree.RemoveControlBar(pPane);
    if (m_barTree.IsEmpty())
    {
        // The frame checks itself later: it may be the window whose message runs now.
        CTavoPMiniFrameWnd::RemoveControlBar(pBar, FALSE, bKeepWhenEmpty);
        if (bDestroy)
            StopRollUp();
        return;
    }
    AddRemoveBarFromGlobalList(pBar, FALSE);
    if (pBar != NULL && m_hEmbeddedBar == pBar->GetSafeHwnd())
    {
        m_hEmbeddedBar = NULL;
        CTavoPDockingControlBar* pFirst = m_barTree.GetFirstBar();
        m_hEmbeddedBar = pFirst->GetSafeHwnd();
        AddRemoveBarFromGlobalList(pFirst, TRUE);
    }
    RefreshGroup();
    StopRollUp();
}

void CTavoPMultiMiniFrameWnd::ReplaceControlBar(CTavoPBaseControlBar* pBarOrg,
                                                CTavoPBaseControlBar* pBarReplaceWith)
{
    CTavoPDockingControlBar* pOld = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBarOrg);
    CTavoPDockingControlBar* pNew = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBarReplaceWith);
    if (pNew == NULL || !m_barTree.ReplaceControlBar(pOld, pNew))
        return;
    CTavoPMiniFrameWnd::ReplaceControlBar(pBarOrg, pBarReplaceWith);
}

int CTavoPMultiMiniFrameWnd::GetVisibleBarCount() const
{
    return m_barTree.GetVisibleBarCount();
}

CWnd* CTavoPMultiMiniFrameWnd::GetControlBar() const
{
    CWnd* pBar = CTavoPMiniFrameWnd::GetControlBar();
    return pBar != NULL ? pBar : GetFirstVisibleBar();
}

CWnd* CTavoPMultiMiniFrameWnd::GetFirstVisibleBar() const
{
    return m_barTree.GetFirstVisibleBar();
}

CString CTavoPMultiMiniFrameWnd::GetCaptionText() const
{
    CString strText;
    if (GetVisibleBarCount() == 1)
    {
        if (CWnd* pBar = GetFirstVisibleBar())
            pBar->GetWindowText(strText);
    }
    return strText;
}

void CTavoPMultiMiniFrameWnd::UpdateCaptions()
{
    if (m_hWnd == NULL || !IsWindowVisible())
        return;
    // One pane alone lets the frame's caption stand for its own.
    const BOOL bOne = GetVisibleBarCount() == 1;
    for (POSITION pos = m_barTree.GetBars().GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, m_barTree.GetBars().GetNext(pos));
        if (pBar != NULL && pBar->GetSafeHwnd() != NULL)
            pBar->ShowCaption(!(bOne && pBar->IsWindowVisible()));
    }
}

CTavoPBaseControlBar* CTavoPMultiMiniFrameWnd::ControlBarFromPoint(CPoint point, int nSensitivity,
                                                                   BOOL bCheckVisibility)
{
    if (bCheckVisibility && !IsWindowVisible())
        return NULL;
    BOOL bInTabArea = FALSE, bOnCaption = FALSE;
    return m_barTree.FindBarAtPoint(point, nSensitivity, TRUE, bInTabArea, bOnCaption);
}

int CTavoPMultiMiniFrameWnd::GetDockingRect(CRect& rect) const
{
    rect.SetRectEmpty();
    if (m_bRolledUp)
        return 0;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CTavoPDockingControlBar* pTarget = NULL;
    DWORD dwSide = 0;
    BOOL bTabHit = FALSE;
    CTavoPMultiMiniFrameWnd* pThis = const_cast<CTavoPMultiMiniFrameWnd*>(this);
    if (!GetDockingUtils().FindDockTarget(pThis, ptCursor, pTarget, dwSide, bTabHit))
        return 0;
    pTarget->GetWindowRect(rect);
    if (bTabHit)
        return 1;
    // Half the target on the side the cursor is at.
    switch (dwSide)
    {
    case CBRS_ALIGN_LEFT: rect.right = rect.left + rect.Width() / 2; break;
    case CBRS_ALIGN_RIGHT: rect.left = rect.right - rect.Width() / 2; break;
    case CBRS_ALIGN_TOP: rect.bottom = rect.top + rect.Height() / 2; break;
    default: rect.top = rect.bottom - rect.Height() / 2; break;
    }
    return 0;
}

// ---- layout

void CTavoPMultiMiniFrameWnd::AdjustBarLayout()
{
    if (m_hWnd == NULL)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    HDWP hdwp = CTavoPBaseControlBar::BeginDeferredMoves();
    hdwp = m_barTree.ResizeTree(rectClient, hdwp);
    CTavoPBaseControlBar::EndDeferredMoves(hdwp);
}

void CTavoPMultiMiniFrameWnd::RefreshGroup()
{
    if (m_hWnd == NULL)
        return;
    UpdateCaptions();
    AdjustBarLayout();
    CWnd::SetWindowPos(NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SendMessage(WM_NCPAINT);
}

void CTavoPMultiMiniFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    Default();
    AdjustBarLayout();
    ArrangeCaptionButtons();
    SendMessage(WM_NCPAINT);
}

void CTavoPMultiMiniFrameWnd::OnSizing(UINT nSide, LPRECT lpRect)
{
    // A group has no whole steps to snap to.
    Default();
}

void CTavoPMultiMiniFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CSize sizeMin(0, 0);
    m_barTree.GetMinSize(sizeMin);
    CalcMinSize(sizeMin, lpMMI);
    Default();
}

// ---- what the panes remember of the group

void CTavoPMultiMiniFrameWnd::StoreRecentContainer(CTavoPBaseControlBar* pBar)
{
    CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar);
    if (pPane == NULL)
        return;
    BOOL bLeft = FALSE;
    pPane->GetRecentDockInfo().StoreDockInfo(m_barTree.FindContainer(pPane, bLeft));
}

void CTavoPMultiMiniFrameWnd::StoreRecentContainerFor(CTavoPBaseControlBar* pBar,
                                                      CTavoPBaseControlBar* pOther)
{
    CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar);
    CTavoPDockingControlBar* pOtherPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pOther);
    if (pPane == NULL || pOtherPane == NULL)
        return;
    BOOL bLeft = FALSE;
    pPane->GetRecentDockInfo().StoreDockInfo(m_barTree.FindContainer(pOtherPane, bLeft),
                                             pOtherPane);
}

void CTavoPMultiMiniFrameWnd::StoreRecentFloatState()
{
    GetWindowRect(m_rectRecentFloatingRect);
    for (POSITION pos = m_barTree.GetBars().GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, m_barTree.GetBars().GetNext(pos));
        if (pBar != NULL)
            pBar->GetRecentDockInfo().m_rectRecentFloatingRect = m_rectRecentFloatingRect;
    }
}

void CTavoPMultiMiniFrameWnd::OnShowControlBar(CTavoPBaseControlBar* pBar, BOOL bShow)
{
    m_barTree.CheckVisibility();
    if (bShow)
        ShowWindow(SW_SHOWNOACTIVATE);
    else if (m_barTree.GetVisibleBarCount() == 0)
        ShowWindow(SW_HIDE);
    RefreshGroup();
}

void CTavoPMultiMiniFrameWnd::ValidateBar()
{
    m_barTree.ValidateBars();
    CTavoPMiniFrameWnd::ValidateBar();
    if (m_hEmbeddedBar == NULL && m_barTree.GetFirstBar() != NULL)
        m_hEmbeddedBar = m_barTree.GetFirstBar()->GetSafeHwnd();
}

void CTavoPMultiMiniFrameWnd::CloseMiniFrame()
{
    if (!CanClose())
        return;
    ShowWindow(SW_HIDE);
    m_barTree.HideAll();
}

BOOL CTavoPMultiMiniFrameWnd::SaveState(LPCTSTR lpszProfileName, UINT uiID)
{
    ForEachBarState(lpszProfileName, uiID, TRUE);
    return TRUE;
}

BOOL CTavoPMultiMiniFrameWnd::LoadState(LPCTSTR lpszProfileName, UINT uiID)
{
    ForEachBarState(lpszProfileName, uiID, FALSE);
    return TRUE;
}

void CTavoPMultiMiniFrameWnd::ForEachBarState(LPCTSTR lpszProfileName, UINT uiID, BOOL bSave)
{
    for (POSITION pos = m_barTree.GetBars().GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)m_barTree.GetBars().GetNext(pos);
        if (pBar->GetSafeHwnd() == NULL)
            continue;
        if (bSave)
            pBar->SaveState(lpszProfileName, -1, uiID);
        else
            pBar->LoadState(lpszProfileName, -1, uiID);
    }
}

// ---- roll-up

void CTavoPMultiMiniFrameWnd::StartRollUp()
{
    if (m_nRollUpTimer != 0 || m_hWnd == NULL)
        return;
    for (POSITION pos = m_barTree.GetBars().GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)m_barTree.GetBars().GetNext(pos);
        if (pBar->GetBehaviourFlags() & TAVOP_CBRS_AUTO_ROLLUP)
        {
            m_nRollUpTimer = SetTimer(TAVOP_MINIFRAME_ROLLUP_TIMER, 250, NULL);
            SetCaptionButtons(m_nCaptionButtons | TAVOP_CAPTION_BTN_PIN);
            return;
        }
    }
}

void CTavoPMultiMiniFrameWnd::StopRollUp()
{
    for (POSITION pos = m_barTree.GetBars().GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)m_barTree.GetBars().GetNext(pos);
        if (pBar->GetBehaviourFlags() & TAVOP_CBRS_AUTO_ROLLUP)
            return;
    }
    if (m_nRollUpTimer != 0 && m_hWnd != NULL)
        KillTimer(m_nRollUpTimer);
    m_nRollUpTimer = 0;
    if (m_nCaptionButtons & TAVOP_CAPTION_BTN_PIN)
        SetCaptionButtons(m_nCaptionButtons & ~TAVOP_CAPTION_BTN_PIN);
}

// ---- the double click home and the empty frame

void CTavoPMultiMiniFrameWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // The press of the double click started a move that has nothing to do now.
    EndMoving();
    StoreRecentFloatState();
    CObList lstVisible;
    CopyBars(lstVisible, TRUE);
    for (POSITION pos = lstVisible.GetHeadPosition(); pos != NULL;)
        ((CTavoPDockingControlBar*)lstVisible.GetNext(pos))->StoreRecentDockInfo();
    // Every pane goes home; handles are held since a pane may take others with it.
    std::vector<HWND> panes;
    for (POSITION pos = lstVisible.GetHeadPosition(); pos != NULL;)
        panes.push_back(((CWnd*)lstVisible.GetNext(pos))->GetSafeHwnd());
    for (HWND hPane : panes)
    {
        CTavoPDockingControlBar* pPane =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, CWnd::FromHandlePermanent(hPane));
        if (pPane != NULL && ::IsWindow(hPane) && pPane->GetParentMiniFrame(TRUE) == this)
            DockBarToRecentPlace(pPane);
    }
    if (GetVisibleBarCount() == 0)
        ShowWindow(SW_HIDE);
    PostMessage(GetCheckEmptyMessage());
}

LRESULT CTavoPMultiMiniFrameWnd::OnCheckEmptyMiniFrame(WPARAM wParam, LPARAM lParam)
{
    ValidateBar();
    if (CTavoPBarContainer* pRoot = m_barTree.GetRootContainer())
        pRoot->CollapseEmpty();
    CTavoPBarContainer* pRoot = m_barTree.GetRootContainer();
    const BOOL bNoNode = pRoot == NULL;
    const BOOL bEmptyUnreferenced = pRoot != NULL && m_barTree.GetNodeCount() == 1 &&
                                    pRoot->IsEmpty() && m_barTree.GetTotalRefCount() == 0;
    if (m_barTree.IsEmpty() && (bNoNode || bEmptyUnreferenced))
    {
        EndMoving();
        DestroyWindow();
        return 0;
    }
    if (m_barTree.GetVisibleBarCount() == 0)
    {
        // Panes may still come back to the places they had here.
        ShowWindow(SW_HIDE);
        EndMoving();
    }
    return 0;
}
