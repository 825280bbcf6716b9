#include "framework/AfxOle.h"

namespace {

BOOL g_bOleInitialized = FALSE;

} // namespace

BOOL AFXAPI AfxOleInit()
{
    if (g_bOleInitialized)
        return TRUE;
    // S_FALSE means OLE already ran on this thread: it is usable all the same, and our own
    // call still needs its matching uninitialise.
    const HRESULT hr = ::OleInitialize(NULL);
    if (FAILED(hr))
        return FALSE;
    g_bOleInitialized = TRUE;
    return TRUE;
}

BOOL AFXAPI AfxOleIsInitialized()
{
    return g_bOleInitialized;
}
