// The library's single-document frame: embeds the frame implementation and the dock manager, gives open menus the keys and clicks first, and offers the hooks menus and toolbars ask of their frame.
#pragma once
#include "ui/bars/frames/TavoPLibraryFrame.h"

class CTavoPMiniFrameWnd;

class CTavoPFrameWnd : public TavoPLibraryFrame<CFrameWnd>
{
    DECLARE_DYNCREATE(CTavoPFrameWnd)
public:
    CTavoPFrameWnd();
    virtual ~CTavoPFrameWnd();

    // ---- hooks, in their fixed order ----
    virtual void AdjustDockingLayout(HDWP hdwp = NULL) override;
    // Places the view in what the bars left of the client area.
    virtual void AdjustClientArea();
    // The OLE item active in place in the active view; the framework keeps no OLE documents.
    virtual CObject* GetInPlaceActiveItem() { return NULL; }
    virtual BOOL ShowControlBars(BOOL bShow);

    // ---- framework operations ----
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder) override;
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    virtual void DelayUpdateFrameMenu(HMENU hMenuAlt) override;

protected:
    BOOL m_bWasMaximized;
    BOOL m_bIsMinimized;

public:
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnClose();
    void OnDestroy();
    void OnSizing(UINT nSide, LPRECT lpRect);
    void OnSize(UINT nType, int cx, int cy);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
