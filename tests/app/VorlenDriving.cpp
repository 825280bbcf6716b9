#include "tests/app/VorlenDriving.h"
#include <algorithm>

namespace {

void Settle(HANDLE process, DWORD pause)
{
    if (process != nullptr)
        WaitForInputIdle(process, 2000);
    Sleep(pause);
}

} // namespace

void MouseTo(POINT point, HANDLE process)
{
    // Rounded up, so that the platform's scaling back lands on the very pixel.
    const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (LONG)(((LONGLONG)point.x * 65536 + width - 1) / width);
    input.mi.dy = (LONG)(((LONGLONG)point.y * 65536 + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    Settle(process, 15);
}

void LeftButton(bool down, HANDLE process)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    Settle(process, 50);
}

void DragMouse(POINT from, POINT to, HANDLE process)
{
    MouseTo(from, process);
    LeftButton(true, process);
    const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) / 8 + 1;
    for (int i = 1; i <= steps; ++i)
        MouseTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps},
                process);
    Sleep(100);
    LeftButton(false, process);
    Sleep(200);
}

void ClickAt(POINT point, int clicks)
{
    MouseTo(point);
    for (int i = 0; i < clicks; ++i)
    {
        INPUT click[2] = {};
        click[0].type = click[1].type = INPUT_MOUSE;
        click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, click, sizeof(INPUT));
        if (clicks > 1)
            Sleep(30);
    }
    if (clicks > 1)
        Sleep(300);
}
