#include "app/CVorlenView.h"
#include "app/CVorlenDoc.h"
#include "app/CDatabaseHolder.h"
#include "app/CMailLink.h"
#include "app/CReportCommands.h"
#include "app/CSettingsDialog.h"
#include "app/CStockInDialog.h"
#include "app/CSaleDialog.h"
#include "app/CPurchaseMaintainDialog.h"
#include "app/CStockMaintainDialog.h"
#include "app/CSalesMaintainDialog.h"
#include "framework/CTestSeams.h"
#include "ui/controls/CTavoPPrintPreviewView.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CVorlenView, CView)
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_COMMAND(ID_SYSTEM_SETTINGS, OnSettings)
    ON_COMMAND(ID_SYSTEM_RELOAD, OnReload)
    ON_COMMAND(ID_SYSTEM_SAVE_HTML, OnSaveHtml)
    ON_COMMAND(ID_PURCHASE_STOCK_IN, OnStockIn)
    ON_COMMAND(ID_PURCHASE_QUERY, OnPurchaseQuery)
    ON_COMMAND(ID_PURCHASE_MAINTAIN, OnPurchaseMaintain)
    ON_COMMAND(ID_STOCK_QUERY, OnStockQuery)
    ON_COMMAND(ID_STOCK_MAINTAIN, OnStockMaintain)
    ON_COMMAND(ID_SALE_ADD, OnSaleAdd)
    ON_COMMAND(ID_SALE_QUERY, OnSaleQuery)
    ON_COMMAND(ID_SALE_MAINTAIN, OnSaleMaintain)
    ON_COMMAND(ID_REPORT_DAY_SALES, OnDaySalesReport)
    ON_COMMAND(ID_REPORT_MONTH_SALES, OnMonthSalesReport)
    ON_COMMAND(ID_REPORT_YEAR_SALES, OnYearSalesReport)
    ON_COMMAND(ID_REPORT_BAD_DEBTS, OnBadDebtReport)
    ON_COMMAND(ID_REPORT_EXPIRY, OnExpiryCheck)
    ON_COMMAND(ID_REPORT_SHORTAGE, OnShortageCheck)
    ON_COMMAND(ID_REPORT_AVERAGE_COST, OnAverageCost)
    ON_COMMAND(ID_REPORT_TOTAL_COST, OnTotalStockCost)
    ON_COMMAND(ID_REPORT_MONTH_PURCHASES, OnMonthPurchaseReport)
    ON_COMMAND(ID_REPORT_YEAR_PURCHASES, OnYearPurchaseReport)
    ON_COMMAND(ID_LIST_TODAY_SALES, OnTodaySales)
    ON_COMMAND(ID_LIST_STOCK, OnStockList)
    ON_COMMAND(ID_LIST_YEAR_PURCHASES, OnYearPurchases)
    ON_COMMAND(ID_HELP_CONTENTS, OnHelpContents)
    ON_COMMAND(ID_HELP_CALCULATOR, OnCalculator)
    ON_COMMAND(ID_HELP_FEEDBACK, OnFeedback)
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CVorlenView, CView)

CVorlenView::CVorlenView()
{}

CVorlenView::~CVorlenView()
{}

CVorlenDoc* CVorlenView::GetDocument() const
{
    return static_cast<CVorlenDoc*>(m_pDocument);
}

void CVorlenView::OnDraw(CDC* /*pDC*/)
{
    // The grid covers the whole client area and draws itself.
}

void CVorlenView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    CRect rect;
    GetClientRect(rect);
    // The query names the sales columns and returns no rows: the headers stand even on a day without sales.
    m_grid.CreateAndLoad(g_databaseHolder.GetDatabase(), "销", "select * from 销 WHERE 1<0", this,
                         rect, TRUE, FALSE);
    m_grid.SetOptions(TRUE, FALSE, FALSE, FALSE);
    CReportCommands::TodaySales(m_grid);
}

BOOL CVorlenView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CVorlenView::OnFilePrintPreview()
{
    ShowPrintPreview(this);
}

void CVorlenView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_grid.GetSafeHwnd() != nullptr)
    {
        m_grid.MoveWindow(0, 0, cx, cy);
        m_grid.Invalidate();
    }
}

// The frame gives the focus back to its view whenever it is activated, after every form and
// dialog: the grid takes it, so that the arrow and page keys work at once.
void CVorlenView::OnSetFocus(CWnd* pOldWnd)
{
    if (m_grid.GetSafeHwnd() != nullptr)
        m_grid.SetFocus();
    else
        CView::OnSetFocus(pOldWnd);
}

void CVorlenView::Launch(const CString& strTarget)
{
    AfxShellExecute(nullptr, "open", strTarget, nullptr, nullptr, SW_SHOWNORMAL);
}

CString CVorlenView::FeedbackMailLink()
{
    return CMailLink::Build(
        "信息反馈单", "这封邮件将直接发送给该系统的开发人员，请在下面说明你遇到的问题或者建议：");
}

// ---- system ----

void CVorlenView::OnSettings()
{
    CSettingsDialog dlg(this);
    dlg.DoModal();
}

void CVorlenView::OnReload()
{
    m_grid.Reload();
}

void CVorlenView::OnSaveHtml()
{
    m_grid.SaveAsHtml();
}

// ---- purchases, stock and sales: the forms do not reload the grid when they close ----

void CVorlenView::OnStockIn()
{
    CStockInDialog dlg(this);
    dlg.DoModal();
}

void CVorlenView::OnPurchaseQuery()
{
    CReportCommands::PurchaseQuery(m_grid);
}

void CVorlenView::OnPurchaseMaintain()
{
    CPurchaseMaintainDialog dlg(this);
    dlg.DoModal();
}

void CVorlenView::OnStockQuery()
{
    CReportCommands::StockQuery(m_grid);
}

void CVorlenView::OnStockMaintain()
{
    CStockMaintainDialog dlg(this);
    dlg.DoModal();
}

void CVorlenView::OnSaleAdd()
{
    CSaleDialog dlg(this);
    dlg.DoModal();
}

void CVorlenView::OnSaleQuery()
{
    CReportCommands::SalesQuery(m_grid);
}

void CVorlenView::OnSaleMaintain()
{
    CSalesMaintainDialog dlg(this);
    dlg.DoModal();
}

// ---- reports and lists ----

void CVorlenView::OnDaySalesReport()
{
    CReportCommands::DaySalesReport(m_grid);
}

void CVorlenView::OnMonthSalesReport()
{
    CReportCommands::MonthSalesReport(m_grid);
}

void CVorlenView::OnYearSalesReport()
{
    CReportCommands::YearSalesReport(m_grid);
}

void CVorlenView::OnBadDebtReport()
{
    CReportCommands::BadDebtReport(m_grid);
}

void CVorlenView::OnExpiryCheck()
{
    CReportCommands::ExpiryCheck(m_grid);
}

void CVorlenView::OnShortageCheck()
{
    CReportCommands::ShortageCheck(m_grid);
}

void CVorlenView::OnAverageCost()
{
    CReportCommands::AverageCost(m_grid);
}

void CVorlenView::OnTotalStockCost()
{
    CReportCommands::TotalStockCost(m_grid);
}

void CVorlenView::OnMonthPurchaseReport()
{
    CReportCommands::MonthPurchaseReport(m_grid);
}

void CVorlenView::OnYearPurchaseReport()
{
    CReportCommands::YearPurchaseReport(m_grid);
}

void CVorlenView::OnTodaySales()
{
    CReportCommands::TodaySales(m_grid);
}

void CVorlenView::OnStockList()
{
    CReportCommands::StockList(m_grid);
}

void CVorlenView::OnYearPurchases()
{
    CReportCommands::YearPurchases(m_grid);
}

// ---- help: a missing help file or calculator shows nothing ----

void CVorlenView::OnHelpContents()
{
    Launch(CDatabaseHolder::GetProgramDirectory() + "help\\vorlen.chm");
}

void CVorlenView::OnCalculator()
{
    Launch(CDatabaseHolder::GetProgramDirectory() + "tools\\calc.exe");
}

void CVorlenView::OnFeedback()
{
    Launch(FeedbackMailLink());
}
