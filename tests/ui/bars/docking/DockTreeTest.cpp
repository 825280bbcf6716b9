// The layout tree of docking panes: splitting a place, proportional resizing and stretching, slider limits and moves, the free rectangle, removal, the default slider's place, remembered nodes and another tree joining as tabs.
#include "tests/ui/bars/docking/DockTreeSupport.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include <gtest/gtest.h>

namespace {

using DockTree = DockTreeFixture;

TEST_F(DockTree, InsertingSplitsTheExistingPlaceOnEachSide)
{
    // The new pane is 300 wide and high, the existing one 200: the new one gets half the
    // existing place, the slider 4 pixels, the existing pane the rest up to its far edge.
    struct Case
    {
        DWORD dwAlignment;
        CRect rectNew, rectSlider, rectExisting;
        DWORD dwOrientation;
    } cases[] = {
        {CBRS_ALIGN_LEFT, CRect(100, 50, 200, 250), CRect(200, 50, 204, 250),
         CRect(204, 50, 300, 250), CTavoPSlider::SS_VERT},
        {CBRS_ALIGN_RIGHT, CRect(200, 50, 300, 250), CRect(196, 50, 200, 250),
         CRect(100, 50, 196, 250), CTavoPSlider::SS_VERT},
        {CBRS_ALIGN_TOP, CRect(100, 50, 300, 150), CRect(100, 150, 300, 154),
         CRect(100, 154, 300, 250), CTavoPSlider::SS_HORZ},
        {CBRS_ALIGN_BOTTOM, CRect(100, 150, 300, 250), CRect(100, 146, 300, 150),
         CRect(100, 50, 300, 146), CTavoPSlider::SS_HORZ},
    };
    UINT nID = 300;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dwAlignment);
        TreePane* pExisting = NewPane(nID++, CRect(100, 50, 300, 250));
        TreePane* pNew = NewPane(nID++, CRect(0, 0, 300, 300));
        CTavoPSlider* pDefault = NewTree(CBRS_ALIGN_LEFT, pExisting);
        CTavoPBarTreeManager* pTree = pDefault->GetBarTreeManager();
        ASSERT_TRUE(pTree->InsertControlBar(pNew, pExisting, c.dwAlignment));

        EXPECT_EQ(c.rectNew, RectInParent(pNew));
        EXPECT_EQ(c.rectExisting, RectInParent(pExisting));
        CTavoPSlider* pSlider = InnerSlider(pDefault);
        ASSERT_NE(nullptr, pSlider);
        EXPECT_EQ(c.rectSlider, RectInParent(pSlider));
        EXPECT_EQ(c.dwOrientation, pSlider->GetSliderStyle() & 3);
        EXPECT_TRUE(pSlider->IsWindowVisible());

        // Screen order in the node and in the list: left and top come first.
        const bool bNewFirst = (c.dwAlignment & (CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP)) != 0;
        CTavoPBarContainer* pRoot = pTree->GetRootContainer();
        EXPECT_EQ(bNewFirst ? "FF" : "FS", NodePath(pRoot, pNew));
        EXPECT_EQ(bNewFirst ? "FS" : "FF", NodePath(pRoot, pExisting));
        EXPECT_EQ(bNewFirst ? pNew : pExisting, pTree->GetBars().GetHead());
        pDefault->DestroyWindow();
        EXPECT_FALSE(::IsWindow(pSlider->GetSafeHwnd())) << "inner sliders go with the tree";
    }
}

TEST_F(DockTree, InsertingRefusesWhatItCannotPlaceAndLeavesTheTree)
{
    TreePane* pA = NewPane(301, CRect(100, 50, 300, 250));
    TreePane* pB = NewPane(302, CRect(0, 0, 300, 300));
    TreePane* pStranger = NewPane(303, CRect(0, 0, 100, 100));
    CTavoPSlider* pDefault = NewTree(CBRS_ALIGN_LEFT, pA);
    CTavoPBarTreeManager* pTree = pDefault->GetBarTreeManager();
    const int nChildren = CountChildren(pFrame);

    EXPECT_FALSE(pTree->InsertControlBar(pB, pA, CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP));
    EXPECT_FALSE(pTree->InsertControlBar(pB, pStranger, CBRS_ALIGN_LEFT));
    EXPECT_FALSE(pTree->InsertControlBar(pA, pA, CBRS_ALIGN_LEFT));

    // A slider window that cannot be made: nothing of the tree changes.
    BOOL bInserted = FALSE;
    {
        RefusedSliders refused;
        ASSERT_TRUE(refused.IsOn());
        bInserted = pTree->InsertControlBar(pB, pA, CBRS_ALIGN_LEFT);
    }

    EXPECT_FALSE(bInserted);
    EXPECT_EQ(1, pTree->GetNodeCount());
    EXPECT_EQ(1, pTree->GetBars().GetCount());
    EXPECT_EQ("F", NodePath(pTree->GetRootContainer(), pA));
    EXPECT_EQ(CRect(100, 50, 300, 250), RectInParent(pA));
    EXPECT_EQ(CRect(0, 0, 300, 300), RectInParent(pB));
    EXPECT_TRUE(pTree->GetSliders().IsEmpty());
    EXPECT_EQ(nChildren, CountChildren(pFrame));
}

// Two panes side by side in a node of the frame's client area, laid out by the test.
class Split : public DockTreeFixture
{
protected:
    void SetUp() override
    {
        DockTreeFixture::SetUp();
        pA = NewPane(311, CRect(0, 0, 200, 100));
        pB = NewPane(312, CRect(0, 0, 100, 100));
        pDefault = NewTree(CBRS_ALIGN_LEFT, pA);
        pTree = pDefault->GetBarTreeManager();
        ASSERT_TRUE(pTree->InsertControlBar(pB, pA, CBRS_ALIGN_RIGHT));
        pSlider = InnerSlider(pDefault);
    }
    void Place(CRect rectA, CRect rectB)
    {
        pA->SetWindowPos(NULL, rectA.left, rectA.top, rectA.Width(), rectA.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        pB->SetWindowPos(NULL, rectB.left, rectB.top, rectB.Width(), rectB.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        pSlider->SetWindowPos(NULL, rectA.right, rectA.top, 4, rectA.Height(),
                              SWP_NOZORDER | SWP_NOACTIVATE);
    }
    TreePane* pA = nullptr;
    TreePane* pB = nullptr;
    CTavoPSlider* pDefault = nullptr;
    CTavoPSlider* pSlider = nullptr;
    CTavoPBarTreeManager* pTree = nullptr;
};

TEST_F(Split, ResizingSharesTheChangeByPercent)
{
    struct Case
    {
        const char* what;
        CRect rectA, rectB;
        int nPercentA, nPercentB;
        CSize sizeMin;
        int nNewWidth;
        int nExpectedA, nExpectedPercentA;
    } cases[] = {
        // The first pane holds 70 percent and takes 70 percent of a growth and of a shrink.
        {"grow", CRect(0, 0, 280, 100), CRect(284, 0, 400, 100), 70, 30, CSize(20, 20), 500, 350,
         70},
        {"shrink", CRect(0, 0, 280, 100), CRect(284, 0, 400, 100), 70, 30, CSize(20, 20), 300, 210,
         70},
        {"unchanged", CRect(0, 0, 280, 100), CRect(284, 0, 400, 100), 70, 30, CSize(20, 20), 400,
         280, 70},
        // Overlapping panes: the stored share of the other side decides.
        {"first fills", CRect(0, 0, 400, 100), CRect(300, 0, 400, 100), 50, 30, CSize(20, 20), 400,
         280, 70},
        {"second fills", CRect(0, 0, 100, 100), CRect(0, 0, 400, 100), 40, 50, CSize(20, 20), 400,
         160, 40},
        {"stored 0 is 50", CRect(0, 0, 400, 100), CRect(300, 0, 400, 100), 50, 0, CSize(20, 20),
         400, 200, 50},
        {"stored 100 is 50", CRect(0, 0, 400, 100), CRect(300, 0, 400, 100), 50, 100, CSize(20, 20),
         400, 200, 50},
        // Nothing laid out yet: no division by the empty extent, the split starts halfway.
        {"extent 0", CRect(0, 0, 0, 100), CRect(0, 0, 0, 100), 70, 30, CSize(0, 0), 400, 200, 50},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        pA->m_sizeMin = pB->m_sizeMin = c.sizeMin;
        Place(c.rectA, c.rectB);
        pA->SetPercent(c.nPercentA);
        pB->SetPercent(c.nPercentB);
        pTree->ResizeTree(CRect(0, 0, c.nNewWidth, 100), NULL);

        EXPECT_EQ(CRect(0, 0, c.nExpectedA, 100), RectInParent(pA));
        EXPECT_EQ(CRect(c.nExpectedA, 0, c.nExpectedA + 4, 100), RectInParent(pSlider));
        EXPECT_EQ(CRect(c.nExpectedA + 4, 0, c.nNewWidth, 100), RectInParent(pB));
        EXPECT_EQ(c.nExpectedPercentA, pA->GetPercent());
        EXPECT_EQ(100 - c.nExpectedPercentA, pB->GetPercent());
    }
}

TEST_F(Split, RepeatedResizesKeepTheSplitWhereTheUserPutIt)
{
    Place(CRect(0, 0, 280, 100), CRect(284, 0, 400, 100));
    for (int i = 0; i < 10; i++)
    {
        pTree->ResizeTree(CRect(0, 0, 523, 100), NULL);
        pTree->ResizeTree(CRect(0, 0, 400, 100), NULL);
    }
    EXPECT_EQ(CRect(0, 0, 280, 100), RectInParent(pA));
    EXPECT_EQ(CRect(284, 0, 400, 100), RectInParent(pB));
}

TEST_F(Split, StretchingMovesOneOuterEdgeAndSharesTheChangeByPercent)
{
    // A holds 70 percent of the 400 x 100 place, B 30.
    struct Case
    {
        DWORD dwSide;
        BOOL bGrow;
        int nOffset;
        CRect rectA, rectB;
    } cases[] = {
        {CBRS_ALIGN_RIGHT, TRUE, 100, CRect(0, 0, 350, 100), CRect(354, 0, 500, 100)},
        {CBRS_ALIGN_RIGHT, FALSE, 100, CRect(0, 0, 210, 100), CRect(214, 0, 300, 100)},
        {CBRS_ALIGN_LEFT, FALSE, 100, CRect(100, 0, 310, 100), CRect(314, 0, 400, 100)},
        {CBRS_ALIGN_LEFT, TRUE, 100, CRect(-100, 0, 250, 100), CRect(254, 0, 400, 100)},
        // Across the split only the height changes.
        {CBRS_ALIGN_TOP, FALSE, 20, CRect(0, 20, 280, 100), CRect(284, 20, 400, 100)},
        {CBRS_ALIGN_BOTTOM, TRUE, 30, CRect(0, 0, 280, 130), CRect(284, 0, 400, 130)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.dwSide << (c.bGrow ? " grow" : " shrink"));
        Place(CRect(0, 0, 280, 100), CRect(284, 0, 400, 100));
        pA->SetPercent(70);
        pB->SetPercent(30);
        EXPECT_EQ(NULL, pTree->StretchTree(c.dwSide, c.bGrow, c.nOffset, NULL));

        EXPECT_EQ(c.rectA, RectInParent(pA));
        EXPECT_EQ(CRect(c.rectA.right, c.rectA.top, c.rectB.left, c.rectA.bottom),
                  RectInParent(pSlider));
        EXPECT_EQ(c.rectB, RectInParent(pB));
    }
}

TEST_F(Split, TheFreeRectIsWhatNoPaneOrSliderCovers)
{
    struct Case
    {
        const char* what;
        CRect rectB;
        CRect rectFree; // frame client coordinates
    } cases[] = {
        {"laid out", CRect(284, 0, 400, 100), CRect(0, 0, 0, 0)},
        // A pane not laid out yet counts with its minimum size in the tree but covers nothing.
        {"not laid out", CRect(300, 0, 300, 100), CRect(284, 0, 320, 100)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Place(CRect(0, 0, 280, 100), c.rectB);
        CRect rectFree;
        pTree->GetFreeRect(rectFree);
        if (!rectFree.IsRectEmpty())
            pFrame->ScreenToClient(rectFree);
        EXPECT_EQ(c.rectFree, rectFree);
    }
}

TEST_F(Split, TheSliderMovesWithinTheMinimumSizes)
{
    Place(CRect(100, 50, 200, 250), CRect(204, 50, 300, 250));
    pA->m_sizeMin = CSize(30, 20);
    pB->m_sizeMin = CSize(20, 20);
    int nTowardsFirst = 0, nTowardsSecond = 0, nStep = 0;
    pTree->GetSliderLimits(pSlider, nTowardsFirst, nTowardsSecond, nStep);
    EXPECT_EQ(-70, nTowardsFirst);
    EXPECT_EQ(76, nTowardsSecond);

    // A vertical slider takes the x offset only and stops at the minimum size.
    pSlider->MoveSlider(CSize(-500, 7));
    EXPECT_EQ(CRect(100, 50, 130, 250), RectInParent(pA));
    EXPECT_EQ(CRect(130, 50, 134, 250), RectInParent(pSlider));
    EXPECT_EQ(CRect(134, 50, 300, 250), RectInParent(pB));
    EXPECT_EQ(15, pA->GetPercent());

    pSlider->MoveSlider(CSize(500, 0));
    EXPECT_EQ(CRect(100, 50, 276, 250), RectInParent(pA));
    EXPECT_EQ(CRect(276, 50, 280, 250), RectInParent(pSlider));
    EXPECT_EQ(CRect(280, 50, 300, 250), RectInParent(pB));

    // Sides already at their minimum leave no room either way.
    pA->m_sizeMin = CSize(500, 20);
    pB->m_sizeMin = CSize(500, 20);
    pTree->GetSliderLimits(pSlider, nTowardsFirst, nTowardsSecond, nStep);
    EXPECT_EQ(0, nTowardsFirst);
    EXPECT_EQ(0, nTowardsSecond);
    pSlider->MoveSlider(CSize(-10, 0));
    EXPECT_EQ(CRect(100, 50, 276, 250), RectInParent(pA));
}

TEST_F(DockTree, AHorizontalSliderIgnoresTheXOffset)
{
    TreePane* pA = NewPane(321, CRect(100, 50, 300, 250));
    TreePane* pB = NewPane(322, CRect(0, 0, 300, 300));
    CTavoPSlider* pDefault = NewTree(CBRS_ALIGN_LEFT, pA);
    ASSERT_TRUE(pDefault->InsertBar(pB, pA, CBRS_ALIGN_TOP));
    CTavoPSlider* pSlider = InnerSlider(pDefault);
    ASSERT_TRUE(pSlider->IsHorizontal());

    pSlider->MoveSlider(CSize(40, 0));
    EXPECT_EQ(CRect(100, 50, 300, 150), RectInParent(pB));
    EXPECT_EQ(CRect(100, 154, 300, 250), RectInParent(pA));
    pSlider->MoveSlider(CSize(40, -30));
    EXPECT_EQ(CRect(100, 50, 300, 120), RectInParent(pB));
    EXPECT_EQ(CRect(100, 124, 300, 250), RectInParent(pA));
}

TEST_F(DockTree, EachSliderShowsTheLibrarysCursorForItsDirection)
{
    TreePane* pA = NewPane(325, CRect(100, 50, 300, 250));
    TreePane* pB = NewPane(326, CRect(0, 0, 300, 300));
    CTavoPSlider* pDefault = NewTree(CBRS_ALIGN_LEFT, pA);
    ASSERT_TRUE(pDefault->InsertBar(pB, pA, CBRS_ALIGN_TOP));
    CTavoPSlider* pInner = InnerSlider(pDefault);
    ASSERT_FALSE(pDefault->IsHorizontal());
    ASSERT_TRUE(pInner->IsHorizontal());

    struct Case
    {
        CTavoPSlider* pSlider;
        UINT nCursorID;
    } cases[] = {{pDefault, IDC_TAVOP_STRETCH}, {pInner, IDC_TAVOP_STRETCH_HORZ}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nCursorID);
        const HCURSOR hExpected =
            ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(c.nCursorID));
        ASSERT_NE(nullptr, hExpected) << "the cursor is in the library's resources";
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        EXPECT_TRUE(c.pSlider->SendMessage(WM_SETCURSOR, (WPARAM)c.pSlider->GetSafeHwnd(),
                                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_EQ(hExpected, ::GetCursor());
    }
    EXPECT_NE(::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_TAVOP_STRETCH)),
              ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_TAVOP_STRETCH_HORZ)));
}

TEST_F(DockTree, ARemovedPaneLeavesItsSpaceToTheNeighbours)
{
    // A | (B over C)
    TreePane* pA = NewPane(331, CRect(100, 50, 300, 250));
    TreePane* pB = NewPane(332, CRect(0, 0, 300, 300));
    TreePane* pC = NewPane(333, CRect(0, 0, 300, 300));
    CTavoPSlider* pDefault = NewTree(CBRS_ALIGN_LEFT, pA);
    CTavoPBarTreeManager* pTree = pDefault->GetBarTreeManager();
    ASSERT_TRUE(pTree->InsertControlBar(pB, pA, CBRS_ALIGN_RIGHT));
    ASSERT_TRUE(pTree->InsertControlBar(pC, pB, CBRS_ALIGN_BOTTOM));
    ASSERT_EQ(CRect(100, 50, 196, 250), RectInParent(pA));
    ASSERT_EQ(CRect(200, 50, 300, 146), RectInParent(pB));
    ASSERT_EQ(CRect(200, 150, 300, 250), RectInParent(pC));
    EXPECT_EQ("FSS", NodePath(pTree->GetRootContainer(), pC));

    ASSERT_TRUE(pTree->RemoveControlBar(pC));
    pC->ShowWindow(SW_HIDE);
    EXPECT_EQ(CRect(200, 50, 300, 250), RectInParent(pB));
    EXPECT_EQ(CRect(100, 50, 196, 250), RectInParent(pA));
    EXPECT_EQ(nullptr, pTree->GetBars().Find(pC));

    ASSERT_TRUE(pTree->RemoveControlBar(pB));
    pB->ShowWindow(SW_HIDE);
    EXPECT_EQ(CRect(100, 50, 300, 250), RectInParent(pA));
    for (POSITION pos = pTree->GetSliders().GetHeadPosition(); pos != NULL;)
        EXPECT_FALSE(((CWnd*)pTree->GetSliders().GetNext(pos))->IsWindowVisible())
            << "no slider stands beside nothing";

    // The remembered neighbours let a pane come back after the one before it.
    const CDWordArray& arrBars = pB->GetRecentDockInfo().GetRecentListOfBars(TRUE);
    ASSERT_EQ(2, arrBars.GetSize());
    EXPECT_EQ((DWORD)(UINT_PTR)pA->GetSafeHwnd(), arrBars[0]);
    EXPECT_EQ((DWORD)(UINT_PTR)pB->GetSafeHwnd(), arrBars[1]);
}

TEST_F(DockTree, TheDefaultSliderStandsAtTheTreesInnerEdge)
{
    struct Case
    {
        DWORD dwAlignment;
        CRect rectSlider, rectPane;
    } cases[] = {
        {CBRS_ALIGN_LEFT, CRect(206, 20, 210, 320), CRect(10, 20, 206, 320)},
        {CBRS_ALIGN_TOP, CRect(10, 316, 210, 320), CRect(10, 20, 210, 316)},
        {CBRS_ALIGN_RIGHT, CRect(10, 20, 14, 320), CRect(14, 20, 210, 320)},
        {CBRS_ALIGN_BOTTOM, CRect(10, 20, 210, 24), CRect(10, 24, 210, 320)},
    };
    UINT nID = 340;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.dwAlignment);
        TreePane* pPane = NewPane(nID++, CRect(0, 0, 50, 50));
        CTavoPSlider* pDefault = NewTree(c.dwAlignment, pPane);
        EXPECT_EQ(NULL, pDefault->RepositionByRect(CRect(10, 20, 210, 320), NULL));
        EXPECT_EQ(c.rectSlider, RectInParent(pDefault));
        EXPECT_EQ(c.rectPane, RectInParent(pPane));
        // The frame's layout pass reserves the slider and the tree together.
        EXPECT_EQ(c.rectSlider.Size() + c.rectPane.Size(), pDefault->CalcFixedLayout(FALSE, FALSE));
        pDefault->DestroyWindow();
    }
}

TEST_F(DockTree, ARememberedNodeOutlivesItsTreeUntilTheRecordLetsGo)
{
    TreePane* pA = NewPane(351, CRect(100, 50, 300, 250));
    TreePane* pB = NewPane(352, CRect(0, 0, 300, 300));
    CTavoPSlider* pDefault = NewTree(CBRS_ALIGN_LEFT, pA);
    CTavoPBarTreeManager* pTree = pDefault->GetBarTreeManager();
    ASSERT_TRUE(pTree->InsertControlBar(pB, pA, CBRS_ALIGN_RIGHT));
    pB->SetDefaultSlider(pDefault->GetSafeHwnd());
    BOOL bFirst = FALSE;
    CTavoPBarContainer* pNode = pTree->FindContainer(pB, bFirst);
    ASSERT_NE(nullptr, pNode);
    pDefault->StoreRecentDockInfo(pB);
    CTavoPRecentDockPlacement& placement = pB->GetRecentDockInfo().m_recentSliderInfo;
    ASSERT_EQ(pNode, placement.m_pRecentBarContainer);
    EXPECT_EQ(1u, pNode->GetRefCount());

    // The pane leaves: the node it remembers stays in the tree while referenced.
    pDefault->RemoveBar(pB);
    ASSERT_TRUE(::IsWindow(pDefault->GetSafeHwnd()));
    EXPECT_EQ(pNode, pTree->GetRootContainer()->FindContainer(pNode, CTavoPBarContainer::findNode));

    // The whole tree goes: the remembered node is detached, not freed, and refuses to take the
    // pane back.
    pDefault->DestroyWindow();
    EXPECT_FALSE(pNode->IsAttached());
    EXPECT_EQ(nullptr, pNode->GetLeftBar());
    EXPECT_EQ(nullptr, pNode->GetManager());
    EXPECT_EQ(1u, pNode->GetRefCount());
    TreePane* pC = NewPane(353, CRect(100, 50, 300, 250));
    CTavoPSlider* pOther = NewTree(CBRS_ALIGN_LEFT, pC);
    EXPECT_EQ(nullptr, pOther->GetBarTreeManager()->AddControlBarToRecentContainer(pB, pNode));
    placement.Init(); // the last release frees it
    EXPECT_EQ(nullptr, placement.m_pRecentBarContainer);
}

TEST_F(DockTree, APaneComesBackToItsNodeSideAndShare)
{
    TreePane* pA = NewPane(361, CRect(100, 50, 300, 250));
    TreePane* pB = NewPane(362, CRect(0, 0, 300, 300));
    CTavoPSlider* pDefault = NewTree(CBRS_ALIGN_LEFT, pA);
    CTavoPBarTreeManager* pTree = pDefault->GetBarTreeManager();
    ASSERT_TRUE(pTree->InsertControlBar(pB, pA, CBRS_ALIGN_LEFT));
    pB->SetDefaultSlider(pDefault->GetSafeHwnd());
    CTavoPSlider* pSlider = InnerSlider(pDefault);
    pSlider->MoveSlider(CSize(20, 0)); // B 120, A 76 of 200
    ASSERT_EQ(CRect(100, 50, 220, 250), RectInParent(pB));
    const int nPercent = pB->GetPercent();

    pDefault->StoreRecentDockInfo(pB);
    pDefault->RemoveBar(pB);
    pB->ShowWindow(SW_HIDE);
    ASSERT_EQ(CRect(100, 50, 300, 250), RectInParent(pA));

    EXPECT_EQ(pB, pDefault->AddRecentBar(pB));
    EXPECT_EQ("FF", NodePath(pTree->GetRootContainer(), pB));
    EXPECT_EQ(nPercent, pB->GetPercent());
    EXPECT_EQ(CRect(100, 50, 100 + 200 * nPercent / 100, 250), RectInParent(pB));
    EXPECT_EQ(RectInParent(pB).right + 4, RectInParent(pA).left);
    EXPECT_EQ(300, RectInParent(pA).right);
    EXPECT_TRUE(pSlider->IsWindowVisible());
    EXPECT_EQ(pB, pTree->GetBars().GetHead()) << "back before the pane that followed it";
}

TEST_F(DockTree, ADefaultSliderGoesWithItsLastPaneUnlessItsPlaceIsRemembered)
{
    CTavoPDockManager& manager = *pFrame->GetDockManager();
    TreePane* pA = NewPane(371, CRect(0, 0, 200, 400));
    CTavoPSlider* pDefault = NewTree(CBRS_ALIGN_LEFT, pA);
    manager.AddControlBar(pA);
    manager.AddControlBar(pDefault);
    const int nListed = (int)manager.GetDockedBars().GetCount();
    const HWND hSlider = pDefault->GetSafeHwnd();
    pDefault->RemoveBar(pA);
    EXPECT_FALSE(::IsWindow(hSlider));
    EXPECT_EQ(nListed - 2, (int)manager.GetDockedBars().GetCount());

    // A pane that remembers its place keeps the slider, hidden, until it lets go of the place;
    // then the slider removes itself from within that release.
    TreePane* pB = NewPane(372, CRect(0, 0, 200, 400));
    pDefault = NewTree(CBRS_ALIGN_LEFT, pB);
    manager.AddControlBar(pB);
    manager.AddControlBar(pDefault);
    const HWND hKept = pDefault->GetSafeHwnd();
    pDefault->StoreRecentDockInfo(pB);
    ASSERT_EQ(hKept, pB->GetRecentDockInfo().m_hRecentDefaultSlider);
    pDefault->RemoveBar(pB);
    ASSERT_TRUE(::IsWindow(hKept));
    EXPECT_FALSE(::IsWindowVisible(hKept));
    pB->GetRecentDockInfo().m_recentSliderInfo.Init();
    EXPECT_FALSE(::IsWindow(hKept));
    EXPECT_EQ(nListed - 2, (int)manager.GetDockedBars().GetCount());
}

// A alone in one tree; in another B beside C, and below C a hidden pane.
class TwoTrees : public DockTreeFixture
{
protected:
    void SetUp() override
    {
        DockTreeFixture::SetUp();
        pA = NewPane(381, CRect(100, 50, 300, 250));
        pB = NewPane(382, CRect(350, 50, 450, 250));
        pC = NewPane(383, CRect(0, 0, 300, 300));
        pHidden = NewPane(384, CRect(0, 0, 300, 300));
        pFirst = NewTree(CBRS_ALIGN_LEFT, pA);
        pOther = NewTree(CBRS_ALIGN_RIGHT, pB);
        pTree = pFirst->GetBarTreeManager();
        pOtherTree = pOther->GetBarTreeManager();
        ASSERT_TRUE(pOtherTree->InsertControlBar(pC, pB, CBRS_ALIGN_RIGHT)); // B 350-396, C 400-450
        ASSERT_TRUE(pOtherTree->InsertControlBar(pHidden, pC, CBRS_ALIGN_BOTTOM));
        pHidden->ShowWindow(SW_HIDE);
        pOtherTree->CheckVisibility();
    }
    TreePane* pA = nullptr;
    TreePane* pB = nullptr;
    TreePane* pC = nullptr;
    TreePane* pHidden = nullptr;
    CTavoPSlider* pFirst = nullptr;
    CTavoPSlider* pOther = nullptr;
    CTavoPBarTreeManager* pTree = nullptr;
    CTavoPBarTreeManager* pOtherTree = nullptr;
};

TEST_F(TwoTrees, AnotherTreesPanesJoinBesideAPaneOrFillAnEmptyTree)
{
    // The visible part of the other tree goes beside A as a copy; the hidden pane stays there.
    ASSERT_TRUE(pFirst->MergeBarTree(pA, pOtherTree, CBRS_ALIGN_RIGHT));
    EXPECT_EQ(3, pTree->GetBars().GetCount());
    EXPECT_TRUE(pTree->IsBarInTree(pB));
    EXPECT_TRUE(pTree->IsBarInTree(pC));
    EXPECT_FALSE(pTree->IsBarInTree(pHidden));
    EXPECT_TRUE(pOtherTree->IsBarInTree(pHidden));
    EXPECT_EQ(CRect(100, 50, 196, 250), RectInParent(pA));
    const CRect rectB = RectInParent(pB), rectC = RectInParent(pC);
    EXPECT_EQ(200, rectB.left);
    EXPECT_EQ(rectB.right + 4, rectC.left);
    EXPECT_EQ(300, rectC.right);
    EXPECT_EQ(CRect(200, 50, 300, 250), CRect(rectB.left, rectB.top, rectC.right, rectC.bottom));
    EXPECT_EQ("FF", NodePath(pTree->GetRootContainer(), pA));
    EXPECT_EQ(pA, pTree->GetBars().GetHead());

    // An empty tree takes over the visible part of another one whole.
    CTavoPSlider* pEmpty = new CTavoPSlider(TRUE, pFrame);
    ASSERT_TRUE(pEmpty->CreateEx(0, WS_VISIBLE | CTavoPSlider::SS_HORZ, CRect(0, 0, 4, 4), pFrame,
                                 (UINT)-1));
    pEmpty->SetCurrentAlignment(CBRS_ALIGN_BOTTOM);
    pHidden->ShowWindow(SW_SHOW);
    ASSERT_TRUE(pEmpty->TakeOverBarTree(pOtherTree, FALSE));
    EXPECT_TRUE(pEmpty->GetBarTreeManager()->IsBarInTree(pHidden));
    EXPECT_FALSE(pOtherTree->IsBarInTree(pHidden));
    EXPECT_EQ(pEmpty, pHidden->GetDefaultSlider());
    EXPECT_EQ((DWORD)CBRS_ALIGN_BOTTOM, pHidden->GetCurrentAlignment());
    EXPECT_NE(nullptr, pFrame->GetDockManager()->GetDockedBars().Find(pHidden));
    EXPECT_TRUE(pEmpty->IsWindowVisible());
}

TEST_F(TwoTrees, AnotherTreesVisiblePanesBecomeTabsOfAPaneInItsPlace)
{
    // Docked as docking puts them: each pane knows the slider its tree hangs off.
    for (TreePane* pPane : {pC, pHidden})
        pPane->SetDefaultSlider(pOther->GetSafeHwnd());
    // Only a pane of this tree takes tabs, and only from a tree.
    EXPECT_FALSE(pTree->AttachTreeToBar(pB, pOtherTree));
    EXPECT_FALSE(pTree->AttachTreeToBar(pA, nullptr));
    EXPECT_EQ(pFrame, pA->GetParent());
    EXPECT_EQ(pFrame, pB->GetParent());

    ASSERT_TRUE(pTree->AttachTreeToBar(pA, pOtherTree));
    PumpMessages();
    HWND hTabWnd = NULL;
    CTavoPBaseTabWnd* pTabWnd = pA->GetParentTabWnd(hTabWnd);
    ASSERT_NE(nullptr, pTabWnd);
    auto* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pTabWnd->GetParent());
    ASSERT_NE(nullptr, pTabbed);
    ASSERT_EQ(3, pTabbed->GetTabsNum());
    EXPECT_EQ(pA, pTabbed->FindBarByTabNumber(0));
    EXPECT_EQ(pB, pTabbed->FindBarByTabNumber(1));
    EXPECT_EQ(pC, pTabbed->FindBarByTabNumber(2));
    // The group stands in A's place; the hidden pane stays in its own tree.
    EXPECT_EQ(CRect(100, 50, 300, 250), RectInParent(pTabbed));
    EXPECT_EQ("F", NodePath(pTree->GetRootContainer(), pTabbed));
    EXPECT_FALSE(pTree->IsBarInTree(pA));
    EXPECT_EQ(pFirst, pTabbed->GetDefaultSlider());
    EXPECT_FALSE(pOtherTree->IsBarInTree(pB));
    EXPECT_FALSE(pOtherTree->IsBarInTree(pC));
    EXPECT_TRUE(pOtherTree->IsBarInTree(pHidden));
    pTabbed->DestroyWindow();
}

} // namespace
