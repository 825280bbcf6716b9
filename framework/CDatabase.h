// One ODBC connection: opened from a connect string, runs statements directly, reports refusals as CDBException.
#pragma once
#include "framework/CObject.h"
#include "framework/CString.h"
#include <sql.h>

class CDatabase : public CObject
{
    DECLARE_DYNAMIC(CDatabase)
public:
    enum DbOpenOptions
    {
        openExclusive = 0x0001,
        openReadOnly = 0x0002,
        useCursorLib = 0x0004,
        noOdbcDialog = 0x0008,
        forceOdbcDialog = 0x0010,
    };

    CDatabase();
    ~CDatabase() override;

    // FALSE when the user cancels the driver manager's dialog; a refusal throws CDBException.
    virtual BOOL OpenEx(LPCTSTR lpszConnectString, DWORD dwOptions = 0);
    virtual BOOL Open(LPCTSTR lpszDSN, BOOL bExclusive = FALSE, BOOL bReadOnly = FALSE,
                      LPCTSTR lpszConnect = _T("ODBC;"), BOOL bUseCursorLib = TRUE);
    virtual void Close();
    BOOL IsOpen() const { return m_hdbc != SQL_NULL_HDBC; }

    // The connect string the driver manager completed, with the "ODBC;" prefix; empty when not open.
    const CString GetConnect() const { return m_strConnect; }
    CString GetDatabaseName() const;
    BOOL CanUpdate() const { return m_bUpdatable; }
    BOOL CanTransact() const { return m_bTransactions; }

    void SetLoginTimeout(DWORD dwSeconds) { m_dwLoginTimeout = dwSeconds; }
    void SetQueryTimeout(DWORD dwSeconds) { m_dwQueryTimeout = dwSeconds; }

    BOOL BeginTrans();
    // A refusal throws CDBException and leaves the transaction open for Rollback.
    BOOL CommitTrans();
    BOOL Rollback();

    // Runs one statement directly; a refusal throws CDBException.
    void ExecuteSQL(LPCTSTR lpszSQL);
    // Rows the last ExecuteSQL inserted, changed or deleted (-1 when the driver cannot tell).
    long GetRowsAffected() const { return m_nRowsAffected; }

    // True when the data source is SQLite: its driver prints doubles with too few digits to compare again.
    BOOL IsSQLite() const { return m_bSQLite; }

    // Allocated on first use and kept for the process: every connection shares it.
    static HENV PASCAL GetEnvironment();
    // False where a prompting connect shows nothing (unixODBC under Wine): forceOdbcDialog then runs
    // the framework's own data-source chooser.
    static BOOL PASCAL DriverManagerHasDialog();

    HDBC m_hdbc;

protected:
    // One SQLDriverConnect on the allocated handle: FALSE when the user cancelled the driver manager's
    // dialog; a refusal throws CDBException and leaves the handle allocated for another try.
    BOOL DriverConnect(const CString& strConnect, UWORD nCompletion, HWND hWndOwner);
    void Free();
    BOOL EndTrans(UWORD completion);
    // Throws CDBException for a failed call on this connection (and the statement, if any).
    void Check(RETCODE nRetCode, HSTMT hstmt = SQL_NULL_HSTMT);

    CString m_strConnect;
    DWORD m_dwLoginTimeout;
    DWORD m_dwQueryTimeout;
    BOOL m_bUpdatable;
    BOOL m_bTransactions;
    BOOL m_bInTransaction;
    BOOL m_bSQLite;
    long m_nRowsAffected;

    friend class CRecordset;
    friend class CDataSourceDialog;
};
