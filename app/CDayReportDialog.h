// The condition dialog of the day sales report: one day, today by default.
#pragma once
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CString.h"
#include "framework/CTime.h"

class CDayReportDialog : public CDialog
{
public:
    explicit CDayReportDialog(CWnd* pParent = nullptr);

    CString m_dateText; // as the picker showed it, "yyyy-MM-dd"
    CTime m_date;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
