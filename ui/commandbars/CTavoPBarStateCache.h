// Button layouts of toolbars and menu bars that are not on screen, each kept in a temporary file that is deleted when it is closed.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CMap.h"

class CTavoPToolBar;

class CTavoPBarStateCache : public CObject
{
    DECLARE_DYNAMIC(CTavoPBarStateCache)
public:
    CTavoPBarStateCache();
    virtual ~CTavoPBarStateCache();

    // Writes the toolbar's state into a new temporary file kept under the key. A state saved
    // before under the key is replaced only once the new one is written; when anything fails
    // it stays as it was and no new file is left behind. FALSE for a toolbar without buttons.
    BOOL Save(UINT uiKey, CTavoPToolBar* pToolBar);
    // Reads the key's state back into the toolbar; the state stays cached.
    BOOL Load(UINT uiKey, CTavoPToolBar* pToolBar);
    // Closes the key's file, which deletes it; FALSE when the key has nothing cached.
    BOOL Remove(UINT uiKey);
    // Closes every file, which deletes it, and forgets every key.
    void RemoveAll();

    // The key of a menu's layout: its handle, which is unique while the menu lives.
    static UINT MenuKey(HMENU hMenu) { return (UINT)(UINT_PTR)hMenu; }

protected:
    CMap<UINT, UINT, HANDLE, HANDLE> m_mapFiles;
};

// The process-wide cache.
CTavoPBarStateCache& GetBarStateCache();
