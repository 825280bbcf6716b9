// Entry point of every test executable: no crash or error dialog may ever wait for a click.
#include <windows.h>
#include <gtest/gtest.h>
#include <cstdio>

int main(int argc, char** argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    ::testing::InitGoogleTest(&argc, argv);
    // A run on the PostgreSQL server without a server is skipped (ctest's skip code), not failed.
    char source[32] = {}, server[8] = {};
    if (GetEnvironmentVariableA("VORLEN_TEST_DATA_SOURCE", source, sizeof source) > 0 &&
        lstrcmpiA(source, "postgresql") == 0 &&
        GetEnvironmentVariableA("VORLEN_TEST_POSTGRESQL", server, sizeof server) == 0)
    {
        printf("SKIPPED: no PostgreSQL server to test on (VORLEN_TEST_POSTGRESQL is not set; "
               "tools/test sets it when pg_virtualenv can start one)\n");
        return 77;
    }
    return RUN_ALL_TESTS();
}
