// The outlook bar in a real frame: switching pages by their captions, the user's own pages and their stored form, damaged stored values, and a page torn out and docked back.
#include "tests/support/ArchiveBytes.h"
#include "tests/support/BarTestSupport.h"
#include "tests/support/RegistryTestKey.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/controls/outlook/CTavoPOutlookBar.h"
#include "ui/controls/outlook/CTavoPOutlookBarDockingPane.h"
#include "ui/controls/outlook/CTavoPOutlookBarPane.h"
#include "ui/controls/outlook/CTavoPOutlookWnd.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kKey = "Software\\VorlenTests\\Outlook";
const UINT kBarId = 3100;
const UINT kFirstUserPage = CTavoPOutlookBar::kFirstUserPageID;

// The stored list of user pages: the count, then each page's ID and name.
Bytes PagesValue(int nCount, const std::vector<std::pair<int, const char*>>& pages)
{
    return StoreToBytes([&](CArchive& ar) {
        ar << nCount;
        for (const auto& page : pages)
        {
            ar << page.first;
            ar << CString(page.second);
        }
    });
}

class OutlookBarFixture : public DockingFrameFixture
{
protected:
    void SetUp() override
    {
        DockingFrameFixture::SetUp();
        pBar = MakeBar();
        ASSERT_NE(nullptr, pBar);
    }
    void TearDown() override
    {
        DestroyBar(pBar);
        DockingFrameFixture::TearDown();
    }
    CTavoPOutlookBar* MakeBar()
    {
        CTavoPOutlookBar* pNew = new CTavoPOutlookBar;
        if (!pNew->Create("Outlook", pFrame, CRect(0, 0, 160, 380), kBarId,
                          WS_CHILD | WS_VISIBLE | CBRS_LEFT))
        {
            delete pNew;
            return nullptr;
        }
        pNew->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(pNew, AFX_IDW_DOCKBAR_LEFT);
        PumpFor(30);
        return pNew;
    }
    void DestroyBar(CTavoPOutlookBar*& pOld)
    {
        if (pOld == nullptr)
            return;
        if (::IsWindow(pOld->GetSafeHwnd()))
            pOld->DestroyWindow();
        delete pOld;
        pOld = nullptr;
        PumpMessages();
    }
    // A page with one button, not a user page.
    CTavoPOutlookBarPane* AddPage(UINT nID, const char* lpszLabel)
    {
        CTavoPOutlookBarPane* pPage = new CTavoPOutlookBarPane;
        pages.emplace_back(pPage);
        if (!pPage->Create(pBar->GetOutlookWnd(), CTavoPOutlookBarPane::kDefaultStyle, nID))
            return nullptr;
        pPage->AddButton((HBITMAP)NULL, lpszLabel, nID + 100);
        pBar->GetOutlookWnd()->AddTab(pPage, lpszLabel, (UINT)-1, FALSE);
        return pPage;
    }
    std::string Key() const { return std::string(kKey) + "\\"; }

    RegistryTestKey key{kKey};
    CTavoPOutlookBar* pBar = nullptr;
    std::vector<std::unique_ptr<CTavoPOutlookBarPane>> pages;
};

using OutlookBar = OutlookBarFixture;

} // namespace

TEST_F(OutlookBar, PagesSwitchByAClickOnTheirCaptions)
{
    const char* labels[] = {"Mail", "Notes", "Tasks"};
    for (int i = 0; i < 3; i++)
        ASSERT_NE(nullptr, AddPage(3201 + i, labels[i]));
    CTavoPOutlookWnd* pWnd = pBar->GetOutlookWnd();
    ASSERT_EQ(0, pWnd->GetActiveTab());

    for (int iPage : {2, 0, 1})
    {
        SCOPED_TRACE(labels[iPage]);
        CRect rect;
        ASSERT_TRUE(pWnd->GetTabRect(iPage, rect));
        pWnd->ClientToScreen(rect);
        const CPoint pt = rect.CenterPoint();
        RunMouse({{MouseStep::Move, pt.x, pt.y}, {MouseStep::Down, 0, 0}, {MouseStep::Up, 0, 0}});
        EXPECT_EQ(iPage, pWnd->GetActiveTab());
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(i == iPage, pages[i]->IsWindowVisible() != FALSE) << i;
        // The page fills the room between the buttons above and below it.
        CRect rectPage;
        pages[iPage]->GetWindowRect(rectPage);
        pWnd->ScreenToClient(rectPage);
        EXPECT_EQ(pWnd->GetPageArea(), rectPage);
        CString strCaption;
        pBar->GetWindowText(strCaption);
        EXPECT_STREQ(labels[iPage], strCaption);
    }
}

TEST_F(OutlookBar, UserPagesAreFoundAgainAfterARestartInBothKeyForms)
{
    struct Form
    {
        UINT uiSubIndex;
        std::string key;
    } forms[] = {{(UINT)-1, Key() + "TavoPOutlookBar-3100"},
                 {0x2a, Key() + "sTavoPOutlookBar-31002a"}};
    for (const Form& form : forms)
    {
        SCOPED_TRACE(form.key);
        CTavoPOutlookBarPane* pMine = pBar->CreateCustomPage("Mine");
        CTavoPOutlookBarPane* pOther = pBar->CreateCustomPage("Other");
        ASSERT_NE(nullptr, pMine);
        ASSERT_NE(nullptr, pOther);
        EXPECT_EQ(kFirstUserPage, (UINT)pMine->GetDlgCtrlID());
        EXPECT_EQ(kFirstUserPage + 1, (UINT)pOther->GetDlgCtrlID());
        EXPECT_TRUE(pBar->RenameCustomPage(kFirstUserPage, "Ours"));
        EXPECT_FALSE(pBar->RenameCustomPage(kFirstUserPage + 7, "Nobody's"));
        pMine->AddButton((HBITMAP)NULL, "Inbox", 32800);

        ASSERT_TRUE(pBar->SaveState(Key().c_str(), -1, form.uiSubIndex));
        EXPECT_EQ(
            PagesValue(2, {{(int)kFirstUserPage, "Ours"}, {(int)kFirstUserPage + 1, "Other"}}),
            RegistryTestKey::Value(form.key, "TavoPOutlookCustomPages"));

        // The program starts again: a new bar finds both pages with the button.
        DestroyBar(pBar);
        EXPECT_FALSE(CTavoPOutlookBar::IsCustomPageIDUsed(kFirstUserPage));
        pBar = MakeBar();
        ASSERT_NE(nullptr, pBar);
        ASSERT_TRUE(pBar->LoadState(Key().c_str(), -1, form.uiSubIndex));
        ASSERT_EQ(2, pBar->GetCustomPages().GetCount());
        EXPECT_TRUE(CTavoPOutlookBar::IsCustomPageIDUsed(kFirstUserPage));
        CTavoPOutlookWnd* pWnd = pBar->GetOutlookWnd();
        CString strLabel;
        ASSERT_TRUE(pWnd->GetTabLabel(0, strLabel));
        EXPECT_STREQ("Ours", strLabel);
        CTavoPOutlookBarPane* pLoaded = (CTavoPOutlookBarPane*)pBar->GetCustomPages().GetHead();
        ASSERT_EQ(1, pLoaded->GetCount());
        EXPECT_EQ(32800u, pLoaded->GetItemID(0));

        // Removed, it stays removed.
        EXPECT_TRUE(pBar->RemoveCustomPage(kFirstUserPage));
        EXPECT_FALSE(pBar->RemoveCustomPage(kFirstUserPage));
        EXPECT_EQ(1, pWnd->GetTabsNum());
        ASSERT_TRUE(pBar->SaveState(Key().c_str(), -1, form.uiSubIndex));
        EXPECT_EQ(PagesValue(1, {{(int)kFirstUserPage + 1, "Other"}}),
                  RegistryTestKey::Value(form.key, "TavoPOutlookCustomPages"));
        EXPECT_TRUE(pBar->RemoveCustomPage(kFirstUserPage + 1));
    }
}

TEST_F(OutlookBar, DamagedStoredPagesLoadWhatIsWhole)
{
    const std::string strKey = Key() + "TavoPOutlookBar-3100";
    const Bytes two =
        PagesValue(2, {{(int)kFirstUserPage, "One"}, {(int)kFirstUserPage + 1, "Two"}});
    struct Case
    {
        const char* what;
        Bytes bytes;
        std::vector<const char*> loaded;
    } cases[] = {
        {"whole", two, {"One", "Two"}},
        {"cut in the second name", Bytes(two.begin(), two.end() - 2), {"One"}},
        {"cut in the count", Bytes(two.begin(), two.begin() + 2), {}},
        {"a count far beyond the bytes",
         PagesValue(0x7fffffff, {{(int)kFirstUserPage, "One"}, {(int)kFirstUserPage + 1, "Two"}}),
         {"One", "Two"}},
        {"a negative count", PagesValue(-5, {{(int)kFirstUserPage, "One"}}), {}},
        {"IDs outside the user pages",
         PagesValue(3, {{0x1234, "Low"},
                        {(int)kFirstUserPage + 100, "High"},
                        {(int)kFirstUserPage + 99, "Last"}}),
         {"Last"}},
        {"one ID twice",
         PagesValue(2, {{(int)kFirstUserPage, "One"}, {(int)kFirstUserPage, "Again"}}),
         {"Again"}},
        {"empty", Bytes(), {}},
    };
    // Without a stored value the bar keeps the pages it was made with and says it loaded nothing.
    ASSERT_NE(nullptr, AddPage(3201, "Mail"));
    EXPECT_FALSE(pBar->LoadState(Key().c_str()));
    EXPECT_EQ(1, pBar->GetOutlookWnd()->GetTabsNum());

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        RegistryTestKey::SetBinary(strKey, "TavoPOutlookCustomPages", c.bytes);
        DestroyBar(pBar);
        pBar = MakeBar();
        ASSERT_NE(nullptr, pBar);
        pBar->LoadState(Key().c_str());
        CTavoPOutlookWnd* pWnd = pBar->GetOutlookWnd();
        ASSERT_EQ((int)c.loaded.size(), pWnd->GetTabsNum());
        for (int i = 0; i < (int)c.loaded.size(); i++)
        {
            CString strLabel;
            pWnd->GetTabLabel(i, strLabel);
            EXPECT_STREQ(c.loaded[i], strLabel);
        }
    }
}

TEST_F(OutlookBar, SavingReportsFailureWhenTheKeyCannotBeMade)
{
    // A volatile key can hold no lasting subkey (its parent is made first, or it would be
    // volatile too).
    RegistryTestKey::SetDword(Key() + "Plain", "Value", 1);
    HKEY hKey = NULL;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(HKEY_CURRENT_USER, (Key() + "Volatile").c_str(), 0, nullptr,
                                REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &hKey, nullptr));
    ::RegCloseKey(hKey);
    ASSERT_NE(nullptr, pBar->CreateCustomPage("Mine"));
    EXPECT_FALSE(pBar->SaveState((Key() + "Volatile\\").c_str()));
    EXPECT_TRUE(pBar->SaveState(Key().c_str()));
}

TEST_F(OutlookBar, APageTornOutByADoubleClickDocksBackWhenDraggedOntoThePageButtons)
{
    ASSERT_NE(nullptr, AddPage(3201, "Mail"));
    CTavoPOutlookBarPane* pMine = pBar->CreateCustomPage("Mine");
    ASSERT_NE(nullptr, pMine);
    pMine->AddButton((HBITMAP)NULL, "Inbox", 32800);
    CTavoPOutlookWnd* pWnd = pBar->GetOutlookWnd();
    ASSERT_EQ(2, pWnd->GetTabsNum());
    EXPECT_FALSE(pWnd->IsTabDetachable(0));
    ASSERT_TRUE(pWnd->IsTabDetachable(1));

    CRect rect;
    ASSERT_TRUE(pWnd->GetTabRect(1, rect));
    pWnd->ClientToScreen(rect);
    const CPoint pt = rect.CenterPoint();
    RunMouse({{MouseStep::Move, pt.x, pt.y},
              {MouseStep::Down, 0, 0},
              {MouseStep::Up, 0, 0},
              {MouseStep::Down, 0, 0},
              {MouseStep::Up, 0, 0}});
    PumpFor(100);
    EXPECT_EQ(1, pWnd->GetTabsNum());
    CTavoPOutlookBarDockingPane* pPane =
        DYNAMIC_DOWNCAST(CTavoPOutlookBarDockingPane, pMine->GetParent());
    ASSERT_NE(nullptr, pPane);
    CTavoPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);
    EXPECT_TRUE(pMine->IsWindowVisible());
    // Torn out, the page is still the user's and keeps its name.
    ASSERT_TRUE(pBar->SaveState(Key().c_str()));
    EXPECT_EQ(PagesValue(1, {{(int)kFirstUserPage, "Mine"}}),
              RegistryTestKey::Value(Key() + "TavoPOutlookBar-3100", "TavoPOutlookCustomPages"));

    CRect rectFrame;
    pMiniFrame->GetWindowRect(rectFrame);
    const CPoint from(rectFrame.left + 20, rectFrame.top + 4 + pMiniFrame->GetCaptionHeight() / 2);
    CRect rectTop, rectBottom;
    pWnd->GetTabArea(rectTop, rectBottom);
    RunMouse(DragSteps(from, rectTop.CenterPoint()));
    PumpFor(100);
    ASSERT_EQ(2, pWnd->GetTabsNum());
    EXPECT_EQ(pMine, pWnd->GetTabWndNoWrapper(1));
    EXPECT_EQ(1, pWnd->GetActiveTab());
    EXPECT_TRUE(pMine->IsWindowVisible());
}
