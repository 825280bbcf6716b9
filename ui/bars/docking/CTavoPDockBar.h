// The strip along one side of a frame's client area into which fixed-size bars dock, in rows stacked from the frame edge inwards.
#pragma once
#include "ui/bars/CTavoPBaseControlBar.h"

class CTavoPControlBar;
class CTavoPDockBarRow;

class CTavoPDockBar : public CTavoPBaseControlBar
{
    DECLARE_DYNCREATE(CTavoPDockBar)
public:
    CTavoPDockBar();
    virtual ~CTavoPDockBar();

    virtual BOOL IsAnyBarDragging() const;
    virtual CTavoPDockBarRow* CreateRow(int nOffset, int nThickness);
    // Docks pBar: by mouse (method 1) into the row under the cursor, to its recent row
    // (method 2), by the rectangle (screen) or into a new row at the end.
    virtual void DockControlBar(CTavoPControlBar* pBar, int nDockMethod, LPCRECT lpRect = NULL);
    virtual BOOL DockNextTo(CTavoPControlBar* pBar, CTavoPControlBar* pExistingBar);
    virtual BOOL RemoveControlBar(CTavoPControlBar* pBar);
    // A docked bar dragged by (dx, dy): slides along its row, changes or opens a row, or
    // leaves the dock bar; TRUE when it now floats.
    virtual BOOL MoveControlBar(CTavoPControlBar* pBar, int dx, int dy);
    virtual void ShiftRowsAfterInsert(POSITION posAfter, int nDelta);
    virtual void ShiftRowsAfterRemove(POSITION posAfter, int nDelta, BOOL bWasVisible, BOOL bForce);
    virtual int ResizeRowBy(CTavoPDockBarRow* pRow, int nDelta);
    virtual void ShiftRowsAfterShow(CTavoPDockBarRow* pRow, BOOL bShow);
    virtual void OnRowHook(int, int, int, int) {}
    // The layout pass gives the dock bar its new client rectangle.
    virtual void RepositionRows(const CRect& rectNewClient);
    virtual void ArrangeRows();
    // Every row's bars, shown or hidden, at their row's place across the dock bar.
    void PlaceBarsAcrossRows();
    virtual BOOL ShowControlBar(CTavoPBaseControlBar* pBar, BOOL bShow, BOOL bDelay,
                                BOOL bActivate);
    using CTavoPBaseControlBar::ShowControlBar;
    virtual CTavoPControlBar* BarFromPoint(CPoint pt) const;
    virtual void AdjustDockSiteLayout();
    virtual UINT GetDockBarID() const { return m_nDockBarID; }
    virtual void SetDockBarRect(LPCRECT lpRect) {}
    virtual BOOL Create(DWORD dwAlignment, const RECT& rect, CFrameWnd* pParentWnd,
                        DWORD dwBehaviour = 0, CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwAlignment, const RECT& rect,
                          CFrameWnd* pParentWnd, DWORD dwBehaviour = 0,
                          CCreateContext* pContext = NULL);
    using CTavoPBaseControlBar::CreateEx;

    virtual BOOL CanAcceptBar(const CTavoPBaseControlBar* pBar) const override;
    virtual void OnBarHook3() override;
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual BOOL IsResizable() const override { return FALSE; }
    virtual BOOL CanFloatHere() const override { return FALSE; }
    virtual int GetCaptionHeight() const override { return 0; }
    virtual BOOL IsInMultiBarFrame() const override { return FALSE; }

    // Rows.
    CTavoPDockBarRow* AddRow(POSITION posBefore, int nThickness);
    void RemoveRow(CTavoPDockBarRow* pRow);
    int ResizeRow(CTavoPDockBarRow* pRow, int nThickness, BOOL bNotify = TRUE);
    void ShowRow(CTavoPDockBarRow* pRow, BOOL bShow, BOOL bNotify = TRUE);
    void SwapRows(CTavoPDockBarRow* pFirst, CTavoPDockBarRow* pSecond);
    // The visible row that holds pt (screen); bBeforeFirst when pt lies before all rows.
    CTavoPDockBarRow* RowFromPoint(CPoint pt, BOOL& bBeforeFirst) const;
    CTavoPDockBarRow* FindRowForBar(const CTavoPBaseControlBar* pBar) const;
    CTavoPBaseControlBar* FindBarByID(UINT nID) const;
    int FindRowIndex(const CTavoPDockBarRow* pRow) const;
    // Whether pBar sits in the row at nRow at the place along it that rectPlace (client
    // coordinates) gives: docking it there again would not move it.
    BOOL HoldsAt(const CTavoPControlBar* pBar, int nRow, const CRect& rectPlace) const;
    CTavoPDockBarRow* GetRow(int nIndex) const;
    void ResizeDockBar(int nDelta, BOOL bNotify);
    // While held, row changes add up and the dock bar is sized once, when the hold ends.
    void HoldResizes(BOOL bHold);
    BOOL HasRow(const CTavoPDockBarRow* pRow) const;
    const CObList& GetDockedBars() const { return m_lstControlBars; }
    const CObList& GetRows() const { return m_lstDockBarRows; }

    static UINT DockBarIDForAlignment(DWORD dwAlignment);

protected:
    CObList m_lstControlBars;
    CObList m_lstDockBarRows;
    UINT m_nDockBarID;
    BOOL m_bHoldResizes;
    int m_nHeldResize;

    int RowThicknessFor(CTavoPControlBar* pBar) const;
    // Appends rows of nThickness until the row at nIndex exists.
    CTavoPDockBarRow* RowAtIndexCreating(int nIndex, int nThickness);

public:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnDestroy();
    void OnNcDestroy();
    void OnSize(UINT nType, int cx, int cy);

protected:
    DECLARE_MESSAGE_MAP()
};
