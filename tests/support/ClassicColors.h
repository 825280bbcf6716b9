// Sets a fixed classic system palette for pixel tests and restores the previous one after.
#pragma once
#include <windows.h>

class ClassicColors
{
public:
    // Face C0C0C0, shadow 808080, highlight FFFFFF, text 000000, dark shadow 404040 (classic).
    ClassicColors();
    ~ClassicColors();
    ClassicColors(const ClassicColors&) = delete;
    ClassicColors& operator=(const ClassicColors&) = delete;

    static const int kCount = 12;

private:
    int m_elements[kCount];
    COLORREF m_saved[kCount];
};
