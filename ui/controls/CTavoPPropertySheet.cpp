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
    // One page is shown at a time: only its button stays checked.
    for (int i = 0; i < m_pNavigationPane->GetCount(); i++)
    {
        const UINT nStyle = m_pNavigationPane->GetButtonStyle(i);
        const UINT nWanted =
            i == m_nActivePage ? (nStyle | TBBS_CHECKED) : (nStyle & ~TBBS_CHECKED);
        if (nWanted == nStyle)
            continue;
        m_pNavigationPane->SetButtonStyle(i, nWanted);
        m_pNavigationPane->InvalidateButton(i);
    }
    ScrollNavigationTo(m_nActivePage);
    return 0;
}

void CTavoPPropertySheet::ScrollNavigationTo(int iButton)
{
    const CTavoPToolbarButton* pButton = m_pNavigationPane->GetButton(iButton);
    if (pButton == nullptr)
        return;
    CRect rectClient;
    m_pNavigationPane->GetClientRect(rectClient);
    // A button taller than the pane can never be shown whole: it is left where it is.
    if (pButton->Rect().Height() >= rectClient.Height())
        return;
    // One step at a time, until the button is in view or the pane cannot scroll further.
    const BOOL bUp = pButton->Rect().top < rectClient.top;
    for (;;)
    {
        const CRect rect = pButton->Rect();
        if (bUp ? rect.top >= rectClient.top : rect.bottom <= rectClient.bottom)
            break;
        const int nOffset = m_pNavigationPane->GetScrollOffset();
        if (bUp)
            m_pNavigationPane->ScrollUp();
        else
            m_pNavigationPane->ScrollDown();
        if (m_pNavigationPane->GetScrollOffset() == nOffset)
            break;
    }
}
