#include "app/CDateRangeDialog.h"
#include "framework/CDateTimeCtrl.h"
#include "res/resource.h"

CDateRangeDialog::CDateRangeDialog(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_start(CTime::GetCurrentTime()), m_end(m_start)
{}

void CDateRangeDialog::FixDateFormat(CWnd* pPicker)
{
    if (pPicker)
        pPicker->SendMessage(DTM_SETFORMATA, 0, (LPARAM) "yyyy-MM-dd");
}

void CDateRangeDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_DateTimeCtrl(pDX, IDC_QUERY_START, m_start);
    DDX_DateTimeCtrl(pDX, IDC_QUERY_END, m_end);
}

BOOL CDateRangeDialog::OnInitDialog()
{
    FixDateFormat(GetDlgItem(IDC_QUERY_START));
    FixDateFormat(GetDlgItem(IDC_QUERY_END));
    CDialog::OnInitDialog();
    return TRUE;
}

void CDateRangeDialog::OnOK()
{
    GetDlgItemText(IDC_QUERY_START, m_startText);
    GetDlgItemText(IDC_QUERY_END, m_endText);
    CDialog::OnOK();
}
