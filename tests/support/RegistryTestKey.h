// A scratch key under HKEY_CURRENT_USER for registry tests: emptied before and removed after each test.
#pragma once
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

class RegistryTestKey
{
public:
    // Relative to HKEY_CURRENT_USER, without a trailing backslash.
    explicit RegistryTestKey(const char* lpszPath) : m_path(lpszPath) { Remove(); }
    ~RegistryTestKey() { Remove(); }

    void Remove() const { ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str()); }
    const std::string& path() const { return m_path; }

    static bool Exists(const std::string& key)
    {
        HKEY hKey;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(hKey);
        return true;
    }

    // The value's bytes and type; type 0 when the value is missing.
    static std::vector<BYTE> Value(const std::string& key, const char* lpszName,
                                   DWORD* pType = NULL)
    {
        std::vector<BYTE> bytes;
        DWORD dwType = 0, cb = 0;
        if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), lpszName, RRF_RT_ANY, &dwType, NULL,
                           &cb) == ERROR_SUCCESS)
        {
            bytes.resize(cb);
            if (cb != 0)
                ::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), lpszName, RRF_RT_ANY, &dwType,
                               bytes.data(), &cb);
        }
        if (pType != NULL)
            *pType = dwType;
        return bytes;
    }

    static void SetBinary(const std::string& key, const char* lpszName,
                          const std::vector<BYTE>& bytes)
    {
        HKEY hKey;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey,
                          NULL);
        ::RegSetValueExA(hKey, lpszName, 0, REG_BINARY, bytes.data(), (DWORD)bytes.size());
        ::RegCloseKey(hKey);
    }

    static void SetDword(const std::string& key, const char* lpszName, DWORD dw)
    {
        HKEY hKey;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey,
                          NULL);
        ::RegSetValueExA(hKey, lpszName, 0, REG_DWORD, (const BYTE*)&dw, sizeof(dw));
        ::RegCloseKey(hKey);
    }

    static void SetString(const std::string& key, const char* lpszName, const char* lpszValue)
    {
        HKEY hKey;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey,
                          NULL);
        ::RegSetValueExA(hKey, lpszName, 0, REG_SZ, (const BYTE*)lpszValue,
                         (DWORD)strlen(lpszValue) + 1);
        ::RegCloseKey(hKey);
    }

private:
    std::string m_path;
};
