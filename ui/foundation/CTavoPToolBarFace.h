// What a toolbar in the process-wide toolbar list offers the workspace and the visual manager.
#pragma once
#include "framework/FrameworkCore.h"
#include "framework/FrameworkWin.h"

class CTavoPToolBarFace
{
public:
    virtual ~CTavoPToolBarFace() {}

    // A face that is a window answers with its window handle.
    virtual HWND GetFaceHwnd() const
    {
        const CWnd* pWnd = dynamic_cast<const CWnd*>(this);
        return pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    }
    virtual BOOL IsFloating() const { return FALSE; }
    // The frame the toolbar belongs to, for the this-frame-only loads and saves.
    virtual HWND GetTopLevelFrameHwnd() const { return ::GetAncestor(GetFaceHwnd(), GA_ROOT); }

    virtual BOOL LoadState(LPCTSTR lpszProfileName, int nIndex = -1, UINT uiID = (UINT)-1)
    {
        return FALSE;
    }
    virtual BOOL SaveState(LPCTSTR lpszProfileName, int nIndex = -1, UINT uiID = (UINT)-1)
    {
        return FALSE;
    }
    // Whether the last LoadState changed the buttons against the resource.
    virtual BOOL IsResourceChanged() const { return FALSE; }
    virtual void RefreshButtonImages() {}
};
