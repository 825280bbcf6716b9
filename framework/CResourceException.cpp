#include "framework/CResourceException.h"

IMPLEMENT_DYNAMIC(CResourceException, CException)

BOOL CResourceException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return CopyErrorText("无法加载所需的资源。", lpszError, nMaxError);
}

void AFXAPI AfxThrowResourceException()
{
    throw new CResourceException;
}
