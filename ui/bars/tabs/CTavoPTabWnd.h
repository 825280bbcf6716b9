// The tab window of tabbed bars and other tab hosts, with its 3-D and flat looks.
#pragma once
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/bars/tabs/CTavoPTabButton.h"
#include "framework/CScrollBar.h"
#include <vector>

class CTavoPTabWnd : public CTavoPBaseTabWnd
{
    DECLARE_DYNCREATE(CTavoPTabWnd)
public:
    CTavoPTabWnd();
    virtual ~CTavoPTabWnd();

    // The looks: 3-D tabs drawn by the visual manager, flat, flat sharing the strip with a
    // scroll bar, 3-D with scroll buttons.
    enum Style
    {
        STYLE_3D = 0,
        STYLE_FLAT = 1,
        STYLE_FLAT_SHARED_HORZ_SCROLL = 2,
        STYLE_3D_SCROLLED = 3
    };

    // Sent to the parent after the shared scroll bar scrolled the active page: wParam as in
    // WM_HSCROLL.
    static UINT TAVOM_ON_HSCROLL;

    // A child window with the tab strip at the top (LOCATION_TOP) or the bottom.
    virtual BOOL Create(Style style, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        Location location = LOCATION_BOTTOM, BOOL bCloseBtn = FALSE);

    virtual BOOL IsFlatTab() const override { return m_bFlat; }
    virtual BOOL IsPtInTabArea(CPoint point) const override;
    virtual void RecalcLayout() override;
    virtual BOOL SetActiveTab(int iTab) override;
    // Scrolls the strip until the tab shows; FALSE when it already did or the look cannot scroll.
    virtual BOOL EnsureVisible(int iTab) override;
    // The strip rectangle goes into the top or the bottom rectangle by the location.
    void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const;
    // Whether a frame is drawn around the page area.
    void SetDrawFrame(BOOL bDraw) { m_bDrawFrame = bDraw; }
    // No tab strip while no tab is visible.
    void HideNoTabs(BOOL bHide = TRUE);
    BOOL IsHideNoTabs() const { return m_bHideNoTabs; }
    // The background behind the pages is left as the parent drew it.
    void SetTransparent(BOOL bTransparent) { m_bTransparent = bTransparent; }
    int GetTabsHorzOffset() const { return m_nTabsHorzOffset; }
    int GetTabsHorzOffsetMax() const { return m_nTabsHorzOffsetMax; }

    // Shrinks the font until its text with a pixel above and below fits nHeight, down to a
    // height of 1 at the least; answers the text height of the font made.
    static int FitFontToHeight(LOGFONT& lf, int nHeight, CFont& font);

    // The strip buttons in the order they stand, left to right.
    const std::vector<HWND>& GetStripButtons() const { return m_lstButtons; }

    // A page made active is sized one pixel wider and back, so that it lays itself out again.
    void SetResizeOnActivate(BOOL bResize) { m_bResizeOnActivate = bResize; }
    // The whole layout is worked out again each time another tab becomes active.
    void SetRecalcLayoutOnActivate(BOOL bRecalc) { m_bRecalcLayoutOnActivate = bRecalc; }

    // The scroll bar that shares the strip with the tabs (look 2 only) and the grip left of it.
    CScrollBar& GetSharedScrollBar() { return m_wndScrollWnd; }
    const CRect& GetTabSplitterRect() const { return m_rectTabSplitter; }
    int GetHorzScrollWidth() const { return m_nHorzScrollWidth; }
    // Gives the shared scroll bar the active page's horizontal range and position (or those of
    // pScrollInfo); disabled when the page has none or shows all of it.
    void SynchronizeScrollBar(SCROLLINFO* pScrollInfo = nullptr);
    // Activates the next (or previous) visible tab, round the end; the page takes the focus.
    BOOL ActivateNextTab(BOOL bForward);

    // A toolbar button dragged over a tabbed toolbar's tab opens that tab, so that it can be
    // dropped on the toolbar inside.
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState,
                                   CPoint point) override;
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point) override;

    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnCancelMode();
    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    void OnSetFocus(CWnd* pOldWnd);

protected:
    // The flat looks' fonts and strip height: Arial as tall as the GUI font allows.
    void SetFlatFonts();
    // Puts the visible tabs side by side from the tab area's left edge less the scroll offset.
    void RepositionTabs();
    // The page area's frame; the strip side stays open for the active tab to join the page.
    void DrawFrame(CDC& dc, BOOL bStrip);
    void DrawTab(CDC& dc, int iTab, BOOL bIsActive);

    // Moves the strip buttons into their corner of the strip and takes their room from the tab area.
    void LayoutButtons(const CRect& rectStrip);
    BOOL CreateStripButton(CTavoPTabButton& button, int iImage, BOOL bRepeat, UINT uiTipID);
    // Moves the strip by nOffset pixels, kept between none and the largest offset.
    void ScrollTabs(int nOffset);
    // Enables the close button as the active page's system menu allows closing it.
    void UpdateCloseButton();
    // The shared scroll bar and the grip in the right part of the strip (look 2).
    void LayoutSharedScroll(const CRect& rectStrip);
    // The strip's free part, beside the tabs: a press there drags the parent.
    BOOL IsFreeStripPoint(CPoint point);
    void EndSplitterTracking();

    CScrollBar m_wndScrollWnd;
    CTavoPTabButton m_btnScrollLeft;
    CTavoPTabButton m_btnScrollRight;
    CTavoPTabButton m_btnScrollFirst;
    CTavoPTabButton m_btnScrollLast;
    CTavoPTabButton m_btnClose;
    std::vector<HWND> m_lstButtons;
    BOOL m_bFlat;
    BOOL m_bSharedScroll;
    BOOL m_bScroll;
    BOOL m_bCloseBtn;
    BOOL m_bHideNoTabs;
    BOOL m_bTransparent;
    BOOL m_bDrawFrame;
    BOOL m_bResizeOnActivate;
    BOOL m_bRecalcLayoutOnActivate;
    CRect m_rectTabSplitter;
    int m_nHorzScrollWidth;
    BOOL m_bTrackSplitter;
    // Where the grip drag started and the bar's width then.
    int m_nTrackStartX;
    int m_nTrackStartWidth;
    // Set while a WM_HSCROLL goes to the active page, which may answer with one of its own.
    BOOL m_bInScrollRelay;
    int m_nTabsHorzOffset;
    int m_nTabsHorzOffsetMax;
    int m_nTabsTotalWidth;
    CRect m_rectTabsArea;
    CRect m_rectWndArea;
    CFont m_fntTabs;
    CFont m_fntTabsBold;

    DECLARE_MESSAGE_MAP()
};
