// A node of the layout tree of docking panes: two elements (panes or child nodes), the slider between them and the share of the first one.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPBarTreeManager;
class CTavoPBaseControlBar;
class CTavoPBaseTabbedBar;
class CTavoPDockingControlBar;
class CTavoPRecentDockPlacement;
class CTavoPSlider;

class CTavoPBarContainer : public CObject
{
    DECLARE_DYNAMIC(CTavoPBarContainer)
public:
    CTavoPBarContainer(CTavoPBarTreeManager* pManager = NULL,
                       CTavoPDockingControlBar* pLeftBar = NULL,
                       CTavoPDockingControlBar* pRightBar = NULL, CTavoPSlider* pSlider = NULL);
    virtual ~CTavoPBarContainer();

    // What FindContainer looks for.
    enum FindKind
    {
        findFirstBar = 0,
        findSecondBar = 1,
        findSlider = 2,
        findNode = 3
    };

    // ---- operations in their fixed order ----
    // The node depth-first: element ids, the slider with its record, then the child nodes.
    virtual void Serialize(CArchive& ar) override;
    // Screen union of the present elements.
    virtual void GetWindowRect(CRect& rect) const;
    virtual void GetMinSize(CSize& size) const;
    virtual void GetMinSizeFirst(CSize& size) const;
    virtual void GetMinSizeSecond(CSize& size) const;
    virtual int GetResizeStep() const;
    // Finds the node that holds pBar and takes it out there.
    virtual void RemoveControlBar(CTavoPDockingControlBar* pBar);
    // Takes pBar off the given side; the neighbouring area takes its space.
    virtual void DeleteControlBar(CTavoPDockingControlBar* pBar, BOOL bFirst);
    virtual void StoreRecentDockInfo(CTavoPDockingControlBar* pBar);
    // Moves the subtree so that its top-left corner is at pt (dock-site client coordinates).
    virtual void Move(CPoint pt);

    // ---- elements ----
    void SetBar(CTavoPDockingControlBar* pBar, BOOL bFirst);
    void SetChild(CTavoPBarContainer* pChild, BOOL bFirst);
    void SetSlider(CTavoPSlider* pSlider) { m_pSlider = pSlider; }
    void SetParentContainer(CTavoPBarContainer* pParent) { m_pParentContainer = pParent; }
    CTavoPDockingControlBar* GetLeftBar() const { return m_pBarLeftTop; }
    CTavoPDockingControlBar* GetRightBar() const { return m_pBarRightBottom; }
    CTavoPBarContainer* GetLeftContainer() const { return m_pLeftContainer; }
    CTavoPBarContainer* GetRightContainer() const { return m_pRightContainer; }
    CTavoPBarContainer* GetParentContainer() const { return m_pParentContainer; }
    CTavoPSlider* GetSlider() const { return m_pSlider; }
    CTavoPBarTreeManager* GetManager() const { return m_pContainerManager; }
    // This node's share of its parent, in percent.
    int GetPercent() const { return m_nPercent; }
    void SetPercent(int nPercent) { m_nPercent = nPercent; }

    // ---- remembered places ----
    // Recent-dock records hold references. A node that the tree lets go while it is still
    // referenced is only detached; the last release deletes it.
    DWORD AddRef() { return ++m_dwRefCount; }
    DWORD Release();
    DWORD GetRefCount() const { return m_dwRefCount; }
    // Deletes the node when it holds at most one element and nothing refers to it; its
    // remaining element takes its place in the parent.
    void ReleaseEmpty();
    // The tree no longer wants this node: deleted now, or detached until the last release.
    void Discard();
    // Still part of a tree (not detached while referenced).
    BOOL IsAttached() const { return !m_bDetached; }

    // ---- the subtree ----
    CTavoPBarContainer* FindContainer(CObject* pItem, FindKind kind);
    BOOL IsEmpty() const;
    BOOL IsVisible() const;
    // Some pane of the subtree takes part in the layout.
    BOOL IsVisibleOrPresent() const;
    BOOL IsFirstSideEmpty(BOOL bVisibleOnly) const;
    BOOL IsSecondSideEmpty(BOOL bVisibleOnly) const;
    BOOL IsHorizontal() const;
    void CheckSliderVisibility();
    // Puts pBar back on its remembered side of this node; answers the bar, or the tabbed bar
    // it joined.
    CTavoPDockingControlBar* AddRecentBar(CTavoPDockingControlBar* pBar);
    // Records every node's and pane's share from the present geometry.
    void StoreRecentPercents();
    // Lays the subtree out proportionally in rect (dock-site client coordinates).
    HDWP ResizeContainer(CRect rect, HDWP hdwp);
    // Moves the boundary between the two sides by nOffset, cut down to what the minimum sizes
    // allow; nOffset answers the move made.
    HDWP ResizeByOffset(int& nOffset, HDWP hdwp);
    // Lays the subtree out in rect by the stored shares instead of the present geometry.
    HDWP LayoutByPercents(CRect rect, HDWP hdwp);
    void SetManager(CTavoPBarTreeManager* pManager, BOOL bRecursive);
    // A copy that takes the visible part of this subtree; the hidden part stays here.
    CTavoPBarContainer* Clone(CTavoPBarContainer* pNewParent);
    // Lets go of both child subtrees and destroys their inner sliders.
    void ReleaseAll();
    void CollapseEmpty();
    // After loading: puts pBar on the side whose stored id is nID.
    BOOL SetBarByID(UINT nID, CTavoPDockingControlBar* pBar);
    CTavoPBaseTabbedBar* FindTabbedBarByTabID(UINT nID);
    // The tabbed bars a load made (still without tabs) go again, except those in pKeep.
    void DestroyLoadedTabbedBars(const CObList* pKeep = NULL);
    int GetNodeCount() const;
    int GetTotalRefCount() const;
    // Drops every pane the manager no longer counts as valid.
    void ValidateBars();

    // The slider's window is going: the node keeps its orientation and place.
    void ForgetSlider();
    // The screen rectangle a side takes part in the layout with; empty when it does not.
    CRect GetSideRectOf(BOOL bFirst) const { return GetSideRect(bFirst); }
    DWORD GetSavedSliderStyle() const { return m_dwSavedSliderStyle; }
    CRect GetSavedSliderRect() const { return m_rectSavedSliderRect; }

    // ---- what an archive read ----
    int GetSavedLeftBarID() const { return m_nSavedLeftBarID; }
    int GetSavedRightBarID() const { return m_nSavedRightBarID; }
    int GetSavedSliderID() const { return m_nSavedSliderID; }
    const CList<UINT, UINT>& GetSavedTabIDs(BOOL bFirst) const
    {
        return bFirst ? m_lstSavedFirstTabIDs : m_lstSavedSecondTabIDs;
    }
    // A node nested deeper than this is taken for damage when read.
    enum
    {
        MAX_LOAD_DEPTH = 64
    };

protected:
    CTavoPDockingControlBar* m_pBarLeftTop;
    CTavoPDockingControlBar* m_pBarRightBottom;
    CTavoPSlider* m_pSlider;
    CTavoPBarContainer* m_pLeftContainer;
    CTavoPBarContainer* m_pRightContainer;
    CTavoPBarContainer* m_pParentContainer;
    CTavoPBarTreeManager* m_pContainerManager;
    int m_nPercent;
    BOOL m_bSavedSliderHorz;
    DWORD m_dwSavedSliderStyle;
    CRect m_rectSavedSliderRect; // client coordinates of the dock site
    DWORD m_dwRefCount;
    int m_nSavedLeftBarID;
    int m_nSavedRightBarID;
    int m_nSavedSliderID;
    CList<UINT, UINT> m_lstSavedFirstTabIDs;
    CList<UINT, UINT> m_lstSavedSecondTabIDs;
    BOOL m_bDetached;
    // While a bar comes back: the first side's extent it had in this very rectangle (dock-site
    // client), which the layout by percents keeps; -1 otherwise.
    CRect m_rectExactPlace;
    int m_nExactFirst;

    void SerializeNode(CArchive& ar, int nDepth);
    // One element of a node record: a pane's id, or the block of a tabbed bar.
    void StoreElement(CArchive& ar, CTavoPDockingControlBar* pBar);
    void LoadElement(CArchive& ar, BOOL bFirst, LONG nID);
    BOOL IsSidePresent(BOOL bFirst) const;
    BOOL IsBarPresent(const CTavoPDockingControlBar* pBar) const;
    // The screen rectangle of a side (its bar's window, or its child's union).
    CRect GetSideRect(BOOL bFirst) const;
    int GetSidePercent(BOOL bFirst) const;
    HDWP LayoutSide(BOOL bFirst, CRect rect, int nPercent, HDWP hdwp);
    // Before a returning bar's layout: keeps its remembered extent when this node's rectangle
    // is the one it was remembered in.
    void KeepRecentExtent(const CTavoPRecentDockPlacement& placement, BOOL bFirst);
    CWnd* GetDockSite() const;

private:
    CTavoPBarContainer(const CTavoPBarContainer&) = delete;
    CTavoPBarContainer& operator=(const CTavoPBarContainer&) = delete;
};
