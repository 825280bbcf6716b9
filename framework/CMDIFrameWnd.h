// The frame of a multi-document program: an MDI client window holding the document frames, with the active document frame taking commands and keys first.
#pragma once
#include "framework/CFrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    virtual ~CMDIFrameWnd();

    // Makes the MDI client window, with the pane ID the layout gives the rest of the client area;
    // the MDI client lists the documents at the end of pWindowMenu (the frame menu's Window
    // popup when null).
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    // The popup of hMenuBar holding a Window command (new window, arrange, cascade, tile), or
    // null: the MDI client lists the open documents at its end from ID 65280 on.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    // The active document frame, or null; with pbMaximized whether it is maximized.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = NULL) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDICascade(int nType = 0);
    void MDITile(int nType = MDITILE_VERTICAL);
    void MDIIconArrange();
    // Hands the MDI client a new frame menu and Window popup; answers the menu shown before.
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);

    virtual CFrameWnd* GetActiveFrame() override;
    virtual HACCEL GetDefaultAccelerator() override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra,
                          AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // Shows the active document's shared menu, or the frame's own one without a document.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    // The frame title names the active document unless that document's window is maximized
    // (MDI then shows the document in the frame's caption itself).
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // A second window onto the active document, made by the document's template.
    void OnWindowNew();
    // Arrange, cascade and the two tilings.
    BOOL OnMDIWindowCmd(UINT nID);
    // The Window commands are enabled while a document window is open.
    void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);

    HWND m_hWndMDIClient;

protected:
    DECLARE_MESSAGE_MAP()
};
