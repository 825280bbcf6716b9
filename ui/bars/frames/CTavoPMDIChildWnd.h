// A document frame of the library's multi-document frame: its dock manager, and the frame's menu bar told when it is maximized, restored or closed.
#pragma once
#include "ui/bars/frames/TavoPDockingFrame.h"

class CTavoPMainClientAreaWnd;

class CTavoPMDIChildWnd : public TavoPDockingFrame<CMDIChildWnd>
{
    DECLARE_DYNCREATE(CTavoPMDIChildWnd)
public:
    CTavoPMDIChildWnd();
    virtual ~CTavoPMDIChildWnd();

    // What the frame's MDI tabs show for this window: its text and its small icon.
    virtual CString GetFrameText() const;
    virtual HICON GetFrameIcon() const;
    // Set by the client area while the window's tab goes with the window.
    BOOL IsBeingDestroyed() const { return m_bToBeDestroyed; }
    void SetBeingDestroyed() { m_bToBeDestroyed = TRUE; }
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    LRESULT OnMDIActivate(WPARAM wParam, LPARAM lParam);
    // WM_SETTEXT and WM_SETICON: the tabs follow the window's text and icon.
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

protected:
    // The client area of the library frame this window lives in, or null.
    CTavoPMainClientAreaWnd* GetClientArea() const;

    BOOL m_bToBeDestroyed;

protected:
    DECLARE_MESSAGE_MAP()
};
