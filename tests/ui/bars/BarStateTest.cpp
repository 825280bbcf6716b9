// A bar's places and visibility in the registry, read back raw, loaded with damaged values, and in the bar archive.
#include "tests/support/ArchiveBytes.h"
#include "tests/support/Mutations.h"
#include "tests/support/BarTestSupport.h"
#include "tests/support/RegistryTestKey.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

const char kRoot[] = "SOFTWARE\\VorlenTests Bars";
const char kProfile[] = "SOFTWARE\\VorlenTests Bars\\";

std::string BarKey(const char* lpszName)
{
    return std::string(kProfile) + lpszName;
}

DWORD Dword(const std::string& key, const char* lpszName)
{
    DWORD dwType = 0;
    const std::vector<BYTE> bytes = RegistryTestKey::Value(key, lpszName, &dwType);
    EXPECT_EQ((DWORD)REG_DWORD, dwType) << lpszName;
    DWORD dw = 0;
    if (bytes.size() == sizeof dw)
        std::memcpy(&dw, bytes.data(), sizeof dw);
    return dw;
}

CRect RectValue(const std::string& key, const char* lpszName)
{
    DWORD dwType = 0;
    const std::vector<BYTE> bytes = RegistryTestKey::Value(key, lpszName, &dwType);
    EXPECT_EQ((DWORD)REG_BINARY, dwType) << lpszName;
    RECT rect = {};
    EXPECT_EQ(sizeof rect, bytes.size()) << lpszName;
    if (bytes.size() == sizeof rect)
        std::memcpy(&rect, bytes.data(), sizeof rect);
    return CRect(rect);
}

std::vector<BYTE> RectBytes(const RECT& rect)
{
    const BYTE* p = (const BYTE*)&rect;
    return std::vector<BYTE>(p, p + sizeof rect);
}

class BarStateFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pFrame = TestFrame::Make(600, 400);
        ASSERT_NE(nullptr, pFrame);
        ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    }
    void TearDown() override
    {
        pFrame->DestroyWindow();
        PumpMessages();
    }
    RegistryTestKey key{kRoot};
    TestFrame* pFrame = nullptr;
};

TEST_F(BarStateFixture, ADockedBarWritesItsPlacesAndVisibility)
{
    TestBar first(200, 24), bar(150, 24);
    ASSERT_TRUE(first.Make(pFrame, 11));
    ASSERT_TRUE(bar.Make(pFrame, 12));
    pFrame->DockControlBar(&first, AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    ASSERT_TRUE(bar.SaveState(kProfile));

    const std::string strKey = BarKey("TavoPControlBar-12");
    EXPECT_EQ(12u, Dword(strKey, "ID"));
    EXPECT_EQ((DWORD)CBRS_ALIGN_TOP, Dword(strKey, "RecentFrameAlignment"));
    EXPECT_EQ(1u, Dword(strKey, "RecentRowIndex"));
    EXPECT_EQ(0u, Dword(strKey, "IsFloating"));
    EXPECT_EQ(32767u, Dword(strKey, "MRUWidth"));
    EXPECT_EQ(CRect(0, 24, 150, 48), RectValue(strKey, "RectRecentDocked"));
    EXPECT_EQ(CRect(100, 100, 250, 124), RectValue(strKey, "RectRecentFloat"));
    EXPECT_EQ(1u, Dword(BarKey("TavoPBaseControlBar-12"), "IsVisible"));
}

TEST_F(BarStateFixture, AFloatingBarWritesItsFrameRectangle)
{
    TestBar bar(150, 24);
    ASSERT_TRUE(bar.Make(pFrame, 12));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    ASSERT_TRUE(bar.FloatControlBar(CRect(300, 300, 450, 324), TAVOP_DM_RECT, TRUE));
    bar.ShowControlBar(FALSE, FALSE, FALSE);
    ASSERT_TRUE(bar.SaveState(kProfile));

    CRect rectFrame;
    bar.GetParentMiniFrame()->GetWindowRect(rectFrame);
    const std::string strKey = BarKey("TavoPControlBar-12");
    EXPECT_EQ(1u, Dword(strKey, "IsFloating"));
    EXPECT_EQ(rectFrame, RectValue(strKey, "RectRecentFloat"));
    EXPECT_EQ(0u, Dword(BarKey("TavoPBaseControlBar-12"), "IsVisible"));
}

TEST_F(BarStateFixture, ASubIndexFollowsTheDecimalIdInHex)
{
    TestBar bar(150, 24);
    ASSERT_TRUE(bar.Make(pFrame, 12));
    ASSERT_TRUE(bar.SaveState(kProfile, -1, 0xa));
    EXPECT_TRUE(RegistryTestKey::Exists(BarKey("TavoPControlBar-12a")));
    EXPECT_TRUE(RegistryTestKey::Exists(BarKey("TavoPBaseControlBar-12a")));
    EXPECT_FALSE(RegistryTestKey::Exists(BarKey("TavoPControlBar-12")));
    ASSERT_TRUE(bar.SaveState(kProfile, 7));
    EXPECT_EQ(12u, Dword(BarKey("TavoPControlBar-7"), "ID"));
}

TEST_F(BarStateFixture, LoadTakesItsValuesButKeepsTheBarsId)
{
    const std::string strKey = BarKey("TavoPControlBar-20");
    RegistryTestKey::SetDword(strKey, "ID", 99);
    RegistryTestKey::SetBinary(strKey, "RectRecentFloat", RectBytes({5, 6, 205, 30}));
    RegistryTestKey::SetBinary(strKey, "RectRecentDocked", RectBytes({0, 24, 150, 48}));
    RegistryTestKey::SetDword(strKey, "RecentFrameAlignment", CBRS_ALIGN_BOTTOM);
    RegistryTestKey::SetDword(strKey, "RecentRowIndex", 2);
    RegistryTestKey::SetDword(strKey, "IsFloating", 1);
    RegistryTestKey::SetDword(strKey, "MRUWidth", 300);
    RegistryTestKey::SetDword(BarKey("TavoPBaseControlBar-20"), "IsVisible", 0);

    TestBar bar(150, 24);
    ASSERT_TRUE(bar.Make(pFrame, 20));
    ASSERT_TRUE(bar.LoadState(kProfile));
    const CTavoPRecentDockInfo& recent = bar.GetRecentDockInfo();
    EXPECT_EQ(20, bar.GetDlgCtrlID());
    EXPECT_EQ(20u, bar.GetControlID());
    EXPECT_EQ(CRect(5, 6, 205, 30), recent.m_rectRecentFloatingRect);
    EXPECT_EQ(CRect(0, 24, 150, 48), recent.m_recentSliderInfo.m_rectRecentDockedRect);
    EXPECT_EQ((DWORD)CBRS_ALIGN_BOTTOM, recent.m_dwRecentAlignmentToFrame);
    EXPECT_EQ(2, recent.m_nRecentRowIndex);
    EXPECT_TRUE(bar.GetLoadedFloatingState());
    EXPECT_EQ(300, bar.GetMRUWidth());
    EXPECT_TRUE(bar.GetStoredValue());
    EXPECT_FALSE(bar.GetStoredVisibility());

    // Damaged values leave what the bar had.
    struct Damage
    {
        DWORD dwAlignment;
        int nRow;
        RECT rect;
    } damages[] = {
        {CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT, -1, {0, 0, 0, 0}},
        {0, -5, {10, 10, 5, 5}},
        {0x10000 | CBRS_ALIGN_TOP, -1, {10, 10, 10, 40}},
        // Thinner than the bar can be: the bar would vanish there.
        {CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT, -1, {10, 10, 11, 40}},
    };
    for (const Damage& d : damages)
    {
        RegistryTestKey::SetDword(strKey, "RecentFrameAlignment", d.dwAlignment);
        RegistryTestKey::SetDword(strKey, "RecentRowIndex", (DWORD)d.nRow);
        RegistryTestKey::SetBinary(strKey, "RectRecentFloat", RectBytes(d.rect));
        RegistryTestKey::SetBinary(strKey, "RectRecentDocked", RectBytes(d.rect));
        EXPECT_TRUE(bar.LoadState(kProfile));
        EXPECT_EQ((DWORD)CBRS_ALIGN_BOTTOM, recent.m_dwRecentAlignmentToFrame);
        EXPECT_EQ(2, recent.m_nRecentRowIndex);
        EXPECT_EQ(CRect(5, 6, 205, 30), recent.m_rectRecentFloatingRect);
        EXPECT_EQ(CRect(0, 24, 150, 48), recent.m_recentSliderInfo.m_rectRecentDockedRect);
    }
}

TEST_F(BarStateFixture, MutatedStoredPlacesStillDockOrFloatTheBarWithinBounds)
{
    TestBar first(200, 24);
    ASSERT_TRUE(first.Make(pFrame, 11));
    pFrame->DockControlBar(&first, AFX_IDW_DOCKBAR_TOP);
    {
        TestBar bar(150, 24);
        ASSERT_TRUE(bar.Make(pFrame, 12));
        pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
        ASSERT_TRUE(bar.SaveState(kProfile));
    }
    const std::string strKey = BarKey("TavoPControlBar-12");
    const char* const names[] = {"RectRecentFloat", "RectRecentDocked", "RecentFrameAlignment",
                                 "RecentRowIndex",  "IsFloating",       "MRUWidth"};
    std::vector<Bytes> valid;
    for (const char* pszName : names)
        valid.push_back(RegistryTestKey::Value(strKey, pszName));

    std::mt19937 random(35);
    for (int i = 0; i < 600; i++)
    {
        const std::string what = "mutation " + std::to_string(i);
        const size_t nValue = random() % valid.size();
        for (size_t v = 0; v < valid.size(); v++)
        {
            const Bytes bytes = v == nValue ? Mutate(valid[v], random) : valid[v];
            DWORD dw = 0;
            if (valid[v].size() == sizeof dw && bytes.size() == sizeof dw)
            {
                std::memcpy(&dw, bytes.data(), sizeof dw);
                RegistryTestKey::SetDword(strKey, names[v], dw);
            }
            else
                RegistryTestKey::SetBinary(strKey, names[v], bytes);
        }

        TestBar bar(150, 24);
        ASSERT_TRUE(bar.Make(pFrame, 12));
        bar.LoadState(kProfile);
        CTavoPDockManager::m_bRestoringDockState = TRUE;
        bar.RestoreDockState(pFrame->GetDockManager());
        CTavoPDockManager::m_bRestoringDockState = FALSE;
        pFrame->RecalcLayout();
        // Two bars never need more than a few rows on a side.
        for (DWORD dwSide : {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT})
        {
            CTavoPDockBar* pDockBar = pFrame->GetDockManager()->FindDockBarByAlignment(dwSide);
            ASSERT_NE(nullptr, pDockBar) << what;
            ASSERT_LE(pDockBar->GetRows().GetCount(), 8) << what;
        }
        ASSERT_TRUE(bar.SaveState(kProfile)) << what;
        bar.DestroyWindow();
    }
}

TEST_F(BarStateFixture, AMissingKeyLoadsNothing)
{
    TestBar bar(150, 24);
    ASSERT_TRUE(bar.Make(pFrame, 21));
    const CRect rectFloat = bar.GetRecentDockInfo().m_rectRecentFloatingRect;
    EXPECT_FALSE(bar.LoadState(kProfile));
    EXPECT_FALSE(bar.GetStoredValue());
    EXPECT_EQ(rectFloat, bar.GetRecentDockInfo().m_rectRecentFloatingRect);
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, bar.GetRecentDockInfo().m_dwRecentAlignmentToFrame);
}

TEST_F(BarStateFixture, SavingReportsFailureWhenTheKeyCannotBeMade)
{
    // A volatile key can hold no lasting subkey.
    HKEY hKey = NULL;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(HKEY_CURRENT_USER, BarKey("Volatile").c_str(), 0, nullptr,
                                REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &hKey, nullptr));
    ::RegCloseKey(hKey);
    TestBar bar(150, 24);
    ASSERT_TRUE(bar.Make(pFrame, 22));
    const std::string strProfile = BarKey("Volatile\\");
    EXPECT_FALSE(bar.SaveState(strProfile.c_str()));
    EXPECT_FALSE(bar.CTavoPBaseControlBar::SaveState(strProfile.c_str()));
}

TEST_F(BarStateFixture, TheArchiveKeepsAlignmentAndVisibility)
{
    TestBar bar(150, 24);
    ASSERT_TRUE(bar.Make(pFrame, 23));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_RIGHT);
    const Bytes bytes =
        StoreToBytes([&](CArchive& ar) { bar.CTavoPBaseControlBar::Serialize(ar); });
    ASSERT_EQ(8u, bytes.size());
    EXPECT_EQ(Bytes({0x00, 0x40, 0, 0, 1, 0, 0, 0}), bytes);

    TestBar loaded(150, 24);
    LoadFromBytes(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}),
                  [&](CArchive& ar) { loaded.CTavoPBaseControlBar::Serialize(ar); });
    EXPECT_EQ((DWORD)CBRS_ALIGN_ANY, loaded.GetBarStyle());
    EXPECT_FALSE(loaded.GetStoredVisibility());
}

}
