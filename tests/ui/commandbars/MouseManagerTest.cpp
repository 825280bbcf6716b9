// Double-click commands of views: bound, kept in the registry as (view, command) pairs and read back.
#include "tests/support/Mutations.h"
#include "tests/support/RegistryTestKey.h"
#include "ui/commandbars/managers/CTavoPMouseManager.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kRoot = "SOFTWARE\\VorlenTests MM";
const std::string kProfile = "SOFTWARE\\VorlenTests MM\\Settings\\";

class MouseManager : public ::testing::Test
{
protected:
    RegistryTestKey scratch{kRoot};
    CTavoPMouseManager manager;
};

TEST_F(MouseManager, BindingsAreStoredAsCountAndPairs)
{
    ASSERT_TRUE(manager.SaveState(kProfile.c_str()));
    EXPECT_EQ(RegistryTestKey::Value(kProfile, "Mouse"), (Bytes{0, 0, 0, 0}));

    manager.SetViewCommand(1, 0x8020);
    manager.SetViewCommand(2, 0x8021);
    manager.SetViewCommand(2, 0);
    EXPECT_EQ(manager.GetViewCommand(2), 0u);
    ASSERT_TRUE(manager.SaveState(kProfile.c_str()));
    EXPECT_EQ(RegistryTestKey::Value(kProfile, "Mouse"),
              (Bytes{1, 0, 0, 0, 1, 0, 0, 0, 0x20, 0x80, 0, 0}));

    // Loading replaces every binding; a later pair for the same view wins.
    RegistryTestKey::SetBinary(kProfile, "Mouse",
                               {2, 0, 0, 0, 3, 0, 0, 0, 5, 0, 0, 0, 3, 0, 0, 0, 6, 0, 0, 0});
    ASSERT_TRUE(manager.LoadState(kProfile.c_str()));
    EXPECT_EQ(manager.GetViewCommand(1), 0u);
    EXPECT_EQ(manager.GetViewCommand(3), 6u);
}

TEST_F(MouseManager, MissingOrDamagedValuesFail)
{
    manager.SetViewCommand(4, 44);
    EXPECT_FALSE(manager.LoadState(kProfile.c_str()));
    EXPECT_EQ(manager.GetViewCommand(4), 44u);

    // Three pairs announced, one given: that one is kept.
    RegistryTestKey::SetBinary(kProfile, "Mouse", {3, 0, 0, 0, 9, 0, 0, 0, 90, 0, 0, 0, 1});
    EXPECT_FALSE(manager.LoadState(kProfile.c_str()));
    EXPECT_EQ(manager.GetViewCommand(9), 90u);
    EXPECT_EQ(manager.GetViewCommand(4), 0u);
}

TEST_F(MouseManager, MutatedBindingsSaveAndLoadBackAsTheyWereRead)
{
    manager.SetViewCommand(1, 0x8020);
    manager.SetViewCommand(2, 0x8021);
    manager.SetViewCommand(7, 0x8022);
    ASSERT_TRUE(manager.SaveState(kProfile.c_str()));
    const Bytes valid = RegistryTestKey::Value(kProfile, "Mouse");
    std::mt19937 random(35);
    for (int i = 0; i < 2000; i++)
    {
        const std::string what = "mutation " + std::to_string(i);
        RegistryTestKey::SetBinary(kProfile, "Mouse", Mutate(valid, random));
        manager.LoadState(kProfile.c_str());
        // Whatever was read, complete or cut short, is saved and read back the same.
        ASSERT_TRUE(manager.SaveState(kProfile.c_str())) << what;
        CTavoPMouseManager again;
        ASSERT_TRUE(again.LoadState(kProfile.c_str())) << what;
        for (UINT uiView = 0; uiView < 10; uiView++)
            ASSERT_EQ(manager.GetViewCommand(uiView), again.GetViewCommand(uiView)) << what;
    }
}

TEST_F(MouseManager, ViewsAreKnownByNameAndIcon)
{
    ASSERT_TRUE(manager.AddView(1, "Grid", 130));
    ASSERT_TRUE(manager.AddView(2, "Report"));
    EXPECT_FALSE(manager.AddView(3, "Grid"));
    EXPECT_EQ(manager.GetViewIdByName("Report"), 2);
    EXPECT_EQ(manager.GetViewIdByName("Chart"), -1);
    EXPECT_EQ(manager.GetViewIconId(1), 130u);
    EXPECT_EQ(manager.GetViewIconId(2), 0u);
    CStringList names;
    names.AddTail("stale");
    manager.GetViewNames(names);
    EXPECT_EQ(names.GetCount(), 2);
    EXPECT_NE(names.Find("Grid"), (POSITION)NULL);
}

TEST(MouseManagerInstance, TheNewestManagerStaysTheProcessWideOne)
{
    std::unique_ptr<CTavoPMouseManager> first(new CTavoPMouseManager);
    std::unique_ptr<CTavoPMouseManager> second(new CTavoPMouseManager);
    EXPECT_EQ(GetMouseManager(), second.get());
    first.reset();
    EXPECT_EQ(GetMouseManager(), second.get());
    second.reset();
    EXPECT_EQ(GetMouseManager(), (CTavoPMouseManager*)NULL);
}

} // namespace
