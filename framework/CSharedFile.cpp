#include "framework/CSharedFile.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_hGlobalMemory(NULL), m_bAllowGrow(TRUE)
{}

CSharedFile::~CSharedFile()
{
    if (m_lpBuffer != NULL)
        Close();
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    UINT nGrowBytes = m_nGrowBytes;
    if (m_lpBuffer != NULL)
        Close();
    m_nGrowBytes = nGrowBytes != 0 ? nGrowBytes : 4096;
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = (BYTE*)::GlobalLock(m_hGlobalMemory);
    m_nBufferSize = m_lpBuffer != NULL ? ::GlobalSize(m_hGlobalMemory) : 0;
    m_nFileSize = m_nBufferSize;
    m_nPosition = 0;
    m_bAllowGrow = bAllowGrow;
    m_bAutoDelete = TRUE;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMem = m_hGlobalMemory;
    if (hMem == NULL)
        return NULL;
    ::GlobalUnlock(hMem);
    // Shrink to the written data so that the receiver sees its real size.
    if (m_nFileSize != 0 && m_nFileSize < m_nBufferSize)
    {
        HGLOBAL hSmaller = ::GlobalReAlloc(hMem, m_nFileSize, m_nAllocFlags);
        if (hSmaller != NULL)
            hMem = hSmaller;
    }
    m_hGlobalMemory = NULL;
    m_lpBuffer = NULL;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    return hMem;
}

void CSharedFile::Close()
{
    CMemFile::Close();
    m_hGlobalMemory = NULL;
}

BYTE* CSharedFile::Alloc(SIZE_T nBytes)
{
    m_hGlobalMemory = ::GlobalAlloc(m_nAllocFlags, nBytes);
    if (m_hGlobalMemory == NULL)
        return NULL;
    return (BYTE*)::GlobalLock(m_hGlobalMemory);
}

BYTE* CSharedFile::Realloc(BYTE* lpMem, SIZE_T nBytes)
{
    if (!m_bAllowGrow)
        return NULL;
    ::GlobalUnlock(m_hGlobalMemory);
    HGLOBAL hNew = ::GlobalReAlloc(m_hGlobalMemory, nBytes, m_nAllocFlags);
    if (hNew == NULL)
    {
        ::GlobalLock(m_hGlobalMemory);
        return NULL;
    }
    m_hGlobalMemory = hNew;
    return (BYTE*)::GlobalLock(m_hGlobalMemory);
}

void CSharedFile::Free(BYTE* lpMem)
{
    if (m_hGlobalMemory == NULL)
        return;
    ::GlobalUnlock(m_hGlobalMemory);
    ::GlobalFree(m_hGlobalMemory);
}
