// The docking pane in a real frame: its caption buttons, hit test and painting, floating and coming back by double click, its archive record and docks that cannot happen.
#include "tests/ui/bars/DockingPaneSupport.h"
#include "tests/support/BmpFile.h"
#include "tests/support/WindowPixels.h"
#include "framework/CArchive.h"
#include "framework/CMemFile.h"
#include "ui/bars/docking/CTavoPAutoHideDockBar.h"
#include "ui/bars/docking/CTavoPCaptionButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <string>

namespace {

class DockingPane : public PaneFrameFixture
{};

struct ButtonCase
{
    const char* name;
    BOOL bClosable;
    BOOL bAutoHideSide; // the frame keeps auto-hidden panes on the pane's side
    BOOL bCloseShown;
    BOOL bPinShown;
};

} // namespace

TEST_F(DockingPane, CaptionButtonsShowWhatThePaneMayDoFromTheRightEnd)
{
    const ButtonCase cases[] = {
        {"closable on an auto-hide side", TRUE, TRUE, TRUE, TRUE},
        {"not closable: the pin takes the right end", FALSE, TRUE, FALSE, TRUE},
        {"side without auto-hide", TRUE, FALSE, TRUE, FALSE},
    };
    // Auto-hidden panes are kept on the right side only.
    ASSERT_TRUE(Manager()->AddDockBar(CBRS_ALIGN_RIGHT, RUNTIME_CLASS(CTavoPAutoHideDockBar)));
    const CSize sizeButton = CTavoPCaptionButton::GetSize();
    UINT nID = 300;
    for (const ButtonCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const DWORD dwBehaviour =
            TAVOP_CBRS_FLOAT | TAVOP_CBRS_PROPERTY2 | (c.bClosable ? TAVOP_CBRS_CLOSE : 0);
        CaptionPane* pPane = AddPane(nID++, "Pane", CSize(160, 200), dwBehaviour);
        pFrame->DockControlBar(pPane,
                               c.bAutoHideSide ? AFX_IDW_DOCKBAR_RIGHT : AFX_IDW_DOCKBAR_LEFT);
        PumpFor(20);

        const CRect rectCaption = pPane->GetCaptionRect();
        ASSERT_EQ(GetGlobalData().m_nTextHeightHorz + 4, rectCaption.Height());
        const CTavoPCaptionButton& close = pPane->GetCaptionButton(0);
        const CTavoPCaptionButton& pin = pPane->GetCaptionButton(1);
        EXPECT_EQ(!c.bCloseShown, close.m_bHidden);
        EXPECT_EQ(!c.bPinShown, pin.m_bHidden);
        const int nTop = rectCaption.top + (rectCaption.Height() - sizeButton.cy) / 2;
        int x = rectCaption.right;
        for (const CTavoPCaptionButton* pButton : {&close, &pin})
        {
            if (pButton->m_bHidden)
                continue;
            x -= sizeButton.cx + 2;
            EXPECT_EQ(CPoint(x, nTop), pButton->m_ptOrg) << pButton->m_nHit;
        }
        pPane->Undock(FALSE);
        pPane->ShowWindow(SW_HIDE);
    }
}

TEST_F(DockingPane, HitTestTellsButtonsCaptionAndClientApart)
{
    CaptionPane* pPane = AddPane(310, "Pane", CSize(180, 200));
    ASSERT_TRUE(Manager()->AddDockBar(CBRS_ALIGN_LEFT, RUNTIME_CLASS(CTavoPAutoHideDockBar)));
    pFrame->DockControlBar(pPane, AFX_IDW_DOCKBAR_LEFT);
    PumpFor(20);

    const CRect rectWindow = pPane->ScreenRect();
    const CRect rectCaption = pPane->CaptionOnScreen();
    const CPoint ptClose =
        pPane->GetCaptionButton(0).GetRect().CenterPoint() + rectWindow.TopLeft();
    const CPoint ptPin = pPane->GetCaptionButton(1).GetRect().CenterPoint() + rectWindow.TopLeft();
    const struct
    {
        const char* name;
        CPoint pt;
        int nHit;
        int nHitDetectingCaption;
    } cases[] = {
        {"outside", CPoint(rectWindow.right + 3, rectWindow.top + 50), HTNOWHERE, HTNOWHERE},
        {"close button", ptClose, TAVOP_HT_PANE_CLOSE, TAVOP_HT_PANE_CLOSE},
        {"pin button", ptPin, TAVOP_HT_PANE_PIN, TAVOP_HT_PANE_PIN},
        {"caption text", CPoint(rectCaption.left + 10, rectCaption.CenterPoint().y), HTCLIENT,
         HTCAPTION},
        {"client area", CPoint(rectWindow.left + 10, rectCaption.bottom + 20), HTCLIENT, HTCLIENT},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.nHit, pPane->HitTest(c.pt, FALSE));
        EXPECT_EQ(c.nHitDetectingCaption, pPane->HitTest(c.pt, TRUE));
        if (c.nHit != HTNOWHERE)
        {
            EXPECT_EQ(c.nHit, (int)pPane->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.pt.x, c.pt.y)));
        }
    }
    // Over the caption the pane is a drop place for a tab; near its edges it takes a pane beside.
    EXPECT_EQ(
        3, pPane->GetDockingStatus(CPoint(rectCaption.left + 10, rectCaption.CenterPoint().y), 15));
    EXPECT_EQ(
        2, pPane->GetDockingStatus(CPoint(rectWindow.right - 5, rectWindow.CenterPoint().y), 15));
    EXPECT_EQ(0, pPane->GetDockingStatus(rectWindow.CenterPoint(), 15));
}

TEST_F(DockingPane, CaptionShowsItsLookTextAndButtonsAndTheActiveLookWithTheFocus)
{
    CaptionPane* pPane = AddPane(320, "WWWWWW", CSize(200, 200));
    pFrame->DockControlBar(pPane, AFX_IDW_DOCKBAR_LEFT);
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), pPane, 1));
    pPane->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpFor(30);

    const CRect rectCaption = pPane->GetCaptionRect();
    const CRect rectClose = pPane->GetCaptionButton(0).GetRect();
    const auto pixels = [&](const CRect& rect) { return WindowPixels(pPane->GetSafeHwnd(), rect); };
    const auto count = [](const std::vector<COLORREF>& v, COLORREF c) {
        return std::count(v.begin(), v.end(), c);
    };
    const COLORREF clrInactive = ::GetSysColor(COLOR_INACTIVECAPTION);
    const COLORREF clrActive = ::GetSysColor(COLOR_ACTIVECAPTION);
    ASSERT_NE(clrInactive, clrActive);

    // The strip between the text and the button is the caption colour; the text is drawn left
    // of the buttons only.
    const int y = rectCaption.CenterPoint().y;
    const CRect rectGap(rectClose.left - 12, rectCaption.top + 2, rectClose.left - 4,
                        rectCaption.bottom - 2);
    const std::vector<COLORREF> gap = pixels(rectGap);
    EXPECT_EQ((long)gap.size(), count(gap, clrInactive));
    const std::vector<COLORREF> text = pixels(CRect(rectCaption.left + 2, rectCaption.top + 1,
                                                    rectCaption.left + 60, rectCaption.bottom - 1));
    EXPECT_GT(count(text, clrInactive), 0);
    EXPECT_LT(count(text, clrInactive), (long)text.size()) << "the text is drawn there";
    const std::vector<COLORREF> button = pixels(rectClose);
    EXPECT_LT(count(button, clrInactive), (long)button.size()) << "the close glyph is drawn";

    // The focus in a child of the pane turns the caption to its active look.
    edit.SetFocus();
    pPane->OnUpdateCmdUI(pFrame, FALSE);
    PumpFor(20);
    EXPECT_TRUE(pPane->IsActiveCaption());
    const std::vector<COLORREF> gapActive = pixels(rectGap);
    EXPECT_EQ((long)gapActive.size(), count(gapActive, clrActive));
    EXPECT_EQ(clrActive, WindowPixels(pPane->GetSafeHwnd(), CRect(rectCaption.left + 1, y,
                                                                  rectCaption.left + 2, y + 1))[0]);
}

TEST_F(DockingPane, DoubleClicksFloatThePaneAndBringItBackToItsNodeAndShare)
{
    CaptionPane* pLeft = DockedPane(330, AFX_IDW_DOCKBAR_LEFT, CSize(200, 400));
    CaptionPane* pBelow = AddPane(331, "Below", CSize(200, 100));
    ASSERT_NE(nullptr, pBelow->DockToWindow(pLeft, CBRS_ALIGN_BOTTOM));
    PumpFor(30);
    // The frame's resize shares the column out by the panes' shares (74 and 26 percent, whole
    // pixels both ways).
    pFrame->Resize(600, 300);
    PumpFor(30);
    ASSERT_EQ(CRect(0, 226, 200, 300), pFrame->InFrame(pBelow));
    ASSERT_EQ(26, pBelow->GetPercent());

    BOOL bFirst = FALSE;
    CTavoPBarContainer* pNode = pBelow->Node(bFirst);
    ASSERT_NE(nullptr, pNode);
    const BOOL bFirstBefore = bFirst;
    const CRect rectBefore = pFrame->InFrame(pBelow);
    const int nPercentBefore = pBelow->GetPercent();
    const CRect rectLeftBefore = pFrame->InFrame(pLeft);

    const CPoint ptGrip = pBelow->GripPoint();
    CPoint ptClient = ptGrip;
    pBelow->ScreenToClient(&ptClient);
    pBelow->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
    PumpFor(30);
    ASSERT_TRUE(pBelow->IsFloating());
    CTavoPMiniFrameWnd* pMiniFrame = pBelow->GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);
    EXPECT_EQ(nullptr, pBelow->GetDefaultSlider());
    // The pane above takes the whole column while the pane floats.
    EXPECT_EQ(rectLeftBefore.top, pFrame->InFrame(pLeft).top);
    EXPECT_EQ(rectBefore.bottom, pFrame->InFrame(pLeft).bottom);

    const HWND hMiniFrame = pMiniFrame->GetSafeHwnd();
    pMiniFrame->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 5));
    PumpFor(50);
    EXPECT_FALSE(pBelow->IsFloating());
    EXPECT_FALSE(::IsWindow(hMiniFrame)) << "the empty floating frame goes";
    EXPECT_EQ(pNode, pBelow->Node(bFirst));
    EXPECT_EQ(bFirstBefore, bFirst);
    EXPECT_EQ(nPercentBefore, pBelow->GetPercent());
    EXPECT_EQ(rectBefore, pFrame->InFrame(pBelow));
    EXPECT_EQ(rectLeftBefore, pFrame->InFrame(pLeft));
}

TEST_F(DockingPane, DoubleClicksBringAnUnevenlySharedPaneBackToItsVeryPixels)
{
    // 150 pixels below 400 squeezed into a 360-pixel column: shares between whole percents,
    // which a return by percents would round a few pixels off, more with every round trip.
    CaptionPane* pAbove = DockedPane(340, AFX_IDW_DOCKBAR_LEFT, CSize(200, 400));
    CaptionPane* pBelow = AddPane(341, "Below", CSize(200, 150));
    ASSERT_NE(nullptr, pBelow->DockToWindow(pAbove, CBRS_ALIGN_BOTTOM));
    PumpFor(30);
    pFrame->Resize(600, 360);
    PumpFor(30);
    const CRect rectAbove = pFrame->InFrame(pAbove), rectBelow = pFrame->InFrame(pBelow);
    ASSERT_EQ(CRect(0, 0, 200, 222), rectAbove);
    ASSERT_EQ(CRect(0, 226, 200, 360), rectBelow);

    for (int nRound = 0; nRound < 2; nRound++)
    {
        SCOPED_TRACE(nRound);
        CPoint ptClient = pBelow->GripPoint();
        pBelow->ScreenToClient(&ptClient);
        pBelow->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
        PumpFor(30);
        CTavoPMiniFrameWnd* pMiniFrame = pBelow->GetParentMiniFrame();
        ASSERT_NE(nullptr, pMiniFrame);
        EXPECT_EQ(CRect(0, 0, 200, 360), pFrame->InFrame(pAbove));
        pMiniFrame->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 5));
        PumpFor(50);
        ASSERT_FALSE(pBelow->IsFloating());
        EXPECT_EQ(rectBelow, pFrame->InFrame(pBelow));
        EXPECT_EQ(rectAbove, pFrame->InFrame(pAbove));
    }
}

TEST_F(DockingPane, ArchiveOfAFloatingPaneHoldsItsFrameRectangle)
{
    CaptionPane* pPane = DockedPane(340, AFX_IDW_DOCKBAR_RIGHT, CSize(150, 300));
    ASSERT_TRUE(pPane->FloatControlBar(CRect(300, 250, 460, 400), TAVOP_DM_RECT, TRUE));
    CTavoPMiniFrameWnd* pMiniFrame = pPane->GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);
    pMiniFrame->SetWindowPos(NULL, 320, 240, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rectFrame;
    pMiniFrame->GetWindowRect(rectFrame);

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pPane->Serialize(ar);
    }
    // The record ends with the floating rectangle, the docked rectangle and the floating flag.
    const ULONGLONG nLength = file.GetLength();
    ASSERT_GE(nLength, 36u);
    std::vector<BYTE> bytes((size_t)nLength);
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)nLength);
    const LONG* pTail = (const LONG*)(bytes.data() + nLength - 36);
    EXPECT_EQ(rectFrame, CRect(pTail[0], pTail[1], pTail[2], pTail[3]));
    EXPECT_EQ(1, pTail[8]);

    CaptionPane loaded;
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_EQ(rectFrame, loaded.GetRecentDockInfo().m_rectRecentFloatingRect);
    EXPECT_TRUE(loaded.GetLoadedFloatingState());
    EXPECT_EQ(CRect(pTail[4], pTail[5], pTail[6], pTail[7]),
              loaded.GetRecentDockInfo().m_recentSliderInfo.m_rectRecentDockedRect);
}

TEST_F(DockingPane, DocksThatCannotHappenLeaveThePaneWhereItWas)
{
    CaptionPane* pPane = DockedPane(350, AFX_IDW_DOCKBAR_LEFT, CSize(150, 300));
    CaptionPane* pFloating = AddPane(351, "Floating", CSize(120, 120));
    ASSERT_TRUE(pFloating->FloatControlBar(CRect(400, 300, 520, 420), TAVOP_DM_RECT, TRUE));
    TestBar toolbar(100, 24);
    ASSERT_TRUE(toolbar.Make(pFrame, 352));
    PumpFor(20);
    const CRect rectBefore = pFrame->InFrame(pPane);
    CTavoPSlider* pSliderBefore = pPane->GetDefaultSlider();
    ASSERT_NE(nullptr, pSliderBefore);

    // A target without a layout tree, a target that takes no pane, a rectangle dock without
    // a rectangle.
    EXPECT_EQ(nullptr, pPane->DockToWindow(pFloating, CBRS_ALIGN_RIGHT));
    EXPECT_FALSE(pPane->DockByMethod(&toolbar, NULL, TAVOP_DM_DROP));
    EXPECT_FALSE(pPane->DockByMethod(NULL, NULL, TAVOP_DM_RECT));
    PumpFor(20);
    EXPECT_EQ(rectBefore, pFrame->InFrame(pPane));
    EXPECT_EQ(pSliderBefore, pPane->GetDefaultSlider());
    EXPECT_TRUE(pPane->IsWindowVisible());
    EXPECT_TRUE(pFloating->IsFloating());

    // A target whose tree does not hold it refuses the pane after the pane left its place: the
    // pane goes back to its node.
    CaptionPane* pOther = DockedPane(353, AFX_IDW_DOCKBAR_RIGHT, CSize(150, 400));
    pFloating->SetDefaultSlider(pOther->GetDefaultSlider()->GetSafeHwnd());
    BOOL bFirst = FALSE;
    CTavoPBarContainer* pNode = pPane->Node(bFirst);
    const CRect rectPlace = pFrame->InFrame(pPane);
    EXPECT_EQ(nullptr, pPane->DockToWindow(pFloating, CBRS_ALIGN_RIGHT));
    pFloating->SetDefaultSlider(NULL);
    PumpFor(20);
    EXPECT_EQ(pSliderBefore, pPane->GetDefaultSlider());
    EXPECT_EQ(pNode, pPane->Node(bFirst));
    EXPECT_EQ(rectPlace, pFrame->InFrame(pPane));
    EXPECT_FALSE(pOther->GetDefaultSlider()->IsBarInTree(pPane));
}

TEST_F(DockingPane, FrameWithDockedPanesLeavesItsPicture)
{
    CaptionPane* pLeft = DockedPane(360, AFX_IDW_DOCKBAR_LEFT, CSize(160, 400));
    pLeft->SetWindowText("Left pane");
    CaptionPane* pBelow = AddPane(361, "Below the left pane", CSize(160, 150));
    ASSERT_NE(nullptr, pBelow->DockToWindow(pLeft, CBRS_ALIGN_BOTTOM));
    CaptionPane* pBottom = DockedPane(362, AFX_IDW_DOCKBAR_BOTTOM, CSize(600, 90));
    pBottom->SetWindowText("Bottom pane");
    // Each pane shows a list, as a pane of a program would; the focus in one makes its caption
    // active.
    CListBox lists[3];
    CaptionPane* pPanes[3] = {pLeft, pBelow, pBottom};
    for (int i = 0; i < 3; i++)
    {
        CRect rectClient;
        pPanes[i]->GetClientRect(rectClient);
        ASSERT_TRUE(lists[i].Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                                    rectClient, pPanes[i], 1));
        for (const char* item : {"Stock in", "Sales", "Queries", "Reports"})
            lists[i].AddString(item);
    }
    lists[0].SetFocus();
    pLeft->OnUpdateCmdUI(pFrame, FALSE);
    pFrame->RedrawWindow(NULL, NULL,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(100);

    // The panes share the client area without overlapping.
    const CRect rectLeft = pFrame->InFrame(pLeft), rectBelow = pFrame->InFrame(pBelow),
                rectBottom = pFrame->InFrame(pBottom);
    CRect rectOverlap;
    EXPECT_FALSE(rectOverlap.IntersectRect(rectLeft, rectBelow));
    EXPECT_FALSE(rectOverlap.IntersectRect(rectLeft, rectBottom));
    EXPECT_EQ(rectLeft.left, rectBelow.left);
    EXPECT_EQ(rectLeft.right, rectBelow.right);
    // Docked after the column, the bottom pane lies inside it.
    EXPECT_EQ(rectLeft.right + 4, rectBottom.left);
    EXPECT_EQ(600, rectBottom.right);
    EXPECT_EQ(400, rectBottom.bottom);

    EXPECT_TRUE(
        WriteWindowPicture(pFrame->GetSafeHwnd(), VORLEN_ARTEFACTS_DIR, "docking-panes.bmp"));
}

namespace {

// The tooltip control that holds a tool of the window (a tooltip is owned by the top-level
// window, whichever window made it).
HWND ToolTipOf(HWND hWnd, UINT_PTR nTool)
{
    struct Search
    {
        HWND hWnd;
        UINT_PTR nTool;
        HWND hFound;
    } search = {hWnd, nTool, NULL};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hCandidate, LPARAM lParam) -> BOOL {
            Search* pSearch = (Search*)lParam;
            char szClass[64] = "";
            ::GetClassNameA(hCandidate, szClass, sizeof szClass);
            TOOLINFOA info = {};
            info.cbSize = sizeof info;
            info.hwnd = pSearch->hWnd;
            info.uId = pSearch->nTool;
            if (lstrcmpiA(szClass, TOOLTIPS_CLASSA) != 0 ||
                !::SendMessageA(hCandidate, TTM_GETTOOLINFOA, 0, (LPARAM)&info))
                return TRUE;
            pSearch->hFound = hCandidate;
            return FALSE;
        },
        (LPARAM)&search);
    return search.hFound;
}

} // namespace

TEST_F(DockingPane, CaptionButtonsCarryTheirTipsOverThemInClientCoordinates)
{
    ASSERT_TRUE(Manager()->AddDockBar(CBRS_ALIGN_LEFT, RUNTIME_CLASS(CTavoPAutoHideDockBar)));
    CaptionPane* pPane = DockedPane(370, AFX_IDW_DOCKBAR_LEFT, CSize(180, 400));
    const HWND hToolTip = ToolTipOf(pPane->GetSafeHwnd(), 1);
    ASSERT_NE((HWND)NULL, hToolTip);

    CRect rectWindow, rectClient;
    pPane->GetWindowRect(rectWindow);
    pPane->GetClientRect(rectClient);
    pPane->ClientToScreen(rectClient);
    const CSize offset = rectClient.TopLeft() - rectWindow.TopLeft();
    const struct
    {
        UINT_PTR nTool;
        const char* text;
        int nButton;
    } tools[] = {{1, "Close", 0}, {2, "Auto Hide", 1}};
    for (const auto& tool : tools)
    {
        SCOPED_TRACE(tool.text);
        char szText[80] = "";
        TOOLINFOA info = {};
        info.cbSize = sizeof info;
        info.hwnd = pPane->GetSafeHwnd();
        info.uId = tool.nTool;
        info.lpszText = szText;
        ::SendMessageA(hToolTip, TTM_GETTEXTA, sizeof szText, (LPARAM)&info);
        EXPECT_STREQ(tool.text, szText);
        ASSERT_TRUE(::SendMessageA(hToolTip, TTM_GETTOOLINFOA, 0, (LPARAM)&info));
        CRect rectButton = pPane->GetCaptionButton(tool.nButton).GetRect();
        rectButton.OffsetRect(-offset);
        EXPECT_EQ(rectButton, CRect(info.rect));
    }
}

TEST_F(DockingPane, PanesLieInsideTheToolbarsAndAnOuterEdgePaneOutsideTheOthers)
{
    TestBar toolbar(200, 24);
    ASSERT_TRUE(toolbar.Make(pFrame, 380));
    pFrame->DockControlBar(&toolbar, AFX_IDW_DOCKBAR_TOP);
    CaptionPane* pInner = DockedPane(381, AFX_IDW_DOCKBAR_LEFT, CSize(150, 400));
    EXPECT_EQ(CRect(0, 24, 150, 400), pFrame->InFrame(pInner));

    CaptionPane* pOuter = AddPane(382, "Outer", CSize(100, 400));
    ASSERT_TRUE(pOuter->DockToFrameSide(CBRS_ALIGN_LEFT, NULL, NULL, TRUE));
    PumpFor(20);
    EXPECT_EQ(CRect(0, 24, 100, 400), pFrame->InFrame(pOuter));
    EXPECT_EQ(CRect(104, 24, 254, 400), pFrame->InFrame(pInner));
    EXPECT_EQ(CRect(258, 24, 600, 400), Manager()->GetClientAreaBounds());

    // One layout pass places the toolbar and both columns again after a resize.
    pFrame->Resize(500, 300);
    PumpFor(20);
    EXPECT_EQ(24, pFrame->InFrame(&toolbar).bottom);
    EXPECT_EQ(CRect(0, 24, 100, 300), pFrame->InFrame(pOuter));
    EXPECT_EQ(CRect(104, 24, 254, 300), pFrame->InFrame(pInner));
}

TEST_F(DockingPane, HiddenPaneGivesItsShareToItsNeighbourAndTakesItBackWhenShown)
{
    CaptionPane* pTop = DockedPane(390, AFX_IDW_DOCKBAR_LEFT, CSize(200, 400));
    CaptionPane* pBottom = AddPane(391, "Bottom", CSize(200, 100));
    ASSERT_NE(nullptr, pBottom->DockToWindow(pTop, CBRS_ALIGN_BOTTOM));
    PumpFor(20);
    const CRect rectTop = pFrame->InFrame(pTop), rectBottom = pFrame->InFrame(pBottom);
    ASSERT_EQ(CRect(0, 0, 200, 296), rectTop);
    ASSERT_EQ(CRect(0, 300, 200, 400), rectBottom);

    pBottom->ShowControlBar(FALSE, FALSE, FALSE);
    PumpFor(20);
    EXPECT_FALSE(pBottom->IsVisible());
    EXPECT_EQ(CRect(0, 0, 200, 400), pFrame->InFrame(pTop));

    pBottom->ShowControlBar(TRUE, FALSE, FALSE);
    PumpFor(20);
    EXPECT_TRUE(pBottom->IsVisible());
    EXPECT_EQ(rectTop, pFrame->InFrame(pTop));
    EXPECT_EQ(rectBottom, pFrame->InFrame(pBottom));
}

TEST_F(DockingPane, ImmediateDragNeverTearsOffWhileTheCursorHasNotEnteredThePane)
{
    CaptionPane* pPane = DockedPane(395, AFX_IDW_DOCKBAR_LEFT, CSize(150, 400));
    pPane->SetDockingMode(TAVOP_DOCK_IMMEDIATE);
    // The press arrives while the cursor is already far away, and so do the moves.
    const CRect rectWindow = pPane->ScreenRect();
    ::SetCursorPos(rectWindow.right + 200, rectWindow.top + 200);
    const CPoint ptGrip = pPane->GripPoint();
    CPoint ptClient = ptGrip;
    pPane->ScreenToClient(&ptClient);
    pPane->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
    for (int i = 0; i < 3; i++)
    {
        ::SetCursorPos(rectWindow.right + 220 + 20 * i, rectWindow.top + 200);
        pPane->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptClient.x + 200, ptClient.y));
    }
    pPane->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptClient.x + 200, ptClient.y));
    PumpFor(20);
    EXPECT_FALSE(pPane->IsFloating());
    EXPECT_NE(nullptr, pPane->GetDefaultSlider());
    EXPECT_EQ(rectWindow, pPane->ScreenRect());
}

TEST_F(DockingPane, ContainerOfAnotherTreeDocksBesideThePaneWithItsPanes)
{
    CaptionPane* pLeft = DockedPane(396, AFX_IDW_DOCKBAR_LEFT, CSize(200, 400));
    CaptionPane* pFirst = DockedPane(397, AFX_IDW_DOCKBAR_RIGHT, CSize(150, 400));
    CaptionPane* pSecond = AddPane(398, "Second", CSize(150, 150));
    ASSERT_NE(nullptr, pSecond->DockToWindow(pFirst, CBRS_ALIGN_BOTTOM));
    CTavoPSlider* pOtherSlider = pFirst->GetDefaultSlider();
    ASSERT_NE(nullptr, pOtherSlider);
    CTavoPBarContainer* pRoot = pOtherSlider->GetBarTreeManager()->GetRootContainer();

    ASSERT_TRUE(pLeft->DockContainer(pRoot, CBRS_ALIGN_BOTTOM));
    PumpFor(20);
    CTavoPSlider* pSlider = pLeft->GetDefaultSlider();
    for (CaptionPane* pPane : {pFirst, pSecond})
    {
        EXPECT_EQ(pSlider, pPane->GetDefaultSlider());
        EXPECT_TRUE(pSlider->IsBarInTree(pPane));
        EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, pPane->GetCurrentAlignment());
        EXPECT_EQ(pPane, Manager()->FindBarByID(pPane->GetDlgCtrlID(), FALSE));
    }
    // Both moved panes lie below the pane in its column, one above the other.
    const CRect rectLeft = pFrame->InFrame(pLeft), rectFirst = pFrame->InFrame(pFirst),
                rectSecond = pFrame->InFrame(pSecond);
    EXPECT_EQ(rectLeft.left, rectFirst.left);
    EXPECT_EQ(rectLeft.right, rectFirst.right);
    EXPECT_LT(rectLeft.bottom, rectFirst.top);
    EXPECT_LT(rectFirst.bottom, rectSecond.top);
    EXPECT_EQ(400, rectSecond.bottom);

    // A container of no tree, or a side that is none, docks nothing.
    CTavoPBarContainer orphan;
    EXPECT_FALSE(pLeft->DockContainer(&orphan, CBRS_ALIGN_BOTTOM));
    EXPECT_FALSE(pLeft->DockContainer(pRoot, 0));
}

TEST_F(DockingPane, SliderStepsLeaveEveryCaptionAsAWholeRepaintDrawsIt)
{
    CaptionPane* pA = DockedPane(600, AFX_IDW_DOCKBAR_LEFT, CSize(300, 400));
    CaptionPane* pB = AddPane(601, "Bravo", CSize(150, 200));
    ASSERT_NE(nullptr, pB->DockToWindow(pA, CBRS_ALIGN_RIGHT));
    CaptionPane* pC = AddPane(602, "Charlie", CSize(150, 200));
    ASSERT_NE(nullptr, pC->DockToWindow(pA, CBRS_ALIGN_BOTTOM));
    CaptionPane* pD = AddPane(603, "Delta", CSize(150, 200));
    ASSERT_NE(nullptr, pD->DockToWindow(pB, CBRS_ALIGN_BOTTOM));
    PumpFor(20);
    const CObList& lstSliders = pA->GetDefaultSlider()->GetBarTreeManager()->GetSliders();
    ASSERT_EQ(3, lstSliders.GetCount());

    // Steps both ways move some panes, resize others and leave a few alone; each caption must
    // look as a whole repaint of the pane draws it.
    const COLORREF clrCaption = ::GetSysColor(COLOR_INACTIVECAPTION);
    for (POSITION pos = lstSliders.GetHeadPosition(); pos != NULL;)
    {
        CTavoPSlider* pSlider = (CTavoPSlider*)lstSliders.GetNext(pos);
        for (int nStep : {1, -1, 3, -2})
        {
            SCOPED_TRACE(nStep);
            pSlider->MoveSlider(CSize(nStep, nStep));
            PumpFor(10);
            for (CaptionPane* pPane : {pA, pB, pC, pD})
            {
                const CRect rectCaption = pPane->GetCaptionRect();
                const std::vector<COLORREF> afterStep =
                    WindowPixels(pPane->GetSafeHwnd(), rectCaption);
                ASSERT_GT(std::count(afterStep.begin(), afterStep.end(), clrCaption), 0);
                pPane->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
                EXPECT_EQ(WindowPixels(pPane->GetSafeHwnd(), rectCaption), afterStep)
                    << "pane " << pPane->GetDlgCtrlID();
            }
        }
    }
}

TEST_F(DockingPane, FramePaintDrawsTheCaptionOnlyWhereItsRegionTouchesIt)
{
    CaptionPane* pPane = DockedPane(610, AFX_IDW_DOCKBAR_LEFT, CSize(200, 300));
    pPane->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    const CRect rectCaption = pPane->GetCaptionRect();
    const std::vector<COLORREF> drawn = WindowPixels(pPane->GetSafeHwnd(), rectCaption);
    const COLORREF clrJunk = RGB(255, 0, 255);
    const auto spoil = [&] {
        CWindowDC dc(pPane);
        dc.FillSolidRect(rectCaption, clrJunk);
    };
    CRect rectWindow;
    pPane->GetWindowRect(rectWindow);
    // The region comes in screen coordinates.
    const auto paint = [&](CRect rectInWindow) {
        rectInWindow.OffsetRect(rectWindow.TopLeft());
        HRGN hrgn = ::CreateRectRgnIndirect(rectInWindow);
        pPane->SendMessage(WM_NCPAINT, (WPARAM)hrgn);
        ::DeleteObject(hrgn);
    };

    spoil();
    paint(CRect(0, rectCaption.bottom + 10, rectWindow.Width(), rectWindow.Height()));
    std::vector<COLORREF> pixels = WindowPixels(pPane->GetSafeHwnd(), rectCaption);
    EXPECT_EQ((long)pixels.size(), std::count(pixels.begin(), pixels.end(), clrJunk))
        << "a region below the caption paints nothing there";

    const int xHalf = rectCaption.CenterPoint().x;
    paint(CRect(xHalf, 0, rectWindow.Width(), rectCaption.bottom));
    pixels = WindowPixels(pPane->GetSafeHwnd(), rectCaption);
    const int nWidth = rectCaption.Width();
    for (int y = 0; y < rectCaption.Height(); y++)
    {
        for (int x = 0; x < nWidth; x++)
        {
            const size_t i = (size_t)(y * nWidth + x);
            const COLORREF clrExpected = rectCaption.left + x < xHalf ? clrJunk : drawn[i];
            ASSERT_EQ(clrExpected, pixels[i]) << x << "," << y;
        }
    }

    // The whole frame asked for, as with no region, draws all of it again.
    spoil();
    pPane->SendMessage(WM_NCPAINT, 1);
    EXPECT_EQ(drawn, WindowPixels(pPane->GetSafeHwnd(), rectCaption));
}
