// Command 57609 of vorlen's view shows the library's print preview of the view in vorlen's main frame, and closing it brings the view and the bars back.
#include "app/CMainFrame.h"
#include "app/CVorlenView.h"
#include "res/resource.h"
#include "ui/controls/CTavoPPrintPreviewView.h"
#include <gtest/gtest.h>

TEST(ViewPrintPreview, CommandShowsTheLibrarysPreviewOfTheView)
{
    CTestSeams::Engage();
    CTestSeams::SetFakePrinter(true);
    CMainFrame* pFrame = new CMainFrame;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CVorlenView);
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, &context));
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->MoveWindow(0, 0, 700, 500);
    CView* pView = static_cast<CView*>(pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    pFrame->SetActiveView(pView);

    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CTavoPPrintPreviewView* pPreview =
        DYNAMIC_DOWNCAST(CTavoPPrintPreviewView, pFrame->GetActiveView());
    ASSERT_NE(nullptr, pPreview);
    // The preview's toolbar runs along the top, the status bar stays at the bottom, the other
    // bars are hidden; the preview takes what is left.
    auto inFrame = [&](CWnd* pWnd) {
        CRect rect;
        pWnd->GetWindowRect(rect);
        pFrame->ScreenToClient(rect);
        return rect;
    };
    CRect rectClient;
    pFrame->GetClientRect(rectClient);
    const CRect rectBar = inFrame(&pPreview->GetToolBar());
    const CRect rectPreview = inFrame(pPreview);
    EXPECT_TRUE(pPreview->GetToolBar().IsWindowVisible());
    EXPECT_FALSE(pFrame->GetToolBar().IsWindowVisible());
    EXPECT_FALSE(pFrame->GetMenuBar().IsWindowVisible());
    ASSERT_TRUE(pFrame->GetStatusBar().IsWindowVisible());
    EXPECT_EQ(0, rectBar.top);
    EXPECT_LT(0, rectBar.Height());
    EXPECT_EQ(rectBar.bottom, rectPreview.top);
    EXPECT_EQ(inFrame(&pFrame->GetStatusBar()).top, rectPreview.bottom);
    EXPECT_EQ(rectClient.Width(), rectPreview.Width());

    pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE);
    EXPECT_EQ(pView, pFrame->GetActiveView());
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
    EXPECT_TRUE(pFrame->GetToolBar().IsWindowVisible());
    EXPECT_TRUE(pFrame->GetMenuBar().IsWindowVisible());
    EXPECT_EQ(inFrame(&pFrame->GetToolBar()).bottom, inFrame(pView).top);

    pFrame->DestroyWindow();
    CTestSeams::Release();
}
