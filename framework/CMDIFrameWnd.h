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

    // Makes the MDI client window, with the pane ID the layout gives the rest of the client area.
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    // The active document frame, or null; with pbMaximized whether it is maximized.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = NULL) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();

    virtual CFrameWnd* GetActiveFrame() override;
    virtual HACCEL GetDefaultAccelerator() override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra,
                          AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // Shows the active document's shared menu, or the frame's own one without a document.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND m_hWndMDIClient;
};
