// Commands travel from the frame to the active view, its document, the frame itself and the
// application; idle processing updates every control's enabled and checked state through the same route.
#include "tests/framework/WinTestApp.h"
#include <gtest/gtest.h>

namespace {

class CRouteDoc : public CDocument
{
    DECLARE_DYNCREATE(CRouteDoc)
public:
    BOOL OnRouteAll(UINT)
    {
        TestApp().m_route.push_back("doc");
        return FALSE;
    }
    void OnStopHere() { TestApp().m_route.push_back("doc-stop"); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CRouteDoc, CDocument)
BEGIN_MESSAGE_MAP(CRouteDoc, CDocument)
    ON_COMMAND_EX(ID_TEST_ROUTE_ALL, OnRouteAll)
    ON_COMMAND(ID_TEST_STOP_AT_DOC, OnStopHere)
END_MESSAGE_MAP()

class CRouteView : public CView
{
    DECLARE_DYNCREATE(CRouteView)
public:
    int m_nInitialUpdates = 0;
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override
    {
        ++m_nInitialUpdates;
        CView::OnInitialUpdate();
    }
    BOOL OnRouteAll(UINT)
    {
        TestApp().m_route.push_back("view");
        return FALSE;
    }
    void OnUpdateViewItem(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(FALSE);
        pCmdUI->SetCheck(1);
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CRouteView, CView)
BEGIN_MESSAGE_MAP(CRouteView, CView)
    ON_COMMAND_EX(ID_TEST_ROUTE_ALL, OnRouteAll)
    ON_UPDATE_COMMAND_UI(ID_TEST_UPDATE_VIEW, OnUpdateViewItem)
END_MESSAGE_MAP()

// A bar of buttons that updates them while the program is idle, as toolbars do.
class CButtonBar : public CWnd
{
public:
    LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
    {
        UpdateDialogControls(GetParentFrame(), TRUE);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CButtonBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class CRouteFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CRouteFrame)
public:
    CButtonBar m_bar;
    CStatic m_messageLine;

    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        m_bar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 30), this, 0xE800);
        const UINT ids[] = {ID_TEST_UPDATE_VIEW, ID_TEST_FRAME_ONLY, ID_TEST_NOBODY};
        for (int i = 0; i < 3; i++)
            ::CreateWindow("BUTTON", "b", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, i * 60, 0, 50, 20,
                           m_bar.m_hWnd, (HMENU)(UINT_PTR)ids[i], nullptr, nullptr);
        m_messageLine.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 200, 300, 220), this,
                             AFX_IDW_STATUS_BAR);
        return 0;
    }
    BOOL OnRouteAll(UINT)
    {
        TestApp().m_route.push_back("frame");
        return FALSE;
    }
    void OnFrameOnly() { TestApp().m_route.push_back("frame-only"); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CRouteFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CRouteFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_EX(ID_TEST_ROUTE_ALL, OnRouteAll)
    ON_COMMAND(ID_TEST_FRAME_ONLY, OnFrameOnly)
END_MESSAGE_MAP()

class CommandRoutingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTestSeams::Engage();
        CWinTestApp& app = TestApp();
        app.m_route.clear();
        if (app.GetFirstDocTemplatePosition() == nullptr)
            app.AddDocTemplate(new CSingleDocTemplate(1, RUNTIME_CLASS(CRouteDoc),
                                                      RUNTIME_CLASS(CRouteFrame),
                                                      RUNTIME_CLASS(CRouteView)));
        CCommandLineInfo cmdInfo;
        ASSERT_TRUE(app.ProcessShellCommand(cmdInfo));
        m_pFrame = dynamic_cast<CRouteFrame*>(app.m_pMainWnd);
        ASSERT_NE(nullptr, m_pFrame);
    }
    void TearDown() override
    {
        CWinTestApp& app = TestApp();
        if (app.m_pMainWnd != nullptr)
            app.m_pMainWnd->SendMessage(WM_CLOSE);
        DrainQuitMessage();
        CTestSeams::Release();
    }
    CRouteFrame* m_pFrame = nullptr;
};

} // namespace

TEST_F(CommandRoutingTest, NewDocumentMakesFrameViewAndDocumentTogether)
{
    CRouteView* pView = dynamic_cast<CRouteView*>(m_pFrame->GetActiveView());
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(1, pView->m_nInitialUpdates);
    EXPECT_NE(nullptr, dynamic_cast<CRouteDoc*>(pView->GetDocument()));
    EXPECT_EQ(m_pFrame, pView->GetParentFrame());
    EXPECT_EQ(m_pFrame, pView->GetTopLevelFrame());
    EXPECT_TRUE(m_pFrame->IsWindowVisible());
}

TEST_F(CommandRoutingTest, CommandsRunViewDocumentFrameApplicationWhileHandlersContinue)
{
    m_pFrame->SendMessage(WM_COMMAND, ID_TEST_ROUTE_ALL);
    EXPECT_EQ((std::vector<std::string>{"view", "doc", "frame", "app"}), TestApp().m_route);

    TestApp().m_route.clear();
    m_pFrame->SendMessage(WM_COMMAND, ID_TEST_STOP_AT_DOC);
    EXPECT_EQ((std::vector<std::string>{"doc-stop"}), TestApp().m_route);

    // A command whose update handler disables it is not run from a menu or accelerator.
    TestApp().m_route.clear();
    m_pFrame->SendMessage(WM_COMMAND, ID_TEST_UPDATE_VIEW);
    EXPECT_TRUE(TestApp().m_route.empty());
}

TEST_F(CommandRoutingTest, IdleUpdatesControlsThroughTheCommandRoute)
{
    HWND hBar = m_pFrame->m_bar.m_hWnd;
    HWND hViewItem = ::GetDlgItem(hBar, ID_TEST_UPDATE_VIEW);
    HWND hFrameOnly = ::GetDlgItem(hBar, ID_TEST_FRAME_ONLY);
    HWND hNobody = ::GetDlgItem(hBar, ID_TEST_NOBODY);
    ASSERT_TRUE(hViewItem && hFrameOnly && hNobody);
    ::EnableWindow(hFrameOnly, FALSE);

    TestApp().OnIdle(0);

    EXPECT_FALSE(::IsWindowEnabled(hViewItem));
    EXPECT_EQ(BST_CHECKED, ::SendMessage(hViewItem, BM_GETCHECK, 0, 0));
    EXPECT_TRUE(::IsWindowEnabled(hFrameOnly)); // a command handler exists on the route
    EXPECT_FALSE(::IsWindowEnabled(hNobody));   // nobody handles it
}

TEST_F(CommandRoutingTest, MessageLineShowsPromptsAndFreeText)
{
    m_pFrame->SetMessageText("正在查询");
    CString text;
    m_pFrame->m_messageLine.GetWindowText(text);
    EXPECT_STREQ("正在查询", text);
    EXPECT_EQ(&m_pFrame->m_messageLine, m_pFrame->GetMessageBar());
}

TEST_F(CommandRoutingTest, ClosingTheMainFrameEndsTheProgramLoop)
{
    HWND hFrame = m_pFrame->m_hWnd;
    m_pFrame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(nullptr, TestApp().m_pMainWnd);
    MSG msg;
    EXPECT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(CommandRoutingTest, FrameTakesTitleMenuAndAcceleratorsFromItsResourceId)
{
    CString strTitle;
    m_pFrame->GetWindowText(strTitle);
    EXPECT_STREQ("无标题 - 路由框架", strTitle); // the document's title before the frame's
    ASSERT_NE(nullptr, ::GetMenu(m_pFrame->m_hWnd));
    EXPECT_EQ(::GetMenu(m_pFrame->m_hWnd), m_pFrame->m_hMenuDefault);
    ASSERT_NE(nullptr, m_pFrame->m_hAccelTable);

    // A key pressed in the view walks up to the frame, whose accelerator turns it into the command.
    MSG msg = {};
    msg.hwnd = m_pFrame->GetActiveView()->m_hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_F5;
    msg.lParam = 1;
    EXPECT_TRUE(AfxPreTranslateMessage(&msg));
    PumpPendingMessages();
    EXPECT_EQ((std::vector<std::string>{"view", "doc", "frame", "app"}), TestApp().m_route);
}

TEST_F(CommandRoutingTest, MenuItemsAreUpdatedAndPromptedWhileTheMenuIsOpen)
{
    HMENU hPopup = ::GetSubMenu(::GetMenu(m_pFrame->m_hWnd), 0);
    ASSERT_NE(nullptr, hPopup);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, MAKELPARAM(0, FALSE));
    auto state = [&](UINT nID) { return ::GetMenuState(hPopup, nID, MF_BYCOMMAND); };
    EXPECT_FALSE(state(ID_TEST_ROUTE_ALL) & MF_GRAYED);
    EXPECT_TRUE(state(ID_TEST_UPDATE_VIEW) & MF_GRAYED);
    EXPECT_TRUE(state(ID_TEST_UPDATE_VIEW) & MF_CHECKED);
    EXPECT_FALSE(state(ID_TEST_FRAME_ONLY) & MF_GRAYED);
    EXPECT_TRUE(state(ID_TEST_NOBODY) & MF_GRAYED);

    CString text;
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_FRAME_ONLY, MF_STRING), (LPARAM)hPopup);
    m_pFrame->SendMessage(WM_ENTERIDLE, MSGF_MENU, 0);
    m_pFrame->m_messageLine.GetWindowText(text);
    EXPECT_STREQ("只在框架的命令", text); // the prompt is the text before the line break
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    m_pFrame->m_messageLine.GetWindowText(text);
    EXPECT_STREQ("就绪", text);
}

namespace {

// A floating frame that counts the idle updates it gets, and tells when it is deleted.
class CCountingMiniFrame : public CMiniFrameWnd
{
public:
    explicit CCountingMiniFrame(bool* pDeleted) : m_pDeleted(pDeleted) {}
    ~CCountingMiniFrame() override { *m_pDeleted = true; }
    int m_nIdleUpdates = 0;
    LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
    {
        ++m_nIdleUpdates;
        return 0;
    }

private:
    bool* m_pDeleted;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingMiniFrame, CMiniFrameWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

} // namespace

TEST_F(CommandRoutingTest, IdleReachesEveryFloatingFrameWhichDeletesItselfWhenDestroyed)
{
    bool bDeleted = false;
    CCountingMiniFrame* pMini = new CCountingMiniFrame(&bDeleted);
    ASSERT_TRUE(pMini->CreateEx(0, nullptr, "浮动", WS_POPUP | WS_CAPTION | MFS_THICKFRAME,
                                CRect(10, 10, 200, 100), m_pFrame));
    EXPECT_TRUE(pMini->GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(pMini->GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(pMini->GetStyle() & WS_THICKFRAME);
    EXPECT_FALSE(pMini->GetStyle() & MFS_THICKFRAME);
    pMini->ShowWindow(SW_SHOWNOACTIVATE);

    TestApp().OnIdle(0);
    EXPECT_EQ(1, pMini->m_nIdleUpdates);
    pMini->ShowWindow(SW_HIDE);
    TestApp().OnIdle(0);
    EXPECT_EQ(1, pMini->m_nIdleUpdates); // hidden frames are left alone

    pMini->DestroyWindow();
    EXPECT_TRUE(bDeleted);
}
