// A window's off-screen picture: a memory DC and bitmap kept from one paint to the next.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPPaintBuffer
{
public:
    CTavoPPaintBuffer() = default;
    ~CTavoPPaintBuffer();

    // The memory DC to draw a picture of the given size in, its state as a new DC's; made
    // again only when the size or the screen's colour depth (as the global data has it) changed. NULL when none can be
    // made: the caller then draws straight into the target.
    CDC* Begin(CDC* pDCTarget, CSize size);
    // Copies the part of the picture in rect to the same place of the target; the DC that
    // Begin gave is not to be used after.
    void End(CDC* pDCTarget, const CRect& rect);
    void Free();

private:
    CTavoPPaintBuffer(const CTavoPPaintBuffer&) = delete;
    CTavoPPaintBuffer& operator=(const CTavoPPaintBuffer&) = delete;

    // Plain handles: a bar may outlive the framework's handle maps at the program's exit.
    HDC m_hdc = nullptr;
    HBITMAP m_hbm = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    CSize m_size;
    int m_nBitsPixel = 0;
    int m_nSavedState = 0;
    // Wraps m_hdc only between Begin and End.
    CDC m_dc;
};
