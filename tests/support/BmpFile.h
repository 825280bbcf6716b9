// Small .bmp files written pixel by pixel, for tests that load images from files, and pictures of windows left for people to look at.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Writes a bottom-up .bmp of 4 (palette of the distinct colours) or 24 bits per pixel;
// pixels are given top row first.
void WriteBmp(const std::string& path, int bpp, int cx, int cy,
              const std::vector<COLORREF>& pixels);

// Writes what a window has drawn, frame included, as a 24-bit .bmp called name in the folder
// (made when missing); true when the file is there.
bool WriteWindowPicture(HWND hwnd, const std::string& folder, const std::string& name);
