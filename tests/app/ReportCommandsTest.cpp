// Lists and reports loaded into a real grid over a real database (SQLite, or the PostgreSQL server
// of a server run).
#include "app/CEditGrid.h"
#include "app/CReportCommands.h"
#include "framework/CTestSeams.h"
#include "tests/support/TestDatabase.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A main grid as the view has it: a child of a window, bound to the sales table.
class ReportFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTestSeams::Engage();
        ASSERT_TRUE(m_host.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr));
        ASSERT_TRUE(m_grid.CreateAndLoad(&m_db.Db(), "销", "select * from 销 WHERE 1<0", &m_host,
                                         CRect(0, 0, 600, 400), TRUE, FALSE));
        m_db.Exec("INSERT INTO 存 VALUES('板蓝根','北京','10支','2004-11-14',10,50)");
        m_db.Exec("INSERT INTO 存 VALUES('甘草','甘肃','1kg','2005-01-01',4,20)");
        m_db.Exec("INSERT INTO 销 VALUES('2003-11-24 "
                  "10:00:00','板蓝根','北京','10支','2004-11-14',15,2,'整盒销售',30,0)");
        // A sale at exactly midnight, a bad debt, and a sale of stock that has been deleted since.
        m_db.Exec("INSERT INTO 销 VALUES('2003-11-24 "
                  "00:00:00','甘草','甘肃','1kg','2005-01-01',6,1,'整盒销售',6,0)");
        m_db.Exec("INSERT INTO 销 VALUES('2003-11-24 "
                  "11:00:00','板蓝根','北京','10支','2004-11-14',15,1,'整盒销售',15,1)");
        m_db.Exec("INSERT INTO 销 VALUES('2003-11-24 "
                  "12:00:00','已删药','北京','10支','2004-11-14',100,1,'整盒销售',100,0)");
        m_db.Exec("INSERT INTO 销 VALUES('2003-11-25 "
                  "09:00:00','板蓝根','北京','10支','2004-11-14',15,1,'整盒销售',15,1)");
        m_db.Exec("INSERT INTO 进 "
                  "VALUES('2003-11-01','张三','中药','针剂','A1','板蓝根','北京','10支','B1','2004-"
                  "11-14',10,3)");
        m_db.Exec("INSERT INTO 进 "
                  "VALUES('2003-11-20','张三','中药','针剂','A1','板蓝根','北京','10支','B1','2004-"
                  "11-14',10,2)");
        m_db.Exec("INSERT INTO 进 "
                  "VALUES('2003-10-31','张三','中药','针剂','A1','板蓝根','北京','10支','B1','2004-"
                  "11-14',99,1)");
        m_db.Exec("INSERT INTO 进 "
                  "VALUES('2004-01-01','张三','中药','针剂','A1','板蓝根','北京','10支','B1','2004-"
                  "11-14',99,1)");
    }
    void TearDown() override
    {
        if (m_host.GetSafeHwnd())
            m_host.DestroyWindow();
        CTestSeams::Release();
        CTestSeams::Clear();
    }

    std::vector<std::string> Column(int column)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < m_grid.GetItemCount(); ++row)
            texts.push_back((LPCTSTR)m_grid.GetItemText(row, column));
        return texts;
    }

    TestDatabase m_db;
    CWnd m_host;
    CEditGrid m_grid;
};

} // namespace

TEST_F(ReportFixture, DaySalesReportCountsOnlySalesOfExistingStockAndNoBadDebts)
{
    ASSERT_TRUE(CReportCommands::SalesReport(m_grid, CReportSql::Day, "2003-11-24", "2003-11-24"));
    // Three sales (the midnight one included, the bad debt not), a blank row and four totals.
    ASSERT_EQ(8, m_grid.GetItemCount());
    std::vector<std::string> labels = Column(0), values = Column(1);
    EXPECT_EQ("2003-11-24", labels[0].substr(0, 10));
    EXPECT_EQ("", labels[3]);
    EXPECT_EQ((std::vector<std::string>{"日营业额", "总成本", "日纯利润", "日利润率"}),
              std::vector<std::string>(labels.begin() + 4, labels.end()));
    // Revenue 30 + 6, cost 2 x 10 + 1 x 4: the deleted item's 100 counts in neither.
    EXPECT_EQ((std::vector<std::string>{"36元", "24元", "12元", "50%"}),
              std::vector<std::string>(values.begin() + 4, values.end()));

    // Running it again reloads first: the totals are there once.
    ASSERT_TRUE(CReportCommands::SalesReport(m_grid, CReportSql::Day, "2003-11-24", "2003-11-24"));
    EXPECT_EQ(8, m_grid.GetItemCount());
}

TEST_F(ReportFixture, TotalsFollowTheMainGridAcrossFailuresAndNewWindows)
{
    auto totals = [&] {
        std::vector<std::string> values = Column(1);
        return values.size() < 4 ? std::string() : values[values.size() - 4];
    };
    ASSERT_TRUE(CReportCommands::SalesReport(m_grid, CReportSql::Day, "2003-11-24", "2003-11-24"));
    EXPECT_EQ("36元", totals());

    // A totals query the database refuses: its message, the rows, no totals.
    m_db.Exec("ALTER TABLE 存 RENAME TO 旧存");
    EXPECT_FALSE(CReportCommands::SalesReport(m_grid, CReportSql::Day, "2003-11-24", "2003-11-24"));
    ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
    EXPECT_EQ(3, m_grid.GetItemCount());
    m_db.Exec("ALTER TABLE 旧存 RENAME TO 存");

    // A main grid in another window, on another connection to the same file.
    m_host.DestroyWindow();
    CDatabase other;
    ASSERT_TRUE(other.OpenEx(m_db.ConnectString().c_str(), CDatabase::noOdbcDialog));
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr));
    CEditGrid grid;
    ASSERT_TRUE(grid.CreateAndLoad(&other, "销", "select * from 销 WHERE 1<0", &host,
                                   CRect(0, 0, 600, 400), TRUE, FALSE));
    ASSERT_TRUE(CReportCommands::SalesReport(grid, CReportSql::Day, "2003-11-24", "2003-11-24"));
    EXPECT_EQ(8, grid.GetItemCount());
    EXPECT_STREQ("36元", grid.GetItemText(4, 1));
    EXPECT_EQ(grid.m_hWnd, ::GetDlgItem(host.m_hWnd, IDC_EDIT_GRID)); // not the hidden one
    host.DestroyWindow();
}

TEST_F(ReportFixture, ReportsWithoutRowsGetNoTotals)
{
    // 2003-11-25 holds only a bad debt.
    EXPECT_FALSE(CReportCommands::SalesReport(m_grid, CReportSql::Day, "2003-11-25", "2003-11-25"));
    EXPECT_EQ(0, m_grid.GetItemCount());
    EXPECT_FALSE(
        CReportCommands::PurchaseReport(m_grid, CReportSql::Month, "2002-01-01", "2002-01-31"));
    EXPECT_EQ(0, m_grid.GetItemCount());
}

TEST_F(ReportFixture, MonthPurchaseReportStartsOnTheFirst)
{
    ASSERT_TRUE(
        CReportCommands::PurchaseReport(m_grid, CReportSql::Month, "2003-11-01", "2003-11-24"));
    std::vector<std::string> labels = Column(0), values = Column(1);
    ASSERT_EQ(4u, labels.size());
    EXPECT_EQ("2003-11-01", labels[0]);
    EXPECT_EQ("2003-11-20", labels[1]);
    EXPECT_EQ("", labels[2]);
    EXPECT_EQ("总计月采购金额", labels[3]);
    EXPECT_EQ("50元", values[3]);
}

TEST_F(ReportFixture, ListsAndQueries)
{
    ASSERT_TRUE(
        CReportCommands::Load(m_grid, CReportSql::BadDebtReport("2003-01-01", "2003-11-25")));
    EXPECT_EQ(2, m_grid.GetItemCount());
    ASSERT_TRUE(CReportCommands::Load(m_grid, CReportSql::SalesQuery("2003-11-24", "2003-11-24")));
    EXPECT_EQ(4, m_grid.GetItemCount());
    // The this-year list runs to January 1 of the next year inclusive.
    ASSERT_TRUE(CReportCommands::Load(m_grid, CReportSql::YearPurchases(2003)));
    EXPECT_EQ(4, m_grid.GetItemCount());
    ASSERT_TRUE(CReportCommands::TotalStockCost(m_grid));
    EXPECT_EQ("580", std::string(m_grid.GetItemText(0, 0)));
    EXPECT_EQ("2", std::string(m_grid.GetItemText(0, 1)));
}

TEST_F(ReportFixture, StockQueryMatchesPartsAndQuotes)
{
    m_db.Exec("INSERT INTO 存 VALUES('注射用板蓝根','北京','10支','2004-11-14',10,5)");
    m_db.Exec("INSERT INTO 存 VALUES('O''Neil''s','北京','10支','2004-11-14',10,5)");
    ASSERT_TRUE(CReportCommands::Load(m_grid, CReportSql::StockQuery("板蓝", "", "", "")));
    EXPECT_EQ((std::vector<std::string>{"板蓝根", "注射用板蓝根"}), Column(0));
    ASSERT_TRUE(CReportCommands::Load(m_grid, CReportSql::StockQuery("'Neil", "北", "", "2004")));
    EXPECT_EQ((std::vector<std::string>{"O'Neil's"}), Column(0));
    ASSERT_TRUE(CReportCommands::Load(m_grid, CReportSql::StockQuery("", "", "", "")));
    EXPECT_EQ(4, m_grid.GetItemCount());
    // SQLite's LIKE takes capital and small Latin letters alike, PostgreSQL's does not.
    ASSERT_TRUE(CReportCommands::Load(m_grid, CReportSql::StockQuery("o'neil", "", "", "")));
    EXPECT_EQ(TestDatabase::OnServer() ? 0 : 1, m_grid.GetItemCount());
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
}

TEST(ReportRanges, DefaultStartsOfMonthAndYear)
{
    CTime now(2003, 11, 24, 15, 30, 12);
    EXPECT_EQ(CTime(2003, 11, 1, 0, 0, 0), CReportCommands::MonthStart(now));
    EXPECT_EQ(CTime(2003, 1, 1, 0, 0, 0), CReportCommands::YearStart(now));
}
