// The process-wide objects of the toolbars and menus, defined here in one place and each built on
// its first use, so that bars and buttons made by other static objects find them.
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/CTavoPToolBar.h"

CObList& CTavoPToolBar::LiveToolbars()
{
    static CObList list;
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
