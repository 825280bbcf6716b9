// Buffered binary stream over a CFile that stores and loads values, strings and objects with their class records.
#pragma once
#include "framework/CObject.h"
#include "framework/CString.h"
#include "framework/CRect.h"
#include "framework/CFile.h"
#include "framework/CArchiveException.h"
#include <vector>
#include <unordered_map>

class CDocument;

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4
    };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
    ~CArchive();

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
    CFile* GetFile() const { return m_pFile; }

    // Schema of the object being loaded, read once (then -1).
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Bytes actually read; fewer only at the end of the data.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    void Close();
    // Drops the archive without writing the buffer (after an error).
    void Abort();

    // Element counts: WORD, or 0xFFFF and a DWORD from 0xFFFF up.
    DWORD ReadCount();
    void WriteCount(DWORD dwCount);

    CObject* ReadObject(const CRuntimeClass* pClass);
    // For a list that owns what it reads: an object that is already held (a reference back to
    // one read before, or to the object being loaded) would get two owners, so it fails the load.
    CObject* ReadOwnedObject(const CRuntimeClass* pClass);
    void WriteObject(const CObject* pOb);
    // Registers an object as already written or read, so that later references use its index.
    void MapObject(const CObject* pOb);

    // Class records; a load that names a required base class refuses every other class.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL, UINT* pSchema = NULL,
                             DWORD* pObTag = NULL);
    void WriteClass(const CRuntimeClass* pClassRef);
    void SerializeClass(const CRuntimeClass* pClassRef);

    void SetStoreParams(UINT nHashSize = 2053, UINT nBlockSize = 128) {}
    void SetLoadParams(UINT nGrowBy = 1024) {}

    // Fixed-width values only: there is deliberately no 64-bit form, so that a pointer-sized
    // count (INT_PTR, size_t) does not compile until it is cast to a 32-bit type.
    CArchive& operator<<(BYTE by) { return WriteValue(by); }
    CArchive& operator<<(char ch) { return WriteValue(ch); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(short w) { return WriteValue(w); }
    CArchive& operator<<(int i) { return WriteValue((LONG)i); }
    CArchive& operator<<(UINT u) { return WriteValue((DWORD)u); }
    CArchive& operator<<(LONG l) { return WriteValue(l); }
    CArchive& operator<<(DWORD dw) { return WriteValue(dw); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator<<(const CString& str);
    CArchive& operator<<(const RECT& rect) { return WriteValue(rect); }
    CArchive& operator<<(POINT point) { return WriteValue(point); }
    CArchive& operator<<(SIZE size) { return WriteValue(size); }

    CArchive& operator>>(BYTE& by) { return ReadValue(by); }
    CArchive& operator>>(char& ch) { return ReadValue(ch); }
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(short& w) { return ReadValue(w); }
    CArchive& operator>>(int& i) { return ReadValue(i); }
    CArchive& operator>>(UINT& u) { return ReadValue(u); }
    CArchive& operator>>(LONG& l) { return ReadValue(l); }
    CArchive& operator>>(DWORD& dw) { return ReadValue(dw); }
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    CArchive& operator>>(CString& str);
    CArchive& operator>>(RECT& rect) { return ReadValue(rect); }
    CArchive& operator>>(POINT& point) { return ReadValue(point); }
    CArchive& operator>>(SIZE& size) { return ReadValue(size); }

    CDocument* m_pDocument;
    CString m_strFileName;

protected:
    template <class T>
    CArchive& WriteValue(const T& value)
    {
        CheckStoring();
        if ((UINT)(m_lpBufMax - m_lpBufCur) < sizeof(T))
            Flush();
        memcpy(m_lpBufCur, &value, sizeof(T));
        m_lpBufCur += sizeof(T);
        return *this;
    }
    template <class T>
    CArchive& ReadValue(T& value)
    {
        CheckLoading();
        if ((UINT)(m_lpBufMax - m_lpBufCur) < sizeof(T))
            FillBuffer(sizeof(T));
        memcpy(&value, m_lpBufCur, sizeof(T));
        m_lpBufCur += sizeof(T);
        return *this;
    }
    void CheckStoring();
    void CheckLoading();
    // Makes at least nBytesNeeded unread bytes available, or throws endOfFile.
    void FillBuffer(UINT nBytesNeeded);
    DWORD ReadStringLength(int& nCharSize);
    CObject* LoadObject(const CRuntimeClass* pClassRefRequested, BOOL bOwned);
    void ReadExactly(void* lpBuf, UINT nCount);

    struct LoadEntry
    {
        CRuntimeClass* pClass; // set for a class record
        UINT nSchema;
        CObject* pObject; // set for an object
    };

    UINT m_nMode;
    CFile* m_pFile;
    BOOL m_bUserBuf;
    int m_nBufSize;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    UINT m_nObjectSchema;
    int m_nLoadDepth;
    std::vector<LoadEntry> m_loadArray;
    std::unordered_map<const void*, DWORD> m_storeMap;
    DWORD m_nMapCount;

private:
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
};

CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb);
CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb);
CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb);
