#include "config/CConnectionFile.h"
#include "framework/CFile.h"
#include "framework/CFileException.h"
#include <vector>

BOOL CConnectionFile::Read(LPCTSTR lpszPath, CString& strConnect)
{
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    CString connect;
    try
    {
        file.SeekToBegin();
        ULONGLONG length = file.GetLength();
        std::vector<char> chunk(4096);
        while (file.GetPosition() < length)
        {
            UINT got = file.Read(chunk.data(), (UINT)chunk.size());
            if (got == 0)
                break; // the file got shorter while we read it
            connect += CString(chunk.data(), (int)got);
        }
        file.Close();
    }
    catch (CFileException* e)
    {
        e->Delete();
        file.Abort();
        return FALSE;
    }
    strConnect = connect;
    return TRUE;
}

BOOL CConnectionFile::Write(LPCTSTR lpszPath, const CString& strConnect)
{
    CString path(lpszPath);
    // A read-only file is not to be replaced, even where the platform would let a rename over it.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return FALSE;
    int slash = path.ReverseFind('\\');
    CString folder = slash >= 0 ? path.Left(slash + 1) : CString(".");
    char temp[MAX_PATH];
    if (GetTempFileNameA(folder, "con", 0, temp) == 0)
        return FALSE;

    CFile file;
    if (!file.Open(temp, CFile::modeWrite | CFile::modeCreate | CFile::shareExclusive))
    {
        DeleteFileA(temp);
        return FALSE;
    }
    try
    {
        file.Write((LPCTSTR)strConnect, (UINT)strConnect.GetLength());
        file.Flush();
        file.Close();
    }
    catch (CFileException* e)
    {
        e->Delete();
        file.Abort();
        DeleteFileA(temp);
        return FALSE;
    }
    if (!MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        DeleteFileA(temp);
        return FALSE;
    }
    return TRUE;
}
