// The process-wide objects of the toolbars and menus, defined here in one place and each built on
// its first use, so that bars and buttons made by other static objects find them.
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPMenuSound.h"

CObList& CTavoPToolBar::LiveToolbars()
{
    static CObList list;
    return list;
}

CList<UINT, UINT>& CTavoPToolBar::BasicCommands()
{
    static CList<UINT, UINT> list;
    return list;
}

CTavoPCommandUsage& GetCommandUsage()
{
    static CTavoPCommandUsage usage;
    return usage;
}

CTavoPBarStateCache& GetBarStateCache()
{
    static CTavoPBarStateCache cache;
    return cache;
}

// Built on the first sound request; its end at exit stops the worker and waits for it.
CTavoPMenuSound::State& CTavoPMenuSound::GetState()
{
    static State state;
    return state;
}
