// The small floating frame that holds a bar taken off its dock, owned by the frame whose dock manager placed it.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPMiniFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CTavoPMiniFrameWnd)
public:
    CTavoPMiniFrameWnd();
    virtual ~CTavoPMiniFrameWnd();

    // 1 while the frame hosts a bar, else 0.
    virtual int GetControlBarCount() const;
    // The hosted bar, null when the frame is empty.
    virtual CWnd* GetControlBar() const;
    // The frame the hosted bar floats for; null when none is recorded.
    CWnd* GetDockSite() const;

protected:
    HWND m_hEmbeddedBar;
    HWND m_hDockSite;
};
