// What a library frame's implementation helper offers the workspace when it loads and saves the frame's state.
#pragma once
#include "framework/FrameworkCore.h"

class CTavoPFrameImplFace
{
public:
    virtual ~CTavoPFrameImplFace() {}

    virtual HWND GetFrameHwnd() const { return NULL; }

    virtual void LoadUserToolbars() {}
    virtual void SaveUserToolbars(BOOL bFrameBarsOnly) {}
    virtual void LoadTearOffMenus() {}
    virtual void SaveTearOffMenus(BOOL bFrameBarsOnly) {}

    // The framework's own bar placement, kept under the application key in the given section.
    virtual void LoadFrameworkDockState(LPCTSTR lpszSection) {}
    virtual void SaveFrameworkDockState(LPCTSTR lpszSection) {}
    virtual BOOL IsDockStateValid() { return TRUE; }
    virtual void ApplyFrameworkDockState() {}

    // The library's docking layout below the workspace path.
    virtual void LoadDockState(LPCTSTR lpszProfileName) {}
    virtual void SaveDockState(LPCTSTR lpszProfileName) {}

    virtual void RecalcLayout() {}
};
