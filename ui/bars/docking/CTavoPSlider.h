// The splitter between resizable docking panes and between them and the frame's centre; a default slider owns the layout tree of the panes behind it.
#pragma once
#include "res/LibraryIds.h"
#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/bars/docking/CTavoPDragOutline.h"

class CTavoPBarTreeManager;
class CTavoPBarContainer;
class CTavoPBaseTabbedBar;
class CTavoPDockingControlBar;

class CTavoPSlider : public CTavoPBaseControlBar
{
    DECLARE_DYNCREATE(CTavoPSlider)
public:
    // Orientation bits of the slider style: a horizontal slider moves up and down, a vertical
    // one left and right.
    enum
    {
        SS_HORZ = 0x1,
        SS_VERT = 0x2
    };

    // bDefaultSlider: the slider creates and owns the tree of the panes behind it.
    // pParentForRecreate: the window a slider read from an archive is created in.
    explicit CTavoPSlider(BOOL bDefaultSlider = FALSE, CWnd* pParentForRecreate = NULL);
    virtual ~CTavoPSlider();

    // ---- operations in their fixed order ----
    virtual void MoveSlider(CSize sizeOffset);
    virtual CTavoPDockingControlBar* AddBar(CTavoPDockingControlBar* pBar);
    // Puts the bar back at the node its docked place remembers, or into its tab group; null
    // when the record names neither.
    virtual CTavoPDockingControlBar* AddRecentBar(CTavoPDockingControlBar* pBar);
    // dwAlignment: the side of pTarget the bar goes to (CBRS_ALIGN_LEFT, _TOP, _RIGHT, _BOTTOM).
    virtual BOOL InsertBar(CTavoPDockingControlBar* pBar, CTavoPDockingControlBar* pTarget,
                           DWORD dwAlignment);
    virtual BOOL ReplaceBar(CTavoPDockingControlBar* pBarOld, CTavoPDockingControlBar* pBarNew);
    virtual void RemoveBar(CTavoPDockingControlBar* pBar);
    // Places the slider, and the panes it divides, along the inner edge of rect (client
    // coordinates of its parent); answers the deferral handle that continues hdwp.
    virtual HDWP RepositionByRect(CRect rect, HDWP hdwp);
    virtual BOOL MergeBarTree(CTavoPDockingControlBar* pBar, CTavoPBarTreeManager* pOtherManager,
                              DWORD dwAlignment);
    virtual BOOL TakeOverBarTree(CTavoPBarTreeManager* pOtherManager, BOOL bAutoHide);
    // A default slider shows while a pane of its tree is visible; answers whether it shows.
    virtual BOOL CheckVisibility();
    virtual void OnShowBar(CTavoPDockingControlBar* pBar, BOOL bShow);
    virtual BOOL CanAnyBarFloat() const;
    // Where a window dragged to point (screen) would land in this slider's tree.
    virtual void CalcRecentDockPlacement(CPoint point, CWnd* pDraggedWnd, CRect& rectResult,
                                         BOOL& bDrawTab, CTavoPDockingControlBar** ppTargetBar);
    // Destroys the slider when its tree holds no pane and no remembered place refers to it.
    virtual void RemoveIfEmpty();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(DWORD dwStyleEx, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                          UINT nID, CCreateContext* pContext = NULL);
    using CTavoPBaseControlBar::CreateEx;
    using CWnd::Create;
    // Ends a drag; bApply moves the slider to where the outline was.
    virtual void StopTracking(BOOL bApply);

    // ---- overrides ----
    virtual BOOL IsHorizontal() const override { return (m_dwSliderStyle & SS_HORZ) != 0; }
    virtual BOOL CanFloatHere() const override;
    virtual BOOL IsResizable() const override { return FALSE; }
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual void Serialize(CArchive& ar) override;

    // ---- the tree behind the slider; null or 0 without a tree manager ----
    // The first pane of the tree; an auto-hide slider's pane.
    CTavoPBaseControlBar* GetFirstBar() const;
    // Finds the bar's node and records it in the bar's recent-dock record.
    void StoreRecentDockInfo(CTavoPDockingControlBar* pBar);
    CTavoPBarContainer* FindContainer(CTavoPDockingControlBar* pBar, BOOL& bLeftBar) const;
    BOOL IsBarInTree(const CTavoPDockingControlBar* pBar) const;
    // The tabbed bar of the tree one of whose tabs has that control id.
    CTavoPBaseTabbedBar* FindTabbedBar(UINT nTabID) const;

    CTavoPBarTreeManager* GetBarTreeManager() const { return m_pTreeManager; }
    void SetBarTreeManager(CTavoPBarTreeManager* pManager) { m_pTreeManager = pManager; }
    BOOL IsDefault() const { return m_bDefaultSlider; }
    BOOL IsAutoHideMode() const { return m_bAutoHideMode; }
    void SetAutoHideMode(BOOL bMode) { m_bAutoHideMode = bMode; }
    DWORD GetSliderStyle() const { return m_dwSliderStyle; }
    // Width of a vertical slider, height of a horizontal one.
    int GetWidth() const { return m_nWidth; }
    int GetSliderID() const { return m_nID; }
    BOOL IsTracking() const { return m_bCaptured; }
    // The limits of the running (or last) drag, relative to the slider's place.
    int GetMinOffset() const { return m_nMinOffset; }
    int GetMaxOffset() const { return m_nMaxOffset; }
    // The outline a drag shows (screen).
    const CTavoPDragOutline& GetDragOutline() const { return m_outline; }

    // Resource ids of the two slider cursors.
    enum
    {
        IDC_SLIDER_VERT = IDC_TAVOP_STRETCH,
        IDC_SLIDER_HORZ = IDC_TAVOP_STRETCH_HORZ
    };

protected:
    int m_nID;
    DWORD m_dwSliderStyle;
    int m_nWidth;
    BOOL m_bCaptured;
    BOOL m_bDefaultSlider;
    BOOL m_bAutoHideMode;
    int m_nMinOffset;
    int m_nMaxOffset;
    int m_nLimitFlags;
    CRect m_rectDragBounds;   // screen
    CRect m_rectLastDragRect; // screen
    CTavoPBarTreeManager* m_pTreeManager;
    CWnd* m_pParentWndForSerialize;
    HWND m_hWndFocusBeforeDrag; // the focus goes back there when a drag ends
    CTavoPDragOutline m_outline;

    // The offset of a move along the slider's own direction; 0 for a slider without one.
    int OffsetAlong(CSize size) const;
    // The window rectangle in the client coordinates of the parent.
    CRect GetRectInParent() const;

public:
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnCancelMode();
    void OnCaptureChanged(CWnd* pWnd);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnNcDestroy();

protected:
    DECLARE_MESSAGE_MAP()
};
