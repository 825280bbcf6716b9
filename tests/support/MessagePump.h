// Message pumping for tests that drive real windows without a message loop of their own.
#pragma once
#include <windows.h>
#include <functional>

class CWnd;

// Dispatches whatever is queued for this thread.
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

// Pumps for a while, so that input, timers and posted messages arrive, waiting for more between
// the rounds of the pump.
void PumpFor(DWORD dwMilliseconds, const std::function<void()>& pump = PumpMessages);

// Dispatches whatever is queued, each message first through the thread's pre-translation as the
// framework's message loops give it: menu bars, popups and dialogs take their keys there.
void PumpPreTranslated();

// The same for a while.
void PumpPreTranslatedFor(DWORD dwMilliseconds);

// Dispatches whatever is queued, each message first through one window's pre-translation, as a
// program's loop gives its main frame; the window may be null or gone.
void PumpThrough(CWnd* pWnd);
