#include "framework/CPropertySheet.h"
#include "framework/CWinApp.h"
#include <string.h>

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, OnInitDialogMessage)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace {

// The style a sheet being created asked for; the pre-create callback writes it into the template.
DWORD g_dwSheetStyle;
DWORD g_dwSheetExStyle;

int CALLBACK SheetCallback(HWND, UINT message, LPARAM lParam)
{
    if (message != PSCB_PRECREATE || lParam == 0)
        return 0;
    WORD* pw = (WORD*)lParam;
    if (pw[0] == 1 && pw[1] == 0xFFFF) // DLGTEMPLATEEX: help id, then extended style, then style
    {
        DWORD* pdw = (DWORD*)(pw + 2);
        pdw[1] = g_dwSheetExStyle;
        pdw[2] = g_dwSheetStyle;
    }
    else
    {
        DLGTEMPLATE* pTemplate = (DLGTEMPLATE*)lParam;
        pTemplate->style = g_dwSheetStyle;
        pTemplate->dwExtendedStyle = g_dwSheetExStyle;
    }
    return 0;
}

} // namespace

CPropertySheet::CPropertySheet() : m_pParentWnd(nullptr), m_bModeless(FALSE), m_nStartPage(0)
{
    memset(&m_psh, 0, sizeof(m_psh));
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_bModeless(FALSE), m_nStartPage(iSelectPage)
{
    memset(&m_psh, 0, sizeof(m_psh));
    m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_bModeless(FALSE),
      m_strCaption(pszCaption != nullptr ? pszCaption : ""), m_nStartPage(iSelectPage)
{
    memset(&m_psh, 0, sizeof(m_psh));
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (pPage == nullptr)
        return;
    m_pages.push_back(pPage);
    if (m_hWnd != nullptr)
    {
        pPage->PreparePage();
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPage(&pPage->m_psp);
        if (hPage != nullptr)
            SendMessage(PSM_ADDPAGE, 0, (LPARAM)hPage);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    RemovePage(GetPageIndex(pPage));
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd != nullptr)
        SendMessage(PSM_REMOVEPAGE, (WPARAM)nPage, 0);
    m_pages.erase(m_pages.begin() + nPage);
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return (nPage >= 0 && nPage < GetPageCount()) ? m_pages[(size_t)nPage] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); i++)
        if (m_pages[(size_t)i] == pPage)
            return i;
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_hWnd == nullptr)
        return GetPage((int)m_nStartPage);
    HWND hPage = (HWND)SendMessage(PSM_GETCURRENTPAGEHWND);
    return DYNAMIC_DOWNCAST(CPropertyPage, CWnd::FromHandlePermanent(hPage));
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return (int)m_nStartPage;
    return GetPageIndex(GetActivePage());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == nullptr)
    {
        m_nStartPage = (UINT)nPage;
        return TRUE;
    }
    return (BOOL)SendMessage(PSM_SETCURSEL, (WPARAM)nPage, 0);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText != nullptr ? lpszText : "";
    if (m_hWnd != nullptr)
        SendMessage(PSM_SETTITLE, nStyle, (LPARAM)(LPCTSTR)m_strCaption);
}

CWnd* CPropertySheet::GetTabControl() const
{
    return CWnd::FromHandle((HWND)SendMessage(PSM_GETTABCONTROL));
}

BOOL CPropertySheet::PressButton(int nButton)
{
    return (BOOL)SendMessage(PSM_PRESSBUTTON, (WPARAM)nButton, 0);
}

void CPropertySheet::EndDialog(int nEndID)
{
    CWnd::EndModalLoop(nEndID);
    if (m_bModeless)
        DestroyWindow();
    else
        PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
}

void CPropertySheet::BuildHeader(std::vector<PROPSHEETPAGE>& pages)
{
    pages.clear();
    for (CPropertyPage* pPage : m_pages)
    {
        pPage->PreparePage();
        pages.push_back(pPage->m_psp);
    }
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK;
    m_psh.pfnCallback = SheetCallback;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.nPages = (UINT)pages.size();
    m_psh.nStartPage = m_nStartPage < pages.size() ? m_nStartPage : 0;
    m_psh.ppsp = pages.empty() ? nullptr : pages.data();
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd != nullptr || m_pages.empty())
        return -1;
    m_bModeless = FALSE;

    HWND hWndParent = m_pParentWnd->GetSafeHwnd();
    if (hWndParent == nullptr)
        hWndParent = AfxGetMainWnd()->GetSafeHwnd();
    while (hWndParent != nullptr && (::GetWindowLong(hWndParent, GWL_STYLE) & WS_CHILD))
        hWndParent = ::GetParent(hWndParent);
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    std::vector<PROPSHEETPAGE> pages;
    BuildHeader(pages);
    m_psh.hwndParent = hWndParent;
    g_dwSheetStyle =
        WS_SYSMENU | WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | WS_VISIBLE;
    g_dwSheetExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

    m_nModalResult = IDCANCEL;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::PropertySheet(&m_psh);
    AfxUnhookWindowCreate();
    if (hWnd == nullptr || hWnd == (HWND)-1 || m_hWnd == nullptr)
    {
        if (bEnableParent)
            ::EnableWindow(hWndParent, TRUE);
        return -1;
    }

    m_nFlags |= WF_CONTINUEMODAL;
    RunModalLoop(0);
    int nResult = m_nModalResult;

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    return nResult;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (m_hWnd != nullptr)
        return FALSE;
    m_bModeless = TRUE;
    if (dwStyle == (DWORD)-1)
        dwStyle = DS_MODALFRAME | DS_3DLOOK | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    if (dwStyle & WS_CHILD)
        dwExStyle |= WS_EX_CONTROLPARENT; // an embedded sheet takes part in its parent's tabbing

    std::vector<PROPSHEETPAGE> pages;
    BuildHeader(pages);
    m_pParentWnd = pParentWnd;
    m_psh.hwndParent = pParentWnd->GetSafeHwnd();
    g_dwSheetStyle = dwStyle | DS_SETFONT;
    g_dwSheetExStyle = dwExStyle;

    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::PropertySheet(&m_psh);
    AfxUnhookWindowCreate();
    return hWnd != nullptr && hWnd != (HWND)-1 && m_hWnd != nullptr;
}

LRESULT CPropertySheet::OnInitDialogMessage(WPARAM, LPARAM)
{
    LRESULT lResult = Default(); // the sheet lays out its tabs and buttons first
    OnInitDialog();
    return lResult;
}

BOOL CPropertySheet::OnInitDialog()
{
    return TRUE;
}

BOOL CPropertySheet::ContinueModal()
{
    if (!CWnd::ContinueModal())
        return FALSE;
    // After OK or Cancel the sheet has no current page any more.
    return ::IsWindow(m_hWnd) && SendMessage(PSM_GETCURRENTPAGEHWND) != 0;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if ((pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) &&
        (pMsg->message < WM_MOUSEFIRST || pMsg->message > WM_MOUSELAST))
        return FALSE;
    return (BOOL)SendMessage(PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}
