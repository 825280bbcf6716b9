#include "ui/commandbars/CTavoPBarStateCache.h"

IMPLEMENT_DYNAMIC(CTavoPBarStateCache, CObject)

CTavoPBarStateCache::CTavoPBarStateCache()
{
    m_mapFiles.InitHashTable(17);
}

CTavoPBarStateCache::~CTavoPBarStateCache()
{
    RemoveAll();
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
