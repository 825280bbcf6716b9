#include "ui/bars/frames/CTavoPMDIFrameWnd.h"

IMPLEMENT_DYNCREATE(CTavoPMDIFrameWnd, CMDIFrameWnd)

CTavoPMDIFrameWnd::CTavoPMDIFrameWnd() = default;

CTavoPMDIFrameWnd::~CTavoPMDIFrameWnd() = default;

BOOL CTavoPMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                  CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CTavoPMDIFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                               const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName,
                               DWORD dwExStyle, CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return CMDIFrameWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd,
                                lpszMenuName, dwExStyle, pContext);
}

void CTavoPMDIFrameWnd::AdjustDockingLayout(HDWP hdwp)
{
    if (!m_dockManager.IsInAdjustLayout())
        m_dockManager.AdjustDockingLayout(hdwp);
}

void CTavoPMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_hWnd == NULL)
        return;
    m_dockManager.RecalcAllBars();
    CMDIFrameWnd::RecalcLayout(bNotify);
}
