#include "tests/app/VorlenDriving.h"
#include "tests/support/SyntheticInput.h"
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
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point.x, point.y);
    SendInput(1, &input, sizeof input);
    Settle(process, 15);
}

void LeftButton(bool down, HANDLE process)
{
    INPUT input = MouseInput(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
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
        INPUT click[2] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
        SendInput(2, click, sizeof(INPUT));
        if (clicks > 1)
            Sleep(30);
    }
    if (clicks > 1)
        Sleep(300);
}
