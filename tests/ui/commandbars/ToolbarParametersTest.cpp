// The process-wide toolbar options and command usage counts in the registry.
#include "tests/support/RegistryTestKey.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char* const kRoot = "SOFTWARE\\VorlenTests TB";
const std::string kProfile = "SOFTWARE\\VorlenTests TB\\Settings\\";
const std::string kKey = kProfile + "TavoToolbarParameters";

// Total 11; command 32771 used 10 times, command 57600 once (each in its own bucket).
const std::vector<BYTE> kUsage = {11, 0, 0, 0,    2,    0,    0x03, 0x80, 0, 0, 10,
                                  0,  0, 0, 0x00, 0xE1, 0x00, 0x00, 1,    0, 0, 0};

// The options as one record, so that a test can set them all and put them back.
struct Options
{
    BOOL bTooltips, bShortcutKeys, bLargeIcons, bRecentlyUsed, bMenuShadows, bShowAllDelay;
    int nAnimation;
    BOOL bLook2000;

    static Options Current()
    {
        return {CTavoPToolBar::m_bShowTooltips,   CTavoPToolBar::m_bShowShortcutKeys,
                CTavoPToolBar::IsLargeIcons(),    CTavoPToolBar::m_bRecentlyUsedMenus,
                CTavoPPopupMenu::m_bMenuShadows,  CTavoPToolBar::m_bShowAllMenusDelay,
                CTavoPPopupMenu::m_AnimationType, CTavoPVisualManager::GetInstance()->IsLook2000()};
    }
    void Apply() const
    {
        CTavoPToolBar::m_bShowTooltips = bTooltips;
        CTavoPToolBar::m_bShowShortcutKeys = bShortcutKeys;
        CTavoPToolBar::SetLargeIcons(bLargeIcons);
        CTavoPToolBar::m_bRecentlyUsedMenus = bRecentlyUsed;
        CTavoPPopupMenu::m_bMenuShadows = bMenuShadows;
        CTavoPToolBar::m_bShowAllMenusDelay = bShowAllDelay;
        CTavoPPopupMenu::m_AnimationType = nAnimation;
        CTavoPVisualManager::GetInstance()->SetLook2000(bLook2000);
    }
    bool operator==(const Options& o) const
    {
        return bTooltips == o.bTooltips && bShortcutKeys == o.bShortcutKeys &&
               bLargeIcons == o.bLargeIcons && bRecentlyUsed == o.bRecentlyUsed &&
               bMenuShadows == o.bMenuShadows && bShowAllDelay == o.bShowAllDelay &&
               nAnimation == o.nAnimation && bLook2000 == o.bLook2000;
    }
};

const Options kDefaults = {TRUE, TRUE, FALSE, TRUE, TRUE, TRUE, 0, FALSE};

class ToolbarParameters : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kDefaults.Apply();
        GetCommandUsage().RemoveAll();
    }
    void TearDown() override
    {
        kDefaults.Apply();
        GetCommandUsage().RemoveAll();
        CTavoPVisualManager::DestroyInstance();
    }
    RegistryTestKey scratch{kRoot};
};

TEST_F(ToolbarParameters, SavedOptionsAndUsageComeBack)
{
    const Options changed = {FALSE, FALSE, TRUE, FALSE, FALSE, FALSE, 2, TRUE};
    changed.Apply();
    ASSERT_TRUE(CTavoPToolBar::SaveParameters(kProfile.c_str()));
    DWORD dwType = 0;
    EXPECT_EQ(RegistryTestKey::Value(kKey, "MenuAnimation", &dwType),
              (std::vector<BYTE>{2, 0, 0, 0}));
    EXPECT_EQ(dwType, (DWORD)REG_DWORD);
    EXPECT_EQ(RegistryTestKey::Value(kKey, "Look2000"), (std::vector<BYTE>{1, 0, 0, 0}));
    EXPECT_EQ(RegistryTestKey::Value(kKey, "CommandsUsage", &dwType),
              (std::vector<BYTE>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(dwType, (DWORD)REG_BINARY);

    // Usage counts as an earlier run left them replace the counts of this run.
    RegistryTestKey::SetBinary(kKey, "CommandsUsage", kUsage);
    kDefaults.Apply();
    GetCommandUsage().AddUsage(32800);
    ASSERT_TRUE(CTavoPToolBar::LoadParameters(kProfile.c_str()));
    EXPECT_TRUE(Options::Current() == changed);
    EXPECT_TRUE(GetGlobalData().m_bLargeIcons) << "the toolbars are laid out for large icons";
    EXPECT_EQ(GetCommandUsage().GetCount(32800), 0);
    EXPECT_EQ(GetCommandUsage().GetTotal(), 11u);
    EXPECT_EQ(GetCommandUsage().GetCount(32771), 10);
    EXPECT_EQ(GetCommandUsage().GetCount(57600), 1);

    ASSERT_TRUE(CTavoPToolBar::SaveParameters(kProfile.c_str()));
    EXPECT_EQ(RegistryTestKey::Value(kKey, "CommandsUsage"), kUsage);
}

TEST_F(ToolbarParameters, ReadingStopsAtTheFirstMissingValueAndKeepsWhatWasRead)
{
    RegistryTestKey::SetDword(kKey, "Tooltips", 0);
    RegistryTestKey::SetDword(kKey, "ShortcutKeys", 0);
    RegistryTestKey::SetDword(kKey, "LargeIcons", 1);
    CTavoPPopupMenu::m_AnimationType = 3;
    CTavoPVisualManager::GetInstance()->SetLook2000(TRUE);

    EXPECT_FALSE(CTavoPToolBar::LoadParameters(kProfile.c_str()));
    const Options expected = {FALSE, FALSE, TRUE, TRUE, TRUE, TRUE, 0, FALSE};
    EXPECT_TRUE(Options::Current() == expected);
}

TEST_F(ToolbarParameters, MissingKeyChangesNothing)
{
    const Options changed = {FALSE, TRUE, TRUE, FALSE, TRUE, FALSE, 1, TRUE};
    changed.Apply();
    EXPECT_FALSE(CTavoPToolBar::LoadParameters(kProfile.c_str()));
    EXPECT_TRUE(Options::Current() == changed);
}

} // namespace
