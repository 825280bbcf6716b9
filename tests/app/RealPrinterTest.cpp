// Printing and print preview on the run's real printer, a PDF queue: the framework's print of a
// view of known drawing gives a PDF of its text and pages; the library's preview shows the
// printer's page, pages and prints; vorlen's print commands run to their end.
#include "app/CVorlenView.h"
#include "tests/support/ModalScript.h"
#include "tests/support/RealPrinter.h"
#include "tests/support/BarTestSupport.h"
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/controls/CTavoPPrintPreviewView.h"
#include <gtest/gtest.h>
#include <cmath>
#include <memory>

namespace {

const char* const kPrintDialogCaption = "打印";

// Two pages, each with a Chinese and a Latin line in 宋体, its page number and a frame.
class CKnownView : public CView
{
    DECLARE_DYNCREATE(CKnownView)
public:
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(2);
        return DoPreparePrinting(pInfo);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        const int nDpi = pDC->GetDeviceCaps(LOGPIXELSY);
        HFONT hFont = ::CreateFontA(-::MulDiv(14, nDpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                    GB2312_CHARSET, 0, 0, 0, 0, "宋体");
        HGDIOBJ hOld = ::SelectObject(pDC->m_hDC, hFont);
        const int nLine = ::MulDiv(24, nDpi, 72);
        const CRect& rect = pInfo->m_rectDraw;
        ::TextOutA(pDC->m_hDC, rect.left + nDpi, rect.top + nDpi, "药品库存", 8);
        ::TextOutA(pDC->m_hDC, rect.left + nDpi, rect.top + nDpi + nLine, "stock list", 10);
        char szPage[32];
        const int n = wsprintfA(szPage, "page %u of 2", pInfo->m_nCurPage);
        ::TextOutA(pDC->m_hDC, rect.left + nDpi, rect.top + nDpi + 2 * nLine, szPage, n);
        ::SelectObject(pDC->m_hDC, hOld);
        ::DeleteObject(hFont);
        pDC->Rectangle(rect.left + nDpi / 2, rect.top + nDpi / 2, rect.right - nDpi / 2,
                       rect.top + nDpi + 4 * nLine);
    }
};
IMPLEMENT_DYNCREATE(CKnownView, CView)

// A document only for its title, which names the print job and so the PDF.
class CTitledDocument : public CDocument
{};

// Runs queued modal steps while this thread pumps until fnDone holds or the time is up.
void PumpUntil(const std::function<bool()>& fnDone, DWORD dwTimeout = 20000)
{
    const DWORD dwStart = ::GetTickCount();
    while (!fnDone() && ::GetTickCount() - dwStart < dwTimeout)
        PumpFor(50);
}

class RealPrinterFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_REAL_PRINTER();
        CTestSeams::Engage();
        CTestSeams::UseRealPrinter(true);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        PumpMessages();
        if (m_hAccel != NULL)
            ::DestroyAcceleratorTable(m_hAccel);
        CTestSeams::Release();
    }
    // A frame of the class showing a view of the class, with a document of a title of its own.
    template <class TFrame>
    CView* MakeFrame(CRuntimeClass* pViewClass, const char* pszTitle)
    {
        m_strTitle = RealPrinter::UniqueTitle(pszTitle);
        CTitledDocument* pDocument = new CTitledDocument; // goes with its view
        pDocument->SetTitle(m_strTitle.c_str());
        TFrame* pFrame = new TFrame;
        m_pFrame = pFrame;
        CCreateContext context;
        context.m_pNewViewClass = pViewClass;
        context.m_pCurrentDoc = pDocument;
        if (!pFrame->Create(NULL, "printer", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            CRect(0, 0, 700, 500), NULL, NULL, 0, &context))
            return nullptr;
        CView* pView = static_cast<CView*>(pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
        pFrame->SetActiveView(pView);
        return pView;
    }
    // The pages of the PDF the job of this test's document made.
    std::vector<std::string> PrintedPages()
    {
        const std::string strPdf = RealPrinter::TakePdf(m_strTitle);
        EXPECT_FALSE(strPdf.empty()) << "no PDF of " << m_strTitle;
        return strPdf.empty() ? std::vector<std::string>() : RealPrinter::PageTexts(strPdf);
    }
    static void ExpectKnownPages(const std::vector<std::string>& pages)
    {
        ASSERT_EQ(2u, pages.size());
        for (size_t i = 0; i < pages.size(); i++)
        {
            SCOPED_TRACE(pages[i]);
            EXPECT_NE(std::string::npos, pages[i].find("药品库存"));
            EXPECT_NE(std::string::npos, pages[i].find("stock list"));
            EXPECT_NE(std::string::npos, pages[i].find(i == 0 ? "page 1 of 2" : "page 2 of 2"));
        }
    }

    CFrameWnd* m_pFrame = nullptr;
    std::string m_strTitle;
    HACCEL m_hAccel = NULL;
};

} // namespace

TEST_F(RealPrinterFixture, FrameworkPrintGivesAPdfOfTheViewsTextAndPages)
{
    CView* pView = MakeFrame<CFrameWnd>(RUNTIME_CLASS(CKnownView), "framework-print");
    ASSERT_NE(nullptr, pView);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    ExpectKnownPages(PrintedPages());
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
}

TEST_F(RealPrinterFixture, LibraryPreviewShowsThePrintersPagesAndPrintsFromThere)
{
    CView* pView = MakeFrame<CTavoPFrameWnd>(RUNTIME_CLASS(CKnownView), "preview-print");
    ASSERT_NE(nullptr, pView);
    CTavoPFrameWnd* pFrame = static_cast<CTavoPFrameWnd*>(m_pFrame);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    TestBar bar(120, 24);
    ASSERT_TRUE(bar.Make(pFrame, AFX_IDW_CONTROLBAR_FIRST + 32));
    pFrame->DockControlBar(&bar);
    CTavoPStatusBar statusBar;
    static const UINT indicators[] = {ID_SEPARATOR};
    ASSERT_TRUE(statusBar.Create(pFrame));
    ASSERT_TRUE(statusBar.SetIndicators(indicators, 1));
    HMENU hMenu = ::CreateMenu();
    ::AppendMenuA(hMenu, MF_STRING, 100, "&File");
    ::SetMenu(pFrame->m_hWnd, hMenu);
    ACCEL accel = {FVIRTKEY | FCONTROL, 'P', ID_FILE_PRINT};
    m_hAccel = ::CreateAcceleratorTable(&accel, 1);
    pFrame->m_hAccelTable = m_hAccel;
    pFrame->RecalcLayout();

    ASSERT_TRUE(ShowPrintPreview(pView));
    CTavoPPrintPreviewView* pPreview =
        dynamic_cast<CTavoPPrintPreviewView*>(pFrame->GetActiveView());
    ASSERT_NE(nullptr, pPreview);
    EXPECT_FALSE(bar.IsWindowVisible());

    // The page has the shape of the printer's page.
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    ASSERT_TRUE(::PrintDlgA(&pd));
    const double dPrinter =
        (double)::GetDeviceCaps(pd.hDC, HORZRES) / ::GetDeviceCaps(pd.hDC, VERTRES);
    ::DeleteDC(pd.hDC);
    ::GlobalFree(pd.hDevMode);
    ::GlobalFree(pd.hDevNames);
    const CRect rectPage = pPreview->GetPageRect(0);
    ASSERT_FALSE(rectPage.IsRectEmpty());
    EXPECT_NEAR(dPrinter, (double)rectPage.Width() / rectPage.Height(), 0.02);

    // The page number follows paging forwards and back and the one/two-page switch.
    struct Step
    {
        UINT nCommand;
        const char* pszStatus;
    };
    const Step steps[] = {{0, "Page 1"},
                          {ID_PREVIEW_NEXT, "Page 2"},
                          {ID_PREVIEW_PREV, "Page 1"},
                          {ID_PREVIEW_NUMPAGE, "Pages 1-2"},
                          {ID_PREVIEW_NUMPAGE, "Page 1"}};
    for (const Step& step : steps)
    {
        if (step.nCommand != 0)
            pFrame->SendMessage(WM_COMMAND, step.nCommand);
        pPreview->Invalidate();
        pPreview->UpdateWindow();
        EXPECT_STREQ(step.pszStatus, statusBar.GetPaneText(0)) << step.nCommand;
    }
    EXPECT_EQ(2u, pPreview->GetPrintInfo()->GetMaxPage());

    // Printing from the preview closes it and prints through the print dialog.
    ModalScript script;
    script.When(kPrintDialogCaption, [](HWND hDlg) { ModalScript::Click(hDlg, IDOK); });
    pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_PRINT);
    PumpUntil([&]() { return script.Finished() || !script.Failure().empty(); });
    EXPECT_TRUE(script.Finished()) << script.Failure();
    ExpectKnownPages(PrintedPages());

    // The frame is as it was before.
    EXPECT_EQ(pView, pFrame->GetActiveView());
    EXPECT_TRUE(pView->IsWindowVisible());
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_TRUE(statusBar.IsWindowVisible());
    EXPECT_EQ(hMenu, ::GetMenu(pFrame->m_hWnd));
    EXPECT_EQ(m_hAccel, pFrame->m_hAccelTable);
    EXPECT_FALSE(pFrame->GetDockManager()->IsPrintPreviewValid());
    EXPECT_EQ(nullptr, pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR));
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
    pFrame->DestroyWindow();
}

TEST_F(RealPrinterFixture, VorlensPrintCommandsRunToTheirEnd)
{
    // The view draws nothing of its own: each print is one empty page.
    CView* pView = MakeFrame<CTavoPFrameWnd>(RUNTIME_CLASS(CVorlenView), "vorlen");
    ASSERT_NE(nullptr, pView);

    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    std::vector<std::string> pages = PrintedPages();
    ASSERT_EQ(1u, pages.size());
    EXPECT_EQ(std::string::npos, pages[0].find_first_not_of(" \r\n"));

    ModalScript script;
    script.When(kPrintDialogCaption, [](HWND hDlg) { ModalScript::Click(hDlg, IDOK); });
    m_pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT);
    PumpUntil([&]() { return script.Finished() || !script.Failure().empty(); });
    EXPECT_TRUE(script.Finished()) << script.Failure();
    EXPECT_EQ(1u, PrintedPages().size());

    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    EXPECT_TRUE(m_pFrame->GetActiveView()->IsKindOf(RUNTIME_CLASS(CTavoPPrintPreviewView)));
    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE);
    EXPECT_EQ(pView, m_pFrame->GetActiveView());
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
}
