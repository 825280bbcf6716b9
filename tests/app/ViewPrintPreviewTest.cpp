// Command 57609 of vorlen's view shows the library's print preview of the view, and closing it brings the view back.
#include "app/CVorlenView.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/controls/CTavoPPrintPreviewView.h"
#include <gtest/gtest.h>

TEST(ViewPrintPreview, CommandShowsTheLibrarysPreviewOfTheView)
{
    CTestSeams::Engage();
    CTestSeams::SetFakePrinter(true);
    CTavoPFrameWnd* pFrame = new CTavoPFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CVorlenView);
    ASSERT_TRUE(pFrame->Create(NULL, "vorlen", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               CRect(0, 0, 600, 400), NULL, NULL, 0, &context));
    CView* pView = static_cast<CView*>(pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    pFrame->SetActiveView(pView);

    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    EXPECT_TRUE(pFrame->GetActiveView()->IsKindOf(RUNTIME_CLASS(CTavoPPrintPreviewView)));
    pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE);
    EXPECT_EQ(pView, pFrame->GetActiveView());
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());

    pFrame->DestroyWindow();
    CTestSeams::Release();
}
