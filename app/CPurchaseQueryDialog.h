// The purchase query's condition dialog: a date range, the last 356 days by default.
#pragma once
#include "app/CDateRangeDialog.h"

class CPurchaseQueryDialog : public CDateRangeDialog
{
public:
    explicit CPurchaseQueryDialog(CWnd* pParent = nullptr);
};
