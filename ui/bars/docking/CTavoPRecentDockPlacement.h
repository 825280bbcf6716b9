// One remembered place of a bar: the container, share and tab group it had, and its window rectangle there.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPBarContainer;
class CTavoPBaseControlBar;
class CTavoPDockingControlBar;

class CTavoPRecentDockPlacement
{
public:
    CTavoPRecentDockPlacement();
    virtual ~CTavoPRecentDockPlacement();

    // Remembers the bar's place in pContainer (none for a bar outside the layout tree); with
    // a tabbed bar the container is that of the tab group.
    virtual void StoreDockInfo(CTavoPBarContainer* pContainer, CTavoPBaseControlBar* pBar,
                               CTavoPDockingControlBar* pTabbedBar = NULL);
    virtual void SetInfo(const CTavoPRecentDockPlacement& other);
    // Releases the containers and returns to the initial state.
    void Init();

    CTavoPBarContainer* m_pRecentBarContainer;
    CRect m_rectRecentDockedRect;
    // The container's rectangle when the place was remembered, in the coordinates of
    // m_rectRecentDockedRect: while it is the same the bar comes back to its very pixels,
    // which a whole-percent share cannot promise. Kept in memory only.
    CRect m_rectRecentContainer;
    int m_nRecentPercent;
    BOOL m_bRecentLeftBar;
    CDWordArray m_lstRecentListOfBars;
    CTavoPBarContainer* m_pRecentTabContainer;

private:
    CTavoPRecentDockPlacement(const CTavoPRecentDockPlacement&) = delete;
    CTavoPRecentDockPlacement& operator=(const CTavoPRecentDockPlacement&) = delete;
    void ReleaseContainers();
};
