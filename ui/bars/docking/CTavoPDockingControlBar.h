// The resizable docking pane with its caption strip; so far only what the bars, the dock layout and the drag outline ask of it.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPSlider;

class CTavoPDockingControlBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPDockingControlBar)
public:
    CTavoPDockingControlBar();
    virtual ~CTavoPDockingControlBar();

    virtual BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, BOOL bHasCaption,
                        UINT nID, DWORD dwStyle, DWORD dwTabbedStyle = 0,
                        DWORD dwTavoStyle = TAVOP_CBRS_FLOAT, CCreateContext* pContext = NULL);
    using CTavoPControlBar::Create;
    // The tab strips at the top and the bottom; empty for a pane without tabs.
    virtual void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const;
    virtual BOOL IsTabLocationBottom() const { return TRUE; }
    virtual BOOL IsAutoHideMode() const { return m_bAutoHideMode; }
    // 3 attach as a tab, 2 beside it near an edge, 0 none.
    virtual int GetDockingStatus(CPoint pt, int nSensitivity) { return 0; }
    CTavoPSlider* GetDefaultSlider() const;

    // Space around the glyph of a caption button.
    static int m_nCaptionButtonMargin;
    int GetPercent() const { return m_nPercent; }

    virtual BOOL IsResizable() const override { return TRUE; }
    virtual BOOL IsPaneDragEnabled() const override { return TRUE; }
    virtual int GetCaptionHeight() const override { return m_nCaptionHeight; }

protected:
    int m_nCaptionHeight;
    BOOL m_bHasCaption;
    int m_nPercent;
    BOOL m_bAutoHideMode;
    HWND m_hDefaultSlider;
};
