// The window classes of the library's bar windows, registered on first use under names made of their attributes.
#pragma once
#include "framework/FrameworkWin.h"

// Registers (once) a class with the default window procedure, named lpszPrefix followed by
// ":%x:%x:%x:%x" of the module instance, class style, cursor and background; answers the
// name. A failed registration throws the framework's resource exception.
CString TavoPRegisterWindowClass(LPCTSTR lpszPrefix, UINT nClassStyle, HCURSOR hCursor,
                                 HBRUSH hbrBackground);
