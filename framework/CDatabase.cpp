#include "framework/CDatabase.h"
#include "framework/CDBException.h"
#include "framework/CDataSourceDialog.h"
#include "framework/CDbTextCodec.h"
#include <sqlext.h>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CDatabase, CObject)

namespace {
bool Succeeded(RETCODE rc)
{
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

BOOL CALLBACK FindThreadTopWindow(HWND hWnd, LPARAM lParam)
{
    if (::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd) &&
        !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
    {
        *(HWND*)lParam = hWnd;
        return FALSE;
    }
    return TRUE;
}

// The window a connection dialog belongs to: the active one, or else (our process not in the foreground)
// the window this thread shows, so that the dialog stays modal to the program that asked for it.
HWND OwnerForDialog()
{
    HWND owner = ::GetActiveWindow();
    if (owner == NULL)
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindThreadTopWindow, (LPARAM)&owner);
    if (owner != NULL)
        owner = ::GetLastActivePopup(owner);
    return owner;
}
}

HENV PASCAL CDatabase::GetEnvironment()
{
    static HENV henv = [] {
        HENV h = SQL_NULL_HENV;
        if (!Succeeded(::SQLAllocEnv(&h)))
            h = SQL_NULL_HENV;
        return h;
    }();
    return henv;
}

CDatabase::CDatabase()
    : m_hdbc(SQL_NULL_HDBC), m_dwLoginTimeout(15), m_dwQueryTimeout(15), m_bUpdatable(FALSE),
      m_bTransactions(FALSE), m_bInTransaction(FALSE), m_bSQLite(FALSE), m_nRowsAffected(-1)
{}

CDatabase::~CDatabase()
{
    Close();
}

void CDatabase::Check(RETCODE nRetCode, HSTMT hstmt)
{
    if (!Succeeded(nRetCode))
        AfxThrowDBException(nRetCode, this, hstmt);
}

BOOL CDatabase::Open(LPCTSTR lpszDSN, BOOL bExclusive, BOOL bReadOnly, LPCTSTR lpszConnect,
                     BOOL bUseCursorLib)
{
    CString connect(lpszConnect != NULL ? lpszConnect : _T(""));
    if (lpszDSN != NULL && *lpszDSN != 0)
    {
        // The explicit data-source name wins over one in the connect string.
        if (connect.Left(5) == _T("ODBC;"))
            connect = connect.Mid(5);
        CString prefixed = _T("DSN=");
        prefixed += lpszDSN;
        if (!connect.IsEmpty())
        {
            prefixed += _T(";");
            prefixed += connect;
        }
        connect = prefixed;
    }
    DWORD options = bReadOnly ? openReadOnly : 0;
    if (bExclusive)
        options |= openExclusive;
    if (bUseCursorLib)
        options |= useCursorLib;
    return OpenEx(connect, options);
}

BOOL CDatabase::OpenEx(LPCTSTR lpszConnectString, DWORD dwOptions)
{
    if (IsOpen())
        Close();
    m_bUpdatable = !(dwOptions & openReadOnly);

    CString connect(lpszConnectString != NULL ? lpszConnectString : _T(""));
    if (connect.Left(5) == _T("ODBC;"))
        connect = connect.Mid(5);

    HENV henv = GetEnvironment();
    if (henv == SQL_NULL_HENV)
        AfxThrowDBException(AFX_SQL_ERROR_CONNECT_FAIL, NULL, SQL_NULL_HSTMT);
    if (!Succeeded(::SQLAllocConnect(henv, &m_hdbc)))
    {
        m_hdbc = SQL_NULL_HDBC;
        AfxThrowDBException(AFX_SQL_ERROR_CONNECT_FAIL, NULL, SQL_NULL_HSTMT);
    }
    if (m_dwLoginTimeout != 0)
        ::SQLSetConnectOption(m_hdbc, SQL_LOGIN_TIMEOUT, m_dwLoginTimeout);
    if (!m_bUpdatable)
        ::SQLSetConnectOption(m_hdbc, SQL_ACCESS_MODE, SQL_MODE_READ_ONLY);

    UWORD completion = SQL_DRIVER_COMPLETE;
    if (dwOptions & forceOdbcDialog)
        completion = SQL_DRIVER_PROMPT;
    else if (dwOptions & noOdbcDialog)
        completion = SQL_DRIVER_NOPROMPT;
    HWND owner = (completion == SQL_DRIVER_NOPROMPT) ? NULL : OwnerForDialog();

    try
    {
        BOOL connected;
        if (completion == SQL_DRIVER_PROMPT && !DriverManagerHasDialog())
        {
            CDataSourceDialog dlg(this, connect, owner);
            connected = (dlg.DoModal() == IDOK);
        }
        else
        {
            if (owner == NULL && completion != SQL_DRIVER_NOPROMPT)
                owner = ::GetDesktopWindow();
            connected = DriverConnect(connect, completion, owner);
        }
        if (!connected)
        {
            // The user cancelled the dialog: not an error, and nothing is connected.
            Free();
            m_strConnect.Empty();
            return FALSE;
        }
    }
    catch (CException*)
    {
        Free();
        m_strConnect.Empty();
        throw;
    }
    return TRUE;
}

BOOL PASCAL CDatabase::DriverManagerHasDialog()
{
    // Every driver under Wine is a Unix one behind unixODBC, which has no dialog to show.
    return !CDbTextCodec::DriverSpeaksUtf8();
}

BOOL CDatabase::DriverConnect(const CString& strConnect, UWORD nCompletion, HWND hWndOwner)
{
    std::string in;
    CDbTextCodec::ToDriver((LPCTSTR)strConnect, (size_t)strConnect.GetLength(), in);
    // The length travels as a 16-bit count: a longer string would arrive as another length.
    if (in.size() > 32767)
        AfxThrowDBException(AFX_SQL_ERROR_CONNECT_FAIL, NULL, SQL_NULL_HSTMT);
    std::vector<SQLCHAR> out(4096);
    SQLSMALLINT outLength = 0;
    RETCODE rc =
        ::SQLDriverConnect(m_hdbc, hWndOwner, (SQLCHAR*)in.c_str(), (SQLSMALLINT)in.size(),
                           out.data(), (SQLSMALLINT)(out.size() - 1), &outLength, nCompletion);
    if (rc == SQL_NO_DATA)
        return FALSE;
    if (!Succeeded(rc))
    {
        CDBException* e = new CDBException(rc);
        e->BuildErrorString(this, SQL_NULL_HSTMT);
        throw e;
    }
    if (outLength < 0)
        outLength = 0;
    if ((size_t)outLength >= out.size())
        outLength = (SQLSMALLINT)(out.size() - 1);
    std::string completed =
        CDbTextCodec::FromDriver(std::string((const char*)out.data(), (size_t)outLength));
    m_strConnect = _T("ODBC;");
    m_strConnect += completed.c_str();

    SQLUSMALLINT txn = SQL_TC_NONE;
    if (Succeeded(::SQLGetInfo(m_hdbc, SQL_TXN_CAPABLE, &txn, sizeof txn, NULL)))
        m_bTransactions = (txn != SQL_TC_NONE);
    char dbms[64] = {};
    SQLSMALLINT dbmsLength = 0;
    if (Succeeded(::SQLGetInfo(m_hdbc, SQL_DBMS_NAME, dbms, sizeof dbms - 1, &dbmsLength)))
        m_bSQLite = (_stricmp(dbms, "SQLite") == 0);
    return TRUE;
}

CString CDatabase::GetDatabaseName() const
{
    if (!IsOpen())
        return CString();
    char name[256] = {};
    SQLSMALLINT length = 0;
    if (!Succeeded(::SQLGetInfo(m_hdbc, SQL_DATABASE_NAME, name, sizeof name - 1, &length)))
        return CString();
    return CString(CDbTextCodec::FromDriver(std::string(name)).c_str());
}

void CDatabase::Free()
{
    if (m_hdbc != SQL_NULL_HDBC)
    {
        ::SQLFreeConnect(m_hdbc);
        m_hdbc = SQL_NULL_HDBC;
    }
}

void CDatabase::Close()
{
    if (m_hdbc == SQL_NULL_HDBC)
        return;
    if (m_bInTransaction)
    {
        ::SQLTransact(GetEnvironment(), m_hdbc, SQL_ROLLBACK);
        m_bInTransaction = FALSE;
    }
    ::SQLDisconnect(m_hdbc);
    Free();
    m_strConnect.Empty();
    m_bTransactions = FALSE;
    m_bSQLite = FALSE;
}

BOOL CDatabase::BeginTrans()
{
    if (!IsOpen() || !m_bTransactions || m_bInTransaction)
        return FALSE;
    if (!Succeeded(::SQLSetConnectOption(m_hdbc, SQL_AUTOCOMMIT, SQL_AUTOCOMMIT_OFF)))
        return FALSE;
    m_bInTransaction = TRUE;
    return TRUE;
}

BOOL CDatabase::CommitTrans()
{
    return EndTrans(SQL_COMMIT);
}

BOOL CDatabase::Rollback()
{
    return EndTrans(SQL_ROLLBACK);
}

BOOL CDatabase::EndTrans(UWORD completion)
{
    if (!IsOpen() || !m_bInTransaction)
        return FALSE;
    RETCODE rc = ::SQLTransact(GetEnvironment(), m_hdbc, completion);
    // A refused commit leaves the transaction open, and the caller must still be able to roll it
    // back: switching autocommit on now would only try the commit again, and whatever the driver
    // keeps open would join the statements that follow.
    if (!Succeeded(rc) && completion == SQL_COMMIT)
        Check(rc);
    m_bInTransaction = FALSE;
    ::SQLSetConnectOption(m_hdbc, SQL_AUTOCOMMIT, SQL_AUTOCOMMIT_ON);
    Check(rc);
    return TRUE;
}

void CDatabase::ExecuteSQL(LPCTSTR lpszSQL)
{
    m_nRowsAffected = -1;
    if (!IsOpen())
        AfxThrowDBException(AFX_SQL_ERROR_ILLEGAL_MODE, NULL, SQL_NULL_HSTMT);
    HSTMT hstmt = SQL_NULL_HSTMT;
    Check(::SQLAllocStmt(m_hdbc, &hstmt));
    std::string text;
    CDbTextCodec::ToDriver(lpszSQL != NULL ? lpszSQL : "", lpszSQL != NULL ? strlen(lpszSQL) : 0,
                           text);
    if (m_dwQueryTimeout != 0)
        ::SQLSetStmtOption(hstmt, SQL_QUERY_TIMEOUT, m_dwQueryTimeout);
    RETCODE rc = ::SQLExecDirect(hstmt, (SQLCHAR*)text.c_str(), (SQLINTEGER)text.size());
    if (!Succeeded(rc) && rc != SQL_NO_DATA)
    {
        CDBException* e = new CDBException(rc);
        e->BuildErrorString(this, hstmt);
        ::SQLFreeStmt(hstmt, SQL_DROP);
        throw e;
    }
    SQLLEN count = -1;
    if (Succeeded(::SQLRowCount(hstmt, &count)))
        m_nRowsAffected = (long)count;
    // A statement that returns rows leaves them unread, as the framework always did.
    ::SQLFreeStmt(hstmt, SQL_DROP);
}
