#include "app/CDayReportDialog.h"
#include "app/CDateRangeDialog.h"
#include "framework/CDateTimeCtrl.h"
#include "res/resource.h"

CDayReportDialog::CDayReportDialog(CWnd* pParent)
    : CDialog(IDD_DAY_REPORT, pParent), m_date(CTime::GetCurrentTime())
{}

void CDayReportDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_DateTimeCtrl(pDX, IDC_QUERY_START, m_date);
}

BOOL CDayReportDialog::OnInitDialog()
{
    CDateRangeDialog::FixDateFormat(GetDlgItem(IDC_QUERY_START));
    CDialog::OnInitDialog();
    return TRUE;
}

void CDayReportDialog::OnOK()
{
    GetDlgItemText(IDC_QUERY_START, m_dateText);
    CDialog::OnOK();
}
