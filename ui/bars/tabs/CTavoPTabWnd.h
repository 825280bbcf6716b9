// The tab window of tabbed bars and other tab hosts, with its 3-D and flat looks.
#pragma once
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"

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
    // The strip rectangle goes into the top or the bottom rectangle by the location.
    void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const;
    // Whether a frame is drawn around the page area.
    void SetDrawFrame(BOOL bDraw) { m_bDrawFrame = bDraw; }

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);

protected:
    BOOL m_bFlat;
    BOOL m_bCloseBtn;
    BOOL m_bDrawFrame;
    CRect m_rectTabsArea;
    CRect m_rectWndArea;

    DECLARE_MESSAGE_MAP()
};
