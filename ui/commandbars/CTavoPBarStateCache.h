// Button layouts of toolbars and menu bars that are not on screen, each kept in a temporary file that is deleted when it is closed.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CMap.h"

class CTavoPBarStateCache : public CObject
{
    DECLARE_DYNAMIC(CTavoPBarStateCache)
public:
    CTavoPBarStateCache();
    virtual ~CTavoPBarStateCache();

    // Closes every file, which deletes it, and forgets every key.
    void RemoveAll();

protected:
    CMap<UINT, UINT, HANDLE, HANDLE> m_mapFiles;
};

// The process-wide cache.
CTavoPBarStateCache& GetBarStateCache();
