#include "tests/support/TestDatabase.h"
#include "framework/CRecordset.h"
#include "framework/CDBException.h"
#include "framework/CDbTextCodec.h"
#include <windows.h>
#include <stdexcept>

extern const char* const g_schemaSql;
extern const char* const g_postgresqlSchemaSql;

namespace {
std::string Utf8ToAnsi(const char* utf8)
{
    std::string out;
    CDbTextCodec::Convert(CP_UTF8, CP_ACP, utf8, strlen(utf8), out);
    return out;
}
}

bool TestDatabase::OnServer()
{
    char value[32] = {};
    DWORD length = GetEnvironmentVariableA("VORLEN_TEST_DATA_SOURCE", value, sizeof value);
    return length > 0 && length < sizeof value && lstrcmpiA(value, "postgresql") == 0;
}

std::string TestDatabase::ServerConnectString()
{
    char value[1024] = {};
    DWORD length = GetEnvironmentVariableA("VORLEN_TEST_POSTGRESQL", value, sizeof value);
    return length < sizeof value ? std::string(value, length) : std::string();
}

std::vector<std::string> TestDatabase::SchemaStatements()
{
    std::vector<std::string> statements;
    std::string current;
    const char* p = OnServer() ? g_postgresqlSchemaSql : g_schemaSql;
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
    if (OnServer())
    {
        // Test processes run side by side on one server: each test gets a schema of its own,
        // first on the search path of every connection made with ConnectString().
        std::string server = ServerConnectString();
        if (server.empty())
            throw std::runtime_error("no test server: VORLEN_TEST_POSTGRESQL is not set");
        wsprintfA(unique, "vorlen_test_%lu_%ld", GetCurrentProcessId(), counter);
        m_schema = unique;
        m_connect = server + ";ConnSettings=SET search_path TO " + m_schema;
        m_db.OpenEx(m_connect.c_str(), CDatabase::noOdbcDialog);
        Exec("DROP SCHEMA IF EXISTS " + m_schema + " CASCADE");
        Exec("CREATE SCHEMA " + m_schema);
    }
    else
    {
        m_path = m_folder + "test.db";
        DeleteFileA(m_path.c_str());
        // StepAPI as in the connection file tools/run writes: the driver steps through results.
        m_connect = "DRIVER=SQLite3;Database=" + DriverPath(m_path) + ";StepAPI=1";
        m_db.OpenEx(m_connect.c_str(), CDatabase::noOdbcDialog);
    }
    if (content == Schema)
        for (const std::string& statement : SchemaStatements())
            Exec(statement);
}

TestDatabase::~TestDatabase()
{
    if (!m_schema.empty())
        DropSchema();
    m_db.Close();
    if (!m_path.empty())
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

void TestDatabase::DropSchema()
{
    try
    {
        // A test may have closed its connection, or left it inside a transaction.
        if (!m_db.IsOpen())
            m_db.OpenEx(m_connect.c_str(), CDatabase::noOdbcDialog);
        m_db.Rollback();
        m_db.ExecuteSQL(("DROP SCHEMA IF EXISTS " + m_schema + " CASCADE").c_str());
    }
    catch (CException* e)
    {
        e->Delete();
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

namespace {
std::string ScalarOn(CDatabase& db, const std::string& sql)
{
    CRecordset rs(&db);
    rs.Open(CRecordset::forwardOnly, sql.c_str());
    CString value;
    if (!rs.IsEOF())
        rs.GetFieldValue((short)0, value);
    rs.Close();
    return std::string((LPCTSTR)value);
}

std::string RowsOn(CDatabase& db, const std::string& sql)
{
    CRecordset rs(&db);
    rs.Open(CRecordset::forwardOnly, sql.c_str());
    std::string rows;
    CString value;
    for (bool first = true; !rs.IsEOF(); rs.MoveNext(), first = false)
    {
        if (!first)
            rows += "|";
        for (short i = 0; i < rs.GetODBCFieldCount(); ++i)
        {
            rs.GetFieldValue(i, value);
            rows += (i == 0 ? "" : ",") + std::string((LPCTSTR)value);
        }
    }
    rs.Close();
    return rows;
}
}

std::string TestDatabase::Scalar(const std::string& sql)
{
    return ScalarOn(m_db, sql);
}

std::string TestDatabase::CommittedScalar(const std::string& sql)
{
    CDatabase other;
    other.OpenEx(m_connect.c_str(), CDatabase::noOdbcDialog);
    return ScalarOn(other, sql);
}

std::string TestDatabase::Rows(const std::string& sql)
{
    return RowsOn(m_db, sql);
}

std::string TestDatabase::CommittedRows(const std::string& sql)
{
    CDatabase other;
    other.OpenEx(m_connect.c_str(), CDatabase::noOdbcDialog);
    return RowsOn(other, sql);
}

void TestDatabase::RefuseCommitsAfterInsertsInto(const std::string& table)
{
    // Each insert leaves a reference to a row that never exists, checked only at the commit.
    Exec("CREATE TABLE IF NOT EXISTS commit_guard_parent (id INTEGER PRIMARY KEY)");
    if (m_schema.empty())
    {
        Exec("PRAGMA foreign_keys=ON");
        Exec("CREATE TABLE IF NOT EXISTS commit_guard (parent INTEGER REFERENCES "
             "commit_guard_parent(id) DEFERRABLE INITIALLY DEFERRED)");
        Exec("CREATE TRIGGER commit_guard_" + table + " AFTER INSERT ON " + table +
             " BEGIN INSERT INTO commit_guard VALUES(1); END");
        return;
    }
    Exec("CREATE TABLE IF NOT EXISTS commit_guard (parent INTEGER)");
    Exec("ALTER TABLE commit_guard DROP CONSTRAINT IF EXISTS commit_guard_parent");
    Exec("ALTER TABLE commit_guard ADD CONSTRAINT commit_guard_parent FOREIGN KEY (parent) "
         "REFERENCES commit_guard_parent(id) DEFERRABLE INITIALLY DEFERRED");
    Exec("CREATE OR REPLACE FUNCTION commit_guard() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN "
         "INSERT INTO commit_guard VALUES(1); RETURN NULL; END$$");
    Exec("DROP TRIGGER IF EXISTS commit_guard_" + table + " ON " + table);
    Exec("CREATE TRIGGER commit_guard_" + table + " AFTER INSERT ON " + table +
         " FOR EACH ROW EXECUTE FUNCTION commit_guard()");
}

void TestDatabase::AcceptCommitsAgain()
{
    if (m_schema.empty())
    {
        Exec("PRAGMA foreign_keys=OFF");
        return;
    }
    Exec("ALTER TABLE commit_guard DROP CONSTRAINT commit_guard_parent");
    Exec("DELETE FROM commit_guard");
}

void TestDatabase::Refuse(const std::string& name, const std::string& event,
                          const std::string& table, const std::string& message,
                          const std::string& condition)
{
    if (m_schema.empty())
    {
        Exec("CREATE TRIGGER " + name + " BEFORE " + event + " ON " + table +
             (condition.empty() ? "" : " WHEN " + condition) + " BEGIN SELECT RAISE(ABORT, '" +
             message + "'); END");
        return;
    }
    Exec("CREATE FUNCTION " + name +
         "() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN RAISE "
         "EXCEPTION '" +
         message + "'; END$$");
    Exec("CREATE TRIGGER " + name + " BEFORE " + event + " ON " + table + " FOR EACH ROW " +
         (condition.empty() ? "" : "WHEN (" + condition + ") ") + "EXECUTE FUNCTION " + name +
         "()");
}

void TestDatabase::Allow(const std::string& name, const std::string& table)
{
    if (m_schema.empty())
    {
        Exec("DROP TRIGGER " + name);
        return;
    }
    Exec("DROP TRIGGER " + name + " ON " + table);
    Exec("DROP FUNCTION " + name + "()");
}
