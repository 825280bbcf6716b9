// Window procedure and message dispatch: the message map walk, reflection, commands,
// the modal loop and the default handlers.
#include "framework/CWnd.h"
#include "framework/CEnableProbeCmdUI.h"
#include "framework/CCmdUI.h"
#include "framework/CDC.h"
#include "framework/CMenu.h"
#include "framework/CScrollBar.h"
#include "framework/CListBox.h"
#include "framework/CMemoryException.h"
#include <new>
#include "framework/CWinApp.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_DELETEITEM()
    ON_WM_COMPAREITEM()
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_PARENTNOTIFY()
    ON_WM_CHARTOITEM()
    ON_WM_VKEYTOITEM()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const TCHAR _afxWnd[] = "AfxWnd";
const TCHAR _afxWndFrameOrView[] = "AfxFrameOrView";

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

MSG g_lastSentMsg; // the message being handled now (Default, GetCurrentMessage)

// Passed with a reflected WM_CTLCOLOR in lParam.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

LRESULT ReportWndProcException(CException* e, const MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->ProcessWndProcException(e, pMsg);
    return CWinThread::DefaultProcessWndProcException(e, pMsg);
}

} // namespace

// ---- window procedure ----

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    MSG oldState = g_lastSentMsg;
    g_lastSentMsg.hwnd = hWnd;
    g_lastSentMsg.message = nMsg;
    g_lastSentMsg.wParam = wParam;
    g_lastSentMsg.lParam = lParam;

    LRESULT lResult = 0;
    // No C++ exception may unwind through Win32's frames: report it here and carry on.
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        lResult = ReportWndProcException(e, &g_lastSentMsg);
        e->Delete();
    }
    catch (const std::bad_alloc&)
    {
        CMemoryException* e = new CMemoryException();
        lResult = ReportWndProcException(e, &g_lastSentMsg);
        e->Delete();
    }
    catch (...)
    {
        CException* e = new CException();
        lResult = ReportWndProcException(e, &g_lastSentMsg);
        e->Delete();
    }
    g_lastSentMsg = oldState;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

// ---- message handling ----

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    g_lastSentMsg.time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    g_lastSentMsg.pt.x = (short)LOWORD(pos);
    g_lastSentMsg.pt.y = (short)HIWORD(pos);
    return &g_lastSentMsg;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_lastSentMsg.message, g_lastSentMsg.wParam, g_lastSentMsg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProc(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;

    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        if (pResult != nullptr)
            *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR == nullptr || pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        if (pResult != nullptr)
            *pResult = lResult;
        return TRUE;
    }

    UINT nCtlType = 0;
    UINT nLookup = message;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        nCtlType = message - WM_CTLCOLORMSGBOX;
        nLookup = WM_CTLCOLOR;
    }

    const AFX_MSGMAP_ENTRY* lpEntry = nullptr;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr && lpEntry == nullptr;
         pMap = pMap->pfnGetBaseMap ? (*pMap->pfnGetBaseMap)() : nullptr)
        lpEntry = FindMessageEntry(pMap->lpEntries, nLookup, 0, 0);
    if (lpEntry == nullptr)
        return FALSE;

    AFX_PMSG pfn = lpEntry->pfn;
    CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
#define AFX_CALL(type) (this->*AfxFromPmsg<type>(pfn))
    switch (lpEntry->nSig)
    {
    case AfxSig_lwl: lResult = AFX_CALL(LRESULT(CWnd::*)(WPARAM, LPARAM))(wParam, lParam); break;
    case AfxSig_vv: AFX_CALL(void(CWnd::*)())(); break;
    case AfxSig_bv: lResult = AFX_CALL(BOOL(CWnd::*)())(); break;
    case AfxSig_wv: lResult = AFX_CALL(UINT(CWnd::*)())(); break;
    case AfxSig_hv: lResult = (LRESULT)AFX_CALL(HCURSOR(CWnd::*)())(); break;
    case AfxSig_is:
        lResult = (LRESULT)AFX_CALL(int(CWnd::*)(LPCREATESTRUCT))((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_bs:
        lResult = AFX_CALL(BOOL(CWnd::*)(LPCREATESTRUCT))((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_vwii:
        AFX_CALL(void(CWnd::*)(UINT, int, int))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vii: AFX_CALL(void(CWnd::*)(int, int))(point.x, point.y); break;
    case AfxSig_vwr:
        AFX_CALL(void(CWnd::*)(UINT, LPRECT))((UINT)wParam, (LPRECT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vw: AFX_CALL(void(CWnd::*)(UINT))((UINT)wParam); break;
    case AfxSig_vu: AFX_CALL(void(CWnd::*)(UINT_PTR))((UINT_PTR)wParam); break;
    case AfxSig_vb: AFX_CALL(void(CWnd::*)(BOOL))((BOOL)wParam); break;
    case AfxSig_bb: lResult = AFX_CALL(BOOL(CWnd::*)(BOOL))((BOOL)wParam); break;
    case AfxSig_vwp: AFX_CALL(void(CWnd::*)(UINT, CPoint))((UINT)wParam, point); break;
    case AfxSig_bwsp:
        lResult = AFX_CALL(BOOL(CWnd::*)(UINT, short, CPoint))(LOWORD(wParam),
                                                               (short)HIWORD(wParam), point);
        if (!lResult)
            return FALSE;
        break;
    case AfxSig_iWww:
        lResult = AFX_CALL(int(CWnd::*)(CWnd*, UINT, UINT))(FromHandle((HWND)wParam),
                                                            LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_bWww:
        lResult = AFX_CALL(BOOL(CWnd::*)(CWnd*, UINT, UINT))(FromHandle((HWND)wParam),
                                                             LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwww:
        AFX_CALL(void(CWnd::*)(UINT, UINT, UINT))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vW:
        AFX_CALL(void(CWnd::*)(CWnd*))
        (FromHandle(message == WM_CAPTURECHANGED ? (HWND)lParam : (HWND)wParam));
        break;
    case AfxSig_vwWb:
        AFX_CALL(void(CWnd::*)(UINT, CWnd*, BOOL))
        (LOWORD(wParam), FromHandle((HWND)lParam), HIWORD(wParam));
        break;
    case AfxSig_vbd: AFX_CALL(void(CWnd::*)(BOOL, DWORD))((BOOL)wParam, (DWORD)lParam); break;
    case AfxSig_vbn:
        AFX_CALL(void(CWnd::*)(BOOL, NCCALCSIZE_PARAMS*))((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_wp: lResult = AFX_CALL(UINT(CWnd::*)(CPoint))(point); break;
    case AfxSig_lp: lResult = AFX_CALL(LRESULT(CWnd::*)(CPoint))(point); break;
    case AfxSig_hDWw:
        lResult = (LRESULT)AFX_CALL(HBRUSH(CWnd::*)(CDC*, CWnd*, UINT))(
            CDC::FromHandle((HDC)wParam), FromHandle((HWND)lParam), nCtlType);
        break;
    case AfxSig_hDw:
    {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)AFX_CALL(HBRUSH(CWnd::*)(CDC*, UINT))(CDC::FromHandle(pCtl->hDC),
                                                                 pCtl->nCtlType);
        if (lResult == 0)
            return FALSE; // the control leaves its colours to the parent
        break;
    }
    case AfxSig_bD: lResult = AFX_CALL(BOOL(CWnd::*)(CDC*))(CDC::FromHandle((HDC)wParam)); break;
    case AfxSig_vOWNER:
        AFX_CALL(void(CWnd::*)(int, void*))((int)wParam, (void*)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iOWNER:
        lResult = AFX_CALL(int(CWnd::*)(int, LPCOMPAREITEMSTRUCT))((int)wParam,
                                                                   (LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_vwwS:
        AFX_CALL(void(CWnd::*)(UINT, UINT, CScrollBar*))
        (LOWORD(wParam), HIWORD(wParam), static_cast<CScrollBar*>(FromHandle((HWND)lParam)));
        break;
    case AfxSig_vww: AFX_CALL(void(CWnd::*)(UINT, UINT))(LOWORD(wParam), HIWORD(wParam)); break;
    case AfxSig_vWp: AFX_CALL(void(CWnd::*)(CWnd*, CPoint))(FromHandle((HWND)wParam), point); break;
    case AfxSig_vptr:
        if (message == WM_GETMINMAXINFO)
            AFX_CALL(void(CWnd::*)(MINMAXINFO*))((MINMAXINFO*)lParam);
        else if (message == WM_DROPFILES)
            AFX_CALL(void(CWnd::*)(HDROP))((HDROP)wParam);
        else
            AFX_CALL(void(CWnd::*)(WINDOWPOS*))((WINDOWPOS*)lParam);
        break;
    case AfxSig_bptr: lResult = AFX_CALL(BOOL(CWnd::*)(HELPINFO*))((HELPINFO*)lParam); break;
    case AfxSig_vbw: AFX_CALL(void(CWnd::*)(BOOL, UINT))((BOOL)wParam, (UINT)lParam); break;
    case AfxSig_vwl: AFX_CALL(void(CWnd::*)(UINT, LPARAM))((UINT)wParam, lParam); break;
    case AfxSig_vws: AFX_CALL(void(CWnd::*)(UINT, LPCTSTR))((UINT)wParam, (LPCTSTR)lParam); break;
    case AfxSig_vs: AFX_CALL(void(CWnd::*)(LPCTSTR))((LPCTSTR)lParam); break;
    case AfxSig_vMwb:
        AFX_CALL(void(CWnd::*)(CMenu*, UINT, BOOL))
        (CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vM: AFX_CALL(void(CWnd::*)(CMenu*))(CMenu::FromHandle((HMENU)wParam)); break;
    case AfxSig_lwwM:
        lResult = AFX_CALL(LRESULT(CWnd::*)(UINT, UINT, CMenu*))(LOWORD(wParam), HIWORD(wParam),
                                                                 CMenu::FromHandle((HMENU)lParam));
        break;
    case AfxSig_vwwh:
        AFX_CALL(void(CWnd::*)(UINT, UINT, HMENU))(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;
    case AfxSig_viSS:
        AFX_CALL(void(CWnd::*)(int, LPSTYLESTRUCT))((int)wParam, (LPSTYLESTRUCT)lParam);
        break;
    case AfxSig_iwWw:
        lResult = AFX_CALL(int(CWnd::*)(UINT, CListBox*, UINT))(
            LOWORD(wParam), static_cast<CListBox*>(FromHandle((HWND)lParam)), HIWORD(wParam));
        break;
    case AfxSig_vwW:
        AFX_CALL(void(CWnd::*)(UINT, CWnd*))((UINT)wParam, FromHandle((HWND)lParam));
        break;
    default: return FALSE;
    }
#undef AFX_CALL
    // The handler may have destroyed and deleted this object: touch nothing of it from here on.
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);

    if (hWndCtrl == nullptr)
    {
        if (nID == 0)
            return FALSE;
        // A menu or accelerator command runs only while its update handler leaves it enabled.
        CEnableProbeCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (ReflectLastMsg(hWndCtrl))
            return TRUE; // the control's own object handled its notification
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = (UINT)(WORD)::GetDlgCtrlID(hWndCtrl);
    int nCode = (int)pNMHDR->code;

    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;

    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, nullptr);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == nullptr)
        return FALSE;
    MSG msg = g_lastSentMsg;
    return pWnd->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::IsUnhandledDrawItem(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM || CWnd::OnChildNotify(message, wParam, lParam, pResult))
        return FALSE;
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM: return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND:
    {
        int nCode = HIWORD(wParam);
        if (CWnd::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr))
        {
            if (pResult != nullptr)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify;
        notify.pResult = pResult;
        notify.pNMHDR = pNMHDR;
        return CWnd::OnCmdMsg(0, MAKELONG((int)pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify,
                              nullptr);
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        {
            AFX_CTLCOLOR ctl;
            ctl.hWnd = m_hWnd;
            ctl.hDC = (HDC)wParam;
            ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
            return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, pResult);
        }
        return FALSE;
    }
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           BOOL bDeep, BOOL bOnlyPerm)
{
    // Take the children first: a handler may create or destroy siblings while we walk.
    std::vector<HWND> children;
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
        children.push_back(hWndChild);
    for (HWND hWndChild : children)
    {
        if (!::IsWindow(hWndChild))
            continue;
        if (bOnlyPerm)
        {
            CWnd* pWnd = FromHandlePermanent(hWndChild);
            if (pWnd != nullptr)
                AfxCallWndProc(pWnd, hWndChild, message, wParam, lParam);
        }
        else
            ::SendMessage(hWndChild, message, wParam, lParam);
        if (bDeep && ::IsWindow(hWndChild) && ::GetTopWindow(hWndChild) != nullptr)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    CWnd wndTemp;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        state.m_nID = (UINT)(WORD)::GetDlgCtrlID(hWndChild);
        wndTemp.m_hWnd = hWndChild;
        state.m_pOther = &wndTemp;

        // The control's own object may update itself through a reflected handler.
        CWnd* pWnd = FromHandlePermanent(hWndChild);
        if (pWnd != nullptr &&
            pWnd->CWnd::OnCmdMsg(0,
                                 MAKELONG((int)CN_UPDATE_COMMAND_UI, WM_COMMAND + WM_REFLECT_BASE),
                                 &state, nullptr))
            continue;
        if (CWnd::OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;

        // Check boxes, radio buttons and group boxes change their own state: never disable them.
        BOOL bDisableTemp = bDisableIfNoHndler;
        if (bDisableTemp)
        {
            if ((::SendMessage(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0)
                bDisableTemp = FALSE;
            else
            {
                UINT nStyle = (UINT)(::GetWindowLong(hWndChild, GWL_STYLE) & 0x0F);
                if (nStyle == BS_AUTOCHECKBOX || nStyle == BS_AUTO3STATE || nStyle == BS_GROUPBOX ||
                    nStyle == BS_AUTORADIOBUTTON)
                    bDisableTemp = FALSE;
            }
        }
        state.DoUpdate(pTarget, bDisableTemp);
    }
    wndTemp.m_hWnd = nullptr;
}

// ---- modal loop ----

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        ::PostMessage(m_hWnd, WM_NULL, 0, 0); // wakes the loop up
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    HWND hWndSelf = m_hWnd;
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);
    MSG msg;

    for (;;)
    {
        while (bIdle && !::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ::ShowWindow(hWndSelf, SW_SHOWNORMAL);
                ::UpdateWindow(hWndSelf);
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != nullptr && lIdleCount == 0)
                ::SendMessage(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)hWndSelf);
            if ((dwFlags & MLF_NOKICKIDLE) ||
                !::SendMessage(hWndSelf, WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
            if (!::IsWindow(hWndSelf) || !ContinueModal())
                goto ExitModal;
        }

        do
        {
            if (!::GetMessage(&msg, nullptr, 0, 0))
            {
                ::PostQuitMessage((int)msg.wParam); // the outer loop must see the quit too
                m_nModalResult = -1;
                goto ExitModal;
            }
            if (!AfxPreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
            if (!::IsWindow(hWndSelf) || !ContinueModal())
                goto ExitModal;
            if (bShowIdle && (msg.message == 0x118 || msg.message == WM_SYSKEYDOWN))
            {
                ::ShowWindow(hWndSelf, SW_SHOWNORMAL);
                ::UpdateWindow(hWndSelf);
                bShowIdle = FALSE;
            }
            if (AfxIsIdleMessage(&msg))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }

ExitModal:
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

// ---- default handlers ----

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return (int)Default();
}
BOOL CWnd::OnNcCreate(LPCREATESTRUCT)
{
    return (BOOL)Default();
}
void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnNcDestroy()
{
    // The main window going away ends the program's message loop.
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd == this)
    {
        pThread->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }

    Default();
    if (m_hWnd != nullptr && m_pfnSuper != nullptr &&
        (WNDPROC)::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == AfxWndProc)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy(); // may delete this object
}

void CWnd::OnClose()
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}
void CWnd::OnNcPaint()
{
    Default();
}
void CWnd::OnCancelMode()
{
    Default();
}
void CWnd::OnSysColorChange()
{
    Default();
}
void CWnd::OnMouseLeave()
{
    Default();
}
void CWnd::OnNcMouseLeave()
{
    Default();
}
void CWnd::OnEnterSizeMove()
{
    Default();
}
void CWnd::OnExitSizeMove()
{
    Default();
}
void CWnd::OnChildActivate()
{
    Default();
}
void CWnd::OnTimeChange()
{
    Default();
}
BOOL CWnd::OnQueryNewPalette()
{
    return (BOOL)Default();
}
BOOL CWnd::OnQueryEndSession()
{
    return (BOOL)Default();
}
void CWnd::OnEndSession(BOOL)
{
    Default();
}
UINT CWnd::OnGetDlgCode()
{
    return (UINT)Default();
}
HCURSOR CWnd::OnQueryDragIcon()
{
    return (HCURSOR)Default();
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnMove(int, int)
{
    Default();
}
void CWnd::OnSizing(UINT, LPRECT)
{
    Default();
}
void CWnd::OnMoving(UINT, LPRECT)
{
    Default();
}
void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
LRESULT CWnd::OnNcHitTest(CPoint)
{
    return Default();
}
void CWnd::OnActivateApp(BOOL, DWORD)
{
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnMouseHover(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return (BOOL)Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcRButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcMButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcMButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcMouseMove(UINT, CPoint)
{
    Default();
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
    return (int)Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return (BOOL)Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSetFocus(CWnd*)
{
    Default();
}
void CWnd::OnKillFocus(CWnd*)
{
    Default();
}
void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}
void CWnd::OnPaletteChanged(CWnd*)
{
    Default();
}
void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}
BOOL CWnd::OnNcActivate(BOOL)
{
    return (BOOL)Default();
}
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}

void CWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU)
    {
        CMenu* pMenu = CMenu::FromHandlePermanent((HMENU)lpDrawItemStruct->hwndItem);
        if (pMenu != nullptr)
        {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    }
    else if (ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU)
    {
        HWND hWndChild = ::GetDlgItem(m_hWnd, (int)lpMeasureItemStruct->CtlID);
        if (hWndChild != nullptr && ReflectLastMsg(hWndChild))
            return;
    }
    Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult = 0;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
    HWND hWndCtl = (HWND)g_lastSentMsg.lParam;
    if (hWndCtl != nullptr && ReflectLastMsg(hWndCtl))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
    HWND hWndCtl = (HWND)g_lastSentMsg.lParam;
    if (hWndCtl != nullptr && ReflectLastMsg(hWndCtl))
        return;
    Default();
}

void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*)
{
    Default();
}
void CWnd::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
}
void CWnd::OnDropFiles(HDROP)
{
    Default();
}
BOOL CWnd::OnHelpInfo(HELPINFO*)
{
    return (BOOL)Default();
}
void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) &&
        ReflectLastMsg((HWND)lParam))
        return;
    Default();
}

void CWnd::OnSettingChange(UINT, LPCTSTR)
{
    Default();
}
void CWnd::OnWinIniChange(LPCTSTR)
{
    Default();
}
void CWnd::OnEnable(BOOL)
{
    Default();
}
void CWnd::OnEnterMenuLoop(BOOL)
{
    Default();
}
void CWnd::OnExitMenuLoop(BOOL)
{
    Default();
}
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}
void CWnd::OnInitMenu(CMenu*)
{
    Default();
}
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*)
{
    return Default();
}
void CWnd::OnMenuSelect(UINT, UINT, HMENU)
{
    Default();
}
void CWnd::OnEnterIdle(UINT, CWnd*)
{
    Default();
}
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT)
{
    Default();
}
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT)
{
    Default();
}

int CWnd::OnCharToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult = -1;
    if (pListBox != nullptr && ReflectLastMsg(pListBox->m_hWnd, &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnVKeyToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult = -1;
    if (pListBox != nullptr && ReflectLastMsg(pListBox->m_hWnd, &lResult))
        return (int)lResult;
    return (int)Default();
}
