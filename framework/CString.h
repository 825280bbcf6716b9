// Byte string of the ANSI build: GBK text, searched and cased a whole character at a time.
#pragma once
#include "framework/AfxBase.h"
#include <stdarg.h>
#include <type_traits>

struct CStringData
{
    int nDataLength;
    int nAllocLength;
    char* data() { return (char*)(this + 1); }
};

class CString
{
public:
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(char ch, int nRepeat = 1);
    CString(LPCSTR lpsz); // a MAKEINTRESOURCE value loads that string resource
    CString(LPCSTR lpch, int nLength);
    CString(const unsigned char* psz);
    CString(LPCWSTR lpsz);
    ~CString();

    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();

    char GetAt(int nIndex) const { return m_pchData[nIndex]; }
    char operator[](int nIndex) const { return m_pchData[nIndex]; }
    void SetAt(int nIndex, char ch);
    operator LPCTSTR() const { return m_pchData; }
    LPCTSTR GetString() const { return m_pchData; }

    const CString& operator=(const CString& stringSrc);
    const CString& operator=(CString&& stringSrc) noexcept;
    const CString& operator=(char ch);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(const unsigned char* psz);
    const CString& operator=(LPCWSTR lpsz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(char ch);
    const CString& operator+=(LPCTSTR lpsz);

    friend CString AFXAPI operator+(const CString& string1, const CString& string2);
    friend CString AFXAPI operator+(const CString& string, char ch);
    friend CString AFXAPI operator+(char ch, const CString& string);
    friend CString AFXAPI operator+(const CString& string, LPCTSTR lpsz);
    friend CString AFXAPI operator+(LPCTSTR lpsz, const CString& string);

    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;
    int Collate(LPCTSTR lpsz) const;
    int CollateNoCase(LPCTSTR lpsz) const;

    // Extraction never splits a double-byte character: a cut inside one leaves that character out.
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    void TrimRight();
    void TrimRight(char chTarget);
    void TrimRight(LPCTSTR lpszTargets);
    void TrimLeft();
    void TrimLeft(char chTarget);
    void TrimLeft(LPCTSTR lpszTargets);
    void Trim()
    {
        TrimRight();
        TrimLeft();
    }
    void Trim(char chTarget)
    {
        TrimRight(chTarget);
        TrimLeft(chTarget);
    }
    void Trim(LPCTSTR lpszTargets)
    {
        TrimRight(lpszTargets);
        TrimLeft(lpszTargets);
    }

    int Replace(char chOld, char chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(char chRemove);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCTSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    // Searches match whole characters only: a trail byte such as 0x5C is never found as '\\'.
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(LPCTSTR lpszSub) const;
    int Find(LPCTSTR lpszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    // printf formatting; a CString argument goes in as its text, as "%s" expects.
    template <class... Args>
    void Format(LPCTSTR lpszFormat, const Args&... args)
    {
        FormatArgs(lpszFormat, FormatArg(args)...);
    }
    template <class... Args>
    void Format(UINT nFormatID, const Args&... args)
    {
        CString strFormat;
        strFormat.LoadString(nFormatID);
        FormatArgs(strFormat.m_pchData, FormatArg(args)...);
    }
    void FormatV(LPCTSTR lpszFormat, va_list argList);

    BOOL LoadString(UINT nID);

    LPTSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPTSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    int GetAllocLength() const { return GetData()->nAllocLength; }
    LPTSTR LockBuffer();
    void UnlockBuffer();

    // Lead-byte test of the process code page (936 here).
    static BOOL IsLeadByte(BYTE ch);
    // Length in bytes of the character at p: 2 for a complete double-byte character, else 1 (0 at the end).
    static int CharLength(LPCTSTR p);

private:
    LPTSTR m_pchData;

    // A class object cannot travel through "...": strings are passed as their text.
    template <class T>
    static auto FormatArg(const T& value)
    {
        if constexpr (std::is_base_of<CString, T>::value)
            return (LPCTSTR)value.m_pchData;
        else
            return value;
    }
    void AFX_CDECL FormatArgs(LPCTSTR lpszFormat, ...);

    CStringData* GetData() const { return ((CStringData*)m_pchData) - 1; }
    void Init();
    void AllocBuffer(int nLen);
    void AllocBeforeWrite(int nLen);
    void Release();
    void AssignCopy(int nSrcLen, LPCTSTR lpszSrcData);
    void ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData);
    static CString Concat(int nLen1, LPCTSTR p1, int nLen2, LPCTSTR p2);
    int CharStartBefore(int nIndex) const;
    int FindCharFrom(LPCTSTR lpszCharSet, LPCTSTR p) const;
};

bool AFXAPI operator==(const CString& s1, const CString& s2);
bool AFXAPI operator==(const CString& s1, LPCTSTR s2);
bool AFXAPI operator==(LPCTSTR s1, const CString& s2);
bool AFXAPI operator!=(const CString& s1, const CString& s2);
bool AFXAPI operator!=(const CString& s1, LPCTSTR s2);
bool AFXAPI operator!=(LPCTSTR s1, const CString& s2);
bool AFXAPI operator<(const CString& s1, const CString& s2);
bool AFXAPI operator<(const CString& s1, LPCTSTR s2);
bool AFXAPI operator<(LPCTSTR s1, const CString& s2);
bool AFXAPI operator>(const CString& s1, const CString& s2);
bool AFXAPI operator>(const CString& s1, LPCTSTR s2);
bool AFXAPI operator>(LPCTSTR s1, const CString& s2);
bool AFXAPI operator<=(const CString& s1, const CString& s2);
bool AFXAPI operator<=(const CString& s1, LPCTSTR s2);
bool AFXAPI operator<=(LPCTSTR s1, const CString& s2);
bool AFXAPI operator>=(const CString& s1, const CString& s2);
bool AFXAPI operator>=(const CString& s1, LPCTSTR s2);
bool AFXAPI operator>=(LPCTSTR s1, const CString& s2);
