// Handle-to-wrapper maps of the window, menu and drawing classes: permanent wrappers and temporary ones.
#pragma once
#include <unordered_map>

// Permanent entries belong to the objects that attached their handle; temporary ones are
// created by FromHandle for handles nobody wraps and are freed together at idle time.
template <class THandle, class TObject>
class HandleMap
{
public:
    TObject* LookupPermanent(THandle h) const { return Find(m_permanent, h); }
    TObject* LookupTemporary(THandle h) const { return Find(m_temporary, h); }
    void SetPermanent(THandle h, TObject* p) { m_permanent[h] = p; }
    void SetTemporary(THandle h, TObject* p) { m_temporary[h] = p; }
    void RemovePermanent(THandle h, TObject* p)
    {
        // Only the object that owns the entry may remove it (two wrappers may share a handle).
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == p)
            m_permanent.erase(it);
    }
    // Takes the temporary wrapper of h out of the map, if only that object holds the entry.
    void RemoveTemporary(THandle h, TObject* p)
    {
        auto it = m_temporary.find(h);
        if (it != m_temporary.end() && it->second == p)
            m_temporary.erase(it);
    }
    // Takes whatever temporary wrapper h has out of the map and hands it to the caller.
    TObject* TakeTemporary(THandle h)
    {
        auto it = m_temporary.find(h);
        if (it == m_temporary.end())
            return nullptr;
        TObject* p = it->second;
        m_temporary.erase(it);
        return p;
    }
    template <class TDelete>
    void DeleteTemporaries(TDelete del)
    {
        std::unordered_map<THandle, TObject*> doomed;
        doomed.swap(m_temporary);
        for (auto& e : doomed)
            del(e.second);
    }
    int TemporaryCount() const { return (int)m_temporary.size(); }
    int PermanentCount() const { return (int)m_permanent.size(); }

private:
    static TObject* Find(const std::unordered_map<THandle, TObject*>& m, THandle h)
    {
        auto it = m.find(h);
        return it == m.end() ? nullptr : it->second;
    }
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, TObject*> m_temporary;
};
