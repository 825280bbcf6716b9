// The library's single-document frame: embeds the dock manager that lays its bars out around the view and forwards the docking calls to it.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/bars/docking/CTavoPDockManager.h"

class CTavoPBaseControlBar;
class CTavoPMiniFrameWnd;

class CTavoPFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CTavoPFrameWnd)
public:
    CTavoPFrameWnd();
    virtual ~CTavoPFrameWnd();

    virtual void AdjustDockingLayout(HDWP hdwp = NULL);
    virtual BOOL OnMoveMiniFrame(CTavoPMiniFrameWnd* pFrame);
    // Places the view in what the bars left of the client area.
    virtual void AdjustClientArea();
    virtual BOOL ShowControlBars(BOOL bShow);

    BOOL EnableDocking(DWORD dwDockStyle) { return m_dockManager.EnableDocking(dwDockStyle); }
    void DockControlBar(CTavoPBaseControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL)
    {
        m_dockManager.DockControlBar(pBar, nDockBarID, lpRect);
    }
    BOOL AddControlBar(CTavoPBaseControlBar* pBar, BOOL bTail = TRUE)
    {
        return m_dockManager.AddControlBar(pBar, bTail);
    }
    BOOL InsertControlBar(CTavoPBaseControlBar* pBar, CTavoPBaseControlBar* pTarget,
                          BOOL bAfter = TRUE)
    {
        return m_dockManager.InsertControlBar(pBar, pTarget, bAfter);
    }
    void RemoveControlBarFromDockManager(CTavoPBaseControlBar* pBar, BOOL bDestroy,
                                         BOOL bAdjustLayout, BOOL bAutoHide)
    {
        m_dockManager.RemoveControlBar(pBar, bDestroy, bAdjustLayout, bAutoHide);
    }
    CTavoPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity, BOOL bExactBar,
                                              CRuntimeClass* pRTCBarType)
    {
        return m_dockManager.ControlBarFromPoint(point, nSensitivity, bExactBar, pRTCBarType);
    }
    BOOL IsPointNearDockSite(CPoint point, DWORD& dwBarAlignment, BOOL& bOuterEdge) const
    {
        return m_dockManager.IsPointNearDockSite(point, dwBarAlignment, bOuterEdge);
    }
    CTavoPBaseControlBar* GetControlBar(UINT nID) { return m_dockManager.FindBarByID(nID, TRUE); }
    void ShowControlBar(CTavoPBaseControlBar* pBar, BOOL bShow, BOOL bDelay, BOOL bActivate);
    CTavoPDockManager* GetDockManager() { return &m_dockManager; }

    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
                        CCreateContext* pContext = NULL) override;
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder) override;
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;

protected:
    CTavoPDockManager m_dockManager;
    BOOL m_bWasMaximized;
    BOOL m_bIsMinimized;

public:
    void OnSize(UINT nType, int cx, int cy);
    void OnSizing(UINT nSide, LPRECT lpRect);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    void OnDestroy();

protected:
    DECLARE_MESSAGE_MAP()
};
