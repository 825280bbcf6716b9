// One row of fixed-size bars inside a dock bar: places the bars, keeps them from overlapping, shrinks them when the frame is too small and lets them grow back.
#pragma once
#include "framework/FrameworkWin.h"
#include <vector>

// winbase.h makes this name a macro; the row has a member of the same name.
#ifdef GetFreeSpace
#undef GetFreeSpace
#endif

class CTavoPDockBar;
class CTavoPControlBar;

class CTavoPDockBarRow : public CObject
{
    DECLARE_DYNAMIC(CTavoPDockBarRow)
public:
    CTavoPDockBarRow(CTavoPDockBar* pDockBar, int nOffset, int nThickness);

    // A bar as the row lays it out: its position and length along the row.
    struct Slot
    {
        CTavoPControlBar* pBar;
        int nPos;
        int nLength;
    };
    virtual ~CTavoPDockBarRow();

    virtual void Serialize(CArchive& ar) override {}
    virtual BOOL Create() { return TRUE; }
    // The row's rectangle in dock-bar client coordinates; answers the leading coordinate.
    virtual int GetAvailableRect(CRect& rect) const { return GetClientRect(rect); }
    virtual int GetVisibleBarCount() const;
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) const;
    // Places a bar at rect (screen) or, without one, at the row's start or after its last bar.
    virtual void AddControlBar(CTavoPControlBar* pBar, int nDockMethod, LPCRECT lpRect = NULL,
                               BOOL bAddLast = TRUE);
    // Places a bar keeping its window size: by mouse under the cursor, else where it is.
    virtual void AddControlBarKeepSize(CTavoPControlBar* pBar, int nDockMethod);
    virtual BOOL RemoveControlBar(CTavoPControlBar* pBar);
    // The bars of an auto-hide row side by side from nStart, nGap apart.
    virtual void ArrangeFromOffset(int nStart, int nGap);
    virtual BOOL HasProperty() const { return FALSE; }
    virtual int ResizeBy(int nDelta);
    virtual void MoveBy(int nDelta);
    // Every bar of the row, shown or hidden, at the row's place across the dock bar, where
    // MoveBy would have put it while a stored layout was restored.
    void PlaceBarsAcross();
    virtual void ArrangeBars(CTavoPControlBar* pBar = NULL);
    // The row takes the length of rectNew (dock-bar client coordinates).
    virtual void StretchRow(const CRect& rectNew, int nKind, BOOL bGrow, int nAmount);
    virtual BOOL IsEmpty() const { return m_lstBars.IsEmpty(); }
    virtual void UpdateVisibility(BOOL bNotify = TRUE);
    virtual void SetVisible(BOOL bVisible, BOOL bNotify = TRUE);
    virtual BOOL ReplaceControlBar(CTavoPControlBar* pOldBar, CTavoPControlBar* pNewBar);
    virtual BOOL ShowControlBar(CTavoPControlBar* pBar, BOOL bShow, BOOL bDelay);
    virtual void GetBarIDs(CDWordArray& ids) const {}
    virtual BOOL IsVisible() const { return m_bVisible; }
    // Room left in the row: negative when the bars do not fit. With bRecorded the bars count
    // at their full docked lengths.
    virtual int GetFreeSpace(BOOL bRecorded) const;
    virtual BOOL IsExclusive() const;
    virtual void InsertInOrder(CTavoPControlBar* pBar);

    // Drags pBar along the row by the component of (dx, dy) along it.
    void MoveControlBar(CTavoPControlBar* pBar, int dx, int dy, HDWP* phdwp = NULL);
    // The bars re-fitted where they are, without a change of the row's size.
    void RecalcLayout();
    // A bar of the row changed its size by itself.
    void OnBarResized(CTavoPControlBar* pBar);

    int GetClientRect(CRect& rect) const;
    int GetWindowRect(CRect& rect) const;
    BOOL IsHorizontal() const { return (m_dwAlignment & CBRS_ORIENT_HORZ) != 0; }
    int GetThickness() const { return m_nThickness; }
    int GetOffset() const { return m_nOffset; }
    void SetOffset(int nOffset) { m_nOffset = nOffset; }
    CTavoPDockBar* GetDockBar() const { return m_pDockBar; }
    const CObList& GetBars() const { return m_lstBars; }
    BOOL HasBar(const CTavoPControlBar* pBar) const;
    void SetExtraThickness(int nExtra, BOOL bAtStart)
    {
        m_nExtraThickness = nExtra;
        m_bExtraAtStart = bAtStart;
    }
    int GetExtraThickness() const { return m_nExtraThickness; }
    void SetShowHiddenBars(BOOL bShow) { m_bShowHiddenBars = bShow; }

protected:
    BOOL m_bShowHiddenBars;
    BOOL m_bVisible;
    int m_nThickness;
    int m_nOffset; // from the dock bar's client top (horizontal) or left (vertical)
    CObList m_lstBars;
    DWORD m_dwAlignment;
    CTavoPDockBar* m_pDockBar;
    int m_nExtraThickness;
    BOOL m_bExtraAtStart;
    BOOL m_bArranging; // bars resized by the row do not make it re-arrange itself

    std::vector<Slot> VisibleSlots() const;
    BOOL Counts(const CTavoPControlBar* pBar) const;
    int Length() const;
    int RowStartScreen() const;
    CRect BarRectInRow(const CTavoPControlBar* pBar) const;
    int RecentPos(const CTavoPControlBar* pBar) const;
    // Moves every slot's bar to its slot (dock-bar client coordinates).
    void ApplySlots(const std::vector<Slot>& slots, HDWP* phdwp = NULL);
    // Pushes overlapping slots apart outwards from slot k and keeps them inside nLength.
    static void ResolveOverlaps(std::vector<Slot>& slots, int k, int nLength);
    // Shrinks slots from the last one towards the first until they fit nLength.
    void ShrinkToFit(std::vector<Slot>& slots, int nLength);
    void FitRow(int nLength, BOOL bGrow);
    void ThicknessToThickestBar();
    friend class CTavoPDockBar;
};
