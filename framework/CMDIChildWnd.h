// A document frame inside a multi-document frame's MDI client: created through the client, with the template's shared menu and accelerators.
#pragma once
#include "framework/CFrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();
    virtual ~CMDIChildWnd();

    // Creates the window in the MDI client of pParentWnd (the application's main window when
    // null).
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = NULL,
                        CCreateContext* pContext = NULL);
    // The frame's creation, made through the MDI client of pParentWnd as well.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName,
                        DWORD dwExStyle = 0, CCreateContext* pContext = NULL) override;
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW |
                                                  FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    virtual BOOL DestroyWindow() override;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void ActivateFrame(int nCmdShow = -1) override;
    virtual HACCEL GetDefaultAccelerator() override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();
    // The menu and accelerators the frame shows while this window is active; not owned.
    void SetHandles(HMENU hMenu, HACCEL hAccel);
    // Tells the MDI frame which menu to show for this window's activation.
    virtual void OnUpdateFrameMenu(BOOL bActive, CWnd* pActiveWnd, HMENU hMenuAlt);
    using CFrameWnd::OnUpdateFrameMenu;
    // The window shows its document's title, with ":n" when the document has several windows.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    HMENU m_hMenuShared;
    HACCEL m_hAccelShared;
};
