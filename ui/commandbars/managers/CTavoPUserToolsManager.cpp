#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/foundation/CTavoPStateKey.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "res/LibraryIds.h"

IMPLEMENT_DYNAMIC(CTavoPUserToolsManager, CObject)

static LPCTSTR const kToolsSection = _T("TavoUserToolsManager");
static LPCTSTR const kToolsValue = _T("Tools");

static void DeleteTools(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

CTavoPUserToolsManager::CTavoPUserToolsManager(UINT uiCmdToolsDummy, UINT uiCmdFirst,
                                               UINT uiCmdLast, UINT uiFilterId, LPCTSTR lpszDefExt)
    : m_uiCmdToolsDummy(uiCmdToolsDummy), m_uiCmdFirst(uiCmdFirst), m_uiCmdLast(uiCmdLast),
      m_strDefExt(lpszDefExt != nullptr ? lpszDefExt : _T("exe"))
{
    CTavoPResourceScope scope;
    m_strFilter.LoadString(uiFilterId != 0 ? uiFilterId : IDS_TAVOP_USER_TOOL_FILTER);
}

CTavoPUserToolsManager::~CTavoPUserToolsManager()
{
    DeleteTools(m_lstUserTools);
}

BOOL CTavoPUserToolsManager::LoadState(LPCTSTR lpszProfileName)
{
    DeleteTools(m_lstUserTools);

    // Only tools are made from the stored bytes, whatever class they name.
    CTavoPStateKey key(kToolsSection, lpszProfileName, _T(""), CTavoPStateKey::forReading);
    return key->Read(kToolsValue, m_lstUserTools, RUNTIME_CLASS(CTavoPUserTool));
}

BOOL CTavoPUserToolsManager::SaveState(LPCTSTR lpszProfileName)
{
    CTavoPStateKey key(kToolsSection, lpszProfileName, _T(""), CTavoPStateKey::forWriting);
    return key->Write(kToolsValue, m_lstUserTools);
}

int CTavoPUserToolsManager::GetMaxTools() const
{
    return m_uiCmdLast >= m_uiCmdFirst && m_uiCmdFirst != 0 ? (int)(m_uiCmdLast - m_uiCmdFirst + 1)
                                                            : 0;
}

CTavoPUserTool* CTavoPUserToolsManager::CreateNewTool()
{
    for (int i = 0; i < GetMaxTools(); i++)
    {
        const UINT uiCmdId = m_uiCmdFirst + (UINT)i;
        if (FindTool(uiCmdId) != nullptr)
            continue;
        CTavoPUserTool* pTool = new CTavoPUserTool;
        pTool->m_uiCmdId = uiCmdId;
        m_lstUserTools.AddTail(pTool);
        return pTool;
    }
    return nullptr;
}

BOOL CTavoPUserToolsManager::RemoveTool(CTavoPUserTool* pTool)
{
    POSITION pos = m_lstUserTools.Find(pTool);
    if (pos == nullptr)
        return FALSE;
    m_lstUserTools.RemoveAt(pos);
    delete pTool;
    return TRUE;
}

BOOL CTavoPUserToolsManager::MoveTool(CTavoPUserTool* pTool, int iIndex)
{
    POSITION pos = m_lstUserTools.Find(pTool);
    if (pos == nullptr)
        return FALSE;
    m_lstUserTools.RemoveAt(pos);
    POSITION posBefore = iIndex >= 0 ? m_lstUserTools.FindIndex(iIndex) : nullptr;
    if (posBefore != nullptr)
        m_lstUserTools.InsertBefore(posBefore, pTool);
    else if (iIndex < 0)
        m_lstUserTools.AddHead(pTool);
    else
        m_lstUserTools.AddTail(pTool);
    return TRUE;
}

CTavoPUserTool* CTavoPUserToolsManager::FindWorkspaceTool(UINT uiCmdId)
{
    const CTavoPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace == nullptr || pWorkspace->m_pUserToolsManager == nullptr)
        return nullptr;
    return pWorkspace->m_pUserToolsManager->FindTool(uiCmdId);
}

CTavoPUserTool* CTavoPUserToolsManager::FindTool(UINT uiCmdId) const
{
    if (!IsUserToolCmd(uiCmdId))
        return nullptr;
    for (POSITION pos = m_lstUserTools.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPUserTool* pTool = (CTavoPUserTool*)m_lstUserTools.GetNext(pos);
        if (pTool->m_uiCmdId == uiCmdId)
            return pTool;
    }
    return nullptr;
}

BOOL CTavoPUserToolsManager::InvokeTool(UINT uiCmdId)
{
    CTavoPUserTool* pTool = FindTool(uiCmdId);
    if (pTool == nullptr)
        return FALSE;
    if (pTool->Invoke())
        return TRUE;

    // The user chose the tool: a program that is gone or a tool without one must not fail unseen.
    CString strMessage;
    {
        CTavoPResourceScope scope;
        CString strFormat;
        strFormat.LoadString(IDS_TAVOP_CANT_RUN_TOOL);
        strMessage.Format(strFormat, (LPCTSTR)pTool->m_strLabel, (LPCTSTR)pTool->GetCommand());
    }
    AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

BOOL CTavoPUserToolsManager::ReplaceToolsItem(HMENU hMenu) const
{
    if (hMenu == nullptr || m_uiCmdToolsDummy == 0)
        return FALSE;

    BOOL bReplaced = FALSE;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
    {
        HMENU hSubMenu = ::GetSubMenu(hMenu, i);
        if (hSubMenu != nullptr)
        {
            bReplaced |= ReplaceToolsItem(hSubMenu);
            continue;
        }
        if (::GetMenuItemID(hMenu, i) != m_uiCmdToolsDummy)
            continue;

        ::DeleteMenu(hMenu, (UINT)i, MF_BYPOSITION);
        bReplaced = TRUE;
        int iInsert = i;
        const BOOL bSeparatorBefore =
            i > 0 && (::GetMenuState(hMenu, (UINT)(i - 1), MF_BYPOSITION) & MF_SEPARATOR) != 0;
        if (!m_lstUserTools.IsEmpty() && i > 0 && !bSeparatorBefore)
            ::InsertMenuA(hMenu, (UINT)iInsert++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        for (POSITION pos = m_lstUserTools.GetHeadPosition(); pos != nullptr;)
        {
            const CTavoPUserTool* pTool = (const CTavoPUserTool*)m_lstUserTools.GetNext(pos);
            ::InsertMenuA(hMenu, (UINT)iInsert++, MF_BYPOSITION | MF_STRING, pTool->m_uiCmdId,
                          pTool->m_strLabel);
        }
        const int nCount = ::GetMenuItemCount(hMenu);
        if (!m_lstUserTools.IsEmpty() && iInsert < nCount &&
            (::GetMenuState(hMenu, (UINT)iInsert, MF_BYPOSITION) & MF_SEPARATOR) == 0)
            ::InsertMenuA(hMenu, (UINT)iInsert, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);

        // No two separators in a row where the dummy item stood.
        const int iCheck = std::max(iInsert, 1);
        if (iCheck < ::GetMenuItemCount(hMenu) &&
            (::GetMenuState(hMenu, (UINT)iCheck, MF_BYPOSITION) & MF_SEPARATOR) != 0 &&
            (::GetMenuState(hMenu, (UINT)(iCheck - 1), MF_BYPOSITION) & MF_SEPARATOR) != 0)
            ::DeleteMenu(hMenu, (UINT)iCheck, MF_BYPOSITION);
        i = iInsert - 1;
    }
    return bReplaced;
}
