// Base of the condition dialogs that ask for a start and an end date.
#pragma once
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CString.h"
#include "framework/CTime.h"

class CDateRangeDialog : public CDialog
{
public:
    CDateRangeDialog(UINT nIDTemplate, CWnd* pParent);

    // The dates as the pickers showed them when the operator confirmed ("yyyy-MM-dd").
    CString m_startText;
    CString m_endText;
    CTime m_start;
    CTime m_end;

    // The pickers' own text format; the reports put their texts into SQL as date literals.
    static void FixDateFormat(CWnd* pPicker);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
