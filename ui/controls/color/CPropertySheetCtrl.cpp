#include "ui/controls/color/CPropertySheetCtrl.h"

BEGIN_MESSAGE_MAP(CPropertySheetCtrl, CPropertySheet)
    ON_WM_SIZE()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CPropertySheetCtrl, CPropertySheet)

CPropertySheetCtrl::CPropertySheetCtrl(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), m_hAccel(nullptr), m_bChild(FALSE)
{}

CPropertySheetCtrl::~CPropertySheetCtrl() = default;

BOOL CPropertySheetCtrl::OnInitDialog()
{
    BOOL bResult = CPropertySheet::OnInitDialog();
    m_bChild = (GetStyle() & WS_CHILD) != 0;
    // Embedded, the sheet's own buttons have no place: the dialog around it has OK and Cancel.
    static const int buttons[] = {IDOK, IDCANCEL, 0x3021 /* apply */, 0x0009 /* help */};
    for (int nID : buttons)
    {
        CWnd* pButton = GetDlgItem(nID);
        if (pButton != nullptr)
            pButton->ShowWindow(SW_HIDE);
    }
    ModifyStyleEx(WS_EX_CONTROLPARENT, 0);
    ResizeControl();
    return bResult;
}

void CPropertySheetCtrl::ResizeControl()
{
    CWnd* pTab = GetTabControl();
    if (pTab == nullptr || pTab->GetSafeHwnd() == nullptr)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    pTab->MoveWindow(rectClient);

    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    const int cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    for (int i = 0; i < GetPageCount(); i++)
    {
        CPropertyPage* pPage = GetPage(i);
        if (pPage == nullptr || pPage->GetSafeHwnd() == nullptr)
            continue;
        CRect rectPage;
        pPage->GetWindowRect(rectPage);
        ScreenToClient(rectPage);
        pPage->SetWindowPos(nullptr, 0, 0, rectClient.Width() - 3 * cxEdge,
                            rectClient.Height() - rectPage.top - cyEdge,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CPropertySheetCtrl::OnSize(UINT nType, int cx, int cy)
{
    CPropertySheet::OnSize(nType, cx, cy);
    ResizeControl();
}

BOOL CPropertySheetCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHdr = (NMHDR*)lParam;
    if (pHdr != nullptr && pHdr->code == TCN_SELCHANGE)
        ResizeControl();
    return CPropertySheet::OnNotify(wParam, lParam, pResult);
}

BOOL CPropertySheetCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccel != nullptr && ::TranslateAccelerator(m_hWnd, m_hAccel, pMsg))
        return TRUE;
    return CPropertySheet::PreTranslateMessage(pMsg);
}

void CPropertySheetCtrl::PostNcDestroy()
{
    // A child sheet lives on the heap and is nobody's member: it goes with its window.
    const BOOL bChild = m_bChild;
    CPropertySheet::PostNcDestroy();
    if (bChild)
        delete this;
}
