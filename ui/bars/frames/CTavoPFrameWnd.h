// The library's single-document frame: embeds the frame implementation and the dock manager, gives open menus the keys and clicks first, and offers the hooks menus and toolbars ask of their frame.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/frames/CTavoPFrameHooks.h"
#include "ui/bars/frames/CTavoPFrameImpl.h"

class CTavoPBaseControlBar;
class CTavoPControlBar;
class CTavoPMiniFrameWnd;
class CTavoPPopupMenu;
class CTavoPToolbarButton;
class CTavoPToolbarMenuButton;

class CTavoPFrameWnd : public CFrameWnd, public CTavoPFrameHooks
{
    DECLARE_DYNCREATE(CTavoPFrameWnd)
public:
    CTavoPFrameWnd();
    virtual ~CTavoPFrameWnd();

    // ---- hooks, in their fixed order ----
    virtual void AdjustDockingLayout(HDWP hdwp = NULL);
    virtual BOOL OnMoveMiniFrame(CTavoPMiniFrameWnd* pFrame);
    // Places the view in what the bars left of the client area.
    virtual void AdjustClientArea();
    // The OLE item active in place in the active view; the framework keeps no OLE documents.
    virtual CObject* GetInPlaceActiveItem() { return NULL; }
    // FALSE refuses the popup; the application may change its items first.
    virtual BOOL OnBeforeShowPopupMenu(CTavoPPopupMenu* pMenuPopup) override { return TRUE; }
    virtual void OnClosePopupMenu(CTavoPPopupMenu* pMenuPopup) override;
    virtual BOOL OnDrawMenuImage(CDC* pDC, const CTavoPToolbarMenuButton* pMenuButton,
                                 const CRect& rectImage) override
    {
        return FALSE;
    }
    virtual BOOL OnMenuButtonToolHitTest(CTavoPToolbarButton* pButton, TOOLINFO* pTI) override
    {
        return FALSE;
    }
    virtual BOOL GetToolbarButtonToolTipText(CTavoPToolbarButton* pButton,
                                             CString& strTTText) override
    {
        return FALSE;
    }
    virtual void OnDrawMenuLogo(CDC* pDC, CTavoPPopupMenu* pMenu, const CRect& rectLogo) override {}
    virtual BOOL OnTearOffMenu(CTavoPPopupMenu* pMenuPopup, CTavoPControlBar* pBar) override
    {
        return TRUE;
    }
    virtual BOOL ShowControlBars(BOOL bShow);

    // ---- docking, forwarded to the dock manager ----
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
    virtual CTavoPDockManager* GetDockManager() override { return &m_dockManager; }
    virtual CTavoPFrameImpl* GetFrameImpl() override { return &m_Impl; }

    // Called by a popup menu as it opens: records it, then the frame may refuse it.
    virtual BOOL OnShowPopupMenu(CTavoPPopupMenu* pMenuPopup) override;

    // ---- framework operations ----
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
                        CCreateContext* pContext = NULL) override;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder) override;
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    virtual void DelayUpdateFrameMenu(HMENU hMenuAlt) override;

protected:
    CTavoPFrameImpl m_Impl;
    CTavoPDockManager m_dockManager;
    BOOL m_bInContextHelp;
    BOOL m_bWasMaximized;
    BOOL m_bIsMinimized;

public:
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnClose();
    void OnDestroy();
    void OnSizing(UINT nSide, LPRECT lpRect);
    void OnSize(UINT nType, int cx, int cy);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    BOOL OnBarCheck(UINT nID);
    void OnContextHelp();

protected:
    DECLARE_MESSAGE_MAP()
};
