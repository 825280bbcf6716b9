// Keyboard and mouse input made as the devices give it, and played to this thread's windows from a worker thread.
#pragma once
#include "tests/support/MessagePump.h"
#include <windows.h>
#include <vector>

// A key going down, or up.
INPUT KeyInput(WORD wVk, bool bUp = false);
// A mouse event; with MOUSEEVENTF_ABSOLUTE, at the screen point (x, y) exactly: the absolute
// coordinates are rounded up so that the platform's scaling back lands on that pixel.
INPUT MouseInput(DWORD dwFlags, int x = 0, int y = 0);

// Sends the inputs one by one from a worker thread, with a pause after each as a user gives them,
// while this thread pumps its messages: by default through pre-translation as the framework's
// loops do.
void PlayInput(const std::vector<INPUT>& inputs,
               const std::function<void()>& pump = PumpPreTranslated);
