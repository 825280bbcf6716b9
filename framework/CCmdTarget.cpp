#include "framework/CCmdTarget.h"
#include "framework/CCmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {{0, 0, 0, 0, AfxSig_end, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &_messageEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

CCmdTarget::CCmdTarget() = default;
CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP_ENTRY* PASCAL CCmdTarget::FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry,
                                                            UINT nMsg, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry)
    {
        UINT nEntryMsg =
            lpEntry->pnRegisteredMessage ? *lpEntry->pnRegisteredMessage : lpEntry->nMessage;
        if (lpEntry->pnRegisteredMessage && nEntryMsg == 0)
            continue; // registration failed or has not run yet: matches nothing
        if (nEntryMsg == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID &&
            nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return nullptr;
}

BOOL PASCAL CCmdTarget::DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn,
                                       void* pExtra, UINT nSig, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (pHandlerInfo != nullptr)
    {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }

    switch (nSig)
    {
    case AfxSigCmd_v: (pTarget->*AfxFromPmsg<void (CCmdTarget::*)()>(pfn))(); return TRUE;
    case AfxSigCmd_b: return (pTarget->*AfxFromPmsg<BOOL (CCmdTarget::*)()>(pfn))();
    case AfxSigCmd_RANGE:
        (pTarget->*AfxFromPmsg<void (CCmdTarget::*)(UINT)>(pfn))(nID);
        return TRUE;
    case AfxSigCmd_EX: return (pTarget->*AfxFromPmsg<BOOL (CCmdTarget::*)(UINT)>(pfn))(nID);
    case AfxSigCmdUI:
    case AfxSigCmdUI_RANGE:
    {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        if (pCmdUI == nullptr)
            return FALSE;
        pCmdUI->m_bContinueRouting = FALSE;
        if (nSig == AfxSigCmdUI)
            (pTarget->*AfxFromPmsg<void (CCmdTarget::*)(CCmdUI*)>(pfn))(pCmdUI);
        else
            (pTarget->*AfxFromPmsg<void (CCmdTarget::*)(CCmdUI*, UINT)>(pfn))(pCmdUI, nID);
        return !pCmdUI->m_bContinueRouting;
    }
    case AfxSigNotify_v:
    case AfxSigNotify_b:
    case AfxSigNotify_RANGE:
    case AfxSigNotify_EX:
    {
        AFX_NOTIFY* pInfo = static_cast<AFX_NOTIFY*>(pExtra);
        if (pInfo == nullptr)
            return FALSE;
        LRESULT dummy = 0;
        LRESULT* pResult = pInfo->pResult ? pInfo->pResult : &dummy;
        switch (nSig)
        {
        case AfxSigNotify_v:
            (pTarget->*AfxFromPmsg<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pInfo->pNMHDR,
                                                                                 pResult);
            return TRUE;
        case AfxSigNotify_b:
            return (pTarget->*AfxFromPmsg<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(
                pInfo->pNMHDR, pResult);
        case AfxSigNotify_RANGE:
            (pTarget->*AfxFromPmsg<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(
                nID, pInfo->pNMHDR, pResult);
            return TRUE;
        default:
            return (pTarget->*AfxFromPmsg<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(
                nID, pInfo->pNMHDR, pResult);
        }
    }
    default: return FALSE;
    }
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg = 0;
    UINT nEntryCode = (UINT)nCode;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(nCode);
        nEntryCode = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMessageMap = GetMessageMap(); pMessageMap != nullptr;
         pMessageMap = pMessageMap->pfnGetBaseMap ? (*pMessageMap->pfnGetBaseMap)() : nullptr)
    {
        const AFX_MSGMAP_ENTRY* lpEntry =
            FindMessageEntry(pMessageMap->lpEntries, nMsg, nEntryCode, nID);
        if (lpEntry != nullptr)
            return DispatchCmdMsg(this, nID, nCode, lpEntry->pfn, pExtra, lpEntry->nSig,
                                  pHandlerInfo);
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor()
{
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}

void CCmdTarget::EndWaitCursor()
{
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}
