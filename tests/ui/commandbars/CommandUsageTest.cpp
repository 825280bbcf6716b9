// Command usage counts: what is counted, which commands count as rarely used, and the stored form.
#include "tests/support/ArchiveBytes.h"
#include "tests/support/Mutations.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/foundation/CTavoPWorkspace.h"

#include <gtest/gtest.h>

namespace {

const UINT kCmdA = 32771;
const UINT kCmdB = 32772;

// Reaches the process-wide list of basic commands, which has no public way to be emptied.
struct BasicCommands : CTavoPToolBar
{
    static void Clear() { CTavoPToolBar::BasicCommands().RemoveAll(); }
};

class CommandUsage : public ::testing::Test
{
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset()
    {
        GetCommandUsage().RemoveAll();
        BasicCommands::Clear();
        CTavoPToolBar::SetCustomizeMode(FALSE);
    }
    static void Use(UINT uiCmd, int nTimes)
    {
        for (int i = 0; i < nTimes; i++)
            CTavoPToolBar::AddCommandUsage(uiCmd);
    }
};

TEST_F(CommandUsage, ACommandWithFivePercentOfTheUsesOrLessIsRare)
{
    const CTavoPCommandUsage& usage = GetCommandUsage();
    EXPECT_FALSE(usage.IsFrequent(kCmdA)) << "no uses recorded";

    struct Case
    {
        int nUsesA, nUsesB;
        BOOL bFrequentA, bFrequentB;
    } const cases[] = {{10, 1, TRUE, TRUE}, {21, 1, TRUE, FALSE}, {19, 1, TRUE, FALSE}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.nUsesA << ":" << c.nUsesB);
        GetCommandUsage().RemoveAll();
        Use(kCmdA, c.nUsesA);
        Use(kCmdB, c.nUsesB);
        EXPECT_EQ(usage.GetTotal(), (UINT)(c.nUsesA + c.nUsesB));
        EXPECT_EQ(usage.GetCount(kCmdA), c.nUsesA);
        EXPECT_EQ(usage.IsFrequent(kCmdA), c.bFrequentA);
        EXPECT_EQ(usage.IsFrequent(kCmdB), c.bFrequentB);
        EXPECT_TRUE(usage.HasEnoughData());
    }
}

TEST_F(CommandUsage, RecentFilesSystemCommandsVerbsBasicCommandsAndCustomizingCountNothing)
{
    CTavoPToolBar::AddBasicCommand(kCmdB);
    struct Case
    {
        UINT uiCmd;
        bool bCounted;
    } const cases[] = {{0, false},       {(UINT)-1, false}, {0xE10F, true}, {0xE110, false},
                       {0xE11F, false},  {0xE120, true},    {0xEFFF, true}, {0xF000, false},
                       {0xF1EF, false},  {0xF1F0, true},    {0xE20F, true}, {0xE210, false},
                       {0xE21F, false},  {0xE220, true},    {0xFEFF, true}, {0xFF00, false},
                       {0x10000, false}, {kCmdB, false},    {kCmdA, true}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << std::hex << c.uiCmd);
        GetCommandUsage().RemoveAll();
        CTavoPToolBar::AddCommandUsage(c.uiCmd);
        EXPECT_EQ(GetCommandUsage().GetTotal(), c.bCounted ? 1u : 0u);
        EXPECT_EQ(GetCommandUsage().GetCount(c.uiCmd), c.bCounted ? 1 : 0);
    }

    GetCommandUsage().RemoveAll();
    CTavoPToolBar::SetCustomizeMode(TRUE);
    CTavoPToolBar::AddCommandUsage(kCmdA);
    EXPECT_EQ(GetCommandUsage().GetTotal(), 0u);
    EXPECT_EQ(GetCommandUsage().GetCount(kCmdA), 0);
}

TEST_F(CommandUsage, OnlyCountedCommandsOutsideBasicOnesAreRarelyUsed)
{
    Use(kCmdA, 21);
    Use(kCmdB, 1);
    EXPECT_FALSE(CTavoPToolBar::IsCommandRarelyUsed(kCmdB)) << "no basic commands: no short menus";

    const UINT kBasic = 32773;
    CTavoPToolBar::AddBasicCommand(kBasic);
    EXPECT_TRUE(CTavoPToolBar::IsCommandRarelyUsed(kCmdB));
    EXPECT_FALSE(CTavoPToolBar::IsCommandRarelyUsed(kCmdA));
    EXPECT_FALSE(CTavoPToolBar::IsCommandRarelyUsed(kBasic));
    EXPECT_FALSE(CTavoPToolBar::IsCommandRarelyUsed(0xE110));
    EXPECT_FALSE(CTavoPToolBar::IsCommandRarelyUsed(0xF060));
    CTavoPToolBar::SetCustomizeMode(TRUE);
    EXPECT_FALSE(CTavoPToolBar::IsCommandRarelyUsed(kCmdB));
}

TEST_F(CommandUsage, TheUserToolsPlaceholderIsNeitherCountedNorRarelyUsed)
{
    // Were it rarely used, a shortened menu would hide it and every user tool with it.
    const UINT kPlaceholder = 32790;
    CTavoPWorkspace workspace(TRUE);
    CTavoPUserToolsManager tools(kPlaceholder, 32800, 32810);
    workspace.m_pUserToolsManager = &tools;
    CTavoPToolBar::AddBasicCommand(32773);
    Use(kCmdA, 30);
    Use(kPlaceholder, 1);
    EXPECT_EQ(0, GetCommandUsage().GetCount(kPlaceholder));
    EXPECT_EQ(30u, GetCommandUsage().GetTotal());
    EXPECT_FALSE(CTavoPToolBar::IsCommandRarelyUsed(kPlaceholder));
    EXPECT_TRUE(CTavoPToolBar::IsCommandRarelyUsed(kCmdB));
    workspace.m_pUserToolsManager = NULL;
}

TEST_F(CommandUsage, ArchiveListsEachBucketNewestFirstAndLoadingReplacesTheCounts)
{
    // 0x10 and 0x120 share bucket 1, 0x30 is in bucket 3.
    CTavoPCommandUsage usage;
    usage.AddUsage(0x10);
    usage.AddUsage(0x30);
    usage.AddUsage(0x120);
    usage.AddUsage(0x120);
    const Bytes stored = StoreToBytes([&](CArchive& ar) { usage.Serialize(ar); });
    const Bytes expected = ByteWriter().D(4).W(3).D(0x120).D(2).D(0x10).D(1).D(0x30).D(1);
    EXPECT_EQ(stored, expected);

    CTavoPCommandUsage loaded;
    loaded.AddUsage(0x10);
    loaded.AddUsage(0x40);
    LoadFromBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetTotal(), 4u);
    EXPECT_EQ(loaded.GetCount(0x120), 2);
    EXPECT_EQ(loaded.GetCount(0x10), 1);
    EXPECT_EQ(loaded.GetCount(0x40), 0);

    // A count that claims more entries than the value holds ends the load with an error.
    const Bytes cut = ByteWriter().D(4).W(3).D(0x120).D(2);
    CTavoPCommandUsage partial;
    EXPECT_EQ(LoadFailureCause(cut, [&](CArchive& ar) { partial.Serialize(ar); }),
              (int)CArchiveException::endOfFile);
}

TEST_F(CommandUsage, MutatedStoredCountsLoadWholeOrFailAndSaveAgain)
{
    CTavoPCommandUsage source;
    for (UINT uiCmd : {0x10u, 0x30u, 0x120u, 0x120u, (UINT)kCmdA})
        source.AddUsage(uiCmd);
    const Bytes valid = StoreToBytes([&](CArchive& ar) { source.Serialize(ar); });
    std::mt19937 random(35);
    int nLoaded = 0;
    for (int i = 0; i < 3000; i++)
    {
        const std::string what = "mutation " + std::to_string(i);
        CTavoPCommandUsage loaded;
        if (LoadFailureCause(Mutate(valid, random), [&](CArchive& ar) { loaded.Serialize(ar); }) !=
            -1)
            continue;
        nLoaded++;
        // Whatever loaded is asked and saved like any counts, and comes back the same.
        loaded.IsFrequent(kCmdA);
        const Bytes saved = StoreToBytes([&](CArchive& ar) { loaded.Serialize(ar); });
        CTavoPCommandUsage again;
        ASSERT_EQ(-1, LoadFailureCause(saved, [&](CArchive& ar) { again.Serialize(ar); })) << what;
        ASSERT_EQ(loaded.GetTotal(), again.GetTotal()) << what;
        for (UINT uiCmd : {0x10u, 0x30u, 0x120u, (UINT)kCmdA})
            ASSERT_EQ(loaded.GetCount(uiCmd), again.GetCount(uiCmd)) << what;
        // Loading turns each bucket's chain round, so only the size is the same.
        ASSERT_EQ(saved.size(), StoreToBytes([&](CArchive& ar) { again.Serialize(ar); }).size())
            << what;
    }
    EXPECT_GT(nLoaded, 0);
}

} // namespace
