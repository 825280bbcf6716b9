#include "tests/support/BarTestSupport.h"
#include "tests/support/SyntheticInput.h"
#include <thread>

namespace {

void Send(DWORD dwFlags, int x = 0, int y = 0)
{
    INPUT input = MouseInput(dwFlags, x, y);
    ::SendInput(1, &input, sizeof(INPUT));
}

void SendKeyEdge(WORD wVk, bool bUp)
{
    INPUT input = KeyInput(wVk, bUp);
    ::SendInput(1, &input, sizeof(INPUT));
}

void SendKey(WORD wVk)
{
    INPUT inputs[2] = {KeyInput(wVk), KeyInput(wVk, true)};
    ::SendInput(2, inputs, sizeof(INPUT));
}

}

void RunMouse(const std::vector<MouseStep>& steps, const std::function<void()>& onPause)
{
    HANDLE hPaused = ::CreateEvent(nullptr, FALSE, FALSE, nullptr);
    HANDLE hResume = ::CreateEvent(nullptr, FALSE, FALSE, nullptr);
    HANDLE hDone = ::CreateEvent(nullptr, TRUE, FALSE, nullptr);
    std::thread worker([&]() {
        for (const MouseStep& step : steps)
        {
            switch (step.kind)
            {
            case MouseStep::Move:
                Send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, step.x, step.y);
                break;
            case MouseStep::Down: Send(MOUSEEVENTF_LEFTDOWN); break;
            case MouseStep::Up: Send(MOUSEEVENTF_LEFTUP); break;
            case MouseStep::Key: SendKey((WORD)step.x); break;
            case MouseStep::KeyDown: SendKeyEdge((WORD)step.x, false); break;
            case MouseStep::KeyUp: SendKeyEdge((WORD)step.x, true); break;
            case MouseStep::Pause:
                ::Sleep(60);
                ::SetEvent(hPaused);
                ::WaitForSingleObject(hResume, INFINITE);
                break;
            }
            ::Sleep(40);
        }
        ::Sleep(60);
        ::SetEvent(hDone);
    });

    HANDLE handles[2] = {hDone, hPaused};
    for (;;)
    {
        const DWORD dwWait = ::MsgWaitForMultipleObjects(2, handles, FALSE, 5000, QS_ALLINPUT);
        PumpMessages();
        if (dwWait == WAIT_OBJECT_0)
            break;
        if (dwWait == WAIT_OBJECT_0 + 1)
        {
            PumpFor(40);
            if (onPause)
                onPause();
            ::SetEvent(hResume);
        }
    }
    worker.join();
    PumpFor(60);
    ::CloseHandle(hPaused);
    ::CloseHandle(hResume);
    ::CloseHandle(hDone);
}

std::vector<MouseStep> DragSteps(CPoint from, CPoint to, bool bPauseBeforeRelease)
{
    std::vector<MouseStep> steps;
    steps.push_back({MouseStep::Move, from.x, from.y});
    steps.push_back({MouseStep::Down, 0, 0});
    const int nSteps = 6;
    for (int i = 1; i <= nSteps; i++)
        steps.push_back({MouseStep::Move, from.x + (to.x - from.x) * i / nSteps,
                         from.y + (to.y - from.y) * i / nSteps});
    if (bPauseBeforeRelease)
        steps.push_back({MouseStep::Pause, 0, 0});
    steps.push_back({MouseStep::Up, 0, 0});
    return steps;
}

COLORREF ScreenPixel(CPoint point, COLORREF expected)
{
    COLORREF color = CLR_INVALID;
    for (int i = 0; i < 100; i++)
    {
        HDC hdc = ::GetDC(nullptr);
        color = ::GetPixel(hdc, point.x, point.y);
        ::ReleaseDC(nullptr, hdc);
        if (expected == CLR_INVALID || color == expected)
            break;
        PumpFor(20);
    }
    return color;
}
