// Maintenance of the sales table 销: every cell editable, rows added and deleted as they are.
#pragma once
#include "app/CMaintainDialog.h"

class CSalesMaintainDialog : public CMaintainDialog
{
public:
    explicit CSalesMaintainDialog(CWnd* pParent = nullptr);
};
