// The mouse manager: the command a double click runs in each kind of view, kept in the registry.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPMouseManager : public CObject
{
    DECLARE_SERIAL(CTavoPMouseManager)
public:
    // The newest manager becomes the process-wide one.
    CTavoPMouseManager();
    virtual ~CTavoPMouseManager();

    // The bindings under lpszProfileName (with none, the library's own section), value "Mouse".
    virtual BOOL LoadState(LPCTSTR lpszProfileName = nullptr);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = nullptr);
    // The bindings only: their count, then (view, command) pairs.
    virtual void Serialize(CArchive& ar) override;

    // Registers a kind of view under its name, with the icon the mouse page shows for it.
    BOOL AddView(int iViewId, LPCTSTR lpszViewName, UINT uiIconId = 0);
    // The command bound to a double click in the view, 0 when none.
    virtual UINT GetViewCommand(int iViewId);
    // Command 0 removes the binding.
    void SetViewCommand(int iViewId, UINT uiCmd);
    UINT GetViewIconId(int iViewId) const;
    void GetViewNames(CStringList& listOfNames) const;
    // -1 for a name that is not registered.
    int GetViewIdByName(LPCTSTR lpszName) const;

protected:
    CMap<CString, LPCTSTR, int, int> m_ViewsNames;
    CMap<UINT, UINT, UINT, UINT> m_ViewsToCommands;
    CMap<UINT, UINT, UINT, UINT> m_ViewsToIcons;
};

// The process-wide mouse manager, null when there is none.
CTavoPMouseManager* GetMouseManager();
