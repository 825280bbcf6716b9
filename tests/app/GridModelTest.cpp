// What the edit grid builds from its texts: statements, sort orders and the HTML report.
#include "app/CGridHtml.h"
#include "app/CGridRows.h"
#include "app/CGridSql.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
const std::vector<CGridSql::Column> kColumns = {{"a", true}, {"b", false}, {"c", true}};
}

TEST(GridSql, BuildsTheStatementsOverAllColumns)
{
    std::string sql, error;
    std::vector<std::string> values = {"1", "x", "2"};
    ASSERT_TRUE(CGridSql::Insert("t", kColumns, values, sql, error));
    EXPECT_EQ("INSERT INTO t(a,b,c) VALUES(1,'x',2)", sql);

    values = {"2", "y", "3"};
    ASSERT_TRUE(CGridSql::Update("t", kColumns, {"1", "x", "3"}, values, sql, error));
    EXPECT_EQ("UPDATE t SET a=2,b='y',c=3 WHERE a=1 AND b='x' AND c=3", sql);

    EXPECT_EQ("DELETE FROM t WHERE a=1 AND b='x' AND c=3",
              CGridSql::Delete("t", kColumns, {"1", "x", "3"}));
}

TEST(GridSql, EmptyNumbersAreZeroAndQuotesAreDoubled)
{
    std::string sql, error;
    std::vector<std::string> values = {"", "O'Neil's", " 2.5 "};
    ASSERT_TRUE(CGridSql::Update("销", kColumns, {"", "it's", "abc"}, values, sql, error));
    EXPECT_EQ("UPDATE 销 SET a=0,b='O''Neil''s',c=2.5 WHERE a=0 AND b='it''s' AND c='abc'", sql);
    EXPECT_EQ("0", values[0]); // the editor shows the 0 that was written
    EXPECT_EQ("DELETE FROM t WHERE a=0 AND b='''' AND c=0",
              CGridSql::Delete("t", kColumns, {"", "'", ""}));
}

TEST(GridSql, RefusesANumericValueThatIsNotANumber)
{
    const char* numbers[] = {"0", "-3", "+4", "12.5", ".5", "5.", "1e-7", "2E+20", " 7 "};
    const char* others[] = {"abc", "1,5", "1 2", "0x10", "1e", "-", ".", "1;DROP TABLE t", "１２"};
    for (const char* text : numbers)
        EXPECT_TRUE(CGridSql::IsNumberText(text)) << text;
    for (const char* text : others)
        EXPECT_FALSE(CGridSql::IsNumberText(text)) << text;

    std::string sql = "unchanged", error;
    std::vector<std::string> values = {"1;DELETE FROM t", "x", "1"};
    EXPECT_FALSE(CGridSql::Insert("t", kColumns, values, sql, error));
    EXPECT_EQ("unchanged", sql);
    EXPECT_EQ("“a”只能填写数字，“1;DELETE FROM t”不是数字。", error);
}

TEST(GridSql, ColumnNamesLoseTheSortArrows)
{
    EXPECT_EQ("数量", CGridSql::ColumnName("数量↓"));
    EXPECT_EQ("数量", CGridSql::ColumnName("↑数↓量↑"));
    EXPECT_EQ("名称", CGridSql::CutAtArrow("名称↑x↓y"));
    // "\xA1" as a trail byte followed by a character starting with "\xFC" is not an arrow.
    std::string tricky = "\xB0\xA1\xFC\x40";
    EXPECT_EQ(tricky, CGridSql::ColumnName(tricky));
    EXPECT_EQ(tricky, CGridSql::CutAtArrow(tricky));
    EXPECT_TRUE(CGridSql::IsNumericType(-7));
    EXPECT_FALSE(CGridSql::IsSortedAsNumber(-7));
    EXPECT_TRUE(CGridSql::IsSortedAsNumber(-6));
    EXPECT_FALSE(CGridSql::IsNumericType(12));
}

TEST(GridRows, SortsNumbersByValueAndTextsByBytes)
{
    CGridRows rows;
    rows.Reset(2);
    const char* data[][2] = {{"10", "b"}, {"1.7", "阿"}, {"9", "B"}, {"x", "a"}, {"1.2", "吧"}};
    for (auto& r : data)
        rows.AppendRow({r[0], r[1]});

    auto column = [&](int c) {
        std::string all;
        for (int r = 0; r < rows.GetRowCount(); ++r)
            all += std::string(rows.GetText(r, c)) + " ";
        return all;
    };
    rows.Sort(0, true, true);
    EXPECT_EQ("x 1.2 1.7 9 10 ", column(0));
    rows.Sort(0, true, false);
    EXPECT_EQ("10 9 1.7 1.2 x ", column(0));
    rows.Sort(1, false, false);
    EXPECT_EQ("吧 阿 b a B ", column(1)); // 吧 is B0C9, 阿 B0A2
    rows.Sort(1, false, true);
    EXPECT_EQ("B a b 阿 吧 ", column(1));
}

TEST(GridRows, SortsLongAndTiedKeysAsOneComparisonWouldKeepingTiesInTheirOrder)
{
    // Texts that share long beginnings, end inside and on eight-byte borders, and tie; numbers of
    // both signs, zeros and texts that are no number. Column 1 holds each row's first place.
    const char* pieces[] = {"", "a", "板蓝根", "\xFE\xFE", "abcdefgh", "注射用板蓝根", "0"};
    const char* numbers[] = {"-1.5", "0", "-0", "x", "2", "10", "1e3", "-1e-3", "0.5"};
    CGridRows rows;
    rows.Reset(3);
    std::vector<std::vector<std::string>> table;
    unsigned seed = 7;
    auto next = [&] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int r = 0; r < 600; ++r)
    {
        std::string text;
        for (unsigned n = next() % 4; n > 0; --n)
            text += pieces[next() % 7];
        table.push_back({text, std::to_string(r), numbers[next() % 9]});
        rows.AppendRow(table.back());
    }

    for (int column : {0, 2})
        for (bool ascending : {true, false})
        {
            SCOPED_TRACE(std::to_string(column) + (ascending ? " up" : " down"));
            auto less = [&](const std::vector<std::string>& a, const std::vector<std::string>& b) {
                if (column == 2)
                    return std::atof(a[2].c_str()) < std::atof(b[2].c_str());
                return std::strcmp(a[0].c_str(), b[0].c_str()) < 0;
            };
            std::vector<std::vector<std::string>> expected = table;
            std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
                return ascending ? less(a, b) : less(b, a);
            });
            rows.Sort(column, column == 2, ascending);
            std::vector<std::vector<std::string>> sorted;
            for (int r = 0; r < rows.GetRowCount(); ++r)
                sorted.push_back({rows.GetText(r, 0), rows.GetText(r, 1), rows.GetText(r, 2)});
            EXPECT_EQ(expected, sorted);
            table = sorted; // the next sort starts from this order
        }
}

TEST(GridRows, KeepsTextsAndCountsTheirBytes)
{
    CGridRows rows;
    rows.Reset(3);
    rows.AppendRow({"ab", "", "c"});
    EXPECT_EQ(3u, rows.GetTextBytes());
    int added = rows.AppendEmptyRow();
    EXPECT_EQ(1, added);
    rows.SetText(added, 1, "新的");
    EXPECT_STREQ("新的", rows.GetText(1, 1));
    EXPECT_STREQ("", rows.GetText(1, 0));
    EXPECT_STREQ("", rows.GetText(5, 0));
    EXPECT_EQ(7u, rows.GetTextBytes());
    rows.RemoveRow(0);
    EXPECT_EQ(1, rows.GetRowCount());
    EXPECT_EQ(4u, rows.GetTextBytes());
}

TEST(GridHtml, WritesTheEscapedGbkReportAndReportsAFileItCannotWrite)
{
    CGridRows rows;
    rows.Reset(2);
    rows.AppendRow({"注射用板蓝根", "1 < 2 & 3 > 2"});
    rows.AppendRow({"a\r\nb", ""});
    std::vector<std::string> captions = {"名称↓", "备注  "};
    const std::string expected =
        "<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=GBK\">\r\n"
        "<title>Vorlen-报表(HTM)</title>\r\n"
        "<style>\r\n<!--\r\n.11  { font-size: 9pt }\r\n-->\r\n</style>\r\n</head>\r\n<body>\r\n"
        "<table border=\"1\" width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" class=\"11\">\r\n"
        "<tr>\r\n"
        "<td bgcolor=\"#C0C0C0\">名称</td>\r\n"
        "<td bgcolor=\"#C0C0C0\">备注</td>\r\n"
        "</tr>\r\n"
        "<tr>\r\n<td>注射用板蓝根</td>\r\n<td>1 &lt; 2 &amp; 3 &gt; 2</td>\r\n</tr>\r\n"
        "<tr>\r\n<td>ab</td>\r\n<td></td>\r\n</tr>\r\n"
        "</table>\r\n</body>\r\n</html>\r\n";

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder =
        std::string(temp) + "报表目录-" + std::to_string(GetCurrentProcessId()) + "\\";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
    std::string path = folder + "REPORT.HTM", error;
    ASSERT_TRUE(CGridHtml::Write(path, captions, rows, error)) << error;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    std::string written(8192, '\0');
    DWORD got = 0;
    ReadFile(file, &written[0], (DWORD)written.size(), &got, NULL);
    CloseHandle(file);
    written.resize(got);
    EXPECT_EQ(expected, written);
    DeleteFileA(path.c_str());

    std::string missing = folder + "没有这个目录\\X.HTM";
    EXPECT_FALSE(CGridHtml::Write(missing, captions, rows, error));
    EXPECT_EQ("无法创建报表文件：" + missing, error);
    RemoveDirectoryA(folder.c_str());
}
