// The floating frame of a group of docking panes laid out in a tree with sliders: panes join it by drag, the group docks as a whole, a double click sends each pane home.
#pragma once
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"

class CTavoPDockingControlBar;

class CTavoPMultiMiniFrameWnd : public CTavoPMiniFrameWnd
{
    DECLARE_SERIAL(CTavoPMultiMiniFrameWnd)
public:
    CTavoPMultiMiniFrameWnd();
    virtual ~CTavoPMultiMiniFrameWnd();

    // ---- operations of the single-bar frame, for a group ----
    virtual BOOL CanBeAttachedTo(CTavoPBaseControlBar* pDockingBar) override;
    virtual void AddControlBar(CTavoPBaseControlBar* pBar) override;
    virtual void RemoveControlBar(CTavoPBaseControlBar* pBar, BOOL bDestroy = FALSE,
                                  BOOL bKeepWhenEmpty = FALSE) override;
    virtual void ReplaceControlBar(CTavoPBaseControlBar* pBarOrg,
                                   CTavoPBaseControlBar* pBarReplaceWith) override;
    virtual void UpdateCaptions() override;
    virtual BOOL SetDockTarget(int nStatus, CTavoPBaseControlBar* pTarget,
                               int nDockMethod) override;
    virtual int GetControlBarCount() const override { return m_barTree.GetBars().GetCount(); }
    virtual int GetVisibleBarCount() const override;
    virtual CWnd* GetControlBar() const override;
    virtual CWnd* GetFirstVisibleBar() const override;
    virtual CString GetCaptionText() const override;
    // The outline of a pane dropped at the cursor beside a pane of the group (screen).
    virtual int GetDockingRect(CRect& rect) const override;
    virtual CTavoPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity,
                                                      BOOL bCheckVisibility) override;
    virtual void AdjustBarLayout() override;
    virtual void RecalcLayout() override {}
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, UINT uiID = (UINT)-1) override;
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, UINT uiID = (UINT)-1) override;
    virtual void SetDockState(CTavoPDockManager* pDockManager) override;
    virtual void StoreRecentContainer(CTavoPBaseControlBar* pBar) override;
    virtual void StoreRecentContainerFor(CTavoPBaseControlBar* pBar,
                                         CTavoPBaseControlBar* pOther) override;
    virtual void OnShowControlBar(CTavoPBaseControlBar* pBar, BOOL bShow) override;
    virtual void ValidateBar() override;
    virtual void StoreRecentFloatState() override;
    virtual void CloseMiniFrame() override;
    virtual CWnd* DockBarAtDragPosition(BOOL& bDocked) override;
    virtual void StartRollUp() override;
    virtual void StopRollUp() override;

    // ---- operations of the group ----
    // Takes the panes of another group in beside (or as tabs of) the pane under the cursor.
    // TRUE when nothing was done, FALSE when the other group joined.
    virtual BOOL DockFrameToFrame(CTavoPMiniFrameWnd* pDockedFrame, int nDockMethod);
    // A dragged pane joins the group beside the pane under the cursor; TRUE when it did not.
    virtual BOOL InsertBarAtCursor(CTavoPBaseControlBar* pBar);
    // A pane comes back to the place it last had in this group; FALSE when that place is gone
    // and the pane stays where it was.
    virtual BOOL AddRecentControlBar(CTavoPBaseControlBar* pBar);
    virtual void DockBarToRecentPlace(CTavoPBaseControlBar* pBar);
    virtual BOOL RegisterFloatingBar(CTavoPBaseControlBar* pBar);

    // Inserts pBar next to pTarget: after it (right) or before it (left).
    virtual BOOL InsertControlBar(CTavoPBaseControlBar* pBar, CTavoPBaseControlBar* pTarget,
                                  BOOL bAfter);
    // Inserts pBar on the dwSide side of pTarget (CBRS_ALIGN_LEFT, _TOP, _RIGHT or _BOTTOM),
    // splitting pTarget's place. A pane the tree then refuses floats on its own (FALSE).
    virtual BOOL InsertControlBarBeside(CTavoPBaseControlBar* pBar, CTavoPBaseControlBar* pTarget,
                                        DWORD dwSide);

    CTavoPBarTreeManager& GetBarTreeManager() { return m_barTree; }
    const CTavoPBarTreeManager& GetBarTreeManager() const { return m_barTree; }

    virtual void Serialize(CArchive& ar) override;

protected:
    CTavoPBarTreeManager m_barTree;

    // Docks every pane of the group to a frame side (no target) or beside pTarget.
    BOOL DockGroupBeside(CTavoPDockingControlBar* pTarget, CTavoPDockManager* pManager);
    BOOL DockGroupToFrameSide(CTavoPDockManager* pManager);
    // Redoes the captions, the layout and the frame after the group changed.
    void RefreshGroup();
    // The group's panes as they are listed now: a copy that survives panes leaving.
    void CopyBars(CObList& lst, BOOL bVisibleOnly) const;
    // The pane of the group under the cursor and the side of it, or its caption or tabs.
    BOOL FindTargetAtCursor(CTavoPDockingControlBar*& pTarget, DWORD& dwSide, BOOL& bTabHit);
    // Every pane of the group saves (bSave) or loads its own values.
    void ForEachBarState(LPCTSTR lpszProfileName, UINT uiID, BOOL bSave);
    // Puts the panes of a loaded tree where its sliders, made at their stored places, say.
    void PlaceByStoredSliders(CTavoPBarContainer* pNode, CRect rect);

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnSizing(UINT nSide, LPRECT lpRect);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    LRESULT OnCheckEmptyMiniFrame(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
