// A property grid: named values in a name and a value column, under collapsible groups or sorted by name, edited in place, with a description area below.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CObList.h"
#include "ui/controls/proplist/CTavoPProp.h"

// Sent to the owner when the user changed a value: wParam the list's control id, lParam the
// CTavoPProp that changed.
extern const UINT TAVOM_PROPERTYCHANGED;

class CTavoPPropList : public CWnd
{
public:
    CTavoPPropList();
    virtual ~CTavoPPropList();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- items ----
    // The list takes ownership. -1 (nothing taken) for a null item or one that belongs elsewhere.
    int AddProperty(CTavoPProp* pProp, BOOL bRedraw = TRUE);
    // Deletes every item.
    void RemoveAll();
    int GetPropertyCount() const { return (int)m_lstProps.GetCount(); }
    CTavoPProp* GetProperty(int nIndex) const;
    // The item under a client point with the area it is over, or null.
    CTavoPProp* HitTest(CPoint point, CTavoPProp::ClickArea* pnArea = nullptr) const;
    // The rows that show, top to bottom, whether scrolled into view or not.
    void GetShownItems(CObList& lstItems) const;

    // ---- modes ----
    void SetAlphabeticMode(BOOL bSet = TRUE);
    BOOL IsAlphabeticMode() const { return m_bAlphabeticMode; }
    void EnableDescriptionArea(BOOL bEnable = TRUE);
    BOOL IsDescriptionArea() const { return m_bDescriptionArea; }
    void ExpandAll(BOOL bExpand = TRUE);

    // ---- selection and editing ----
    void SetCurSel(CTavoPProp* pProp, BOOL bRedraw = TRUE);
    CTavoPProp* GetCurSel() const { return m_pSel; }
    // Scrolls so that the item's row shows whole.
    void EnsureVisible(CTavoPProp* pProp);
    // Opens the item's editor; the click point (client coordinates) goes to the editor.
    BOOL EditItem(CTavoPProp* pProp, LPPOINT lptClick = nullptr);
    // Closes the open editor, taking its value first when bUpdateData. FALSE when the value did
    // not convert (the old one stays).
    BOOL EndEditItem(BOOL bUpdateData = TRUE);
    // Tells the owner that the user changed the item.
    virtual void OnPropertyChanged(CTavoPProp* pProp) const;
    // Tells the user that the text typed for the item is no value of its type.
    virtual void ReportBadValue(CTavoPProp* pProp, const CString& strText);

    // ---- layout ----
    void AdjustLayout();
    void ReposProperties();
    int GetRowHeight() const { return m_nRowHeight; }
    int GetLeftColumnWidth() const { return m_nLeftColumnWidth; }
    int GetHeaderHeight() const { return m_nHeaderHeight; }
    int GetDescriptionHeight() const { return m_bDescriptionArea ? m_nDescrHeight : 0; }
    int GetFirstVisibleRow() const { return m_nVertScrollOffset; }
    int GetRowsPerPage() const { return m_nVisibleRows; }
    int GetTotalRows() const { return m_nVertScrollTotal; }
    CRect GetListRect() const { return m_rectList; }
    CRect GetDescriptionRect() const;
    CHeaderCtrl& GetHeaderCtrl() { return m_wndHeader; }
    CScrollBar& GetScrollBar() { return m_wndScrollVert; }
    CToolTipCtrl& GetToolTip() { return m_wndToolTip; }

    // ---- drawing ----
    CFont* GetListFont() const;
    CFont* GetBoldFont() { return &m_fontBold; }
    COLORREF GetGroupBackgroundColor() const { return m_clrGray; }
    BOOL HasFocus() const { return m_bFocused; }
    // The whole client area into pDC.
    void OnDraw(CDC* pDC);

    // Scroll-bar width a row leaves free at the right.
    int GetScrollBarWidth() const;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    void Init();
    void CreateFonts();
    void UpdateGroupColor();
    void SetScrollSizes();
    void SetHeaderWidths();
    // Fills the flat sorted list of the alphabetical mode.
    void ReposSorted();
    void OnDrawProperty(CDC* pDC, CTavoPProp* pProp);
    void OnDrawDescription(CDC* pDC, CRect rect);
    void AddTerminal(CTavoPProp* pProp);
    void SetExpandedDeep(CTavoPProp* pProp, BOOL bExpand);
    // The item under a list point, whether scrolled into view or not.
    CTavoPProp* HitTestRows(CPoint point, CTavoPProp::ClickArea* pnArea) const;
    // Moves the first visible row, clamped, and scrolls the rows.
    void SetFirstVisibleRow(int nRow);
    int ClampFirstRow(int nRow) const;
    // The row at the given distance from the selection in shown order, or null.
    CTavoPProp* GetShownNeighbour(int nDelta) const;
    void SelectAndShow(CTavoPProp* pProp);
    BOOL IsOverDescrSplitter(CPoint point) const;
    BOOL IsOverColumnSplitter(CPoint point) const;
    void DrawTrackingLine(int nPos, BOOL bHorz);
    void StopTracking(CPoint point, BOOL bApply);
    void UpdateToolTip(CPoint point);

    CObList m_lstProps;         // top-level items, owned
    CObList m_lstTerminalProps; // the alphabetical mode's flat list
    CTavoPProp* m_pSel;
    BOOL m_bAlphabeticMode;
    int m_nLeftColumnWidth;
    int m_nRowHeight;
    int m_nHeaderHeight;
    int m_nVertScrollOffset; // the first visible row
    int m_nVisibleRows;      // rows per page
    int m_nVertScrollTotal;  // shown rows
    CRect m_rectList;
    CHeaderCtrl m_wndHeader;
    CScrollBar m_wndScrollVert;
    CToolTipCtrl m_wndToolTip;
    BOOL m_bDescriptionArea;
    int m_nDescrHeight;
    HFONT m_hFont; // the font the window was given, or null
    CFont m_fontBold;
    BOOL m_bTracking;      // dragging the column splitter
    BOOL m_bTrackingDescr; // dragging the description splitter
    int m_nTrackPos;       // where the tracking line shows, or -1
    COLORREF m_clrGray;
    BOOL m_bFocused;
    BOOL m_bEndingEdit;
    // Counts the times items were deleted: a change told to the owner may delete them all.
    UINT m_nDeletions;
    CTavoPProp* m_pTipProp;
    int m_nTipArea;

    // Ends an edit and deletes every item, telling the handlers that may still run that items went.
    void DeleteItems();

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnCancelMode();
    void OnCaptureChanged(CWnd* pWnd);
    void OnSysColorChange();
    void OnNcPaint();
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    LRESULT OnEndEditRequest(WPARAM wParam, LPARAM lParam);
    LRESULT OnTakeEditorValue(WPARAM wParam, LPARAM lParam);

    // Posted by an editor that lost the focus: wParam is its window.
    static const UINT WM_TAVOP_ENDEDIT = WM_USER + 0x151;
    // Posted when an editor's choice is made (a list's item, a colour): wParam is its window.
    // The value is taken after the editor's own notification has returned.
    static const UINT WM_TAVOP_TAKEVALUE = WM_USER + 0x152;
    UINT GetDeletionCount() const { return m_nDeletions; }

protected:
    DECLARE_MESSAGE_MAP()
};
