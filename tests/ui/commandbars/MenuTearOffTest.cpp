// Popup menus in a library frame: the frame may refuse them; torn off by the caption, a placed menu floats as a toolbar of its items and a cancelled one leaves nothing.
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <utility>
#include <vector>
#include "tests/support/MessagePump.h"

namespace {

const UINT kBarID = 0xE900, kTearOffID = 0x9001;
const UINT kNew = 32001, kOpen = 32002, kSave = 32003, kAbout = 32004;

class TearOffFrame : public CTavoPFrameWnd
{
public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CTavoPFrameWnd::OnCreate(lpCreateStruct) == -1 ||
            !m_wndBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, kBarID))
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        m_wndBar.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndBar);
        return 0;
    }
    BOOL OnTearOffMenu(CTavoPPopupMenu*, CTavoPControlBar*) override { return m_bAcceptBars; }
    BOOL OnBeforeShowPopupMenu(CTavoPPopupMenu* pPopup) override
    {
        return pPopup == nullptr || m_bAcceptPopups;
    }
    void OnClosePopupMenu(CTavoPPopupMenu* pPopup) override
    {
        m_nPopupsClosed++;
        CTavoPFrameWnd::OnClosePopupMenu(pPopup);
    }

    CTavoPToolBar m_wndBar;
    BOOL m_bAcceptBars = TRUE;
    BOOL m_bAcceptPopups = TRUE;
    int m_nPopupsClosed = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TearOffFrame, CTavoPFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// The user's answer to the move that follows a tear-off: a release places the bar, Escape
// cancels. It is given to whatever window holds the mouse on the test's thread.
std::thread AnswerTheMove(DWORD dwThread, bool bPlace)
{
    return std::thread([dwThread, bPlace]() {
        for (int i = 0; i < 300; i++)
        {
            GUITHREADINFO info = {};
            info.cbSize = sizeof info;
            if (::GetGUIThreadInfo(dwThread, &info) && info.hwndCapture != NULL)
            {
                ::Sleep(50);
                if (bPlace)
                    ::PostMessage(info.hwndCapture, WM_LBUTTONUP, 0, 0);
                else
                    ::PostMessage(info.hwndCapture, WM_KEYDOWN, VK_ESCAPE, 1);
                return;
            }
            ::Sleep(10);
        }
    });
}

class MenuTearOff : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTavoPPopupMenu::m_AnimationType = 0;
        pFrame = new TearOffFrame;
        ASSERT_TRUE(pFrame->Create(NULL, "tear-off", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   CRect(100, 100, 700, 500)));
        hwndFrame = pFrame->GetSafeHwnd();
        pFrame->RecalcLayout();

        // New, Open, ---, Save, then items that have no place on a toolbar, and a sub-menu.
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenu(hMenu, MF_STRING, kNew, "&New\tCtrl+N");
        ::AppendMenu(hMenu, MF_STRING, kOpen, "&Open");
        ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
        ::AppendMenu(hMenu, MF_STRING, kSave, "&Save");
        ::AppendMenu(hMenu, MF_STRING, 0xE110, "Recent File");
        ::AppendMenu(hMenu, MF_STRING, SC_CLOSE, "C&lose");
        ::AppendMenu(hMenu, MF_STRING, 0xE210, "&Edit object");
        HMENU hSub = ::CreatePopupMenu();
        ::AppendMenu(hSub, MF_STRING, kAbout, "&About");
        ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hSub, "S&pecial\tx");
        pButton = new CTavoPToolbarMenuButton(0, hMenu, -1, "&File");
        ::DestroyMenu(hMenu);
        pButton->SetTearOff(kTearOffID);
        pFrame->m_wndBar.InsertButton(pButton);
        pFrame->m_wndBar.AdjustLayout();
        PumpMessages();
    }
    void TearDown() override
    {
        if (::IsWindow(hwndFrame))
        {
            pButton->OnCancelMode();
            pFrame->DestroyWindow();
        }
        PumpMessages();
    }

    // Opens the menu and drags its tear-off caption out of it, as the user does.
    CTavoPPopupMenu* TearOffByTheCaption(bool bPlace, HWND* phwndPopup)
    {
        if (!pButton->OnClick(&pFrame->m_wndBar, FALSE))
            return nullptr;
        CTavoPPopupMenu* pPopup = pButton->GetPopupMenu();
        if (pPopup == nullptr)
            return nullptr;
        *phwndPopup = pPopup->GetSafeHwnd();
        CRect rectClient;
        pPopup->GetClientRect(rectClient);
        CPoint ptCaption(rectClient.CenterPoint().x, 6);
        CPoint ptScreen = ptCaption;
        pPopup->ClientToScreen(&ptScreen);
        EXPECT_EQ(CTavoPPopupMenu::HitTearOff, pPopup->HitTest(ptScreen));

        std::thread user = AnswerTheMove(::GetCurrentThreadId(), bPlace);
        pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptCaption.x, ptCaption.y));
        pPopup->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptCaption.x, 60));
        user.join();
        PumpMessages();
        return pPopup;
    }

    TearOffFrame* pFrame = nullptr;
    HWND hwndFrame = NULL;
    CTavoPToolbarMenuButton* pButton = nullptr;
};

} // namespace

TEST_F(MenuTearOff, PlacedTearOffFloatsAToolbarOfTheMenusItems)
{
    HWND hwndPopup = NULL;
    ASSERT_NE(nullptr, TearOffByTheCaption(true, &hwndPopup));

    CTavoPToolBar* pBar = DYNAMIC_DOWNCAST(CTavoPToolBar, pFrame->GetControlBar(kTearOffID));
    ASSERT_NE(nullptr, pBar);
    EXPECT_TRUE(pBar->IsFloating());
    EXPECT_TRUE(pBar->IsWindowVisible());
    CString strName;
    pBar->GetWindowText(strName);
    EXPECT_STREQ("File", strName);
    EXPECT_FALSE(::IsWindow(hwndPopup)) << "the menu closed";
    ASSERT_EQ(1, pFrame->GetFrameImpl()->GetTearOffBars().GetCount());
    EXPECT_EQ(pBar, pFrame->GetFrameImpl()->GetTearOffBars().GetHead());

    // Recent files, system commands and object verbs stay behind; the sub-menu comes along
    // without the text after its tab.
    const std::vector<std::pair<UINT, std::string>> expected = {{kNew, "&New\tCtrl+N"},
                                                                {kOpen, "&Open"},
                                                                {0, ""},
                                                                {kSave, "&Save"},
                                                                {(UINT)-1, "S&pecial"}};
    ASSERT_EQ((int)expected.size(), pBar->GetCount());
    for (int i = 0; i < pBar->GetCount(); i++)
    {
        CTavoPToolbarButton* pItem = pBar->GetButton(i);
        EXPECT_EQ(expected[i].first, pItem->m_nID) << i;
        if (expected[i].first != 0)
        {
            EXPECT_STREQ(expected[i].second.c_str(), pItem->m_strText) << i;
        }
    }
    CTavoPToolbarMenuButton* pSpecial =
        DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pBar->GetButton(4));
    ASSERT_NE(nullptr, pSpecial);
    EXPECT_EQ(1, pSpecial->GetCommands().GetCount());

    // Torn off again, the same bar moves to the new place.
    ASSERT_TRUE(pButton->OnClick(&pFrame->m_wndBar, FALSE));
    ASSERT_NE(nullptr, pButton->GetPopupMenu());
    ASSERT_TRUE(pButton->GetPopupMenu()->TearOff(CPoint(420, 330)));
    EXPECT_EQ(pBar, pFrame->GetControlBar(kTearOffID));
    EXPECT_EQ(1, pFrame->GetFrameImpl()->GetTearOffBars().GetCount());
    CRect rectMiniFrame;
    pBar->GetParentMiniFrame()->GetWindowRect(rectMiniFrame);
    EXPECT_EQ(CPoint(420, 330), rectMiniFrame.TopLeft());

    // Docked meanwhile, it floats there again.
    pButton->OnCancelMode();
    pFrame->DockControlBar(pBar);
    PumpMessages();
    ASSERT_FALSE(pBar->IsFloating());
    ASSERT_TRUE(pButton->OnClick(&pFrame->m_wndBar, FALSE));
    ASSERT_NE(nullptr, pButton->GetPopupMenu());
    ASSERT_TRUE(pButton->GetPopupMenu()->TearOff(CPoint(380, 300)));
    PumpMessages();
    EXPECT_TRUE(pBar->IsFloating());
    EXPECT_EQ(1, pFrame->GetFrameImpl()->GetTearOffBars().GetCount());
}

TEST_F(MenuTearOff, CancelledOrRefusedTearOffLeavesNoBar)
{
    for (const bool bRefused : {false, true})
    {
        SCOPED_TRACE(bRefused ? "refused by the frame" : "cancelled by the user");
        pFrame->m_bAcceptBars = !bRefused;
        HWND hwndPopup = NULL;
        if (bRefused)
        {
            ASSERT_TRUE(pButton->OnClick(&pFrame->m_wndBar, FALSE));
            ASSERT_NE(nullptr, pButton->GetPopupMenu());
            hwndPopup = pButton->GetPopupMenu()->GetSafeHwnd();
            EXPECT_FALSE(pButton->GetPopupMenu()->TearOff(CPoint(300, 300)));
        }
        else
            ASSERT_NE(nullptr, TearOffByTheCaption(false, &hwndPopup));

        EXPECT_EQ(nullptr, pFrame->GetControlBar(kTearOffID));
        EXPECT_EQ(0, pFrame->GetFrameImpl()->GetTearOffBars().GetCount());
        EXPECT_TRUE(::IsWindow(hwndPopup) && ::IsWindowVisible(hwndPopup)) << "the menu stays";
        pButton->OnCancelMode();
        PumpMessages();
        pFrame->RecalcLayout();
    }
}

TEST_F(MenuTearOff, ACancelledMoveTakesTheBarOffTheTornOffListItself)
{
    // The move loop run by a caller other than the popup: the caller must find the bar gone from
    // the list as well as deleted, with nothing left for it to clean up.
    CTavoPToolBar* pBar = new CTavoPToolBar;
    ASSERT_TRUE(pBar->Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kTearOffID));
    pBar->InsertButton(new CTavoPToolbarButton(kNew, -1, "New"));
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->GetFrameImpl()->AddTearOffBar(pBar);
    ASSERT_TRUE(pBar->FloatControlBar(CRect(300, 300, 400, 330), TAVOP_DM_RECT, TRUE));
    CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);
    CWnd menu;
    ASSERT_TRUE(menu.CreateEx(0, AfxRegisterWndClass(0), "menu", WS_POPUP, CRect(0, 0, 50, 50),
                              nullptr, 0));

    std::thread user = AnswerTheMove(::GetCurrentThreadId(), false);
    EXPECT_FALSE(pMiniFrame->TrackTearOffMove(&menu));
    user.join();
    PumpMessages();
    EXPECT_EQ(0, pFrame->GetFrameImpl()->GetTearOffBars().GetCount());
    EXPECT_EQ(nullptr, pFrame->GetControlBar(kTearOffID));
    menu.DestroyWindow();
}

// A menu without a tear-off ID has no caption and cannot be torn off.
TEST_F(MenuTearOff, MenuWithoutTearOffIdHasNoCaption)
{
    pButton->SetTearOff(0);
    ASSERT_TRUE(pButton->OnClick(&pFrame->m_wndBar, FALSE));
    CTavoPPopupMenu* pPopup = pButton->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    CRect rectClient;
    pPopup->GetClientRect(rectClient);
    CPoint ptTop(rectClient.CenterPoint().x, 6);
    pPopup->ClientToScreen(&ptTop);
    EXPECT_NE(CTavoPPopupMenu::HitTearOff, pPopup->HitTest(ptTop));
    EXPECT_FALSE(pPopup->TearOff(CPoint(300, 300)));
    EXPECT_EQ(nullptr, pFrame->GetControlBar(kTearOffID));
}

TEST_F(MenuTearOff, FrameMayRefuseAPopupAndHearsWhenOneCloses)
{
    ASSERT_TRUE(pButton->OnClick(&pFrame->m_wndBar, FALSE));
    CTavoPPopupMenu* pPopup = pButton->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(pPopup, CTavoPPopupMenu::GetActiveMenu());
    pButton->OnCancelMode();
    PumpMessages();
    EXPECT_EQ(1, pFrame->m_nPopupsClosed);
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());

    pFrame->m_bAcceptPopups = FALSE;
    EXPECT_FALSE(pButton->OnClick(&pFrame->m_wndBar, FALSE));
    PumpMessages();
    EXPECT_EQ(nullptr, pButton->GetPopupMenu());
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());
    EXPECT_EQ(2, pFrame->m_nPopupsClosed);
}
