// Width and height pair over the Win32 SIZE.
#pragma once
#include "framework/AfxBase.h"

class CPoint;
class CRect;

class CSize : public tagSIZE
{
public:
    CSize()
    {
        cx = 0;
        cy = 0;
    }
    CSize(int initCX, int initCY)
    {
        cx = initCX;
        cy = initCY;
    }
    CSize(SIZE initSize)
    {
        cx = initSize.cx;
        cy = initSize.cy;
    }
    CSize(POINT initPt)
    {
        cx = initPt.x;
        cy = initPt.y;
    }
    CSize(DWORD dwSize)
    {
        cx = (short)LOWORD(dwSize);
        cy = (short)HIWORD(dwSize);
    }

    BOOL operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    BOOL operator!=(SIZE size) const { return cx != size.cx || cy != size.cy; }
    void operator+=(SIZE size)
    {
        cx += size.cx;
        cy += size.cy;
    }
    void operator-=(SIZE size)
    {
        cx -= size.cx;
        cy -= size.cy;
    }
    void SetSize(int CX, int CY)
    {
        cx = CX;
        cy = CY;
    }

    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    CPoint operator+(POINT point) const;
    CPoint operator-(POINT point) const;
    CRect operator+(const RECT* lpRect) const;
    CRect operator-(const RECT* lpRect) const;
};

// The operators that produce points and rectangles are defined with CRect.
#include "framework/CPoint.h"
