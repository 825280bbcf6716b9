// A result set read row by row from a query on an open CDatabase; every value can be read as text.
#pragma once
#include "framework/CObject.h"
#include "framework/CString.h"
#include "framework/CODBCFieldInfo.h"
#include <sql.h>
#include <string>
#include <vector>

class CDatabase;

#define AFX_DB_USE_DEFAULT_TYPE (0xFFFFFFFF)

class CRecordset : public CObject
{
    DECLARE_DYNAMIC(CRecordset)
public:
    enum OpenType
    {
        dynaset,
        snapshot,
        dynamic,
        forwardOnly,
    };
    enum OpenOptions
    {
        none = 0x0,
        readOnly = 0x0004,
        appendOnly = 0x0008,
        skipDeletedRecords = 0x0010,
        noDirtyFieldCheck = 0x0020,
        useBookmarks = 0x0100,
        executeDirect = 0x2000,
    };

    explicit CRecordset(CDatabase* pDatabase = NULL);
    ~CRecordset() override;

    // Runs the query and stands on its first row (IsEOF when there is none); a refusal throws CDBException.
    // Every type reads forward; MoveFirst runs the query again when the cursor has left the first row.
    virtual BOOL Open(UINT nOpenType = AFX_DB_USE_DEFAULT_TYPE, LPCTSTR lpszSQL = NULL,
                      DWORD dwOptions = none);
    virtual void Close();
    BOOL IsOpen() const { return m_hstmt != SQL_NULL_HSTMT; }

    BOOL IsEOF() const { return m_bEOF; }
    BOOL IsBOF() const { return m_bBOF; }
    void MoveFirst();
    void MoveNext();
    // Rows visited so far (the framework's count grows while the set is read).
    long GetRecordCount() const { return m_nRowsSeen; }

    short GetODBCFieldCount() const { return (short)m_columns.size(); }
    void GetODBCFieldInfo(short nIndex, CODBCFieldInfo& fieldinfo);
    void GetODBCFieldInfo(LPCTSTR lpszName, CODBCFieldInfo& fieldinfo);

    // The value of the current row as text; NULL reads as an empty text.
    void GetFieldValue(short nIndex, CString& strValue);
    void GetFieldValue(LPCTSTR lpszName, CString& strValue);

    CString GetSQL() const { return m_strSQL; }
    virtual CString GetDefaultSQL() { return CString(); }
    virtual CString GetDefaultConnect() { return _T("ODBC;"); }

    CDatabase* m_pDatabase;
    HSTMT m_hstmt;
    UINT m_nDefaultType;

protected:
    struct Column
    {
        CODBCFieldInfo info;
        std::string driverName;
        // A floating value, printed again with the least digits that read back the same (from SQLite's
        // 17-digit text where it could be had).
        bool shorten = false;
        // Computed by the query, not read from a table (SQLite only).
        bool expression = false;
    };

    void Execute();
    static bool AnyUnshortenedFloating(const std::vector<Column>& columns);
    bool ExecuteShortened(const std::string& query, const std::vector<Column>& known);
    void LearnExpressionTypes(const std::string& query);
    void Describe(std::vector<Column>& columns, bool bFindExpressions = false);
    void ReadValue(short nIndex);
    void Fetch();
    short FindColumn(LPCTSTR lpszName);
    void ThrowIfFailed(RETCODE rc);
    void FreeStatement();

    CString m_strSQL;
    std::vector<Column> m_columns;
    BOOL m_bEOF;
    BOOL m_bBOF;
    long m_nRowsSeen;
    long m_nCurrentRow;
    // Values of the current row already read: a driver hands each column out only once.
    std::vector<std::string> m_values;
    std::vector<bool> m_valueRead;
    std::string m_buffer;
};
