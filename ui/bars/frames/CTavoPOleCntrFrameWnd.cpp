#include "ui/bars/frames/CTavoPOleCntrFrameWnd.h"

IMPLEMENT_DYNCREATE(CTavoPOleCntrFrameWnd, COleCntrFrameWnd)

CTavoPOleCntrFrameWnd::CTavoPOleCntrFrameWnd() = default;

CTavoPOleCntrFrameWnd::~CTavoPOleCntrFrameWnd() = default;

BOOL CTavoPOleCntrFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                      CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return COleCntrFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CTavoPOleCntrFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                                   const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName,
                                   DWORD dwExStyle, CCreateContext* pContext)
{
    m_dockManager.SetDockSite(this);
    return COleCntrFrameWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd,
                                    lpszMenuName, dwExStyle, pContext);
}

void CTavoPOleCntrFrameWnd::AdjustDockingLayout(HDWP hdwp)
{
    if (!m_dockManager.IsInAdjustLayout())
        m_dockManager.AdjustDockingLayout(hdwp);
}

void CTavoPOleCntrFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_hWnd == NULL)
        return;
    m_dockManager.RecalcAllBars();
    COleCntrFrameWnd::RecalcLayout(bNotify);
}
