// The library's multi-document frame: its dock manager and frame implementation, the menu bar following the active document's menu and its maximized state, and open menus getting the keys first.
#pragma once
#include "ui/bars/frames/CTavoPFrameImpl.h"
#include "ui/bars/frames/CTavoPMainClientAreaWnd.h"
#include "ui/bars/frames/TavoPDockingFrame.h"

class CTavoPPopupMenu;

class CTavoPMDIFrameWnd : public TavoPDockingFrame<CMDIFrameWnd>
{
    DECLARE_DYNCREATE(CTavoPMDIFrameWnd)
public:
    CTavoPMDIFrameWnd();
    virtual ~CTavoPMDIFrameWnd();

    CTavoPFrameImpl* GetFrameImpl() { return &m_Impl; }
    BOOL EnableDocking(DWORD dwDockStyle) { return m_dockManager.EnableDocking(dwDockStyle); }
    void DockControlBar(CTavoPBaseControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL)
    {
        m_dockManager.DockControlBar(pBar, nDockBarID, lpRect);
    }
    // Called by a popup menu as it opens: records it; FALSE would refuse it.
    BOOL OnShowPopupMenu(CTavoPPopupMenu* pMenuPopup);
    virtual void OnClosePopupMenu(CTavoPPopupMenu* pMenuPopup);
    // Shows or hides the window buttons of the active document on the menu bar as it is
    // maximized or not.
    void UpdateMenuBarMaximizeMode();

    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = CFrameWnd::rectDefault, CWnd* pParentWnd = NULL,
                        LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
                        CCreateContext* pContext = NULL) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt) override;

    // The MDI client is taken over by the client area, which can show MDI tabs.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    // Remembers the Window popup found, for the document list of the library's Window menu.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar) override;
    // The menu MDI would put on the frame goes to the menu bar; FALSE when there is none.
    virtual BOOL OnSetMenu(HMENU hmenu);
    // TRUE when the frame painted the MDI client's background.
    virtual BOOL OnEraseMDIClientBackground(CDC* /*pDC*/) { return FALSE; }
    // Places the MDI client and the tab strip into what the docked bars leave.
    virtual void AdjustClientArea();
    CTavoPMainClientAreaWnd& GetMDIClientArea() { return m_wndClientArea; }
    HMENU GetWindowMenu() const { return m_hmenuWindow; }

protected:
    CTavoPMainClientAreaWnd m_wndClientArea;
    HMENU m_hmenuWindow;
    CTavoPFrameImpl m_Impl;

public:
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnClose();
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);

protected:
    DECLARE_MESSAGE_MAP()
};
