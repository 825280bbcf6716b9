// The tools bar of the image editor: a plain toolbar whose buttons take no extra size from the look.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"

class CTavoPImageEditorToolBar : public CTavoPToolBar
{
public:
    virtual BOOL IsButtonExtraSizeAvailable() const override { return FALSE; }
};
