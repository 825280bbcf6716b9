#include "ui/bars/frames/CTavoPOleIPFrameWnd.h"

IMPLEMENT_DYNCREATE(CTavoPOleIPFrameWnd, COleIPFrameWnd)

CTavoPOleIPFrameWnd::CTavoPOleIPFrameWnd() = default;

CTavoPOleIPFrameWnd::~CTavoPOleIPFrameWnd() = default;

BOOL CTavoPOleIPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                    CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return COleIPFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CTavoPOleIPFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                                 const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName,
                                 DWORD dwExStyle, CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return COleIPFrameWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd,
                                  lpszMenuName, dwExStyle, pContext);
}

void CTavoPOleIPFrameWnd::AdjustDockingLayout(HDWP hdwp)
{
    if (!m_dockManager.IsInAdjustLayout())
        m_dockManager.AdjustDockingLayout(hdwp);
}

void CTavoPOleIPFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_hWnd == NULL)
        return;
    m_dockManager.RecalcAllBars();
    COleIPFrameWnd::RecalcLayout(bNotify);
}
