// Buffered file of the C run-time, read and written a line at a time (text mode turns "\n" into "\r\n").
#pragma once
#include "framework/CFile.h"
#include <stdio.h>

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    // Wraps a stream opened elsewhere; Close leaves it open.
    explicit CStdioFile(FILE* pOpenStream);
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    FILE* m_pStream;

    // One line without its "\n"; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);
    // Up to nMax - 1 bytes, keeping the "\n"; NULL at the end of the file.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    virtual void WriteString(LPCTSTR lpsz);

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;
    CFile* Duplicate() const override;

private:
    BOOL m_bCloseStream;
};
