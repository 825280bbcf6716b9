// Computes and paints a toolbar-like bar's non-client area: the border band, the frame the visual manager draws and the gripper.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPControlBar;

class CTavoPBarNcPainter
{
public:
    explicit CTavoPBarNcPainter(CTavoPControlBar* pBar);
    virtual ~CTavoPBarNcPainter();

    // Shrinks a proposed window rectangle to the client rectangle.
    void CalcNcSize(LPRECT lpRect) const;
    // Paints the non-client area for the WM_NCPAINT being handled (wParam 1: all of it).
    void DrawNcArea();
    // The border, background and gripper, in window coordinates of the bar, into pDC.
    void PaintNcArea(CDC* pDC);
    void GetGripperRect(CRect& rectGripper, BOOL bClientCoordinates) const;
    void FillParentBackground(CDC* pDC) const;

private:
    CTavoPBarNcPainter(const CTavoPBarNcPainter&) = delete;
    CTavoPBarNcPainter& operator=(const CTavoPBarNcPainter&) = delete;
    CTavoPControlBar* m_pBar;
};
