// What a caption button of a docking pane tells the visual manager that draws it.
#pragma once
#include "framework/FrameworkCore.h"

class CTavoPCaptionButtonFace
{
public:
    virtual ~CTavoPCaptionButtonFace() {}

    // Position plus the caption button size.
    virtual CRect GetButtonRect() const { return CRect(0, 0, 0, 0); }
    // Hit-test code: HTMINBUTTON, HTMAXBUTTON, HTCLOSE or 19.
    virtual UINT GetHit() const { return 0; }
    virtual BOOL IsPushed() const { return FALSE; }
    virtual BOOL IsHighlighted() const { return FALSE; }
    virtual void SetPushed(BOOL bPushed) {}
    virtual void SetHighlighted(BOOL bHighlighted) {}
};
