// vorlen's table control: a report list bound to one SQL query over one table, sortable, editable in place, savable as HTML.
#pragma once
#include "framework/CListCtrl.h"
#include "framework/CString.h"
#include "app/CGridRows.h"
#include "app/CGridSql.h"
#include <functional>
#include <string>
#include <vector>

class CDatabase;
struct CODBCFieldInfo;
class CGridCellEditor;
class CException;

#define IDC_EDIT_GRID 42179

// Called after a new row was inserted, with the grid's cell editors and 0; false deletes the row again.
typedef bool (*GRID_NEWROW_CHECK)(CGridCellEditor* pEditors, int nReserved);

class CEditGrid : public CListCtrl
{
    DECLARE_DYNAMIC(CEditGrid)
public:
    CEditGrid();
    ~CEditGrid() override;

    BOOL CreateAndLoad(CDatabase* pDatabase, LPCTSTR lpszTable, LPCTSTR lpszQuery, CWnd* pParent,
                       const RECT& rect, BOOL bVisible, BOOL bClientEdge);
    BOOL SetQuery(LPCTSTR lpszTable, LPCTSTR lpszQuery);
    // Rows that a report shows below a load's rows (its totals), made once the load's rows are
    // in. They are only shown: nothing is written to the table, and the next load drops them.
    // Texts beyond the column count are ignored.
    typedef std::function<std::vector<std::vector<std::string>>()> ShownRowsSource;
    // SetQuery with such rows: the list is told about the loaded and the shown rows at once.
    BOOL SetQuery(LPCTSTR lpszTable, LPCTSTR lpszQuery, const ShownRowsSource& shownRows);
    BOOL Reload();
    // Runs one statement; a refusal is shown to the user and gives FALSE.
    BOOL Execute(LPCTSTR lpszStatement);
    void SetOptions(BOOL bSortable, BOOL bCanAdd, BOOL bCanDelete, BOOL bEditable);
    BOOL SaveAsHtml();

    int BeginEdit(int nRow);
    void CommitEdit();
    // pInitialValues: one text per column, or null.
    int AddRow(const CString* pInitialValues, GRID_NEWROW_CHECK pfnCheck);
    BOOL DeleteRow(int nRow, BOOL bCommitFirst);
    void HideEditors();

    // The rows live in the grid; the list control only asks for the texts it draws.
    int GetItemCount() const { return m_rows.GetRowCount(); }
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    int GetColumnCount() const { return (int)m_columnTypes.size(); }
    int GetColumnSqlType(int nColumn) const;

    int GetEditedRow() const { return m_nEditedRow; }
    BOOL IsNewRowPending() const { return m_bNewRowPending; }
    // The editor of a column once editing has started, else null.
    CGridCellEditor* GetEditor(int nColumn);
    CDatabase* GetDatabase() const { return m_pDatabase; }
    const CString& GetTableName() const { return m_strTable; }
    const CString& GetQuery() const { return m_strQuery; }
    const CGridRows& GetRows() const { return m_rows; }
    // The text of the last statement Execute ran or tried.
    const CString& GetLastStatement() const { return m_strLastStatement; }

    // Shared by every grid of the process.
    static int GetLastSortedColumn() { return s_nLastSortedColumn; }
    static bool GetSortFlag() { return s_bSortFlag; }

protected:
    BOOL Load(const ShownRowsSource* pShownRows = nullptr);
    void Sort(int nColumn);

    void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnBeginTrack(NMHDR* pNMHDR, LRESULT* pResult);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // The query's columns and rows into the grid; a caught failure is handed back, not shown.
    BOOL LoadRows(CException*& pError);
    bool QueryAcceptable(LPCTSTR lpszTable, LPCTSTR lpszQuery) const;
    // One editor for each column, made when editing starts.
    void MakeEditors();
    void DestroyEditors();
    void ClearColumns();
    // Shows the result's columns in the header; false when a header item cannot be read or written.
    bool ShowColumns(const std::vector<CODBCFieldInfo>& fields);
    void PlaceEditors(bool bShow);
    void RemoveListRow(int nRow);
    void UpdateItemCount();
    bool GetCaption(int nColumn, std::string& strCaption) const;
    void SetCaption(int nColumn, const std::string& strCaption);
    std::vector<CGridSql::Column> StatementColumns() const;
    std::vector<std::string> RowTexts(int nRow) const;
    // An UPDATE or DELETE that found no row: the grid shows what the table no longer holds.
    void ReportNoRowAndReload(bool bDeleting);

    BOOL m_bSortable;
    BOOL m_bEditable;
    BOOL m_bCanAdd;
    BOOL m_bCanDelete;
    int m_nEditedRow;
    CDatabase* m_pDatabase;
    CString m_strTable;
    CString m_strQuery;
    BOOL m_bNewRowPending;
    GRID_NEWROW_CHECK m_pfnNewRowCheck;
    CGridCellEditor* m_pEditors;
    int m_nEditors;

    CString m_strLastStatement;
    CGridRows m_rows;
    std::vector<int> m_columnTypes;
    int m_nLoads;

    static int s_nLastSortedColumn;
    static bool s_bSortFlag;
};
