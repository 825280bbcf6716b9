// The process-wide registries of the bar layer: floating bars by control id and the floating frames in creation order.
#pragma once
#include "framework/FrameworkWin.h"
#include <list>
#include <map>

// Posted to a floating frame that may have been left empty.
extern const UINT TAVOPMSG_CHECKEMPTYMINIFRAME;
inline const UINT& TavoPCheckEmptyMiniFrameMessage()
{
    return TAVOPMSG_CHECKEMPTYMINIFRAME;
}

// Every bar that floats in a mini frame, by control id.
std::map<UINT, HWND>& TavoPFloatingBarRegistry();
// Every live mini frame, in creation order.
std::list<HWND>& TavoPFloatingFrameList();
