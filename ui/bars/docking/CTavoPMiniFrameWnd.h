// The floating frame that holds one control bar taken off its dock: its own caption with buttons, moving with the mouse or as an outline, docking again, roll-up, and its place kept across runs.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/bars/docking/CTavoPDragFrame.h"

class CTavoPBaseControlBar;
class CTavoPControlBar;
class CTavoPDockManager;
class CTavoPCaptionButton;

// Caption buttons a floating frame may show.
#define TAVOP_CAPTION_BTN_PIN 0x1
#define TAVOP_CAPTION_BTN_CLOSE 0x2
#define TAVOP_CAPTION_BTN_THIRD 0x4

// Hit-test codes of the caption buttons; the frame answers them itself.
#define TAVOP_HT_THIRD HTMINBUTTON // 8
#define TAVOP_HT_PIN HTMAXBUTTON   // 9
#define TAVOP_HT_CLOSE HTCLOSE     // 20

// Timers of a floating frame.
#define TAVOP_MINIFRAME_MOVE_TIMER 4
#define TAVOP_MINIFRAME_ROLLUP_TIMER 5

class CTavoPMiniFrameWnd : public CWnd
{
    DECLARE_SERIAL(CTavoPMiniFrameWnd)
public:
    CTavoPMiniFrameWnd();
    virtual ~CTavoPMiniFrameWnd();

    // ---- operations in their fixed order ----
    virtual BOOL CanBeAttachedTo(CTavoPBaseControlBar* pDockingBar);
    virtual BOOL IsCursorOverFrame() const;
    virtual BOOL CanRollUp() const;
    virtual int GetCaptionHeight() const { return m_nCaptionHeight; }
    virtual void AddControlBar(CTavoPBaseControlBar* pBar);
    // pBar leaves the frame; an emptied frame is destroyed at once (bDestroy) or checks
    // itself later, so that a bar can move to another frame within one message.
    virtual void RemoveControlBar(CTavoPBaseControlBar* pBar, BOOL bDestroy = FALSE,
                                  BOOL bKeepWhenEmpty = FALSE);
    virtual void ReplaceControlBar(CTavoPBaseControlBar* pBarOrg,
                                   CTavoPBaseControlBar* pBarReplaceWith);
    // Ends a move: docks where the move asked for, or lands at the outline. Answers the bar
    // that docked (or stays put), null when the frame keeps floating.
    virtual CWnd* DockFrame(BOOL& bDocked);
    virtual void UpdateCaptions() {}
    // Asked by the dock manager during an immediate move: FALSE when the frame docked.
    virtual BOOL SetDockTarget(int nStatus, CTavoPBaseControlBar* pTarget, int nDockMethod);
    virtual void MoveBy(int dx, int dy);
    virtual int GetControlBarCount() const { return m_hEmbeddedBar != NULL ? 1 : 0; }
    virtual int GetVisibleBarCount() const;
    virtual CWnd* GetControlBar() const;
    virtual CWnd* GetFirstVisibleBar() const;
    virtual void SizeToContent();
    virtual CString GetCaptionText() const;
    virtual void GetBorderSize(CRect& rect) const;
    virtual int GetDockingRect(CRect& rect) const
    {
        rect.SetRectEmpty();
        return 0;
    }
    virtual CTavoPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity,
                                                      BOOL bCheckVisibility);
    virtual void GetCaptionRect(CRect& rectCaption) const;
    virtual void AdjustBarLayout();
    virtual void RecalcLayout();
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, UINT uiID = (UINT)-1);
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, UINT uiID = (UINT)-1);
    // Takes the stored bar back after a load; a frame that cannot destroys itself.
    virtual void SetDockState(CTavoPDockManager* pDockManager);
    virtual void StoreRecentContainer(CTavoPBaseControlBar* pBar) {}
    virtual void StoreRecentContainerFor(CTavoPBaseControlBar* pBar, CTavoPBaseControlBar* pOther)
    {}
    virtual void OnShowControlBar(CTavoPBaseControlBar* pBar, BOOL bShow) {}
    // The non-client part under point (screen): a border or corner code, HTCLIENT, or the kind
    // of a caption button; the caption itself only with bDetectCaption, else HTCLIENT.
    virtual LRESULT HitTest(CPoint point, BOOL bDetectCaption);
    // Forgets a hosted bar that went away.
    virtual void ValidateBar();
    virtual BOOL Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(DWORD dwStyleEx, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd, CCreateContext* pContext = NULL);
    using CWnd::CreateEx;
    virtual void EnterDragMode(BOOL bEnter);
    // Starts a move with the mouse captured.
    virtual void StartMoving(HWND hwndTearOffSource = NULL);
    virtual void DrawBorder(CDC* pDC);
    virtual void StoreRecentFloatState();
    virtual BOOL CanClose() const { return TRUE; }
    virtual void CloseMiniFrame();
    virtual int GetDockingMode() const;
    virtual CWnd* DockBarAtDragPosition(BOOL& bDocked);
    virtual void CalcMinSize(CSize& sizeBarMin, MINMAXINFO* pMinMaxInfo);
    virtual void CheckRollUp();
    virtual void StartRollUp();
    virtual void StopRollUp();

    // ---- the rest of the interface ----
    // Replaces every caption button by the ones flags asks for.
    void SetCaptionButtons(int nFlags);
    int GetCaptionButtonFlags() const { return m_nCaptionButtons; }
    CTavoPCaptionButton* FindCaptionButton(UINT nKind) const;
    // Places the caption buttons from the right end of the caption.
    void ArrangeCaptionButtons();
    // Follows a modal move after a menu was torn off; TRUE when the user placed the bar.
    BOOL TrackTearOffMove(CWnd* pMenuFrame);
    void StartMoveTimer(UINT nElapse);
    void StopMoveTimer();

    BOOL IsMoving() const { return m_bMoving; }
    BOOL IsRolledUp() const { return m_bRolledUp; }
    BOOL IsPinned() const { return m_bPinned; }
    BOOL IsActiveCaption() const { return m_bActive; }
    int GetDockStatus() const { return m_nDockStatus; }
    UINT GetPressedButton() const { return m_nHit; }
    UINT GetHotButton() const { return m_nHot; }
    // The cursor position a move continues from.
    void SetMoveStart(CPoint pt) { m_ptLast = pt; }
    void SetIgnoreNextMove(BOOL bIgnore) { m_bIgnoreNextMove = bIgnore ? true : false; }
    BOOL GetIgnoreNextMove() const { return m_bIgnoreNextMove; }
    // The window rectangle when the last move started.
    CRect GetRecentFloatingRect() const { return m_rectRecentFloatingRect; }
    void SetRecentFloatingRect(const CRect& rect) { m_rectRecentFloatingRect = rect; }
    CFrameWnd* GetDockSiteFrame() const;
    // The frame the hosted bar floats for; null when none is recorded.
    CWnd* GetDockSite() const;
    void SetDockSite(CFrameWnd* pFrame) { m_hDockSite = pFrame->GetSafeHwnd(); }
    CTavoPDragFrame& GetDragFrame() { return m_dragFrame; }
    // The id of the bar a loaded frame is to take back.
    UINT GetStoredBarID() const { return m_nRestoredBarID; }

    virtual void Serialize(CArchive& ar) override;

    // Floating bars by control id, for the dock manager's search.
    static CTavoPBaseControlBar* FindFloatingBarByID(UINT nID);
    static BOOL AddRemoveBarFromGlobalList(CTavoPBaseControlBar* pBar, BOOL bAdd);
    static UINT GetCheckEmptyMessage();
    // Redraws every floating frame, in the order they were made.
    static void RedrawAll();
    // The frame whose dock manager reads floating frames from an archive: their parent.
    static CFrameWnd* m_pLoadingDockSite;

protected:
    bool m_bIgnoreNextMove;
    BOOL m_bActive;
    int m_nCaptionHeight;
    CObList m_lstCaptionButtons; // owned; the newest at the head
    int m_nCaptionButtons;
    CTavoPBaseControlBar* m_pDockTarget;
    HWND m_hEmbeddedBar;
    bool m_bMoving;
    int m_nDockStatus; // 0 none, 1 into a dock bar, 2 as a tab of m_pDockTarget
    int m_nMinWidth;
    int m_nMinHeight;
    UINT m_nHit; // pressed caption button
    UINT m_nHot; // caption button under the mouse
    CRect m_rectRedraw;
    UINT_PTR m_nMoveTimer;
    UINT_PTR m_nRollUpTimer;
    BOOL m_bRolledUp;
    int m_nHeightBeforeRollUp;
    BOOL m_bPinned;
    CTavoPDragFrame m_dragFrame;
    BOOL m_bKeepWhenEmpty;
    HWND m_hDockSite;
    HWND m_hWndTearOffSource;
    HWND m_hWndToRestoreFocus;
    UINT m_nRestoredBarID;
    CRect m_rectRecentFloatingRect; // window rectangle when the last move started
    CPoint m_ptLast;                // cursor at the last move step
    BOOL m_bAutoDelete;             // a frame whose window was made deletes itself with it
    BOOL m_bSizing;                 // the platform's sizing loop runs
    CRect m_rectSizeStart;          // window rectangle when it began
    CPoint m_ptSizeStart;           // cursor when it began

    CTavoPDockManager* GetDockManager() const;
    // Ends a move without docking: capture, flags and drag mode.
    void EndMoving();
    void RemoveAllCaptionButtons();
    // Caption button hot states follow the cursor (screen point).
    void TrackCaptionButtons(CPoint point);
    void RedrawCaptionButton(CTavoPCaptionButton* pButton);
    // Asks the dock site whether the frame may follow the mouse.
    BOOL AskDockSiteToMove();
    // Snaps a hosted toolbar to whole button rows while the frame is sized.
    void SnapToolbarSize(UINT nSide, LPRECT lpRect);
    virtual void PostNcDestroy() override;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnSizing(UINT nSide, LPRECT lpRect);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnSize(UINT nType, int cx, int cy);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    BOOL OnNcActivate(BOOL bActive);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnSetFocus(CWnd* pOldWnd);
    void OnEnterSizeMove();
    void OnExitSizeMove();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMoving(UINT nSide, LPRECT lpRect);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnTimer(UINT_PTR nIDEvent);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnCancelMode();
    void OnCaptureChanged(CWnd* pWnd);
    void OnDestroy();
    void OnNcDestroy();
    LRESULT OnCheckEmptyMiniFrame(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
