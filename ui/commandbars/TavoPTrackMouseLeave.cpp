#include "ui/commandbars/TavoPTrackMouseLeave.h"

namespace {

const UINT kLeavePeriod = 100;

void CALLBACK MouseLeaveTimerProc(HWND hwnd, UINT /*uMsg*/, UINT_PTR idEvent, DWORD /*dwTime*/)
{
    RECT rect;
    POINT point;
    if (::GetClientRect(hwnd, &rect) && ::GetCursorPos(&point))
    {
        ::MapWindowPoints(hwnd, NULL, (LPPOINT)&rect, 2);
        if (::PtInRect(&rect, point) && ::WindowFromPoint(point) == hwnd)
            return;
    }
    ::KillTimer(hwnd, idEvent);
    ::PostMessage(hwnd, WM_MOUSELEAVE, 0, 0);
}

} // namespace

BOOL TrackMouseLeave(LPTRACKMOUSEEVENT lpEventTrack)
{
    if (lpEventTrack == NULL || lpEventTrack->cbSize <= 15 || !::IsWindow(lpEventTrack->hwndTrack))
        return FALSE;
    if ((lpEventTrack->dwFlags & TME_LEAVE) == 0)
        return FALSE;
    return ::SetTimer(lpEventTrack->hwndTrack, lpEventTrack->dwFlags, kLeavePeriod,
                      MouseLeaveTimerProc) != 0;
}
