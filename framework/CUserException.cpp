#include "framework/CUserException.h"

IMPLEMENT_DYNAMIC(CUserException, CException)

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}
