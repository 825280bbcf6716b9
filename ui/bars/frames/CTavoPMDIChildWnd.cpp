#include "ui/bars/frames/CTavoPMDIChildWnd.h"

IMPLEMENT_DYNCREATE(CTavoPMDIChildWnd, CMDIChildWnd)

CTavoPMDIChildWnd::CTavoPMDIChildWnd() = default;

CTavoPMDIChildWnd::~CTavoPMDIChildWnd() = default;

BOOL CTavoPMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                  CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return CMDIChildWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CTavoPMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                               const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName,
                               DWORD dwExStyle, CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return CMDIChildWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd,
                                lpszMenuName, dwExStyle, pContext);
}

void CTavoPMDIChildWnd::AdjustDockingLayout(HDWP hdwp)
{
    if (!m_dockManager.IsInAdjustLayout())
        m_dockManager.AdjustDockingLayout(hdwp);
}

void CTavoPMDIChildWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_hWnd == NULL)
        return;
    m_dockManager.RecalcAllBars();
    CMDIChildWnd::RecalcLayout(bNotify);
}
