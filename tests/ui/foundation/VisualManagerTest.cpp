#include "tests/ui/foundation/VisualTestBars.h"
#include "tests/ui/foundation/VisualTestCanvas.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPVisualManagerXP.h"
#include "ui/bars/CTavoPBarNcPainter.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"

#include <gtest/gtest.h>
#include <functional>

using namespace vmtest;

// A manager class without a factory: GetInstance cannot build it.
class CNoFactoryManager : public CTavoPVisualManager
{
    DECLARE_DYNAMIC(CNoFactoryManager)
};
IMPLEMENT_DYNAMIC(CNoFactoryManager, CTavoPVisualManager)

namespace {

class VisualManagerSingleton : public ::testing::Test
{
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset()
    {
        CTavoPVisualManager::SetDefaultManager(NULL);
        CTavoPVisualManager::DestroyInstance();
    }
};

struct SingletonCase
{
    const char* name;
    std::function<void()> act;
    const char* expectedClass;
    BOOL expectedAutoCreated;
};

TEST_F(VisualManagerSingleton, FollowsTheSelectedClass)
{
    const SingletonCase cases[] = {
        {"first use without a selection makes a base manager", [] {}, "CTavoPVisualManager", TRUE},
        {"selecting the XP class replaces the current manager",
         [] {
             CTavoPVisualManager::GetInstance();
             CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CTavoPVisualManagerXP));
         },
         "CTavoPVisualManagerXP", TRUE},
        {"a null class brings the base look back",
         [] {
             CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CTavoPVisualManagerXP));
             CTavoPVisualManager::GetInstance();
             CTavoPVisualManager::SetDefaultManager(NULL);
         },
         "CTavoPVisualManager", TRUE},
        {"a class not derived from the manager is ignored",
         [] {
             CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CTavoPVisualManagerXP));
             CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CTavoPToolBar));
         },
         "CTavoPVisualManagerXP", TRUE},
        {"a class without a factory falls back to a base manager",
         [] { CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CNoFactoryManager)); },
         "CTavoPVisualManager", TRUE},
        {"a temporary instance never becomes the current one",
         [] { CTavoPVisualManagerXP probe(TRUE); }, "CTavoPVisualManager", TRUE},
        {"an instance the program makes itself is current and not auto-created",
         [] { new CTavoPVisualManagerXP; }, "CTavoPVisualManagerXP", FALSE},
    };

    for (const SingletonCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        Reset();
        c.act();
        CTavoPVisualManager* pManager = CTavoPVisualManager::GetInstance();
        ASSERT_NE(pManager, nullptr);
        EXPECT_STREQ(pManager->GetRuntimeClass()->m_lpszClassName, c.expectedClass);
        EXPECT_EQ(pManager->IsAutoDestroy(), c.expectedAutoCreated);
        EXPECT_EQ(CTavoPVisualManager::GetInstance(), pManager);
    }
}

TEST_F(VisualManagerSingleton, IgnoredClassKeepsTheSameInstance)
{
    CTavoPVisualManager* pBefore = CTavoPVisualManager::GetInstance();
    CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CObject));
    EXPECT_EQ(CTavoPVisualManager::GetInstance(), pBefore);
    EXPECT_EQ(CTavoPVisualManager::GetDefaultManager(), nullptr);
}

TEST_F(VisualManagerSingleton, TemporaryInstanceLeavesTheCurrentOne)
{
    CTavoPVisualManager* pCurrent = CTavoPVisualManager::GetInstance();
    {
        CTavoPVisualManagerXP probe(TRUE);
        EXPECT_TRUE(probe.IsTemporary());
    }
    EXPECT_EQ(CTavoPVisualManager::GetInstance(), pCurrent);
}

TEST_F(VisualManagerSingleton, CleanUpDeletesOnlyAnAutoCreatedInstance)
{
    CTavoPVisualManager* pOwn = new CTavoPVisualManagerXP;
    CTavoPVisualManager::DestroyInstance(TRUE);
    EXPECT_EQ(CTavoPVisualManager::GetInstance(), pOwn);
    delete pOwn;

    CTavoPVisualManager* pAuto = CTavoPVisualManager::GetInstance();
    EXPECT_NE(pAuto, nullptr);
    CTavoPVisualManager::DestroyInstance(TRUE);
    CTavoPVisualManager* pNext = CTavoPVisualManager::GetInstance();
    EXPECT_TRUE(pNext->IsAutoDestroy());
}

class BaseLookPixels : public ClassicPaletteTest
{
protected:
    CTavoPVisualManager vm{TRUE};
};

TEST_F(BaseLookPixels, BarBorderDrawsRaisedEdgesAndShrinksTheRect)
{
    VisualCanvas canvas(20, 10);
    TestBar<CTavoPToolBar> bar;
    bar.SetBarStyle(CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_RIGHT | CBRS_BORDER_BOTTOM);
    bar.SetCanFloat(TRUE);
    CRect rect(0, 0, 20, 10);
    vm.OnDrawBarBorder(canvas.pdc(), &bar, rect);

    EXPECT_EQ(canvas.Pixel(0, 0), kHilite);
    EXPECT_EQ(canvas.Pixel(0, 8), kHilite);
    EXPECT_EQ(canvas.Pixel(18, 0), kHilite);
    EXPECT_EQ(canvas.Pixel(19, 0), kShadow);
    EXPECT_EQ(canvas.Pixel(0, 9), kShadow);
    EXPECT_EQ(canvas.Pixel(19, 9), kShadow);
    EXPECT_EQ(canvas.Pixel(5, 5), kBack);
    EXPECT_EQ(rect, CRect(1, 1, 19, 9));
}

TEST_F(BaseLookPixels, BarThatCannotFloatGetsAGrooveOnTop)
{
    VisualCanvas canvas(20, 10);
    TestBar<CTavoPToolBar> bar;
    bar.SetBarStyle(CBRS_BORDER_RIGHT);
    bar.SetCanFloat(FALSE);
    CRect rect(0, 0, 20, 10);
    vm.OnDrawBarBorder(canvas.pdc(), &bar, rect);

    EXPECT_EQ(canvas.Pixel(0, 0), kShadow);
    EXPECT_EQ(canvas.Pixel(19, 0), kShadow);
    EXPECT_EQ(canvas.Pixel(0, 1), kHilite);
    EXPECT_EQ(canvas.Pixel(19, 1), kHilite);
    EXPECT_EQ(canvas.Pixel(19, 5), kShadow);
    EXPECT_EQ(canvas.Pixel(0, 2), kBack);
    EXPECT_EQ(rect, CRect(0, 0, 19, 10));
}

TEST_F(BaseLookPixels, FloatingOrBorderlessBarDrawsNoBorder)
{
    struct
    {
        BOOL floating;
        DWORD style;
    } cases[] = {{TRUE, CBRS_BORDER_LEFT | CBRS_BORDER_TOP}, {FALSE, 0}};
    for (const auto& c : cases)
    {
        VisualCanvas canvas(20, 10);
        TestBar<CTavoPToolBar> bar;
        if (c.floating)
        {
            ASSERT_TRUE(bar.Float());
        }
        bar.SetBarStyle(c.style);
        bar.SetCanFloat(FALSE);
        CRect rect(0, 0, 20, 10);
        vm.OnDrawBarBorder(canvas.pdc(), &bar, rect);
        EXPECT_EQ(canvas.Count(kBack, 0, 0, 20, 10), 200);
        EXPECT_EQ(rect, CRect(0, 0, 20, 10));
    }
}

// A bar whose non-client area the painter sizes and paints, 30 wide and 100 long when docked
// on a vertical side.
class NcPaintedBar : public CTavoPControlBar
{
public:
    NcPaintedBar() : m_painter(this) {}
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override
    {
        return bHorz ? CSize(100, 30) : CSize(30, 100);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCCALCSIZE)
        {
            m_painter.CalcNcSize(&((NCCALCSIZE_PARAMS*)lParam)->rgrc[0]);
            return 0;
        }
        if (message == WM_NCPAINT)
        {
            m_painter.DrawNcArea();
            return 0;
        }
        return CTavoPControlBar::WindowProc(message, wParam, lParam);
    }
    CTavoPBarNcPainter m_painter;
};

TEST_F(BaseLookPixels, TheNonClientAreaOfADockedBarHasItsBorderAndGripperAFloatingOneNeither)
{
    CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CTavoPVisualManager));
    CTavoPVisualManager::DestroyInstance();
    CTavoPFrameWnd* pFrame = new CTavoPFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "nc", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200)));
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    NcPaintedBar bar;
    ASSERT_TRUE(
        bar.Create(NULL, WS_CHILD | WS_VISIBLE | CBRS_GRIPPER, CRect(0, 0, 100, 30), pFrame, 1));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);

    // Docked: borders all round, the inside 1 + 6 + 7 pixels down for the border, the left
    // border value and the gripper, whose two bars lie across it.
    CRect rectClient;
    bar.GetClientRect(rectClient);
    bar.ClientToScreen(rectClient);
    CRect rectWindow;
    bar.GetWindowRect(rectWindow);
    EXPECT_EQ(14, rectClient.top - rectWindow.top);
    CRect rectGripper;
    bar.m_painter.GetGripperRect(rectGripper, FALSE);
    EXPECT_EQ(CRect(0, 0, 30, 13), rectGripper);
    {
        VisualCanvas canvas(30, 100);
        bar.m_painter.PaintNcArea(canvas.pdc());
        EXPECT_EQ(kHilite, canvas.Pixel(0, 50));
        EXPECT_EQ(kShadow, canvas.Pixel(29, 50));
        EXPECT_EQ(kShadow, canvas.Pixel(15, 99));
        EXPECT_EQ(kHilite, canvas.Pixel(10, 5));
        EXPECT_EQ(kShadow, canvas.Pixel(10, 7));
        EXPECT_EQ(kHilite, canvas.Pixel(10, 9));
        EXPECT_EQ(kShadow, canvas.Pixel(10, 11));
        EXPECT_EQ(kFace, canvas.Pixel(10, 30));
    }

    ASSERT_TRUE(bar.FloatControlBar(CRect(400, 400, 500, 430), TAVOP_DM_RECT, TRUE));
    {
        bar.GetWindowRect(rectWindow);
        VisualCanvas canvas(rectWindow.Width(), rectWindow.Height());
        bar.m_painter.PaintNcArea(canvas.pdc());
        EXPECT_EQ(0, canvas.Count(kHilite, 0, 0, rectWindow.Width(), rectWindow.Height()));
        EXPECT_EQ(0, canvas.Count(kShadow, 0, 0, rectWindow.Width(), rectWindow.Height()));
    }
    pFrame->DestroyWindow();
    CTavoPVisualManager::SetDefaultManager(NULL);
    CTavoPVisualManager::DestroyInstance();
}

TEST_F(BaseLookPixels, SeparatorIsATwoPixelGrooveInTheMiddle)
{
    VisualCanvas canvas(20, 20);
    CTavoPToolBar bar;
    vm.OnDrawSeparator(canvas.pdc(), &bar, CRect(0, 0, 10, 20), TRUE);
    EXPECT_EQ(canvas.Pixel(4, 10), kShadow);
    EXPECT_EQ(canvas.Pixel(5, 10), kHilite);
    EXPECT_EQ(canvas.Pixel(3, 10), kBack);
    EXPECT_EQ(canvas.Pixel(6, 10), kBack);

    vm.OnDrawSeparator(canvas.pdc(), &bar, CRect(10, 0, 20, 10), FALSE);
    EXPECT_EQ(canvas.Pixel(15, 4), kShadow);
    EXPECT_EQ(canvas.Pixel(15, 5), kHilite);
    EXPECT_EQ(canvas.Pixel(15, 3), kBack);
    EXPECT_EQ(canvas.Pixel(15, 6), kBack);
}

// Raised bars of a gripper met along one row or column: each starts with a highlight pixel.
static int CountGripperBars(VisualCanvas& canvas, BOOL bHorz)
{
    int nBars = 0;
    for (int i = 1; i < 20; i++)
    {
        COLORREF c = bHorz ? canvas.Pixel(i, 10) : canvas.Pixel(10, i);
        COLORREF prev = bHorz ? canvas.Pixel(i - 1, 10) : canvas.Pixel(10, i - 1);
        if (c == kHilite && prev == kBack)
            nBars++;
    }
    return nBars;
}

TEST_F(BaseLookPixels, GripperHasTwoBarsInTheNormalLookAndOneInLook2000)
{
    const BOOL horizontal[] = {TRUE, FALSE};
    for (BOOL bHorz : horizontal)
    {
        SCOPED_TRACE(bHorz ? "horizontal" : "vertical");
        VisualCanvas normal(20, 20);
        vm.SetLook2000(FALSE);
        vm.OnDrawBarGripper(normal.pdc(), CRect(0, 0, 20, 20), bHorz, NULL);
        EXPECT_EQ(CountGripperBars(normal, bHorz), 2);

        VisualCanvas flat(20, 20);
        vm.SetLook2000(TRUE);
        vm.OnDrawBarGripper(flat.pdc(), CRect(0, 0, 20, 20), bHorz, NULL);
        EXPECT_EQ(CountGripperBars(flat, bHorz), 1);
    }
    // Horizontal normal look: bars from x 8 and x 12, the rect shrunk by 2 at top and bottom.
    VisualCanvas canvas(20, 20);
    vm.SetLook2000(FALSE);
    vm.OnDrawBarGripper(canvas.pdc(), CRect(0, 0, 20, 20), TRUE, NULL);
    EXPECT_EQ(canvas.Pixel(8, 2), kHilite);
    EXPECT_EQ(canvas.Pixel(10, 10), kShadow);
    EXPECT_EQ(canvas.Pixel(12, 10), kHilite);
    EXPECT_EQ(canvas.Pixel(8, 1), kBack);
    EXPECT_EQ(canvas.Pixel(8, 16), kHilite);
}

// Bounding box of the pixels of one colour inside the rect.
static CRect ColorBox(VisualCanvas& canvas, COLORREF clr, const CRect& area)
{
    CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++)
            if (canvas.Pixel(x, y) == clr)
            {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

TEST_F(BaseLookPixels, CaptionButtonPushedAndHotIsSunkenWithItsGlyphMoved)
{
    ASSERT_TRUE(CTavoPMenuGlyphImages::Initialize());
    // A close button: the 9 x 9 glyph with a margin of 2 all round, at (2, 2).
    CTavoPCaptionButton button;
    button.m_nHit = HTCLOSE;
    button.m_ptOrg = CPoint(2, 2);
    ASSERT_EQ(button.GetRect(), CRect(2, 2, 15, 15));
    const CRect inner(4, 4, 13, 13);

    VisualCanvas resting(20, 18);
    vm.OnDrawCaptionButton(resting.pdc(), &button, FALSE, TRUE, FALSE, FALSE);
    EXPECT_EQ(resting.Pixel(2, 2), kLight);
    EXPECT_EQ(resting.Pixel(14, 14), kDkShadow);
    EXPECT_EQ(resting.Pixel(3, 3), kHilite);
    EXPECT_EQ(resting.Pixel(13, 13), kShadow);

    VisualCanvas sunken(20, 18);
    button.m_bPushed = TRUE;
    button.m_bFocused = TRUE;
    vm.OnDrawCaptionButton(sunken.pdc(), &button, FALSE, TRUE, FALSE, FALSE);
    EXPECT_EQ(sunken.Pixel(2, 2), kDkShadow);
    EXPECT_EQ(sunken.Pixel(14, 2), kLight);
    EXPECT_EQ(sunken.Pixel(14, 14), kLight);
    EXPECT_EQ(sunken.Pixel(3, 3), kDkShadow);
    EXPECT_EQ(sunken.Pixel(13, 13), kHilite);

    const CRect glyphResting = ColorBox(resting, RGB(0, 0, 0), inner);
    const CRect glyphSunken = ColorBox(sunken, RGB(0, 0, 0), inner);
    ASSERT_FALSE(glyphResting.IsRectEmpty());
    CRect moved = glyphResting;
    moved.OffsetRect(1, 1);
    EXPECT_EQ(glyphSunken, moved);
}

TEST_F(BaseLookPixels, DisabledCaptionButtonHasAGreyGlyphAndNoBorder)
{
    ASSERT_TRUE(CTavoPMenuGlyphImages::Initialize());
    CTavoPCaptionButton button;
    button.m_nHit = HTCLOSE;
    button.m_ptOrg = CPoint(2, 2);
    button.m_bPushed = TRUE;
    button.m_bFocused = TRUE;
    VisualCanvas canvas(20, 18);
    vm.OnDrawCaptionButton(canvas.pdc(), &button, TRUE, TRUE, FALSE, TRUE);

    EXPECT_EQ(canvas.Pixel(2, 2), kBack);
    EXPECT_EQ(canvas.Pixel(14, 14), kBack);
    EXPECT_GT(canvas.Count(RGB(128, 128, 128), 3, 3, 14, 14), 0);
    EXPECT_EQ(canvas.Count(RGB(0, 0, 0), 0, 0, 20, 18), 0);
    EXPECT_EQ(canvas.Count(RGB(255, 255, 255), 0, 0, 20, 18), 0);
}

TEST_F(BaseLookPixels, ProgressFillsItsShareOfTheRange)
{
    const COLORREF kBar = RGB(255, 0, 0);
    struct
    {
        const char* name;
        long total, current;
        int lastFilled; // -1: nothing
    } cases[] = {
        {"range 0 draws nothing", 0, 5, -1},
        {"half", 200, 100, 49},
        {"position beyond the range is held at the end", 300, 450, 99},
        {"negative position is held at the start", 300, -50, -1},
        {"a large range does not overflow", 0x7FFFFFFF, 0x7FFFFFFE, 98},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        VisualCanvas canvas(100, 10);
        vm.OnDrawStatusBarProgress(canvas.pdc(), NULL, CRect(0, 0, 100, 10), c.total, c.current,
                                   kBar, (COLORREF)-1, (COLORREF)-1, FALSE);
        EXPECT_EQ(canvas.Count(kBar, 0, 0, 100, 10), (c.lastFilled + 1) * 10);
        if (c.lastFilled >= 0)
        {
            EXPECT_EQ(canvas.Pixel(c.lastFilled, 5), kBar);
        }
    }
}

TEST_F(BaseLookPixels, ProgressWithRangeZeroDrawsNotEvenItsText)
{
    VisualCanvas canvas(100, 20);
    vm.OnDrawStatusBarProgress(canvas.pdc(), NULL, CRect(0, 0, 100, 20), 0, 0, RGB(255, 0, 0),
                               RGB(0, 0, 255), RGB(0, 0, 0), TRUE);
    EXPECT_EQ(canvas.Count(kBack, 0, 0, 100, 20), 2000);
}

TEST_F(BaseLookPixels, ProgressTextShowsOverTheWholeBar)
{
    VisualCanvas canvas(100, 20);
    vm.OnDrawStatusBarProgress(canvas.pdc(), NULL, CRect(0, 0, 100, 20), 4, 1, RGB(255, 0, 0),
                               (COLORREF)-1, RGB(0, 255, 0), TRUE);
    // "25%" is centred, past the filled quarter: button text colour there.
    EXPECT_GT(canvas.Count(RGB(0, 0, 0), 25, 0, 100, 20), 0);
    EXPECT_EQ(canvas.Count(RGB(255, 0, 0), 25, 0, 100, 20), 0);
}

TEST_F(BaseLookPixels, SizeBoxDrawsTheMarlettGripInsideItsRect)
{
    VisualCanvas canvas(40, 40);
    HGDIOBJ hOldFont = ::SelectObject(canvas.dc(), GetGlobalData().fontMarlett.GetSafeHandle());
    char szFace[LF_FACESIZE] = "";
    ::GetTextFaceA(canvas.dc(), sizeof(szFace), szFace);
    ::SelectObject(canvas.dc(), hOldFont);
    EXPECT_STREQ(szFace, "Marlett");

    const CRect rect(10, 10, 30, 30);
    vm.OnDrawStatusBarSizeBox(canvas.pdc(), NULL, rect);
    // The strokes are smoothed: count every pixel the glyph touched.
    const int all = 40 * 40 - canvas.Count(kBack, 0, 0, 40, 40);
    const int inside = 20 * 20 - canvas.Count(kBack, 10, 10, 30, 30);
    EXPECT_GT(inside, 10);
    EXPECT_EQ(all, inside);
    // The grip lies in the lower right: the upper left of the rect stays empty, and so does the
    // cell behind the strokes.
    EXPECT_EQ(canvas.Count(kBack, 10, 10, 20, 20), 100);
    EXPECT_EQ(canvas.Count(RGB(255, 255, 255), 0, 0, 40, 40), 0);
    // The grip's strokes run down to the bottom row, where a letter would leave its descent empty.
    EXPECT_LT(canvas.Count(kBack, 10, 29, 30, 30), 20);
    // Font, alignment and colour of the DC are as they were.
    EXPECT_EQ(::GetTextAlign(canvas.dc()), (UINT)(TA_LEFT | TA_TOP));
    EXPECT_EQ(::GetTextColor(canvas.dc()), RGB(0, 0, 0));
}

TEST_F(BaseLookPixels, TopTabHasCutCornersAndMeetsTheClientArea)
{
    VisualCanvas canvas(70, 30);
    TestTabWnd tabs;
    vm.OnDrawTab(canvas.pdc(), CRect(10, 5, 60, 25), 0, TRUE, &tabs);

    EXPECT_EQ(canvas.Pixel(10, 5), kBack);
    EXPECT_EQ(canvas.Pixel(60, 5), kBack);
    EXPECT_EQ(canvas.Pixel(11, 6), kHilite);
    EXPECT_EQ(canvas.Pixel(30, 5), kHilite);
    EXPECT_EQ(canvas.Pixel(10, 15), kHilite);
    EXPECT_EQ(canvas.Pixel(59, 6), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(60, 15), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(59, 15), kShadow);
    EXPECT_EQ(canvas.Pixel(30, 26), kFace);
}

TEST_F(BaseLookPixels, BottomTabHasCutCornersBelow)
{
    VisualCanvas canvas(70, 30);
    TestTabWnd tabs;
    tabs.SetLocation(CTavoPBaseTabWnd::LOCATION_BOTTOM);
    vm.OnDrawTab(canvas.pdc(), CRect(10, 5, 60, 25), 1, FALSE, &tabs);

    EXPECT_EQ(canvas.Pixel(10, 25), kBack);
    EXPECT_EQ(canvas.Pixel(60, 25), kBack);
    EXPECT_EQ(canvas.Pixel(10, 10), kHilite);
    EXPECT_EQ(canvas.Pixel(11, 22), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(30, 23), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(30, 22), kShadow);
    EXPECT_EQ(canvas.Pixel(60, 10), RGB(0, 0, 0));
}

TEST_F(BaseLookPixels, FlatTabIsATrapezoid)
{
    VisualCanvas canvas(70, 30);
    TestTabWnd tabs;
    tabs.SetFlat(TRUE);
    vm.OnDrawTab(canvas.pdc(), CRect(10, 5, 60, 25), 0, TRUE, &tabs);
    // Slanted sides 10 pixels wide: the top corners are cut, the bottom ones are not.
    EXPECT_EQ(canvas.Pixel(11, 7), kBack);
    EXPECT_EQ(canvas.Pixel(58, 7), kBack);
    EXPECT_EQ(canvas.Pixel(20, 6), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(30, 25), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(30, 15), RGB(255, 255, 255));
}

TEST_F(BaseLookPixels, CheckedButtonInteriorIsFilledLightOnlyWhenNotHot)
{
    CTavoPToolbarButton button;
    button.m_nStyle = TBBS_CHECKED;
    const COLORREF kLightBrush = RGB(223, 223, 223);

    VisualCanvas normal(20, 20);
    vm.OnFillButtonInterior(normal.pdc(), &button, CRect(0, 0, 20, 20), TAVOP_BUTTON_NORMAL);
    EXPECT_EQ(normal.Pixel(10, 10), kLightBrush);
    EXPECT_EQ(normal.Pixel(1, 1), kBack);

    VisualCanvas hot(20, 20);
    vm.OnFillButtonInterior(hot.pdc(), &button, CRect(0, 0, 20, 20), TAVOP_BUTTON_HIGHLIGHTED);
    EXPECT_EQ(hot.Pixel(10, 10), kBack);

    CTavoPOutlookButton outlook;
    outlook.m_nStyle = TBBS_CHECKED;
    VisualCanvas none(20, 20);
    vm.OnFillButtonInterior(none.pdc(), &outlook, CRect(0, 0, 20, 20), TAVOP_BUTTON_NORMAL);
    EXPECT_EQ(none.Pixel(10, 10), kBack);
}

TEST_F(BaseLookPixels, ButtonTextColourFollowsStateAndKind)
{
    CTavoPToolbarButton button;
    CTavoPOutlookButton outlook;
    EXPECT_EQ(vm.GetToolbarButtonTextColor(&button, TAVOP_BUTTON_NORMAL), RGB(0, 0, 0));
    EXPECT_EQ(vm.GetToolbarButtonTextColor(&outlook, TAVOP_BUTTON_NORMAL),
              ::GetSysColor(COLOR_WINDOW));
    button.m_nStyle = TBBS_DISABLED;
    outlook.m_nStyle = TBBS_DISABLED;
    EXPECT_EQ(vm.GetToolbarButtonTextColor(&button, TAVOP_BUTTON_HIGHLIGHTED), RGB(128, 128, 128));
    EXPECT_EQ(vm.GetToolbarButtonTextColor(&outlook, TAVOP_BUTTON_NORMAL),
              ::GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(vm.GetHighlightedMenuItemTextColor(&button), RGB(255, 255, 255));

    // While the toolbars are customized, a command that may not be customized draws disabled.
    CTavoPToolbarButton closeButton;
    closeButton.m_nID = SC_CLOSE;
    CTavoPToolBar::SetCustomizeMode(TRUE);
    EXPECT_EQ(vm.GetToolbarButtonTextColor(&closeButton, TAVOP_BUTTON_NORMAL), RGB(128, 128, 128));
    CTavoPToolBar::SetCustomizeMode(FALSE);
    EXPECT_EQ(vm.GetToolbarButtonTextColor(&closeButton, TAVOP_BUTTON_NORMAL), RGB(0, 0, 0));
}

TEST_F(BaseLookPixels, CaptionBarIsFilledWithItsOwnColourOrShadow)
{
    VisualCanvas canvas(20, 10);
    TestCaptionBar caption;
    vm.OnFillBarBackground(canvas.pdc(), &caption, CRect(0, 0, 20, 10), CRect(0, 0, 10, 10));
    EXPECT_EQ(canvas.Pixel(5, 5), kShadow);
    EXPECT_EQ(canvas.Pixel(15, 5), kBack);

    caption.SetBackgroundColor(RGB(10, 20, 30));
    vm.OnFillBarBackground(canvas.pdc(), &caption, CRect(0, 0, 20, 10), CRect(0, 0, 20, 10));
    EXPECT_EQ(canvas.Pixel(15, 5), RGB(10, 20, 30));

    CTavoPToolBar bar;
    vm.OnFillBarBackground(canvas.pdc(), &bar, CRect(0, 0, 20, 10), CRect());
    EXPECT_EQ(canvas.Pixel(15, 5), kFace);
}

} // namespace
