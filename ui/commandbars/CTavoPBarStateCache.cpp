#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/CTavoPToolBar.h"

IMPLEMENT_DYNAMIC(CTavoPBarStateCache, CObject)

static const int kArchiveBuffer = 4096;

CTavoPBarStateCache::CTavoPBarStateCache()
{
    m_mapFiles.InitHashTable(17);
}

CTavoPBarStateCache::~CTavoPBarStateCache()
{
    RemoveAll();
}

// A new temporary file that the system deletes when its handle is closed; INVALID_HANDLE_VALUE
// when none could be made, with no file left behind.
static HANDLE CreateTemporaryFile()
{
    TCHAR szTempPath[MAX_PATH + 1] = {};
    const DWORD dwLength = ::GetTempPath(MAX_PATH, szTempPath);
    if (dwLength == 0 || dwLength > MAX_PATH)
        return INVALID_HANDLE_VALUE;

    // With number 0 the name is made unique by creating an empty file of that name.
    TCHAR szFileName[MAX_PATH + 1] = {};
    if (::GetTempFileName(szTempPath, _T("Tavo"), 0, szFileName) == 0)
        return INVALID_HANDLE_VALUE;

    HANDLE hFile = ::CreateFile(szFileName, GENERIC_READ | GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                FILE_FLAG_DELETE_ON_CLOSE | FILE_ATTRIBUTE_TEMPORARY, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        ::DeleteFile(szFileName);
    return hFile;
}

BOOL CTavoPBarStateCache::Save(UINT uiKey, CTavoPToolBar* pToolBar)
{
    if (pToolBar == NULL || pToolBar->GetCount() == 0)
        return FALSE;

    HANDLE hFile = CreateTemporaryFile();
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;

    try
    {
        CFile file(hFile);
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        pToolBar->Serialize(ar);
        ar.Flush();
        ar.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        ::CloseHandle(hFile);
        return FALSE;
    }
    catch (...)
    {
        ::CloseHandle(hFile);
        throw;
    }

    HANDLE hOldFile = NULL;
    if (m_mapFiles.Lookup(uiKey, hOldFile))
        ::CloseHandle(hOldFile);
    m_mapFiles.SetAt(uiKey, hFile);
    return TRUE;
}

BOOL CTavoPBarStateCache::Load(UINT uiKey, CTavoPToolBar* pToolBar)
{
    HANDLE hFile = NULL;
    if (pToolBar == NULL || !m_mapFiles.Lookup(uiKey, hFile))
        return FALSE;
    if (::SetFilePointer(hFile, 0, NULL, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return FALSE;

    try
    {
        CFile file(hFile);
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        pToolBar->Serialize(ar);
        ar.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL CTavoPBarStateCache::Remove(UINT uiKey)
{
    HANDLE hFile = NULL;
    if (!m_mapFiles.Lookup(uiKey, hFile))
        return FALSE;
    ::CloseHandle(hFile);
    m_mapFiles.RemoveKey(uiKey);
    return TRUE;
}

void CTavoPBarStateCache::RemoveAll()
{
    POSITION pos = m_mapFiles.GetStartPosition();
    while (pos != nullptr)
    {
        UINT uiKey = 0;
        HANDLE hFile = nullptr;
        m_mapFiles.GetNextAssoc(pos, uiKey, hFile);
        if (hFile != nullptr && hFile != INVALID_HANDLE_VALUE)
            ::CloseHandle(hFile);
    }
    m_mapFiles.RemoveAll();
}
