// The condition dialog of the period reports: a date range preset by the caller and a hint line.
#pragma once
#include "app/CDateRangeDialog.h"

class CRangeReportDialog : public CDateRangeDialog
{
public:
    explicit CRangeReportDialog(CWnd* pParent = nullptr);

    void SetRange(CTime start, CTime end);
    void SetHint(const CString& hint);

    CString m_hint;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
