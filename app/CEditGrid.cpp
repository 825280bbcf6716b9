#include "app/CEditGrid.h"
#include "app/CGridCellEditor.h"
#include "app/CGridHtml.h"
#include "framework/AfxMessageMap.h"
#include "framework/CDatabase.h"
#include "framework/CDBException.h"
#include "framework/CMemoryException.h"
#include "framework/CRecordset.h"
#include "framework/CFileDialog.h"
#include "framework/CWinApp.h"
#include <cstring>

BEGIN_MESSAGE_MAP(CEditGrid, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, OnGetDispInfo)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
    ON_NOTIFY(HDN_BEGINTRACKA, 0, OnBeginTrack)
    ON_NOTIFY(HDN_BEGINTRACKW, 0, OnBeginTrack)
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CEditGrid, CListCtrl)

int CEditGrid::s_nLastSortedColumn = -1;
bool CEditGrid::s_bSortFlag = true;

namespace {
const COLORREF kBackground = RGB(255, 255, 225);
const COLORREF kText = RGB(0, 0, 56);

bool IsTimestamp(int sqlType)
{
    return sqlType == 93 || sqlType == 11;
}

void RemoveAll(std::string& text, const char* part)
{
    size_t length = strlen(part);
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at))
        text.erase(at, length);
}

// Copies at most size - 1 bytes, never half of a double-byte character.
void CopyText(const char* text, LPSTR buffer, int size)
{
    if (buffer == nullptr || size <= 0)
        return;
    int at = 0;
    while (text[at] != 0)
    {
        int length = (IsDBCSLeadByteEx(936, (BYTE)text[at]) && text[at + 1] != 0) ? 2 : 1;
        if (at + length > size - 1)
            break;
        at += length;
    }
    memcpy(buffer, text, (size_t)at);
    buffer[at] = 0;
}

BOOL Report(CException* e)
{
    e->ReportError();
    e->Delete();
    return FALSE;
}

// Holds the list's redrawing off for a load and tells it the new row count once at the end.
class ListUpdate
{
public:
    explicit ListUpdate(CEditGrid& grid);
    ~ListUpdate();

private:
    ListUpdate(const ListUpdate&) = delete;
    ListUpdate& operator=(const ListUpdate&) = delete;
    CEditGrid& m_grid;
    bool m_bPaused;
};

ListUpdate::ListUpdate(CEditGrid& grid)
    : m_grid(grid), m_bPaused(grid.m_hWnd != nullptr && (grid.GetStyle() & WS_VISIBLE) != 0)
{
    if (grid.m_hWnd == nullptr)
        return;
    // Redrawing is switched back on by a message that also shows the window: a hidden grid is
    // left as it is.
    if (m_bPaused)
        grid.SetRedraw(FALSE);
    // A new load starts at its first row with nothing selected, as the list does when its count
    // drops to nothing; the count itself changes once, at the end.
    for (UINT state : {(UINT)LVIS_SELECTED, (UINT)LVIS_FOCUSED})
    {
        int item = grid.GetNextItem(-1, state == LVIS_SELECTED ? LVNI_SELECTED : LVNI_FOCUSED);
        if (item >= 0)
            grid.SetItemState(item, 0, state);
    }
    if (grid.GetTopIndex() > 0)
        grid.Scroll(CSize(0, -0x0FFFFFFF));
}

ListUpdate::~ListUpdate()
{
    if (m_grid.m_hWnd == nullptr)
        return;
    // The list sizes its scroll bars when its count is set, but not when its redrawing comes
    // back on: the count follows.
    if (m_bPaused)
        m_grid.SetRedraw(TRUE);
    m_grid.SendMessage(LVM_SETITEMCOUNT, (WPARAM)m_grid.GetItemCount(), LVSICF_NOSCROLL);
    if (m_bPaused)
        m_grid.RedrawWindow(nullptr, nullptr,
                            RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
}

CEditGrid::CEditGrid()
    : m_bSortable(TRUE), m_bEditable(FALSE), m_bCanAdd(FALSE), m_bCanDelete(FALSE),
      m_nEditedRow(-1), m_pDatabase(nullptr), m_bNewRowPending(FALSE), m_pfnNewRowCheck(nullptr),
      m_pEditors(nullptr), m_nEditors(0), m_nLoads(0)
{}

CEditGrid::~CEditGrid()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    DestroyEditors();
}

BOOL CEditGrid::CreateAndLoad(CDatabase* pDatabase, LPCTSTR lpszTable, LPCTSTR lpszQuery,
                              CWnd* pParent, const RECT& rect, BOOL bVisible, BOOL bClientEdge)
{
    DWORD style = WS_CHILD | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA;
    if (bVisible)
        style |= WS_VISIBLE;
    if (!CListCtrl::Create(style, rect, pParent, IDC_EDIT_GRID))
        return FALSE;
    SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
    if (bClientEdge)
    {
        ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    SetBkColor(kBackground);
    SetTextBkColor(kBackground);
    SetTextColor(kText);

    m_pDatabase = pDatabase;
    if (!QueryAcceptable(lpszTable, lpszQuery))
        return FALSE;
    m_strTable = lpszTable;
    m_strQuery = lpszQuery;
    return Load();
}

bool CEditGrid::QueryAcceptable(LPCTSTR lpszTable, LPCTSTR lpszQuery) const
{
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen())
        return false;
    if (lpszTable == nullptr || *lpszTable == 0 || lpszQuery == nullptr || *lpszQuery == 0)
        return false;
    return strstr(lpszQuery, lpszTable) != nullptr;
}

BOOL CEditGrid::SetQuery(LPCTSTR lpszTable, LPCTSTR lpszQuery)
{
    if (!QueryAcceptable(lpszTable, lpszQuery))
        return FALSE;
    m_strTable = lpszTable;
    m_strQuery = lpszQuery;
    return Load();
}

BOOL CEditGrid::SetQuery(LPCTSTR lpszTable, LPCTSTR lpszQuery, const ShownRowsSource& shownRows)
{
    if (!QueryAcceptable(lpszTable, lpszQuery))
        return FALSE;
    m_strTable = lpszTable;
    m_strQuery = lpszQuery;
    return Load(&shownRows);
}

BOOL CEditGrid::Reload()
{
    return Load();
}

BOOL CEditGrid::Execute(LPCTSTR lpszStatement)
{
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen())
        return FALSE;
    m_strLastStatement = lpszStatement;
    try
    {
        m_pDatabase->ExecuteSQL(lpszStatement);
        return TRUE;
    }
    catch (CDBException* e)
    {
        return Report(e);
    }
    catch (CMemoryException* e)
    {
        return Report(e);
    }
}

void CEditGrid::SetOptions(BOOL bSortable, BOOL bCanAdd, BOOL bCanDelete, BOOL bEditable)
{
    m_bSortable = bSortable;
    m_bCanAdd = bCanAdd;
    m_bCanDelete = bCanDelete;
    m_bEditable = bEditable;
}

void CEditGrid::UpdateItemCount()
{
    if (m_hWnd == nullptr)
        return;
    SendMessage(LVM_SETITEMCOUNT, (WPARAM)m_rows.GetRowCount(), LVSICF_NOSCROLL);
    Invalidate(FALSE);
}

void CEditGrid::DestroyEditors()
{
    if (m_pEditors != nullptr)
    {
        for (int i = 0; i < m_nEditors; ++i)
            if (m_pEditors[i].m_hWnd != nullptr)
                m_pEditors[i].DestroyWindow();
        delete[] m_pEditors;
    }
    m_pEditors = nullptr;
    m_nEditors = 0;
}

void CEditGrid::ClearColumns()
{
    int count = Header_GetItemCount(ListView_GetHeader(m_hWnd));
    for (int i = 0; i < count; ++i)
        DeleteColumn(0);
    m_columnTypes.clear();
}

bool CEditGrid::ShowColumns(const std::vector<CODBCFieldInfo>& fields)
{
    // The header's columns are written over where there are some already, which costs the list
    // far less than removing them and making them again; they come out the same, left-aligned,
    // 130 pixels wide and without sort arrows.
    HWND header = ListView_GetHeader(m_hWnd);
    int shown = Header_GetItemCount(header);
    int wanted = (int)fields.size();
    while (shown > wanted)
        DeleteColumn(--shown);
    m_columnTypes.clear();
    for (int i = 0; i < wanted; ++i)
    {
        const CODBCFieldInfo& info = fields[(size_t)i];
        if (i < shown)
        {
            char caption[256] = {};
            LVCOLUMNA lvc = {};
            lvc.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
            lvc.pszText = caption;
            lvc.cchTextMax = sizeof caption;
            bool read = ::SendMessageA(m_hWnd, LVM_GETCOLUMNA, (WPARAM)i, (LPARAM)&lvc) != 0;
            if (!read || strcmp(caption, info.m_strName) != 0 ||
                (lvc.fmt & LVCFMT_JUSTIFYMASK) != LVCFMT_LEFT || lvc.cx != 130)
            {
                lvc.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
                lvc.fmt = LVCFMT_LEFT;
                lvc.cx = 130;
                lvc.pszText = const_cast<char*>((LPCTSTR)info.m_strName);
                ::SendMessageA(m_hWnd, LVM_SETCOLUMNA, (WPARAM)i, (LPARAM)&lvc);
            }
        }
        else
        {
            InsertColumn(i, info.m_strName, LVCFMT_LEFT, 130);
        }
        HDITEMA item = {};
        item.mask = HDI_LPARAM;
        if (!::SendMessageA(header, HDM_GETITEMA, (WPARAM)i, (LPARAM)&item))
            return false;
        if (item.lParam != info.m_nSQLType)
        {
            item.mask = HDI_LPARAM;
            item.lParam = info.m_nSQLType;
            if (!::SendMessageA(header, HDM_SETITEMA, (WPARAM)i, (LPARAM)&item))
                return false;
        }
        m_columnTypes.push_back(info.m_nSQLType);
    }
    return true;
}

BOOL CEditGrid::Load(const ShownRowsSource* pShownRows)
{
    CommitEdit();
    ++m_nLoads;
    // The list is told about the new rows and columns once, at the end, and repaints once: each
    // change of its count or its header would otherwise rescroll and repaint it. A failure is
    // shown only then, so that the grid is drawn behind the message.
    CException* pError = nullptr;
    BOOL bLoaded;
    {
        ListUpdate update(*this);
        bLoaded = LoadRows(pError);
        if (bLoaded && pShownRows != nullptr && *pShownRows)
            for (const std::vector<std::string>& texts : (*pShownRows)())
                m_rows.AppendRow(texts);
    }
    if (pError != nullptr)
        return Report(pError);
    return bLoaded;
}

BOOL CEditGrid::LoadRows(CException*& pError)
{
    m_rows.Reset(0);
    // The header keeps its columns until the result's are known (they are written over, not made
    // again); a load that shows nothing leaves none.
    if (m_pDatabase == nullptr || m_strQuery.IsEmpty() || !m_pDatabase->IsOpen())
    {
        ClearColumns();
        return FALSE;
    }

    CRecordset rs(m_pDatabase);
    std::vector<CODBCFieldInfo> fields;
    try
    {
        rs.Open(CRecordset::dynaset, m_strQuery);
        fields.resize((size_t)rs.GetODBCFieldCount());
        for (size_t i = 0; i < fields.size(); ++i)
            rs.GetODBCFieldInfo((short)i, fields[i]);
    }
    catch (CDBException* e)
    {
        ClearColumns();
        pError = e;
        return FALSE;
    }
    catch (CMemoryException* e)
    {
        ClearColumns();
        pError = e;
        return FALSE;
    }
    if (!ShowColumns(fields))
        return FALSE;
    int columns = (int)fields.size();
    m_rows.Reset(columns);

    // One buffer per column, kept from row to row; the row is copied out of them once.
    std::vector<CString> values((size_t)columns);
    std::vector<std::string> timestamps((size_t)columns);
    std::vector<const char*> texts((size_t)columns);
    std::vector<size_t> lengths((size_t)columns);
    BOOL loaded = TRUE;
    try
    {
        if (!rs.IsEOF())
            rs.MoveFirst();
        for (; !rs.IsEOF(); rs.MoveNext())
        {
            for (size_t k = 0; k < (size_t)columns; ++k)
            {
                CString& value = values[k];
                rs.GetFieldValue((short)k, value);
                const char* text = value;
                size_t length = (size_t)value.GetLength();
                if (IsTimestamp(m_columnTypes[k]))
                {
                    std::string& shown = timestamps[k];
                    shown.assign(text, length);
                    RemoveAll(shown, "00:00:00.000");
                    RemoveAll(shown, ".000");
                    text = shown.c_str();
                    length = shown.size();
                }
                // Blanks only: a row whose value ends in a tab or a line end must still be
                // found by the statements built from what the grid shows.
                while (length > 0 && text[length - 1] == ' ')
                    --length;
                texts[k] = text;
                lengths[k] = length;
            }
            m_rows.AppendRow(texts.data(), lengths.data());
        }
    }
    catch (CDBException* e)
    {
        pError = e;
        loaded = FALSE;
    }
    catch (CMemoryException* e)
    {
        pError = e;
        loaded = FALSE;
    }
    if (!loaded)
        return FALSE;
    rs.Close();
    return TRUE;
}

CString CEditGrid::GetItemText(int nItem, int nSubItem) const
{
    return CString(m_rows.GetText(nItem, nSubItem));
}

int CEditGrid::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    CopyText(m_rows.GetText(nItem, nSubItem), lpszText, nLen);
    return lpszText != nullptr && nLen > 0 ? (int)strlen(lpszText) : 0;
}

BOOL CEditGrid::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    if (nItem < 0 || nItem >= m_rows.GetRowCount() || nSubItem < 0 ||
        nSubItem >= m_rows.GetColumnCount())
        return FALSE;
    m_rows.SetText(nItem, nSubItem, lpszText);
    if (m_hWnd != nullptr)
        RedrawItems(nItem, nItem);
    return TRUE;
}

DWORD_PTR CEditGrid::GetItemData(int nItem) const
{
    // Rows are kept in the order shown, so a row's data is always its index.
    return (nItem >= 0 && nItem < m_rows.GetRowCount()) ? (DWORD_PTR)nItem : 0;
}

int CEditGrid::GetColumnSqlType(int nColumn) const
{
    HDITEMA item = {};
    item.mask = HDI_LPARAM;
    if (m_hWnd == nullptr ||
        !::SendMessageA(ListView_GetHeader(m_hWnd), HDM_GETITEMA, (WPARAM)nColumn, (LPARAM)&item))
        return 0;
    return (int)item.lParam;
}

CGridCellEditor* CEditGrid::GetEditor(int nColumn)
{
    return (nColumn >= 0 && nColumn < m_nEditors && nColumn < GetColumnCount())
               ? &m_pEditors[nColumn]
               : nullptr;
}

void CEditGrid::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVDISPINFOA* info = (NMLVDISPINFOA*)pNMHDR;
    LVITEMA& item = info->item;
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0)
    {
        const char* text = m_rows.GetText(item.iItem, item.iSubItem);
        if (pNMHDR->code == LVN_GETDISPINFOW)
        {
            LPWSTR wide = (LPWSTR)item.pszText;
            int n = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, item.cchTextMax);
            if (n == 0)
                wide[item.cchTextMax - 1] = 0;
        }
        else
        {
            CopyText(text, item.pszText, item.cchTextMax);
        }
    }
    if (item.mask & LVIF_PARAM)
        item.lParam = item.iItem;
    *pResult = 0;
}

void CEditGrid::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (m_bSortable)
        Sort(((NMLISTVIEW*)pNMHDR)->iSubItem);
}

void CEditGrid::Sort(int nColumn)
{
    CommitEdit();
    if (nColumn < 0 || nColumn >= GetColumnCount())
        return;
    s_bSortFlag = (nColumn == s_nLastSortedColumn) ? !s_bSortFlag : true;
    bool numeric = CGridSql::IsSortedAsNumber(GetColumnSqlType(nColumn));
    // With the flag set numbers come smallest first and texts largest first.
    m_rows.Sort(nColumn, numeric, numeric ? s_bSortFlag : !s_bSortFlag);

    if (s_nLastSortedColumn >= 0 && s_nLastSortedColumn < GetColumnCount())
    {
        std::string previous;
        GetCaption(s_nLastSortedColumn, previous);
        SetCaption(s_nLastSortedColumn, CGridSql::CutAtArrow(previous));
    }
    std::string clicked;
    GetCaption(nColumn, clicked);
    SetCaption(nColumn, CGridSql::CutAtArrow(clicked) + (s_bSortFlag ? "↓" : "↑"));
    s_nLastSortedColumn = nColumn;
    Invalidate(FALSE);
}

void CEditGrid::OnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    CommitEdit();
    if (!m_bEditable)
        return;
    int selected = GetNextItem(-1, LVNI_SELECTED);
    if (selected >= 0)
        BeginEdit(selected);
}

void CEditGrid::OnBeginTrack(NMHDR* pNMHDR, LRESULT* pResult)
{
    CommitEdit();
    *pResult = Default();
}

void CEditGrid::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (m_nEditedRow >= 0)
        PlaceEditors(nSBCode == SB_ENDSCROLL);
    CListCtrl::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CEditGrid::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (m_nEditedRow >= 0)
        PlaceEditors(nSBCode == SB_ENDSCROLL);
    CListCtrl::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CEditGrid::OnDestroy()
{
    DestroyEditors();
    m_strTable.Empty();
    m_strQuery.Empty();
    m_nEditedRow = -1;
    m_bNewRowPending = FALSE;
    CListCtrl::OnDestroy();
}

void CEditGrid::PlaceEditors(bool bShow)
{
    if (!bShow)
    {
        HideEditors();
        return;
    }
    for (int i = 0; i < m_nEditors; ++i)
    {
        CRect rect;
        GetSubItemRect(m_nEditedRow, i, LVIR_LABEL, rect);
        m_pEditors[i].ShowWindow(SW_SHOW);
        m_pEditors[i].MoveWindow(&rect);
    }
}

void CEditGrid::HideEditors()
{
    for (int i = 0; i < m_nEditors; ++i)
        if (m_pEditors[i].m_hWnd != nullptr)
            m_pEditors[i].ShowWindow(SW_HIDE);
}

void CEditGrid::MakeEditors()
{
    // Most grids never edit: their editors are made on the first edit, and kept while the
    // columns stay as many.
    int columns = GetColumnCount();
    if (m_nEditors == columns)
        return;
    DestroyEditors();
    if (columns == 0)
        return;
    m_pEditors = new CGridCellEditor[(size_t)columns];
    m_nEditors = columns;
    for (int i = 0; i < columns; ++i)
        m_pEditors[i].Create(this);
}

int CEditGrid::BeginEdit(int nRow)
{
    if (nRow < 0 || nRow >= m_rows.GetRowCount() || m_pDatabase == nullptr ||
        !m_pDatabase->IsOpen())
        return 0;
    MakeEditors();
    if (m_pEditors == nullptr)
        return 0;
    for (int i = 0; i < m_nEditors; ++i)
    {
        CRect rect;
        GetSubItemRect(nRow, i, LVIR_LABEL, rect);
        m_pEditors[i].SetText(m_rows.GetText(nRow, i));
        m_pEditors[i].ShowWindow(SW_SHOW);
        m_pEditors[i].MoveWindow(&rect);
    }
    m_nEditedRow = nRow;
    return m_nEditors;
}

bool CEditGrid::GetCaption(int nColumn, std::string& strCaption) const
{
    // Captions are read into 256 bytes, as the header always gave them.
    char buffer[256] = {};
    LVCOLUMNA lvc = {};
    lvc.mask = LVCF_TEXT;
    lvc.pszText = buffer;
    lvc.cchTextMax = sizeof buffer;
    if (!::SendMessageA(m_hWnd, LVM_GETCOLUMNA, (WPARAM)nColumn, (LPARAM)&lvc))
        return false;
    strCaption = buffer;
    return true;
}

void CEditGrid::SetCaption(int nColumn, const std::string& strCaption)
{
    LVCOLUMNA lvc = {};
    lvc.mask = LVCF_TEXT;
    lvc.pszText = const_cast<char*>(strCaption.c_str());
    ::SendMessageA(m_hWnd, LVM_SETCOLUMNA, (WPARAM)nColumn, (LPARAM)&lvc);
}

std::vector<CGridSql::Column> CEditGrid::StatementColumns() const
{
    std::vector<CGridSql::Column> columns((size_t)GetColumnCount());
    for (int i = 0; i < GetColumnCount(); ++i)
    {
        std::string caption;
        GetCaption(i, caption);
        columns[(size_t)i].name = CGridSql::ColumnName(caption);
        columns[(size_t)i].numeric = CGridSql::IsNumericType(GetColumnSqlType(i));
    }
    return columns;
}

std::vector<std::string> CEditGrid::RowTexts(int nRow) const
{
    std::vector<std::string> texts((size_t)m_rows.GetColumnCount());
    for (int i = 0; i < m_rows.GetColumnCount(); ++i)
        texts[(size_t)i] = m_rows.GetText(nRow, i);
    return texts;
}

void CEditGrid::RemoveListRow(int nRow)
{
    m_rows.RemoveRow(nRow);
    UpdateItemCount();
}

void CEditGrid::ReportNoRowAndReload(bool bDeleting)
{
    AfxMessageBox(bDeleting ? "没有找到要删除的记录，它可能已被修改或删除。表格将重新载入。"
                            : "没有找到要修改的记录，它可能已被修改或删除。表格将重新载入。",
                  MB_ICONEXCLAMATION);
    Reload();
}

void CEditGrid::CommitEdit()
{
    if (m_nEditedRow < 0)
        return;
    int row = m_nEditedRow;
    bool isNew = m_bNewRowPending != FALSE;
    GRID_NEWROW_CHECK check = m_pfnNewRowCheck;

    std::vector<CGridSql::Column> columns = StatementColumns();
    std::vector<std::string> values(columns.size());
    for (size_t i = 0; i < values.size() && (int)i < m_nEditors; ++i)
        values[i] = (LPCTSTR)m_pEditors[i].GetEdit();
    std::vector<std::string> typed = values;
    std::string sql, error, table((LPCTSTR)m_strTable);
    bool built = isNew ? CGridSql::Insert(table, columns, values, sql, error)
                       : CGridSql::Update(table, columns, RowTexts(row), values, sql, error);
    bool ok = false;
    if (built)
    {
        for (size_t i = 0; i < values.size(); ++i)
            if (values[i] != typed[i])
                m_pEditors[i].SetText(values[i].c_str());
        ok = Execute(sql.c_str()) != FALSE;
    }
    else
    {
        AfxMessageBox(error.c_str(), MB_ICONEXCLAMATION);
    }

    m_bNewRowPending = FALSE;
    m_pfnNewRowCheck = nullptr;
    m_nEditedRow = -1;
    HideEditors();

    if (!ok)
    {
        if (isNew)
            RemoveListRow(row);
        return;
    }
    if (!isNew && m_pDatabase->GetRowsAffected() == 0)
    {
        ReportNoRowAndReload(false);
        return;
    }
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = (LPCTSTR)m_pEditors[i].GetEdit();
    m_rows.SetRow(row, values);
    RedrawItems(row, row);
    if (isNew && check != nullptr && !check(m_pEditors, 0))
    {
        BOOL canDelete = m_bCanDelete;
        m_bCanDelete = TRUE;
        DeleteRow(row, FALSE);
        m_bCanDelete = canDelete;
    }
}

int CEditGrid::AddRow(const CString* pInitialValues, GRID_NEWROW_CHECK pfnCheck)
{
    if (!m_bCanAdd)
        return FALSE;
    if (m_bNewRowPending)
        return TRUE;
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen())
        return FALSE;

    auto append = [&] {
        std::vector<std::string> texts((size_t)m_rows.GetColumnCount());
        if (pInitialValues != nullptr)
            for (size_t i = 0; i < texts.size(); ++i)
                texts[i] = (LPCTSTR)pInitialValues[i];
        m_rows.AppendRow(texts);
        int row = m_rows.GetRowCount() - 1;
        UpdateItemCount();
        Scroll(CSize(0, 0x0FFFFFFF));
        return row;
    };
    int loads = m_nLoads;
    int row = append();
    CommitEdit();
    if (m_nLoads != loads)
        row = append(); // the commit reloaded the grid, and the empty row went with it
    int result = BeginEdit(row);
    m_bNewRowPending = TRUE;
    m_pfnNewRowCheck = pfnCheck;
    return result;
}

BOOL CEditGrid::DeleteRow(int nRow, BOOL bCommitFirst)
{
    if (!m_bCanDelete || nRow < 0 || nRow >= m_rows.GetRowCount() || m_pDatabase == nullptr ||
        !m_pDatabase->IsOpen())
        return FALSE;
    if (m_bNewRowPending && nRow == m_nEditedRow)
    {
        // Never inserted: there is nothing to delete in the table.
        m_bNewRowPending = FALSE;
        m_pfnNewRowCheck = nullptr;
        m_nEditedRow = -1;
        HideEditors();
        RemoveListRow(nRow);
        return TRUE;
    }
    std::string sql = CGridSql::Delete((LPCTSTR)m_strTable, StatementColumns(), RowTexts(nRow));
    int loads = m_nLoads;
    if (bCommitFirst)
        CommitEdit();
    if (!Execute(sql.c_str()))
        return FALSE;
    if (m_pDatabase->GetRowsAffected() == 0)
    {
        ReportNoRowAndReload(true);
        return FALSE;
    }
    if (m_nLoads != loads)
        Reload();
    else
        RemoveListRow(nRow);
    return TRUE;
}

BOOL CEditGrid::SaveAsHtml()
{
    HWND header = m_hWnd != nullptr ? ListView_GetHeader(m_hWnd) : nullptr;
    int count = header != nullptr ? Header_GetItemCount(header) : -1;
    if (count < 0)
        return FALSE;
    CFileDialog dialog(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "HTM Files (*.HTM)|*.HTM||", this);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    CString path = dialog.GetPathName();
    path.MakeUpper();
    if (path.Find(".HTM") < 0)
        path += ".HTM";

    std::vector<std::string> captions;
    for (int i = 0; i < count; ++i)
    {
        std::string caption;
        captions.push_back(GetCaption(i, caption) ? caption : std::string("-UNKNOWN-"));
    }
    std::string error;
    if (!CGridHtml::Write((LPCTSTR)path, captions, m_rows, error))
    {
        AfxMessageBox(error.c_str(), MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}
