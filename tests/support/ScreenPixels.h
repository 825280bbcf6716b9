// Reading the real screen back: one pixel, and waiting until the screen shows a colour while this thread's windows paint.
#pragma once
#include <windows.h>

COLORREF ScreenPixel(int x, int y);
// Dispatches this thread's messages until the screen shows the colour at the point; false
// after a while (about two seconds).
bool ScreenShows(int x, int y, COLORREF colour);
// Each channel times percent / 100, at most 255: how a shadow darkens a colour.
COLORREF ScaledColour(COLORREF colour, int percent);
