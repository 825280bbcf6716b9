#include "ui/commandbars/managers/CTavoPUserToolsManager.h"

IMPLEMENT_DYNAMIC(CTavoPUserToolsManager, CObject)

CTavoPUserToolsManager::CTavoPUserToolsManager()
{}

CTavoPUserToolsManager::~CTavoPUserToolsManager()
{}

// No tool can be added, so none is stored, restored or run.
BOOL CTavoPUserToolsManager::LoadState(LPCTSTR /*lpszProfileName*/)
{
    return FALSE;
}

BOOL CTavoPUserToolsManager::SaveState(LPCTSTR /*lpszProfileName*/)
{
    return FALSE;
}

BOOL CTavoPUserToolsManager::InvokeTool(UINT /*uiCmdId*/)
{
    return FALSE;
}
