#include "ui/bars/docking/CTavoPDragFrame.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/docking/CTavoPTabPlaceholderBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <cstdlib>

namespace {

// The tab placeholder's fixed attributes.
const UINT kPlaceholderID = (UINT)-2;
const DWORD kPlaceholderTabbedStyle = 0x20;
const DWORD kPlaceholderTavoStyle = 15;

}

CTavoPDragFrame::CTavoPDragFrame()
    : m_ptHot(0, 0), m_pFinalTargetBar(NULL), m_bDockToTab(FALSE), m_bDragStarted(FALSE),
      m_nInsertedTabID(-1), m_nOldThickness(4), m_pDockManager(NULL), m_pDraggedWnd(NULL),
      m_pOldTargetBar(NULL), m_bFrameTabDrawn(FALSE)
{
    m_rectDrag.SetRectEmpty();
    m_rectExpectedDocked.SetRectEmpty();
}

CTavoPDragFrame::~CTavoPDragFrame() = default;

void CTavoPDragFrame::Init(CWnd* pDraggedWnd)
{
    m_pDraggedWnd = pDraggedWnd;
    CFrameWnd* pFrame = NULL;
    if (CTavoPMiniFrameWnd* pMiniFrame = DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, pDraggedWnd))
    {
        pFrame = pMiniFrame->GetDockSiteFrame();
    }
    else if (CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pDraggedWnd))
    {
        CTavoPMiniFrameWnd* pMiniFrame = pBar->IsFloating() ? pBar->GetParentMiniFrame() : NULL;
        pFrame = pMiniFrame != NULL ? pMiniFrame->GetDockSiteFrame() : pBar->GetDockSiteFrame();
    }
    m_pDockManager = GetDockingUtils().GetDockManager(pFrame);
}

CWnd* CTavoPDragFrame::GetPlaceholderBar(CWnd* pDraggedWnd)
{
    CTavoPTabPlaceholderBar& placeholder = GetTabPlaceholderBar();
    // The window goes with the frame it was made in; the object stays for the next one.
    if (::IsWindow(placeholder.GetSafeHwnd()))
        return &placeholder;
    if (placeholder.GetSafeHwnd() != NULL)
        placeholder.Detach();
    CWnd* pParent = pDraggedWnd != NULL ? pDraggedWnd->GetTopLevelFrame() : NULL;
    if (pParent == NULL)
        return NULL;
    if (!placeholder.Create("", pParent, CRect(0, 0, 0, 0), FALSE, kPlaceholderID, WS_CHILD,
                            kPlaceholderTabbedStyle, kPlaceholderTavoStyle))
        return NULL;
    return &placeholder;
}

void CTavoPDragFrame::MoveDragFrame(BOOL bForceMove)
{
    m_pFinalTargetBar = NULL;
    if (m_pDraggedWnd == NULL || m_pDockManager == NULL)
        return;
    GetPlaceholderBar(m_pDraggedWnd);

    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    const CSize delta = ptCursor - m_ptHot;
    const BOOL bFirstTime = m_rectDrag.IsRectEmpty();
    if (std::abs(delta.cx) < ::GetSystemMetrics(SM_CXDRAG) &&
        std::abs(delta.cy) < ::GetSystemMetrics(SM_CYDRAG) && bFirstTime && !bForceMove)
        return;

    m_bDragStarted = TRUE;
    m_pDockManager->OnDragOutline(TRUE);
    const CRect rectOld = m_rectExpectedDocked.IsRectEmpty() ? m_rectDrag : m_rectExpectedDocked;

    if (bFirstTime)
    {
        m_bDockToTab = FALSE;
        m_pDraggedWnd->GetWindowRect(m_rectDrag);
        CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, m_pDraggedWnd);
        if (pBar != NULL && !pBar->IsFloating())
        {
            const CRect& rectFloat = pBar->GetRecentDockInfo().m_rectRecentFloatingRect;
            m_rectDrag.right = m_rectDrag.left + rectFloat.Width();
            m_rectDrag.bottom = m_rectDrag.top + rectFloat.Height();
            if (!m_rectDrag.PtInRect(ptCursor))
                m_rectDrag.OffsetRect(ptCursor.x - 5 - m_rectDrag.left, 0);
        }
    }

    CRect rectDocked;
    BOOL bDrawTab = FALSE;
    CTavoPBaseControlBar* pTargetBar = NULL;
    m_pDockManager->CalcExpectedDockedRect(m_pDraggedWnd, ptCursor, rectDocked, bDrawTab,
                                           &pTargetBar);

    if (IsTabIndicationShown() && (pTargetBar != m_pOldTargetBar || !bDrawTab))
        RemoveTabIndication();

    const BOOL bMayAttach = m_pDraggedWnd->IsKindOf(RUNTIME_CLASS(CTavoPMiniFrameWnd)) ||
                            m_pDraggedWnd->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar));
    if (pTargetBar != NULL && bMayAttach && bDrawTab)
    {
        if (!IsTabIndicationShown())
        {
            if (!bFirstTime)
                DrawDragFrame(CRect(0, 0, 0, 0), rectOld, FALSE, 0, m_nOldThickness);
            m_nInsertedTabID = InsertPlaceholderTab(pTargetBar);
            if (m_nInsertedTabID < 0)
            {
                DrawFrameTab(pTargetBar, FALSE);
                m_nInsertedTabID = 1;
            }
        }
        m_pOldTargetBar = pTargetBar;
        return;
    }
    m_pOldTargetBar = pTargetBar;

    // Also on the first move: the outline starts where the window was when the button went
    // down and keeps the grip, instead of trailing the cursor by the drag threshold.
    m_rectDrag.OffsetRect(delta);
    m_ptHot = ptCursor;
    m_rectExpectedDocked = rectDocked;

    const int nNewThickness = m_rectExpectedDocked.IsRectEmpty()
                                  ? GetGlobalData().m_nDragFrameThicknessFloat
                                  : GetGlobalData().m_nDragFrameThicknessDock;
    if (m_rectExpectedDocked.IsRectEmpty() && !m_rectDrag.PtInRect(ptCursor))
        m_rectDrag.OffsetRect(ptCursor.x - m_rectDrag.Width() / 2 - m_rectDrag.left,
                              ptCursor.y - 5 - m_rectDrag.top);
    const CRect rectNew = m_rectExpectedDocked.IsRectEmpty() ? m_rectDrag : m_rectExpectedDocked;
    DrawDragFrame(rectNew, rectOld, bFirstTime, nNewThickness, m_nOldThickness);
    m_nOldThickness = nNewThickness;
}

int CTavoPDragFrame::InsertPlaceholderTab(CTavoPBaseControlBar* pTargetBar)
{
    CTavoPBaseTabbedBar* pTabbedBar = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pTargetBar);
    CTavoPBaseTabWnd* pTabWnd = pTabbedBar != NULL ? pTabbedBar->GetUnderlinedWindow() : NULL;
    if (pTabWnd == NULL || pTabWnd->GetSafeHwnd() == NULL)
        return -1;
    // Only a tab strip that shows can take one more tab; otherwise the tab shape is drawn.
    const int nVisible = pTabWnd->GetVisibleTabsNum();
    if (nVisible < (pTabWnd->IsHideSingleTab() ? 2 : 1))
        return -1;
    CWnd* pPlaceholder = GetPlaceholderBar(m_pDraggedWnd);
    if (pPlaceholder == NULL)
        return -1;
    CWnd* pNamed = m_pDraggedWnd;
    if (CTavoPMiniFrameWnd* pMiniFrame = DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, m_pDraggedWnd))
        pNamed = pMiniFrame->GetControlBar();
    CString strLabel;
    if (pNamed != NULL && pNamed->GetSafeHwnd() != NULL)
        pNamed->GetWindowText(strLabel);
    return pTabWnd->AddTab(pPlaceholder, strLabel, (UINT)-1, TRUE);
}

void CTavoPDragFrame::RemoveTabIndication()
{
    if (!IsTabIndicationShown())
        return;
    CTavoPBaseControlBar* pOldTarget = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, m_pOldTargetBar);
    if (pOldTarget == NULL || m_bFrameTabDrawn ||
        !pOldTarget->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)))
    {
        if (m_bFrameTabDrawn && pOldTarget != NULL)
            DrawFrameTab(pOldTarget, TRUE);
    }
    else
    {
        // The placeholder tab leaves the tab window; the tabbed bar lays itself out without it.
        const BOOL bOutline = m_pDockManager != NULL && m_pDockManager->IsDragOutlineShown();
        if (m_pDockManager != NULL)
            m_pDockManager->OnDragOutline(FALSE);
        CWnd* pPlaceholder = GetPlaceholderBar(m_pDraggedWnd);
        CTavoPBaseTabWnd* pTabWnd = ((CTavoPBaseTabbedBar*)pOldTarget)->GetUnderlinedWindow();
        if (pPlaceholder != NULL)
        {
            pPlaceholder->ShowWindow(SW_HIDE);
            // Found by its window: the index it was given may have moved since.
            const int iTab = pTabWnd != NULL && ::IsWindow(pTabWnd->GetSafeHwnd())
                                 ? pTabWnd->GetTabFromHwnd(pPlaceholder->GetSafeHwnd())
                                 : -1;
            if (iTab >= 0)
                pTabWnd->RemoveTab(iTab, TRUE);
        }
        if (m_pDockManager != NULL)
            m_pDockManager->OnDragOutline(bOutline);
    }
    m_nInsertedTabID = -1;
}

void CTavoPDragFrame::EndDrawDragFrame(BOOL bClearInternalRects)
{
    if (m_pDockManager != NULL)
    {
        if (!IsTabIndicationShown())
        {
            const CRect rectLast =
                m_rectExpectedDocked.IsRectEmpty() ? m_rectDrag : m_rectExpectedDocked;
            if (m_bDragStarted && !rectLast.IsRectEmpty())
                DrawDragFrame(CRect(0, 0, 0, 0), rectLast, FALSE, 0, m_nOldThickness);
        }
        else
        {
            m_bDockToTab = TRUE;
        }
        if (bClearInternalRects)
        {
            RemoveTabIndication();
            m_rectExpectedDocked.SetRectEmpty();
            m_rectDrag.SetRectEmpty();
            m_pFinalTargetBar = m_pOldTargetBar;
            m_pOldTargetBar = NULL;
        }
    }
    m_bDragStarted = FALSE;
    if (m_pDockManager != NULL)
        m_pDockManager->OnDragOutline(FALSE);
}

void CTavoPDragFrame::DrawFrameTab(CTavoPBaseControlBar* pTargetBar, BOOL bErase)
{
    if (pTargetBar == NULL || pTargetBar->GetSafeHwnd() == NULL)
        return;
    const int nThickness = GetGlobalData().m_nDragFrameThicknessDock;
    CRect rectBody;
    pTargetBar->GetWindowRect(rectBody);
    rectBody.bottom -= GetGlobalData().GetTextHeight(TRUE);
    CRect rectTab(rectBody.left + 10, rectBody.bottom, rectBody.left + 50,
                  rectBody.bottom + GetGlobalData().GetTextHeight(TRUE));
    if (rectTab.right >= rectBody.right)
        rectTab.right = rectBody.right - nThickness - 4;

    if (bErase)
    {
        m_outlineTabBody.Hide();
        m_outlineTab.Hide();
    }
    else
    {
        m_outlineTabBody.Show(rectBody, nThickness);
        m_outlineTab.Show(rectTab, nThickness);
    }
    m_bFrameTabDrawn = !bErase;
}

void CTavoPDragFrame::DrawDragFrame(LPCRECT lpRectNew, LPCRECT /*lpRectOld*/, BOOL /*bFirstTime*/,
                                    int nNewThickness, int /*nOldThickness*/)
{
    // Not inverted on the screen: a window that paints under an inverted outline keeps the
    // inverted pixels when the outline is inverted back.
    m_outline.Show(lpRectNew != NULL ? CRect(*lpRectNew) : CRect(0, 0, 0, 0), nNewThickness);
}
