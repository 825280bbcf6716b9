#include "ui/commandbars/managers/CTavoPMouseManager.h"
#include "ui/foundation/CTavoPStateKey.h"

IMPLEMENT_SERIAL(CTavoPMouseManager, CObject, 1)

static LPCTSTR const kMouseSection = _T("TavoMouseManager");
static LPCTSTR const kMouseValue = _T("Mouse");

static CTavoPMouseManager* g_pMouseManager = nullptr;

CTavoPMouseManager* GetMouseManager()
{
    return g_pMouseManager;
}

CTavoPMouseManager::CTavoPMouseManager()
{
    g_pMouseManager = this;
}

// Another manager made later is the process-wide one now: it stays so.
CTavoPMouseManager::~CTavoPMouseManager()
{
    if (g_pMouseManager == this)
        g_pMouseManager = nullptr;
}

void CTavoPMouseManager::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
    {
        m_ViewsToCommands.RemoveAll();
        DWORD dwCount = 0;
        ar >> dwCount;
        for (DWORD i = 0; i < dwCount; i++)
        {
            DWORD dwViewId = 0;
            DWORD dwCmd = 0;
            ar >> dwViewId >> dwCmd;
            m_ViewsToCommands.SetAt(dwViewId, dwCmd);
        }
        return;
    }

    ar << (DWORD)m_ViewsToCommands.GetCount();
    for (POSITION pos = m_ViewsToCommands.GetStartPosition(); pos != nullptr;)
    {
        UINT uiViewId = 0;
        UINT uiCmd = 0;
        m_ViewsToCommands.GetNextAssoc(pos, uiViewId, uiCmd);
        ar << (DWORD)uiViewId << (DWORD)uiCmd;
    }
}

BOOL CTavoPMouseManager::LoadState(LPCTSTR lpszProfileName)
{
    // A value cut short keeps the bindings read before its end.
    CTavoPStateKey key(kMouseSection, lpszProfileName, _T(""), CTavoPStateKey::forReading);
    return key.LoadArchived(kMouseValue, [this](CArchive& ar) {
        Serialize(ar);
        return TRUE;
    });
}

BOOL CTavoPMouseManager::SaveState(LPCTSTR lpszProfileName)
{
    CTavoPStateKey key(kMouseSection, lpszProfileName, _T(""), CTavoPStateKey::forWriting);
    return key.StoreArchived(kMouseValue, [this](CArchive& ar) { Serialize(ar); });
}

BOOL CTavoPMouseManager::AddView(int iViewId, LPCTSTR lpszViewName, UINT uiIconId)
{
    if (lpszViewName == nullptr || *lpszViewName == 0)
        return FALSE;
    int iExisting = 0;
    if (m_ViewsNames.Lookup(lpszViewName, iExisting))
        return FALSE;
    m_ViewsNames.SetAt(lpszViewName, iViewId);
    if (uiIconId != 0)
        m_ViewsToIcons.SetAt((UINT)iViewId, uiIconId);
    return TRUE;
}

UINT CTavoPMouseManager::GetViewCommand(int iViewId)
{
    UINT uiCmd = 0;
    m_ViewsToCommands.Lookup((UINT)iViewId, uiCmd);
    return uiCmd;
}

void CTavoPMouseManager::SetViewCommand(int iViewId, UINT uiCmd)
{
    if (uiCmd != 0)
        m_ViewsToCommands.SetAt((UINT)iViewId, uiCmd);
    else
        m_ViewsToCommands.RemoveKey((UINT)iViewId);
}

UINT CTavoPMouseManager::GetViewIconId(int iViewId) const
{
    UINT uiIconId = 0;
    m_ViewsToIcons.Lookup((UINT)iViewId, uiIconId);
    return uiIconId;
}

void CTavoPMouseManager::GetViewNames(CStringList& listOfNames) const
{
    listOfNames.RemoveAll();
    for (POSITION pos = m_ViewsNames.GetStartPosition(); pos != nullptr;)
    {
        CString strName;
        int iViewId = 0;
        m_ViewsNames.GetNextAssoc(pos, strName, iViewId);
        listOfNames.AddTail(strName);
    }
}

int CTavoPMouseManager::GetViewIdByName(LPCTSTR lpszName) const
{
    int iViewId = -1;
    if (lpszName == nullptr || !m_ViewsNames.Lookup(lpszName, iViewId))
        return -1;
    return iViewId;
}
