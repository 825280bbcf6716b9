// Table names, queries and summary rows of the lists and reports.
#include "app/CReportSql.h"
#include <gtest/gtest.h>

TEST(ReportSql, ListsAndChecks)
{
    struct Case
    {
        CReportSql::Query query;
        const char* table;
        const char* sql;
    } cases[] = {
        {CReportSql::TodaySales("2003-11-24"), "销",
         "SELECT * FROM 销 WHERE 日期时间 BETWEEN '2003-11-24' AND '2003-11-24 23:59:59.999' ORDER "
         "BY 日期时间 ASC"},
        {CReportSql::StockList(), "存", "SELECT * FROM 存"},
        {CReportSql::YearPurchases(2003), "进",
         "SELECT * FROM 进 WHERE 采购日期 BETWEEN '2003-01-01' AND '2004-01-01' ORDER BY 采购日期 "
         "ASC"},
        {CReportSql::PurchaseQuery("2002-12-03", "2003-11-24"), "进",
         "SELECT * FROM 进 WHERE 采购日期 BETWEEN '2002-12-03' AND '2003-11-24'"},
        {CReportSql::SalesQuery("2003-11-23", "2003-11-24"), "销",
         "SELECT * FROM 销 WHERE 日期时间 BETWEEN '2003-11-23' AND '2003-11-24 23:59:59.999'"},
        {CReportSql::SalesReport("2003-11-01", "2003-11-24"), "销",
         "SELECT * FROM 销 WHERE 日期时间 BETWEEN '2003-11-01' AND '2003-11-24 23:59:59.999' AND "
         "坏帐=0"},
        {CReportSql::BadDebtReport("2003-01-01", "2003-11-24"), "销",
         "SELECT * FROM 销 WHERE 日期时间 BETWEEN '2003-01-01' AND '2003-11-24 23:59:59.999' AND "
         "坏帐=1"},
        {CReportSql::PurchaseReport("2003-11-01", "2003-11-24"), "进",
         "SELECT * FROM 进 WHERE 采购日期 BETWEEN '2003-11-01' AND '2003-11-24 23:59:59.999'"},
        {CReportSql::PurchaseSummary("2003-11-01", "2003-11-24"), "进",
         "SELECT SUM(进价*数量) FROM 进 WHERE 采购日期 BETWEEN '2003-11-01' AND '2003-11-24 "
         "23:59:59.999'"},
        {CReportSql::TotalStockCost(), "存",
         "SELECT SUM(现有存货量*平均成本单价) AS 库存总成本,COUNT(*) AS 药品种类 FROM 存"},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.table, c.query.table);
        EXPECT_EQ(c.sql, c.query.sql);
    }
    for (const CReportSql::Query& q :
         {CReportSql::ExpiryCheck(), CReportSql::ShortageCheck(), CReportSql::AverageCost()})
    {
        EXPECT_EQ("存", q.table);
        EXPECT_EQ(0u, q.sql.find("SELECT "));
    }
}

TEST(ReportSql, StockQueryAddsOnlyGivenTextsWithQuotesDoubled)
{
    EXPECT_EQ("SELECT * FROM 存 WHERE 1>0", CReportSql::StockQuery("", "", "", "").sql);
    EXPECT_EQ("SELECT * FROM 存 WHERE 1>0 AND 名称 like '%板蓝%' AND 有效截止日期 like '%2004%'",
              CReportSql::StockQuery("板蓝", "", "", "2004").sql);
    EXPECT_EQ("SELECT * FROM 存 WHERE 1>0 AND 产地 like '%O''Neil%' AND 规格型号 like '%x%'",
              CReportSql::StockQuery("", "O'Neil", "x", "").sql);
}

TEST(ReportSql, DatesFromDialogsHaveQuotesDoubled)
{
    EXPECT_EQ("SELECT * FROM 销 WHERE 日期时间 BETWEEN '2003''' AND 'x'' 23:59:59.999' AND 坏帐=1",
              CReportSql::BadDebtReport("2003'", "x'").sql);
}

TEST(ReportSql, SummaryRowsPerPeriod)
{
    std::vector<std::string> v = {"100", "60", "40", "66.6666666666667"};
    auto day = CReportSql::SalesSummaryRows(CReportSql::Day, v);
    ASSERT_EQ(5u, day.size());
    EXPECT_EQ("", day[0].label);
    EXPECT_EQ("日营业额", day[1].label);
    EXPECT_EQ("100元", day[1].value);
    EXPECT_EQ("总成本", day[2].label);
    EXPECT_EQ("60元", day[2].value);
    EXPECT_EQ("日纯利润", day[3].label);
    EXPECT_EQ("40元", day[3].value);
    EXPECT_EQ("日利润率", day[4].label);
    EXPECT_EQ("66.6666666666667%", day[4].value);
    EXPECT_EQ("月营业额", CReportSql::SalesSummaryRows(CReportSql::Month, v)[1].label);
    EXPECT_EQ("年利润率", CReportSql::SalesSummaryRows(CReportSql::Year, v)[4].label);

    auto month = CReportSql::PurchaseSummaryRows(CReportSql::Month, "250");
    ASSERT_EQ(2u, month.size());
    EXPECT_EQ("", month[0].label);
    EXPECT_EQ("总计月采购金额", month[1].label);
    EXPECT_EQ("250元", month[1].value);
    EXPECT_EQ("总计年采购金额", CReportSql::PurchaseSummaryRows(CReportSql::Year, "1")[1].label);
}
