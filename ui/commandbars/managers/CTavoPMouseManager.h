// The mouse manager: the command a double click runs in each kind of view, kept in the registry.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPMouseManager : public CObject
{
    DECLARE_DYNCREATE(CTavoPMouseManager)
public:
    CTavoPMouseManager();
    virtual ~CTavoPMouseManager();

    virtual BOOL LoadState(LPCTSTR lpszProfileName = nullptr);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = nullptr);
    // The command bound to a double click in the view, 0 when none.
    virtual UINT GetViewCommand(int iViewId);
};
