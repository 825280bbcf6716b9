// Raised when memory runs out or a size cannot be allocated.
#pragma once
#include "framework/CException.h"

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() = default;
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;
};

[[noreturn]] void AFXAPI AfxThrowMemoryException();
