#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "framework/CWinApp.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

INT_PTR CALLBACK AfxPropertyPageProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    const PROPSHEETPAGE* pPsp = (const PROPSHEETPAGE*)lParam;
    CPropertyPage* pPage = pPsp != nullptr ? (CPropertyPage*)pPsp->lParam : nullptr;
    if (pPage == nullptr)
        return TRUE;
    // The sheet made the page's window: the page object takes it over here.
    if (pPage->m_hWnd == nullptr && !pPage->SubclassWindow(hWnd))
        return TRUE;
    try
    {
        return pPage->OnInitDialog();
    }
    catch (CException* e)
    {
        MSG msg = {};
        msg.hwnd = hWnd;
        msg.message = WM_INITDIALOG;
        CWinThread::DefaultProcessWndProcException(e, &msg);
        e->Delete();
    }
    catch (...)
    {}
    return FALSE;
}

CPropertyPage::CPropertyPage()
{
    memset(&m_psp, 0, sizeof(m_psp));
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate)
{
    memset(&m_psp, 0, sizeof(m_psp));
    if (nIDCaption != 0)
        m_strCaption.LoadString(nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption) : CDialog(lpszTemplateName)
{
    memset(&m_psp, 0, sizeof(m_psp));
    if (nIDCaption != 0)
        m_strCaption.LoadString(nIDCaption);
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::PreparePage()
{
    memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pfnDlgProc = AfxPropertyPageProc;
    m_psp.lParam = (LPARAM)this;
    if (m_lpszTemplateName != nullptr)
        m_psp.pszTemplate = m_lpszTemplateName;
    else
    {
        m_psp.dwFlags |= PSP_DLGINDIRECT;
        m_psp.pResource = m_lpDialogTemplate;
    }
    if (!m_strCaption.IsEmpty())
    {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
}

BOOL CPropertyPage::OnInitDialog()
{
    // Pages have no OK button of their own: only the initial exchange of the base.
    m_bFirstSetActive = TRUE;
    if (!UpdateData(FALSE))
        return FALSE;
    return TRUE;
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnOK()
{}

void CPropertyPage::OnCancel()
{}

void CPropertyPage::OnReset()
{
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

CPropertySheet* CPropertyPage::GetParentSheet() const
{
    return DYNAMIC_DOWNCAST(CPropertySheet, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    HWND hSheet = ::GetParent(m_hWnd);
    if (hSheet != nullptr)
        ::SendMessage(hSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

void CPropertyPage::CancelToClose()
{
    HWND hSheet = ::GetParent(m_hWnd);
    if (hSheet != nullptr)
        ::SendMessage(hSheet, PSM_CANCELTOCLOSE, 0, 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    HWND hSheet = ::GetParent(m_hWnd);
    return hSheet != nullptr ? ::SendMessage(hSheet, PSM_QUERYSIBLINGS, wParam, lParam) : 0;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->hwndFrom != ::GetParent(m_hWnd))
        return CDialog::OnNotify(wParam, lParam, pResult);

    // The sheet reads the answer from the page's message result.
    LRESULT lResult;
    switch (pNMHDR->code)
    {
    case PSN_SETACTIVE: lResult = OnSetActive() ? 0 : -1; break;
    case PSN_KILLACTIVE: lResult = OnKillActive() ? FALSE : TRUE; break;
    case PSN_APPLY:
    {
        BOOL bApplied = OnApply();
        lResult = bApplied ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        CPropertySheet* pSheet = GetParentSheet();
        if (bApplied && pSheet != nullptr && ((PSHNOTIFY*)lParam)->lParam)
            pSheet->SetResult(IDOK); // OK, not the Apply button
        break;
    }
    case PSN_RESET:
    {
        OnReset();
        lResult = 0;
        CPropertySheet* pSheet = GetParentSheet();
        if (pSheet != nullptr)
            pSheet->SetResult(IDCANCEL);
        break;
    }
    case PSN_QUERYCANCEL: lResult = OnQueryCancel() ? FALSE : TRUE; break;
    default: return CDialog::OnNotify(wParam, lParam, pResult);
    }
    ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, lResult);
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}
