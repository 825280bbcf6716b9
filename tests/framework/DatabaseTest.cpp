// The connection class against real SQLite files through Wine's ODBC: connect strings, errors, statements, text.
#include "framework/CDatabase.h"
#include "framework/CDBException.h"
#include "framework/CRecordset.h"
#include "tests/support/TestDatabase.h"
#include <gtest/gtest.h>
#include <string>

namespace {
// Runs an action that must throw CDBException and hands back the exception's texts.
template <class Action>
CString ErrorOf(Action action, CString* stateNativeOrigin = nullptr)
{
    try
    {
        action();
    }
    catch (CDBException* e)
    {
        CString text = e->m_strError;
        if (stateNativeOrigin)
            *stateNativeOrigin = e->m_strStateNativeOrigin;
        e->Delete();
        return text;
    }
    ADD_FAILURE() << "no CDBException";
    return CString();
}
}

TEST(Database, OpensFileAndKeepsCompletedConnectStringWithPrefix)
{
    TestDatabase t(TestDatabase::Empty);
    ASSERT_TRUE(t.Db().IsOpen());
    CString connect = t.Db().GetConnect();
    EXPECT_EQ(0, connect.Find("ODBC;"));
    EXPECT_NE(-1, connect.Find(("Database=" + TestDatabase::DriverPath(t.Path())).c_str()));
    EXPECT_TRUE(t.Db().CanTransact());
    t.Db().Close();
    EXPECT_FALSE(t.Db().IsOpen());
    EXPECT_TRUE(t.Db().GetConnect().IsEmpty());
}

TEST(Database, RefusalsCarryTheDriverManagersWordsWithoutOrigin)
{
    CDatabase db;
    CString origin;
    CString text =
        ErrorOf([&] { db.OpenEx("DSN=vorlen-no-such-source", CDatabase::noOdbcDialog); }, &origin);
    EXPECT_STREQ("Data source name not found and no default driver specified\n", text);
    EXPECT_STREQ("State:IM002,Native:0,Origin:[unixODBC][Driver Manager]\n", origin);
    EXPECT_FALSE(db.IsOpen());

    // An empty connect string names no driver either.
    EXPECT_STREQ("Data source name not found and no default driver specified\n",
                 ErrorOf([&] { db.OpenEx("", CDatabase::noOdbcDialog); }));
}

TEST(Database, MissingFileWithNoCreatIsAnError)
{
    TestDatabase t(TestDatabase::Empty);
    std::string missing =
        "DRIVER=SQLite3;NoCreat=1;Database=" + TestDatabase::DriverPath(t.Folder() + "missing.db");
    CDatabase db;
    CString text = ErrorOf([&] { db.OpenEx(missing.c_str(), CDatabase::noOdbcDialog); });
    EXPECT_FALSE(text.IsEmpty());
    EXPECT_FALSE(db.IsOpen());
}

TEST(Database, ChineseTextIsUtf8OnTheSqliteSideAndGbkInTheProgram)
{
    TestDatabase t;
    t.Exec("INSERT INTO 存 VALUES('注射用板蓝根','广州','10支/盒','2028-11-30',12.5,20)");
    // SQLite sees real characters: LIKE finds a part of the name, and the bytes it stores are UTF-8.
    EXPECT_EQ("注射用板蓝根", t.Scalar("SELECT 名称 FROM 存 WHERE 名称 LIKE '%板蓝%'"));
    EXPECT_EQ("E6B3A8E5B084E794A8E69DBFE8939DE6A0B9", t.Scalar("SELECT hex(名称) FROM 存"));
    EXPECT_EQ("6", t.Scalar("SELECT length(名称) FROM 存"));

    // The driver's messages come back readable, names included.
    CString text = ErrorOf([&] { t.Db().ExecuteSQL("SELECT * FROM 无此表"); });
    EXPECT_STREQ("no such table: 无此表 (1)\n", text);
}

TEST(Database, ExecuteReportsRowsAffectedAndConstraintRefusals)
{
    TestDatabase t;
    t.Exec("INSERT INTO 存 VALUES('a','b','c','2028-11-30',10,5)");
    t.Db().ExecuteSQL("UPDATE 存 SET 现有存货量=6 WHERE 名称='a'");
    EXPECT_EQ(1, t.Db().GetRowsAffected());
    t.Db().ExecuteSQL("DELETE FROM 存 WHERE 名称='nothing'");
    EXPECT_EQ(0, t.Db().GetRowsAffected());

    CString origin;
    CString text = ErrorOf(
        [&] { t.Db().ExecuteSQL("INSERT INTO 存 VALUES('a','b','c','2028-11-30',1,1)"); }, &origin);
    EXPECT_NE(-1, text.Find("UNIQUE constraint failed"));
    EXPECT_NE(-1, origin.Find("State:S1000,Native:19,"));

    CDatabase closed;
    ErrorOf([&] { closed.ExecuteSQL("SELECT 1"); });
}

TEST(Database, TransactionsCommitAndRollBack)
{
    TestDatabase t;
    ASSERT_TRUE(t.Db().BeginTrans());
    t.Exec("INSERT INTO 操作员 VALUES('甲','1')");
    ASSERT_TRUE(t.Db().Rollback());
    EXPECT_EQ("1", t.Scalar("SELECT COUNT(*) FROM 操作员"));

    ASSERT_TRUE(t.Db().BeginTrans());
    t.Exec("INSERT INTO 操作员 VALUES('乙','2')");
    ASSERT_TRUE(t.Db().CommitTrans());
    EXPECT_EQ("2", t.Scalar("SELECT COUNT(*) FROM 操作员"));
    EXPECT_FALSE(t.Db().CommitTrans());
}

TEST(Database, RefusedCommitLeavesTheTransactionForRollback)
{
    TestDatabase t;
    t.RefuseCommitsAfterInsertsInto("操作员");
    ASSERT_TRUE(t.Db().BeginTrans());
    t.Exec("INSERT INTO 操作员 VALUES('甲','1')");
    EXPECT_NE(-1, ErrorOf([&] { t.Db().CommitTrans(); }).Find("FOREIGN KEY"));
    EXPECT_TRUE(t.Db().Rollback());
    EXPECT_EQ("1", t.Scalar("SELECT COUNT(*) FROM 操作员"));

    // Back in autocommit: a plain statement is committed at once, and a new transaction starts.
    t.AcceptCommitsAgain();
    t.Exec("INSERT INTO 操作员 VALUES('乙','2')");
    EXPECT_EQ("2", t.CommittedScalar("SELECT COUNT(*) FROM 操作员"));
    ASSERT_TRUE(t.Db().BeginTrans());
    t.Exec("INSERT INTO 操作员 VALUES('丙','3')");
    EXPECT_TRUE(t.Db().CommitTrans());
    EXPECT_EQ("3", t.CommittedScalar("SELECT COUNT(*) FROM 操作员"));
}

TEST(Database, ErrorMessageIsCutOnACharacterBoundary)
{
    CDBException e;
    e.m_strError = "x";
    for (int i = 0; i < 200; ++i)
        e.m_strError += "错";
    char buffer[255];
    ASSERT_TRUE(e.GetErrorMessage(buffer, sizeof buffer));
    // 1 + 126 * 2 = 253 bytes: the 127th character would need bytes 254 and 255.
    EXPECT_EQ(253u, strlen(buffer));
    EXPECT_EQ(0, memcmp(buffer, (LPCTSTR)e.m_strError, 253));
}
