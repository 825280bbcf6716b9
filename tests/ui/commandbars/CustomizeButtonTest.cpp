// The customize button at the end of a narrowed toolbar and the show-all item of a shortened
// menu, in a real frame: the popup of hidden buttons, its commands, the glyphs and the expansion.
#include "ui/commandbars/CCustomizeButton.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/CTavoPShowAllButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPAcceleratorText.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "tests/support/BoundDC.h"
#include "tests/support/DibCanvas.h"
#include "tests/ui/commandbars/CommandButtonTestSupport.h"
#include "tests/ui/commandbars/ToolbarTestIds.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

const UINT kCustomize = 30130;

class CCustomizableBar : public CTavoPToolBar
{
public:
    using CTavoPToolBar::AppendCustomizeButton;
    static void ClearBasicCommands() { BasicCommands().RemoveAll(); }
};

// The command IDs of a popup's items, 0 for a separator.
std::vector<UINT> ItemIds(CTavoPPopupMenu* pMenu)
{
    std::vector<UINT> ids;
    for (int i = 0; i < pMenu->GetMenuItemCount(); i++)
    {
        CTavoPToolbarButton* pItem = pMenu->GetMenuItem(i);
        ids.push_back((pItem->m_nStyle & TBBS_SEPARATOR) ? 0 : pItem->m_nID);
    }
    return ids;
}

class CustomizeFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTavoPToolBar::ResetAllImages();
        CTavoPToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
        CTavoPPopupMenu::m_AnimationType = 0;
        frame = new CCommandFrame(kOpen, kCustomize);
        ASSERT_TRUE(frame->Create(NULL, "customize", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(100, 100, 700, 500)));
        ASSERT_TRUE(bar.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
        customize = new CCustomizeButton;
        customize->SetCustomizeCmdId(kCustomize);
        customize->SetCustomizeText("Customize...");
        bar.AppendCustomizeButton(customize);
    }
    void TearDown() override
    {
        customize->OnCancelMode();
        PumpMessages();
        bar.DestroyWindow();
        frame->DestroyWindow();
        PumpMessages();
    }
    CCommandFrame* frame = nullptr;
    CCustomizableBar bar;
    CCustomizeButton* customize = nullptr;
};

} // namespace

TEST_F(CustomizeFixture, PopupListsTheHiddenButtonsOfANarrowedBarAndTheirCommandsReachTheFrame)
{
    ASSERT_TRUE(bar.LoadToolBar(kToolbar));
    // Loading puts a copy of the customize button at the end.
    customize = DYNAMIC_DOWNCAST(CCustomizeButton, bar.GetButton(bar.GetCount() - 1));
    ASSERT_NE(nullptr, customize);
    bar.SetWindowPos(NULL, 0, 0, 120, bar.GetRowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    bar.LayoutButtons();
    const CObList& hidden = customize->GetHiddenButtons();
    ASSERT_GE(hidden.GetCount(), 3);

    // The hidden buttons in bar order, without separators at either end, then the customize item.
    std::vector<UINT> expected;
    for (POSITION pos = hidden.GetHeadPosition(); pos != NULL;)
    {
        const CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)hidden.GetNext(pos);
        const UINT uiID = (pButton->m_nStyle & TBBS_SEPARATOR) ? 0 : pButton->m_nID;
        if (uiID != 0 || !expected.empty())
            expected.push_back(uiID);
    }
    while (!expected.empty() && expected.back() == 0)
        expected.pop_back();
    expected.push_back(0);
    expected.push_back(kCustomize);

    ASSERT_TRUE(customize->OnClick(&bar, FALSE));
    CTavoPPopupMenu* pPopup = customize->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(expected, ItemIds(pPopup));
    EXPECT_EQ(frame, pPopup->GetMessageWnd());
    // Items without a text of their own take the tip of their command, and show it.
    const int iFirst = 0;
    CTavoPToolbarButton* pFirst = pPopup->GetMenuItem(iFirst);
    CString strTip;
    strTip.LoadString(pFirst->m_nID);
    EXPECT_STREQ(strTip.Mid(strTip.Find('\n') + 1), pFirst->m_strText);
    EXPECT_TRUE(pFirst->m_bText);
    EXPECT_STREQ("Customize...", pPopup->GetMenuItem(pPopup->GetMenuItemCount() - 1)->m_strText);

    // Choosing a hidden button runs its command in the frame once the popup has closed.
    const UINT uiChosen = pFirst->m_nID;
    pPopup->GetMenuBar()->OnSendCommand(pFirst);
    PumpMessages();
    ASSERT_EQ(1u, frame->commands.size());
    EXPECT_EQ(uiChosen, frame->commands[0]);
    EXPECT_EQ(nullptr, customize->GetPopupMenu());
}

TEST_F(CustomizeFixture, StraySeparatorsAreDroppedFromThePopup)
{
    auto separator = []() {
        CTavoPToolbarButton* pButton = new CTavoPToolbarButton;
        pButton->m_nStyle = TBBS_SEPARATOR;
        return pButton;
    };
    struct Case
    {
        std::vector<UINT> hidden; // 0 = separator
        int iCustomize;
        std::vector<UINT> items;
    } cases[] = {
        {{0, kCut, 0}, 0, {kCut}},
        {{0, kCut, 0}, kCustomize, {kCut, 0, kCustomize}},
        {{kOpen, 0, kSave, 0, 0}, 0, {kOpen, 0, kSave}},
        {{}, kCustomize, {kCustomize}},
        {{0}, 0, {}},
    };
    for (const Case& c : cases)
    {
        std::vector<CTavoPToolbarButton*> owned;
        CObList& hidden = customize->GetHiddenButtons();
        hidden.RemoveAll();
        for (UINT uiID : c.hidden)
        {
            CTavoPToolbarButton* pButton =
                uiID == 0 ? separator() : new CTavoPToolbarButton(uiID, -1, NULL, FALSE, TRUE);
            owned.push_back(pButton);
            hidden.AddTail(pButton);
        }
        customize->SetCustomizeCmdId(c.iCustomize);
        CTavoPPopupMenu* pMenu = customize->CreatePopupMenu();
        ASSERT_NE(nullptr, pMenu);
        EXPECT_EQ(c.items, ItemIds(pMenu)) << c.hidden.size() << " " << c.iCustomize;
        delete pMenu;
        hidden.RemoveAll();
        for (CTavoPToolbarButton* pButton : owned)
            delete pButton;
    }
}

TEST_F(CustomizeFixture, GlyphsShowWhatThePopupOffers)
{
    CTavoPMenuGlyphImages::Initialize();
    const CSize sizeGlyph = CTavoPMenuGlyphImages::Size();
    customize->OnChangeParentWnd(&bar);
    const CRect rect(0, 0, sizeGlyph.cx + 9, 30);
    auto drawn = [&](int iCustomize, BOOL bHidden, CRect band) {
        customize->SetCustomizeCmdId(iCustomize);
        CTavoPToolbarButton other(kCut, -1, NULL, FALSE, TRUE);
        if (bHidden)
            customize->GetHiddenButtons().AddTail(&other);
        DibCanvas canvas(rect.Width(), rect.Height(), RGB(255, 255, 255));
        {
            BoundDC bound(canvas.dc());
            customize->OnDraw(&bound.dc, rect, NULL, TRUE, FALSE, FALSE);
        }
        customize->GetHiddenButtons().RemoveAll();
        return canvas.Count(RGB(0, 0, 0), band.left, band.top, band.right, band.bottom);
    };
    const int nBand = sizeGlyph.cy + 4;
    const CRect top(5, 0, rect.right, nBand);
    const CRect bottom(5, rect.bottom - nBand, rect.right, rect.bottom);
    // Nothing hidden and no customize command: an empty area.
    EXPECT_EQ(0, drawn(0, FALSE, rect));
    // The drop arrow along the bottom for the customize command, the chevron along the top for
    // hidden buttons.
    EXPECT_GT(drawn(kCustomize, FALSE, bottom), 0);
    EXPECT_EQ(0, drawn(kCustomize, FALSE, top));
    EXPECT_GT(drawn(0, TRUE, top), 0);
    EXPECT_EQ(0, drawn(0, TRUE, bottom));
    // Inside a popup menu the button draws nothing.
    CTavoPPopupMenuBar menuBar;
    customize->OnChangeParentWnd(&menuBar);
    EXPECT_EQ(0, drawn(kCustomize, TRUE, rect));
    customize->OnChangeParentWnd(&bar);
}

// ---- the show-all item ----

namespace {

HMENU BuildFileMenu()
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_STRING, kOpen, "&Open");
    ::AppendMenu(hMenu, MF_STRING, kSave, "&Save");
    ::AppendMenu(hMenu, MF_STRING, kCut, "Cu&t");
    ::AppendMenu(hMenu, MF_STRING, kCopy, "&Copy");
    return hMenu;
}

class ShowAllFixture : public CustomizeFixture
{
protected:
    void SetUp() override
    {
        CustomizeFixture::SetUp();
        HMENU hFile = BuildFileMenu();
        entry = new CTavoPToolbarMenuButton(0, hFile, -1, "&File");
        ::DestroyMenu(hFile);
        bar.InsertButton(entry);
        bar.AdjustLayout();

        // Open is basic, Copy much used: Save and Cut are rarely used and hidden.
        CTavoPToolBar::AddBasicCommand(kOpen);
        GetCommandUsage().RemoveAll();
        for (int i = 0; i < 20; i++)
            GetCommandUsage().AddUsage(kCopy);
        CTavoPPopupMenu::m_bShowAllCommands = FALSE;
    }
    void TearDown() override
    {
        entry->OnCancelMode();
        GetCommandUsage().RemoveAll();
        CCustomizableBar::ClearBasicCommands();
        CTavoPPopupMenu::m_bShowAllCommands = FALSE;
        CTavoPToolBar::m_bShowAllMenusDelay = TRUE;
        CustomizeFixture::TearDown();
    }
    CTavoPPopupMenu* Open()
    {
        if (!entry->OnClick(&bar, FALSE))
            return nullptr;
        return entry->GetPopupMenu();
    }
    CTavoPToolbarMenuButton* entry = nullptr;
};

} // namespace

TEST_F(ShowAllFixture, ShowAllExpandsAShortenedMenuInPlace)
{
    ASSERT_TRUE(CTavoPToolBar::IsCommandRarelyUsed(kSave));
    CTavoPPopupMenu* pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    CTavoPPopupMenuBar* pItems = pPopup->GetMenuBar();
    EXPECT_EQ(-1, pItems->CommandToIndex(kSave));
    CTavoPToolbarButton* pLast = pItems->GetButton(pItems->GetCount() - 1);
    ASSERT_TRUE(pLast->IsKindOf(RUNTIME_CLASS(CTavoPShowAllButton)));
    CRect rectBefore;
    pPopup->GetWindowRect(rectBefore);

    // Its tip in the menu names the keys that expand the menu too.
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(0, pItems->OnToolHitTest(pLast->Rect().CenterPoint(), &ti));
    ASSERT_NE(nullptr, ti.lpszText);
    EXPECT_EQ(0, strncmp("Expand (", ti.lpszText, 8)) << ti.lpszText;
    EXPECT_EQ(pLast->Rect(), CRect(ti.rect));
    free(ti.lpszText);

    // Clicking it: the same popup, now with every item and no show-all item.
    ASSERT_TRUE(pItems->OnSendCommand(pLast));
    PumpMessages();
    ASSERT_EQ(pPopup, entry->GetPopupMenu());
    EXPECT_TRUE(CTavoPPopupMenu::m_bShowAllCommands);
    EXPECT_EQ((std::vector<UINT>{kOpen, kSave, kCut, kCopy}), ItemIds(pPopup));
    CRect rectAfter;
    pPopup->GetWindowRect(rectAfter);
    EXPECT_EQ(rectBefore.TopLeft(), rectAfter.TopLeft());
    EXPECT_GT(rectAfter.Height(), rectBefore.Height());
    EXPECT_TRUE(frame->commands.empty());
}

TEST_F(ShowAllFixture, RestingOnShowAllExpandsOnlyWhenTheOptionIsOn)
{
    for (BOOL bOption : {FALSE, TRUE})
    {
        CTavoPToolBar::m_bShowAllMenusDelay = bOption;
        CTavoPPopupMenu* pPopup = Open();
        ASSERT_NE(nullptr, pPopup);
        CTavoPPopupMenuBar* pItems = pPopup->GetMenuBar();
        CTavoPShowAllButton* pShowAll =
            DYNAMIC_DOWNCAST(CTavoPShowAllButton, pItems->GetButton(pItems->GetCount() - 1));
        ASSERT_NE(nullptr, pShowAll);
        // Outside an item bar it does nothing.
        EXPECT_FALSE(CTavoPShowAllButton().OnClick(&bar, FALSE));

        EXPECT_TRUE(pShowAll->OnClick(pItems, TRUE));
        EXPECT_EQ(bOption ? pShowAll : nullptr, pItems->GetDelayedOpenItem()) << bOption;
        EXPECT_EQ(-1, pItems->CommandToIndex(kSave));
        if (bOption)
        {
            // The item bar's timer opens it: the menu expands.
            // The item bar ignores the first move after it opened.
            const CPoint at = pShowAll->Rect().CenterPoint();
            pItems->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y - 1));
            pItems->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
            pItems->SendMessage(WM_TIMER, CTavoPPopupMenuBar::kTimerOpenSubMenu, 0);
            PumpMessages();
            EXPECT_EQ(1, pPopup->GetMenuBar()->CommandToIndex(kSave));
        }
        entry->OnCancelMode();
        PumpMessages();
        CTavoPPopupMenu::m_bShowAllCommands = FALSE;
    }
}

TEST(ShowAllButton, SizeAndTipNameTheExpandKeys)
{
    CTavoPMenuGlyphImages::Initialize();
    CTavoPShowAllButton button;
    CDC* pDC = NULL;
    EXPECT_EQ(CSize(50, CTavoPMenuGlyphImages::Size().cy + 6),
              CSize(button.OnCalculateSize(pDC, CSize(23, 22), TRUE)));

    ACCEL accel = {FVIRTKEY | FCONTROL, VK_DOWN, 0};
    CString strKeys;
    CTavoPAcceleratorText(&accel).Format(strKeys);
    TOOLINFO ti = {};
    EXPECT_TRUE(button.OnToolHitTest(NULL, &ti));
    ASSERT_NE(nullptr, ti.lpszText);
    EXPECT_STREQ("Expand (" + strKeys + ")", ti.lpszText);
    EXPECT_EQ(0u, ti.uId);
    free(ti.lpszText);
}
