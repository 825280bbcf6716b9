// Maintenance of the stock table 存: every cell editable, rows added and deleted as they are.
#pragma once
#include "app/CMaintainDialog.h"

class CStockMaintainDialog : public CMaintainDialog
{
public:
    explicit CStockMaintainDialog(CWnd* pParent = nullptr);
};
