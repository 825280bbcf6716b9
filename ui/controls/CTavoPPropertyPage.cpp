#include "ui/controls/CTavoPPropertyPage.h"
#include "ui/controls/CTavoPPropertySheet.h"

BEGIN_MESSAGE_MAP(CTavoPPropertyPage, CPropertyPage)
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPPropertyPage, CPropertyPage)

CTavoPPropertyPage::CTavoPPropertyPage() : m_Impl(this)
{}

CTavoPPropertyPage::CTavoPPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CPropertyPage(nIDTemplate, nIDCaption), m_Impl(this)
{}

CTavoPPropertyPage::CTavoPPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
    : CPropertyPage(lpszTemplateName, nIDCaption), m_Impl(this)
{}

CTavoPPropertyPage::~CTavoPPropertyPage()
{}

BOOL CTavoPPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    if (m_Impl.PreTranslateMessage(pMsg))
        return TRUE;
    return CPropertyPage::PreTranslateMessage(pMsg);
}

BOOL CTavoPPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_Impl.OnCommand(wParam))
        return TRUE;
    return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL CTavoPPropertyPage::OnSetActive()
{
    CTavoPPropertySheet* pSheet = DYNAMIC_DOWNCAST(CTavoPPropertySheet, GetParent());
    if (pSheet != nullptr)
        pSheet->OnActivatePage(this);
    return CPropertyPage::OnSetActive();
}

void CTavoPPropertyPage::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    m_Impl.OnActivate(nState, pWndOther);
    CPropertyPage::OnActivate(nState, pWndOther, bMinimized);
}

BOOL CTavoPPropertyPage::OnNcActivate(BOOL bActive)
{
    m_Impl.OnNcActivate(bActive);
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0L);
}

void CTavoPPropertyPage::OnDestroy()
{
    m_Impl.OnDestroyOwner();
    CPropertyPage::OnDestroy();
}
