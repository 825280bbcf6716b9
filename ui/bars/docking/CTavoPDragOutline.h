// The dotted outline a drag shows on the screen, made of thin top-most windows: moving or hiding it gives back what lay under it, whatever painted there meanwhile.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPDragOutline
{
public:
    CTavoPDragOutline();
    ~CTavoPDragOutline();

    // Shows the outline along the inside of the rectangle (screen coordinates), the given
    // thickness wide; an empty rectangle hides it.
    void Show(const CRect& rect, int nThickness);
    void Hide();
    BOOL IsShown() const { return !m_rect.IsRectEmpty(); }
    // The rectangle shown; empty while hidden.
    const CRect& GetRect() const { return m_rect; }
    // The windows of the four sides (top, bottom, left, right); null before the first showing.
    HWND GetSideWindow(int nSide) const { return m_hwndSides[nSide]; }

    enum
    {
        SideCount = 4
    };

private:
    CTavoPDragOutline(const CTavoPDragOutline&) = delete;
    CTavoPDragOutline& operator=(const CTavoPDragOutline&) = delete;
    BOOL CreateSides();

    HWND m_hwndSides[SideCount];
    CRect m_rect;
};
