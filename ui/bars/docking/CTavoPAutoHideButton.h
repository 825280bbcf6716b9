// One button on an auto-hide strip, standing for one auto-hidden docking pane.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPAutoHideToolBar;
class CTavoPDockingControlBar;

class CTavoPAutoHideButton : public CObject
{
    DECLARE_DYNCREATE(CTavoPAutoHideButton)
public:
    CTavoPAutoHideButton();
    virtual ~CTavoPAutoHideButton();

    virtual void Serialize(CArchive& ar) override {}

    virtual BOOL Create(CTavoPAutoHideToolBar* pParentBar, CTavoPDockingControlBar* pAttachedBar,
                        DWORD dwAlignment);
    virtual void SetVisible(BOOL bVisible) { m_bVisible = bVisible; }
    virtual BOOL IsVisible() const { return m_bVisible; }
    virtual void OnDraw(CDC* pDC);
    virtual void OnFillBackground(CDC* pDC, CRect rect);
    virtual void OnDrawBorder(CDC* pDC, CRect rectBounds, int nLeft, int nTop, int nRight,
                              int nBottom);
    // Pins the pane again; pTarget: the pane of a tab group it rejoins, or null.
    virtual void UnpinBar(CTavoPDockingControlBar* pTarget);

    // The button's size by its pane's icon and text and the strip's show-labels flag.
    CSize CalcSize() const;
    // Slides the pane out (bShow) or back in.
    void ShowAttachedBar(BOOL bShow);
    BOOL IsHorizontal() const
    {
        return m_dwAlignment == CBRS_ALIGN_TOP || m_dwAlignment == CBRS_ALIGN_BOTTOM;
    }

    const CRect& GetRect() const { return m_rect; }
    void SetRect(const CRect& rect) { m_rect = rect; }
    BOOL IsTop() const { return m_bTop; }
    void SetTop(BOOL bTop) { m_bTop = bTop; }
    DWORD GetAlignment() const { return m_dwAlignment; }
    CTavoPAutoHideToolBar* GetParentToolBar() const { return m_pParentBar; }
    CTavoPDockingControlBar* GetAttachedBar() const { return m_pAttachedBar; }

    static int m_nBorderSize;
    static int m_nMarginSize;
    static int m_nTextMargin;
    static int m_nTextSizeNoIcon;

protected:
    CRect m_rect;
    BOOL m_bTop;
    DWORD m_dwAlignment;
    WORD m_wReserved;
    BOOL m_bVisible;
    CTavoPAutoHideToolBar* m_pParentBar;
    CTavoPDockingControlBar* m_pAttachedBar;
};
