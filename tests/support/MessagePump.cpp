#include "tests/support/MessagePump.h"

void PumpFor(DWORD dwMilliseconds)
{
    const DWORD dwStart = ::GetTickCount();
    do
    {
        PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (::GetTickCount() - dwStart < dwMilliseconds);
    PumpMessages();
}
