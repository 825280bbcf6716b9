#include "ui/bars/frames/CTavoPOleDocIPFrameWnd.h"

IMPLEMENT_DYNCREATE(CTavoPOleDocIPFrameWnd, COleDocIPFrameWnd)

CTavoPOleDocIPFrameWnd::CTavoPOleDocIPFrameWnd() = default;

CTavoPOleDocIPFrameWnd::~CTavoPOleDocIPFrameWnd() = default;

BOOL CTavoPOleDocIPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                       CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return COleDocIPFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CTavoPOleDocIPFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                                    const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName,
                                    DWORD dwExStyle, CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return COleDocIPFrameWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd,
                                     lpszMenuName, dwExStyle, pContext);
}

void CTavoPOleDocIPFrameWnd::AdjustDockingLayout(HDWP hdwp)
{
    if (!m_dockManager.IsInAdjustLayout())
        m_dockManager.AdjustDockingLayout(hdwp);
}

void CTavoPOleDocIPFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_hWnd == NULL)
        return;
    m_dockManager.RecalcAllBars();
    COleDocIPFrameWnd::RecalcLayout(bNotify);
}
