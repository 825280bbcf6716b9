#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPBaseTabWnd, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPBaseTabWnd, CWnd)

UINT CTavoPBaseTabWnd::TAVOM_ONCHANGE_ACTIVE_TAB =
    ::RegisterWindowMessage(_T("TAVOM_ONCHANGE_ACTIVE_TAB"));
UINT CTavoPBaseTabWnd::TAVOM_ON_CHANGING_ACTIVE_TAB =
    ::RegisterWindowMessage(_T("TAVOM_ON_CHANGING_ACTIVE_TAB"));

namespace {

// Space above and below a tab's image and text.
const int kTabMargin = 2;

} // namespace

CTavoPBaseTabWnd::CTavoPBaseTabWnd()
    : m_location(LOCATION_BOTTOM), m_iActiveTab(-1), m_sizeImage(0, 0), m_iTabsNum(0),
      m_iCurTabId(1), m_nTabBorderSize(2), m_nTabsHeight(0), m_bAutoDestroyWindow(FALSE),
      m_bHideInactiveWindow(TRUE)
{}

CTavoPBaseTabWnd::~CTavoPBaseTabWnd()
{
    for (int i = 0; i < (int)m_arTabs.GetSize(); i++)
        delete m_arTabs[i];
    m_arTabs.RemoveAll();
}

CTavoPBaseTabWnd::CTavoPTabInfo* CTavoPBaseTabWnd::GetTabInfo(int iTab) const
{
    return iTab >= 0 && iTab < m_iTabsNum ? m_arTabs[iTab] : nullptr;
}

void CTavoPBaseTabWnd::SetTabsHeight()
{
    m_nTabsHeight = std::max((int)m_sizeImage.cy + 2 * kTabMargin,
                             GetGlobalData().GetTextHeight() + 2 * kTabMargin);
}

// ---- the tabs ----

int CTavoPBaseTabWnd::AddTab(CWnd* pWnd, LPCTSTR lpszLabel, UINT uiImage, BOOL bDetachable)
{
    if (pWnd == nullptr || pWnd->GetDlgCtrlID() == -1)
        return -1;
    return InsertTab(pWnd, lpszLabel, -1, uiImage, bDetachable);
}

int CTavoPBaseTabWnd::InsertTab(CWnd* pWnd, LPCTSTR lpszLabel, int iInsertAt, UINT uiImage,
                                BOOL bDetachable)
{
    if (pWnd == nullptr)
        return -1;
    if (iInsertAt < 0 || iInsertAt > m_iTabsNum)
        iInsertAt = m_iTabsNum;

    CTavoPTabInfo* pTab = new CTavoPTabInfo;
    pTab->strText = lpszLabel != nullptr ? lpszLabel : _T("");
    pTab->uiIcon = uiImage;
    pTab->pWnd = pWnd;
    pTab->iTabID = m_iCurTabId++;
    pTab->bDetachable = bDetachable && pWnd->IsKindOf(RUNTIME_CLASS(CTavoPBaseControlBar));
    m_arTabs.InsertAt(iInsertAt, pTab);
    m_iTabsNum++;
    if (m_nTabsHeight == 0)
        SetTabsHeight();
    RecalcLayout();

    if (m_iTabsNum == 1)
        SetActiveTab(0);
    else if (iInsertAt <= m_iActiveTab)
    {
        // The tab before which it went stays the active one.
        m_iActiveTab++;
        if (m_bHideInactiveWindow && pWnd->GetSafeHwnd() != NULL)
            pWnd->ShowWindow(SW_HIDE);
    }
    else if (m_bHideInactiveWindow && pWnd->GetSafeHwnd() != NULL)
        pWnd->ShowWindow(SW_HIDE);
    return iInsertAt;
}

void CTavoPBaseTabWnd::RemoveAllTabs()
{
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CTavoPTabInfo* pTab = m_arTabs[i];
        if (m_bAutoDestroyWindow && pTab->pWnd != nullptr && pTab->pWnd->GetSafeHwnd() != NULL)
            pTab->pWnd->DestroyWindow();
        delete pTab;
    }
    m_arTabs.RemoveAll();
    m_iTabsNum = 0;
    m_iActiveTab = -1;
    m_iCurTabId = 1;
    if (GetSafeHwnd() != NULL)
        RecalcLayout();
}

int CTavoPBaseTabWnd::GetVisibleTabsNum() const
{
    int nCount = 0;
    for (int i = 0; i < m_iTabsNum; i++)
        if (m_arTabs[i]->bVisible)
            nCount++;
    return nCount;
}

int CTavoPBaseTabWnd::GetTabsNum() const
{
    return m_iTabsNum;
}

CWnd* CTavoPBaseTabWnd::GetTabWnd(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr ? pTab->pWnd : nullptr;
}

BOOL CTavoPBaseTabWnd::GetTabRect(int iTab, CRect& rect) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr || !pTab->bVisible)
    {
        rect.SetRectEmpty();
        return FALSE;
    }
    rect = pTab->rect;
    return TRUE;
}

int CTavoPBaseTabWnd::GetTabFromHwnd(HWND hWnd) const
{
    for (int i = 0; i < m_iTabsNum; i++)
        if (m_arTabs[i]->pWnd != nullptr && m_arTabs[i]->pWnd->GetSafeHwnd() == hWnd)
            return i;
    return -1;
}

int CTavoPBaseTabWnd::GetTabFromPoint(CPoint& point) const
{
    for (int i = 0; i < m_iTabsNum; i++)
        if (m_arTabs[i]->bVisible && m_arTabs[i]->rect.PtInRect(point))
            return i;
    return -1;
}

BOOL CTavoPBaseTabWnd::IsTabVisible(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr && pTab->bVisible;
}

BOOL CTavoPBaseTabWnd::IsTabDetachable(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr && pTab->bDetachable;
}

BOOL CTavoPBaseTabWnd::GetTabLabel(int iTab, CString& strLabel) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr)
    {
        strLabel.Empty();
        return FALSE;
    }
    strLabel = pTab->strText;
    return TRUE;
}

UINT CTavoPBaseTabWnd::GetTabIcon(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr ? pTab->uiIcon : (UINT)-1;
}

BOOL CTavoPBaseTabWnd::SetTabIcon(int iTab, UINT uiIcon)
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr)
        return FALSE;
    pTab->uiIcon = uiIcon;
    return TRUE;
}

HICON CTavoPBaseTabWnd::GetTabHicon(int /*iTab*/) const
{
    return nullptr;
}

COLORREF CTavoPBaseTabWnd::GetTabBkColor(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr ? pTab->clrBack : (COLORREF)-1;
}

COLORREF CTavoPBaseTabWnd::GetTabTextColor(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr ? pTab->clrText : (COLORREF)-1;
}

CImageList* CTavoPBaseTabWnd::GetImageList() const
{
    return nullptr;
}

CSize CTavoPBaseTabWnd::GetMaxWindowSize() const
{
    CSize sizeMax(0, 0);
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CWnd* pWnd = m_arTabs[i]->pWnd;
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == NULL)
            continue;
        CSize size;
        CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pWnd);
        if (pBar != nullptr)
            size = pBar->CalcFixedLayout(FALSE, TRUE);
        else
        {
            CRect rect;
            pWnd->GetWindowRect(rect);
            size = rect.Size();
        }
        sizeMax.cx = std::max(sizeMax.cx, size.cx);
        sizeMax.cy = std::max(sizeMax.cy, size.cy);
    }
    return sizeMax;
}

int CTavoPBaseTabWnd::GetTabBorderSize() const
{
    return GetVisibleTabsNum() > 0 ? m_nTabBorderSize : 0;
}

// ---- messages ----

void CTavoPBaseTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDown(nFlags, point);
    const int iTab = GetTabFromPoint(point);
    if (iTab < 0 || iTab == m_iActiveTab || !IsPtInTabArea(point))
        return;
    // The derived activation tells the parent.
    SetActiveTab(iTab);
}

void CTavoPBaseTabWnd::OnDestroy()
{
    RemoveAllTabs();
    CWnd::OnDestroy();
}
