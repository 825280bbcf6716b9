#include "framework/CRecordset.h"
#include "framework/CDatabase.h"
#include "framework/CDBException.h"
#include "framework/CDbTextCodec.h"
#include <sqlext.h>
#include <charconv>
#include <cmath>
#include <cstring>

IMPLEMENT_DYNAMIC(CRecordset, CObject)

namespace {
bool Succeeded(RETCODE rc)
{
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

bool IsApproximate(SWORD sqlType)
{
    return sqlType == SQL_FLOAT || sqlType == SQL_REAL || sqlType == SQL_DOUBLE;
}

bool IsFloating(SWORD sqlType)
{
    return sqlType == SQL_NUMERIC || sqlType == SQL_DECIMAL || sqlType == SQL_FLOAT ||
           sqlType == SQL_REAL || sqlType == SQL_DOUBLE;
}

// Names the query's columns c0, c1, ... by position in a common table expression (a driver may
// report an expression's name cut at a dot, or two columns alike).
std::string Positional(const std::string& query, size_t columns)
{
    std::string names;
    for (size_t i = 0; i < columns; ++i)
        names += (i != 0 ? ",c" : "c") + std::to_string(i);
    return "WITH vorlen_columns(" + names + ") AS (" + query + ") ";
}

// The least digits that read back as the same double; plain notation wherever it stays short.
void Shorten(std::string& text)
{
    if (text.find_first_of(".eE") == std::string::npos)
        return; // integers keep every digit, even beyond what a double holds
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    auto parsed = std::from_chars(first, last, value);
    if (parsed.ec != std::errc() || parsed.ptr != last || !std::isfinite(value))
        return;
    char buf[400];
    double magnitude = std::fabs(value);
    std::to_chars_result written;
    if (value == 0 || (magnitude >= 1e-5 && magnitude < 1e16))
        written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    else
        written = std::to_chars(buf, buf + sizeof buf, value);
    if (written.ec == std::errc())
        text.assign(buf, written.ptr);
}
}

CRecordset::CRecordset(CDatabase* pDatabase)
    : m_pDatabase(pDatabase), m_hstmt(SQL_NULL_HSTMT), m_nDefaultType(dynaset), m_bEOF(TRUE),
      m_bBOF(TRUE), m_nRowsSeen(0), m_nCurrentRow(-1)
{}

CRecordset::~CRecordset()
{
    Close();
}

void CRecordset::ThrowIfFailed(RETCODE rc)
{
    if (!Succeeded(rc))
        AfxThrowDBException(rc, m_pDatabase, m_hstmt);
}

void CRecordset::FreeStatement()
{
    if (m_hstmt != SQL_NULL_HSTMT)
    {
        ::SQLFreeStmt(m_hstmt, SQL_DROP);
        m_hstmt = SQL_NULL_HSTMT;
    }
}

BOOL CRecordset::Open(UINT nOpenType, LPCTSTR lpszSQL, DWORD dwOptions)
{
    if (IsOpen())
        Close();
    if (m_pDatabase == NULL || !m_pDatabase->IsOpen())
        AfxThrowDBException(AFX_SQL_ERROR_ILLEGAL_MODE, m_pDatabase, SQL_NULL_HSTMT);
    if (nOpenType == AFX_DB_USE_DEFAULT_TYPE)
        nOpenType = m_nDefaultType;
    m_strSQL = (lpszSQL != NULL) ? CString(lpszSQL) : GetDefaultSQL();
    try
    {
        Execute();
        m_nRowsSeen = 0;
        m_nCurrentRow = -1;
        Fetch();
        m_bBOF = m_bEOF;
    }
    catch (CException*)
    {
        FreeStatement();
        m_columns.clear();
        m_bEOF = m_bBOF = TRUE;
        throw;
    }
    return TRUE;
}

void CRecordset::Close()
{
    FreeStatement();
    m_columns.clear();
    m_values.clear();
    m_valueRead.clear();
    m_bEOF = m_bBOF = TRUE;
    m_nRowsSeen = 0;
    m_nCurrentRow = -1;
}

void CRecordset::Describe(std::vector<Column>& columns, bool bFindExpressions)
{
    columns.clear();
    SQLSMALLINT count = 0;
    ThrowIfFailed(::SQLNumResultCols(m_hstmt, &count));
    for (SQLSMALLINT i = 1; i <= count; ++i)
    {
        std::vector<char> name(256);
        SQLSMALLINT nameLength = 0, sqlType = 0, scale = 0, nullable = 0;
        SQLULEN precision = 0;
        ThrowIfFailed(::SQLDescribeCol(m_hstmt, (SQLUSMALLINT)i, (SQLCHAR*)name.data(),
                                       (SQLSMALLINT)name.size(), &nameLength, &sqlType, &precision,
                                       &scale, &nullable));
        if (nameLength >= (SQLSMALLINT)name.size())
        {
            name.resize((size_t)nameLength + 1);
            ThrowIfFailed(::SQLDescribeCol(m_hstmt, (SQLUSMALLINT)i, (SQLCHAR*)name.data(),
                                           (SQLSMALLINT)name.size(), &nameLength, &sqlType,
                                           &precision, &scale, &nullable));
        }
        Column column;
        column.driverName.assign(name.data(), nameLength > 0 ? (size_t)nameLength : 0);
        column.info.m_strName = CDbTextCodec::FromDriver(column.driverName).c_str();
        column.info.m_nSQLType = sqlType;
        column.info.m_nPrecision = (UDWORD)precision;
        column.info.m_nScale = scale;
        column.info.m_nNullability = nullable;
        if (bFindExpressions)
        {
            // SQLite names no table for a value the query computes.
            char table[256] = {};
            SQLSMALLINT tableLength = 0;
            column.expression =
                Succeeded(::SQLColAttribute(m_hstmt, (SQLUSMALLINT)i, SQL_DESC_TABLE_NAME, table,
                                            sizeof table, &tableLength, nullptr)) &&
                table[0] == 0;
        }
        columns.push_back(column);
    }
}

void CRecordset::Execute()
{
    FreeStatement();
    std::string query;
    CDbTextCodec::ToDriver((LPCTSTR)m_strSQL, (size_t)m_strSQL.GetLength(), query);
    ThrowIfFailed(::SQLAllocStmt(m_pDatabase->m_hdbc, &m_hstmt));

    if (m_pDatabase->IsSQLite() &&
        Succeeded(::SQLPrepare(m_hstmt, (SQLCHAR*)query.c_str(), (SQLINTEGER)query.size())))
    {
        // SQLite's driver prints a double with 15 digits, which need not read back as the stored value, so a
        // statement built from the shown text would miss its row. Floating columns are read through SQLite's
        // own 17-digit printing instead and shortened here. Table columns are known before the query runs;
        // expressions only tell their type once it has run.
        std::vector<Column> prepared;
        Describe(prepared, true);
        if (!AnyUnshortenedFloating(prepared) || !ExecuteShortened(query, prepared))
        {
            ThrowIfFailed(::SQLExecute(m_hstmt));
            Describe(m_columns, true);
        }
        LearnExpressionTypes(query);
        if (AnyUnshortenedFloating(m_columns))
            ExecuteShortened(query, std::vector<Column>(m_columns));
    }
    else
    {
        FreeStatement();
        ThrowIfFailed(::SQLAllocStmt(m_pDatabase->m_hdbc, &m_hstmt));
        RETCODE rc = ::SQLExecDirect(m_hstmt, (SQLCHAR*)query.c_str(), (SQLINTEGER)query.size());
        ThrowIfFailed(rc);
        Describe(m_columns);
    }
    // Every driver's floating text is printed again the same way (SQLite's 15 digits where its
    // 17-digit printing could not be had, "36.0" or "1e+15" of other drivers), so that a value
    // reads alike on every data source. Exact decimals of other drivers keep their digits.
    for (Column& column : m_columns)
        if (m_pDatabase->IsSQLite() ? IsFloating(column.info.m_nSQLType)
                                    : IsApproximate(column.info.m_nSQLType))
            column.shorten = true;
}

bool CRecordset::AnyUnshortenedFloating(const std::vector<Column>& columns)
{
    for (const Column& column : columns)
        if (!column.shorten && IsFloating(column.info.m_nSQLType))
            return true;
    return false;
}

// With StepAPI the SQLite driver describes every computed column as VARCHAR; without it, as the
// type of the column's first value. The set asks SQLite for those types itself, so that a sum is a
// number and a count an integer whichever way the driver runs.
void CRecordset::LearnExpressionTypes(const std::string& query)
{
    std::vector<size_t> unknown;
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].expression && m_columns[i].info.m_nSQLType == SQL_VARCHAR)
            unknown.push_back(i);
    if (unknown.empty())
        return;
    std::string peek = Positional(query, m_columns.size()) + "SELECT ";
    for (size_t i = 0; i < unknown.size(); ++i)
        peek += (i != 0 ? ",typeof(c" : "typeof(c") + std::to_string(unknown[i]) + ")";
    peek += " FROM vorlen_columns LIMIT 1";

    HSTMT hstmt = SQL_NULL_HSTMT;
    if (!Succeeded(::SQLAllocStmt(m_pDatabase->m_hdbc, &hstmt)))
        return;
    if (Succeeded(::SQLExecDirect(hstmt, (SQLCHAR*)peek.c_str(), (SQLINTEGER)peek.size())) &&
        Succeeded(::SQLFetch(hstmt)))
    {
        for (size_t i = 0; i < unknown.size(); ++i)
        {
            char type[16] = {};
            SQLLEN indicator = 0;
            if (!Succeeded(::SQLGetData(hstmt, (SQLUSMALLINT)(i + 1), SQL_C_CHAR, type, sizeof type,
                                        &indicator)))
                continue;
            if (strcmp(type, "integer") == 0)
                m_columns[unknown[i]].info.m_nSQLType = SQL_INTEGER;
            else if (strcmp(type, "real") == 0)
                m_columns[unknown[i]].info.m_nSQLType = SQL_DOUBLE;
        }
    }
    ::SQLFreeStmt(hstmt, SQL_DROP);
}

// Runs the query inside an outer SELECT that prints its floating columns with 17 digits, naming
// the columns by position. On success the set reads from the new statement; on failure (a
// statement SQLite cannot nest) the statement in hand stays as it is and false comes back.
bool CRecordset::ExecuteShortened(const std::string& query, const std::vector<Column>& known)
{
    std::string outer;
    for (size_t i = 0; i < known.size(); ++i)
    {
        std::string name = "c" + std::to_string(i);
        outer += i != 0 ? "," : "";
        if (IsFloating(known[i].info.m_nSQLType))
            outer += "CASE WHEN typeof(" + name + ")='real' THEN printf('%!.17g'," + name +
                     ") ELSE " + name + " END";
        else
            outer += name;
    }
    outer = Positional(query, known.size()) + "SELECT " + outer + " FROM vorlen_columns";

    HSTMT hstmt = SQL_NULL_HSTMT;
    if (!Succeeded(::SQLAllocStmt(m_pDatabase->m_hdbc, &hstmt)))
        return false;
    HSTMT previous = m_hstmt;
    m_hstmt = hstmt;
    std::vector<Column> executed;
    bool ok = Succeeded(::SQLExecDirect(hstmt, (SQLCHAR*)outer.c_str(), (SQLINTEGER)outer.size()));
    if (ok)
    {
        try
        {
            Describe(executed);
        }
        catch (CException* e)
        {
            e->Delete();
            ok = false;
        }
    }
    if (!ok || executed.size() != known.size())
    {
        ::SQLFreeStmt(hstmt, SQL_DROP);
        m_hstmt = previous;
        return false;
    }
    if (previous != SQL_NULL_HSTMT)
        ::SQLFreeStmt(previous, SQL_DROP);

    std::vector<Column> columns = known;
    for (size_t i = 0; i < executed.size(); ++i)
    {
        if (IsFloating(known[i].info.m_nSQLType))
            columns[i].shorten = true;
        else if (!known[i].expression || executed[i].info.m_nSQLType != SQL_VARCHAR)
            columns[i].info = executed[i].info; // expressions learn their type from the first row
        columns[i].info.m_strName = known[i].info.m_strName;
    }
    m_columns = columns;
    return true;
}

void CRecordset::Fetch()
{
    RETCODE rc = ::SQLFetch(m_hstmt);
    if (rc == SQL_NO_DATA)
    {
        m_bEOF = TRUE;
        return;
    }
    ThrowIfFailed(rc);
    m_bEOF = FALSE;
    ++m_nCurrentRow;
    if (m_nCurrentRow + 1 > m_nRowsSeen)
        m_nRowsSeen = m_nCurrentRow + 1;
    m_values.resize(m_columns.size());
    m_valueRead.assign(m_columns.size(), false);
}

void CRecordset::MoveNext()
{
    if (!IsOpen() || m_bEOF)
        AfxThrowDBException(AFX_SQL_ERROR_NO_DATA_FOUND, NULL, SQL_NULL_HSTMT);
    Fetch();
    m_bBOF = FALSE;
}

void CRecordset::MoveFirst()
{
    if (!IsOpen())
        AfxThrowDBException(AFX_SQL_ERROR_ILLEGAL_MODE, NULL, SQL_NULL_HSTMT);
    if (m_nCurrentRow == 0 && !m_bEOF)
    {
        m_bBOF = FALSE;
        return;
    }
    // The cursor only reads forward: start the query over.
    Execute();
    m_nCurrentRow = -1;
    Fetch();
    m_bBOF = m_bEOF;
}

void CRecordset::GetODBCFieldInfo(short nIndex, CODBCFieldInfo& fieldinfo)
{
    if (nIndex < 0 || nIndex >= (short)m_columns.size())
        AfxThrowDBException(AFX_SQL_ERROR_FIELD_NOT_FOUND, NULL, SQL_NULL_HSTMT);
    fieldinfo = m_columns[(size_t)nIndex].info;
}

void CRecordset::GetODBCFieldInfo(LPCTSTR lpszName, CODBCFieldInfo& fieldinfo)
{
    GetODBCFieldInfo(FindColumn(lpszName), fieldinfo);
}

short CRecordset::FindColumn(LPCTSTR lpszName)
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].info.m_strName.CompareNoCase(lpszName) == 0)
            return (short)i;
    AfxThrowDBException(AFX_SQL_ERROR_FIELD_NOT_FOUND, NULL, SQL_NULL_HSTMT);
}

void CRecordset::ReadValue(short nIndex)
{
    std::string& raw = m_buffer;
    raw.clear();
    char chunk[1024];
    bool isNull = false;
    for (;;)
    {
        SQLLEN indicator = 0;
        RETCODE rc = ::SQLGetData(m_hstmt, (SQLUSMALLINT)(nIndex + 1), SQL_C_CHAR, chunk,
                                  sizeof chunk, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        ThrowIfFailed(rc);
        if (indicator == SQL_NULL_DATA)
        {
            isNull = true;
            break;
        }
        size_t got;
        if (indicator == SQL_NO_TOTAL || indicator >= (SQLLEN)sizeof chunk)
            got = sizeof chunk - 1;
        else
            got = (size_t)indicator;
        raw.append(chunk, got);
        if (rc == SQL_SUCCESS)
            break; // SQL_SUCCESS_WITH_INFO: the value was cut, the rest follows
        if (got < sizeof chunk - 1)
            break;
    }
    std::string& value = m_values[(size_t)nIndex];
    if (isNull)
        value.clear();
    else
        CDbTextCodec::FromDriver(raw.data(), raw.size(), value);
    if (m_columns[(size_t)nIndex].shorten)
        Shorten(value);
    m_valueRead[(size_t)nIndex] = true;
}

void CRecordset::GetFieldValue(short nIndex, CString& strValue)
{
    if (nIndex < 0 || nIndex >= (short)m_columns.size())
        AfxThrowDBException(AFX_SQL_ERROR_FIELD_NOT_FOUND, NULL, SQL_NULL_HSTMT);
    if (!IsOpen() || m_bEOF)
        AfxThrowDBException(AFX_SQL_ERROR_NO_CURRENT_RECORD, NULL, SQL_NULL_HSTMT);
    if (!m_valueRead[(size_t)nIndex])
        ReadValue(nIndex);
    const std::string& value = m_values[(size_t)nIndex];
    int length = (int)strlen(value.c_str());
    LPTSTR buffer = strValue.GetBufferSetLength(length);
    memcpy(buffer, value.data(), (size_t)length);
    strValue.ReleaseBuffer(length);
}

void CRecordset::GetFieldValue(LPCTSTR lpszName, CString& strValue)
{
    GetFieldValue(FindColumn(lpszName), strValue);
}
