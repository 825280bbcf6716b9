#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPAutoHideButton.h"
#include "ui/bars/docking/CTavoPAutoHideToolBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingCBWrapper.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include <vector>

BEGIN_MESSAGE_MAP(CTavoPBaseTabbedBar, CTavoPDockingControlBar)
    ON_WM_SIZE()
    ON_WM_NCDESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_REGISTERED_MESSAGE(CTavoPBaseTabWnd::TAVOM_ONCHANGE_ACTIVE_TAB, OnChangeActiveTab)
    ON_REGISTERED_MESSAGE(CTavoPBaseTabbedBar::TAVOPMSG_CHECKEMPTYTABBEDBAR, OnCheckEmpty)
END_MESSAGE_MAP()

UINT CTavoPBaseTabbedBar::TAVOPMSG_CHECKEMPTYTABBEDBAR =
    ::RegisterWindowMessage(_T("TAVOPMSG_CHECKEMPTYTABBEDBAR"));

IMPLEMENT_DYNAMIC(CTavoPBaseTabbedBar, CTavoPDockingControlBar)

CTavoPBaseTabbedBar::CTavoPBaseTabbedBar(BOOL bAutoDestroy)
    : m_bAutoDestroy(bAutoDestroy), m_pTabWnd(NULL), m_bSetCaptionTextToTabName(TRUE),
      m_pWrapperPlaceholder(NULL)
{
    m_dwEnabledAlignment = CBRS_ALIGN_ANY;
}

CTavoPBaseTabbedBar::~CTavoPBaseTabbedBar()
{
    // A bar deleted with its window still up: the window goes while this class still handles
    // its messages, so that the tab window goes with it (and no second delete follows).
    m_bAutoDestroy = FALSE;
    if (GetSafeHwnd() != NULL && ::IsWindow(GetSafeHwnd()) &&
        CWnd::FromHandlePermanent(GetSafeHwnd()) == this)
        DestroyWindow();
    delete m_pTabWnd;
    m_pTabWnd = NULL;
    delete m_pWrapperPlaceholder;
}

BOOL CTavoPBaseTabbedBar::SetWrapperPlaceholder(CTavoPDockingCBWrapper* pWrapper)
{
    // One with a window of its own is a pane already, not one made ready.
    if (pWrapper != NULL && pWrapper->GetSafeHwnd() != NULL)
        return FALSE;
    if (pWrapper != m_pWrapperPlaceholder)
        delete m_pWrapperPlaceholder;
    m_pWrapperPlaceholder = pWrapper;
    return TRUE;
}

CTavoPDockingCBWrapper* CTavoPBaseTabbedBar::TakeWrapperPlaceholder()
{
    CTavoPDockingCBWrapper* pWrapper = m_pWrapperPlaceholder;
    m_pWrapperPlaceholder = NULL;
    return pWrapper;
}

// ---- the tab count and lookup

int CTavoPBaseTabbedBar::GetTabsNum() const
{
    return m_pTabWnd != NULL ? m_pTabWnd->GetTabsNum() : 0;
}

int CTavoPBaseTabbedBar::GetVisibleTabsNum() const
{
    return m_pTabWnd != NULL ? m_pTabWnd->GetVisibleTabsNum() : 0;
}

BOOL CTavoPBaseTabbedBar::HasAutoHideSingleTab() const
{
    return m_pTabWnd != NULL && m_pTabWnd->IsHideSingleTab();
}

int CTavoPBaseTabbedBar::FindTabOf(CWnd* pBar) const
{
    if (m_pTabWnd == NULL || pBar == NULL)
        return -1;
    for (int i = 0; i < m_pTabWnd->GetTabsNum(); i++)
    {
        if (m_pTabWnd->GetTabWnd(i) == pBar || m_pTabWnd->GetTabWndNoWrapper(i) == pBar)
            return i;
    }
    return -1;
}

CTavoPBaseControlBar* CTavoPBaseTabbedBar::FindBarByID(UINT nID) const
{
    if (m_pTabWnd == NULL)
        return NULL;
    for (int i = 0; i < m_pTabWnd->GetTabsNum(); i++)
    {
        CWnd* pWnd = m_pTabWnd->GetTabWnd(i);
        if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL && (UINT)pWnd->GetDlgCtrlID() == nID)
            return DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pWnd);
    }
    return NULL;
}

CWnd* CTavoPBaseTabbedBar::FindBarByTabNumber(int nTabIndex, BOOL bGetWrappedBar) const
{
    if (m_pTabWnd == NULL || nTabIndex < 0 || nTabIndex >= m_pTabWnd->GetTabsNum())
        return NULL;
    CWnd* pWnd = m_pTabWnd->GetTabWnd(nTabIndex);
    if (bGetWrappedBar && pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CTavoPDockingCBWrapper)))
        return ((CTavoPDockingCBWrapper*)pWnd)->GetWrappedWnd();
    return pWnd;
}

BOOL CTavoPBaseTabbedBar::GetFirstVisibleTab(int& nIndex)
{
    nIndex = -1;
    if (m_pTabWnd == NULL)
        return FALSE;
    return m_pTabWnd->GetFirstVisibleTab(nIndex) != NULL;
}

// ---- adding and removing tabs

BOOL CTavoPBaseTabbedBar::AddTab(CWnd* pNewBar, BOOL bVisible, BOOL bSetActive, BOOL bDetachable)
{
    if (pNewBar == NULL || pNewBar->GetSafeHwnd() == NULL || m_pTabWnd == NULL || pNewBar == this)
        return FALSE;

    if (pNewBar->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)))
    {
        // A whole group dropped here: its tabs move over and the empty group goes.
        CTavoPBaseTabbedBar* pSource = (CTavoPBaseTabbedBar*)pNewBar;
        CTavoPBaseTabWnd* pSourceTabs = pSource->GetUnderlinedWindow();
        struct MovedTab
        {
            CWnd* pWnd;
            BOOL bVisible;
            BOOL bDetachable;
        };
        std::vector<MovedTab> moved;
        if (pSourceTabs != NULL)
        {
            for (int i = 0; i < pSourceTabs->GetTabsNum(); i++)
            {
                CWnd* pWnd = pSourceTabs->GetTabWnd(i);
                if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
                    moved.push_back(
                        {pWnd, pSourceTabs->IsTabVisible(i), pSourceTabs->IsTabDetachable(i)});
            }
            // The records go first, so that no removal re-enters the source for a pane that
            // lives here already; the windows stay.
            const BOOL bSourceDestroys = pSourceTabs->IsAutoDestroy();
            pSourceTabs->SetAutoDestroy(FALSE);
            pSourceTabs->RemoveAllTabs();
            pSourceTabs->SetAutoDestroy(bSourceDestroys);
        }
        const BOOL bForSlider = GetParentMiniFrame(TRUE) == NULL;
        for (const MovedTab& tab : moved)
        {
            if (CTavoPDockingControlBar* pPane =
                    DYNAMIC_DOWNCAST(CTavoPDockingControlBar, tab.pWnd))
            {
                pPane->ShowCaption(FALSE);
                pPane->GetRecentDockInfo().SetInfo(bForSlider, pSource->GetRecentDockInfo());
            }
            AddTab(tab.pWnd, tab.bVisible, tab.bVisible, tab.bDetachable);
        }
        pSource->DestroyWindow();
        return FALSE;
    }

    CWnd* pOldParent = pNewBar->GetParent();
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pNewBar);
    if (pBar != NULL)
    {
        if (CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar))
            pPane->OnBeforeChangeParent(m_pTabWnd, FALSE);
        pBar->SetParent(m_pTabWnd);
        pBar->OnAfterChangeParent(pOldParent);
        if (CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar))
            pPane->ShowCaption(FALSE);
    }

    CString strLabel;
    pNewBar->GetWindowText(strLabel);
    const int iTab = m_pTabWnd->AddTab(pNewBar, strLabel, (UINT)-1, bDetachable);
    if (iTab < 0)
    {
        // The tab window refused the window (no control id to go by): it stays where it was.
        if (pBar != NULL && pOldParent != NULL && pOldParent != m_pTabWnd)
        {
            pBar->SetParent(pOldParent);
            pBar->OnAfterChangeParent(m_pTabWnd);
            if (CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar))
                pPane->ShowCaption(TRUE);
        }
        return FALSE;
    }
    HICON hIcon = (HICON)pNewBar->SendMessage(WM_GETICON, ICON_SMALL, 0);
    if (hIcon != NULL)
        m_pTabWnd->SetTabHicon(iTab, hIcon);
    m_pTabWnd->EnableTabDetach(iTab, bDetachable);
    if (!bVisible)
        m_pTabWnd->ShowTab(iTab, FALSE, FALSE);
    else if (bSetActive)
        m_pTabWnd->SetActiveTab(iTab);
    return TRUE;
}

BOOL CTavoPBaseTabbedBar::RemoveControlBar(CWnd* pBar)
{
    const int iTab = FindTabOf(pBar);
    if (iTab < 0)
        return FALSE;
    m_pTabWnd->RemoveTab(iTab, TRUE);
    if (m_pTabWnd->GetTabsNum() > 0)
        return TRUE;
    return OnLastTabRemoved();
}

BOOL CTavoPBaseTabbedBar::TakeOutOfGroup(CWnd* pPane, CWnd* pDockSite)
{
    CTavoPBaseTabbedBar* pGroup = NULL;
    for (CWnd* pWnd = pPane->GetParent(); pWnd != NULL && pGroup == NULL; pWnd = pWnd->GetParent())
        pGroup = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pWnd);
    if (pGroup == NULL)
        return FALSE;
    if (pDockSite != NULL)
        pPane->SetParent(pDockSite);
    pGroup->RemoveControlBar(pPane);
    return TRUE;
}

BOOL CTavoPBaseTabbedBar::OnLastTabRemoved()
{
    if (!IsDestroyedWhenEmpty())
    {
        m_pTabWnd->ShowWindow(SW_HIDE);
        return TRUE;
    }
    // The bar leaves its place and goes, deleting itself when it was made by a drop.
    HWND hWnd = GetSafeHwnd();
    if (CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE))
        pMiniFrame->RemoveControlBar(this, FALSE, FALSE);
    else
        Undock(FALSE);
    if (::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == this)
        DestroyWindow();
    return FALSE;
}

void CTavoPBaseTabbedBar::OnTabDestroyed(CWnd* pBar)
{
    const int iTab = FindTabOf(pBar);
    if (iTab < 0)
        return;
    m_pTabWnd->RemoveTab(iTab, TRUE);
    // The bar cannot be destroyed from inside the destruction of one of its children.
    if (m_pTabWnd->GetTabsNum() == 0)
        PostMessage(TAVOPMSG_CHECKEMPTYTABBEDBAR);
}

LRESULT CTavoPBaseTabbedBar::OnCheckEmpty(WPARAM, LPARAM)
{
    // A tab may have come in since the message was posted.
    if (m_pTabWnd != NULL && m_pTabWnd->GetTabsNum() == 0)
        OnLastTabRemoved();
    return 0;
}

void CTavoPBaseTabbedBar::ShowTab(CWnd* pBar, BOOL bShow, BOOL bDelay, BOOL bActivate)
{
    const int iTab = FindTabOf(pBar);
    if (iTab < 0)
        return;
    m_pTabWnd->ShowTab(iTab, bShow, !bDelay, bActivate);
    const BOOL bAnyTabVisible = m_pTabWnd->GetVisibleTabsNum() > 0;
    const BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bVisible && !bAnyTabVisible)
        ShowControlBar(FALSE, bDelay, FALSE);
    else if (!bVisible && bAnyTabVisible)
        ShowControlBar(TRUE, bDelay, bActivate);
}

BOOL CTavoPBaseTabbedBar::ReplaceByLastTab()
{
    if (m_pTabWnd == NULL || m_pTabWnd->GetTabsNum() != 1 || IsAutoHideMode())
        return FALSE;
    CTavoPDockingControlBar* pPane =
        DYNAMIC_DOWNCAST(CTavoPDockingControlBar, m_pTabWnd->GetTabWnd(0));
    CWnd* pParent = GetParent();
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    CTavoPSlider* pSlider = pMiniFrame == NULL ? GetDefaultSlider() : NULL;
    if (pPane == NULL || pPane->GetSafeHwnd() == NULL || pParent == NULL ||
        (pMiniFrame == NULL && pSlider == NULL))
        return FALSE;

    CRect rect;
    GetWindowRect(rect);
    pParent->ScreenToClient(rect);
    // The record goes, the pane stays.
    const BOOL bDestroysWindows = m_pTabWnd->IsAutoDestroy();
    m_pTabWnd->SetAutoDestroy(FALSE);
    m_pTabWnd->RemoveTab(0, FALSE);
    m_pTabWnd->SetAutoDestroy(bDestroysWindows);

    // The pane has no place of its own to leave (no undocking first): it takes this bar's.
    CWnd* pOldParent = pPane->GetParent();
    pPane->SetParent(pParent);
    pPane->SetDockSite(GetDockSiteFrame());
    pPane->OnAfterChangeParent(pOldParent);
    pPane->CWnd::SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                              SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    pPane->SetCurrentAlignment(GetCurrentAlignment());
    if (pMiniFrame != NULL)
    {
        pMiniFrame->ReplaceControlBar(this, pPane);
    }
    else
    {
        pSlider->ReplaceBar(this, pPane);
        // The pane stands in the frame's list where this bar stood.
        if (CTavoPDockManager* pManager = GetDockManager())
        {
            if (!pManager->InsertControlBar(pPane, this, TRUE))
                pManager->AddControlBar(pPane);
        }
        RemoveControlBarFromDockManager(this, FALSE, FALSE, FALSE);
        m_hDefaultSlider = NULL;
    }
    pPane->ShowCaption(TRUE);
    pPane->ShowControlBar(TRUE, FALSE, FALSE);
    ShowWindow(SW_HIDE);
    if (pMiniFrame != NULL)
    {
        pMiniFrame->UpdateCaptions();
        pMiniFrame->AdjustBarLayout();
    }
    else
    {
        pPane->AdjustDockingLayout(NULL);
    }
    pParent->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return TRUE;
}

void CTavoPBaseTabbedBar::TakeOutTab(CTavoPDockingControlBar* pBar, int iTab, BOOL bRecalcLayout)
{
    pBar->StoreRecentTabRelatedInfo();
    m_pTabWnd->RemoveTab(iTab, bRecalcLayout);
    pBar->ShowCaption(TRUE);
    CFrameWnd* pDockSite = GetDockSiteFrame();
    CWnd* pOldParent = pBar->GetParent();
    pBar->OnBeforeChangeParent(pDockSite, FALSE);
    pBar->SetParent(pDockSite);
    pBar->SetDockSite(pDockSite);
    pBar->OnAfterChangeParent(pOldParent);
}

// ---- detaching and floating

BOOL CTavoPBaseTabbedBar::DetachControlBar(CWnd* pBar, int nTabIndex, int nDockMethod, BOOL bHide)
{
    if (m_pTabWnd == NULL || pBar == NULL)
        return FALSE;
    if (nTabIndex < 0 || nTabIndex >= m_pTabWnd->GetTabsNum())
        nTabIndex = FindTabOf(pBar);
    if (nTabIndex < 0)
        return FALSE;

    CString strText;
    pBar->GetWindowText(strText);
    if (strText.IsEmpty() && m_pTabWnd->GetTabLabel(nTabIndex, strText))
        pBar->SetWindowText(strText);

    CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar);
    // The tab group is remembered while the pane is still one of its tabs.
    if (pPane != NULL)
        pPane->StoreRecentTabRelatedInfo();
    m_pTabWnd->RemoveTab(nTabIndex, TRUE);
    if (nDockMethod == TAVOP_DM_MOUSE)
        m_pTabWnd->SendMessage(WM_LBUTTONUP, 0, 0);

    if (nDockMethod == TAVOP_DM_RECENT && pPane != NULL && ReturnToFloatingGroup(pPane))
        return TRUE;
    if (CTavoPControlBar* pControlBar = DYNAMIC_DOWNCAST(CTavoPControlBar, pBar))
        pControlBar->FloatControlBar(pControlBar->GetRecentDockInfo().m_rectRecentFloatingRect,
                                     nDockMethod, !bHide);
    return TRUE;
}

BOOL CTavoPBaseTabbedBar::FloatTab(CWnd* pBar, int nTabIndex, int nDockMethod, BOOL bHide)
{
    if (m_pTabWnd == NULL)
        return FALSE;
    if (nTabIndex < 0 || nTabIndex >= m_pTabWnd->GetTabsNum())
        nTabIndex = FindTabOf(pBar);
    if (nTabIndex < 0)
        return FALSE;
    return m_pTabWnd->DetachTab(nDockMethod, nTabIndex, bHide);
}

// ---- overrides

HICON CTavoPBaseTabbedBar::GetIcon(BOOL bBigIcon)
{
    HICON hIcon = (HICON)SendMessage(WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0);
    if (hIcon == NULL && m_pTabWnd != NULL)
    {
        CWnd* pActive = m_pTabWnd->GetActiveWnd();
        if (pActive != NULL && pActive->GetSafeHwnd() != NULL)
            hIcon = (HICON)pActive->SendMessage(WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0);
    }
    return hIcon;
}

BOOL CTavoPBaseTabbedBar::FloatControlBar(CRect rectFloat, int nDockMethod, BOOL bShow)
{
    if (!CTavoPDockingControlBar::FloatControlBar(rectFloat, nDockMethod, bShow))
        return FALSE;
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    if (pMiniFrame != NULL && m_pTabWnd != NULL)
        pMiniFrame->SendMessage(WM_SETICON, ICON_SMALL,
                                (LPARAM)m_pTabWnd->GetTabHicon(m_pTabWnd->GetActiveTab()));
    return TRUE;
}

void CTavoPBaseTabbedBar::AdjustLayout()
{
    CTavoPDockingControlBar::AdjustLayout();
    if (m_pTabWnd != NULL && m_pTabWnd->GetSafeHwnd() != NULL)
        m_pTabWnd->RecalcLayout();
}

void CTavoPBaseTabbedBar::StoreRecentDockInfo()
{
    if (m_pTabWnd != NULL)
    {
        for (int i = 0; i < m_pTabWnd->GetTabsNum(); i++)
        {
            if (CTavoPDockingControlBar* pPane =
                    DYNAMIC_DOWNCAST(CTavoPDockingControlBar, m_pTabWnd->GetTabWnd(i)))
                pPane->StoreRecentTabRelatedInfo();
        }
    }
    CTavoPDockingControlBar::StoreRecentDockInfo();
}

BOOL CTavoPBaseTabbedBar::DockByMethod(CTavoPBaseControlBar* pTargetBar, LPCRECT lpRecentRect,
                                       int nDockMethod)
{
    const BOOL bForSlider = GetParentMiniFrame(TRUE) == NULL;
    if (nDockMethod != TAVOP_DM_RECENT || m_pTabWnd == NULL ||
        m_recentDockInfo.GetRecentContainer(bForSlider) != NULL)
        return CTavoPDockingControlBar::DockByMethod(pTargetBar, lpRecentRect, nDockMethod);

    // The group has no place of its own to go back to: each tab goes back to its own.
    HWND hWnd = GetSafeHwnd();
    ShowWindow(SW_HIDE);
    for (int i = m_pTabWnd->GetTabsNum() - 1; i >= 0; i--)
    {
        CTavoPDockingControlBar* pPane =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, m_pTabWnd->GetTabWnd(i));
        if (pPane == NULL || !m_pTabWnd->IsTabVisible(i) || !m_pTabWnd->IsTabDetachable(i))
            continue;
        HWND hPane = pPane->GetSafeHwnd();
        TakeOutTab(pPane, i, FALSE);
        if (::IsWindow(hPane))
            pPane->DockToBar(NULL, NULL, TAVOP_DM_RECENT);
        if (!::IsWindow(hWnd))
            return FALSE;
    }
    if (m_pTabWnd->GetTabsNum() == 0)
    {
        DestroyWindow();
        return FALSE;
    }
    int iFirst = -1;
    if (m_pTabWnd->GetActiveTab() < 0 && GetFirstVisibleTab(iFirst))
        m_pTabWnd->SetActiveTab(iFirst);
    m_pTabWnd->RecalcLayout();
    if (m_pTabWnd->GetVisibleTabsNum() == 0)
        return FALSE;
    ShowWindow(SW_SHOWNOACTIVATE);
    return CTavoPDockingControlBar::DockByMethod(pTargetBar, lpRecentRect, nDockMethod);
}

CTavoPAutoHideToolBar* CTavoPBaseTabbedBar::SetAutoHideMode(BOOL bMode, DWORD dwAlignment,
                                                            CTavoPAutoHideToolBar* pCurrAutoHideBar,
                                                            BOOL bUseTimer)
{
    if (!bMode || m_pTabWnd == NULL)
        return CTavoPDockingControlBar::SetAutoHideMode(bMode, dwAlignment, pCurrAutoHideBar,
                                                        bUseTimer);
    HWND hWnd = GetSafeHwnd();
    ShowControlBar(FALSE, TRUE, FALSE);

    // Every visible detachable pane goes to the frame edge on its own, in tab order.
    std::vector<CTavoPDockingControlBar*> panes;
    CTavoPDockingControlBar* pActive =
        DYNAMIC_DOWNCAST(CTavoPDockingControlBar, m_pTabWnd->GetActiveWnd());
    for (int i = m_pTabWnd->GetTabsNum() - 1; i >= 0; i--)
    {
        CTavoPDockingControlBar* pPane =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, m_pTabWnd->GetTabWnd(i));
        if (pPane == NULL || !m_pTabWnd->IsTabVisible(i) || !m_pTabWnd->IsTabDetachable(i))
            continue;
        TakeOutTab(pPane, i, FALSE);
        panes.insert(panes.begin(), pPane);
    }
    CTavoPAutoHideToolBar* pAutoHideBar = pCurrAutoHideBar;
    for (CTavoPDockingControlBar* pPane : panes)
    {
        if (!::IsWindow(pPane->GetSafeHwnd()))
            continue;
        CTavoPAutoHideToolBar* pBar =
            pPane->SetAutoHideMode(TRUE, dwAlignment, pAutoHideBar, pPane == pActive && bUseTimer);
        if (pBar != NULL)
            pAutoHideBar = pBar;
    }
    // The strip remembers which pane the group showed (the last when none), so that pinned
    // back the group shows it again.
    if (pAutoHideBar != NULL && ::IsWindow(pAutoHideBar->GetSafeHwnd()) && !panes.empty())
    {
        CTavoPAutoHideButton* pButton = pActive != NULL ? pAutoHideBar->FindButton(pActive) : NULL;
        if (pButton == NULL)
            pButton = pAutoHideBar->FindButton(panes.back());
        if (pButton != NULL)
            pAutoHideBar->SetActiveButton(pButton);
    }
    if (!::IsWindow(hWnd))
        return pAutoHideBar;
    if (m_pTabWnd->GetTabsNum() > 0 && m_pTabWnd->GetVisibleTabsNum() > 0)
    {
        int iFirst = -1;
        if (m_pTabWnd->GetActiveTab() < 0 && GetFirstVisibleTab(iFirst))
            m_pTabWnd->SetActiveTab(iFirst);
        m_pTabWnd->RecalcLayout();
        ShowControlBar(TRUE, TRUE, FALSE);
        CTavoPAutoHideToolBar* pOwn =
            CTavoPDockingControlBar::SetAutoHideMode(TRUE, dwAlignment, pAutoHideBar, bUseTimer);
        if (pOwn != NULL)
            pAutoHideBar = pOwn;
    }
    return pAutoHideBar;
}

// ---- window messages

void CTavoPBaseTabbedBar::OnSize(UINT nType, int cx, int cy)
{
    CTavoPDockingControlBar::OnSize(nType, cx, cy);
    if (m_pTabWnd != NULL && m_pTabWnd->GetSafeHwnd() != NULL)
        m_pTabWnd->SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

void CTavoPBaseTabbedBar::OnNcDestroy()
{
    if (m_pTabWnd != NULL)
    {
        if (m_pTabWnd->GetSafeHwnd() != NULL)
            m_pTabWnd->DestroyWindow();
        delete m_pTabWnd;
        m_pTabWnd = NULL;
    }
    const BOOL bAutoDestroy = m_bAutoDestroy;
    CTavoPDockingControlBar::OnNcDestroy();
    if (bAutoDestroy)
        delete this;
}

BOOL CTavoPBaseTabbedBar::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CTavoPBaseTabbedBar::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (m_pTabWnd != NULL && m_pTabWnd->GetSafeHwnd() != NULL)
        m_pTabWnd->SetFocus();
}

LRESULT CTavoPBaseTabbedBar::OnChangeActiveTab(WPARAM wParam, LPARAM /*lParam*/)
{
    const int iTab = (int)wParam;
    CString strLabel;
    if (m_bSetCaptionTextToTabName && m_pTabWnd != NULL && m_pTabWnd->GetTabLabel(iTab, strLabel))
        SetWindowText(strLabel);
    OnActiveTabChanged(iTab);
    return 0;
}

BOOL CTavoPBaseTabbedBar::ReturnToFloatingGroup(CTavoPDockingControlBar* pPane)
{
    // Floating in a group: the group docks the pane.
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    if (pMiniFrame != NULL && pMiniFrame->IsKindOf(RUNTIME_CLASS(CTavoPMultiMiniFrameWnd)))
    {
        ((CTavoPMultiMiniFrameWnd*)pMiniFrame)->DockBarToRecentPlace(pPane);
        return TRUE;
    }
    // Docked: the floating group the pane last belonged to takes it back, if it still can.
    if (GetDefaultSlider() == NULL)
        return FALSE;
    const HWND hRecent = pPane->GetRecentDockInfo().m_hRecentMiniFrame;
    CTavoPMultiMiniFrameWnd* pRecent =
        ::IsWindow(hRecent)
            ? DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd, CWnd::FromHandlePermanent(hRecent))
            : NULL;
    return pRecent != NULL && pRecent->AddRecentControlBar(pPane);
}
