#include "ui/bars/tabs/CTavoPBaseTabWnd.h"

IMPLEMENT_DYNAMIC(CTavoPBaseTabWnd, CWnd)

CTavoPBaseTabWnd::CTavoPBaseTabWnd()
    : m_location(LOCATION_BOTTOM), m_iActiveTab(-1), m_sizeImage(0, 0)
{}

CTavoPBaseTabWnd::~CTavoPBaseTabWnd()
{}

// No tab can be added yet, so every index lies outside the tabs.
int CTavoPBaseTabWnd::GetTabsNum() const
{
    return 0;
}

BOOL CTavoPBaseTabWnd::GetTabLabel(int /*iTab*/, CString& strLabel) const
{
    strLabel.Empty();
    return FALSE;
}

UINT CTavoPBaseTabWnd::GetTabIcon(int /*iTab*/) const
{
    return (UINT)-1;
}

HICON CTavoPBaseTabWnd::GetTabHicon(int /*iTab*/) const
{
    return nullptr;
}

COLORREF CTavoPBaseTabWnd::GetTabBkColor(int /*iTab*/) const
{
    return (COLORREF)-1;
}

COLORREF CTavoPBaseTabWnd::GetTabTextColor(int /*iTab*/) const
{
    return (COLORREF)-1;
}

CImageList* CTavoPBaseTabWnd::GetImageList() const
{
    return nullptr;
}
