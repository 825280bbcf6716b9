// Tab groups in the dock layout: the bytes of a group in a tree, a frame's groups saved and restored in a fresh frame, and damaged group records that must fail cleanly.
#include "tests/support/ArchiveBytes.h"
#include "tests/support/Mutations.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/ui/bars/docking/LayoutSnapshot.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPTabbedControlBar.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include <gtest/gtest.h>

namespace {

const char kProfile[] = "SOFTWARE\\VorlenTests TabbedState\\";
const std::string kLayoutKey = LayoutKey(kProfile);

// A frame of docking panes 211 to 214 that may float, each with a caption.
class TabbedFrame : public PaneFrame
{
public:
    TabbedFrame() : PaneFrame({211u, 212u, 213u, 214u})
    {
        // Panes find the tabbed bar class by name: named here, it is linked in as a program
        // using it would link it.
        EXPECT_EQ(RUNTIME_CLASS(CTavoPTabbedControlBar),
                  CRuntimeClass::FromName("CTavoPTabbedControlBar"));
    }
    std::vector<LayoutShot> Shot() { return LayoutSnapshot(pFrame, List()); }
    // The frame's own layout when nothing is restored: every pane on top.
    void DockAllOnTop()
    {
        for (auto& p : panes)
            ASSERT_TRUE(p->DockToFrameSide(CBRS_ALIGN_TOP));
        PumpMessages();
    }
    // 211 and 212 as one tab group on the left with 213 below it, 214 on the right; the group
    // shows 212 and calls 211 by another name.
    CTavoPBaseTabbedBar* BuildGroup()
    {
        EXPECT_TRUE(Pane(0)->DockToFrameSide(CBRS_ALIGN_LEFT));
        CTavoPDockingControlBar* pGroup = NULL;
        Pane(1)->AttachToTabbedBar(Pane(0), TAVOP_DM_MOUSE, TRUE, &pGroup);
        CTavoPBaseTabbedBar* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pGroup);
        EXPECT_NE(nullptr, pTabbed);
        if (pTabbed == nullptr)
            return nullptr;
        EXPECT_NE(nullptr, Pane(2)->DockToWindow(pTabbed, CBRS_ALIGN_BOTTOM));
        EXPECT_TRUE(Pane(3)->DockToFrameSide(CBRS_ALIGN_RIGHT));
        pTabbed->GetUnderlinedWindow()->SetTabLabel(0, "renamed");
        pTabbed->GetUnderlinedWindow()->SetActiveTab(1);
        PumpMessages();
        return pTabbed;
    }
    BOOL Save() { return Manager().SaveState(kProfile, 7); }
    BOOL Load(const Bytes& bytes) { return LoadLayoutBytes(Manager(), kProfile, bytes); }
};

class TabbedState : public ::testing::Test
{
protected:
    RegistryTestKey registry{"SOFTWARE\\VorlenTests TabbedState"};
};

TEST_F(TabbedState, AGroupInATreeComesBackInAFreshFrame)
{
    std::vector<LayoutShot> saved;
    {
        TabbedFrame frame;
        ASSERT_NE(nullptr, frame.BuildGroup());
        saved = frame.Shot();
        ASSERT_EQ("tab 0", saved[0].where);
        ASSERT_EQ("tab 1", saved[1].where);
        ASSERT_TRUE(saved[1].bActive);
        ASSERT_TRUE(frame.Save());
    }
    TabbedFrame frame;
    frame.DockAllOnTop();
    const int nChildren = CountChildren(frame.pFrame);
    ASSERT_TRUE(frame.Manager().LoadState(kProfile, 7));
    frame.Manager().SetDockState();
    PumpMessages();
    EXPECT_EQ(saved, frame.Shot());
    // Three sliders and the group in place of four sliders; two panes went into the group.
    EXPECT_EQ(nChildren - 2, CountChildren(frame.pFrame));
}

// One tab group of 201 and 202 alone on the left, as the bytes show it.
class GroupBytes : public LeftTreeFixture
{
protected:
    void SetUp() override
    {
        LeftTreeFixture::SetUp();
        MakeTree(CRect(0, 0, 200, 400));
        CTavoPDockingControlBar* pGroup = NULL;
        pB->AttachToTabbedBar(pA, TAVOP_DM_MOUSE, TRUE, &pGroup);
        pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pGroup);
        ASSERT_NE(nullptr, pTabbed);
    }
    CTavoPBaseTabbedBar* pTabbed = nullptr;
};

TEST_F(GroupBytes, AGroupIsStoredAsItsTabIdsTheBarAndItsTabList)
{
    ASSERT_EQ(2, pTabbed->GetTabsNum());
    const Bytes bytes = StoreToBytes([this](CArchive& ar) { pDefault->Serialize(ar); });
    const Bytes barRecord = StoreToBytes([this](CArchive& ar) { pTabbed->Serialize(ar); });
    ASSERT_GE(barRecord.size(), 4u);
    const Bytes autoDestroy = {(BYTE)pTabbed->IsAutoDestroy(), 0, 0, 0};
    EXPECT_EQ(autoDestroy, Bytes(barRecord.end() - 4, barRecord.end())) << "the record ends in it";

    ByteWriter w;
    w.Append(Bytes(bytes.begin(), bytes.begin() + 56)); // the default slider's own record
    w.D((DWORD)-1);                                     // the root's first element: a group
    w.D(2).D(201).D(202);                               // its tabs by id
    w.W(0xFFFF).W(2).W((WORD)strlen("CTavoPTabbedControlBar")).Text("CTavoPTabbedControlBar");
    w.Append(barRecord);
    w.D(pTabbed->GetStyle());
    w.D(2); // the tab list
    for (TreePane* pPane : {pA, pB})
    {
        w.B(4).Text("pane");
        w.D(1).D(pPane->GetDlgCtrlID()).D(1).D((DWORD)-1).D((DWORD)-1);
    }
    w.D(1).D(0);                // the active tab, the strip at the bottom
    w.D(0).D(0).D(0).D(0);      // no second element, no slider, no children
    w.D(1).D((DWORD)-1).D(201); // the tree's one bar: the group, by its first tab
    EXPECT_EQ(w.bytes(), bytes);
}

TEST_F(GroupBytes, AGroupReadBackIsMadeEmptyAndOwnsItselfWhateverTheArchiveSays)
{
    Bytes bytes = StoreToBytes([this](CArchive& ar) { pDefault->Serialize(ar); });
    const Bytes barRecord = StoreToBytes([this](CArchive& ar) { pTabbed->Serialize(ar); });
    // The bar's record ends in its own-deletion flag: stored as "not".
    const size_t nFlag = 56 + 4 + 12 + 6 + strlen("CTavoPTabbedControlBar") + barRecord.size() - 4;
    for (size_t i = 0; i < 4; i++)
        bytes[nFlag + i] = 0;

    CTavoPSlider* pLoaded = new CTavoPSlider(TRUE, pFrame);
    LoadFromBytes(bytes, [pLoaded](CArchive& ar) { pLoaded->Serialize(ar); });
    CTavoPBarTreeManager* pTree = pLoaded->GetBarTreeManager();
    ASSERT_EQ(1, pTree->GetBars().GetCount());
    CTavoPBaseTabbedBar* pGroup = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pTree->GetBars().GetHead());
    ASSERT_NE(nullptr, pGroup);
    EXPECT_NE(pTabbed, pGroup);
    EXPECT_TRUE(pGroup->IsAutoDestroy());
    EXPECT_EQ(0, pGroup->GetTabsNum()) << "the tabs are gathered when the layout is applied";
    EXPECT_FALSE(pGroup->IsWindowVisible());
    EXPECT_EQ("F", NodePath(pTree->GetRootContainer(), pGroup));
    const CList<UINT, UINT>& ids = pTree->GetRootContainer()->GetSavedTabIDs(TRUE);
    ASSERT_EQ(2, ids.GetCount());
    EXPECT_EQ(201u, ids.GetHead());
    EXPECT_EQ(202u, ids.GetTail());
    EXPECT_EQ(std::vector<int>({201, 202}), pGroup->GetUnderlinedWindow()->GetRestoredTabIDs());

    // Without tabs the group means nothing: it goes with the tree, and deletes itself.
    const HWND hGroup = pGroup->GetSafeHwnd();
    pTree->GetRootContainer()->DestroyLoadedTabbedBars();
    EXPECT_FALSE(::IsWindow(hGroup));
    pLoaded->DestroyWindow();
}

TEST_F(GroupBytes, AGroupWithoutTabsIsNeitherWrittenNorCounted)
{
    // The group's tabs leave without the group going (as a tab window emptied by hand would).
    CTavoPBaseTabWnd* pTabWnd = pTabbed->GetUnderlinedWindow();
    for (TreePane* pPane : {pB, pA})
    {
        pTabWnd->RemoveTab(pTabWnd->GetTabFromHwnd(pPane->GetSafeHwnd()));
        pPane->SetParent(pFrame);
    }
    ASSERT_EQ(0, pTabbed->GetTabsNum());
    const Bytes bytes = StoreToBytes([this](CArchive& ar) { pDefault->Serialize(ar); });
    ByteWriter w;
    w.Append(Bytes(bytes.begin(), bytes.begin() + 56));
    w.D(0).D(0).D(0).D(0).D(0); // an empty root
    w.D(0);                     // no bar listed
    EXPECT_EQ(w.bytes(), bytes);
}

// A frame with a tab group, its layout saved, for damage to be read over it.
class TabbedDamage : public TabbedState
{
protected:
    void SetUp() override
    {
        pTabbed = frame.BuildGroup();
        ASSERT_NE(nullptr, pTabbed);
        ASSERT_TRUE(frame.Save());
        saved = RegistryTestKey::Value(kLayoutKey, "DockingCBAndSliders");
        ASSERT_FALSE(saved.empty());
        before = frame.Shot();
        nChildren = CountChildren(frame.pFrame);
        nVisibleChildren = CountChildren(frame.pFrame, true);
        // Where the group's block starts: the first -1 after section 2's first slider record.
        const Bytes marker = {0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 211, 0, 0, 0, 212, 0, 0, 0};
        auto at = std::search(saved.begin(), saved.end(), marker.begin(), marker.end());
        ASSERT_NE(saved.end(), at);
        nBlock = (size_t)(at - saved.begin());
    }
    // After a load that took the layout: the same places, and no window the user sees more
    // (the groups the load replaced may stay hidden while a pane remembers them as its place).
    void ExpectSameLayout()
    {
        EXPECT_EQ(before, frame.Shot());
        EXPECT_EQ(nVisibleChildren, CountChildren(frame.pFrame, true));
    }
    void ExpectUnchanged()
    {
        EXPECT_EQ(before, frame.Shot());
        EXPECT_EQ(nChildren, CountChildren(frame.pFrame)) << "nothing the load made stays behind";
    }
    static void Put(Bytes& b, size_t at, DWORD dw)
    {
        for (int i = 0; i < 4; i++)
            b[at + i] = (BYTE)(dw >> (8 * i));
    }

    TabbedFrame frame;
    CTavoPBaseTabbedBar* pTabbed = nullptr;
    Bytes saved;
    std::vector<LayoutShot> before;
    int nChildren = 0;
    int nVisibleChildren = 0;
    size_t nBlock = 0;
};

TEST_F(TabbedDamage, ASoundLayoutReadOverTheFrameChangesNothing)
{
    EXPECT_TRUE(frame.Load(saved));
    ExpectSameLayout();
}

TEST_F(TabbedDamage, DamagedGroupRecordsFailCleanlyAndKeepTheFramesLayout)
{
    std::vector<std::pair<std::string, Bytes>> cases = CutCases(saved);
    Bytes b;
    b = saved;
    Put(b, nBlock + 4, 3); // three tab ids, two follow
    cases.emplace_back("more tab ids than tabs", b);
    b = saved;
    Put(b, nBlock + 4, 1); // one tab id, the tab list holds two
    cases.emplace_back("fewer tab ids than tabs", b);
    b = saved;
    Put(b, nBlock + 4, 0);
    cases.emplace_back("no tab ids", b);
    b = saved;
    Put(b, nBlock + 4, 0x7FFFFFFF);
    cases.emplace_back("tab id count huge", b);
    b = saved;
    Put(b, nBlock + 12, 211);
    cases.emplace_back("a tab named twice", b);
    b = saved;
    Put(b, nBlock + 12, (DWORD)-1);
    cases.emplace_back("a tab id of -1", b);
    b = saved;
    Put(b, nBlock + 12, 213);
    cases.emplace_back("tab ids that are not the tab list's", b);
    {
        // The class record names a docking pane that is no tabbed bar.
        const std::string name = "CTavoPTabbedControlBar";
        const std::string other = "CTavoPDockingControlBar";
        auto at = std::search(saved.begin(), saved.end(), name.begin(), name.end());
        ASSERT_NE(saved.end(), at);
        const size_t nName = (size_t)(at - saved.begin());
        b = saved;
        b.erase(b.begin() + nName, b.begin() + nName + name.size());
        b.insert(b.begin() + nName, other.begin(), other.end());
        b[nName - 2] = (BYTE)other.size();
        cases.emplace_back("not a tabbed bar's class", b);
    }
    {
        // Section 1 names a tabbed bar the frame does not have.
        b = saved;
        ByteWriter w;
        w.D(1).D(999).D(0).D(0).D(0);
        Bytes section = w.bytes();
        b.erase(b.begin(), b.begin() + 4);
        b.insert(b.begin(), section.begin(), section.end());
        cases.emplace_back("unknown tabbed bar", b);
        b = saved;
        w = ByteWriter();
        w.D(1).D(211).D(0).D(0).D(0);
        section = w.bytes();
        b.erase(b.begin(), b.begin() + 4);
        b.insert(b.begin(), section.begin(), section.end());
        cases.emplace_back("a pane as a tabbed bar", b);
    }
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.first);
        EXPECT_FALSE(frame.Load(c.second));
        ExpectUnchanged();
    }
    // After all that the sound layout still loads.
    EXPECT_TRUE(frame.Load(saved));
    ExpectSameLayout();
}

TEST_F(TabbedDamage, RandomDamageNeverLeavesAStrayWindowOrAPaneInTwoPlaces)
{
    std::mt19937 random(38);
    for (int i = 0; i < 200; i++)
    {
        const Bytes bytes = Mutate(saved, random);
        SCOPED_TRACE(i);
        if (!frame.Load(bytes))
        {
            EXPECT_EQ(before, frame.Shot());
            EXPECT_EQ(nVisibleChildren, CountChildren(frame.pFrame, true));
            continue;
        }
        // Damage the reader could not tell: every pane is either docked in one tree the
        // frame lists or a tab of a group that is, and the sound layout brings all back.
        for (CTavoPDockingControlBar* pPane : frame.List())
        {
            CTavoPDockingControlBar* pOwner = OwnerOf(pPane);
            CTavoPSlider* pSlider = pOwner->GetDefaultSlider();
            if (pSlider == nullptr)
                continue; // a pane the damage left out keeps no place
            EXPECT_TRUE(pSlider->IsBarInTree(pOwner));
            EXPECT_NE(nullptr, frame.Manager().GetDockedBars().Find(pSlider));
        }
        ASSERT_TRUE(frame.Load(saved));
        ExpectSameLayout();
    }
}

} // namespace

namespace {

TEST_F(TabbedState, AGroupThatStaysInPlaceGetsItsTabListBack)
{
    TabbedFrame frame;
    // A group the program makes itself, with an id and fixed where it is docked.
    CTavoPTabbedControlBar group;
    ASSERT_TRUE(group.Create("group", frame.pFrame, CRect(0, 0, 200, 200), TRUE, 300,
                             WS_CHILD | WS_VISIBLE | CBRS_LEFT, 0, TAVOP_CBRS_CLOSE));
    group.EnableDocking(CBRS_ALIGN_ANY);
    ASSERT_FALSE(group.CanFloat());
    ASSERT_TRUE(group.DockToFrameSide(CBRS_ALIGN_LEFT));
    for (int i = 0; i < 3; i++)
    {
        frame.Pane(i)->ShowCaption(FALSE);
        ASSERT_TRUE(group.AddTab(frame.Pane(i), TRUE, FALSE, TRUE));
    }
    CTavoPBaseTabWnd* pTabWnd = group.GetUnderlinedWindow();
    pTabWnd->SetTabLabel(0, "first");
    pTabWnd->SetActiveTab(2);
    PumpMessages();
    ASSERT_TRUE(frame.Save());

    const Bytes saved = RegistryTestKey::Value(kLayoutKey, "DockingCBAndSliders");
    ByteWriter w;
    w.D(1).D(300); // one group in place, by its id, with its tab list
    w.D(3);
    const char* labels[] = {"first", "pane 212", "pane 213"};
    for (int i = 0; i < 3; i++)
    {
        w.B((BYTE)strlen(labels[i])).Text(labels[i]);
        w.D(1).D(211 + i).D(1).D((DWORD)-1).D((DWORD)-1);
    }
    w.D(2).D(0);
    const Bytes section = w.bytes();
    ASSERT_GE(saved.size(), section.size());
    EXPECT_EQ(section, Bytes(saved.begin(), saved.begin() + section.size()));

    pTabWnd->SetTabLabel(0, "changed");
    pTabWnd->SetActiveTab(0);
    EXPECT_TRUE(frame.Load(saved));
    CString strLabel;
    pTabWnd->GetTabLabel(0, strLabel);
    EXPECT_STREQ("first", strLabel);
    EXPECT_EQ(2, pTabWnd->GetActiveTab());
    EXPECT_EQ(3, pTabWnd->GetTabsNum());
    group.DestroyWindow();
}

} // namespace

namespace {

// A frame with a group the program keeps docked on the left, id 300, and the program's own
// layout: panes 211 to 213 are the group's tabs, the first shown, and 214 is docked on top.
class FixedGroupFrame : public TabbedFrame
{
public:
    FixedGroupFrame()
    {
        EXPECT_TRUE(group.Create("group", pFrame, CRect(0, 0, 200, 200), TRUE, 300,
                                 WS_CHILD | WS_VISIBLE | CBRS_LEFT, 0, TAVOP_CBRS_CLOSE));
        group.EnableDocking(CBRS_ALIGN_ANY);
        EXPECT_TRUE(group.DockToFrameSide(CBRS_ALIGN_LEFT));
        for (int i = 0; i < 3; i++)
        {
            Pane(i)->ShowCaption(FALSE);
            EXPECT_TRUE(group.AddTab(Pane(i), TRUE, FALSE, TRUE));
        }
        EXPECT_TRUE(Pane(3)->DockToFrameSide(CBRS_ALIGN_TOP));
        PumpMessages();
    }
    ~FixedGroupFrame()
    {
        if (::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        PumpMessages();
    }
    // The layout the user left: the third tab shown and 214 moved to the right.
    static Bytes StoredLayout()
    {
        FixedGroupFrame frame;
        frame.Pane(3)->Undock(FALSE);
        EXPECT_TRUE(frame.Pane(3)->DockToFrameSide(CBRS_ALIGN_RIGHT));
        frame.group.GetUnderlinedWindow()->SetActiveTab(2);
        PumpMessages();
        EXPECT_TRUE(frame.Save());
        return RegistryTestKey::Value(kLayoutKey, "DockingCBAndSliders");
    }
    std::vector<LayoutShot> LoadedShot(const Bytes& layout)
    {
        EXPECT_TRUE(Load(layout));
        return Shot();
    }
    // 213 leaves the group for the frame, with its caption back.
    TreePane* TakeThirdTabOut()
    {
        group.RemoveControlBar(Pane(2));
        Pane(2)->SetParent(pFrame);
        Pane(2)->ShowCaption(TRUE);
        return Pane(2);
    }
    // 213 leaves the group and docks on a side of pTarget, in its tree; the slider it sits by.
    CTavoPSlider* DockThirdTabBeside(CTavoPDockingControlBar* pTarget, DWORD dwSide)
    {
        TakeThirdTabOut();
        EXPECT_NE(nullptr, Pane(2)->DockToWindow(pTarget, dwSide));
        PumpMessages();
        CTavoPSlider* pSlider = Pane(2)->GetDefaultSlider();
        EXPECT_TRUE(pSlider != nullptr && pSlider->IsBarInTree(Pane(2)));
        return pSlider;
    }

    CTavoPTabbedControlBar group;
};

// Visible top-level windows of this thread: a floating group left behind would be one more.
int CountShownThreadWindows()
{
    int nCount = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            *(int*)lParam += ::IsWindowVisible(hWnd) ? 1 : 0;
            return TRUE;
        },
        (LPARAM)&nCount);
    return nCount;
}

TEST_F(TabbedState,
       ATabListTakesItsPaneFromTheTreeFloatingGroupOrOtherGroupItWentToSinceTheLayoutWasStored)
{
    const Bytes layout = FixedGroupFrame::StoredLayout();
    std::vector<LayoutShot> expected;
    int nChildren = 0, nTopLevel = 0;
    {
        FixedGroupFrame fresh;
        expected = fresh.LoadedShot(layout);
        nChildren = CountChildren(fresh.pFrame, true);
        nTopLevel = CountShownThreadWindows();
    }
    ASSERT_EQ("tab 2", expected[2].where) << ::testing::PrintToString(expected);
    ASSERT_TRUE(expected[2].bActive);

    enum Place
    {
        besidePane,     // in 214's tree
        besideGroup,    // in the group's own tree
        floating,       // in a floating group with 214
        tabbed,         // a tab of a group with 214, in 214's tree
        tabbedFloating, // a tab of a group with 214 that floats
    };
    struct Case
    {
        const char* name;
        Place place;
        DWORD dwSide;
        // The group's node: the tree keeps the node the pane left, as when it is undocked by hand.
        const char* groupPath;
    } cases[] = {
        {"below another pane", besidePane, CBRS_ALIGN_BOTTOM, "F"},
        {"left of another pane", besidePane, CBRS_ALIGN_LEFT, "F"},
        {"below its own group", besideGroup, CBRS_ALIGN_BOTTOM, "FF"},
        {"floating beside another pane", floating, CBRS_ALIGN_RIGHT, "F"},
        {"a tab of another group", tabbed, 0, "F"},
        {"a tab of another group that floats", tabbedFloating, 0, "F"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<FixedGroupFrame> frame(new FixedGroupFrame);
        TreePane* pThird = frame->Pane(2);
        if (c.place == floating)
        {
            frame->TakeThirdTabOut();
            pThird->SetFloatingFrameClass(RUNTIME_CLASS(CTavoPMultiMiniFrameWnd));
            ASSERT_TRUE(pThird->FloatControlBar(CRect(250, 200, 550, 500), TAVOP_DM_RECT, TRUE));
            PumpMessages();
            CTavoPMultiMiniFrameWnd* pGroup =
                DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd, pThird->GetParentMiniFrame(TRUE));
            ASSERT_NE(nullptr, pGroup);
            ASSERT_TRUE(pGroup->InsertControlBarBeside(frame->Pane(3), pThird, c.dwSide));
            PumpMessages();
            ASSERT_EQ(pGroup, frame->Pane(3)->GetParentMiniFrame(TRUE));
        }
        else if (c.place == tabbed || c.place == tabbedFloating)
        {
            frame->TakeThirdTabOut();
            CTavoPDockingControlBar* pOther = NULL;
            pThird->AttachToTabbedBar(frame->Pane(3), TAVOP_DM_MOUSE, TRUE, &pOther);
            PumpMessages();
            ASSERT_NE(nullptr, DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pOther));
            ASSERT_EQ(pOther, OwnerOf(pThird));
            ASSERT_NE(nullptr, pOther->GetDefaultSlider());
            if (c.place == tabbedFloating)
            {
                ASSERT_TRUE(
                    pOther->FloatControlBar(CRect(250, 200, 550, 500), TAVOP_DM_RECT, TRUE));
                PumpMessages();
                ASSERT_NE(nullptr, pOther->GetParentMiniFrame(TRUE));
            }
        }
        else
        {
            CTavoPDockingControlBar* pTarget =
                c.place == besideGroup ? (CTavoPDockingControlBar*)&frame->group : frame->Pane(3);
            ASSERT_NE(nullptr, frame->DockThirdTabBeside(pTarget, c.dwSide));
        }

        std::vector<LayoutShot> want = expected;
        for (int i = 0; i < 3; i++)
            want[i].path = c.groupPath;
        EXPECT_EQ(want, frame->LoadedShot(layout));
        EXPECT_EQ(nullptr, pThird->GetDefaultSlider());
        EXPECT_EQ(nullptr, pThird->GetParentMiniFrame(TRUE));
        EXPECT_EQ(nChildren, CountChildren(frame->pFrame, true));
        EXPECT_EQ(nTopLevel, CountShownThreadWindows());
        frame.reset(); // closing the frame finds every pane in one place
    }
}

} // namespace
