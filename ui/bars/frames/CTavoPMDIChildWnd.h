// A document frame of the library's multi-document frame; so far only its dock manager and the layout of its docked bars.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/bars/docking/CTavoPDockManager.h"

class CTavoPMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CTavoPMDIChildWnd)
public:
    CTavoPMDIChildWnd();
    virtual ~CTavoPMDIChildWnd();

    // The frame's layout entry point for docking: the dock manager lays the bars out.
    virtual void AdjustDockingLayout(HDWP hdwp = NULL);
    CTavoPDockManager* GetDockManager() { return &m_dockManager; }

    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
                        CCreateContext* pContext = NULL) override;
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;

protected:
    CTavoPDockManager m_dockManager;
};
