// The toolbar in a real frame: resources and images, the button list, layout, painting, the mouse,
// tool tips, the command-UI update, its messages and its archive.
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/CTavoPReBar.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/DibCanvas.h"
#include "tests/ui/commandbars/ToolbarTestIds.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>
#include "tests/support/MessagePump.h"

namespace {

// A toolbar whose tests may give it a trailing customize button.
class CTestToolBar : public CTavoPToolBar
{
public:
    using CTavoPToolBar::m_wndToolTip;
    void AttachCustomizeButton(CCustomizeButton* pButton)
    {
        m_Buttons.AddTail(pButton);
        pButton->OnChangeParentWnd(this);
        m_pCustomizeBtn = pButton;
    }
};

// A menu button whose popup "opens" on a click and closes on cancel mode, without a window.
class CTestMenuButton : public CTavoPToolbarMenuButton
{
public:
    explicit CTestMenuButton(UINT uiID) { m_nID = uiID; }
    BOOL OnClick(CWnd*, BOOL) override
    {
        m_pPopupMenu = &Popup();
        return TRUE;
    }
    void OnCancelMode() override { m_pPopupMenu = nullptr; }
    static CTavoPPopupMenu& Popup()
    {
        static CTavoPPopupMenu popup;
        return popup;
    }
};

// A button whose right edge may be dragged in customize mode.
class CStretchButton : public CTavoPToolbarButton
{
public:
    std::vector<int> sizes;
    CStretchButton() : CTavoPToolbarButton(30120, 0, NULL, FALSE, TRUE) {}
    BOOL CanBeStretched() const override { return TRUE; }
    void OnSize(int iSize) override { sizes.push_back(iSize); }
};

// A button that hosts an edit control on the bar and passes on its change notifications.
class CEditHostButton : public CTavoPToolbarButton
{
public:
    HWND hwndEdit = NULL;
    CEditHostButton() : CTavoPToolbarButton(30121, 0, NULL, FALSE, TRUE) {}
    HWND GetHwnd() override { return hwndEdit; }
    BOOL NotifyCommand(int iNotifyCode) override { return iNotifyCode == EN_CHANGE; }
};

// A frame with handlers for some of the toolbar's commands.
class CTestFrame : public CFrameWnd
{
public:
    std::vector<UINT> commands;
    std::vector<UINT> prompts;
    std::vector<std::pair<WPARAM, LPARAM>> rawCommands;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        rawCommands.push_back({wParam, lParam});
        return CFrameWnd::OnCommand(wParam, lParam);
    }
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM)
    {
        prompts.push_back((UINT)wParam);
        return 0;
    }
    int nResetMessages = 0;
    CTestToolBar* pBar = nullptr;
    BOOL bRemoveFirstOnCut = FALSE;

    void OnOpen() { commands.push_back(kOpen); }
    void OnSave() { commands.push_back(kSave); }
    void OnCut()
    {
        commands.push_back(kCut);
        if (bRemoveFirstOnCut)
            pBar->RemoveButton(0);
    }
    void OnCopy() { commands.push_back(kCopy); }
    void OnUpdateOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    void OnUpdateCopy(CCmdUI* pCmdUI) { pCmdUI->SetCheck(2); }
    void OnUpdatePrint(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetText("New text\tCtrl+P");
    }
    LRESULT OnResetToolbar(WPARAM, LPARAM)
    {
        nResetMessages++;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(kOpen, OnOpen)
    ON_COMMAND(kSave, OnSave)
    ON_COMMAND(kCut, OnCut)
    ON_COMMAND(kCopy, OnCopy)
    ON_UPDATE_COMMAND_UI(kSave, OnUpdateSave)
    ON_UPDATE_COMMAND_UI(kCopy, OnUpdateCopy)
    ON_UPDATE_COMMAND_UI(kPrint, OnUpdatePrint)
    ON_REGISTERED_MESSAGE(CTavoPToolBar::WM_TAVOTOOLBAR_RESETTOOLBAR, OnResetToolbar)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
END_MESSAGE_MAP()

// The same frame with the open command disabled by its update handler.
class CDisablingFrame : public CTestFrame
{
public:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDisablingFrame, CTestFrame)
    ON_UPDATE_COMMAND_UI(kOpen, OnUpdateOpen)
END_MESSAGE_MAP()

CPoint Center(const CTavoPToolBar& bar, int iButton)
{
    CRect rect;
    bar.GetItemRect(iButton, rect);
    return rect.CenterPoint();
}

class ToolbarFixture : public ::testing::Test
{
protected:
    void SetUp() override { Make(new CTestFrame); }
    void Make(CTestFrame* pFrame)
    {
        CTavoPToolBar::ResetAllImages();
        CTavoPToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
        frame = pFrame;
        ASSERT_TRUE(frame->Create(NULL, "toolbars", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(0, 0, 640, 300)));
        frame->pBar = &bar;
        ASSERT_TRUE(bar.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
    }
    void TearDown() override
    {
        if (bar.GetSafeHwnd() != NULL)
            bar.DestroyWindow();
        frame->DestroyWindow();
        CTavoPToolBar::SetLargeIcons(FALSE);
        CTavoPToolBar::m_bShowTooltips = TRUE;
        CTavoPToolBar::m_bShowShortcutKeys = TRUE;
    }
    void Load()
    {
        ASSERT_TRUE(bar.LoadToolBar(kToolbar));
        bar.AdjustLayout();
    }
    void Click(int iButton)
    {
        const CPoint at = Center(bar, iButton);
        bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        PumpMessages();
    }
    CTestFrame* frame = nullptr;
    CTestToolBar bar;
};

} // namespace

// ---- resources and images ----

TEST_F(ToolbarFixture, ResourceOfTenButtonsGivesImagesSizesAndSeparators)
{
    const int nImagesBefore = CTavoPToolBar::GetImages()->GetCount();
    ASSERT_TRUE(bar.LoadToolBar(kToolbar));
    EXPECT_EQ(nImagesBefore + 10, CTavoPToolBar::GetImages()->GetCount());
    EXPECT_EQ(CSize(16, 16), CTavoPToolBar::GetImages()->GetImageSize());
    EXPECT_EQ(CSize(22, 22), bar.GetButtonSize());
    EXPECT_EQ(CSize(16, 16), bar.GetImageSize());

    ASSERT_EQ(12, bar.GetCount());
    EXPECT_EQ((UINT)TBBS_SEPARATOR, bar.GetButtonStyle(2));
    EXPECT_EQ((UINT)TBBS_SEPARATOR, bar.GetButtonStyle(6));
    // Separators take no image: the commands number their images without gaps.
    const UINT ids[] = {kOpen, kSave, 0, kCut, kCopy, kPaste, 0, kPrint};
    int iExpected = nImagesBefore;
    for (int i = 0; i < 8; i++)
    {
        if (ids[i] == 0)
            continue;
        EXPECT_EQ(ids[i], bar.GetItemID(i));
        EXPECT_EQ(iExpected, bar.GetButton(i)->GetImage()) << i;
        EXPECT_EQ(iExpected, CTavoPToolBar::GetDefaultImage(ids[i])) << i;
        iExpected++;
    }
    EXPECT_EQ(1, frame->nResetMessages);

    CTavoPToolBar::SetLargeIcons(TRUE);
    EXPECT_EQ(CSize(44, 44), bar.GetButtonSize());
    EXPECT_EQ(CSize(32, 32), bar.GetImageSize());
    bar.EnableLargeIcons(FALSE);
    EXPECT_EQ(CSize(22, 22), bar.GetButtonSize());
}

TEST_F(ToolbarFixture, BrokenResourcesAreRefusedAndTheButtonsStay)
{
    Load();
    for (UINT uiID : {kNoImageWidth, kTruncated, kNoBitmap, 39999u})
    {
        CTavoPToolBar other;
        ASSERT_TRUE(other.Create(frame, WS_CHILD | CBRS_TOP, 0x7001));
        EXPECT_FALSE(other.LoadToolBar(uiID)) << uiID;
        EXPECT_EQ(0, other.GetCount()) << uiID;
        other.DestroyWindow();
    }
    EXPECT_EQ(12, bar.GetCount());

    // A separator at the front of a resource is dropped.
    CTavoPToolBar leading;
    ASSERT_TRUE(leading.Create(frame, WS_CHILD | CBRS_TOP, 0x7002));
    ASSERT_TRUE(leading.LoadToolBar(kLeadingSeparator));
    EXPECT_EQ(2, leading.GetCount());
    EXPECT_EQ(kOpen, leading.GetItemID(0));
    leading.DestroyWindow();
}

TEST_F(ToolbarFixture, ReloadingKeepsTheImagesAndTellsTheFrameOncePerLoad)
{
    Load();
    EXPECT_EQ(1, frame->nResetMessages);
    const int nImages = CTavoPToolBar::GetImages()->GetCount();
    ASSERT_TRUE(bar.RestoreOriginalState());
    EXPECT_EQ(nImages, CTavoPToolBar::GetImages()->GetCount());
    EXPECT_EQ(12, bar.GetCount());
    EXPECT_EQ(2, frame->nResetMessages);

    // A bar without a window yet tells nobody.
    CTavoPToolBar unborn;
    ASSERT_TRUE(unborn.LoadToolBar(kToolbar));
    EXPECT_EQ(2, frame->nResetMessages);
}

TEST_F(ToolbarFixture, LockedBarKeepsItsOwnImagesAndStoresOnlyTheBarPart)
{
    Load();
    const int nShared = CTavoPToolBar::GetImages()->GetCount();
    CTestToolBar locked;
    ASSERT_TRUE(locked.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0x7005));
    ASSERT_TRUE(locked.LoadToolBar(kToolbar, 0, 0, TRUE));
    EXPECT_TRUE(locked.IsLocked());
    EXPECT_EQ(nShared, CTavoPToolBar::GetImages()->GetCount());
    EXPECT_EQ(CSize(22, 22), locked.GetButtonSize());
    EXPECT_EQ(0, locked.GetButton(0)->GetImage());

    const Bytes stored = StoreToBytes([&](CArchive& ar) { locked.Serialize(ar); });
    EXPECT_EQ(8u, stored.size()); // alignment and visibility
    LoadFromBytes(stored, [&](CArchive& ar) { locked.Serialize(ar); });
    EXPECT_EQ(12, locked.GetCount());
    locked.DestroyWindow();
}

// ---- the button list ----

TEST_F(ToolbarFixture, SeparatorsAndRemovalsKeepTheListTidy)
{
    EXPECT_EQ(-1, bar.InsertSeparator());
    bar.InsertButton(new CTavoPToolbarButton(kOpen, 0, NULL, FALSE, TRUE));
    EXPECT_EQ(-1, bar.InsertSeparator(0));
    EXPECT_EQ(1, bar.InsertSeparator());
    bar.InsertButton(new CTavoPToolbarButton(kSave, 1, NULL, FALSE, TRUE));
    EXPECT_EQ(3, bar.InsertSeparator());
    bar.InsertButton(new CTavoPToolbarButton(kCut, 2, NULL, FALSE, TRUE));
    // Open | Save | Cut: removing Save leaves one separator between Open and Cut.
    ASSERT_TRUE(bar.RemoveButton(2));
    ASSERT_EQ(3, bar.GetCount());
    EXPECT_EQ(kOpen, bar.GetItemID(0));
    EXPECT_EQ((UINT)TBBS_SEPARATOR, bar.GetButtonStyle(1));
    EXPECT_EQ(kCut, bar.GetItemID(2));
    // Removing the last button also removes the separator before it.
    ASSERT_TRUE(bar.RemoveButton(2));
    EXPECT_EQ(1, bar.GetCount());
    EXPECT_FALSE(bar.RemoveButton(5));
    // A refused button stays the caller's.
    CTavoPToolbarButton outOfRange(kCut, 2, NULL, FALSE, TRUE);
    EXPECT_EQ(-1, bar.InsertButton(&outOfRange, 9));
}

TEST_F(ToolbarFixture, CustomizeButtonStaysLast)
{
    Load();
    CCustomizeButton* pCustomize = new CCustomizeButton;
    pCustomize->m_strText = "...";
    bar.AttachCustomizeButton(pCustomize);
    const int nCount = bar.GetCount();
    EXPECT_EQ(nCount - 1, bar.InsertButton(new CTavoPToolbarButton(kCut, 2, NULL, FALSE, TRUE)));
    EXPECT_EQ(pCustomize, bar.GetButton(bar.GetCount() - 1));
    EXPECT_FALSE(bar.RemoveButton(bar.GetCount() - 1));
    // Reloading the resource keeps a customize button at the end.
    ASSERT_TRUE(bar.LoadToolBar(kToolbar));
    EXPECT_EQ(13, bar.GetCount());
    EXPECT_STREQ("...", bar.GetButton(12)->m_strText);
}

// ---- layout ----

TEST_F(ToolbarFixture, ButtonsThatDoNotFitGoIntoTheCustomizeButton)
{
    Load();
    CCustomizeButton* pCustomize = new CCustomizeButton;
    bar.AttachCustomizeButton(pCustomize);
    auto narrow = [&]() {
        bar.SetWindowPos(NULL, 0, 0, 120, bar.GetRowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
        bar.LayoutButtons();
    };
    narrow();
    CObList& hidden = pCustomize->GetHiddenButtons();
    ASSERT_FALSE(hidden.IsEmpty());
    EXPECT_FALSE(pCustomize->IsHidden());
    CRect rectCustomize = pCustomize->Rect();
    CRect rectClient;
    bar.GetClientRect(rectClient);
    EXPECT_EQ(rectClient.right - 1, rectCustomize.right);
    for (int i = 0; i < bar.GetCount() - 1; i++)
    {
        CTavoPToolbarButton* pButton = bar.GetButton(i);
        if (hidden.Find(pButton) != NULL)
            EXPECT_TRUE(pButton->IsHidden()) << i;
        else
        {
            EXPECT_FALSE(pButton->IsHidden()) << i;
            EXPECT_LE(pButton->Rect().right, rectCustomize.left) << i;
        }
    }
    // The first hidden button is the first that did not fit; all behind it follow.
    EXPECT_EQ(bar.GetButton(bar.GetCount() - 2), hidden.GetTail());

    // In customize mode nothing is hidden and the customize button is not shown.
    CTavoPToolBar::SetCustomizeMode(TRUE);
    narrow();
    for (int i = 0; i < bar.GetCount() - 1; i++)
        EXPECT_FALSE(bar.GetButton(i)->IsHidden()) << i;
    EXPECT_TRUE(pCustomize->IsHidden());
    CTavoPToolBar::SetCustomizeMode(FALSE);
}

TEST_F(ToolbarFixture, HorizontalAndVerticalLayoutSizes)
{
    Load();
    const int nRow = bar.GetRowHeight();
    ASSERT_EQ(22, bar.GetColumnWidth());
    // What the bar's borders and gripper add along and across it.
    auto borders = [&](BOOL bHorz) {
        CRect rect(0, 0, 0, 0);
        bar.CalcInsideRect(rect, bHorz);
        return CSize(-rect.Width(), -rect.Height());
    };
    const CSize bh = borders(TRUE);
    const CSize bv = borders(FALSE);
    // Ten buttons and two separators of 8 pixels, and the first pixel.
    const int nOneRow = 10 * 22 + 2 * 8 + 1;
    struct Case
    {
        DWORD dwBarStyle;
        DWORD dwMode;
        int nLength;
        CSize size;
    } cases[] = {
        {CBRS_SIZE_DYNAMIC, LM_HORZ | LM_HORZDOCK, -1, CSize(nOneRow + bh.cx, nRow + bh.cy)},
        {0, LM_HORZ, -1, CSize(nOneRow + bh.cx, nRow + bh.cy)},
        {CBRS_SIZE_DYNAMIC, LM_HORZ | LM_STRETCH, -1, CSize(32767, nRow + bh.cy)},
        {CBRS_SIZE_DYNAMIC, LM_HORZ | LM_VERTDOCK, -1,
         CSize(22 + 1 + bh.cx, 9 * (nRow + 5) + nRow + bh.cy)},
    };
    for (const Case& c : cases)
    {
        bar.SetBarStyle((bar.GetBarStyle() & ~(CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED)) |
                        c.dwBarStyle);
        EXPECT_EQ(c.size, bar.CalcLayout(c.dwMode, c.nLength)) << c.dwMode << " " << c.nLength;
    }

    // A length of 100 inside the borders takes three rows, as narrow as they can be.
    const CSize sizeWrapped = bar.CalcLayout(LM_HORZ, 100 + bh.cx);
    EXPECT_EQ(2 * (nRow + 5) + nRow + bh.cy, sizeWrapped.cy);
    EXPECT_LE(sizeWrapped.cx, 100 + bh.cx);

    // Docked at the side: one column; separators are 8 pixels high there.
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
    bar.SetCurrentAlignment(CBRS_ALIGN_LEFT);
    const CSize sizeColumn = bar.CalcLayout(LM_VERTDOCK);
    EXPECT_EQ(22 + bv.cx, sizeColumn.cx);
    int nHeight = 1;
    for (int i = 0; i < bar.GetCount(); i++)
        nHeight += (bar.GetButtonStyle(i) & TBBS_SEPARATOR) ? 8 : bar.GetRowHeight();
    EXPECT_EQ(nHeight + bv.cy, sizeColumn.cy);
    bar.SetCurrentAlignment(CBRS_ALIGN_TOP);
}

TEST_F(ToolbarFixture, FloatingBarRemembersItsWidthAndOffersOnlyClose)
{
    // The test frame docks nothing: the floating frame stands alone.
    CTavoPMiniFrameWnd* pMiniFrame = new CTavoPMiniFrameWnd;
    ASSERT_TRUE(
        pMiniFrame->Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU, CRect(0, 0, 200, 100), NULL));
    CTestToolBar floating;
    ASSERT_TRUE(
        floating.Create(pMiniFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, 0x7004));
    pMiniFrame->AddControlBar(&floating);
    ASSERT_TRUE(floating.IsFloating());
    ASSERT_TRUE(floating.LoadToolBar(kToolbar));
    CCustomizeButton* pCustomize = new CCustomizeButton;
    floating.AttachCustomizeButton(pCustomize);

    const CSize size = floating.CalcLayout(LM_HORZ | LM_COMMIT, 100);
    EXPECT_GT(size.cy, 2 * floating.GetRowHeight());
    EXPECT_LE(floating.GetMRUWidth(), 100);
    EXPECT_GT(floating.GetMRUWidth(), 0);

    // A floating bar hides nothing and shows no customize button.
    floating.SetWindowPos(NULL, 0, 0, 60, 200, SWP_NOZORDER | SWP_NOMOVE);
    for (int i = 0; i < floating.GetCount() - 1; i++)
    {
        const BOOL bSeparator = (floating.GetButtonStyle(i) & TBBS_SEPARATOR) != 0;
        EXPECT_TRUE(bSeparator || !floating.GetButton(i)->IsHidden()) << i;
    }
    EXPECT_TRUE(pCustomize->IsHidden());
    EXPECT_TRUE(pCustomize->GetHiddenButtons().IsEmpty());

    CMenu* pSysMenu = pMiniFrame->GetSystemMenu(FALSE);
    ASSERT_NE(nullptr, pSysMenu);
    for (UINT uiCommand : {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE})
        EXPECT_EQ((UINT)-1, pSysMenu->GetMenuState(uiCommand, MF_BYCOMMAND)) << uiCommand;
    EXPECT_NE(0u, pSysMenu->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    pMiniFrame->DestroyWindow();
}

TEST_F(ToolbarFixture, FloatingSizeFollowsTheLengthAndTheTopSideRefitsItsFrame)
{
    CTavoPMiniFrameWnd* pMiniFrame = new CTavoPMiniFrameWnd;
    ASSERT_TRUE(
        pMiniFrame->Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU, CRect(0, 0, 200, 100), NULL));
    CTestToolBar floating;
    ASSERT_TRUE(
        floating.Create(pMiniFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, 0x7004));
    pMiniFrame->AddControlBar(&floating);
    ASSERT_TRUE(floating.LoadToolBar(kToolbar));

    // The length chosen becomes the remembered length of the floating bar.
    const CSize narrow = floating.CalcFloatingSize(100, FALSE);
    EXPECT_LE(narrow.cx, 100);
    EXPECT_EQ(narrow.cx, floating.GetMRUWidth());
    const CSize wide = floating.CalcFloatingSize(32767, FALSE);
    EXPECT_GT(wide.cx, 100);
    EXPECT_LT(wide.cy, narrow.cy);
    EXPECT_EQ(wide.cx, floating.GetMRUWidth());

    // Put back on the top side, the bar takes its remembered length and its frame fits it.
    pMiniFrame->RecalcLayout();
    CRect rectOneRow;
    floating.GetWindowRect(rectOneRow);
    floating.SetMRUWidth(100);
    floating.SetAlignmentTop();
    CRect rectRows;
    floating.GetWindowRect(rectRows);
    EXPECT_TRUE(floating.GetCurrentAlignment() & CBRS_ALIGN_TOP);
    EXPECT_EQ(narrow.cx, floating.GetMRUWidth());
    EXPECT_LT(rectRows.Width(), rectOneRow.Width());
    EXPECT_GT(rectRows.Height(), rectOneRow.Height());
    CRect rectFrame;
    pMiniFrame->GetClientRect(rectFrame);
    EXPECT_GE(rectFrame.Height(), rectRows.Height());
    pMiniFrame->DestroyWindow();
}

TEST(DockedToolbar, TallerButtonsMakeItsRowThicker)
{
    CTavoPFrameWnd* pFrame = new CTavoPFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "docked", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                               CRect(100, 100, 700, 400)));
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    CTavoPToolBar bar;
    ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
    ASSERT_TRUE(bar.LoadToolBar(kToolbar));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    PumpMessages();
    ASSERT_NE(nullptr, bar.GetDockRow());
    CRect rect;
    bar.GetWindowRect(rect);
    EXPECT_EQ(rect.Height(), bar.GetDockRow()->GetThickness());

    bar.EnableTextLabels(TRUE);
    PumpMessages();
    CRect rectTall;
    bar.GetWindowRect(rectTall);
    EXPECT_GT(rectTall.Height(), rect.Height());
    EXPECT_EQ(rectTall.Height(), bar.GetDockRow()->GetThickness());
    pFrame->DestroyWindow();
}

namespace {
// A library frame that counts its layout passes.
class CCountingFrame : public CTavoPFrameWnd
{
public:
    int nLayouts = 0;
    void RecalcLayout(BOOL bNotify = TRUE) override
    {
        nLayouts++;
        CTavoPFrameWnd::RecalcLayout(bNotify);
    }
};
} // namespace

TEST(DockedToolbar, FrameLaysOutAgainOnlyForABarThatChangedItsSize)
{
    CCountingFrame* pFrame = new CCountingFrame;
    ASSERT_TRUE(pFrame->Create(NULL, "docked", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                               CRect(100, 100, 700, 400)));
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    CTavoPToolBar bar;
    ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
    ASSERT_TRUE(bar.LoadToolBar(kToolbar));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    PumpMessages();
    CRect rect;
    bar.GetWindowRect(rect);

    // A text the button does not show leaves the bar as wide as it was.
    pFrame->nLayouts = 0;
    bar.SetButtonText(0, "Open a file");
    bar.AdjustLayout();
    EXPECT_EQ(0, pFrame->nLayouts);

    // Labels make the bar taller, and the frame places its bars anew.
    bar.EnableTextLabels(TRUE);
    EXPECT_GE(pFrame->nLayouts, 1);
    CRect rectTaller;
    bar.GetWindowRect(rectTaller);
    EXPECT_GT(rectTaller.Height(), rect.Height());
    pFrame->DestroyWindow();
}

TEST_F(ToolbarFixture, BarInARebarGivesItsBandItsNewSize)
{
    CTavoPReBar rebar;
    ASSERT_TRUE(rebar.Create(frame));
    CTavoPToolBar inBand;
    ASSERT_TRUE(inBand.Create(&rebar, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE805));
    ASSERT_TRUE(inBand.LoadToolBar(kToolbar));
    inBand.AdjustLayout();
    ASSERT_TRUE(rebar.AddBar(&inBand));
    auto band = [&rebar]() {
        REBARBANDINFO rbi = {};
        rbi.cbSize = sizeof(rbi);
        rbi.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        rebar.SendMessage(RB_GETBANDINFO, 0, (LPARAM)&rbi);
        return rbi;
    };
    const REBARBANDINFO plain = band();

    inBand.EnableTextLabels(TRUE);
    const REBARBANDINFO labelled = band();
    EXPECT_GT(labelled.cyMinChild, plain.cyMinChild) << "labels make the band taller";
    EXPECT_EQ((UINT)CTavoPToolBar::GetDefaultButtonSize().cx, labelled.cxMinChild);

    inBand.InsertButton(new CTavoPToolbarButton(kPrint, 0, "Print"));
    inBand.AdjustLayout();
    EXPECT_GT(band().cxIdeal, labelled.cxIdeal) << "a new button widens the band";
    EXPECT_EQ(labelled.cyMinChild, band().cyMinChild);
    inBand.DestroyWindow();
    rebar.DestroyWindow();
}

TEST_F(ToolbarFixture, WrappingChoosesTheNarrowestWidthAndEndsVertically)
{
    Load();
    EXPECT_EQ(1, bar.WrapToolBar(32767));
    EXPECT_EQ(3, bar.WrapToolBar(100));
    // Rows end after Copy (index 4) and after Replace (index 9); the separator behind Paste
    // stays on its row.
    for (int i = 0; i < bar.GetCount(); i++)
        EXPECT_EQ(i == 4 || i == 9, bar.GetButton(i)->m_bWrap) << i;

    EXPECT_EQ(3, bar.SizeToolBar(100));
    const int nWidth = bar.CalcSize(FALSE).cx;
    EXPECT_LE(nWidth, 100);
    EXPECT_GT(bar.WrapToolBar(nWidth - 2), 3);

    // A length no row fits in: the search stops once the bar is one row.
    EXPECT_EQ(1, bar.SizeToolBar(5, TRUE));
}

namespace {

// What laying a bar out at a fixed width and at a fixed height gives: the sizes, where the rows
// end and where every button lands.
struct WrappedLayout
{
    CSize sizeByWidth;
    CSize sizeByHeight;
    std::vector<BOOL> wraps;
    std::vector<CRect> rects;
    bool operator==(const WrappedLayout& other) const
    {
        return sizeByWidth == other.sizeByWidth && sizeByHeight == other.sizeByHeight &&
               wraps == other.wraps && rects == other.rects;
    }
};

WrappedLayout LayOutWrapped(CTavoPToolBar& bar)
{
    WrappedLayout layout;
    layout.sizeByHeight = bar.CalcLayout(LM_HORZ | LM_LENGTHY, 60);
    layout.sizeByWidth = bar.CalcLayout(LM_HORZ, 120);
    bar.SetWindowPos(NULL, 0, 0, layout.sizeByWidth.cx, layout.sizeByWidth.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    bar.LayoutButtons();
    for (int i = 0; i < bar.GetCount(); i++)
    {
        layout.wraps.push_back(bar.GetButton(i)->m_bWrap);
        CRect rect;
        bar.GetItemRect(i, rect);
        layout.rects.push_back(rect);
    }
    return layout;
}

} // namespace

TEST_F(ToolbarFixture, WrappedLayoutFollowsEveryChangeOfTextAndImage)
{
    Load();
    const WrappedLayout original = LayOutWrapped(bar);
    ASSERT_GT(original.sizeByWidth.cy, 2 * bar.GetRowHeight());

    // Each change lands on a bar laid out many times before it; a bar made afresh with all the
    // changes so far is laid out as the changed bar must be.
    struct Change
    {
        const char* name;
        LPCTSTR lpszText;
        BOOL bShowText;
        BOOL bShowImage;
    } changes[] = {
        {"a long text beside the image", "Save all the files", TRUE, TRUE},
        {"the text without the image", NULL, TRUE, FALSE},
        {"a short text", "S", TRUE, FALSE},
        {"the image alone again", NULL, FALSE, TRUE},
    };
    std::vector<const Change*> applied;
    WrappedLayout previous = original;
    for (const Change& change : changes)
    {
        bar.SetButtonTextImage(1, change.lpszText, change.bShowText, change.bShowImage);
        applied.push_back(&change);
        const WrappedLayout changed = LayOutWrapped(bar);

        CTestToolBar fresh;
        ASSERT_TRUE(fresh.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC,
                                 AFX_IDW_TOOLBAR + 1));
        ASSERT_TRUE(fresh.LoadToolBar(kToolbar));
        for (const Change* pChange : applied)
            fresh.SetButtonTextImage(1, pChange->lpszText, pChange->bShowText, pChange->bShowImage);
        EXPECT_TRUE(changed == LayOutWrapped(fresh)) << change.name;
        EXPECT_FALSE(changed == previous) << change.name;
        previous = changed;
        fresh.DestroyWindow();
    }
    // The button shows its image alone again, as it did at first.
    EXPECT_TRUE(previous == original);
}

TEST_F(ToolbarFixture, LayoutPlacesButtonsAndHidesLeadingSeparators)
{
    Load();
    CRect rect;
    bar.GetItemRect(0, rect);
    EXPECT_EQ(CRect(1, 0, 23, bar.GetRowHeight()), rect);
    bar.GetItemRect(3, rect);
    EXPECT_EQ(1 + 44 + 8, rect.left);

    // Two separators side by side: the second takes no room.
    bar.InsertSeparator(3);
    bar.LayoutButtons();
    EXPECT_TRUE(bar.GetButton(3)->IsHidden());
    bar.GetItemRect(4, rect);
    EXPECT_EQ(1 + 44 + 8, rect.left);
}

TEST_F(ToolbarFixture, DropIndexFollowsTheNearerHalfOfAButton)
{
    Load();
    CRect rect0, rect1;
    bar.GetItemRect(0, rect0);
    bar.GetItemRect(1, rect1);
    const int y = rect0.CenterPoint().y;
    CRect rectMarker;
    struct Case
    {
        int x;
        int iIndex;
        int nEdge;
    } cases[] = {{rect0.left + 2, 0, rect0.left},
                 {rect0.right - 2, 1, rect0.right},
                 {rect1.left + 3, 1, rect1.left}};
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.iIndex, bar.FindDropIndex(CPoint(c.x, y), rectMarker)) << c.x;
        // The marker is centred on the edge, cut at the bar's own edges.
        EXPECT_EQ(CRect(std::max(c.nEdge - 3, 0), rect0.top, c.nEdge + 3, rect0.bottom), rectMarker)
            << c.x;
    }

    // Past the last button: the end of the bar, but never behind a customize button.
    CRect rectLast;
    bar.GetItemRect(bar.GetCount() - 1, rectLast);
    EXPECT_EQ(bar.GetCount(), bar.FindDropIndex(CPoint(rectLast.right + 20, y), rectMarker));
    EXPECT_EQ(CRect(rectLast.right - 3, rectLast.top, rectLast.right + 3, rectLast.bottom),
              rectMarker);
    EXPECT_EQ(bar.GetCount(), bar.FindDropIndex(CPoint(rectLast.right - 2, y), rectMarker));
    bar.AttachCustomizeButton(new CCustomizeButton);
    EXPECT_EQ(bar.GetCount() - 1, bar.FindDropIndex(CPoint(rectLast.right + 20, y), rectMarker));
}

// ---- painting ----

TEST_F(ToolbarFixture, PaintingShowsImagesAndStatesAsPixels)
{
    ClassicColors colors;
    GetGlobalData().UpdateSysColors();
    Load();
    CRect rectClient;
    bar.GetClientRect(rectClient);
    ASSERT_FALSE(rectClient.IsRectEmpty());
    auto paint = [&](DibCanvas& canvas) {
        canvas.Fill(RGB(1, 2, 3));
        bar.DoPaint(CDC::FromHandle(canvas.dc()));
    };
    DibCanvas canvas(rectClient.Width(), rectClient.Height());
    CRect rect0;
    bar.GetItemRect(0, rect0);
    const CPoint image0(rect0.left + 3 + 8, rect0.top + (rect0.Height() - 16) / 2 + 8);

    paint(canvas);
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(image0.x, image0.y));
    EXPECT_EQ(RGB(192, 192, 192), canvas.Pixel(rect0.left + 1, rect0.top + 1));
    EXPECT_EQ(0, canvas.Count(RGB(1, 2, 3), 0, 0, canvas.width(), canvas.height()));

    // Hot: a raised border (highlight at the top left).
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(image0.x, image0.y));
    paint(canvas);
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(rect0.left, rect0.top + 5));

    // Pressed: a sunken border and the image one pixel down and right.
    bar.SetButtonStyle(0, TBBS_PRESSED);
    paint(canvas);
    EXPECT_NE(RGB(255, 255, 255), canvas.Pixel(rect0.left, rect0.top + 5));
    const int nImageLeft = rect0.left + (rect0.Width() - 16) / 2 + 2;
    EXPECT_EQ(RGB(255, 0, 0), canvas.Pixel(nImageLeft + 1, image0.y));
    EXPECT_EQ(RGB(192, 192, 192), canvas.Pixel(nImageLeft, image0.y));
    bar.SendMessage(WM_CANCELMODE);

    // Disabled: the image loses its colour.
    bar.SetButtonStyle(0, TBBS_DISABLED);
    paint(canvas);
    EXPECT_EQ(0, canvas.Count(RGB(255, 0, 0), rect0.left, rect0.top, rect0.right, rect0.bottom));
}

TEST_F(ToolbarFixture, KeptPictureFollowsTheBarsSizeAndKeepsNothingOfAClippedPaint)
{
    ClassicColors colors;
    GetGlobalData().UpdateSysColors();
    Load();
    CRect rectClient, rect0, rect1;
    bar.GetClientRect(rectClient);
    bar.GetItemRect(0, rect0);
    bar.GetItemRect(1, rect1);
    const CPoint image0(rect0.left + 3 + 8, rect0.top + (rect0.Height() - 16) / 2 + 8);

    // A paint clipped to the first button changes only that button.
    DibCanvas clipped(rectClient.Width(), rectClient.Height(), RGB(1, 2, 3));
    ::IntersectClipRect(clipped.dc(), rect0.left, rect0.top, rect0.right, rect0.bottom);
    bar.DoPaint(CDC::FromHandle(clipped.dc()));
    EXPECT_EQ(0, clipped.Count(RGB(1, 2, 3), rect0.left, rect0.top, rect0.right, rect0.bottom));
    EXPECT_EQ(rect1.Width() * rect1.Height(),
              clipped.Count(RGB(1, 2, 3), rect1.left, rect1.top, rect1.right, rect1.bottom));

    // The next paint covers every pixel: no clipping stays behind.
    DibCanvas full(rectClient.Width(), rectClient.Height(), RGB(1, 2, 3));
    bar.DoPaint(CDC::FromHandle(full.dc()));
    EXPECT_EQ(0, full.Count(RGB(1, 2, 3), 0, 0, full.width(), full.height()));
    EXPECT_EQ(RGB(255, 0, 0), full.Pixel(image0.x, image0.y));

    // A larger bar is painted whole, not only the part the kept picture had.
    bar.SetWindowPos(NULL, 0, 0, rectClient.Width() + 40, rectClient.Height() + 6,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rectLarger;
    bar.GetClientRect(rectLarger);
    ASSERT_GT(rectLarger.Width(), rectClient.Width());
    bar.GetItemRect(0, rect0);
    DibCanvas larger(rectLarger.Width(), rectLarger.Height(), RGB(1, 2, 3));
    bar.DoPaint(CDC::FromHandle(larger.dc()));
    EXPECT_EQ(0, larger.Count(RGB(1, 2, 3), 0, 0, larger.width(), larger.height()));
    EXPECT_EQ(RGB(255, 0, 0),
              larger.Pixel(rect0.left + 3 + 8, rect0.top + (rect0.Height() - 16) / 2 + 8));
}

TEST_F(ToolbarFixture, NewSystemColoursAndMetricsReachTheBar)
{
    Load();
    CRect rect0;
    bar.GetItemRect(0, rect0);
    CRect rectClient;
    bar.GetClientRect(rectClient);
    auto facePixel = [&]() {
        DibCanvas canvas(rectClient.Width(), rectClient.Height());
        bar.DoPaint(CDC::FromHandle(canvas.dc()));
        return canvas.Pixel(rect0.left + 1, rect0.top + 1);
    };
    {
        ClassicColors colors;
        bar.SendMessage(WM_SYSCOLORCHANGE);
        EXPECT_EQ(RGB(192, 192, 192), facePixel());
        const int element = COLOR_BTNFACE;
        const COLORREF sand = RGB(200, 180, 160);
        ::SetSysColors(1, &element, &sand);
        bar.SendMessage(WM_SYSCOLORCHANGE);
        EXPECT_EQ(sand, GetGlobalData().clrBtnFace);
        EXPECT_EQ(sand, facePixel()) << "the bar paints in the new face colour";
    }
    bar.SendMessage(WM_SYSCOLORCHANGE);

    // New window metrics lay the bar out again; other settings leave it alone.
    CTavoPToolbarButton* pPrint = new CTavoPToolbarButton(kPrint, 0, "Print");
    bar.InsertButton(pPrint);
    ASSERT_TRUE(pPrint->Rect().IsRectEmpty());
    bar.SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA);
    EXPECT_TRUE(pPrint->Rect().IsRectEmpty());
    bar.SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS);
    EXPECT_FALSE(pPrint->Rect().IsRectEmpty());
}

TEST_F(ToolbarFixture, LargeIconsDrawDoubleSizeImages)
{
    ClassicColors colors;
    GetGlobalData().UpdateSysColors();
    Load();
    CTavoPToolBar::SetLargeIcons(TRUE);
    CRect rect0;
    bar.GetItemRect(0, rect0);
    EXPECT_EQ(CSize(44, 44), rect0.Size());
    CRect rectClient;
    bar.GetClientRect(rectClient);
    DibCanvas canvas(rectClient.Width(), rectClient.Height());
    bar.DoPaint(CDC::FromHandle(canvas.dc()));
    // The 12-pixel square of the image grows to 24 pixels.
    const CPoint origin(rect0.left + (44 - 32) / 2, rect0.top + (44 - 32) / 2);
    EXPECT_EQ(24 * 24,
              canvas.Count(RGB(255, 0, 0), origin.x, origin.y, origin.x + 32, origin.y + 32));
}

TEST_F(ToolbarFixture, TextLabelsMakeRowsTallerOnlyOnHorizontalBars)
{
    Load();
    const int nRow = bar.GetRowHeight();
    bar.EnableTextLabels(TRUE);
    EXPECT_STREQ("Open", bar.GetButtonText(0));
    EXPECT_TRUE(bar.GetButton(0)->m_bTextBelow);
    EXPECT_FALSE(bar.GetButton(2)->m_bTextBelow); // a separator
    EXPECT_GT(bar.GetRowHeight(), nRow);
    CRect rect0;
    bar.GetItemRect(0, rect0);
    EXPECT_EQ(bar.GetRowHeight(), rect0.Height());

    bar.SetCurrentAlignment(CBRS_ALIGN_LEFT);
    EXPECT_EQ(0, bar.CalcTextLabelHeight());
    bar.AdjustLayout();
    EXPECT_FALSE(bar.GetButton(0)->m_bTextBelow);
    bar.SetCurrentAlignment(CBRS_ALIGN_TOP);
}

// ---- the mouse ----

TEST_F(ToolbarFixture, ClickSendsTheCommandOnce)
{
    Load();
    const int nUsed = GetCommandUsage().GetCount(kOpen);
    Click(0);
    EXPECT_EQ(std::vector<UINT>{kOpen}, frame->commands);
    EXPECT_EQ(nUsed + 1, GetCommandUsage().GetCount(kOpen));
    EXPECT_EQ(0u, bar.GetButtonStyle(0) & TBBS_PRESSED);
    EXPECT_EQ(-1, bar.GetPressedButton());
}

TEST_F(ToolbarFixture, MovingOffBeforeTheReleaseSendsNothing)
{
    Load();
    const CPoint at = Center(bar, 0);
    const CPoint away = Center(bar, 9);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    EXPECT_NE(0u, bar.GetButtonStyle(0) & TBBS_PRESSED);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(away.x, away.y));
    EXPECT_EQ(0u, bar.GetButtonStyle(0) & TBBS_PRESSED);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    EXPECT_NE(0u, bar.GetButtonStyle(0) & TBBS_PRESSED);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(away.x, away.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(away.x, away.y));
    PumpMessages();
    EXPECT_TRUE(frame->commands.empty());
    EXPECT_EQ(0u, bar.GetButtonStyle(0) & TBBS_PRESSED);
}

TEST_F(ToolbarFixture, DisabledButtonIsNotPressed)
{
    TearDown();
    Make(new CDisablingFrame);
    Load();
    const CPoint at = Center(bar, 0);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(-1, bar.GetPressedButton());
    EXPECT_NE(0u, bar.GetButtonStyle(0) & TBBS_DISABLED);
    EXPECT_EQ(0u, bar.GetButtonStyle(0) & TBBS_PRESSED);
    EXPECT_NE(bar.GetSafeHwnd(), ::GetCapture());
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    PumpMessages();
    EXPECT_TRUE(frame->commands.empty());
}

TEST_F(ToolbarFixture, CheckboxTogglesOnRelease)
{
    Load();
    bar.SetButtonStyle(3, TBBS_CHECKBOX | TBBS_INDETERMINATE);
    Click(3);
    EXPECT_EQ((UINT)(TBBS_CHECKBOX | TBBS_CHECKED), bar.GetButtonStyle(3));
    Click(3);
    EXPECT_EQ((UINT)TBBS_CHECKBOX, bar.GetButtonStyle(3));
    EXPECT_EQ((std::vector<UINT>{kCut, kCut}), frame->commands);
}

TEST_F(ToolbarFixture, CommandThatChangesTheListLeavesOtherButtonsAlone)
{
    Load();
    frame->bRemoveFirstOnCut = TRUE;
    Click(3); // Cut; its handler removes Open
    EXPECT_EQ(std::vector<UINT>{kCut}, frame->commands);
    ASSERT_EQ(kCut, bar.GetItemID(2));
    EXPECT_EQ(0u, bar.GetButtonStyle(2) & TBBS_PRESSED);
    EXPECT_EQ(kCopy, bar.GetItemID(3));
    EXPECT_EQ(0u, bar.GetButtonStyle(3) & (TBBS_CHECKED | TBBS_PRESSED));
}

TEST_F(ToolbarFixture, StretchingAButtonInCustomizeModeResizesIt)
{
    Load();
    CStretchButton* pButton = new CStretchButton;
    const int iIndex = bar.InsertButton(pButton);
    bar.AdjustLayout();
    CTavoPToolBar::SetCustomizeMode(TRUE);
    const CRect rect = pButton->Rect();
    const int y = rect.CenterPoint().y;
    auto drag = [&](int xFrom, int xTo) {
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xFrom, y));
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(xTo, y));
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(xTo, y));
    };
    drag(rect.right - 2, rect.right + 30);
    EXPECT_EQ(std::vector<int>{rect.Width() + 30}, pButton->sizes);
    // A release near the old edge, or a press away from the edge, changes nothing.
    drag(rect.right - 2, rect.right + 3);
    drag(rect.left + 2, rect.right + 30);
    EXPECT_EQ(1u, pButton->sizes.size());

    // Escape ends a stretch.
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.right - 2, y));
    EXPECT_EQ(bar.GetSafeHwnd(), ::GetCapture());
    MSG msg = {bar.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
    EXPECT_TRUE(bar.PreTranslateMessage(&msg));
    EXPECT_NE(bar.GetSafeHwnd(), ::GetCapture());
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.right + 30, y));
    EXPECT_EQ(1u, pButton->sizes.size());
    EXPECT_EQ(iIndex, bar.CommandToIndex(30120));
    CTavoPToolBar::SetCustomizeMode(FALSE);
}

// ---- tool tips ----

TEST_F(ToolbarFixture, ToolTipShowsTheTipAndTheShortcut)
{
    Load();
    const CPoint at = Center(bar, 0);
    TOOLINFO ti = {};
    ASSERT_EQ((INT_PTR)kOpen, bar.OnToolHitTest(at, &ti));
    EXPECT_STREQ("Open", ti.lpszText);
    free(ti.lpszText);

    ACCEL accel = {FCONTROL | FVIRTKEY, 'O', (WORD)kOpen};
    frame->m_hAccelTable = ::CreateAcceleratorTable(&accel, 1);
    char szControl[32] = "", szO[32] = "";
    ::GetKeyNameText((LONG)(::MapVirtualKey(VK_CONTROL, 0) << 16), szControl, sizeof(szControl));
    ::GetKeyNameText((LONG)(::MapVirtualKey('O', 0) << 16), szO, sizeof(szO));
    EXPECT_STREQ("Control", szControl);
    ti = {};
    bar.OnToolHitTest(at, &ti);
    EXPECT_STREQ(CString("Open (") + szControl + "+" + szO + ")", ti.lpszText);
    free(ti.lpszText);

    CTavoPToolBar::m_bShowShortcutKeys = FALSE;
    ti = {};
    bar.OnToolHitTest(at, &ti);
    EXPECT_STREQ("Open", ti.lpszText);
    free(ti.lpszText);

    CTavoPToolBar::m_bShowTooltips = FALSE;
    EXPECT_EQ(-1, bar.OnToolHitTest(at, NULL));
    ::DestroyAcceleratorTable(frame->m_hAccelTable);
    frame->m_hAccelTable = NULL;
    // Separators and empty space have no tip.
    CTavoPToolBar::m_bShowTooltips = TRUE;
    EXPECT_EQ(-1, bar.OnToolHitTest(Center(bar, 2), NULL));
}

TEST_F(ToolbarFixture, ToolTipControlAsksTheBarForTheTextUnderThePointer)
{
    Load();
    CPoint at = Center(bar, 3);
    bar.ClientToScreen(&at);
    ::SetCursorPos(at.x, at.y);
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = bar.m_wndToolTip.GetSafeHwnd();
    info.hdr.idFrom = 4;
    info.hdr.code = TTN_NEEDTEXTA;
    bar.SendMessage(WM_NOTIFY, 4, (LPARAM)&info);
    ASSERT_NE(nullptr, info.lpszText);
    EXPECT_STREQ("Cut", info.lpszText);
}

namespace {

// The tool changes (added, deleted, moved) the tool tip control of a bar is sent while it is
// watched.
class ToolChangeCounter
{
public:
    explicit ToolChangeCounter(HWND hwndTip) : m_hwnd(hwndTip)
    {
        s_nChanges = 0;
        s_oldProc = (WNDPROC)::SetWindowLongPtrA(hwndTip, GWLP_WNDPROC, (LONG_PTR)Proc);
    }
    ~ToolChangeCounter() { ::SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, (LONG_PTR)s_oldProc); }
    int Changes() const { return s_nChanges; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == TTM_ADDTOOLA || message == TTM_DELTOOLA || message == TTM_NEWTOOLRECTA)
            s_nChanges++;
        return ::CallWindowProcA(s_oldProc, hwnd, message, wParam, lParam);
    }
    HWND m_hwnd;
    static int s_nChanges;
    static WNDPROC s_oldProc;
};
int ToolChangeCounter::s_nChanges = 0;
WNDPROC ToolChangeCounter::s_oldProc = NULL;

} // namespace

TEST_F(ToolbarFixture, ToolTipToolsFollowTheButtonsAndALayoutThatMovesNoneSendsNothing)
{
    Load();
    const auto expectToolPerButton = [this] {
        ASSERT_EQ(bar.GetCount(), (int)bar.m_wndToolTip.SendMessage(TTM_GETTOOLCOUNT));
        for (int i = 0; i < bar.GetCount(); i++)
        {
            TOOLINFO ti;
            ASSERT_TRUE(bar.m_wndToolTip.GetToolInfo(ti, &bar, i + 1)) << i;
            CRect rect;
            bar.GetItemRect(i, rect);
            EXPECT_EQ(rect, CRect(ti.rect)) << i;
        }
    };
    expectToolPerButton();

    ToolChangeCounter counter(bar.m_wndToolTip.GetSafeHwnd());
    bar.AdjustLayout();
    bar.SetWindowPos(NULL, 0, 0, 600, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(0, counter.Changes());

    // Fewer buttons, then more again: the tools move, go and come with them.
    ASSERT_TRUE(bar.RemoveButton(0));
    bar.AdjustLayout();
    expectToolPerButton();
    EXPECT_LT(0, counter.Changes());
    bar.InsertButtonCopy(CTavoPToolbarButton(kOpen, 0), 0);
    bar.InsertButtonCopy(CTavoPToolbarButton(kPrint, 0));
    bar.AdjustLayout();
    expectToolPerButton();

    // A bar made again gets a new control, and every tool in it.
    bar.DestroyWindow();
    ASSERT_TRUE(bar.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
    Load();
    expectToolPerButton();
}

namespace {

// A library frame that supplies its own tip for Save and answers the buttons' tip requests.
class CTipFrame : public CTavoPFrameWnd
{
public:
    std::vector<UINT> hitTests;
    BOOL GetToolbarButtonToolTipText(CTavoPToolbarButton* pButton, CString& strTTText) override
    {
        if (pButton->m_nID != kSave)
            return FALSE;
        strTTText = "Save the card";
        return TRUE;
    }
    BOOL OnMenuButtonToolHitTest(CTavoPToolbarButton* pButton, TOOLINFO* pTI) override
    {
        hitTests.push_back(pButton->m_nID);
        return pButton->m_nID == kOpen;
    }
};

} // namespace

TEST(ToolbarToolTip, TheOwningLibraryFrameSuppliesTipsAndAnswersButtons)
{
    CTavoPToolBar::ResetAllImages();
    CTavoPToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
    CTavoPToolBar::m_bShowShortcutKeys = FALSE;
    CTipFrame* pFrame = new CTipFrame; // a frame window: deleted with its window
    ASSERT_TRUE(
        pFrame->Create(NULL, "tips", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 300)));
    CTavoPToolBar bar;
    ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    ASSERT_TRUE(bar.LoadToolBar(kToolbar));
    bar.AdjustLayout();

    struct Case
    {
        int iButton;
        const char* tip;
    };
    // Open keeps the tip of its string; Save takes the frame's.
    for (const Case& c : {Case{0, "Open"}, Case{1, "Save the card"}})
    {
        TOOLINFO ti = {};
        bar.OnToolHitTest(Center(bar, c.iButton), &ti);
        EXPECT_STREQ(c.tip, ti.lpszText);
        free(ti.lpszText);
    }
    // A button asks the frame of the window it is on.
    TOOLINFO ti = {};
    EXPECT_EQ(1, bar.GetButton(0)->OnToolHitTest(&bar, &ti));
    EXPECT_EQ(0, bar.GetButton(1)->OnToolHitTest(&bar, &ti));
    EXPECT_EQ(pFrame->hitTests, (std::vector<UINT>{kOpen, kSave}));

    bar.DestroyWindow();
    pFrame->DestroyWindow();
    CTavoPToolBar::m_bShowShortcutKeys = TRUE;
}

// ---- the command-UI update ----

TEST_F(ToolbarFixture, IdleUpdateEnablesChecksAndRelabelsButtons)
{
    TearDown();
    Make(new CDisablingFrame);
    Load();
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_NE(0u, bar.GetButtonStyle(0) & TBBS_DISABLED);                         // Open
    EXPECT_EQ((UINT)(TBBS_CHECKBOX | TBBS_CHECKED), bar.GetButtonStyle(1));       // Save
    EXPECT_EQ((UINT)(TBBS_CHECKBOX | TBBS_INDETERMINATE), bar.GetButtonStyle(4)); // Copy
    EXPECT_EQ(0u, bar.GetButtonStyle(3));                                         // Cut: handled
    EXPECT_NE(0u, bar.GetButtonStyle(5) & TBBS_DISABLED);                         // Paste: none
    EXPECT_EQ(0u, bar.GetButtonStyle(7) & TBBS_DISABLED);                         // Print
    EXPECT_STREQ("New text", bar.GetButtonText(7));

    bar.m_bNoTextUpdate = TRUE;
    bar.SetButtonText(7, "Kept");
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_STREQ("Kept", bar.GetButtonText(7));
}

// ---- messages ----

TEST_F(ToolbarFixture, ToolbarControlMessagesCheckIndexAndBuffer)
{
    Load();
    EXPECT_EQ(12, bar.SendMessage(TB_BUTTONCOUNT));
    RECT rect = {};
    EXPECT_TRUE(bar.SendMessage(TB_GETITEMRECT, 0, (LPARAM)&rect));
    EXPECT_EQ(CRect(1, 0, 23, bar.GetRowHeight()), CRect(rect));
    EXPECT_FALSE(bar.SendMessage(TB_GETITEMRECT, 12, (LPARAM)&rect));
    EXPECT_FALSE(bar.SendMessage(TB_GETITEMRECT, 0, 0));

    bar.SetButtonStyle(1, TBBS_CHECKBOX | TBBS_CHECKED);
    TBBUTTON button = {};
    ASSERT_TRUE(bar.SendMessage(TB_GETBUTTON, 1, (LPARAM)&button));
    EXPECT_EQ((int)kSave, button.idCommand);
    EXPECT_EQ(1, button.fsState);
    EXPECT_EQ(TBBS_CHECKBOX, button.fsStyle);
    EXPECT_FALSE(bar.SendMessage(TB_GETBUTTON, 99, (LPARAM)&button));
    EXPECT_FALSE(bar.SendMessage(TB_GETBUTTON, 0, 0));

    bar.SetButtonText(0, "Open it");
    char szText[32] = "";
    EXPECT_EQ(7, bar.SendMessage(TB_GETBUTTONTEXT, kOpen, (LPARAM)szText));
    EXPECT_STREQ("Open it", szText);
    EXPECT_EQ(7, bar.SendMessage(TB_GETBUTTONTEXT, kOpen, 0));
    EXPECT_EQ(-1, bar.SendMessage(TB_GETBUTTONTEXT, 999, (LPARAM)szText));
}

TEST_F(ToolbarFixture, LiveToolbarsAndRegisteredMessages)
{
    EXPECT_NE(nullptr, CTavoPToolBar::GetAllToolbars().Find(&bar));
    const UINT messages[] = {
        CTavoPToolBar::WM_TAVOTOOLBAR_POPUPMENU,    CTavoPToolBar::WM_TAVOTOOLBAR_CUSTOMIZE,
        CTavoPToolBar::WM_TAVOTOOLBAR_CREATE,       CTavoPToolBar::WM_TAVOTOOLBAR_DELETE,
        CTavoPToolBar::WM_TAVOTOOLBAR_RESETTOOLBAR, CTavoPToolBar::WM_TAVOTOOLBAR_RESETKEYBAORD};
    for (UINT uiMessage : messages)
        EXPECT_GE(uiMessage, 0xC000u);
    EXPECT_EQ(::RegisterWindowMessage("TAVOTOOLBAR_RESETKEYBAORD"),
              CTavoPToolBar::WM_TAVOTOOLBAR_RESETKEYBAORD);

    Load();
    CObList list;
    EXPECT_EQ(1, CTavoPToolBar::GetCommandButtons(kCut, list));
    bar.DestroyWindow();
    EXPECT_EQ(nullptr, CTavoPToolBar::GetAllToolbars().Find(&bar));
    EXPECT_EQ(0, CTavoPToolBar::GetCommandButtons(kCut, list));
}

// ---- keyboard navigation and the status line ----

TEST_F(ToolbarFixture, MnemonicPostsTheCommandOfTheLastButtonMarkingIt)
{
    Load();
    bar.SetButtonTextImage(0, "&File", TRUE, TRUE);
    bar.SetButtonTextImage(1, "&Find", TRUE, TRUE);
    bar.SetButtonTextImage(3, "C&ut", TRUE, TRUE);
    bar.RebuildMnemonics();
    const int nUsed = GetCommandUsage().GetCount(kSave);
    EXPECT_TRUE(bar.TranslateChar('F'));
    EXPECT_EQ(nUsed + 1, GetCommandUsage().GetCount(kSave));
    EXPECT_TRUE(bar.TranslateChar('U'));
    EXPECT_FALSE(bar.TranslateChar('Z'));
    PumpMessages();
    EXPECT_EQ((std::vector<UINT>{kSave, kCut}), frame->commands);
}

TEST_F(ToolbarFixture, StatusPromptsForCommandsAndTheIdleText)
{
    Load();
    struct Case
    {
        UINT uiCmd;
        UINT uiPrompt;
    } cases[] = {{kOpen, kOpen}, {0xF010, 0xEF01}, {0xFF05, 0xEF1F}, {(UINT)-1, 0xE001}};
    for (const Case& c : cases)
    {
        frame->prompts.clear();
        bar.ShowCommandMessage(c.uiCmd);
        EXPECT_EQ(std::vector<UINT>{c.uiPrompt}, frame->prompts) << c.uiCmd;
    }

    frame->prompts.clear();
    const CPoint at = Center(bar, 3);
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(3, bar.GetHighlightedButton());
    bar.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(-1, bar.GetHighlightedButton());
    EXPECT_EQ((std::vector<UINT>{kCut, AFX_IDS_IDLEMESSAGE}), frame->prompts);
}

TEST_F(ToolbarFixture, EscapeClearsTheHighlight)
{
    Load();
    const CPoint at = Center(bar, 1);
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    ASSERT_EQ(1, bar.GetHighlightedButton());
    MSG msg = {bar.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
    EXPECT_TRUE(bar.PreTranslateMessage(&msg));
    EXPECT_EQ(-1, bar.GetHighlightedButton());
}

TEST_F(ToolbarFixture, OpenMenuStepsOverPlainAndDisabledButtonsAndWraps)
{
    CTestMenuButton* pFirst = new CTestMenuButton(kOpen);
    CTestMenuButton* pDisabled = new CTestMenuButton(kSave);
    CTestMenuButton* pLast = new CTestMenuButton(kCut);
    pDisabled->m_nStyle = TBBS_DISABLED;
    bar.InsertButton(pFirst);
    bar.InsertButton(new CTavoPToolbarButton(kCopy, 0, NULL, FALSE, TRUE));
    bar.InsertButton(pDisabled);
    bar.InsertButton(pLast);
    bar.AdjustLayout();

    EXPECT_FALSE(bar.DropNextMenu()); // nothing is open
    bar.SelectButton(-1);
    pFirst->OnClick(&bar, FALSE);
    int iOpen = -1;
    EXPECT_EQ(pFirst, bar.GetDroppedDownMenu(&iOpen));
    EXPECT_EQ(0, iOpen);

    EXPECT_TRUE(bar.DropNextMenu());
    EXPECT_EQ(pLast, bar.GetDroppedDownMenu(&iOpen));
    EXPECT_EQ(3, bar.GetHighlightedButton());
    EXPECT_TRUE(bar.DropNextMenu());
    EXPECT_EQ(pFirst, bar.GetDroppedDownMenu());
    EXPECT_TRUE(bar.DropPrevMenu());
    EXPECT_EQ(pLast, bar.GetDroppedDownMenu());
    pLast->OnCancelMode();
}

TEST_F(ToolbarFixture, ControlNotificationsReachTheOwnerAsTheButtonsCommand)
{
    Load();
    CEditHostButton* pButton = new CEditHostButton;
    pButton->hwndEdit = ::CreateWindow("EDIT", "", WS_CHILD | WS_VISIBLE, 200, 0, 60, 20,
                                       bar.GetSafeHwnd(), (HMENU)77, NULL, NULL);
    bar.InsertButton(pButton);
    frame->rawCommands.clear();
    bar.SendMessage(WM_COMMAND, MAKEWPARAM(77, EN_CHANGE), (LPARAM)pButton->hwndEdit);
    bar.SendMessage(WM_COMMAND, MAKEWPARAM(77, EN_UPDATE), (LPARAM)pButton->hwndEdit);
    PumpMessages();
    ASSERT_EQ(1u, frame->rawCommands.size());
    EXPECT_EQ(MAKEWPARAM(30121, EN_CHANGE), frame->rawCommands[0].first);
    EXPECT_EQ((LPARAM)pButton->hwndEdit, frame->rawCommands[0].second);
}

TEST_F(ToolbarFixture, FocusGoesBackAfterAClick)
{
    Load();
    HWND hwndEdit = ::CreateWindow("EDIT", "", WS_CHILD | WS_VISIBLE, 10, 100, 60, 20,
                                   frame->GetSafeHwnd(), NULL, NULL, NULL);
    ::SetForegroundWindow(frame->GetSafeHwnd());
    ::SetFocus(hwndEdit);
    ASSERT_EQ(hwndEdit, ::GetFocus());
    bar.SetFocus();
    ASSERT_EQ(bar.GetSafeHwnd(), ::GetFocus());
    Click(0);
    EXPECT_EQ(hwndEdit, ::GetFocus());
    EXPECT_EQ(std::vector<UINT>{kOpen}, frame->commands);
}

// ---- the toolbar archive ----

TEST_F(ToolbarFixture, ArchiveRoundTripAndHostileLists)
{
    Load();
    bar.SetButtonStyle(1, TBBS_CHECKBOX | TBBS_CHECKED);
    const Bytes stored = StoreToBytes([&](CArchive& ar) { bar.Serialize(ar); });

    CTestToolBar other;
    ASSERT_TRUE(other.Create(frame, WS_CHILD | CBRS_TOP, 0x7003));
    LoadFromBytes(stored, [&](CArchive& ar) { other.Serialize(ar); });
    ASSERT_EQ(bar.GetCount(), other.GetCount());
    for (int i = 0; i < bar.GetCount(); i++)
        EXPECT_EQ(bar.GetItemID(i), other.GetItemID(i)) << i;
    // Checked and pressed states are not restored.
    EXPECT_EQ((UINT)TBBS_CHECKBOX, other.GetButtonStyle(1));

    // A null entry: the buttons come back from the toolbar's own resource.
    ASSERT_TRUE(other.LoadToolBar(kToolbar));
    other.RemoveButton(0);
    // The bar's own part (alignment, visibility), a list of one null object, then the rest.
    const Bytes withNull = ByteWriter().D(CBRS_ALIGN_TOP).D(1).W(1).W(0).D(0).B(0).D(0);
    LoadFromBytes(withNull, [&](CArchive& ar) { other.Serialize(ar); });
    EXPECT_EQ(12, other.GetCount());

    // A foreign class or a short list fails the load and leaves no half list.
    const Bytes foreign = ByteWriter().D(CBRS_ALIGN_TOP).D(1).W(1).NewClass(1, "CTavoPToolBar");
    EXPECT_EQ(CArchiveException::badClass,
              LoadFailureCause(foreign, [&](CArchive& ar) { other.Serialize(ar); }));
    EXPECT_EQ(0, other.GetCount());
    const Bytes truncated(stored.begin(), stored.begin() + stored.size() / 2);
    EXPECT_NE(-1, LoadFailureCause(truncated, [&](CArchive& ar) { other.Serialize(ar); }));
    EXPECT_EQ(0, other.GetCount());
    other.DestroyWindow();
}
