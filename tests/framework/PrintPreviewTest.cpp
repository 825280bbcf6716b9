// The print preview stands in for a view under a bar of preview commands, draws the printer's pages
// scaled onto the screen, and gives the frame back its bars, menu and accelerators when it closes
// or fails to start.
#include "tests/framework/WinTestApp.h"
#include <gtest/gtest.h>

namespace {

const UINT kPreviewBarTemplate = 16658;

// Three pages; page n is drawn as a black band over the top n tenths of the page.
class CPagesView : public CView
{
    DECLARE_DYNCREATE(CPagesView)
public:
    int m_nBegun = 0;
    int m_nEnded = 0;
    int m_nPrinted = 0;
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(3);
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC*, CPrintInfo*) override { ++m_nBegun; }
    void OnEndPrinting(CDC*, CPrintInfo*) override { ++m_nEnded; }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        ++m_nPrinted;
        CRect rect = pInfo->m_rectDraw;
        rect.bottom = rect.top + rect.Height() * (int)pInfo->m_nCurPage / 10;
        ::FillRect(pDC->m_hDC, rect, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
};
IMPLEMENT_DYNCREATE(CPagesView, CView)

class CPreviewFrame : public CFrameWnd
{
public:
    CDialogBar m_toolBar;
    CStatic m_messageLine;
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        if (!m_toolBar.Create(this, 2, CBRS_TOP, AFX_IDW_TOOLBAR))
            return -1;
        m_messageLine.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 20), this,
                             AFX_IDW_STATUS_BAR);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPreviewFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class PrintPreviewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        CTestSeams::Engage();
        m_pFrame = new CPreviewFrame;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CPagesView);
        ASSERT_TRUE(m_pFrame->LoadFrame(1, WS_OVERLAPPEDWINDOW, nullptr, &context));
        m_pFrame->InitialUpdateFrame(nullptr, TRUE);
        m_pFrame->MoveWindow(0, 0, 800, 600);
        m_pView = dynamic_cast<CPagesView*>(m_pFrame->GetActiveView());
        ASSERT_NE(nullptr, m_pView);
        m_hMenu = ::GetMenu(m_pFrame->m_hWnd);
        m_hAccel = m_pFrame->m_hAccelTable;
        ASSERT_NE(nullptr, m_hMenu);
        ASSERT_NE(nullptr, m_hAccel);
        PumpPendingMessages();
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
        PumpPendingMessages();
        CTestSeams::Release();
    }

    CPreviewView* Preview() const { return dynamic_cast<CPreviewView*>(m_pFrame->GetActiveView()); }
    CString MessageLine() const
    {
        CString text;
        m_pFrame->m_messageLine.GetWindowText(text);
        return text;
    }
    CString BarButtonText(UINT nID) const
    {
        CString text;
        CWnd* pBar = m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
        if (pBar != nullptr)
            pBar->GetDlgItem(nID)->GetWindowText(text);
        return text;
    }
    BOOL BarButtonEnabled(UINT nID) const
    {
        CWnd* pBar = m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
        return pBar != nullptr && pBar->GetDlgItem(nID)->IsWindowEnabled();
    }
    // The frame as it was before any preview: menu, accelerators, bar, view in its pane.
    void ExpectFrameAsBefore()
    {
        EXPECT_EQ(m_hMenu, ::GetMenu(m_pFrame->m_hWnd));
        EXPECT_EQ(m_hAccel, m_pFrame->m_hAccelTable);
        EXPECT_TRUE(m_pFrame->m_toolBar.IsWindowVisible());
        EXPECT_EQ(nullptr, m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR));
        EXPECT_EQ(m_pView, m_pFrame->GetActiveView());
        EXPECT_EQ(m_pView, m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
        EXPECT_TRUE(m_pView->IsWindowVisible());
        EXPECT_EQ(m_pView->m_nBegun, m_pView->m_nEnded);
    }
    BOOL StartPreview(CPrintPreviewState* pState, UINT nTemplate = kPreviewBarTemplate,
                      CRuntimeClass* pClass = RUNTIME_CLASS(CPreviewView))
    {
        return m_pView->DoPrintPreview(nTemplate, m_pView, pClass, pState);
    }

    CPreviewFrame* m_pFrame = nullptr;
    CPagesView* m_pView = nullptr;
    HMENU m_hMenu = nullptr;
    HACCEL m_hAccel = nullptr;
};

} // namespace

TEST_F(PrintPreviewTest, FailedStartLeavesTheFrameAsItWas)
{
    struct Case
    {
        const char* name;
        bool bPrinter;
        UINT nTemplate;
        CRuntimeClass* pClass;
    };
    const Case cases[] = {
        {"no printer", false, kPreviewBarTemplate, RUNTIME_CLASS(CPreviewView)},
        {"missing bar template", true, 999, RUNTIME_CLASS(CPreviewView)},
        {"pop-up bar template", true, 3, RUNTIME_CLASS(CPreviewView)},
        {"not a preview view", true, kPreviewBarTemplate, RUNTIME_CLASS(CPagesView)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestSeams::SetFakePrinter(c.bPrinter);
        CPrintPreviewState state;
        EXPECT_FALSE(StartPreview(&state, c.nTemplate, c.pClass));
        ExpectFrameAsBefore();
    }
}

TEST_F(PrintPreviewTest, PreviewTakesTheViewsPlaceAndClosingBringsBarsMenuAndAcceleratorsBack)
{
    CTestSeams::SetFakePrinter(true);
    ASSERT_TRUE(StartPreview(new CPrintPreviewState));
    CPreviewView* pPreview = Preview();
    ASSERT_NE(nullptr, pPreview);
    EXPECT_EQ(pPreview, m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    EXPECT_FALSE(m_pView->IsWindowVisible());
    EXPECT_EQ(nullptr, ::GetMenu(m_pFrame->m_hWnd));
    EXPECT_EQ(nullptr, m_pFrame->m_hAccelTable);
    EXPECT_FALSE(m_pFrame->m_toolBar.IsWindowVisible());
    EXPECT_TRUE(m_pFrame->m_messageLine.IsWindowVisible());
    EXPECT_EQ(1, m_pView->m_nBegun);

    // The bar runs along the top; the preview fills what is left.
    CWnd* pBar = m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
    ASSERT_NE(nullptr, pBar);
    CRect rectBar, rectPreview;
    pBar->GetWindowRect(rectBar);
    pPreview->GetWindowRect(rectPreview);
    EXPECT_EQ(rectBar.bottom, rectPreview.top);

    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE);
    ExpectFrameAsBefore();
    EXPECT_EQ(1, m_pView->m_nEnded);
}

TEST_F(PrintPreviewTest, PagesTurnAndTheirNumbersReachTheMessageLine)
{
    CTestSeams::SetFakePrinter(true);
    ASSERT_TRUE(StartPreview(new CPrintPreviewState));
    m_pFrame->UpdateWindow();
    Preview()->UpdateWindow();
    EXPECT_STREQ("Page 1", MessageLine());

    TestApp().OnIdle(0);
    EXPECT_STREQ("Two Page", BarButtonText(ID_PREVIEW_NUMPAGE));
    EXPECT_FALSE(BarButtonEnabled(ID_PREVIEW_PREV));
    EXPECT_TRUE(BarButtonEnabled(ID_PREVIEW_NEXT));

    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_NUMPAGE);
    Preview()->UpdateWindow();
    EXPECT_STREQ("Pages 1-2", MessageLine());
    TestApp().OnIdle(0);
    EXPECT_STREQ("One Page", BarButtonText(ID_PREVIEW_NUMPAGE));

    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_NEXT);
    Preview()->UpdateWindow();
    EXPECT_STREQ("Pages 2-3", MessageLine());
    TestApp().OnIdle(0);
    EXPECT_FALSE(BarButtonEnabled(ID_PREVIEW_NEXT)); // the last page is shown
    EXPECT_TRUE(BarButtonEnabled(ID_PREVIEW_PREV));

    // Zoomed in, one page is shown alone and the page mode cannot change.
    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_ZOOMIN);
    Preview()->UpdateWindow();
    EXPECT_STREQ("Page 2", MessageLine());
    TestApp().OnIdle(0);
    EXPECT_FALSE(BarButtonEnabled(ID_PREVIEW_NUMPAGE));
    EXPECT_TRUE(BarButtonEnabled(ID_PREVIEW_ZOOMOUT));
    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_ZOOMOUT);
    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_ZOOMOUT);
    EXPECT_EQ(2u, Preview()->GetPagesShown());
}

TEST_F(PrintPreviewTest, PagesAreDrawnScaledIntoTheirPlaceOnScreen)
{
    CTestSeams::SetFakePrinter(true);
    ASSERT_TRUE(StartPreview(new CPrintPreviewState));
    CPreviewView* pPreview = Preview();
    const CRect rectPage = pPreview->GetPageRect(0);
    ASSERT_FALSE(rectPage.IsRectEmpty());

    // Page 1 is black over its top tenth, white below.
    CClientDC dc(pPreview);
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    CRect rectClient;
    pPreview->GetClientRect(rectClient);
    bitmap.CreateCompatibleBitmap(&dc, rectClient.Width(), rectClient.Height());
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    pPreview->SendMessage(WM_ERASEBKGND, (WPARAM)dcMem.m_hDC);
    pPreview->OnDraw(&dcMem);
    const int x = rectPage.CenterPoint().x;
    const int yBand = rectPage.top + rectPage.Height() / 20;
    const int yBelow = rectPage.top + rectPage.Height() / 5;
    EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(dcMem.m_hDC, x, yBand));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(dcMem.m_hDC, x, yBelow));
    dcMem.SelectObject(pOld);
}

TEST_F(PrintPreviewTest, PrintCommandClosesThePreviewAndPrintsTheView)
{
    CTestSeams::SetFakePrinter(true);
    ASSERT_TRUE(StartPreview(new CPrintPreviewState));
    m_pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_PRINT);
    ExpectFrameAsBefore();
    PumpPendingMessages();
    EXPECT_EQ(2, m_pView->m_nBegun); // once for the preview, once for the print
    EXPECT_EQ(2, m_pView->m_nEnded);
}

TEST_F(PrintPreviewTest, DirectPrintWithoutPrinterOrWhenTheJobCannotStartPrintsNoPage)
{
    // The fake printer is a memory DC, on which no print job can start.
    struct Case
    {
        const char* name;
        bool bPrinter;
        int nBegunAndEnded;
    };
    const Case cases[] = {{"no printer", false, 0}, {"the job does not start", true, 1}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestSeams::SetFakePrinter(c.bPrinter);
        m_pView->m_nBegun = m_pView->m_nEnded = m_pView->m_nPrinted = 0;
        m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        EXPECT_EQ(0, m_pView->m_nPrinted);
        EXPECT_EQ(c.nBegunAndEnded, m_pView->m_nBegun);
        EXPECT_EQ(c.nBegunAndEnded, m_pView->m_nEnded);
    }
}
