// The dockable and floatable bar: dragged along or out of its dock bar, floated in a mini frame and docked back, with its recent docked and floating places kept in the registry.
#pragma once
#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/bars/docking/CTavoPDragFrame.h"
#include "ui/bars/docking/CTavoPRecentDockInfo.h"

class CTavoPControlBar : public CTavoPBaseControlBar
{
    DECLARE_DYNCREATE(CTavoPControlBar)
    friend class CTavoPDockBar;
    friend class CTavoPDockBarRow;
    friend class CTavoPMiniFrameWnd;
    friend class CTavoPDragFrame;

public:
    CTavoPControlBar();
    virtual ~CTavoPControlBar();

    // ---- operations this class adds ----
    virtual int GetDragMode() const { return m_nDragMode; }
    virtual void GetMinSize(CSize& size) const { size = CSize(1, 1); }
    virtual int GetBarMetric() const { return 10; }
    virtual int GetBarLimit() const { return -1; }
    // How much longer the bar may grow along its row: up to its full docked length.
    virtual int GetExpandableLength() const;
    virtual int GetShrinkableLength() const;
    virtual BOOL CanShareRow() const { return !m_bRowExclusive; }
    virtual void SetBarProperty3(BOOL bValue) { m_bProperty3 = bValue; }
    virtual void SetRowExclusive(BOOL bExclusive) { m_bRowExclusive = bExclusive; }
    virtual BOOL IsRowExclusive() const { return m_bRowExclusive; }
    virtual void OnDockedInto(CTavoPDockBar* pDockBar, int nDockMethod);
    // Docks the bar into the target the mouse found for it (a dock bar here; other bars
    // answer other targets from DockTargetFromPoint).
    virtual BOOL DockToBarByMouse(CTavoPBaseControlBar* pTarget);
    virtual CSize CalcSize(BOOL bVertDock) { return CSize(0, 0); }
    // Moves and sizes the window to rect (screen); answers the size change applied.
    virtual CSize ResizeToRect(CRect rect, BOOL bNoMinimum);
    // Grows (positive) or shrinks the bar along its row; answers the change applied.
    virtual int StretchBy(int nDelta);
    virtual CTavoPBaseControlBar* GetDropTarget(BOOL& bFlag);
    // Whether the bar, dragged to where the cursor is, docks to a dock bar (floating) or
    // leaves its dock bar (docked); pTarget is the dock bar under the cursor. Bars that dock
    // into something else answer that as the target.
    virtual BOOL DockTargetFromPoint(int nSensitivity, CTavoPBaseControlBar*& pTarget);
    virtual void RestoreDockState(CTavoPDockManager* pDockManager);
    virtual void StopDrag();
    virtual BOOL OnBeforeFloat(CRect& rectFloat, int nDockMethod) { return TRUE; }
    virtual void SetAlignmentTop() { SetCurrentAlignment(CBRS_ALIGN_TOP); }
    virtual BOOL Create(LPCTSTR lpszClassName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID, DWORD dwBehaviour = TAVOP_CBRS_FLOAT,
                        CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd, UINT nID, DWORD dwBehaviour = TAVOP_CBRS_FLOAT,
                          CCreateContext* pContext = NULL);
    virtual CSize CalcDeltaToMinimum(CRect rect);
    virtual int RecalcSize(BOOL bNotifyRow);
    virtual void EnterDragMode() { StartDrag(FALSE); }
    virtual void DrawDragRect() {}
    virtual BOOL OnBeforeDock(CTavoPDockBar*& pDockBar, LPCRECT lpRect, int nDockMethod)
    {
        return TRUE;
    }
    virtual void OnAfterDock(CTavoPDockBar* pDockBar, LPCRECT lpRect, int nDockMethod) {}
    virtual void OnBeforeStretch(CRect& rect) {}
    virtual void OnAfterStretch(int nDelta) {}
    virtual void SetParentForDocking(CWnd* pWndNewParent, int nDockMethod);
    virtual void SetDragMode(int nMode) { m_nDragMode = nMode; }
    virtual BOOL DockToDockBar(CTavoPDockBar* pDockBar, LPCRECT lpRect, int nDockMethod);
    virtual BOOL StartDrag(BOOL bSetGrabPoint);
    virtual void StoreRecentDockInfo();

    // ---- overrides of the base bar ----
    using CTavoPBaseControlBar::CreateEx;
    virtual BOOL IsTabbed() const override;
    virtual BOOL IsResizable() const override { return FALSE; }
    virtual BOOL CanBeDockedTo(const CTavoPDockBar* pDockBar) const override;
    virtual BOOL DockToBar(CTavoPDockBar* pDockBar, LPCRECT lpRect, int nDockMethod) override;
    virtual BOOL FloatControlBar(CRect rectFloat, int nDockMethod, BOOL bShow) override;
    virtual void AdjustLayout() override;
    virtual CTavoPMiniFrameWnd* CreateFloatingFrame(CRect rect) override;
    virtual void RemoveFromDockBar() override;
    virtual void OnAfterChangeParent(CWnd* pWndOldParent) override;
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual void Undock(BOOL bNoRecalc) override;
    virtual void DoPaint(CDC* pDC) override;

    // ---- borders, elements and the recent docked rectangle ----
    void SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom);
    void SetBordersFromRect(LPCRECT lpRect);
    CRect GetBorders() const
    {
        return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
    }
    // Shrinks rect to the area inside the borders and the gripper.
    void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    BOOL AllocElements(int nElements, int cbElement);
    void StoreRecentDockedRect();
    void StoreRecentDockedRectWithSize(int cx, int cy);
    void GetRecentDockedRectScreen(CRect& rect) const;
    void OffsetRecentDockedRect(int dx, int dy);
    const CRect& GetRecentDockedRect() const { return m_rectRecentDocked; }
    BOOL IsPointBeforeBar(CPoint point, BOOL bScreenCoordinates) const;
    void MoveByAlignment(DWORD dwAlignment, int nDelta);

    BOOL IsDragging() const { return m_bDragging; }
    // The first property flag: an auto-hide strip's group mark (0 joins the strip before it).
    BOOL GetFirstProperty() const { return m_bProperty1; }
    void SetFirstProperty(BOOL bValue) { m_bProperty1 = bValue; }
    BOOL GetThirdProperty() const { return m_bProperty3; }
    UINT GetControlID() const { return m_nControlID; }
    CTavoPDragFrame& GetDragFrame() { return m_dragFrame; }
    CTavoPRecentDockInfo& GetRecentDockInfo() { return m_recentDockInfo; }
    const CTavoPRecentDockInfo& GetRecentDockInfo() const { return m_recentDockInfo; }
    const CRect& GetDragWindowRect() const { return m_rectDragWnd; }
    CPoint GetGrabPoint() const { return m_ptGrab; }
    void SetGrabPoint(CPoint pt) { m_ptGrab = pt; }
    BOOL IsPlaced() const { return m_bPlaced; }
    void SetPlaced(BOOL bPlaced) { m_bPlaced = (BYTE)(bPlaced ? 1 : 0); }
    int GetMRUWidth() const { return m_nMRUWidth; }
    void SetMRUWidth(int nWidth) { m_nMRUWidth = nWidth; }
    HWND GetPendingFrameToDestroy() const { return m_hwndMiniFrameToDestroy; }
    void SetPendingFrameToDestroy(HWND hWnd) { m_hwndMiniFrameToDestroy = hWnd; }
    BOOL GetLoadedFloatingState() const { return m_bLoadedFloating; }
    void SetFloatingFrameClass(CRuntimeClass* pClass) { m_pMiniFrameRTC = pClass; }
    int GetElementCount() const { return m_nElements; }
    BYTE* GetElements() const { return m_pElements; }

    // The mouse handlers; bars call them for presses outside their own items.
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnNcDestroy();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnCancelMode();
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnDestroy();
    void OnCaptureChanged(CWnd* pWnd);

    // The registered message a bar sends its frame for the bar context menu.
    static UINT GetPopupMenuMessage();

protected:
    BYTE m_bPlaced;    // set by the dock bar when it places the bar
    BOOL m_bProperty1; // the first two property flags only keep their initial value
    BOOL m_bProperty2;
    BOOL m_bProperty3; // the auto-hide strip's show-labels flag
    int m_nElements;
    BYTE* m_pElements; // zero-filled fixed-size records (the status bar's panes)
    int m_cxLeftBorder;
    int m_cxRightBorder;
    int m_cyTopBorder;
    int m_cyBottomBorder;
    int m_cxDefaultGap;
    int m_nMRUWidth;
    CRect m_rectRecentDocked; // full docked length, parent's client coordinates
    CRect m_rectDragWnd;      // screen; follows the mouse during a drag
    BYTE m_bDragging;         // a drag with captured mouse runs
    UINT m_nControlID;
    CPoint m_ptGrab; // where the mouse took the bar, client coordinates
    BYTE m_bButtonUpSwallowed;
    int m_nDragMode;
    CRuntimeClass* m_pMiniFrameRTC;
    CTavoPDragFrame m_dragFrame;
    HWND m_hwndMiniFrameToDestroy; // the mini frame left during a mouse drag
    BOOL m_bRowExclusive;
    CTavoPRecentDockInfo m_recentDockInfo;
    CRect m_rectLoadedDocked;
    BOOL m_bLoadedFloating;
    BOOL m_bMouseDownForwarded;

    // Ends a drag that was cancelled or lost its capture.
    void CancelDrag();
    // Sends a mouse message to the mini frame, the point taken into its coordinates.
    void ForwardToMiniFrame(UINT message, UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()
};
