// What every library frame kind adds to its framework frame: the embedded dock manager, attached before the window exists, and the layout of the docked bars.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/bars/docking/CTavoPDockManager.h"

template <class TFrame>
class TavoPDockingFrame : public TFrame
{
public:
    // The frame's layout entry point for docking: the dock manager lays the bars out.
    virtual void AdjustDockingLayout(HDWP hdwp = NULL)
    {
        if (!m_dockManager.IsInAdjustLayout())
            m_dockManager.AdjustDockingLayout(hdwp);
    }
    CTavoPDockManager* GetDockManager() { return &m_dockManager; }

    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override
    {
        m_dockManager.SetDockSite(this);
        return TFrame::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
    }
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = CFrameWnd::rectDefault, CWnd* pParentWnd = NULL,
                        LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
                        CCreateContext* pContext = NULL) override
    {
        m_dockManager.SetDockSite(this);
        return TFrame::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd,
                              lpszMenuName, dwExStyle, pContext);
    }
    virtual void RecalcLayout(BOOL bNotify = TRUE) override
    {
        if (this->m_bInRecalcLayout || this->m_hWnd == NULL)
            return;
        m_dockManager.RecalcAllBars();
        TFrame::RecalcLayout(bNotify);
    }

protected:
    CTavoPDockManager m_dockManager;
};
