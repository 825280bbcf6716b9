#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPPixelBuffer.h"
#include <algorithm>

namespace {
int ScaleChannel(double value, double factor)
{
    double scaled = (value == 0 && factor > 1) ? (factor - 1) * 255 + 0.5 : value * factor + 0.5;
    return std::min(255, (int)scaled);
}

double HueChannel(double m1, double m2, double h)
{
    while (h > 1)
        h -= 1;
    while (h < 0)
        h += 1;
    if (h < 1.0 / 6)
        return m1 + (m2 - m1) * h * 6;
    if (h < 0.5)
        return m2;
    if (h < 2.0 / 3)
        return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    return m1;
}

double HueChannelDegrees(double m1, double m2, double h)
{
    while (h > 360)
        h -= 360;
    while (h < 0)
        h += 360;
    if (h < 60)
        return m1 + (m2 - m1) * h / 60;
    if (h < 180)
        return m2;
    if (h < 240)
        return m1 + (m2 - m1) * (240 - h) / 60;
    return m1;
}

// channelValue(m1, m2, k) gives a channel for k = 1 (red), 0 (green), -1 (blue).
template <class ChannelValue>
COLORREF HlsChannelsToRgb(double lightness, double saturation, ChannelValue channelValue)
{
    if (saturation == 0)
    {
        BYTE grey = (BYTE)(lightness * 255);
        return RGB(grey, grey, grey);
    }
    double m2 = lightness <= 0.5 ? lightness * (1 + saturation)
                                 : lightness + saturation - lightness * saturation;
    double m1 = 2 * lightness - m2;
    return RGB((BYTE)(channelValue(m1, m2, 1) * 255), (BYTE)(channelValue(m1, m2, 0) * 255),
               (BYTE)(channelValue(m1, m2, -1) * 255));
}
}

BOOL CTavoPDrawManager::HighlightRect(CRect rect, int nPercentage, COLORREF clrTransparent)
{
    if (nPercentage == 100 || rect.Width() == 0 || rect.Height() == 0)
        return TRUE;
    CTavoPGlobalData& data = GetGlobalData();
    if (data.m_nBitsPerPixel <= 8)
    {
        data.FillRectLight(&m_dc, rect);
        return TRUE;
    }
    rect.NormalizeRect();
    CTavoPPixelBuffer buffer(rect.Width(), rect.Height());
    if (!buffer.CopyFrom(m_dc, rect.left, rect.top))
        return FALSE;

    const bool bTransparent = clrTransparent != (COLORREF)-1;
    const COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const double factor = nPercentage / 100.0;
    auto toward = [](int ch, int h) { return std::min(255, ch + (h - ch) / 2); };
    for (int y = 0; y < rect.Height(); y++)
    {
        for (int x = 0; x < rect.Width(); x++)
        {
            COLORREF c = buffer.GetPixel(x, y);
            if (bTransparent && c == clrTransparent)
                continue;
            if (nPercentage == -1)
                c = RGB(toward(GetRValue(c), GetRValue(clrHilite)),
                        toward(GetGValue(c), GetGValue(clrHilite)),
                        toward(GetBValue(c), GetBValue(clrHilite)));
            else
                c = ScaleColorByFactors(c, factor, factor, factor);
            buffer.SetPixel(x, y, c);
        }
    }
    buffer.CopyTo(m_dc, rect.left, rect.top);
    return TRUE;
}

BOOL CTavoPDrawManager::FillGradient(CRect rect, COLORREF colorStart, COLORREF colorFinish,
                                     BOOL bVertical)
{
    const int nSteps = 64;
    auto channel = [](int start, int finish, int i) {
        return (int)(start + (finish - start) * (double)i / nSteps);
    };
    for (int i = 0; i < nSteps; i++)
    {
        COLORREF color = RGB(channel(GetRValue(colorStart), GetRValue(colorFinish), i),
                             channel(GetGValue(colorStart), GetGValue(colorFinish), i),
                             channel(GetBValue(colorStart), GetBValue(colorFinish), i));
        CRect band = rect;
        if (bVertical)
        {
            band.top = rect.bottom - rect.Height() * (i + 1) / nSteps;
            band.bottom = rect.bottom - rect.Height() * i / nSteps;
        }
        else
        {
            band.left = rect.left + rect.Width() * i / nSteps;
            band.right = rect.left + rect.Width() * (i + 1) / nSteps;
        }
        if (band.IsRectEmpty())
            continue;
        CBrush brush;
        if (!brush.CreateSolidBrush(color))
            return FALSE;
        m_dc.FillRect(band, &brush);
    }
    return TRUE;
}

BOOL CTavoPDrawManager::DrawShadow(CRect rect, int nDepth, int nFirstBrightness,
                                   int nSecondBrightness, CBitmap* pBmpSaveBottom,
                                   CBitmap* pBmpSaveRight)
{
    if (nDepth <= 0 || rect.IsRectEmpty())
        return TRUE;
    const int cx = rect.Width();
    const int cy = rect.Height();

    const bool bSaving = pBmpSaveBottom != nullptr && pBmpSaveRight != nullptr;
    if (bSaving && pBmpSaveBottom->GetSafeHandle() != nullptr &&
        pBmpSaveRight->GetSafeHandle() != nullptr)
    {
        m_dc.DrawState(CPoint(rect.right, rect.top), CSize(nDepth, cy + nDepth),
                       (HBITMAP)pBmpSaveRight->m_hObject, DSS_NORMAL);
        m_dc.DrawState(CPoint(rect.left, rect.bottom), CSize(cx + nDepth, nDepth),
                       (HBITMAP)pBmpSaveBottom->m_hObject, DSS_NORMAL);
        return TRUE;
    }

    CTavoPPixelBuffer buffer(cx + nDepth, cy + nDepth);
    if (!buffer.CopyFrom(m_dc, rect.left, rect.top))
        return FALSE;

    const int step = (nSecondBrightness - nFirstBrightness) / nDepth;
    auto darken = [&buffer](int x, int y, int percent) {
        buffer.SetPixel(x, y, ScaleColor(buffer.GetPixel(x, y), percent));
    };
    // Across a band the pixels next to the rect are darkest; along its first nDepth pixels
    // the shadow fades in, and each pixel keeps the lighter of the two.
    for (int k = 0; k < nDepth; k++)
    {
        const int across = nSecondBrightness - step * k;
        for (int y = nDepth; y < cy + nDepth; y++)
        {
            int percent = across;
            if (y - nDepth < nDepth)
                percent =
                    std::max(percent, nSecondBrightness - nDepth * step + step * (y - nDepth));
            darken(cx + k, y, percent);
        }
        for (int x = nDepth; x < cx; x++)
        {
            int percent = across;
            if (x - nDepth < nDepth)
                percent =
                    std::max(percent, nSecondBrightness - nDepth * step + step * (x - nDepth));
            darken(x, cy + k, percent);
        }
    }
    buffer.CopyTo(m_dc, rect.left, rect.top);

    if (bSaving)
    {
        CDC dcMem;
        if (!dcMem.CreateCompatibleDC(&m_dc))
            return FALSE;
        auto save = [&](CBitmap* pBitmap, int x, int y, int w, int h) {
            if (!pBitmap->CreateCompatibleBitmap(&m_dc, w, h))
                return false;
            CBitmap* pOld = dcMem.SelectObject(pBitmap);
            dcMem.BitBlt(0, 0, w, h, &m_dc, x, y, SRCCOPY);
            dcMem.SelectObject(pOld);
            return true;
        };
        if (!save(pBmpSaveRight, rect.right, rect.top, nDepth + 1, cy + nDepth) ||
            !save(pBmpSaveBottom, rect.left, rect.bottom, cx + nDepth, nDepth + 1))
            return FALSE;
    }
    return TRUE;
}

COLORREF CTavoPDrawManager::ScaleColor(COLORREF color, int nPercent)
{
    auto scale = [nPercent](int ch) { return std::min(255, ch * nPercent / 100); };
    return RGB(scale(GetRValue(color)), scale(GetGValue(color)), scale(GetBValue(color)));
}

COLORREF CTavoPDrawManager::ScaleColorByFactors(COLORREF color, double dRed, double dGreen,
                                                double dBlue)
{
    return RGB(ScaleChannel(GetRValue(color), dRed), ScaleChannel(GetGValue(color), dGreen),
               ScaleChannel(GetBValue(color), dBlue));
}

COLORREF CTavoPDrawManager::BlendColors(COLORREF color1, COLORREF color2, int nPercent)
{
    auto blend = [nPercent](int c1, int c2) {
        return (c1 * nPercent + c2 * (100 - nPercent)) / 100;
    };
    return RGB(blend(GetRValue(color1), GetRValue(color2)),
               blend(GetGValue(color1), GetGValue(color2)),
               blend(GetBValue(color1), GetBValue(color2)));
}

void CTavoPDrawManager::RgbToHsl(COLORREF rgb, double* pHue, double* pSaturation,
                                 double* pLightness)
{
    const double r = GetRValue(rgb) / 255.0, g = GetGValue(rgb) / 255.0, b = GetBValue(rgb) / 255.0;
    const double maxc = std::max(r, std::max(g, b));
    const double minc = std::min(r, std::min(g, b));
    const double lightness = (maxc + minc) / 2;
    double hue = 0, saturation = 0;
    if (maxc != minc)
    {
        const double delta = maxc - minc;
        saturation = lightness < 0.5 ? delta / (maxc + minc) : delta / (2 - maxc - minc);
        if (r == maxc)
            hue = (g - b) / delta;
        else if (g == maxc)
            hue = (b - r) / delta + 2;
        else
            hue = (r - g) / delta + 4;
        hue /= 6;
        if (hue < 0)
            hue += 1;
    }
    *pHue = hue;
    *pSaturation = saturation;
    *pLightness = lightness;
}

COLORREF CTavoPDrawManager::HlsToRgb(double hue, double lightness, double saturation)
{
    return HlsChannelsToRgb(lightness, saturation, [hue](double m1, double m2, int channel) {
        return HueChannel(m1, m2, hue + channel / 3.0);
    });
}

COLORREF CTavoPDrawManager::HlsDegreesToRgb(double hue, double lightness, double saturation)
{
    return HlsChannelsToRgb(lightness, saturation, [hue](double m1, double m2, int channel) {
        return HueChannelDegrees(m1, m2, hue + channel * 120.0);
    });
}
