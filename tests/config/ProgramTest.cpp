// The program pelmar.exe itself, started as its own process in a folder of the test's choosing.
#include "res/pelmarIds.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestDatabase.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

namespace {
struct Search
{
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindProcessDialog(HWND hWnd, LPARAM lParam)
{
    auto search = (Search*)lParam;
    DWORD processId = 0;
    GetWindowThreadProcessId(hWnd, &processId);
    if (processId == search->processId && IsWindowVisible(hWnd) &&
        ModalScript::Text(hWnd) == "pelmar")
    {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

// Built beside the tests: <build>\config\pelmar.exe, the test being <build>\tests\config\config_tests.exe.
std::string ProgramPath()
{
    char module[MAX_PATH];
    GetModuleFileNameA(NULL, module, MAX_PATH);
    std::string path(module);
    for (int i = 0; i < 3; ++i)
        path.erase(path.find_last_of('\\'));
    return path + "\\config\\pelmar.exe";
}
}

TEST(Program, StartsInTheCurrentFolderShowsItsStateAndEndsWithItsDialog)
{
    TestDatabase folder(TestDatabase::Empty);
    std::string program = ProgramPath();
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(program.c_str())) << program;

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string command = "\"" + program + "\"";
    ASSERT_TRUE(CreateProcessA(program.c_str(), &command[0], NULL, NULL, FALSE, 0, NULL,
                               folder.Folder().c_str(), &si, &pi));
    Search search{pi.dwProcessId, NULL};
    for (int i = 0; i < 300 && search.found == NULL; ++i)
    {
        Sleep(50);
        EnumWindows(&FindProcessDialog, (LPARAM)&search);
    }
    if (search.found != NULL)
    {
        EXPECT_EQ("尚未配置数据连接", ModalScript::ItemText(search.found, IDC_STATUS));
        EXPECT_EQ("配置数据连接", ModalScript::ItemText(search.found, IDC_CONFIGURE));
        EXPECT_EQ("关闭", ModalScript::ItemText(search.found, IDCANCEL));
        PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    else
    {
        ADD_FAILURE() << "pelmar showed no dialog";
    }
    bool ended = WaitForSingleObject(pi.hProcess, 15000) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended) << "pelmar did not end with its dialog";
    if (!ended)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // Looking at the file changes nothing.
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES,
              GetFileAttributesA((folder.Folder() + "connect.txt").c_str()));
}
