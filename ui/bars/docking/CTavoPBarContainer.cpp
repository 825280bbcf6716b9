#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CTavoPBarContainer, CObject)

namespace {

int Extent(const CRect& rect, BOOL bHorz)
{
    return bHorz ? rect.Height() : rect.Width();
}

int Extent(CSize size, BOOL bHorz)
{
    return bHorz ? size.cy : size.cx;
}

BOOL IsLiveWindow(const CWnd* pWnd)
{
    return pWnd != NULL && ::IsWindow(pWnd->GetSafeHwnd());
}

// A stored share of 0 or 100 says nothing about a split.
int UsablePercent(int nPercent)
{
    return nPercent <= 0 || nPercent >= 100 ? 50 : nPercent;
}

}

CTavoPBarContainer::CTavoPBarContainer(CTavoPBarTreeManager* pManager,
                                       CTavoPDockingControlBar* pLeftBar,
                                       CTavoPDockingControlBar* pRightBar, CTavoPSlider* pSlider)
    : m_pBarLeftTop(pLeftBar), m_pBarRightBottom(pRightBar), m_pSlider(pSlider),
      m_pLeftContainer(NULL), m_pRightContainer(NULL), m_pParentContainer(NULL),
      m_pContainerManager(pManager), m_nPercent(50), m_bSavedSliderHorz(FALSE),
      m_dwSavedSliderStyle(0), m_dwRefCount(0), m_nSavedLeftBarID(-1), m_nSavedRightBarID(-1),
      m_nSavedSliderID(-1), m_bDetached(FALSE), m_nExactFirst(-1)
{
    m_rectSavedSliderRect.SetRectEmpty();
    m_rectExactPlace.SetRectEmpty();
}

CTavoPBarContainer::~CTavoPBarContainer() = default;

// ---- archive

void CTavoPBarContainer::Serialize(CArchive& ar)
{
    SerializeNode(ar, 0);
}

void CTavoPBarContainer::SerializeNode(CArchive& ar, int nDepth)
{
    if (ar.IsStoring())
    {
        StoreElement(ar, m_pBarLeftTop);
        StoreElement(ar, m_pBarRightBottom);
        if (IsLiveWindow(m_pSlider))
        {
            ar << (LONG)m_pSlider->GetSliderID();
            m_pSlider->Serialize(ar);
        }
        else
        {
            ar << (LONG)0;
        }
        ar << (LONG)(m_pLeftContainer != NULL ? 1 : 0);
        if (m_pLeftContainer != NULL)
            m_pLeftContainer->SerializeNode(ar, nDepth + 1);
        ar << (LONG)(m_pRightContainer != NULL ? 1 : 0);
        if (m_pRightContainer != NULL)
            m_pRightContainer->SerializeNode(ar, nDepth + 1);
        return;
    }

    if (nDepth > MAX_LOAD_DEPTH || m_pContainerManager == NULL)
        AfxThrowArchiveException(CArchiveException::badIndex);
    // A tabbed element's block follows its -1 at once.
    for (int nSide = 0; nSide < 2; nSide++)
    {
        LONG nID = 0;
        ar >> nID;
        LoadElement(ar, nSide == 0, nID);
    }
    LONG nSlider = 0;
    ar >> nSlider;
    m_nSavedSliderID = nSlider;
    if (nSlider != 0)
    {
        CTavoPSlider* pSlider = new CTavoPSlider(FALSE, m_pContainerManager->GetDockSite());
        // The slider asks the manager for a fresh id when its stored one is taken.
        pSlider->SetBarTreeManager(m_pContainerManager);
        try
        {
            pSlider->Serialize(ar);
        }
        catch (...)
        {
            if (pSlider->GetSafeHwnd() != NULL)
                pSlider->DestroyWindow(); // the slider deletes itself with its window
            else
                delete pSlider;
            throw;
        }
        m_pSlider = pSlider;
        m_pContainerManager->AdoptSlider(pSlider);
    }
    for (int nSide = 0; nSide < 2; nSide++)
    {
        LONG nHasChild = 0;
        ar >> nHasChild;
        if (nHasChild == 0)
            continue;
        if (nHasChild != 1)
            AfxThrowArchiveException(CArchiveException::badIndex);
        CTavoPBarContainer* pChild = m_pContainerManager->CreateContainer();
        // Attached first, so that a failure further down is cleaned with the tree.
        SetChild(pChild, nSide == 0);
        pChild->SerializeNode(ar, nDepth + 1);
    }
}

void CTavoPBarContainer::StoreElement(CArchive& ar, CTavoPDockingControlBar* pBar)
{
    if (!IsLiveWindow(pBar))
    {
        ar << (LONG)0;
        return;
    }
    const int nID = pBar->GetDlgCtrlID();
    CTavoPBaseTabbedBar* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pBar);
    if (nID != -1 || pTabbed == NULL)
    {
        ar << (LONG)(nID == -1 ? 0 : nID);
        return;
    }
    // A tabbed bar without tabs has nothing to rebuild: the side is stored empty, so that
    // every block a reader meets is one it can follow to its end.
    if (pTabbed->GetTabsNum() == 0)
    {
        ar << (LONG)0;
        return;
    }
    ar << (LONG)-1;
    pTabbed->SaveSiblingBarIDs(ar);
    ar.WriteObject(pTabbed);
    ar << (DWORD)pTabbed->GetStyle();
    pTabbed->SerializeTabWindow(ar);
}

void CTavoPBarContainer::LoadElement(CArchive& ar, BOOL bFirst, LONG nID)
{
    if (bFirst)
        m_nSavedLeftBarID = nID;
    else
        m_nSavedRightBarID = nID;
    if (nID != -1)
        return;

    // A tabbed element: the ids of its tabs, the bar itself and its tab list. The bar is made
    // here, empty; the dock manager gives it its tabs once the whole layout has been read.
    CList<UINT, UINT>& lstTabIDs = bFirst ? m_lstSavedFirstTabIDs : m_lstSavedSecondTabIDs;
    lstTabIDs.RemoveAll();
    if (!CTavoPBaseTabbedBar::LoadSiblingBarIDs(ar, lstTabIDs))
        AfxThrowArchiveException(CArchiveException::badIndex);
    CObject* pObject = ar.ReadOwnedObject(RUNTIME_CLASS(CTavoPBaseTabbedBar));
    if (pObject == NULL)
        AfxThrowArchiveException(CArchiveException::badClass);
    CTavoPBaseTabbedBar* pTabbed = (CTavoPBaseTabbedBar*)pObject;
    DWORD dwStyle = 0;
    try
    {
        ar >> dwStyle;
    }
    catch (...)
    {
        delete pTabbed;
        throw;
    }
    // The stored window style is not taken as it is: the bar is made hidden, with the style
    // of every tabbed bar made for a tab group, and shows by its record's visibility once the
    // layout is applied.
    const CRect rect = pTabbed->GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect;
    // Making the window resets the floating place to the window's own: the stored one stays.
    const CRect rectFloating = pTabbed->GetRecentDockInfo().m_rectRecentFloatingRect;
    CWnd* pDockSite = m_pContainerManager->GetDockSite();
    if (pDockSite == NULL ||
        !pTabbed->Create("", pDockSite, rect, TRUE, (UINT)-1, WS_CHILD | CBRS_FLOAT_MULTI,
                         TAVOP_TABBED_STYLE_TABBED, 15))
    {
        lstTabIDs.RemoveAll();
        delete pTabbed;
        // The tab list that follows cannot be read without the bar: the rest would be read
        // out of step.
        AfxThrowArchiveException(CArchiveException::genericException);
    }
    pTabbed->GetRecentDockInfo().m_rectRecentFloatingRect = rectFloating;
    SetBar(pTabbed, bFirst);
    pTabbed->SerializeTabWindow(ar);
    // The tab list and the ids of the tabs describe the same tabs, in the same order.
    std::vector<int> ids;
    for (POSITION pos = lstTabIDs.GetHeadPosition(); pos != NULL;)
        ids.push_back((int)lstTabIDs.GetNext(pos));
    if (pTabbed->GetUnderlinedWindow() == NULL ||
        pTabbed->GetUnderlinedWindow()->GetRestoredTabIDs() != ids)
        AfxThrowArchiveException(CArchiveException::badIndex);
}

void CTavoPBarContainer::DestroyLoadedTabbedBars(const CObList* pKeep)
{
    for (CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild != NULL)
            pChild->DestroyLoadedTabbedBars(pKeep);
    }
    for (int nSide = 0; nSide < 2; nSide++)
    {
        CTavoPDockingControlBar*& pBar = nSide == 0 ? m_pBarLeftTop : m_pBarRightBottom;
        CTavoPBaseTabbedBar* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pBar);
        if (pTabbed == NULL || !IsLiveWindow(pTabbed) || pTabbed->GetTabsNum() != 0 ||
            (pKeep != NULL && pKeep->Find(pTabbed) != NULL))
            continue;
        pBar = NULL;
        pTabbed->DestroyWindow(); // the bar deletes itself with its window
    }
}

// ---- geometry of the subtree

BOOL CTavoPBarContainer::IsBarPresent(const CTavoPDockingControlBar* pBar) const
{
    if (!IsLiveWindow(pBar))
        return FALSE;
    if (pBar->GetStyle() & WS_VISIBLE)
        return TRUE;
    // An auto-hide tree is laid out while its panes are hidden.
    CTavoPSlider* pDefault =
        m_pContainerManager != NULL ? m_pContainerManager->GetDefaultSlider() : NULL;
    return pDefault != NULL && pDefault->IsAutoHideMode();
}

BOOL CTavoPBarContainer::IsSidePresent(BOOL bFirst) const
{
    const CTavoPDockingControlBar* pBar = bFirst ? m_pBarLeftTop : m_pBarRightBottom;
    const CTavoPBarContainer* pChild = bFirst ? m_pLeftContainer : m_pRightContainer;
    if (IsBarPresent(pBar))
        return TRUE;
    return pChild != NULL && (pChild->IsSidePresent(TRUE) || pChild->IsSidePresent(FALSE));
}

CRect CTavoPBarContainer::GetSideRect(BOOL bFirst) const
{
    CRect rect(0, 0, 0, 0);
    const CTavoPDockingControlBar* pBar = bFirst ? m_pBarLeftTop : m_pBarRightBottom;
    const CTavoPBarContainer* pChild = bFirst ? m_pLeftContainer : m_pRightContainer;
    if (IsBarPresent(pBar))
        pBar->GetWindowRect(rect);
    else if (pChild != NULL)
        pChild->GetWindowRect(rect);
    return rect;
}

void CTavoPBarContainer::GetWindowRect(CRect& rect) const
{
    rect.SetRectEmpty();
    auto add = [&rect](const CRect& r) {
        if (rect.IsRectNull())
            rect = r;
        else
            rect.UnionRect(rect, r);
    };
    for (const CTavoPDockingControlBar* pBar : {m_pBarLeftTop, m_pBarRightBottom})
    {
        if (!IsBarPresent(pBar))
            continue;
        CRect rectBar;
        pBar->GetWindowRect(rectBar);
        // A bar not laid out yet stands for its minimum size.
        CSize sizeMin;
        pBar->GetMinSize(sizeMin);
        if (rectBar.Width() == 0)
            rectBar.right = rectBar.left + sizeMin.cx;
        if (rectBar.Height() == 0)
            rectBar.bottom = rectBar.top + sizeMin.cy;
        add(rectBar);
    }
    for (const CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild == NULL || (!pChild->IsSidePresent(TRUE) && !pChild->IsSidePresent(FALSE)))
            continue;
        CRect rectChild;
        pChild->GetWindowRect(rectChild);
        add(rectChild);
    }
}

void CTavoPBarContainer::GetMinSizeFirst(CSize& size) const
{
    size = CSize(0, 0);
    if (IsBarPresent(m_pBarLeftTop))
        m_pBarLeftTop->GetMinSize(size);
    if (m_pLeftContainer != NULL && m_pLeftContainer->IsVisibleOrPresent())
    {
        CSize sizeChild;
        m_pLeftContainer->GetMinSize(sizeChild);
        size.cx = std::max(size.cx, sizeChild.cx);
        size.cy = std::max(size.cy, sizeChild.cy);
    }
}

void CTavoPBarContainer::GetMinSizeSecond(CSize& size) const
{
    size = CSize(0, 0);
    if (IsBarPresent(m_pBarRightBottom))
        m_pBarRightBottom->GetMinSize(size);
    if (m_pRightContainer != NULL && m_pRightContainer->IsVisibleOrPresent())
    {
        CSize sizeChild;
        m_pRightContainer->GetMinSize(sizeChild);
        size.cx = std::max(size.cx, sizeChild.cx);
        size.cy = std::max(size.cy, sizeChild.cy);
    }
}

BOOL CTavoPBarContainer::IsVisibleOrPresent() const
{
    return IsSidePresent(TRUE) || IsSidePresent(FALSE);
}

void CTavoPBarContainer::GetMinSize(CSize& size) const
{
    CSize sizeFirst, sizeSecond;
    GetMinSizeFirst(sizeFirst);
    GetMinSizeSecond(sizeSecond);
    const BOOL bBoth = IsSidePresent(TRUE) && IsSidePresent(FALSE) && IsLiveWindow(m_pSlider);
    if (!bBoth)
    {
        size.cx = std::max(sizeFirst.cx, sizeSecond.cx);
        size.cy = std::max(sizeFirst.cy, sizeSecond.cy);
        return;
    }
    if (IsHorizontal())
    {
        size.cx = std::max(sizeFirst.cx, sizeSecond.cx);
        size.cy = sizeFirst.cy + sizeSecond.cy + m_pSlider->GetWidth();
    }
    else
    {
        size.cx = sizeFirst.cx + sizeSecond.cx + m_pSlider->GetWidth();
        size.cy = std::max(sizeFirst.cy, sizeSecond.cy);
    }
}

int CTavoPBarContainer::GetResizeStep() const
{
    int nStep = -1;
    for (const CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild != NULL)
            nStep = std::max(nStep, pChild->GetResizeStep());
    }
    return nStep;
}

BOOL CTavoPBarContainer::IsHorizontal() const
{
    if (m_pSlider != NULL)
        return m_pSlider->IsHorizontal();
    return m_bSavedSliderHorz;
}

CWnd* CTavoPBarContainer::GetDockSite() const
{
    return m_pContainerManager != NULL ? m_pContainerManager->GetDockSite() : NULL;
}

int CTavoPBarContainer::GetSidePercent(BOOL bFirst) const
{
    const CTavoPDockingControlBar* pBar = bFirst ? m_pBarLeftTop : m_pBarRightBottom;
    const CTavoPBarContainer* pChild = bFirst ? m_pLeftContainer : m_pRightContainer;
    if (pBar != NULL)
        return UsablePercent(pBar->GetPercent());
    if (pChild != NULL)
        return UsablePercent(pChild->GetPercent());
    return 50;
}

// ---- layout

HDWP CTavoPBarContainer::LayoutSide(BOOL bFirst, CRect rect, int nPercent, HDWP hdwp)
{
    CTavoPDockingControlBar* pBar = bFirst ? m_pBarLeftTop : m_pBarRightBottom;
    CTavoPBarContainer* pChild = bFirst ? m_pLeftContainer : m_pRightContainer;
    if (IsBarPresent(pBar))
    {
        hdwp = pBar->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE, hdwp);
        if (nPercent >= 0)
            pBar->SetPercent(nPercent);
    }
    else if (pChild != NULL)
    {
        hdwp = pChild->ResizeContainer(rect, hdwp);
        if (nPercent >= 0)
            pChild->SetPercent(nPercent);
    }
    return hdwp;
}

HDWP CTavoPBarContainer::ResizeContainer(CRect rect, HDWP hdwp)
{
    const BOOL bFirst = IsSidePresent(TRUE);
    const BOOL bSecond = IsSidePresent(FALSE);
    if (!bFirst && !bSecond)
        return hdwp;
    if (!bFirst || !bSecond)
        return LayoutSide(bFirst, rect, -1, hdwp);

    const BOOL bHorz = IsHorizontal();
    CRect rectNode;
    GetWindowRect(rectNode);
    const CRect rectFirst = GetSideRect(TRUE);
    const CRect rectSecond = GetSideRect(FALSE);
    const int nOld = Extent(rectNode, bHorz);
    const int nNew = Extent(rect, bHorz);
    const int nSlider = IsLiveWindow(m_pSlider) ? m_pSlider->GetWidth() : 0;

    int nFirst = Extent(rectFirst, bHorz);
    double dPercent = 50.0;
    double dDerived = -1.0;
    if (nOld <= 0)
    {
        // Nothing laid out yet: the split starts in the middle.
        nFirst = 0;
        dDerived = 50.0;
    }
    else
    {
        const int nSecond = Extent(rectSecond, bHorz);
        if (nFirst + nSecond > nOld || rectFirst.IsRectEmpty() || rectSecond.IsRectEmpty())
        {
            // The sides overlap or one has no place yet: the stored shares decide.
            if (nFirst >= nOld)
            {
                dDerived = 100 - GetSidePercent(FALSE);
                nFirst = (int)(nOld * dDerived / 100);
            }
            else if (nSecond >= nOld)
            {
                dDerived = GetSidePercent(TRUE);
                nFirst = (int)(nOld * dDerived / 100);
            }
            else
            {
                dDerived = 50.0;
            }
        }
        dPercent = (double)nFirst / nOld * 100.0;
    }
    if (dPercent == 0.0 || dPercent == 100.0)
        dPercent = 50.0;

    // Both ways the first side takes its own share of the change, so that repeated resizes
    // keep the split where the user put it.
    const int nDelta = nNew - std::max(nOld, 0);
    int nFirstNew =
        nOld <= 0 ? (int)(dPercent * nNew / 100) : nFirst + (int)(dPercent * nDelta / 100);
    if (nDelta == 0 && dDerived >= 0)
        dPercent = dDerived;
    nFirstNew = std::max(0, std::min(nFirstNew, nNew - nSlider));

    CRect rectA = rect, rectS = rect, rectB = rect;
    if (bHorz)
    {
        rectA.bottom = rect.top + nFirstNew;
        rectS.top = rectA.bottom;
        rectS.bottom = rectS.top + nSlider;
        rectB.top = rectS.bottom;
    }
    else
    {
        rectA.right = rect.left + nFirstNew;
        rectS.left = rectA.right;
        rectS.right = rectS.left + nSlider;
        rectB.left = rectS.right;
    }
    const int nPercent = (int)dPercent;
    hdwp = LayoutSide(TRUE, rectA, nPercent, hdwp);
    hdwp = LayoutSide(FALSE, rectB, 100 - nPercent, hdwp);
    if (IsLiveWindow(m_pSlider) && (m_pSlider->GetStyle() & WS_VISIBLE))
        hdwp = m_pSlider->SetWindowPos(NULL, rectS.left, rectS.top, rectS.Width(), rectS.Height(),
                                       SWP_NOZORDER | SWP_NOACTIVATE, hdwp);
    return hdwp;
}

HDWP CTavoPBarContainer::ResizeByOffset(int& nOffset, HDWP hdwp)
{
    if (!IsSidePresent(TRUE) || !IsSidePresent(FALSE) || GetDockSite() == NULL)
    {
        nOffset = 0;
        return hdwp;
    }
    const BOOL bHorz = IsHorizontal();
    CRect rectFirst = GetSideRect(TRUE);
    CRect rectSecond = GetSideRect(FALSE);
    CSize sizeMinFirst, sizeMinSecond;
    GetMinSizeFirst(sizeMinFirst);
    GetMinSizeSecond(sizeMinSecond);
    const int nRoomFirst = std::max(0, Extent(rectFirst, bHorz) - Extent(sizeMinFirst, bHorz));
    const int nRoomSecond = std::max(0, Extent(rectSecond, bHorz) - Extent(sizeMinSecond, bHorz));
    nOffset = std::max(-nRoomFirst, std::min(nOffset, nRoomSecond));
    if (nOffset == 0)
        return hdwp;

    CRect rectSlider(0, 0, 0, 0);
    if (IsLiveWindow(m_pSlider))
        m_pSlider->GetWindowRect(rectSlider);
    if (bHorz)
    {
        rectFirst.bottom += nOffset;
        rectSecond.top += nOffset;
        rectSlider.OffsetRect(0, nOffset);
    }
    else
    {
        rectFirst.right += nOffset;
        rectSecond.left += nOffset;
        rectSlider.OffsetRect(nOffset, 0);
    }
    CRect rectNode;
    GetWindowRect(rectNode);
    const int nNode = Extent(rectNode, bHorz);
    const int nPercent =
        nNode > 0 ? UsablePercent((int)((double)Extent(rectFirst, bHorz) / nNode * 100.0)) : 50;

    CWnd* pDockSite = GetDockSite();
    pDockSite->ScreenToClient(rectFirst);
    pDockSite->ScreenToClient(rectSecond);
    pDockSite->ScreenToClient(rectSlider);
    hdwp = LayoutSide(TRUE, rectFirst, nPercent, hdwp);
    hdwp = LayoutSide(FALSE, rectSecond, 100 - nPercent, hdwp);
    if (IsLiveWindow(m_pSlider))
        hdwp = m_pSlider->SetWindowPos(NULL, rectSlider.left, rectSlider.top, rectSlider.Width(),
                                       rectSlider.Height(), SWP_NOZORDER | SWP_NOACTIVATE, hdwp);
    return hdwp;
}

void CTavoPBarContainer::Move(CPoint pt)
{
    const BOOL bHorz = IsHorizontal();
    const BOOL bFirst = IsSidePresent(TRUE), bSecond = IsSidePresent(FALSE);
    CPoint ptNext = pt;
    auto moveSide = [&](BOOL bSideFirst) {
        CTavoPDockingControlBar* pBar = bSideFirst ? m_pBarLeftTop : m_pBarRightBottom;
        CTavoPBarContainer* pChild = bSideFirst ? m_pLeftContainer : m_pRightContainer;
        const CRect rectSide = GetSideRect(bSideFirst);
        if (IsBarPresent(pBar))
            pBar->SetWindowPos(NULL, ptNext.x, ptNext.y, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        else if (pChild != NULL)
            pChild->Move(ptNext);
        (bHorz ? ptNext.y : ptNext.x) += Extent(rectSide, bHorz);
    };
    if (bFirst)
        moveSide(TRUE);
    if (bFirst && bSecond && IsLiveWindow(m_pSlider))
    {
        m_pSlider->SetWindowPos(NULL, ptNext.x, ptNext.y, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        (bHorz ? ptNext.y : ptNext.x) += m_pSlider->GetWidth();
    }
    if (bSecond)
        moveSide(FALSE);
}

void CTavoPBarContainer::StoreRecentPercents()
{
    for (CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild != NULL)
            pChild->StoreRecentPercents();
    }
    const BOOL bFirst = IsSidePresent(TRUE), bSecond = IsSidePresent(FALSE);
    auto setSide = [this](BOOL bSideFirst, int nPercent) {
        CTavoPDockingControlBar* pBar = bSideFirst ? m_pBarLeftTop : m_pBarRightBottom;
        CTavoPBarContainer* pChild = bSideFirst ? m_pLeftContainer : m_pRightContainer;
        if (pBar != NULL)
            pBar->SetPercent(nPercent);
        if (pChild != NULL)
            pChild->SetPercent(nPercent);
    };
    if (bFirst && bSecond)
    {
        const BOOL bHorz = IsHorizontal();
        CRect rectNode;
        GetWindowRect(rectNode);
        const int nNode = Extent(rectNode, bHorz);
        int nPercent =
            nNode > 0 ? (int)((double)Extent(GetSideRect(TRUE), bHorz) / nNode * 100.0) : 50;
        nPercent = UsablePercent(nPercent);
        setSide(TRUE, nPercent);
        setSide(FALSE, 100 - nPercent);
    }
    else if (bFirst || bSecond)
    {
        setSide(bFirst, 100);
    }
}

// ---- elements

void CTavoPBarContainer::SetBar(CTavoPDockingControlBar* pBar, BOOL bFirst)
{
    (bFirst ? m_pBarLeftTop : m_pBarRightBottom) = pBar;
}

void CTavoPBarContainer::SetChild(CTavoPBarContainer* pChild, BOOL bFirst)
{
    (bFirst ? m_pLeftContainer : m_pRightContainer) = pChild;
    if (pChild != NULL)
        pChild->SetParentContainer(this);
}

void CTavoPBarContainer::RemoveControlBar(CTavoPDockingControlBar* pBar)
{
    if (CTavoPBarContainer* pNode = FindContainer(pBar, findFirstBar))
        pNode->DeleteControlBar(pBar, TRUE);
    else if (CTavoPBarContainer* pNode = FindContainer(pBar, findSecondBar))
        pNode->DeleteControlBar(pBar, FALSE);
}

void CTavoPBarContainer::DeleteControlBar(CTavoPDockingControlBar* pBar, BOOL bFirst)
{
    if (pBar == NULL || (bFirst ? m_pBarLeftTop : m_pBarRightBottom) != pBar)
        return;

    // The space goes to the nearest area that keeps something: the node itself when its other
    // side holds something, else the first ancestor with a present neighbour. Its rectangle is
    // taken while the leaving bar still counts.
    CTavoPBarContainer* pArea = NULL;
    CRect rectArea(0, 0, 0, 0);
    if (IsBarPresent(pBar))
    {
        CTavoPBarContainer* pNode = this;
        BOOL bOnlyBar = !IsSidePresent(!bFirst);
        while (bOnlyBar && pNode->m_pParentContainer != NULL)
        {
            CTavoPBarContainer* pParent = pNode->m_pParentContainer;
            const BOOL bNodeFirst = pParent->m_pLeftContainer == pNode;
            bOnlyBar = !pParent->IsSidePresent(!bNodeFirst);
            pNode = pParent;
        }
        if (!bOnlyBar)
        {
            pArea = pNode;
            pArea->GetWindowRect(rectArea);
        }
    }

    SetBar(NULL, bFirst);
    if (m_pSlider == NULL && m_pLeftContainer == NULL && m_pRightContainer == NULL)
        m_pBarLeftTop = m_pBarRightBottom = NULL;

    CWnd* pDockSite = GetDockSite();
    if (pArea != NULL && pDockSite != NULL)
    {
        pDockSite->ScreenToClient(rectArea);
        HDWP hdwp = CTavoPBaseControlBar::BeginDeferredMoves();
        hdwp = pArea->ResizeContainer(rectArea, hdwp);
        CTavoPBaseControlBar::EndDeferredMoves(hdwp);
    }
}

void CTavoPBarContainer::StoreRecentDockInfo(CTavoPDockingControlBar* pBar)
{
    if (pBar != NULL)
        pBar->GetRecentDockInfo().StoreDockInfo(this);
}

// ---- references

DWORD CTavoPBarContainer::Release()
{
    if (m_dwRefCount == 0)
        return 0;
    if (--m_dwRefCount > 0)
        return m_dwRefCount;
    if (m_bDetached)
        delete this;
    else
        ReleaseEmpty();
    return 0;
}

void CTavoPBarContainer::Discard()
{
    if (m_dwRefCount == 0)
    {
        delete this;
        return;
    }
    // A remembered place still points here: the node stays, detached and empty, until the
    // record lets go of it.
    m_pBarLeftTop = m_pBarRightBottom = NULL;
    m_pLeftContainer = m_pRightContainer = m_pParentContainer = NULL;
    m_pSlider = NULL;
    m_pContainerManager = NULL;
    m_bDetached = TRUE;
}

void CTavoPBarContainer::ReleaseEmpty()
{
    if (m_bDetached || m_dwRefCount > 0)
        return;
    const int nElements = (m_pBarLeftTop != NULL) + (m_pBarRightBottom != NULL) +
                          (m_pLeftContainer != NULL) + (m_pRightContainer != NULL);
    if (nElements > 1)
        return;

    CTavoPBarContainer* pParent = m_pParentContainer;
    const BOOL bDefaultSlider = m_pSlider != NULL && m_pSlider->IsDefault();
    if (bDefaultSlider || pParent == NULL || pParent->m_pParentContainer == NULL)
    {
        if (m_pContainerManager != NULL)
            m_pContainerManager->NotifyDefaultSlider(); // may delete this node with its tree
        return;
    }

    const BOOL bFirst = pParent->m_pLeftContainer == this;
    (bFirst ? pParent->m_pLeftContainer : pParent->m_pRightContainer) = NULL;
    if (m_pBarLeftTop != NULL)
        pParent->SetBar(m_pBarLeftTop, bFirst);
    else if (m_pBarRightBottom != NULL)
        pParent->SetBar(m_pBarRightBottom, bFirst);
    else if (m_pLeftContainer != NULL)
        pParent->SetChild(m_pLeftContainer, bFirst);
    else if (m_pRightContainer != NULL)
        pParent->SetChild(m_pRightContainer, bFirst);
    // The remaining element keeps the share this node had.
    if (m_pBarLeftTop != NULL || m_pBarRightBottom != NULL)
        (m_pBarLeftTop != NULL ? m_pBarLeftTop : m_pBarRightBottom)->SetPercent(m_nPercent);
    else if (m_pLeftContainer != NULL || m_pRightContainer != NULL)
        (m_pLeftContainer != NULL ? m_pLeftContainer : m_pRightContainer)->SetPercent(m_nPercent);

    CTavoPSlider* pSlider = m_pSlider;
    CTavoPBarTreeManager* pManager = m_pContainerManager;
    m_pBarLeftTop = m_pBarRightBottom = NULL;
    m_pLeftContainer = m_pRightContainer = NULL;
    m_pSlider = NULL;
    if (pSlider != NULL)
    {
        if (pManager != NULL)
            pManager->RemoveSlider(pSlider);
        if (IsLiveWindow(pSlider))
            pSlider->DestroyWindow();
    }
    delete this;
}

// ---- the subtree

CTavoPBarContainer* CTavoPBarContainer::FindContainer(CObject* pItem, FindKind kind)
{
    switch (kind)
    {
    case findFirstBar:
        if (m_pBarLeftTop != NULL && m_pBarLeftTop == pItem)
            return this;
        break;
    case findSecondBar:
        if (m_pBarRightBottom != NULL && m_pBarRightBottom == pItem)
            return this;
        break;
    case findSlider:
        if (m_pSlider != NULL && m_pSlider == pItem)
            return this;
        break;
    case findNode:
        if (this == pItem)
            return this;
        break;
    }
    for (CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild == NULL)
            continue;
        if (CTavoPBarContainer* pFound = pChild->FindContainer(pItem, kind))
            return pFound;
    }
    return NULL;
}

BOOL CTavoPBarContainer::IsEmpty() const
{
    return m_pBarLeftTop == NULL && m_pBarRightBottom == NULL &&
           (m_pLeftContainer == NULL || m_pLeftContainer->IsEmpty()) &&
           (m_pRightContainer == NULL || m_pRightContainer->IsEmpty());
}

BOOL CTavoPBarContainer::IsVisible() const
{
    return !IsFirstSideEmpty(TRUE) || !IsSecondSideEmpty(TRUE);
}

BOOL CTavoPBarContainer::IsFirstSideEmpty(BOOL bVisibleOnly) const
{
    if (m_pBarLeftTop != NULL && (!bVisibleOnly || (IsLiveWindow(m_pBarLeftTop) &&
                                                    (m_pBarLeftTop->GetStyle() & WS_VISIBLE))))
        return FALSE;
    if (m_pLeftContainer != NULL &&
        (bVisibleOnly ? m_pLeftContainer->IsVisible() : !m_pLeftContainer->IsEmpty()))
        return FALSE;
    return TRUE;
}

BOOL CTavoPBarContainer::IsSecondSideEmpty(BOOL bVisibleOnly) const
{
    if (m_pBarRightBottom != NULL &&
        (!bVisibleOnly ||
         (IsLiveWindow(m_pBarRightBottom) && (m_pBarRightBottom->GetStyle() & WS_VISIBLE))))
        return FALSE;
    if (m_pRightContainer != NULL &&
        (bVisibleOnly ? m_pRightContainer->IsVisible() : !m_pRightContainer->IsEmpty()))
        return FALSE;
    return TRUE;
}

void CTavoPBarContainer::CheckSliderVisibility()
{
    for (CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild != NULL)
            pChild->CheckSliderVisibility();
    }
    if (!IsLiveWindow(m_pSlider) || m_pSlider->IsDefault())
        return;
    const BOOL bShow = !IsFirstSideEmpty(TRUE) && !IsSecondSideEmpty(TRUE);
    if (bShow != ((m_pSlider->GetStyle() & WS_VISIBLE) != 0))
        m_pSlider->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
}

CTavoPDockingControlBar* CTavoPBarContainer::AddRecentBar(CTavoPDockingControlBar* pBar)
{
    if (pBar == NULL || m_pContainerManager == NULL)
        return NULL;
    CWnd* pDockSite = GetDockSite();
    const BOOL bForSlider = pDockSite != NULL && pDockSite->IsKindOf(RUNTIME_CLASS(CFrameWnd));
    const CTavoPRecentDockPlacement& placement =
        bForSlider ? pBar->GetRecentDockInfo().m_recentSliderInfo
                   : pBar->GetRecentDockInfo().m_recentMiniFrameInfo;
    const BOOL bFirst = placement.m_bRecentLeftBar;

    CTavoPBarContainer* pChild = bFirst ? m_pLeftContainer : m_pRightContainer;
    CTavoPDockingControlBar* pHolder = bFirst ? m_pBarLeftTop : m_pBarRightBottom;
    if (pChild != NULL && !pChild->IsEmpty())
        return pChild->AddRecentBar(pBar);
    if (pHolder != NULL && pHolder != pBar)
    {
        // The place is taken: the bar joins the one there as a tab.
        CTavoPDockingControlBar* pTabbed = NULL;
        pBar->AttachToTabbedBar(pHolder, TAVOP_DM_RECENT, TRUE, &pTabbed);
        return pTabbed;
    }

    // The nearest area that shows something takes the bar back at its remembered share.
    CTavoPBarContainer* pArea = this;
    while (pArea != NULL && !pArea->IsVisibleOrPresent())
        pArea = pArea->m_pParentContainer;
    CRect rectArea(0, 0, 0, 0);
    if (pArea != NULL)
        pArea->GetWindowRect(rectArea);
    pBar->SetPercent(UsablePercent(placement.m_nRecentPercent));

    SetBar(pBar, bFirst);
    if (!pBar->IsVisible())
        pBar->ShowWindow(SW_SHOWNOACTIVATE);
    CheckSliderVisibility();

    if (pArea != NULL && pDockSite != NULL && !rectArea.IsRectEmpty())
    {
        pDockSite->ScreenToClient(rectArea);
        if (bForSlider)
            KeepRecentExtent(placement, bFirst);
        HDWP hdwp = CTavoPBaseControlBar::BeginDeferredMoves();
        hdwp = pArea->LayoutByPercents(rectArea, hdwp);
        CTavoPBaseControlBar::EndDeferredMoves(hdwp);
        m_nExactFirst = -1;
    }
    return pBar;
}

void CTavoPBarContainer::KeepRecentExtent(const CTavoPRecentDockPlacement& placement, BOOL bFirst)
{
    m_nExactFirst = -1;
    const CRect& rectPlace = placement.m_rectRecentContainer;
    const CRect& rectBar = placement.m_rectRecentDockedRect;
    const BOOL bHorz = IsHorizontal();
    // Only a bar rectangle that spans the remembered place across and lies within it along
    // belongs to that place.
    CRect rectInside;
    if (rectPlace.IsRectEmpty() || rectBar.IsRectEmpty() ||
        !rectInside.IntersectRect(rectPlace, rectBar) || rectInside != rectBar ||
        (bHorz ? rectBar.left != rectPlace.left || rectBar.right != rectPlace.right
               : rectBar.top != rectPlace.top || rectBar.bottom != rectPlace.bottom))
        return;
    m_rectExactPlace = rectPlace;
    m_nExactFirst = bFirst ? Extent(rectBar, bHorz)
                           : (bHorz ? rectBar.top - rectPlace.top : rectBar.left - rectPlace.left) -
                                 (IsLiveWindow(m_pSlider) ? m_pSlider->GetWidth() : 0);
}

HDWP CTavoPBarContainer::LayoutByPercents(CRect rect, HDWP hdwp)
{
    const BOOL bFirst = IsSidePresent(TRUE), bSecond = IsSidePresent(FALSE);
    if (!bFirst || !bSecond)
    {
        if (!bFirst && !bSecond)
            return hdwp;
        CTavoPBarContainer* pChild = bFirst ? m_pLeftContainer : m_pRightContainer;
        CTavoPDockingControlBar* pBar = bFirst ? m_pBarLeftTop : m_pBarRightBottom;
        if (IsBarPresent(pBar))
            return LayoutSide(bFirst, rect, -1, hdwp);
        return pChild != NULL ? pChild->LayoutByPercents(rect, hdwp) : hdwp;
    }
    const BOOL bHorz = IsHorizontal();
    const int nSlider = IsLiveWindow(m_pSlider) ? m_pSlider->GetWidth() : 0;
    const int nExtent = Extent(rect, bHorz);
    // The share belongs to the side that came back when only one side has a stored share.
    int nPercent = GetSidePercent(TRUE);
    const int nByPercent =
        m_nExactFirst >= 0 && rect == m_rectExactPlace ? m_nExactFirst : nExtent * nPercent / 100;
    const int nFirst = std::max(0, std::min(nByPercent, nExtent - nSlider));
    CRect rectA = rect, rectS = rect, rectB = rect;
    if (bHorz)
    {
        rectA.bottom = rect.top + nFirst;
        rectS.top = rectA.bottom;
        rectS.bottom = rectS.top + nSlider;
        rectB.top = rectS.bottom;
    }
    else
    {
        rectA.right = rect.left + nFirst;
        rectS.left = rectA.right;
        rectS.right = rectS.left + nSlider;
        rectB.left = rectS.right;
    }
    for (int nSide = 0; nSide < 2; nSide++)
    {
        const BOOL bSide = nSide == 0;
        const CRect& rectSide = bSide ? rectA : rectB;
        CTavoPDockingControlBar* pBar = bSide ? m_pBarLeftTop : m_pBarRightBottom;
        CTavoPBarContainer* pChild = bSide ? m_pLeftContainer : m_pRightContainer;
        const int nSidePercent = bSide ? nPercent : 100 - nPercent;
        if (IsBarPresent(pBar))
            hdwp = LayoutSide(bSide, rectSide, nSidePercent, hdwp);
        else if (pChild != NULL)
        {
            hdwp = pChild->LayoutByPercents(rectSide, hdwp);
            pChild->SetPercent(nSidePercent);
        }
    }
    if (IsLiveWindow(m_pSlider) && (m_pSlider->GetStyle() & WS_VISIBLE))
        hdwp = m_pSlider->SetWindowPos(NULL, rectS.left, rectS.top, rectS.Width(), rectS.Height(),
                                       SWP_NOZORDER | SWP_NOACTIVATE, hdwp);
    return hdwp;
}

void CTavoPBarContainer::SetManager(CTavoPBarTreeManager* pManager, BOOL bRecursive)
{
    m_pContainerManager = pManager;
    if (!bRecursive)
        return;
    for (CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild != NULL)
            pChild->SetManager(pManager, TRUE);
    }
}

CTavoPBarContainer* CTavoPBarContainer::Clone(CTavoPBarContainer* pNewParent)
{
    CTavoPBarContainer* pClone = m_pContainerManager != NULL
                                     ? m_pContainerManager->CreateContainer()
                                     : new CTavoPBarContainer;
    pClone->m_pContainerManager = m_pContainerManager;
    pClone->m_pParentContainer = pNewParent;
    pClone->m_nPercent = m_nPercent;
    for (int nSide = 0; nSide < 2; nSide++)
    {
        CTavoPDockingControlBar*& pBar = nSide == 0 ? m_pBarLeftTop : m_pBarRightBottom;
        if (IsLiveWindow(pBar) && (pBar->GetStyle() & WS_VISIBLE))
        {
            pClone->SetBar(pBar, nSide == 0);
            pBar = NULL;
        }
        CTavoPBarContainer* pChild = nSide == 0 ? m_pLeftContainer : m_pRightContainer;
        if (pChild != NULL)
            pClone->SetChild(pChild->Clone(pClone), nSide == 0);
    }
    if (IsLiveWindow(m_pSlider) && (m_pSlider->GetStyle() & WS_VISIBLE))
    {
        pClone->m_pSlider = m_pSlider;
        ForgetSlider();
    }
    return pClone;
}

void CTavoPBarContainer::ForgetSlider()
{
    if (m_pSlider == NULL)
        return;
    m_bSavedSliderHorz = m_pSlider->IsHorizontal();
    m_dwSavedSliderStyle =
        m_pSlider->GetSliderStyle() & (CTavoPSlider::SS_HORZ | CTavoPSlider::SS_VERT);
    if (IsLiveWindow(m_pSlider))
    {
        m_pSlider->GetWindowRect(m_rectSavedSliderRect);
        if (CWnd* pParent = m_pSlider->GetParent())
            pParent->ScreenToClient(m_rectSavedSliderRect);
    }
    m_pSlider = NULL;
}

void CTavoPBarContainer::ReleaseAll()
{
    for (CTavoPBarContainer** ppChild : {&m_pLeftContainer, &m_pRightContainer})
    {
        if (*ppChild == NULL)
            continue;
        CTavoPBarContainer* pNode = *ppChild;
        *ppChild = NULL;
        pNode->ReleaseAll();
        pNode->Discard();
    }
    if (m_pSlider != NULL && !m_pSlider->IsDefault())
    {
        CTavoPSlider* pSlider = m_pSlider;
        m_pSlider = NULL;
        if (IsLiveWindow(pSlider))
        {
            pSlider->SetBarTreeManager(NULL);
            pSlider->DestroyWindow();
        }
    }
}

void CTavoPBarContainer::CollapseEmpty()
{
    // Children first: a collapse may hand this node a grandchild, which is then looked at too.
    for (int nSide = 0; nSide < 2; nSide++)
    {
        CTavoPBarContainer* pChild = nSide == 0 ? m_pLeftContainer : m_pRightContainer;
        if (pChild != NULL)
            pChild->CollapseEmpty();
    }
    if (m_pParentContainer != NULL && m_pParentContainer->m_pParentContainer != NULL)
        ReleaseEmpty(); // may delete this node: nothing of it is touched afterwards
}

BOOL CTavoPBarContainer::SetBarByID(UINT nID, CTavoPDockingControlBar* pBar)
{
    if (m_nSavedLeftBarID == (int)nID && m_pBarLeftTop == NULL)
    {
        m_pBarLeftTop = pBar;
        return TRUE;
    }
    if (m_nSavedRightBarID == (int)nID && m_pBarRightBottom == NULL)
    {
        m_pBarRightBottom = pBar;
        return TRUE;
    }
    for (CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild != NULL && pChild->SetBarByID(nID, pBar))
            return TRUE;
    }
    return FALSE;
}

CTavoPBaseTabbedBar* CTavoPBarContainer::FindTabbedBarByTabID(UINT nID)
{
    for (int nSide = 0; nSide < 2; nSide++)
    {
        const CList<UINT, UINT>& lst = nSide == 0 ? m_lstSavedFirstTabIDs : m_lstSavedSecondTabIDs;
        CTavoPDockingControlBar* pBar = nSide == 0 ? m_pBarLeftTop : m_pBarRightBottom;
        if (lst.Find(nID) != NULL)
            return DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pBar);
    }
    for (CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild == NULL)
            continue;
        if (CTavoPBaseTabbedBar* pFound = pChild->FindTabbedBarByTabID(nID))
            return pFound;
    }
    return NULL;
}

int CTavoPBarContainer::GetNodeCount() const
{
    int nCount = 1;
    for (const CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild != NULL)
            nCount += pChild->GetNodeCount();
    }
    return nCount;
}

int CTavoPBarContainer::GetTotalRefCount() const
{
    int nCount = (int)m_dwRefCount;
    for (const CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild != NULL)
            nCount += pChild->GetTotalRefCount();
    }
    return nCount;
}

void CTavoPBarContainer::ValidateBars()
{
    for (CTavoPBarContainer* pChild : {m_pLeftContainer, m_pRightContainer})
    {
        if (pChild != NULL)
            pChild->ValidateBars();
    }
    if (m_pContainerManager == NULL)
        return;
    if (m_pBarLeftTop != NULL && !m_pContainerManager->IsBarValid(m_pBarLeftTop))
        m_pBarLeftTop = NULL;
    if (m_pBarRightBottom != NULL && !m_pContainerManager->IsBarValid(m_pBarRightBottom))
        m_pBarRightBottom = NULL;
}
