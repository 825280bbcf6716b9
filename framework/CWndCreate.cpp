// Window objects and their handles: construction, the handle maps, the creation hook,
// creation and subclassing, and window class registration.
#include "framework/CWnd.h"
#include "framework/HandleMap.h"
#include "framework/CWinApp.h"
#include <map>
#include <string>
namespace {

// Everything here belongs to the one user-interface thread.
HandleMap<HWND, CWnd>& Maps()
{
    static HandleMap<HWND, CWnd> maps;
    return maps;
}

CWnd* g_pWndInit; // the object waiting for the window being created
HHOOK g_hHookCbt;

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
