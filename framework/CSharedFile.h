// Memory file in a global memory block, for the clipboard and OLE data transfer.
#pragma once
#include "framework/CMemFile.h"

class CSharedFile : public CMemFile
{
    DECLARE_DYNAMIC(CSharedFile)
public:
    explicit CSharedFile(UINT nAllocFlags = GMEM_DDESHARE | GMEM_MOVEABLE, UINT nGrowBytes = 4096);
    ~CSharedFile() override;

    // Hands the global block to the caller (the file length is its data size) and leaves the file empty.
    HGLOBAL Detach();
    // Reads and writes a block given by the caller; the file then owns it.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);

    void Close() override;

protected:
    BYTE* Alloc(SIZE_T nBytes) override;
    BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes) override;
    void Free(BYTE* lpMem) override;

    UINT m_nAllocFlags;
    HGLOBAL m_hGlobalMemory;
    BOOL m_bAllowGrow;
};
