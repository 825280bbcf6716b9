#include "app/CDatabaseHolder.h"
#include "framework/CDBException.h"
#include "framework/CMemoryException.h"
#include <windows.h>

CDatabaseHolder g_databaseHolder;

namespace {
const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";

CString& RunValueName()
{
    static CString name = "Vorlen";
    return name;
}

HKEY OpenRunKey()
{
    HKEY key = NULL;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, const_cast<char*>(""),
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, NULL, &key,
                        &disposition) != ERROR_SUCCESS)
        return NULL;
    return key;
}

// The program's path as the framework derives its help file: the module path with the extension
// "HLP", whose last three characters then become "exe".
CString ProgramPath()
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(NULL, module, MAX_PATH);
    CString path(module);
    int dot = path.ReverseFind('.');
    int slash = path.ReverseFind('\\');
    if (dot > slash)
        path = path.Left(dot);
    path += ".HLP";
    return path.Left(path.GetLength() - 3) + "exe";
}

// The exception's own text, as much as a 255-byte buffer holds, and the exception freed.
CString TakeMessage(CException* e)
{
    char text[255] = {};
    e->GetErrorMessage(text, sizeof text);
    e->Delete();
    return CString(text);
}
}

CDatabaseHolder::~CDatabaseHolder()
{
    if (m_database.IsOpen())
        m_database.Close();
}

bool CDatabaseHolder::Connect(CString& strError)
{
    if (m_database.IsOpen())
    {
        strError = "数据库正在被其他程序使用";
        return false;
    }

    CString path = GetProgramDirectory() + "connect.txt";
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
    {
        strError = "文件connect.txt不存在";
        return false;
    }
    // Every byte counts, line ends included: the configurator writes the string with nothing around it.
    CString connect;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, NULL) && got > 0)
    {
        for (DWORD i = 0; i < got; ++i)
            connect += chunk[i];
    }
    CloseHandle(file);

    try
    {
        if (m_database.OpenEx(connect, CDatabase::noOdbcDialog))
            return true;
        strError = "试图和数据库建立连接的过程中发生错误";
        return false;
    }
    catch (CMemoryException* e)
    {
        strError = TakeMessage(e);
        return false;
    }
    catch (CDBException* e)
    {
        strError = TakeMessage(e);
        return false;
    }
}

CString CDatabaseHolder::GetProgramDirectory()
{
    char module[260] = {};
    GetModuleFileNameA(NULL, module, sizeof module);
    CString path(module);
    int slash = path.ReverseFind('\\');
    if (slash >= 0)
        path = path.Left(slash);
    return path + "\\";
}

void CDatabaseHolder::SetAutorunValueName(LPCTSTR name)
{
    RunValueName() = name;
}

bool CDatabaseHolder::SetAutorun()
{
    HKEY key = OpenRunKey();
    if (key == NULL)
        return false;
    CString path = ProgramPath();
    LONG result = RegSetValueExA(key, RunValueName(), 0, REG_SZ, (const BYTE*)(LPCTSTR)path,
                                 (DWORD)path.GetLength() + 1);
    RegFlushKey(key);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool CDatabaseHolder::ClearAutorun()
{
    HKEY key = OpenRunKey();
    if (key == NULL)
        return false;
    LONG result = RegDeleteValueA(key, RunValueName());
    RegFlushKey(key);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool CDatabaseHolder::IsAutorun()
{
    HKEY key = OpenRunKey();
    if (key == NULL)
        return false;
    char value[200] = {};
    DWORD size = sizeof value;
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, RunValueName(), NULL, &type, (BYTE*)value, &size);
    RegCloseKey(key);
    // A path too long for the buffer is still a value that is set.
    if (result == ERROR_MORE_DATA)
        return size > 1;
    if (result != ERROR_SUCCESS)
        return false;
    value[sizeof value - 1] = 0;
    return value[0] != 0;
}
