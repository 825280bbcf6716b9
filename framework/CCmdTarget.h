// Base of every object that receives commands: finds handlers in the static message maps and routes commands.
#pragma once
#include "framework/FrameworkCore.h"
#include "framework/AfxMessageMap.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    virtual ~CCmdTarget();

    // Finds and runs the handler of a command (nCode CN_COMMAND), of a command-UI update
    // (CN_UPDATE_COMMAND_UI, pExtra the CCmdUI) or of a control notification
    // (MAKELONG(code, WM_COMMAND or WM_NOTIFY)). With pHandlerInfo only reports whether one exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // The entry of a map chain that handles a window message, or null.
    static const AFX_MSGMAP_ENTRY* PASCAL FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry,
                                                           UINT nMsg, UINT nCode, UINT nID);

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    static BOOL PASCAL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn,
                                      void* pExtra, UINT nSig, AFX_CMDHANDLERINFO* pHandlerInfo);

    friend class CWnd;
};
