#include "ui/commandbars/managers/CTavoPMouseManager.h"

IMPLEMENT_DYNCREATE(CTavoPMouseManager, CObject)

CTavoPMouseManager::CTavoPMouseManager()
{}

CTavoPMouseManager::~CTavoPMouseManager()
{}

// No view can be registered, so no binding is stored, restored or found.
BOOL CTavoPMouseManager::LoadState(LPCTSTR /*lpszProfileName*/)
{
    return FALSE;
}

BOOL CTavoPMouseManager::SaveState(LPCTSTR /*lpszProfileName*/)
{
    return FALSE;
}

UINT CTavoPMouseManager::GetViewCommand(int /*iViewId*/)
{
    return 0;
}
