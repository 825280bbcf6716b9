#include "framework/CMDIChildWnd.h"
#include "framework/CCreateContext.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CMDIFrameWnd.h"
#include "framework/CMultiDocTemplate.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(nullptr), m_hAccelShared(nullptr)
{}

CMDIChildWnd::~CMDIChildWnd() = default;

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hClient = ::GetParent(m_hWnd);
    return DYNAMIC_DOWNCAST(CMDIFrameWnd, CWnd::FromHandlePermanent(::GetParent(hClient)));
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CHILD;
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == nullptr)
        pParentWnd = DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd());
    if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr)
    {
        PostNcDestroy();
        return FALSE;
    }

    CREATESTRUCT cs = {};
    cs.style = dwStyle | WS_CHILD;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->m_hWnd;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    m_strTitle = lpszWindowName != nullptr ? lpszWindowName : "";

    MDICREATESTRUCT mcs = {};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    // The client adds WS_CHILD itself; a maximized child must not be shown before it exists.
    mcs.style = cs.style & ~(WS_MAXIMIZE | WS_VISIBLE | WS_CHILD);
    mcs.lParam = (LPARAM)pContext;

    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::SendMessage(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd == nullptr)
        return FALSE;

    if (cs.style & WS_MAXIMIZE)
        MDIMaximize();
    if (cs.style & WS_VISIBLE)
    {
        ::ShowWindow(hWnd, SW_SHOW);
        MDIActivate();
    }
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, LPCTSTR, DWORD,
                          CCreateContext* pContext)
{
    return Create(lpszClassName, lpszWindowName, dwStyle, rect,
                  DYNAMIC_DOWNCAST(CMDIFrameWnd, pParentWnd), pContext);
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    LPCTSTR lpszClass = PrepareLoad(nIDResource);
    // The template's shared menu and accelerators, when the frame belongs to one.
    if (pContext != nullptr)
    {
        CMultiDocTemplate* pTemplate =
            DYNAMIC_DOWNCAST(CMultiDocTemplate, pContext->m_pNewDocTemplate);
        if (pTemplate != nullptr)
            SetHandles(pTemplate->m_hMenuShared, pTemplate->m_hAccelTable);
    }
    CString strTitle = m_strTitle;
    return Create(lpszClass, strTitle, dwDefaultStyle, rectDefault,
                  DYNAMIC_DOWNCAST(CMDIFrameWnd, pParentWnd), pContext);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    MDIDestroy();
    return TRUE;
}

void CMDIChildWnd::MDIDestroy()
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    HWND hClient = ::GetParent(m_hWnd);
    ::SendMessage(hClient, WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
    // This object is gone now. Without another document the frame shows its own menu and title
    // again (MDI activates no window it could tell).
    if (pFrame != nullptr && ::IsWindow(pFrame->m_hWnd) && pFrame->MDIGetActive() == nullptr)
    {
        pFrame->OnUpdateFrameMenu((HMENU) nullptr);
        pFrame->OnUpdateFrameTitle(FALSE);
    }
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIMaximize()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIRestore()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIRESTORE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::SetHandles(HMENU hMenu, HACCEL hAccel)
{
    m_hMenuShared = hMenu;
    m_hAccelShared = hAccel;
}

HACCEL CMDIChildWnd::GetDefaultAccelerator()
{
    if (m_hAccelTable != nullptr)
        return m_hAccelTable;
    return m_hAccelShared;
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    // Keys are translated by the MDI frame, which knows the active child.
    return CWnd::PreTranslateMessage(pMsg);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1 && !IsWindowVisible())
        nCmdShow = SW_SHOWNORMAL;
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    MDIActivate();
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActive, CWnd*, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr)
        return;
    HMENU hMenu = hMenuAlt;
    if (hMenu == nullptr)
        hMenu = bActive && m_hMenuShared != nullptr ? m_hMenuShared : pFrame->m_hMenuDefault;
    if (hMenu != nullptr && pFrame->m_hWndMDIClient != nullptr)
    {
        ::SendMessage(pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenu,
                      (LPARAM)pFrame->GetWindowMenuPopup(hMenu));
        ::DrawMenuBar(pFrame->m_hWnd);
    }
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    // The frame's caption follows the active document.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != nullptr)
        pFrame->OnUpdateFrameTitle(bAddToTitle);
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = GetActiveDocument();
    if (!bAddToTitle || pDocument == nullptr)
        return;
    // Second and later windows onto one document are told apart by their number.
    CString strText = pDocument->GetTitle();
    if (m_nWindow > 0)
    {
        TCHAR szNum[16];
        wsprintf(szNum, _T(":%d"), m_nWindow);
        strText += szNum;
    }
    CString strOld;
    GetWindowText(strOld);
    if (strOld == strText)
        return;
    SetWindowText(strText);
    // The MDI client's list in the Window menu keeps the text it was given until refreshed.
    if (pFrame != nullptr && pFrame->m_hWndMDIClient != nullptr)
        ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}

LRESULT CMDIChildWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE && lParam != 0)
    {
        // The MDI client passes its own creation block: the frame's context is inside it.
        CREATESTRUCT cs = *(LPCREATESTRUCT)lParam;
        const MDICREATESTRUCT* pMcs = (const MDICREATESTRUCT*)cs.lpCreateParams;
        cs.lpCreateParams = pMcs != nullptr ? (LPVOID)pMcs->lParam : nullptr;
        return CFrameWnd::WindowProc(message, wParam, (LPARAM)&cs);
    }
    if (message == WM_MDIACTIVATE)
    {
        const LRESULT lResult = CFrameWnd::WindowProc(message, wParam, lParam);
        const BOOL bActive = (HWND)lParam == m_hWnd;
        // Deactivation with no other child left gives the frame its own menu back.
        CMDIFrameWnd* pFrame = GetMDIFrame();
        if (pFrame != nullptr && (bActive || lParam == 0))
        {
            // The last document window going: this one still counts as active, so the frame is
            // given its own menu by name.
            if (bActive)
                pFrame->OnUpdateFrameMenu(m_hMenuShared);
            else
                pFrame->OnUpdateFrameMenu(pFrame->m_hMenuDefault);
            // The frame's caption names the active document, or none after the last.
            pFrame->OnUpdateFrameTitle(bActive);
        }
        return lResult;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProc(m_hWnd, message, wParam, lParam);
}
