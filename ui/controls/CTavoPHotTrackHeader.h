// The column-title bar of a list that paints its items itself without flicker and lights the item under the mouse pointer.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPHotTrackHeader : public CHeaderCtrl
{
    DECLARE_DYNAMIC(CTavoPHotTrackHeader)
public:
    CTavoPHotTrackHeader();
    virtual ~CTavoPHotTrackHeader();

    // The item under the pointer, -1 for none.
    int GetHighlightedItem() const { return m_nHighlightedItem; }

    // Draws item iItem, or with -1 the empty area after the last item.
    virtual void OnDrawItem(CDC* pDC, int iItem, CRect rect, BOOL bIsPressed, BOOL bIsHighlighted);
    virtual void OnFillBackground(CDC* pDC);

protected:
    BOOL m_bIsMousePressed;
    int m_nHighlightedItem;
    BOOL m_bTracked; // a WM_MOUSELEAVE request is outstanding

    // Forgets the hot item and repaints at once when there was one.
    void ClearHighlight();

public:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    void OnCancelMode();

protected:
    DECLARE_MESSAGE_MAP()
};
