#include "framework/CNotSupportedException.h"

IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

BOOL CNotSupportedException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return CopyErrorText("不支持此操作。", lpszError, nMaxError);
}

void AFXAPI AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}
