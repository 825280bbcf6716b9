// The library's own mouse-leave tracking: a 100 ms timer on the window that posts WM_MOUSELEAVE once the pointer has left it.
#pragma once
#include "framework/FrameworkWin.h"

// A request shorter than 16 bytes, for a window that does not exist, or without TME_LEAVE sets
// nothing and answers FALSE. With TME_LEAVE a timer with the flags as its ID watches the window.
BOOL TrackMouseLeave(LPTRACKMOUSEEVENT lpEventTrack);
