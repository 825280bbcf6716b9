// The root of every bar window: bar style, docking sides, links to its dock bar, row and frame, stored visibility and the operations the docking layer calls on any bar.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPDockBar;
class CTavoPDockBarRow;
class CTavoPDockManager;
class CTavoPMiniFrameWnd;
class CTavoPBaseTabWnd;

// Behaviour flags given at creation.
#define TAVOP_CBRS_FLOAT 0x1
#define TAVOP_CBRS_PROPERTY2 0x2
#define TAVOP_CBRS_PROPERTY4 0x4
#define TAVOP_CBRS_CLOSE 0x8
#define TAVOP_CBRS_AUTO_ROLLUP 0x10

// Docking modes of a bar.
#define TAVOP_DOCK_IMMEDIATE 1
#define TAVOP_DOCK_OUTLINE 2

// How a bar reaches a dock bar or a floating frame.
#define TAVOP_DM_MOUSE 1
#define TAVOP_DM_RECENT 2
#define TAVOP_DM_SHOW 3
#define TAVOP_DM_RECT 4
#define TAVOP_DM_DROP 5

class CTavoPBaseControlBar : public CWnd
{
    DECLARE_DYNAMIC(CTavoPBaseControlBar)
public:
    CTavoPBaseControlBar();
    virtual ~CTavoPBaseControlBar();

    // ---- the operations the docking layer calls on any bar ----
    virtual BOOL IsHorizontal() const;
    virtual BOOL IsDocked() const;
    virtual BOOL IsTabbed() const;
    virtual BOOL IsFloating() const;
    virtual BOOL IsResizable() const { return TRUE; }
    virtual BOOL IsVisible() const;
    virtual BOOL CanFloatHere() const { return CanFloat(); }
    virtual BOOL CanAcceptBar(const CTavoPBaseControlBar* pBar) const { return FALSE; }
    virtual BOOL CanBeDockedTo(const CTavoPDockBar* pDockBar) const { return FALSE; }
    virtual BOOL IsPaneDragEnabled() const { return FALSE; }
    virtual DWORD GetCurrentAlignment() const { return m_dwBarStyle & CBRS_ALIGN_ANY; }
    virtual DWORD GetEnabledAlignment() const { return m_dwEnabledAlignment; }
    // Null for a bar hosted by a dialog; the bar then remembers that it is.
    virtual CFrameWnd* GetDockSiteFrame() const;
    virtual CTavoPDockBar* GetParentDockBar() const { return m_pParentDockBar; }
    virtual int GetCaptionHeight() const { return 0; }
    virtual BOOL IsInMultiBarFrame() const { return FALSE; }
    virtual BOOL GetStoredVisibility() const { return m_bStoredVisibility; }
    virtual BOOL GetStoredValue() const { return m_bStateLoaded; }
    virtual void SetStoredValue(BOOL bLoaded) { m_bStateLoaded = bLoaded; }
    virtual int GetDockingMode() const;
    virtual HICON GetIcon(BOOL bBigIcon);
    virtual DWORD GetBarStyle() const { return m_dwBarStyle; }
    virtual DWORD GetBehaviourFlags() const { return m_dwControlBarBehaviour; }
    virtual BOOL CanBeClosed() const { return (m_dwControlBarBehaviour & TAVOP_CBRS_CLOSE) != 0; }
    virtual BOOL CanFloat() const;
    virtual BOOL HasBehaviour4() const
    {
        return (m_dwControlBarBehaviour & TAVOP_CBRS_PROPERTY4) != 0;
    }
    virtual BOOL HasBehaviour2() const
    {
        return (m_dwControlBarBehaviour & TAVOP_CBRS_PROPERTY2) != 0;
    }
    virtual void SetCurrentAlignment(DWORD dwAlignment);
    virtual void SetBarStyle(DWORD dwStyle) { m_dwBarStyle = dwStyle; }
    virtual void EnableDocking(DWORD dwAlignment) { m_dwEnabledAlignment = dwAlignment; }
    virtual void ShowCaption(BOOL bShow) {}
    virtual void OnBarHook1() {}
    virtual BOOL DockToBar(CTavoPDockBar* pDockBar, LPCRECT lpRect, int nDockMethod)
    {
        return FALSE;
    }
    virtual BOOL FloatControlBar(CRect rectFloat, int nDockMethod, BOOL bShow) { return FALSE; }
    virtual BOOL DockToSide(DWORD dwAlignment, LPCRECT lpRect, int nDockMethod,
                            CTavoPBaseControlBar* pTargetBar, int nIndex, BOOL bOuterEdge)
    {
        return FALSE;
    }
    virtual void OnBarHook2(int nArgument) {}
    // The size the bar takes when stretched to nLength; a row asks with its own length.
    virtual CSize CalcStretchedSize(int nLength, BOOL bVert) { return CSize(0, 0); }
    virtual void OnBarHook3() {}
    virtual void AdjustLayout() {}
    virtual CTavoPMiniFrameWnd* CreateFloatingFrame(CRect rect) { return NULL; }
    virtual void OnBarHook4(int nArgument) {}
    virtual void RemoveFromDockBar() {}
    virtual void OnAfterChangeParent(CWnd* pWndOldParent) {}
    virtual void ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate);
    virtual CTavoPMiniFrameWnd* GetParentMiniFrame(BOOL bNoAssert = FALSE) const;
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1);
    // Moves the bar to rect (client coordinates of its mini frame or dock site); with a
    // deferral handle the move joins it and the handle that continues it is returned.
    virtual HDWP SetWindowRect(LPCRECT lpRect, BOOL bRepaint, HDWP hdwp);
    virtual HDWP SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy,
                              UINT nFlags, HDWP hdwp);
    // A deferral of bar moves that takes its handle from the platform only at the first real
    // move: most layout passes move nothing, and beginning and ending a deferral cost a round
    // trip each. The handle goes to SetWindowPos and SetWindowRect like the platform's own.
    static HDWP BeginDeferredMoves();
    static void EndDeferredMoves(HDWP hdwp);
    using CWnd::SetWindowPos;
    virtual void Undock(BOOL bNoRecalc) {}
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {}
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                          DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          DWORD dwBehaviour, CCreateContext* pContext);
    using CWnd::CreateEx;
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void DoPaint(CDC* pDC);
    virtual void AdjustDockingLayout(HDWP hdwp = NULL);

    // ---- requests handed to the frame that docks this bar ----
    // A bar hosted by a dialog has no frame: these succeed there without doing anything.
    BOOL AddControlBar(CTavoPBaseControlBar* pBar);
    void RemoveControlBarFromDockManager(CTavoPBaseControlBar* pBar, BOOL bDestroy,
                                         BOOL bAdjustLayout, BOOL bAutoHide);
    BOOL IsPointNearDockSite(CPoint point, DWORD& dwBarAlignment, BOOL& bOuterEdge) const;
    CTavoPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity, BOOL bExactBar,
                                              CRuntimeClass* pRTCBarType) const;
    BOOL InsertControlBar(CTavoPBaseControlBar* pBar, CTavoPBaseControlBar* pTarget, BOOL bAfter);
    void DockToFrame(BOOL bUseStoredSite);
    // The tab window that holds this bar, and the window that stands as its tab.
    CTavoPBaseTabWnd* GetParentTabWnd(HWND& hWndTab) const;
    // The dock manager of this bar's frame, null without one.
    CTavoPDockManager* GetDockManager() const;
    // TRUE when this bar sits in a dialog instead of a frame.
    BOOL IsDialogHosted() const;

    void SetDockingMode(int nMode) { m_nDockingMode = nMode; }
    void SetDockRow(CTavoPDockBarRow* pRow) { m_pDockBarRow = pRow; }
    CTavoPDockBarRow* GetDockRow() const { return m_pDockBarRow; }
    void SetDockSite(CFrameWnd* pFrame) { m_pDockSite = pFrame; }
    void SetStoredVisibility(BOOL bVisible) { m_bStoredVisibility = bVisible; }

    virtual void Serialize(CArchive& ar) override;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The docking mode of bars that choose none.
    static int m_nDefaultDockingMode;

protected:
    DWORD m_dwStyle;               // creation keeps only WS_VISIBLE
    DWORD m_dwEnabledAlignment;    // CBRS_ALIGN_ sides the bar may dock to
    DWORD m_dwBarStyle;            // CBRS_ bits: alignment, borders, floating, gripper
    DWORD m_dwControlBarBehaviour; // TAVOP_CBRS_ bits
    BOOL m_bStoredVisibility;      // "IsVisible" as loaded
    BOOL m_bStateLoaded;           // "IsVisible" was loaded
    CTavoPDockBar* m_pParentDockBar;
    CTavoPDockBarRow* m_pDockBarRow;
    CFrameWnd* m_pDockSite;
    int m_nDockingMode; // 0: the default mode
    CRect m_rect;
    LPCTSTR m_lpszTemplateName; // dialog-bar flavour: the template the window is made from
    CSize m_sizeDialog;
    mutable BOOL m_bDialogHost; // found a dialog as its parent instead of a dock site

    // The key of a bar's saved state: the path of the profile, the class word and the decimal
    // id, with the sub-index in hex written right behind the id when there is one.
    static CString BuildBarKey(LPCTSTR lpszSection, LPCTSTR lpszClassWord, LPCTSTR lpszProfileName,
                               int nID, UINT uiSubIndex);
    // The frame that docks this bar, by the frame's class, for the requests above.
    static void AdjustFrameDockingLayout(CFrameWnd* pFrame, HDWP hdwp);
    static void RecalcFrameLayout(CFrameWnd* pFrame);
    static void DockFrameControlBar(CFrameWnd* pFrame, CTavoPBaseControlBar* pBar);

public:
    void OnPaint();
    void OnNcPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
