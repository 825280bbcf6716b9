#include "ui/foundation/CTavoPRegistry.h"
#include "ui/foundation/ArchiveBlock.h"
#include <cstring>
#include <memory>
#include <unordered_set>
#include <vector>

IMPLEMENT_DYNCREATE(CTavoPRegistry, CObject)

namespace {
const REGSAM kReadAccess = KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY; // 0x19
const DWORD kMaxNameBytes = 1024;
const int kPointForm = 2; // the last-type code of the point and array forms
// Keys beyond these are read value by value, as the registry holds them, and never cached.
const DWORD kMaxCachedValues = 256;
const DWORD kMaxCachedBytes = 256 * 1024;

// The path without one trailing backslash.
CString TrimPath(LPCTSTR pszPath)
{
    CString path = pszPath != nullptr ? pszPath : "";
    int n = path.GetLength();
    if (n > 0 && path[n - 1] == '\\')
        path = path.Left(n - 1);
    return path;
}

template <class TArray>
void ReplaceContents(TArray& target, TArray& loaded)
{
    target.Copy(loaded);
}

void ReplaceContents(CStringList& target, CStringList& loaded)
{
    target.RemoveAll();
    target.AddTail(&loaded);
}

bool IsRootKey(HKEY hKey)
{
    return hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE;
}

// The cache's name of a root key.
const char* RootName(HKEY hKey)
{
    return hKey == HKEY_LOCAL_MACHINE ? "hklm" : "hkcu";
}

// A string value written as ANSI text is kept by the registry in Unicode: only plain ASCII
// text is known to read back byte for byte.
bool ReadsBackAsWritten(DWORD dwType, const BYTE* pData, DWORD cbData)
{
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ && dwType != REG_MULTI_SZ)
        return true;
    for (DWORD i = 0; i < cbData; i++)
        if (pData[i] >= 0x80)
            return false;
    return true;
}

// Empties the list and deletes its objects. A stored list may name one object more than once
// (the archive writes a repeated object as a reference back to it): each object goes once.
void DeleteObjects(CObList& list)
{
    std::unordered_set<CObject*> deleted;
    while (!list.IsEmpty())
    {
        CObject* pObj = list.RemoveHead();
        if (deleted.insert(pObj).second)
            delete pObj;
    }
}

// Hands the loaded objects to the list in place of its own, or frees them after a failed load.
BOOL TakeLoaded(BOOL bLoaded, CObList& loaded, CObList& list)
{
    if (!bLoaded)
    {
        DeleteObjects(loaded);
        return FALSE;
    }
    DeleteObjects(list);
    list.AddTail(&loaded);
    return TRUE;
}
}

CTavoPRegistry::CTavoPRegistry()
    : m_lResult(ERROR_SUCCESS), m_nLastType(0), m_nLastSize(0), m_hKey(HKEY_CURRENT_USER),
      m_bAdmin(FALSE), m_bReadOnly(FALSE), m_dwUserData(0), m_bKeyUsable(TRUE),
      m_bCacheChecked(FALSE), m_bValuesWritten(FALSE)
{}

CTavoPRegistry::~CTavoPRegistry()
{
    Close();
}

void CTavoPRegistry::SetCurrentKey(HKEY hKey)
{
    ReleaseCache();
    if (m_hKey != nullptr && m_hKey != hKey && !IsRootKey(m_hKey))
        ::RegCloseKey(m_hKey);
    m_hKey = hKey;
}

// ---- the cache of the current key's values

void CTavoPRegistry::FollowPath(LPCTSTR pszPath)
{
    // Called before the key at pszPath (below the current key) becomes the current key.
    std::string strBase = IsRootKey(m_hKey) ? RootName(m_hKey) : m_strCachePath;
    std::string strFolded;
    if (strBase.empty() || !CTavoPRegistryCache::FoldName(TrimPath(pszPath), strFolded))
        m_strCachePath.clear();
    else
        m_strCachePath = strFolded.empty() ? strBase : strBase + "\\" + strFolded;
}

void CTavoPRegistry::CheckCache()
{
    if (m_bCacheChecked)
        return;
    m_bCacheChecked = TRUE;
    if (m_strCachePath.empty() || m_hKey == nullptr || !m_bKeyUsable || IsRootKey(m_hKey))
        return;
    DWORD cValues = 0, cchMaxName = 0, cbMaxData = 0;
    FILETIME ftWritten = {};
    if (::RegQueryInfoKeyA(m_hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &cValues,
                           &cchMaxName, &cbMaxData, nullptr, &ftWritten) != ERROR_SUCCESS)
        return;
    CTavoPRegistryCache& cache = GetRegistryCache();
    std::shared_ptr<CTavoPRegistryCache::Key> pKnown = cache.Find(m_strCachePath);
    // The key's time changes with every write and deletion, by this program or another.
    if (pKnown && ::CompareFileTime(&pKnown->ftWritten, &ftWritten) == 0)
    {
        m_pCachedKey = pKnown;
        return;
    }
    cache.Forget(m_strCachePath);
    if (cValues > kMaxCachedValues || cbMaxData > kMaxCachedBytes)
        return;

    // One pass over the key: every value with its data. It stops at the count the key gave
    // instead of asking once more for the end: a value another program adds meanwhile changes
    // the key's time, so the next look reads the key again.
    auto pKey = std::make_shared<CTavoPRegistryCache::Key>();
    pKey->ftWritten = ftWritten;
    std::vector<char> name(2 * (size_t)cchMaxName + 2);
    std::vector<BYTE> data((size_t)cbMaxData + 1);
    for (DWORD index = 0; index < cValues; index++)
    {
        DWORD cchName = (DWORD)name.size(), dwType = 0, cbData = (DWORD)data.size();
        const LONG lResult = ::RegEnumValueA(m_hKey, index, name.data(), &cchName, nullptr, &dwType,
                                             data.data(), &cbData);
        if (lResult == ERROR_NO_MORE_ITEMS)
            break;
        if (lResult != ERROR_SUCCESS)
            return; // the key changed while it was read: its values are read one by one
        std::string strName;
        if (CTavoPRegistryCache::FoldName(name.data(), strName))
            pKey->values[strName] = {dwType, std::vector<BYTE>(data.data(), data.data() + cbData)};
    }
    cache.Store(m_strCachePath, pKey);
    m_pCachedKey = pKey;
}

void CTavoPRegistry::ReleaseCache()
{
    if (m_bValuesWritten && m_pCachedKey && m_hKey != nullptr && !IsRootKey(m_hKey))
    {
        // The cache holds what this object wrote: it stays good for the key's new time.
        FILETIME ftWritten = {};
        if (::RegQueryInfoKeyA(m_hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, &ftWritten) == ERROR_SUCCESS)
            m_pCachedKey->ftWritten = ftWritten;
        else
            GetRegistryCache().Forget(m_strCachePath);
    }
    m_pCachedKey.reset();
    m_bCacheChecked = FALSE;
    m_bValuesWritten = FALSE;
}

LONG CTavoPRegistry::QueryValue(LPCTSTR pszName, DWORD* pType, BYTE* pData, DWORD* pcbData)
{
    CheckCache();
    std::string strName;
    if (!m_pCachedKey || !CTavoPRegistryCache::FoldName(pszName, strName))
        return ::RegQueryValueEx(m_hKey, pszName, nullptr, pType, pData, pcbData);
    auto it = m_pCachedKey->values.find(strName);
    if (it == m_pCachedKey->values.end())
        return ERROR_FILE_NOT_FOUND;
    const CTavoPRegistryCache::Value& value = it->second;
    if (pType != nullptr)
        *pType = value.dwType;
    const DWORD cbValue = (DWORD)value.data.size();
    if (pData != nullptr)
    {
        if (pcbData == nullptr)
            return ERROR_INVALID_PARAMETER;
        if (*pcbData < cbValue)
        {
            *pcbData = cbValue;
            return ERROR_MORE_DATA;
        }
        if (cbValue > 0)
            std::memcpy(pData, value.data.data(), cbValue);
    }
    if (pcbData != nullptr)
        *pcbData = cbValue;
    return ERROR_SUCCESS;
}

LONG CTavoPRegistry::SetValue(LPCTSTR pszName, DWORD dwType, const BYTE* pData, DWORD cbData)
{
    CheckCache();
    std::string strName;
    const bool bCached = m_pCachedKey && CTavoPRegistryCache::FoldName(pszName, strName);
    if (bCached)
    {
        auto it = m_pCachedKey->values.find(strName);
        if (it != m_pCachedKey->values.end() && it->second.dwType == dwType &&
            it->second.data.size() == cbData &&
            (cbData == 0 || std::memcmp(it->second.data.data(), pData, cbData) == 0))
            return ERROR_SUCCESS; // the key holds it already
    }
    const LONG lResult = ::RegSetValueEx(m_hKey, pszName, 0, dwType, pData, cbData);
    if (lResult != ERROR_SUCCESS || !m_pCachedKey)
        return lResult;
    m_bValuesWritten = TRUE;
    if (bCached && ReadsBackAsWritten(dwType, pData, cbData))
    {
        m_pCachedKey->values[strName] = {dwType, std::vector<BYTE>(pData, pData + cbData)};
    }
    else if (bCached)
    {
        // What the registry made of the text is read again from the key next time.
        GetRegistryCache().Forget(m_strCachePath);
        m_pCachedKey.reset();
        m_bValuesWritten = FALSE;
    }
    return lResult;
}

BOOL CTavoPRegistry::CanWrite()
{
    if (m_bReadOnly)
        return FALSE;
    return CanAccessValues();
}

BOOL CTavoPRegistry::CanAccessValues()
{
    if (m_hKey == nullptr || !m_bKeyUsable)
    {
        m_lResult = ERROR_INVALID_HANDLE;
        return FALSE;
    }
    return TRUE;
}

// ---- keys

// Appends the names the enumeration gives from index 0 on; nothing is appended unless the
// whole enumeration succeeds, and an empty one is a failure.
template <class TEnum>
BOOL CTavoPRegistry::EnumerateNames(CStringArray& names, TEnum enumerate)
{
    if (!CanAccessValues())
        return FALSE;
    CStringArray found;
    for (DWORD index = 0;; index++)
    {
        char name[kMaxNameBytes];
        DWORD cbName = kMaxNameBytes;
        m_lResult = enumerate(index, name, &cbName);
        if (m_lResult == ERROR_NO_MORE_ITEMS)
            break;
        if (m_lResult != ERROR_SUCCESS)
            return FALSE;
        found.Add(name);
    }
    m_lResult = ERROR_SUCCESS;
    names.Append(found);
    return found.GetSize() > 0;
}

BOOL CTavoPRegistry::ReadKeyValues(CStringArray& Values)
{
    return EnumerateNames(Values, [this](DWORD index, char* name, DWORD* pcbName) {
        return ::RegEnumValue(m_hKey, index, name, pcbName, nullptr, nullptr, nullptr, nullptr);
    });
}

BOOL CTavoPRegistry::VerifyKey(LPCTSTR pszPath)
{
    if (!CanAccessValues())
        return FALSE;
    HKEY hKey = nullptr;
    m_lResult = ::RegOpenKeyEx(m_hKey, TrimPath(pszPath), 0,
                               m_bReadOnly ? kReadAccess : KEY_ALL_ACCESS, &hKey);
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    ::RegCloseKey(hKey);
    return TRUE;
}

BOOL CTavoPRegistry::VerifyValue(LPCTSTR pszValue)
{
    if (!CanAccessValues())
        return FALSE;
    m_lResult = QueryValue(pszValue, nullptr, nullptr, nullptr);
    return m_lResult == ERROR_SUCCESS;
}

BOOL CTavoPRegistry::CreateKey(LPCTSTR pszPath)
{
    if (m_bReadOnly || m_hKey == nullptr)
        return FALSE;
    HKEY hKey = nullptr;
    DWORD disposition = 0;
    m_lResult = ::RegCreateKeyEx(m_hKey, TrimPath(pszPath), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &hKey, &disposition);
    m_nLastType = 0;
    m_bKeyUsable = m_lResult == ERROR_SUCCESS;
    if (!m_bKeyUsable)
        return FALSE;
    ReleaseCache();
    FollowPath(pszPath);
    SetCurrentKey(hKey);
    return TRUE;
}

BOOL CTavoPRegistry::Open(LPCTSTR pszPath)
{
    m_sPath = pszPath != nullptr ? pszPath : "";
    if (m_hKey == nullptr)
        return FALSE;
    HKEY hKey = nullptr;
    m_lResult = ::RegOpenKeyEx(m_hKey, TrimPath(pszPath), 0,
                               m_bReadOnly ? kReadAccess : KEY_ALL_ACCESS, &hKey);
    m_nLastType = 0;
    m_bKeyUsable = m_lResult == ERROR_SUCCESS;
    if (!m_bKeyUsable)
        return FALSE;
    ReleaseCache();
    FollowPath(pszPath);
    SetCurrentKey(hKey);
    return TRUE;
}

void CTavoPRegistry::Close()
{
    ReleaseCache();
    if (m_hKey != nullptr && !IsRootKey(m_hKey))
        ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
    m_strCachePath.clear();
}

BOOL CTavoPRegistry::DeleteValue(LPCTSTR pszValue)
{
    if (!CanAccessValues())
        return FALSE;
    CheckCache();
    m_lResult = ::RegDeleteValue(m_hKey, pszValue);
    m_nLastType = 0;
    if (m_lResult != ERROR_SUCCESS || !m_pCachedKey)
        return m_lResult == ERROR_SUCCESS;
    std::string strName;
    if (CTavoPRegistryCache::FoldName(pszValue, strName))
        m_pCachedKey->values.erase(strName);
    m_bValuesWritten = TRUE;
    return TRUE;
}

BOOL CTavoPRegistry::DeleteKey(LPCTSTR pszPath, BOOL bAdmin)
{
    CString path = TrimPath(pszPath);
    if (m_bReadOnly || path.IsEmpty())
        return FALSE;
    HKEY hRoot = RootKey(bAdmin);
    // Whatever happens below, the cache no longer knows what the tree holds.
    std::string strFolded;
    if (CTavoPRegistryCache::FoldName(path, strFolded))
        GetRegistryCache().Forget(std::string(RootName(hRoot)) + "\\" + strFolded);
    else
        GetRegistryCache().ForgetAll();
    HKEY hKey = nullptr;
    m_lResult = ::RegOpenKeyEx(hRoot, path, 0, KEY_ALL_ACCESS, &hKey);
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    // The system deletes only leaf keys: empty the tree first, deepest keys first.
    for (;;)
    {
        char name[kMaxNameBytes];
        DWORD cbName = kMaxNameBytes;
        m_lResult = ::RegEnumKeyEx(hKey, 0, name, &cbName, nullptr, nullptr, nullptr, nullptr);
        if (m_lResult == ERROR_NO_MORE_ITEMS)
            break;
        if (m_lResult != ERROR_SUCCESS || !DeleteKey(path + "\\" + name, bAdmin))
        {
            ::RegCloseKey(hKey);
            return FALSE;
        }
    }
    ::RegCloseKey(hKey);
    m_lResult = ::RegDeleteKey(hRoot, path);
    m_nLastType = 0;
    return m_lResult == ERROR_SUCCESS;
}

// ---- archived values

template <class TStore>
BOOL CTavoPRegistry::WriteArchived(LPCTSTR pszKey, TStore store, int nType)
{
    if (!CanWrite())
        return FALSE;
    std::vector<BYTE> bytes;
    if (!ArchiveToBlock(store, bytes))
        return FALSE;
    BOOL bResult = WriteBinary(pszKey, bytes.data(), (UINT)bytes.size());
    if (bResult)
        m_nLastType = nType;
    return bResult;
}

template <class TLoad>
BOOL CTavoPRegistry::ReadArchived(LPCTSTR pszKey, TLoad load)
{
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!ReadBinary(pszKey, &pData, &nBytes))
        return FALSE;
    std::unique_ptr<BYTE[]> block(pData);
    try
    {
        return LoadFromBlock(pData, nBytes, load);
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
}

BOOL CTavoPRegistry::Write(LPCTSTR pszKey, CObject* pObj)
{
    return WriteArchived(pszKey, [pObj](CArchive& ar) { ar << pObj; });
}

BOOL CTavoPRegistry::Write(LPCTSTR pszKey, CObject& obj)
{
    return WriteArchived(pszKey, [&obj](CArchive& ar) { obj.Serialize(ar); });
}

BOOL CTavoPRegistry::Write(LPCTSTR pszKey, CObList& list)
{
    return WriteArchived(pszKey, [&list](CArchive& ar) { list.Serialize(ar); });
}

BOOL CTavoPRegistry::WriteBinary(LPCTSTR pszKey, const BYTE* pData, UINT nBytes)
{
    if (!CanWrite())
        return FALSE;
    m_lResult = SetValue(pszKey, REG_BINARY, pData, nBytes);
    m_nLastType = REG_BINARY;
    m_nLastSize = (int)nBytes;
    return m_lResult == ERROR_SUCCESS;
}

BOOL CTavoPRegistry::WritePoint(LPCTSTR pszKey, CPoint& rValue)
{
    return WriteArchived(
        pszKey,
        [&rValue](CArchive& ar) {
            CDWordArray values;
            values.SetSize(5);
            values[0] = (DWORD)rValue.x;
            values[1] = (DWORD)rValue.y;
            values.Serialize(ar);
        },
        kPointForm);
}

BOOL CTavoPRegistry::WriteRect(LPCTSTR pszKey, CRect& rValue)
{
    return WriteArchived(pszKey, [&rValue](CArchive& ar) {
        RECT raw = rValue;
        ar.Write(&raw, sizeof raw);
    });
}

BOOL CTavoPRegistry::WriteWordArray(LPCTSTR pszKey, CWordArray& wcArray)
{
    return WriteArchived(
        pszKey,
        [&wcArray](CArchive& ar) {
            ar << (DWORD)wcArray.GetSize();
            for (INT_PTR i = 0; i < wcArray.GetSize(); i++)
                ar << wcArray[i];
        },
        kPointForm);
}

BOOL CTavoPRegistry::Write(LPCTSTR pszKey, CByteArray& bcArray)
{
    return WriteArchived(
        pszKey, [&bcArray](CArchive& ar) { bcArray.Serialize(ar); }, kPointForm);
}

BOOL CTavoPRegistry::Write(LPCTSTR pszKey, CDWordArray& dwcArray)
{
    return WriteArchived(
        pszKey, [&dwcArray](CArchive& ar) { dwcArray.Serialize(ar); }, kPointForm);
}

BOOL CTavoPRegistry::Write(LPCTSTR pszKey, CStringArray& scArray)
{
    return WriteArchived(
        pszKey, [&scArray](CArchive& ar) { scArray.Serialize(ar); }, kPointForm);
}

BOOL CTavoPRegistry::Write(LPCTSTR pszKey, CStringList& scStringList)
{
    return WriteArchived(
        pszKey, [&scStringList](CArchive& ar) { scStringList.Serialize(ar); }, kPointForm);
}

BOOL CTavoPRegistry::WriteString(LPCTSTR pszKey, LPCTSTR pszValue)
{
    if (!CanWrite())
        return FALSE;
    if (pszValue == nullptr)
        pszValue = "";
    DWORD cb = (DWORD)std::strlen(pszValue) + 1;
    m_lResult = SetValue(pszKey, REG_SZ, (const BYTE*)pszValue, cb);
    m_nLastType = REG_SZ;
    m_nLastSize = (int)cb;
    return m_lResult == ERROR_SUCCESS;
}

BOOL CTavoPRegistry::WriteNumberQuietly(LPCTSTR pszKey, DWORD dwVal)
{
    if (m_bReadOnly || m_hKey == nullptr || !m_bKeyUsable)
        return FALSE;
    return SetValue(pszKey, REG_DWORD, (const BYTE*)&dwVal, sizeof dwVal) == ERROR_SUCCESS;
}

BOOL CTavoPRegistry::WriteNumber(LPCTSTR pszKey, DWORD dwVal)
{
    if (!CanWrite())
        return FALSE;
    m_lResult = SetValue(pszKey, REG_DWORD, (const BYTE*)&dwVal, sizeof dwVal);
    m_nLastType = REG_DWORD;
    m_nLastSize = sizeof dwVal;
    return m_lResult == ERROR_SUCCESS;
}

// ---- reads

// The container is loaded aside and takes the loaded contents only when all of it loaded.
template <class TContainer>
BOOL CTavoPRegistry::ReadReplacing(LPCTSTR pszKey, TContainer& target)
{
    TContainer loaded;
    if (!ReadArchived(pszKey, [&loaded](CArchive& ar) {
            loaded.Serialize(ar);
            return TRUE;
        }))
        return FALSE;
    ReplaceContents(target, loaded);
    return TRUE;
}

BOOL CTavoPRegistry::Read(LPCTSTR pszKey, CObject*& pObj)
{
    return ReadArchived(pszKey, [&pObj](CArchive& ar) {
        CObject* pLoaded = nullptr;
        ar >> pLoaded;
        pObj = pLoaded;
        return TRUE;
    });
}

BOOL CTavoPRegistry::Read(LPCTSTR pszKey, CObject*& pObj, const CRuntimeClass* pClass)
{
    return ReadArchived(pszKey, [&pObj, pClass](CArchive& ar) {
        CObject* pLoaded = ar.ReadObject(pClass);
        pObj = pLoaded;
        return pLoaded != nullptr;
    });
}

BOOL CTavoPRegistry::Read(LPCTSTR pszKey, CObject& obj)
{
    // The data is first loaded into a spare object of the same class: only data that loads
    // completely reaches the caller's object. A class that cannot make one is refused rather
    // than left half-loaded.
    CRuntimeClass* pClass = obj.GetRuntimeClass();
    if (pClass->m_pfnCreateObject == nullptr)
        return FALSE;
    std::unique_ptr<CObject> trial(pClass->CreateObject());
    if (!trial || !ReadArchived(pszKey, [&trial](CArchive& ar) {
            trial->Serialize(ar);
            return TRUE;
        }))
        return FALSE;
    return ReadArchived(pszKey, [&obj](CArchive& ar) {
        obj.Serialize(ar);
        return TRUE;
    });
}

BOOL CTavoPRegistry::Read(LPCTSTR pszKey, CObList& list)
{
    CObList loaded;
    BOOL bResult = ReadArchived(pszKey, [&loaded](CArchive& ar) {
        loaded.Serialize(ar);
        return TRUE;
    });
    return TakeLoaded(bResult, loaded, list);
}

BOOL CTavoPRegistry::Read(LPCTSTR pszKey, CObList& list, const CRuntimeClass* pElementClass)
{
    CObList loaded;
    BOOL bResult = ReadArchived(pszKey, [&loaded, pElementClass](CArchive& ar) {
        const DWORD dwCount = ar.ReadCount();
        for (DWORD i = 0; i < dwCount; i++)
        {
            // An object listed twice, here or inside one of the others, would get two owners.
            CObject* pObj = ar.ReadOwnedObject(pElementClass);
            if (pObj == nullptr)
                return FALSE;
            loaded.AddTail(pObj);
        }
        return TRUE;
    });
    return TakeLoaded(bResult, loaded, list);
}

BOOL CTavoPRegistry::ReadBinary(LPCTSTR pszKey, BYTE** ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    if (!CanAccessValues())
        return FALSE;
    DWORD type = 0, cb = 0;
    m_lResult = QueryValue(pszKey, &type, nullptr, &cb);
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    m_nLastType = (int)type;
    m_nLastSize = (int)cb;
    std::unique_ptr<BYTE[]> data(new (std::nothrow) BYTE[cb > 0 ? cb : 1]);
    if (!data)
    {
        m_lResult = ERROR_NOT_ENOUGH_MEMORY;
        return FALSE;
    }
    DWORD cbRead = cb;
    m_lResult = QueryValue(pszKey, &type, data.get(), &cbRead);
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    *ppData = data.release();
    *pBytes = cbRead;
    return TRUE;
}

BOOL CTavoPRegistry::ReadRect(LPCTSTR pszKey, CRect& rect)
{
    RECT raw;
    if (!ReadArchived(pszKey,
                      [&raw](CArchive& ar) { return ar.Read(&raw, sizeof raw) == sizeof raw; }))
        return FALSE;
    rect = raw;
    return TRUE;
}

BOOL CTavoPRegistry::ReadPoint(LPCTSTR pszKey, CPoint& rPoint)
{
    if (!CanAccessValues())
        return FALSE;
    DWORD type = 0;
    m_lResult = QueryValue(pszKey, &type, nullptr, nullptr);
    if (m_lResult != ERROR_SUCCESS || type != REG_BINARY)
        return FALSE;
    CDWordArray values;
    if (!ReadArchived(pszKey,
                      [&values](CArchive& ar) {
                          values.Serialize(ar);
                          return TRUE;
                      }) ||
        values.GetSize() < 2)
        return FALSE;
    rPoint = CPoint((int)values[0], (int)values[1]);
    return TRUE;
}

BOOL CTavoPRegistry::Read(LPCTSTR pszKey, CByteArray& bcArray)
{
    return ReadReplacing(pszKey, bcArray);
}

BOOL CTavoPRegistry::ReadWordArray(LPCTSTR pszKey, CWordArray& wcArray)
{
    CWordArray loaded;
    BOOL bResult = ReadArchived(pszKey, [&loaded](CArchive& ar) {
        DWORD count = 0;
        ar >> count;
        // The count is stored data: never size an array beyond what the block holds.
        ULONGLONG remaining = ar.GetFile()->GetLength();
        if ((ULONGLONG)count * sizeof(WORD) > remaining)
            return FALSE;
        loaded.SetSize((INT_PTR)count);
        for (DWORD i = 0; i < count; i++)
            ar >> loaded[(INT_PTR)i];
        return TRUE;
    });
    if (bResult)
        ReplaceContents(wcArray, loaded);
    return bResult;
}

BOOL CTavoPRegistry::Read(LPCTSTR pszKey, CDWordArray& dwcArray)
{
    return ReadReplacing(pszKey, dwcArray);
}

BOOL CTavoPRegistry::Read(LPCTSTR pszKey, CStringArray& scArray)
{
    return ReadReplacing(pszKey, scArray);
}

BOOL CTavoPRegistry::Read(LPCTSTR pszKey, CStringList& scStringList)
{
    return ReadReplacing(pszKey, scStringList);
}

BOOL CTavoPRegistry::ReadString(LPCTSTR pszKey, CString& sVal)
{
    sVal.Empty();
    if (!CanAccessValues())
        return FALSE;
    DWORD type = 0, cb = 0;
    m_lResult = QueryValue(pszKey, &type, nullptr, &cb);
    m_nLastType = (int)type;
    m_nLastSize = (int)cb;
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    if (cb == 0)
        return TRUE;
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[cb + 1]);
    if (!buffer)
    {
        m_lResult = ERROR_NOT_ENOUGH_MEMORY;
        return FALSE;
    }
    std::memset(buffer.get(), 0, cb + 1);
    DWORD cbRead = cb;
    m_lResult = QueryValue(pszKey, &type, (BYTE*)buffer.get(), &cbRead);
    if (m_lResult == ERROR_SUCCESS && cbRead > 0)
        sVal = buffer.get();
    return m_lResult == ERROR_SUCCESS;
}

BOOL CTavoPRegistry::ReadNumber(LPCTSTR pszKey, DWORD& dwVal)
{
    if (!CanAccessValues())
        return FALSE;
    // A shorter value fills only the low bytes: the rest stays zero.
    DWORD value = 0, type = 0, cb = sizeof value;
    m_lResult = QueryValue(pszKey, &type, (BYTE*)&value, &cb);
    m_nLastType = (int)type;
    m_nLastSize = (int)cb;
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    dwVal = value;
    return TRUE;
}

BOOL CTavoPRegistry::ReadNumber(LPCTSTR pszKey, int& iVal)
{
    DWORD value = 0;
    if (!ReadNumber(pszKey, value))
        return FALSE;
    iVal = (int)value;
    return TRUE;
}

BOOL CTavoPRegistry::ReadKeyNames(CStringArray& Values)
{
    return EnumerateNames(Values, [this](DWORD index, char* name, DWORD* pcbName) {
        return ::RegEnumKeyEx(m_hKey, index, name, pcbName, nullptr, nullptr, nullptr, nullptr);
    });
}
