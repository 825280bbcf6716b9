#include "framework/COleDataSource.h"

COleDataSource::COleDataSource() : m_pInterface(NULL)
{}

COleDataSource::~COleDataSource()
{
    ReleaseInterface();
    Empty();
}

std::vector<CLIPFORMAT> COleDataSource::GetFormats() const
{
    std::vector<CLIPFORMAT> formats;
    for (const auto& entry : m_data)
        formats.push_back(entry.first);
    return formats;
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal)
{
    auto it = m_data.find(cfFormat);
    if (it != m_data.end() && it->second != hGlobal)
        ::GlobalFree(it->second);
    m_data[cfFormat] = hGlobal;
}

HGLOBAL COleDataSource::GetCachedData(CLIPFORMAT cfFormat) const
{
    auto it = m_data.find(cfFormat);
    return it == m_data.end() ? NULL : it->second;
}

BOOL COleDataSource::SetClipboard()
{
    if (!::OpenClipboard(NULL))
        return FALSE;
    ::EmptyClipboard();
    BOOL bOk = TRUE;
    for (auto it = m_data.begin(); it != m_data.end();)
    {
        if (::SetClipboardData(it->first, it->second) != NULL)
            it = m_data.erase(it);
        else
        {
            bOk = FALSE;
            ++it;
        }
    }
    ::CloseClipboard();
    return bOk;
}

void COleDataSource::Empty()
{
    for (auto& entry : m_data)
        ::GlobalFree(entry.second);
    m_data.clear();
}
