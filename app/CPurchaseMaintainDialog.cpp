#include "app/CPurchaseMaintainDialog.h"
#include "res/resource.h"

CPurchaseMaintainDialog::CPurchaseMaintainDialog(CWnd* pParent)
    : CMaintainDialog(IDD_PURCHASE_MAINTAIN, "进", "select * from 进", pParent)
{}
