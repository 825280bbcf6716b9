// Element helpers of the collection templates: hashing, comparing and archiving of elements.
#pragma once
#include "framework/CArchive.h"
#include "framework/CNotSupportedException.h"
#include <type_traits>

#define BEFORE_START_POSITION ((POSITION)-1L)

// Integer keys hash to key >> 4 (stored maps are written in bucket order, so this is part of the format).
template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    if constexpr (std::is_pointer<ARG_KEY>::value)
        return (UINT)(((UINT_PTR)key) >> 4);
    else
        return ((UINT)(key)) >> 4;
}

// String keys: hash * 33 + each byte taken as a signed char.
inline UINT AFXAPI HashKey(LPCTSTR key)
{
    UINT nHash = 0;
    if (key != NULL)
        while (*key != '\0')
            nHash = (nHash << 5) + nHash + (UINT)(int)(signed char)*key++;
    return nHash;
}

inline UINT AFXAPI HashKey(const CString& key)
{
    return HashKey((LPCTSTR)key);
}

// Elements are stored one after another: strings in the archive's string form, objects with their
// class records, plain values as their bytes. Pointers are never stored.
template <class TYPE>
void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, DWORD nCount)
{
    if constexpr (std::is_same<TYPE, CString>::value)
    {
        for (DWORD i = 0; i < nCount; ++i)
        {
            if (ar.IsStoring())
                ar << pElements[i];
            else
                ar >> pElements[i];
        }
    }
    else if constexpr (std::is_pointer<TYPE>::value &&
                       std::is_base_of<CObject,
                                       typename std::remove_cv<
                                           typename std::remove_pointer<TYPE>::type>::type>::value)
    {
        typedef typename std::remove_pointer<TYPE>::type OBJECT;
        for (DWORD i = 0; i < nCount; ++i)
        {
            if (ar.IsStoring())
                ar.WriteObject(pElements[i]);
            else
            {
                CObject* pOb = ar.ReadObject(NULL);
                OBJECT* pTyped = dynamic_cast<OBJECT*>(pOb);
                if (pOb != NULL && pTyped == NULL)
                    AfxThrowArchiveException(CArchiveException::badClass);
                pElements[i] = pTyped;
            }
        }
    }
    else if constexpr (std::is_trivially_copyable<TYPE>::value && !std::is_pointer<TYPE>::value)
    {
        // In pieces, so that a count from bad data never turns into one huge transfer.
        const DWORD nChunk = 0x10000 / sizeof(TYPE) + 1;
        for (DWORD nDone = 0; nDone < nCount;)
        {
            DWORD nPart = nCount - nDone < nChunk ? nCount - nDone : nChunk;
            if (ar.IsStoring())
                ar.Write(pElements + nDone, (UINT)(nPart * sizeof(TYPE)));
            else if (ar.Read(pElements + nDone, (UINT)(nPart * sizeof(TYPE))) !=
                     nPart * sizeof(TYPE))
                AfxThrowArchiveException(CArchiveException::endOfFile);
            nDone += nPart;
        }
    }
    else
    {
        AfxThrowNotSupportedException();
    }
}
