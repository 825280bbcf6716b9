// Data offered for a transfer: global memory blocks by clipboard format, handed to the clipboard or read back in the same process.
#pragma once
#include "framework/CObject.h"
#include <wtypes.h>
#include <map>

class COleDataSource : public CObject
{
public:
    COleDataSource();
    virtual ~COleDataSource();

    // The source owns hGlobal until it is handed to the clipboard.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal);
    // The block cached under the format, still owned by the source; null when none.
    HGLOBAL GetCachedData(CLIPFORMAT cfFormat) const;
    // Puts every cached block on the clipboard, which then owns them.
    BOOL SetClipboard();
    void Empty();

private:
    std::map<CLIPFORMAT, HGLOBAL> m_data;
};
