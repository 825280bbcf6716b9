#include "framework/CRecentFileList.h"
#include "framework/CWinApp.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat,
                                 int nSize, int nMaxDispLen)
    : m_arrNames(nSize > 0 ? nSize : 0), m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat), m_nStart(nStart), m_nMaxDisplayLength(nMaxDispLen)
{}

CRecentFileList::~CRecentFileList() = default;

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (m_arrNames.empty() || lpszPathName == nullptr || *lpszPathName == '\0')
        return;
    int nSize = GetSize();
    int iMRU;
    for (iMRU = 0; iMRU < nSize - 1; iMRU++)
    {
        if (lstrcmpi(m_arrNames[iMRU], lpszPathName) == 0)
            break;
    }
    for (; iMRU > 0; iMRU--)
        m_arrNames[iMRU] = m_arrNames[iMRU - 1];
    m_arrNames[0] = lpszPathName;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetSize())
        return;
    m_arrNames.erase(m_arrNames.begin() + nIndex);
    m_arrNames.push_back(CString());
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int iMRU = 0; iMRU < GetSize(); iMRU++)
    {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, iMRU + 1);
        m_arrNames[iMRU] = pApp->GetProfileString(m_strSectionName, strEntry, "");
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    pApp->WriteProfileString(m_strSectionName, nullptr, nullptr);
    for (int iMRU = 0; iMRU < GetSize(); iMRU++)
    {
        if (m_arrNames[iMRU].IsEmpty())
            continue;
        CString strEntry;
        strEntry.Format(m_strEntryFormat, iMRU + 1);
        pApp->WriteProfileString(m_strSectionName, strEntry, m_arrNames[iMRU]);
    }
}
