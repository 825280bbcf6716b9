// A top-level frame: menu, accelerators, title and icon from one resource id, its view, bars, command routing and the message line.
#pragma once
#include "framework/CWnd.h"
#include "framework/AfxConstants.h"
#include "framework/CPrintPreviewState.h"

class CView;
class CDocument;
struct CCreateContext;

#ifndef FWS_ADDTOTITLE
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L
#endif
#ifndef AFX_WS_DEFAULT_VIEW
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)
#endif

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;

    CFrameWnd();
    virtual ~CFrameWnd();

    BOOL m_bAutoMenuEnable; // menu items without a command handler are disabled
    HACCEL m_hAccelTable;
    HMENU m_hMenuDefault;
    UINT m_nIDHelp;
    UINT m_nIDTracking;    // the command whose prompt the message line should show
    UINT m_nIDLastMessage; // the command whose prompt the message line shows
    int m_nIdleFlags;
    CString m_strTitle;
    BOOL m_bInRecalcLayout;
    CRect m_rectBorder;
    BOOL m_bHelpMode;
    // Which of its document's windows this is (1, 2, ...), 0 while it is the only one.
    int m_nWindow;

    enum IdleFlags
    {
        idleMenu = 1,
        idleTitle = 2,
        idleNotify = 4,
        idleLayout = 8
    };

    // Creates the frame with the menu, accelerators, icon and title of nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    virtual HACCEL GetDefaultAccelerator();
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra,
                          AFX_CMDHANDLERINFO* pHandlerInfo) override;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    virtual void PostNcDestroy() override;
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);

    // ---- views and documents ----
    CView* GetActiveView() const;
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame();

    // ---- layout and bars ----
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder);
    enum BorderCmd
    {
        borderGet = 1,
        borderRequest = 2,
        borderSet = 3
    };
    void ShowControlBar(CWnd* pBar, BOOL bShow, BOOL bDelay);
    CWnd* GetControlBar(UINT nID);
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);

    // ---- menus and titles ----
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual void DelayUpdateFrameMenu(HMENU hMenuAlt);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }

    // ---- the message line ----
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    virtual CWnd* GetMessageBar();
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);

    // ---- help ----
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    void OnContextHelp();
    BOOL CanEnterHelpMode();
    void ExitHelpMode();

    // Sends WM_IDLEUPDATECMDUI to every frame but pSkip, and to their descendants.
    static void PASCAL UpdateAllFramesOnIdle(CWnd* pSkip);

    // ---- handlers ----
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    void OnEnterIdle(UINT nWhy, CWnd* pWho);
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    BOOL OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    // The lock-key indicators are enabled while their key is toggled on.
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

protected:
    // What loading a frame from a resource ID starts with: the help ID, the title from the
    // string and a window class with the icon; the class name is returned.
    LPCTSTR PrepareLoad(UINT nIDResource);

    CView* m_pViewActive;
    HMENU m_hMenuAlt;

    DECLARE_MESSAGE_MAP()
};
