// Point over the Win32 POINT, with offsets by sizes and other points.
#pragma once
#include "framework/CSize.h"

class CPoint : public tagPOINT
{
public:
    CPoint()
    {
        x = 0;
        y = 0;
    }
    CPoint(int initX, int initY)
    {
        x = initX;
        y = initY;
    }
    CPoint(POINT initPt)
    {
        x = initPt.x;
        y = initPt.y;
    }
    CPoint(SIZE initSize)
    {
        x = initSize.cx;
        y = initSize.cy;
    }
    // Packed coordinates as in mouse messages: signed 16-bit halves.
    CPoint(LPARAM dwPoint)
    {
        x = (short)LOWORD(dwPoint);
        y = (short)HIWORD(dwPoint);
    }

    void Offset(int xOffset, int yOffset)
    {
        x += xOffset;
        y += yOffset;
    }
    void Offset(POINT point)
    {
        x += point.x;
        y += point.y;
    }
    void Offset(SIZE size)
    {
        x += size.cx;
        y += size.cy;
    }
    void SetPoint(int X, int Y)
    {
        x = X;
        y = Y;
    }

    BOOL operator==(POINT point) const { return x == point.x && y == point.y; }
    BOOL operator!=(POINT point) const { return x != point.x || y != point.y; }
    void operator+=(SIZE size)
    {
        x += size.cx;
        y += size.cy;
    }
    void operator-=(SIZE size)
    {
        x -= size.cx;
        y -= size.cy;
    }
    void operator+=(POINT point)
    {
        x += point.x;
        y += point.y;
    }
    void operator-=(POINT point)
    {
        x -= point.x;
        y -= point.y;
    }

    CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
    CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
    CRect operator+(const RECT* lpRect) const;
    CRect operator-(const RECT* lpRect) const;
};

// The operators that produce rectangles are defined with CRect.
#include "framework/CRect.h"
