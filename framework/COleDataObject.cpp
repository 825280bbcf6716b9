#include "framework/COleDataObject.h"
#include "framework/COleDataSource.h"
#include "framework/CSharedFile.h"
#include <string.h>

COleDataObject::COleDataObject() : m_pSource(NULL), m_bClipboardOpen(FALSE)
{}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(const COleDataSource* pSource)
{
    Release();
    m_pSource = pSource;
}

BOOL COleDataObject::AttachClipboard()
{
    Release();
    m_bClipboardOpen = ::OpenClipboard(NULL);
    return m_bClipboardOpen;
}

void COleDataObject::Release()
{
    if (m_bClipboardOpen)
        ::CloseClipboard();
    m_bClipboardOpen = FALSE;
    m_pSource = NULL;
}

HGLOBAL COleDataObject::GetData(CLIPFORMAT cfFormat) const
{
    if (m_pSource != NULL)
        return m_pSource->GetCachedData(cfFormat);
    if (m_bClipboardOpen)
        return ::GetClipboardData(cfFormat);
    return NULL;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat) const
{
    return GetData(cfFormat) != NULL;
}

CFile* COleDataObject::GetFileData(CLIPFORMAT cfFormat) const
{
    HGLOBAL hData = GetData(cfFormat);
    if (hData == NULL)
        return NULL;
    const SIZE_T nSize = ::GlobalSize(hData);
    const void* pData = ::GlobalLock(hData);
    if (pData == NULL)
        return NULL;
    // A copy, so that the file's owner may read it after the clipboard is closed.
    CSharedFile* pFile = new CSharedFile();
    pFile->Write(pData, (UINT)nSize);
    ::GlobalUnlock(hData);
    pFile->SeekToBegin();
    return pFile;
}
