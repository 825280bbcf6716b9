#include "ui/commandbars/managers/CTavoPContextMenuManager.h"

IMPLEMENT_DYNAMIC(CTavoPContextMenuManager, CObject)

CTavoPContextMenuManager::CTavoPContextMenuManager()
{}

CTavoPContextMenuManager::~CTavoPContextMenuManager()
{}

// No menu can be added, so none is stored, restored or shown.
BOOL CTavoPContextMenuManager::LoadState(LPCTSTR /*lpszProfileName*/)
{
    return FALSE;
}

BOOL CTavoPContextMenuManager::SaveState(LPCTSTR /*lpszProfileName*/)
{
    return FALSE;
}

BOOL CTavoPContextMenuManager::ShowPopupMenu(UINT /*uiMenuResId*/, int /*x*/, int /*y*/,
                                             CWnd* /*pWndOwner*/, BOOL /*bOwnMessage*/)
{
    return FALSE;
}
