// The archive over memory that every archived value of the library's stored state goes through.
#pragma once
#include "framework/FrameworkCore.h"
#include <cstdlib>
#include <memory>
#include <vector>

// Runs store(CArchive&) over a storing archive and hands back the bytes it wrote; FALSE (and no
// bytes) when an exception ends it, a memory shortage included.
template <class TStore>
BOOL ArchiveToBlock(TStore store, std::vector<BYTE>& bytes)
{
    bytes.clear();
    try
    {
        CMemFile file(1024);
        CArchive ar(&file, CArchive::store, 4096);
        store(ar);
        ar.Close();
        const UINT nBytes = (UINT)file.GetLength();
        std::unique_ptr<BYTE, void (*)(void*)> block(file.Detach(), &free);
        bytes.assign(block.get(), block.get() + nBytes);
        return TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
        bytes.clear();
        return FALSE;
    }
}

// Runs load(CArchive&) -> BOOL over a loading archive of the block and returns its result.
// Exceptions of the load reach the caller, who knows what a half-finished load leaves behind.
template <class TLoad>
BOOL LoadFromBlock(BYTE* pData, UINT nBytes, TLoad load)
{
    CMemFile file(pData, nBytes);
    CArchive ar(&file, CArchive::load, 4096);
    const BOOL bLoaded = load(ar);
    ar.Close();
    return bLoaded;
}
