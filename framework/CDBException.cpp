#include "framework/CDBException.h"
#include "framework/CDatabase.h"
#include "framework/CDbTextCodec.h"
#include <sqlext.h>
#include <cstdio>
#include <string>

IMPLEMENT_DYNAMIC(CDBException, CException)

CDBException::CDBException(RETCODE nRetCode) : m_nRetCode(nRetCode)
{}

void CDBException::BuildErrorString(CDatabase* pdb, HSTMT hstmt, BOOL bTrace)
{
    HENV henv = CDatabase::GetEnvironment();
    HDBC hdbc = pdb != NULL ? pdb->m_hdbc : SQL_NULL_HDBC;
    if (henv != SQL_NULL_HENV)
    {
        SQLCHAR state[SQL_SQLSTATE_SIZE + 1];
        SQLINTEGER native = 0;
        SQLCHAR message[SQL_MAX_MESSAGE_LENGTH];
        SQLSMALLINT length = 0;
        // SQLError hands out each record once, most specific handle first.
        while (true)
        {
            state[0] = 0;
            message[0] = 0;
            RETCODE rc = ::SQLError(henv, hdbc, hstmt, state, &native, message, sizeof(message) - 1,
                                    &length);
            if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO)
                break;
            if (strcmp((const char*)state, "00000") == 0)
                break;
            std::string text = CDbTextCodec::FromDriver(std::string((const char*)message));
            std::string origin;
            while (!text.empty() && text[0] == '[')
            {
                size_t close = text.find(']');
                if (close == std::string::npos)
                    break;
                origin += text.substr(0, close + 1);
                text.erase(0, close + 1);
            }
            m_strError += text.c_str();
            m_strError += "\n";
            char line[128];
            snprintf(line, sizeof line, "State:%s,Native:%ld,Origin:", (const char*)state,
                     (long)native);
            m_strStateNativeOrigin += line;
            m_strStateNativeOrigin += origin.c_str();
            m_strStateNativeOrigin += "\n";
        }
    }
    if (m_strError.IsEmpty())
        SetFixedMessage();
}

void CDBException::SetFixedMessage()
{
    switch (m_nRetCode)
    {
    case SQL_INVALID_HANDLE: m_strError = "无效的 ODBC 句柄。\n"; break;
    case AFX_SQL_ERROR_CONNECT_FAIL: m_strError = "未能连接数据源。\n"; break;
    case AFX_SQL_ERROR_FIELD_NOT_FOUND: m_strError = "记录集中没有这一列。\n"; break;
    case AFX_SQL_ERROR_ILLEGAL_MODE: m_strError = "记录集没有打开，或者已经打开。\n"; break;
    case AFX_SQL_ERROR_NO_CURRENT_RECORD: m_strError = "没有当前记录。\n"; break;
    case AFX_SQL_ERROR_RECORDSET_FORWARD_ONLY: m_strError = "记录集只能向前滚动。\n"; break;
    case AFX_SQL_ERROR_NO_DATA_FOUND: m_strError = "试图越过数据的末尾或开头滚动。\n"; break;
    default: m_strError = "数据库操作失败。\n"; break;
    }
}

BOOL CDBException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return CopyErrorText(m_strError, lpszError, nMaxError);
}

void AFXAPI AfxThrowDBException(RETCODE nRetCode, CDatabase* pdb, HSTMT hstmt)
{
    CDBException* e = new CDBException(nRetCode);
    e->BuildErrorString(pdb, hstmt);
    throw e;
}
