// The menu-sound worker: when it starts, the order it plays requests in, and its stop.
#include "ui/commandbars/menus/CTavoPMenuSound.h"

#include <gtest/gtest.h>
#include <mmsystem.h>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct PlayedSound
{
    std::string strName; // "<none>" for a call without a sound name
    DWORD fdwSound;
    bool operator==(const PlayedSound& o) const
    {
        return strName == o.strName && fdwSound == o.fdwSound;
    }
};

std::mutex g_lock;
std::vector<PlayedSound> g_played;
// While set, the first sound played waits for g_hRelease, as a long sound would.
HANDLE g_hPlaying = ::CreateEvent(NULL, TRUE, FALSE, NULL);
HANDLE g_hRelease = ::CreateEvent(NULL, TRUE, FALSE, NULL);

BOOL WINAPI RecordingPlayer(LPCTSTR pszSound, HMODULE, DWORD fdwSound)
{
    bool bFirst;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        bFirst = g_played.empty();
        g_played.push_back({pszSound != NULL ? pszSound : "<none>", fdwSound});
    }
    if (bFirst)
    {
        ::SetEvent(g_hPlaying);
        ::WaitForSingleObject(g_hRelease, 5000);
    }
    return TRUE;
}

std::vector<PlayedSound> Played()
{
    std::lock_guard<std::mutex> guard(g_lock);
    return g_played;
}

// Waits up to two seconds for the worker to have played that many sounds.
bool WaitForPlayed(size_t nCount)
{
    for (int i = 0; i < 400 && Played().size() < nCount; i++)
        ::Sleep(5);
    return Played().size() >= nCount;
}

const DWORD kAliasFlags = SND_ALIAS | SND_NOWAIT | SND_NODEFAULT;

// One process-wide worker whose stop is final, so its whole life is one test.
TEST(MenuSound, WorkerStartsOnTheFirstRequestPlaysEachRequestAndIsJoinedOnStop)
{
    CTavoPMenuSound::SetPlayer(RecordingPlayer);

    CTavoPMenuSound::EnableSounds(FALSE);
    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::PopupSound);
    EXPECT_FALSE(CTavoPMenuSound::HasWorker()) << "sounds off";
    EXPECT_EQ(CTavoPMenuSound::GetRequest(), CTavoPMenuSound::NoWorker);
    CTavoPMenuSound::EnableSounds(TRUE);

    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::Stop);
    EXPECT_FALSE(CTavoPMenuSound::HasWorker()) << "a stop starts nothing";
    EXPECT_EQ(CTavoPMenuSound::GetRequest(), CTavoPMenuSound::NoWorker);

    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::PopupSound);
    EXPECT_TRUE(CTavoPMenuSound::HasWorker());
    ASSERT_EQ(::WaitForSingleObject(g_hPlaying, 2000), WAIT_OBJECT_0);

    // Requests made while a sound plays are not wiped when it ends: the last one plays next.
    EXPECT_EQ(CTavoPMenuSound::GetRequest(), CTavoPMenuSound::Idle);
    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::PopupSound);
    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::CommandSound);
    EXPECT_EQ(CTavoPMenuSound::GetRequest(), CTavoPMenuSound::CommandSound);
    ::SetEvent(g_hRelease);
    ASSERT_TRUE(WaitForPlayed(2));
    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::PopupSound);
    ASSERT_TRUE(WaitForPlayed(3));

    // The stop returns only once the worker has silenced the process and ended.
    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::Stop);
    EXPECT_FALSE(CTavoPMenuSound::HasWorker());
    const std::vector<PlayedSound> expected = {{"MenuPopup", kAliasFlags},
                                               {"MenuCommand", kAliasFlags},
                                               {"MenuPopup", kAliasFlags},
                                               {"<none>", SND_PURGE}};
    EXPECT_EQ(Played(), expected);
    EXPECT_EQ(CTavoPMenuSound::GetRequest(), CTavoPMenuSound::Stop);

    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::CommandSound);
    ::Sleep(50);
    EXPECT_EQ(Played().size(), expected.size()) << "nothing plays after the stop";
    EXPECT_FALSE(CTavoPMenuSound::HasWorker());
}

} // namespace
