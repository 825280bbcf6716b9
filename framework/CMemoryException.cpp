#include "framework/CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return CopyErrorText("内存不足。", lpszError, nMaxError);
}

void AFXAPI AfxThrowMemoryException()
{
    throw new CMemoryException;
}
