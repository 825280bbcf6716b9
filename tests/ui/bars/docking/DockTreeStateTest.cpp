// The layout tree in the dock layout: the bytes of a slider with its tree, reading them back, damaged layouts that must fail cleanly, and a frame's layout saved and restored in a fresh frame.
#include "tests/support/ArchiveBytes.h"
#include "tests/support/Mutations.h"
#include "tests/ui/bars/docking/DockTreeSupport.h"
#include "tests/support/RegistryTestKey.h"
#include <gtest/gtest.h>

namespace {

const char kProfile[] = "SOFTWARE\\VorlenTests DockTree\\";
const std::string kLayoutKey = LayoutKey(kProfile);

// A on top of B, docked on the left of the frame in a tree the frame lays out.
class TreeState : public LeftTreeFixture
{
protected:
    void SetUp() override
    {
        LeftTreeFixture::SetUp();
        MakeTree(CRect(0, 0, 300, 300));
        ASSERT_TRUE(pDefault->InsertBar(pB, pA, CBRS_ALIGN_BOTTOM));
        pB->SetDefaultSlider(pDefault->GetSafeHwnd());
        pSlider = InnerSlider(pDefault);
        ASSERT_NE(nullptr, pSlider);
    }
    // The frame lists and lays out the tree, as docking it does.
    void Register()
    {
        Manager().AddControlBar(pA);
        Manager().AddControlBar(pB);
        Manager().AddControlBar(pDefault);
        Manager().AdjustDockingLayout();
    }
    CTavoPDockManager& Manager() { return *pFrame->GetDockManager(); }
    std::vector<PaneSnapshot> Shot() { return Snapshot(pFrame, {pA, pB}); }

    CTavoPSlider* pSlider = nullptr;
};

// The record of a slider as it is stored: the bar part, then the slider's own fields.
ByteWriter& SliderRecord(ByteWriter& w, DWORD dwAlignment, int nID, CRect rect, DWORD dwStyle,
                         BOOL bDefault)
{
    w.D(dwAlignment).D(1);
    w.D((DWORD)nID).D((DWORD)-1);
    w.D(rect.left).D(rect.top).D(rect.right).D(rect.bottom);
    w.D(1).D(dwStyle).D(4).D(bDefault).D(0).D(0);
    return w;
}

TEST_F(TreeState, ASliderStoresItsTreeByBarIds)
{
    ASSERT_EQ(CRect(0, 0, 200, 196), RectInParent(pA));
    ASSERT_EQ(CRect(0, 200, 200, 400), RectInParent(pB));
    const Bytes bytes = StoreToBytes([this](CArchive& ar) { pDefault->Serialize(ar); });

    ByteWriter w;
    SliderRecord(w, CBRS_ALIGN_LEFT, -1, CRect(200, 0, 204, 400), WS_VISIBLE | 2, TRUE);
    w.D(0).D(0).D(0).D(1);                     // root: no bars, no slider, a first child
    w.D(201).D(202).D(pSlider->GetSliderID()); // A above B
    SliderRecord(w, 0, pSlider->GetSliderID(), CRect(0, 196, 200, 200), WS_VISIBLE | 1, FALSE);
    w.D(0).D(0); // no children below
    w.D(0);      // the root has no second child
    w.D(2).D(201).D(202);
    EXPECT_EQ(w.bytes(), bytes);
}

TEST_F(TreeState, ASliderReadBackFindsItsPanesAndTakesAFreshIdWhenItsOwnIsTaken)
{
    Register();
    const Bytes bytes = StoreToBytes([this](CArchive& ar) { pDefault->Serialize(ar); });
    const int nChildren = CountChildren(pFrame);

    CTavoPSlider* pLoaded = new CTavoPSlider(TRUE, pFrame);
    LoadFromBytes(bytes, [pLoaded](CArchive& ar) { pLoaded->Serialize(ar); });
    ASSERT_TRUE(::IsWindow(pLoaded->GetSafeHwnd()));
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pLoaded->GetCurrentAlignment());
    EXPECT_EQ(CRect(200, 0, 204, 400), RectInParent(pLoaded));
    EXPECT_TRUE(pLoaded->IsDefault());

    CTavoPBarTreeManager* pTree = pLoaded->GetBarTreeManager();
    ASSERT_EQ(2, pTree->GetBars().GetCount());
    EXPECT_EQ("FF", NodePath(pTree->GetRootContainer(), pA));
    EXPECT_EQ("FS", NodePath(pTree->GetRootContainer(), pB));
    CTavoPSlider* pInner = InnerSlider(pLoaded);
    ASSERT_NE(nullptr, pInner);
    EXPECT_NE(pSlider->GetSliderID(), pInner->GetSliderID()) << "the stored id is taken";
    EXPECT_EQ(pInner->GetSliderID(), pInner->GetDlgCtrlID());
    EXPECT_TRUE(pInner->IsHorizontal());
    EXPECT_EQ(CRect(0, 196, 200, 200), RectInParent(pInner));
    EXPECT_EQ(nChildren + 2, CountChildren(pFrame));

    pLoaded->DestroyWindow();
    EXPECT_EQ(nChildren, CountChildren(pFrame)) << "the tree's sliders go with it";
}

TEST_F(TreeState, AStoredSliderKeepsOnlyTheBitsOfItsStyleAndItsStoredVisibility)
{
    Register();
    Bytes bytes = StoreToBytes([this](CArchive& ar) { pDefault->Serialize(ar); });
    // Style: WS_DISABLED, WS_POPUP and border bits on top of the orientation; visibility 0.
    const DWORD dwNoise = WS_DISABLED | WS_POPUP | WS_BORDER | WS_VISIBLE | 0x300;
    for (int b = 0; b < 4; b++)
        bytes[36 + b] |= (BYTE)(dwNoise >> (8 * b));
    bytes[32] = 0;

    CTavoPSlider* pLoaded = new CTavoPSlider(TRUE, pFrame);
    LoadFromBytes(bytes, [pLoaded](CArchive& ar) { pLoaded->Serialize(ar); });
    ASSERT_TRUE(::IsWindow(pLoaded->GetSafeHwnd()));
    EXPECT_EQ((DWORD)CTavoPSlider::SS_VERT, pLoaded->GetSliderStyle());
    const DWORD dwStyle = pLoaded->GetStyle();
    EXPECT_EQ(0u, dwStyle & (WS_DISABLED | WS_POPUP | WS_BORDER | WS_VISIBLE));
    EXPECT_EQ((DWORD)WS_CHILD, dwStyle & WS_CHILD);
    pLoaded->DestroyWindow();
}

TEST_F(TreeState, TheDefaultSliderMovesTheTreesEdgeAndTheFrameLaysItOut)
{
    Register();
    ASSERT_EQ(CRect(200, 0, 204, 400), RectInParent(pDefault));
    int nTowardsFirst = 0, nTowardsSecond = 0, nStep = 0;
    pDefault->GetBarTreeManager()->GetSliderLimits(pDefault, nTowardsFirst, nTowardsSecond, nStep);
    EXPECT_EQ(20 - 200, nTowardsFirst) << "the tree keeps its minimum width";
    EXPECT_EQ(600 - 4 - 204, nTowardsSecond) << "a margin inside the frame's edge";

    pDefault->MoveSlider(CSize(50, 0));
    EXPECT_EQ(CRect(250, 0, 254, 400), RectInParent(pDefault));
    EXPECT_EQ(CRect(0, 0, 250, 196), RectInParent(pA));
    EXPECT_EQ(CRect(0, 200, 250, 400), RectInParent(pB));
    EXPECT_EQ(CRect(254, 0, 600, 400), Manager().GetClientAreaBounds());

    // The frame grows: the tree keeps its width and its split.
    pFrame->Resize(600, 500);
    PumpMessages();
    EXPECT_EQ(CRect(0, 0, 250, 245), RectInParent(pA));
    EXPECT_EQ(CRect(0, 249, 250, 500), RectInParent(pB));
    EXPECT_EQ(CRect(250, 0, 254, 500), RectInParent(pDefault));
}

// The dock layout of the frame as the registry holds it.
class LayoutState : public TreeState
{
protected:
    void SetUp() override
    {
        TreeState::SetUp();
        Register();
        pToolBar.reset(new TestBar(120, 24));
        ASSERT_TRUE(pToolBar->Make(pFrame, 401));
        pFrame->DockControlBar(pToolBar.get(), AFX_IDW_DOCKBAR_TOP);
        pSlider->MoveSlider(CSize(0, 30));
        Manager().AdjustDockingLayout();
        ASSERT_TRUE(Manager().SaveState(kProfile, 7));
        saved = RegistryTestKey::Value(kLayoutKey, "DockingCBAndSliders");
        ASSERT_FALSE(saved.empty());
        before = Shot();
        nChildren = CountChildren(pFrame);
    }
    void TearDown() override
    {
        TreeState::TearDown();
        pToolBar.reset();
    }
    BOOL Load(const Bytes& bytes) { return LoadLayoutBytes(Manager(), kProfile, bytes); }
    // Byte offset of section 2 (after the empty tabbed-bar section).
    static const size_t kPanes = 4;

    RegistryTestKey registry{"SOFTWARE\\VorlenTests DockTree"};
    std::unique_ptr<TestBar> pToolBar;
    Bytes saved;
    std::vector<PaneSnapshot> before;
    int nChildren = 0;
};

TEST_F(LayoutState, TheLayoutHoldsTheSliderAndItsPanes)
{
    ByteWriter w;
    w.D(0); // no tabbed bars
    w.D(3); // the slider and its two panes
    w.D(0); // a slider record follows
    w.Append(StoreToBytes([this](CArchive& ar) { pDefault->Serialize(ar); }));
    w.D(1).D(201).D(1).D(202); // the panes join it
    w.D(0).D(0);               // no floating frames, no auto-hidden panes
    EXPECT_EQ(w.bytes(), saved);

    // Read back over the frame's own layout, nothing changes and nothing is left over.
    EXPECT_TRUE(Load(saved));
    EXPECT_EQ(before, Shot());
    EXPECT_EQ(nChildren, CountChildren(pFrame));
}

TEST_F(LayoutState, ADamagedLayoutFailsCleanlyAndKeepsTheFramesOwnLayout)
{
    std::vector<std::pair<std::string, Bytes>> cases = CutCases(saved);
    {
        Bytes b = saved;
        b[kPanes] = 4; // one record more than follow
        cases.emplace_back("count too high", b);
        b[kPanes] = 0xFF;
        b[kPanes + 1] = b[kPanes + 2] = b[kPanes + 3] = 0xFF;
        cases.emplace_back("count negative", b);
    }
    {
        ByteWriter w;
        w.D(0).D(1).D(1).D(201).D(0).D(0);
        cases.emplace_back("pane before any slider", w.bytes());
    }
    {
        ByteWriter w;
        w.D(0).D(1).D(0);
        SliderRecord(w, CBRS_ALIGN_LEFT, 9, CRect(200, 0, 204, 400), WS_VISIBLE | 2, TRUE);
        for (int i = 0; i < 100; i++)
            w.D(0).D(0).D(0).D(1); // a first child inside each node
        cases.emplace_back("deep nesting", w.bytes());
    }
    {
        Bytes b = saved;
        // The first pane record names the toolbar instead of a pane.
        const size_t at = saved.size() - 20;
        ASSERT_EQ(201, saved[at]);
        b[at] = 401 & 0xFF;
        b[at + 1] = 401 >> 8;
        cases.emplace_back("toolbar as a pane", b);
    }
    {
        Bytes b = saved;
        b[kPanes + 8 + 36] |= CTavoPSlider::SS_HORZ; // both orientations
        cases.emplace_back("slider of no orientation", b);
        b = saved;
        b[kPanes + 8 + 44] = 2; // owns-tree flag out of range
        cases.emplace_back("owns-tree flag", b);
        b = saved;
        b[kPanes + 8 + 16 + 3] = 0x7F; // the slider's left edge far outside any screen
        cases.emplace_back("slider far off", b);
    }
    {
        Bytes b = saved;
        // The inner node's first element becomes a tabbed-bar block.
        const size_t at = kPanes + 8 + 72;
        ASSERT_EQ(201, b[at]);
        b[at] = b[at + 1] = b[at + 2] = b[at + 3] = 0xFF;
        cases.emplace_back("tabbed block", b);
    }
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.first);
        EXPECT_FALSE(Load(c.second));
        EXPECT_EQ(before, Shot());
        EXPECT_EQ(nChildren, CountChildren(pFrame)) << "nothing the load made stays behind";
    }
    // After all that a sound layout still loads.
    EXPECT_TRUE(Load(saved));
    EXPECT_EQ(before, Shot());
}

TEST_F(LayoutState, RandomDamageNeverLeavesAStrayWindowOrAPaneInTwoTrees)
{
    std::mt19937 random(37);
    for (int i = 0; i < 300; i++)
    {
        const Bytes bytes = Mutate(saved, random);
        SCOPED_TRACE(i);
        if (!Load(bytes))
        {
            EXPECT_EQ(before, Shot());
            EXPECT_EQ(nChildren, CountChildren(pFrame));
            continue;
        }
        // Damage the reader could not tell: every pane sits in one tree that the frame lists,
        // and the sound layout brings everything back.
        for (TreePane* pPane : {pA, pB})
        {
            CTavoPSlider* pSlider = pPane->GetDefaultSlider();
            ASSERT_NE(nullptr, pSlider);
            EXPECT_TRUE(pSlider->IsBarInTree(pPane));
            EXPECT_NE(nullptr, Manager().GetDockedBars().Find(pSlider));
        }
        ASSERT_TRUE(Load(saved));
        EXPECT_EQ(before, Shot());
        EXPECT_EQ(nChildren, CountChildren(pFrame));
    }
}

TEST(DockLayout, AFramesPanesComeBackInAFreshFrame)
{
    RegistryTestKey registry("SOFTWARE\\VorlenTests DockTree");
    std::vector<PaneSnapshot> saved;
    {
        // A with B below it on the left, C on the right, the inner slider moved.
        PaneFrame frame({211u, 212u, 213u});
        ASSERT_TRUE(frame.Pane(0)->DockToFrameSide(CBRS_ALIGN_LEFT));
        ASSERT_NE(nullptr, frame.Pane(1)->DockToWindow(frame.Pane(0), CBRS_ALIGN_BOTTOM));
        ASSERT_TRUE(frame.Pane(2)->DockToFrameSide(CBRS_ALIGN_RIGHT));
        CTavoPSlider* pLeft = frame.Pane(0)->GetDefaultSlider();
        ASSERT_NE(nullptr, pLeft);
        CTavoPSlider* pInner = (CTavoPSlider*)pLeft->GetBarTreeManager()->GetSliders().GetHead();
        pInner->MoveSlider(CSize(0, 25));
        PumpMessages();
        saved = Snapshot(frame.pFrame, frame.List());
        ASSERT_TRUE(frame.Manager().SaveState(kProfile, 7));
    }

    // The fresh frame builds its own layout first: everything on top.
    PaneFrame frame({211u, 212u, 213u});
    for (CTavoPDockingControlBar* pPane : frame.List())
        ASSERT_TRUE(pPane->DockToFrameSide(CBRS_ALIGN_TOP));
    const int nChildren = CountChildren(frame.pFrame);
    ASSERT_TRUE(frame.Manager().LoadState(kProfile, 7));
    frame.Manager().SetDockState();
    PumpMessages();
    EXPECT_EQ(saved, Snapshot(frame.pFrame, frame.List()));
    EXPECT_EQ(nChildren, CountChildren(frame.pFrame)) << "three sliders in place of three";
}

} // namespace
