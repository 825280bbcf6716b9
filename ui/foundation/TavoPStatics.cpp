// The library's process-wide objects of this folder, defined here in one place and order.
//
// Nothing here makes a GDI object or throws while the program's static objects are built:
//  1. the face names (TavoPFaceNames.h) are constants;
//  2. g_sharedImageDCs only frees the toolbar image lists' two shared memory DCs at exit;
//     it is built before anything else here and destroyed after everything else;
//  3. the global data is built on its first use (GetGlobalData) and makes its fonts and
//     brushes then;
//  4. the four menu glyph strips are built empty on their first use and filled by
//     CTavoPMenuGlyphImages::Initialize;
//  5. the command manager is built on its first use (GetCommandManager), so that toolbar
//     buttons made by other static objects find it;
//  6. the registry cache is built on its first use (GetRegistryCache).
// Objects built on first use are destroyed at exit in the reverse order of their first use.
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPRegistryCache.h"
#include "ui/foundation/CTavoPToolbarImageList.h"

namespace {
struct SharedImageDCs
{
    ~SharedImageDCs() { CTavoPToolbarImageList::ReleaseSharedDCs(); }
} g_sharedImageDCs;
}

CTavoPGlobalData& GetGlobalData()
{
    static CTavoPGlobalData data;
    return data;
}

CTavoPToolbarImageList* TavoPMenuGlyphStrips()
{
    static CTavoPToolbarImageList strips[4];
    return strips;
}

CTavoPCommandManager* GetCommandManager()
{
    static CTavoPCommandManager manager;
    return &manager;
}

CTavoPRegistryCache& GetRegistryCache()
{
    static CTavoPRegistryCache cache;
    return cache;
}
