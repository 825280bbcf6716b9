#include "framework/CArchive.h"
#include "framework/CMemoryException.h"
#include "framework/CNotSupportedException.h"
#include <string.h>

// Tags of the object and class records.
static const WORD wNullTag = 0;
static const WORD wNewClassTag = 0xFFFF;
static const WORD wClassTag = 0x8000;
static const DWORD dwBigClassTag = 0x80000000;
static const WORD wBigObjectTag = 0x7FFF;
static const DWORD nMaxMapCount = 0x3FFFFFFE;

// Objects nest through their own Serialize; stored data must not be able to exhaust the stack.
static const int nMaxLoadDepth = 256;

// Strings are read in pieces of this size, so that a length read from bad data allocates nothing up front.
static const UINT nStringChunk = 0x10000;

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pDocument(NULL), m_nMode(nMode), m_pFile(pFile), m_bUserBuf(lpBuf != NULL),
      m_nBufSize(nBufSize), m_lpBufStart(NULL), m_lpBufCur(NULL), m_lpBufMax(NULL),
      m_nObjectSchema((UINT)-1), m_nLoadDepth(0), m_nMapCount(1)
{
    // Room for the largest single value even when the caller asks for less.
    if (m_nBufSize < 16)
    {
        m_nBufSize = 16;
        m_bUserBuf = FALSE;
    }
    if (m_bUserBuf)
        m_lpBufStart = (BYTE*)lpBuf;
    else
    {
        m_lpBufStart = new (std::nothrow) BYTE[m_nBufSize];
        if (m_lpBufStart == NULL)
            AfxThrowMemoryException();
    }
    m_lpBufCur = m_lpBufStart;
    // A store buffer is empty space up to its end; a load buffer holds nothing yet.
    m_lpBufMax = IsStoring() ? m_lpBufStart + m_nBufSize : m_lpBufStart;
    if (IsLoading())
        m_loadArray.push_back(LoadEntry{NULL, 0, NULL}); // index 0 is the null object
    if (pFile != NULL)
        m_strFileName = pFile->GetFilePath();
}

CArchive::~CArchive()
{
    if (m_pFile != NULL && !(m_nMode & bNoFlushOnDelete))
    {
        // A destructor must not throw: an error here means the data is lost either way.
        try
        {
            Close();
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    Abort();
}

void CArchive::Abort()
{
    if (!m_bUserBuf)
        delete[] m_lpBufStart;
    m_lpBufStart = m_lpBufCur = m_lpBufMax = NULL;
    m_pFile = NULL;
}

void CArchive::Close()
{
    if (m_pFile == NULL)
        return;
    Flush();
    m_pFile = NULL;
}

void CArchive::Flush()
{
    if (m_pFile == NULL)
        return;
    if (IsStoring())
    {
        if (m_lpBufCur != m_lpBufStart)
            m_pFile->Write(m_lpBufStart, (UINT)(m_lpBufCur - m_lpBufStart));
        m_lpBufCur = m_lpBufStart;
    }
    else
    {
        // Give back what was read ahead, so the file stands right after the archive's data.
        if (m_lpBufMax != m_lpBufCur)
            m_pFile->Seek(-(LONGLONG)(m_lpBufMax - m_lpBufCur), CFile::current);
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
    }
}

void CArchive::CheckStoring()
{
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
    if (m_pFile == NULL)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
}

void CArchive::CheckLoading()
{
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
    if (m_pFile == NULL)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
}

void CArchive::FillBuffer(UINT nBytesNeeded)
{
    UINT nUnused = (UINT)(m_lpBufMax - m_lpBufCur);
    if (nUnused >= nBytesNeeded)
        return;
    if (nBytesNeeded > (UINT)m_nBufSize)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    if (nUnused > 0 && m_lpBufCur != m_lpBufStart)
        memmove(m_lpBufStart, m_lpBufCur, nUnused);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + nUnused;
    while ((UINT)(m_lpBufMax - m_lpBufCur) < nBytesNeeded)
    {
        UINT nRead = m_pFile->Read(m_lpBufMax, (UINT)(m_lpBufStart + m_nBufSize - m_lpBufMax));
        if (nRead == 0)
            AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
        m_lpBufMax += nRead;
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    BYTE* lpOut = (BYTE*)lpBuf;
    UINT nDone = 0;
    while (nDone < nMax)
    {
        if (m_lpBufCur == m_lpBufMax)
        {
            m_lpBufCur = m_lpBufMax = m_lpBufStart;
            UINT nRead = m_pFile->Read(m_lpBufStart, (UINT)m_nBufSize);
            if (nRead == 0)
                break;
            m_lpBufMax = m_lpBufStart + nRead;
        }
        UINT nCopy = (UINT)(m_lpBufMax - m_lpBufCur);
        if (nCopy > nMax - nDone)
            nCopy = nMax - nDone;
        memcpy(lpOut + nDone, m_lpBufCur, nCopy);
        m_lpBufCur += nCopy;
        nDone += nCopy;
    }
    return nDone;
}

void CArchive::ReadExactly(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    const BYTE* lpIn = (const BYTE*)lpBuf;
    while (nMax > 0)
    {
        UINT nFree = (UINT)(m_lpBufMax - m_lpBufCur);
        if (nFree == 0)
        {
            Flush();
            continue;
        }
        UINT nCopy = nMax < nFree ? nMax : nFree;
        memcpy(m_lpBufCur, lpIn, nCopy);
        m_lpBufCur += nCopy;
        lpIn += nCopy;
        nMax -= nCopy;
    }
}

UINT CArchive::GetObjectSchema()
{
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nResult;
}

DWORD CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    return dwCount;
}

void CArchive::WriteCount(DWORD dwCount)
{
    if (dwCount < 0xFFFF)
        *this << (WORD)dwCount;
    else
    {
        *this << (WORD)0xFFFF;
        *this << dwCount;
    }
}

CArchive& CArchive::operator<<(const CString& str)
{
    DWORD nLength = (DWORD)str.GetLength();
    if (nLength < 255)
        *this << (BYTE)nLength;
    else if (nLength < 0xFFFE)
    {
        *this << (BYTE)0xFF;
        *this << (WORD)nLength;
    }
    else
    {
        *this << (BYTE)0xFF;
        *this << (WORD)0xFFFF;
        *this << nLength;
    }
    Write((LPCTSTR)str, nLength);
    return *this;
}

// Length prefix of a stored string; the marker 0xFF 0xFFFE announces a string of 16-bit characters.
DWORD CArchive::ReadStringLength(int& nCharSize)
{
    nCharSize = 1;
    BYTE bLen;
    *this >> bLen;
    if (bLen < 0xFF)
        return bLen;
    WORD wLen;
    *this >> wLen;
    if (wLen == 0xFFFE)
    {
        nCharSize = 2;
        *this >> bLen;
        if (bLen < 0xFF)
            return bLen;
        *this >> wLen;
    }
    if (wLen < 0xFFFF)
        return wLen;
    DWORD dwLen;
    *this >> dwLen;
    return dwLen;
}

CArchive& CArchive::operator>>(CString& str)
{
    int nCharSize;
    DWORD nLength = ReadStringLength(nCharSize);
    // No string can be this long; such a length is bad data whether or not the bytes follow.
    if (nLength > (DWORD)(0x7FFFFFF0 / nCharSize))
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    if (nCharSize == 1)
    {
        CString result;
        for (DWORD nDone = 0; nDone < nLength;)
        {
            UINT nPart = nLength - nDone < nStringChunk ? nLength - nDone : nStringChunk;
            LPTSTR p = result.GetBuffer((int)(nDone + nPart));
            ReadExactly(p + nDone, nPart);
            nDone += nPart;
            result.ReleaseBuffer((int)nDone);
        }
        str = result;
    }
    else
    {
        std::vector<WCHAR> wide;
        for (DWORD nDone = 0; nDone < nLength;)
        {
            UINT nPart = nLength - nDone < nStringChunk ? nLength - nDone : nStringChunk;
            wide.resize(nDone + nPart);
            ReadExactly(&wide[nDone], nPart * sizeof(WCHAR));
            nDone += nPart;
        }
        wide.push_back(0);
        str = &wide[0];
    }
    return *this;
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (pClassRef == NULL || pClassRef->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException(); // the class was not declared serializable

    auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end())
    {
        DWORD nClassIndex = it->second;
        if (nClassIndex < wBigObjectTag)
            *this << (WORD)(wClassTag | nClassIndex);
        else
        {
            *this << wBigObjectTag;
            *this << (DWORD)(dwBigClassTag | nClassIndex);
        }
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    if (m_nMapCount >= nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    m_storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (pOb == NULL)
    {
        *this << wNullTag;
        return;
    }
    auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end())
    {
        DWORD nObIndex = it->second;
        if (nObIndex < wBigObjectTag)
            *this << (WORD)nObIndex;
        else
        {
            *this << wBigObjectTag;
            *this << nObIndex;
        }
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    if (m_nMapCount >= nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    m_storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

void CArchive::MapObject(const CObject* pOb)
{
    if (IsStoring())
    {
        if (pOb != NULL && m_storeMap.find(pOb) == m_storeMap.end())
            m_storeMap[pOb] = m_nMapCount++;
    }
    else
    {
        m_loadArray.push_back(LoadEntry{NULL, 0, const_cast<CObject*>(pOb)});
        ++m_nMapCount;
    }
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema,
                                   DWORD* pObTag)
{
    CheckLoading();
    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = ((DWORD)(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag))
    {
        // An object reference (or null), not a class record.
        if (pObTag == NULL)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        *pObTag = obTag;
        return NULL;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag)
    {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (pClassRef == NULL)
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        if (pClassRef->m_wSchema == 0xFFFF)
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema &&
            !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
        if (m_nMapCount >= nMaxMapCount)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        m_loadArray.push_back(LoadEntry{pClassRef, nSchema, NULL});
        ++m_nMapCount;
    }
    else
    {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_loadArray.size() ||
            m_loadArray[nClassIndex].pClass == NULL)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        pClassRef = m_loadArray[nClassIndex].pClass;
        nSchema = m_loadArray[nClassIndex].nSchema;
    }

    if (pClassRefRequested != NULL && !pClassRef->IsDerivedFrom(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);

    if (pSchema != NULL)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != NULL)
        *pObTag = obTag;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef, &m_nObjectSchema);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    return LoadObject(pClassRefRequested, FALSE);
}

CObject* CArchive::ReadOwnedObject(const CRuntimeClass* pClassRefRequested)
{
    return LoadObject(pClassRefRequested, TRUE);
}

CObject* CArchive::LoadObject(const CRuntimeClass* pClassRefRequested, BOOL bOwned)
{
    UINT nSchema;
    DWORD obTag;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);

    if (pClassRef == NULL)
    {
        if (obTag >= m_loadArray.size() || m_loadArray[obTag].pClass != NULL)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        CObject* pOb = m_loadArray[obTag].pObject;
        if (pOb != NULL && bOwned)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        if (pOb != NULL && pClassRefRequested != NULL && !pOb->IsKindOf(pClassRefRequested))
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        return pOb;
    }

    if (m_nLoadDepth >= nMaxLoadDepth)
        AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    if (m_nMapCount >= nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    CObject* pOb = pClassRef->CreateObject();
    if (pOb == NULL)
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);

    // Entered before loading, so that the object's own contents may refer back to it.
    size_t nIndex = m_loadArray.size();
    m_loadArray.push_back(LoadEntry{NULL, 0, pOb});
    ++m_nMapCount;
    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    ++m_nLoadDepth;
    try
    {
        pOb->Serialize(*this);
    }
    catch (...)
    {
        // Nobody holds the half-loaded object yet: free it rather than leak it.
        --m_nLoadDepth;
        m_loadArray[nIndex].pObject = NULL;
        delete pOb;
        throw;
    }
    --m_nLoadDepth;
    m_nObjectSchema = nSchemaSave;
    return pOb;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLen = (WORD)strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    // Class names are short identifiers; a longer record is not one of ours.
    char szClassName[64];
    WORD wSchema, nLen;
    ar >> wSchema >> nLen;
    if (nLen >= sizeof(szClassName))
        return NULL;
    if (ar.Read(szClassName, nLen) != nLen)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    szClassName[nLen] = '\0';
    *pwSchemaNum = wSchema;
    return FromName(szClassName);
}

CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}
