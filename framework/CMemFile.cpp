#include "framework/CMemFile.h"
#include "framework/CFileException.h"
#include "framework/CMemoryException.h"
#include "framework/CNotSupportedException.h"
#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

// Files in memory stay below 2 GB: every stored count and size is 32-bit.
static const SIZE_T kMaxMemFileSize = 0x7FFFFFFF;

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL),
      m_bAutoDelete(TRUE)
{}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_nGrowBytes(0), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL),
      m_bAutoDelete(TRUE)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    if (m_lpBuffer != NULL)
        Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = lpBuffer;
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_nBufferSize = nBufferSize;
    // A fixed block is read as it is; a growable one is filled from the start.
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = NULL;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    return lpBuffer;
}

BYTE* CMemFile::Alloc(SIZE_T nBytes)
{
    return (BYTE*)malloc(nBytes);
}

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes)
{
    return (BYTE*)realloc(lpMem, nBytes);
}

void CMemFile::Free(BYTE* lpMem)
{
    free(lpMem);
}

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0 || dwNewLen > kMaxMemFileSize)
        AfxThrowMemoryException();
    SIZE_T dwNewBufferSize = m_nBufferSize;
    while (dwNewBufferSize < dwNewLen)
        dwNewBufferSize += m_nGrowBytes;
    BYTE* lpNew =
        m_lpBuffer == NULL ? Alloc(dwNewBufferSize) : Realloc(m_lpBuffer, dwNewBufferSize);
    if (lpNew == NULL)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = dwNewBufferSize;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    SIZE_T nRead = m_nFileSize - m_nPosition;
    if (nRead > nCount)
        nRead = nCount;
    memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return (UINT)nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (m_nPosition > kMaxMemFileSize - nCount)
        AfxThrowMemoryException();
    if (m_nPosition + nCount > m_nBufferSize)
        GrowFile(m_nPosition + nCount);
    memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition += nCount;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG lNewPos;
    if (nFrom == begin)
        lNewPos = lOff;
    else if (nFrom == current)
        lNewPos = (LONGLONG)m_nPosition + lOff;
    else if (nFrom == end)
        lNewPos = (LONGLONG)m_nFileSize + lOff;
    else
        return m_nPosition;
    if (lNewPos < 0 || lNewPos > (LONGLONG)kMaxMemFileSize)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = (SIZE_T)lNewPos;
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > kMaxMemFileSize)
        AfxThrowMemoryException();
    if (dwNewLen > m_nBufferSize)
        GrowFile((SIZE_T)dwNewLen);
    if (dwNewLen < m_nPosition)
        m_nPosition = (SIZE_T)dwNewLen;
    if (dwNewLen > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, (SIZE_T)dwNewLen - m_nFileSize);
    m_nFileSize = (SIZE_T)dwNewLen;
}

void CMemFile::Close()
{
    m_nGrowBytes = 0;
    m_nPosition = 0;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = NULL;
}

void CMemFile::Abort()
{
    Close();
}

void CMemFile::LockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}

void CMemFile::UnlockRange(ULONGLONG, ULONGLONG)
{
    AfxThrowNotSupportedException();
}

CFile* CMemFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}
