// The shipped schemas: the data source itself keeps the stock and cost rules, on SQLite and on the
// PostgreSQL server of a server run alike.
#include "app/CReportSql.h"
#include "framework/CDBException.h"
#include "framework/CRecordset.h"
#include "tests/support/TestDatabase.h"
#include <gtest/gtest.h>
#include <string>

namespace {
void ExpectRefused(CDatabase& db, const char* sql)
{
    try
    {
        db.ExecuteSQL(sql);
        ADD_FAILURE() << "accepted: " << sql;
    }
    catch (CDBException* e)
    {
        e->Delete();
    }
}
}

TEST(Schema, KeepsTheStockRules)
{
    TestDatabase t;
    EXPECT_EQ("管理员", t.Scalar("SELECT 用户名 FROM 操作员"));
    EXPECT_EQ("739", t.Scalar("SELECT 密码 FROM 操作员"));

    // 5 boxes at 10 plus 5 at 20 give 10 boxes at 15.
    t.Exec("INSERT INTO 存 VALUES('板蓝根','广州','10支','2028-11-30',10.000000,5.000000)");
    t.Exec("UPDATE 存 SET "
           "平均成本单价=(平均成本单价*现有存货量+20.000000*5.000000)/(现有存货量+5.000000),"
           "现有存货量=现有存货量+5.000000 WHERE 名称='板蓝根' AND 产地='广州' AND 规格型号='10支' "
           "AND 有效截止日期='2028-11-30'  ");
    EXPECT_EQ("15", t.Scalar("SELECT 平均成本单价 FROM 存"));
    EXPECT_EQ("10", t.Scalar("SELECT 现有存货量 FROM 存"));

    // Whole numbers divide as decimals: a split sale of 5 out of 20 is a quarter box.
    t.Exec("INSERT INTO 销 VALUES('2026-12-10 "
           "08:05:00','板蓝根','广州','10支','2028-11-30',2.000000,5/20.0,'拆零销售',10.00,0)");
    EXPECT_EQ("0.25", t.Scalar("SELECT 数量 FROM 销"));

    const char* refused[] = {
        // the cost update that divides by zero
        "UPDATE 存 SET "
        "平均成本单价=(平均成本单价*现有存货量+1*-10)/(现有存货量+-10),现有存货量=现有存货量-10",
        // a second row with the same stock key
        "INSERT INTO 存 VALUES('板蓝根','广州','10支','2028-11-30',1,1)",
        // a key column left empty (NULL)
        "INSERT INTO 存 VALUES(NULL,'广州','10支','2028-11-30',1,1)",
        // a text where a number belongs, or a number that is none
        "INSERT INTO 存 VALUES('x','y','z','2028-11-30','abc',1)",
        "INSERT INTO 存 VALUES('x','y','z','2028-11-30','NaN',1)",
        "INSERT INTO 存 VALUES('x','y','z','2028-11-30',1,'Infinity')",
        // dates and times in any other form, or not on the calendar
        "INSERT INTO 存 VALUES('x','y','z','2028/11/30',1,1)",
        "INSERT INTO 存 VALUES('x','y','z','2027-02-29',1,1)",
        "INSERT INTO 进 VALUES('2026-12-10 "
        "00:00:00.000','','','','','x','y','z','','2028-11-30',1,1)",
        "INSERT INTO 销 VALUES('2026-12-10 "
        "08:05:00.000','x','y','z','2028-11-30',1,1,'整盒销售',1,0)",
        "INSERT INTO 销 VALUES('2026-12-10','x','y','z','2028-11-30',1,1,'整盒销售',1,0)",
        "INSERT INTO 销 VALUES('2026-12-10 08:05:00','x','y','z','2028-11-30',1,1,'整盒销售',1,2)",
    };
    for (const char* sql : refused)
        ExpectRefused(t.Db(), sql);
    EXPECT_EQ("15", t.Scalar("SELECT 平均成本单价 FROM 存 WHERE 名称='板蓝根'"));
    EXPECT_EQ("1", t.Scalar("SELECT COUNT(*) FROM 存"));
    // The report's day range still takes a sale time.
    EXPECT_EQ("1", t.Scalar("SELECT COUNT(*) FROM 销 WHERE 日期时间 BETWEEN '2026-12-10 "
                            "00:00:00.000' AND '2026-12-10 23:59:59.999'"));
}

TEST(Schema, ListsAndReportsSearchTheirRowsByIndex)
{
    // Their time then follows the rows they show, not the size of the tables.
    if (TestDatabase::OnServer())
        GTEST_SKIP() << "the plans read here are SQLite's";
    TestDatabase t;
    CReportSql::Query queries[] = {
        CReportSql::TodaySales("2003-11-24"),
        CReportSql::SalesReport("2003-11-01", "2003-11-24"),
        CReportSql::SalesSummary("2003-11-01", "2003-11-24"),
        CReportSql::BadDebtReport("2003-01-01", "2003-11-24"),
        CReportSql::YearPurchases(2003),
        CReportSql::PurchaseReport("2003-11-01", "2003-11-24"),
        CReportSql::PurchaseSummary("2003-11-01", "2003-11-24"),
    };
    for (const CReportSql::Query& query : queries)
    {
        CRecordset plan(&t.Db());
        plan.Open(CRecordset::forwardOnly, ("EXPLAIN QUERY PLAN " + query.sql).c_str());
        std::string steps;
        CString detail;
        for (; !plan.IsEOF(); plan.MoveNext())
        {
            plan.GetFieldValue((short)3, detail);
            steps += std::string(detail) + "\n";
        }
        EXPECT_NE(std::string::npos, steps.find("USING INDEX")) << query.sql;
        EXPECT_EQ(std::string::npos, steps.find("SCAN")) << query.sql << "\n" << steps;
    }
}
