// Driving a running vorlen.exe with the mouse as a user would; the rest of the driving (logging in,
// keys, dialog buttons, pictures of the display) is VorlenProcess's.
#pragma once
#include "tests/app/VorlenProcess.h"

// The mouse, as a user moves it: to a screen point, and the left button. With the process that
// takes the input, each step waits until that process has handled it, so that a busy machine
// does not merge the steps.
void MouseTo(POINT point, HANDLE process = nullptr);
void LeftButton(bool down, HANDLE process = nullptr);
// Presses at one point, moves to the other in small steps and lets go there.
void DragMouse(POINT from, POINT to, HANDLE process = nullptr);
// Moves there and clicks the left button, twice for a double click, which then gives the program
// a moment to act on it.
void ClickAt(POINT point, int clicks = 1);
