#include "ui/bars/docking/CTavoPSlider.h"

IMPLEMENT_DYNCREATE(CTavoPSlider, CTavoPBaseControlBar)

CTavoPSlider::CTavoPSlider() = default;

CTavoPSlider::~CTavoPSlider() = default;

HDWP CTavoPSlider::RepositionByRect(CRect rect, HDWP hdwp)
{
    return SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE, hdwp);
}
