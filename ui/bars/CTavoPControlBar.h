// The dockable and floatable bar: base of toolbars, the menu bar, the status bar and docking panes.
#pragma once
#include "ui/bars/CTavoPBaseControlBar.h"

class CTavoPControlBar : public CTavoPBaseControlBar
{
    DECLARE_DYNCREATE(CTavoPControlBar)
public:
    CTavoPControlBar();
    virtual ~CTavoPControlBar();

    virtual int GetDragMode() const { return 0; }
    virtual void GetMinSize(CSize& size) const { size = CSize(1, 1); }
    virtual CSize CalcSize(BOOL bVertDock) { return CSize(0, 0); }
    virtual void OnAfterStretch(int nDelta) {}
    using CWnd::CreateEx;
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd, UINT nID, DWORD dwBehaviour = TAVOP_CBRS_FLOAT,
                          CCreateContext* pContext = NULL);

    void SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom);
    CRect GetBorders() const
    {
        return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
    }
    // Shrinks rect to the area inside the borders.
    void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    int GetMRUWidth() const { return m_nMRUWidth; }
    void SetMRUWidth(int nWidth) { m_nMRUWidth = nWidth; }

    // The mouse handlers; bars call them for presses outside their own items.
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnCancelMode();

    // The registered message a bar sends its frame for the bar context menu.
    static UINT GetPopupMenuMessage();

protected:
    int m_cxLeftBorder;
    int m_cxRightBorder;
    int m_cyTopBorder;
    int m_cyBottomBorder;
    int m_nMRUWidth;

    DECLARE_MESSAGE_MAP()
};
