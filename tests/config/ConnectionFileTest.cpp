// pelmar's connection file: read byte for byte, written whole or not at all.
#include "config/CConnectionFile.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UnwritableFolder.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>

namespace {
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
        wsprintfA(unique, "pelmar-%lu-%ld\\", GetCurrentProcessId(),
                  InterlockedIncrement(&counter));
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
        do
        {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(data.cFileName);
        } while (FindNextFileA(find, &data));
        FindClose(find);
        return names;
    }

private:
    std::string m_path;
};

}

TEST(ConnectionFile, ReadsEveryByteAndNothingElse)
{
    Folder folder;
    std::string path = folder.Path() + "connect.txt";
    CString connect = "left alone";
    EXPECT_FALSE(CConnectionFile::Read(path.c_str(), connect));
    EXPECT_STREQ("left alone", connect);

    for (std::string bytes : {std::string(""), std::string(" DSN=药房;UID=管理员;PWD=a b \r\n"),
                              std::string(5000, 'x') + "尾"})
    {
        ASSERT_TRUE(TestFiles::Write(path, bytes));
        ASSERT_TRUE(CConnectionFile::Read(path.c_str(), connect));
        EXPECT_EQ(bytes, std::string(connect, connect.GetLength()));
    }
}

TEST(ConnectionFile, ReplacesTheOldFileWithExactlyTheStringsBytes)
{
    Folder folder;
    std::string path = folder.Path() + "connect.txt";
    ASSERT_TRUE(CConnectionFile::Write(path.c_str(), "DSN=first"));
    EXPECT_EQ("DSN=first", TestFiles::Read(path));
    CString second = "DSN=药房;UID=管理员;PWD=口令";
    ASSERT_TRUE(CConnectionFile::Write(path.c_str(), second));
    EXPECT_EQ(std::string((LPCTSTR)second), TestFiles::Read(path));
    // Nothing is left beside it.
    EXPECT_EQ(std::vector<std::string>{"connect.txt"}, folder.Names());
}

TEST(ConnectionFile, AFailedWriteLeavesTheOldFileAsItWas)
{
    Folder folder;
    std::string path = folder.Path() + "connect.txt";
    ASSERT_TRUE(TestFiles::Write(path, "DSN=old"));
    {
        // The old file read-only: the new one cannot take its place.
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        EXPECT_FALSE(CConnectionFile::Write(path.c_str(), "DSN=new"));
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ("DSN=old", TestFiles::Read(path));
        EXPECT_EQ(std::vector<std::string>{"connect.txt"}, folder.Names());
    }
    {
        UnwritableFolder locked(folder.Path());
        if (!locked.IsUnwritable())
            GTEST_SKIP() << "no way to make a folder unwritable here";
        EXPECT_FALSE(CConnectionFile::Write(path.c_str(), "DSN=new"));
    }
    EXPECT_EQ("DSN=old", TestFiles::Read(path));
    EXPECT_EQ(std::vector<std::string>{"connect.txt"}, folder.Names());
}
