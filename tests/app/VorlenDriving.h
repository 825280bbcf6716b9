// Driving a running vorlen.exe as a user would: logging in, keys, mouse, and pictures of what the X display shows.
#pragma once
#include "tests/app/VorlenProcess.h"
#include <string>
#include <vector>

extern const char* const kVorlenMainTitle;
extern const char* const kVorlenLoginTitle;
const DWORD kVorlenStartTimeout = 15000;

void PressDialogButton(HWND dialog, int id);
void SetDialogItemText(HWND dialog, int id, const char* text);
// Starts vorlen and logs in as the first operator; the main window, or null.
HWND StartAndLogIn(VorlenProcess& vorlen);

// Real key strokes, as the keyboard would give them: all keys down, then up in reverse.
void PressKeys(const std::vector<WORD>& keys);
// The mouse, as a user moves it: to a screen point, and the left button. With the process that
// takes the input, each step waits until that process has handled it, so that a busy machine
// does not merge the steps.
void MouseTo(POINT point, HANDLE process = nullptr);
void LeftButton(bool down, HANDLE process = nullptr);
// Presses at one point, moves to the other in small steps and lets go there.
void DragMouse(POINT from, POINT to, HANDLE process = nullptr);
void DoubleClick(POINT point);

// The Windows name of a Unix path: Wine's drive Z: is the Unix root.
std::string WindowsPath(std::string path);
// Runs a command line of the Unix shell; true when it succeeded in time.
bool RunUnixShell(const std::string& command, const std::string& mark, DWORD milliseconds);
// Takes what the X display shows of the window into a PNG and a BMP beside it (the folder is a
// Unix path).
bool SaveScreenPicture(HWND hwnd, const std::string& folder, const std::string& name);
