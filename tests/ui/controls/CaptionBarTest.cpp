// The caption bar in a real library frame: its height and the places of its image, message and button from the font's metrics, its place in the frame's layout, its button under real clicks, its right click and what it paints.
#include "ui/controls/CTavoPCaptionBar.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "tests/support/BarTestSupport.h"
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace {

const UINT kCaptionId = 0xE810;
const UINT kButtonCmd = 32771;

class TestCaptionBar : public CTavoPCaptionBar
{
public:
    CRect ImageRect() const { return m_rectImage; }
    CRect MessageRect() const { return m_rectMessage; }
    CRect ButtonRect() const { return m_rectButton; }
    BOOL IsButtonHot() const { return m_bBtnHot; }
    BOOL IsButtonPressed() const { return m_bBtnPressed; }
};

// A library frame that records the commands and bar menu requests it gets.
class CaptionFrame : public CTavoPFrameWnd
{
public:
    std::vector<UINT> commands;
    std::vector<std::pair<HWND, CPoint>> menuRequests;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (lParam == 0)
            commands.push_back(LOWORD(wParam));
        return CTavoPFrameWnd::OnCommand(wParam, lParam);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == ::RegisterWindowMessage("TAVOTOOLBAR_POPUPMENU"))
        {
            menuRequests.push_back(
                {(HWND)wParam, CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))});
            return 0;
        }
        return CTavoPFrameWnd::WindowProc(message, wParam, lParam);
    }
};

// A solid bitmap of the given size.
HBITMAP SolidBitmap(int cx, int cy, COLORREF color)
{
    HDC hdcScreen = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, cx, cy);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hbm);
    RECT rect = {0, 0, cx, cy};
    HBRUSH hbr = ::CreateSolidBrush(color);
    ::FillRect(hdc, &rect, hbr);
    ::DeleteObject(hbr);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    ::ReleaseDC(nullptr, hdcScreen);
    return hbm;
}

// What the default GUI font measures.
struct Metrics
{
    int nTextHeight;
    CSize sizeMessage;
    int cxButtonText;
};

Metrics Measure(const char* lpszMessage, const char* lpszButton)
{
    HDC hdc = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRIC tm;
    ::GetTextMetrics(hdc, &tm);
    Metrics m = {tm.tmHeight, CSize(0, 0), 0};
    if (*lpszMessage != '\0')
    {
        RECT rect = {0, 0, 600, 100};
        ::DrawText(hdc, lpszMessage, -1, &rect, DT_CALCRECT | DT_VCENTER);
        m.sizeMessage = CSize(rect.right - rect.left, rect.bottom - rect.top);
    }
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(hdc, lpszButton, (int)strlen(lpszButton), &size);
    m.cxButtonText = size.cx;
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(nullptr, hdc);
    return m;
}

// What the screen shows at a point of the window.
COLORREF ScreenPixel(CWnd* pWnd, CPoint point, COLORREF expected = CLR_INVALID)
{
    pWnd->ClientToScreen(&point);
    return ScreenPixel(point, expected);
}

class CaptionBarFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pFrame = new CaptionFrame;
        ASSERT_TRUE(pFrame->Create(NULL, "caption", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                   CRect(100, 100, 700, 500)));
        // The frame may have an edge: the window grows so that its client area is 600 x 400.
        CRect rectWindow, rectClient;
        pFrame->GetWindowRect(rectWindow);
        pFrame->GetClientRect(rectClient);
        pFrame->SetWindowPos(NULL, 0, 0, 600 + rectWindow.Width() - rectClient.Width(),
                             400 + rectWindow.Height() - rectClient.Height(),
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        pFrame->GetClientRect(rectClient);
        ASSERT_EQ(CSize(600, 400), rectClient.Size());
        ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
        pFrame->SetForegroundWindow();
        PumpFor(30);
    }
    void TearDown() override
    {
        if (::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        PumpMessages();
    }
    // The bar's rectangle in the frame's client area.
    CRect InFrame(CWnd* pWnd) const
    {
        CRect rect;
        pWnd->GetWindowRect(rect);
        pFrame->ScreenToClient(rect);
        return rect;
    }

    CaptionFrame* pFrame = nullptr;
};

} // namespace

using CaptionBar = CaptionBarFixture;

TEST_F(CaptionBar, HeightAndPlacesFollowTheFontAndTheAlignments)
{
    const char kMessage[] = "Stock below the minimum";
    const char kLong[] = "A message long enough to run all the way into the button on the right, "
                         "past the right edge of the bar and further still, with many more words";
    const char kButton[] = "Options";
    const int L = CTavoPCaptionBar::ALIGN_LEFT, R = CTavoPCaptionBar::ALIGN_RIGHT,
              C = CTavoPCaptionBar::ALIGN_CENTER;
    struct Expected
    {
        int nHeight;
        CRect image, message, button;
    };
    struct Case
    {
        const char* name;
        CSize sizeImage; // 0 x 0: none
        int nImageAlign;
        const char* message;
        int nMessageAlign;
        UINT uiCmd; // with the button label
        int nButtonAlign;
        int nFixedHeight;
        // From the measured font, the client height and its middle.
        std::function<Expected(const Metrics&, int nClientHeight, int yMid)> expected;
    };
    const Case cases[] = {
        {"nothing at all",
         {0, 0},
         L,
         "",
         L,
         (UINT)-1,
         L,
         -1,
         [](const Metrics& m, int, int) {
             return Expected{4 + 8 + m.nTextHeight + 2, CRect(), CRect(), CRect()};
         }},
        {"image, button and message from the left",
         {16, 16},
         L,
         kMessage,
         L,
         kButtonCmd,
         L,
         -1,
         [](const Metrics& m, int cy, int yMid) {
             const int bw = m.cxButtonText + 8 + 10;
             const int xMsg = 24 + bw + 4, yMsg = yMid - m.sizeMessage.cy / 2;
             return Expected{4 + 8 + std::max(16, m.nTextHeight + 2),
                             CRect(4, yMid - 8, 20, yMid + 8),
                             CRect(xMsg, yMsg, xMsg + m.sizeMessage.cx, yMsg + m.sizeMessage.cy),
                             CRect(24, 0, 24 + bw, cy)};
         }},
        {"a button first on the left starts at the client edge",
         {0, 0},
         L,
         kMessage,
         L,
         kButtonCmd,
         L,
         -1,
         [](const Metrics& m, int cy, int yMid) {
             const int bw = m.cxButtonText + 8 + 10;
             const int yMsg = yMid - m.sizeMessage.cy / 2;
             return Expected{
                 4 + 8 + m.nTextHeight + 2, CRect(),
                 CRect(bw + 4, yMsg, bw + 4 + m.sizeMessage.cx, yMsg + m.sizeMessage.cy),
                 CRect(0, 0, bw, cy)};
         }},
        {"image and button from the right",
         {16, 16},
         R,
         kMessage,
         L,
         kButtonCmd,
         R,
         -1,
         [](const Metrics& m, int cy, int yMid) {
             const int bw = m.cxButtonText + 8 + 10;
             const int yMsg = yMid - m.sizeMessage.cy / 2;
             return Expected{4 + 8 + std::max(16, m.nTextHeight + 2),
                             CRect(580, yMid - 8, 596, yMid + 8),
                             CRect(4, yMsg, 4 + m.sizeMessage.cx, yMsg + m.sizeMessage.cy),
                             CRect(576 - bw, 0, 576, cy)};
         }},
        {"a plain-text button has no arrow strip",
         {0, 0},
         L,
         "",
         L,
         0,
         R,
         -1,
         [](const Metrics& m, int cy, int) {
             const int bw = m.cxButtonText + 8;
             return Expected{4 + 8 + m.nTextHeight + 2, CRect(), CRect(),
                             CRect(600 - bw, 0, 600, cy)};
         }},
        {"a message alone in the centre",
         {0, 0},
         L,
         kMessage,
         C,
         (UINT)-1,
         L,
         -1,
         [](const Metrics& m, int, int yMid) {
             const int x = 300 - m.sizeMessage.cx / 2, y = yMid - m.sizeMessage.cy / 2;
             return Expected{4 + 8 + m.nTextHeight + 2, CRect(),
                             CRect(x, y, x + m.sizeMessage.cx, y + m.sizeMessage.cy), CRect()};
         }},
        {"image, button and message in a centred run",
         {16, 16},
         C,
         kMessage,
         C,
         kButtonCmd,
         C,
         -1,
         [](const Metrics& m, int cy, int yMid) {
             const int bw = m.cxButtonText + 8 + 10;
             const int x = 300 - 8 - bw / 2 - m.sizeMessage.cx / 2;
             const int xMsg = x + 20 + bw + 4, yMsg = yMid - m.sizeMessage.cy / 2;
             return Expected{4 + 8 + std::max(16, m.nTextHeight + 2),
                             CRect(x, yMid - 8, x + 16, yMid + 8),
                             CRect(xMsg, yMsg, xMsg + m.sizeMessage.cx, yMsg + m.sizeMessage.cy),
                             CRect(x + 20, 0, x + 20 + bw, cy)};
         }},
        {"a long message stops short of a right button",
         {0, 0},
         L,
         kLong,
         L,
         kButtonCmd,
         R,
         -1,
         [](const Metrics& m, int cy, int yMid) {
             const int bw = m.cxButtonText + 8 + 10;
             const int yMsg = yMid - m.sizeMessage.cy / 2;
             return Expected{4 + 8 + m.nTextHeight + 2, CRect(),
                             CRect(4, yMsg, 600 - bw - 4, yMsg + m.sizeMessage.cy),
                             CRect(600 - bw, 0, 600, cy)};
         }},
        {"a tall image sets the height",
         {16, 40},
         L,
         "",
         L,
         (UINT)-1,
         L,
         -1,
         [](const Metrics& m, int, int yMid) {
             return Expected{4 + 8 + std::max(40, m.nTextHeight + 2),
                             CRect(4, yMid - 20, 20, yMid + 20), CRect(), CRect()};
         }},
        {"a fixed height",
         {0, 0},
         L,
         kMessage,
         L,
         (UINT)-1,
         L,
         30,
         [](const Metrics& m, int, int yMid) {
             const int yMsg = yMid - m.sizeMessage.cy / 2;
             return Expected{30, CRect(),
                             CRect(4, yMsg, 4 + m.sizeMessage.cx, yMsg + m.sizeMessage.cy),
                             CRect()};
         }},
    };
    for (const Case& c : cases)
    {
        TestCaptionBar bar;
        ASSERT_TRUE(
            bar.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, pFrame, kCaptionId, c.nFixedHeight))
            << c.name;
        HBITMAP hbm = nullptr;
        if (c.sizeImage.cx > 0)
        {
            hbm = SolidBitmap(c.sizeImage.cx, c.sizeImage.cy, RGB(0, 128, 0));
            ASSERT_TRUE(bar.SetBitmap(hbm, (COLORREF)-1, FALSE, c.nImageAlign)) << c.name;
            ::DeleteObject(hbm);
        }
        bar.SetText(c.message, c.nMessageAlign);
        if (c.uiCmd != (UINT)-1)
            bar.SetButton(kButton, c.uiCmd, c.nButtonAlign);
        pFrame->RecalcLayout();

        CRect rectClient;
        bar.GetClientRect(rectClient);
        const Metrics m = Measure(c.message, kButton);
        if (c.message == kLong)
        {
            ASSERT_GT(m.sizeMessage.cx, 600) << "the long message must not fit";
        }
        const Expected e = c.expected(m, rectClient.Height(), rectClient.Height() / 2);
        EXPECT_EQ(e.nHeight, bar.GetCurrentHeight()) << c.name;
        EXPECT_EQ(CRect(0, 0, 600, e.nHeight), InFrame(&bar)) << c.name;
        EXPECT_EQ(e.nHeight - 8, rectClient.Height()) << c.name << ": the border bands";
        EXPECT_EQ(e.image, bar.ImageRect()) << c.name;
        EXPECT_EQ(e.message, bar.MessageRect()) << c.name;
        EXPECT_EQ(e.button, bar.ButtonRect()) << c.name;
        bar.DestroyWindow();
    }
}

TEST_F(CaptionBar, TakesItsPlaceInTheFrameLayoutBelowTheDockedBars)
{
    TestBar toolbar(200, 30);
    ASSERT_TRUE(toolbar.Make(pFrame, 0xE801));
    pFrame->DockControlBar(&toolbar);
    TestCaptionBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, pFrame, kCaptionId));
    bar.SetText("Stock below the minimum");
    bar.SetButton("Options", kButtonCmd, CTavoPCaptionBar::ALIGN_RIGHT);
    CWnd pane;
    ASSERT_TRUE(pane.Create(NULL, "pane", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame,
                            AFX_IDW_PANE_FIRST));
    pFrame->RecalcLayout();

    const int nHeight = bar.GetCurrentHeight();
    ASSERT_GT(nHeight, 0);
    EXPECT_EQ(CRect(0, 30, 600, 30 + nHeight), InFrame(&bar));
    EXPECT_EQ(CRect(0, 30 + nHeight, 600, 400), InFrame(&pane));

    // A larger font makes the bar higher, and the frame lays itself out again at once.
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(240, "Arial"));
    bar.SetFont(&font);
    EXPECT_EQ((HFONT)font.GetSafeHandle(), (HFONT)bar.SendMessage(WM_GETFONT));
    TEXTMETRIC tm;
    {
        CClientDC dc(&bar);
        CFont* pOld = dc.SelectObject(&font);
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
    }
    EXPECT_EQ(4 + 8 + (int)tm.tmHeight + 2, bar.GetCurrentHeight());
    EXPECT_EQ(CRect(0, 30, 600, 30 + bar.GetCurrentHeight()), InFrame(&bar));
    EXPECT_EQ(30 + bar.GetCurrentHeight(), InFrame(&pane).top);

    // A narrower frame: the bar follows, and so does the button on its right.
    CRect rectWindow;
    pFrame->GetWindowRect(rectWindow);
    pFrame->SetWindowPos(NULL, 0, 0, rectWindow.Width() - 100, rectWindow.Height(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RecalcLayout();
    EXPECT_EQ(500, InFrame(&bar).Width());
    EXPECT_EQ(500, bar.ButtonRect().right);

    bar.SetFont(nullptr);
    bar.DestroyWindow();
    pane.DestroyWindow();
    toolbar.DestroyWindow();
}

TEST_F(CaptionBar, ClickedButtonSendsItsCommandOnThePress)
{
    struct Case
    {
        const char* name;
        UINT uiCmd;
        BOOL bActive;
        std::vector<UINT> commands;
    };
    const Case cases[] = {
        {"a button with a command", kButtonCmd, TRUE, {kButtonCmd}},
        {"plain text", 0, TRUE, {}},
        {"an inactive button", kButtonCmd, FALSE, {}},
    };
    for (const Case& c : cases)
    {
        TestCaptionBar bar;
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, pFrame, kCaptionId));
        bar.SetText("Stock below the minimum");
        bar.SetButton("Options", c.uiCmd, CTavoPCaptionBar::ALIGN_RIGHT);
        bar.EnableButton(c.bActive);
        pFrame->RecalcLayout();
        bar.UpdateWindow();
        pFrame->commands.clear();

        CPoint point = bar.ButtonRect().CenterPoint();
        bar.ClientToScreen(&point);
        std::vector<UINT> commandsOnPress;
        BOOL bHotBefore = FALSE, bPressed = FALSE;
        int nPause = 0;
        RunMouse({{MouseStep::Move, point.x - 3, point.y},
                  {MouseStep::Move, point.x, point.y},
                  {MouseStep::Pause, 0, 0},
                  {MouseStep::Down, 0, 0},
                  {MouseStep::Pause, 0, 0},
                  {MouseStep::Up, 0, 0}},
                 [&]() {
                     if (nPause++ == 0)
                         bHotBefore = bar.IsButtonHot();
                     else
                     {
                         commandsOnPress = pFrame->commands;
                         bPressed = bar.IsButtonPressed();
                     }
                 });
        const bool bClickable = c.uiCmd != 0 && c.bActive;
        EXPECT_EQ(bClickable, (bool)bHotBefore) << c.name;
        EXPECT_EQ(c.commands, commandsOnPress) << c.name << ": sent on the press";
        EXPECT_EQ(bClickable, (bool)bPressed) << c.name;
        EXPECT_EQ(c.commands, pFrame->commands) << c.name << ": and only once";
        EXPECT_FALSE(bar.IsButtonPressed()) << c.name;
        RunMouse({{MouseStep::Move, point.x, point.y + 200}});
        bar.DestroyWindow();
    }
}

TEST_F(CaptionBar, ButtonLightsUpUnderThePointerAndGoesOutWhenItLeaves)
{
    TestCaptionBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, pFrame, kCaptionId));
    bar.SetButton("Options", kButtonCmd, CTavoPCaptionBar::ALIGN_LEFT);
    pFrame->RecalcLayout();
    bar.UpdateWindow();
    const CRect rectButton = bar.ButtonRect();
    CPoint inside = rectButton.CenterPoint();
    bar.ClientToScreen(&inside);
    const CPoint corner = rectButton.TopLeft();
    const CPoint cornerBottom(rectButton.right - 1, rectButton.bottom - 1);

    COLORREF clrHotCorner = 0, clrHotBottom = 0, clrPressedCorner = 0;
    BOOL bHot = FALSE;
    int nPause = 0;
    RunMouse({{MouseStep::Move, inside.x, inside.y},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Down, 0, 0},
              {MouseStep::Pause, 0, 0},
              {MouseStep::Up, 0, 0}},
             [&]() {
                 if (nPause++ == 0)
                 {
                     bHot = bar.IsButtonHot();
                     clrHotCorner = ScreenPixel(&bar, corner, GetGlobalData().clrBtnHilite);
                     clrHotBottom = ScreenPixel(&bar, cornerBottom, GetGlobalData().clrBtnDkShadow);
                 }
                 else
                     clrPressedCorner = ScreenPixel(&bar, corner, GetGlobalData().clrBtnDkShadow);
             });
    EXPECT_TRUE(bHot);
    EXPECT_EQ(GetGlobalData().clrBtnHilite, clrHotCorner) << "raised under the pointer";
    EXPECT_EQ(GetGlobalData().clrBtnDkShadow, clrHotBottom);
    EXPECT_EQ(GetGlobalData().clrBtnDkShadow, clrPressedCorner) << "sunken while pressed";

    RunMouse({{MouseStep::Move, inside.x, inside.y + 200}});
    for (int i = 0; i < 250 && bar.IsButtonHot(); i++)
        PumpFor(20);
    PumpFor(50);
    EXPECT_FALSE(bar.IsButtonHot());
    EXPECT_EQ(GetGlobalData().clrBtnShadow, ScreenPixel(&bar, corner, GetGlobalData().clrBtnShadow))
        << "back on the bar's own background";
    bar.DestroyWindow();
}

TEST_F(CaptionBar, RightClickAsksTheFrameForTheBarMenuOnce)
{
    TestCaptionBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, pFrame, kCaptionId));
    bar.SetText("Stock below the minimum");
    pFrame->RecalcLayout();

    bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(50, 5));
    ASSERT_EQ(1u, pFrame->menuRequests.size());
    CPoint expected(50, 5);
    bar.ClientToScreen(&expected);
    EXPECT_EQ(bar.GetSafeHwnd(), pFrame->menuRequests[0].first);
    EXPECT_EQ(expected, pFrame->menuRequests[0].second);

    // While customizing the click takes the window's own way, to the bar's context menu, which
    // offers nothing then.
    CTavoPToolBar::SetCustomizeMode(TRUE);
    bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(50, 5));
    CTavoPToolBar::SetCustomizeMode(FALSE);
    EXPECT_EQ(1u, pFrame->menuRequests.size());
    bar.DestroyWindow();
}

TEST_F(CaptionBar, IconsTakeTheSizeOfTheirImageEvenWithoutColour)
{
    struct Case
    {
        const char* name;
        int nBitsPerPixel; // 1: a monochrome icon, only its mask
        int cx, cy;
    };
    const Case cases[] = {
        {"monochrome", 1, 32, 32},
        {"colour", 32, 20, 20},
    };
    for (const Case& c : cases)
    {
        std::vector<BYTE> andBits((size_t)((c.cx + 15) / 16 * 2 * c.cy), 0x00);
        std::vector<BYTE> xorBits((size_t)((c.cx * c.nBitsPerPixel + 15) / 16 * 2 * c.cy), 0xFF);
        HICON hIcon = ::CreateIcon(::GetModuleHandle(nullptr), c.cx, c.cy, 1, (BYTE)c.nBitsPerPixel,
                                   andBits.data(), xorBits.data());
        ASSERT_NE(nullptr, hIcon) << c.name;
        ICONINFO info;
        ASSERT_TRUE(::GetIconInfo(hIcon, &info));
        EXPECT_EQ(c.nBitsPerPixel == 1, info.hbmColor == nullptr) << c.name;
        if (info.hbmColor != nullptr)
            ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);

        TestCaptionBar bar;
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, pFrame, kCaptionId));
        bar.SetIcon(hIcon, CTavoPCaptionBar::ALIGN_LEFT);
        pFrame->RecalcLayout();
        const Metrics m = Measure("", "");
        EXPECT_EQ(4 + 8 + std::max(c.cy, m.nTextHeight + 2), bar.GetCurrentHeight()) << c.name;
        EXPECT_EQ(CSize(c.cx, c.cy), bar.ImageRect().Size()) << c.name;
        bar.DestroyWindow();
        ::DestroyIcon(hIcon);
    }
}

TEST_F(CaptionBar, BorderBandsTakeTheBackgroundColourAndAnEdgeUnlessFlat)
{
    const COLORREF kBand = RGB(30, 90, 150);
    TestCaptionBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, pFrame, kCaptionId));
    bar.SetBackgroundColor(kBand);
    pFrame->RecalcLayout();
    bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    PumpFor(50);

    // In client coordinates the bands lie above 0 and from the client height down.
    CRect rectClient;
    bar.GetClientRect(rectClient);
    const int yTop = -4, yBottom = rectClient.bottom;
    EXPECT_EQ(GetGlobalData().clrBtnHilite,
              ScreenPixel(&bar, CPoint(100, yTop), GetGlobalData().clrBtnHilite));
    EXPECT_EQ(kBand, ScreenPixel(&bar, CPoint(100, yTop + 2), kBand));
    EXPECT_EQ(GetGlobalData().clrBtnShadow,
              ScreenPixel(&bar, CPoint(100, yBottom + 3), GetGlobalData().clrBtnShadow));
    EXPECT_EQ(kBand, ScreenPixel(&bar, CPoint(100, rectClient.CenterPoint().y), kBand))
        << "the client area takes the visual manager's caption fill";

    bar.SetFlatBorder(TRUE);
    bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpFor(50);
    EXPECT_EQ(kBand, ScreenPixel(&bar, CPoint(100, yTop), kBand));
    EXPECT_EQ(kBand, ScreenPixel(&bar, CPoint(100, yBottom + 3), kBand));
    bar.DestroyWindow();
}

TEST_F(CaptionBar, NarrowBarDropsTheMessageThatHasNoRoomLeft)
{
    TestCaptionBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, pFrame, kCaptionId));
    HBITMAP hbm = SolidBitmap(16, 16, RGB(0, 128, 0));
    ASSERT_TRUE(bar.SetBitmap(hbm, (COLORREF)-1));
    ::DeleteObject(hbm);
    bar.SetText("Stock below the minimum");
    bar.SetButton("More options", kButtonCmd, CTavoPCaptionBar::ALIGN_RIGHT);
    const int bw = Measure("", "More options").cxButtonText + 8 + 10;
    const int cx = bw + 24;
    CRect rectWindow, rectClient;
    pFrame->GetWindowRect(rectWindow);
    pFrame->GetClientRect(rectClient);
    pFrame->SetWindowPos(NULL, 0, 0, cx + rectWindow.Width() - rectClient.Width(),
                         rectWindow.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RecalcLayout();

    ASSERT_EQ(cx, InFrame(&bar).Width());
    EXPECT_EQ(CRect(4, bar.ImageRect().top, 20, bar.ImageRect().bottom), bar.ImageRect());
    EXPECT_EQ(24, bar.ButtonRect().left) << "the button gives way to the image and its spacing";
    EXPECT_EQ(cx - 4, bar.ButtonRect().right) << "beside an image the button keeps the margin";
    EXPECT_TRUE(bar.MessageRect().IsRectEmpty()) << "the message would lie under the button";
    bar.DestroyWindow();
}

TEST_F(CaptionBar, PaintsTheImageAndTheMessageInItsTextColour)
{
    const COLORREF kImage = RGB(0, 128, 0), kText = RGB(255, 0, 0);
    TestCaptionBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, pFrame, kCaptionId));
    HBITMAP hbm = SolidBitmap(12, 12, kImage);
    ASSERT_TRUE(bar.SetBitmap(hbm, (COLORREF)-1, TRUE));
    ::DeleteObject(hbm);
    bar.SetText("MMMM WWWW", CTavoPCaptionBar::ALIGN_RIGHT);
    bar.SetTextColor(kText);
    pFrame->RecalcLayout();
    bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpFor(50);

    CRect rectClient;
    bar.GetClientRect(rectClient);
    const CRect rectImage = bar.ImageRect();
    EXPECT_EQ(rectClient.bottom - 4, rectImage.bottom) << "a stretched image reaches the margin";
    EXPECT_EQ(kImage, ScreenPixel(&bar, CPoint(rectImage.left + 6, rectImage.bottom - 2), kImage));
    EXPECT_EQ(kImage, ScreenPixel(&bar, rectImage.CenterPoint(), kImage));

    const CRect rectMessage = bar.MessageRect();
    EXPECT_EQ(596, rectMessage.right);
    // Smoothed glyph edges blend the red with the grey background.
    int nText = 0;
    for (int x = rectMessage.left; x < rectMessage.right; x++)
        for (int y = rectMessage.top; y < rectMessage.bottom; y++)
        {
            const COLORREF color = ScreenPixel(&bar, CPoint(x, y));
            nText += GetRValue(color) > GetGValue(color) + 60;
        }
    EXPECT_GT(nText, 40);
    EXPECT_EQ(GetGlobalData().clrBtnShadow,
              ScreenPixel(&bar, CPoint(rectMessage.left - 2, 2), GetGlobalData().clrBtnShadow));
    bar.DestroyWindow();
}
