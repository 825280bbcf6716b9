// The outlook pane in a real window: its column of large buttons, the scroll buttons and their repeat, clicks, the background, and a property sheet's navigation pane.
#include "tests/support/BarTestSupport.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/CommandParentWnd.h"
#include "tests/support/DialogTemplate.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SyntheticInput.h"
#include "tests/support/WindowPixels.h"
#include "ui/controls/CTavoPPropertyPage.h"
#include "ui/controls/CTavoPPropertySheet.h"
#include "ui/controls/outlook/CTavoPOutlookBarPane.h"
#include "ui/controls/outlook/CTavoPOutlookButton.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

const UINT kFirstCommand = 32100;
const UINT kBackImage = 31001; // 8 x 8: four columns blue, four yellow
const COLORREF kBlue = RGB(0, 0, 200);
const COLORREF kYellow = RGB(200, 200, 0);

// A bitmap of one colour, as a program's button image would be.
HBITMAP SolidBitmap(int cx, int cy, COLORREF colour)
{
    HDC hdcScreen = ::GetDC(nullptr);
    HBITMAP hbmp = ::CreateCompatibleBitmap(hdcScreen, cx, cy);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hbmp);
    RECT rect = {0, 0, cx, cy};
    HBRUSH hbr = ::CreateSolidBrush(colour);
    ::FillRect(hdc, &rect, hbr);
    ::DeleteObject(hbr);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    ::ReleaseDC(nullptr, hdcScreen);
    return hbmp;
}

// Gives the pane n buttons with 32 x 32 images and one-line labels.
void AddButtons(CTavoPOutlookBarPane& pane, int n)
{
    HBITMAP hbmp = SolidBitmap(32, 32, RGB(0, 128, 0));
    for (int i = 0; i < n; i++)
    {
        CString strLabel;
        strLabel.Format("Item %d", i);
        ASSERT_EQ(i, pane.AddButton(hbmp, strLabel, kFirstCommand + i));
    }
    ::DeleteObject(hbmp);
}

CRect ScreenRect(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(rect);
    return rect;
}

CRect ButtonOnScreen(CTavoPOutlookBarPane& pane, int i)
{
    CRect rect = pane.GetButton(i)->Rect();
    pane.ClientToScreen(rect);
    return rect;
}

// Whether the window still had the timer: killing a timer that is gone fails.
bool HadTimer(CWnd& wnd, UINT_PTR id)
{
    return ::KillTimer(wnd.GetSafeHwnd(), id) != FALSE;
}

// The left button goes down over the point and stays down, while this thread pumps its
// messages through pre-translation as the program's loop does.
void Press(CPoint pt)
{
    PlayInput({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt.x, pt.y),
               MouseInput(MOUSEEVENTF_LEFTDOWN)});
}

void Release()
{
    PlayInput({MouseInput(MOUSEEVENTF_LEFTUP)});
}

// A click quicker than the scroll buttons' repeat.
void Click(CPoint pt)
{
    PlayInput({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt.x, pt.y),
               MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
}

bool Visible(CWnd& wnd)
{
    return (wnd.GetStyle() & WS_VISIBLE) != 0;
}

// Pumps until the condition holds, for at most a few seconds.
template <class F>
bool PumpUntil(F condition, DWORD dwMilliseconds = 4000)
{
    const DWORD dwStart = ::GetTickCount();
    while (!condition())
    {
        if (::GetTickCount() - dwStart > dwMilliseconds)
            return false;
        PumpFor(20, PumpPreTranslated);
    }
    return true;
}

class OutlookPaneFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Make("outlook", CRect(100, 100, 400, 800)));
        parent.SetForegroundWindow();
        pane.reset(new CTavoPOutlookBarPane);
        ASSERT_TRUE(pane->Create(&parent, CTavoPOutlookBarPane::kDefaultStyle, 0x3001));
        pane->SetWindowPos(NULL, 0, 0, 120, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        AddButtons(*pane, 6);
        PumpFor(50, PumpPreTranslated);
    }
    void TearDown() override
    {
        if (pane->GetSafeHwnd() != NULL)
            pane->DestroyWindow();
        parent.DestroyWindow();
        PumpMessages();
    }
    void Resize(int cy) { pane->SetWindowPos(NULL, 0, 0, 120, cy, SWP_NOZORDER | SWP_NOMOVE); }
    int ClientBottom()
    {
        CRect rect;
        pane->GetClientRect(rect);
        return rect.bottom;
    }

    CommandParentWnd parent;
    std::unique_ptr<CTavoPOutlookBarPane> pane;
};

using OutlookPane = OutlookPaneFixture;

} // namespace

TEST_F(OutlookPane, ButtonsStandInACentredColumnWithImageAndLabel)
{
    CRect rectClient;
    pane->GetClientRect(rectClient);
    int nBottom = rectClient.top;
    for (int i = 0; i < pane->GetCount(); i++)
    {
        SCOPED_TRACE(i);
        const CRect rect = pane->GetButton(i)->Rect();
        EXPECT_EQ(nBottom, rect.top);
        EXPECT_NEAR(rectClient.CenterPoint().x, rect.CenterPoint().x, 1);
        // Room for the image, a line of label and the margins.
        EXPECT_GT(rect.Height(), 32 + 10);
        EXPECT_TRUE(pane->GetButton(i)->IsKindOf(RUNTIME_CLASS(CTavoPOutlookButton)));
        nBottom = rect.bottom;
    }
}

TEST_F(OutlookPane, ScrollButtonsShowOnlyWhileTheButtonsDoNotFit)
{
    CTavoPButton& up = pane->GetScrollButton(TRUE);
    CTavoPButton& down = pane->GetScrollButton(FALSE);
    struct Case
    {
        const char* what;
        int nScrollSteps; // -1: as far as it goes
        bool bUp, bDown;
    } cases[] = {{"at the top", 0, false, true},
                 {"one step down", 1, true, true},
                 {"at the bottom", -1, true, false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        while (pane->GetFirstVisibleButton() > 0)
            pane->ScrollUp();
        for (int i = 0; c.nScrollSteps < 0 ? pane->CanScrollDown() != FALSE : i < c.nScrollSteps;
             i++)
            pane->ScrollDown();
        EXPECT_EQ(c.bUp, Visible(up));
        EXPECT_EQ(c.bDown, Visible(down));
        if (c.nScrollSteps < 0)
        {
            // The last button has reached the bottom, and not a step more.
            EXPECT_LE(pane->GetButton(pane->GetCount() - 1)->Rect().bottom, ClientBottom());
            EXPECT_LT(pane->GetFirstVisibleButton(), pane->GetCount());
        }
    }

    // Each step is the height of the button that leaves the top.
    while (pane->GetFirstVisibleButton() > 0)
        pane->ScrollUp();
    EXPECT_EQ(0, pane->GetScrollOffset());
    const int nFirstHeight = pane->GetButton(0)->Rect().Height();
    pane->ScrollDown();
    EXPECT_EQ(nFirstHeight, pane->GetScrollOffset());
    EXPECT_EQ(-nFirstHeight, pane->GetButton(0)->Rect().top);

    // A pane tall enough for all its buttons shows neither.
    Resize(600);
    EXPECT_EQ(0, pane->GetScrollOffset());
    EXPECT_FALSE(Visible(up));
    EXPECT_FALSE(Visible(down));
}

TEST_F(OutlookPane, HeldScrollButtonsStepToTheEndAndStopTheirTimers)
{
    CTavoPButton& up = pane->GetScrollButton(TRUE);
    CTavoPButton& down = pane->GetScrollButton(FALSE);
    ASSERT_TRUE(Visible(down));
    const CPoint ptDown = ScreenRect(down).CenterPoint();
    // A click is one step; held, the button repeats.
    Click(ptDown);
    EXPECT_EQ(1, pane->GetFirstVisibleButton());
    EXPECT_FALSE(HadTimer(*pane, CTavoPOutlookBarPane::kScrollDownId));
    Press(ptDown);
    EXPECT_TRUE(PumpUntil([&]() { return !pane->CanScrollDown(); }));
    // At the end the repeat stops, while the button is still held.
    EXPECT_FALSE(HadTimer(*pane, CTavoPOutlookBarPane::kScrollDownId));
    Release();
    EXPECT_FALSE(Visible(down));
    const int nLast = pane->GetFirstVisibleButton();
    EXPECT_GE(nLast, 2);

    // A click on the up button is one step.
    ASSERT_TRUE(Visible(up));
    const CPoint ptUp = ScreenRect(up).CenterPoint();
    Click(ptUp);
    EXPECT_EQ(nLast - 1, pane->GetFirstVisibleButton());
    EXPECT_FALSE(HadTimer(*pane, CTavoPOutlookBarPane::kScrollUpId));

    // Held, it goes back to the top and stops there.
    Press(ptUp);
    EXPECT_TRUE(PumpUntil([&]() { return pane->GetFirstVisibleButton() == 0; }));
    EXPECT_FALSE(HadTimer(*pane, CTavoPOutlookBarPane::kScrollUpId));
    Release();
    EXPECT_EQ(0, pane->GetScrollOffset());
    EXPECT_FALSE(Visible(up));
    EXPECT_TRUE(Visible(down));
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(OutlookPane, PaneDestroyedWhileAScrollButtonIsHeldLeavesNothingRunning)
{
    Resize(100); // many steps to go
    Press(ScreenRect(pane->GetScrollButton(FALSE)).CenterPoint());
    const HWND hwnd = pane->GetSafeHwnd();
    // Still repeating: the timer is there (and goes on after the look).
    EXPECT_TRUE(HadTimer(*pane, CTavoPOutlookBarPane::kScrollDownId));
    ::SetTimer(hwnd, CTavoPOutlookBarPane::kScrollDownId, CTavoPOutlookBarPane::kScrollRepeatMs,
               NULL);
    pane->DestroyWindow();
    PumpFor(300, PumpPreTranslated);
    Release();
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(OutlookPane, ClickOnAButtonSendsItsCommandAlsoWhenScrolled)
{
    for (int nSteps : {0, 1})
    {
        SCOPED_TRACE(nSteps);
        for (int i = 0; i < nSteps; i++)
            pane->ScrollDown();
        parent.commands.clear();
        // The button just below the top one, wherever the scroll has put it.
        const int iButton = pane->GetFirstVisibleButton() + 1;
        const CPoint pt = ButtonOnScreen(*pane, iButton).CenterPoint();
        RunMouse({{MouseStep::Move, pt.x, pt.y}, {MouseStep::Down, 0, 0}, {MouseStep::Up, 0, 0}});
        PumpFor(50, PumpPreTranslated);
        EXPECT_EQ(std::vector<UINT>{kFirstCommand + iButton}, parent.commands);
    }
}

TEST_F(OutlookPane, GrowingAScrolledPaneScrollsBackUntilTheLastButtonReachesTheBottom)
{
    while (pane->CanScrollDown())
        pane->ScrollDown();
    const int nScrolled = pane->GetScrollOffset();
    ASSERT_GT(nScrolled, 0);

    const int nLastHeight = pane->GetButton(pane->GetCount() - 1)->Rect().Height();
    Resize(200 + nLastHeight + 10);
    EXPECT_LT(pane->GetScrollOffset(), nScrolled);
    EXPECT_GE(pane->GetButton(pane->GetCount() - 1)->Rect().bottom, ClientBottom());

    Resize(650);
    EXPECT_EQ(0, pane->GetScrollOffset());
    EXPECT_EQ(0, pane->GetFirstVisibleButton());
    EXPECT_EQ(0, pane->GetButton(0)->Rect().top);
}

TEST_F(OutlookPane, BackgroundIsItsColourOrItsImageTiled)
{
    ClassicColors classic;
    pane->SendMessage(WM_SYSCOLORCHANGE);
    Resize(600); // room below the buttons
    const int y = 560;
    pane->SetBackColor(RGB(0, 96, 0));
    pane->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(RGB(0, 96, 0), WindowPixels(pane->m_hWnd, CRect(3, y, 4, y + 1))[0]);

    pane->SetBackImage(kBackImage);
    EXPECT_TRUE(pane->HasBackgroundImage());
    pane->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    // y = 560 is a multiple of the tile's height: columns 0-3 of every tile blue, 4-7 yellow.
    const std::vector<COLORREF> row = WindowPixels(pane->m_hWnd, CRect(0, y, 16, y + 1));
    for (int x = 0; x < 16; x++)
        EXPECT_EQ(x % 8 < 4 ? kBlue : kYellow, row[x]) << "x " << x;

    // A resource that is missing leaves the plain colour.
    pane->SetBackImage(31999);
    EXPECT_FALSE(pane->HasBackgroundImage());
    EXPECT_EQ(0u, pane->GetBackImageID());
    pane->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(RGB(0, 96, 0), WindowPixels(pane->m_hWnd, CRect(3, y, 4, y + 1))[0]);
}

TEST_F(OutlookPane, LabelsWrapCentredOrEndWithAnEllipsis)
{
    pane->RemoveAllButtons();
    struct Case
    {
        const char* label;
        bool bFits;
        bool bSeveralLines;
    } cases[] = {{"Mail", true, false},
                 {"Mail and calendar and tasks", true, true},
                 {"Averyveryverylongsinglewordlabel", false, false}};
    for (const Case& c : cases)
        pane->AddButton((HBITMAP)NULL, c.label, kFirstCommand);
    const int nOneLine = pane->GetButton(0)->Rect().Height();
    for (int i = 0; i < pane->GetCount(); i++)
    {
        SCOPED_TRACE(cases[i].label);
        CTavoPOutlookButton* pButton = DYNAMIC_DOWNCAST(CTavoPOutlookButton, pane->GetButton(i));
        ASSERT_NE(nullptr, pButton);
        EXPECT_EQ(cases[i].bFits, pButton->IsLabelFitting() != FALSE);
        EXPECT_EQ(cases[i].bSeveralLines, pButton->Rect().Height() > nOneLine);
        EXPECT_LE(pButton->Rect().Width(), 119);
    }
}

namespace {

// A library page from a template in memory.
class NavigationPage : public CTavoPPropertyPage
{
public:
    NavigationPage() : m_template("page", 120, 80, WS_CHILD | WS_CAPTION)
    {
        m_lpDialogTemplate = m_template.Get();
    }
    DialogTemplate m_template;
};

} // namespace

TEST(OutlookNavigation, ActivatingAPageScrollsItsButtonIntoView)
{
    const int kPages = 8;
    std::vector<std::unique_ptr<NavigationPage>> pages;
    CTavoPPropertySheet sheet("sheet");
    for (int i = 0; i < kPages; i++)
    {
        pages.emplace_back(new NavigationPage);
        sheet.AddPage(pages.back().get());
    }
    ASSERT_TRUE(sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_VISIBLE));
    CTavoPOutlookBarPane pane;
    ASSERT_TRUE(pane.Create(&sheet, CTavoPOutlookBarPane::kDefaultStyle, 0x3002));
    pane.SetWindowPos(&CWnd::wndTop, 0, 0, 100, 150, SWP_NOACTIVATE);
    AddButtons(pane, kPages);
    sheet.SetNavigationPane(&pane);
    PumpPreTranslatedFor(30);
    CRect rectClient;
    pane.GetClientRect(rectClient);

    struct Case
    {
        int iPage;
        bool bScrolled;
    } cases[] = {{kPages - 1, true}, {3, true}, {0, false}, {kPages - 1, true}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.iPage);
        ASSERT_TRUE(sheet.SetActivePage(c.iPage));
        PumpPreTranslated();
        const CRect rect = pane.GetButton(c.iPage)->Rect();
        EXPECT_GE(rect.top, rectClient.top);
        EXPECT_LE(rect.bottom, rectClient.bottom);
        EXPECT_EQ(c.bScrolled, pane.GetScrollOffset() > 0);
        for (int i = 0; i < kPages; i++)
            EXPECT_EQ(i == c.iPage, (pane.GetButtonStyle(i) & TBBS_CHECKED) != 0) << i;
    }
    pane.DestroyWindow();
    sheet.DestroyWindow();
    PumpPreTranslated();
}
