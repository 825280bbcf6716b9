// Device context of one WM_PAINT: BeginPaint on construction, EndPaint on destruction.
#pragma once
#include "framework/CDC.h"

class CWnd;

class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
