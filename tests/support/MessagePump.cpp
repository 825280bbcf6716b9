#include "tests/support/MessagePump.h"
#include "framework/Framework.h"

namespace {

template <class Drain>
void Repeat(DWORD dwMilliseconds, Drain drain)
{
    const DWORD dwStart = ::GetTickCount();
    do
    {
        drain();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (::GetTickCount() - dwStart < dwMilliseconds);
    drain();
}

} // namespace

void PumpFor(DWORD dwMilliseconds)
{
    Repeat(dwMilliseconds, PumpMessages);
}

void PumpPreTranslated()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (!AfxPreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
}

void PumpPreTranslatedFor(DWORD dwMilliseconds)
{
    Repeat(dwMilliseconds, PumpPreTranslated);
}

void PumpThrough(CWnd* pWnd)
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (pWnd != nullptr && ::IsWindow(pWnd->GetSafeHwnd()) && pWnd->PreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}
