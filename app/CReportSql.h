// Table names, queries and summary rows of the view's lists, queries and statistics reports.
#pragma once
#include <string>
#include <vector>

class CReportSql
{
public:
    struct Query
    {
        std::string table;
        std::string sql;
    };
    struct SummaryRow
    {
        std::string label;
        std::string value;
    };
    enum Period
    {
        Day,
        Month,
        Year
    };

    // Lists without a condition dialog. Dates are "%04d-%02d-%02d".
    static Query TodaySales(const std::string& today);
    static Query StockList();
    static Query YearPurchases(int year);
    static Query ExpiryCheck();
    static Query ShortageCheck();
    static Query TotalStockCost();
    static Query AverageCost();

    // Queries with a condition dialog; the texts are what the operator gave.
    static Query PurchaseQuery(const std::string& start, const std::string& end);
    static Query SalesQuery(const std::string& start, const std::string& end);
    static Query StockQuery(const std::string& name, const std::string& origin,
                            const std::string& model, const std::string& expiry);

    // Sales reports: the rows of the range that are not bad debts, and the four totals.
    static Query SalesReport(const std::string& start, const std::string& end);
    static Query SalesSummary(const std::string& start, const std::string& end);
    // The blank separator row and the four labelled totals; values are columns 0 to 3.
    static std::vector<SummaryRow> SalesSummaryRows(Period period,
                                                    const std::vector<std::string>& values);

    static Query PurchaseReport(const std::string& start, const std::string& end);
    static Query PurchaseSummary(const std::string& start, const std::string& end);
    static std::vector<SummaryRow> PurchaseSummaryRows(Period period, const std::string& total);

    static Query BadDebtReport(const std::string& start, const std::string& end);

private:
    // A range over a date or date-time column. The lower bound is the bare date: stored as
    // text, '2003-12-01' and '2003-12-01 00:00:00' sort before '2003-12-01 00:00:00.000',
    // and on a real date type the bare date means the same midnight.
    static std::string Range(const std::string& column, const std::string& start,
                             const std::string& end);
};
