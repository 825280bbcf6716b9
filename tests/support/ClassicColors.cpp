#include "tests/support/ClassicColors.h"

namespace {
struct Entry
{
    int element;
    COLORREF color;
};
const Entry kClassic[ClassicColors::kCount] = {
    {COLOR_BTNFACE, RGB(192, 192, 192)},       {COLOR_BTNSHADOW, RGB(128, 128, 128)},
    {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},  {COLOR_BTNTEXT, RGB(0, 0, 0)},
    {COLOR_3DDKSHADOW, RGB(64, 64, 64)},       {COLOR_3DLIGHT, RGB(223, 223, 223)},
    {COLOR_GRAYTEXT, RGB(128, 128, 128)},      {COLOR_HIGHLIGHT, RGB(0, 0, 128)},
    {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)}, {COLOR_WINDOW, RGB(255, 255, 255)},
    {COLOR_WINDOWTEXT, RGB(0, 0, 0)},          {COLOR_WINDOWFRAME, RGB(0, 0, 0)},
};
}

ClassicColors::ClassicColors()
{
    COLORREF colors[kCount];
    for (int i = 0; i < kCount; i++)
    {
        m_elements[i] = kClassic[i].element;
        m_saved[i] = GetSysColor(kClassic[i].element);
        colors[i] = kClassic[i].color;
    }
    SetSysColors(kCount, m_elements, colors);
}

ClassicColors::~ClassicColors()
{
    SetSysColors(kCount, m_elements, m_saved);
}
