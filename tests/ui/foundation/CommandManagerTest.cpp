#include "tests/support/RegistryTestKey.h"
#include "ui/foundation/CTavoPCommandManager.h"

#include <gtest/gtest.h>

namespace {

const char* const kProfile = "SOFTWARE\\VorlenTests\\CommandManager\\";
const char* const kKey = "SOFTWARE\\VorlenTests\\CommandManager\\TavoCommandManager";

TEST(CommandManager, FirstBindingOfACommandWins)
{
    CTavoPCommandManager manager;
    manager.SetCmdImage(32771, 4, FALSE);
    manager.SetCmdImage(32771, 9, TRUE);
    EXPECT_EQ(manager.GetCmdImage(32771, FALSE), 4);
    EXPECT_EQ(manager.GetCmdImage(32771, TRUE), -1);

    manager.SetCmdImage(32772, 2, TRUE);
    manager.SetCmdImage(32772, 3, FALSE);
    EXPECT_EQ(manager.GetCmdImage(32772, TRUE), 2);
    EXPECT_EQ(manager.GetCmdImage(32772, FALSE), -1);

    // Within one table the second binding replaces the first.
    manager.SetCmdImage(32771, 7, FALSE);
    EXPECT_EQ(manager.GetCmdImage(32771, FALSE), 7);

    manager.ClearUserCmdImage(32772);
    EXPECT_EQ(manager.GetCmdImage(32772, TRUE), -1);
    manager.SetCmdImage(32772, 3, FALSE);
    EXPECT_EQ(manager.GetCmdImage(32772, FALSE), 3);
}

TEST(CommandManager, NeverBindsTheNullCommands)
{
    CTavoPCommandManager manager;
    const UINT ids[] = {0, 0xFFFFFFFFu};
    for (UINT id : ids)
    {
        manager.SetCmdImage(id, 1, FALSE);
        manager.SetCmdImage(id, 1, TRUE);
        EXPECT_EQ(manager.GetCmdImage(id, FALSE), -1);
        EXPECT_EQ(manager.GetCmdImage(id, TRUE), -1);
    }
}

TEST(CommandManager, MenuImageListHoldsEachCommandOnce)
{
    CTavoPCommandManager manager;
    manager.EnableMenuItemImage(32771, FALSE);
    manager.EnableMenuItemImage(32771, FALSE);
    manager.EnableMenuItemImage(32827, FALSE);
    EXPECT_EQ(manager.GetCommandsWithoutImages(), (std::vector<UINT>{32771, 32827}));
    EXPECT_TRUE(manager.IsMenuItemWithoutImage(32771));

    manager.EnableMenuItemImage(40000, TRUE);
    manager.EnableMenuItemImage(32771, TRUE);
    EXPECT_EQ(manager.GetCommandsWithoutImages(), (std::vector<UINT>{32827}));
    EXPECT_FALSE(manager.IsMenuItemWithoutImage(32771));

    manager.SetCmdImage(1, 1, FALSE);
    manager.ClearAllCmdImages();
    EXPECT_TRUE(manager.GetCommandsWithoutImages().empty());
    EXPECT_EQ(manager.GetCmdImage(1, FALSE), -1);
}

TEST(CommandManager, SavesTheListAsAnArchivedIdList)
{
    RegistryTestKey scratch("SOFTWARE\\VorlenTests\\CommandManager");
    CTavoPCommandManager saver;
    saver.EnableMenuItemImage(32771, FALSE);
    saver.EnableMenuItemImage(32827, FALSE);
    ASSERT_TRUE(saver.SaveState(kProfile));

    DWORD dwType = 0;
    const std::vector<BYTE> bytes = RegistryTestKey::Value(kKey, "CommandsWithoutImages", &dwType);
    EXPECT_EQ(dwType, (DWORD)REG_BINARY);
    EXPECT_EQ(bytes,
              (std::vector<BYTE>{0x02, 0x00, 0x03, 0x80, 0x00, 0x00, 0x3B, 0x80, 0x00, 0x00}));

    CTavoPCommandManager loader;
    ASSERT_TRUE(loader.LoadState(kProfile));
    EXPECT_EQ(loader.GetCommandsWithoutImages(), (std::vector<UINT>{32771, 32827}));
}

TEST(CommandManager, LoadingIntoAFilledListAddsNoDuplicates)
{
    RegistryTestKey scratch("SOFTWARE\\VorlenTests\\CommandManager");
    RegistryTestKey::SetBinary(kKey, "CommandsWithoutImages",
                               {0x02, 0x00, 0x03, 0x80, 0x00, 0x00, 0x3B, 0x80, 0x00, 0x00});
    CTavoPCommandManager manager;
    manager.EnableMenuItemImage(32827, FALSE);
    manager.EnableMenuItemImage(100, FALSE);
    ASSERT_TRUE(manager.LoadState(kProfile));
    EXPECT_EQ(manager.GetCommandsWithoutImages(), (std::vector<UINT>{32827, 100, 32771}));
}

TEST(CommandManager, LargeListsUseTheLongCount)
{
    RegistryTestKey scratch("SOFTWARE\\VorlenTests\\CommandManager");
    CTavoPCommandManager saver;
    for (UINT id = 1; id <= 0x10000; id++)
        saver.EnableMenuItemImage(id, FALSE);
    ASSERT_TRUE(saver.SaveState(kProfile));
    const std::vector<BYTE> bytes = RegistryTestKey::Value(kKey, "CommandsWithoutImages");
    ASSERT_EQ(bytes.size(), 6u + 4u * 0x10000);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[4], 0x01);

    CTavoPCommandManager loader;
    ASSERT_TRUE(loader.LoadState(kProfile));
    EXPECT_EQ(loader.GetCommandsWithoutImages().size(), 0x10000u);
}

TEST(CommandManager, DamagedOrMissingStateLoadsNothing)
{
    RegistryTestKey scratch("SOFTWARE\\VorlenTests\\CommandManager");
    CTavoPCommandManager manager;
    EXPECT_FALSE(manager.LoadState(kProfile));

    const std::vector<BYTE> damaged[] = {
        {},
        {0x02},
        {0x02, 0x00, 0x03, 0x80, 0x00, 0x00},
        {0xFF, 0xFF, 0x10},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x01, 0x00, 0x00, 0x00},
    };
    for (const std::vector<BYTE>& bytes : damaged)
    {
        RegistryTestKey::SetBinary(kKey, "CommandsWithoutImages", bytes);
        EXPECT_FALSE(manager.LoadState(kProfile));
        EXPECT_TRUE(manager.GetCommandsWithoutImages().empty());
    }
}

TEST(CommandManager, ProcessWideManagerIsOneObject)
{
    EXPECT_EQ(GetCommandManager(), GetCommandManager());
    EXPECT_NE(GetCommandManager(), nullptr);
}

} // namespace
