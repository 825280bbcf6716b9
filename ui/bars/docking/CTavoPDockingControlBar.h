// The resizable docking pane: a control bar with a caption strip and its buttons, docked in the layout tree of sliders and containers, floated in a mini frame, tabbed or auto-hidden.
#pragma once
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/docking/CTavoPCaptionButton.h"

class CTavoPSlider;
class CTavoPBarContainer;
class CTavoPAutoHideButton;
class CTavoPAutoHideToolBar;
class CTavoPAutoHideDockBar;
class CTavoPBaseTabbedBar;
class CTavoPMultiMiniFrameWnd;

// Hit codes of the caption buttons of a docked pane.
#define TAVOP_HT_PANE_CLOSE 19
#define TAVOP_HT_PANE_PIN HTMAXBUTTON // 9

// Tabbed styles: which class takes another pane attached as a tab.
#define TAVOP_TABBED_STYLE_TABBED 0x20
#define TAVOP_TABBED_STYLE_OUTLOOK 0x40

class CTavoPDockingControlBar : public CTavoPControlBar
{
    DECLARE_SERIAL(CTavoPDockingControlBar)

public:
    CTavoPDockingControlBar();
    virtual ~CTavoPDockingControlBar();

    // ---- operations this class adds ----
    virtual BOOL CreateWithSize(LPCTSTR lpszCaption, CWnd* pParentWnd, SIZE size, BOOL bHasCaption,
                                UINT nID, DWORD dwStyle, DWORD dwTabbedStyle = 0,
                                DWORD dwTavoStyle = TAVOP_CBRS_FLOAT | TAVOP_CBRS_CLOSE |
                                                    TAVOP_CBRS_PROPERTY2 | TAVOP_CBRS_PROPERTY4);
    virtual BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, BOOL bHasCaption,
                        UINT nID, DWORD dwStyle, DWORD dwTabbedStyle = 0,
                        DWORD dwTavoStyle = TAVOP_CBRS_FLOAT | TAVOP_CBRS_CLOSE |
                                            TAVOP_CBRS_PROPERTY2 | TAVOP_CBRS_PROPERTY4,
                        CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(DWORD dwStyleEx, LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect,
                          BOOL bHasCaption, UINT nID, DWORD dwStyle, DWORD dwTabbedStyle = 0,
                          DWORD dwTavoStyle = TAVOP_CBRS_FLOAT | TAVOP_CBRS_CLOSE |
                                              TAVOP_CBRS_PROPERTY2 | TAVOP_CBRS_PROPERTY4,
                          CCreateContext* pContext = NULL);
    // The tab strips at the top and the bottom (screen); empty for a pane without tabs.
    virtual void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const;
    virtual BOOL IsTabLocationBottom() const { return TRUE; }
    // HTNOWHERE outside the window, a caption button's code, HTCLIENT, HTCAPTION (only with
    // bDetectCaption) or -2 for the rest of the window.
    virtual int HitTest(CPoint ptScreen, BOOL bDetectCaption = FALSE);
    virtual BOOL CanAcceptMiniFrame(CTavoPMiniFrameWnd* pMiniFrame) const;
    virtual BOOL IsAutoHideMode() const { return m_bAutoHideMode; }
    // FALSE for tabbed bars.
    virtual BOOL HasPaneCaption() const { return TRUE; }
    // 3 attach as a tab (caption or tab area), 2 beside it near an edge, 0 none.
    virtual int GetDockingStatus(CPoint pt, int nSensitivity);
    virtual CTavoPDockingControlBar* AttachToTabbedBar(
        CTavoPDockingControlBar* pTargetBar, int nDockMethod, BOOL bSetActive = TRUE,
        CTavoPDockingControlBar** ppTabbedBar = NULL);
    virtual CTavoPBaseTabbedBar* CreateTabbedBar();
    // Docks beside pTargetBar on the side dwAlignment, inside the target's slider container.
    virtual CTavoPDockingControlBar* DockToWindow(CTavoPDockingControlBar* pTargetBar,
                                                  DWORD dwAlignment, LPCRECT lpRect = NULL);
    // Moves every pane of pContainer (taken from a floating group) beside this pane.
    virtual BOOL DockContainer(CTavoPBarContainer* pContainer, DWORD dwAlignment);
    virtual CTavoPAutoHideToolBar* SetAutoHideMode(BOOL bMode, DWORD dwAlignment,
                                                   CTavoPAutoHideToolBar* pCurrAutoHideBar = NULL,
                                                   BOOL bUseTimer = TRUE);
    virtual BOOL IsNotSlidingIn() const { return !(m_bSliding && m_bSlidingIn); }
    virtual int GetSlideMode() const { return m_nSlideMode; }
    virtual void StoreRecentTabRelatedInfo();
    virtual void OnPressCloseButton();
    virtual void DrawCaption(CDC* pDC, CRect rectCaption);
    // Slides the pane back in once the mouse has left it; TRUE when it did.
    virtual BOOL CheckStopSlideCondition();
    virtual BOOL IsSlideFinished(BOOL bSlideOut) const;
    // One step of the slide.
    virtual void OnSlide(BOOL bSlideOut);
    // Pins the pane again: back to its recent place, or as a tab of pFirstBarInGroup.
    virtual void UnSetAutoHideMode(CTavoPDockingControlBar* pFirstBarInGroup);
    // Slides an auto-hidden pane out over the frame or back in, step by step with bUseTimer.
    void Slide(BOOL bSlideOut, BOOL bUseTimer = TRUE);
    BOOL IsSliding() const { return m_bSliding; }

    // ---- overrides of the bar classes ----
    virtual void Serialize(CArchive& ar) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL IsVisible() const override;
    virtual BOOL IsResizable() const override { return TRUE; }
    virtual BOOL IsPaneDragEnabled() const override { return TRUE; }
    virtual BOOL CanAcceptBar(const CTavoPBaseControlBar* pBar) const override;
    virtual int GetCaptionHeight() const override;
    virtual BOOL IsInMultiBarFrame() const override;
    virtual void ShowCaption(BOOL bShow) override;
    // The frame-side docking of a resizable bar: a new default slider on that side.
    virtual BOOL DockToSide(DWORD dwAlignment, LPCRECT lpRect, int nDockMethod,
                            CTavoPBaseControlBar* pTargetBar, int nIndex, BOOL bOuterEdge) override;
    virtual void AdjustLayout() override;
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual void OnBeforeChangeParent(CWnd* pWndNewParent, BOOL bDelay = FALSE);
    virtual void OnAfterChangeParent(CWnd* pWndOldParent) override;
    virtual void ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate) override;
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual void Undock(BOOL bDelay) override;
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    virtual void StoreRecentDockInfo() override;
    virtual void OnAfterDock(CTavoPDockBar* pDockBar, LPCRECT lpRect, int nDockMethod) override;
    virtual void DrawDragRect() override {}
    virtual BOOL DockToBar(CTavoPDockBar* pDockBar, LPCRECT lpRect, int nDockMethod) override;
    // Leaving a dock bar is leaving the slider's tree for a pane.
    virtual void RemoveFromDockBar() override;
    // An outline drop docks where the cursor is; bFlag tells that it did.
    virtual CTavoPBaseControlBar* GetDropTarget(BOOL& bFlag) override;

    // ---- docking while dragged and by method ----
    // Docks where the cursor is; the answer is the pane that docked, or none.
    virtual CTavoPDockingControlBar* DoDockByMouse(BOOL& bDocked);
    // The target under the cursor and its status (0, 2 near an edge, 3 as a tab).
    virtual int FindDockTarget(CPoint ptScreen, CTavoPBaseControlBar*& pTargetBar);
    // Methods: 1 and 5 the mouse, 2 back to the recent place, 3 shown again, 4 at a rectangle.
    virtual BOOL DockByMethod(CTavoPBaseControlBar* pTargetBar, LPCRECT lpRecentRect,
                              int nDockMethod);
    BOOL DockToFrameSide(DWORD dwAlignment, LPCRECT lpRect = NULL,
                         CTavoPBaseControlBar* pInsertAfter = NULL, BOOL bOuterEdge = FALSE);

    // ---- what the layout tree reads and writes ----
    int GetPercent() const { return m_nPercent; }
    void SetPercent(int nPercent) { m_nPercent = nPercent; }
    CTavoPSlider* GetDefaultSlider() const;
    void SetDefaultSlider(HWND hSlider) { m_hDefaultSlider = hSlider; }
    // While set the mouse-left check never hides an auto-hidden pane.
    void SetAutoHideHiding(BOOL bDisable) { m_bDisableAutoHideHiding = bDisable; }
    BOOL IsActiveCaption() const { return m_bActive; }
    BOOL HasCaptionStrip() const { return m_bHasCaption; }
    CTavoPCaptionButton& GetCaptionButton(int nIndex) { return m_arrButtons[nIndex]; }
    // The caption strip in window coordinates; empty without one.
    CRect GetCaptionRect() const;
    CRuntimeClass* GetTabbedControlBarClass() const { return m_pTabbedControlBarRTC; }
    void SetAutoHideButton(CTavoPAutoHideButton* pButton) { m_pAutoHideButton = pButton; }
    CTavoPAutoHideButton* GetAutoHideButton() const { return m_pAutoHideButton; }
    void SetAutoHideToolBar(CTavoPAutoHideToolBar* pBar) { m_pAutoHideBar = pBar; }
    CTavoPAutoHideToolBar* GetAutoHideToolBar() const { return m_pAutoHideBar; }

    // Space around the glyph of a caption button.
    static int m_nCaptionButtonMargin;
    static int m_nCaptionVertMargin;
    static int m_nCaptionTextInset;
    static UINT m_nMouseCheckPeriod;
    static UINT m_nSlideStepPeriod;
    static int m_nSlideSteps;
    static BOOL m_bHideDisabledCaptionButtons;
    static int m_nDefaultSlideMode;
    static int m_nDockSensitivity;
    // SM_CXDRAG and SM_CYDRAG, read once.
    static int m_cxDrag;
    static int m_cyDrag;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnClose();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnCancelMode();
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

protected:
    BYTE m_bDragStarted;
    BYTE m_bCursorWasInside;
    int m_nCaptionHeight;
    BOOL m_bHasCaption;
    BOOL m_bActive;
    CRect m_rectRedrawButton; // window coordinates; the non-client paint is clipped to it
    int m_nPercent;
    BOOL m_bAutoHideMode;
    UINT_PTR m_nMouseCheckTimer;
    UINT_PTR m_nSlideTimer;
    int m_nSlideStepCount;
    int m_nSlideStep;
    CRect m_rectSlideFull;
    BOOL m_bSliding;
    BOOL m_bDisableAutoHideHiding;
    BOOL m_bSlidingIn;
    int m_nSlideMode;
    CTavoPAutoHideButton* m_pAutoHideButton;
    CTavoPAutoHideToolBar* m_pAutoHideBar;
    CTavoPCaptionButton m_arrButtons[2]; // close, pin
    CRuntimeClass* m_pTabbedControlBarRTC;
    HWND m_hDefaultSlider;
    int m_nHotButton;
    int m_nPressedButton;
    CToolTipCtrl m_wndToolTip; // tool 1 the close button, tool 2 the pin
    // The rectangles the two tools have now (client coordinates): every size change asks for
    // them again, and most leave them where they are.
    CRect m_rectToolTips[2];

    // Lays the caption buttons out from the right end of the caption strip.
    void LayoutCaptionButtons(const CRect& rectCaption);
    CTavoPCaptionButton* FindButton(int nHit);
    // Puts the tooltip tools over the shown buttons; ptClientInWindow: where the client area
    // starts in window coordinates.
    void PlaceToolTips(CPoint ptClientInWindow);
    // Redraws one button through a clip rectangle.
    void RedrawButton(const CTavoPCaptionButton& button);
    // Hot tracking over the buttons at a screen point.
    void TrackButtons(CPoint ptScreen);
    // Pushes the hot button, if there is one, until the mouse is released.
    BOOL PressHotButton();
    // The same for the button at a screen point, when no drag runs.
    BOOL PressButtonAt(CPoint ptScreen);
    void ReleaseButtonTracking();
    // Leaves the default slider (the slider takes the pane out of its container).
    void LeaveSlider();
    void StartSlideTimer(UINT_PTR nID, UINT nElapse);
    // Kills the slide and the mouse-left timers (a timer never outlives its pane's mode).
    void KillSlideTimers();
    // The auto-hide dock bar that holds the pane's strip, or null.
    CTavoPAutoHideDockBar* GetAutoHideDockBar() const;
    // How far the pane slides: its thickness across its side.
    int SlideExtent() const;
    // Moves pane and slider together across their side (dock-site client coordinates).
    void MoveSlideRects(int nOffset);
    // The pane the caption stands for: the tabbed bar when this pane is one of its tabs.
    CTavoPDockingControlBar* GetOwnerPane();
    // The pin shows only where the frame keeps auto-hidden panes on the slider's side.
    BOOL IsPinAllowed() const;
    // Back to the recent docked place (slider and node), or to the recent side.
    BOOL DockToRecentPlace(LPCRECT lpRect);

    DECLARE_MESSAGE_MAP()
};
