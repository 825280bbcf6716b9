// The database holder: the connection file beside the program, its fixed messages, and the run-at-logon value.
#include "app/CDatabaseHolder.h"
#include "tests/support/TestDatabase.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

namespace {
// Writes connect.txt beside the test program with exactly the given bytes, and removes it again.
class ConnectFile
{
public:
    explicit ConnectFile(const std::string& bytes, const std::string& folder = "")
        : m_path((folder.empty() ? std::string((LPCTSTR)CDatabaseHolder::GetProgramDirectory())
                                 : folder) +
                 "connect.txt")
    {
        HANDLE file = CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, NULL);
        DWORD written = 0;
        WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, NULL);
        CloseHandle(file);
    }
    ~ConnectFile() { DeleteFileA(m_path.c_str()); }

private:
    std::string m_path;
};

std::string ReadRunValue()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                      KEY_READ, &key) != ERROR_SUCCESS)
        return "<no key>";
    char value[1024] = {};
    DWORD size = sizeof value - 1, type = 0;
    LONG result = RegQueryValueExA(key, "Vorlen", NULL, &type, (BYTE*)value, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return "<none>";
    EXPECT_EQ((DWORD)REG_SZ, type);
    EXPECT_EQ(strlen(value) + 1, size); // the terminator is counted
    return value;
}
}

TEST(DatabaseHolder, ProgramDirectoryIsTheFolderOfTheRunningProgram)
{
    char module[MAX_PATH];
    GetModuleFileNameA(NULL, module, MAX_PATH);
    std::string expected(module);
    expected.erase(expected.find_last_of('\\') + 1);
    EXPECT_EQ(expected, (LPCTSTR)CDatabaseHolder::GetProgramDirectory());
}

TEST(DatabaseHolder, ConnectsWithTheConnectStringOfTheFileAndRefusesASecondConnect)
{
    TestDatabase t;
    ConnectFile file(t.ConnectString());
    CDatabaseHolder holder;
    CString error;
    ASSERT_TRUE(holder.Connect(error)) << (LPCTSTR)error;
    EXPECT_TRUE(error.IsEmpty());
    ASSERT_TRUE(holder.GetDatabase()->IsOpen());
    CString connect = holder.GetDatabase()->GetConnect();

    EXPECT_FALSE(holder.Connect(error));
    EXPECT_STREQ("数据库正在被其他程序使用", error);
    EXPECT_TRUE(holder.GetDatabase()->IsOpen());
    EXPECT_STREQ(connect, holder.GetDatabase()->GetConnect());
    holder.GetDatabase()->ExecuteSQL("SELECT * FROM 操作员");
}

TEST(DatabaseHolder, ReportsTheFixedAndTheDriverManagersMessages)
{
    TestDatabase t;
    CString error;
    {
        CDatabaseHolder holder;
        EXPECT_FALSE(holder.Connect(error));
        EXPECT_STREQ("文件connect.txt不存在", error);
    }
    {
        // Only in the current directory: not found either.
        ConnectFile file(t.ConnectString(), t.Folder());
        char previous[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, previous);
        SetCurrentDirectoryA(t.Folder().c_str());
        CDatabaseHolder holder;
        error.Empty();
        EXPECT_FALSE(holder.Connect(error));
        SetCurrentDirectoryA(previous);
        EXPECT_STREQ("文件connect.txt不存在", error);
    }
    const std::string huge = "DSN=x;" + std::string(70000, 'a') + std::string(1, '\0') + "b";
    struct
    {
        std::string content;
        const char* message;
    } cases[] = {
        {"", "Data source name not found and no default driver specified\n"},
        {"DSN=vorlen-unknown-source;UID=admin",
         "Data source name not found and no default driver specified\n"},
        {huge, "未能连接数据源。\n"},
    };
    for (auto& c : cases)
    {
        ConnectFile file(c.content);
        CDatabaseHolder holder;
        error.Empty();
        EXPECT_FALSE(holder.Connect(error));
        EXPECT_STREQ(c.message, error) << c.content.substr(0, 40);
        EXPECT_FALSE(holder.GetDatabase()->IsOpen());
    }
}

TEST(DatabaseHolder, LineEndAtTheEndOfTheFileBelongsToTheLastValue)
{
    TestDatabase t;
    // With the line end the file name is another one, which NoCreat=1 does not let the driver make.
    std::string strict = "DRIVER=SQLite3;NoCreat=1;Database=" + TestDatabase::DriverPath(t.Path());
    CString error;
    {
        ConnectFile file(strict + "\r\n");
        CDatabaseHolder holder;
        EXPECT_FALSE(holder.Connect(error));
        EXPECT_FALSE(error.IsEmpty());
    }
    {
        ConnectFile file(strict);
        CDatabaseHolder holder;
        error.Empty();
        EXPECT_TRUE(holder.Connect(error)) << (LPCTSTR)error;
    }
}

TEST(DatabaseHolder, AutorunValueIsSetReadAndCleared)
{
    CDatabaseHolder::ClearAutorun();
    EXPECT_FALSE(CDatabaseHolder::IsAutorun());
    EXPECT_EQ("<none>", ReadRunValue());

    EXPECT_TRUE(CDatabaseHolder::SetAutorun());
    EXPECT_TRUE(CDatabaseHolder::IsAutorun());
    char module[MAX_PATH];
    GetModuleFileNameA(NULL, module, MAX_PATH);
    std::string expected(module);
    expected = expected.substr(0, expected.size() - 3) + "exe";
    EXPECT_EQ(expected, ReadRunValue());

    // Any value counts, another copy's path or one longer than the reading buffer.
    const std::string others[] = {"D:\\另一个\\vorlen.exe",
                                  "C:\\" + std::string(250, 'x') + "\\vorlen.exe"};
    for (const std::string& other : others)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                                               "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                               0, KEY_SET_VALUE, &key));
        RegSetValueExA(key, "Vorlen", 0, REG_SZ, (const BYTE*)other.c_str(),
                       (DWORD)other.size() + 1);
        RegCloseKey(key);
        EXPECT_TRUE(CDatabaseHolder::IsAutorun()) << other;
    }

    EXPECT_TRUE(CDatabaseHolder::ClearAutorun());
    EXPECT_FALSE(CDatabaseHolder::IsAutorun());
    EXPECT_EQ("<none>", ReadRunValue());
}
