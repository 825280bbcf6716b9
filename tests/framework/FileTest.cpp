#include "framework/FrameworkCore.h"
#include <gtest/gtest.h>
#include <string>

static CString TempPath(LPCTSTR pszName)
{
    char szPath[MAX_PATH];
    GetTempPathA(MAX_PATH, szPath);
    return CString(szPath) + pszName;
}

TEST(File, WrappedHandleStaysOpenWhenTheFileGoes)
{
    CString strPath = TempPath("vorlen_handle_test.bin");
    HANDLE h = CreateFileA(strPath, GENERIC_READ | GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    {
        CFile file(h);
        file.Write("abc", 3);
        file.Close();
    }
    DWORD dwWritten = 0;
    EXPECT_TRUE(WriteFile(h, "de", 2, &dwWritten, NULL));
    EXPECT_EQ(GetFileSize(h, NULL), 5u);
    EXPECT_TRUE(CloseHandle(h));

    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(strPath, status));
    EXPECT_EQ(status.m_size, 5u);
    CFile::Remove(strPath);
    EXPECT_FALSE(CFile::GetStatus(strPath, status));
}

TEST(File, OpenFailureReportsTheCause)
{
    CFile file;
    CFileException e;
    EXPECT_FALSE(file.Open(TempPath("no_such_dir\\x.bin"), CFile::modeRead, &e));
    EXPECT_EQ(e.m_cause, CFileException::badPath);
    EXPECT_FALSE(file.Open(TempPath("vorlen_missing.bin"), CFile::modeRead, &e));
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    EXPECT_THROW(CFile(TempPath("vorlen_missing.bin"), CFile::modeRead), CFileException*);
}

TEST(File, NameAndTitleKeepDoubleByteCharacters)
{
    CString strPath = TempPath("\xD7\x5C"
                               "x.txt"); // the first character's trail byte is a backslash
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(file.GetFileName(), "\xD7\x5C"
                                  "x.txt");
    EXPECT_EQ(file.GetFileTitle(), "\xD7\x5C"
                                   "x");
    file.Close();
    CFile::Remove(strPath);
}

TEST(MemFile, GrowsAttachesAndDetaches)
{
    CMemFile file(16);
    std::string text(100, 'q');
    file.Write(text.data(), (UINT)text.size());
    EXPECT_EQ(file.GetLength(), 100u);
    file.SeekToBegin();
    char buffer[200];
    EXPECT_EQ(file.Read(buffer, sizeof(buffer)), 100u);
    EXPECT_EQ(file.Seek(-10, CFile::end), 90u);
    EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException*);
    BYTE* pData = file.Detach();
    EXPECT_EQ(file.GetLength(), 0u);
    EXPECT_EQ(pData[99], 'q');
    free(pData);

    BYTE fixed[4] = {1, 2, 3, 4};
    CMemFile over(fixed, sizeof(fixed));
    EXPECT_EQ(over.GetLength(), 4u);
    over.Seek(2, CFile::begin);
    over.Write("\x09", 1);
    EXPECT_EQ(fixed[2], 9);
    over.SeekToEnd();
    // A caller's block without a growth step cannot grow.
    EXPECT_THROW(over.Write("x", 1), CMemoryException*);
}

TEST(SharedFile, HandsOverGlobalMemoryOfTheWrittenSize)
{
    CSharedFile file;
    file.Write("button", 6);
    HGLOBAL hMem = file.Detach();
    ASSERT_NE(hMem, (HGLOBAL)NULL);
    EXPECT_EQ(GlobalSize(hMem), 6u);

    CSharedFile reader;
    reader.SetHandle(hMem);
    char text[7] = {};
    EXPECT_EQ(reader.Read(text, 6), 6u);
    EXPECT_STREQ(text, "button");
    reader.SeekToEnd();
    reader.Write("s", 1); // a given block may still grow
    EXPECT_EQ(reader.GetLength(), 7u);
}

TEST(StdioFile, ReadsAndWritesLines)
{
    CString strPath = TempPath("vorlen_lines.txt");
    {
        CStdioFile file(strPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("销售\n");
        file.WriteString(CString('y', 300) + "\nlast");
    }
    {
        CFile raw(strPath, CFile::modeRead);
        char bytes[6];
        raw.Read(bytes, 6);
        EXPECT_EQ(std::string(bytes, 6), "销售\r\n"); // text mode writes CR LF
    }
    CStdioFile file(strPath, CFile::modeRead | CFile::typeText);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, "销售");
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, CString('y', 300));
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(file.ReadString(line));
    file.Close();
    CFile::Remove(strPath);
}
