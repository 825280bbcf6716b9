// One hexagonal cell of a colour picker's honeycomb or grey strip: its outline, colour and hit test.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPColorHexagon : public CObject
{
public:
    // drawColor is the colour itself, or its palette-index form on palette displays.
    CTavoPColorHexagon(int x, int y, int nSize, COLORREF color, COLORREF drawColor);

    // The outline of a cell of nSize centred at (x, y), shared by cells and selection frames.
    static void GetVertices(int x, int y, int nSize, POINT* pVertices);

    void Draw(CDC* pDC) const;
    // The selection frames round the cell.
    void DrawSelected(CDC* pDC) const;
    BOOL HitTest(CPoint point) const;

    COLORREF GetColor() const { return m_color; }
    int GetX() const { return m_x; }
    int GetY() const { return m_y; }
    int GetSize() const { return m_nSize; }

private:
    POINT m_vertices[6];
    COLORREF m_color;
    COLORREF m_drawColor;
    int m_x;
    int m_y;
    int m_nSize;
};
