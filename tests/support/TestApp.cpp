#include "tests/support/TestApp.h"

CWinApp& TestApp()
{
    static CWinApp theApp(_T(VORLEN_TEST_APP_NAME));
    return theApp;
}

namespace {

// The application is there from the start, as a program's is: code under test that asks for it
// before a test first names it finds it all the same.
[[maybe_unused]] const CWinApp& g_app = TestApp();

} // namespace
