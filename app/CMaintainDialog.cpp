#include "app/CMaintainDialog.h"
#include "app/CDatabaseHolder.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMaintainDialog, CDialog)
    ON_BN_CLICKED(IDC_MAINTAIN_RELOAD, OnReload)
    ON_BN_CLICKED(IDC_MAINTAIN_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_MAINTAIN_SAVE, OnSave)
    ON_BN_CLICKED(IDC_MAINTAIN_ADD, OnAdd)
    ON_BN_CLICKED(IDC_MAINTAIN_EXPORT, OnExport)
END_MESSAGE_MAP()

const COLORREF CMaintainDialog::GridColour = RGB(255, 242, 255);

CMaintainDialog::CMaintainDialog(UINT nIDTemplate, LPCTSTR table, LPCTSTR query, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_pDatabase(g_databaseHolder.GetDatabase()), m_table(table),
      m_query(query)
{}

bool CMaintainDialog::CreateGrid(CDialog& dialog, CEditGrid& grid, CDatabase* db, int placeholderId,
                                 LPCTSTR table, LPCTSTR query)
{
    CRect rect;
    dialog.GetDlgItem(placeholderId)->GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    if (!grid.CreateAndLoad(db, table, query, &dialog, rect, TRUE, TRUE))
        return false;
    grid.SetOptions(TRUE, TRUE, TRUE, TRUE);
    grid.SetBkColor(GridColour);
    grid.SetTextBkColor(GridColour);
    return true;
}

BOOL CMaintainDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CreateGrid(*this, m_grid, m_pDatabase, IDC_MAINTAIN_GRID_PLACE, m_table, m_query);
    return TRUE;
}

void CMaintainDialog::OnOK()
{}

void CMaintainDialog::OnCancel()
{
    if (m_grid.GetSafeHwnd())
        m_grid.CommitEdit();
    CDialog::OnCancel();
}

void CMaintainDialog::OnReload()
{
    m_grid.Reload();
}

void CMaintainDialog::OnDelete()
{
    int row = m_grid.GetNextItem(-1, LVNI_SELECTED);
    if (row >= 0)
        m_grid.DeleteRow(row, TRUE);
}

void CMaintainDialog::OnSave()
{
    m_grid.CommitEdit();
}

void CMaintainDialog::OnAdd()
{
    m_grid.AddRow(nullptr, nullptr);
}

void CMaintainDialog::OnExport()
{
    m_grid.SaveAsHtml();
}
