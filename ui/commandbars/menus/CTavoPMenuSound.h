// The menu sounds, played by a worker thread of their own so that a sound never holds up a menu.
#pragma once
#include "framework/FrameworkWin.h"
#include <atomic>

class CTavoPMenuSound
{
public:
    // Values of the request word the worker polls.
    enum
    {
        NoWorker = -2,
        Stop = -1,
        Idle = 0,
        CommandSound = 1,
        PopupSound = 2
    };

    // What plays a named system sound: PlaySound, unless a test put another in its place.
    typedef BOOL(WINAPI* Player)(LPCTSTR pszSound, HMODULE hModule, DWORD fdwSound);

    // Asks for the command or popup sound; the first request starts the worker. Stop ends the
    // worker and returns once it has ended, and no sound plays after it.
    static void PlayMenuSound(int nRequest);

    // The request word as it stands now.
    static int GetRequest();
    static BOOL HasWorker();
    static void EnableSounds(BOOL bEnable = TRUE);
    static BOOL AreSoundsEnabled();
    // Puts another player in place of PlaySound; returns the one it replaces.
    static Player SetPlayer(Player pfnPlayer);

private:
    // The request word, the worker and the lock that guards its start. The worker is stopped
    // and waited for when the process exits.
    struct State
    {
        State();
        ~State();
        void StopWorker();

        std::atomic<int> nRequest;
        std::atomic<Player> pfnPlayer;
        std::atomic<BOOL> bEnabled;
        HANDLE hThread;
        CRITICAL_SECTION csStart;
    };
    static State& GetState();
    static DWORD WINAPI Worker(LPVOID pParam);
};
