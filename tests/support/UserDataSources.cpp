#include "tests/support/UserDataSources.h"
#include <windows.h>

UserDataSources::UserDataSources()
{
    char unixPath[MAX_PATH] = {};
    if (GetEnvironmentVariableA("ODBCINI", unixPath, sizeof unixPath) == 0)
        return;
    typedef WCHAR*(CDECL * DosName)(LPCSTR);
    auto toDos =
        (DosName)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name");
    if (toDos == nullptr)
        return;
    WCHAR* dos = toDos(unixPath);
    if (dos == nullptr)
        return;
    char path[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, dos, -1, path, sizeof path, NULL, NULL);
    HeapFree(GetProcessHeap(), 0, dos);
    m_path = path;
}

UserDataSources::~UserDataSources()
{
    if (!m_path.empty())
        DeleteFileA(m_path.c_str());
}

void UserDataSources::Add(const std::string& name, const std::string& driverDatabasePath,
                          const std::string& furtherLines)
{
    if (m_path.empty())
        return;
    m_text +=
        "[" + name + "]\nDriver=SQLite3\nDatabase=" + driverDatabasePath + "\n" + furtherLines;
    if (!furtherLines.empty() && furtherLines.back() != '\n')
        m_text += "\n";
    m_text += "\n";
    HANDLE file = CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, m_text.data(), (DWORD)m_text.size(), &written, NULL);
    CloseHandle(file);
}
