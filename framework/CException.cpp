#include "framework/CException.h"
#include "framework/CString.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CException, CObject)

static AFX_EXCEPTION_REPORT_PROC s_pfnReport;

AFX_EXCEPTION_REPORT_PROC AFXAPI AfxSetExceptionReportProc(AFX_EXCEPTION_REPORT_PROC pfnReport)
{
    AFX_EXCEPTION_REPORT_PROC pfnOld = s_pfnReport;
    s_pfnReport = pfnReport;
    return pfnOld;
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError != 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char szError[512];
    UINT nHelpContext = 0;
    CString strText;
    if (GetErrorMessage(szError, sizeof(szError), &nHelpContext))
        strText = szError;
    else if (nMessageID != 0)
        strText.LoadString(nMessageID);
    if (strText.IsEmpty())
        strText = "操作未能完成。";
    if (s_pfnReport != NULL)
        return s_pfnReport(strText, nType, nHelpContext);
    return ::MessageBoxA(NULL, strText, NULL, nType);
}

BOOL CException::CopyErrorText(LPCTSTR lpszText, LPTSTR lpszError, UINT nMaxError)
{
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    CString text(lpszText);
    // Left() never keeps half of a double-byte character.
    text = text.Left((int)nMaxError - 1);
    memcpy(lpszError, (LPCTSTR)text, text.GetLength() + 1);
    return TRUE;
}

BOOL CException::CopyCauseText(const char* const* ppszTexts, int nTexts, int nCause,
                               LPCTSTR lpszFileName, LPTSTR lpszError, UINT nMaxError,
                               PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (nCause < 0 || nCause >= nTexts)
        nCause = 1;
    CString text(ppszTexts[nCause]);
    if (lpszFileName != NULL && *lpszFileName != '\0')
        text = CString(lpszFileName) + ": " + text;
    return CopyErrorText(text, lpszError, nMaxError);
}
