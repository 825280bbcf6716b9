// pelmar's connection file: read byte for byte, written whole or not at all.
#include "config/CConnectionFile.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UnwritableFolder.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>

namespace
{
// A folder of its own below the temp folder, removed with what is in it.
class Folder
{
public:
    Folder()
    {
        static LONG counter = 0;
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        char unique[64];
        wsprintfA(unique, "pelmar-%lu-%ld\\", GetCurrentProcessId(), InterlockedIncrement(&counter));
        m_path = std::string(temp) + unique;
        CreateDirectoryA(m_path.c_str(), NULL);
    }
    ~Folder()
    {
        for (const std::string& name : Names())
            DeleteFileA((m_path + name).c_str());
        RemoveDirectoryA(m_path.c_str());
    }
    const std::string& Path() const { return m_path; }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((m_path + "*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(data.cFileName);
        } while (FindNextFileA(find, &data));
        FindClose(find);
        return names;
    }

private:
    std::string m_path;
};

void Put(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, NULL);
    CloseHandle(file);
}

std::string Get(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char chunk[512];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, NULL) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}
}

TEST(ConnectionFile, ReadsEveryByteAndNothingElse)
{
    Folder folder;
    std::string path = folder.Path() + "connect.txt";
    CString connect = "left alone";
    EXPECT_FALSE(CConnectionFile::Read(path.c_str(), connect));
    EXPECT_STREQ("left alone", connect);

    for (std::string bytes : {std::string(""), std::string(" DSN=药房;UID=管理员;PWD=a b \r\n"),
                              std::string(5000, 'x') + "尾"}) {
        Put(path, bytes);
        ASSERT_TRUE(CConnectionFile::Read(path.c_str(), connect));
        EXPECT_EQ(bytes, std::string(connect, connect.GetLength()));
    }
}

TEST(ConnectionFile, ReplacesTheOldFileWithExactlyTheStringsBytes)
{
    Folder folder;
    std::string path = folder.Path() + "connect.txt";
    ASSERT_TRUE(CConnectionFile::Write(path.c_str(), "DSN=first"));
    EXPECT_EQ("DSN=first", Get(path));
    CString second = "DSN=药房;UID=管理员;PWD=口令";
    ASSERT_TRUE(CConnectionFile::Write(path.c_str(), second));
    EXPECT_EQ(std::string((LPCTSTR)second), Get(path));
    // Nothing is left beside it.
    EXPECT_EQ(std::vector<std::string>{"connect.txt"}, folder.Names());
}

TEST(ConnectionFile, AFailedWriteLeavesTheOldFileAsItWas)
{
    Folder folder;
    std::string path = folder.Path() + "connect.txt";
    Put(path, "DSN=old");
    {
        // The old file read-only: the new one cannot take its place.
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        EXPECT_FALSE(CConnectionFile::Write(path.c_str(), "DSN=new"));
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ("DSN=old", Get(path));
        EXPECT_EQ(std::vector<std::string>{"connect.txt"}, folder.Names());
    }
    {
        UnwritableFolder locked(folder.Path());
        if (!locked.IsUnwritable())
            GTEST_SKIP() << "no way to make a folder unwritable here";
        EXPECT_FALSE(CConnectionFile::Write(path.c_str(), "DSN=new"));
    }
    EXPECT_EQ("DSN=old", Get(path));
    EXPECT_EQ(std::vector<std::string>{"connect.txt"}, folder.Names());
}
