// Panes floating together in one frame: joined by real drags onto a floating pane or placed on any side of one, docked back as a group or as tabs of a pane, sent home by a double click, and stored and restored with the dock layout.
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/ui/bars/DockingPaneSupport.h"
#include "tests/ui/bars/docking/DockTreeSupport.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include <gtest/gtest.h>

namespace {

const char kProfile[] = "SOFTWARE\\VorlenTests MultiFrame\\";
const std::string kLayoutKey = std::string(kProfile) + "TavoPDockManager-7";

// A captioned pane that floats in a frame of several panes.
class GroupPane : public CaptionPane
{
public:
    BOOL MakeGroupPane(CWnd* pFrame, UINT nID, LPCTSTR lpszText, CSize size)
    {
        if (!Create(lpszText, pFrame, CRect(0, 0, size.cx, size.cy), TRUE, nID,
                    WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_FLOAT_MULTI, 0, kAllBehaviour))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
};

// Top-level windows of this thread, to see that a failed load leaves none behind.
int CountThreadWindows()
{
    int nCount = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND, LPARAM lParam) -> BOOL {
            ++*(int*)lParam;
            return TRUE;
        },
        (LPARAM)&nCount);
    return nCount;
}

// Where a pane of a group sits: its frame's kind, its rectangle in the frame's client area,
// its node path in the group's tree and its share.
struct GroupShot
{
    UINT nID;
    bool bInGroup;
    CRect rect;
    bool bVisible;
    bool bCaption;
    std::string path;
    int nPercent;
    bool operator==(const GroupShot& o) const
    {
        return nID == o.nID && bInGroup == o.bInGroup && rect == o.rect && bVisible == o.bVisible &&
               bCaption == o.bCaption && path == o.path && nPercent == o.nPercent;
    }
};

void PrintTo(const GroupShot& s, std::ostream* os)
{
    *os << s.nID << (s.bInGroup ? " group " : " elsewhere ");
    PrintTo(s.rect, os);
    *os << (s.bVisible ? " shown" : " hidden") << (s.bCaption ? " caption " : " no caption ")
        << s.path << " " << s.nPercent << "%";
}

class FloatingGroup : public PaneFrameFixture
{
protected:
    void SetUp() override
    {
        PaneFrameFixture::SetUp();
        pA = NewGroupPane(501, "A", CSize(150, 400));
        pB = NewGroupPane(502, "B", CSize(150, 400));
        pC = NewGroupPane(503, "C", CSize(600, 110));
        pFrame->DockControlBar(pA, AFX_IDW_DOCKBAR_LEFT);
        pFrame->DockControlBar(pB, AFX_IDW_DOCKBAR_RIGHT);
        pFrame->DockControlBar(pC, AFX_IDW_DOCKBAR_BOTTOM);
        PumpFor(30);
    }
    GroupPane* NewGroupPane(UINT nID, LPCTSTR lpszText, CSize size)
    {
        GroupPane* pPane = new GroupPane;
        m_panes.push_back(pPane);
        EXPECT_TRUE(pPane->MakeGroupPane(pFrame, nID, lpszText, size));
        return pPane;
    }
    // The program's idle time: the frame puts its floating frames back in front of itself,
    // which Wine without a window manager does not do after a press on the frame.
    void AtRest()
    {
        pFrame->SendMessage(WM_IDLEUPDATECMDUI);
        PumpFor(20);
    }
    static CTavoPMultiMiniFrameWnd* GroupOf(CTavoPDockingControlBar* pPane)
    {
        return DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd, pPane->GetParentMiniFrame(TRUE));
    }
    static CPoint CaptionOf(CTavoPMiniFrameWnd* pMiniFrame)
    {
        CRect rectWindow;
        pMiniFrame->GetWindowRect(rectWindow);
        CRect rectCaption;
        pMiniFrame->GetCaptionRect(rectCaption);
        return CPoint(rectWindow.left + rectCaption.left + 20,
                      rectWindow.top + rectCaption.CenterPoint().y);
    }
    // A floats in a group; B is dragged by its caption onto A's right edge, then C onto B's
    // bottom edge: A | B over C.
    CTavoPMultiMiniFrameWnd* BuildGroup()
    {
        pA->StoreRecentDockInfo();
        EXPECT_TRUE(pA->FloatControlBar(CRect(250, 200, 550, 500), TAVOP_DM_RECT, TRUE));
        PumpFor(30);
        CTavoPMultiMiniFrameWnd* pGroup = GroupOf(pA);
        if (pGroup == nullptr)
            return nullptr;
        const CRect rectA = pA->ScreenRect();
        RunMouse(DragSteps(pB->GripPoint(), CPoint(rectA.right - 4, rectA.CenterPoint().y)));
        PumpFor(60);
        const CRect rectB = pB->ScreenRect();
        RunMouse(DragSteps(pC->GripPoint(), CPoint(rectB.CenterPoint().x, rectB.bottom - 4)));
        PumpFor(60);
        AtRest();
        return pGroup;
    }
    std::vector<GroupShot> Shot(CTavoPMultiMiniFrameWnd* pGroup)
    {
        std::vector<GroupShot> shots;
        for (GroupPane* pPane : {pA, pB, pC})
        {
            GroupShot s;
            s.nID = pPane->GetDlgCtrlID();
            s.bInGroup = pGroup != nullptr && GroupOf(pPane) == pGroup;
            s.rect = RectInParent(pPane);
            s.bVisible = pPane->IsWindowVisible() != FALSE;
            s.bCaption = pPane->GetCaptionHeight() > 0;
            s.path =
                s.bInGroup ? NodePath(pGroup->GetBarTreeManager().GetRootContainer(), pPane) : "-";
            s.nPercent = pPane->GetPercent();
            shots.push_back(s);
        }
        return shots;
    }

    GroupPane* pA = nullptr;
    GroupPane* pB = nullptr;
    GroupPane* pC = nullptr;
};

} // namespace

TEST_F(FloatingGroup, PanesDroppedOnAFloatingPaneJoinItsGroupAndTheGroupDocksBackWhole)
{
    pA->StoreRecentDockInfo();
    ASSERT_TRUE(pA->FloatControlBar(CRect(250, 200, 550, 500), TAVOP_DM_RECT, TRUE));
    PumpFor(30);
    CTavoPMultiMiniFrameWnd* pGroup = GroupOf(pA);
    ASSERT_NE(nullptr, pGroup) << "a pane with the multi style floats in a group's frame";
    const HWND hGroup = pGroup->GetSafeHwnd();
    // Alone, the pane lets the frame's caption carry its title.
    EXPECT_EQ(CString("A"), pGroup->GetCaptionText());
    EXPECT_EQ(0, pA->GetCaptionHeight());

    const CRect rectA = pA->ScreenRect();
    RunMouse(DragSteps(pB->GripPoint(), CPoint(rectA.right - 4, rectA.CenterPoint().y)));
    PumpFor(60);
    ASSERT_EQ(pGroup, GroupOf(pB));
    EXPECT_EQ(2, pGroup->GetControlBarCount());
    EXPECT_EQ("F", NodePath(pGroup->GetBarTreeManager().GetRootContainer(), pA).substr(0, 1));
    EXPECT_LT(pA->ScreenRect().right, pB->ScreenRect().left) << "B went to A's right";
    // Two panes: each shows its own caption and the frame's is empty.
    EXPECT_EQ(CString(""), pGroup->GetCaptionText());
    EXPECT_GT(pA->GetCaptionHeight(), 0);
    EXPECT_GT(pB->GetCaptionHeight(), 0);
    EXPECT_EQ(pB, CTavoPMiniFrameWnd::FindFloatingBarByID(502));

    const CRect rectB = pB->ScreenRect();
    RunMouse(DragSteps(pC->GripPoint(), CPoint(rectB.CenterPoint().x, rectB.bottom - 4)));
    PumpFor(60);
    ASSERT_EQ(pGroup, GroupOf(pC));
    EXPECT_EQ(3, pGroup->GetControlBarCount());
    EXPECT_LT(pB->ScreenRect().bottom, pC->ScreenRect().top) << "C went below B";
    EXPECT_EQ(pB->ScreenRect().left, pC->ScreenRect().left);
    // Nothing of the three is docked in the frame any more.
    EXPECT_EQ(0, Manager()->GetClientAreaBounds().left);
    EXPECT_EQ(600, Manager()->GetClientAreaBounds().right);
    EXPECT_EQ(400, Manager()->GetClientAreaBounds().bottom);

    // The group dragged by its caption onto the frame's left edge docks there whole.
    AtRest();
    const CRect rectClient = ClientOnScreen();
    CRect rectGroup;
    pGroup->GetWindowRect(rectGroup);
    RunMouse(DragSteps(CaptionOf(pGroup), CPoint(rectClient.left - 6, rectClient.CenterPoint().y)));
    PumpFor(80);
    // The emptied frame no longer shows; it stays only while the panes remember their places in
    // it, to take them back.
    EXPECT_TRUE(!::IsWindow(hGroup) || !::IsWindowVisible(hGroup));
    CTavoPSlider* pSlider = pA->GetDefaultSlider();
    ASSERT_NE(nullptr, pSlider);
    for (GroupPane* pPane : {pA, pB, pC})
    {
        SCOPED_TRACE(pPane->GetDlgCtrlID());
        EXPECT_FALSE(pPane->IsFloating());
        EXPECT_EQ(pFrame, pPane->GetParent());
        EXPECT_EQ(pSlider, pPane->GetDefaultSlider());
        EXPECT_TRUE(pSlider->IsBarInTree(pPane));
        EXPECT_GT(pPane->GetCaptionHeight(), 0);
        EXPECT_EQ(nullptr, CTavoPMiniFrameWnd::FindFloatingBarByID(pPane->GetDlgCtrlID()));
    }
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pSlider->GetCurrentAlignment());
    // The group keeps its arrangement: A left of B, C below B, all along the left edge.
    const CRect a = pFrame->InFrame(pA), b = pFrame->InFrame(pB), c = pFrame->InFrame(pC);
    EXPECT_EQ(0, a.left);
    EXPECT_EQ(0, a.top);
    EXPECT_EQ(400, a.bottom);
    EXPECT_LT(a.right, b.left);
    EXPECT_LT(b.bottom, c.top);
    EXPECT_EQ(400, c.bottom);
    EXPECT_EQ(c.right, Manager()->GetClientAreaBounds().left - 4);
}

TEST_F(FloatingGroup, APaneJoinsTheGroupOnAnySideOfAPaneSplittingItsPlace)
{
    struct Case
    {
        DWORD dwSide;
        bool bNewFirst;
        DWORD dwSliderStyle;
    } cases[] = {
        {CBRS_ALIGN_LEFT, true, CTavoPSlider::SS_VERT},
        {CBRS_ALIGN_TOP, true, CTavoPSlider::SS_HORZ},
        {CBRS_ALIGN_RIGHT, false, CTavoPSlider::SS_VERT},
        {CBRS_ALIGN_BOTTOM, false, CTavoPSlider::SS_HORZ},
    };
    UINT nID = 510;
    int nCase = 0;
    GroupPane* pTarget = nullptr;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dwSide);
        pTarget = NewGroupPane(nID++, "Target", CSize(150, 400));
        GroupPane* pNew = NewGroupPane(nID++, "New", CSize(500, 500));
        pFrame->DockControlBar(pTarget, AFX_IDW_DOCKBAR_LEFT);
        const int x = 120 + 70 * nCase++;
        ASSERT_TRUE(pTarget->FloatControlBar(CRect(x, 150, x + 300, 450), TAVOP_DM_RECT, TRUE));
        PumpFor(30);
        CTavoPMultiMiniFrameWnd* pGroup = GroupOf(pTarget);
        ASSERT_NE(nullptr, pGroup);
        const CRect r = RectInParent(pTarget);
        // The new pane takes half of the target's place along the split, as it is larger.
        const bool bVert = c.dwSliderStyle == CTavoPSlider::SS_VERT;
        const int nHalf = (bVert ? r.Width() : r.Height()) / 2;
        CRect rectNew = r, rectSlider = r, rectTarget = r;
        if (bVert && c.bNewFirst)
        {
            rectNew.right = r.left + nHalf;
            rectSlider = CRect(rectNew.right, r.top, rectNew.right + 4, r.bottom);
            rectTarget.left = rectSlider.right;
        }
        else if (bVert)
        {
            rectNew.left = r.right - nHalf;
            rectSlider = CRect(rectNew.left - 4, r.top, rectNew.left, r.bottom);
            rectTarget.right = rectSlider.left;
        }
        else if (c.bNewFirst)
        {
            rectNew.bottom = r.top + nHalf;
            rectSlider = CRect(r.left, rectNew.bottom, r.right, rectNew.bottom + 4);
            rectTarget.top = rectSlider.bottom;
        }
        else
        {
            rectNew.top = r.bottom - nHalf;
            rectSlider = CRect(r.left, rectNew.top - 4, r.right, rectNew.top);
            rectTarget.bottom = rectSlider.top;
        }

        ASSERT_TRUE(pGroup->InsertControlBarBeside(pNew, pTarget, c.dwSide));
        PumpFor(30);
        EXPECT_EQ(pGroup, GroupOf(pNew));
        EXPECT_EQ(2, pGroup->GetControlBarCount());
        EXPECT_EQ(rectNew, RectInParent(pNew));
        EXPECT_EQ(rectTarget, RectInParent(pTarget));
        const CObList& sliders = pGroup->GetBarTreeManager().GetSliders();
        ASSERT_EQ(1, sliders.GetCount());
        CTavoPSlider* pSlider = (CTavoPSlider*)sliders.GetHead();
        EXPECT_EQ(rectSlider, RectInParent(pSlider));
        EXPECT_EQ(c.dwSliderStyle, pSlider->GetSliderStyle() & 3);
        CTavoPBarContainer* pRoot = pGroup->GetBarTreeManager().GetRootContainer();
        EXPECT_EQ(c.bNewFirst ? "FF" : "FS", NodePath(pRoot, pNew));
        EXPECT_EQ(pNew, CTavoPMiniFrameWnd::FindFloatingBarByID(pNew->GetDlgCtrlID()));
        EXPECT_GT(pNew->GetCaptionHeight(), 0);
        EXPECT_GT(pTarget->GetCaptionHeight(), 0);
    }

    // Two sides at once are no side: the pane stays where it was.
    GroupPane* pStays = NewGroupPane(nID++, "Stays", CSize(150, 400));
    pFrame->DockControlBar(pStays, AFX_IDW_DOCKBAR_RIGHT);
    PumpFor(30);
    CTavoPMultiMiniFrameWnd* pLast = GroupOf(pTarget);
    ASSERT_NE(nullptr, pLast);
    EXPECT_FALSE(pLast->InsertControlBarBeside(pStays, pTarget, CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP));
    EXPECT_EQ(pFrame, pStays->GetParent());
    EXPECT_NE(nullptr, pStays->GetDefaultSlider());
    EXPECT_EQ(2, pLast->GetControlBarCount());
}

TEST_F(FloatingGroup, APaneTheGroupCannotTakeFloatsOnItsOwn)
{
    ASSERT_TRUE(pA->FloatControlBar(CRect(250, 150, 550, 450), TAVOP_DM_RECT, TRUE));
    PumpFor(30);
    CTavoPMultiMiniFrameWnd* pGroup = GroupOf(pA);
    ASSERT_NE(nullptr, pGroup);
    BOOL bInserted = TRUE;
    {
        RefusedSliders refused;
        ASSERT_TRUE(refused.IsOn());
        bInserted = pGroup->InsertControlBarBeside(pB, pA, CBRS_ALIGN_BOTTOM);
    }
    PumpFor(30);
    EXPECT_FALSE(bInserted);
    EXPECT_EQ(1, pGroup->GetControlBarCount());
    EXPECT_FALSE(pGroup->GetBarTreeManager().IsBarInTree(pB));
    // Not left inside the group's frame: the pane floats in a frame of its own, in sight.
    ASSERT_NE(nullptr, pB->GetParentMiniFrame(TRUE));
    EXPECT_NE(pGroup, pB->GetParentMiniFrame(TRUE));
    EXPECT_TRUE(pB->IsFloating());
    EXPECT_TRUE(pB->IsWindowVisible());
    EXPECT_EQ(pB, CTavoPMiniFrameWnd::FindFloatingBarByID(502));
}

TEST_F(FloatingGroup, AGroupDroppedOnAPanesCaptionBecomesItsTabs)
{
    for (GroupPane* pPane : {pA, pB})
        pPane->SetDockingMode(TAVOP_DOCK_OUTLINE);
    pA->StoreRecentDockInfo();
    ASSERT_TRUE(pA->FloatControlBar(CRect(250, 150, 550, 350), TAVOP_DM_RECT, TRUE));
    PumpFor(30);
    CTavoPMultiMiniFrameWnd* pGroup = GroupOf(pA);
    ASSERT_NE(nullptr, pGroup);
    ASSERT_TRUE(pGroup->InsertControlBarBeside(pB, pA, CBRS_ALIGN_RIGHT));
    AtRest();
    const HWND hGroup = pGroup->GetSafeHwnd();
    const CRect rectC = pC->ScreenRect();
    CTavoPSlider* pSlider = pC->GetDefaultSlider();
    ASSERT_NE(nullptr, pSlider);

    RunMouse(DragSteps(CaptionOf(pGroup), pC->GripPoint(), true));
    PumpFor(80);

    HWND hTabWnd = NULL;
    CTavoPBaseTabWnd* pTabWnd = pC->GetParentTabWnd(hTabWnd);
    ASSERT_NE(nullptr, pTabWnd);
    auto* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pTabWnd->GetParent());
    ASSERT_NE(nullptr, pTabbed);
    // The target keeps the first tab; the group's panes follow in their order, the last active.
    ASSERT_EQ(3, pTabbed->GetTabsNum());
    EXPECT_EQ(pC, pTabbed->FindBarByTabNumber(0));
    EXPECT_EQ(pA, pTabbed->FindBarByTabNumber(1));
    EXPECT_EQ(pB, pTabbed->FindBarByTabNumber(2));
    EXPECT_EQ(2, pTabWnd->GetActiveTab());
    CRect rectTabbed;
    pTabbed->GetWindowRect(rectTabbed);
    EXPECT_EQ(rectC, rectTabbed);
    EXPECT_EQ(pSlider, pTabbed->GetDefaultSlider());
    for (GroupPane* pPane : {pA, pB})
    {
        SCOPED_TRACE(pPane->GetDlgCtrlID());
        EXPECT_FALSE(pPane->IsFloating());
        EXPECT_EQ(0, pPane->GetCaptionHeight());
        EXPECT_EQ(nullptr, CTavoPMiniFrameWnd::FindFloatingBarByID(pPane->GetDlgCtrlID()));
    }
    EXPECT_TRUE(!::IsWindow(hGroup) || !::IsWindowVisible(hGroup));
}

TEST_F(FloatingGroup, ADoubleClickOnTheGroupsCaptionSendsEveryPaneBackToItsOwnPlace)
{
    const CRect rectA = pFrame->InFrame(pA), rectB = pFrame->InFrame(pB),
                rectC = pFrame->InFrame(pC);
    CTavoPMultiMiniFrameWnd* pGroup = BuildGroup();
    ASSERT_NE(nullptr, pGroup);
    ASSERT_EQ(3, pGroup->GetControlBarCount());
    const HWND hGroup = pGroup->GetSafeHwnd();

    const CPoint pt = CaptionOf(pGroup);
    RunMouse({{MouseStep::Move, pt.x, pt.y},
              {MouseStep::Down, 0, 0},
              {MouseStep::Up, 0, 0},
              {MouseStep::Down, 0, 0},
              {MouseStep::Up, 0, 0}});
    PumpFor(80);
    const struct
    {
        GroupPane* pPane;
        CRect rect;
        DWORD dwSide;
    } homes[] = {{pA, rectA, CBRS_ALIGN_LEFT},
                 {pB, rectB, CBRS_ALIGN_RIGHT},
                 {pC, rectC, CBRS_ALIGN_BOTTOM}};
    for (const auto& home : homes)
    {
        SCOPED_TRACE(home.pPane->GetDlgCtrlID());
        EXPECT_FALSE(home.pPane->IsFloating());
        EXPECT_EQ(pFrame, home.pPane->GetParent());
        ASSERT_NE(nullptr, home.pPane->GetDefaultSlider());
        EXPECT_EQ(home.dwSide, home.pPane->GetDefaultSlider()->GetCurrentAlignment());
        EXPECT_EQ(home.rect, pFrame->InFrame(home.pPane));
        EXPECT_TRUE(home.pPane->IsWindowVisible());
    }
    // The emptied frame hides and waits: the panes remember their places in it.
    ASSERT_TRUE(::IsWindow(hGroup));
    EXPECT_FALSE(::IsWindowVisible(hGroup));

    // A double click on a pane sent home takes it back into the group.
    CPoint ptGrip = pA->GripPoint();
    pA->ScreenToClient(&ptGrip);
    pA->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptGrip.x, ptGrip.y));
    PumpFor(50);
    EXPECT_EQ(pGroup, GroupOf(pA));
    EXPECT_TRUE(pGroup->IsWindowVisible());
    EXPECT_EQ(nullptr, pA->GetDefaultSlider());
    EXPECT_EQ(pA, CTavoPMiniFrameWnd::FindFloatingBarByID(501));
    EXPECT_EQ(0, Manager()->GetClientAreaBounds().left) << "its place at the side is given up";
}

TEST_F(FloatingGroup, HoldingCtrlWhileDroppingTheGroupNeverDocksIt)
{
    CTavoPMultiMiniFrameWnd* pGroup = BuildGroup();
    ASSERT_NE(nullptr, pGroup);
    ASSERT_EQ(3, pGroup->GetControlBarCount());
    CTavoPDockManager::m_pfnKeyState = [](int nVirtKey) -> SHORT {
        return nVirtKey == VK_CONTROL ? (SHORT)0x8000 : ::GetAsyncKeyState(nVirtKey);
    };
    const CRect rectClient = ClientOnScreen();
    RunMouse(DragSteps(CaptionOf(pGroup), CPoint(rectClient.left - 6, rectClient.CenterPoint().y)));
    PumpFor(80);
    CTavoPDockManager::m_pfnKeyState = ::GetAsyncKeyState;
    ASSERT_TRUE(::IsWindow(pGroup->GetSafeHwnd()));
    EXPECT_EQ(3, pGroup->GetControlBarCount());
    for (GroupPane* pPane : {pA, pB, pC})
        EXPECT_EQ(pGroup, GroupOf(pPane));
    EXPECT_EQ(0, Manager()->GetClientAreaBounds().left);
}

TEST_F(FloatingGroup, TheGroupComesBackInAFreshFrame)
{
    RegistryTestKey registry("SOFTWARE\\VorlenTests MultiFrame");
    CTavoPMultiMiniFrameWnd* pGroup = BuildGroup();
    ASSERT_NE(nullptr, pGroup);
    ASSERT_EQ(3, pGroup->GetControlBarCount());
    // A share that differs from the even split the tree makes by itself.
    pGroup->MoveWindow(CRect(260, 210, 620, 530));
    PumpFor(30);
    const std::vector<GroupShot> saved = Shot(pGroup);
    CRect rectGroup;
    pGroup->GetWindowRect(rectGroup);
    ASSERT_TRUE(Manager()->SaveState(kProfile, 7));
    pFrame->DestroyWindow();
    PumpMessages();
    for (CaptionPane* pPane : m_panes)
        delete pPane;
    m_panes.clear();

    // The fresh frame docks everything on top before the layout is applied.
    pFrame = TestFrame::Make(600, 400, 100, 100);
    ASSERT_NE(nullptr, pFrame);
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    pA = NewGroupPane(501, "A", CSize(150, 100));
    pB = NewGroupPane(502, "B", CSize(150, 100));
    pC = NewGroupPane(503, "C", CSize(150, 100));
    for (GroupPane* pPane : {pA, pB, pC})
        ASSERT_TRUE(pPane->DockToFrameSide(CBRS_ALIGN_TOP));
    PumpFor(30);
    ASSERT_TRUE(Manager()->LoadState(kProfile, 7));
    Manager()->SetDockState();
    PumpFor(50);

    CTavoPMultiMiniFrameWnd* pLoaded = GroupOf(pA);
    ASSERT_NE(nullptr, pLoaded);
    EXPECT_EQ(saved, Shot(pLoaded));
    CRect rectLoaded;
    pLoaded->GetWindowRect(rectLoaded);
    EXPECT_EQ(rectGroup, rectLoaded);
    EXPECT_TRUE(pLoaded->IsWindowVisible());
    EXPECT_EQ(1, Manager()->GetMiniFrames().GetCount());
    EXPECT_EQ(0, Manager()->GetClientAreaBounds().top) << "nothing stays docked on top";
}

TEST_F(FloatingGroup, DamagedGroupRecordsFailCleanlyAndLeaveNoWindowBehind)
{
    RegistryTestKey registry("SOFTWARE\\VorlenTests MultiFrame");
    CTavoPMultiMiniFrameWnd* pGroup = BuildGroup();
    ASSERT_NE(nullptr, pGroup);
    ASSERT_EQ(3, pGroup->GetControlBarCount());
    ASSERT_TRUE(Manager()->SaveState(kProfile, 7));
    const Bytes saved = RegistryTestKey::Value(kLayoutKey, "DockingCBAndSliders");
    // No tabbed bars, no docked panes, one floating frame, then the frame's object.
    ASSERT_GT(saved.size(), 16u);
    ASSERT_EQ(Bytes({0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}),
              Bytes(saved.begin(), saved.begin() + 12));
    const size_t kObject = 12;
    const size_t kTail = saved.size() - 4; // the empty auto-hide section

    const std::vector<GroupShot> before = Shot(pGroup);
    const int nWindows = CountThreadWindows();
    const int nChildren = CountChildren(pFrame);

    std::vector<std::pair<std::string, Bytes>> cases = CutCases(saved, kObject, kTail);
    {
        // The pane-id list at the end of the object: its count far too high, then negative.
        const size_t at = kTail - 4 * 4;
        Bytes b = saved;
        ASSERT_EQ(3, b[at]);
        b[at] = 0x40;
        cases.emplace_back("pane count too high", b);
        b[at] = b[at + 1] = b[at + 2] = b[at + 3] = 0xFF;
        cases.emplace_back("pane count negative", b);
    }
    {
        // The object names a class that is no floating frame.
        Bytes b = saved;
        const std::string name = "CTavoPMultiMiniFrameWnd";
        auto it = std::search(b.begin(), b.end(), name.begin(), name.end());
        ASSERT_NE(b.end(), it);
        *(it + 6) = 'X';
        cases.emplace_back("unknown class", b);
    }
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.first);
        RegistryTestKey::SetBinary(kLayoutKey, "DockingCBAndSliders", c.second);
        EXPECT_FALSE(Manager()->LoadState(kProfile, 7));
        Manager()->SetDockState();
        PumpMessages();
        EXPECT_EQ(before, Shot(pGroup));
        EXPECT_EQ(nWindows, CountThreadWindows()) << "no stray frame";
        EXPECT_EQ(nChildren, CountChildren(pFrame));
        EXPECT_EQ(1, Manager()->GetMiniFrames().GetCount());
    }
}
