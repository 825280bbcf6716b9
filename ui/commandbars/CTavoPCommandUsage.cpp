#include "ui/commandbars/CTavoPCommandUsage.h"

IMPLEMENT_DYNCREATE(CTavoPCommandUsage, CObject)

CTavoPCommandUsage::CTavoPCommandUsage() : m_nTotalUsage(0)
{
    m_CommandsUsage.InitHashTable(17);
}

CTavoPCommandUsage::~CTavoPCommandUsage()
{}

int CTavoPCommandUsage::GetCount(UINT uiCmd) const
{
    int nCount = 0;
    return m_CommandsUsage.Lookup(uiCmd, nCount) ? nCount : 0;
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
    }
    m_CommandsUsage.Serialize(ar);
}
