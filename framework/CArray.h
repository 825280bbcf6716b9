// Growable array of elements of any type, with the framework's growth rule and serialization.
#pragma once
#include "framework/AfxCollectionHelpers.h"
#include "framework/CMemoryException.h"
#include <new>
#include <utility>
#include <stdlib.h>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    ~CArray() override { RemoveAll(); }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }

    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[nIndex]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_pData[nIndex]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[nIndex] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[nIndex]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[nIndex]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }
    const TYPE& operator[](INT_PTR nIndex) const { return m_pData[nIndex]; }
    TYPE& operator[](INT_PTR nIndex) { return m_pData[nIndex]; }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

    void Serialize(CArchive& ar) override;

protected:
    TYPE* m_pData;
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
    INT_PTR m_nGrowBy;

private:
    void Reallocate(INT_PTR nNewMax);
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR nNewMax)
{
    if (nNewMax < 0 || (size_t)nNewMax > ((size_t)0x7FFFFFFF) / sizeof(TYPE))
        AfxThrowMemoryException();
    TYPE* pNewData = (TYPE*)malloc((size_t)nNewMax * sizeof(TYPE));
    if (pNewData == NULL && nNewMax != 0)
        AfxThrowMemoryException();
    for (INT_PTR i = 0; i < m_nSize; ++i)
    {
        ::new ((void*)(pNewData + i)) TYPE(std::move(m_pData[i]));
        m_pData[i].~TYPE();
    }
    free(m_pData);
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0)
        AfxThrowNotSupportedException();
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;

    if (nNewSize == 0)
    {
        for (INT_PTR i = 0; i < m_nSize; ++i)
            m_pData[i].~TYPE();
        free(m_pData);
        m_pData = NULL;
        m_nSize = m_nMaxSize = 0;
        return;
    }
    if (nNewSize > m_nMaxSize)
    {
        INT_PTR nGrow = m_nGrowBy;
        if (nGrow == 0)
        {
            // Grow by an eighth, between 4 and 1024 elements, so that Add stays cheap.
            nGrow = m_nSize / 8;
            nGrow = nGrow < 4 ? 4 : (nGrow > 1024 ? 1024 : nGrow);
        }
        INT_PTR nNewMax = m_pData == NULL
                              ? (nNewSize > m_nGrowBy ? nNewSize : m_nGrowBy)
                              : (nNewSize > m_nMaxSize + nGrow ? nNewSize : m_nMaxSize + nGrow);
        Reallocate(nNewMax);
    }
    for (INT_PTR i = m_nSize; i < nNewSize; ++i)
        ::new ((void*)(m_pData + i)) TYPE();
    for (INT_PTR i = nNewSize; i < m_nSize; ++i)
        m_pData[i].~TYPE();
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize != m_nMaxSize)
    {
        if (m_nSize == 0)
            RemoveAll();
        else
            Reallocate(m_nSize);
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0)
        AfxThrowNotSupportedException();
    if (nIndex >= m_nSize)
    {
        // The argument may live inside this array: copy it before the storage moves.
        TYPE copy(newElement);
        SetSize(nIndex + 1, -1);
        m_pData[nIndex] = std::move(copy);
        return;
    }
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    if (this == &src)
        AfxThrowNotSupportedException();
    INT_PTR nOldSize = m_nSize;
    SetSize(m_nSize + src.m_nSize);
    for (INT_PTR i = 0; i < src.m_nSize; ++i)
        m_pData[nOldSize + i] = src.m_pData[i];
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize);
    for (INT_PTR i = 0; i < src.m_nSize; ++i)
        m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0)
        return;
    TYPE copy(newElement);
    if (nIndex >= m_nSize)
    {
        SetSize(nIndex + nCount, -1);
    }
    else
    {
        INT_PTR nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        for (INT_PTR i = nOldSize - 1; i >= nIndex; --i)
            m_pData[i + nCount] = std::move(m_pData[i]);
    }
    for (INT_PTR i = 0; i < nCount; ++i)
        m_pData[nIndex + i] = copy;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
{
    if (pNewArray == NULL || pNewArray == this || pNewArray->GetSize() == 0)
        return;
    InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->GetSize());
    for (INT_PTR i = 0; i < pNewArray->GetSize(); ++i)
        SetAt(nStartIndex + i, pNewArray->GetAt(i));
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0 || nIndex >= m_nSize)
        return;
    if (nCount > m_nSize - nIndex)
        nCount = m_nSize - nIndex;
    for (INT_PTR i = nIndex; i + nCount < m_nSize; ++i)
        m_pData[i] = std::move(m_pData[i + nCount]);
    for (INT_PTR i = m_nSize - nCount; i < m_nSize; ++i)
        m_pData[i].~TYPE();
    m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nSize);
        SerializeElements<TYPE>(ar, m_pData, (DWORD)m_nSize);
        return;
    }
    DWORD nNewSize = ar.ReadCount();
    RemoveAll();
    // The array grows with the data actually read, not with the stored count.
    const DWORD nChunk = 4096;
    for (DWORD nDone = 0; nDone < nNewSize;)
    {
        DWORD nPart = nNewSize - nDone < nChunk ? nNewSize - nDone : nChunk;
        SetSize((INT_PTR)(nDone + nPart), -1);
        SerializeElements<TYPE>(ar, m_pData + nDone, nPart);
        nDone += nPart;
    }
}
