// The settings dialog: operator accounts in an editable grid and the start-with-Windows switch.
#pragma once
#include "app/CEditGrid.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"

class CDatabase;

class CSettingsDialog : public CDialog
{
public:
    explicit CSettingsDialog(CWnd* pParent = nullptr);

    // The connection holding the operators table; the holder's by default.
    CDatabase* m_pDatabase;

    CEditGrid& GetGrid() { return m_grid; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter does nothing here.
    void OnOK() override;
    // Closing keeps the row being edited.
    void OnCancel() override;
    void OnReload();
    void OnAdd();
    void OnDelete();
    void OnSave();
    void OnAutorun();

    // Accounts stored in the table now; -1 when it cannot be read.
    long CountAccounts();
    // Rows of the grid that show the same texts as row, row included.
    int EqualRows(int row);

    CEditGrid m_grid;
    int m_autorun;

    DECLARE_MESSAGE_MAP()
};
