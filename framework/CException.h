// Base of the framework's exceptions, thrown as heap pointers and freed by the catcher with Delete.
#pragma once
#include "framework/CObject.h"

// How ReportError shows its text: the window layer installs its message box (and with it the test seam).
typedef int(AFXAPI* AFX_EXCEPTION_REPORT_PROC)(LPCTSTR lpszText, UINT nType, UINT nHelpContext);
AFX_EXCEPTION_REPORT_PROC AFXAPI AfxSetExceptionReportProc(AFX_EXCEPTION_REPORT_PROC pfnReport);

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}

    // Frees a heap exception; a static one (auto-delete off) stays.
    void Delete();

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete;

protected:
    // Copies lpszText into the caller's buffer, cut at a character boundary.
    static BOOL CopyErrorText(LPCTSTR lpszText, LPTSTR lpszError, UINT nMaxError);
    // The text of a cause from a table (out-of-range causes use entry 1), after the file name if there is one.
    static BOOL CopyCauseText(const char* const* ppszTexts, int nTexts, int nCause,
                              LPCTSTR lpszFileName, LPTSTR lpszError, UINT nMaxError,
                              PUINT pnHelpContext);
};

// The old framework's exception macros, on plain C++ handling.
#define TRY try
#define CATCH(class_name, e) catch (class_name * e)
#define AND_CATCH(class_name, e) catch (class_name * e)
#define END_CATCH
#define CATCH_ALL(e) catch (CException * e)
#define AND_CATCH_ALL(e) catch (CException * e)
#define END_CATCH_ALL
#define THROW(e) throw e
#define THROW_LAST() throw
