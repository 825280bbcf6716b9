// The docking layout of one frame: its dock bars and docked bars in layout order, its floating frames, the layout pass around the client area, print-preview and show-all modes.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPBaseControlBar;
class CTavoPControlBar;
class CTavoPDockBar;
class CTavoPMiniFrameWnd;
class CTavoPSlider;
class CTavoPDockingControlBar;
class CTavoPAutoHideToolBar;

class CTavoPDockManager : public CObject
{
    DECLARE_DYNCREATE(CTavoPDockManager)
public:
    CTavoPDockManager();
    virtual ~CTavoPDockManager();

    // ---- operations in their fixed order ----
    // The layout archive: tabbed bars, docked panes with their sliders, floating frames and
    // auto-hidden panes, each section opened by its count.
    virtual void Serialize(CArchive& ar) override;
    virtual CTavoPBaseControlBar* ControlBarAndEdgeFromPoint(CPoint point, int nSensitivity,
                                                             DWORD& dwEdge,
                                                             CRuntimeClass* pRTCBarType,
                                                             const CTavoPBaseControlBar* pExcluded);
    virtual CTavoPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity,
                                                      BOOL bExactBar, CRuntimeClass* pRTCBarType,
                                                      BOOL bVisibleOnly = FALSE,
                                                      const CTavoPBaseControlBar* pExcluded = NULL);
    virtual CTavoPMiniFrameWnd* MiniFrameFromPoint(CPoint point,
                                                   const CTavoPMiniFrameWnd* pExcluded,
                                                   BOOL bMultiBarOnly);
    // 0 no docking, 2 at an edge, 3 as a tab of the target; resolved with the drag targets.
    virtual int GetDockingStatus(CPoint point, int nSensitivity, DWORD dwEnabledAlignment,
                                 CTavoPBaseControlBar*& pTargetBar,
                                 const CTavoPBaseControlBar* pDraggedBar);
    virtual BOOL AddMiniFrame(CTavoPMiniFrameWnd* pMiniFrame);
    virtual BOOL RemoveMiniFrame(CTavoPMiniFrameWnd* pMiniFrame);
    virtual CTavoPBaseControlBar* FindBarByID(UINT uiBarId, BOOL bSearchMiniFrames);
    virtual CTavoPDockBar* FindDockBarByAlignment(DWORD dwAlignment, BOOL bFromHead = TRUE);
    virtual CTavoPDockBar* FindDockBarForBar(const CTavoPBaseControlBar* pBar);
    virtual void RecalcDockBars();
    virtual BOOL RecalcAllBars();
    // The layout pass: places every docked bar around the frame's client area.
    virtual void AdjustDockingLayout(HDWP hdwp = NULL);
    // Asked on every step of a floating frame's immediate move: TRUE lets the frame follow the
    // mouse, FALSE means it docked.
    virtual BOOL OnMoveMiniFrame(CTavoPMiniFrameWnd* pMiniFrame);
    // The layout under "<profile>TavoPDockManager-<id>": every bar's own values and the archive.
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, UINT uiID = (UINT)-1);
    // Reads what SetDockState applies once every bar exists.
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, UINT uiID = (UINT)-1);
    virtual void SetDockState();
    virtual BOOL ShowAllBars(BOOL bShow);
    virtual void ShowFloatingFrames(BOOL bShow);
    virtual BOOL CapPreviewRect(LPRECT lpRect, DWORD dwAlignment);

    // ---- the rest of the interface ----
    BOOL SetDockSite(CFrameWnd* pFrame);
    CFrameWnd* GetDockSite() const { return m_pDockSite; }
    BOOL EnableDocking(DWORD dwAlignment);
    BOOL AddDockBar(DWORD dwAlignment, CRuntimeClass* pRTC, CTavoPDockBar** ppDockBar = NULL);
    BOOL AddControlBar(CTavoPBaseControlBar* pBar, BOOL bTail = TRUE, BOOL bAutoHide = FALSE,
                       BOOL bInsertForOuterEdge = FALSE);
    BOOL InsertControlBar(CTavoPBaseControlBar* pBar, CTavoPBaseControlBar* pExistingBar,
                          BOOL bAfter = TRUE);
    void RemoveControlBar(CTavoPBaseControlBar* pBar, BOOL bDestroy = FALSE,
                          BOOL bAdjustLayout = FALSE, BOOL bAutoHide = FALSE);
    BOOL IsPointNearDockSite(CPoint point, DWORD& dwBarAlignment, BOOL& bOuterEdge) const;
    void DockControlBar(CTavoPBaseControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    // Puts an auto-hidden pane's button on a strip of its side (pCurrAutoHideToolBar, or a
    // new strip); null when the side keeps no auto-hidden panes or no strip could be made.
    CTavoPAutoHideToolBar* AutoHideBar(CTavoPDockingControlBar* pBar,
                                       CTavoPAutoHideToolBar* pCurrAutoHideToolBar = NULL);
    // Whether panes docked to that side may be pinned away: the frame keeps an auto-hide
    // dock bar there.
    BOOL IsAutoHideEnabled(DWORD dwAlignment);
    void HideAutoHideBars(CTavoPDockingControlBar* pBarToExclude = NULL, BOOL bImmediately = FALSE);
    // Places an auto-hidden pane and its slider fully out along the outer edge of the layout,
    // across its whole length.
    void AlignAutoHideSlider(CTavoPSlider* pSlider, BOOL bFromFixedSize = TRUE);
    // The outline a dragged window would dock to at point; empty when it would float.
    void CalcExpectedDockedRect(CWnd* pWnd, CPoint point, CRect& rectResult, BOOL& bDrawTab,
                                CTavoPBaseControlBar** ppTargetBar);
    // The outline of a dragged window docking at the frame edge near point (screen); empty when
    // it would not dock there.
    void CalcEdgeDockPreview(CWnd* pDraggedWnd, CPoint point, CRect& rectResult, BOOL& bOuterEdge);
    // The floating frames' part of the layout archive: the frames that hold a bar are written;
    // reading makes the frames again and keeps them for SetMiniFramesDockState. A failed read
    // destroys every frame it made before the error goes on to the caller.
    void SerializeMiniFrames(CArchive& ar);
    // Every frame made by the last read takes its bar back (or goes when it cannot).
    void SetMiniFramesDockState();
    const CObList& GetLoadedMiniFrames() const { return m_lstLoadedMiniFrames; }
    // Destroys the frames the last read made, when the read failed after them.
    void DestroyLoadedMiniFrames();
    // Raises the listed windows of one side (all sides below CBRS_ALIGN_LEFT) to the top, last
    // listed first; with bSkipControlBars the panes and sliders listed after the last dock bar
    // stay where they are, so a pane sliding out keeps only the dock bars above it.
    void BringBarsToTop(DWORD dwAlignment = 0, BOOL bSkipControlBars = FALSE);
    void SetPrintPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
    BOOL SendMessageToMiniFrames(UINT uMessage, WPARAM wParam = 0, LPARAM lParam = 0);
    // Every shown floating frame that lies below the dock site goes just above it.
    void KeepMiniFramesAbove();
    void LockUpdate(BOOL bLock) { m_bLockUpdate = bLock; }
    BOOL IsUpdateLocked() const { return m_bLockUpdate; }
    // Told by the drag frame while it shows an outline.
    void OnDragOutline(BOOL bOn) { m_bDragOutlineShown = bOn; }
    BOOL IsDragOutlineShown() const { return m_bDragOutlineShown; }

    BOOL IsPrintPreviewValid() const { return m_bIsPrintPreviewMode; }
    BOOL AreAllBarsHidden() const { return m_bHideDockingBarsInContainerMode; }
    BOOL IsInAdjustLayout() const { return m_bAdjustingBarLayout; }
    CRect GetClientAreaBounds() const { return m_rectClientAreaBounds; }
    CRect GetOuterEdgeBounds() const { return m_rectOuterEdgeBounds; }
    DWORD GetEnabledAlignment() const { return m_dwEnabledDockBars; }
    const CObList& GetDockedBars() const { return m_lstControlBars; }
    const CObList& GetAutoHideSliders() const { return m_lstAutoHideBars; }
    const CObList& GetMiniFrames() const { return m_lstMiniFrames; }
    void SuspendRecalc(BOOL bSuspend) { m_bDisableRecalcLayout = bSuspend; }
    BOOL IsRecalcSuspended() const { return m_bDisableRecalcLayout; }
    void EnableLayout(BOOL bEnable) { m_bEnableAdjustLayout = bEnable; }

    // Width of every edge hit-test strip.
    static int m_nDockSensitivity;
    // How long a dragged floating frame must rest before it docks to a dock bar or a pane.
    static UINT m_nTimeOutBeforeToolBarDock;
    static UINT m_nTimeOutBeforeDockingBarDock;
    static BOOL m_bHideAllControlBarsInPreviewMode;
    static int m_nPreviewCapPercent;
    // Set while a loaded layout is being applied; bars then report their stored visibility.
    static BOOL m_bRestoringDockState;
    // Ctrl held during a drag: nothing docks and no docked outline shows.
    static BOOL IsDockingSuppressed();
    // The millisecond clock the docking delays are measured with.
    static DWORD(WINAPI* m_pfnTickCount)();
    // The key state the Ctrl test reads (the platform's asynchronous key state).
    static SHORT(WINAPI* m_pfnKeyState)(int nVirtKey);

protected:
    BOOL m_bEnableAdjustLayout;
    BOOL m_bLockUpdate;
    BOOL m_bDisableRecalcLayout;
    CObList m_lstControlBars;
    CObList m_lstAutoHideBars;
    CObList m_lstLoadedBars;
    CObList m_lstLoadedTabbedBars;
    CObList m_lstLoadedMiniFrames;
    CObList m_lstMiniFrames;
    CFrameWnd* m_pDockSite;
    CRect m_rectClientAreaBounds; // frame client coordinates: what the bars left for the view
    CRect m_rectOuterEdgeBounds;  // frame client coordinates: the area inside the dock bars
    DWORD m_dwEnabledDockBars;
    CTavoPBaseControlBar* m_pLastTargetBar;
    CTavoPMiniFrameWnd* m_pLastMultiMiniFrame;
    DWORD m_dwLastDockTick;
    int m_nLastDockingStatus;
    BOOL m_bIsPrintPreviewMode;
    CObList m_lstHiddenWindows; // hidden by print preview or show-all, to be shown again
    BOOL m_bHideDockingBarsInContainerMode;
    BOOL m_bAdjustingBarLayout;
    BOOL m_bRecalcLayout;
    BOOL m_bLoadFailed;

    // One auto-hidden pane as the layout archive keeps it.
    struct AutoHideRecord
    {
        int nBarID = -1;
        DWORD dwAlignment = 0;
        BOOL bVisible = FALSE;
        CList<int, int> lstSiblingIDs;
        CRect rectBar = CRect(0, 0, 0, 0);
        int nToolbarState[3] = {1, 1, 1};
        CTavoPDockingControlBar* pPane = NULL;
    };
    CList<AutoHideRecord*, AutoHideRecord*> m_lstLoadedAutoHideRecords;
    void RemoveLoadedAutoHideRecords();
    // The auto-hidden panes' part of the layout archive. Reading checks every record against
    // the frame's panes and sides and throws on the first that does not fit.
    void SerializeAutoHide(CArchive& ar);
    // The panes of the records read last are pinned off again, a strip's panes on one strip.
    void ApplyLoadedAutoHide();
    // The registry key of the layout: the profile's "TavoPDockManagers" path and the frame's id.
    static CString LayoutKey(LPCTSTR lpszProfileName, UINT uiID);
    CList<HWND, HWND> m_lstHiddenMiniFrames;
    BOOL m_bDragOutlineShown;

    // Hides every bar of lst that pHide selects, remembering it.
    template <class TSelect>
    void HideBarsOf(const CObList& lst, TSelect select);
    void ShowRemembered(int nShowOther);
    void CalcAutoHideOffsets();

private:
    // Ends a restore of a stored layout: the docked bars go to the rows they ended up in.
    void EndRestoringDockState();
    // Holds (or releases) the sizing of every dock bar: a restore that opens and closes rows
    // then sizes each dock bar once.
    void HoldDockBarResizes(BOOL bHold);

    CTavoPDockManager(const CTavoPDockManager&) = delete;
    CTavoPDockManager& operator=(const CTavoPDockManager&) = delete;
};
