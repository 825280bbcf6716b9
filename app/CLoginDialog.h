// The login dialog: admits an operator listed in the operators table.
#pragma once
#include "app/CEditGrid.h"
#include "framework/CComboBox.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

class CDatabase;

class CLoginDialog : public CDialog
{
public:
    explicit CLoginDialog(CWnd* pParent = nullptr);

    // The connection whose operators table is checked; the holder's by default.
    CDatabase* m_pDatabase;

    enum Account
    {
        Admitted,
        WrongPassword,
        UnknownUser
    };
    // The first row whose user name equals user byte for byte decides.
    static Account CheckAccount(CListCtrl& accounts, const CString& user, const CString& password);

    void SetStatus(LPCTSTR text);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CEditGrid m_grid;
    CComboBox m_user;
    CString m_password;
};
