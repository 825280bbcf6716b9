// The caption bar: a strip across a frame showing an image, a message and a button, with coloured border bands.
#pragma once
#include "ui/bars/CTavoPControlBar.h"

class CTavoPCaptionBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPCaptionBar)
public:
    CTavoPCaptionBar();
    virtual ~CTavoPCaptionBar();

    // -1: the visual manager's own colour.
    COLORREF GetBackgroundColor() const { return m_clrBarBackground; }

protected:
    COLORREF m_clrBarBackground;
};
