// The library's multi-document frame: the single-document frame's bars, menus, help and layout over the framework's MDI, its MDI client taken over by the client area, the Window menu listing the documents in library popups, and the menu bar following the active document's menu and maximized state.
#pragma once
#include "ui/bars/frames/CTavoPMainClientAreaWnd.h"
#include "ui/bars/frames/TavoPMainFrame.h"

class COleClientItem;

class CTavoPMDIFrameWnd : public TavoPMainFrame<CMDIFrameWnd>
{
    DECLARE_DYNCREATE(CTavoPMDIFrameWnd)
public:
    CTavoPMDIFrameWnd();
    virtual ~CTavoPMDIFrameWnd();

    // ---- hooks, in their fixed order ----
    // The menu MDI would put on the frame goes to the menu bar; FALSE when there is none or an
    // item is active in place.
    virtual BOOL OnSetMenu(HMENU hmenu);
    // TRUE when the frame painted the MDI client's background.
    virtual BOOL OnEraseMDIClientBackground(CDC* pDC) { return FALSE; }
    // Places the MDI client and the tab strip into what the docked bars leave.
    virtual void AdjustClientArea() override;
    virtual COleClientItem* GetInPlaceActiveItem();

    // Records the popup; a Window menu gets the open documents after a separator.
    virtual BOOL OnShowPopupMenu(CTavoPPopupMenu* pMenuPopup) override;
    // Shows or hides the window buttons of the active document on the menu bar as it is
    // maximized or not.
    void UpdateMenuBarMaximizeMode();
    CTavoPMainClientAreaWnd& GetMDIClientArea() { return m_wndClientArea; }
    HMENU GetWindowMenu() const { return m_hmenuWindow; }

    // ---- framework operations ----
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    // Remembers the Window popup found, for the document list of the library's Window menu.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar) override;
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt) override;

protected:
    virtual BOOL IsBarShown(CTavoPBaseControlBar* pBar) override;

    CTavoPMainClientAreaWnd m_wndClientArea;
    // The popup the framework reports as the Window menu.
    HMENU m_hmenuWindow;
    // Whether the client area takes over the MDI client when it is made.
    BOOL m_bTakeOverMDIClient;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnClose();
    void OnDestroy();
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnExitSizeMove();
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // A new window onto the active document; a maximized document stays maximized.
    void OnWindowNew();
    // The document items of the Window menu stay enabled; choosing one activates it.
    void OnUpdateDocumentItem(CCmdUI* pCmdUI, UINT nID);

protected:
    DECLARE_MESSAGE_MAP()
};
