// What an owner-drawn push button tells the visual manager that draws it.
#pragma once
#include "framework/FrameworkCore.h"

class CTavoPPushButtonFace
{
public:
    virtual ~CTavoPPushButtonFace() {}

    virtual HWND GetFaceHwnd() const { return NULL; }
    virtual BOOL IsPushed() const { return FALSE; }
    virtual BOOL IsHighlighted() const { return FALSE; }
};
