// Device context of a window's client area for drawing outside WM_PAINT; released on destruction.
#pragma once
#include "framework/CDC.h"

class CWnd;

class CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    // A null window gives the screen.
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
