// What the registry keys the library read or wrote last held, so that a load reads a key in one pass and a save writes only the values that changed.
#pragma once
#include "framework/FrameworkCore.h"
#include <map>
#include <memory>
#include <string>
#include <vector>

class CTavoPRegistryCache
{
public:
    struct Value
    {
        DWORD dwType;
        std::vector<BYTE> data;
    };
    // All values of one key as they were at its last write time; each value under its name
    // folded to lower case (the registry tells names apart without regard to case).
    struct Key
    {
        FILETIME ftWritten;
        std::map<std::string, Value> values;
    };

    // The key's contents as last known, or null. The path names the root ("HKCU", "HKLM") and
    // the key below it, folded as FoldName folds.
    std::shared_ptr<Key> Find(const std::string& strPath) const;
    void Store(const std::string& strPath, const std::shared_ptr<Key>& pKey);
    // Forgets the key and every key below it.
    void Forget(const std::string& strPath);
    void ForgetAll();

    // The name in lower case, false for a name that is not plain ASCII: only those are folded
    // as the registry folds them, other names are never looked up here.
    static bool FoldName(LPCTSTR lpszName, std::string& strFolded);

private:
    std::map<std::string, std::shared_ptr<Key>> m_keys;
};

// The one cache of the process, built on first use.
CTavoPRegistryCache& GetRegistryCache();
