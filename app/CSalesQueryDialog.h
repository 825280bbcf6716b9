// The sales query's condition dialog: a date range, yesterday to today by default.
#pragma once
#include "app/CDateRangeDialog.h"

class CSalesQueryDialog : public CDateRangeDialog
{
public:
    explicit CSalesQueryDialog(CWnd* pParent = nullptr);
};
