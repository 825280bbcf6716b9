#include "framework/CFile.h"
#include "framework/CFileException.h"
#include "framework/CNotSupportedException.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE)
{}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags)
    : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pException)
{
    m_bCloseOnDelete = FALSE;
    m_hFile = INVALID_HANDLE_VALUE;
    m_strFileName.Empty();

    char szFullPath[MAX_PATH];
    LPSTR pszFilePart = NULL;
    DWORD nFull = GetFullPathNameA(lpszFileName, MAX_PATH, szFullPath, &pszFilePart);
    m_strFileName = (nFull > 0 && nFull < MAX_PATH) ? szFullPath : lpszFileName;

    DWORD dwAccess = 0;
    switch (nOpenFlags & 3)
    {
    case modeRead: dwAccess = GENERIC_READ; break;
    case modeWrite: dwAccess = GENERIC_WRITE; break;
    case modeReadWrite: dwAccess = GENERIC_READ | GENERIC_WRITE; break;
    default: dwAccess = GENERIC_READ; break;
    }

    DWORD dwShareMode = 0;
    switch (nOpenFlags & 0x70)
    {
    case shareCompat:
    case shareExclusive: dwShareMode = 0; break;
    case shareDenyWrite: dwShareMode = FILE_SHARE_READ; break;
    case shareDenyRead: dwShareMode = FILE_SHARE_WRITE; break;
    case shareDenyNone: dwShareMode = FILE_SHARE_WRITE | FILE_SHARE_READ; break;
    default: dwShareMode = 0; break;
    }

    SECURITY_ATTRIBUTES sa;
    sa.nLength = sizeof(sa);
    sa.lpSecurityDescriptor = NULL;
    sa.bInheritHandle = (nOpenFlags & modeNoInherit) == 0;

    DWORD dwCreateFlag;
    if (nOpenFlags & modeCreate)
        dwCreateFlag = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    else
        dwCreateFlag = OPEN_EXISTING;

    HANDLE hFile = ::CreateFileA(lpszFileName, dwAccess, dwShareMode, &sa, dwCreateFlag,
                                 FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        if (pException != NULL)
        {
            pException->m_lOsError = (LONG)::GetLastError();
            pException->m_cause = CFileException::OsErrorToException(pException->m_lOsError);
            pException->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    DWORD dwRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &dwRead, NULL))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (UINT)dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD nWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &nWritten, NULL))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LARGE_INTEGER liOff, liNew;
    liOff.QuadPart = lOff;
    DWORD dwMethod = nFrom == begin ? FILE_BEGIN : (nFrom == current ? FILE_CURRENT : FILE_END);
    if (!::SetFilePointerEx(m_hFile, liOff, &liNew, dwMethod))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (ULONGLONG)liNew.QuadPart;
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER liOff, liNew;
    liOff.QuadPart = 0;
    if (!::SetFilePointerEx(m_hFile, liOff, &liNew, FILE_CURRENT))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (ULONGLONG)liNew.QuadPart;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER liSize;
    if (!::GetFileSizeEx(m_hFile, &liSize))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (ULONGLONG)liSize.QuadPart;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    Seek((LONGLONG)dwNewLen, begin);
    if (!::SetEndOfFile(m_hFile))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile == INVALID_HANDLE_VALUE)
        return;
    if (!::FlushFileBuffers(m_hFile))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::Close()
{
    BOOL bError = FALSE;
    DWORD dwError = 0;
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
    {
        bError = !::CloseHandle(m_hFile);
        dwError = ::GetLastError();
    }
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    CString strName = m_strFileName;
    m_strFileName.Empty();
    if (bError)
        CFileException::ThrowOsError((LONG)dwError, strName);
}

void CFile::Abort()
{
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
        ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

void CFile::LockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    if (!::LockFile(m_hFile, (DWORD)dwPos, (DWORD)(dwPos >> 32), (DWORD)dwCount,
                    (DWORD)(dwCount >> 32)))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    if (!::UnlockFile(m_hFile, (DWORD)dwPos, (DWORD)(dwPos >> 32), (DWORD)dwCount,
                      (DWORD)(dwCount >> 32)))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

CFile* CFile::Duplicate() const
{
    HANDLE hFile;
    if (!::DuplicateHandle(::GetCurrentProcess(), m_hFile, ::GetCurrentProcess(), &hFile, 0, FALSE,
                           DUPLICATE_SAME_ACCESS))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    CFile* pFile = new CFile(hFile);
    pFile->m_bCloseOnDelete = TRUE;
    pFile->m_strFileName = m_strFileName;
    return pFile;
}

CString CFile::GetFileName() const
{
    // The separator search skips trail bytes, so "表\\x.txt" is not cut inside the character.
    int nSlash = m_strFileName.ReverseFind('\\');
    int nOther = m_strFileName.ReverseFind('/');
    if (nOther > nSlash)
        nSlash = nOther;
    int nColon = m_strFileName.ReverseFind(':');
    if (nColon > nSlash)
        nSlash = nColon;
    return m_strFileName.Mid(nSlash + 1);
}

CString CFile::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

static CTime TimeFromFileTime(const FILETIME& ft)
{
    if (ft.dwLowDateTime == 0 && ft.dwHighDateTime == 0)
        return CTime();
    return CTime(ft);
}

static void FillStatus(const WIN32_FILE_ATTRIBUTE_DATA& data, CFileStatus& rStatus)
{
    rStatus.m_ctime = TimeFromFileTime(data.ftCreationTime);
    rStatus.m_atime = TimeFromFileTime(data.ftLastAccessTime);
    rStatus.m_mtime = TimeFromFileTime(data.ftLastWriteTime);
    rStatus.m_size = ((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    rStatus.m_attribute = (BYTE)data.dwFileAttributes;
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    rStatus = CFileStatus();
    lstrcpynA(rStatus.m_szFullName, m_strFileName, MAX_PATH);
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    WIN32_FILE_ATTRIBUTE_DATA data;
    data.dwFileAttributes = info.dwFileAttributes;
    data.ftCreationTime = info.ftCreationTime;
    data.ftLastAccessTime = info.ftLastAccessTime;
    data.ftLastWriteTime = info.ftLastWriteTime;
    data.nFileSizeHigh = info.nFileSizeHigh;
    data.nFileSizeLow = info.nFileSizeLow;
    FillStatus(data, rStatus);
    return TRUE;
}

BOOL PASCAL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus)
{
    rStatus = CFileStatus();
    LPSTR pszFilePart = NULL;
    DWORD nFull = GetFullPathNameA(lpszFileName, MAX_PATH, rStatus.m_szFullName, &pszFilePart);
    if (nFull == 0 || nFull >= MAX_PATH)
    {
        rStatus.m_szFullName[0] = '\0';
        return FALSE;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(lpszFileName, GetFileExInfoStandard, &data))
        return FALSE;
    FillStatus(data, rStatus);
    return TRUE;
}

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (!::MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszOldName);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName)
{
    if (!::DeleteFileA(lpszFileName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
}
