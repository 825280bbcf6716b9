#include "tests/support/TestDatabase.h"
#include "framework/CRecordset.h"
#include "framework/CDBException.h"
#include "framework/CDbTextCodec.h"
#include <windows.h>
#include <stdexcept>

extern const char* const g_schemaSql;

namespace {
std::string Utf8ToAnsi(const char* utf8)
{
    std::string out;
    CDbTextCodec::Convert(CP_UTF8, CP_ACP, utf8, strlen(utf8), out);
    return out;
}
}

std::vector<std::string> TestDatabase::SchemaStatements()
{
    std::vector<std::string> statements;
    std::string current;
    const char* p = g_schemaSql;
    while (*p)
    {
        const char* end = strchr(p, '\n');
        std::string line = end ? std::string(p, end) : std::string(p);
        p = end ? end + 1 : p + line.size();
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.compare(0, 2, "--") == 0)
            continue;
        current += line;
        current += "\n";
        if (!line.empty() && line.back() == ';')
        {
            current.erase(current.find_last_of(';'));
            statements.push_back(current);
            current.clear();
        }
    }
    return statements;
}

std::string TestDatabase::DriverPath(const std::string& windowsPath)
{
    typedef char*(CDECL * UnixName)(LPCWSTR);
    auto toUnix = (UnixName)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"),
                                                  "wine_get_unix_file_name");
    if (toUnix == nullptr)
        return windowsPath;
    WCHAR wide[MAX_PATH * 2];
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH * 2);
    char* unixName = toUnix(wide);
    if (unixName == nullptr)
        throw std::runtime_error("no Unix name for " + windowsPath);
    std::string result = Utf8ToAnsi(unixName);
    HeapFree(GetProcessHeap(), 0, unixName);
    return result;
}

TestDatabase::TestDatabase(Content content, const char* folderName)
{
    static LONG counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char unique[64];
    wsprintfA(unique, "vorlen-db-%lu-%ld", GetCurrentProcessId(), InterlockedIncrement(&counter));
    m_folder = std::string(temp) + unique + "\\";
    CreateDirectoryA(m_folder.c_str(), nullptr);
    if (folderName != nullptr)
    {
        m_folder += std::string(folderName) + "\\";
        CreateDirectoryA(m_folder.c_str(), nullptr);
    }
    m_path = m_folder + "test.db";
    DeleteFileA(m_path.c_str());
    m_connect = "DRIVER=SQLite3;Database=" + DriverPath(m_path) + ";StepAPI=1";
    m_db.OpenEx(m_connect.c_str(), CDatabase::noOdbcDialog);
    if (content == Schema)
        for (const std::string& statement : SchemaStatements())
            Exec(statement);
}

TestDatabase::~TestDatabase()
{
    m_db.Close();
    DeleteFileA(m_path.c_str());
    // Remove the folders this fixture made, innermost first; anything a test left there keeps them.
    std::string folder = m_folder;
    while (folder.size() > 1 && folder.find("vorlen-db-") != std::string::npos)
    {
        folder.pop_back();
        if (!RemoveDirectoryA(folder.c_str()))
            break;
        folder.erase(folder.find_last_of('\\') + 1);
    }
}

void TestDatabase::Exec(const std::string& sql)
{
    try
    {
        m_db.ExecuteSQL(sql.c_str());
    }
    catch (CException* e)
    {
        char text[512] = {};
        e->GetErrorMessage(text, sizeof text);
        e->Delete();
        throw std::runtime_error("statement refused: " + sql + ": " + text);
    }
}

std::string TestDatabase::Scalar(const std::string& sql)
{
    CRecordset rs(&m_db);
    rs.Open(CRecordset::forwardOnly, sql.c_str());
    CString value;
    if (!rs.IsEOF())
        rs.GetFieldValue((short)0, value);
    rs.Close();
    return std::string((LPCTSTR)value);
}
