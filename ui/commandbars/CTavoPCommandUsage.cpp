#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/foundation/CTavoPWorkspace.h"

IMPLEMENT_DYNCREATE(CTavoPCommandUsage, CObject)

CTavoPCommandUsage::CTavoPCommandUsage() : m_nTotalUsage(0)
{
    m_CommandsUsage.InitHashTable(17);
}

CTavoPCommandUsage::~CTavoPCommandUsage()
{}

BOOL CTavoPCommandUsage::IsCounted(UINT uiCmd)
{
    if (CTavoPToolBar::IsCustomizeMode() || uiCmd == 0 || uiCmd == (UINT)-1)
        return FALSE;
    if ((uiCmd >= 0xE110 && uiCmd <= 0xE11F) || (uiCmd >= 0xF000 && uiCmd <= 0xF1EF) ||
        (uiCmd >= 0xE210 && uiCmd <= 0xE21F) || uiCmd > 0xFEFF)
        return FALSE;
    // The user-tools placeholder stands for the tools in the menu: were it rarely used, a
    // shortened menu would hide every tool with it.
    const CTavoPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace != NULL && pWorkspace->m_pUserToolsManager != NULL &&
        uiCmd == pWorkspace->m_pUserToolsManager->GetToolsEntryCmd())
        return FALSE;
    return !CTavoPToolBar::IsBasicCommand(uiCmd);
}

void CTavoPCommandUsage::AddUsage(UINT uiCmd)
{
    if (!IsCounted(uiCmd))
        return;
    m_CommandsUsage[uiCmd]++;
    m_nTotalUsage++;
}

int CTavoPCommandUsage::GetCount(UINT uiCmd) const
{
    int nCount = 0;
    return m_CommandsUsage.Lookup(uiCmd, nCount) ? nCount : 0;
}

BOOL CTavoPCommandUsage::IsFrequent(UINT uiCmd) const
{
    if (m_nTotalUsage == 0)
        return FALSE;
    // Wide enough that a long-lived count cannot wrap when it is scaled to a percentage.
    const ULONGLONG nPercent = (ULONGLONG)(UINT)GetCount(uiCmd) * 100 / m_nTotalUsage;
    return nPercent > m_nFrequencyPercent;
}

BOOL CTavoPCommandUsage::HasEnoughData() const
{
    return m_nTotalUsage >= m_nMinTotalUsage;
}

void CTavoPCommandUsage::RemoveAll()
{
    m_CommandsUsage.RemoveAll();
    m_nTotalUsage = 0;
}

void CTavoPCommandUsage::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << (DWORD)m_nTotalUsage;
    else
    {
        DWORD dwTotal = 0;
        ar >> dwTotal;
        m_nTotalUsage = dwTotal;
        // The stored counts replace the ones of this run; they must not add to them.
        m_CommandsUsage.RemoveAll();
    }
    m_CommandsUsage.Serialize(ar);
}
