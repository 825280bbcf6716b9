#include "app/CLoginDialog.h"
#include "app/CDatabaseHolder.h"
#include "res/resource.h"

CLoginDialog::CLoginDialog(CWnd* pParent)
    : CDialog(IDD_LOGIN, pParent), m_pDatabase(g_databaseHolder.GetDatabase())
{}

void CLoginDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOGIN_USER, m_user);
    DDX_Text(pDX, IDC_LOGIN_PASSWORD, m_password);
}

void CLoginDialog::SetStatus(LPCTSTR text)
{
    SetDlgItemText(IDC_STATUS, text);
}

BOOL CLoginDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetStatus("输入用户名和密码");
    if (!m_grid.CreateAndLoad(m_pDatabase, "操作员", "SELECT * FROM 操作员", this,
                              CRect(0, 0, 1, 1), FALSE, FALSE))
        return TRUE;
    for (int row = 0; row < m_grid.GetItemCount(); ++row)
        m_user.AddString(m_grid.GetItemText(row, 0));
    return TRUE;
}

CLoginDialog::Account CLoginDialog::CheckAccount(CListCtrl& accounts, const CString& user,
                                                 const CString& password)
{
    for (int row = 0; row < accounts.GetItemCount(); ++row)
    {
        if (accounts.GetItemText(row, 0) != user)
            continue;
        return accounts.GetItemText(row, 1) == password ? Admitted : WrongPassword;
    }
    return UnknownUser;
}

void CLoginDialog::OnOK()
{
    UpdateData(TRUE);
    CString user;
    m_user.GetWindowText(user);
    switch (CheckAccount(m_grid, user, m_password))
    {
    case Admitted:
        SetStatus("登陆成功！");
        // The operator is meant to read the status before the dialog goes.
        GetDlgItem(IDC_STATUS)->UpdateWindow();
        Sleep(500);
        EndDialog(IDOK);
        return;
    case WrongPassword:
        SetStatus("密码错误！");
        m_password.Empty();
        UpdateData(FALSE);
        GetDlgItem(IDC_LOGIN_PASSWORD)->SetFocus();
        return;
    case UnknownUser:
        m_password.Empty();
        UpdateData(FALSE);
        m_user.SetFocus();
        SetStatus("用户不存在！");
        return;
    }
}
