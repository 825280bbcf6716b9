#include "ui/controls/CTavoPPropertySheet.h"
#include "ui/controls/outlook/CTavoPOutlookBarPane.h"

BEGIN_MESSAGE_MAP(CTavoPPropertySheet, CPropertySheet)
    ON_MESSAGE(WM_SYNCNAVIGATION, OnSyncNavigation)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPPropertySheet, CPropertySheet)

CTavoPPropertySheet::CTavoPPropertySheet() : m_pNavigationPane(nullptr), m_nActivePage(-1)
{}

CTavoPPropertySheet::CTavoPPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage), m_pNavigationPane(nullptr),
      m_nActivePage(-1)
{}

CTavoPPropertySheet::CTavoPPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), m_pNavigationPane(nullptr),
      m_nActivePage(-1)
{}

CTavoPPropertySheet::~CTavoPPropertySheet()
{}

void CTavoPPropertySheet::OnActivatePage(CPropertyPage* pPage)
{
    m_nActivePage = GetPageIndex(pPage);
    if (GetSafeHwnd() != NULL)
        SendMessage(WM_SYNCNAVIGATION);
}

LRESULT CTavoPPropertySheet::OnSyncNavigation(WPARAM, LPARAM)
{
    if (m_nActivePage < 0 || m_pNavigationPane == nullptr ||
        m_pNavigationPane->GetSafeHwnd() == NULL || m_nActivePage >= m_pNavigationPane->GetCount())
        return 0;
    m_pNavigationPane->SetButtonStyle(
        m_nActivePage, m_pNavigationPane->GetButtonStyle(m_nActivePage) | TBBS_CHECKED);
    m_pNavigationPane->InvalidateButton(m_nActivePage);
    return 0;
}
