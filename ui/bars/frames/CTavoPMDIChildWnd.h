// A document frame of the library's multi-document frame: bars dock inside it through its own dock manager, its floating bars show and hide with its activation, and the frame's menu bar and MDI tabs follow its state, title and icon.
#pragma once
#include "ui/bars/frames/TavoPDockingFrame.h"

class CTavoPMainClientAreaWnd;
class CTavoPMDIFrameWnd;

class CTavoPMDIChildWnd : public TavoPDockingFrame<CMDIChildWnd>
{
    DECLARE_DYNCREATE(CTavoPMDIChildWnd)
public:
    CTavoPMDIChildWnd();
    virtual ~CTavoPMDIChildWnd();

    // ---- hooks, in their fixed order ----
    virtual void AdjustDockingLayout(HDWP hdwp = NULL) override;
    // What the frame's MDI tabs show for this window: its text and its small icon.
    virtual CString GetFrameText() const;
    virtual HICON GetFrameIcon() const;

    // A bar that may float or has the docking behaviour docks to any side of this window;
    // any other is only added to the layout.
    void DockControlBar(CTavoPBaseControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    // Set by the client area while the window's tab goes with the window.
    BOOL IsBeingDestroyed() const { return m_bToBeDestroyed; }
    void SetBeingDestroyed() { m_bToBeDestroyed = TRUE; }
    // The library frame the window lives in; null under any other frame.
    CTavoPMDIFrameWnd* GetTavoMDIFrame() const { return m_pMDIFrame; }

    // ---- framework operations ----
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;
    virtual void ActivateFrame(int nCmdShow = -1) override;
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    LRESULT OnMDIActivate(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    // WM_SETTEXT and WM_SETICON: the tabs follow the window's text and icon.
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

protected:
    // The client area of the library frame this window lives in, or null.
    CTavoPMainClientAreaWnd* GetClientArea() const;
    // The view into what the bars leave, or the print preview's view into all of it.
    void PlaceClientArea();

    CTavoPMDIFrameWnd* m_pMDIFrame;
    BOOL m_bToBeDestroyed;

    DECLARE_MESSAGE_MAP()
};
