#include "app/CSalesQueryDialog.h"
#include "res/resource.h"

CSalesQueryDialog::CSalesQueryDialog(CWnd* pParent) : CDateRangeDialog(IDD_SALES_QUERY, pParent)
{
    m_start = m_end - CTimeSpan(1, 0, 0, 0);
}
