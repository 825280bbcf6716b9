// The outlook bar in a real frame: switching pages by their captions (plain and sliding), the user's own pages and their stored form, damaged stored values, pages torn out and docked back, the scroll buttons beside the page buttons, and its picture.
#include "ui/foundation/CTavoPGlobalData.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/BarTestSupport.h"
#include "tests/support/BmpFile.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/WindowPixels.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/controls/outlook/CTavoPOutlookBar.h"
#include "ui/controls/outlook/CTavoPOutlookBarDockingPane.h"
#include "ui/controls/outlook/CTavoPOutlookBarPane.h"
#include "ui/controls/outlook/CTavoPOutlookWnd.h"
#include <gtest/gtest.h>
#include <algorithm>
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
        // The clocks tests set go back also when a test stops half-way.
        CTavoPDockManager::m_pfnTickCount = ::GetTickCount;
        CTavoPOutlookWnd::m_pfnAnimationPause = ::Sleep;
        CTavoPOutlookWnd::EnableAnimation(FALSE);
        DestroyBar(pBar);
        DockingFrameFixture::TearDown();
    }
    // A bar that floats tears its pages out in docking panes; one that stays where it is lets
    // pages that float by themselves go alone.
    CTavoPOutlookBar* MakeBar(bool bFloats = true)
    {
        CTavoPOutlookBar* pNew = new CTavoPOutlookBar;
        const CRect rect(0, 0, 160, 380);
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_LEFT;
        if (!(bFloats ? pNew->Create("Outlook", pFrame, rect, kBarId, dwStyle)
                      : pNew->Create("Outlook", pFrame, rect, kBarId, dwStyle, TAVOP_CBRS_CLOSE)))
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
    // A page with buttons, not a user page. A page that floats is detachable, docks on any side
    // and follows the mouse when it is dragged.
    CTavoPOutlookBarPane* AddPage(UINT nID, const char* lpszLabel, int nButtons = 1,
                                  bool bFloats = false)
    {
        CTavoPOutlookBarPane* pPage = new CTavoPOutlookBarPane;
        pages.emplace_back(pPage);
        if (!pPage->Create(pBar->GetOutlookWnd(), CTavoPOutlookBarPane::kDefaultStyle, nID,
                           bFloats ? TAVOP_CBRS_FLOAT : 0))
            return nullptr;
        pPage->SetWindowText(lpszLabel);
        for (int i = 0; i < nButtons; i++)
        {
            CString strLabel;
            strLabel.Format("%s %d", lpszLabel, i);
            pPage->AddButton((HBITMAP)NULL, i == 0 ? CString(lpszLabel) : strLabel, nID + 100 + i);
        }
        if (bFloats)
        {
            pPage->EnableDocking(CBRS_ALIGN_ANY);
            pPage->SetDockingMode(TAVOP_DOCK_IMMEDIATE);
        }
        pBar->GetOutlookWnd()->AddTab(pPage, lpszLabel, (UINT)-1, bFloats);
        return pPage;
    }
    CPoint TabCentre(int iTab) const
    {
        CRect rect;
        pBar->GetOutlookWnd()->GetTabRect(iTab, rect);
        pBar->GetOutlookWnd()->ClientToScreen(rect);
        return rect.CenterPoint();
    }
    // A window's rectangle in the tab window's client coordinates.
    CRect InTabWnd(CWnd* pWnd) const
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        pBar->GetOutlookWnd()->ScreenToClient(rect);
        return rect;
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

namespace {

// The docking delays run on a clock the test sets.
DWORD g_dwTick = 0;
DWORD WINAPI TestTick()
{
    return g_dwTick;
}

// The frame a page floats in is told that its move timer fired at the given clock.
void MoveTimerAt(CTavoPOutlookBarPane* pPage, DWORD dwTick)
{
    g_dwTick = dwTick;
    CTavoPMiniFrameWnd* pMiniFrame = pPage->GetParentMiniFrame(TRUE);
    if (pMiniFrame != nullptr)
        pMiniFrame->SendMessage(WM_TIMER, TAVOP_MINIFRAME_MOVE_TIMER);
}

} // namespace

TEST_F(OutlookBar, APageThatFloatsByItselfTearsOutOfTheBarAndComesBackAsTheActivePage)
{
    struct Case
    {
        const char* how;
        bool bRestOverTheBar; // else: released beside the bar, then a double click on its caption
    } cases[] = {{"resting over the bar while dragged", true},
                 {"a double click on its caption", false}};
    CTavoPDockManager::m_pfnTickCount = TestTick;
    DestroyBar(pBar);
    pBar = MakeBar(false);
    ASSERT_NE(nullptr, pBar);
    CTavoPOutlookWnd* pWnd = pBar->GetOutlookWnd();
    ASSERT_NE(nullptr, AddPage(3201, "Mail", 1, true));
    CTavoPOutlookBarPane* pNotes = AddPage(3202, "Notes", 1, true);
    ASSERT_NE(nullptr, pNotes);

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.how);
        g_dwTick = 100000;
        ASSERT_EQ(pWnd, pNotes->GetParent()) << "not in a docking pane";
        CRect rectWnd;
        pWnd->GetWindowRect(rectWnd);
        const CPoint from = TabCentre(1);
        // The page's button lies at the bottom, below the active page.
        const CPoint inPage = rectWnd.CenterPoint();
        const CPoint beside(rectWnd.right + 200, rectWnd.top + 150);
        const CPoint overBar = TabCentre(0);
        std::vector<MouseStep> steps = {{MouseStep::Move, from.x, from.y},
                                        {MouseStep::Down, 0, 0},
                                        {MouseStep::Move, from.x, from.y - 30},
                                        {MouseStep::Move, inPage.x, inPage.y},
                                        {MouseStep::Pause, 0, 0},
                                        {MouseStep::Move, rectWnd.right + 40, inPage.y},
                                        {MouseStep::Move, beside.x, beside.y},
                                        {MouseStep::Pause, 0, 0}};
        if (c.bRestOverTheBar)
        {
            steps.push_back({MouseStep::Move, overBar.x + 20, overBar.y});
            steps.push_back({MouseStep::Move, overBar.x, overBar.y});
            steps.push_back({MouseStep::Pause, 0, 0});
        }
        steps.push_back({MouseStep::Up, 0, 0});
        int nPause = 0;
        RunMouse(steps, [&]() {
            switch (nPause++)
            {
            case 0:
                // Over its own pages the page stays where it is.
                EXPECT_EQ(2, pWnd->GetTabsNum());
                EXPECT_EQ(pWnd, pNotes->GetParent());
                break;
            case 1:
            {
                // Out of the bar it floats alone, over no bar to dock into.
                EXPECT_EQ(1, pWnd->GetTabsNum());
                EXPECT_TRUE(pNotes->IsFloating());
                EXPECT_NE(nullptr, pNotes->GetParentMiniFrame(TRUE));
                EXPECT_EQ(pBar, pNotes->GetRecentOutlookBar());
                CTavoPBaseControlBar* pTarget = pBar;
                EXPECT_FALSE(pNotes->DockTargetFromPoint(15, pTarget));
                EXPECT_EQ(nullptr, pTarget);
                break;
            }
            case 2:
            {
                CTavoPBaseControlBar* pTarget = nullptr;
                EXPECT_TRUE(pNotes->DockTargetFromPoint(15, pTarget));
                EXPECT_EQ(pBar, pTarget);
                // A bar is a docking pane: the page waits as long as panes do.
                MoveTimerAt(pNotes, 100000 + 219);
                EXPECT_TRUE(pNotes->IsFloating());
                MoveTimerAt(pNotes, 100000 + 220);
                EXPECT_FALSE(pNotes->IsFloating());
                EXPECT_EQ(2, pWnd->GetTabsNum());
                break;
            }
            }
        });
        PumpFor(50);
        if (!c.bRestOverTheBar)
        {
            CTavoPMiniFrameWnd* pMiniFrame = pNotes->GetParentMiniFrame(TRUE);
            ASSERT_NE(nullptr, pMiniFrame);
            CRect rectFrame;
            pMiniFrame->GetWindowRect(rectFrame);
            const CPoint caption(rectFrame.left + 20,
                                 rectFrame.top + 4 + pMiniFrame->GetCaptionHeight() / 2);
            RunMouse({{MouseStep::Move, caption.x, caption.y},
                      {MouseStep::Down, 0, 0},
                      {MouseStep::Up, 0, 0},
                      {MouseStep::Down, 0, 0},
                      {MouseStep::Up, 0, 0}});
            PumpFor(50);
        }
        ASSERT_EQ(2, pWnd->GetTabsNum());
        EXPECT_EQ(pNotes, pWnd->GetTabWnd(1));
        EXPECT_EQ(1, pWnd->GetActiveTab());
        EXPECT_TRUE(pNotes->IsWindowVisible());
        EXPECT_FALSE(pNotes->IsFloating());
        EXPECT_EQ(pWnd->GetPageArea(), InTabWnd(pNotes));
        CString strLabel;
        pWnd->GetTabLabel(1, strLabel);
        EXPECT_STREQ("Notes", strLabel);
        // The emptied floating frame is gone.
        EXPECT_EQ(0, pFrame->GetDockManager()->GetMiniFrames().GetCount());
        pWnd->SetActiveTab(0);
    }
}

TEST_F(OutlookBar, APageFloatingByItselfDocksOnlyIntoAnOutlookBar)
{
    DestroyBar(pBar);
    pBar = MakeBar(false);
    ASSERT_NE(nullptr, pBar);
    CTavoPOutlookBarPane* pMail = AddPage(3201, "Mail", 1, true);
    ASSERT_NE(nullptr, pMail);
    CTavoPOutlookBarPane* pNotes = AddPage(3202, "Notes", 1, true);
    ASSERT_NE(nullptr, pNotes);
    // A page still in the bar is not added a second time.
    EXPECT_FALSE(pMail->DockToBarByMouse(pBar));
    EXPECT_EQ(2, pBar->GetOutlookWnd()->GetTabsNum());
    ASSERT_TRUE(pBar->GetOutlookWnd()->DetachTab(TAVOP_DM_RECENT, 1, FALSE));
    ASSERT_TRUE(pNotes->IsFloating());
    // Nothing but an outlook bar takes it, and only a page that knows its bar goes back.
    CTavoPDockBar* pDockBar = pFrame->DockBar(CBRS_ALIGN_TOP);
    EXPECT_FALSE(pNotes->DockToBarByMouse(pDockBar));
    EXPECT_FALSE(pNotes->DockToBar(pDockBar, nullptr, TAVOP_DM_MOUSE));
    EXPECT_FALSE(pNotes->DockToBar(nullptr, nullptr, TAVOP_DM_RECT));
    EXPECT_TRUE(pNotes->IsFloating());
    EXPECT_TRUE(pNotes->DockToBarByMouse(pBar));
    EXPECT_EQ(1, pBar->GetOutlookWnd()->GetActiveTab());

    // A bar that went while its page floated is not gone back to.
    ASSERT_TRUE(pBar->GetOutlookWnd()->DetachTab(TAVOP_DM_RECENT, 1, FALSE));
    DestroyBar(pBar);
    EXPECT_EQ(nullptr, pNotes->GetRecentOutlookBar());
    EXPECT_FALSE(pNotes->DockToBar(nullptr, nullptr, TAVOP_DM_RECENT));
    EXPECT_TRUE(pNotes->IsFloating());
}

namespace {

// One picture of a sliding page switch: the page buttons and the old page.
struct Picture
{
    std::vector<CRect> tabs;
    CRect rectOldPage;
    bool bClipChildren;
};
CTavoPOutlookWnd* g_pSliding = nullptr;
CWnd* g_pOldPage = nullptr;
std::vector<Picture> g_pictures;

void WINAPI TakePicture(DWORD)
{
    Picture picture;
    for (int i = 0; i < g_pSliding->GetTabsNum(); i++)
    {
        CRect rect;
        g_pSliding->GetTabRect(i, rect);
        picture.tabs.push_back(rect);
    }
    g_pOldPage->GetWindowRect(picture.rectOldPage);
    g_pSliding->ScreenToClient(picture.rectOldPage);
    picture.bClipChildren = (g_pSliding->GetStyle() & WS_CLIPCHILDREN) != 0;
    g_pictures.push_back(picture);
}

} // namespace

TEST_F(OutlookBar, AClickedPageSlidesInAButtonStepAPictureAndEndsInItsPlainLayout)
{
    const int kStep = 30;
    struct Case
    {
        int iFrom;
        int iTo;
    } cases[] = {{0, 3}, {3, 1}, {1, 2}};
    const char* labels[] = {"Mail", "Notes", "Tasks", "Calendar"};
    // The buttons fit until the slide squeezes the old page: the scroll buttons it then needs
    // wait for the end of the slide.
    for (int i = 0; i < 4; i++)
        ASSERT_NE(nullptr, AddPage(3201 + i, labels[i], 6));
    CTavoPOutlookWnd* pWnd = pBar->GetOutlookWnd();
    pWnd->EnableScrollButtons(TRUE);
    ASSERT_FALSE(pWnd->AreScrollButtonsShown());
    g_pSliding = pWnd;
    CTavoPOutlookWnd::m_pfnAnimationPause = TakePicture;

    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.iFrom) + " to " + std::to_string(c.iTo));
        // The plain switch, for the layout the slide must end in.
        CTavoPOutlookWnd::EnableAnimation(FALSE);
        pWnd->SetActiveTab(c.iTo);
        std::vector<CRect> plainTabs;
        for (int i = 0; i < 4; i++)
        {
            CRect rect;
            pWnd->GetTabRect(i, rect);
            plainTabs.push_back(rect);
        }
        const CRect rectPlainPage = pWnd->GetPageArea();
        pWnd->SetActiveTab(c.iFrom);
        const CRect rectOldPage = pWnd->GetPageArea();
        std::vector<CRect> tabsBefore;
        for (int i = 0; i < 4; i++)
        {
            CRect rect;
            pWnd->GetTabRect(i, rect);
            tabsBefore.push_back(rect);
        }

        // Switched by code the page does not slide; clicked it does.
        CTavoPOutlookWnd::EnableAnimation(TRUE);
        g_pOldPage = pages[c.iFrom].get();
        g_pictures.clear();
        pWnd->SetActiveTab(c.iTo);
        EXPECT_TRUE(g_pictures.empty());
        pWnd->SetActiveTab(c.iFrom);
        const CPoint pt = TabCentre(c.iTo);
        RunMouse({{MouseStep::Move, pt.x, pt.y}, {MouseStep::Down, 0, 0}, {MouseStep::Up, 0, 0}});
        CTavoPOutlookWnd::EnableAnimation(FALSE);

        const int nStep = c.iTo < c.iFrom ? kStep : -kStep;
        ASSERT_EQ(rectOldPage.Height() / kStep, (int)g_pictures.size());
        for (int k = 1; k <= (int)g_pictures.size(); k++)
        {
            SCOPED_TRACE("picture " + std::to_string(k));
            const Picture& picture = g_pictures[k - 1];
            EXPECT_FALSE(picture.bClipChildren);
            // The buttons between the two pages move a step; the others stay.
            for (int i = 0; i < 4; i++)
            {
                const bool bMoves = i > std::min(c.iFrom, c.iTo) && i <= std::max(c.iFrom, c.iTo);
                CRect rectExpected = tabsBefore[i];
                if (bMoves)
                    rectExpected.OffsetRect(0, k * nStep);
                EXPECT_EQ(rectExpected, picture.tabs[i]) << i;
            }
            // The old page gives up the edge the buttons move across.
            CRect rectExpected = rectOldPage;
            if (nStep > 0)
                rectExpected.top += k * kStep;
            else
                rectExpected.bottom -= k * kStep;
            EXPECT_EQ(rectExpected, picture.rectOldPage);
        }
        EXPECT_TRUE((pWnd->GetStyle() & WS_CLIPCHILDREN) != 0);
        EXPECT_EQ(c.iTo, pWnd->GetActiveTab());
        for (int i = 0; i < 4; i++)
        {
            CRect rect;
            pWnd->GetTabRect(i, rect);
            EXPECT_EQ(plainTabs[i], rect) << i;
            EXPECT_EQ(i == c.iTo, pages[i]->IsWindowVisible() != FALSE) << i;
        }
        EXPECT_EQ(rectPlainPage, pWnd->GetPageArea());
        EXPECT_EQ(rectPlainPage, InTabWnd(pages[c.iTo].get()));
    }
}

TEST_F(OutlookBar, TabScrollButtonsShowForAPageThatDoesNotFitAndStopAtItsEnds)
{
    ASSERT_NE(nullptr, AddPage(3201, "Few"));
    CTavoPOutlookBarPane* pMany = AddPage(3202, "Many", 30);
    ASSERT_NE(nullptr, pMany);
    ASSERT_NE(nullptr, AddPage(3203, "Last"));
    CTavoPOutlookWnd* pWnd = pBar->GetOutlookWnd();
    pWnd->EnableScrollButtons(TRUE);
    CTavoPButton& up = pWnd->GetScrollButton(TRUE);
    CTavoPButton& down = pWnd->GetScrollButton(FALSE);
    CRect rectClient;
    pWnd->GetClientRect(rectClient);
    const int nHeight = pWnd->GetTabsHeight();

    // A page whose buttons fit needs none: the page buttons keep their whole width.
    EXPECT_FALSE(pWnd->AreScrollButtonsShown());
    EXPECT_FALSE(up.IsWindowVisible());
    EXPECT_FALSE(down.IsWindowVisible());

    pWnd->SetActiveTab(1);
    ASSERT_TRUE(pMany->CanScrollDown());
    EXPECT_TRUE(pWnd->AreScrollButtonsShown());
    EXPECT_TRUE(up.IsWindowVisible());
    EXPECT_TRUE(down.IsWindowVisible());
    EXPECT_FALSE(up.IsWindowEnabled());
    EXPECT_TRUE(down.IsWindowEnabled());
    // Each takes a square at the end of the active page's button and the next one.
    for (int iTab : {1, 2})
    {
        CRect rectTab;
        pWnd->GetTabRect(iTab, rectTab);
        EXPECT_EQ(rectClient.right - nHeight + 1, rectTab.right) << iTab;
        const CRect rectButton = InTabWnd(iTab == 1 ? &up : &down);
        EXPECT_EQ(CRect(rectTab.right, rectTab.top, rectTab.right + nHeight - 1, rectTab.bottom),
                  rectButton)
            << iTab;
    }

    // Held, a scroll button repeats until its end, where it is disabled and lets go.
    struct Hold
    {
        CTavoPButton* pButton;
        int iFirstVisibleAtEnd;
    } holds[] = {{&down, -1}, {&up, 0}};
    for (const Hold& hold : holds)
    {
        const CPoint pt = [&]() {
            CRect rect;
            hold.pButton->GetWindowRect(rect);
            return rect.CenterPoint();
        }();
        RunMouse({{MouseStep::Move, pt.x, pt.y},
                  {MouseStep::Down, 0, 0},
                  {MouseStep::Pause, 0, 0},
                  {MouseStep::Up, 0, 0}},
                 [&]() {
                     for (int nGuard = 0; nGuard < 40 && hold.pButton->IsWindowEnabled(); nGuard++)
                         hold.pButton->SendMessage(WM_TIMER, 1);
                     EXPECT_FALSE(hold.pButton->IsWindowEnabled());
                     const int iFirst = pMany->GetFirstVisibleButton();
                     hold.pButton->SendMessage(WM_TIMER, 1);
                     EXPECT_EQ(iFirst, pMany->GetFirstVisibleButton());
                 });
        if (hold.iFirstVisibleAtEnd >= 0)
            EXPECT_EQ(hold.iFirstVisibleAtEnd, pMany->GetFirstVisibleButton());
        else
            EXPECT_FALSE(pMany->CanScrollDown());
        // The other one leads somewhere now.
        EXPECT_TRUE((hold.pButton == &up ? down : up).IsWindowEnabled());
        EXPECT_EQ(pWnd->GetSafeHwnd(), ::GetFocus());
        EXPECT_TRUE(pWnd->AreScrollButtonsShown());
    }

    pWnd->SetActiveTab(2);
    EXPECT_FALSE(pWnd->AreScrollButtonsShown());
    EXPECT_FALSE(up.IsWindowVisible());
    CRect rectTab;
    pWnd->GetTabRect(2, rectTab);
    EXPECT_EQ(rectClient.right, rectTab.right);
}

TEST_F(OutlookBar, BarWithPagesAndButtonsLeavesItsPicture)
{
    // Each button of the first page shows a square of its own colour above its label.
    const COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 150, 0), RGB(0, 0, 200)};
    const char* items[] = {"Stock in", "Sales", "Reports"};
    CTavoPOutlookBarPane* pMail = AddPage(3201, "Mail", 0);
    ASSERT_NE(nullptr, pMail);
    for (int i = 0; i < 3; i++)
    {
        const DWORD dwPixel =
            (GetRValue(colours[i]) << 16) | (GetGValue(colours[i]) << 8) | GetBValue(colours[i]);
        std::vector<DWORD> bits(32 * 32, dwPixel);
        HBITMAP hbmp = ::CreateBitmap(32, 32, 1, 32, bits.data());
        ASSERT_EQ(i, pMail->AddButton(hbmp, items[i], 32900 + i));
        ::DeleteObject(hbmp);
    }
    ASSERT_NE(nullptr, AddPage(3202, "Notes"));
    ASSERT_NE(nullptr, AddPage(3203, "Tasks"));
    CTavoPOutlookWnd* pWnd = pBar->GetOutlookWnd();
    pWnd->SetActiveTab(0);
    pFrame->RedrawWindow(NULL, NULL,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(100);

    CRect rectWindow;
    pFrame->GetWindowRect(rectWindow);
    const std::vector<COLORREF> pixels =
        WindowPixels(pFrame->GetSafeHwnd(), CRect(0, 0, rectWindow.Width(), rectWindow.Height()));
    auto pixel = [&](int x, int y) { return pixels[y * rectWindow.Width() + x]; };
    CClientDC dc(pMail);
    CFont* pOldFont = dc.SelectObject(&GetGlobalData().fontRegular);
    const int nLine = dc.GetTextExtent("Ag").cy;
    // The images stand centred in the column, 5 pixels below each button's top; the label
    // below stays on its one line, whole.
    for (int i = 0; i < 3; i++)
    {
        SCOPED_TRACE(items[i]);
        CRect rectButton = pMail->GetButton(i)->Rect();
        pMail->ClientToScreen(rectButton);
        rectButton.OffsetRect(-rectWindow.left, -rectWindow.top);
        EXPECT_EQ(colours[i], pixel(rectButton.CenterPoint().x, rectButton.top + 5 + 16));
        const int yText = rectButton.top + 5 + 32 + 2;
        int xFirst = INT_MAX, xLast = INT_MIN, nBelow = 0;
        for (int y = yText; y < rectButton.bottom; y++)
            for (int x = rectButton.left - 10; x < rectButton.right + 10; x++)
            {
                if (pixel(x, y) == pMail->GetBackColor())
                    continue;
                if (y >= yText + nLine)
                    nBelow++;
                xFirst = std::min(xFirst, x);
                xLast = std::max(xLast, x);
            }
        EXPECT_EQ(0, nBelow) << "a second line";
        EXPECT_NEAR(dc.GetTextExtent(items[i]).cx, xLast - xFirst + 1, 2);
    }
    dc.SelectObject(pOldFont);
    const std::string folder = VORLEN_ARTEFACTS_DIR;
    ::CreateDirectoryA(folder.c_str(), NULL);
    WriteBmp(folder + "/outlook-bar.bmp", 24, rectWindow.Width(), rectWindow.Height(), pixels);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((folder + "/outlook-bar.bmp").c_str()));
}
