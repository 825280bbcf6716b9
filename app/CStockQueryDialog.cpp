#include "app/CStockQueryDialog.h"
#include "res/resource.h"

CStockQueryDialog::CStockQueryDialog(CWnd* pParent) : CDialog(IDD_STOCK_QUERY, pParent)
{}

void CStockQueryDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STOCKQ_NAME, m_name);
    DDX_Text(pDX, IDC_STOCKQ_ORIGIN, m_origin);
    DDX_Text(pDX, IDC_STOCKQ_SPEC, m_spec);
    DDX_Text(pDX, IDC_STOCKQ_EXPIRY, m_expiry);
}
