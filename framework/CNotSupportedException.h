// Raised when an object is asked for an operation it does not offer.
#pragma once
#include "framework/CException.h"

class CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException() = default;
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;
};

[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
