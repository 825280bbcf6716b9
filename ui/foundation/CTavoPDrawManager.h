// Pixel work on one DC for the visual managers and image lists: highlights, gradients, shadows, colour arithmetic.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPDrawManager
{
public:
    explicit CTavoPDrawManager(CDC& dc) : m_dc(dc) {}
    virtual ~CTavoPDrawManager() {}

    // Percent -1 moves every pixel halfway toward the highlight colour; any other percent
    // scales the channels (94 darkens, 130 lightens). Pixels of clrTransparent (-1 = none)
    // stay as they are. At 8 bits per pixel or less the rect is filled with the light brush.
    BOOL HighlightRect(CRect rect, int nPercentage = -1, COLORREF clrTransparent = (COLORREF)-1);
    // 64 bands from colorStart to colorFinish: left to right, or bottom to top when vertical.
    BOOL FillGradient(CRect rect, COLORREF colorStart, COLORREF colorFinish,
                      BOOL bVertical = FALSE);
    // Graded shadow along the right and bottom of rect. With both save bitmaps given and
    // already holding images, those are drawn instead; given and empty, they receive the
    // finished bands so that later calls can replay them.
    BOOL DrawShadow(CRect rect, int nDepth, int nFirstBrightness, int nSecondBrightness,
                    CBitmap* pBmpSaveBottom = nullptr, CBitmap* pBmpSaveRight = nullptr);

    static COLORREF ScaleColor(COLORREF color, int nPercent);
    static COLORREF ScaleColorByFactors(COLORREF color, double dRed, double dGreen, double dBlue);
    static COLORREF BlendColors(COLORREF color1, COLORREF color2, int nPercent);
    static void RgbToHsl(COLORREF rgb, double* pHue, double* pSaturation, double* pLightness);
    static COLORREF HlsToRgb(double hue, double lightness, double saturation);
    static COLORREF HlsDegreesToRgb(double hue, double lightness, double saturation);

protected:
    CDC& m_dc;
};
