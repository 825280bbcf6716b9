// Test helpers: run a store into bytes, or a load over given bytes, through a memory file and an archive.
#pragma once
#include "framework/FrameworkCore.h"
#include <vector>
#include <string>
#include <utility>
#include <stdlib.h>

typedef std::vector<BYTE> Bytes;

template <class F>
Bytes StoreToBytes(F store, int nBufSize = 4096)
{
    CMemFile file(1024);
    {
        CArchive ar(&file, CArchive::store, nBufSize);
        store(ar);
        ar.Close();
    }
    ULONGLONG nLength = file.GetLength();
    BYTE* pData = file.Detach();
    Bytes bytes(pData, pData + nLength);
    free(pData);
    return bytes;
}

template <class F>
void LoadFromBytes(const Bytes& bytes, F load, int nBufSize = 4096)
{
    CMemFile file(const_cast<BYTE*>(bytes.data()), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load, nBufSize);
    load(ar);
}

// The cause of the archive exception the load ends in, or -1 when it ends normally.
template <class F>
int LoadFailureCause(const Bytes& bytes, F load)
{
    try
    {
        LoadFromBytes(bytes, load);
    }
    catch (CArchiveException* e)
    {
        int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return -1;
}

// The lengths at which the bytes cut short (at each length from 0 to one short of the whole)
// load other than they should: the load is to end in an archive exception, of the given cause
// unless that is -1. Empty when every cut fails cleanly.
template <class F>
std::vector<size_t> CutsNotFailing(const Bytes& bytes, F load, int nCause = -1)
{
    std::vector<size_t> wrong;
    for (size_t n = 0; n < bytes.size(); n++)
    {
        const int nGot = LoadFailureCause(Bytes(bytes.begin(), bytes.begin() + n), load);
        if (nGot == -1 || (nCause != -1 && nGot != nCause))
            wrong.push_back(n);
    }
    return wrong;
}

// The bytes cut short at each length from nFrom to one short of nTo (the whole by default), as
// named cases of damaged data.
inline std::vector<std::pair<std::string, Bytes>> CutCases(const Bytes& bytes, size_t nFrom = 0,
                                                           size_t nTo = (size_t)-1)
{
    std::vector<std::pair<std::string, Bytes>> cases;
    for (size_t n = nFrom; n < nTo && n < bytes.size(); n++)
        cases.emplace_back("cut at " + std::to_string(n), Bytes(bytes.begin(), bytes.begin() + n));
    return cases;
}

// Builds byte fixtures: raw bytes, little-endian words and double words, text.
class ByteWriter
{
public:
    ByteWriter& B(BYTE b)
    {
        m_bytes.push_back(b);
        return *this;
    }
    ByteWriter& W(WORD w)
    {
        B((BYTE)w);
        return B((BYTE)(w >> 8));
    }
    ByteWriter& D(DWORD d)
    {
        W((WORD)d);
        return W((WORD)(d >> 16));
    }
    ByteWriter& Text(const char* psz)
    {
        while (*psz)
            B((BYTE)*psz++);
        return *this;
    }
    ByteWriter& Repeat(BYTE b, size_t n)
    {
        m_bytes.insert(m_bytes.end(), n, b);
        return *this;
    }
    ByteWriter& Append(const Bytes& bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    // A new-class record: tag 0xFFFF, schema, name length, name.
    ByteWriter& NewClass(WORD wSchema, const char* pszName)
    {
        return W(0xFFFF).W(wSchema).W((WORD)strlen(pszName)).Text(pszName);
    }
    operator Bytes() const { return m_bytes; }
    const Bytes& bytes() const { return m_bytes; }

private:
    Bytes m_bytes;
};
