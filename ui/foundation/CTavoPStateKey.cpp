#include "ui/foundation/CTavoPStateKey.h"
#include "ui/foundation/BuildRegistryPath.h"

CTavoPStateKey::CTavoPStateKey(LPCTSTR lpszPath, Access access)
    : m_strPath(lpszPath), m_access(access), m_state(notTried)
{}

CTavoPStateKey::CTavoPStateKey(LPCTSTR lpszSection, LPCTSTR lpszProfileName, LPCTSTR lpszLeaf,
                               Access access)
    : m_strPath(BuildRegistryPath(lpszSection, lpszProfileName) + lpszLeaf), m_access(access),
      m_state(notTried)
{}

BOOL CTavoPStateKey::Open()
{
    if (m_state == notTried)
    {
        CTavoPRegistry& reg = m_holder.Create(FALSE, m_access == forReading);
        const BOOL bOpened =
            m_access == forReading ? reg.Open(m_strPath) : reg.CreateKey(m_strPath);
        m_state = bOpened ? opened : notOpened;
    }
    return m_state == opened;
}

CTavoPRegistry& CTavoPStateKey::Registry()
{
    Open();
    return m_holder.Create(FALSE, m_access == forReading);
}

BOOL CTavoPStateKey::Delete(LPCTSTR lpszPath)
{
    CTavoPRegistryHolder holder;
    return holder.Create(FALSE, FALSE).DeleteKey(lpszPath);
}
