// Start of OLE for the user-interface thread and the types shared by the drag-and-drop classes.
#pragma once
#include "framework/AfxBase.h"
#include <ole2.h>

typedef DWORD DROPEFFECT;

// Initialises OLE on the calling thread; the first success sets the "OLE initialised" flag.
BOOL AFXAPI AfxOleInit();
// Whether AfxOleInit succeeded: windows register as drop targets only then.
BOOL AFXAPI AfxOleIsInitialized();
