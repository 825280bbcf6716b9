#include "ui/commandbars/menus/CTavoPMenuSound.h"
#include <mmsystem.h>

// Played only when the sound exists and no other sound of the process is playing.
static const DWORD kSoundFlags = SND_ALIAS | SND_NOWAIT | SND_NODEFAULT;
static const DWORD kPollMilliseconds = 5;

CTavoPMenuSound::State::State()
    : nRequest(NoWorker), pfnPlayer(::PlaySound), bEnabled(TRUE), hThread(NULL)
{
    ::InitializeCriticalSection(&csStart);
}

CTavoPMenuSound::State::~State()
{
    StopWorker();
    ::DeleteCriticalSection(&csStart);
}

void CTavoPMenuSound::State::StopWorker()
{
    nRequest = Stop;
    if (hThread != NULL)
    {
        ::WaitForSingleObject(hThread, INFINITE);
        ::CloseHandle(hThread);
        hThread = NULL;
    }
}

void CTavoPMenuSound::PlayMenuSound(int nRequest)
{
    State& state = GetState();
    if (!state.bEnabled)
        return;

    if (state.nRequest != NoWorker)
    {
        if (nRequest == Stop)
            state.StopWorker();
        else if (state.nRequest != Stop)
            state.nRequest = nRequest;
        return;
    }
    if (nRequest == Stop)
        return;

    ::EnterCriticalSection(&state.csStart);
    if (state.nRequest == NoWorker)
    {
        state.hThread = ::CreateThread(NULL, 0, Worker, &state, 0, NULL);
        if (state.hThread != NULL)
        {
            ::SetThreadPriority(state.hThread, THREAD_PRIORITY_BELOW_NORMAL);
            state.nRequest = nRequest;
        }
    }
    ::LeaveCriticalSection(&state.csStart);
}

DWORD WINAPI CTavoPMenuSound::Worker(LPVOID pParam)
{
    State& state = *(State*)pParam;
    for (;;)
    {
        int nRequest = state.nRequest;
        if (nRequest == Stop)
            break;
        // The request is taken before it plays: one made while it plays is kept for the next
        // round instead of being wiped by the reset.
        if ((nRequest == CommandSound || nRequest == PopupSound) &&
            state.nRequest.compare_exchange_strong(nRequest, Idle))
        {
            state.pfnPlayer.load()(nRequest == CommandSound ? _T("MenuCommand") : _T("MenuPopup"),
                                   NULL, kSoundFlags);
        }
        ::Sleep(kPollMilliseconds);
    }
    state.pfnPlayer.load()(NULL, NULL, SND_PURGE);
    return 0;
}

int CTavoPMenuSound::GetRequest()
{
    return GetState().nRequest;
}

BOOL CTavoPMenuSound::HasWorker()
{
    return GetState().hThread != NULL;
}

void CTavoPMenuSound::EnableSounds(BOOL bEnable)
{
    GetState().bEnabled = bEnable;
}

BOOL CTavoPMenuSound::AreSoundsEnabled()
{
    return GetState().bEnabled;
}

CTavoPMenuSound::Player CTavoPMenuSound::SetPlayer(Player pfnPlayer)
{
    return GetState().pfnPlayer.exchange(pfnPlayer);
}
