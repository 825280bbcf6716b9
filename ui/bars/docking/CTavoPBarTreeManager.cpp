#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include <algorithm>
#include <vector>

int CTavoPBarTreeManager::m_nDefaultSliderSize = 4;
int CTavoPBarTreeManager::m_nDefaultSliderLimitMargin = 4;

namespace {

// The next id a new slider takes; ids read from a layout move it past themselves.
int& SliderIDCounter()
{
    static int nCounter = 1;
    return nCounter;
}

BOOL IsLive(const CWnd* pWnd)
{
    return pWnd != NULL && ::IsWindow(pWnd->GetSafeHwnd());
}

BOOL IsShown(const CWnd* pWnd)
{
    return IsLive(pWnd) && (pWnd->GetStyle() & WS_VISIBLE) != 0;
}

}

CTavoPBarTreeManager::CTavoPBarTreeManager()
    : m_pRootContainer(NULL), m_pContainerRTC(NULL), m_pDefaultSlider(NULL), m_bOwnsTree(TRUE),
      m_pDockSite(NULL)
{}

CTavoPBarTreeManager::~CTavoPBarTreeManager()
{
    if (!m_bOwnsTree)
        return;
    for (POSITION pos = m_lstSliders.GetHeadPosition(); pos != NULL;)
        ((CTavoPSlider*)m_lstSliders.GetNext(pos))->SetBarTreeManager(NULL);
    m_lstSliders.RemoveAll();
    if (m_pRootContainer != NULL)
    {
        CTavoPBarContainer* pRoot = m_pRootContainer;
        m_pRootContainer = NULL;
        pRoot->ReleaseAll();
        pRoot->Discard();
    }
}

BOOL CTavoPBarTreeManager::Create(CWnd* pDockSite, CTavoPSlider* pDefaultSlider,
                                  CRuntimeClass* pContainerRTC)
{
    m_pDockSite = pDockSite;
    m_pDefaultSlider = pDefaultSlider;
    m_pContainerRTC = pContainerRTC;
    m_pRootContainer = CreateContainer();
    return TRUE;
}

CTavoPBarContainer* CTavoPBarTreeManager::CreateContainer()
{
    CTavoPBarContainer* pContainer = NULL;
    if (m_pContainerRTC != NULL &&
        m_pContainerRTC->IsDerivedFrom(RUNTIME_CLASS(CTavoPBarContainer)))
        pContainer = (CTavoPBarContainer*)m_pContainerRTC->CreateObject();
    if (pContainer == NULL)
        pContainer = new CTavoPBarContainer;
    pContainer->SetManager(this, FALSE);
    return pContainer;
}

// ---- sliders

int CTavoPBarTreeManager::NextSliderID(int nWanted) const
{
    return NextFreeSliderID(m_pDockSite, nWanted, &m_lstSliders);
}

int CTavoPBarTreeManager::NextFreeSliderID(CWnd* pDockSite, int nWanted, const CObList* pSliders)
{
    int& nCounter = SliderIDCounter();
    int nID = nWanted;
    if (nID <= 0)
        nID = nCounter++;
    else if (nID >= nCounter)
        nCounter = nID + 1;
    auto taken = [pDockSite, pSliders](int nCandidate) -> BOOL {
        if (pSliders != NULL)
        {
            for (POSITION pos = pSliders->GetHeadPosition(); pos != NULL;)
            {
                if (((CTavoPSlider*)pSliders->GetNext(pos))->GetSliderID() == nCandidate)
                    return TRUE;
            }
        }
        // Any window of the dock site with that id would be found in its place.
        return IsLive(pDockSite) && ::GetDlgItem(pDockSite->GetSafeHwnd(), nCandidate) != NULL;
    };
    while (taken(nID))
        nID = nCounter++;
    return nID;
}

CTavoPSlider* CTavoPBarTreeManager::CreateDefaultSlider(CFrameWnd* pDockSite, DWORD dwSide)
{
    const BOOL bVert = (dwSide & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0;
    CTavoPSlider* pSlider = new CTavoPSlider(TRUE, pDockSite);
    if (!pSlider->CreateEx(0, WS_VISIBLE | (bVert ? CTavoPSlider::SS_VERT : CTavoPSlider::SS_HORZ),
                           CRect(0, 0, m_nDefaultSliderSize, m_nDefaultSliderSize), pDockSite,
                           (UINT)NextFreeSliderID(pDockSite, -1)))
    {
        if (pSlider->GetSafeHwnd() == NULL)
            delete pSlider;
        return NULL;
    }
    return pSlider;
}

CTavoPSlider* CTavoPBarTreeManager::CreateSlider(CRect rect, DWORD dwOrientation, int nID)
{
    if (!IsLive(m_pDockSite))
        return NULL;
    CTavoPSlider* pSlider = new CTavoPSlider(FALSE);
    const DWORD dwStyle =
        (dwOrientation & (CTavoPSlider::SS_HORZ | CTavoPSlider::SS_VERT)) | WS_VISIBLE;
    if (!pSlider->CreateEx(0, dwStyle, rect, m_pDockSite, (UINT)NextSliderID(nID)))
    {
        if (pSlider->GetSafeHwnd() == NULL)
            delete pSlider;
        return NULL;
    }
    AdoptSlider(pSlider);
    return pSlider;
}

void CTavoPBarTreeManager::AdoptSlider(CTavoPSlider* pSlider)
{
    pSlider->SetBarTreeManager(this);
    if (m_lstSliders.Find(pSlider) == NULL)
        m_lstSliders.AddTail(pSlider);
}

void CTavoPBarTreeManager::RemoveSlider(CTavoPSlider* pSlider)
{
    if (POSITION pos = m_lstSliders.Find(pSlider))
        m_lstSliders.RemoveAt(pos);
    if (pSlider == NULL)
        return;
    if (pSlider->GetBarTreeManager() == this)
        pSlider->SetBarTreeManager(NULL);
    if (m_pRootContainer != NULL)
    {
        if (CTavoPBarContainer* pNode =
                m_pRootContainer->FindContainer(pSlider, CTavoPBarContainer::findSlider))
            pNode->ForgetSlider();
    }
}

// ---- insertion

void CTavoPBarTreeManager::SplitRects(CRect& rectExisting, CRect& rectNew, CRect& rectSlider,
                                      DWORD dwAlignment, CSize sizeMinNew)
{
    const int nSlider = m_nDefaultSliderSize;
    const BOOL bHorzSplit = (dwAlignment & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
    const BOOL bNewFirst = (dwAlignment & (CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP)) != 0;
    const int cxNew = std::max(rectNew.Width(), (int)sizeMinNew.cx);
    const int cyNew = std::max(rectNew.Height(), (int)sizeMinNew.cy);
    if (bHorzSplit)
    {
        const int nNew = std::min(rectExisting.Height() / 2, cyNew);
        rectNew = rectSlider = rectExisting;
        if (bNewFirst)
        {
            rectNew.bottom = rectNew.top + nNew;
            rectSlider.top = rectNew.bottom;
            rectSlider.bottom = rectSlider.top + nSlider;
            rectExisting.top = rectSlider.bottom;
        }
        else
        {
            rectNew.top = rectNew.bottom - nNew;
            rectSlider.bottom = rectNew.top;
            rectSlider.top = rectSlider.bottom - nSlider;
            rectExisting.bottom = rectSlider.top;
        }
    }
    else
    {
        const int nNew = std::min(rectExisting.Width() / 2, cxNew);
        rectNew = rectSlider = rectExisting;
        if (bNewFirst)
        {
            rectNew.right = rectNew.left + nNew;
            rectSlider.left = rectNew.right;
            rectSlider.right = rectSlider.left + nSlider;
            rectExisting.left = rectSlider.right;
        }
        else
        {
            rectNew.left = rectNew.right - nNew;
            rectSlider.right = rectNew.left;
            rectSlider.left = rectSlider.right - nSlider;
            rectExisting.right = rectSlider.left;
        }
    }
}

namespace {

BOOL IsSideAlignment(DWORD dwAlignment)
{
    return dwAlignment == CBRS_ALIGN_LEFT || dwAlignment == CBRS_ALIGN_TOP ||
           dwAlignment == CBRS_ALIGN_RIGHT || dwAlignment == CBRS_ALIGN_BOTTOM;
}

DWORD SliderOrientation(DWORD dwAlignment)
{
    return (dwAlignment & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) ? CTavoPSlider::SS_HORZ
                                                                : CTavoPSlider::SS_VERT;
}

}

BOOL CTavoPBarTreeManager::InsertControlBar(CTavoPDockingControlBar* pNewBar,
                                            CTavoPDockingControlBar* pExistingBar,
                                            DWORD dwAlignment)
{
    if (pNewBar == NULL || !IsSideAlignment(dwAlignment) || m_pRootContainer == NULL ||
        !IsLive(m_pDockSite))
        return FALSE;
    POSITION posExisting = m_lstControlBars.Find(pExistingBar);
    BOOL bExistingFirst = FALSE;
    CTavoPBarContainer* pNode = FindContainer(pExistingBar, bExistingFirst);
    if (posExisting == NULL || pNode == NULL || m_lstControlBars.Find(pNewBar) != NULL)
        return FALSE;

    CRect rectExisting, rectNew, rectSlider;
    pExistingBar->GetWindowRect(rectExisting);
    pNewBar->GetWindowRect(rectNew);
    CSize sizeMin;
    pNewBar->GetMinSize(sizeMin);
    SplitRects(rectExisting, rectNew, rectSlider, dwAlignment, sizeMin);
    m_pDockSite->ScreenToClient(rectExisting);
    m_pDockSite->ScreenToClient(rectNew);
    m_pDockSite->ScreenToClient(rectSlider);

    // The slider first: when it cannot be made the tree stays as it was.
    CTavoPSlider* pSlider = CreateSlider(rectSlider, SliderOrientation(dwAlignment));
    if (pSlider == NULL)
        return FALSE;

    const BOOL bNewFirst = (dwAlignment & (CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP)) != 0;
    CTavoPBarContainer* pChild = CreateContainer();
    pChild->SetBar(bNewFirst ? pNewBar : pExistingBar, TRUE);
    pChild->SetBar(bNewFirst ? pExistingBar : pNewBar, FALSE);
    pChild->SetSlider(pSlider);
    pChild->SetPercent(pExistingBar->GetPercent());
    pNode->SetBar(NULL, bExistingFirst);
    pNode->SetChild(pChild, bExistingFirst);

    if (bNewFirst)
        m_lstControlBars.InsertBefore(posExisting, pNewBar);
    else
        m_lstControlBars.InsertAfter(posExisting, pNewBar);

    pExistingBar->SetWindowPos(NULL, rectExisting.left, rectExisting.top, rectExisting.Width(),
                               rectExisting.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    pNewBar->SetWindowPos(NULL, rectNew.left, rectNew.top, rectNew.Width(), rectNew.Height(),
                          SWP_NOZORDER | SWP_NOACTIVATE);
    pChild->StoreRecentPercents();
    return TRUE;
}

void CTavoPBarTreeManager::AddControlBar(CTavoPDockingControlBar* pBar)
{
    if (pBar == NULL || m_pRootContainer == NULL || m_lstControlBars.Find(pBar) != NULL)
        return;
    if (m_pRootContainer->GetLeftBar() != NULL || m_pRootContainer->GetLeftContainer() != NULL)
        return;
    m_pRootContainer->SetBar(pBar, TRUE);
    m_lstControlBars.AddTail(pBar);
}

CTavoPDockingControlBar* CTavoPBarTreeManager::AddControlBarToRecentContainer(
    CTavoPDockingControlBar* pBar, CTavoPBarContainer* pContainer)
{
    if (pBar == NULL || pContainer == NULL || m_pRootContainer == NULL ||
        !pContainer->IsAttached() ||
        m_pRootContainer->FindContainer(pContainer, CTavoPBarContainer::findNode) == NULL)
        return NULL;

    // Nodes whose slider went to another tree with a cloned part get one again.
    for (CTavoPBarContainer* pNode = pContainer; pNode != NULL && pNode != m_pRootContainer;
         pNode = pNode->GetParentContainer())
    {
        if (pNode->GetSlider() != NULL || pNode->GetSavedSliderStyle() == 0)
            continue;
        if (pNode == pContainer ? pNode->IsEmpty() : !pNode->IsEmpty())
            continue;
        CTavoPSlider* pSlider =
            CreateSlider(pNode->GetSavedSliderRect(), pNode->GetSavedSliderStyle());
        if (pSlider != NULL)
            pNode->SetSlider(pSlider);
    }

    CWnd* pDockSite = m_pDockSite;
    const BOOL bForSlider = pDockSite != NULL && pDockSite->IsKindOf(RUNTIME_CLASS(CFrameWnd));
    CTavoPDockingControlBar* pPlaced = pContainer->AddRecentBar(pBar);
    if (pPlaced != pBar)
        return pPlaced;
    m_pRootContainer->CheckSliderVisibility();
    if (m_lstControlBars.Find(pBar) != NULL)
        return pBar;

    // Back into the list after the nearest bar that stood before it and is still here.
    const CDWordArray& arrBars = pBar->GetRecentDockInfo().GetRecentListOfBars(bForSlider);
    int nOwn = -1;
    for (int i = 0; i < (int)arrBars.GetSize(); i++)
    {
        if ((HWND)(UINT_PTR)arrBars[i] == pBar->GetSafeHwnd())
            nOwn = i;
    }
    for (int i = nOwn - 1; i >= 0; i--)
    {
        CWnd* pWnd = CWnd::FromHandlePermanent((HWND)(UINT_PTR)arrBars[i]);
        if (pWnd == NULL)
            continue;
        if (POSITION pos = m_lstControlBars.Find(pWnd))
        {
            m_lstControlBars.InsertAfter(pos, pBar);
            return pBar;
        }
    }
    m_lstControlBars.AddHead(pBar);
    return pBar;
}

BOOL CTavoPBarTreeManager::MergeTree(CTavoPDockingControlBar* pTargetBar, DWORD dwAlignment,
                                     CTavoPBarTreeManager* pOtherManager, BOOL bCopy)
{
    if (pOtherManager == NULL || pOtherManager == this || !IsSideAlignment(dwAlignment) ||
        !IsLive(m_pDockSite) || pOtherManager->GetRootContainer() == NULL)
        return FALSE;
    BOOL bTargetFirst = FALSE;
    CTavoPBarContainer* pNode = FindContainer(pTargetBar, bTargetFirst);
    POSITION posTarget = m_lstControlBars.Find(pTargetBar);
    if (pNode == NULL || posTarget == NULL)
        return FALSE;

    CObList lstBars, lstSliders;
    pOtherManager->GetVisibleBarsAndSliders(lstBars, lstSliders);
    if (lstBars.IsEmpty())
        return FALSE;

    CRect rectTarget, rectTree, rectSlider;
    pTargetBar->GetWindowRect(rectTarget);
    pOtherManager->GetWindowRect(rectTree);
    CSize sizeMin;
    pOtherManager->GetMinSize(sizeMin);
    SplitRects(rectTarget, rectTree, rectSlider, dwAlignment, sizeMin);
    m_pDockSite->ScreenToClient(rectTarget);
    m_pDockSite->ScreenToClient(rectTree);
    m_pDockSite->ScreenToClient(rectSlider);

    // The slider first: when it cannot be made neither tree changes.
    CTavoPSlider* pSlider = CreateSlider(rectSlider, SliderOrientation(dwAlignment));
    if (pSlider == NULL)
        return FALSE;

    CTavoPBarContainer* pSubtree = NULL;
    if (bCopy)
    {
        pSubtree = pOtherManager->GetRootContainer()->Clone(NULL);
        pOtherManager->RemoveVisibleFromLists();
    }
    else
    {
        pSubtree = pOtherManager->DetachTree();
    }
    pSubtree->SetManager(this, TRUE);
    GetDockingUtils().ReparentBars(lstBars, m_pDockSite, FALSE);
    GetDockingUtils().ReparentBars(lstSliders, m_pDockSite, FALSE);

    pTargetBar->SetWindowPos(NULL, rectTarget.left, rectTarget.top, rectTarget.Width(),
                             rectTarget.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    HDWP hdwp = CTavoPBaseControlBar::BeginDeferredMoves();
    hdwp = pSubtree->LayoutByPercents(rectTree, hdwp);
    CTavoPBaseControlBar::EndDeferredMoves(hdwp);

    const BOOL bSubtreeFirst = (dwAlignment & (CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP)) != 0;
    CTavoPBarContainer* pChild = CreateContainer();
    pChild->SetPercent(pTargetBar->GetPercent());
    pChild->SetBar(pTargetBar, !bSubtreeFirst);
    pChild->SetChild(pSubtree, bSubtreeFirst);
    pChild->SetSlider(pSlider);
    pNode->SetBar(NULL, bTargetFirst);
    pNode->SetChild(pChild, bTargetFirst);
    pSlider->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    POSITION posInsert = posTarget;
    for (POSITION pos = lstBars.GetHeadPosition(); pos != NULL;)
    {
        CObject* pBar = lstBars.GetNext(pos);
        if (bSubtreeFirst)
            m_lstControlBars.InsertBefore(posTarget, pBar);
        else
            posInsert = m_lstControlBars.InsertAfter(posInsert, pBar);
    }
    for (POSITION pos = lstSliders.GetHeadPosition(); pos != NULL;)
        AdoptSlider((CTavoPSlider*)lstSliders.GetNext(pos));

    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)m_lstControlBars.GetNext(pos);
        if (!IsLive(pBar))
            continue;
        pBar->ShowCaption(TRUE);
        pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    }
    m_pRootContainer->CheckSliderVisibility();
    m_pRootContainer->StoreRecentPercents();
    return TRUE;
}

CTavoPBarContainer* CTavoPBarTreeManager::DetachTree()
{
    // The tree goes whole to another manager; this one keeps an empty root of its own.
    CTavoPBarContainer* pRoot = m_pRootContainer;
    m_pRootContainer = CreateContainer();
    m_lstControlBars.RemoveAll();
    m_lstSliders.RemoveAll();
    return pRoot;
}

BOOL CTavoPBarTreeManager::TakeOverTree(CTavoPBarTreeManager* pOtherManager, BOOL bAutoHide)
{
    if (pOtherManager == NULL || pOtherManager == this || m_pRootContainer == NULL ||
        !m_pRootContainer->IsEmpty() || pOtherManager->GetRootContainer() == NULL)
        return FALSE;
    CTavoPDockManager* pDockManager = FindDockManager();
    if (pDockManager == NULL)
        return FALSE;

    CObList lstBars, lstSliders;
    pOtherManager->GetVisibleBarsAndSliders(lstBars, lstSliders);
    CTavoPBarContainer* pClone = pOtherManager->GetRootContainer()->Clone(m_pRootContainer);
    pOtherManager->RemoveVisibleFromLists();
    pClone->SetManager(this, TRUE);
    m_pRootContainer->SetChild(pClone, TRUE);
    m_lstControlBars.RemoveAll();
    m_lstSliders.RemoveAll();
    m_lstControlBars.AddTail(&lstBars);

    GetDockingUtils().ReparentBars(lstBars, m_pDockSite, FALSE);
    GetDockingUtils().ReparentBars(lstSliders, m_pDockSite, FALSE);
    for (POSITION pos = lstSliders.GetHeadPosition(); pos != NULL;)
        AdoptSlider((CTavoPSlider*)lstSliders.GetNext(pos));

    const DWORD dwAlignment =
        m_pDefaultSlider != NULL ? m_pDefaultSlider->GetCurrentAlignment() : CBRS_ALIGN_LEFT;
    for (POSITION pos = lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)lstBars.GetNext(pos);
        pBar->SetDefaultSlider(m_pDefaultSlider != NULL ? m_pDefaultSlider->GetSafeHwnd() : NULL);
        pBar->SetCurrentAlignment(dwAlignment);
        pDockManager->AddControlBar(pBar, TRUE, bAutoHide);
        pBar->ShowCaption(TRUE);
    }
    m_pRootContainer->CheckSliderVisibility();
    m_pRootContainer->StoreRecentPercents();
    return TRUE;
}

BOOL CTavoPBarTreeManager::AttachTreeToBar(CTavoPDockingControlBar* pTargetBar,
                                           CTavoPBarTreeManager* pOtherManager)
{
    BOOL bFirst = FALSE;
    if (pOtherManager == NULL || m_lstControlBars.Find(pTargetBar) == NULL ||
        FindContainer(pTargetBar, bFirst) == NULL)
        return FALSE;
    CObList lstBars, lstSliders;
    pOtherManager->GetVisibleBarsAndSliders(lstBars, lstSliders);
    // Every attachment may replace the target by its tabbed bar: the list is walked as taken.
    CTavoPDockingControlBar* pTarget = pTargetBar;
    for (POSITION pos = lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)lstBars.GetNext(pos);
        CTavoPDockingControlBar* pTabbed = NULL;
        pBar->AttachToTabbedBar(pTarget, TAVOP_DM_MOUSE, TRUE, &pTabbed);
        if (pTabbed != NULL)
            pTarget = pTabbed;
    }
    return TRUE;
}

// ---- removal, replacement, layout

BOOL CTavoPBarTreeManager::RemoveControlBar(CTavoPDockingControlBar* pBar)
{
    if (m_pRootContainer == NULL || pBar == NULL)
        return FALSE;
    BOOL bFirst = FALSE;
    if (CTavoPBarContainer* pNode = FindContainer(pBar, bFirst))
        pNode->DeleteControlBar(pBar, bFirst);
    m_pRootContainer->CheckSliderVisibility();

    if (POSITION pos = m_lstControlBars.Find(pBar))
    {
        const BOOL bForSlider =
            m_pDockSite != NULL && m_pDockSite->IsKindOf(RUNTIME_CLASS(CFrameWnd));
        CDWordArray arrBars;
        for (POSITION posBar = m_lstControlBars.GetHeadPosition(); posBar != NULL;)
            arrBars.Add((DWORD)(UINT_PTR)((CWnd*)m_lstControlBars.GetNext(posBar))->GetSafeHwnd());
        pBar->GetRecentDockInfo().SetRecentListOfBars(bForSlider, arrBars);
        m_lstControlBars.RemoveAt(pos);
    }
    return TRUE;
}

void CTavoPBarTreeManager::DropBar(CTavoPDockingControlBar* pBar)
{
    BOOL bFirst = FALSE;
    if (CTavoPBarContainer* pNode = FindContainer(pBar, bFirst))
        pNode->SetBar(NULL, bFirst);
    if (POSITION pos = m_lstControlBars.Find(pBar))
        m_lstControlBars.RemoveAt(pos);
}

BOOL CTavoPBarTreeManager::ReplaceControlBar(CTavoPDockingControlBar* pBarOld,
                                             CTavoPDockingControlBar* pBarNew)
{
    if (pBarNew == NULL)
        return FALSE;
    POSITION pos = m_lstControlBars.Find(pBarOld);
    if (pos == NULL)
    {
        m_lstControlBars.AddTail(pBarNew);
        return TRUE;
    }
    BOOL bFirst = FALSE;
    if (CTavoPBarContainer* pNode = FindContainer(pBarOld, bFirst))
        pNode->SetBar(pBarNew, bFirst);
    pBarNew->SetPercent(pBarOld->GetPercent());
    m_lstControlBars.SetAt(pos, pBarNew);
    return TRUE;
}

HDWP CTavoPBarTreeManager::ResizeTree(CRect rect, HDWP hdwp)
{
    if (m_pRootContainer == NULL)
        return hdwp;
    return m_pRootContainer->ResizeContainer(rect, hdwp);
}

HDWP CTavoPBarTreeManager::StretchTree(DWORD dwSide, BOOL bGrow, int nOffset, HDWP hdwp)
{
    if (m_pRootContainer == NULL || !IsLive(m_pDockSite))
        return hdwp;
    CRect rect;
    GetWindowRect(rect);
    const int nDelta = bGrow ? nOffset : -nOffset;
    switch (dwSide)
    {
    case CBRS_ALIGN_LEFT: rect.left -= nDelta; break;
    case CBRS_ALIGN_TOP: rect.top -= nDelta; break;
    case CBRS_ALIGN_RIGHT: rect.right += nDelta; break;
    default: rect.bottom += nDelta; break;
    }
    rect.NormalizeRect();
    m_pDockSite->ScreenToClient(rect);
    return ResizeTree(rect, hdwp);
}

int CTavoPBarTreeManager::MoveSlider(CTavoPSlider* pSlider, int nOffset, HDWP& hdwp)
{
    if (pSlider == NULL || m_pRootContainer == NULL || !IsLive(m_pDockSite))
        return 0;
    if (pSlider != m_pDefaultSlider)
    {
        CTavoPBarContainer* pNode =
            m_pRootContainer->FindContainer(pSlider, CTavoPBarContainer::findSlider);
        if (pNode == NULL)
            return 0;
        hdwp = pNode->ResizeByOffset(nOffset, hdwp);
        return nOffset;
    }

    // The default slider moves the tree's edge that faces it.
    CRect rect;
    GetWindowRect(rect);
    CSize sizeMin;
    GetMinSize(sizeMin);
    switch (pSlider->GetCurrentAlignment() & CBRS_ALIGN_ANY)
    {
    case CBRS_ALIGN_LEFT:
        nOffset = std::max(nOffset, (int)sizeMin.cx - rect.Width());
        rect.right += nOffset;
        break;
    case CBRS_ALIGN_TOP:
        nOffset = std::max(nOffset, (int)sizeMin.cy - rect.Height());
        rect.bottom += nOffset;
        break;
    case CBRS_ALIGN_RIGHT:
        nOffset = std::min(nOffset, rect.Width() - (int)sizeMin.cx);
        rect.left += nOffset;
        break;
    default:
        nOffset = std::min(nOffset, rect.Height() - (int)sizeMin.cy);
        rect.top += nOffset;
        break;
    }
    m_pDockSite->ScreenToClient(rect);
    hdwp = ResizeTree(rect, hdwp);
    return nOffset;
}

void CTavoPBarTreeManager::GetSliderLimits(CTavoPSlider* pSlider, int& nTowardsFirst,
                                           int& nTowardsSecond, int& nStep) const
{
    nTowardsFirst = nTowardsSecond = 0;
    nStep = -1;
    if (pSlider == NULL || m_pRootContainer == NULL || !IsLive(pSlider))
        return;
    CRect rectSlider;
    pSlider->GetWindowRect(rectSlider);

    if (pSlider != m_pDefaultSlider)
    {
        CTavoPBarContainer* pNode =
            m_pRootContainer->FindContainer(pSlider, CTavoPBarContainer::findSlider);
        if (pNode == NULL)
            return;
        // Each side may shrink to its minimum size and no further.
        CRect rectFirst = pNode->GetSideRectOf(TRUE), rectSecond = pNode->GetSideRectOf(FALSE);
        CSize sizeFirst, sizeSecond;
        pNode->GetMinSizeFirst(sizeFirst);
        pNode->GetMinSizeSecond(sizeSecond);
        if (pSlider->IsHorizontal())
        {
            nTowardsFirst = rectFirst.top + sizeFirst.cy - rectSlider.top;
            nTowardsSecond = rectSecond.bottom - sizeSecond.cy - rectSlider.bottom;
        }
        else
        {
            nTowardsFirst = rectFirst.left + sizeFirst.cx - rectSlider.left;
            nTowardsSecond = rectSecond.right - sizeSecond.cx - rectSlider.right;
        }
        nStep = pNode->GetResizeStep();
    }
    else
    {
        // The tree keeps its minimum size; the slider stays a margin inside the dock bars.
        CRect rectTree;
        GetWindowRect(rectTree);
        CSize sizeMin;
        GetMinSize(sizeMin);
        CRect rectOuter = rectTree;
        if (CTavoPDockManager* pDockManager = FindDockManager())
        {
            rectOuter = pDockManager->GetOuterEdgeBounds();
            pDockManager->GetDockSite()->ClientToScreen(rectOuter);
        }
        rectOuter.DeflateRect(m_nDefaultSliderLimitMargin, m_nDefaultSliderLimitMargin);
        switch (pSlider->GetCurrentAlignment() & CBRS_ALIGN_ANY)
        {
        case CBRS_ALIGN_LEFT:
            nTowardsFirst = rectTree.left + sizeMin.cx - rectSlider.left;
            nTowardsSecond = rectOuter.right - rectSlider.right;
            break;
        case CBRS_ALIGN_TOP:
            nTowardsFirst = rectTree.top + sizeMin.cy - rectSlider.top;
            nTowardsSecond = rectOuter.bottom - rectSlider.bottom;
            break;
        case CBRS_ALIGN_RIGHT:
            nTowardsFirst = rectOuter.left - rectSlider.left;
            nTowardsSecond = rectTree.right - sizeMin.cx - rectSlider.right;
            break;
        default:
            nTowardsFirst = rectOuter.top - rectSlider.top;
            nTowardsSecond = rectTree.bottom - sizeMin.cy - rectSlider.bottom;
            break;
        }
        nStep = m_pRootContainer->GetResizeStep();
    }
    nTowardsFirst = std::min(nTowardsFirst, 0);
    nTowardsSecond = std::max(nTowardsSecond, 0);
}

// ---- queries

void CTavoPBarTreeManager::GetWindowRect(CRect& rect) const
{
    if (m_pRootContainer != NULL)
        m_pRootContainer->GetWindowRect(rect);
    else
        rect.SetRectEmpty();
}

void CTavoPBarTreeManager::GetFreeRect(CRect& rect) const
{
    GetWindowRect(rect);
    CRect rectUsed(0, 0, 0, 0);
    auto add = [&rectUsed](const CObList& lst) {
        for (POSITION pos = lst.GetHeadPosition(); pos != NULL;)
        {
            CWnd* pWnd = (CWnd*)lst.GetNext(pos);
            if (!IsShown(pWnd))
                continue;
            CRect rectWnd;
            pWnd->GetWindowRect(rectWnd);
            rectUsed.UnionRect(rectUsed, rectWnd);
        }
    };
    add(m_lstControlBars);
    add(m_lstSliders);
    // A tree its bars and sliders cover leaves nothing free, not the whole tree.
    CRect rectFree;
    rectFree.SubtractRect(rect, rectUsed);
    rect = rectFree;
}

BOOL CTavoPBarTreeManager::CheckVisibility()
{
    if (m_pRootContainer != NULL)
        m_pRootContainer->CheckSliderVisibility();
    return IsVisible();
}

BOOL CTavoPBarTreeManager::IsVisible() const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        if (IsShown((CWnd*)m_lstControlBars.GetNext(pos)))
            return TRUE;
    }
    return FALSE;
}

void CTavoPBarTreeManager::GetMinSize(CSize& size) const
{
    if (m_pRootContainer != NULL)
        m_pRootContainer->GetMinSize(size);
    else
        size = CSize(0, 0);
}

int CTavoPBarTreeManager::GetVisibleBarCount() const
{
    int nCount = 0;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        if (IsShown((CWnd*)m_lstControlBars.GetNext(pos)))
            nCount++;
    }
    return nCount;
}

void CTavoPBarTreeManager::ShowBarCaptions(BOOL bShow)
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)m_lstControlBars.GetNext(pos);
        if (IsLive(pBar))
            pBar->ShowCaption(bShow);
    }
}

void CTavoPBarTreeManager::HideAll()
{
    // Copies: hiding a window may run code that changes the lists.
    CObList lstAll;
    lstAll.AddTail((CObList*)&m_lstControlBars);
    lstAll.AddTail((CObList*)&m_lstSliders);
    std::vector<HWND> hwnds;
    for (POSITION pos = lstAll.GetHeadPosition(); pos != NULL;)
        hwnds.push_back(((CWnd*)lstAll.GetNext(pos))->GetSafeHwnd());
    for (HWND hWnd : hwnds)
    {
        if (::IsWindow(hWnd))
            ::ShowWindow(hWnd, SW_HIDE);
    }
}

BOOL CTavoPBarTreeManager::CanFloat() const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)m_lstControlBars.GetNext(pos);
        if (IsLive(pBar) && pBar->CanFloat())
            return TRUE;
    }
    return FALSE;
}

BOOL CTavoPBarTreeManager::CanFloatHere() const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPBaseControlBar* pBar = (CTavoPBaseControlBar*)m_lstControlBars.GetNext(pos);
        if (IsLive(pBar) && pBar->CanFloatHere())
            return TRUE;
    }
    return FALSE;
}

CTavoPDockingControlBar* CTavoPBarTreeManager::FindBarAtPoint(CPoint point, int nSensitivity,
                                                              BOOL bExactOnly, BOOL& bInTabArea,
                                                              BOOL& bOnCaption)
{
    bInTabArea = bOnCaption = FALSE;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)m_lstControlBars.GetNext(pos);
        if (!IsShown(pBar))
            continue;
        CRect rectTop, rectBottom;
        pBar->GetTabArea(rectTop, rectBottom);
        if (rectTop.PtInRect(point) || rectBottom.PtInRect(point))
        {
            bInTabArea = TRUE;
            return pBar;
        }
        if (pBar->HitTest(point, TRUE) == HTCAPTION)
        {
            bOnCaption = TRUE;
            return pBar;
        }
        CRect rect;
        pBar->GetWindowRect(rect);
        rect.top += pBar->GetCaptionHeight();
        if (!rect.PtInRect(point))
            continue;
        CRect rectInner = rect;
        rectInner.DeflateRect(nSensitivity, nSensitivity);
        if (nSensitivity == 0 || !rectInner.PtInRect(point))
            return pBar;
    }
    if (bExactOnly)
        return NULL;
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)m_lstControlBars.GetNext(pos);
        if (!IsShown(pBar))
            continue;
        CRect rect;
        pBar->GetWindowRect(rect);
        rect.InflateRect(nSensitivity, nSensitivity);
        if (rect.PtInRect(point))
            return pBar;
    }
    return NULL;
}

BOOL CTavoPBarTreeManager::GetBarInMiniFrameCaption(CPoint point, CTavoPDockingControlBar*& pBar)
{
    pBar = NULL;
    CTavoPMultiMiniFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd, m_pDockSite);
    if (pFrame == NULL || GetVisibleBarCount() > 1)
        return FALSE;
    CRect rectCaption;
    pFrame->GetCaptionRect(rectCaption);
    CRect rectWindow;
    pFrame->GetWindowRect(rectWindow);
    rectCaption.OffsetRect(rectWindow.TopLeft());
    if (!rectCaption.PtInRect(point))
        return FALSE;
    pBar = GetFirstVisibleBar();
    return pBar != NULL;
}

CTavoPDockingControlBar* CTavoPBarTreeManager::GetFirstBar() const
{
    return m_lstControlBars.IsEmpty() ? NULL : (CTavoPDockingControlBar*)m_lstControlBars.GetHead();
}

CTavoPDockingControlBar* CTavoPBarTreeManager::GetFirstVisibleBar() const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)m_lstControlBars.GetNext(pos);
        if (IsShown(pBar))
            return pBar;
    }
    return NULL;
}

void CTavoPBarTreeManager::SetAutoHideHiding(BOOL bDisable)
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
        ((CTavoPDockingControlBar*)m_lstControlBars.GetNext(pos))->SetAutoHideHiding(bDisable);
}

void CTavoPBarTreeManager::StoreRecentDockInfo(CTavoPDockingControlBar* pBar)
{
    BOOL bFirst = FALSE;
    if (CTavoPBarContainer* pNode = FindContainer(pBar, bFirst))
        pNode->StoreRecentDockInfo(pBar);
}

CTavoPBarContainer* CTavoPBarTreeManager::FindContainer(const CTavoPDockingControlBar* pBar,
                                                        BOOL& bLeftBar) const
{
    bLeftBar = FALSE;
    if (m_pRootContainer == NULL || pBar == NULL)
        return NULL;
    CObject* pItem = (CObject*)pBar;
    if (CTavoPBarContainer* pNode =
            m_pRootContainer->FindContainer(pItem, CTavoPBarContainer::findFirstBar))
    {
        bLeftBar = TRUE;
        return pNode;
    }
    return m_pRootContainer->FindContainer(pItem, CTavoPBarContainer::findSecondBar);
}

CTavoPBaseTabbedBar* CTavoPBarTreeManager::FindTabbedBarByTabID(UINT nID) const
{
    return m_pRootContainer != NULL ? m_pRootContainer->FindTabbedBarByTabID(nID) : NULL;
}

void CTavoPBarTreeManager::GetVisibleBarsAndSliders(CObList& lstBars, CObList& lstSliders) const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CObject* pBar = m_lstControlBars.GetNext(pos);
        if (IsShown((CWnd*)pBar))
            lstBars.AddTail(pBar);
    }
    for (POSITION pos = m_lstSliders.GetHeadPosition(); pos != NULL;)
    {
        CObject* pSlider = m_lstSliders.GetNext(pos);
        if (IsShown((CWnd*)pSlider))
            lstSliders.AddTail(pSlider);
    }
}

void CTavoPBarTreeManager::RemoveVisibleFromLists()
{
    for (CObList* pList : {&m_lstControlBars, &m_lstSliders})
    {
        for (POSITION pos = pList->GetHeadPosition(); pos != NULL;)
        {
            POSITION posCurrent = pos;
            if (IsShown((CWnd*)pList->GetNext(pos)))
                pList->RemoveAt(posCurrent);
        }
    }
}

BOOL CTavoPBarTreeManager::IsBarValid(CTavoPDockingControlBar* pBar)
{
    BOOL bValid = IsLive(pBar) && pBar->GetDlgCtrlID() != -1;
    if (!bValid && IsLive(pBar))
    {
        CTavoPBaseTabbedBar* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pBar);
        bValid = pTabbed != NULL && pTabbed->GetUnderlinedWindow() != NULL &&
                 pTabbed->GetUnderlinedWindow()->GetTabsNum() > 0;
    }
    if (!bValid)
    {
        if (POSITION pos = m_lstControlBars.Find(pBar))
            m_lstControlBars.RemoveAt(pos);
    }
    return bValid;
}

void CTavoPBarTreeManager::ValidateBars()
{
    if (m_pRootContainer != NULL)
        m_pRootContainer->ValidateBars();
}

int CTavoPBarTreeManager::GetNodeCount() const
{
    return m_pRootContainer != NULL ? m_pRootContainer->GetNodeCount() : 0;
}

int CTavoPBarTreeManager::GetTotalRefCount() const
{
    return m_pRootContainer != NULL ? m_pRootContainer->GetTotalRefCount() : 0;
}

void CTavoPBarTreeManager::NotifyDefaultSlider()
{
    if (m_pDefaultSlider != NULL && IsLive(m_pDefaultSlider))
        m_pDefaultSlider->RemoveIfEmpty();
}

BOOL CTavoPBarTreeManager::IsBarInTree(const CTavoPDockingControlBar* pBar) const
{
    return pBar != NULL && m_lstControlBars.Find((CObject*)pBar) != NULL;
}

CTavoPDockManager* CTavoPBarTreeManager::FindDockManager() const
{
    CWnd* pFrame = NULL;
    if (m_pDefaultSlider != NULL)
        pFrame = m_pDefaultSlider->GetDockSiteFrame();
    else if (CTavoPMiniFrameWnd* pMiniFrame = DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, m_pDockSite))
        pFrame = pMiniFrame->GetParent();
    else
        pFrame = m_pDockSite;
    return GetDockingUtils().GetDockManager(pFrame);
}

// ---- archive

void CTavoPBarTreeManager::Serialize(CArchive& ar)
{
    if (m_pRootContainer == NULL)
        AfxThrowArchiveException(CArchiveException::genericException);
    if (ar.IsStoring())
    {
        m_pRootContainer->CollapseEmpty();
        m_pRootContainer->Serialize(ar);
        // The count says how many entries follow: a tabbed bar without tabs has no tab to be
        // found by and is left out, count and entry alike.
        std::vector<LONG> entries;
        for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
        {
            CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)m_lstControlBars.GetNext(pos);
            if (!IsLive(pBar))
                continue;
            const int nID = pBar->GetDlgCtrlID();
            if (nID != -1)
            {
                entries.push_back((LONG)nID);
                continue;
            }
            CTavoPBaseTabbedBar* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pBar);
            CWnd* pFirstTab = pTabbed != NULL && pTabbed->GetTabsNum() > 0
                                  ? pTabbed->FindBarByTabNumber(0, FALSE)
                                  : NULL;
            if (pFirstTab == NULL || pFirstTab->GetSafeHwnd() == NULL)
                continue;
            entries.push_back(-1);
            entries.push_back((LONG)pFirstTab->GetDlgCtrlID());
        }
        LONG nCount = 0;
        for (size_t i = 0; i < entries.size(); i++)
        {
            if (entries[i] == -1)
                i++;
            nCount++;
        }
        ar << nCount;
        for (LONG n : entries)
            ar << n;
        return;
    }

    try
    {
        LoadTree(ar);
    }
    catch (...)
    {
        // The tabbed bars the tree made so far are windows of the dock site: they go with
        // the broken tree.
        m_pRootContainer->DestroyLoadedTabbedBars();
        throw;
    }
    // A tabbed bar no entry names has no place in the tree's list: it goes too.
    m_pRootContainer->DestroyLoadedTabbedBars(&m_lstControlBars);
}

void CTavoPBarTreeManager::LoadTree(CArchive& ar)
{
    m_pRootContainer->Serialize(ar);
    CTavoPDockManager* pDockManager = FindDockManager();
    if (pDockManager == NULL)
        AfxThrowArchiveException(CArchiveException::genericException);
    LONG nCount = 0;
    ar >> nCount;
    if (nCount < 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    // Every entry takes bytes: a damaged count runs into the end of the data and stops there.
    for (LONG i = 0; i < nCount; i++)
    {
        LONG nID = 0;
        ar >> nID;
        if (nID == -1)
        {
            LONG nTabID = 0;
            ar >> nTabID;
            CTavoPBaseTabbedBar* pTabbed = FindTabbedBarByTabID((UINT)nTabID);
            if (pTabbed != NULL && m_lstControlBars.Find(pTabbed) == NULL)
                m_lstControlBars.AddTail(pTabbed);
            continue;
        }
        CTavoPDockingControlBar* pBar =
            DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pDockManager->FindBarByID((UINT)nID, TRUE));
        // A bar named twice is placed once.
        if (pBar == NULL || m_lstControlBars.Find(pBar) != NULL)
            continue;
        if (m_pRootContainer->SetBarByID((UINT)nID, pBar))
            m_lstControlBars.AddTail(pBar);
    }
}
