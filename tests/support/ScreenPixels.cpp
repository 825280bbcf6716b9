#include "tests/support/ScreenPixels.h"
#include "tests/support/MessagePump.h"
#include <algorithm>

COLORREF ScreenPixel(int x, int y)
{
    HDC hdc = ::GetDC(NULL);
    const COLORREF colour = ::GetPixel(hdc, x, y);
    ::ReleaseDC(NULL, hdc);
    return colour;
}

bool ScreenShows(int x, int y, COLORREF colour)
{
    for (int i = 0; i < 100; i++)
    {
        PumpMessages();
        if (ScreenPixel(x, y) == colour)
            return true;
        ::Sleep(20);
    }
    return false;
}

COLORREF ScaledColour(COLORREF colour, int percent)
{
    auto scale = [percent](int channel) { return std::min(255, channel * percent / 100); };
    return RGB(scale(GetRValue(colour)), scale(GetGValue(colour)), scale(GetBValue(colour)));
}
