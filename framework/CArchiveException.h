// Raised by an archive on bad or missing stored data.
#pragma once
#include "framework/CException.h"
#include "framework/CString.h"

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };

    explicit CArchiveException(int cause = CArchiveException::none, LPCTSTR lpszArchiveName = NULL);
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = NULL);
