// Raised when a resource cannot be found or loaded.
#pragma once
#include "framework/CException.h"

class CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException() = default;
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;
};

[[noreturn]] void AFXAPI AfxThrowResourceException();
