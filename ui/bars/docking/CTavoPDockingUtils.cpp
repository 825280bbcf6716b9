#include "ui/bars/docking/CTavoPDockingUtils.h"
#include <algorithm>
#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/frames/CTavoPMDIChildWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/bars/frames/CTavoPOleCntrFrameWnd.h"
#include "ui/bars/frames/CTavoPOleDocIPFrameWnd.h"
#include "ui/bars/frames/CTavoPOleIPFrameWnd.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPDockManager.h"

CTavoPDockingUtils::CTavoPDockingUtils() : m_bDialogHost(FALSE)
{}

CTavoPDockingUtils::~CTavoPDockingUtils() = default;

CTavoPDockManager* CTavoPDockingUtils::GetDockManager(CWnd* pWnd)
{
    if (pWnd == NULL)
        return NULL;
    if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPFrameWnd)))
        return ((CTavoPFrameWnd*)pWnd)->GetDockManager();
    if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPMDIFrameWnd)))
        return ((CTavoPMDIFrameWnd*)pWnd)->GetDockManager();
    if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPOleIPFrameWnd)))
        return ((CTavoPOleIPFrameWnd*)pWnd)->GetDockManager();
    if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPOleDocIPFrameWnd)))
        return ((CTavoPOleDocIPFrameWnd*)pWnd)->GetDockManager();
    if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPMDIChildWnd)))
        return ((CTavoPMDIChildWnd*)pWnd)->GetDockManager();
    if (pWnd->IsKindOf(RUNTIME_CLASS(CDialog)) || pWnd->IsKindOf(RUNTIME_CLASS(CPropertySheet)))
    {
        m_bDialogHost = TRUE;
        return NULL;
    }
    if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPOleCntrFrameWnd)))
        return ((CTavoPOleCntrFrameWnd*)pWnd)->GetDockManager();
    return NULL;
}

BOOL CTavoPDockingUtils::CheckPointNearEdge(CPoint point, CWnd* pWnd, int nSensitivity,
                                            BOOL bOutside, DWORD& dwAlignment,
                                            DWORD dwEnabledAlignment, LPCRECT lpRect) const
{
    CRect rect;
    if (pWnd != NULL)
        pWnd->GetWindowRect(rect);
    else if (lpRect != NULL)
        rect = *lpRect;
    else
        return FALSE;

    int nCaption = 0, nTabArea = 0;
    if (CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pWnd))
    {
        nCaption = pPane->GetCaptionHeight();
        CRect rectTop, rectBottom;
        pPane->GetTabArea(rectTop, rectBottom);
        nTabArea = rectBottom.Height();
    }

    const int s = nSensitivity;
    struct Strip
    {
        DWORD dwSide;
        CRect rect;
    };
    const Strip strips[] = {
        {CBRS_ALIGN_TOP,
         bOutside ? CRect(rect.left - s, rect.top - s, rect.right + s, rect.top)
                  : CRect(rect.left - s, rect.top - s, rect.right + s, rect.top + nCaption + s)},
        {CBRS_ALIGN_LEFT, bOutside
                              ? CRect(rect.left - s, rect.top - s, rect.left, rect.bottom + s)
                              : CRect(rect.left - s, rect.top - s, rect.left + s, rect.bottom + s)},
        {CBRS_ALIGN_BOTTOM,
         bOutside
             ? CRect(rect.left - s, rect.bottom, rect.right + s, rect.bottom + s)
             : CRect(rect.left - s, rect.bottom - nTabArea - s, rect.right + s, rect.bottom + s)},
        {CBRS_ALIGN_RIGHT,
         bOutside ? CRect(rect.right, rect.top - s, rect.right + s, rect.bottom + s)
                  : CRect(rect.right - s, rect.top - s, rect.right + s, rect.bottom + s)},
    };
    for (const Strip& strip : strips)
    {
        if ((dwEnabledAlignment & strip.dwSide) != 0 && strip.rect.PtInRect(point))
        {
            dwAlignment = strip.dwSide;
            return TRUE;
        }
    }
    return FALSE;
}

void CTavoPDockingUtils::RotateRect(LPRECT lpRect, int nDegrees)
{
    const RECT r = *lpRect;
    switch (nDegrees)
    {
    case 90: *lpRect = {r.bottom, r.left, r.top, r.right}; break;
    case 180:
        lpRect->top = r.bottom;
        lpRect->bottom = r.top;
        break;
    case -90: *lpRect = {r.top, r.right, r.bottom, r.left}; break;
    default: break;
    }
}

void CTavoPDockingUtils::ReparentBars(const CObList& lst, CWnd* pWndNewParent, BOOL bVisibleOnly)
{
    for (POSITION pos = lst.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pWnd = (CWnd*)lst.GetNext(pos);
        if (pWnd->GetSafeHwnd() == NULL || (bVisibleOnly && !pWnd->IsWindowVisible()))
            continue;
        if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPSlider)))
        {
            pWnd->SetParent(pWndNewParent);
            continue;
        }
        pWnd->ShowWindow(SW_HIDE);
        pWnd->SetParent(pWndNewParent);
        CRect rect;
        pWnd->GetWindowRect(rect);
        pWnd->SetWindowPos(NULL, -rect.Width(), -rect.Height(), 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pWnd->ShowWindow(SW_SHOW);
    }
}

BOOL CTavoPDockingUtils::IsTabTarget(CWnd* pWnd) const
{
    CWnd* pBarWnd = pWnd;
    if (CTavoPMiniFrameWnd* pMiniFrame = DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, pWnd))
        pBarWnd = pMiniFrame->GetControlBar();
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pBarWnd);
    if (pBar == NULL)
        return FALSE;
    if (pBar->IsTabbed() && pBar->GetParentMiniFrame() != NULL &&
        pBar->GetParentMiniFrame()->IsKindOf(RUNTIME_CLASS(CTavoPMultiMiniFrameWnd)))
        return TRUE;
    return (pBar->GetBarStyle() & 0x40) != 0;
}

BOOL CTavoPDockingUtils::FindDockTarget(CWnd* pOwner, CPoint point,
                                        CTavoPDockingControlBar*& pTarget, DWORD& dwAlignment,
                                        BOOL& bTabHit)
{
    pTarget = NULL;
    dwAlignment = 0;
    bTabHit = FALSE;
    CTavoPSlider* pSlider = DYNAMIC_DOWNCAST(CTavoPSlider, pOwner);
    CTavoPBarTreeManager* pTree = pSlider != NULL ? pSlider->GetBarTreeManager() : NULL;
    if (CTavoPMultiMiniFrameWnd* pGroup = DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd, pOwner))
        pTree = &pGroup->GetBarTreeManager();
    if (pTree == NULL)
        return FALSE;
    BOOL bInTabArea = FALSE, bOnCaption = FALSE;
    pTarget = pTree->FindBarAtPoint(point, CTavoPDockManager::m_nDockSensitivity, TRUE, bInTabArea,
                                    bOnCaption);
    if (pTarget == NULL)
        return FALSE;
    if (bInTabArea || bOnCaption)
    {
        bTabHit = TRUE;
        return TRUE;
    }
    if (CheckPointNearEdge(point, pTarget, CTavoPDockManager::m_nDockSensitivity, FALSE,
                           dwAlignment))
        return TRUE;
    pTarget = NULL;
    return FALSE;
}

void CTavoPDockingUtils::CalcTreeDockPreview(CWnd* pOwner, CPoint point, CWnd* pDraggedWnd,
                                             CRect& rectResult, BOOL& bDrawTab,
                                             CTavoPDockingControlBar*& pTarget)
{
    rectResult.SetRectEmpty();
    bDrawTab = FALSE;
    pTarget = NULL;
    if (pDraggedWnd == NULL || CTavoPDockManager::IsDockingSuppressed())
        return;
    CTavoPDockingControlBar* pFound = NULL;
    DWORD dwSide = 0;
    BOOL bTabHit = FALSE;
    if (!FindDockTarget(pOwner, point, pFound, dwSide, bTabHit))
        return;

    CTavoPMiniFrameWnd* pDraggedFrame = DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, pDraggedWnd);
    CTavoPControlBar* pDraggedBar = DYNAMIC_DOWNCAST(
        CTavoPControlBar, pDraggedFrame != NULL ? pDraggedFrame->GetControlBar() : pDraggedWnd);
    CTavoPMiniFrameWnd* pTargetFrame = pFound->GetParentMiniFrame(TRUE);
    if (pDraggedBar == NULL)
        return;
    if (pDraggedFrame != NULL && !bTabHit)
    {
        const DWORD dwAllowed =
            pTargetFrame != NULL ? CBRS_ALIGN_ANY : pDraggedBar->GetEnabledAlignment();
        if ((dwAllowed & dwSide) == 0)
            return;
    }
    if (pTargetFrame != NULL && !IsTabTarget(pDraggedWnd))
        return;
    if (pFound == pDraggedBar ||
        (pTargetFrame != NULL &&
         (pTargetFrame == pDraggedFrame || pTargetFrame == pDraggedBar->GetParentMiniFrame(TRUE))))
        return;
    if (!pFound->CanAcceptBar(pDraggedBar))
        return;
    pTarget = pFound;
    CRect rectTarget;
    pFound->GetWindowRect(rectTarget);
    if (bTabHit)
    {
        bDrawTab = TRUE;
        rectResult = rectTarget;
        return;
    }

    // The dragged pane takes half the target's extent at most, and at least its minimum.
    CRect rectDragged;
    pDraggedBar->GetWindowRect(rectDragged);
    CSize sizeMin;
    pDraggedBar->GetMinSize(sizeMin);
    rectResult = rectTarget;
    if (dwSide & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM))
    {
        const int nExtent =
            std::min(rectTarget.Height() / 2, std::max(rectDragged.Height(), (int)sizeMin.cy));
        if (dwSide & CBRS_ALIGN_TOP)
            rectResult.bottom = rectResult.top + nExtent;
        else
            rectResult.top = rectResult.bottom - nExtent;
    }
    else
    {
        const int nExtent =
            std::min(rectTarget.Width() / 2, std::max(rectDragged.Width(), (int)sizeMin.cx));
        if (dwSide & CBRS_ALIGN_LEFT)
            rectResult.right = rectResult.left + nExtent;
        else
            rectResult.left = rectResult.right - nExtent;
    }
}
