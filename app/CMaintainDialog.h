// Base of the record maintenance dialogs: one table shown whole in an editable grid.
#pragma once
#include "app/CEditGrid.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

class CDatabase;

class CMaintainDialog : public CDialog
{
public:
    CMaintainDialog(UINT nIDTemplate, LPCTSTR table, LPCTSTR query, CWnd* pParent);

    // The connection the table is read from and written to; the holder's by default.
    CDatabase* m_pDatabase;

    CEditGrid& GetGrid() { return m_grid; }

    // Background of the maintenance and settings grids.
    static const COLORREF GridColour;
    // Creates grid over the placeholder control, editable and in the maintenance colours.
    static bool CreateGrid(CDialog& dialog, CEditGrid& grid, CDatabase* db, int placeholderId,
                           LPCTSTR table, LPCTSTR query);

protected:
    BOOL OnInitDialog() override;
    // Enter does not close a maintenance dialog.
    void OnOK() override;
    // Closing keeps the row being edited.
    void OnCancel() override;
    void OnReload();
    void OnDelete();
    void OnSave();
    void OnAdd();
    void OnExport();

    CString m_table;
    CString m_query;
    CEditGrid m_grid;

    DECLARE_MESSAGE_MAP()
};
