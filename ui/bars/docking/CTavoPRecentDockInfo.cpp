#include "ui/bars/docking/CTavoPRecentDockInfo.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPSlider.h"

CTavoPRecentDockInfo::CTavoPRecentDockInfo()
    : m_rectRecentFloatingRect(10, 10, 110, 110), m_dwRecentAlignmentToFrame(CBRS_ALIGN_LEFT),
      m_nRecentRowIndex(0), m_pRecentDockBar(NULL), m_pRecentDockBarRow(NULL),
      m_hRecentDefaultSlider(NULL), m_hRecentMiniFrame(NULL), m_pBar(NULL)
{}

CTavoPRecentDockInfo::~CTavoPRecentDockInfo() = default;

void CTavoPRecentDockInfo::Init()
{
    m_recentSliderInfo.Init();
    m_recentMiniFrameInfo.Init();
}

void CTavoPRecentDockInfo::StoreDockInfo(CTavoPBarContainer* pContainer,
                                         CTavoPDockingControlBar* pTabbedBar)
{
    CTavoPDockingControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, m_pBar);
    if (pBar == NULL)
        return;
    // A pane of a floating group counts as floating here, though the group docks it.
    if (pBar->GetParentMiniFrame(TRUE) != NULL)
    {
        const HWND hPrevious = m_hRecentMiniFrame;
        CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
        m_hRecentMiniFrame = pMiniFrame != NULL ? pMiniFrame->GetSafeHwnd() : NULL;
        m_recentMiniFrameInfo.StoreDockInfo(pContainer, pBar, pTabbedBar);
        if (pMiniFrame != NULL)
        {
            pMiniFrame->ScreenToClient(m_recentMiniFrameInfo.m_rectRecentDockedRect);
            pMiniFrame->ScreenToClient(m_recentMiniFrameInfo.m_rectRecentContainer);
            pMiniFrame->GetWindowRect(m_rectRecentFloatingRect);
        }
        // The frame the bar came from may have become empty.
        if (hPrevious != NULL && hPrevious != m_hRecentMiniFrame && ::IsWindow(hPrevious) &&
            DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, CWnd::FromHandlePermanent(hPrevious)) != NULL)
            ::PostMessage(hPrevious, CTavoPMiniFrameWnd::GetCheckEmptyMessage(), 0, 0);
        return;
    }
    CTavoPDockingControlBar* pSliderOwner = pTabbedBar != NULL ? pTabbedBar : pBar;
    CTavoPSlider* pSlider = pSliderOwner->GetDefaultSlider();
    if (pSlider != NULL)
    {
        m_recentSliderInfo.StoreDockInfo(pContainer, pBar, pTabbedBar);
        CFrameWnd* pDockSite = pBar->GetDockSiteFrame();
        if (pDockSite != NULL)
        {
            pDockSite->ScreenToClient(m_recentSliderInfo.m_rectRecentDockedRect);
            pDockSite->ScreenToClient(m_recentSliderInfo.m_rectRecentContainer);
        }
        m_hRecentDefaultSlider = pSlider->GetSafeHwnd();
        m_dwRecentAlignmentToFrame = pSlider->GetCurrentAlignment();
    }
    m_hRecentMiniFrame = NULL;
    m_recentMiniFrameInfo.StoreDockInfo(NULL, pBar, NULL);
}

void CTavoPRecentDockInfo::SetInfo(BOOL bDocked, const CTavoPRecentDockInfo& other)
{
    if (bDocked)
    {
        m_dwRecentAlignmentToFrame = other.m_dwRecentAlignmentToFrame;
        m_hRecentDefaultSlider = other.m_hRecentDefaultSlider;
        m_recentSliderInfo.SetInfo(other.m_recentSliderInfo);
    }
    else
    {
        m_rectRecentFloatingRect = other.m_rectRecentFloatingRect;
        m_hRecentMiniFrame = other.m_hRecentMiniFrame;
        m_recentMiniFrameInfo.SetInfo(other.m_recentMiniFrameInfo);
    }
}

CTavoPBarContainer* CTavoPRecentDockInfo::GetRecentContainer(BOOL bForSlider) const
{
    return Placement(bForSlider).m_pRecentBarContainer;
}

CTavoPBarContainer* CTavoPRecentDockInfo::GetRecentTabContainer(BOOL bForSlider) const
{
    return Placement(bForSlider).m_pRecentTabContainer;
}

CRect& CTavoPRecentDockInfo::GetRecentDockedRect(BOOL bForSlider)
{
    return Placement(bForSlider).m_rectRecentDockedRect;
}

int CTavoPRecentDockInfo::GetRecentDockedPercent(BOOL bForSlider) const
{
    return Placement(bForSlider).m_nRecentPercent;
}

BOOL CTavoPRecentDockInfo::IsRecentLeftBar(BOOL bForSlider) const
{
    return Placement(bForSlider).m_bRecentLeftBar;
}

CDWordArray& CTavoPRecentDockInfo::GetRecentListOfBars(BOOL bForSlider)
{
    return Placement(bForSlider).m_lstRecentListOfBars;
}

void CTavoPRecentDockInfo::SetRecentListOfBars(BOOL bForSlider, const CDWordArray& list)
{
    CDWordArray& target = Placement(bForSlider).m_lstRecentListOfBars;
    target.RemoveAll();
    target.Append(list);
}

CTavoPSlider* CTavoPRecentDockInfo::GetRecentDefaultSlider() const
{
    if (m_hRecentDefaultSlider == NULL || !::IsWindow(m_hRecentDefaultSlider))
        return NULL;
    return DYNAMIC_DOWNCAST(CTavoPSlider, CWnd::FromHandlePermanent(m_hRecentDefaultSlider));
}
