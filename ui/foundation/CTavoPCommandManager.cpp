#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPStateKey.h"

#include <algorithm>

static const UINT kNoCommand = 0xFFFFFFFFu;
static LPCTSTR const kCommandsWithoutImages = _T("CommandsWithoutImages");
static const TCHAR kCommandManagerSection[] = _T("TavoToolBars");
static const TCHAR kCommandManagerKey[] = _T("TavoCommandManager");

CTavoPCommandManager::CTavoPCommandManager()
{}

CTavoPCommandManager::~CTavoPCommandManager()
{}

void CTavoPCommandManager::SetCmdImage(UINT uiCmd, int iImage, BOOL bUserImage)
{
    if (uiCmd == 0 || uiCmd == kNoCommand)
        return;

    std::map<UINT, int>& mine = bUserImage ? m_CommandIndexUser : m_CommandIndex;
    const std::map<UINT, int>& other = bUserImage ? m_CommandIndex : m_CommandIndexUser;
    if (other.count(uiCmd) != 0)
        return;
    mine[uiCmd] = iImage;
}

int CTavoPCommandManager::GetCmdImage(UINT uiCmd, BOOL bUserImage) const
{
    const std::map<UINT, int>& table = bUserImage ? m_CommandIndexUser : m_CommandIndex;
    std::map<UINT, int>::const_iterator it = table.find(uiCmd);
    return it == table.end() ? -1 : it->second;
}

void CTavoPCommandManager::ClearUserCmdImage(UINT uiCmd)
{
    m_CommandIndexUser.erase(uiCmd);
}

void CTavoPCommandManager::ClearAllCmdImages()
{
    m_CommandIndex.clear();
    m_CommandIndexUser.clear();
    m_lstCommandsWithoutImages.clear();
    m_lstCommandsWithoutImages.shrink_to_fit();
    m_setCommandsWithoutImages.clear();
}

void CTavoPCommandManager::EnableMenuItemImage(UINT uiCmd, BOOL bEnable)
{
    if (bEnable)
    {
        if (m_setCommandsWithoutImages.erase(uiCmd) != 0)
            m_lstCommandsWithoutImages.erase(std::find(m_lstCommandsWithoutImages.begin(),
                                                       m_lstCommandsWithoutImages.end(), uiCmd));
    }
    else if (m_setCommandsWithoutImages.insert(uiCmd).second)
        m_lstCommandsWithoutImages.push_back(uiCmd);
}

BOOL CTavoPCommandManager::IsMenuItemWithoutImage(UINT uiCmd) const
{
    return m_setCommandsWithoutImages.count(uiCmd) != 0;
}

// The value holds the framework's archive of the id list: its count, then the 32-bit ids in order.
BOOL CTavoPCommandManager::LoadState(LPCTSTR lpszProfileName)
{
    CTavoPStateKey key(kCommandManagerSection, lpszProfileName, kCommandManagerKey,
                       CTavoPStateKey::forReading);
    CDWordArray ids;
    if (!key->Read(kCommandsWithoutImages, ids))
        return FALSE;
    // Ids the list holds already (set before the load) stay once.
    for (INT_PTR i = 0; i < ids.GetSize(); i++)
        EnableMenuItemImage(ids[i], FALSE);
    return TRUE;
}

BOOL CTavoPCommandManager::SaveState(LPCTSTR lpszProfileName)
{
    CTavoPStateKey key(kCommandManagerSection, lpszProfileName, kCommandManagerKey,
                       CTavoPStateKey::forWriting);
    if (!key.Open())
        return FALSE;

    CDWordArray ids;
    for (UINT uiCmd : m_lstCommandsWithoutImages)
        ids.Add(uiCmd);
    return key->Write(kCommandsWithoutImages, ids);
}
