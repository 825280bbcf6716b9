#include "ui/bars/docking/CTavoPTabbedControlBar.h"
#include "ui/bars/tabs/CTavoPTabWnd.h"

BEGIN_MESSAGE_MAP(CTavoPTabbedControlBar, CTavoPBaseTabbedBar)
    ON_WM_CREATE()
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPTabbedControlBar, CTavoPBaseTabbedBar, VERSIONABLE_SCHEMA | 2)

CTavoPTabbedControlBar::CTavoPTabbedControlBar(BOOL bAutoDestroy)
    : CTavoPBaseTabbedBar(bAutoDestroy)
{}

CTavoPTabbedControlBar::~CTavoPTabbedControlBar() = default;

CTavoPTabWnd* CTavoPTabbedControlBar::GetTabWnd() const
{
    return DYNAMIC_DOWNCAST(CTavoPTabWnd, m_pTabWnd);
}

int CTavoPTabbedControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPDockingControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    CTavoPTabWnd* pTabWnd = new CTavoPTabWnd;
    const CRect rect(0, 0, lpCreateStruct->cx, lpCreateStruct->cy);
    if (!pTabWnd->Create(CTavoPTabWnd::STYLE_3D, rect, this, TAB_WND_ID,
                         CTavoPBaseTabWnd::LOCATION_BOTTOM, FALSE))
    {
        delete pTabWnd;
        m_pTabWnd = NULL;
        return -1;
    }
    m_pTabWnd = pTabWnd;
    // The strip shows only when there is a choice; removing a tab never destroys its pane.
    pTabWnd->HideSingleTab(TRUE);
    pTabWnd->SetAutoDestroy(FALSE);
    return 0;
}

void CTavoPTabbedControlBar::GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const
{
    rectTabAreaTop.SetRectEmpty();
    rectTabAreaBottom.SetRectEmpty();
    CTavoPTabWnd* pTabWnd = GetTabWnd();
    if (pTabWnd == NULL || pTabWnd->GetSafeHwnd() == NULL)
        return;
    pTabWnd->GetTabArea(rectTabAreaTop, rectTabAreaBottom);
    if (!rectTabAreaTop.IsRectEmpty())
        pTabWnd->ClientToScreen(rectTabAreaTop);
    if (!rectTabAreaBottom.IsRectEmpty())
        pTabWnd->ClientToScreen(rectTabAreaBottom);
}

BOOL CTavoPTabbedControlBar::IsTabLocationBottom() const
{
    return m_pTabWnd == NULL || m_pTabWnd->GetLocation() != CTavoPBaseTabWnd::LOCATION_TOP;
}

BOOL CTavoPTabbedControlBar::DetachControlBar(CWnd* pBar, int nTabIndex, int nDockMethod,
                                              BOOL bHide)
{
    // A single tab stays: the group would be left empty in its place.
    if (GetTabsNum() < 2)
        return FALSE;
    return CTavoPBaseTabbedBar::DetachControlBar(pBar, nTabIndex, nDockMethod, bHide);
}

BOOL CTavoPTabbedControlBar::FloatTab(CWnd* pBar, int nTabIndex, int nDockMethod, BOOL bHide)
{
    if (GetTabsNum() < 1)
        return FALSE;
    return CTavoPBaseTabbedBar::FloatTab(pBar, nTabIndex, nDockMethod, bHide);
}

void CTavoPTabbedControlBar::OnPressCloseButton()
{
    if (m_pTabWnd == NULL)
        return;
    if (m_pTabWnd->GetVisibleTabsNum() == 1)
        CTavoPDockingControlBar::OnPressCloseButton();
    CWnd* pActive = m_pTabWnd->GetActiveWnd();
    if (pActive != NULL)
        ShowTab(pActive, FALSE, FALSE, FALSE);
}
