// The docking pane pinned off to a frame edge: entering and leaving auto-hide mode, the slide
// out and back in, and the check that slides it back once the mouse has left it.
#include <algorithm>
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPAutoHideButton.h"
#include "ui/bars/docking/CTavoPAutoHideDockBar.h"
#include "ui/bars/docking/CTavoPAutoHideToolBar.h"
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/docking/CTavoPTimerSource.h"

namespace {

const UINT_PTR kSlideInTimer = 1;
const UINT_PTR kSlideOutTimer = 2;
const UINT_PTR kMouseCheckTimer = 3;

DWORD SideOf(DWORD dwAlignment)
{
    switch (dwAlignment & CBRS_ALIGN_ANY)
    {
    case CBRS_ALIGN_LEFT: return CBRS_ALIGN_LEFT;
    case CBRS_ALIGN_RIGHT: return CBRS_ALIGN_RIGHT;
    case CBRS_ALIGN_TOP: return CBRS_ALIGN_TOP;
    case CBRS_ALIGN_BOTTOM: return CBRS_ALIGN_BOTTOM;
    default: return 0;
    }
}

// The rectangle of pWnd in the client coordinates of pParent.
CRect RectIn(CWnd* pWnd, CWnd* pParent)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    pParent->ScreenToClient(rect);
    return rect;
}

} // namespace

CTavoPAutoHideToolBar* CTavoPDockingControlBar::SetAutoHideMode(
    BOOL bMode, DWORD dwAlignment, CTavoPAutoHideToolBar* pCurrAutoHideBar, BOOL bUseTimer)
{
    if (!bMode)
    {
        // A pane pinned with a tab group comes back with its group: the first pane of the
        // strip docks to its place and the others join it as tabs.
        CTavoPAutoHideToolBar* pStrip = m_pAutoHideBar;
        if (pStrip != NULL && ::IsWindow(pStrip->GetSafeHwnd()) && pStrip->GetButtonCount() > 1)
        {
            CTavoPDockingControlBar* pFirst = pStrip->GetFirstBar();
            const HWND hFirst = pFirst != NULL ? pFirst->GetSafeHwnd() : NULL;
            if (pFirst != NULL)
                pFirst->UnSetAutoHideMode(NULL);
            if (::IsWindow(pStrip->GetSafeHwnd()))
                pStrip->UnpinAll(::IsWindow(hFirst) ? pFirst : NULL);
        }
        else
        {
            UnSetAutoHideMode(NULL);
        }
        return NULL;
    }
    if (m_bAutoHideMode)
        return m_pAutoHideBar;
    CTavoPDockManager* pManager = GetDockManager();
    CFrameWnd* pDockSite = GetDockSiteFrame();
    const DWORD dwSide = SideOf(dwAlignment);
    // Without an auto-hide dock bar on that side there is nowhere to pin to: the pane stays.
    if (pManager == NULL || pDockSite == NULL || dwSide == 0 || m_hWnd == NULL ||
        !pManager->IsAutoHideEnabled(dwSide))
        return NULL;

    const CRect rectOld = RectIn(this, pDockSite);
    StoreRecentDockInfo();
    Undock(TRUE);
    CTavoPSlider* pSlider = CTavoPBarTreeManager::CreateDefaultSlider(pDockSite, dwSide);
    if (pSlider == NULL)
    {
        DockToRecentPlace(NULL);
        return NULL;
    }
    m_bAutoHideMode = TRUE;
    m_hDefaultSlider = pSlider->GetSafeHwnd();
    pSlider->SetAutoHideMode(TRUE);
    pSlider->SetCurrentAlignment(dwSide);
    SetCurrentAlignment(dwSide);
    pSlider->AddBar(this);

    CTavoPAutoHideToolBar* pStrip = pManager->AutoHideBar(this, pCurrAutoHideBar);
    if (pStrip == NULL)
    {
        // No strip could be made: the pane goes back where it was.
        m_bAutoHideMode = FALSE;
        LeaveSlider();
        if (::IsWindow(pSlider->GetSafeHwnd()))
        {
            pManager->RemoveControlBar(pSlider, FALSE, FALSE, TRUE);
            pSlider->DestroyWindow();
        }
        DockToRecentPlace(NULL);
        AdjustDockingLayout(NULL);
        return NULL;
    }
    m_pAutoHideBar = pStrip;
    if (IsWindowVisible())
    {
        RedrawWindow(NULL, NULL,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        pSlider->RedrawWindow(
            NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        pDockSite->RedrawWindow(rectOld, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    else
    {
        ShowWindow(SW_SHOWNOACTIVATE);
        pSlider->ShowWindow(SW_SHOWNOACTIVATE);
    }
    if (bUseTimer)
        StartSlideTimer(kMouseCheckTimer, m_nMouseCheckPeriod);
    else
        Slide(FALSE, FALSE);
    return pStrip;
}

void CTavoPDockingControlBar::UnSetAutoHideMode(CTavoPDockingControlBar* pFirstBarInGroup)
{
    if (!m_bAutoHideMode)
        return;
    m_bAutoHideMode = FALSE;
    KillSlideTimers();
    m_bSliding = FALSE;
    m_nSlideStepCount = 0;
    CTavoPAutoHideToolBar* pStrip = m_pAutoHideBar;
    const BOOL bActive = pStrip != NULL && ::IsWindow(pStrip->GetSafeHwnd()) &&
                         pStrip->GetActiveButton() != NULL &&
                         pStrip->GetActiveButton() == m_pAutoHideButton;
    m_pAutoHideBar = NULL;
    if (pStrip != NULL && ::IsWindow(pStrip->GetSafeHwnd()))
        pStrip->RemoveAutoHideButton(this);
    m_pAutoHideButton = NULL;

    CTavoPSlider* pSlider = GetDefaultSlider();
    const HWND hSlider = pSlider != NULL ? pSlider->GetSafeHwnd() : NULL;
    LeaveSlider();
    if (::IsWindow(hSlider) && pSlider->IsAutoHideMode())
    {
        RemoveControlBarFromDockManager(pSlider, FALSE, FALSE, TRUE);
        pSlider->DestroyWindow();
    }

    const HWND hWnd = m_hWnd;
    if (pFirstBarInGroup != NULL && pFirstBarInGroup != this &&
        ::IsWindow(pFirstBarInGroup->GetSafeHwnd()))
    {
        AttachToTabbedBar(pFirstBarInGroup, TAVOP_DM_SHOW, bActive, NULL);
    }
    else if (!DockToRecentPlace(NULL))
    {
        return;
    }
    if (!::IsWindow(hWnd))
        return;
    ShowControlBar(TRUE, FALSE, bActive);
    AdjustDockingLayout(NULL);
}

void CTavoPDockingControlBar::StartSlideTimer(UINT_PTR nID, UINT nElapse)
{
    if (m_hWnd == NULL)
        return;
    if (nID == kMouseCheckTimer)
        m_nMouseCheckTimer = CTavoPTimerSource::Get().Set(m_hWnd, nID, nElapse) != 0 ? nID : 0;
    else
        m_nSlideTimer = CTavoPTimerSource::Get().Set(m_hWnd, nID, nElapse) != 0 ? nID : 0;
}

void CTavoPDockingControlBar::KillSlideTimers()
{
    if (m_hWnd != NULL)
    {
        if (m_nSlideTimer != 0)
            CTavoPTimerSource::Get().Kill(m_hWnd, m_nSlideTimer);
        if (m_nMouseCheckTimer != 0)
            CTavoPTimerSource::Get().Kill(m_hWnd, m_nMouseCheckTimer);
    }
    m_nSlideTimer = 0;
    m_nMouseCheckTimer = 0;
}

CTavoPAutoHideDockBar* CTavoPDockingControlBar::GetAutoHideDockBar() const
{
    if (m_pAutoHideBar == NULL || !::IsWindow(m_pAutoHideBar->GetSafeHwnd()))
        return NULL;
    return DYNAMIC_DOWNCAST(CTavoPAutoHideDockBar, m_pAutoHideBar->GetParentDockBar());
}

void CTavoPDockingControlBar::Slide(BOOL bSlideOut, BOOL bUseTimer)
{
    CTavoPSlider* pSlider = GetDefaultSlider();
    CFrameWnd* pDockSite = GetDockSiteFrame();
    CTavoPDockManager* pManager = GetDockManager();
    // Every piece the slide moves must still be there.
    if (!m_bAutoHideMode || pSlider == NULL || pDockSite == NULL || pManager == NULL ||
        GetAutoHideDockBar() == NULL)
        return;
    KillSlideTimers();
    m_bSliding = FALSE;
    m_nSlideStepCount = 0;

    const DWORD dwSide = SideOf(GetCurrentAlignment());
    if (bSlideOut)
    {
        pManager->HideAutoHideBars(this, FALSE);
        // Fully out first, then as far back as the pane is thick: the slide starts behind
        // the strip.
        pManager->AlignAutoHideSlider(pSlider, FALSE);
        if (bUseTimer)
            MoveSlideRects(dwSide == CBRS_ALIGN_LEFT || dwSide == CBRS_ALIGN_TOP ? -SlideExtent()
                                                                                 : SlideExtent());
        ShowWindow(SW_SHOWNOACTIVATE);
        pSlider->ShowWindow(SW_SHOWNOACTIVATE);
    }
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    pSlider->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The dock bars, the strips among them, stay above a pane that slides under them; the
    // docked panes stay below it.
    pManager->BringBarsToTop(0, TRUE);

    if (!bUseTimer)
    {
        if (bSlideOut)
        {
            StartSlideTimer(kMouseCheckTimer, m_nMouseCheckPeriod);
            return;
        }
        m_nSlideStep = SlideExtent();
        OnSlide(FALSE);
        ShowWindow(SW_HIDE);
        pSlider->ShowWindow(SW_HIDE);
        return;
    }
    m_nSlideStep = SlideExtent() / m_nSlideSteps;
    if (m_nSlideStep <= 0)
        m_nSlideStep = 1;
    m_bSliding = TRUE;
    m_bSlidingIn = !bSlideOut;
    StartSlideTimer(bSlideOut ? kSlideOutTimer : kSlideInTimer, m_nSlideStepPeriod);
}

int CTavoPDockingControlBar::SlideExtent() const
{
    CRect rect;
    GetWindowRect(rect);
    const DWORD dwSide = SideOf(GetCurrentAlignment());
    return dwSide == CBRS_ALIGN_TOP || dwSide == CBRS_ALIGN_BOTTOM ? rect.Height() : rect.Width();
}

void CTavoPDockingControlBar::MoveSlideRects(int nOffset)
{
    CTavoPSlider* pSlider = GetDefaultSlider();
    CFrameWnd* pDockSite = GetDockSiteFrame();
    if (pSlider == NULL || pDockSite == NULL)
        return;
    const DWORD dwSide = SideOf(GetCurrentAlignment());
    const BOOL bHorz = dwSide == CBRS_ALIGN_TOP || dwSide == CBRS_ALIGN_BOTTOM;
    CRect rectBar = RectIn(this, pDockSite);
    CRect rectSlider = RectIn(pSlider, pDockSite);
    rectBar.OffsetRect(bHorz ? 0 : nOffset, bHorz ? nOffset : 0);
    rectSlider.OffsetRect(bHorz ? 0 : nOffset, bHorz ? nOffset : 0);
    CWnd::SetWindowPos(NULL, rectBar.left, rectBar.top, rectBar.Width(), rectBar.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    pSlider->SetWindowPos(NULL, rectSlider.left, rectSlider.top, rectSlider.Width(),
                          rectSlider.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTavoPDockingControlBar::OnSlide(BOOL bSlideOut)
{
    CTavoPSlider* pSlider = GetDefaultSlider();
    CFrameWnd* pDockSite = GetDockSiteFrame();
    CTavoPAutoHideDockBar* pDockBar = GetAutoHideDockBar();
    if (!m_bAutoHideMode || pSlider == NULL || pDockSite == NULL || pDockBar == NULL)
        return;
    m_nSlideStepCount++;
    const DWORD dwSide = SideOf(GetCurrentAlignment());
    const BOOL bTowardsEnd = dwSide == CBRS_ALIGN_LEFT || dwSide == CBRS_ALIGN_TOP;
    int nOffset = (bTowardsEnd == bSlideOut) ? m_nSlideStep : -m_nSlideStep;
    if (bSlideOut)
    {
        // The pane's outer edge never passes the strip's inner edge.
        const CRect rectBar = RectIn(this, pDockSite);
        const CRect rectDockBar = RectIn(pDockBar, pDockSite);
        switch (dwSide)
        {
        case CBRS_ALIGN_LEFT:
            nOffset = std::min(nOffset, (int)(rectDockBar.right - rectBar.left));
            break;
        case CBRS_ALIGN_TOP:
            nOffset = std::min(nOffset, (int)(rectDockBar.bottom - rectBar.top));
            break;
        case CBRS_ALIGN_RIGHT:
            nOffset = std::max(nOffset, (int)(rectDockBar.left - rectBar.right));
            break;
        default: nOffset = std::max(nOffset, (int)(rectDockBar.top - rectBar.bottom)); break;
        }
    }
    MoveSlideRects(nOffset);
}

BOOL CTavoPDockingControlBar::IsSlideFinished(BOOL bSlideOut) const
{
    CFrameWnd* pDockSite = GetDockSiteFrame();
    CTavoPAutoHideDockBar* pDockBar = GetAutoHideDockBar();
    if (!m_bAutoHideMode || pDockSite == NULL || pDockBar == NULL)
        return TRUE;
    const CRect bar = RectIn(const_cast<CTavoPDockingControlBar*>(this), pDockSite);
    const CRect dock = RectIn(pDockBar, pDockSite);
    switch (SideOf(GetCurrentAlignment()))
    {
    case CBRS_ALIGN_LEFT: return bSlideOut ? bar.left >= dock.right : dock.right >= bar.right;
    case CBRS_ALIGN_TOP: return bSlideOut ? bar.top >= dock.bottom : dock.bottom >= bar.bottom;
    case CBRS_ALIGN_RIGHT: return bSlideOut ? dock.left >= bar.right : bar.left >= dock.left;
    default: return bSlideOut ? dock.top >= bar.bottom : bar.top >= dock.top;
    }
}

BOOL CTavoPDockingControlBar::CheckStopSlideCondition()
{
    if (!m_bAutoHideMode || m_bDisableAutoHideHiding || m_hWnd == NULL)
        return FALSE;
    // A pane holding the focus stays out.
    const HWND hFocus = ::GetFocus();
    if (m_bActive || (hFocus != NULL && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus))))
        return FALSE;
    if (m_wndToolTip.GetSafeHwnd() != NULL && m_wndToolTip.IsWindowVisible())
        return FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    CTavoPSlider* pSlider = GetDefaultSlider();
    CRect rectUnion;
    GetWindowRect(rectUnion);
    if (pSlider != NULL)
    {
        CRect rectSlider;
        pSlider->GetWindowRect(rectSlider);
        rectUnion.UnionRect(rectUnion, rectSlider);
    }
    BOOL bOver = FALSE;
    for (HWND hWnd = ::WindowFromPoint(pt); hWnd != NULL && !bOver; hWnd = ::GetParent(hWnd))
        bOver = hWnd == m_hWnd || (pSlider != NULL && hWnd == pSlider->GetSafeHwnd());
    bOver = bOver && rectUnion.PtInRect(pt);
    if (!bOver && m_pAutoHideButton != NULL && m_pAutoHideBar != NULL &&
        ::IsWindow(m_pAutoHideBar->GetSafeHwnd()))
    {
        CRect rectButton = m_pAutoHideButton->GetRect();
        m_pAutoHideBar->ClientToScreen(rectButton);
        bOver = rectButton.PtInRect(pt);
    }
    if (bOver)
        return FALSE;
    Slide(FALSE, TRUE);
    return TRUE;
}

void CTavoPDockingControlBar::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case kSlideInTimer:
    case kSlideOutTimer:
    {
        const BOOL bSlideOut = nIDEvent == kSlideOutTimer;
        if (!m_bAutoHideMode || GetDefaultSlider() == NULL || GetAutoHideDockBar() == NULL)
        {
            // A tick left over from a mode the pane has left moves and hides nothing.
            KillSlideTimers();
            m_bSliding = FALSE;
            return;
        }
        m_bSlidingIn = !bSlideOut;
        OnSlide(bSlideOut);
        if (!IsSlideFinished(bSlideOut))
            return;
        if (m_nSlideTimer != 0)
            CTavoPTimerSource::Get().Kill(m_hWnd, m_nSlideTimer);
        m_nSlideTimer = 0;
        m_bSliding = FALSE;
        m_nSlideStepCount = 0;
        CTavoPSlider* pSlider = GetDefaultSlider();
        if (bSlideOut)
        {
            RedrawWindow(NULL, NULL,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
            if (pSlider != NULL)
                pSlider->Invalidate();
            if (m_nMouseCheckTimer != 0)
                CTavoPTimerSource::Get().Kill(m_hWnd, m_nMouseCheckTimer);
            StartSlideTimer(kMouseCheckTimer, m_nMouseCheckPeriod);
        }
        else
        {
            ShowWindow(SW_HIDE);
            if (pSlider != NULL)
                pSlider->ShowWindow(SW_HIDE);
        }
        return;
    }
    case kMouseCheckTimer:
        if (CheckStopSlideCondition() && m_nMouseCheckTimer != 0)
        {
            CTavoPTimerSource::Get().Kill(m_hWnd, kMouseCheckTimer);
            m_nMouseCheckTimer = 0;
        }
        if (!m_bAutoHideMode && m_nMouseCheckTimer != 0)
            KillSlideTimers();
        return;
    default: Default(); return;
    }
}
