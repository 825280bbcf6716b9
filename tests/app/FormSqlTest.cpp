// Statements of the stock-in and sale cards: the exact texts, literal forms and quote handling.
#include "app/CSaleCard.h"
#include "app/CSqlText.h"
#include "app/CStockInCard.h"
#include "tests/app/SampleCards.h"
#include <gtest/gtest.h>

TEST(SqlText, DoublesQuotesAndFormatsLiterals)
{
    EXPECT_EQ("'O''Neil''s'", CSqlText::Quoted("O'Neil's"));
    EXPECT_EQ("''", CSqlText::Quoted(""));
    EXPECT_EQ("板蓝根", CSqlText::Escape("板蓝根"));
    EXPECT_EQ("12.500000", CSqlText::Decimal(12.5f));
    EXPECT_EQ("2003-01-05", CSqlText::Date(2003, 1, 5));
    EXPECT_EQ("2003-01-05 00:07:09", CSqlText::DateTime(2003, 1, 5, 0, 7, 9));
}

TEST(StockInCard, StatementsCarryTheCardInColumnOrder)
{
    CStockInCard card = SampleCard("注射用板蓝根", 12.5f, 3);
    EXPECT_EQ("INSERT INTO "
              "进(采购日期,采购人,大类,小类,编号,名称,产地,规格型号,批号,有效截止日期,进价,数量) "
              "VALUES('2003-11-24','张三','中药','针剂','A01','注射用板蓝根','北京','10支','B7','"
              "2004-11-14',"
              "12.500000,3.000000)",
              card.PurchaseInsertSql());
    EXPECT_EQ("INSERT INTO 存(名称,产地,规格型号,有效截止日期,平均成本单价,现有存货量) "
              "VALUES('注射用板蓝根','北京','10支','2004-11-14',12.500000,3.000000)",
              card.StockInsertSql());
    EXPECT_EQ("UPDATE 存 SET "
              "平均成本单价=(平均成本单价*现有存货量+12.500000*3.000000)/(现有存货量+3.000000),"
              "现有存货量=现有存货量+3.000000 WHERE 名称='注射用板蓝根' AND 产地='北京' AND "
              "规格型号='10支' "
              "AND 有效截止日期='2004-11-14'  ",
              card.StockUpdateSql());
    EXPECT_NE(std::string::npos,
              card.PurchaseMatchCondition().find("进价=12.500000 AND 数量=3.000000"));
}

TEST(StockInCard, QuotesInEveryTextAreDoubled)
{
    CStockInCard card = SampleCard("注射用板蓝根", 12.5f, 3);
    card.m_buyer = "O'Neil";
    card.m_name = "a'b";
    card.m_batch = "'";
    std::string insert = card.PurchaseInsertSql();
    EXPECT_NE(std::string::npos, insert.find("'O''Neil'"));
    EXPECT_NE(std::string::npos, insert.find("'a''b'"));
    EXPECT_NE(std::string::npos, insert.find("''''"));
    EXPECT_NE(std::string::npos, card.StockInsertSql().find("'a''b'"));
    EXPECT_NE(std::string::npos, card.StockUpdateSql().find("名称='a''b'"));
    EXPECT_NE(std::string::npos, card.PurchaseMatchCondition().find("批号=''''"));
}

TEST(StockInCard, KeyTextsMustAllBeGiven)
{
    CStockInCard card = SampleCard("注射用板蓝根", 12.5f, 3);
    EXPECT_TRUE(card.HasKeyTexts());
    for (std::string CStockInCard::*field :
         {&CStockInCard::m_name, &CStockInCard::m_origin, &CStockInCard::m_spec})
    {
        CStockInCard c = card;
        c.*field = "";
        EXPECT_FALSE(c.HasKeyTexts());
    }
}

TEST(SaleCard, WholeBoxSaleStatements)
{
    CSaleCard sale = SampleSale("注射用板蓝根", 3, 1, 12.5f);
    EXPECT_EQ("37.50", sale.m_amount);
    EXPECT_EQ(
        "INSERT INTO "
        "销(日期时间,名称,产地,规格型号,有效截止日期,零售价,数量,销售类型,实收金额,坏帐) "
        "VALUES('2003-11-24 "
        "10:15:00','注射用板蓝根','北京','10支','2004-11-14',12.500000,3/1.0,'整盒销售',37.50,0)",
        sale.SaleInsertSql());
    EXPECT_EQ("UPDATE 存 SET 现有存货量=现有存货量-3/1.0 WHERE 名称='注射用板蓝根' AND 产地='北京' "
              "AND 规格型号='10支' AND 有效截止日期='2004-11-14'",
              sale.StockDecreaseSql());
    EXPECT_EQ(
        "SELECT 名称,产地,规格型号,有效截止日期 FROM 存 WHERE 名称='注射用板蓝根' AND 产地='北京' "
        "AND 规格型号='10支' AND 有效截止日期='2004-11-14'",
        sale.StockLookupSql());
    EXPECT_EQ("UPDATE 存 set 现有存货量=0 WHERE 现有存货量<0", CSaleCard::ClampSql());
}

TEST(SaleCard, SplitSaleAndSaleTypes)
{
    CSaleCard sale = SampleSale("注射用板蓝根", 3, 1, 12.5f);
    sale.m_saleType = CSaleCard::Split;
    sale.m_perBox = CSaleCard::PerBoxFor(sale.m_saleType);
    sale.m_quantity = 5;
    sale.m_price = 0.8f;
    EXPECT_EQ(20u, sale.m_perBox);
    EXPECT_EQ("4.00", sale.ComputeAmount());
    EXPECT_NE(std::string::npos, sale.StockDecreaseSql().find("现有存货量-5/20.0 WHERE"));
    EXPECT_EQ(1u, CSaleCard::PerBoxFor("整盒销售"));
    EXPECT_EQ(0u, CSaleCard::PerBoxFor("其他"));
}

TEST(SaleCard, QuotesInKeyTextsAreDoubled)
{
    CSaleCard sale = SampleSale("注射用板蓝根", 3, 1, 12.5f);
    sale.m_name = "it's";
    sale.m_expiry = "2004'";
    EXPECT_NE(std::string::npos, sale.SaleInsertSql().find("'it''s'"));
    EXPECT_NE(std::string::npos, sale.StockLookupSql().find("名称='it''s'"));
    EXPECT_NE(std::string::npos, sale.StockDecreaseSql().find("有效截止日期='2004'''"));
    EXPECT_NE(std::string::npos, sale.SaleMatchCondition().find("名称='it''s'"));
}
