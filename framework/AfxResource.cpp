#include "framework/AfxBase.h"

// Null means "the executable": resolved on each call so it works before any start-up code ran.
static HINSTANCE s_hInstResource;

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return s_hInstResource != NULL ? s_hInstResource : GetModuleHandleA(NULL);
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    s_hInstResource = hInstResource;
}
