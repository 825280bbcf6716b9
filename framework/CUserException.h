// Raised to stop an operation the user has already been told about.
#pragma once
#include "framework/CException.h"

class CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
};

[[noreturn]] void AFXAPI AfxThrowUserException();
