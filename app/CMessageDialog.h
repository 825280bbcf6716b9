// The system-message dialog: why the program cannot start, with help and a mail to the supplier.
#pragma once
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

class CMessageDialog : public CDialog
{
public:
    explicit CMessageDialog(CWnd* pParent = nullptr);

    void SetMessage(const CString& message);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter must not close the message.
    void OnOK() override;
    void OnSupport();
    void OnHelp();

    CString m_message;
    CString m_text;

    DECLARE_MESSAGE_MAP()
};
