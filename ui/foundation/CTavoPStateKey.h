// One registry key of the library's stored state: opened to read or made to write on first use, its values moved through archives over memory.
#pragma once
#include "ui/foundation/ArchiveBlock.h"
#include "ui/foundation/CTavoPRegistryHolder.h"

class CTavoPStateKey
{
public:
    enum Access
    {
        forReading,
        forWriting
    };

    // The key at a path below HKEY_CURRENT_USER.
    CTavoPStateKey(LPCTSTR lpszPath, Access access);
    // The key named lpszLeaf inside the section's state path (see BuildRegistryPath).
    CTavoPStateKey(LPCTSTR lpszSection, LPCTSTR lpszProfileName, LPCTSTR lpszLeaf, Access access);

    // Deletes the key at the path with all keys below it; FALSE when it could not.
    static BOOL Delete(LPCTSTR lpszPath);

    // Opens the key for reading or makes it for writing, on the first call; FALSE when that
    // failed (and on every later call).
    BOOL Open();
    // The key's registry object, for the values stored beside the archived ones; the key is
    // opened first. A key that could not be opened refuses every read and write made through it.
    CTavoPRegistry& Registry();
    CTavoPRegistry* operator->() { return &Registry(); }

    // Archives through store(CArchive&) and writes the bytes as one binary value. The bytes are
    // made before the key is touched, so an archive that fails (a memory shortage, an object
    // that cannot be stored) makes no key. FALSE on that, or when the key cannot be made or the
    // value cannot be written.
    template <class TStore>
    BOOL StoreArchived(LPCTSTR lpszValue, TStore store)
    {
        std::vector<BYTE> bytes;
        return ArchiveToBlock(store, bytes) && Open() &&
               Registry().WriteBinary(lpszValue, bytes.data(), (UINT)bytes.size());
    }

    // Reads the binary value and runs load(CArchive&) -> BOOL over an archive of its bytes; the
    // result is what load returns. FALSE without calling load when the key or the value cannot
    // be read. An exception thrown while loading is handed to failed(CException*), which undoes
    // what the load made so far, then deleted, and the result is FALSE.
    template <class TLoad, class TFailed>
    BOOL LoadArchived(LPCTSTR lpszValue, TLoad load, TFailed failed)
    {
        BYTE* pData = nullptr;
        UINT nBytes = 0;
        if (!Open() || !Registry().ReadBinary(lpszValue, &pData, &nBytes))
            return FALSE;
        std::unique_ptr<BYTE[]> block(pData);
        try
        {
            return LoadFromBlock(pData, nBytes, load);
        }
        catch (CException* e)
        {
            failed(e);
            e->Delete();
            return FALSE;
        }
    }
    template <class TLoad>
    BOOL LoadArchived(LPCTSTR lpszValue, TLoad load)
    {
        return LoadArchived(lpszValue, load, [](CException*) {});
    }

private:
    CTavoPStateKey(const CTavoPStateKey&) = delete;
    CTavoPStateKey& operator=(const CTavoPStateKey&) = delete;

    enum State
    {
        notTried,
        opened,
        notOpened
    };

    CTavoPRegistryHolder m_holder;
    CString m_strPath;
    Access m_access;
    State m_state;
};
