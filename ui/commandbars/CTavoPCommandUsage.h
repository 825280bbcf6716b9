// How often each command was chosen from toolbars and menus, so that shortened menus can hide the rarely used ones.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CMap.h"

class CTavoPCommandUsage : public CObject
{
    DECLARE_DYNCREATE(CTavoPCommandUsage)
public:
    CTavoPCommandUsage();
    virtual ~CTavoPCommandUsage();

    int GetCount(UINT uiCmd) const;
    UINT GetTotal() const { return m_nTotalUsage; }
    void RemoveAll();

    // The total, then the counts by command; loading adds to the counts held.
    virtual void Serialize(CArchive& ar) override;

protected:
    CMap<UINT, UINT, int, int> m_CommandsUsage;
    UINT m_nTotalUsage;
};

// The process-wide usage counts.
CTavoPCommandUsage& GetCommandUsage();
