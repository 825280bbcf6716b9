// The library's print preview in a library frame with a fake printer: the page number reaches the
// status bar's stretching pane, or the frame's message line without one; the frame's bars come
// back; a failed start says so and leaves nothing behind.
#include "framework/Framework.h"
#include "tests/support/BarTestSupport.h"
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/controls/CTavoPPrintPreviewView.h"
#include "res/LibraryIds.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class CPagesView : public CView
{
    DECLARE_DYNCREATE(CPagesView)
public:
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(3);
        return DoPreparePrinting(pInfo);
    }
};
IMPLEMENT_DYNCREATE(CPagesView, CView)

class PrintPreviewFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTestSeams::Engage();
        m_pFrame = new CTavoPFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CPagesView);
        ASSERT_TRUE(m_pFrame->Create(NULL, "preview", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     CRect(0, 0, 700, 500), NULL, NULL, 0, &context));
        m_pView = dynamic_cast<CPagesView*>(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
        ASSERT_NE(nullptr, m_pView);
        m_pFrame->SetActiveView(m_pView);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(m_bar.Make(m_pFrame, AFX_IDW_CONTROLBAR_FIRST + 32));
        m_pFrame->DockControlBar(&m_bar);
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        PumpMessages();
        CTestSeams::Release();
    }
    void AddStatusBar()
    {
        static const UINT indicators[] = {ID_SEPARATOR};
        m_pStatusBar = std::make_unique<CTavoPStatusBar>();
        ASSERT_TRUE(m_pStatusBar->Create(m_pFrame));
        ASSERT_TRUE(m_pStatusBar->SetIndicators(indicators, 1));
        m_pStatusBar->SetPaneText(0, "就绪");
    }
    void AddMessageLine()
    {
        m_messageLine.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 400, 300, 420), m_pFrame,
                             AFX_IDW_STATUS_BAR);
    }
    CString MessageLine()
    {
        CString text;
        m_messageLine.GetWindowText(text);
        return text;
    }
    CTavoPPrintPreviewView* Preview()
    {
        return dynamic_cast<CTavoPPrintPreviewView*>(m_pFrame->GetActiveView());
    }
    void ShowPages()
    {
        ASSERT_NE(nullptr, Preview());
        Preview()->Invalidate();
        Preview()->UpdateWindow();
    }

    CTavoPFrameWnd* m_pFrame = nullptr;
    CPagesView* m_pView = nullptr;
    TestBar m_bar{120, 24};
    std::unique_ptr<CTavoPStatusBar> m_pStatusBar;
    CStatic m_messageLine;
};

} // namespace

TEST_F(PrintPreviewFixture, PageNumberReachesTheStatusBarsStretchingPane)
{
    AddStatusBar();
    CTestSeams::SetFakePrinter(true);
    ASSERT_TRUE(ShowPrintPreview(m_pView));
    ShowPages();
    EXPECT_STREQ("Page 1", m_pStatusBar->GetPaneText(0));

    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_NUMPAGE);
    ShowPages();
    EXPECT_STREQ("Pages 1-2", m_pStatusBar->GetPaneText(0));

    // The preview keeps the status bar and hides the docked bar; closing brings that back.
    EXPECT_TRUE(m_pStatusBar->IsWindowVisible());
    EXPECT_FALSE(m_bar.IsWindowVisible());
    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE);
    EXPECT_EQ(m_pView, m_pFrame->GetActiveView());
    EXPECT_TRUE(m_bar.IsWindowVisible());
    EXPECT_FALSE(m_pFrame->GetDockManager()->IsPrintPreviewValid());
    EXPECT_STREQ("", m_pStatusBar->GetPaneText(0));
}

TEST_F(PrintPreviewFixture, WithoutLibraryStatusBarThePageNumberGoesToTheMessageLine)
{
    AddMessageLine();
    CTestSeams::SetFakePrinter(true);
    ASSERT_TRUE(ShowPrintPreview(m_pView));
    ShowPages();
    EXPECT_STREQ("Page 1", MessageLine());
}

TEST_F(PrintPreviewFixture, StatusBarThatIsGoneNoLongerGetsThePageNumber)
{
    AddStatusBar();
    CTestSeams::SetFakePrinter(true);
    ASSERT_TRUE(ShowPrintPreview(m_pView));
    m_pFrame->RemoveControlBarFromDockManager(m_pStatusBar.get(), FALSE, FALSE, FALSE);
    m_pStatusBar.reset();
    AddMessageLine();
    ShowPages();
    EXPECT_STREQ("Page 1", MessageLine());
    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE);
    EXPECT_EQ(m_pView, m_pFrame->GetActiveView());
}

TEST_F(PrintPreviewFixture, FailedStartSaysCommandFailedAndLeavesNothingBehind)
{
    AddStatusBar();
    HMENU hMenu = ::GetMenu(m_pFrame->m_hWnd);
    EXPECT_FALSE(ShowPrintPreview(m_pView)); // no printer

    ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
    EXPECT_STREQ("Command failed.", CTestSeams::MessageBoxes()[0].strText);
    EXPECT_EQ((UINT)MB_OK, CTestSeams::MessageBoxes()[0].nType & 0xF);
    EXPECT_EQ(m_pView, m_pFrame->GetActiveView());
    EXPECT_EQ(m_pView, m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    EXPECT_TRUE(m_pView->IsWindowVisible());
    EXPECT_EQ(nullptr, m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR));
    EXPECT_EQ(hMenu, ::GetMenu(m_pFrame->m_hWnd));
    EXPECT_TRUE(m_bar.IsWindowVisible());
    EXPECT_FALSE(m_pFrame->GetDockManager()->IsPrintPreviewValid());
}

TEST_F(PrintPreviewFixture, ToolbarDropsThePlaceholderAndItsPagesButtonFollowsThePageMode)
{
    CTestSeams::SetFakePrinter(true);
    ASSERT_TRUE(ShowPrintPreview(m_pView));
    CTavoPPrintPreviewToolBar& toolBar = Preview()->GetToolBar();
    ASSERT_EQ(7, toolBar.GetCount());
    EXPECT_LT(toolBar.CommandToIndex(ID_TAVOP_PREVIEW_TWO_PAGES), 0);

    // One page shows: the button offers two pages with the placeholder's image, then its own.
    const int iPages = toolBar.CommandToIndex(ID_PREVIEW_NUMPAGE);
    ASSERT_GE(iPages, 0);
    toolBar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(7, toolBar.GetButton(iPages)->GetImage());
    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_NUMPAGE);
    toolBar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(3, toolBar.GetButton(iPages)->GetImage());

    // Print shows its text beside its image, close its text alone.
    CTavoPToolbarButton* pPrint = toolBar.GetButton(toolBar.CommandToIndex(ID_PREVIEW_PRINT));
    CTavoPToolbarButton* pClose = toolBar.GetButton(toolBar.CommandToIndex(ID_PREVIEW_CLOSE));
    ASSERT_TRUE(pPrint != nullptr && pClose != nullptr);
    EXPECT_TRUE(pPrint->m_bText && pPrint->m_bImage);
    EXPECT_TRUE(pClose->m_bText && !pClose->m_bImage);

    // The preview bar runs across the frame at the toolbar's height.
    CWnd* pBar = m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
    ASSERT_NE(nullptr, pBar);
    CRect rectBar, rectToolBar, rectFrame;
    pBar->GetClientRect(rectBar);
    toolBar.GetWindowRect(rectToolBar);
    m_pFrame->GetClientRect(rectFrame);
    EXPECT_EQ(rectFrame.Width(), rectBar.Width());
    EXPECT_EQ(rectToolBar.Height(), rectBar.Height());
    // The preview view starts below the bar, which covers none of it.
    CRect rectBarInFrame, rectView;
    pBar->GetWindowRect(rectBarInFrame);
    Preview()->GetWindowRect(rectView);
    EXPECT_EQ(rectBarInFrame.bottom, rectView.top);
}
