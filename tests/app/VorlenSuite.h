// One vorlen.exe for a whole test suite: started on a fresh profile and test database, logged in, and driven by the suite's tests in their order.
#pragma once
#include "tests/app/VorlenDriving.h"
#include "tests/support/TestDatabase.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>

class VorlenSuite : public ::testing::Test
{
protected:
    static constexpr UINT kIdcGrid = 42179;

    static void SetUpTestSuite()
    {
        DeleteVorlenProfile();
        s_db.reset(new TestDatabase());
        s_vorlen.reset(new VorlenProcess(s_db->ConnectString().c_str()));
        s_main = s_vorlen->StartAndLogIn(kVorlenStartTimeout);
    }
    static void TearDownTestSuite()
    {
        s_vorlen.reset();
        s_db.reset();
        s_main = nullptr;
    }
    // Ends vorlen through 系统 > 安全退出, as a user does, which keeps its profile.
    static void ExitVorlen()
    {
        if (s_main != nullptr)
            PostMessageA(s_main, WM_COMMAND, 57665, 0);
        if (s_vorlen)
            s_vorlen->WaitExit(10000);
    }
    void SetUp() override
    {
        ASSERT_NE(nullptr, s_main) << "vorlen did not come up with its main window";
    }

    static HWND Grid() { return FindDescendant(s_main, WC_LISTVIEWA, kIdcGrid); }

    inline static std::unique_ptr<TestDatabase> s_db;
    inline static std::unique_ptr<VorlenProcess> s_vorlen;
    inline static HWND s_main = nullptr;
};
