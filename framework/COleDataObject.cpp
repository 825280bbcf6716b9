#include "framework/COleDataObject.h"
#include "framework/CException.h"
#include "framework/COleDataSource.h"
#include "framework/CSharedFile.h"
#include <memory>
#include <string.h>
#include <vector>

COleDataObject::COleDataObject()
    : m_pSource(NULL), m_bClipboardOpen(FALSE), m_lpDataObject(NULL), m_bAutoRelease(FALSE)
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

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
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
    if (m_lpDataObject != NULL && m_bAutoRelease)
        m_lpDataObject->Release();
    m_lpDataObject = NULL;
    m_bAutoRelease = FALSE;
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
    if (m_lpDataObject != NULL)
    {
        FORMATETC format = {cfFormat, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_ISTREAM};
        return m_lpDataObject->QueryGetData(&format) == S_OK;
    }
    return GetData(cfFormat) != NULL;
}

CFile* COleDataObject::GetFileFromInterface(CLIPFORMAT cfFormat) const
{
    FORMATETC format = {cfFormat, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_ISTREAM};
    STGMEDIUM medium;
    memset(&medium, 0, sizeof(medium));
    if (m_lpDataObject->GetData(&format, &medium) != S_OK)
        return NULL;
    CSharedFile* pFile = NULL;
    try
    {
        pFile = ReadMedium(medium);
    }
    catch (CException* e)
    {
        e->Delete();
        pFile = NULL;
    }
    ::ReleaseStgMedium(&medium);
    if (pFile != NULL)
        pFile->SeekToBegin();
    return pFile;
}

// A copy of the medium's bytes in a file of our own; the caller deletes it.
CSharedFile* COleDataObject::ReadMedium(const STGMEDIUM& medium)
{
    std::unique_ptr<CSharedFile> pFile(new CSharedFile());
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != NULL)
    {
        const SIZE_T nSize = ::GlobalSize(medium.hGlobal);
        const void* pData = ::GlobalLock(medium.hGlobal);
        if (pData == NULL)
            return NULL;
        struct Unlock
        {
            HGLOBAL hGlobal;
            ~Unlock() { ::GlobalUnlock(hGlobal); }
        } unlock{medium.hGlobal};
        pFile->Write(pData, (UINT)nSize);
    }
    else if (medium.tymed == TYMED_ISTREAM && medium.pstm != NULL)
    {
        LARGE_INTEGER zero = {};
        medium.pstm->Seek(zero, STREAM_SEEK_SET, NULL);
        BYTE buffer[4096];
        ULONG nRead = 0;
        while (SUCCEEDED(medium.pstm->Read(buffer, sizeof(buffer), &nRead)) && nRead > 0)
            pFile->Write(buffer, nRead);
    }
    else
        return NULL;
    return pFile.release();
}

CFile* COleDataObject::GetFileData(CLIPFORMAT cfFormat) const
{
    if (m_lpDataObject != NULL)
        return GetFileFromInterface(cfFormat);
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

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium) const
{
    ::ZeroMemory(lpStgMedium, sizeof(STGMEDIUM));
    HANDLE hData = GetData(cfFormat);
    if (hData == NULL)
        return FALSE;
    // The medium holds a copy, so that it outlives the clipboard and its release frees only it.
    if (cfFormat == CF_BITMAP || cfFormat == CF_PALETTE)
    {
        HANDLE hCopy = cfFormat == CF_BITMAP
                           ? ::CopyImage(hData, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)
                           : NULL;
        if (cfFormat == CF_PALETTE)
        {
            const int nEntries = ::GetPaletteEntries((HPALETTE)hData, 0, 0, NULL);
            if (nEntries > 0)
            {
                std::vector<BYTE> buffer(sizeof(LOGPALETTE) + nEntries * sizeof(PALETTEENTRY));
                LOGPALETTE* pLog = (LOGPALETTE*)buffer.data();
                pLog->palVersion = 0x300;
                pLog->palNumEntries = (WORD)nEntries;
                ::GetPaletteEntries((HPALETTE)hData, 0, nEntries, pLog->palPalEntry);
                hCopy = ::CreatePalette(pLog);
            }
        }
        if (hCopy == NULL)
            return FALSE;
        lpStgMedium->tymed = TYMED_GDI;
        lpStgMedium->hBitmap = (HBITMAP)hCopy;
        return TRUE;
    }
    const SIZE_T nSize = ::GlobalSize(hData);
    const void* pData = ::GlobalLock(hData);
    if (pData == NULL)
        return FALSE;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    void* pCopy = hCopy != NULL ? ::GlobalLock(hCopy) : NULL;
    if (pCopy != NULL)
    {
        memcpy(pCopy, pData, nSize);
        ::GlobalUnlock(hCopy);
    }
    ::GlobalUnlock(hData);
    if (pCopy == NULL)
    {
        if (hCopy != NULL)
            ::GlobalFree(hCopy);
        return FALSE;
    }
    lpStgMedium->tymed = TYMED_HGLOBAL;
    lpStgMedium->hGlobal = hCopy;
    return TRUE;
}
