// Storing stock-in cards and sales on a real SQLite database: stock rules, refusals, and
// that a card is stored whole or not at all.
#include "app/CCardTransaction.h"
#include "tests/app/SampleCards.h"
#include "tests/support/TestDatabase.h"
#include <gtest/gtest.h>

namespace {

const char* const StockRefused = "无法对库存进行更新，当前的库存登记卡无效，再次审改后，重新输入";

// Every row of a table, in a fixed order, as one text.
std::string Rows(TestDatabase& db, const char* table)
{
    return db.Scalar(std::string("SELECT group_concat(r, '|') FROM (SELECT "
                                 "quote(名称)||','||quote(有效截止日期)||','||") +
                     (std::string(table) == "存" ? "quote(平均成本单价)||','||quote(现有存货量)"
                      : std::string(table) == "进" ? "quote(进价)||','||quote(数量)"
                                                   : "quote(日期时间)||','||quote(数量)") +
                     " AS r FROM " + table + " ORDER BY r)");
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
    EXPECT_EQ("12.5", db.Scalar("SELECT 平均成本单价||'' FROM 存 WHERE 名称='注射用板蓝根'"));
    EXPECT_EQ("3.0", db.Scalar("SELECT 现有存货量||'' FROM 存"));
}

TEST(StockIn, ExistingKeyKeepsWeightedAverageCost)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("板蓝根", 10, 5).Store(&db.Db(), status));
    ASSERT_TRUE(SampleCard("板蓝根", 20, 5).Store(&db.Db(), status)) << (LPCTSTR)status;
    EXPECT_EQ("1", db.Scalar("SELECT COUNT(*) FROM 存"));
    EXPECT_EQ("15.0|10.0", db.Scalar("SELECT 平均成本单价||'|'||现有存货量 FROM 存"));
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
        db.Exec("CREATE TRIGGER no_update BEFORE UPDATE ON 存 BEGIN SELECT RAISE(ABORT, 'locked'); "
                "END");
        // The same card again: an identical purchase row exists and must stay.
        EXPECT_FALSE(SampleCard("板蓝根", 10, 5).Store(&db.Db(), status));
        EXPECT_STREQ(StockRefused, status);
        EXPECT_EQ(purchases, Rows(db, "进"));
        EXPECT_EQ(stock, Rows(db, "存"));
        // A stock insert refused for another reason than an existing key is no success either.
        db.Exec("CREATE TRIGGER no_insert BEFORE INSERT ON 存 BEGIN SELECT RAISE(ABORT, 'locked'); "
                "END");
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
    EXPECT_EQ("10.0", db.Scalar("SELECT 现有存货量||'' FROM 存 WHERE 名称='O''Neil''s'"));
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
    EXPECT_EQ("3.0|37.5|整盒销售|0",
              db.Scalar("SELECT 数量||'|'||实收金额||'|'||销售类型||'|'||坏帐 FROM 销"));
    EXPECT_EQ("17.0", db.Scalar("SELECT 现有存货量||'' FROM 存"));

    CSaleCard split = SampleSale("板蓝根", 5, 20, 0.8f);
    split.m_dateTime = "2003-11-24 10:16:00";
    ASSERT_EQ(CSaleCard::Stored, split.Store(&db.Db(), status)) << (LPCTSTR)status;
    EXPECT_EQ("0.25", db.Scalar("SELECT 数量||'' FROM 销 WHERE 销售类型='拆零销售'"));
    EXPECT_EQ("16.75", db.Scalar("SELECT 现有存货量||'' FROM 存"));
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
        db.Exec("CREATE TRIGGER no_update BEFORE UPDATE ON 存 BEGIN SELECT RAISE(ABORT, 'stock "
                "locked'); END");
        EXPECT_EQ(CSaleCard::Refused, SampleSale("板蓝根", 1, 1, 1).Store(&db.Db(), status));
        EXPECT_NE(-1, status.Find("stock locked"));
        db.Exec("DROP TRIGGER no_update");
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
    db.Exec(
        "CREATE TRIGGER no_update BEFORE UPDATE ON 存 BEGIN SELECT RAISE(ABORT, 'locked'); END");
    // The same sale in the same second: the earlier one stays.
    EXPECT_EQ(CSaleCard::Refused, SampleSale("板蓝根", 1, 1, 1).Store(&db.Db(), status));
    EXPECT_EQ("1", db.Scalar("SELECT COUNT(*) FROM 销"));
    EXPECT_EQ("19.0", db.Scalar("SELECT 现有存货量||'' FROM 存"));
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
    EXPECT_EQ("0.0|0.0", db.Scalar("SELECT group_concat(现有存货量, '|') FROM 存"));
    EXPECT_EQ("5.0", db.Scalar("SELECT 数量||'' FROM 销"));
}

TEST(Cards, RefusedCommitStoresNothingAndLaterCardsStoreOnlyThemselves)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("甘草", 10, 5).Store(&db.Db(), status));
    db.RefuseCommitsAfterInsertsInto("进");
    db.RefuseCommitsAfterInsertsInto("销");
    auto committed = [&] {
        return db.CommittedScalar("SELECT (SELECT COUNT(*) FROM 进)||'|'||(SELECT "
                                  "group_concat(现有存货量, '|') FROM 存)||'|'||(SELECT COUNT(*) "
                                  "FROM 销)");
    };
    // A refusal that lasts refuses every card, and each one alone.
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        EXPECT_FALSE(SampleCard("甘草", 10, 5).Store(&db.Db(), status));
        EXPECT_EQ(0, status.Find(CStockInCard::NotCommittedText)) << (LPCTSTR)status;
        EXPECT_NE(-1, status.Find("FOREIGN KEY"));
        EXPECT_EQ(CSaleCard::Refused, SampleSale("甘草", 1, 1, 1).Store(&db.Db(), status));
        EXPECT_EQ(0, status.Find(CSaleCard::NotCommittedText)) << (LPCTSTR)status;
        EXPECT_EQ("1|5.0|0", committed());
    }
    db.AcceptCommitsAgain();
    ASSERT_TRUE(SampleCard("甘草", 10, 5).Store(&db.Db(), status)) << (LPCTSTR)status;
    ASSERT_EQ(CSaleCard::Stored, SampleSale("甘草", 1, 1, 1).Store(&db.Db(), status))
        << (LPCTSTR)status;
    EXPECT_EQ("2|9.0|1", committed());
}

TEST(Sale, RefusedClampKeepsTheStoredSaleAndSaysSo)
{
    TestDatabase db;
    CString status;
    ASSERT_TRUE(SampleCard("板蓝根", 10, 2).Store(&db.Db(), status));
    db.Exec("CREATE TRIGGER no_clamp BEFORE UPDATE ON 存 WHEN NEW.现有存货量=0 BEGIN SELECT "
            "RAISE(ABORT, 'clamp refused'); END");
    EXPECT_EQ(CSaleCard::StoredNotClamped, SampleSale("板蓝根", 5, 1, 1).Store(&db.Db(), status));
    EXPECT_EQ(0, status.Find(CSaleCard::NotClampedText)) << (LPCTSTR)status;
    EXPECT_NE(-1, status.Find("clamp refused"));
    EXPECT_EQ("1|-3.0", db.CommittedScalar("SELECT (SELECT COUNT(*) FROM 销)||'|'||(SELECT "
                                           "现有存货量 FROM 存)"));
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
