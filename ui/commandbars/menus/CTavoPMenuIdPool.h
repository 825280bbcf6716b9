// The pool of command IDs that torn-off menus are given, so that they come back as toolbars with those IDs.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CArray.h"

class CTavoPMenuIdPool : public CObject
{
    DECLARE_DYNAMIC(CTavoPMenuIdPool)
public:
    CTavoPMenuIdPool();
    virtual ~CTavoPMenuIdPool();

    // Makes the IDs from first to last (inclusive) the pool, all free. A range that starts at
    // 0, ends before it starts or leaves the 16 bits a menu command travels in is refused
    // (FALSE) and leaves the pool without IDs.
    BOOL Initialize(UINT uiFirstId, UINT uiLastId);
    UINT GetFirstId() const { return m_uiFirstId; }
    UINT GetLastId() const { return m_uiLastId; }

    // Takes the lowest free ID; 0 when none is left.
    UINT GetFreeId();
    // Takes or gives back one use of an ID of the pool; other IDs are ignored.
    void MarkId(UINT uiId, BOOL bInUse);
    // Numbers every sub-menu that starts a new column and carries no number yet, depth first,
    // until the pool runs out.
    void AssignIds(HMENU hMenu);
    // Frees the IDs carried in the menu's texts; without a menu frees every ID.
    void ReleaseIds(HMENU hMenu = NULL);

    // A text that carries an ID, 0x01 ID 0x01 text, gives the ID and is left with the text
    // behind the last 0x01; any other text gives 0 and stays as it is.
    static UINT ExtractId(CString& strText);
    static void EmbedId(UINT uiId, CString& strText);

protected:
    BOOL IsInRange(UINT uiId) const;
    // FALSE once the pool has run out.
    BOOL AssignIdsIn(HMENU hMenu);

    UINT m_uiFirstId;
    UINT m_uiLastId;
    CArray<int, int> m_arUseCounts; // by ID - first ID; 0 = free
};
