// The user-tools manager: external programs bound to commands of a reserved range, kept in the registry.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPUserToolsManager : public CObject
{
    DECLARE_DYNAMIC(CTavoPUserToolsManager)
public:
    CTavoPUserToolsManager();
    virtual ~CTavoPUserToolsManager();

    virtual BOOL LoadState(LPCTSTR lpszProfileName = nullptr);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = nullptr);
    // Runs the tool bound to the command; FALSE when there is none.
    virtual BOOL InvokeTool(UINT uiCmdId);
};
