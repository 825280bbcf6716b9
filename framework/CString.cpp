#include "framework/CString.h"
#include "framework/CMemoryException.h"
#include <string.h>
#include <stdio.h>
#include <stdlib.h>
#include <limits.h>
#include <utility>

namespace {

// The shared empty string: never written, never freed.
struct EmptyString
{
    CStringData header;
    char nul;
};
EmptyString s_empty = {{0, 0}, 0};

// Lead bytes of the process code page, filled on first use.
struct LeadByteTable
{
    bool lead[256];
    LeadByteTable()
    {
        for (int i = 0; i < 256; ++i)
            lead[i] = IsDBCSLeadByte((BYTE)i) != FALSE;
    }
};

const LeadByteTable& LeadBytes()
{
    static LeadByteTable table;
    return table;
}

int SafeStrLen(LPCTSTR lpsz)
{
    return lpsz == NULL ? 0 : (int)strlen(lpsz);
}

char AsciiUpper(char ch)
{
    return (ch >= 'a' && ch <= 'z') ? (char)(ch - 'a' + 'A') : ch;
}

char AsciiLower(char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? (char)(ch - 'A' + 'a') : ch;
}

// Whole-character membership: a double-byte character matches only the same pair in the set.
bool CharInSet(LPCTSTR p, int nCharLen, LPCTSTR lpszSet)
{
    if (lpszSet == NULL)
        return false;
    for (LPCTSTR q = lpszSet; *q != '\0';)
    {
        int nLen = CString::CharLength(q);
        if (nLen == nCharLen && memcmp(p, q, nLen) == 0)
            return true;
        q += nLen;
    }
    return false;
}

} // namespace

BOOL CString::IsLeadByte(BYTE ch)
{
    return LeadBytes().lead[ch];
}

int CString::CharLength(LPCTSTR p)
{
    if (*p == '\0')
        return 0;
    if (IsLeadByte((BYTE)*p) && p[1] != '\0')
        return 2;
    return 1;
}

// One character of a counted string. A NUL inside the string (stored text may hold one) is one
// byte here, so that every loop bounded by the length moves on.
static int CharStep(LPCTSTR p)
{
    const int nLen = CString::CharLength(p);
    return nLen > 0 ? nLen : 1;
}

void CString::Init()
{
    m_pchData = s_empty.header.data();
}

CString::CString()
{
    Init();
}

CString::CString(const CString& stringSrc)
{
    Init();
    AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
}

CString::CString(CString&& stringSrc) noexcept
{
    m_pchData = stringSrc.m_pchData;
    stringSrc.Init();
}

CString::CString(char ch, int nRepeat)
{
    Init();
    if (nRepeat > 0)
    {
        AllocBuffer(nRepeat);
        memset(m_pchData, ch, nRepeat);
    }
}

CString::CString(LPCSTR lpsz)
{
    Init();
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
        LoadString((UINT)(UINT_PTR)lpsz);
    else
        AssignCopy(SafeStrLen(lpsz), lpsz);
}

CString::CString(LPCSTR lpch, int nLength)
{
    Init();
    if (lpch != NULL && nLength > 0)
        AssignCopy(nLength, lpch);
}

CString::CString(const unsigned char* psz)
{
    Init();
    AssignCopy(SafeStrLen((LPCSTR)psz), (LPCSTR)psz);
}

CString::CString(LPCWSTR lpsz)
{
    Init();
    *this = lpsz;
}

CString::~CString()
{
    Release();
}

void CString::AllocBuffer(int nLen)
{
    if (nLen == 0)
    {
        Init();
        return;
    }
    if (nLen < 0 || nLen > INT_MAX - (int)sizeof(CStringData) - 1)
        AfxThrowMemoryException();
    CStringData* pData = (CStringData*)malloc(sizeof(CStringData) + nLen + 1);
    if (pData == NULL)
        AfxThrowMemoryException();
    pData->nAllocLength = nLen;
    pData->nDataLength = nLen;
    pData->data()[nLen] = '\0';
    m_pchData = pData->data();
}

void CString::Release()
{
    if (GetData() != &s_empty.header)
        free(GetData());
    Init();
}

// Makes room for nLen bytes; the old contents are not kept.
void CString::AllocBeforeWrite(int nLen)
{
    if (nLen > GetData()->nAllocLength)
    {
        Release();
        AllocBuffer(nLen);
    }
}

void CString::AssignCopy(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen == 0)
    {
        Empty();
        return;
    }
    if (lpszSrcData >= m_pchData && lpszSrcData <= m_pchData + GetLength())
    {
        // Source lies inside our own buffer.
        CString copy(lpszSrcData, nSrcLen);
        *this = std::move(copy);
        return;
    }
    AllocBeforeWrite(nSrcLen);
    memcpy(m_pchData, lpszSrcData, nSrcLen);
    GetData()->nDataLength = nSrcLen;
    m_pchData[nSrcLen] = '\0';
}

void CString::Empty()
{
    Release();
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_pchData[nIndex] = ch;
}

const CString& CString::operator=(const CString& stringSrc)
{
    if (this != &stringSrc)
        AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
    return *this;
}

const CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc)
    {
        Release();
        m_pchData = stringSrc.m_pchData;
        stringSrc.Init();
    }
    return *this;
}

const CString& CString::operator=(char ch)
{
    AssignCopy(1, &ch);
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz)
{
    AssignCopy(SafeStrLen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(const unsigned char* psz)
{
    return *this = (LPCSTR)psz;
}

const CString& CString::operator=(LPCWSTR lpsz)
{
    if (lpsz == NULL || *lpsz == 0)
    {
        Empty();
        return *this;
    }
    int nLen = WideCharToMultiByte(CP_ACP, 0, lpsz, -1, NULL, 0, NULL, NULL);
    if (nLen <= 1)
    {
        Empty();
        return *this;
    }
    CString converted;
    converted.AllocBuffer(nLen - 1);
    WideCharToMultiByte(CP_ACP, 0, lpsz, -1, converted.m_pchData, nLen, NULL, NULL);
    converted.m_pchData[nLen - 1] = '\0';
    return *this = std::move(converted);
}

CString CString::Concat(int nLen1, LPCTSTR p1, int nLen2, LPCTSTR p2)
{
    CString result;
    if (nLen1 > INT_MAX - nLen2)
        AfxThrowMemoryException();
    int nNewLen = nLen1 + nLen2;
    if (nNewLen != 0)
    {
        result.AllocBuffer(nNewLen);
        memcpy(result.m_pchData, p1, nLen1);
        memcpy(result.m_pchData + nLen1, p2, nLen2);
    }
    return result;
}

void CString::ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen == 0)
        return;
    int nOldLen = GetLength();
    if (nOldLen + nSrcLen > GetData()->nAllocLength)
    {
        // Grow geometrically so that repeated appends stay linear.
        if (nSrcLen > INT_MAX / 2 - nOldLen)
            AfxThrowMemoryException();
        int nNewAlloc = nOldLen + nSrcLen;
        nNewAlloc += nNewAlloc / 2;
        CString grown;
        grown.AllocBuffer(nNewAlloc);
        memcpy(grown.m_pchData, m_pchData, nOldLen);
        memcpy(grown.m_pchData + nOldLen, lpszSrcData, nSrcLen);
        grown.GetData()->nDataLength = nOldLen + nSrcLen;
        grown.m_pchData[nOldLen + nSrcLen] = '\0';
        *this = std::move(grown);
    }
    else
    {
        memmove(m_pchData + nOldLen, lpszSrcData, nSrcLen);
        GetData()->nDataLength = nOldLen + nSrcLen;
        m_pchData[nOldLen + nSrcLen] = '\0';
    }
}

const CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.GetLength(), string.m_pchData);
    return *this;
}

const CString& CString::operator+=(char ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(LPCTSTR lpsz)
{
    ConcatInPlace(SafeStrLen(lpsz), lpsz);
    return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    return CString::Concat(string1.GetLength(), string1.m_pchData, string2.GetLength(),
                           string2.m_pchData);
}

CString AFXAPI operator+(const CString& string, char ch)
{
    return CString::Concat(string.GetLength(), string.m_pchData, 1, &ch);
}

CString AFXAPI operator+(char ch, const CString& string)
{
    return CString::Concat(1, &ch, string.GetLength(), string.m_pchData);
}

CString AFXAPI operator+(const CString& string, LPCTSTR lpsz)
{
    return CString::Concat(string.GetLength(), string.m_pchData, SafeStrLen(lpsz), lpsz);
}

CString AFXAPI operator+(LPCTSTR lpsz, const CString& string)
{
    return CString::Concat(SafeStrLen(lpsz), lpsz, string.GetLength(), string.m_pchData);
}

int CString::Compare(LPCTSTR lpsz) const
{
    int n = strcmp(m_pchData, lpsz != NULL ? lpsz : "");
    return n < 0 ? -1 : (n > 0 ? 1 : 0);
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    // Letters of single-byte characters fold; double-byte characters compare as they are.
    const BYTE* p = (const BYTE*)m_pchData;
    const BYTE* q = (const BYTE*)(lpsz != NULL ? lpsz : "");
    for (;;)
    {
        int nLenP = CharLength((LPCTSTR)p);
        int nLenQ = CharLength((LPCTSTR)q);
        if (nLenP == 1 && nLenQ == 1)
        {
            BYTE a = (BYTE)AsciiLower((char)*p);
            BYTE b = (BYTE)AsciiLower((char)*q);
            if (a != b)
                return a < b ? -1 : 1;
        }
        else
        {
            for (int i = 0; i < 2; ++i)
            {
                if (p[i] != q[i])
                    return p[i] < q[i] ? -1 : 1;
                if (p[i] == 0)
                    break;
            }
            if (nLenP == 0)
                return 0;
        }
        p += nLenP;
        q += nLenQ;
    }
}

int CString::Collate(LPCTSTR lpsz) const
{
    int n = CompareStringA(GetThreadLocale(), 0, m_pchData, -1, lpsz != NULL ? lpsz : "", -1);
    return n == 0 ? Compare(lpsz) : n - 2;
}

int CString::CollateNoCase(LPCTSTR lpsz) const
{
    int n = CompareStringA(GetThreadLocale(), NORM_IGNORECASE, m_pchData, -1,
                           lpsz != NULL ? lpsz : "", -1);
    return n == 0 ? CompareNoCase(lpsz) : n - 2;
}

// Start of the character that contains byte nIndex (nIndex itself when it starts one).
int CString::CharStartBefore(int nIndex) const
{
    int nPos = 0;
    while (nPos < GetLength())
    {
        int nLen = CharStep(m_pchData + nPos);
        if (nPos + nLen > nIndex)
            return nPos;
        nPos += nLen;
    }
    return nPos;
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - (nFirst < 0 ? 0 : nFirst));
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    int nLength = GetLength();
    if (nFirst > nLength)
        nFirst = nLength;
    if (nCount > nLength - nFirst)
        nCount = nLength - nFirst;
    int nEnd = nFirst + nCount;
    if (nEnd < nLength)
        nEnd = CharStartBefore(nEnd) > nFirst ? CharStartBefore(nEnd) : nFirst;
    if (nFirst == 0 && nEnd == nLength)
        return *this;
    return CString(m_pchData + nFirst, nEnd - nFirst);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    int nLength = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount >= nLength)
        return *this;
    int nFirst = nLength - nCount;
    int nStart = CharStartBefore(nFirst);
    if (nStart != nFirst)
        nFirst = nStart + 2;
    return CString(m_pchData + nFirst, nLength - nFirst);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    int nPos = 0;
    while (nPos < GetLength())
    {
        int nLen = CharStep(m_pchData + nPos);
        if (!CharInSet(m_pchData + nPos, nLen, lpszCharSet))
            break;
        nPos += nLen;
    }
    return Left(nPos);
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    int nPos = 0;
    while (nPos < GetLength())
    {
        int nLen = CharStep(m_pchData + nPos);
        if (CharInSet(m_pchData + nPos, nLen, lpszCharSet))
            break;
        nPos += nLen;
    }
    return Left(nPos);
}

// Only single-byte characters change case: a trail byte in 'A'..'z' belongs to its lead byte.
static void MapSingleByteChars(char* p, char (*pfnMap)(char))
{
    while (*p != '\0')
    {
        int nLen = CString::CharLength(p);
        if (nLen == 1)
            *p = pfnMap(*p);
        p += nLen;
    }
}

void CString::MakeUpper()
{
    MapSingleByteChars(m_pchData, AsciiUpper);
}

void CString::MakeLower()
{
    MapSingleByteChars(m_pchData, AsciiLower);
}

void CString::MakeReverse()
{
    int nLength = GetLength();
    if (nLength < 2)
        return;
    CString reversed;
    reversed.AllocBuffer(nLength);
    int nOut = nLength;
    for (int nPos = 0; nPos < nLength;)
    {
        int nLen = CharStep(m_pchData + nPos);
        nOut -= nLen;
        memcpy(reversed.m_pchData + nOut, m_pchData + nPos, nLen);
        nPos += nLen;
    }
    *this = std::move(reversed);
}

void CString::TrimRight()
{
    TrimRight(" \t\r\n\v\f");
}

void CString::TrimRight(char chTarget)
{
    char set[2] = {chTarget, '\0'};
    TrimRight(set);
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    int nKeep = 0;
    for (int nPos = 0; nPos < GetLength();)
    {
        int nLen = CharStep(m_pchData + nPos);
        nPos += nLen;
        if (!CharInSet(m_pchData + nPos - nLen, nLen, lpszTargets))
            nKeep = nPos;
    }
    if (nKeep != GetLength())
    {
        if (nKeep == 0)
        {
            Empty();
            return;
        }
        m_pchData[nKeep] = '\0';
        GetData()->nDataLength = nKeep;
    }
}

void CString::TrimLeft()
{
    TrimLeft(" \t\r\n\v\f");
}

void CString::TrimLeft(char chTarget)
{
    char set[2] = {chTarget, '\0'};
    TrimLeft(set);
}

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    int nPos = 0;
    while (nPos < GetLength())
    {
        int nLen = CharStep(m_pchData + nPos);
        if (!CharInSet(m_pchData + nPos, nLen, lpszTargets))
            break;
        nPos += nLen;
    }
    if (nPos != 0)
    {
        int nNewLen = GetLength() - nPos;
        memmove(m_pchData, m_pchData + nPos, nNewLen + 1);
        GetData()->nDataLength = nNewLen;
        if (nNewLen == 0)
            Empty();
    }
}

int CString::Replace(char chOld, char chNew)
{
    int nCount = 0;
    if (chOld == chNew)
        return 0;
    for (char* p = m_pchData; *p != '\0';)
    {
        int nLen = CharLength(p);
        if (nLen == 1 && *p == chOld)
        {
            *p = chNew;
            ++nCount;
        }
        p += nLen;
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    int nOldLen = SafeStrLen(lpszOld);
    if (nOldLen == 0)
        return 0;
    int nNewLen = SafeStrLen(lpszNew);
    CString result;
    int nCount = 0;
    int nDone = 0;
    for (int nFound = Find(lpszOld, 0); nFound >= 0; nFound = Find(lpszOld, nFound + nOldLen))
    {
        result.ConcatInPlace(nFound - nDone, m_pchData + nDone);
        result.ConcatInPlace(nNewLen, lpszNew);
        nDone = nFound + nOldLen;
        ++nCount;
    }
    if (nCount == 0)
        return 0;
    result.ConcatInPlace(GetLength() - nDone, m_pchData + nDone);
    *this = std::move(result);
    return nCount;
}

int CString::Remove(char chRemove)
{
    char* pOut = m_pchData;
    int nCount = 0;
    for (char* p = m_pchData; *p != '\0';)
    {
        int nLen = CharLength(p);
        if (nLen == 1 && *p == chRemove)
            ++nCount;
        else
        {
            memmove(pOut, p, nLen);
            pOut += nLen;
        }
        p += nLen;
    }
    if (nCount != 0)
    {
        *pOut = '\0';
        GetData()->nDataLength = (int)(pOut - m_pchData);
        if (GetLength() == 0)
            Empty();
    }
    return nCount;
}

int CString::Insert(int nIndex, char ch)
{
    char text[2] = {ch, '\0'};
    return Insert(nIndex, text);
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    if (nIndex < 0)
        nIndex = 0;
    int nLength = GetLength();
    if (nIndex > nLength)
        nIndex = nLength;
    int nInsertLen = SafeStrLen(pstr);
    if (nInsertLen > 0)
    {
        CString result = Concat(nIndex, m_pchData, nInsertLen, pstr);
        result.ConcatInPlace(nLength - nIndex, m_pchData + nIndex);
        *this = std::move(result);
    }
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    int nLength = GetLength();
    if (nCount > 0 && nIndex < nLength)
    {
        if (nCount > nLength - nIndex)
            nCount = nLength - nIndex;
        memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, nLength - nIndex - nCount + 1);
        GetData()->nDataLength = nLength - nCount;
        if (GetLength() == 0)
            Empty();
    }
    return GetLength();
}

int CString::Find(char ch) const
{
    return Find(ch, 0);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    for (int nPos = nStart; nPos < GetLength();)
    {
        int nLen = CharStep(m_pchData + nPos);
        if (nLen == 1 && m_pchData[nPos] == ch)
            return nPos;
        nPos += nLen;
    }
    return -1;
}

int CString::Find(LPCTSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    int nSubLen = SafeStrLen(lpszSub);
    if (nStart > GetLength())
        return -1;
    if (nSubLen == 0)
        return nStart;
    for (int nPos = nStart; nPos + nSubLen <= GetLength();)
    {
        if (memcmp(m_pchData + nPos, lpszSub, nSubLen) == 0)
        {
            // A match that ends on the lead byte of a character would take half of it.
            LPCTSTR pEnd = m_pchData + nPos;
            while (pEnd < m_pchData + nPos + nSubLen)
                pEnd += CharStep(pEnd);
            if (pEnd == m_pchData + nPos + nSubLen)
                return nPos;
        }
        nPos += CharStep(m_pchData + nPos);
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int nFound = -1;
    for (int nPos = 0; nPos < GetLength();)
    {
        int nLen = CharStep(m_pchData + nPos);
        if (nLen == 1 && m_pchData[nPos] == ch)
            nFound = nPos;
        nPos += nLen;
    }
    return nFound;
}

int CString::FindCharFrom(LPCTSTR lpszCharSet, LPCTSTR p) const
{
    while (*p != '\0')
    {
        int nLen = CharLength(p);
        if (CharInSet(p, nLen, lpszCharSet))
            return (int)(p - m_pchData);
        p += nLen;
    }
    return -1;
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    return FindCharFrom(lpszCharSet, m_pchData);
}

void AFX_CDECL CString::FormatArgs(LPCTSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
    {
        Empty();
        return;
    }
    va_list argCopy;
    va_copy(argCopy, argList);
    int nLen = vsnprintf(NULL, 0, lpszFormat, argCopy);
    va_end(argCopy);
    if (nLen <= 0)
    {
        Empty();
        return;
    }
    CString result;
    result.AllocBuffer(nLen);
    vsnprintf(result.m_pchData, nLen + 1, lpszFormat, argList);
    result.m_pchData[nLen] = '\0';
    *this = std::move(result);
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    // A string resource holds at most 65535 characters; grow until the text fits.
    int nSize = 256;
    for (;;)
    {
        CString buffer;
        buffer.AllocBuffer(nSize);
        int nLen = ::LoadStringA(hInst, nID, buffer.m_pchData, nSize + 1);
        if (nLen <= 0)
        {
            Empty();
            return FALSE;
        }
        if (nLen < nSize || nSize >= 2 * 65536)
        {
            buffer.m_pchData[nLen] = '\0';
            buffer.GetData()->nDataLength = nLen;
            *this = std::move(buffer);
            return TRUE;
        }
        nSize *= 4;
    }
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        nMinBufLength = 0;
    if (nMinBufLength > GetData()->nAllocLength || GetData() == &s_empty.header)
    {
        int nOldLen = GetLength();
        int nAlloc = nMinBufLength > nOldLen ? nMinBufLength : nOldLen;
        if (nAlloc == 0)
            nAlloc = 1; // the caller writes at least the terminator
        CString grown;
        grown.AllocBuffer(nAlloc);
        memcpy(grown.m_pchData, m_pchData, nOldLen + 1);
        grown.GetData()->nDataLength = nOldLen;
        *this = std::move(grown);
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (GetData() == &s_empty.header)
        return;
    if (nNewLength < 0)
        nNewLength = (int)strnlen(m_pchData, GetData()->nAllocLength);
    if (nNewLength > GetData()->nAllocLength)
        nNewLength = GetData()->nAllocLength;
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
    return m_pchData;
}

void CString::FreeExtra()
{
    if (GetLength() != GetData()->nAllocLength)
    {
        CString copy(m_pchData, GetLength());
        *this = std::move(copy);
    }
}

LPTSTR CString::LockBuffer()
{
    return GetBuffer(0);
}

void CString::UnlockBuffer()
{}

bool AFXAPI operator==(const CString& s1, const CString& s2)
{
    return s1.GetLength() == s2.GetLength() && s1.Compare(s2) == 0;
}
bool AFXAPI operator==(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) == 0;
}
bool AFXAPI operator==(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) == 0;
}
bool AFXAPI operator!=(const CString& s1, const CString& s2)
{
    return !(s1 == s2);
}
bool AFXAPI operator!=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) != 0;
}
bool AFXAPI operator!=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) != 0;
}
bool AFXAPI operator<(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) < 0;
}
bool AFXAPI operator<(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) < 0;
}
bool AFXAPI operator<(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) > 0;
}
bool AFXAPI operator>(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) > 0;
}
bool AFXAPI operator>(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) > 0;
}
bool AFXAPI operator>(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) < 0;
}
bool AFXAPI operator<=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) <= 0;
}
bool AFXAPI operator<=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) <= 0;
}
bool AFXAPI operator<=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) >= 0;
}
bool AFXAPI operator>=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) >= 0;
}
bool AFXAPI operator>=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) >= 0;
}
bool AFXAPI operator>=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) <= 0;
}
