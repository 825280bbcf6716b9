// The application object of a test executable that asks for one (vorlen_test's APP): the framework and the library find it through AfxGetApp as they find a program's.
#pragma once
#include "framework/CWinApp.h"

// Made before the first test under the name the executable's build gives it: the workspace keeps
// its state under Software\<registry key>\<that name>.
CWinApp& TestApp();
