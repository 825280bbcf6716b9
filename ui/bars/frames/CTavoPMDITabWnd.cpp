#include "ui/bars/frames/CTavoPMDITabWnd.h"

IMPLEMENT_DYNCREATE(CTavoPMDITabWnd, CTavoPTabWnd)

CTavoPMDITabWnd::CTavoPMDITabWnd()
{
    // MDI shows and hides the document windows itself, and closing a tab's window is MDI's.
    m_bHideInactiveWindow = FALSE;
    m_bAutoDestroyWindow = FALSE;
}

CTavoPMDITabWnd::~CTavoPMDITabWnd() = default;

std::vector<CWnd*> CTavoPMDITabWnd::TakePages()
{
    std::vector<CWnd*> pages;
    pages.reserve((size_t)m_iTabsNum);
    for (int i = 0; i < m_iTabsNum; i++)
    {
        pages.push_back(m_arTabs[i]->pWnd);
        m_arTabs[i]->pWnd = nullptr;
    }
    return pages;
}

void CTavoPMDITabWnd::PutPagesBack(const std::vector<CWnd*>& pages)
{
    // The tab work itself adds or removes no tab.
    for (int i = 0; i < m_iTabsNum && i < (int)pages.size(); i++)
        m_arTabs[i]->pWnd = pages[(size_t)i];
}

void CTavoPMDITabWnd::RecalcLayout()
{
    const std::vector<CWnd*> pages = TakePages();
    CTavoPTabWnd::RecalcLayout();
    PutPagesBack(pages);
}

BOOL CTavoPMDITabWnd::SetActiveTab(int iTab)
{
    const std::vector<CWnd*> pages = TakePages();
    const BOOL bResult = CTavoPTabWnd::SetActiveTab(iTab);
    PutPagesBack(pages);
    if (!bResult)
        return FALSE;

    // A tab chosen on the strip makes its document the active one.
    CWnd* pWnd = GetTabWnd(iTab);
    HWND hwnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : NULL;
    if (hwnd == NULL)
        return TRUE;
    HWND hwndClient = ::GetParent(hwnd);
    if ((HWND)::SendMessage(hwndClient, WM_MDIGETACTIVE, 0, 0) != hwnd)
        ::SendMessage(hwndClient, WM_MDIACTIVATE, (WPARAM)hwnd, 0);
    return TRUE;
}
