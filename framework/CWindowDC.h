// Device context of a whole window, non-client area included; released on destruction.
#pragma once
#include "framework/CDC.h"

class CWnd;

class CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    // A null window gives the screen.
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
