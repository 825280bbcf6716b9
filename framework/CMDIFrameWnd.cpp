#include "framework/CMDIFrameWnd.h"
#include "framework/CMDIChildWnd.h"
#include "framework/CMenu.h"
#include "framework/CWinApp.h"

#ifndef AFX_IDM_FIRST_MDICHILD
#define AFX_IDM_FIRST_MDICHILD 0xFF00
#endif

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(nullptr)
{}

CMDIFrameWnd::~CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    return CreateClient(lpcs, nullptr);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = pWindowMenu != nullptr ? pWindowMenu->GetSafeHmenu() : nullptr;
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    m_hWndMDIClient = ::CreateWindowEx(
        WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MDIS_ALLCHILDSTYLES, 0, 0, 0, 0,
        m_hWnd, (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, AfxGetInstanceHandle(), &ccs);
    return m_hWndMDIClient != nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hWnd = m_hWndMDIClient != nullptr
                    ? (HWND)::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized)
                    : nullptr;
    CMDIChildWnd* pChild = DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(hWnd));
    if (pbMaximized != nullptr)
        *pbMaximized = pChild != nullptr && bMaximized;
    return pChild;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDINext()
{
    ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != nullptr)
        return pChild;
    return this;
}

HACCEL CMDIFrameWnd::GetDefaultAccelerator()
{
    return m_hAccelTable;
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        // The document's own accelerators first, then the MDI window keys, then the frame's.
        CMDIChildWnd* pChild = MDIGetActive();
        if (pChild != nullptr)
        {
            HACCEL hAccel = pChild->GetDefaultAccelerator();
            if (hAccel != nullptr && hAccel != m_hAccelTable &&
                ::TranslateAccelerator(m_hWnd, hAccel, pMsg))
                return TRUE;
            if (m_hWndMDIClient != nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
                return TRUE;
        }
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != nullptr && pChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != nullptr)
        pChild->OnUpdateFrameMenu(TRUE, pChild, hMenuAlt);
    else
    {
        HMENU hMenu = hMenuAlt != nullptr ? hMenuAlt : m_hMenuDefault;
        if (hMenu != nullptr && m_hWndMDIClient != nullptr)
            ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenu, 0);
        m_hMenuAlt = hMenuAlt;
    }
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProc(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}
