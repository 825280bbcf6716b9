#include "ui/bars/docking/CTavoPRecentDockPlacement.h"
#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"

CTavoPRecentDockPlacement::CTavoPRecentDockPlacement()
    : m_pRecentBarContainer(NULL), m_nRecentPercent(50), m_bRecentLeftBar(TRUE),
      m_pRecentTabContainer(NULL)
{
    m_rectRecentDockedRect.SetRectEmpty();
    m_rectRecentContainer.SetRectEmpty();
}

CTavoPRecentDockPlacement::~CTavoPRecentDockPlacement()
{
    ReleaseContainers();
}

void CTavoPRecentDockPlacement::ReleaseContainers()
{
    if (m_pRecentBarContainer != NULL)
        m_pRecentBarContainer->Release();
    if (m_pRecentTabContainer != NULL)
        m_pRecentTabContainer->Release();
    m_pRecentBarContainer = NULL;
    m_pRecentTabContainer = NULL;
}

void CTavoPRecentDockPlacement::Init()
{
    ReleaseContainers();
    m_rectRecentDockedRect.SetRectEmpty();
    m_rectRecentContainer.SetRectEmpty();
    m_nRecentPercent = 50;
    m_bRecentLeftBar = TRUE;
    m_lstRecentListOfBars.RemoveAll();
}

void CTavoPRecentDockPlacement::StoreDockInfo(CTavoPBarContainer* pContainer,
                                              CTavoPBaseControlBar* pBar,
                                              CTavoPDockingControlBar* pTabbedBar)
{
    if (pContainer != NULL)
    {
        pContainer->AddRef();
        CTavoPBaseControlBar* pFirst = pTabbedBar != NULL ? pTabbedBar : pBar;
        m_bRecentLeftBar = pContainer->GetLeftBar() == pFirst;
    }
    ReleaseContainers();
    if (pBar != NULL && pBar->GetSafeHwnd() != NULL)
        pBar->GetWindowRect(m_rectRecentDockedRect);
    m_rectRecentContainer.SetRectEmpty();
    if (pContainer != NULL)
        pContainer->GetWindowRect(m_rectRecentContainer);
    if (pTabbedBar != NULL)
    {
        m_pRecentTabContainer = pContainer;
        m_nRecentPercent = pTabbedBar->GetPercent();
    }
    else
    {
        m_pRecentBarContainer = pContainer;
        CTavoPDockingControlBar* pPane = DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pBar);
        if (pPane != NULL)
            m_nRecentPercent = pPane->GetPercent();
    }
}

void CTavoPRecentDockPlacement::SetInfo(const CTavoPRecentDockPlacement& other)
{
    if (&other == this)
        return;
    if (other.m_pRecentBarContainer != NULL)
        other.m_pRecentBarContainer->AddRef();
    if (other.m_pRecentTabContainer != NULL)
        other.m_pRecentTabContainer->AddRef();
    ReleaseContainers();
    m_pRecentBarContainer = other.m_pRecentBarContainer;
    m_rectRecentDockedRect = other.m_rectRecentDockedRect;
    m_rectRecentContainer = other.m_rectRecentContainer;
    m_nRecentPercent = other.m_nRecentPercent;
    m_pRecentTabContainer = other.m_pRecentTabContainer;
    m_lstRecentListOfBars.RemoveAll();
    m_lstRecentListOfBars.Append(other.m_lstRecentListOfBars);
}
