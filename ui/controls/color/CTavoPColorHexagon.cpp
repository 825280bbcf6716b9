#include "ui/controls/color/CTavoPColorHexagon.h"

CTavoPColorHexagon::CTavoPColorHexagon(int x, int y, int nSize, COLORREF color, COLORREF drawColor)
    : m_color(color), m_drawColor(drawColor), m_x(x), m_y(y), m_nSize(nSize)
{
    GetVertices(x, y, nSize, m_vertices);
}

void CTavoPColorHexagon::GetVertices(int x, int y, int nSize, POINT* pVertices)
{
    // tan 30 degrees in single precision, as the honeycomb's rows were laid out with it.
    const int d = (int)((float)nSize * 0.57735026f) / 2;
    const int h = nSize / 2;
    const POINT vertices[6] = {{x - h, y - d}, {x, y - h}, {x + h, y - d},
                               {x + h, y + d}, {x, y + h}, {x - h, y + d}};
    for (int i = 0; i < 6; i++)
        pVertices[i] = vertices[i];
}

void CTavoPColorHexagon::Draw(CDC* pDC) const
{
    CBrush brush(m_drawColor);
    CPen pen(PS_SOLID, 1, m_drawColor);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->Polygon(m_vertices, 6);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}

void CTavoPColorHexagon::DrawSelected(CDC* pDC) const
{
    CBrush brWhite(RGB(255, 255, 255));
    CBrush brBlack(RGB(0, 0, 0));
    POINT vertices[6];

    GetVertices(m_x, m_y - 1, m_nSize + 2, vertices);
    CRgn rgnWhite;
    rgnWhite.CreatePolygonRgn(vertices, 6, ALTERNATE);
    pDC->FrameRgn(&rgnWhite, &brWhite, 2, 2);

    GetVertices(m_x, m_y, m_nSize + 2, vertices);
    CRgn rgnOuter;
    rgnOuter.CreatePolygonRgn(vertices, 6, ALTERNATE);
    pDC->FrameRgn(&rgnOuter, &brBlack, 1, 1);

    GetVertices(m_x, m_y, m_nSize - 1, vertices);
    CRgn rgnInner;
    rgnInner.CreatePolygonRgn(vertices, 6, ALTERNATE);
    pDC->FrameRgn(&rgnInner, &brBlack, 1, 1);
}

BOOL CTavoPColorHexagon::HitTest(CPoint point) const
{
    CRgn rgn;
    if (!rgn.CreatePolygonRgn(m_vertices, 6, ALTERNATE))
        return FALSE;
    return rgn.PtInRegion(point);
}
