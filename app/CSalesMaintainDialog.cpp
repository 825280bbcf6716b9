#include "app/CSalesMaintainDialog.h"
#include "res/resource.h"

CSalesMaintainDialog::CSalesMaintainDialog(CWnd* pParent)
    : CMaintainDialog(IDD_SALES_MAINTAIN, "销", "select * from 销", pParent)
{}
