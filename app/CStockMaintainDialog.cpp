#include "app/CStockMaintainDialog.h"
#include "res/resource.h"

CStockMaintainDialog::CStockMaintainDialog(CWnd* pParent)
    : CMaintainDialog(IDD_STOCK_MAINTAIN, "存", "select * from 存", pParent)
{}
