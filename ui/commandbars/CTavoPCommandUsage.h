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

    // Counts one use, unless IsCounted leaves the command out.
    void AddUsage(UINT uiCmd);
    int GetCount(UINT uiCmd) const;
    UINT GetTotal() const { return m_nTotalUsage; }
    // More than the threshold's share of all uses; never with no uses at all.
    BOOL IsFrequent(UINT uiCmd) const;
    // Whether enough uses were seen for menus to be shortened by them.
    BOOL HasEnoughData() const;
    void RemoveAll();

    // FALSE while customizing and for separators, basic commands, recent files, system
    // commands, OLE verbs and the reserved top of the range: choosing them says nothing about
    // which commands the user needs.
    static BOOL IsCounted(UINT uiCmd);

    // The total, then the counts by command; loading replaces the total and adds to the counts.
    virtual void Serialize(CArchive& ar) override;

    // A command with this percentage of all uses or less is rarely used.
    static const UINT m_nFrequencyPercent = 5;
    // Below this many uses in all the counts are not relied on.
    static const UINT m_nMinTotalUsage = 0;

protected:
    CMap<UINT, UINT, int, int> m_CommandsUsage;
    UINT m_nTotalUsage;
};

// The process-wide usage counts.
CTavoPCommandUsage& GetCommandUsage();
