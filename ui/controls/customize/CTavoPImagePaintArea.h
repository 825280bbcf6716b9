// The enlarged picture of the image editor: a grid of cells, one per pixel, on which the tools draw into the edited bitmap.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPImageEditorDlg;

class CTavoPImagePaintArea : public CButton
{
    DECLARE_DYNAMIC(CTavoPImagePaintArea)
public:
    enum Tool
    {
        ToolPencil = 0,
        ToolFill = 1,
        ToolLine = 2,
        ToolRectangle = 3,
        ToolEllipse = 4,
        ToolPickColor = 5,
        ToolCount = 6
    };

    explicit CTavoPImagePaintArea(CTavoPImageEditorDlg* pParentDlg = nullptr);
    virtual ~CTavoPImagePaintArea();

    // Borrowed; null leaves nothing to draw. The cells are fitted to the client area now.
    void SetBitmap(CBitmap* pBitmap);
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_rgbColor; }
    void SetMode(int nTool) { m_Mode = nTool; }
    int GetMode() const { return m_Mode; }
    // The owning dialog's preview, invalidated after every change.
    void SetPreviewRect(const CRect& rect) { m_rectParentPreviewArea = rect; }
    CSize GetCellSize() const { return m_sizeCell; }
    // The grid of cells in client coordinates.
    CRect GetGridRect() const;
    // Client point to bitmap pixel and back (the centre of its cell).
    CPoint ScreenToBitmap(CPoint point) const;
    CPoint BitmapToClient(CPoint point) const;

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    virtual void PreSubclassWindow() override;

protected:
    BOOL CanDraw() const;
    void DrawPixel(CPoint ptBitmap);
    // The shape between the centres of the two cells on screen, in the outline pen, XOR style.
    void DrawShapeOnScreen(const CRect& rectShape);
    void InvalidatePreview();
    void DrawShapeIntoBitmap(CDC& dc);

    CRect m_rectParentPreviewArea;
    COLORREF m_rgbColor;
    CDC m_memDC;
    CSize m_sizeImage;
    CBitmap* m_pBitmap;
    int m_Mode;
    HCURSOR m_hcurs[ToolCount];
    CSize m_sizeCell;
    CTavoPImageEditorDlg* m_pParentDlg;
    CPen m_penDraw;
    CPen m_penStretch;
    CRect m_rectDraw; // start (top left) and end (bottom right) of the shape, in bitmap pixels

public:
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCancelMode();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* pDC);

protected:
    DECLARE_MESSAGE_MAP()
};
