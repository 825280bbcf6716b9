#include "app/CReportCommands.h"
#include "app/CDayReportDialog.h"
#include "app/CEditGrid.h"
#include "app/CPurchaseQueryDialog.h"
#include "app/CRangeReportDialog.h"
#include "app/CSalesQueryDialog.h"
#include "app/CSqlText.h"
#include "app/CStockQueryDialog.h"

bool CReportCommands::Load(CEditGrid& grid, const CReportSql::Query& query)
{
    return grid.SetQuery(query.table.c_str(), query.sql.c_str()) != FALSE;
}

bool CReportCommands::TodaySales(CEditGrid& grid)
{
    CTime now = CTime::GetCurrentTime();
    return Load(
        grid, CReportSql::TodaySales(CSqlText::Date(now.GetYear(), now.GetMonth(), now.GetDay())));
}

bool CReportCommands::StockList(CEditGrid& grid)
{
    return Load(grid, CReportSql::StockList());
}

bool CReportCommands::YearPurchases(CEditGrid& grid)
{
    return Load(grid, CReportSql::YearPurchases(CTime::GetCurrentTime().GetYear()));
}

bool CReportCommands::ExpiryCheck(CEditGrid& grid)
{
    return Load(grid, CReportSql::ExpiryCheck());
}

bool CReportCommands::ShortageCheck(CEditGrid& grid)
{
    return Load(grid, CReportSql::ShortageCheck());
}

bool CReportCommands::TotalStockCost(CEditGrid& grid)
{
    return Load(grid, CReportSql::TotalStockCost());
}

bool CReportCommands::AverageCost(CEditGrid& grid)
{
    return Load(grid, CReportSql::AverageCost());
}

void CReportCommands::PurchaseQuery(CEditGrid& grid)
{
    CPurchaseQueryDialog dialog(grid.GetParent());
    if (dialog.DoModal() == IDOK)
        Load(grid,
             CReportSql::PurchaseQuery((LPCTSTR)dialog.m_startText, (LPCTSTR)dialog.m_endText));
}

void CReportCommands::SalesQuery(CEditGrid& grid)
{
    CSalesQueryDialog dialog(grid.GetParent());
    if (dialog.DoModal() == IDOK)
        Load(grid, CReportSql::SalesQuery((LPCTSTR)dialog.m_startText, (LPCTSTR)dialog.m_endText));
}

void CReportCommands::StockQuery(CEditGrid& grid)
{
    CStockQueryDialog dialog(grid.GetParent());
    if (dialog.DoModal() == IDOK)
        Load(grid, CReportSql::StockQuery((LPCTSTR)dialog.m_name, (LPCTSTR)dialog.m_origin,
                                          (LPCTSTR)dialog.m_spec, (LPCTSTR)dialog.m_expiry));
}

CTime CReportCommands::MonthStart(CTime now)
{
    return CTime(now.GetYear(), now.GetMonth(), 1, 0, 0, 0);
}

CTime CReportCommands::YearStart(CTime now)
{
    return CTime(now.GetYear(), 1, 1, 0, 0, 0);
}

bool CReportCommands::AskRange(CEditGrid& grid, CTime start, LPCTSTR hint, CString& startText,
                               CString& endText)
{
    CRangeReportDialog dialog(grid.GetParent());
    dialog.SetRange(start, CTime::GetCurrentTime());
    dialog.SetHint(hint);
    if (dialog.DoModal() != IDOK)
        return false;
    startText = dialog.m_startText;
    endText = dialog.m_endText;
    return true;
}

void CReportCommands::DaySalesReport(CEditGrid& grid)
{
    CDayReportDialog dialog(grid.GetParent());
    if (dialog.DoModal() == IDOK)
        SalesReport(grid, CReportSql::Day, dialog.m_dateText, dialog.m_dateText);
}

void CReportCommands::MonthSalesReport(CEditGrid& grid)
{
    CString start, end;
    if (AskRange(grid, MonthStart(CTime::GetCurrentTime()), "默认为本月", start, end))
        SalesReport(grid, CReportSql::Month, start, end);
}

void CReportCommands::YearSalesReport(CEditGrid& grid)
{
    CString start, end;
    if (AskRange(grid, YearStart(CTime::GetCurrentTime()), "默认为本年度", start, end))
        SalesReport(grid, CReportSql::Year, start, end);
}

void CReportCommands::BadDebtReport(CEditGrid& grid)
{
    CString start, end;
    if (AskRange(grid, YearStart(CTime::GetCurrentTime()), "默认为本年", start, end))
        Load(grid, CReportSql::BadDebtReport((LPCTSTR)start, (LPCTSTR)end));
}

void CReportCommands::MonthPurchaseReport(CEditGrid& grid)
{
    CString start, end;
    if (AskRange(grid, MonthStart(CTime::GetCurrentTime()), "默认为本月", start, end))
        PurchaseReport(grid, CReportSql::Month, start, end);
}

void CReportCommands::YearPurchaseReport(CEditGrid& grid)
{
    CString start, end;
    if (AskRange(grid, YearStart(CTime::GetCurrentTime()), "默认为本年", start, end))
        PurchaseReport(grid, CReportSql::Year, start, end);
}

namespace {
// The hidden grid every report reads its totals through: a window made once costs less than one
// made for each report. It is never deleted: its window goes with the window it was made in.
CEditGrid& SummaryGrid()
{
    static CEditGrid* grid = new CEditGrid;
    return *grid;
}
}

std::vector<std::string> CReportCommands::Summary(CEditGrid& grid, const CReportSql::Query& query,
                                                  int columns)
{
    std::vector<std::string> values;
    // A hidden 1 x 1 child of the main grid's parent, on the main grid's connection.
    CEditGrid& summary = SummaryGrid();
    bool loaded;
    if (summary.GetSafeHwnd() != nullptr &&
        ::GetParent(summary.GetSafeHwnd()) == ::GetParent(grid.GetSafeHwnd()) &&
        summary.GetDatabase() == grid.GetDatabase())
        loaded = summary.SetQuery(query.table.c_str(), query.sql.c_str()) != FALSE;
    else
    {
        if (summary.GetSafeHwnd() != nullptr)
            summary.DestroyWindow();
        loaded = summary.CreateAndLoad(grid.GetDatabase(), query.table.c_str(), query.sql.c_str(),
                                       grid.GetParent(), CRect(0, 0, 1, 1), FALSE, FALSE) != FALSE;
        // It has the main grid's control id: below it, it is not the one a search by id finds.
        if (summary.GetSafeHwnd() != nullptr)
            ::SetWindowPos(summary.GetSafeHwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (!loaded)
        return values;
    for (int column = 0; column < columns; ++column)
        values.push_back((LPCTSTR)summary.GetItemText(0, column));
    return values;
}

bool CReportCommands::LoadWithTotals(
    CEditGrid& grid, const CReportSql::Query& rowsQuery, const CReportSql::Query& summaryQuery,
    int columns,
    const std::function<std::vector<CReportSql::SummaryRow>(const std::vector<std::string>&)>&
        makeRows)
{
    bool bTotals = false;
    auto totals = [&] {
        std::vector<std::vector<std::string>> shown;
        if (grid.GetItemCount() == 0)
            return shown;
        std::vector<std::string> values = Summary(grid, summaryQuery, columns);
        if (values.empty())
            return shown;
        for (const CReportSql::SummaryRow& row : makeRows(values))
            shown.push_back({row.label, row.value});
        bTotals = true;
        return shown;
    };
    return grid.SetQuery(rowsQuery.table.c_str(), rowsQuery.sql.c_str(), totals) != FALSE &&
           bTotals;
}

bool CReportCommands::SalesReport(CEditGrid& grid, CReportSql::Period period, const CString& start,
                                  const CString& end)
{
    return LoadWithTotals(grid, CReportSql::SalesReport((LPCTSTR)start, (LPCTSTR)end),
                          CReportSql::SalesSummary((LPCTSTR)start, (LPCTSTR)end), 4,
                          [period](const std::vector<std::string>& values) {
                              return CReportSql::SalesSummaryRows(period, values);
                          });
}

bool CReportCommands::PurchaseReport(CEditGrid& grid, CReportSql::Period period,
                                     const CString& start, const CString& end)
{
    return LoadWithTotals(grid, CReportSql::PurchaseReport((LPCTSTR)start, (LPCTSTR)end),
                          CReportSql::PurchaseSummary((LPCTSTR)start, (LPCTSTR)end), 1,
                          [period](const std::vector<std::string>& values) {
                              return CReportSql::PurchaseSummaryRows(period, values[0]);
                          });
}
