#include "tests/support/MessagePump.h"
#include "framework/Framework.h"

void PumpFor(DWORD dwMilliseconds, const std::function<void()>& pump)
{
    const DWORD dwStart = ::GetTickCount();
    do
    {
        pump();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (::GetTickCount() - dwStart < dwMilliseconds);
    pump();
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
    PumpFor(dwMilliseconds, PumpPreTranslated);
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
