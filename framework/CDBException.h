// Raised by the database classes when the driver manager or the driver refuses a call; carries the driver's words.
#pragma once
#include "framework/CException.h"
#include "framework/CString.h"
#include <sql.h>

class CDatabase;

// Failures the database classes find themselves, without a driver diagnostic behind them.
#define AFX_SQL_ERROR 1000
#define AFX_SQL_ERROR_CONNECT_FAIL 1002
#define AFX_SQL_ERROR_FIELD_NOT_FOUND 1006
#define AFX_SQL_ERROR_ILLEGAL_MODE 1007
#define AFX_SQL_ERROR_NO_CURRENT_RECORD 1010
#define AFX_SQL_ERROR_RECORDSET_FORWARD_ONLY 1013
#define AFX_SQL_ERROR_NO_DATA_FOUND 1022

class CDBException : public CException
{
    DECLARE_DYNAMIC(CDBException)
public:
    explicit CDBException(RETCODE nRetCode = SQL_SUCCESS);

    // Collects every diagnostic record of the statement, else of the connection, else of the environment.
    void BuildErrorString(CDatabase* pdb, HSTMT hstmt, BOOL bTrace = TRUE);

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;

    RETCODE m_nRetCode;
    // One line for each diagnostic, the bracketed origin ("[unixODBC][Driver Manager]") taken off.
    CString m_strError;
    // "State:%s,Native:%ld,Origin:%s" for each diagnostic, one line each.
    CString m_strStateNativeOrigin;

private:
    void SetFixedMessage();
};

[[noreturn]] void AFXAPI AfxThrowDBException(RETCODE nRetCode, CDatabase* pdb, HSTMT hstmt);
