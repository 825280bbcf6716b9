// Small .bmp files written pixel by pixel, for tests that load images from files.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Writes a bottom-up .bmp of 4 (palette of the distinct colours) or 24 bits per pixel;
// pixels are given top row first.
void WriteBmp(const std::string& path, int bpp, int cx, int cy,
              const std::vector<COLORREF>& pixels);
