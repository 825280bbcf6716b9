// A CDC bound to a DC the test owns (a canvas): attached for the scope, never deleted.
#pragma once
#include "framework/FrameworkWin.h"

struct BoundDC
{
    explicit BoundDC(HDC hdc) { dc.Attach(hdc); }
    ~BoundDC() { dc.Detach(); }
    BoundDC(const BoundDC&) = delete;
    BoundDC& operator=(const BoundDC&) = delete;
    CDC dc;
};
