#include "ui/foundation/CTavoPRegistryCache.h"

std::shared_ptr<CTavoPRegistryCache::Key> CTavoPRegistryCache::Find(
    const std::string& strPath) const
{
    auto it = m_keys.find(strPath);
    return it != m_keys.end() ? it->second : nullptr;
}

void CTavoPRegistryCache::Store(const std::string& strPath, const std::shared_ptr<Key>& pKey)
{
    m_keys[strPath] = pKey;
}

void CTavoPRegistryCache::Forget(const std::string& strPath)
{
    m_keys.erase(strPath);
    const std::string strBelow = strPath + "\\";
    auto it = m_keys.lower_bound(strBelow);
    while (it != m_keys.end() && it->first.compare(0, strBelow.size(), strBelow) == 0)
        it = m_keys.erase(it);
}

void CTavoPRegistryCache::ForgetAll()
{
    m_keys.clear();
}

bool CTavoPRegistryCache::FoldName(LPCTSTR lpszName, std::string& strFolded)
{
    strFolded.clear();
    if (lpszName == nullptr)
        return true; // the key's default value
    for (const char* p = lpszName; *p != 0; p++)
    {
        const unsigned char c = (unsigned char)*p;
        if (c >= 0x80)
            return false;
        strFolded += (char)(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    return true;
}
