// Maintenance of the purchases table 进: every cell editable, rows added and deleted as they are.
#pragma once
#include "app/CMaintainDialog.h"

class CPurchaseMaintainDialog : public CMaintainDialog
{
public:
    explicit CPurchaseMaintainDialog(CWnd* pParent = nullptr);
};
