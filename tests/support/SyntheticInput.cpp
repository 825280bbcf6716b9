#include "tests/support/SyntheticInput.h"
#include <thread>

INPUT KeyInput(WORD wVk, bool bUp)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVk;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD dwFlags, int x, int y)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = dwFlags;
    if (dwFlags & MOUSEEVENTF_ABSOLUTE)
    {
        const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = (x * 65536 + cx - 1) / cx;
        input.mi.dy = (y * 65536 + cy - 1) / cy;
    }
    return input;
}

void PlayInput(const std::vector<INPUT>& inputs, const std::function<void()>& pump)
{
    HANDLE hDone = ::CreateEvent(nullptr, TRUE, FALSE, nullptr);
    std::thread worker([&]() {
        for (INPUT input : inputs)
        {
            ::SendInput(1, &input, sizeof(INPUT));
            ::Sleep(60);
        }
        ::Sleep(60);
        ::SetEvent(hDone);
    });
    while (::MsgWaitForMultipleObjects(1, &hDone, FALSE, 5000, QS_ALLINPUT) != WAIT_OBJECT_0)
        pump();
    worker.join();
    PumpFor(80, pump);
    ::CloseHandle(hDone);
}
