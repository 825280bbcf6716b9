// Stores and restores the band layout (order, sizes, styles) of every rebar among a frame's child windows.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPRebarState
{
public:
    // lpszProfileName is the registry path the rebars' keys go below.
    static BOOL LoadState(LPCTSTR lpszProfileName, CFrameWnd* pFrame);
    static BOOL SaveState(LPCTSTR lpszProfileName, CFrameWnd* pFrame);
};
