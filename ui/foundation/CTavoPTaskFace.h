// What one task of a task pane tells the visual manager that draws it.
#pragma once
#include "framework/FrameworkCore.h"

class CTavoPTaskFace
{
public:
    virtual ~CTavoPTaskFace() {}

    virtual CString GetName() const { return CString(); }
    virtual CRect GetRect() const { return CRect(0, 0, 0, 0); }
    // Image index in the pane's image list, -1 for none.
    virtual int GetIcon() const { return -1; }
    virtual BOOL IsEnabled() const { return TRUE; }
};
