// The hot-tracking header in a real window under real mouse moves: which item is hot, when it repaints, and what reaches the screen through the visual manager.
#include "ui/controls/CTavoPHotTrackHeader.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "tests/support/BarTestSupport.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

const COLORREF kHotFill = RGB(0, 160, 240);
const COLORREF kPressedFill = RGB(240, 100, 0);

// A look that fills a highlighted item, and a pressed one, with a colour of its own, and keeps
// the sort arrows it is asked for.
class HeaderLook : public CTavoPVisualManager
{
    DECLARE_DYNCREATE(HeaderLook)
public:
    struct Arrow
    {
        CRect rect;
        BOOL bIsUp;
    };
    static std::vector<Arrow>& Arrows()
    {
        static std::vector<Arrow> arrows;
        return arrows;
    }
    void OnDrawHeaderItemBorder(CWnd* pHeader, CDC* pDC, CRect& rect, BOOL bIsPressed,
                                BOOL bIsHighlighted) override
    {
        if (bIsPressed)
            pDC->FillSolidRect(rect, kPressedFill);
        else if (bIsHighlighted)
            pDC->FillSolidRect(rect, kHotFill);
        CTavoPVisualManager::OnDrawHeaderItemBorder(pHeader, pDC, rect, bIsPressed, bIsHighlighted);
    }
    void OnDrawHeaderSortArrow(CWnd* pHeader, CDC* pDC, CRect rectArrow, BOOL bIsUp) override
    {
        Arrows().push_back({rectArrow, bIsUp});
        CTavoPVisualManager::OnDrawHeaderSortArrow(pHeader, pDC, rectArrow, bIsUp);
    }
};
IMPLEMENT_DYNCREATE(HeaderLook, CTavoPVisualManager)

// Counts what it draws.
class CountingHeader : public CTavoPHotTrackHeader
{
public:
    struct Drawn
    {
        int iItem;
        CRect rect;
        BOOL bIsPressed;
        BOOL bIsHighlighted;
    };
    std::vector<Drawn> drawn;
    void OnDrawItem(CDC* pDC, int iItem, CRect rect, BOOL bIsPressed, BOOL bIsHighlighted) override
    {
        drawn.push_back({iItem, rect, bIsPressed, bIsHighlighted});
        CTavoPHotTrackHeader::OnDrawItem(pDC, iItem, rect, bIsPressed, bIsHighlighted);
    }
};

// Pumps until the condition holds, for at most a few seconds.
bool PumpUntil(const std::function<bool()>& condition)
{
    for (int i = 0; i < 250 && !condition(); i++)
        PumpFor(20);
    return condition();
}

class HotTrackHeaderFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(HeaderLook));
        HeaderLook::Arrows().clear();
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "header", WS_POPUP | WS_VISIBLE, 100,
                                    100, 400, 80, nullptr, nullptr));
        ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ | HDS_BUTTONS,
                                  CRect(0, 0, 400, 24), &parent, 1));
        const char* const captions[] = {"One", "Two", "Three"};
        for (int i = 0; i < 3; i++)
        {
            HDITEM hdi = {};
            hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
            hdi.pszText = (LPSTR)captions[i];
            hdi.cxy = 100;
            hdi.fmt = HDF_LEFT | HDF_STRING;
            ASSERT_EQ(i, header.InsertItem(i, &hdi));
        }
        parent.SetForegroundWindow();
        header.UpdateWindow();
        PumpFor(30);
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        PumpMessages();
        CTavoPVisualManager::SetDefaultManager(nullptr);
    }

    // A point on the screen in item i, away from its caption and edges.
    CPoint InItem(int i) const
    {
        CRect rect;
        header.GetItemRect(i, rect);
        CPoint point(rect.right - 20, rect.CenterPoint().y);
        header.ClientToScreen(&point);
        return point;
    }

    CWnd parent;
    CountingHeader header;
};

} // namespace

using HotTrackHeader = HotTrackHeaderFixture;

TEST_F(HotTrackHeader, HotItemFollowsTheMouseAndRepaintsOnlyWhenItChanges)
{
    const CPoint one = InItem(0), two = InItem(1);
    std::vector<int> hot;
    std::vector<size_t> drawnItems;
    std::vector<COLORREF> pixelsOne, pixelsTwo;
    const COLORREF face = GetGlobalData().clrBtnFace;
    const COLORREF expectedOne[] = {kHotFill, face, face},
                   expectedTwo[] = {face, kHotFill, kHotFill};
    auto look = [&]() {
        const size_t i = hot.size();
        hot.push_back(header.GetHighlightedItem());
        drawnItems.push_back(header.drawn.size());
        pixelsOne.push_back(ScreenPixel(one, expectedOne[i]));
        pixelsTwo.push_back(ScreenPixel(two, expectedTwo[i]));
    };
    RunMouse({{MouseStep::Move, one.x, one.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Move, two.x, two.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Move, two.x - 30, two.y + 2},
              {MouseStep::Pause, 0, 0}},
             look);

    ASSERT_EQ(3u, hot.size());
    EXPECT_EQ(0, hot[0]);
    EXPECT_EQ(1, hot[1]);
    EXPECT_EQ(1, hot[2]);
    for (size_t i = 0; i < 3; i++)
    {
        EXPECT_EQ(expectedOne[i], pixelsOne[i]) << "first item at stop " << i;
        EXPECT_EQ(expectedTwo[i], pixelsTwo[i]) << "second item at stop " << i;
    }
    EXPECT_EQ(drawnItems[1], drawnItems[2]) << "a move inside the hot item paints nothing";
}

TEST_F(HotTrackHeader, HighlightEndsWhenThePointerLeavesOrTheModeIsCancelled)
{
    struct Case
    {
        const char* name;
        std::function<void()> end;
    };
    const CPoint outside(InItem(1).x, InItem(1).y + 40);
    const Case cases[] = {
        {"the pointer leaves the header",
         [&]() {
             RunMouse({{MouseStep::Move, outside.x, outside.y}});
             PumpUntil([&]() { return header.GetHighlightedItem() == -1; });
         }},
        {"a cancelled mode", [&]() { header.SendMessage(WM_CANCELMODE); }},
    };
    for (const Case& c : cases)
    {
        const CPoint two = InItem(1);
        RunMouse({{MouseStep::Move, two.x - 5, two.y}, {MouseStep::Move, two.x, two.y}});
        ASSERT_EQ(1, header.GetHighlightedItem()) << c.name;
        ASSERT_EQ(kHotFill, ScreenPixel(two, kHotFill)) << c.name;
        c.end();
        EXPECT_EQ(-1, header.GetHighlightedItem()) << c.name;
        EXPECT_EQ(GetGlobalData().clrBtnFace, ScreenPixel(two, GetGlobalData().clrBtnFace))
            << c.name;
        RunMouse({{MouseStep::Move, outside.x, outside.y}});
    }
}

TEST_F(HotTrackHeader, HeldButtonPressesItsItemAndKeepsTheHotOne)
{
    const CPoint one = InItem(0), two = InItem(1);
    std::vector<int> hot;
    std::vector<COLORREF> pixels;
    RunMouse({{MouseStep::Move, one.x, one.y},
              {MouseStep::Down, 0, 0},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Move, two.x, two.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Up, 0, 0}},
             [&]() {
                 header.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
                 hot.push_back(header.GetHighlightedItem());
                 pixels.push_back(ScreenPixel(one, kPressedFill));
             });
    ASSERT_EQ(2u, hot.size());
    EXPECT_EQ(kPressedFill, pixels[0]) << "the item under the pressed button";
    EXPECT_EQ(0, hot[1]) << "moves with the button held leave the hot item";
}

TEST_F(HotTrackHeader, PaintsEveryItemThenTheEmptyRestAndSortArrows)
{
    HDITEM hdi = {};
    hdi.mask = HDI_FORMAT;
    hdi.fmt = HDF_LEFT | HDF_STRING | HDF_SORTUP;
    ASSERT_TRUE(header.SetItem(1, &hdi));
    hdi.fmt = HDF_RIGHT | HDF_STRING | HDF_SORTDOWN;
    ASSERT_TRUE(header.SetItem(2, &hdi));

    header.drawn.clear();
    HeaderLook::Arrows().clear();
    header.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_EQ(4u, header.drawn.size());
    for (int i = 0; i < 3; i++)
    {
        CRect rect;
        header.GetItemRect(i, rect);
        EXPECT_EQ(i, header.drawn[i].iItem);
        EXPECT_EQ(rect, header.drawn[i].rect);
    }
    EXPECT_EQ(-1, header.drawn[3].iItem);
    EXPECT_EQ(CRect(300, 0, 401, 24), header.drawn[3].rect) << "one pixel past the client";

    ASSERT_EQ(2u, HeaderLook::Arrows().size());
    EXPECT_TRUE(HeaderLook::Arrows()[0].bIsUp);
    EXPECT_FALSE(HeaderLook::Arrows()[1].bIsUp);
    for (int i = 0; i < 2; i++)
    {
        CRect rectItem;
        header.GetItemRect(i + 1, rectItem);
        CRect rectArrow = HeaderLook::Arrows()[i].rect;
        EXPECT_FALSE(rectArrow.IsRectEmpty());
        EXPECT_EQ(rectArrow, rectArrow & rectItem) << "the arrow lies in its item";
    }

    // Without items the empty area is the whole header.
    while (header.GetItemCount() > 0)
        header.DeleteItem(0);
    header.drawn.clear();
    header.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_EQ(1u, header.drawn.size());
    EXPECT_EQ(-1, header.drawn[0].iItem);
    EXPECT_EQ(CRect(0, 0, 401, 24), header.drawn[0].rect);
}
