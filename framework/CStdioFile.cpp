#include "framework/CStdioFile.h"
#include "framework/CFileException.h"
#include "framework/CNotSupportedException.h"
#include <errno.h>
#include <share.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(NULL), m_bCloseStream(FALSE)
{}

CStdioFile::CStdioFile(FILE* pOpenStream) : m_pStream(pOpenStream), m_bCloseStream(FALSE)
{}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags)
    : m_pStream(NULL), m_bCloseStream(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != NULL && m_bCloseStream)
        Abort();
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pException)
{
    m_pStream = NULL;
    m_bCloseStream = FALSE;
    char szMode[4];
    int nMode = 0;
    if (nOpenFlags & modeCreate)
        szMode[nMode++] = (nOpenFlags & modeNoTruncate) ? 'a' : 'w';
    else if (nOpenFlags & modeWrite)
        szMode[nMode++] = 'a';
    else
        szMode[nMode++] = 'r';
    // Reading and writing both: the stream needs "+" whichever letter opened it.
    if ((szMode[0] == 'r' && (nOpenFlags & modeReadWrite)) ||
        (szMode[0] != 'r' && !(nOpenFlags & modeWrite)))
        szMode[nMode++] = '+';
    szMode[nMode++] = (nOpenFlags & typeBinary) ? 'b' : 't';
    szMode[nMode] = '\0';

    int nShare = _SH_DENYNO;
    switch (nOpenFlags & 0x70)
    {
    case shareDenyWrite: nShare = _SH_DENYWR; break;
    case shareDenyRead: nShare = _SH_DENYRD; break;
    case shareExclusive: nShare = _SH_DENYRW; break;
    default: nShare = _SH_DENYNO; break;
    }

    m_pStream = _fsopen(lpszFileName, szMode, nShare);
    if (m_pStream == NULL)
    {
        if (pException != NULL)
        {
            pException->m_lOsError = errno;
            pException->m_cause = CFileException::ErrnoToException(errno);
            pException->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_bCloseStream = TRUE;
    m_strFileName = lpszFileName;
    return TRUE;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    size_t nRead = fread(lpBuf, 1, nCount, m_pStream);
    if (nRead == 0 && ferror(m_pStream))
    {
        clearerr(m_pStream);
        CFileException::ThrowErrno(EIO, m_strFileName);
    }
    return (UINT)nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        CFileException::ThrowErrno(errno, m_strFileName);
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    char szBuffer[256];
    BOOL bAny = FALSE;
    while (fgets(szBuffer, sizeof(szBuffer), m_pStream) != NULL)
    {
        bAny = TRUE;
        size_t nLen = strlen(szBuffer);
        if (nLen > 0 && szBuffer[nLen - 1] == '\n')
        {
            szBuffer[nLen - 1] = '\0';
            rString += szBuffer;
            return TRUE;
        }
        rString += szBuffer;
    }
    if (ferror(m_pStream))
    {
        clearerr(m_pStream);
        CFileException::ThrowErrno(EIO, m_strFileName);
    }
    return bAny;
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax)
{
    if (lpsz == NULL || nMax == 0)
        return NULL;
    LPTSTR lpszResult = fgets(lpsz, (int)nMax, m_pStream);
    if (lpszResult == NULL && ferror(m_pStream))
    {
        clearerr(m_pStream);
        CFileException::ThrowErrno(EIO, m_strFileName);
    }
    return lpszResult;
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    if (fputs(lpsz, m_pStream) == EOF)
        CFileException::ThrowErrno(errno, m_strFileName);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    int nOrigin = nFrom == begin ? SEEK_SET : (nFrom == current ? SEEK_CUR : SEEK_END);
    if (_fseeki64(m_pStream, lOff, nOrigin) != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    return (ULONGLONG)_ftelli64(m_pStream);
}

ULONGLONG CStdioFile::GetPosition() const
{
    long long nPos = _ftelli64(m_pStream);
    if (nPos < 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    return (ULONGLONG)nPos;
}

ULONGLONG CStdioFile::GetLength() const
{
    long long nCurrent = _ftelli64(m_pStream);
    if (nCurrent < 0 || _fseeki64(m_pStream, 0, SEEK_END) != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    long long nLength = _ftelli64(m_pStream);
    _fseeki64(m_pStream, nCurrent, SEEK_SET);
    return (ULONGLONG)nLength;
}

void CStdioFile::Flush()
{
    if (m_pStream != NULL && fflush(m_pStream) != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
}

void CStdioFile::Close()
{
    int nErr = 0;
    if (m_pStream != NULL && m_bCloseStream)
        nErr = fclose(m_pStream);
    m_pStream = NULL;
    m_bCloseStream = FALSE;
    CString strName = m_strFileName;
    m_strFileName.Empty();
    if (nErr != 0)
        CFileException::ThrowErrno(errno, strName);
}

void CStdioFile::Abort()
{
    if (m_pStream != NULL && m_bCloseStream)
        fclose(m_pStream);
    m_pStream = NULL;
    m_bCloseStream = FALSE;
    m_strFileName.Empty();
}

CFile* CStdioFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}
