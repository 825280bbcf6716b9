// The view's list, query and report commands: each loads its query into the main grid and
// appends the summary rows of the sales and purchase reports.
#pragma once
#include "app/CReportSql.h"
#include <functional>
#include "framework/CString.h"
#include "framework/CTime.h"

class CEditGrid;

class CReportCommands
{
public:
    // Lists without a dialog; false when the grid refused the query.
    static bool TodaySales(CEditGrid& grid);
    static bool StockList(CEditGrid& grid);
    static bool YearPurchases(CEditGrid& grid);
    static bool ExpiryCheck(CEditGrid& grid);
    static bool ShortageCheck(CEditGrid& grid);
    static bool TotalStockCost(CEditGrid& grid);
    static bool AverageCost(CEditGrid& grid);

    // Commands that ask for their conditions first; nothing happens unless confirmed.
    static void PurchaseQuery(CEditGrid& grid);
    static void SalesQuery(CEditGrid& grid);
    static void StockQuery(CEditGrid& grid);
    static void DaySalesReport(CEditGrid& grid);
    static void MonthSalesReport(CEditGrid& grid);
    static void YearSalesReport(CEditGrid& grid);
    static void BadDebtReport(CEditGrid& grid);
    static void MonthPurchaseReport(CEditGrid& grid);
    static void YearPurchaseReport(CEditGrid& grid);

    // What the commands do once they have their conditions.
    static bool Load(CEditGrid& grid, const CReportSql::Query& query);
    static bool SalesReport(CEditGrid& grid, CReportSql::Period period, const CString& start,
                            const CString& end);
    static bool PurchaseReport(CEditGrid& grid, CReportSql::Period period, const CString& start,
                               const CString& end);

    // Default ranges of the period reports: from the first of the month or of the year, at 00:00:00.
    static CTime MonthStart(CTime now);
    static CTime YearStart(CTime now);

private:
    // The first row of a summary query as texts; empty when it could not be read.
    static std::vector<std::string> Summary(CEditGrid& grid, const CReportSql::Query& query,
                                            int columns);
    // Loads a report's rows with its totals below them: the summary query runs once the rows
    // are in, and only when there are some; false unless both were read.
    static bool LoadWithTotals(
        CEditGrid& grid, const CReportSql::Query& rowsQuery, const CReportSql::Query& summaryQuery,
        int columns,
        const std::function<std::vector<CReportSql::SummaryRow>(const std::vector<std::string>&)>&
            makeRows);
    // Runs the range dialog preset with start .. now and hint; false unless confirmed.
    static bool AskRange(CEditGrid& grid, CTime start, LPCTSTR hint, CString& startText,
                         CString& endText);
};
