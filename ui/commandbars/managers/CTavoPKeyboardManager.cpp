#include "ui/commandbars/managers/CTavoPKeyboardManager.h"

IMPLEMENT_DYNAMIC(CTavoPKeyboardManager, CObject)

CTavoPKeyboardManager::CTavoPKeyboardManager()
{}

CTavoPKeyboardManager::~CTavoPKeyboardManager()
{}

// No table can be edited, so none is stored or restored.
BOOL CTavoPKeyboardManager::LoadState(LPCTSTR /*lpszProfileName*/, CFrameWnd* /*pDefaultFrame*/)
{
    return FALSE;
}

BOOL CTavoPKeyboardManager::SaveState(LPCTSTR /*lpszProfileName*/, CFrameWnd* /*pDefaultFrame*/)
{
    return FALSE;
}

// No accelerator table is looked up through the manager, so nothing is cached.
void CTavoPKeyboardManager::CleanUp()
{}
