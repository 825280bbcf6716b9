// Hash map from keys to values with the framework's bucket layout (default 17 buckets), walked in bucket order.
#pragma once
#include "framework/AfxCollectionHelpers.h"
#include "framework/CMemoryException.h"
#include <new>
#include <stdlib.h>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue; // bucket index
        KEY key;
        VALUE value;
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10) : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0)
    {}
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        UINT nHash;
        CAssoc* pAssoc = GetAssocAt(key, nHash);
        if (pAssoc == NULL)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Sets the bucket count; only on an empty map (the order of a filled map would change).
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

    void Serialize(CArchive& ar) override;

protected:
    CAssoc** m_pHashTable;
    UINT m_nHashTableSize;
    INT_PTR m_nCount;

    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHashBucket) const;

private:
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize, BOOL bAllocNow)
{
    if (m_nCount != 0 || nHashSize == 0)
        return;
    free(m_pHashTable);
    m_pHashTable = NULL;
    if (bAllocNow)
    {
        m_pHashTable = (CAssoc**)calloc(nHashSize, sizeof(CAssoc*));
        if (m_pHashTable == NULL)
            AfxThrowMemoryException();
    }
    m_nHashTableSize = nHashSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable != NULL)
    {
        for (UINT nHash = 0; nHash < m_nHashTableSize; nHash++)
        {
            CAssoc* pAssoc = m_pHashTable[nHash];
            while (pAssoc != NULL)
            {
                CAssoc* pNext = pAssoc->pNext;
                delete pAssoc;
                pAssoc = pNext;
            }
        }
        free(m_pHashTable);
        m_pHashTable = NULL;
    }
    m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<
    KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT& nHashBucket) const
{
    nHashBucket = HashKey(key) % m_nHashTableSize;
    if (m_pHashTable == NULL)
        return NULL;
    for (CAssoc* pAssoc = m_pHashTable[nHashBucket]; pAssoc != NULL; pAssoc = pAssoc->pNext)
        if (pAssoc->key == key)
            return pAssoc;
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHashBucket;
    CAssoc* pAssoc = GetAssocAt(key, nHashBucket);
    if (pAssoc != NULL)
        return pAssoc->value;
    if (m_pHashTable == NULL)
        InitHashTable(m_nHashTableSize);
    pAssoc = new (std::nothrow) CAssoc{NULL, nHashBucket, KEY(key), VALUE()};
    if (pAssoc == NULL)
        AfxThrowMemoryException();
    // A new key goes in front of its bucket: the walk meets it before older keys of that bucket.
    pAssoc->pNext = m_pHashTable[nHashBucket];
    m_pHashTable[nHashBucket] = pAssoc;
    ++m_nCount;
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == NULL)
        return FALSE;
    CAssoc** ppAssocPrev = &m_pHashTable[HashKey(key) % m_nHashTableSize];
    for (CAssoc* pAssoc = *ppAssocPrev; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (pAssoc->key == key)
        {
            *ppAssocPrev = pAssoc->pNext;
            delete pAssoc;
            --m_nCount;
            return TRUE;
        }
        ppAssocPrev = &pAssoc->pNext;
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                        VALUE& rValue) const
{
    CAssoc* pAssocRet = (CAssoc*)rNextPosition;
    if (pAssocRet == NULL || m_pHashTable == NULL)
    {
        rNextPosition = NULL;
        return;
    }
    if (pAssocRet == (CAssoc*)BEFORE_START_POSITION)
    {
        pAssocRet = NULL;
        for (UINT nBucket = 0; nBucket < m_nHashTableSize && pAssocRet == NULL; nBucket++)
            pAssocRet = m_pHashTable[nBucket];
        if (pAssocRet == NULL)
        {
            rNextPosition = NULL;
            return;
        }
    }
    CAssoc* pAssocNext = pAssocRet->pNext;
    for (UINT nBucket = pAssocRet->nHashValue + 1; pAssocNext == NULL && nBucket < m_nHashTableSize;
         nBucket++)
        pAssocNext = m_pHashTable[nBucket];
    rNextPosition = (POSITION)pAssocNext;
    rKey = pAssocRet->key;
    rValue = pAssocRet->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        if (m_nCount == 0 || m_pHashTable == NULL)
            return;
        for (UINT nHash = 0; nHash < m_nHashTableSize; nHash++)
        {
            for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext)
            {
                SerializeElements<KEY>(ar, &pAssoc->key, 1);
                SerializeElements<VALUE>(ar, &pAssoc->value, 1);
            }
        }
        return;
    }
    DWORD nNewCount = ar.ReadCount();
    while (nNewCount--)
    {
        KEY newKey[1] = {};
        VALUE newValue[1] = {};
        SerializeElements<KEY>(ar, newKey, 1);
        SerializeElements<VALUE>(ar, newValue, 1);
        SetAt(newKey[0], newValue[0]);
    }
}
