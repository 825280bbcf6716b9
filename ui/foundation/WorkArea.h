// The screen area that windows may cover: the work area of the monitor a point lies on.
#pragma once
#include "framework/FrameworkWin.h"

// The work area of the monitor nearest the point; the primary monitor's when the monitors cannot
// be asked.
CRect GetWorkAreaAt(POINT pt);
