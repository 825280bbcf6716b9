// A 32-bit top-down DIB section in its own memory DC, for working on pixels directly.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPPixelBuffer
{
public:
    // Made empty: check IsValid before use.
    CTavoPPixelBuffer(int cx, int cy);
    ~CTavoPPixelBuffer();

    BOOL IsValid() const { return m_pBits != nullptr; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    CDC& DC() { return m_dc; }

    // Copies in an area of a DC, or a whole bitmap from its top-left corner.
    BOOL CopyFrom(CDC& source, int x, int y);
    BOOL CopyFrom(HBITMAP hSource);
    void CopyTo(CDC& target, int x, int y);

    COLORREF GetPixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);

    // Hands the DIB section over to the caller (deselected); the buffer is empty afterwards.
    HBITMAP Detach();

private:
    CTavoPPixelBuffer(const CTavoPPixelBuffer&) = delete;
    CTavoPPixelBuffer& operator=(const CTavoPPixelBuffer&) = delete;

    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    DWORD* m_pBits; // blue-green-red pixels
    int m_cx, m_cy;
};

// Copies cx x cy pixels between two bitmaps that are not selected anywhere else.
BOOL TavoPCopyBitmapArea(HBITMAP hDest, int xDest, int yDest, int cx, int cy, HBITMAP hSource,
                         int xSource, int ySource);
