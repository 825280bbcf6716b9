// The tab window of tabbed bars and other tab hosts, with its 3-D and flat looks.
#pragma once
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/controls/CTavoPButton.h"
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

    // The strip buttons in the order they stand, left to right.
    const std::vector<HWND>& GetStripButtons() const { return m_lstButtons; }

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);

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
    BOOL CreateStripButton(CTavoPButton& button, int iImage, BOOL bRepeat);
    // Moves the strip by nOffset pixels, kept between none and the largest offset.
    void ScrollTabs(int nOffset);

    CTavoPButton m_btnScrollLeft;
    CTavoPButton m_btnScrollRight;
    CTavoPButton m_btnScrollFirst;
    CTavoPButton m_btnScrollLast;
    CTavoPButton m_btnClose;
    std::vector<HWND> m_lstButtons;
    BOOL m_bFlat;
    BOOL m_bSharedScroll;
    BOOL m_bScroll;
    BOOL m_bCloseBtn;
    BOOL m_bHideNoTabs;
    BOOL m_bTransparent;
    BOOL m_bDrawFrame;
    int m_nTabsHorzOffset;
    int m_nTabsHorzOffsetMax;
    int m_nTabsTotalWidth;
    CRect m_rectTabsArea;
    CRect m_rectWndArea;
    CFont m_fntTabs;
    CFont m_fntTabsBold;

    DECLARE_MESSAGE_MAP()
};
