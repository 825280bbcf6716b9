// What an owner-drawn push button tells the visual manager that draws it.
#pragma once
#include "framework/FrameworkCore.h"
#include "framework/FrameworkWin.h"

class CTavoPPushButtonFace
{
public:
    virtual ~CTavoPPushButtonFace() {}

    // A face that is a window answers with its window handle.
    virtual HWND GetFaceHwnd() const
    {
        const CWnd* pWnd = dynamic_cast<const CWnd*>(this);
        return pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    }
    virtual BOOL IsPushed() const { return FALSE; }
    virtual BOOL IsHighlighted() const { return FALSE; }
};
