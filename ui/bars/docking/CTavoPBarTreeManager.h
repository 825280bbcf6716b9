// One layout tree of docking panes: its root node, its panes in layout order, its sliders and the window they live in.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPBarContainer;
class CTavoPBaseTabbedBar;
class CTavoPDockingControlBar;
class CTavoPSlider;

class CTavoPBarTreeManager : public CObject
{
public:
    CTavoPBarTreeManager();
    virtual ~CTavoPBarTreeManager();

    // ---- operations in their fixed order ----
    // The root node's record, then the panes of the list by control id.
    virtual void Serialize(CArchive& ar) override;
    // pDockSite: the frame or floating frame that is the parent of every pane and slider;
    // pDefaultSlider: the slider the tree hangs off, none for a floating tree; pContainerRTC:
    // the class of new nodes, plain nodes when null.
    virtual BOOL Create(CWnd* pDockSite, CTavoPSlider* pDefaultSlider,
                        CRuntimeClass* pContainerRTC = NULL);
    // Places the visible part of another tree beside pTargetBar (dwAlignment: the side of the
    // target, CBRS_ALIGN_LEFT, _TOP, _RIGHT or _BOTTOM); bCopy leaves the hidden part there.
    virtual BOOL MergeTree(CTavoPDockingControlBar* pTargetBar, DWORD dwAlignment,
                           CTavoPBarTreeManager* pOtherManager, BOOL bCopy);
    // Fills this empty tree with the visible part of another one.
    virtual BOOL TakeOverTree(CTavoPBarTreeManager* pOtherManager, BOOL bAutoHide);
    virtual BOOL AttachTreeToBar(CTavoPDockingControlBar* pTargetBar,
                                 CTavoPBarTreeManager* pOtherManager);
    // The first pane of a new tree.
    virtual void AddControlBar(CTavoPDockingControlBar* pBar);
    virtual CTavoPDockingControlBar* AddControlBarToRecentContainer(CTavoPDockingControlBar* pBar,
                                                                    CTavoPBarContainer* pContainer);
    // Splits the place of pExistingBar: pNewBar goes to its dwAlignment side, a slider between.
    // Nothing changes when the slider cannot be made.
    virtual BOOL InsertControlBar(CTavoPDockingControlBar* pNewBar,
                                  CTavoPDockingControlBar* pExistingBar, DWORD dwAlignment);
    virtual int MoveSlider(CTavoPSlider* pSlider, int nOffset, HDWP& hdwp);
    // Screen rectangle of the whole tree.
    virtual void GetWindowRect(CRect& rect) const;
    // The tree's rectangle minus what its panes and sliders cover (screen).
    virtual void GetFreeRect(CRect& rect) const;
    virtual BOOL RemoveControlBar(CTavoPDockingControlBar* pBar);
    // Lays the tree out in rect (dock-site client coordinates).
    virtual HDWP ResizeTree(CRect rect, HDWP hdwp);
    // Moves the tree's edge on dwSide (CBRS_ALIGN_) outwards (bGrow) or inwards by nOffset.
    virtual HDWP StretchTree(DWORD dwSide, BOOL bGrow, int nOffset, HDWP hdwp);
    virtual BOOL ReplaceControlBar(CTavoPDockingControlBar* pBarOld,
                                   CTavoPDockingControlBar* pBarNew);
    // How far the slider may move backwards (nTowardsFirst, negative) and forwards.
    virtual void GetSliderLimits(CTavoPSlider* pSlider, int& nTowardsFirst, int& nTowardsSecond,
                                 int& nStep) const;
    virtual BOOL CheckVisibility();
    virtual BOOL IsVisible() const;
    virtual void GetMinSize(CSize& size) const;
    virtual int GetVisibleBarCount() const;
    virtual void ShowBarCaptions(BOOL bShow);
    virtual void HideAll();
    virtual BOOL CanFloat() const;
    virtual BOOL CanFloatHere() const;
    // The pane a drag at point (screen) would dock to: over its tabs (bInTabArea), its caption
    // (bOnCaption), within nSensitivity of its edge, or, unless bExactOnly, near it.
    virtual CTavoPDockingControlBar* FindBarAtPoint(CPoint point, int nSensitivity, BOOL bExactOnly,
                                                    BOOL& bInTabArea, BOOL& bOnCaption);
    virtual BOOL GetBarInMiniFrameCaption(CPoint point, CTavoPDockingControlBar*& pBar);
    virtual CTavoPDockingControlBar* GetFirstBar() const;
    virtual CWnd* GetDockSite() const { return m_pDockSite; }
    virtual CTavoPDockingControlBar* GetFirstVisibleBar() const;
    // While set, no pane of the tree hides itself when the mouse leaves it (a slider drag runs).
    virtual void SetAutoHideHiding(BOOL bDisable);
    virtual void RemoveSlider(CTavoPSlider* pSlider);
    virtual void StoreRecentDockInfo(CTavoPDockingControlBar* pBar);
    virtual CTavoPBarContainer* FindContainer(const CTavoPDockingControlBar* pBar,
                                              BOOL& bLeftBar) const;

    // ---- the rest of the interface ----
    // A slider owning no tree; nID -1 takes the next free id. Null when the window fails.
    CTavoPSlider* CreateSlider(CRect rect, DWORD dwOrientation, int nID = -1);
    // A new default slider for a side of the frame, owning an empty tree; null when its window
    // cannot be made.
    static CTavoPSlider* CreateDefaultSlider(CFrameWnd* pDockSite, DWORD dwSide);
    CTavoPBaseTabbedBar* FindTabbedBarByTabID(UINT nID) const;
    void GetVisibleBarsAndSliders(CObList& lstBars, CObList& lstSliders) const;
    void RemoveVisibleFromLists();
    // Takes a pane out of the list and its node without laying anything out: it never took
    // part in this tree (a loaded tree naming a pane that stays elsewhere).
    void DropBar(CTavoPDockingControlBar* pBar);
    // Drops a pane whose window died (or a tabbed bar without tabs) from the list.
    BOOL IsBarValid(CTavoPDockingControlBar* pBar);
    void ValidateBars();
    BOOL IsEmpty() const { return m_lstControlBars.IsEmpty(); }
    int GetNodeCount() const;
    int GetTotalRefCount() const;
    void NotifyDefaultSlider();
    BOOL IsBarInTree(const CTavoPDockingControlBar* pBar) const;

    CTavoPBarContainer* GetRootContainer() const { return m_pRootContainer; }
    CTavoPSlider* GetDefaultSlider() const { return m_pDefaultSlider; }
    void SetDefaultSlider(CTavoPSlider* pSlider) { m_pDefaultSlider = pSlider; }
    const CObList& GetBars() const { return m_lstControlBars; }
    const CObList& GetSliders() const { return m_lstSliders; }
    // The id a slider of this tree takes: nWanted unless a slider of the tree or another window
    // of the dock site has it already (or nWanted is -1), else the next value of the counter.
    int NextSliderID(int nWanted) const;
    static int NextFreeSliderID(CWnd* pDockSite, int nWanted, const CObList* pSliders = NULL);
    // A new node of the tree's node class.
    CTavoPBarContainer* CreateContainer();
    // A slider made elsewhere (read from a layout, or of another tree) joins this tree.
    void AdoptSlider(CTavoPSlider* pSlider);
    // Hands the whole tree over to another manager; this one keeps an empty root.
    CTavoPBarContainer* DetachTree();

    // Thickness of the sliders made when a place is split.
    static int m_nDefaultSliderSize;
    // How close the default slider may come to the frame's inner edge.
    static int m_nDefaultSliderLimitMargin;

protected:
    CObList m_lstControlBars;
    CObList m_lstSliders;
    CTavoPBarContainer* m_pRootContainer;
    CRuntimeClass* m_pContainerRTC;
    CTavoPSlider* m_pDefaultSlider;
    BOOL m_bOwnsTree;
    CWnd* m_pDockSite;

    // The rectangles of an element of size sizeNew placed on dwAlignment of rectExisting
    // (screen), and of the slider between them.
    static void SplitRects(CRect& rectExisting, CRect& rectNew, CRect& rectSlider,
                           DWORD dwAlignment, CSize sizeMinNew);
    // The dock manager that lists the panes of this tree.
    class CTavoPDockManager* FindDockManager() const;
    // Reads the root's record and the list of the tree's bars.
    void LoadTree(CArchive& ar);

private:
    CTavoPBarTreeManager(const CTavoPBarTreeManager&) = delete;
    CTavoPBarTreeManager& operator=(const CTavoPBarTreeManager&) = delete;
};
