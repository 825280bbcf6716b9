// The control bar that is itself a Windows rebar control, so that bars can live in its bands.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPReBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPReBar)
public:
    CTavoPReBar();
    virtual ~CTavoPReBar();

    // The rebar window on the parent, docked at the top unless dwStyle says otherwise.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                        CBRS_TOP,
                        UINT nID = AFX_IDW_REBAR);
    using CTavoPControlBar::Create;
    // A new band at the end holding pBar, sized to the bar's window.
    BOOL AddBar(CWnd* pBar, LPCTSTR lpszText = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);

    BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnHeightChange(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnShowBand(WPARAM wParam, LPARAM lParam);
    LRESULT OnRecalcParent(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
