// What a group of a task pane tells the visual manager that draws its caption.
#pragma once
#include "framework/FrameworkCore.h"

class CTavoPTasksGroupFace
{
public:
    virtual ~CTavoPTasksGroupFace() {}

    virtual CString GetName() const { return CString(); }
    virtual CRect GetCaptionRect() const { return CRect(0, 0, 0, 0); }
    virtual BOOL IsSpecial() const { return FALSE; }
    virtual BOOL IsCollapsed() const { return FALSE; }
};
