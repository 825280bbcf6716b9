#include "app/CSettingsDialog.h"
#include "app/CDatabaseHolder.h"
#include "app/CMaintainDialog.h"
#include "framework/CDatabase.h"
#include "framework/CWinApp.h"
#include "framework/CDBException.h"
#include "framework/CRecordset.h"
#include "res/resource.h"
#include <cstdlib>

BEGIN_MESSAGE_MAP(CSettingsDialog, CDialog)
    ON_BN_CLICKED(IDC_SETTINGS_RELOAD, OnReload)
    ON_BN_CLICKED(IDC_SETTINGS_ADD, OnAdd)
    ON_BN_CLICKED(IDC_SETTINGS_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_SETTINGS_SAVE, OnSave)
    ON_BN_CLICKED(IDC_SETTINGS_AUTORUN, OnAutorun)
END_MESSAGE_MAP()

CSettingsDialog::CSettingsDialog(CWnd* pParent)
    : CDialog(IDD_SETTINGS, pParent), m_pDatabase(g_databaseHolder.GetDatabase()), m_autorun(0)
{}

void CSettingsDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_SETTINGS_AUTORUN, m_autorun);
}

BOOL CSettingsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CMaintainDialog::CreateGrid(*this, m_grid, m_pDatabase, IDC_SETTINGS_GRID_PLACE, "操作员",
                                    "select * from 操作员"))
    {
        m_grid.SetColumnWidth(0, 200);
        m_grid.SetColumnWidth(1, 200);
    }
    m_autorun = CDatabaseHolder::IsAutorun() ? 1 : 0;
    UpdateData(FALSE);
    return TRUE;
}

void CSettingsDialog::OnOK()
{}

void CSettingsDialog::OnCancel()
{
    if (m_grid.GetSafeHwnd())
        m_grid.CommitEdit();
    CDialog::OnCancel();
}

void CSettingsDialog::OnReload()
{
    m_grid.Reload();
}

void CSettingsDialog::OnAdd()
{
    m_grid.AddRow(nullptr, nullptr);
}

void CSettingsDialog::OnSave()
{
    m_grid.CommitEdit();
}

long CSettingsDialog::CountAccounts()
{
    try
    {
        CRecordset rs(m_pDatabase);
        rs.Open(CRecordset::forwardOnly, "SELECT COUNT(*) FROM 操作员", CRecordset::readOnly);
        CString value;
        if (!rs.IsEOF())
            rs.GetFieldValue((short)0, value);
        rs.Close();
        return std::atol(value);
    }
    catch (CDBException* e)
    {
        e->Delete();
        return -1;
    }
}

int CSettingsDialog::EqualRows(int row)
{
    int columns = m_grid.GetColumnCount();
    int equal = 0;
    for (int other = 0; other < m_grid.GetItemCount(); ++other)
    {
        bool same = true;
        for (int column = 0; column < columns && same; ++column)
            same = m_grid.GetItemText(other, column) == m_grid.GetItemText(row, column);
        equal += same ? 1 : 0;
    }
    return equal;
}

void CSettingsDialog::OnDelete()
{
    int row = m_grid.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
    {
        AfxMessageBox("请选择一个不在使用的帐号。", MB_OK);
        return;
    }
    // Without an account nobody could log in again. The deletion takes every row equal to
    // the selected one, so those are what would go.
    long accounts = CountAccounts();
    if (accounts >= 0 && accounts - EqualRows(row) < 1)
    {
        AfxMessageBox("这是最后一个帐号，不能删除：没有帐号将无法登陆系统。",
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CString question = CString("确认删除帐号:") + m_grid.GetItemText(row, 0) + "  ?";
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES)
        m_grid.DeleteRow(row, TRUE);
}

void CSettingsDialog::OnAutorun()
{
    if (IsDlgButtonChecked(IDC_SETTINGS_AUTORUN))
        CDatabaseHolder::SetAutorun();
    else
        CDatabaseHolder::ClearAutorun();
}
