// Typed access to one registry key: numbers, strings, binary blocks and archived objects, with a read-only mode.
#pragma once
#include "framework/FrameworkCore.h"
#include "ui/foundation/CTavoPRegistryCache.h"
#include <memory>
#include <string>

class CTavoPRegistry : public CObject
{
    DECLARE_DYNCREATE(CTavoPRegistry)
public:
    CTavoPRegistry();
    // Closes the current key.
    virtual ~CTavoPRegistry();

    // Paths are relative to the current key (DeleteKey: to the root) and may end with one backslash.
    virtual BOOL ReadKeyValues(CStringArray& Values);
    virtual BOOL VerifyKey(LPCTSTR pszPath);
    virtual BOOL VerifyValue(LPCTSTR pszValue);
    virtual BOOL CreateKey(LPCTSTR pszPath);
    virtual BOOL Open(LPCTSTR pszPath);
    virtual void Close();
    virtual BOOL DeleteValue(LPCTSTR pszValue);
    // Deletes the key and all its subkeys; an empty path (the whole hive) is refused.
    virtual BOOL DeleteKey(LPCTSTR pszPath, BOOL bAdmin = FALSE);

    virtual BOOL Write(LPCTSTR pszKey, CObject* pObj);
    virtual BOOL Write(LPCTSTR pszKey, CObject& obj);
    virtual BOOL Write(LPCTSTR pszKey, CObList& list);
    virtual BOOL WriteBinary(LPCTSTR pszKey, const BYTE* pData, UINT nBytes);
    virtual BOOL WritePoint(LPCTSTR pszKey, CPoint& rValue);
    virtual BOOL WriteRect(LPCTSTR pszKey, CRect& rValue);
    virtual BOOL WriteWordArray(LPCTSTR pszKey, CWordArray& wcArray);
    virtual BOOL Write(LPCTSTR pszKey, CByteArray& bcArray);
    virtual BOOL Write(LPCTSTR pszKey, CDWordArray& dwcArray);
    virtual BOOL Write(LPCTSTR pszKey, CStringArray& scArray);
    virtual BOOL Write(LPCTSTR pszKey, CStringList& scStringList);
    virtual BOOL WriteString(LPCTSTR pszKey, LPCTSTR pszValue);
    virtual BOOL WriteNumberQuietly(LPCTSTR pszKey, DWORD dwVal);
    virtual BOOL WriteNumber(LPCTSTR pszKey, DWORD dwVal);

    // Reads leave the caller's value, container or object as it was when they fail, and
    // corrupt data is a failure, never an exception.
    virtual BOOL Read(LPCTSTR pszKey, CObject*& pObj); // the caller owns the new object
    virtual BOOL Read(LPCTSTR pszKey, CObject& obj);   // FALSE for a class without a factory
    virtual BOOL Read(LPCTSTR pszKey, CObList& list);  // the list's old objects are deleted
    // The same for a list that may hold objects of pElementClass (or classes derived from it)
    // only: any other class, a missing object or one object twice fail the read.
    BOOL Read(LPCTSTR pszKey, CObList& list, const CRuntimeClass* pElementClass);
    // Only an object of the class (or derived from it) is made; anything else reads as FALSE.
    BOOL Read(LPCTSTR pszKey, CObject*& pObj, const CRuntimeClass* pClass);
    // *ppData is allocated with new[] (free it with delete[]); null on failure.
    virtual BOOL ReadBinary(LPCTSTR pszKey, BYTE** ppData, UINT* pBytes);
    virtual BOOL ReadRect(LPCTSTR pszKey, CRect& rect);
    virtual BOOL ReadPoint(LPCTSTR pszKey, CPoint& rPoint);
    virtual BOOL Read(LPCTSTR pszKey, CByteArray& bcArray);
    virtual BOOL ReadWordArray(LPCTSTR pszKey, CWordArray& wcArray);
    virtual BOOL Read(LPCTSTR pszKey, CDWordArray& dwcArray);
    virtual BOOL Read(LPCTSTR pszKey, CStringArray& scArray);
    virtual BOOL Read(LPCTSTR pszKey, CStringList& scStringList);
    virtual BOOL ReadString(LPCTSTR pszKey, CString& sVal);
    virtual BOOL ReadNumber(LPCTSTR pszKey, int& iVal);
    virtual BOOL ReadNumber(LPCTSTR pszKey, DWORD& dwVal);
    virtual BOOL ReadKeyNames(CStringArray& Values);

    LONG GetLastError() const { return m_lResult; }
    BOOL IsReadOnly() const { return m_bReadOnly; }
    HKEY GetCurrentKey() const { return m_hKey; }
    CString GetCurrentPath() const { return m_sPath; }

    LONG m_lResult; // result of the last registry call (0 = success)
    int m_nLastType; // REG_SZ, REG_BINARY, REG_DWORD, 2 for point and array forms, 0 after key operations
    int m_nLastSize;
    HKEY m_hKey;     // current key; the root until Open or CreateKey succeed
    BOOL m_bAdmin;   // root is HKEY_LOCAL_MACHINE
    CString m_sPath; // path last passed to Open
    BOOL m_bReadOnly;
    int m_dwUserData; // reserved, copied from the holder

protected:
    // After a failed Open or CreateKey no value may be read or written until one succeeds:
    // they would land in whatever key was current before.
    BOOL m_bKeyUsable;

    // The current key's path as the registry cache names it; empty when the key is not cached.
    std::string m_strCachePath;
    // The current key's values, read in one pass on the first value access and kept current by
    // this object's writes; null until then, or when the key cannot be cached.
    std::shared_ptr<CTavoPRegistryCache::Key> m_pCachedKey;
    BOOL m_bCacheChecked;
    BOOL m_bValuesWritten;

    // RegQueryValueEx and RegSetValueEx of the current key, through the cache: a value is read
    // from what the key held when this object first looked, and a write of the value the key
    // holds already does not reach the registry.
    LONG QueryValue(LPCTSTR pszName, DWORD* pType, BYTE* pData, DWORD* pcbData);
    LONG SetValue(LPCTSTR pszName, DWORD dwType, const BYTE* pData, DWORD cbData);
    void CheckCache();
    // Leaves the current key's cache entry with the key's time after this object's writes.
    void ReleaseCache();
    void FollowPath(LPCTSTR pszPath);

    BOOL CanWrite();
    BOOL CanAccessValues();
    void SetCurrentKey(HKEY hKey);
    HKEY RootKey(BOOL bAdmin) const { return bAdmin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
    // Archives a value into a memory block and stores it as REG_BINARY.
    template <class TStore>
    BOOL WriteArchived(LPCTSTR pszKey, TStore store, int nType = REG_BINARY);
    // Loads a stored block through an archive; FALSE on any failure or exception.
    template <class TLoad>
    BOOL ReadArchived(LPCTSTR pszKey, TLoad load);
    template <class TContainer>
    BOOL ReadReplacing(LPCTSTR pszKey, TContainer& target);
    template <class TEnum>
    BOOL EnumerateNames(CStringArray& names, TEnum enumerate);
};
