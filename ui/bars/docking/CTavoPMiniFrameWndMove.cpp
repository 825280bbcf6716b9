// The floating frame's bar, moves and docking, the menu tear-off loop, the floating-bar registry and the frame's stored record.
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/TavoPBarStatics.h"
#include "ui/bars/docking/CTavoPCaptionButton.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/foundation/CTavoPGlobalData.h"

namespace {

BOOL HasDockingSide(const CTavoPBaseControlBar* pBar)
{
    return pBar != NULL && (pBar->GetEnabledAlignment() & CBRS_ALIGN_ANY) != 0;
}

}

// ---- the floating-bar registry

BOOL CTavoPMiniFrameWnd::AddRemoveBarFromGlobalList(CTavoPBaseControlBar* pBar, BOOL bAdd)
{
    if (pBar == NULL)
        return TRUE;
    // A bar without an id of its own (a tabbed bar) is not registered.
    const UINT nID = (UINT)pBar->GetDlgCtrlID();
    if (nID == (UINT)-1)
        return TRUE;
    auto& registry = TavoPFloatingBarRegistry();
    if (bAdd)
    {
        registry[nID] = pBar->GetSafeHwnd();
        return TRUE;
    }
    auto it = registry.find(nID);
    if (it != registry.end() && it->second == pBar->GetSafeHwnd())
        registry.erase(it);
    return TRUE;
}

CTavoPBaseControlBar* CTavoPMiniFrameWnd::FindFloatingBarByID(UINT nID)
{
    auto& registry = TavoPFloatingBarRegistry();
    auto it = registry.find(nID);
    if (it == registry.end() || !::IsWindow(it->second))
        return NULL;
    return DYNAMIC_DOWNCAST(CTavoPBaseControlBar, CWnd::FromHandlePermanent(it->second));
}

// ---- the hosted bar

BOOL CTavoPMiniFrameWnd::CanBeAttachedTo(CTavoPBaseControlBar* pDockingBar)
{
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    return pDockingBar != NULL && pBar != NULL && pDockingBar->CanAcceptBar(pBar);
}

void CTavoPMiniFrameWnd::AddControlBar(CTavoPBaseControlBar* pBar)
{
    if (pBar == NULL || m_hEmbeddedBar == pBar->GetSafeHwnd())
        return;
    m_hEmbeddedBar = pBar->GetSafeHwnd();
    CString strTitle;
    pBar->GetWindowText(strTitle);
    SetWindowText(strTitle);
    SendMessage(WM_SETICON, ICON_SMALL, pBar->SendMessage(WM_GETICON, ICON_SMALL, 0));
    SendMessage(WM_SETICON, ICON_BIG, pBar->SendMessage(WM_GETICON, ICON_BIG, 0));
    AddRemoveBarFromGlobalList(pBar, TRUE);
    if (pBar->CanBeClosed())
        SetCaptionButtons(TAVOP_CAPTION_BTN_CLOSE);
    StartRollUp();
}

void CTavoPMiniFrameWnd::RemoveControlBar(CTavoPBaseControlBar* pBar, BOOL bDestroy,
                                          BOOL bKeepWhenEmpty)
{
    m_bKeepWhenEmpty = bKeepWhenEmpty;
    AddRemoveBarFromGlobalList(pBar, FALSE);
    if (pBar != NULL)
        pBar->OnBarHook2(0);
    if (pBar != NULL && m_hEmbeddedBar == pBar->GetSafeHwnd())
        m_hEmbeddedBar = NULL;
    StopRollUp();
    if (GetControlBarCount() > 0)
        return;
    if (bDestroy)
        DestroyWindow();
    else
        PostMessage(TavoPCheckEmptyMiniFrameMessage());
}

void CTavoPMiniFrameWnd::ReplaceControlBar(CTavoPBaseControlBar* pBarOrg,
                                           CTavoPBaseControlBar* pBarReplaceWith)
{
    AddRemoveBarFromGlobalList(pBarOrg, FALSE);
    if (pBarOrg != NULL && m_hEmbeddedBar == pBarOrg->GetSafeHwnd())
        m_hEmbeddedBar = pBarReplaceWith->GetSafeHwnd();
    AddRemoveBarFromGlobalList(pBarReplaceWith, TRUE);
}

// ---- moving

void CTavoPMiniFrameWnd::EnterDragMode(BOOL bEnter)
{
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, GetControlBar());
    if (pBar != NULL)
        pBar->SetDragMode(bEnter);
    if (bEnter)
        return;
    if (m_hWndTearOffSource != NULL && ::IsWindow(m_hWndTearOffSource))
        ::DestroyWindow(m_hWndTearOffSource);
    m_hWndTearOffSource = NULL;
    if (pBar != NULL)
    {
        HWND hPending = pBar->GetPendingFrameToDestroy();
        pBar->SetPendingFrameToDestroy(NULL);
        if (hPending != NULL && hPending != m_hWnd && ::IsWindow(hPending))
            ::DestroyWindow(hPending);
    }
}

void CTavoPMiniFrameWnd::StartMoving(HWND hwndTearOffSource)
{
    if (m_bMoving)
        return;
    SetCapture();
    if (m_hWndTearOffSource == NULL)
        m_hWndTearOffSource = hwndTearOffSource;
    m_bMoving = true;
    EnterDragMode(TRUE);
    ::GetCursorPos(&m_ptLast);
    m_dragFrame.Init(this);
    m_dragFrame.m_ptHot = m_ptLast;
    if (GetDockingMode() == TAVOP_DOCK_IMMEDIATE)
        ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
}

void CTavoPMiniFrameWnd::EndMoving()
{
    StopMoveTimer();
    if (!m_bMoving)
        return;
    m_bMoving = false;
    if (::GetCapture() == m_hWnd)
        ReleaseCapture();
    EnterDragMode(FALSE);
}

void CTavoPMiniFrameWnd::StoreRecentFloatState()
{
    GetWindowRect(m_rectRecentFloatingRect);
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, GetControlBar());
    if (pBar == NULL)
        return;
    pBar->GetRecentDockInfo().m_rectRecentFloatingRect = m_rectRecentFloatingRect;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    pBar->ScreenToClient(&ptCursor);
    pBar->SetGrabPoint(ptCursor);
}

void CTavoPMiniFrameWnd::StartMoveTimer(UINT nElapse)
{
    if (m_hWnd == NULL)
        return;
    StopMoveTimer();
    m_nMoveTimer = SetTimer(TAVOP_MINIFRAME_MOVE_TIMER, nElapse, NULL);
}

void CTavoPMiniFrameWnd::StopMoveTimer()
{
    if (m_nMoveTimer != 0 && m_hWnd != NULL)
        KillTimer(m_nMoveTimer);
    m_nMoveTimer = 0;
}

BOOL CTavoPMiniFrameWnd::AskDockSiteToMove()
{
    CFrameWnd* pFrame = GetDockSiteFrame();
    if (CTavoPFrameWnd* pLibraryFrame = DYNAMIC_DOWNCAST(CTavoPFrameWnd, pFrame))
        return pLibraryFrame->OnMoveMiniFrame(this);
    CTavoPDockManager* pManager = GetDockingUtils().GetDockManager(pFrame);
    return pManager == NULL || pManager->OnMoveMiniFrame(this);
}

// ---- docking

BOOL CTavoPMiniFrameWnd::SetDockTarget(int nStatus, CTavoPBaseControlBar* pTarget, int nDockMethod)
{
    if (nStatus == 0)
        return TRUE;
    if (pTarget != NULL && pTarget->GetParentMiniFrame() != NULL)
        return TRUE;
    const BOOL bWasMoving = m_bMoving;
    if (m_bMoving)
    {
        m_bMoving = false;
        if (::GetCapture() == m_hWnd)
            ReleaseCapture();
        EnterDragMode(FALSE);
    }
    m_nDockStatus = nStatus;
    m_pDockTarget = pTarget != NULL && (pTarget->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)) ||
                                        pTarget->IsKindOf(RUNTIME_CLASS(CTavoPDockBar)))
                        ? pTarget
                        : NULL;
    BOOL bDocked = FALSE;
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, DockFrame(bDocked));
    if (bDocked && pBar != NULL)
    {
        pBar->AdjustDockingLayout(NULL);
        if (bWasMoving)
            pBar->StartDrag(FALSE);
    }
    return FALSE;
}

CWnd* CTavoPMiniFrameWnd::DockFrame(BOOL& bDocked)
{
    bDocked = FALSE;
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, GetControlBar());
    if (GetDockingMode() == TAVOP_DOCK_IMMEDIATE)
    {
        CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar);
        if (m_nDockStatus == 1 && pPane != NULL)
        {
            // At a frame edge (no target) or beside the target pane.
            bDocked = pPane->DockByMethod(m_pDockTarget, NULL, TAVOP_DM_MOUSE);
        }
        else if (m_nDockStatus == 1 && pBar != NULL)
        {
            CTavoPDockBar* pDockBar = DYNAMIC_DOWNCAST(CTavoPDockBar, m_pDockTarget);
            bDocked = pDockBar != NULL && pBar->DockToBarByMouse(pDockBar);
        }
        else if (m_nDockStatus == 2 && m_pDockTarget != NULL && pPane != NULL)
        {
            CTavoPDockingControlBar* pTarget =
                DYNAMIC_DOWNCAST(CTavoPDockingControlBar, m_pDockTarget);
            // Only a pane that really went into the tab group counts as docked.
            bDocked = pTarget != NULL &&
                      pPane->AttachToTabbedBar(pTarget, TAVOP_DM_MOUSE, TRUE, NULL) != NULL;
        }
        m_nDockStatus = 0;
        m_pDockTarget = NULL;
        return pBar;
    }
    if (GetDockingMode() == TAVOP_DOCK_OUTLINE)
    {
        const CRect rectOutline = m_dragFrame.m_rectDrag;
        m_dragFrame.EndDrawDragFrame();
        CWnd* pDocked = DockBarAtDragPosition(bDocked);
        if (rectOutline.IsRectEmpty() || pDocked != NULL || bDocked)
            return pDocked;
        MoveWindow(rectOutline, TRUE);
        if (!IsWindowVisible() && GetControlBarCount() > 0)
            ShowWindow(SW_SHOWNOACTIVATE);
        return NULL;
    }
    return NULL;
}

CWnd* CTavoPMiniFrameWnd::DockBarAtDragPosition(BOOL& bDocked)
{
    bDocked = FALSE;
    CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, GetControlBar());
    if (pPane == NULL || CTavoPDockManager::IsDockingSuppressed())
        return NULL;
    if (!pPane->IsVisible() && pPane->GetDockingMode() == TAVOP_DOCK_OUTLINE)
        pPane->ShowControlBar(TRUE, FALSE, FALSE);
    return pPane->DoDockByMouse(bDocked);
}

// ---- mouse and keyboard

void CTavoPMiniFrameWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    CPoint ptScreen;
    ::GetCursorPos(&ptScreen);
    CTavoPCaptionButton* pButton = FindCaptionButton(m_nHot);
    if (pButton != NULL && pButton->GetKind() == (UINT)HitTest(ptScreen, FALSE))
    {
        m_nHit = m_nHot;
        pButton->m_bPushed = TRUE;
        SetCapture();
        RedrawCaptionButton(pButton);
        return;
    }
    StartMoving();
    StoreRecentFloatState();
    Default();
}

void CTavoPMiniFrameWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bIgnoreNextMove)
    {
        m_bIgnoreNextMove = false;
        return;
    }
    if (m_nHit != 0)
    {
        // A pressed caption button shows pushed only while the cursor is on it.
        CPoint ptScreen;
        ::GetCursorPos(&ptScreen);
        CTavoPCaptionButton* pButton = FindCaptionButton(m_nHit);
        const BOOL bOver = (UINT)HitTest(ptScreen, FALSE) == m_nHit;
        if (pButton != NULL && pButton->m_bFocused != bOver)
        {
            pButton->m_bFocused = bOver;
            m_nHot = bOver ? m_nHit : 0;
            RedrawCaptionButton(pButton);
        }
        return;
    }
    if (!m_bMoving)
    {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        TrackCaptionButtons(ptScreen);
        Default();
        return;
    }
    if (GetDockingMode() == TAVOP_DOCK_OUTLINE)
    {
        m_dragFrame.MoveDragFrame();
        return;
    }
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    if (AskDockSiteToMove() && m_bMoving)
    {
        MoveBy(ptCursor.x - m_ptLast.x, ptCursor.y - m_ptLast.y);
        m_ptLast = ptCursor;
    }
    ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
}

void CTavoPMiniFrameWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bMoving)
    {
        m_bMoving = false;
        StopMoveTimer();
        if (::GetCapture() == m_hWnd)
            ReleaseCapture();
        EnterDragMode(FALSE);
        BOOL bDocked = FALSE;
        if (DockFrame(bDocked) != NULL || bDocked)
            return;
        m_dragFrame.m_rectDrag.SetRectEmpty();
    }
    if (m_nHit != 0)
    {
        const UINT nHit = m_nHit;
        const BOOL bOnButton = m_nHot == nHit;
        if (CTavoPCaptionButton* pButton = FindCaptionButton(nHit))
        {
            pButton->m_bPushed = FALSE;
            pButton->m_bFocused = FALSE;
        }
        m_nHit = m_nHot = 0;
        if (::GetCapture() == m_hWnd)
            ReleaseCapture();
        SendMessage(WM_NCPAINT);
        if (bOnButton && nHit == TAVOP_HT_PIN)
        {
            m_bPinned = !m_bPinned;
            SendMessage(WM_NCPAINT);
        }
        else if (bOnButton && nHit == TAVOP_HT_CLOSE && CanClose())
        {
            CloseMiniFrame();
            return;
        }
    }
    Default();
}

void CTavoPMiniFrameWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, GetControlBar());
    if (HasDockingSide(pBar))
    {
        // The press of the double click started a move that has nothing to do now.
        EndMoving();
        StoreRecentFloatState();
        if (pBar->DockToBar(NULL, NULL, TAVOP_DM_RECENT))
            return;
    }
    Default();
}

void CTavoPMiniFrameWnd::OnMoving(UINT nSide, LPRECT lpRect)
{
    Default();
    AskDockSiteToMove();
}

void CTavoPMiniFrameWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TAVOP_MINIFRAME_MOVE_TIMER)
    {
        CTavoPDockManager* pManager = GetDockManager();
        if (pManager != NULL)
            pManager->OnMoveMiniFrame(this);
    }
    else if (nIDEvent == TAVOP_MINIFRAME_ROLLUP_TIMER)
    {
        CheckRollUp();
    }
    Default();
}

void CTavoPMiniFrameWnd::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_ESCAPE || !m_bMoving)
    {
        Default();
        return;
    }
    if (GetDockingMode() == TAVOP_DOCK_OUTLINE)
    {
        OnCancelMode();
        Default();
        return;
    }
    // An immediate move always ends here: the bar goes back to its dock, or the frame back to
    // where the move started.
    EndMoving();
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, GetControlBar());
    if (HasDockingSide(pBar))
    {
        pBar->GetRecentDockInfo().m_rectRecentFloatingRect = m_rectRecentFloatingRect;
        if (pBar->DockToBar(NULL, NULL, TAVOP_DM_RECENT) && pBar->GetParentMiniFrame() != this)
            return;
    }
    MoveWindow(m_rectRecentFloatingRect, TRUE);
}

void CTavoPMiniFrameWnd::OnCancelMode()
{
    if (m_nHit != 0 || m_nHot != 0)
    {
        for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != NULL;)
        {
            CTavoPCaptionButton* pButton = (CTavoPCaptionButton*)m_lstCaptionButtons.GetNext(pos);
            pButton->m_bPushed = pButton->m_bFocused = FALSE;
        }
        m_nHit = m_nHot = 0;
        if (::GetCapture() == m_hWnd)
            ReleaseCapture();
        SendMessage(WM_NCPAINT);
    }
    if (m_bMoving)
    {
        if (GetDockingMode() == TAVOP_DOCK_OUTLINE)
        {
            m_dragFrame.EndDrawDragFrame();
            CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, GetControlBar());
            if (!IsWindowVisible() && pBar != NULL && pBar->GetParent() == this)
            {
                pBar->DockToBar(NULL, NULL, TAVOP_DM_RECENT);
                pBar->ShowControlBar(TRUE, FALSE, TRUE);
            }
        }
        EndMoving();
    }
    Default();
}

void CTavoPMiniFrameWnd::OnCaptureChanged(CWnd* pWnd)
{
    if ((m_bMoving || m_nHit != 0) && (pWnd == NULL || pWnd->GetSafeHwnd() != m_hWnd))
        OnCancelMode();
    else
        Default();
}

void CTavoPMiniFrameWnd::OnDestroy()
{
    if (m_bMoving)
    {
        m_bMoving = false;
        if (::GetCapture() == m_hWnd)
            ReleaseCapture();
        EnterDragMode(FALSE);
    }
    StopMoveTimer();
    if (m_nRollUpTimer != 0)
        KillTimer(m_nRollUpTimer);
    m_nRollUpTimer = 0;
    CTavoPDockManager* pManager = GetDockManager();
    if (pManager != NULL)
        pManager->RemoveMiniFrame(this);
    TavoPFloatingFrameList().remove(m_hWnd);
    // Bars that still float here leave the registry with their frame.
    for (auto it = TavoPFloatingBarRegistry().begin(); it != TavoPFloatingBarRegistry().end();)
    {
        if (::GetParent(it->second) == m_hWnd || !::IsWindow(it->second))
            it = TavoPFloatingBarRegistry().erase(it);
        else
            ++it;
    }
    Default();
}

void CTavoPMiniFrameWnd::OnNcDestroy()
{
    // A dying frame only lets go of the mouse: docking its bar back now would work on windows
    // that are being destroyed with it.
    if (::GetCapture() == m_hWnd)
        ReleaseCapture();
    m_bMoving = false;
    m_nHit = m_nHot = 0;
    m_nMoveTimer = m_nRollUpTimer = 0;
    CWnd::OnNcDestroy();
}

LRESULT CTavoPMiniFrameWnd::OnCheckEmptyMiniFrame(WPARAM wParam, LPARAM lParam)
{
    ValidateBar();
    if (GetControlBarCount() > 0)
        return 0;
    if (m_bKeepWhenEmpty)
        ShowWindow(SW_HIDE);
    else
        DestroyWindow();
    return 0;
}

// ---- the menu tear-off

BOOL CTavoPMiniFrameWnd::TrackTearOffMove(CWnd* pMenuFrame)
{
    HWND hwndMenu = pMenuFrame->GetSafeHwnd();
    if (hwndMenu != NULL)
        ::ShowWindow(hwndMenu, SW_HIDE);
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    if (pBar == NULL)
        return FALSE;

    MSG msg;
    while (::PeekMessage(&msg, NULL, WM_PAINT, WM_PAINT, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
            return FALSE;
        ::DispatchMessage(&msg);
    }
    if (::GetCapture() != NULL)
        return FALSE;

    CRect rectFrame;
    GetWindowRect(rectFrame);
    pBar->SetCapture();
    ::SetCursorPos(rectFrame.CenterPoint().x, rectFrame.top + 5);

    BOOL bAccept = FALSE;
    BOOL bQuit = FALSE;
    int nQuitCode = 0;
    while (::GetCapture() == pBar->GetSafeHwnd())
    {
        if (!::GetMessage(&msg, NULL, 0, 0))
        {
            bQuit = TRUE;
            nQuitCode = (int)msg.wParam;
            break;
        }
        if (msg.message == WM_KEYDOWN)
        {
            if (msg.wParam == VK_ESCAPE)
                break;
            continue;
        }
        if (msg.message == WM_RBUTTONDOWN)
            break;
        if (msg.message == WM_LBUTTONUP)
        {
            bAccept = TRUE;
            break;
        }
        if (msg.message == WM_MOUSEMOVE)
        {
            CPoint ptCursor;
            ::GetCursorPos(&ptCursor);
            GetWindowRect(rectFrame);
            CWnd::SetWindowPos(NULL, ptCursor.x - rectFrame.Width() / 2, ptCursor.y - 5, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    if (::GetCapture() == pBar->GetSafeHwnd())
        ReleaseCapture();
    if (bQuit)
        ::PostQuitMessage(nQuitCode);

    if (hwndMenu != NULL && ::IsWindow(hwndMenu))
    {
        if (bAccept)
        {
            ::SendMessage(hwndMenu, WM_CLOSE, 0, 0);
            CFrameWnd* pFrame = GetDockSiteFrame();
            if (pFrame == NULL)
                pFrame = GetTopLevelFrame();
            if (pFrame != NULL)
                pFrame->SetFocus();
        }
        else
        {
            ::SetWindowPos(hwndMenu, NULL, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                               SWP_SHOWWINDOW);
        }
    }
    if (bAccept)
        return TRUE;
    // A cancelled tear-off leaves nothing behind: neither the bar, nor its place in the frame's
    // list of torn-off bars, nor its registry entry.
    CFrameWnd* pOwner = GetDockSiteFrame();
    if (pOwner == NULL)
        pOwner = GetTopLevelFrame();
    if (CTavoPFrameImpl* pImpl = CTavoPFrameImpl::FromFrame(pOwner))
        pImpl->RemoveTearOffBar(DYNAMIC_DOWNCAST(CTavoPControlBar, pBar));
    AddRemoveBarFromGlobalList(pBar, FALSE);
    m_hEmbeddedBar = NULL;
    pBar->DestroyWindow();
    delete pBar;
    return FALSE;
}

// ---- the stored record

void CTavoPMiniFrameWnd::Serialize(CArchive& ar)
{
    CWnd::Serialize(ar);
    if (ar.IsStoring())
    {
        CRect rect;
        GetWindowRect(rect);
        if (m_bRolledUp)
            rect.bottom = rect.top + m_nHeightBeforeRollUp;
        CWnd* pBar = GetControlBar();
        ar << (DWORD)GetStyle();
        ar << rect;
        ar << (int)IsWindowVisible();
        ar << (int)(pBar != NULL ? pBar->GetDlgCtrlID() : 0);
        ar << m_nCaptionButtons;
        ar << m_bPinned;
        return;
    }
    DWORD dwStyle = 0;
    CRect rect;
    int nVisible = 0;
    int nBarID = 0;
    int nButtons = 0;
    BOOL bPinned = FALSE;
    ar >> dwStyle;
    ar >> rect;
    ar >> nVisible;
    ar >> nBarID;
    ar >> nButtons;
    ar >> bPinned;
    m_nRestoredBarID = (UINT)nBarID;
    m_nCaptionButtons =
        nButtons & (TAVOP_CAPTION_BTN_PIN | TAVOP_CAPTION_BTN_CLOSE | TAVOP_CAPTION_BTN_THIRD);
    m_bPinned = bPinned != 0;
    rect.NormalizeRect();
    // The frame shows itself when its bar is back; a stored child style would tie it to the
    // dock site's client area.
    dwStyle &= ~(WS_VISIBLE | WS_CHILD | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
    if (!Create("", dwStyle, rect, m_pLoadingDockSite))
        AfxThrowArchiveException(CArchiveException::genericException);
    m_hDockSite = m_pLoadingDockSite->GetSafeHwnd();
}

void CTavoPMiniFrameWnd::SetDockState(CTavoPDockManager* pDockManager)
{
    // Taking the bar in sets buttons of its own; the stored ones win.
    const int nStoredButtons = m_nCaptionButtons;
    CTavoPControlBar* pBar = NULL;
    if (m_nRestoredBarID != 0 && pDockManager != NULL)
        pBar =
            DYNAMIC_DOWNCAST(CTavoPControlBar, pDockManager->FindBarByID(m_nRestoredBarID, TRUE));
    if (pBar == NULL || !pBar->CanFloat() || pBar->GetSafeHwnd() == NULL ||
        pBar->GetParentMiniFrame() == this)
    {
        if (pBar == NULL || pBar->GetParentMiniFrame() != this)
            DestroyWindow();
        return;
    }
    if (!pBar->IsFloating())
    {
        CRect rectBar;
        pBar->GetWindowRect(rectBar);
        pBar->FloatControlBar(rectBar, TAVOP_DM_SHOW, FALSE);
    }
    CTavoPMiniFrameWnd* pTemporary = pBar->GetParentMiniFrame();
    if (pTemporary != NULL && pTemporary != this)
        pTemporary->RemoveControlBar(pBar, FALSE, FALSE);
    pBar->SetParent(this);
    pBar->AdjustDockingLayout(NULL);
    AddControlBar(pBar);
    pBar->CWnd::SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    pBar->AdjustLayout();
    SizeToContent();
    CWnd::SetWindowPos(NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    const BOOL bVisible = pBar->GetStoredValue() ? pBar->GetStoredVisibility() : TRUE;
    pBar->ShowWindow(bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
    ShowWindow(bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
    SetCaptionButtons(nStoredButtons);
}
