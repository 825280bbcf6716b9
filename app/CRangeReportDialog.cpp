#include "app/CRangeReportDialog.h"
#include "res/resource.h"

CRangeReportDialog::CRangeReportDialog(CWnd* pParent) : CDateRangeDialog(IDD_RANGE_REPORT, pParent)
{}

void CRangeReportDialog::SetRange(CTime start, CTime end)
{
    m_start = start;
    m_end = end;
}

void CRangeReportDialog::SetHint(const CString& hint)
{
    m_hint = hint;
}

void CRangeReportDialog::DoDataExchange(CDataExchange* pDX)
{
    CDateRangeDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_QUERY_HINT, m_hint);
}
