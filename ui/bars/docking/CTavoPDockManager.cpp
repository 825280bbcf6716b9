#include <algorithm>
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/docking/CTavoPAutoHideDockBar.h"
#include "ui/bars/docking/CTavoPAutoHideToolBar.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/frames/CTavoPMDIChildWnd.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/commandbars/CTavoPBaseToolBar.h"
#include <vector>

IMPLEMENT_DYNCREATE(CTavoPDockManager, CObject)

namespace {

const DWORD kSideOrder[] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};

BOOL IsDockBarKind(const CObject* pObject)
{
    return pObject->IsKindOf(RUNTIME_CLASS(CTavoPDockBar));
}

}

CTavoPDockManager::CTavoPDockManager()
    : m_bEnableAdjustLayout(TRUE), m_bLockUpdate(FALSE), m_bDisableRecalcLayout(FALSE),
      m_pDockSite(NULL), m_dwEnabledDockBars(0), m_pLastTargetBar(NULL),
      m_pLastMultiMiniFrame(NULL), m_dwLastDockTick(0), m_nLastDockingStatus(0),
      m_bIsPrintPreviewMode(FALSE), m_bHideDockingBarsInContainerMode(FALSE),
      m_bAdjustingBarLayout(FALSE), m_bRecalcLayout(FALSE), m_bLoadFailed(FALSE),
      m_bDragOutlineShown(FALSE)
{
    m_rectClientAreaBounds.SetRectEmpty();
    m_rectOuterEdgeBounds.SetRectEmpty();
    m_bHideAllControlBarsInPreviewMode = FALSE;
}

CTavoPDockManager::~CTavoPDockManager()
{
    RemoveLoadedAutoHideRecords();
}

BOOL CTavoPDockManager::SetDockSite(CFrameWnd* pFrame)
{
    m_pDockSite = pFrame;
    return TRUE;
}

// ---- dock bars and the lists

BOOL CTavoPDockManager::EnableDocking(DWORD dwAlignment)
{
    for (DWORD dwSide : kSideOrder)
    {
        if ((dwAlignment & dwSide) == 0 || (m_dwEnabledDockBars & dwSide) != 0)
            continue;
        if (!AddDockBar(dwSide, RUNTIME_CLASS(CTavoPDockBar)))
            return FALSE;
        m_dwEnabledDockBars |= dwSide;
    }
    AdjustDockingLayout(NULL);
    return TRUE;
}

BOOL CTavoPDockManager::AddDockBar(DWORD dwAlignment, CRuntimeClass* pRTC,
                                   CTavoPDockBar** ppDockBar)
{
    if (m_pDockSite == NULL || pRTC == NULL)
        return FALSE;
    CObject* pObject = pRTC->CreateObject();
    CTavoPDockBar* pDockBar = DYNAMIC_DOWNCAST(CTavoPDockBar, pObject);
    if (pDockBar == NULL)
    {
        delete pObject;
        return FALSE;
    }
    if (!pDockBar->Create(dwAlignment, CRect(0, 0, 0, 0), m_pDockSite))
    {
        delete pDockBar;
        return FALSE;
    }
    m_lstControlBars.AddTail(pDockBar);
    if (ppDockBar != NULL)
        *ppDockBar = pDockBar;
    return TRUE;
}

BOOL CTavoPDockManager::AddControlBar(CTavoPBaseControlBar* pBar, BOOL bTail, BOOL bAutoHide,
                                      BOOL bInsertForOuterEdge)
{
    CObList& lst = bAutoHide ? m_lstAutoHideBars : m_lstControlBars;
    if (pBar == NULL || lst.Find(pBar) != NULL)
        return FALSE;
    if (bTail)
    {
        lst.AddTail(pBar);
    }
    else if (bInsertForOuterEdge)
    {
        POSITION posBefore = NULL;
        for (POSITION pos = lst.GetHeadPosition(); pos != NULL;)
        {
            POSITION posCurrent = pos;
            if (((CTavoPBaseControlBar*)lst.GetNext(pos))->CanFloatHere())
            {
                posBefore = posCurrent;
                break;
            }
        }
        if (posBefore != NULL)
            lst.InsertBefore(posBefore, pBar);
        else
            lst.AddTail(pBar);
    }
    else
    {
        lst.AddHead(pBar);
    }
    pBar->SetDockSite(m_pDockSite);
    return TRUE;
}

BOOL CTavoPDockManager::InsertControlBar(CTavoPBaseControlBar* pBar,
                                         CTavoPBaseControlBar* pExistingBar, BOOL bAfter)
{
    if (pBar == NULL || m_lstControlBars.Find(pBar) != NULL)
        return FALSE;
    POSITION pos = m_lstControlBars.Find(pExistingBar);
    if (pos == NULL)
        return FALSE;
    if (bAfter)
        m_lstControlBars.InsertAfter(pos, pBar);
    else
        m_lstControlBars.InsertBefore(pos, pBar);
    return TRUE;
}

void CTavoPDockManager::RemoveControlBar(CTavoPBaseControlBar* pBar, BOOL bDestroy,
                                         BOOL bAdjustLayout, BOOL bAutoHide)
{
    CObList& lst = bAutoHide ? m_lstAutoHideBars : m_lstControlBars;
    POSITION pos = lst.Find(pBar);
    if (pos == NULL)
        return;
    lst.RemoveAt(pos);
    POSITION posHidden = m_lstHiddenWindows.Find(pBar);
    if (posHidden != NULL)
        m_lstHiddenWindows.RemoveAt(posHidden);
    if (bDestroy)
        pBar->DestroyWindow();
    if (bAdjustLayout)
        AdjustDockingLayout(NULL);
}

BOOL CTavoPDockManager::AddMiniFrame(CTavoPMiniFrameWnd* pMiniFrame)
{
    if (pMiniFrame == NULL || m_lstMiniFrames.Find(pMiniFrame) != NULL)
        return FALSE;
    m_lstMiniFrames.AddTail(pMiniFrame);
    return TRUE;
}

BOOL CTavoPDockManager::RemoveMiniFrame(CTavoPMiniFrameWnd* pMiniFrame)
{
    POSITION pos = m_lstMiniFrames.Find(pMiniFrame);
    if (pos == NULL)
        return FALSE;
    m_lstMiniFrames.RemoveAt(pos);
    POSITION posHidden = m_lstHiddenWindows.Find(pMiniFrame);
    if (posHidden != NULL)
        m_lstHiddenWindows.RemoveAt(posHidden);
    return TRUE;
}

// ---- searches

CTavoPBaseControlBar* CTavoPDockManager::FindBarByID(UINT uiBarId, BOOL bSearchMiniFrames)
{
    for (POSITION pos = m_lstAutoHideBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPSlider* pSlider = DYNAMIC_DOWNCAST(CTavoPSlider, m_lstAutoHideBars.GetNext(pos));
        CTavoPBaseControlBar* pBar = pSlider != NULL ? pSlider->GetFirstBar() : NULL;
        if (pBar != NULL && (UINT)pBar->GetDlgCtrlID() == uiBarId)
            return pBar;
    }
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)m_lstControlBars.GetNext(pos);
        if ((UINT)pBar->GetDlgCtrlID() == uiBarId)
            return pBar;
        CTavoPBaseControlBar* pFound = NULL;
        if (pBar->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)))
            pFound = ((CTavoPBaseTabbedBar*)pBar)->FindBarByID(uiBarId);
        else if (IsDockBarKind(pBar))
            pFound = ((CTavoPDockBar*)pBar)->FindBarByID(uiBarId);
        if (pFound != NULL)
            return pFound;
    }
    if (bSearchMiniFrames)
    {
        for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != NULL;)
        {
            CTavoPMiniFrameWnd* pMiniFrame = (CTavoPMiniFrameWnd*)m_lstMiniFrames.GetNext(pos);
            // A floating group holds several bars; a tab group floating holds its tabs.
            CObList lstBars;
            if (CTavoPMultiMiniFrameWnd* pGroup =
                    DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd, pMiniFrame))
                lstBars.AddTail(const_cast<CObList*>(&pGroup->GetBarTreeManager().GetBars()));
            else if (CWnd* pBar = pMiniFrame->GetControlBar())
                lstBars.AddTail(pBar);
            for (POSITION posBar = lstBars.GetHeadPosition(); posBar != NULL;)
            {
                CTavoPBaseControlBar* pBar =
                    DYNAMIC_DOWNCAST(CTavoPBaseControlBar, lstBars.GetNext(posBar));
                if (pBar == NULL || pBar->GetSafeHwnd() == NULL)
                    continue;
                if ((UINT)pBar->GetDlgCtrlID() == uiBarId)
                    return pBar;
                if (pBar->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)))
                {
                    if (CTavoPBaseControlBar* pTab =
                            ((CTavoPBaseTabbedBar*)pBar)->FindBarByID(uiBarId))
                        return pTab;
                }
            }
        }
    }
    return CTavoPMiniFrameWnd::FindFloatingBarByID(uiBarId);
}

CTavoPDockBar* CTavoPDockManager::FindDockBarByAlignment(DWORD dwAlignment, BOOL bFromHead)
{
    dwAlignment &= CBRS_ALIGN_ANY;
    POSITION pos =
        bFromHead ? m_lstControlBars.GetHeadPosition() : m_lstControlBars.GetTailPosition();
    while (pos != NULL)
    {
        CObject* pObject =
            bFromHead ? m_lstControlBars.GetNext(pos) : m_lstControlBars.GetPrev(pos);
        if (IsDockBarKind(pObject) &&
            ((CTavoPDockBar*)pObject)->GetCurrentAlignment() == dwAlignment)
            return (CTavoPDockBar*)pObject;
    }
    return NULL;
}

CTavoPDockBar* CTavoPDockManager::FindDockBarForBar(const CTavoPBaseControlBar* pBar)
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CObject* pObject = m_lstControlBars.GetNext(pos);
        if (IsDockBarKind(pObject) &&
            ((CTavoPDockBar*)pObject)->FindBarByID((UINT)pBar->GetDlgCtrlID()) == pBar)
            return (CTavoPDockBar*)pObject;
    }
    return NULL;
}

CTavoPMiniFrameWnd* CTavoPDockManager::MiniFrameFromPoint(CPoint point,
                                                          const CTavoPMiniFrameWnd* pExcluded,
                                                          BOOL bMultiBarOnly)
{
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != NULL;)
    {
        CTavoPMiniFrameWnd* pMiniFrame = (CTavoPMiniFrameWnd*)m_lstMiniFrames.GetNext(pos);
        if (pMiniFrame == pExcluded || !pMiniFrame->IsWindowVisible())
            continue;
        if (bMultiBarOnly && !pMiniFrame->IsKindOf(RUNTIME_CLASS(CTavoPMultiMiniFrameWnd)))
            continue;
        CRect rect;
        pMiniFrame->GetWindowRect(rect);
        if (rect.PtInRect(point))
            return pMiniFrame;
    }
    return NULL;
}

CTavoPBaseControlBar* CTavoPDockManager::ControlBarFromPoint(CPoint point, int nSensitivity,
                                                             BOOL bExactBar,
                                                             CRuntimeClass* pRTCBarType,
                                                             BOOL bVisibleOnly,
                                                             const CTavoPBaseControlBar* pExcluded)
{
    CTavoPMiniFrameWnd* pMiniFrame = MiniFrameFromPoint(point, NULL, TRUE);
    if (pMiniFrame != NULL)
    {
        CTavoPBaseControlBar* pBar =
            pMiniFrame->ControlBarFromPoint(point, nSensitivity, bVisibleOnly);
        if (pBar != NULL && pBar != pExcluded &&
            (pRTCBarType == NULL || pBar->IsKindOf(pRTCBarType)))
            return pBar;
    }
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)m_lstControlBars.GetNext(pos);
        if (pRTCBarType != NULL && !pBar->IsKindOf(pRTCBarType))
            continue;
        if ((bVisibleOnly && !pBar->IsVisible()) || pBar == pExcluded)
            continue;
        CRect rect;
        pBar->GetWindowRect(rect);
        if (!bExactBar)
            rect.InflateRect(nSensitivity, nSensitivity);
        if (rect.PtInRect(point))
            return pBar;
    }
    return NULL;
}

CTavoPBaseControlBar* CTavoPDockManager::ControlBarAndEdgeFromPoint(
    CPoint point, int nSensitivity, DWORD& dwEdge, CRuntimeClass* pRTCBarType,
    const CTavoPBaseControlBar* pExcluded)
{
    dwEdge = 0;
    CTavoPBaseControlBar* pBar =
        ControlBarFromPoint(point, nSensitivity, TRUE, pRTCBarType, FALSE, pExcluded);
    if (pBar == NULL)
        return NULL;
    if (!GetDockingUtils().CheckPointNearEdge(point, pBar, nSensitivity, FALSE, dwEdge,
                                              CBRS_ALIGN_ANY))
        return NULL;
    return pBar;
}

BOOL CTavoPDockManager::IsPointNearDockSite(CPoint point, DWORD& dwBarAlignment,
                                            BOOL& bOuterEdge) const
{
    dwBarAlignment = 0;
    bOuterEdge = FALSE;
    if (m_pDockSite == NULL)
        return FALSE;
    CRect rectOuter = m_rectOuterEdgeBounds;
    m_pDockSite->ClientToScreen(rectOuter);
    if (GetDockingUtils().CheckPointNearEdge(point, NULL, m_nDockSensitivity, TRUE, dwBarAlignment,
                                             m_dwEnabledDockBars, rectOuter))
    {
        bOuterEdge = TRUE;
        return TRUE;
    }
    CRect rectInner = m_rectClientAreaBounds;
    m_pDockSite->ClientToScreen(rectInner);
    return GetDockingUtils().CheckPointNearEdge(point, NULL, m_nDockSensitivity, FALSE,
                                                dwBarAlignment, CBRS_ALIGN_ANY, rectInner);
}

BOOL CTavoPDockManager::CapPreviewRect(LPRECT lpRect, DWORD dwAlignment)
{
    // Without a cap percent nothing is capped.
    if (m_nPreviewCapPercent <= 0)
        return FALSE;
    CRect rect(lpRect);
    if (dwAlignment & CBRS_ORIENT_HORZ)
    {
        const int nCap = m_nPreviewCapPercent * m_rectOuterEdgeBounds.Height() / 100;
        if (rect.Height() < nCap)
            return FALSE;
        if (dwAlignment & CBRS_ALIGN_TOP)
            lpRect->bottom = lpRect->top + nCap;
        else
            lpRect->top = lpRect->bottom - nCap;
        return TRUE;
    }
    const int nCap = m_nPreviewCapPercent * m_rectOuterEdgeBounds.Width() / 100;
    if (rect.Width() < nCap)
        return FALSE;
    if (dwAlignment & CBRS_ALIGN_LEFT)
        lpRect->right = lpRect->left + nCap;
    else
        lpRect->left = lpRect->right - nCap;
    return TRUE;
}

// ---- docking a bar

void CTavoPDockManager::DockControlBar(CTavoPBaseControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    if (m_lstControlBars.IsEmpty() || pBar == NULL)
        return;
    pBar->Undock(TRUE);
    if (!pBar->HasBehaviour4() && !pBar->CanFloat())
    {
        AddControlBar(pBar, TRUE, FALSE, FALSE);
        return;
    }
    if (!pBar->IsResizable())
    {
        for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
        {
            CObject* pObject = m_lstControlBars.GetNext(pos);
            if (!IsDockBarKind(pObject))
                continue;
            CTavoPDockBar* pDockBar = (CTavoPDockBar*)pObject;
            if (nDockBarID != 0 && pDockBar->GetDockBarID() != nDockBarID)
                continue;
            if (pBar->CanBeDockedTo(pDockBar) && pDockBar->CanAcceptBar(pBar) &&
                pBar->DockToBar(pDockBar, lpRect, TAVOP_DM_RECT))
            {
                pBar->Invalidate();
                return;
            }
        }
        return;
    }
    if (nDockBarID == 0)
    {
        pBar->DockToSide(pBar->GetCurrentAlignment(), lpRect, 1, NULL, -1, FALSE);
        return;
    }
    struct Side
    {
        UINT nID;
        DWORD dwValue;
        DWORD dwAlignment;
    };
    static const Side sides[] = {
        {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM, CBRS_ALIGN_TOP},
        {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP, CBRS_ALIGN_BOTTOM},
        {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT, CBRS_ALIGN_LEFT},
        {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT, CBRS_ALIGN_RIGHT},
    };
    for (const Side& side : sides)
    {
        if (side.nID == nDockBarID && (pBar->GetEnabledAlignment() & side.dwAlignment) != 0)
            pBar->DockToSide(side.dwValue, lpRect, 1, NULL, -1, FALSE);
    }
}

// ---- the layout pass

void CTavoPDockManager::AdjustDockingLayout(HDWP hdwp)
{
    if (m_bAdjustingBarLayout || m_pDockSite == NULL || m_pDockSite->GetSafeHwnd() == NULL)
        return;
    m_pDockSite->GetClientRect(m_rectClientAreaBounds);
    if (!m_bEnableAdjustLayout || m_lstControlBars.IsEmpty())
        return;

    m_bAdjustingBarLayout = TRUE;
    const CRect rectOuterOld = m_rectOuterEdgeBounds;
    BOOL bOwnDefer = FALSE;
    if (hdwp == NULL && !m_bIsPrintPreviewMode)
    {
        hdwp = CTavoPBaseControlBar::BeginDeferredMoves();
        bOwnDefer = TRUE;
    }

    CRect rectWork;
    m_pDockSite->GetClientRect(rectWork);
    m_pDockSite->ClientToScreen(rectWork);

    // The entry after the last dock bar: the dock bars form the outer edge.
    POSITION posBoundary = NULL;
    for (POSITION pos = m_lstControlBars.GetTailPosition(); pos != NULL;)
    {
        POSITION posCurrent = pos;
        CObject* pObject = m_lstControlBars.GetPrev(pos);
        if (IsDockBarKind(pObject))
        {
            posBoundary = posCurrent;
            m_lstControlBars.GetNext(posBoundary);
            break;
        }
    }

    CRect rectOuter;
    rectOuter.SetRectEmpty();
    BOOL bOuterStored = FALSE;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)m_lstControlBars.GetNext(pos);
        const BOOL bIsDockBar = IsDockBarKind(pBar);
        const BOOL bTakesPart =
            pBar->IsVisible() ||
            (!pBar->IsKindOf(RUNTIME_CLASS(CTavoPControlBar)) &&
             !pBar->IsKindOf(RUNTIME_CLASS(CTavoPSlider)) &&
             (!bIsDockBar || (!m_bIsPrintPreviewMode && !m_bHideDockingBarsInContainerMode)));
        CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar);
        const BOOL bInSlider = pPane != NULL && pPane->GetDefaultSlider() != NULL;

        if (bTakesPart && !bInSlider)
        {
            CRect rectBar;
            pBar->GetWindowRect(rectBar);
            const DWORD dwAlignment = pBar->GetCurrentAlignment();
            const BOOL bHorz = pBar->IsHorizontal();
            const CSize size = pBar->CalcFixedLayout(FALSE, bHorz);
            if (bHorz)
            {
                if (dwAlignment & CBRS_ALIGN_TOP)
                    rectBar.bottom = rectBar.top + size.cy;
                else
                    rectBar.top = rectBar.bottom - size.cy;
            }
            else
            {
                if (dwAlignment & CBRS_ALIGN_LEFT)
                    rectBar.right = rectBar.left + size.cx;
                else
                    rectBar.left = rectBar.right - size.cx;
            }

            // Against the side of what is left: full length, the bar's own thickness.
            const int cx = rectBar.Width(), cy = rectBar.Height();
            switch (dwAlignment & CBRS_ALIGN_ANY)
            {
            case CBRS_ALIGN_TOP:
                rectBar.SetRect(rectWork.left, rectWork.top, rectWork.right, rectWork.top + cy);
                break;
            case CBRS_ALIGN_BOTTOM:
                rectBar.SetRect(rectWork.left, rectWork.bottom - cy, rectWork.right,
                                rectWork.bottom);
                break;
            case CBRS_ALIGN_LEFT:
                rectBar.SetRect(rectWork.left, rectWork.top, rectWork.left + cx, rectWork.bottom);
                break;
            default:
                rectBar.SetRect(rectWork.right - cx, rectWork.top, rectWork.right, rectWork.bottom);
                break;
            }
            if (pBar->IsResizable())
            {
                if (bHorz && rectBar.Height() > rectWork.Height())
                {
                    if (dwAlignment & CBRS_ALIGN_TOP)
                        rectBar.bottom = rectBar.top + rectWork.Height();
                    else
                        rectBar.top = rectBar.bottom - rectWork.Height();
                }
                else if (!bHorz && rectBar.Width() > rectWork.Width())
                {
                    if (dwAlignment & CBRS_ALIGN_LEFT)
                        rectBar.right = rectBar.left + rectWork.Width();
                    else
                        rectBar.left = rectBar.right - rectWork.Width();
                }
            }

            CRect rectInParent = rectBar;
            CWnd* pParent = pBar->GetParent();
            if (pParent != NULL)
                pParent->ScreenToClient(rectInParent);
            if (bIsDockBar && (bHorz ? rectBar.Width() : rectBar.Height()) > 0)
            {
                ((CTavoPDockBar*)pBar)
                    ->RepositionRows(CRect(0, 0, rectBar.Width(), rectBar.Height()));
                // A row may have changed its thickness for the new length (a bar that wraps
                // its buttons): the dock bar is as thick as its rows are now.
                CRect rectRows;
                pBar->GetWindowRect(rectRows);
                switch (dwAlignment & CBRS_ALIGN_ANY)
                {
                case CBRS_ALIGN_TOP: rectBar.bottom = rectBar.top + rectRows.Height(); break;
                case CBRS_ALIGN_BOTTOM: rectBar.top = rectBar.bottom - rectRows.Height(); break;
                case CBRS_ALIGN_LEFT: rectBar.right = rectBar.left + rectRows.Width(); break;
                default: rectBar.left = rectBar.right - rectRows.Width(); break;
                }
                rectInParent = rectBar;
                if (pParent != NULL)
                    pParent->ScreenToClient(rectInParent);
            }
            if (pBar->IsKindOf(RUNTIME_CLASS(CTavoPSlider)))
                hdwp = ((CTavoPSlider*)pBar)->RepositionByRect(rectInParent, hdwp);
            else
                hdwp = pBar->SetWindowPos(NULL, rectInParent.left, rectInParent.top,
                                          rectInParent.Width(), rectInParent.Height(),
                                          SWP_NOZORDER | SWP_NOACTIVATE, hdwp);

            switch (dwAlignment & CBRS_ALIGN_ANY)
            {
            case CBRS_ALIGN_TOP: rectWork.top += rectBar.Height(); break;
            case CBRS_ALIGN_BOTTOM: rectWork.bottom -= rectBar.Height(); break;
            case CBRS_ALIGN_LEFT: rectWork.left += rectBar.Width(); break;
            default: rectWork.right -= rectBar.Width(); break;
            }
        }
        if (pos == posBoundary)
        {
            rectOuter = rectWork;
            bOuterStored = TRUE;
        }
    }

    m_rectClientAreaBounds = rectWork;
    if (!bOuterStored || rectOuter.IsRectEmpty() || m_bHideDockingBarsInContainerMode)
        rectOuter = rectWork;
    m_rectOuterEdgeBounds = rectOuter;
    m_pDockSite->ScreenToClient(m_rectClientAreaBounds);
    m_pDockSite->ScreenToClient(m_rectOuterEdgeBounds);

    if (m_rectOuterEdgeBounds != rectOuterOld)
        HideAutoHideBars(NULL, TRUE);
    CalcAutoHideOffsets();

    if (bOwnDefer)
        CTavoPBaseControlBar::EndDeferredMoves(hdwp);
    m_bAdjustingBarLayout = FALSE;
}

void CTavoPDockManager::CalcAutoHideOffsets()
{
    std::vector<CTavoPAutoHideDockBar*> bars;
    std::vector<std::pair<int, int>> old;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPAutoHideDockBar* pBar =
            DYNAMIC_DOWNCAST(CTavoPAutoHideDockBar, m_lstControlBars.GetNext(pos));
        if (pBar == NULL || !::IsWindow(pBar->GetSafeHwnd()))
            continue;
        old.emplace_back(pBar->GetOffsetLeft(), pBar->GetOffsetRight());
        pBar->SetOffsets(0, 0);
        bars.push_back(pBar);
    }
    // A vertical strip A and a horizontal strip B meet at a corner when one ends where the other
    // begins: the one whose end lies beside the other's thickness starts (or stops) that far in,
    // so that the strips do not overlap in the corner.
    for (CTavoPAutoHideDockBar* pA : bars)
    {
        const DWORD dwA = pA->GetCurrentAlignment() & CBRS_ALIGN_ANY;
        CRect a;
        pA->GetWindowRect(a);
        if (a.IsRectEmpty() || (dwA != CBRS_ALIGN_LEFT && dwA != CBRS_ALIGN_RIGHT))
            continue;
        const BOOL bLeft = dwA == CBRS_ALIGN_LEFT;
        for (CTavoPAutoHideDockBar* pB : bars)
        {
            const DWORD dwB = pB->GetCurrentAlignment() & CBRS_ALIGN_ANY;
            CRect b;
            pB->GetWindowRect(b);
            if (b.IsRectEmpty() || (dwB != CBRS_ALIGN_TOP && dwB != CBRS_ALIGN_BOTTOM))
                continue;
            const BOOL bTop = dwB == CBRS_ALIGN_TOP;
            // B runs across A's end: B's end at A's side steps aside by A's width.
            if (bTop ? b.bottom == a.top : a.bottom == b.top)
            {
                if (bLeft)
                    pB->SetOffsets(a.Width(), pB->GetOffsetRight());
                else
                    pB->SetOffsets(pB->GetOffsetLeft(), a.Width());
            }
            // A runs along B's end: A's end at B's side steps aside by B's height.
            if (bLeft ? a.right == b.left : b.right == a.left)
            {
                if (bTop)
                    pA->SetOffsets(b.Height(), pA->GetOffsetRight());
                else
                    pA->SetOffsets(pA->GetOffsetLeft(), b.Height());
            }
        }
    }
    for (size_t i = 0; i < bars.size(); i++)
    {
        if (old[i] != std::make_pair(bars[i]->GetOffsetLeft(), bars[i]->GetOffsetRight()))
            bars[i]->RepositionRows(CRect(0, 0, 0, 0));
    }
}

BOOL CTavoPDockManager::IsAutoHideEnabled(DWORD dwAlignment)
{
    CTavoPDockBar* pDockBar = FindDockBarByAlignment(dwAlignment & CBRS_ALIGN_ANY, FALSE);
    return pDockBar != NULL && pDockBar->IsKindOf(RUNTIME_CLASS(CTavoPAutoHideDockBar));
}

void CTavoPDockManager::HideAutoHideBars(CTavoPDockingControlBar* pBarToExclude, BOOL bImmediately)
{
    // Sliding a pane in can take it off the list (a pane closed meanwhile): walk a copy.
    CObList lstSliders;
    lstSliders.AddTail(&m_lstAutoHideBars);
    for (POSITION pos = lstSliders.GetHeadPosition(); pos != NULL;)
    {
        CTavoPSlider* pSlider = DYNAMIC_DOWNCAST(CTavoPSlider, lstSliders.GetNext(pos));
        if (pSlider == NULL || m_lstAutoHideBars.Find(pSlider) == NULL ||
            !::IsWindow(pSlider->GetSafeHwnd()))
            continue;
        CTavoPDockingControlBar* pBar =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pSlider->GetFirstBar());
        if (pBar == NULL || pBar == pBarToExclude || !pBar->IsWindowVisible() ||
            !pBar->IsAutoHideMode())
            continue;
        pBar->Slide(FALSE, !bImmediately);
    }
}

void CTavoPDockManager::BringBarsToTop(DWORD dwAlignment, BOOL bSkipControlBars)
{
    dwAlignment &= CBRS_ALIGN_ANY;
    BOOL bSkip = bSkipControlBars;
    for (POSITION pos = m_lstControlBars.GetTailPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)m_lstControlBars.GetPrev(pos);
        if (pBar == NULL || !::IsWindow(pBar->GetSafeHwnd()))
            continue;
        if (bSkip && (pBar->IsKindOf(RUNTIME_CLASS(CTavoPControlBar)) ||
                      pBar->IsKindOf(RUNTIME_CLASS(CTavoPSlider))))
            continue;
        if (dwAlignment < CBRS_ALIGN_LEFT ||
            (pBar->GetCurrentAlignment() & CBRS_ALIGN_ANY) == dwAlignment)
        {
            pBar->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            bSkip = FALSE;
        }
    }
}

CTavoPAutoHideToolBar* CTavoPDockManager::AutoHideBar(CTavoPDockingControlBar* pBar,
                                                      CTavoPAutoHideToolBar* pCurrAutoHideToolBar)
{
    if (pBar == NULL || m_pDockSite == NULL)
        return NULL;
    const DWORD dwSide = pBar->GetCurrentAlignment() & CBRS_ALIGN_ANY;
    CTavoPAutoHideDockBar* pDockBar =
        DYNAMIC_DOWNCAST(CTavoPAutoHideDockBar, FindDockBarByAlignment(dwSide, FALSE));
    if (pDockBar == NULL)
        return NULL;
    CTavoPAutoHideToolBar* pStrip = pCurrAutoHideToolBar;
    const BOOL bNew = pStrip == NULL || !::IsWindow(pStrip->GetSafeHwnd());
    if (bNew)
    {
        pStrip = new CTavoPAutoHideToolBar;
        if (!pStrip->Create(NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), m_pDockSite, 1, 0))
        {
            if (pStrip->GetSafeHwnd() == NULL)
                delete pStrip;
            return NULL;
        }
        pStrip->EnableDocking(CBRS_ALIGN_ANY);
        pStrip->SetCurrentAlignment(dwSide);
    }
    if (pStrip->AddAutoHideButton(pBar, dwSide) == NULL)
    {
        if (bNew)
            pStrip->DestroyWindow();
        return NULL;
    }
    if (bNew)
    {
        if (!pDockBar->IsWindowVisible())
            pDockBar->ShowWindow(SW_SHOWNOACTIVATE);
        pStrip->DockToBar(pDockBar, NULL, TAVOP_DM_RECT);
    }
    else
    {
        CRect rectClient;
        pDockBar->GetClientRect(rectClient);
        pDockBar->RepositionRows(rectClient);
    }
    AdjustDockingLayout(NULL);
    CTavoPSlider* pSlider = pBar->GetDefaultSlider();
    if (pSlider != NULL)
    {
        AddControlBar(pSlider, TRUE, TRUE);
        AlignAutoHideSlider(pSlider, TRUE);
        pBar->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        pSlider->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return pStrip;
}

void CTavoPDockManager::AlignAutoHideSlider(CTavoPSlider* pSlider, BOOL bFromFixedSize)
{
    if (pSlider == NULL || !::IsWindow(pSlider->GetSafeHwnd()) || m_pDockSite == NULL)
        return;
    CTavoPDockingControlBar* pBar =
        DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pSlider->GetFirstBar());
    if (pBar == NULL || pBar->GetSafeHwnd() == NULL)
        return;
    const CRect rectOuter = m_rectOuterEdgeBounds;
    CRect rectBar;
    pBar->GetWindowRect(rectBar);
    const DWORD dwSide = pSlider->GetCurrentAlignment() & CBRS_ALIGN_ANY;
    const BOOL bHorz = dwSide == CBRS_ALIGN_TOP || dwSide == CBRS_ALIGN_BOTTOM;
    // The slider's own thickness: its fixed layout counts the pane it holds as well.
    CRect rectSliderWnd;
    pSlider->GetWindowRect(rectSliderWnd);
    const int nSlider = bHorz ? rectSliderWnd.Height() : rectSliderWnd.Width();
    // The pane keeps its thickness while the layout leaves room for it and its slider.
    const int nRoom = (bHorz ? rectOuter.Height() : rectOuter.Width()) - nSlider;
    const int nThickness = std::max(0, std::min(bHorz ? rectBar.Height() : rectBar.Width(), nRoom));
    CRect rectPane = rectOuter;
    CRect rectSlider = rectOuter;
    switch (dwSide)
    {
    case CBRS_ALIGN_LEFT:
        rectPane.right = rectPane.left + nThickness;
        rectSlider.left = rectPane.right;
        rectSlider.right = rectSlider.left + nSlider;
        break;
    case CBRS_ALIGN_RIGHT:
        rectPane.left = rectPane.right - nThickness;
        rectSlider.right = rectPane.left;
        rectSlider.left = rectSlider.right - nSlider;
        break;
    case CBRS_ALIGN_TOP:
        rectPane.bottom = rectPane.top + nThickness;
        rectSlider.top = rectPane.bottom;
        rectSlider.bottom = rectSlider.top + nSlider;
        break;
    default:
        rectPane.top = rectPane.bottom - nThickness;
        rectSlider.bottom = rectPane.top;
        rectSlider.top = rectSlider.bottom - nSlider;
        break;
    }
    pBar->CWnd::SetWindowPos(NULL, rectPane.left, rectPane.top, rectPane.Width(), rectPane.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    pSlider->CWnd::SetWindowPos(NULL, rectSlider.left, rectSlider.top, rectSlider.Width(),
                                rectSlider.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    pBar->AdjustLayout();
}

BOOL CTavoPDockManager::RecalcAllBars()
{
    if (m_bRecalcLayout || m_bDisableRecalcLayout || !m_bEnableAdjustLayout)
        return FALSE;
    m_bRecalcLayout = TRUE;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)m_lstControlBars.GetNext(pos);
        if (!m_bHideDockingBarsInContainerMode || pBar->IsVisible())
            pBar->OnBarHook3();
    }
    if (!m_bHideDockingBarsInContainerMode)
    {
        for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != NULL;)
            ((CTavoPMiniFrameWnd*)m_lstMiniFrames.GetNext(pos))->RecalcLayout();
    }
    AdjustDockingLayout(NULL);
    m_bRecalcLayout = FALSE;
    return TRUE;
}

void CTavoPDockManager::RecalcDockBars()
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CObject* pObject = m_lstControlBars.GetNext(pos);
        if (IsDockBarKind(pObject))
            ((CTavoPDockBar*)pObject)->ArrangeRows();
    }
    AdjustDockingLayout(NULL);
}

// ---- print preview and hiding all bars

template <class TSelect>
void CTavoPDockManager::HideBarsOf(const CObList& lst, TSelect select)
{
    for (POSITION pos = lst.GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)lst.GetNext(pos);
        if (pBar->GetSafeHwnd() == NULL || !pBar->IsVisible() || !select(pBar))
            continue;
        pBar->ShowControlBar(FALSE, TRUE, FALSE);
        m_lstHiddenWindows.AddTail(pBar);
    }
}

void CTavoPDockManager::ShowRemembered(int nShowOther)
{
    for (POSITION pos = m_lstHiddenWindows.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pWnd = (CWnd*)m_lstHiddenWindows.GetNext(pos);
        if (pWnd->GetSafeHwnd() == NULL)
            continue;
        if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPBaseControlBar)))
            ((CTavoPBaseControlBar*)pWnd)->ShowControlBar(TRUE, TRUE, FALSE);
        else
            pWnd->ShowWindow(nShowOther);
    }
    m_lstHiddenWindows.RemoveAll();
}

void CTavoPDockManager::SetPrintPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (bPreview)
    {
        if (m_bIsPrintPreviewMode || m_bHideDockingBarsInContainerMode)
        {
            m_bIsPrintPreviewMode = TRUE;
            return;
        }
        m_lstHiddenWindows.RemoveAll();
        auto notStatusBar = [](CTavoPBaseControlBar* pBar) {
            return !pBar->IsKindOf(RUNTIME_CLASS(CTavoPStatusBar));
        };
        HideBarsOf(m_lstAutoHideBars, notStatusBar);
        HideBarsOf(m_lstControlBars, notStatusBar);
        for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != NULL;)
        {
            CTavoPMiniFrameWnd* pMiniFrame = (CTavoPMiniFrameWnd*)m_lstMiniFrames.GetNext(pos);
            if (pMiniFrame->IsWindowVisible())
            {
                pMiniFrame->ShowWindow(SW_HIDE);
                m_lstHiddenWindows.AddTail(pMiniFrame);
            }
        }
        m_bIsPrintPreviewMode = TRUE;
        return;
    }
    if (!m_bIsPrintPreviewMode || m_bHideDockingBarsInContainerMode)
    {
        m_bIsPrintPreviewMode = FALSE;
        return;
    }
    m_bIsPrintPreviewMode = FALSE;
    ShowRemembered(SW_SHOWNOACTIVATE);
}

BOOL CTavoPDockManager::ShowAllBars(BOOL bShow)
{
    if (!bShow)
    {
        if (m_bHideDockingBarsInContainerMode)
            return FALSE;
        m_lstHiddenWindows.RemoveAll();
        m_bHideDockingBarsInContainerMode = TRUE;
        auto hideable = [](CTavoPBaseControlBar* pBar) {
            if (m_bHideAllControlBarsInPreviewMode)
                return !pBar->IsKindOf(RUNTIME_CLASS(CTavoPStatusBar));
            return !pBar->IsKindOf(RUNTIME_CLASS(CTavoPStatusBar)) &&
                   !pBar->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)) &&
                   !pBar->IsKindOf(RUNTIME_CLASS(CTavoPAutoHideDockBar)) &&
                   !pBar->IsKindOf(RUNTIME_CLASS(CTavoPSlider));
        };
        HideBarsOf(m_lstAutoHideBars, hideable);
        HideBarsOf(m_lstControlBars, hideable);
    }
    else
    {
        if (!m_bHideDockingBarsInContainerMode)
            return FALSE;
        m_bHideDockingBarsInContainerMode = FALSE;
        ShowRemembered(SW_SHOW);
    }
    AdjustDockingLayout(NULL);
    return TRUE;
}

void CTavoPDockManager::KeepMiniFramesAbove()
{
    if (m_pDockSite == NULL || m_pDockSite->GetSafeHwnd() == NULL)
        return;
    const HWND hwndSite = m_pDockSite->GetSafeHwnd();
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != NULL;)
    {
        CTavoPMiniFrameWnd* pMiniFrame = (CTavoPMiniFrameWnd*)m_lstMiniFrames.GetNext(pos);
        const HWND hwndFrame = pMiniFrame->GetSafeHwnd();
        if (hwndFrame == NULL || !::IsWindowVisible(hwndFrame))
            continue;
        BOOL bAbove = FALSE;
        for (HWND hwnd = ::GetWindow(hwndSite, GW_HWNDPREV); hwnd != NULL && !bAbove;
             hwnd = ::GetWindow(hwnd, GW_HWNDPREV))
            bAbove = hwnd == hwndFrame;
        if (bAbove)
            continue;
        // Right above the site: under whatever lies above the site.
        const HWND hwndPrev = ::GetWindow(hwndSite, GW_HWNDPREV);
        ::SetWindowPos(hwndFrame, hwndPrev != NULL ? hwndPrev : HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
}

void CTavoPDockManager::ShowFloatingFrames(BOOL bShow)
{
    if (bShow)
    {
        for (POSITION pos = m_lstHiddenMiniFrames.GetHeadPosition(); pos != NULL;)
        {
            HWND hWnd = m_lstHiddenMiniFrames.GetNext(pos);
            CTavoPMiniFrameWnd* pMiniFrame =
                DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, CWnd::FromHandlePermanent(hWnd));
            if (::IsWindow(hWnd) && pMiniFrame != NULL && pMiniFrame->GetControlBarCount() > 0)
                pMiniFrame->ShowWindow(SW_SHOWNOACTIVATE);
        }
        m_lstHiddenMiniFrames.RemoveAll();
        return;
    }
    m_lstHiddenMiniFrames.RemoveAll();
    const BOOL bChildFrame =
        m_pDockSite != NULL && m_pDockSite->IsKindOf(RUNTIME_CLASS(CTavoPMDIChildWnd));
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != NULL;)
    {
        CTavoPMiniFrameWnd* pMiniFrame = (CTavoPMiniFrameWnd*)m_lstMiniFrames.GetNext(pos);
        if (pMiniFrame->GetSafeHwnd() == NULL || !pMiniFrame->IsWindowVisible())
            continue;
        CWnd* pBar = pMiniFrame->GetControlBar();
        if (!bChildFrame && (pBar == NULL || !pBar->IsKindOf(RUNTIME_CLASS(CTavoPBaseToolBar))))
            continue;
        pMiniFrame->ShowWindow(SW_HIDE);
        m_lstHiddenMiniFrames.AddTail(pMiniFrame->GetSafeHwnd());
    }
}

BOOL CTavoPDockManager::SendMessageToMiniFrames(UINT uMessage, WPARAM wParam, LPARAM lParam)
{
    for (POSITION pos = m_lstMiniFrames.GetHeadPosition(); pos != NULL;)
    {
        CTavoPMiniFrameWnd* pMiniFrame = (CTavoPMiniFrameWnd*)m_lstMiniFrames.GetNext(pos);
        if (pMiniFrame->GetSafeHwnd() != NULL)
            pMiniFrame->SendMessage(uMessage, wParam, lParam);
    }
    return TRUE;
}
