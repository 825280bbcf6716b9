// What a toolbar in the process-wide toolbar list offers the workspace and the visual manager.
#pragma once
#include "framework/FrameworkCore.h"

class CTavoPToolBarFace
{
public:
    virtual ~CTavoPToolBarFace() {}

    virtual HWND GetFaceHwnd() const { return NULL; }
    virtual BOOL IsFloating() const { return FALSE; }
    // The frame the toolbar belongs to, for the this-frame-only loads and saves.
    virtual HWND GetTopLevelFrameHwnd() const { return ::GetAncestor(GetFaceHwnd(), GA_ROOT); }

    virtual BOOL LoadState(LPCTSTR lpszProfileName, int nIndex = -1, UINT uiID = (UINT)-1) { return FALSE; }
    virtual BOOL SaveState(LPCTSTR lpszProfileName, int nIndex = -1, UINT uiID = (UINT)-1) { return FALSE; }
    // Whether the last LoadState changed the buttons against the resource.
    virtual BOOL IsResourceChanged() const { return FALSE; }
    virtual void RefreshButtonImages() {}
};
