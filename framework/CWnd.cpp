#include "framework/CWnd.h"
#include "framework/HandleMap.h"
#include "framework/CCmdUI.h"
#include "framework/CDC.h"
#include "framework/CFont.h"
#include "framework/CRgn.h"
#include "framework/CMenu.h"
#include "framework/CScrollBar.h"
#include "framework/CListBox.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/CDataExchange.h"
#include "framework/CTestSeams.h"
#include "framework/CUserException.h"
#include "framework/CMemoryException.h"
#include "framework/AfxConstants.h"
#include <map>
#include <string>
#include <vector>
#include <exception>

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

// Everything here belongs to the one user-interface thread.
HandleMap<HWND, CWnd>& Maps()
{
    static HandleMap<HWND, CWnd> maps;
    return maps;
}

MSG g_lastSentMsg; // the message being handled now (Default, GetCurrentMessage)
CWnd* g_pWndInit;  // the object waiting for the window being created
HHOOK g_hHookCbt;

// Passed with a reflected WM_CTLCOLOR in lParam.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// Asks a command's update handler whether a menu or accelerator command is enabled.
class CTestCmdUI : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}
};

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_pWndInit != nullptr)
    {
        LPCREATESTRUCT lpcs = reinterpret_cast<LPCBT_CREATEWND>(lParam)->lpcs;
        // The input-method window of the thread is created on the way; it is not ours.
        bool bIme = lpcs != nullptr && lpcs->lpszClass != nullptr &&
                    !IS_INTRESOURCE(lpcs->lpszClass) && lstrcmpi(lpcs->lpszClass, "ime") == 0;
        if (!bIme)
        {
            CWnd* pWndInit = g_pWndInit;
            g_pWndInit = nullptr;
            // A hook procedure is called by Win32: nothing may unwind through it.
            try
            {
                pWndInit->AttachFromHook((HWND)wParam);
            }
            catch (CException* e)
            {
                e->ReportError(MB_ICONSTOP);
                e->Delete();
            }
            catch (...)
            {}
        }
    }
    return ::CallNextHookEx(g_hHookCbt, code, wParam, lParam);
}

} // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    if (g_hHookCbt == nullptr)
        g_hHookCbt = ::SetWindowsHookEx(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
    g_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    if (g_pWndInit != nullptr)
    {
        g_pWndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

namespace {

HWND ParentOrOwnerOf(HWND hWnd)
{
    if (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD)
        return ::GetParent(hWnd);
    return ::GetWindow(hWnd, GW_OWNER);
}

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

// ---- construction and handle maps ----

CWnd::CWnd()
    : m_hWnd(nullptr), m_pfnSuper(nullptr), m_nFlags(0), m_nModalResult(0), m_hWndOwner(nullptr)
{}

CWnd::CWnd(HWND hWnd)
    : m_hWnd(hWnd), m_pfnSuper(nullptr), m_nFlags(0), m_nModalResult(0), m_hWndOwner(nullptr)
{}

CWnd::~CWnd()
{
    if (m_hWnd == nullptr || m_hWnd == HWND_TOP || m_hWnd == HWND_BOTTOM ||
        m_hWnd == HWND_TOPMOST || m_hWnd == HWND_NOTOPMOST)
        return;
    if (FromHandlePermanent(m_hWnd) == this)
    {
        // The window outlives no object: destroy it now (its messages reach this class's own map).
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
        if (m_hWnd != nullptr)
            Detach();
    }
    else
    {
        Maps().RemoveTemporary(m_hWnd, this);
    }
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    return Maps().LookupPermanent(hWnd);
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    if (CWnd* pWnd = Maps().LookupTemporary(hWnd))
        return pWnd;
    CWnd* pWnd = new CWnd();
    pWnd->m_hWnd = hWnd;
    pWnd->m_nFlags |= WF_TEMPORARY;
    Maps().SetTemporary(hWnd, pWnd);
    return pWnd;
}

void PASCAL CWnd::DeleteTempMap()
{
    Maps().DeleteTemporaries([](CWnd* p) {
        p->m_hWnd = nullptr;
        delete p;
    });
}

int PASCAL CWnd::GetTempMapCount()
{
    return Maps().TemporaryCount();
}

int PASCAL CWnd::GetPermanentMapCount()
{
    return Maps().PermanentCount();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr)
        return FALSE;
    if (Maps().LookupPermanent(hWndNew) != nullptr)
        return FALSE; // one object per window
    // A temporary wrapper of the same window would otherwise shadow nothing but leak.
    if (CWnd* pTemp = Maps().TakeTemporary(hWndNew))
    {
        pTemp->m_hWnd = nullptr;
        delete pTemp;
    }
    Maps().SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
        Maps().RemovePermanent(hWnd, this);
    m_hWnd = nullptr;
    return hWnd;
}

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

void CWnd::AttachFromHook(HWND hWnd)
{
    Attach(hWnd);
    PreSubclassWindow();
    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (oldWndProc != AfxWndProc)
        *GetSuperWndProcAddr() = oldWndProc;
}

// ---- creation ----

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;

    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));

    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx,
                         cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // the window never existed: clean up as if it had been destroyed
    // A failed WM_CREATE has already destroyed the window and may have deleted this object.
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    return TRUE;
}

void CWnd::PreSubclassWindow()
{}

void CWnd::PostNcDestroy()
{}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == 0)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    bool bPermanent = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A permanent object may be gone by now (PostNcDestroy); only a wrapper is cleaned here.
    if (!bPermanent)
        m_hWnd = nullptr;
    return bResult;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (oldWndProc != AfxWndProc)
        *GetSuperWndProcAddr() = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr || pParent->m_hWnd == nullptr)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, (int)nID);
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (m_hWnd != nullptr && *lplpfn != nullptr)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*lplpfn);
    *lplpfn = nullptr;
    return Detach();
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
        CTestCmdUI state;
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

// ---- data exchange ----

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
        return TRUE;
    }
    catch (CUserException* e)
    {
        e->Delete(); // the user has been told already
    }
    catch (CException* e)
    {
        e->ReportError(MB_ICONSTOP);
        e->Delete();
    }
    return FALSE;
}

void CWnd::DoDataExchange(CDataExchange* pDX)
{}

// ---- relations ----

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
}

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent();
}

void CWnd::SetOwner(CWnd* pOwnerWnd)
{
    m_hWndOwner = pOwnerWnd->GetSafeHwnd();
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((hWndT = ParentOrOwnerOf(hWndParent)) != nullptr)
        hWndParent = hWndT;
    return FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWndOwner = m_hWnd;
    HWND hWndT;
    while ((hWndT = ::GetWindow(hWndOwner, GW_OWNER)) != nullptr)
        hWndOwner = hWndT;
    return FromHandle(hWndOwner);
}

CWnd* CWnd::GetParentOwner() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((::GetWindowLong(hWndParent, GWL_STYLE) & WS_CHILD) &&
           (hWndT = ::GetParent(hWndParent)) != nullptr)
        hWndParent = hWndT;
    return FromHandle(hWndParent);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    for (CWnd* pParentWnd = GetParent(); pParentWnd != nullptr;
         pParentWnd = pParentWnd->GetParent())
    {
        if (pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pParentWnd);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    CWnd* pFrameWnd = const_cast<CWnd*>(this);
    if (!IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        pFrameWnd = GetParentFrame();
    if (pFrameWnd != nullptr)
    {
        CWnd* pTemp;
        while ((pTemp = pFrameWnd->GetParentFrame()) != nullptr)
            pFrameWnd = pTemp;
    }
    return static_cast<CFrameWnd*>(pFrameWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const
{
    *phWnd = ::GetDlgItem(m_hWnd, nID);
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (::GetDlgCtrlID(hWndChild) == nID)
        {
            CWnd* pWnd = bOnlyPerm ? FromHandlePermanent(hWndChild) : FromHandle(hWndChild);
            if (pWnd != nullptr)
                return pWnd;
        }
        if (::GetTopWindow(hWndChild) != nullptr)
        {
            CWnd wndChild(hWndChild);
            CWnd* pWnd = wndChild.GetDescendantWindow(nID, bOnlyPerm);
            wndChild.m_hWnd = nullptr;
            if (pWnd != nullptr)
                return pWnd;
        }
    }
    return nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID)
{
    return (int)::SetWindowLongPtr(m_hWnd, GWLP_ID, nID);
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}

CWnd* CWnd::GetTopWindow() const
{
    return FromHandle(::GetTopWindow(m_hWnd));
}

CWnd* CWnd::GetNextWindow(UINT nFlag) const
{
    return FromHandle(::GetWindow(m_hWnd, nFlag));
}

CWnd* CWnd::GetLastActivePopup() const
{
    return FromHandle(::GetLastActivePopup(m_hWnd));
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    return ::IsChild(m_hWnd, pWnd->GetSafeHwnd());
}

CWnd* CWnd::ChildWindowFromPoint(POINT point) const
{
    return FromHandle(::ChildWindowFromPoint(m_hWnd, point));
}

CWnd* CWnd::ChildWindowFromPoint(POINT point, UINT nFlags) const
{
    return FromHandle(::ChildWindowFromPointEx(m_hWnd, point, nFlags));
}

CWnd* PASCAL CWnd::WindowFromPoint(POINT point)
{
    return FromHandle(::WindowFromPoint(point));
}

CWnd* PASCAL CWnd::FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName)
{
    return FromHandle(::FindWindow(lpszClassName, lpszWindowName));
}

CWnd* PASCAL CWnd::GetDesktopWindow()
{
    return FromHandle(::GetDesktopWindow());
}

CWnd* PASCAL CWnd::GetActiveWindow()
{
    return FromHandle(::GetActiveWindow());
}

CWnd* PASCAL CWnd::GetForegroundWindow()
{
    return FromHandle(::GetForegroundWindow());
}

CWnd* PASCAL CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

CWnd* PASCAL CWnd::GetCapture()
{
    return FromHandle(::GetCapture());
}

CWnd* CWnd::SetActiveWindow()
{
    return FromHandle(::SetActiveWindow(m_hWnd));
}

BOOL CWnd::SetForegroundWindow()
{
    return ::SetForegroundWindow(m_hWnd);
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

BOOL CWnd::IsTopParentActive() const
{
    CWnd* pTop = GetTopLevelParent();
    if (pTop == nullptr)
        return FALSE;
    HWND hActive = ::GetForegroundWindow();
    return hActive != nullptr &&
           (hActive == pTop->m_hWnd || ::GetLastActivePopup(pTop->m_hWnd) == hActive);
}

// ---- styles and state ----

DWORD CWnd::GetStyle() const
{
    return (DWORD)::GetWindowLong(m_hWnd, GWL_STYLE);
}

DWORD CWnd::GetExStyle() const
{
    return (DWORD)::GetWindowLong(m_hWnd, GWL_EXSTYLE);
}

static BOOL ModifyStyleImpl(HWND hWnd, int nStyleOffset, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLong(hWnd, nStyleOffset);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLong(hWnd, nStyleOffset, (LONG)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleImpl(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleImpl(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleImpl(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleImpl(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}
BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}
BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}
BOOL CWnd::IsZoomed() const
{
    return ::IsZoomed(m_hWnd);
}
BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

// ---- geometry ----

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                 lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter == nullptr ? nullptr : pWndInsertAfter->m_hWnd, x,
                          y, cx, cy, nFlags);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}
void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}
void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}
void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), (LPPOINT)lpRect, 2);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    RECT rcDlg;
    ::GetWindowRect(m_hWnd, &rcDlg);
    HWND hWndCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd
                      : (GetStyle() & WS_CHILD)  ? ::GetParent(m_hWnd)
                                                 : ::GetWindow(m_hWnd, GW_OWNER);
    RECT rcArea;
    RECT rcCenter;
    if (!(GetStyle() & WS_CHILD))
    {
        HMONITOR hMon =
            ::MonitorFromWindow(hWndCenter ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST);
        MONITORINFO mi = {};
        mi.cbSize = sizeof(mi);
        ::GetMonitorInfo(hMon, &mi);
        rcArea = mi.rcWork;
        if (hWndCenter == nullptr || !::IsWindowVisible(hWndCenter) || ::IsIconic(hWndCenter))
            rcCenter = rcArea;
        else
            ::GetWindowRect(hWndCenter, &rcCenter);
    }
    else
    {
        ::GetClientRect(hWndCenter, &rcArea);
        rcCenter = rcArea;
    }
    int cx = rcDlg.right - rcDlg.left;
    int cy = rcDlg.bottom - rcDlg.top;
    int x = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
    if (x + cx > rcArea.right)
        x = rcArea.right - cx;
    if (x < rcArea.left)
        x = rcArea.left;
    if (y + cy > rcArea.bottom)
        y = rcArea.bottom - cy;
    if (y < rcArea.top)
        y = rcArea.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
    lpwndpl->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, lpwndpl);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
{
    WINDOWPLACEMENT wp = *lpwndpl;
    wp.length = sizeof(WINDOWPLACEMENT);
    return ::SetWindowPlacement(m_hWnd, &wp);
}

void CWnd::BringWindowToTop()
{
    ::BringWindowToTop(m_hWnd);
}
int CWnd::SetWindowRgn(HRGN hRgn, BOOL bRedraw)
{
    return ::SetWindowRgn(m_hWnd, hRgn, bRedraw);
}

// ---- painting ----

void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}
void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase)
{
    ::InvalidateRgn(m_hWnd, pRgn == nullptr ? nullptr : (HRGN)pRgn->GetSafeHandle(), bErase);
}
void CWnd::ValidateRect(LPCRECT lpRect)
{
    ::ValidateRect(m_hWnd, lpRect);
}
void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate,
                          prgnUpdate == nullptr ? nullptr : (HRGN)prgnUpdate->GetSafeHandle(),
                          flags);
}

void CWnd::SetRedraw(BOOL bRedraw)
{
    ::SendMessage(m_hWnd, WM_SETREDRAW, bRedraw, 0);
}
BOOL CWnd::LockWindowUpdate()
{
    return ::LockWindowUpdate(m_hWnd);
}
void CWnd::UnlockWindowUpdate()
{
    ::LockWindowUpdate(nullptr);
}
CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}
CDC* CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

CDC* CWnd::GetDCEx(CRgn* prgnClip, DWORD flags)
{
    return CDC::FromHandle(
        ::GetDCEx(m_hWnd, prgnClip == nullptr ? nullptr : (HRGN)prgnClip->GetSafeHandle(), flags));
}

int CWnd::ReleaseDC(CDC* pDC)
{
    if (pDC == nullptr)
        return 0;
    return ::ReleaseDC(m_hWnd, pDC->m_hDC);
}

CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
    return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint));
}
void CWnd::EndPaint(LPPAINTSTRUCT lpPaint)
{
    ::EndPaint(m_hWnd, lpPaint);
}

int CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    return ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}

BOOL CWnd::FlashWindow(BOOL bInvert)
{
    return ::FlashWindow(m_hWnd, bInvert);
}

// ---- text and font ----

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    ::SetWindowText(m_hWnd, lpszString);
}
int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const
{
    return ::GetWindowTextLength(m_hWnd);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    ::SendMessage(m_hWnd, WM_SETFONT, (WPARAM)(pFont == nullptr ? nullptr : pFont->GetSafeHandle()),
                  bRedraw);
}

CFont* CWnd::GetFont() const
{
    HFONT hFont = (HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0);
    return hFont == nullptr ? nullptr : CFont::FromHandle(hFont);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return (HICON)::SendMessage(m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                                (LPARAM)hIcon);
}

HICON CWnd::GetIcon(BOOL bBigIcon) const
{
    return (HICON)::SendMessage(m_hWnd, WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0);
}

// ---- dialog items ----

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessage(m_hWnd, nID, message, wParam, lParam);
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    ::SetDlgItemText(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
{
    return (int)::GetDlgItemText(m_hWnd, nID, lpStr, nMaxCount);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd != nullptr)
    {
        int nLen = ::GetWindowTextLength(hWnd);
        ::GetWindowText(hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
        rString.ReleaseBuffer();
    }
    return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}
UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton)
{
    for (int nID = nIDFirstButton; nID <= nIDLastButton; nID++)
        if (::IsDlgButtonChecked(m_hWnd, nID))
            return nID;
    return 0;
}

// ---- menus ----

CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}
BOOL CWnd::SetMenu(CMenu* pMenu)
{
    return ::SetMenu(m_hWnd, pMenu == nullptr ? nullptr : pMenu->m_hMenu);
}
void CWnd::DrawMenuBar()
{
    ::DrawMenuBar(m_hWnd);
}
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

// ---- timers, scrolling, misc ----

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                        void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD))
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}
int CWnd::GetScrollPos(int nBar) const
{
    return ::GetScrollPos(m_hWnd, nBar);
}
int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    ::ShowScrollBar(m_hWnd, (int)nBar, bShow);
}
BOOL CWnd::OpenClipboard()
{
    return ::OpenClipboard(m_hWnd);
}
void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    if (lpszCaption == nullptr)
        lpszCaption = AfxGetAppName();
    return CTestSeams::MessageBox(m_hWnd, lpszText, lpszCaption, nType);
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->WinHelp(dwData, nCmd);
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // A visible, enabled child under the point is a tool of its own.
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (hWndChild == nullptr || hWndChild == m_hWnd)
        return -1;
    INT_PTR nHit = ::GetDlgCtrlID(hWndChild);
    if (pTI != nullptr)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)hWndChild;
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return nHit;
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags,
                          LPRECT lpRectParam, LPCRECT lpRectClient, BOOL bStretch)
{
    // Each bar takes its share of the client rectangle through WM_SIZEPARENT; the leftover pane gets the rest.
    struct AFX_SIZEPARENTPARAMS_LOCAL
    {
        HDWP hDWP;
        RECT rect;
        SIZE sizeTotal;
        BOOL bStretch;
    } layout = {};
    HWND hWndLeftOver = nullptr;

    layout.bStretch = bStretch;
    layout.sizeTotal.cx = layout.sizeTotal.cy = 0;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);

    if ((nFlags & ~reposNoPosLeftOver) != reposQuery)
        layout.hDWP = ::BeginDeferWindowPos(8);
    else
        layout.hDWP = nullptr;

    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        UINT nIDC = (UINT)(WORD)::GetDlgCtrlID(hWndChild);
        CWnd* pWnd = FromHandlePermanent(hWndChild);
        if (nIDC == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nIDC >= nIDFirst && nIDC <= nIDLast && pWnd != nullptr)
            ::SendMessage(hWndChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }

    if ((nFlags & ~reposNoPosLeftOver) == reposQuery)
    {
        if (bStretch)
            ::CopyRect(lpRectParam, &layout.rect);
        else
        {
            lpRectParam->left = lpRectParam->top = 0;
            lpRectParam->right = layout.sizeTotal.cx;
            lpRectParam->bottom = layout.sizeTotal.cy;
        }
        return;
    }

    if (nIDLeftOver != 0 && hWndLeftOver != nullptr && !(nFlags & reposNoPosLeftOver))
    {
        if ((nFlags & ~reposNoPosLeftOver) == reposExtra && lpRectParam != nullptr)
        {
            layout.rect.left += lpRectParam->left;
            layout.rect.top += lpRectParam->top;
            layout.rect.right -= lpRectParam->right;
            layout.rect.bottom -= lpRectParam->bottom;
        }
        CWnd* pLeftOver = FromHandle(hWndLeftOver);
        pLeftOver->CalcWindowRect(&layout.rect);
        if (layout.hDWP != nullptr)
            layout.hDWP = ::DeferWindowPos(layout.hDWP, hWndLeftOver, nullptr, layout.rect.left,
                                           layout.rect.top, layout.rect.right - layout.rect.left,
                                           layout.rect.bottom - layout.rect.top,
                                           SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
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

// ---- window classes ----

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASS wndcls;
    if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE; // already there
    return ::RegisterClass(lpWndClass) != 0;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                   HICON hIcon)
{
    // The names must outlive the registration: keep every one built.
    static std::map<std::string, CString>* pNames = new std::map<std::string, CString>();
    HINSTANCE hInst = AfxGetInstanceHandle();
    CString strName;
    if (hCursor == nullptr && hbrBackground == nullptr && hIcon == nullptr)
        strName.Format("Afx:%p:%x", (void*)hInst, nClassStyle);
    else
        strName.Format("Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor,
                       (void*)hbrBackground, (void*)hIcon);
    auto it = pNames->find((LPCTSTR)strName);
    if (it != pNames->end())
        return it->second;

    WNDCLASS wndcls = {};
    if (!::GetClassInfo(hInst, strName, &wndcls))
    {
        wndcls.style = nClassStyle;
        wndcls.lpfnWndProc = ::DefWindowProc;
        wndcls.hInstance = hInst;
        wndcls.hIcon = hIcon;
        wndcls.hCursor = hCursor;
        wndcls.hbrBackground = hbrBackground;
        wndcls.lpszClassName = strName;
        if (!::RegisterClass(&wndcls))
            return nullptr;
    }
    CString& strKept = (*pNames)[(LPCTSTR)strName];
    strKept = strName;
    return strKept;
}

BOOL AFXAPI AfxInitCommonControls(DWORD dwClasses)
{
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = dwClasses;
    return ::InitCommonControlsEx(&icc);
}
