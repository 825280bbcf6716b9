// The status bar in real frames: pane rectangles, texts, painting, progress, the size grip and idle updates.
#include "framework/Framework.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/BarTestSupport.h"
#include "tests/support/WindowPixels.h"
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

const UINT kPaneID = 700;
const UINT kMissingID = 701;

// A library frame whose handler fills pane 700 while the frame updates its commands.
class StatusFrame : public CTavoPFrameWnd
{
public:
    void OnPaneCommand() { m_nCommands++; }
    void OnUpdatePane(CCmdUI* pCmdUI)
    {
        pCmdUI->SetText(m_strPaneText);
        pCmdUI->Enable(m_bPaneEnabled);
    }
    CString m_strPaneText = "handled";
    BOOL m_bPaneEnabled = FALSE;
    int m_nCommands = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(StatusFrame, CTavoPFrameWnd)
    ON_COMMAND(kPaneID, OnPaneCommand)
    ON_UPDATE_COMMAND_UI(kPaneID, OnUpdatePane)
END_MESSAGE_MAP()

// Counts the paints that reach the bar.
class CountingStatusBar : public CTavoPStatusBar
{
public:
    void DoPaint(CDC* pDC) override
    {
        m_nPaints++;
        CTavoPStatusBar::DoPaint(pDC);
    }
    int m_nPaints = 0;
};

class StatusBarFixture : public ::testing::Test
{
protected:
    void TearDown() override
    {
        bar.reset();
        if (pFrame != nullptr && ::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        PumpMessages();
    }
    // A frame with the given style, its client area 600 x 300 unless maximized, and a bar of
    // three panes: the message line, pane 700 of 60 pixels, the caps indicator of 40.
    void Make(DWORD dwFrameStyle)
    {
        pFrame = new StatusFrame;
        ASSERT_TRUE(pFrame->Create(NULL, "status", dwFrameStyle, CRect(50, 50, 650, 350)));
        CRect rectWindow, rectClient;
        pFrame->GetWindowRect(rectWindow);
        pFrame->GetClientRect(rectClient);
        if (!pFrame->IsZoomed())
            pFrame->SetWindowPos(NULL, 0, 0, rectWindow.Width() - rectClient.Width() + 600,
                                 rectWindow.Height() - rectClient.Height() + 300,
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        bar.reset(new CountingStatusBar);
        ASSERT_TRUE(bar->Create(pFrame, 0x50008200, AFX_IDW_STATUS_BAR));
        const UINT ids[] = {0, kPaneID, ID_INDICATOR_CAPS};
        ASSERT_TRUE(bar->SetPanes(ids, 3));
        bar->SetPaneWidth(1, 60);
        bar->SetPaneWidth(2, 40);
        pFrame->RecalcLayout();
        PumpMessages();
    }
    CRect Pane(int nIndex)
    {
        CRect rect;
        bar->GetItemRect(nIndex, rect);
        return rect;
    }

    StatusFrame* pFrame = nullptr;
    std::unique_ptr<CountingStatusBar> bar;
};

TEST_F(StatusBarFixture, PanesTakeTheirWidthsAndTheStretchPaneTheRest)
{
    struct
    {
        const char* name;
        DWORD dwStyle;
        bool bGrip;
    } cases[] = {
        {"resizable", WS_OVERLAPPEDWINDOW | WS_VISIBLE, true},
        {"fixed border", WS_POPUP | WS_BORDER | WS_VISIBLE, false},
        {"maximized", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MAXIMIZE, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        Make(c.dwStyle);
        CRect rectClient, rectBar;
        pFrame->GetClientRect(rectClient);
        bar->GetWindowRect(rectBar);
        pFrame->ScreenToClient(rectBar);
        const int cy = bar->CalcFixedLayout(FALSE, TRUE).cy;
        EXPECT_EQ(CRect(0, rectClient.bottom - cy, rectClient.right, rectClient.bottom), rectBar);

        // Borders 4 left and 2 top, gaps of 2, each pane 4 wider than its text room.
        const int cxInner = rectBar.Width() - 4, cyInner = cy - 2;
        int cxGrip = 0;
        if (c.bGrip)
            cxGrip = std::min(::GetSystemMetrics(SM_CXVSCROLL) + 1, cyInner);
        const int xEnd = 4 + cxInner - cxGrip;
        EXPECT_EQ(c.bGrip, bar->IsSizeGripShown() != FALSE);
        EXPECT_EQ(CRect(xEnd - 44, 2, xEnd, cy), Pane(2));
        EXPECT_EQ(CRect(xEnd - 110, 2, xEnd - 46, cy), Pane(1));
        EXPECT_EQ(CRect(4, 2, xEnd - 112, cy), Pane(0));
        EXPECT_EQ(Pane(0), Pane(CTavoPStatusBar::StretchPaneIndex));
        if (c.bGrip)
            EXPECT_EQ(CRect(xEnd, 2, xEnd + cxGrip, cy), bar->GetSizeGripRect());
        else
            EXPECT_TRUE(bar->GetSizeGripRect().IsRectEmpty());
        TearDown();
    }
}

TEST_F(StatusBarFixture, TheGripFollowsMaximizeAndRestoreAndSizesTheFrame)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(bar->IsSizeGripShown());
    pFrame->ShowWindow(SW_MAXIMIZE);
    PumpMessages();
    EXPECT_FALSE(bar->IsSizeGripShown());
    pFrame->ShowWindow(SW_RESTORE);
    PumpMessages();
    ASSERT_TRUE(bar->IsSizeGripShown());

    CRect rectClient;
    bar->GetClientRect(rectClient);
    CPoint point(rectClient.right - 2, rectClient.bottom - 2);
    bar->ClientToScreen(&point);
    EXPECT_EQ(HTBOTTOMRIGHT, bar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
    point.Offset(-rectClient.Width() / 2, 0);
    EXPECT_EQ(HTCLIENT, bar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
}

TEST_F(StatusBarFixture, APlainFrameGivesTheBarItsShareAtTheBottom)
{
    std::unique_ptr<CFrameWnd> plain(new CFrameWnd);
    ASSERT_TRUE(
        plain->Create(NULL, "plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 560, 360)));
    CTavoPStatusBar status;
    ASSERT_TRUE(status.Create(plain.get()));
    plain->RecalcLayout();
    CRect rectClient, rectBar;
    plain->GetClientRect(rectClient);
    status.GetWindowRect(rectBar);
    plain->ScreenToClient(rectBar);
    const int cy = status.CalcFixedLayout(FALSE, TRUE).cy;
    EXPECT_EQ(CRect(0, rectClient.bottom - cy, rectClient.right, rectClient.bottom), rectBar);
    EXPECT_TRUE(status.IsSizeGripShown());
    status.DestroyWindow();
    plain->DestroyWindow();
    plain.release(); // the frame deletes itself when destroyed
}

TEST_F(StatusBarFixture, TextsAreSetAndReadBack)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    EXPECT_EQ(CString("WWWWWWWW"), bar->GetPaneText(1));
    EXPECT_TRUE(bar->SetPaneText(1, "库存"));
    EXPECT_EQ(CString("库存"), bar->GetPaneText(1));
    EXPECT_TRUE(bar->SetPaneText(1, ""));
    EXPECT_EQ(CString(), bar->GetPaneText(1));
    EXPECT_FALSE(bar->SetPaneText(3, "none"));

    // The clock writes the same text every second: only a change repaints.
    ASSERT_TRUE(bar->SetPaneText(1, "12:00"));
    const int nPaints = bar->m_nPaints;
    EXPECT_TRUE(bar->SetPaneText(1, "12:00"));
    EXPECT_EQ(nPaints, bar->m_nPaints);
    EXPECT_TRUE(bar->SetPaneText(1, "12:01"));
    EXPECT_EQ(nPaints + 1, bar->m_nPaints);
    EXPECT_TRUE(bar->SetPaneText(1, ""));
    EXPECT_EQ(CString(), bar->GetPaneText(-1));

    // The message line is the window text; the frame's messages land there.
    pFrame->SetMessageText("就绪");
    EXPECT_EQ(CString("就绪"), bar->GetPaneText(0));
    EXPECT_TRUE(::SetWindowTextA(bar->m_hWnd, "销售登记"));
    EXPECT_EQ(CString("销售登记"), bar->GetPaneText(0));
    EXPECT_EQ(8, bar->SendMessage(WM_GETTEXTLENGTH));

    // Results count the bytes copied; a cut never splits a character.
    char buffer[16];
    memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(8, bar->SendMessage(WM_GETTEXT, sizeof(buffer), (LPARAM)buffer));
    EXPECT_STREQ("销售登记", buffer);
    EXPECT_EQ(6, bar->SendMessage(WM_GETTEXT, 8, (LPARAM)buffer));
    EXPECT_STREQ("销售登", buffer);
    EXPECT_EQ(2, bar->SendMessage(WM_GETTEXT, 4, (LPARAM)buffer));
    EXPECT_STREQ("销", buffer);
    EXPECT_EQ(0, bar->SendMessage(WM_GETTEXT, 0, (LPARAM)buffer));

    // Without a message pane the window text has nowhere to go.
    const UINT ids[] = {kPaneID};
    ASSERT_TRUE(bar->SetPanes(ids, 1));
    EXPECT_FALSE(::SetWindowTextA(bar->m_hWnd, "x"));
    EXPECT_EQ(0, bar->SendMessage(WM_GETTEXT, sizeof(buffer), (LPARAM)buffer));
    EXPECT_STREQ("", buffer);
}

TEST_F(StatusBarFixture, AMissingIndicatorStringFailsAndLeavesTheLaterPanesEmpty)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const UINT ids[] = {kPaneID, kMissingID, ID_INDICATOR_CAPS, 0};
    EXPECT_FALSE(bar->SetPanes(ids, 4));
    EXPECT_EQ(4, bar->GetCount());
    EXPECT_EQ(CString("WWWWWWWW"), bar->GetPaneText(0));
    EXPECT_EQ(CString(), bar->GetPaneText(2));
    EXPECT_EQ(0u, bar->GetItemID(3));
    // A later id-0 pane neither stretches nor addresses the stretch index.
    EXPECT_EQ(nullptr, bar->GetPane(CTavoPStatusBar::StretchPaneIndex));
    // From 255 panes on, the index is an ordinary one.
    ASSERT_TRUE(bar->SetPanes(nullptr, 256));
    EXPECT_EQ(bar->GetPane(0) + 255, bar->GetPane(CTavoPStatusBar::StretchPaneIndex));
    EXPECT_EQ(nullptr, bar->GetPane(256));
}

TEST_F(StatusBarFixture, PanesPaintTextBordersAndProgress)
{
    ClassicColors colors;
    GetGlobalData().UpdateSysColors();
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    bar->SetPaneTextColor(1, RGB(255, 0, 0));
    bar->EnablePaneProgressBar(2, 100, FALSE, RGB(0, 0, 255));
    bar->SetPaneProgress(2, 50);

    CRect rectClient;
    bar->GetClientRect(rectClient);
    DibCanvas canvas(rectClient.Width(), rectClient.Height());
    bar->DoPaint(CDC::FromHandle(canvas.dc()));

    const CRect text = Pane(1), progress = Pane(2);
    // Sunken borders: shadow at the top left, highlight at the bottom right.
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(text.left, text.top));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(text.right - 1, text.bottom - 1));
    EXPECT_GT(canvas.Count(RGB(255, 0, 0), text.left, text.top, text.right, text.bottom), 0);
    EXPECT_EQ(0, canvas.Count(RGB(255, 0, 0), 0, 0, text.left, rectClient.bottom));

    // Half the inside of the progress pane (2 and 1 pixel of border room on each side) is filled.
    const int xLeft = progress.left + 3, cxInside = progress.Width() - 6;
    const int yMid = (progress.top + progress.bottom) / 2;
    EXPECT_EQ(cxInside / 2,
              canvas.Count(RGB(0, 0, 255), progress.left, yMid, progress.right, yMid + 1));
    EXPECT_EQ(RGB(0, 0, 255), canvas.Pixel(xLeft, yMid));
    // The message pane draws no border.
    EXPECT_EQ(RGB(192, 192, 192), canvas.Pixel(Pane(0).left, Pane(0).top));
    GetGlobalData().UpdateSysColors();
}

// A bar paints its own client area; a border the platform drew around it is still drawn when
// the frame repaints, and a bar without one paints every pixel of its window.
TEST_F(StatusBarFixture, RepaintDrawsTheBorderOfABarThatHasOneAndAllOfABarWithout)
{
    ClassicColors colors;
    GetGlobalData().UpdateSysColors();
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const COLORREF kStale = RGB(255, 0, 255);
    for (const bool bBorder : {false, true})
    {
        bar->ModifyStyle(bBorder ? 0 : WS_BORDER, bBorder ? WS_BORDER : 0, SWP_FRAMECHANGED);
        pFrame->RecalcLayout();
        PumpMessages();
        CRect rectWindow;
        bar->GetWindowRect(rectWindow);
        const CRect corners[] = {CRect(0, 0, 1, 1),
                                 CRect(rectWindow.Width() - 1, rectWindow.Height() - 1,
                                       rectWindow.Width(), rectWindow.Height())};
        HDC hdc = ::GetWindowDC(bar->GetSafeHwnd());
        for (const CRect& corner : corners)
            ::SetPixel(hdc, corner.left, corner.top, kStale);
        ::ReleaseDC(bar->GetSafeHwnd(), hdc);
        pFrame->RedrawWindow(
            NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        PumpMessages();
        for (const CRect& corner : corners)
        {
            const COLORREF clr = WindowPixels(bar->GetSafeHwnd(), corner)[0];
            EXPECT_NE(kStale, clr) << "border " << bBorder << " at " << corner.left;
            if (bBorder)
            {
                EXPECT_EQ(RGB(0, 0, 0), clr) << "at " << corner.left;
            }
        }
    }
    GetGlobalData().UpdateSysColors();
}

TEST_F(StatusBarFixture, IdleUpdateRunsTheFramesHandlersForThePanes)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(CString("handled"), bar->GetPaneText(1));
    EXPECT_TRUE(bar->GetPaneStyle(1) & SBPS_DISABLED);
    const bool bCapsOn = (::GetKeyState(VK_CAPITAL) & 1) != 0;
    EXPECT_EQ(!bCapsOn, (bar->GetPaneStyle(2) & SBPS_DISABLED) != 0);
    // The message pane has no handler and keeps its look.
    EXPECT_FALSE(bar->GetPaneStyle(0) & SBPS_DISABLED);

    pFrame->m_bPaneEnabled = TRUE;
    pFrame->m_strPaneText = "again";
    bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(CString("again"), bar->GetPaneText(1));
    EXPECT_FALSE(bar->GetPaneStyle(1) & SBPS_DISABLED);
}

TEST_F(StatusBarFixture, AnimationAdvancesAndStopsWhenThePanesChange)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HIMAGELIST hList = ::ImageList_Create(8, 8, ILC_COLOR32 | ILC_MASK, 3, 0);
    HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    for (int i = 0; i < 3; i++)
        ::ImageList_AddIcon(hList, hIcon);
    const int cxBefore = Pane(1).Width();
    bar->SetPaneAnimation(1, hList, 20);
    ::ImageList_Destroy(hList);
    // The frames take room of their own beside the text.
    EXPECT_EQ(cxBefore + 8 + 4, Pane(1).Width());
    EXPECT_EQ(3, bar->GetPane(1)->nFrameCount);
    // The pane's own timer turns the frames, wrapping after the last.
    const DWORD dwStart = ::GetTickCount();
    while (bar->GetPane(1)->nCurrFrame == 0 && ::GetTickCount() - dwStart < 2000)
        PumpFor(10);
    EXPECT_NE(0, bar->GetPane(1)->nCurrFrame);
    ASSERT_TRUE(::KillTimer(bar->m_hWnd, kPaneID));
    for (int nExpected : {1, 2, 0})
    {
        bar->GetPane(1)->nCurrFrame = (nExpected + 2) % 3;
        bar->SendMessage(WM_TIMER, kPaneID);
        EXPECT_EQ(nExpected, bar->GetPane(1)->nCurrFrame);
    }
    bar->SetPaneAnimation(1, nullptr);
    EXPECT_EQ(cxBefore, Pane(1).Width());
    hList = ::ImageList_Create(8, 8, ILC_COLOR32 | ILC_MASK, 3, 0);
    ::ImageList_AddIcon(hList, hIcon);
    bar->SetPaneAnimation(1, hList, 20);
    ::ImageList_Destroy(hList);

    bar->SetTipText(1, "提示");
    const UINT ids[] = {0, kPaneID};
    ASSERT_TRUE(bar->SetPanes(ids, 2));
    EXPECT_FALSE(::KillTimer(bar->m_hWnd, kPaneID)); // already stopped
    EXPECT_EQ(nullptr, bar->GetPane(1)->hImageList);
    EXPECT_EQ(CString(), bar->GetTipText(1));
}

TEST_F(StatusBarFixture, AnIconWidensItsPaneAndTheBarUntilItIsRemoved)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const int cxBefore = Pane(1).Width(), cyBefore = bar->CalcFixedLayout(FALSE, TRUE).cy;
    const int cxIcon = ::GetSystemMetrics(SM_CXICON), cyIcon = ::GetSystemMetrics(SM_CYICON);
    bar->SetPaneIcon(1, ::LoadIcon(NULL, IDI_APPLICATION));
    EXPECT_EQ(cxBefore + cxIcon + 4, Pane(1).Width());
    EXPECT_EQ(std::max(cyBefore, cyIcon + 2 + 4), bar->CalcFixedLayout(FALSE, TRUE).cy);
    bar->SetPaneIcon(1, NULL);
    EXPECT_EQ(cxBefore, Pane(1).Width());
    EXPECT_EQ(nullptr, bar->GetPane(1)->hImageList);
}

// The height a line of the font takes.
int LineHeight(HFONT hFont)
{
    HDC hdc = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    TEXTMETRIC tm = {};
    ::GetTextMetrics(hdc, &tm);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(NULL, hdc);
    return tm.tmHeight;
}

HFONT MakeFont(int nHeight)
{
    return ::CreateFont(nHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
}

TEST_F(StatusBarFixture, TheBarsHeightFollowsEveryChangeOfItsFont)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    // Borders 2 above and none below, and 4 more.
    const auto height = [&] { return bar->CalcFixedLayout(FALSE, TRUE).cy - 6; };
    CFont& fontStatus = GetGlobalData().fontStatus;
    LOGFONT lfLibrary = {};
    fontStatus.GetLogFont(&lfLibrary);
    EXPECT_EQ(LineHeight((HFONT)fontStatus.GetSafeHandle()), height());
    EXPECT_EQ(height(), height());

    // A font of its own, then a different font under the same handle value, then the
    // library's font made again with another size without any message to the bar.
    HFONT hBig = MakeFont(-30);
    bar->SetFont(CFont::FromHandle(hBig), FALSE);
    EXPECT_EQ(LineHeight(hBig), height());
    bar->SetFont(NULL, FALSE);
    ::DeleteObject(hBig);
    EXPECT_EQ(LineHeight((HFONT)fontStatus.GetSafeHandle()), height());

    LOGFONT lfBig = lfLibrary;
    lfBig.lfHeight = -40;
    fontStatus.DeleteObject();
    ASSERT_TRUE(fontStatus.CreateFontIndirect(&lfBig));
    const int cyBig = LineHeight((HFONT)fontStatus.GetSafeHandle());
    EXPECT_GT(cyBig, 30);
    EXPECT_EQ(cyBig, height());
    // The frame's layout gives the bar that height too.
    pFrame->RecalcLayout();
    CRect rectBar;
    bar->GetWindowRect(rectBar);
    EXPECT_EQ(cyBig + 6, rectBar.Height());

    fontStatus.DeleteObject();
    ASSERT_TRUE(fontStatus.CreateFontIndirect(&lfLibrary));
    EXPECT_EQ(LineHeight((HFONT)fontStatus.GetSafeHandle()), height());
}

TEST_F(StatusBarFixture, TipTextsAnswerHitTestsOnTheirPanes)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    bar->SetTipText(1, "提示");
    EXPECT_TRUE(bar->GetBarStyle() & CBRS_TOOLTIPS);
    TOOLINFO ti = {};
    EXPECT_EQ((INT_PTR)kPaneID, bar->OnToolHitTest(Pane(1).CenterPoint(), &ti));
    EXPECT_EQ(Pane(1), CRect(ti.rect));
    EXPECT_STREQ("提示", ti.lpszText);
    free(ti.lpszText);
    EXPECT_EQ(-1, bar->OnToolHitTest(Pane(2).CenterPoint(), nullptr));
}

TEST_F(StatusBarFixture, DoubleClickOnAPaneSendsItsCommandOnlyWhenAsked)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    pFrame->m_bPaneEnabled = TRUE; // a disabled command is not delivered
    const CPoint point = Pane(1).CenterPoint();
    bar->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PumpMessages();
    EXPECT_EQ(0, pFrame->m_nCommands);
    bar->EnablePaneDoubleClick();
    bar->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PumpMessages();
    EXPECT_EQ(1, pFrame->m_nCommands);
}

}
