// Storing stock-in cards and sales on a real database (SQLite, or the PostgreSQL server of a
// server run): stock rules, refusals, that a card is stored whole or not at all, and two counters
// selling at once on the server.
#include "app/CCardTransaction.h"
#include "tests/app/SampleCards.h"
#include "tests/support/TestDatabase.h"
#include "framework/CRecordset.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <thread>

namespace {

const char* const StockRefused = "无法对库存进行更新，当前的库存登记卡无效，再次审改后，重新输入";

// Every row of a table, in a fixed order, as one text.
std::string Rows(TestDatabase& db, const char* table)
{
    std::string columns = std::string(table) == "存"   ? "平均成本单价,现有存货量"
                          : std::string(table) == "进" ? "进价,数量"
                                                       : "日期时间,数量";
    return db.Rows("SELECT 名称,有效截止日期," + columns + " FROM " + table + " ORDER BY 名称," +
                   "有效截止日期," + columns);
}

// Without transactions the cards undo their rows by hand.
struct TransactionScope
{
    explicit TransactionScope(bool allowed) { CCardTransaction::SetTransactionsAllowed(allowed); }
    ~TransactionScope() { CCardTransaction::SetTransactionsAllowed(true); }
};

} // namespace

TEST(StockIn, NewKeyCreatesStockAtPurchasePrice)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("注射用板蓝根", 12.5f, 3).Store(&db.Db(), status));
    EXPECT_STREQ(CStockInCard::StoredText, status);
    EXPECT_EQ("1", db.Scalar("SELECT COUNT(*) FROM 进 WHERE 进价=12.5 AND 数量=3"));
    EXPECT_EQ("12.5", db.Scalar("SELECT 平均成本单价 FROM 存 WHERE 名称='注射用板蓝根'"));
    EXPECT_EQ("3", db.Scalar("SELECT 现有存货量 FROM 存"));
}

TEST(StockIn, ExistingKeyKeepsWeightedAverageCost)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("板蓝根", 10, 5).Store(&db.Db(), status));
    ASSERT_TRUE(SampleCard("板蓝根", 20, 5).Store(&db.Db(), status)) << (LPCTSTR)status;
    EXPECT_EQ("1", db.Scalar("SELECT COUNT(*) FROM 存"));
    EXPECT_EQ("15,10", db.Rows("SELECT 平均成本单价,现有存货量 FROM 存"));
    EXPECT_EQ("2", db.Scalar("SELECT COUNT(*) FROM 进"));
}

TEST(StockIn, RefusalsStoreNothing)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("板蓝根", 10, 5).Store(&db.Db(), status));
    std::string purchases = Rows(db, "进"), stock = Rows(db, "存");

    // 5 + -5 boxes: the average cost divides by zero and the data source refuses it.
    EXPECT_FALSE(SampleCard("板蓝根", 10, -5).Store(&db.Db(), status));
    EXPECT_STREQ(StockRefused, status);

    CStockInCard noSpec = SampleCard("板蓝根", 10, 5);
    noSpec.m_spec = "";
    EXPECT_FALSE(noSpec.Store(&db.Db(), status));
    EXPECT_STREQ("名称、产地、规格型号不能为空，请填写。", status);

    // A purchase row the data source refuses: its message goes to the status line.
    CStockInCard badDate = SampleCard("板蓝根", 10, 5);
    badDate.m_date = "2003/11/24";
    EXPECT_FALSE(badDate.Store(&db.Db(), status));
    EXPECT_FALSE(status.IsEmpty());
    EXPECT_STRNE(StockRefused, status);

    EXPECT_EQ(purchases, Rows(db, "进"));
    EXPECT_EQ(stock, Rows(db, "存"));

    db.Db().Close();
    EXPECT_FALSE(SampleCard("板蓝根", 10, 5).Store(&db.Db(), status));
    EXPECT_STREQ("通讯连接错误，数据库已经关闭", status);
    EXPECT_FALSE(SampleCard("板蓝根", 10, 5).Store(nullptr, status));
}

TEST(StockIn, FailedStockChangeLeavesBothTablesAsTheyWere)
{
    for (bool transactions : {true, false})
    {
        SCOPED_TRACE(transactions ? "transaction" : "undone by hand");
        TestDatabase db;
        TransactionScope scope(transactions);
        CString status;
        ASSERT_TRUE(SampleCard("板蓝根", 10, 5).Store(&db.Db(), status));
        std::string purchases = Rows(db, "进"), stock = Rows(db, "存");
        db.Refuse("no_update", "UPDATE", "存", "locked");
        // The same card again: an identical purchase row exists and must stay.
        EXPECT_FALSE(SampleCard("板蓝根", 10, 5).Store(&db.Db(), status));
        EXPECT_STREQ(StockRefused, status);
        EXPECT_EQ(purchases, Rows(db, "进"));
        EXPECT_EQ(stock, Rows(db, "存"));
        // A stock insert refused for another reason than an existing key is no success either.
        db.Refuse("no_insert", "INSERT", "存", "locked");
        EXPECT_FALSE(SampleCard("新药", 10, 5).Store(&db.Db(), status));
        EXPECT_STREQ(StockRefused, status);
        EXPECT_EQ(purchases, Rows(db, "进"));
    }
}

TEST(StockIn, QuotesInTextsAreStoredAsTyped)
{
    TestDatabase db;
    CString status;
    CStockInCard card = SampleCard("O'Neil's", 10, 5);
    card.m_buyer = "'";
    ASSERT_TRUE(card.Store(&db.Db(), status)) << (LPCTSTR)status;
    ASSERT_TRUE(card.Store(&db.Db(), status)) << (LPCTSTR)status;
    EXPECT_EQ("10", db.Scalar("SELECT 现有存货量 FROM 存 WHERE 名称='O''Neil''s'"));
    EXPECT_EQ("2", db.Scalar("SELECT COUNT(*) FROM 进 WHERE 采购人=''''"));
}

TEST(Sale, WholeBoxAndSplitSalesLowerTheStock)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("板蓝根", 10, 20).Store(&db.Db(), status));
    CSaleCard whole = SampleSale("板蓝根", 3, 1, 12.5f);
    EXPECT_EQ("37.50", whole.m_amount);
    ASSERT_EQ(CSaleCard::Stored, whole.Store(&db.Db(), status)) << (LPCTSTR)status;
    EXPECT_STREQ(CSaleCard::StoredText, status);
    EXPECT_EQ("3,37.5,整盒销售,0", db.Rows("SELECT 数量,实收金额,销售类型,坏帐 FROM 销"));
    EXPECT_EQ("17", db.Scalar("SELECT 现有存货量 FROM 存"));

    CSaleCard split = SampleSale("板蓝根", 5, 20, 0.8f);
    split.m_dateTime = "2003-11-24 10:16:00";
    ASSERT_EQ(CSaleCard::Stored, split.Store(&db.Db(), status)) << (LPCTSTR)status;
    EXPECT_EQ("0.25", db.Scalar("SELECT 数量 FROM 销 WHERE 销售类型='拆零销售'"));
    EXPECT_EQ("16.75", db.Scalar("SELECT 现有存货量 FROM 存"));
}

TEST(Sale, RefusalsStoreNothing)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("板蓝根", 10, 20).Store(&db.Db(), status));
    std::string stock = Rows(db, "存");

    EXPECT_EQ(CSaleCard::Refused, SampleSale("没有的药", 1, 1, 1).Store(&db.Db(), status));
    EXPECT_STREQ("库存中无此药品，仔细审改后重新输入,或者重下拉列表中选择一个有效的项", status);

    CSaleCard noExpiry = SampleSale("板蓝根", 1, 1, 1);
    noExpiry.m_expiry = "";
    EXPECT_EQ(CSaleCard::Refused, noExpiry.Store(&db.Db(), status));
    EXPECT_STREQ("名称，产地，规格型号,有效截止日期 必须填写", status);

    for (const char* amount : {"", "1;DELETE FROM 存", "abc"})
    {
        CSaleCard bad = SampleSale("板蓝根", 1, 1, 1);
        bad.m_amount = amount;
        EXPECT_EQ(CSaleCard::Refused, bad.Store(&db.Db(), status));
        EXPECT_STREQ("应付金额 无效", status);
    }

    for (bool transactions : {true, false})
    {
        TransactionScope scope(transactions);
        db.Refuse("no_update", "UPDATE", "存", "stock locked");
        EXPECT_EQ(CSaleCard::Refused, SampleSale("板蓝根", 1, 1, 1).Store(&db.Db(), status));
        EXPECT_NE(-1, status.Find("stock locked"));
        db.Allow("no_update", "存");
    }
    EXPECT_EQ("0", db.Scalar("SELECT COUNT(*) FROM 销"));
    EXPECT_EQ(stock, Rows(db, "存"));

    db.Db().Close();
    EXPECT_EQ(CSaleCard::Refused, SampleSale("板蓝根", 1, 1, 1).Store(&db.Db(), status));
    EXPECT_STREQ("打开[库存]错误，可能是输入有误", status);
}

TEST(Sale, UndoneByHandRemovesOnlyTheNewSale)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("板蓝根", 10, 20).Store(&db.Db(), status));
    ASSERT_EQ(CSaleCard::Stored, SampleSale("板蓝根", 1, 1, 1).Store(&db.Db(), status));
    TransactionScope fallback(false);
    db.Refuse("no_update", "UPDATE", "存", "locked");
    // The same sale in the same second: the earlier one stays.
    EXPECT_EQ(CSaleCard::Refused, SampleSale("板蓝根", 1, 1, 1).Store(&db.Db(), status));
    EXPECT_EQ("1", db.Scalar("SELECT COUNT(*) FROM 销"));
    EXPECT_EQ("19", db.Scalar("SELECT 现有存货量 FROM 存"));
}

TEST(Sale, OversellingClampsEveryNegativeStockAtZero)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("板蓝根", 10, 2).Store(&db.Db(), status));
    ASSERT_TRUE(SampleCard("甘草", 10, 2).Store(&db.Db(), status));
    db.Exec("UPDATE 存 SET 现有存货量=-4 WHERE 名称='甘草'");
    ASSERT_EQ(CSaleCard::Stored, SampleSale("板蓝根", 5, 1, 1).Store(&db.Db(), status))
        << (LPCTSTR)status;
    EXPECT_EQ("0|0", db.Rows("SELECT 现有存货量 FROM 存"));
    EXPECT_EQ("5", db.Scalar("SELECT 数量 FROM 销"));
}

namespace {

// Two counters on one server, each with its own connection as each runs its own vorlen. A third
// connection holds a lock while both start their cards, so that both are under way, each waiting
// for the other's rows, before either may go on.
class TwoCounters : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!TestDatabase::OnServer())
            GTEST_SKIP() << "two counters need a database server";
        m_db.reset(new TestDatabase);
    }

    // Runs both cards at once while the holder's statement keeps its lock.
    void RunTogether(const char* holdSql, const std::function<void(CDatabase&, int)>& card)
    {
        CDatabase counters[2], holder;
        std::string backends;
        for (CDatabase& counter : counters)
        {
            counter.OpenEx(m_db->ConnectString().c_str(), CDatabase::noOdbcDialog);
            CRecordset rs(&counter);
            rs.Open(CRecordset::forwardOnly, "SELECT pg_backend_pid()");
            CString pid;
            rs.GetFieldValue((short)0, pid);
            backends += (backends.empty() ? "" : ",") + std::string((LPCTSTR)pid);
        }
        holder.OpenEx(m_db->ConnectString().c_str(), CDatabase::noOdbcDialog);
        ASSERT_TRUE(holder.BeginTrans());
        holder.ExecuteSQL(holdSql);
        std::thread first([&] { card(counters[0], 0); });
        std::thread second([&] { card(counters[1], 1); });
        std::string waiting;
        for (int i = 0; i < 200 && waiting != "2"; ++i)
        {
            Sleep(50);
            waiting = m_db->Scalar("SELECT COUNT(*) FROM pg_stat_activity WHERE "
                                   "wait_event_type='Lock' AND pid IN (" +
                                   backends + ")");
        }
        EXPECT_EQ("2", waiting);
        holder.Rollback();
        first.join();
        second.join();
    }

    std::unique_ptr<TestDatabase> m_db;
};

} // namespace

TEST_F(TwoCounters, SellingTheLastUnitsAtOnceBothCount)
{
    CString status;
    ASSERT_TRUE(SampleCard("板蓝根", 10, 3).Store(&m_db->Db(), status));
    CSaleCard sales[2] = {SampleSale("板蓝根", 2, 1, 1), SampleSale("板蓝根", 2, 1, 1)};
    sales[1].m_dateTime = "2003-11-24 10:15:01";
    CSaleCard::StoreResult results[2] = {CSaleCard::Refused, CSaleCard::Refused};
    CString statuses[2];
    RunTogether("UPDATE 存 SET 现有存货量=现有存货量", [&](CDatabase& counter, int i) {
        results[i] = sales[i].Store(&counter, statuses[i]);
    });
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_EQ(CSaleCard::Stored, results[i]) << (LPCTSTR)statuses[i];
        EXPECT_STREQ(CSaleCard::StoredText, statuses[i]);
    }
    // 3 - 2 - 2: both sales lowered the stock, which ends at 0, not -1 and not 1.
    EXPECT_EQ("2003-11-24 10:15:00,2|2003-11-24 10:15:01,2",
              m_db->Rows("SELECT 日期时间,数量 FROM 销 ORDER BY 日期时间"));
    EXPECT_EQ("0", m_db->Scalar("SELECT 现有存货量 FROM 存"));
}

TEST_F(TwoCounters, StockingInOneNewItemAtOnceBothCount)
{
    // The holder's row of the same key keeps both stock rows waiting; one counter's then makes
    // the item, and the other's finds it and adds to it.
    CStockInCard cards[2] = {SampleCard("板蓝根", 10, 5), SampleCard("板蓝根", 20, 5)};
    bool stored[2] = {false, false};
    CString statuses[2];
    RunTogether(
        "INSERT INTO 存 VALUES('板蓝根','北京','10支','2004-11-14',1,1)",
        [&](CDatabase& counter, int i) { stored[i] = cards[i].Store(&counter, statuses[i]); });
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(stored[i]) << (LPCTSTR)statuses[i];
    EXPECT_EQ("10,5|20,5", m_db->Rows("SELECT 进价,数量 FROM 进 ORDER BY 进价"));
    EXPECT_EQ("15,10", m_db->Rows("SELECT 平均成本单价,现有存货量 FROM 存"));
}

TEST(Cards, RefusedCommitStoresNothingAndLaterCardsStoreOnlyThemselves)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("甘草", 10, 5).Store(&db.Db(), status));
    db.RefuseCommitsAfterInsertsInto("进");
    db.RefuseCommitsAfterInsertsInto("销");
    auto committed = [&] {
        return db.CommittedRows("SELECT (SELECT COUNT(*) FROM 进),(SELECT 现有存货量 FROM 存),"
                                "(SELECT COUNT(*) FROM 销)");
    };
    // A refusal that lasts refuses every card, and each one alone.
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        EXPECT_FALSE(SampleCard("甘草", 10, 5).Store(&db.Db(), status));
        EXPECT_EQ(0, status.Find(CStockInCard::NotCommittedText)) << (LPCTSTR)status;
        EXPECT_NE(-1, status.Find(TestDatabase::OnServer() ? "foreign key" : "FOREIGN KEY"));
        EXPECT_EQ(CSaleCard::Refused, SampleSale("甘草", 1, 1, 1).Store(&db.Db(), status));
        EXPECT_EQ(0, status.Find(CSaleCard::NotCommittedText)) << (LPCTSTR)status;
        EXPECT_EQ("1,5,0", committed());
    }
    db.AcceptCommitsAgain();
    ASSERT_TRUE(SampleCard("甘草", 10, 5).Store(&db.Db(), status)) << (LPCTSTR)status;
    ASSERT_EQ(CSaleCard::Stored, SampleSale("甘草", 1, 1, 1).Store(&db.Db(), status))
        << (LPCTSTR)status;
    EXPECT_EQ("2,9,1", committed());
}

TEST(Sale, RefusedClampKeepsTheStoredSaleAndSaysSo)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("板蓝根", 10, 2).Store(&db.Db(), status));
    db.Refuse("no_clamp", "UPDATE", "存", "clamp refused", "NEW.现有存货量=0");
    EXPECT_EQ(CSaleCard::StoredNotClamped, SampleSale("板蓝根", 5, 1, 1).Store(&db.Db(), status));
    EXPECT_EQ(0, status.Find(CSaleCard::NotClampedText)) << (LPCTSTR)status;
    EXPECT_NE(-1, status.Find("clamp refused"));
    EXPECT_EQ("1,-3",
              db.CommittedRows("SELECT (SELECT COUNT(*) FROM 销),(SELECT 现有存货量 FROM 存)"));
}

TEST(Sale, DateTimeMustBeARealCalendarTime)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("板蓝根", 10, 20).Store(&db.Db(), status));
    for (const char* refused : {"2003-11-24", "2003-11-24 24:00:00", "2003-02-29 10:00:00",
                                "2003-11-24T10:15:00", "2003-11-24 10:15:00'", "０３-11-24 10:15"})
    {
        CSaleCard sale = SampleSale("板蓝根", 1, 1, 1);
        sale.m_dateTime = refused;
        EXPECT_EQ(CSaleCard::Refused, sale.Store(&db.Db(), status)) << refused;
        EXPECT_STREQ("日期时间无效，请按“2003-11-24 10:15:00”的格式填写", status) << refused;
    }
    CSaleCard leap = SampleSale("板蓝根", 1, 1, 1);
    leap.m_dateTime = "2004-02-29 23:59:59";
    EXPECT_EQ(CSaleCard::Stored, leap.Store(&db.Db(), status)) << (LPCTSTR)status;
    EXPECT_EQ("0", db.Scalar("SELECT COUNT(*) FROM 销 WHERE 日期时间<>'2004-02-29 23:59:59'"));
}
