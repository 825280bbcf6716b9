// The control bar's drag loops (immediate and outline), floating into a mini frame and docking into a dock bar.
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"

namespace {

void DestroyIfWindow(HWND& hWnd)
{
    if (hWnd != NULL && ::IsWindow(hWnd))
        ::DestroyWindow(hWnd);
    hWnd = NULL;
}

}

UINT CTavoPControlBar::GetPopupMenuMessage()
{
    static const UINT nMessage = ::RegisterWindowMessage("TAVOTOOLBAR_POPUPMENU");
    return nMessage;
}

void CTavoPControlBar::ForwardToMiniFrame(UINT message, UINT nFlags, CPoint point)
{
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    if (pMiniFrame == NULL)
        return;
    MapWindowPoints(pMiniFrame, &point, 1);
    pMiniFrame->SendMessage(message, nFlags, MAKELPARAM(point.x, point.y));
}

// ---- the drag

void CTavoPControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bDragging && CanFloat())
    {
        CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
        if (GetDockingMode() == TAVOP_DOCK_IMMEDIATE || pMiniFrame != NULL)
        {
            StoreRecentDockInfo();
            if (pMiniFrame != NULL && pMiniFrame->GetControlBarCount() == 1)
            {
                // Alone in its frame: the frame moves, not the bar.
                ForwardToMiniFrame(WM_LBUTTONDOWN, nFlags, point);
                m_bMouseDownForwarded = TRUE;
                return;
            }
            StartDrag(TRUE);
            m_bMouseDownForwarded = FALSE;
            if (pMiniFrame != NULL)
                return;
        }
        else if (!IsFloating())
        {
            StartDrag(TRUE);
        }
    }
    Default();
}

BOOL CTavoPControlBar::StartDrag(BOOL bSetGrabPoint)
{
    StoreRecentDockedRect();
    if (bSetGrabPoint)
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        m_ptGrab = pt;
    }
    if (m_bDragging)
        return TRUE;
    if (!IsDocked())
        return FALSE;
    if (GetDockingMode() == TAVOP_DOCK_OUTLINE)
        m_dragFrame.Init(this);
    SetCapture();
    ::GetCursorPos(&m_dragFrame.m_ptHot);
    m_bDragging = 1;
    SetDragMode(1);
    GetWindowRect(m_rectDragWnd);
    return TRUE;
}

void CTavoPControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bDragging)
    {
        Default();
        return;
    }
    if (GetDockingMode() == TAVOP_DOCK_IMMEDIATE)
    {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        const CSize delta = ptCursor - m_dragFrame.m_ptHot;
        if (delta.cx == 0 && delta.cy == 0)
            return;
        m_rectDragWnd.OffsetRect(delta);
        OffsetRecentDockedRect(delta.cx, delta.cy);
        m_dragFrame.m_ptHot = ptCursor;
        if (m_pParentDockBar != NULL)
            m_pParentDockBar->MoveControlBar(this, delta.cx, delta.cy);
    }
    else
    {
        m_dragFrame.MoveDragFrame();
    }
}

void CTavoPControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bDragging)
    {
        // Cleared first: releasing the capture must not count as losing it.
        m_bDragging = 0;
        ReleaseCapture();
        if (nFlags != 0xFFFF)
            DestroyIfWindow(m_hwndMiniFrameToDestroy);
        SetDragMode(0);
        if (GetDockingMode() == TAVOP_DOCK_OUTLINE &&
            (m_dragFrame.m_bDragStarted || m_dragFrame.m_nInsertedTabID != -1))
        {
            const CRect rectFloat = m_dragFrame.m_rectDrag;
            if (m_dragFrame.m_bDragStarted)
                m_dragFrame.EndDrawDragFrame();
            StoreRecentDockInfo();
            BOOL bFlag = FALSE;
            CTavoPBaseControlBar* pTarget = GetDropTarget(bFlag);
            if (!bFlag && !rectFloat.IsRectEmpty() && pTarget != this)
                FloatControlBar(rectFloat, TAVOP_DM_DROP, TRUE);
            return;
        }
    }
    else
    {
        CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
        if (pMiniFrame != NULL && pMiniFrame->IsWindowVisible() && !m_bButtonUpSwallowed)
        {
            ForwardToMiniFrame(WM_LBUTTONUP, nFlags, point);
            return;
        }
    }
    m_bButtonUpSwallowed = 0;
    if (m_pDockBarRow != NULL)
    {
        m_pDockBarRow->ArrangeBars(this);
        // Where the drag left the bars is now where they belong.
        for (POSITION pos = m_pDockBarRow->GetBars().GetHeadPosition(); pos != NULL;)
            ((CTavoPControlBar*)m_pDockBarRow->GetBars().GetNext(pos))->StoreRecentDockedRect();
    }
    Default();
}

void CTavoPControlBar::StopDrag()
{
    m_bButtonUpSwallowed = 1;
    StoreRecentDockInfo();
    if (m_bDragging)
    {
        m_bDragging = 0;
        ReleaseCapture();
        SetDragMode(0);
        DestroyIfWindow(m_hwndMiniFrameToDestroy);
    }
}

void CTavoPControlBar::CancelDrag()
{
    if (!m_bDragging)
        return;
    if (GetDockingMode() == TAVOP_DOCK_OUTLINE)
        m_dragFrame.EndDrawDragFrame();
    m_bDragging = 0;
    if (::GetCapture() == m_hWnd)
        ReleaseCapture();
    SetDragMode(0);
    DestroyIfWindow(m_hwndMiniFrameToDestroy);
}

void CTavoPControlBar::OnCancelMode()
{
    Default();
    CancelDrag();
}

void CTavoPControlBar::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    Default();
    if (nChar == VK_ESCAPE)
        CancelDrag();
}

void CTavoPControlBar::OnCaptureChanged(CWnd* pWnd)
{
    Default();
    // Another window took the mouse: the drag cannot go on without it.
    if (m_bDragging && (pWnd == NULL || pWnd->GetSafeHwnd() != m_hWnd))
        CancelDrag();
}

void CTavoPControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    StopDrag();
    if (CanFloat())
        FloatControlBar(m_recentDockInfo.m_rectRecentFloatingRect, TAVOP_DM_RECENT, TRUE);
    Default();
}

// ---- floating

CTavoPMiniFrameWnd* CTavoPControlBar::CreateFloatingFrame(CRect rect)
{
    CObject* pObject = m_pMiniFrameRTC != NULL ? m_pMiniFrameRTC->CreateObject() : NULL;
    CTavoPMiniFrameWnd* pMiniFrame = DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, pObject);
    if (pMiniFrame == NULL)
    {
        delete pObject;
        return NULL;
    }
    if (!pMiniFrame->Create(NULL, WS_POPUP, rect, FindOwningFrame(this)))
    {
        delete pMiniFrame;
        return NULL;
    }
    return pMiniFrame;
}

BOOL CTavoPControlBar::FloatControlBar(CRect rectFloat, int nDockMethod, BOOL bShow)
{
    if (!(IsDocked() || IsTabbed()) || !CanFloat())
        return TRUE;

    CFrameWnd* pDockSite = GetDockSiteFrame();
    CRect rectOld;
    GetWindowRect(rectOld);
    if (pDockSite != NULL)
        pDockSite->ScreenToClient(rectOld);
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);

    if (!OnBeforeFloat(rectFloat, nDockMethod))
        return TRUE;
    CTavoPMiniFrameWnd* pMiniFrame = CreateFloatingFrame(rectFloat);
    if (pMiniFrame == NULL)
        return FALSE;
    pMiniFrame->SetRecentFloatingRect(m_recentDockInfo.m_rectRecentFloatingRect);

    CTavoPDockBar* pOldDockBar = m_pParentDockBar;
    RemoveFromDockBar();
    if (nDockMethod == TAVOP_DM_MOUSE)
    {
        SendMessage(WM_LBUTTONUP, 0xFFFF, 0);
        CTavoPMiniFrameWnd* pOldMiniFrame = IsTabbed() ? GetParentMiniFrame() : NULL;
        if (pOldMiniFrame != NULL)
            pOldMiniFrame->SendMessage(WM_LBUTTONUP, 0, 0);
    }

    CWnd* pOldParent = SetParent(pMiniFrame);
    OnAfterChangeParent(pOldDockBar != NULL ? (CWnd*)pOldDockBar : pOldParent);
    m_pParentDockBar = NULL;
    m_pDockBarRow = NULL;
    pMiniFrame->AddControlBar(this);
    pMiniFrame->RecalcLayout();
    CWnd::SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);

    if (nDockMethod == TAVOP_DM_MOUSE && GetDockingMode() == TAVOP_DOCK_IMMEDIATE)
    {
        pMiniFrame->StartMoving();
        pMiniFrame->SetIgnoreNextMove(TRUE);
    }

    SetAlignmentTop();
    m_dwBarStyle |= CBRS_FLOATING;
    AdjustLayout();

    if (nDockMethod == TAVOP_DM_MOUSE)
    {
        // The frame is placed so that the cursor keeps its grip on the bar.
        CRect rectFrame;
        pMiniFrame->GetWindowRect(rectFrame);
        CPoint ptGrab = m_ptGrab;
        ClientToScreen(&ptGrab);
        if (ptGrab.x < rectFrame.left || ptGrab.x >= rectFrame.right)
            ptGrab.x = rectFrame.CenterPoint().x;
        if (ptGrab.y < rectFrame.top || ptGrab.y >= rectFrame.bottom)
            ptGrab.y = rectFrame.top + pMiniFrame->GetCaptionHeight() / 2;
        rectFrame.OffsetRect(ptCursor - ptGrab);
        pMiniFrame->MoveWindow(rectFrame);
        pMiniFrame->SetMoveStart(ptCursor);
    }

    if (bShow)
    {
        pMiniFrame->RecalcLayout();
        pMiniFrame->ShowWindow(SW_SHOWNOACTIVATE);
        if (pDockSite != NULL)
            pDockSite->RedrawWindow(rectOld, NULL,
                                    RDW_INVALIDATE | RDW_NOINTERNALPAINT | RDW_NOERASE |
                                        RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    }
    return TRUE;
}

// ---- docking

BOOL CTavoPControlBar::DockTargetFromPoint(int nSensitivity, CTavoPBaseControlBar*& pTarget)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rectBar;
    GetWindowRect(rectBar);
    CRect rectRecent;
    GetRecentDockedRectScreen(rectRecent);
    CTavoPDockBar* pDockBar = DYNAMIC_DOWNCAST(
        CTavoPDockBar, ControlBarFromPoint(pt, nSensitivity, FALSE, RUNTIME_CLASS(CTavoPDockBar)));
    pTarget = pDockBar;

    if (m_pParentDockBar != NULL)
    {
        CRect rectDockBar;
        m_pParentDockBar->GetWindowRect(rectDockBar);
        if (rectDockBar.PtInRect(pt))
            return FALSE;
        CRect rectOverlap;
        if (rectOverlap.IntersectRect(rectRecent, rectDockBar))
        {
            const BOOL bHorz = m_pParentDockBar->IsHorizontal();
            const int nOverlap = bHorz ? rectOverlap.Width() : rectOverlap.Height();
            const int nExtent = bHorz ? rectRecent.Width() : rectRecent.Height();
            if (nOverlap * 10 >= nExtent)
                return FALSE;
        }
        return TRUE;
    }

    if (pDockBar == NULL || !CanBeDockedTo(pDockBar))
        return FALSE;
    CRect rectDockBar;
    pDockBar->GetWindowRect(rectDockBar);
    if (rectDockBar.PtInRect(pt))
        return TRUE;
    // How much of the bar lies between the cursor and the bar's far edge on the side the
    // dock bar is, in percent; a bar without extent there has nothing to dock with.
    int nDistance = 0, nPart = 0, nExtent = 0;
    if (pt.x < rectDockBar.left)
    {
        nDistance = rectDockBar.left - pt.x;
        nPart = rectBar.right - pt.x;
        nExtent = rectBar.Width();
    }
    else if (pt.x >= rectDockBar.right)
    {
        nDistance = pt.x - rectDockBar.right;
        nPart = pt.x - rectBar.left;
        nExtent = rectBar.Width();
    }
    else if (pt.y < rectDockBar.top)
    {
        nDistance = rectDockBar.top - pt.y;
        nPart = rectBar.bottom - pt.y;
        nExtent = rectBar.Height();
    }
    else
    {
        nDistance = pt.y - rectDockBar.bottom;
        nPart = pt.y - rectBar.top;
        nExtent = rectBar.Height();
    }
    if (nExtent <= 0)
        return FALSE;
    const int nPercent = nPart * 100 / nExtent;
    return nDistance <= nSensitivity * nPercent / 100;
}

BOOL CTavoPControlBar::DockToBar(CTavoPDockBar* pDockBar, LPCRECT lpRect, int nDockMethod)
{
    if (!OnBeforeDock(pDockBar, lpRect, nDockMethod))
        return FALSE;
    if (!DockToDockBar(pDockBar, lpRect, nDockMethod))
        return FALSE;
    OnAfterDock(pDockBar, lpRect, nDockMethod);
    return TRUE;
}

BOOL CTavoPControlBar::DockToBarByMouse(CTavoPBaseControlBar* pTarget)
{
    CTavoPDockBar* pDockBar = DYNAMIC_DOWNCAST(CTavoPDockBar, pTarget);
    return pDockBar != NULL && DockToBar(pDockBar, NULL, TAVOP_DM_MOUSE);
}

BOOL CTavoPControlBar::DockToDockBar(CTavoPDockBar* pDockBar, LPCRECT lpRect, int nDockMethod)
{
    if (nDockMethod == TAVOP_DM_RECENT)
    {
        // The recent dock bar counts only while its frame still lists it.
        CTavoPDockManager* pManager = GetDockManager();
        CTavoPDockBar* pRecent = m_recentDockInfo.m_pRecentDockBar;
        if (pManager == NULL || pRecent == NULL || pManager->GetDockedBars().Find(pRecent) == NULL)
        {
            if (pManager != NULL)
                pManager->DockControlBar(this);
            return TRUE;
        }
        pDockBar = pRecent;
    }
    if (pDockBar == NULL || !CanBeDockedTo(pDockBar) || !pDockBar->CanAcceptBar(this))
        return FALSE;

    CRect rectWindow;
    GetWindowRect(rectWindow);
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    const BOOL bWasMoving = pMiniFrame != NULL ? pMiniFrame->IsMoving() : TRUE;

    OnDockedInto(pDockBar, nDockMethod);
    switch (nDockMethod)
    {
    case TAVOP_DM_MOUSE:
        pDockBar->DockControlBar(this, TAVOP_DM_MOUSE, rectWindow);
        if (bWasMoving)
            EnterDragMode();
        return TRUE;
    case TAVOP_DM_RECENT:
    case TAVOP_DM_RECT: pDockBar->DockControlBar(this, nDockMethod, lpRect); return TRUE;
    default: return TRUE;
    }
}

void CTavoPControlBar::OnDockedInto(CTavoPDockBar* pDockBar, int nDockMethod)
{
    // A bar that moves straight from one dock bar to another leaves the old one first.
    if (m_pParentDockBar != NULL && m_pParentDockBar != pDockBar)
        m_pParentDockBar->RemoveControlBar(this);
    m_pParentDockBar = pDockBar;
    SetParentForDocking(pDockBar, nDockMethod);
    m_dwBarStyle = (m_dwBarStyle & ~(CBRS_FLOATING | 0x0F00)) | CBRS_BORDER_ANY;
    SetCurrentAlignment(pDockBar->GetCurrentAlignment());
}

void CTavoPControlBar::SetParentForDocking(CWnd* pWndNewParent, int nDockMethod)
{
    RemoveFromDockBar();
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    if (pMiniFrame != NULL)
    {
        if (nDockMethod == TAVOP_DM_MOUSE && m_hwndMiniFrameToDestroy == NULL)
            m_hwndMiniFrameToDestroy = pMiniFrame->GetSafeHwnd();
        // The frame checks later whether it is empty: it may be the window whose message is
        // being handled now.
        pMiniFrame->RemoveControlBar(this, FALSE);
        pMiniFrame->SendMessage(WM_LBUTTONUP, 0, 0);
    }
    // Setting the parent a bar already has still hides, moves and shows it in the platform:
    // a bar docked again into its own dock bar keeps its parent.
    CWnd* pOldParent = GetParent();
    if (pOldParent == NULL || pWndNewParent == NULL ||
        pOldParent->GetSafeHwnd() != pWndNewParent->GetSafeHwnd())
        pOldParent = SetParent(pWndNewParent);
    OnAfterChangeParent(pOldParent);
}

void CTavoPControlBar::StoreRecentDockInfo()
{
    // Only a docked bar knows its dock bar: a floating one keeps the place it came from.
    if (m_pParentDockBar == NULL || m_hWnd == NULL)
        return;
    m_recentDockInfo.m_pRecentDockBar = m_pParentDockBar;
    m_recentDockInfo.m_pRecentDockBarRow = m_pDockBarRow;
    m_recentDockInfo.m_dwRecentAlignmentToFrame = m_pParentDockBar->GetCurrentAlignment();
    const int nRow = m_pParentDockBar->FindRowIndex(m_pDockBarRow);
    if (nRow >= 0)
        m_recentDockInfo.m_nRecentRowIndex = nRow;
    CRect rect;
    GetWindowRect(rect);
    m_pParentDockBar->ScreenToClient(rect);
    m_recentDockInfo.m_recentSliderInfo.m_rectRecentDockedRect = rect;
}

// ---- the window going away

void CTavoPControlBar::OnDestroy()
{
    CancelDrag();
    // A bar that dies alone leaves its dock bar and its frame's layout.
    if (m_pParentDockBar != NULL)
        m_pParentDockBar->RemoveControlBar(this);
    CTavoPDockManager* pManager = GetDockManager();
    if (pManager != NULL)
        pManager->RemoveControlBar(this, FALSE, FALSE, FALSE);
    Default();
}

void CTavoPControlBar::OnNcDestroy()
{
    CTavoPMiniFrameWnd::AddRemoveBarFromGlobalList(this, FALSE);
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    if (pMiniFrame != NULL)
        pMiniFrame->RemoveControlBar(this, FALSE, FALSE);
    CWnd::OnNcDestroy();
}

void CTavoPControlBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    // While the toolbars are customized the right button belongs to the toolbar buttons.
    if (CTavoPToolBar::IsCustomizeMode())
        return;
    CFrameWnd* pFrame = GetDockSiteFrame();
    if (pFrame == NULL)
        pFrame = GetTopLevelFrame();
    if (pFrame == NULL)
        return;
    pFrame->SendMessage(GetPopupMenuMessage(), (WPARAM)m_hWnd, MAKELPARAM(point.x, point.y));
}
