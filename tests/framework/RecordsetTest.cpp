// Reading result sets as text: column descriptions, row movement, NULLs, long values and floating-point texts.
#include "framework/CDBException.h"
#include "framework/CRecordset.h"
#include "tests/support/TestDatabase.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
std::vector<std::vector<std::string>> ReadAll(CDatabase& db, const char* sql)
{
    std::vector<std::vector<std::string>> rows;
    CRecordset rs(&db);
    rs.Open(CRecordset::dynaset, sql);
    CString value;
    for (; !rs.IsEOF(); rs.MoveNext())
    {
        rows.emplace_back();
        for (short i = 0; i < rs.GetODBCFieldCount(); ++i)
        {
            rs.GetFieldValue(i, value);
            rows.back().push_back((LPCTSTR)value);
        }
    }
    return rows;
}
}

TEST(Recordset, DescribesColumnsWithNamesAndOdbcTypes)
{
    TestDatabase t;
    CRecordset rs(&t.Db());
    rs.Open(CRecordset::dynaset, "SELECT * FROM 销");
    ASSERT_EQ(10, rs.GetODBCFieldCount());
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_TRUE(rs.IsBOF());
    struct
    {
        const char* name;
        int type;
    } expected[] = {
        {"日期时间", 11}, {"名称", 12}, {"产地", 12},     {"规格型号", 12}, {"有效截止日期", 9},
        {"零售价", 8},    {"数量", 8},  {"销售类型", 12}, {"实收金额", 8},  {"坏帐", 4},
    };
    for (short i = 0; i < 10; ++i)
    {
        CODBCFieldInfo info;
        rs.GetODBCFieldInfo(i, info);
        EXPECT_STREQ(expected[i].name, info.m_strName);
        EXPECT_EQ(expected[i].type, info.m_nSQLType) << expected[i].name;
    }
    CODBCFieldInfo byName;
    rs.GetODBCFieldInfo("数量", byName);
    EXPECT_EQ(8, byName.m_nSQLType);
    EXPECT_THROW(rs.GetODBCFieldInfo((short)10, byName), CDBException*);

    // Expressions take their type from what they return.
    rs.Close();
    t.Exec("INSERT INTO 存 VALUES('a','b','c','2028-11-30',10,5)");
    rs.Open(CRecordset::snapshot, "SELECT SUM(平均成本单价*现有存货量), COUNT(*) FROM 存");
    CODBCFieldInfo sum, count;
    rs.GetODBCFieldInfo((short)0, sum);
    rs.GetODBCFieldInfo((short)1, count);
    EXPECT_EQ(8, sum.m_nSQLType);
    EXPECT_EQ(4, count.m_nSQLType);
    CString value;
    rs.GetFieldValue((short)0, value);
    EXPECT_STREQ("50", value);
}

TEST(Recordset, MovesForwardRestartsAtFirstAndStopsAtTheEnd)
{
    TestDatabase t(TestDatabase::Empty);
    t.Exec("CREATE TABLE t(n INTEGER, s VARCHAR(10))");
    t.Exec("INSERT INTO t VALUES(1,'一'),(2,NULL),(3,'三')");
    CRecordset rs(&t.Db());
    rs.Open(CRecordset::dynaset, "SELECT n, s FROM t ORDER BY n");
    CString n, s;
    rs.GetFieldValue((short)0, n);
    rs.GetFieldValue((short)0, n); // the same column twice reads the same value
    EXPECT_STREQ("1", n);
    rs.MoveNext();
    rs.GetFieldValue("s", s);
    EXPECT_STREQ("", s); // NULL reads as empty text
    rs.MoveNext();
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_EQ(3, rs.GetRecordCount());
    EXPECT_THROW(rs.MoveNext(), CDBException*);
    EXPECT_THROW(rs.GetFieldValue((short)0, n), CDBException*);
    rs.MoveFirst();
    ASSERT_FALSE(rs.IsEOF());
    rs.GetFieldValue((short)1, s);
    EXPECT_STREQ("一", s);
}

TEST(Recordset, RefusedQueryThrowsAndLeavesTheSetClosed)
{
    TestDatabase t(TestDatabase::Empty);
    CRecordset rs(&t.Db());
    try
    {
        rs.Open(CRecordset::dynaset, "SELECT * FROM 不存在");
        FAIL() << "no exception";
    }
    catch (CDBException* e)
    {
        EXPECT_STREQ("no such table: 不存在 (1)\n", e->m_strError);
        e->Delete();
    }
    EXPECT_FALSE(rs.IsOpen());

    CDatabase closed;
    CRecordset onClosed(&closed);
    EXPECT_THROW(onClosed.Open(CRecordset::dynaset, "SELECT 1"), CDBException*);
}

TEST(Recordset, ReadsLongValuesWholeAcrossDriverChunks)
{
    TestDatabase t(TestDatabase::Empty);
    t.Exec("CREATE TABLE t(s VARCHAR(10000))");
    std::string longText =
        "a"; // one ASCII byte first, so that characters straddle every chunk border
    for (int i = 0; i < 3000; ++i)
        longText += "板";
    t.Exec("INSERT INTO t VALUES('" + longText + "')");
    auto rows = ReadAll(t.Db(), "SELECT s FROM t");
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(longText, rows[0][0]);
}

TEST(Recordset, FloatingValuesReadInTheShortestTextThatReadsBack)
{
    TestDatabase t(TestDatabase::Empty);
    t.Exec("CREATE TABLE t(id INTEGER, x DOUBLE, n NUMERIC, s VARCHAR(20))");
    struct
    {
        const char* stored;
        const char* shown;
    } cases[] = {
        {"1.0/3", "0.3333333333333333"},
        {"0.1+0.2", "0.30000000000000004"},
        {"2.5", "2.5"},
        {"5", "5"},
        {"100000000", "100000000"},
        {"-0.125", "-0.125"},
        {"1e-7", "1e-07"},
        {"1e20", "1e+20"},
        {"123456789012.345", "123456789012.345"},
    };
    int id = 0;
    for (auto& c : cases)
        t.Exec("INSERT INTO t VALUES(" + std::to_string(++id) + "," + c.stored + "," + c.stored +
               ",'0.10')");
    t.Exec("INSERT INTO t VALUES(99, NULL, 9007199254740993, 'x')");

    auto rows = ReadAll(t.Db(), "SELECT id, x, n, s FROM t ORDER BY id");
    ASSERT_EQ(10u, rows.size());
    for (size_t i = 0; i < 9; ++i)
    {
        SCOPED_TRACE(cases[i].stored);
        EXPECT_EQ(cases[i].shown, rows[i][1]);
        EXPECT_EQ(cases[i].shown, rows[i][2]);
        EXPECT_EQ("0.10", rows[i][3]); // texts stay as stored
        // The shown text finds its row again.
        t.Db().ExecuteSQL(
            ("UPDATE t SET s='hit' WHERE x=" + rows[i][1] + " AND id=" + rows[i][0]).c_str());
        EXPECT_EQ(1, t.Db().GetRowsAffected());
    }
    EXPECT_EQ("", rows[9][1]);
    EXPECT_EQ("9007199254740993", rows[9][2]); // integers keep every digit

    // Rows come in the query's own order, and a name used twice still reads (with the driver's digits).
    auto joined = ReadAll(t.Db(), "SELECT a.x, b.x FROM t a, t b WHERE a.id=1 AND b.id=3");
    ASSERT_EQ(1u, joined.size());
    EXPECT_EQ("2.5", joined[0][1]);
    // Expressions whose names the driver cuts at a dot read with every digit too.
    auto sums =
        ReadAll(t.Db(), "SELECT SUM(a.x)/3, SUM(a.x*b.x)/3 FROM t a, t b WHERE a.id=3 AND b.id=4");
    ASSERT_EQ(1u, sums.size());
    EXPECT_EQ((std::vector<std::string>{"0.8333333333333334", "4.166666666666667"}), sums[0]);
    auto ordered = ReadAll(t.Db(), "SELECT x FROM t WHERE x IS NOT NULL ORDER BY x DESC");
    ASSERT_EQ(9u, ordered.size());
    EXPECT_EQ("1e+20", ordered[0][0]);
    EXPECT_EQ("-0.125", ordered[8][0]);
}

TEST(Recordset, ComputedColumnsTakeTheTypeOfTheirFirstValueWhetherTheDriverStepsOrNot)
{
    TestDatabase t(TestDatabase::Empty);
    t.Exec("CREATE TABLE t(x DOUBLE, n INTEGER, s VARCHAR(10))");
    t.Exec("INSERT INTO t VALUES(12.5,1,'a'),(37.5,2,'b')");
    const char* query = "SELECT SUM(x), COUNT(*), MAX(s), SUM(x)/3, SUM(n), s FROM t";
    const int types[] = {8, 4, 12, 8, 4, 12};
    const char* values[] = {"50", "2", "b", "16.666666666666668", "3", "b"};
    for (const char* options : {"", ";StepAPI=1"})
    {
        SCOPED_TRACE(options);
        CDatabase db;
        ASSERT_TRUE(db.OpenEx(
            ("DRIVER=SQLite3;Database=" + TestDatabase::DriverPath(t.Path()) + options).c_str(),
            CDatabase::noOdbcDialog));
        CRecordset rs(&db);
        rs.Open(CRecordset::dynaset, query);
        ASSERT_EQ(6, rs.GetODBCFieldCount());
        for (short i = 0; i < 6; ++i)
        {
            CODBCFieldInfo info;
            rs.GetODBCFieldInfo(i, info);
            EXPECT_EQ(types[i], info.m_nSQLType) << i;
            CString value;
            rs.GetFieldValue(i, value);
            EXPECT_STREQ(values[i], value) << i;
        }
        rs.Close();
        // Without a first value there is nothing to learn from.
        rs.Open(CRecordset::dynaset, "SELECT SUM(x) FROM t WHERE n > 5");
        CODBCFieldInfo info;
        rs.GetODBCFieldInfo((short)0, info);
        EXPECT_EQ(12, info.m_nSQLType);
    }
}
