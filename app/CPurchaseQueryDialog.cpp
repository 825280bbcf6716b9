#include "app/CPurchaseQueryDialog.h"
#include "res/resource.h"

CPurchaseQueryDialog::CPurchaseQueryDialog(CWnd* pParent)
    : CDateRangeDialog(IDD_PURCHASE_QUERY, pParent)
{
    // 356, not 365: the range operators have always been offered.
    m_start = m_end - CTimeSpan(356, 0, 0, 0);
}
