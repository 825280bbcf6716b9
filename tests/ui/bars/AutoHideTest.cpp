// Panes pinned off to the auto-hide strips of a real frame: the strips and their buttons, sliding out on hover and back after the delay, focus, closing, tab groups and the stored auto-hidden panes.
#include "tests/ui/bars/DockingPaneSupport.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/BmpFile.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/RegistryTestKey.h"
#include "framework/CArchive.h"
#include "framework/CMemFile.h"
#include "ui/bars/docking/CTavoPAutoHideButton.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPTabbedControlBar.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/bars/docking/CTavoPAutoHideDockBar.h"
#include "ui/bars/docking/CTavoPAutoHideToolBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPTimerSource.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <map>

namespace {

struct SideCase
{
    const char* name;
    DWORD dwSide;
    UINT nDockBarID;
};

const SideCase kSides[] = {
    {"left", CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
    {"top", CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
    {"right", CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT},
    {"bottom", CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
};

BOOL IsHorzSide(DWORD dwSide)
{
    return dwSide == CBRS_ALIGN_TOP || dwSide == CBRS_ALIGN_BOTTOM;
}

// Timers the panes and strips ask for are only noted; the test sends their ticks.
class NotedTimers : public CTavoPTimerSource
{
public:
    NotedTimers() { m_pOld = CTavoPTimerSource::Replace(this); }
    ~NotedTimers() override { CTavoPTimerSource::Replace(m_pOld); }
    UINT_PTR Set(HWND hWnd, UINT_PTR nID, UINT nElapse) override
    {
        m_timers[{hWnd, nID}] = nElapse;
        return nID;
    }
    void Kill(HWND hWnd, UINT_PTR nID) override { m_timers.erase({hWnd, nID}); }
    // The period of a running timer, 0 when it does not run.
    UINT Period(CWnd* pWnd, UINT_PTR nID) const
    {
        auto it = m_timers.find({pWnd->GetSafeHwnd(), nID});
        return it == m_timers.end() ? 0 : it->second;
    }
    // Ticks the timer while it runs; the number of ticks it took to stop.
    int RunOut(CWnd* pWnd, UINT_PTR nID, int nLimit = 100)
    {
        int n = 0;
        while (Period(pWnd, nID) != 0 && n < nLimit)
        {
            pWnd->SendMessage(WM_TIMER, nID);
            n++;
        }
        return n;
    }
    // Whether any timer of the window runs.
    bool AnyOf(HWND hWnd) const
    {
        for (const auto& timer : m_timers)
            if (timer.first.first == hWnd)
                return true;
        return false;
    }

private:
    CTavoPTimerSource* m_pOld;
    std::map<std::pair<HWND, UINT_PTR>, UINT> m_timers;
};

class AutoHide : public PaneFrameFixture
{
protected:
    // A pane docked at the left, pinned off and slid in.
    CaptionPane* PinnedPane(UINT nID, CSize size = CSize(150, 120))
    {
        CaptionPane* pPane = DockedPane(nID, AFX_IDW_DOCKBAR_LEFT, size);
        EXPECT_NE(nullptr, pPane->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, FALSE));
        PumpFor(20);
        return pPane;
    }
    // The centre of the pane's strip button on the screen.
    CPoint ButtonPoint(CTavoPDockingControlBar* pPane)
    {
        CRect rect = pPane->GetAutoHideButton()->GetRect();
        pPane->GetAutoHideToolBar()->ClientToScreen(rect);
        return rect.CenterPoint();
    }
    void MoveTo(CPoint pt)
    {
        RunMouse({{MouseStep::Move, pt.x, pt.y}});
        PumpFor(30);
    }
    // Somewhere on the frame away from the strips and the slid-out pane.
    CPoint AwayPoint() { return CPoint(ClientOnScreen().right - 60, ClientOnScreen().bottom - 60); }
    // Where a pane pinned to the left is fully out: along the outer edge, its own width.
    CRect FullyOut(int nWidth)
    {
        const CRect rectOuter = Manager()->GetOuterEdgeBounds();
        return CRect(rectOuter.left, rectOuter.top, rectOuter.left + nWidth, rectOuter.bottom);
    }
    // Auto-hidden panes are kept on every side.
    void EnableAutoHide(std::initializer_list<DWORD> sides = {CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP,
                                                              CBRS_ALIGN_RIGHT, CBRS_ALIGN_BOTTOM})
    {
        for (DWORD dwSide : sides)
            ASSERT_TRUE(Manager()->AddDockBar(dwSide, RUNTIME_CLASS(CTavoPAutoHideDockBar), NULL));
    }
    CTavoPAutoHideDockBar* AutoHideDockBar(DWORD dwSide)
    {
        return DYNAMIC_DOWNCAST(CTavoPAutoHideDockBar,
                                Manager()->FindDockBarByAlignment(dwSide, FALSE));
    }
    // A window's rectangle in the frame's client coordinates.
    CRect InFrame(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        pFrame->ScreenToClient(rect);
        return rect;
    }
    CRect FrameClient()
    {
        CRect rect;
        pFrame->GetClientRect(rect);
        return rect;
    }
    // The strip of one button labelled "Pane" without an icon, on the given side.
    CSize StripSize(DWORD dwSide)
    {
        CWindowDC dc(pFrame);
        CFont* pOld = dc.SelectObject(&GetGlobalData().fontRegular);
        const CSize sizeText = dc.GetTextExtent("Pane");
        dc.SelectObject(pOld);
        // Borders and margin, the label and the allowance after it.
        const int nLength = 2 * 1 + 2 + sizeText.cx + 20 + 2;
        const int nThick = 2 * 1 + 2 + sizeText.cy;
        return IsHorzSide(dwSide) ? CSize(nLength, nThick) : CSize(nThick, nLength);
    }
    // Two panes of 200 x 300 as one tab group docked on the left, the first docked first.
    CTavoPBaseTabbedBar* TabGroup(UINT nID, CaptionPane*& pFirst, CaptionPane*& pSecond)
    {
        pFirst = DockedPane(nID, AFX_IDW_DOCKBAR_LEFT, CSize(200, 300));
        pSecond = AddPane(nID + 1, "Pane", CSize(200, 300));
        CTavoPDockingControlBar* pGroup = NULL;
        pSecond->AttachToTabbedBar(pFirst, TAVOP_DM_DROP, TRUE, &pGroup);
        PumpFor(20);
        return DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pGroup);
    }
    // Pins pPane back; the tab window that pTab is a tab of then, or null.
    CTavoPBaseTabWnd* PinBack(CTavoPDockingControlBar* pPane, CTavoPDockingControlBar* pTab)
    {
        pPane->SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT, NULL, FALSE);
        PumpFor(20);
        HWND hTab = NULL;
        return pTab->GetParentTabWnd(hTab);
    }
    // The first strip on a side.
    CWnd* FindStrip(DWORD dwSide)
    {
        CTavoPDockBar* pDockBar = AutoHideDockBar(dwSide);
        if (pDockBar == NULL || pDockBar->GetDockedBars().IsEmpty())
            return NULL;
        return (CWnd*)pDockBar->GetDockedBars().GetHead();
    }
    // A pane docked at a side and pinned off to that side's strip, slid in.
    CaptionPane* PinnedAt(UINT nID, DWORD dwSide)
    {
        UINT nDockBarID = 0;
        for (const SideCase& c : kSides)
            nDockBarID = c.dwSide == dwSide ? c.nDockBarID : nDockBarID;
        CaptionPane* pPane = DockedPane(nID, nDockBarID, CSize(150, 120));
        EXPECT_NE(nullptr, pPane->SetAutoHideMode(TRUE, dwSide, NULL, FALSE));
        PumpFor(20);
        return pPane;
    }
};

// Whether hAbove lies above hBelow among their siblings.
bool IsAbove(CWnd* pAbove, CWnd* pBelow)
{
    for (HWND h = ::GetWindow(pAbove->GetSafeHwnd(), GW_HWNDNEXT); h != NULL;
         h = ::GetWindow(h, GW_HWNDNEXT))
    {
        if (h == pBelow->GetSafeHwnd())
            return true;
    }
    return false;
}

} // namespace

TEST_F(AutoHide, PinningOffAndBackOnEachSidePutsOneButtonOnAStripAtThatEdge)
{
    EnableAutoHide();
    const CRect rectClient = FrameClient();
    const CSize sizeText = [&] {
        CWindowDC dc(pFrame);
        CFont* pOld = dc.SelectObject(&GetGlobalData().fontRegular);
        const CSize size = dc.GetTextExtent("Pane");
        dc.SelectObject(pOld);
        return size;
    }();
    // A button without an icon: borders and margin, its label and the allowance after it.
    const int nLength = 2 * 1 + 2 + sizeText.cx + 20 + 2;
    const int nThick = 2 * 1 + 2 + sizeText.cy;
    UINT nID = 500;
    for (const SideCase& c : kSides)
    {
        SCOPED_TRACE(c.name);
        CaptionPane* pPane = DockedPane(nID++, c.nDockBarID, CSize(150, 120));
        ASSERT_EQ(nullptr, pPane->GetIcon(FALSE));
        const CRect rectDocked = InFrame(pPane);

        CTavoPAutoHideToolBar* pStrip = pPane->SetAutoHideMode(TRUE, c.dwSide, NULL, FALSE);
        PumpFor(20);
        ASSERT_NE(nullptr, pStrip);
        EXPECT_TRUE(pPane->IsAutoHideMode());
        EXPECT_FALSE(pPane->IsWindowVisible());
        const HWND hStrip = pStrip->GetSafeHwnd();
        CTavoPAutoHideDockBar* pDockBar = AutoHideDockBar(c.dwSide);
        ASSERT_EQ(pDockBar, pStrip->GetParentDockBar());
        EXPECT_EQ(1, pStrip->GetButtonCount());
        EXPECT_EQ(pPane, pStrip->GetFirstBar());

        // The strip's row is 2 pixels thicker than the strip, the spare room at the frame edge
        // for the right and bottom sides.
        const BOOL bHorz = IsHorzSide(c.dwSide);
        const CSize sizeStrip = bHorz ? CSize(nLength, nThick) : CSize(nThick, nLength);
        const int nRow = nThick + 2;
        CRect rectDockBar, rectStrip;
        switch (c.dwSide)
        {
        case CBRS_ALIGN_LEFT:
            rectDockBar.SetRect(0, 0, nRow, rectClient.bottom);
            rectStrip = CRect(CPoint(0, 0), sizeStrip);
            break;
        case CBRS_ALIGN_TOP:
            rectDockBar.SetRect(0, 0, rectClient.right, nRow);
            rectStrip = CRect(CPoint(0, 0), sizeStrip);
            break;
        case CBRS_ALIGN_RIGHT:
            rectDockBar.SetRect(rectClient.right - nRow, 0, rectClient.right, rectClient.bottom);
            rectStrip = CRect(CPoint(rectDockBar.left + 2, 0), sizeStrip);
            break;
        default:
            rectDockBar.SetRect(0, rectClient.bottom - nRow, rectClient.right, rectClient.bottom);
            rectStrip = CRect(CPoint(0, rectDockBar.top + 2), sizeStrip);
            break;
        }
        EXPECT_EQ(rectDockBar, InFrame(pDockBar));
        EXPECT_EQ(rectStrip, InFrame(pStrip));
        EXPECT_EQ(CRect(CPoint(0, 0), sizeStrip), pStrip->FindButton(pPane)->GetRect());
        // The docked panes now start inside the strip.
        CRect rectOuter = rectClient;
        switch (c.dwSide)
        {
        case CBRS_ALIGN_LEFT: rectOuter.left += nRow; break;
        case CBRS_ALIGN_TOP: rectOuter.top += nRow; break;
        case CBRS_ALIGN_RIGHT: rectOuter.right -= nRow; break;
        default: rectOuter.bottom -= nRow; break;
        }
        EXPECT_EQ(rectOuter, Manager()->GetOuterEdgeBounds());

        EXPECT_EQ(nullptr, pPane->SetAutoHideMode(FALSE, c.dwSide, NULL, FALSE));
        PumpFor(20);
        EXPECT_FALSE(pPane->IsAutoHideMode());
        EXPECT_TRUE(pPane->IsWindowVisible());
        EXPECT_FALSE(::IsWindow(hStrip));
        EXPECT_EQ(nullptr, pPane->GetAutoHideToolBar());
        EXPECT_EQ(rectDocked, InFrame(pPane));
        EXPECT_EQ(0, Manager()->GetAutoHideSliders().GetCount());
        pPane->DestroyWindow();
        PumpFor(20);
    }
}

TEST_F(AutoHide, PinningWithoutAnAutoHideDockBarOnThatSideLeavesThePaneDocked)
{
    EnableAutoHide({CBRS_ALIGN_RIGHT});
    CaptionPane* pPane = DockedPane(510, AFX_IDW_DOCKBAR_LEFT, CSize(150, 120));
    const CRect rectDocked = InFrame(pPane);
    ASSERT_TRUE(pPane->IsWindowVisible());
    for (BOOL bUseTimer : {TRUE, FALSE})
    {
        EXPECT_EQ(nullptr, pPane->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, bUseTimer));
        PumpFor(20);
        EXPECT_FALSE(pPane->IsAutoHideMode());
        EXPECT_TRUE(pPane->IsWindowVisible());
        EXPECT_EQ(rectDocked, InFrame(pPane));
        EXPECT_EQ(pPane, Manager()->FindBarByID(510, FALSE));
        // The slide asks for pieces an auto-hidden pane has: nothing moves.
        pPane->Slide(TRUE, bUseTimer);
        pPane->Slide(FALSE, bUseTimer);
        pPane->SendMessage(WM_TIMER, 2);
        pPane->SendMessage(WM_TIMER, 1);
        EXPECT_EQ(rectDocked, InFrame(pPane));
    }
}

TEST_F(AutoHide, HoverSlidesThePaneOutAndLeavingItSlidesItBackAfterTheDelay)
{
    EnableAutoHide();
    CaptionPane* pPane = PinnedPane(520);
    CTavoPAutoHideToolBar* pStrip = pPane->GetAutoHideToolBar();
    ASSERT_NE(nullptr, pStrip);
    NotedTimers timers;

    // Resting on the button asks for the hover delay; nothing shows before it has passed.
    MoveTo(ButtonPoint(pPane));
    EXPECT_EQ(400u, timers.Period(pStrip, 1));
    EXPECT_FALSE(pPane->IsWindowVisible());
    // Moving on the button while the delay runs does not start it again.
    timers.Kill(pStrip->GetSafeHwnd(), 1);
    MoveTo(ButtonPoint(pPane) + CPoint(0, 2));
    EXPECT_EQ(0u, timers.Period(pStrip, 1));

    pStrip->SendMessage(WM_TIMER, 1);
    EXPECT_TRUE(pPane->IsWindowVisible());
    EXPECT_EQ(pPane->GetAutoHideButton(), pStrip->GetActiveButton());
    EXPECT_EQ(1u, timers.Period(pPane, 2));
    // 150 pixels in steps of 150 / 12 = 12: the thirteenth step stops at the strip's edge.
    EXPECT_EQ(13, timers.RunOut(pPane, 2));
    EXPECT_EQ(FullyOut(150), InFrame(pPane));
    CRect rectSlider = InFrame(pPane->GetDefaultSlider());
    EXPECT_EQ(FullyOut(150).right, rectSlider.left);
    EXPECT_TRUE(pPane->GetDefaultSlider()->IsWindowVisible());
    EXPECT_EQ(700u, timers.Period(pPane, 3));

    // On its button and over the pane it stays out.
    for (CPoint pt : {ButtonPoint(pPane), pPane->ScreenRect().CenterPoint()})
    {
        MoveTo(pt);
        pPane->SendMessage(WM_TIMER, 3);
        EXPECT_EQ(700u, timers.Period(pPane, 3));
        EXPECT_EQ(0u, timers.Period(pPane, 1));
    }
    // Away from it, the next check slides it back behind the strip and hides it.
    MoveTo(AwayPoint());
    pPane->SendMessage(WM_TIMER, 3);
    EXPECT_EQ(0u, timers.Period(pPane, 3));
    EXPECT_EQ(1u, timers.Period(pPane, 1));
    EXPECT_EQ(13, timers.RunOut(pPane, 1));
    EXPECT_FALSE(pPane->IsWindowVisible());
    EXPECT_FALSE(pPane->GetDefaultSlider()->IsWindowVisible());
    EXPECT_LE(InFrame(pPane).right, InFrame(AutoHideDockBar(CBRS_ALIGN_LEFT)).right);
    EXPECT_FALSE(timers.AnyOf(pPane->GetSafeHwnd()));
    EXPECT_TRUE(pPane->IsAutoHideMode());
}

TEST_F(AutoHide, AThinPaneSlidesOnePixelAStep)
{
    EnableAutoHide();
    CaptionPane* pPane = PinnedPane(525, CSize(8, 120));
    NotedTimers timers;
    const int nWidth = InFrame(pPane).Width();
    ASSERT_LT(nWidth, 12);
    pPane->Slide(TRUE, TRUE);
    EXPECT_EQ(nWidth, timers.RunOut(pPane, 2));
    EXPECT_EQ(FullyOut(nWidth), InFrame(pPane));
}

TEST_F(AutoHide, ThePaneWithTheFocusOrKeptOutStaysOutWithTheMouseAway)
{
    EnableAutoHide();
    CaptionPane* pPane = PinnedPane(530);
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), pPane, 1));
    NotedTimers timers;
    MoveTo(AwayPoint());

    pPane->Slide(TRUE, TRUE);
    timers.RunOut(pPane, 2);
    edit.SetFocus();
    pPane->SendMessage(WM_TIMER, 3);
    EXPECT_EQ(700u, timers.Period(pPane, 3));
    EXPECT_TRUE(pPane->IsWindowVisible());

    pFrame->SetFocus();
    pPane->SetAutoHideHiding(TRUE);
    pPane->SendMessage(WM_TIMER, 3);
    EXPECT_EQ(700u, timers.Period(pPane, 3));

    pPane->SetAutoHideHiding(FALSE);
    pPane->SendMessage(WM_TIMER, 3);
    EXPECT_EQ(0u, timers.Period(pPane, 3));
    timers.RunOut(pPane, 1);
    EXPECT_FALSE(pPane->IsWindowVisible());
}

TEST_F(AutoHide, ClickingTheButtonOpensThePaneWithTheFocus)
{
    EnableAutoHide();
    CaptionPane* pPane = PinnedPane(535);
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), pPane, 1));
    NotedTimers timers;
    const CPoint pt = ButtonPoint(pPane);
    RunMouse({{MouseStep::Move, pt.x, pt.y}, {MouseStep::Down, 0, 0}, {MouseStep::Up, 0, 0}});
    PumpFor(30);
    EXPECT_TRUE(pPane->IsWindowVisible());
    timers.RunOut(pPane, 2);
    EXPECT_EQ(FullyOut(150), InFrame(pPane));
    const HWND hFocus = ::GetFocus();
    EXPECT_TRUE(hFocus == pPane->GetSafeHwnd() || ::IsChild(pPane->GetSafeHwnd(), hFocus));
}

TEST_F(AutoHide, RealTimersSlideOutOnHoverAndBackOnceTheMouseHasLeft)
{
    EnableAutoHide();
    CaptionPane* pPane = PinnedPane(540);
    MoveTo(AwayPoint());
    MoveTo(ButtonPoint(pPane));
    PumpFor(900);
    EXPECT_TRUE(pPane->IsWindowVisible());
    EXPECT_EQ(FullyOut(150), InFrame(pPane));
    MoveTo(AwayPoint());
    PumpFor(1400);
    EXPECT_FALSE(pPane->IsWindowVisible());
    EXPECT_TRUE(pPane->IsAutoHideMode());
}

TEST_F(AutoHide, ClosingOrDestroyingAnAutoHiddenPaneTakesItsButtonAndTimersAlong)
{
    EnableAutoHide();
    NotedTimers timers;
    {
        SCOPED_TRACE("closed while out");
        CaptionPane* pPane = PinnedPane(545);
        const CRect rectDockedBefore = [&] {
            CRect rect = pPane->GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect;
            return rect;
        }();
        const HWND hStrip = pPane->GetAutoHideToolBar()->GetSafeHwnd();
        pPane->Slide(TRUE, TRUE);
        timers.RunOut(pPane, 2);
        pPane->OnPressCloseButton();
        PumpFor(20);
        EXPECT_FALSE(pPane->IsAutoHideMode());
        EXPECT_FALSE(pPane->IsWindowVisible());
        EXPECT_FALSE(::IsWindow(hStrip));
        EXPECT_FALSE(timers.AnyOf(pPane->GetSafeHwnd()));
        EXPECT_EQ(0, Manager()->GetAutoHideSliders().GetCount());
        // Shown again it is docked where it was pinned from.
        pPane->ShowControlBar(TRUE, FALSE, FALSE);
        PumpFor(20);
        EXPECT_TRUE(pPane->IsWindowVisible());
        EXPECT_EQ(rectDockedBefore.Width(), InFrame(pPane).Width());
        EXPECT_NE(nullptr, pPane->GetDefaultSlider());
    }
    {
        SCOPED_TRACE("destroyed while sliding");
        CaptionPane* pPane = PinnedPane(546);
        const HWND hPane = pPane->GetSafeHwnd();
        const HWND hStrip = pPane->GetAutoHideToolBar()->GetSafeHwnd();
        pPane->Slide(TRUE, TRUE);
        pPane->SendMessage(WM_TIMER, 2);
        ASSERT_EQ(1u, timers.Period(pPane, 2));
        pPane->DestroyWindow();
        PumpFor(20);
        EXPECT_FALSE(timers.AnyOf(hPane));
        EXPECT_FALSE(::IsWindow(hStrip));
        EXPECT_EQ(0, Manager()->GetAutoHideSliders().GetCount());
    }
}

namespace {

const char kProfile[] = "SOFTWARE\\VorlenTests AutoHide\\";
const std::string kLayoutKey = std::string(kProfile) + "TavoPDockManager-7";

// What a user sees of an auto-hidden pane: its mode and side, where its strip and button are
// and how big the pane comes out.
struct PinnedShot
{
    BOOL bAutoHide;
    DWORD dwSide;
    BOOL bShown;
    CRect rectStrip;
    CRect rectButton;
    CSize sizePane;
    bool operator==(const PinnedShot& o) const
    {
        return bAutoHide == o.bAutoHide && dwSide == o.dwSide && bShown == o.bShown &&
               rectStrip == o.rectStrip && rectButton == o.rectButton && sizePane == o.sizePane;
    }
};

std::ostream& operator<<(std::ostream& os, const PinnedShot& s)
{
    return os << "{" << s.bAutoHide << " " << s.dwSide << " " << s.bShown << " strip "
              << s.rectStrip.left << "," << s.rectStrip.top << "," << s.rectStrip.right << ","
              << s.rectStrip.bottom << " pane " << s.sizePane.cx << "x" << s.sizePane.cy << "}";
}

class AutoHideState : public AutoHide
{
protected:
    PinnedShot Shot(CaptionPane* pPane)
    {
        PinnedShot shot = {pPane->IsAutoHideMode(),  pPane->GetCurrentAlignment(),
                           pPane->IsWindowVisible(), CRect(0, 0, 0, 0),
                           CRect(0, 0, 0, 0),        pPane->ScreenRect().Size()};
        CTavoPAutoHideToolBar* pStrip = pPane->GetAutoHideToolBar();
        if (pStrip != NULL && pStrip->GetSafeHwnd() != NULL)
        {
            shot.rectStrip = InFrame(pStrip);
            shot.rectButton = pStrip->FindButton(pPane)->GetRect();
        }
        return shot;
    }
    // The frame closes and a fresh one comes up with the same pane docked at the left.
    CaptionPane* Restart(UINT nID)
    {
        pFrame->DestroyWindow();
        PumpMessages();
        pFrame = TestFrame::Make(600, 400, 100, 100);
        EXPECT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
        EnableAutoHide();
        return DockedPane(nID, AFX_IDW_DOCKBAR_LEFT, CSize(150, 120));
    }
    BOOL Load(const Bytes& bytes)
    {
        RegistryTestKey::SetBinary(kLayoutKey, "DockingCBAndSliders", bytes);
        const BOOL bLoaded = Manager()->LoadState(kProfile, 7);
        Manager()->SetDockState();
        PumpFor(20);
        return bLoaded;
    }
    RegistryTestKey registry{"SOFTWARE\\VorlenTests AutoHide"};
};

} // namespace

TEST_F(AutoHideState, AnAutoHiddenPaneIsStoredAsItsRecordAndComesBackAfterARestart)
{
    EnableAutoHide();
    CaptionPane* pPane = PinnedPane(550);
    const PinnedShot before = Shot(pPane);
    ASSERT_TRUE(before.bAutoHide);
    const Bytes bytes = StoreToBytes([this](CArchive& ar) { Manager()->Serialize(ar); });

    // The last section: one record, the pane's id, side, its button shown, no siblings, where
    // it lies slid in (screen) and the strip's three state words.
    const CRect rect = pPane->ScreenRect();
    ByteWriter w;
    w.D(1).D(550).D(CBRS_ALIGN_LEFT).D(1).D(0);
    w.D(rect.left).D(rect.top).D(rect.right).D(rect.bottom);
    w.D(1).D(1).D(1);
    ASSERT_GE(bytes.size(), w.bytes().size());
    EXPECT_EQ(w.bytes(), Bytes(bytes.end() - w.bytes().size(), bytes.end()));

    ASSERT_TRUE(Manager()->SaveState(kProfile, 7));
    const Bytes saved = RegistryTestKey::Value(kLayoutKey, "DockingCBAndSliders");
    CaptionPane* pAgain = Restart(550);
    const CRect rectDocked = InFrame(pAgain);
    ASSERT_FALSE(pAgain->IsAutoHideMode());
    EXPECT_TRUE(Manager()->LoadState(kProfile, 7));
    Manager()->SetDockState();
    PumpFor(20);
    EXPECT_EQ(before, Shot(pAgain));
    // Pinned back it docks where the fresh frame had it.
    pAgain->SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT, NULL, FALSE);
    PumpFor(20);
    EXPECT_EQ(rectDocked, InFrame(pAgain));
}

TEST_F(AutoHideState, ADamagedAutoHideSectionFailsCleanlyAndKeepsTheFramesLayout)
{
    EnableAutoHide();
    PinnedPane(560);
    ASSERT_TRUE(Manager()->SaveState(kProfile, 7));
    const Bytes saved = RegistryTestKey::Value(kLayoutKey, "DockingCBAndSliders");
    // The section is the last 48 bytes: count, id, side, visible, siblings, rect, state words.
    const size_t at = saved.size() - 48;
    ASSERT_EQ(1, saved[at]);
    ASSERT_EQ(560 & 0xFF, saved[at + 4]);
    auto with = [&](size_t nOffset, DWORD dwValue) {
        Bytes b = saved;
        for (int i = 0; i < 4; i++)
            b[at + nOffset + i] = (BYTE)(dwValue >> (8 * i));
        return b;
    };
    const std::pair<const char*, Bytes> cases[] = {
        {"count above the records", with(0, 2)},
        {"count negative", with(0, (DWORD)-1)},
        {"unknown bar id", with(4, 999)},
        {"no side", with(8, 0)},
        {"two sides", with(8, CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP)},
        {"sibling count negative", with(16, (DWORD)-1)},
        {"sibling count above the data", with(16, 50)},
        {"cut in the rectangle", Bytes(saved.begin(), saved.end() - 20)},
    };
    CaptionPane* pPane = Restart(560);
    const CRect rectDocked = InFrame(pPane);
    const int nChildren = [&] {
        int n = 0;
        for (CWnd* p = pFrame->GetWindow(GW_CHILD); p != NULL; p = p->GetNextWindow())
            n++;
        return n;
    }();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.first);
        EXPECT_FALSE(Load(c.second));
        EXPECT_FALSE(pPane->IsAutoHideMode());
        EXPECT_TRUE(pPane->IsWindowVisible());
        EXPECT_EQ(rectDocked, InFrame(pPane));
        EXPECT_EQ(nullptr, pPane->GetAutoHideToolBar());
        int n = 0;
        for (CWnd* p = pFrame->GetWindow(GW_CHILD); p != NULL; p = p->GetNextWindow())
            n++;
        EXPECT_EQ(nChildren, n);
    }
    EXPECT_TRUE(Load(saved));
    EXPECT_TRUE(pPane->IsAutoHideMode());
}

TEST_F(AutoHide, ATabGroupPinnedOffIsOneStripOfButtonsAndComesBackAsOneGroup)
{
    // Panes find their tab group class by name: it must be linked in.
    ASSERT_STREQ("CTavoPTabbedControlBar", RUNTIME_CLASS(CTavoPTabbedControlBar)->m_lpszClassName);
    EnableAutoHide();
    CaptionPane* pFirst = AddPane(570, "First", CSize(200, 300));
    pFrame->DockControlBar(pFirst, AFX_IDW_DOCKBAR_LEFT);
    CaptionPane* pSecond = AddPane(571, "Second", CSize(120, 300));
    pFrame->DockControlBar(pSecond, AFX_IDW_DOCKBAR_RIGHT);
    PumpFor(30);
    CTavoPDockingControlBar* pGroup = NULL;
    pSecond->AttachToTabbedBar(pFirst, TAVOP_DM_DROP, TRUE, &pGroup);
    PumpFor(30);
    ASSERT_NE(nullptr, DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pGroup));

    CTavoPAutoHideToolBar* pStrip = pGroup->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, FALSE);
    PumpFor(30);
    ASSERT_NE(nullptr, pStrip);
    EXPECT_TRUE(pFirst->IsAutoHideMode());
    EXPECT_TRUE(pSecond->IsAutoHideMode());
    EXPECT_EQ(pStrip, pFirst->GetAutoHideToolBar());
    EXPECT_EQ(pStrip, pSecond->GetAutoHideToolBar());
    EXPECT_EQ(2, pStrip->GetButtonCount());
    EXPECT_EQ(pFirst, pStrip->GetFirstBar());
    // On the left strip the buttons follow each other downwards, each its own length.
    const CRect rectFirst = pStrip->FindButton(pFirst)->GetRect();
    const CRect rectSecond = pStrip->FindButton(pSecond)->GetRect();
    EXPECT_EQ(0, rectFirst.top);
    EXPECT_EQ(rectFirst.bottom, rectSecond.top);
    EXPECT_EQ(rectFirst.Width(), rectSecond.Width());
    EXPECT_EQ(CSize(rectFirst.Width(), rectSecond.bottom), InFrame(pStrip).Size());
    EXPECT_EQ(2, Manager()->GetAutoHideSliders().GetCount());
    // Stored, the first pane names the other as sharing its strip, and the other's record is
    // marked as continuing the first one's group.
    const Bytes bytes = StoreToBytes([this](CArchive& ar) { Manager()->Serialize(ar); });
    ASSERT_GE(bytes.size(), 48u + 44u);
    EXPECT_EQ(0, bytes[bytes.size() - 12]);
    EXPECT_EQ(1, bytes[bytes.size() - 44 - 12]);
    EXPECT_EQ(1, bytes[bytes.size() - 44 - 48 + 12]) << "one sibling";
    EXPECT_EQ(571 & 0xFF, bytes[bytes.size() - 44 - 48 + 16]);

    // Each button slides its own pane out.
    NotedTimers timers;
    MoveTo(AwayPoint());
    CRect rectOnScreen = rectSecond;
    pStrip->ClientToScreen(rectOnScreen);
    MoveTo(rectOnScreen.CenterPoint());
    pStrip->SendMessage(WM_TIMER, 1);
    EXPECT_TRUE(pSecond->IsWindowVisible());
    EXPECT_FALSE(pFirst->IsWindowVisible());
    timers.RunOut(pSecond, 2);

    // Pinning one back brings the whole group back as tabs of one group.
    const HWND hStrip = pStrip->GetSafeHwnd();
    pSecond->SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT, NULL, FALSE);
    PumpFor(30);
    EXPECT_FALSE(pFirst->IsAutoHideMode());
    EXPECT_FALSE(pSecond->IsAutoHideMode());
    EXPECT_FALSE(::IsWindow(hStrip));
    EXPECT_EQ(0, Manager()->GetAutoHideSliders().GetCount());
    HWND hTab = NULL;
    CTavoPBaseTabWnd* pTabFirst = pFirst->GetParentTabWnd(hTab);
    CTavoPBaseTabWnd* pTabSecond = pSecond->GetParentTabWnd(hTab);
    ASSERT_NE(nullptr, pTabFirst);
    EXPECT_EQ(pTabFirst, pTabSecond);
    EXPECT_EQ(2, pTabFirst->GetTabsNum());
    EXPECT_TRUE(pTabFirst->GetParent()->IsWindowVisible());
}

TEST_F(AutoHide, HidingAPinnedPaneHidesItsButtonAndShowingItBringsItBack)
{
    EnableAutoHide();
    const CRect rectClient = FrameClient();
    NotedTimers timers;
    struct Case
    {
        const char* name;
        bool bGroup; // the pane shares its strip with another
        bool bOut;   // the pane is slid out when it is hidden
    };
    const Case cases[] = {
        {"alone on its strip", false, false},
        {"slid out", false, true},
        {"second of a group", true, false},
    };
    UINT nID = 600;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CaptionPane* pOther = NULL;
        CaptionPane* pPane = NULL;
        if (c.bGroup)
        {
            CTavoPBaseTabbedBar* pGroup = TabGroup(nID, pOther, pPane);
            nID += 2;
            ASSERT_NE(nullptr, pGroup);
            ASSERT_NE(nullptr, pGroup->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, FALSE));
            PumpFor(20);
        }
        else
        {
            pPane = PinnedPane(nID++);
        }
        CTavoPAutoHideToolBar* pStrip = pPane->GetAutoHideToolBar();
        ASSERT_NE(nullptr, pStrip);
        const CRect rectStrip = InFrame(pStrip);
        const CRect rectButton = pStrip->FindButton(pPane)->GetRect();
        const CRect rectOuter = Manager()->GetOuterEdgeBounds();
        const CRect rectOtherButton =
            pOther != NULL ? pStrip->FindButton(pOther)->GetRect() : CRect();
        if (c.bOut)
        {
            pPane->Slide(TRUE, FALSE);
            ASSERT_TRUE(pPane->IsWindowVisible());
        }

        pPane->ShowControlBar(FALSE, FALSE, FALSE);
        PumpFor(20);
        EXPECT_TRUE(pPane->IsAutoHideMode());
        EXPECT_FALSE(pPane->IsWindowVisible());
        EXPECT_FALSE(pPane->GetDefaultSlider()->IsWindowVisible());
        EXPECT_FALSE(pStrip->FindButton(pPane)->IsVisible());
        if (c.bGroup)
        {
            // The other button stays where it was and the strip closes up behind it.
            EXPECT_TRUE(pStrip->IsWindowVisible());
            EXPECT_EQ(rectOtherButton, pStrip->FindButton(pOther)->GetRect());
            EXPECT_EQ(CRect(rectStrip.TopLeft(), rectOtherButton.Size()), InFrame(pStrip));
            EXPECT_EQ(rectOuter, Manager()->GetOuterEdgeBounds());
        }
        else
        {
            // No button left: the strip and its row go, the panes start at the frame's edge.
            EXPECT_FALSE(pStrip->IsWindowVisible());
            EXPECT_EQ(rectClient, Manager()->GetOuterEdgeBounds());
        }
        // Where the button was, nothing stands for the hidden pane.
        CTavoPAutoHideButton* pHit = pStrip->ButtonFromPoint(rectButton.CenterPoint());
        EXPECT_TRUE(pHit == NULL || pHit->GetAttachedBar() != pPane);

        pPane->ShowControlBar(TRUE, FALSE, FALSE);
        PumpFor(20);
        EXPECT_TRUE(pStrip->FindButton(pPane)->IsVisible());
        EXPECT_TRUE(pStrip->IsWindowVisible());
        EXPECT_EQ(rectStrip, InFrame(pStrip));
        EXPECT_EQ(rectButton, pStrip->FindButton(pPane)->GetRect());
        EXPECT_EQ(rectOuter, Manager()->GetOuterEdgeBounds());
        EXPECT_FALSE(pPane->IsWindowVisible()) << "shown, the pane stays behind its strip";

        for (CaptionPane* p : {pPane, pOther})
        {
            if (p != NULL)
                p->DestroyWindow();
        }
        PumpFor(20);
    }
}

TEST_F(AutoHide, StripsOnTwoAdjacentSidesStepAsideInTheirCorner)
{
    const CRect rectClient = FrameClient();
    const int W = rectClient.right, H = rectClient.bottom;
    const int nRow = StripSize(CBRS_ALIGN_LEFT).cx + 2;
    struct Case
    {
        const char* name;
        DWORD dwFirst; // the side laid out first runs the whole length of its edge
        DWORD dwSecond;
        CPoint ptFirst; // where each strip starts, frame client coordinates
        CPoint ptSecond;
    };
    const Case cases[] = {
        {"left then top", CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP, CPoint(0, nRow), CPoint(nRow, 0)},
        {"top then left", CBRS_ALIGN_TOP, CBRS_ALIGN_LEFT, CPoint(nRow, 0), CPoint(0, nRow)},
        {"top then right", CBRS_ALIGN_TOP, CBRS_ALIGN_RIGHT, CPoint(0, 0),
         CPoint(W - nRow + 2, nRow)},
        {"right then bottom", CBRS_ALIGN_RIGHT, CBRS_ALIGN_BOTTOM, CPoint(W - nRow + 2, 0),
         CPoint(0, H - nRow + 2)},
        {"bottom then left", CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CPoint(nRow, H - nRow + 2),
         CPoint(0, 0)},
        {"left then bottom", CBRS_ALIGN_LEFT, CBRS_ALIGN_BOTTOM, CPoint(0, 0),
         CPoint(nRow, H - nRow + 2)},
    };
    UINT nID = 620;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        // A fresh frame: the order of the strips' dock bars is the order they were added in.
        pFrame->DestroyWindow();
        PumpMessages();
        pFrame = TestFrame::Make(600, 400, 100, 100);
        ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
        EnableAutoHide({c.dwFirst, c.dwSecond});
        CaptionPane* pFirst = PinnedAt(nID++, c.dwFirst);
        CaptionPane* pSecond = PinnedAt(nID++, c.dwSecond);
        ASSERT_NE(nullptr, pFirst->GetAutoHideToolBar());
        ASSERT_NE(nullptr, pSecond->GetAutoHideToolBar());
        EXPECT_EQ(CRect(c.ptFirst, StripSize(c.dwFirst)), InFrame(pFirst->GetAutoHideToolBar()));
        EXPECT_EQ(CRect(c.ptSecond, StripSize(c.dwSecond)), InFrame(pSecond->GetAutoHideToolBar()));
        CRect rectOverlap;
        EXPECT_FALSE(rectOverlap.IntersectRect(InFrame(AutoHideDockBar(c.dwFirst)),
                                               InFrame(AutoHideDockBar(c.dwSecond))));
        // The frame grows: the strips keep their corners.
        pFrame->Resize(W + 40, H + 30);
        PumpFor(20);
        const CPoint ptGrow((c.dwFirst == CBRS_ALIGN_RIGHT) ? 40 : 0,
                            (c.dwFirst == CBRS_ALIGN_BOTTOM) ? 30 : 0);
        const CPoint ptGrowSecond((c.dwSecond == CBRS_ALIGN_RIGHT) ? 40 : 0,
                                  (c.dwSecond == CBRS_ALIGN_BOTTOM) ? 30 : 0);
        EXPECT_EQ(CRect(c.ptFirst + ptGrow, StripSize(c.dwFirst)),
                  InFrame(pFirst->GetAutoHideToolBar()));
        EXPECT_EQ(CRect(c.ptSecond + ptGrowSecond, StripSize(c.dwSecond)),
                  InFrame(pSecond->GetAutoHideToolBar()));
    }
}

TEST_F(AutoHide, APaneSlidOutLiesAboveTheDockedPanesAndBelowTheDockBars)
{
    EnableAutoHide();
    TestBar toolbar(120, 24);
    ASSERT_TRUE(toolbar.Make(pFrame, 640));
    pFrame->DockControlBar(&toolbar, AFX_IDW_DOCKBAR_LEFT);
    CaptionPane* pDocked = DockedPane(641, AFX_IDW_DOCKBAR_LEFT, CSize(200, 300));
    CaptionPane* pPane = PinnedPane(642, CSize(260, 120));
    NotedTimers timers;
    pPane->Slide(TRUE, FALSE);
    PumpFor(20);
    ASSERT_TRUE(pPane->IsWindowVisible());
    CRect rectOverlap;
    ASSERT_TRUE(rectOverlap.IntersectRect(InFrame(pPane), InFrame(pDocked)));

    CWnd* pLeftDockBar = toolbar.GetParentDockBar();
    ASSERT_NE(nullptr, pLeftDockBar);
    EXPECT_TRUE(IsAbove(pPane, pDocked));
    EXPECT_TRUE(IsAbove(pPane, pDocked->GetDefaultSlider()));
    EXPECT_TRUE(IsAbove(pPane->GetDefaultSlider(), pDocked));
    EXPECT_TRUE(IsAbove(AutoHideDockBar(CBRS_ALIGN_LEFT), pPane));
    EXPECT_TRUE(IsAbove(pLeftDockBar, pPane));
    // What the user sees where the two overlap is the pane that slid out.
    const CPoint ptMiddle = rectOverlap.CenterPoint();
    CPoint pt = ptMiddle;
    pFrame->ClientToScreen(&pt);
    EXPECT_EQ(pPane->GetSafeHwnd(), ::WindowFromPoint(pt));

    // At the start of a slide the pane lies behind its strip, which stays in front.
    pPane->Slide(FALSE, FALSE);
    pPane->Slide(TRUE, TRUE);
    ASSERT_TRUE(pPane->IsWindowVisible());
    EXPECT_EQ(pPane->GetAutoHideToolBar()->GetSafeHwnd(), ::WindowFromPoint(ButtonPoint(pPane)));
    timers.RunOut(pPane, 2);

    // Raising one side raises only what lies on that side.
    Manager()->BringBarsToTop(CBRS_ALIGN_RIGHT);
    EXPECT_TRUE(IsAbove(pPane, pDocked));
    Manager()->BringBarsToTop(CBRS_ALIGN_LEFT);
    EXPECT_TRUE(IsAbove(pDocked, pPane));
    EXPECT_TRUE(IsAbove(pLeftDockBar, pDocked));
}

TEST_F(AutoHide, StripButtonsDrawTheirLabelAlongTheStripAndAnOpenSideAtTheFrameEdge)
{
    ClassicColors colors;
    GetGlobalData().UpdateSysColors();
    EnableAutoHide();
    PinnedAt(650, CBRS_ALIGN_LEFT);
    PinnedAt(651, CBRS_ALIGN_BOTTOM);
    PinnedAt(652, CBRS_ALIGN_RIGHT);
    PinnedAt(653, CBRS_ALIGN_TOP);
    pFrame->RedrawWindow(NULL, NULL,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(100);
    const COLORREF clrFace = RGB(192, 192, 192), clrShadow = RGB(128, 128, 128);
    for (const SideCase& c : kSides)
    {
        SCOPED_TRACE(c.name);
        CTavoPAutoHideToolBar* pStrip =
            DYNAMIC_DOWNCAST(CTavoPAutoHideToolBar, FindStrip(c.dwSide));
        ASSERT_NE(nullptr, pStrip);
        CRect rect = pStrip->FindButton(pStrip->GetFirstBar())->GetRect();
        pStrip->ClientToScreen(rect);
        // The button's edges: shadow lines on the three sides away from the frame edge, the face
        // on the side towards it.
        const CPoint ptMid = rect.CenterPoint();
        const COLORREF left = ScreenPixel(CPoint(rect.left, ptMid.y));
        const COLORREF right = ScreenPixel(CPoint(rect.right - 1, ptMid.y));
        const COLORREF top = ScreenPixel(CPoint(ptMid.x, rect.top));
        const COLORREF bottom = ScreenPixel(CPoint(ptMid.x, rect.bottom - 1));
        EXPECT_EQ(c.dwSide == CBRS_ALIGN_LEFT ? clrFace : clrShadow, left);
        EXPECT_EQ(c.dwSide == CBRS_ALIGN_RIGHT ? clrFace : clrShadow, right);
        EXPECT_EQ(c.dwSide == CBRS_ALIGN_TOP ? clrFace : clrShadow, top);
        EXPECT_EQ(c.dwSide == CBRS_ALIGN_BOTTOM ? clrFace : clrShadow, bottom);
        // The label: text pixels inside the borders and margin, running along the strip.
        CRect rectInk(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        int nFace = 0;
        for (int y = rect.top + 3; y < rect.bottom - 3; y++)
        {
            for (int x = rect.left + 3; x < rect.right - 3; x++)
            {
                const COLORREF clr = ScreenPixel(CPoint(x, y));
                nFace += clr == clrFace ? 1 : 0;
                // Text may be smoothed: any pixel much darker than the shadow is ink.
                if (GetRValue(clr) + GetGValue(clr) + GetBValue(clr) > 3 * 96)
                    continue;
                rectInk.left = std::min(rectInk.left, (LONG)x);
                rectInk.top = std::min(rectInk.top, (LONG)y);
                rectInk.right = std::max(rectInk.right, (LONG)x + 1);
                rectInk.bottom = std::max(rectInk.bottom, (LONG)y + 1);
            }
        }
        ASSERT_FALSE(rectInk.IsRectEmpty()) << "the label is drawn";
        EXPECT_GT(nFace, 0) << "on the face colour";
        if (IsHorzSide(c.dwSide))
            EXPECT_GT(rectInk.Width(), 2 * rectInk.Height());
        else
            EXPECT_GT(rectInk.Height(), 2 * rectInk.Width());
        // The label starts after the margin; the allowance lies after it.
        const int nLead = IsHorzSide(c.dwSide) ? rectInk.left - rect.left : rectInk.top - rect.top;
        const int nTrail =
            IsHorzSide(c.dwSide) ? rect.right - rectInk.right : rect.bottom - rectInk.bottom;
        EXPECT_LE(nLead, 6);
        EXPECT_GE(nTrail, 20);
    }

    EXPECT_TRUE(
        WriteWindowPicture(pFrame->GetSafeHwnd(), VORLEN_ARTEFACTS_DIR, "auto-hide-strips.bmp"));
}

TEST_F(AutoHideState, PanesOfAGroupStoredWithoutTheirSiblingsComeBackOnStripsThatJoin)
{
    EnableAutoHide();
    CaptionPane* pFirst = PinnedPane(660);
    CaptionPane* pSecond = PinnedPane(661);
    CTavoPAutoHideToolBar* pStripFirst = pFirst->GetAutoHideToolBar();
    CTavoPAutoHideToolBar* pStripSecond = pSecond->GetAutoHideToolBar();
    ASSERT_NE(pStripFirst, pStripSecond);
    const CSize size = StripSize(CBRS_ALIGN_LEFT);
    // Two strips of a row lie a gap apart, unless the second continues the group of the first:
    // then it starts on the first one's last line.
    const int nGap = GetGlobalData().m_nAutoHideToolBarSpacing;
    EXPECT_EQ(CRect(CPoint(0, size.cy + nGap), size), InFrame(pStripSecond));
    const int nJoined[3] = {0, 1, 1};
    pStripSecond->SetStateWords(nJoined);
    AutoHideDockBar(CBRS_ALIGN_LEFT)->RepositionRows(CRect(0, 0, 0, 0));
    EXPECT_EQ(CRect(CPoint(0, 0), size), InFrame(pStripFirst));
    EXPECT_EQ(CRect(CPoint(0, size.cy - 1), size), InFrame(pStripSecond));

    // Stored as the records of two panes without sibling lists, the second marked as joining.
    const Bytes bytes = StoreToBytes([this](CArchive& ar) { Manager()->Serialize(ar); });
    // Each record: id, side, visible, no siblings, rectangle, three state words (44 bytes).
    ASSERT_GE(bytes.size(), 2u * 44 + 4);
    EXPECT_EQ(0, bytes[bytes.size() - 12]) << "the second record's first state word";
    EXPECT_EQ(1, bytes[bytes.size() - 44 - 12]) << "the first record's";
    EXPECT_EQ(0, bytes[bytes.size() - 2 * 44 + 12]) << "no sibling of the first";
    EXPECT_EQ(2, bytes[bytes.size() - 2 * 44 - 4]) << "two records";
    ASSERT_TRUE(Manager()->SaveState(kProfile, 7));

    pFrame->DestroyWindow();
    PumpMessages();
    pFrame = TestFrame::Make(600, 400, 100, 100);
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    EnableAutoHide();
    pFirst = DockedPane(660, AFX_IDW_DOCKBAR_LEFT, CSize(150, 120));
    pSecond = DockedPane(661, AFX_IDW_DOCKBAR_LEFT, CSize(150, 120));
    EXPECT_TRUE(Manager()->LoadState(kProfile, 7));
    Manager()->SetDockState();
    PumpFor(20);
    ASSERT_TRUE(pFirst->IsAutoHideMode());
    ASSERT_TRUE(pSecond->IsAutoHideMode());
    pStripSecond = pSecond->GetAutoHideToolBar();
    EXPECT_EQ(CRect(CPoint(0, 0), size), InFrame(pFirst->GetAutoHideToolBar()));
    EXPECT_EQ(CRect(CPoint(0, size.cy - 1), size), InFrame(pStripSecond));

    // The first goes back: the second starts the group now, at the start of the row.
    pFirst->SetAutoHideMode(FALSE, CBRS_ALIGN_LEFT, NULL, FALSE);
    PumpFor(20);
    EXPECT_EQ(CRect(CPoint(0, 0), size), InFrame(pStripSecond));
    int nWords[3] = {};
    pStripSecond->GetStateWords(nWords);
    EXPECT_EQ(1, nWords[0]);
}

TEST_F(AutoHide, APaneWiderThanHalfTheFrameComesOutAtItsOwnWidth)
{
    EnableAutoHide();
    CaptionPane* pPane = DockedPane(670, AFX_IDW_DOCKBAR_LEFT, CSize(420, 300));
    const int nWidth = InFrame(pPane).Width();
    ASSERT_GT(nWidth, FrameClient().Width() / 2);
    ASSERT_NE(nullptr, pPane->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, FALSE));
    NotedTimers timers;
    pPane->Slide(TRUE, FALSE);
    EXPECT_EQ(FullyOut(nWidth), InFrame(pPane));
    pPane->Slide(FALSE, FALSE);
    // A frame that narrows below it leaves the pane what room there is beside its slider.
    pFrame->Resize(300, 400);
    PumpFor(20);
    pPane->Slide(TRUE, FALSE);
    const int nRoom = Manager()->GetOuterEdgeBounds().Width() - 4;
    EXPECT_EQ(FullyOut(nRoom), InFrame(pPane));
}

TEST_F(AutoHide, ATabGroupPinnedOffAndBackShowsTheTabItShowedBefore)
{
    EnableAutoHide();
    UINT nID = 680;
    for (int iActive : {0, 1})
    {
        SCOPED_TRACE(iActive);
        CaptionPane *pFirst = NULL, *pSecond = NULL;
        CTavoPBaseTabbedBar* pTabbed = TabGroup(nID, pFirst, pSecond);
        nID += 2;
        ASSERT_NE(nullptr, pTabbed);
        pTabbed->GetUnderlinedWindow()->SetActiveTab(iActive);
        PumpFor(20);
        CTavoPDockingControlBar* pShown = iActive == 0 ? pFirst : pSecond;

        CTavoPAutoHideToolBar* pStrip =
            pTabbed->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, FALSE);
        ASSERT_NE(nullptr, pStrip);
        PumpFor(20);
        EXPECT_EQ(pShown->GetAutoHideButton(), pStrip->GetActiveButton());

        CTavoPBaseTabWnd* pTabWnd = PinBack(pFirst, pFirst);
        ASSERT_NE(nullptr, pTabWnd);
        EXPECT_EQ(pTabWnd->GetTabFromHwnd(pShown->GetSafeHwnd()), pTabWnd->GetActiveTab());
        EXPECT_TRUE(pShown->IsWindowVisible());
        pTabWnd->GetParent()->DestroyWindow();
        PumpFor(20);
    }
}

TEST_F(AutoHideState, APinnedTabGroupComesBackOnOneStripAfterARestart)
{
    EnableAutoHide();
    CaptionPane *pFirst = NULL, *pSecond = NULL;
    CTavoPBaseTabbedBar* pGroup = TabGroup(690, pFirst, pSecond);
    ASSERT_NE(nullptr, pGroup);
    ASSERT_NE(nullptr, pGroup->SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, FALSE));
    PumpFor(20);
    const PinnedShot first = Shot(pFirst), second = Shot(pSecond);
    ASSERT_EQ(first.rectStrip, second.rectStrip);
    ASSERT_TRUE(Manager()->SaveState(kProfile, 7));

    pFirst = Restart(690);
    pSecond = DockedPane(691, AFX_IDW_DOCKBAR_LEFT, CSize(200, 300));
    EXPECT_TRUE(Manager()->LoadState(kProfile, 7));
    Manager()->SetDockState();
    PumpFor(20);
    EXPECT_EQ(first, Shot(pFirst));
    EXPECT_EQ(second, Shot(pSecond));
    ASSERT_EQ(pFirst->GetAutoHideToolBar(), pSecond->GetAutoHideToolBar());

    // Pinned back, the two are one group again.
    CTavoPBaseTabWnd* pTabWnd = PinBack(pSecond, pFirst);
    ASSERT_NE(nullptr, pTabWnd);
    HWND hTab = NULL;
    EXPECT_EQ(pTabWnd, pSecond->GetParentTabWnd(hTab));
    EXPECT_EQ(2, pTabWnd->GetTabsNum());
}
