#include "ui/foundation/WorkArea.h"

CRect GetWorkAreaAt(POINT pt)
{
    CRect rectWork;
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    HMONITOR hMonitor = ::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST);
    if (hMonitor != NULL && ::GetMonitorInfo(hMonitor, &mi))
        rectWork = mi.rcWork;
    else
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    return rectWork;
}
