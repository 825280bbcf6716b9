// Where auto-hide panes and strips get their timers: the window's own timers unless a test puts a source of its own in place.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPTimerSource
{
public:
    virtual ~CTavoPTimerSource() = default;
    virtual UINT_PTR Set(HWND hWnd, UINT_PTR nID, UINT nElapse)
    {
        return ::SetTimer(hWnd, nID, nElapse, NULL);
    }
    virtual void Kill(HWND hWnd, UINT_PTR nID) { ::KillTimer(hWnd, nID); }

    // The source in use; never null (the window timers when none was put in place).
    static CTavoPTimerSource& Get();
    // Puts pSource in place (null: the window timers again); answers the one it replaces.
    static CTavoPTimerSource* Replace(CTavoPTimerSource* pSource);
};
