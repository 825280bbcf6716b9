// The edit grid on real windows over real tables (SQLite, or the PostgreSQL server of a server run):
// loading, sorting, editing with generated statements, reports.
#include "app/CEditGrid.h"
#include "app/CGridCellEditor.h"
#include "framework/CTestSeams.h"
#include "framework/CWnd.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/TestDatabase.h"
#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {
class EditGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTestSeams::Engage();
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "grid test",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900, 600, nullptr,
                                      nullptr));
    }
    void TearDown() override
    {
        m_grids.clear();
        m_parent.DestroyWindow();
        CTestSeams::Release();
    }

    CEditGrid& NewGrid(const char* table, const char* query, bool expectLoaded = true)
    {
        m_grids.emplace_back(new CEditGrid);
        CEditGrid& grid = *m_grids.back();
        BOOL loaded = grid.CreateAndLoad(&m_db.Db(), table, query, &m_parent, CRect(0, 0, 880, 560),
                                         TRUE, TRUE);
        EXPECT_EQ(expectLoaded, loaded != FALSE) << query;
        return grid;
    }

    // The list tells its parent, which hands the notification back to the grid.
    void Notify(CEditGrid& grid, UINT code, int subItem = 0)
    {
        NMLISTVIEW nm = {};
        nm.hdr.hwndFrom = grid.m_hWnd;
        nm.hdr.idFrom = IDC_EDIT_GRID;
        nm.hdr.code = code;
        nm.iItem = -1;
        nm.iSubItem = subItem;
        m_parent.SendMessage(WM_NOTIFY, IDC_EDIT_GRID, (LPARAM)&nm);
    }
    void ClickColumn(CEditGrid& grid, int column) { Notify(grid, LVN_COLUMNCLICK, column); }
    void ClickRow(CEditGrid& grid, int row)
    {
        grid.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Notify(grid, NM_CLICK);
    }
    static std::string Column(CEditGrid& grid, int column)
    {
        std::string all;
        for (int r = 0; r < grid.GetItemCount(); ++r)
            all += std::string((LPCTSTR)grid.GetItemText(r, column)) + "|";
        return all;
    }
    static std::string Caption(CEditGrid& grid, int column)
    {
        char buffer[256] = {};
        LVCOLUMNA lvc = {};
        lvc.mask = LVCF_TEXT;
        lvc.pszText = buffer;
        lvc.cchTextMax = sizeof buffer;
        grid.SendMessage(LVM_GETCOLUMNA, (WPARAM)column, (LPARAM)&lvc);
        return buffer;
    }
    static void ExpectEditorOnCell(CEditGrid& grid, int row, int column)
    {
        CRect editor, cell;
        grid.GetEditor(column)->GetWindowRect(&editor);
        grid.ScreenToClient(&editor);
        grid.GetSubItemRect(row, column, LVIR_LABEL, cell);
        EXPECT_EQ(cell, editor);
    }
    static int EditorWindows(CEditGrid& grid)
    {
        int count = 0;
        for (HWND child = ::GetWindow(grid.m_hWnd, GW_CHILD); child != nullptr;
             child = ::GetWindow(child, GW_HWNDNEXT))
        {
            char text[32] = {};
            ::GetWindowTextA(child, text, sizeof text);
            count += strcmp(text, "GRID EDIT") == 0;
        }
        return count;
    }
    static void Type(CEditGrid& grid, int column, const char* text)
    {
        grid.GetEditor(column)->SetText(text);
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (auto& call : CTestSeams::MessageBoxes())
            texts.push_back((LPCTSTR)call.strText);
        return texts;
    }

    TestDatabase m_db;
    CWnd m_parent;
    std::vector<std::unique_ptr<CEditGrid>> m_grids;
};
}

TEST_F(EditGridTest, LoadsCaptionsTypesAndTrimmedTexts)
{
    m_db.Exec("CREATE TABLE t(ts TIMESTAMP, d DATE, s VARCHAR(20), x DOUBLE PRECISION, n INTEGER)");
    // SQLite hands the texts back as stored; PostgreSQL prints its own values, without a
    // fraction of a second that is zero: a time of midnight stays, and a date has no time.
    bool server = TestDatabase::OnServer();
    struct
    {
        const char* stored;
        const char* shown;
    } timestamps[] = {
        {"2003-11-24 00:00:00.000", server ? "2003-11-24 00:00:00" : "2003-11-24"},
        {"2003-11-24 10:15:00.000", "2003-11-24 10:15:00"},
        {"2003-11-24 10:15:00", "2003-11-24 10:15:00"},
        {"2003-11-24 10:00:00.000", "2003-11-24 10:00:00"},
    };
    for (int i = 1; i <= 4; ++i)
        m_db.Exec("INSERT INTO t VALUES('" + std::string(timestamps[i - 1].stored) +
                  "','2003-11-24 00:00:00.000','名称  '," + std::to_string(i) + ".5," +
                  std::to_string(i) + ")");
    CEditGrid& grid = NewGrid("t", "SELECT * FROM t ORDER BY n");
    EXPECT_EQ(IDC_EDIT_GRID, grid.GetDlgCtrlID());
    EXPECT_NE(0u, grid.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(RGB(255, 255, 225), grid.GetBkColor());
    EXPECT_EQ(RGB(0, 0, 56), grid.GetTextColor());
    ASSERT_EQ(5, grid.GetColumnCount());
    const char* captions[] = {"ts", "d", "s", "x", "n"};
    int types[] = {11, 9, 12, server ? 6 : 8, 4}; // PostgreSQL's double is SQL_FLOAT
    for (int c = 0; c < 5; ++c)
    {
        EXPECT_EQ(captions[c], Caption(grid, c));
        EXPECT_EQ(types[c], grid.GetColumnSqlType(c));
        EXPECT_EQ(130, grid.GetColumnWidth(c));
    }
    ASSERT_EQ(4, grid.GetItemCount());
    for (int r = 0; r < 4; ++r)
    {
        EXPECT_STREQ(timestamps[r].shown, grid.GetItemText(r, 0));
        EXPECT_STREQ(server ? "2003-11-24" : "2003-11-24 00:00:00.000",
                     grid.GetItemText(r, 1)); // a DATE column is not trimmed
        EXPECT_STREQ("名称", grid.GetItemText(r, 2));
        EXPECT_EQ((DWORD_PTR)r, grid.GetItemData(r));
    }
    char cell[8];
    EXPECT_EQ(4, grid.GetItemText(0, 2, cell, 5)); // "名称" whole; a cut never halves a character
    EXPECT_EQ(2, grid.GetItemText(0, 2, cell, 4));

    // The list control asks the grid for what it draws.
    char shown[64] = {};
    LVITEMA item = {};
    item.iSubItem = 2;
    item.pszText = shown;
    item.cchTextMax = sizeof shown;
    grid.SendMessage(LVM_GETITEMTEXTA, 1, (LPARAM)&item);
    EXPECT_STREQ("名称", shown);

    // No rows: the columns alone, and success.
    EXPECT_TRUE(grid.SetQuery("t", "SELECT s, n FROM t WHERE n > 100"));
    EXPECT_EQ(2, grid.GetColumnCount());
    EXPECT_EQ(0, grid.GetItemCount());
    EXPECT_EQ("s", Caption(grid, 0));
}

TEST_F(EditGridTest, RefusesQueriesItCannotRun)
{
    CEditGrid& grid = NewGrid("存", "SELECT * FROM 存");
    EXPECT_FALSE(grid.SetQuery("销", "SELECT * FROM 存")); // the query must name the table
    EXPECT_FALSE(grid.SetQuery("", "SELECT * FROM 存"));
    EXPECT_EQ(6, grid.GetColumnCount());
    EXPECT_TRUE(Messages().empty());

    EXPECT_FALSE(grid.SetQuery("无此表", "SELECT * FROM 无此表"));
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ(TestDatabase::OnServer()
                  ? "ERROR: relation \"无此表\" does not exist;\nError while executing the query\n"
                  : "no such table: 无此表 (1)\n",
              Messages()[0]);

    // Without a database nothing runs at all.
    CEditGrid unbound;
    EXPECT_FALSE(unbound.CreateAndLoad(nullptr, "存", "SELECT * FROM 存", &m_parent,
                                       CRect(0, 0, 1, 1), FALSE, FALSE));
    EXPECT_FALSE(unbound.SetQuery("存", "SELECT * FROM 存"));
    EXPECT_FALSE(unbound.Execute("DELETE FROM 存"));
    EXPECT_FALSE(unbound.IsWindowVisible());
}

TEST_F(EditGridTest, SortsByValueOrBytesWithArrowsSharedByAllGrids)
{
    m_db.Exec("CREATE TABLE t(x DOUBLE PRECISION, s VARCHAR(10), b SMALLINT)");
    m_db.Exec("INSERT INTO t VALUES(10,'b',1),(1.7,'阿',0),(9,'B',1),(1.2,'吧',0)");
    CEditGrid& grid = NewGrid("t", "SELECT * FROM t");
    CEditGrid& other = NewGrid("t", "SELECT * FROM t");

    ClickColumn(grid, 0);
    EXPECT_EQ("1.2|1.7|9|10|", Column(grid, 0));
    EXPECT_EQ("x↓", Caption(grid, 0));
    ClickColumn(grid, 0);
    EXPECT_EQ("10|9|1.7|1.2|", Column(grid, 0));
    EXPECT_EQ("x↑", Caption(grid, 0));

    ClickColumn(grid, 1);
    EXPECT_EQ("吧|阿|b|B|", Column(grid, 1)); // the largest byte string first
    EXPECT_EQ("x", Caption(grid, 0));
    EXPECT_EQ("s↓", Caption(grid, 1));
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ((DWORD_PTR)r, grid.GetItemData(r));

    // The same column of another grid continues the direction.
    ClickColumn(other, 1);
    EXPECT_EQ("B|b|阿|吧|", Column(other, 1));
    EXPECT_EQ("s↑", Caption(other, 1));
    EXPECT_EQ(1, CEditGrid::GetLastSortedColumn());

    grid.SetOptions(FALSE, FALSE, FALSE, FALSE);
    ClickColumn(grid, 0);
    EXPECT_EQ("s↓", Caption(grid, 1));
}

TEST_F(EditGridTest, EditingARowUpdatesItByAllOldValues)
{
    m_db.Exec("INSERT INTO 存 VALUES('板蓝根','广州','10支','2028-11-30',12.5,20)");
    m_db.Exec("INSERT INTO 存 VALUES('阿莫西林','哈尔滨','24粒','2028-09-30',1.0/3,5)");
    CEditGrid& grid = NewGrid("存", "SELECT * FROM 存");
    grid.SetOptions(TRUE, TRUE, TRUE, TRUE);
    ClickColumn(grid, 4); // the arrow must not reach the statements
    ASSERT_STREQ("0.3333333333333333", grid.GetItemText(0, 4));

    ClickRow(grid, 0);
    ASSERT_EQ(0, grid.GetEditedRow());
    EXPECT_STREQ("阿莫西林", grid.GetEditor(0)->GetEdit());
    EXPECT_TRUE(grid.GetEditor(0)->IsWindowVisible());
    ExpectEditorOnCell(grid, 0, 2);
    CGridCellEditor* editor = grid.GetEditor(2);
    CString caption;
    editor->GetWindowText(caption);
    EXPECT_STREQ("GRID EDIT", caption);
    EXPECT_EQ(IDC_GRID_CELL_EDITOR, editor->GetDlgCtrlID());
    EXPECT_EQ(IDC_GRID_CELL_EDIT, editor->GetEditControl().GetDlgCtrlID());
    CRect client, edit;
    editor->GetClientRect(&client);
    editor->GetEditControl().GetWindowRect(&edit);
    EXPECT_EQ(client.Size(), edit.Size()); // the edit fills its editor
    LOGFONTA font = {};
    GetObjectA((HFONT)editor->GetEditControl().SendMessage(WM_GETFONT), sizeof font, &font);
    EXPECT_STREQ("宋体", font.lfFaceName);
    EXPECT_EQ(12, font.lfHeight);

    Type(grid, 0, "阿莫西林胶囊");
    Type(grid, 5, "");
    ClickRow(grid, 1); // a click elsewhere commits
    EXPECT_STREQ(
        "UPDATE 存 SET 名称='阿莫西林胶囊',产地='哈尔滨',规格型号='24粒',有效截止日期='2028-09-30',"
        "平均成本单价=0.3333333333333333,现有存货量=0 WHERE 名称='阿莫西林' AND 产地='哈尔滨' AND "
        "规格型号='24粒' AND 有效截止日期='2028-09-30' AND 平均成本单价=0.3333333333333333 AND "
        "现有存货量=5",
        grid.GetLastStatement());
    EXPECT_TRUE(Messages().empty());
    EXPECT_STREQ("阿莫西林胶囊", grid.GetItemText(0, 0));
    EXPECT_STREQ("0", grid.GetItemText(0, 5));
    EXPECT_EQ("0", m_db.Scalar("SELECT 现有存货量 FROM 存 WHERE 名称='阿莫西林胶囊'"));
    EXPECT_EQ(1, grid.GetEditedRow()); // the click opened the next row

    // Quotes are doubled, and the row is found again by them.
    Type(grid, 1, "O'Neil's");
    grid.CommitEdit();
    EXPECT_EQ(-1, grid.GetEditedRow());
    EXPECT_FALSE(grid.GetEditor(0)->IsWindowVisible());
    ClickRow(grid, 1);
    Type(grid, 2, "5支");
    grid.CommitEdit();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ("O'Neil's,5支", m_db.Rows("SELECT 产地,规格型号 FROM 存 WHERE 名称='板蓝根'"));
}

TEST_F(EditGridTest, OnlyTrailingBlanksAreTrimmedSoRowsAreFoundAgain)
{
    m_db.Exec("INSERT INTO 操作员 VALUES('甲\t','1\r\n')");
    m_db.Exec("INSERT INTO 操作员 VALUES('乙  ','2')");
    CEditGrid& grid =
        NewGrid("操作员", "SELECT * FROM 操作员 WHERE 用户名<>'管理员' ORDER BY 密码");
    grid.SetOptions(TRUE, TRUE, TRUE, TRUE);
    ASSERT_EQ(2, grid.GetItemCount());
    EXPECT_STREQ("甲\t", grid.GetItemText(0, 0));
    EXPECT_STREQ("1\r\n", grid.GetItemText(0, 1));
    EXPECT_STREQ("乙", grid.GetItemText(1, 0));

    ClickRow(grid, 0);
    Type(grid, 1, "9");
    grid.CommitEdit();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ("9", m_db.Scalar("SELECT 密码 FROM 操作员 WHERE 用户名='甲\t'"));
    EXPECT_TRUE(grid.DeleteRow(0, TRUE));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ("0", m_db.Scalar("SELECT COUNT(*) FROM 操作员 WHERE 用户名 LIKE '甲%'"));
}

TEST_F(EditGridTest, RefusedOrMissedStatementsLeaveTheGridAsTheTableIs)
{
    m_db.Exec("INSERT INTO 操作员 VALUES('乙','2')");
    m_db.Refuse("refuse", "UPDATE", "操作员", "不许改", "NEW.密码='x'");
    CEditGrid& grid = NewGrid("操作员", "SELECT * FROM 操作员 ORDER BY 密码");
    grid.SetOptions(TRUE, TRUE, TRUE, TRUE);
    ASSERT_EQ(2, grid.GetItemCount());

    // A refused UPDATE: one message, the old texts stay.
    ClickRow(grid, 0);
    Type(grid, 1, "x");
    grid.CommitEdit();
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ(TestDatabase::OnServer() ? "ERROR: 不许改;\nError while executing the query\n"
                                       : "不许改 (19)\n",
              Messages()[0]);
    EXPECT_STREQ("2", grid.GetItemText(0, 1));

    // A row that went behind the grid's back: told, and the grid shows the table again.
    m_db.Exec("DELETE FROM 操作员 WHERE 用户名='乙'");
    ClickRow(grid, 0);
    Type(grid, 1, "3");
    grid.CommitEdit();
    ASSERT_EQ(2u, Messages().size());
    EXPECT_EQ("没有找到要修改的记录，它可能已被修改或删除。表格将重新载入。", Messages()[1]);
    ASSERT_EQ(1, grid.GetItemCount());
    EXPECT_STREQ("管理员", grid.GetItemText(0, 0));

    m_db.Exec("DELETE FROM 操作员");
    EXPECT_FALSE(grid.DeleteRow(0, TRUE));
    ASSERT_EQ(3u, Messages().size());
    EXPECT_EQ("没有找到要删除的记录，它可能已被修改或删除。表格将重新载入。", Messages()[2]);
    EXPECT_EQ(0, grid.GetItemCount());
}

TEST_F(EditGridTest, AddsAndDeletesRows)
{
    CEditGrid& grid = NewGrid("存", "SELECT * FROM 存");
    EXPECT_FALSE(grid.AddRow(nullptr, nullptr)); // adding not allowed
    grid.SetOptions(TRUE, TRUE, TRUE, TRUE);

    CString initial[] = {"板蓝根", "广州", "10支", "2028-11-30", "12.5", ""};
    EXPECT_EQ(6, grid.AddRow(initial, nullptr));
    EXPECT_TRUE(grid.IsNewRowPending());
    EXPECT_STREQ("板蓝根", grid.GetEditor(0)->GetEdit());
    EXPECT_TRUE(grid.AddRow(nullptr, nullptr)); // one pending row at a time
    EXPECT_EQ(1, grid.GetItemCount());
    grid.CommitEdit();
    EXPECT_STREQ("INSERT INTO 存(名称,产地,规格型号,有效截止日期,平均成本单价,现有存货量) "
                 "VALUES('板蓝根','广州','10支','2028-11-30',12.5,0)",
                 grid.GetLastStatement());
    EXPECT_STREQ("0", grid.GetItemText(0, 5));
    EXPECT_EQ("1", m_db.Scalar("SELECT COUNT(*) FROM 存"));

    // A refused INSERT (the same stock key) takes the row out of the list again.
    grid.AddRow(initial, nullptr);
    grid.CommitEdit();
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ(1, grid.GetItemCount());

    // A number the data source would take as SQL is refused before anything runs.
    grid.AddRow(nullptr, nullptr);
    Type(grid, 0, "甘草片");
    Type(grid, 4, "1;DELETE FROM 存");
    grid.CommitEdit();
    ASSERT_EQ(2u, Messages().size());
    EXPECT_EQ("“平均成本单价”只能填写数字，“1;DELETE FROM 存”不是数字。", Messages()[1]);
    EXPECT_EQ("1", m_db.Scalar("SELECT COUNT(*) FROM 存"));
    EXPECT_EQ(1, grid.GetItemCount());

    // A pending row that was never inserted just leaves the list.
    CString statement = grid.GetLastStatement();
    grid.AddRow(nullptr, nullptr);
    EXPECT_TRUE(grid.DeleteRow(1, TRUE));
    EXPECT_FALSE(grid.IsNewRowPending());
    EXPECT_EQ(1, grid.GetItemCount());
    EXPECT_STREQ(statement, grid.GetLastStatement());

    // A new row its check turns down is deleted again, even where deleting is off.
    grid.SetOptions(TRUE, TRUE, FALSE, TRUE);
    CString other[] = {"甘草片", "北京", "100片", "2027-01-31", "3", "4"};
    grid.AddRow(other,
                [](CGridCellEditor* editors, int) { return editors[2].GetEdit() != "100片"; });
    grid.CommitEdit();
    EXPECT_EQ(1, grid.GetItemCount());
    EXPECT_EQ("0", m_db.Scalar("SELECT COUNT(*) FROM 存 WHERE 名称='甘草片'"));
    EXPECT_STREQ("DELETE FROM 存 WHERE 名称='甘草片' AND 产地='北京' AND 规格型号='100片' AND "
                 "有效截止日期='2027-01-31' "
                 "AND 平均成本单价=3 AND 现有存货量=4",
                 grid.GetLastStatement());
    EXPECT_FALSE(grid.DeleteRow(0, TRUE));

    grid.SetOptions(TRUE, TRUE, TRUE, TRUE);
    EXPECT_TRUE(grid.DeleteRow(0, TRUE));
    EXPECT_EQ(0, grid.GetItemCount());
    EXPECT_EQ("0", m_db.Scalar("SELECT COUNT(*) FROM 存"));
    EXPECT_EQ(2u, Messages().size());
}

TEST_F(EditGridTest, ScrollingAndColumnResizingKeepTheEditorsOnTheirCells)
{
    for (int i = 0; i < 60; ++i)
        m_db.Exec("INSERT INTO 操作员 VALUES('用户" + std::to_string(100 + i) + "','1')");
    CEditGrid& grid = NewGrid("操作员", "SELECT * FROM 操作员 ORDER BY 用户名");
    grid.SetOptions(TRUE, TRUE, TRUE, TRUE);
    ClickRow(grid, 1);
    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_FALSE(grid.GetEditor(0)->IsWindowVisible());
    grid.SendMessage(WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_TRUE(grid.GetEditor(0)->IsWindowVisible());
    ExpectEditorOnCell(grid, 1, 1);

    Type(grid, 1, "新密码");
    NMHEADERA track = {};
    HWND header = ListView_GetHeader(grid.m_hWnd);
    track.hdr.hwndFrom = header;
    track.hdr.idFrom = (UINT_PTR)::GetDlgCtrlID(header);
    track.hdr.code = HDN_BEGINTRACKW;
    grid.SendMessage(WM_NOTIFY, track.hdr.idFrom, (LPARAM)&track);
    EXPECT_EQ(-1, grid.GetEditedRow());
    // The data source orders by UTF-8 bytes (PostgreSQL too, with collation "C"), so 用户101 is
    // the second row.
    EXPECT_EQ("新密码", m_db.Scalar("SELECT 密码 FROM 操作员 WHERE 用户名='用户101'"));

    // A new row is scrolled into view before its editors are laid over it.
    grid.EnsureVisible(0, FALSE);
    ASSERT_EQ(0, grid.GetTopIndex());
    grid.AddRow(nullptr, nullptr);
    EXPECT_EQ(61, grid.GetEditedRow());
    EXPECT_GT(grid.GetTopIndex(), 0);
    ExpectEditorOnCell(grid, 61, 0);
}

TEST_F(EditGridTest, ReloadingWithOtherColumnsShowsThemAsNewAndEditsOnThem)
{
    m_db.Exec("INSERT INTO 存 VALUES('板蓝根','广州','10支','2028-11-30',12.5,20)");
    m_db.Exec("INSERT INTO 销 VALUES('2026-12-10 "
              "08:05:00','板蓝根','广州','10支','2028-11-30',2,0.25,'拆零销售',10,0)");
    CEditGrid& grid = NewGrid("存", "SELECT * FROM 存");
    EXPECT_EQ(0, EditorWindows(grid)); // a grid nobody edits has none
    grid.SetOptions(TRUE, TRUE, TRUE, TRUE);
    ClickColumn(grid, 1);
    grid.SetColumnWidth(1, 200);
    ClickRow(grid, 0);
    grid.CommitEdit();

    // Each load shows what a grid made anew for its query shows.
    const struct
    {
        const char* table;
        const char* query;
    } loads[] = {
        {"存", "SELECT * FROM 存"}, // the same columns: the sort arrow and the width go as well
        {"销", "SELECT * FROM 销"},
        {"操作员", "SELECT 用户名 FROM 操作员"},
    };
    for (const auto& load : loads)
    {
        SCOPED_TRACE(load.query);
        ASSERT_TRUE(grid.SetQuery(load.table, load.query));
        CEditGrid& fresh = NewGrid(load.table, load.query);
        int columns = fresh.GetColumnCount();
        ASSERT_EQ(columns, grid.GetColumnCount());
        for (int c = 0; c < columns; ++c)
        {
            EXPECT_EQ(Caption(fresh, c), Caption(grid, c));
            EXPECT_EQ(fresh.GetColumnSqlType(c), grid.GetColumnSqlType(c));
            EXPECT_EQ(130, grid.GetColumnWidth(c));
        }
        EXPECT_EQ(nullptr, grid.GetEditor(columns));

        ClickRow(grid, 0);
        ASSERT_EQ(0, grid.GetEditedRow());
        for (int c = 0; c < columns; ++c)
        {
            ASSERT_NE(nullptr, grid.GetEditor(c));
            EXPECT_TRUE(grid.GetEditor(c)->IsWindowVisible());
            EXPECT_STREQ(grid.GetItemText(0, c), grid.GetEditor(c)->GetEdit());
            ExpectEditorOnCell(grid, 0, c);
        }
        EXPECT_EQ(columns, EditorWindows(grid)); // none left over from other columns
        grid.CommitEdit();
        EXPECT_TRUE(Messages().empty());
    }
}

TEST_F(EditGridTest, EachLoadStartsAtTheTopWithNothingSelectedAndKeepsTheGridDrawn)
{
    m_db.Exec("CREATE TABLE t(n INTEGER)");
    std::string values;
    for (int n = 1; n <= 200; ++n)
        values += (n > 1 ? ",(" : "(") + std::to_string(n) + ")";
    m_db.Exec("INSERT INTO t VALUES" + values);
    CEditGrid& grid = NewGrid("t", "SELECT n FROM t ORDER BY n");
    grid.SetItemState(150, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    grid.EnsureVisible(199, FALSE);
    ASSERT_GT(grid.GetTopIndex(), 0);

    ASSERT_TRUE(grid.Reload());
    EXPECT_EQ(200, grid.GetItemCount());
    EXPECT_EQ(200, (int)grid.SendMessage(LVM_GETITEMCOUNT));
    EXPECT_EQ(0, grid.GetTopIndex());
    EXPECT_EQ(-1, grid.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(-1, grid.GetNextItem(-1, LVNI_FOCUSED));
    EXPECT_TRUE(grid.IsWindowVisible());

    // A refused query still leaves a grid that draws itself, behind the message and after it.
    EXPECT_FALSE(grid.SetQuery("t", "SELECT nix FROM t"));
    EXPECT_EQ(1u, Messages().size());
    EXPECT_TRUE(grid.IsWindowVisible());
    EXPECT_EQ(0, (int)grid.SendMessage(LVM_GETITEMCOUNT));

    // A hidden grid, as the forms read rows through, stays hidden however often it loads.
    CEditGrid hidden;
    ASSERT_TRUE(hidden.CreateAndLoad(&m_db.Db(), "t", "SELECT n FROM t", &m_parent,
                                     CRect(0, 0, 1, 1), FALSE, FALSE));
    ASSERT_TRUE(hidden.Reload());
    EXPECT_EQ(0u, hidden.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(200, (int)hidden.SendMessage(LVM_GETITEMCOUNT));
}

TEST_F(EditGridTest, AReloadedGridShowsWhatAFreshOneShows)
{
    m_db.Exec("INSERT INTO 存 VALUES('板蓝根','广州','10支','2028-11-30',12.5,20),"
              "('阿莫西林','北京','20粒','2027-05-31',8,3)");
    m_db.Exec("INSERT INTO 销 VALUES('2026-12-10 "
              "08:05:00','板蓝根','广州','10支','2028-11-30',2,0.25,'拆零销售',10,0)");
    // Side by side, so that each paints all of itself.
    const CRect left(0, 0, 420, 200), right(440, 0, 860, 200);
    CEditGrid reloaded, fresh;
    ASSERT_TRUE(
        reloaded.CreateAndLoad(&m_db.Db(), "存", "SELECT * FROM 存", &m_parent, left, TRUE, TRUE));
    reloaded.UpdateWindow();
    ClickColumn(reloaded, 1);
    reloaded.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    reloaded.UpdateWindow();

    // Other columns and rows, then the same ones again: each time all of it is drawn anew.
    for (const char* table : {"销", "存"})
    {
        SCOPED_TRACE(table);
        const std::string query = std::string("SELECT * FROM ") + table;
        ASSERT_TRUE(reloaded.SetQuery(table, query.c_str()));
        if (fresh.m_hWnd != nullptr)
            fresh.DestroyWindow();
        ASSERT_TRUE(
            fresh.CreateAndLoad(&m_db.Db(), table, query.c_str(), &m_parent, right, TRUE, TRUE));
        reloaded.UpdateWindow();
        fresh.UpdateWindow();

        DibCanvas shownReloaded(left.Width(), left.Height()),
            shownFresh(left.Width(), left.Height());
        for (auto shot :
             {std::make_pair(&reloaded, &shownReloaded), std::make_pair(&fresh, &shownFresh)})
        {
            HDC dc = ::GetWindowDC(shot.first->m_hWnd);
            ::BitBlt(shot.second->dc(), 0, 0, left.Width(), left.Height(), dc, 0, 0, SRCCOPY);
            ::ReleaseDC(shot.first->m_hWnd, dc);
        }
        int differing = 0;
        for (int y = 0; y < left.Height(); ++y)
            for (int x = 0; x < left.Width(); ++x)
                differing += shownReloaded.Pixel(x, y) != shownFresh.Pixel(x, y);
        EXPECT_EQ(0, differing);
        // Not two empty pictures: the rows are drawn in the grid's own colours.
        EXPECT_GT(shownFresh.Count(RGB(255, 255, 225), 0, 0, left.Width(), left.Height()), 1000);
    }
}

TEST_F(EditGridTest, SavesTheReportAsAnUpperCaseHtmFile)
{
    m_db.Exec("INSERT INTO 操作员 VALUES('<乙>','a&b')");
    CEditGrid& grid = NewGrid("操作员", "SELECT * FROM 操作员 ORDER BY 密码");
    ClickColumn(grid, 0);
    TestDatabase folder(TestDatabase::Empty, "报表 目录");

    CTestSeams::QueueFileDialogAnswer((folder.Folder() + "report").c_str());
    ASSERT_TRUE(grid.SaveAsHtml());
    HANDLE file = CreateFileA((folder.Folder() + "REPORT.HTM").c_str(), GENERIC_READ, 0, NULL,
                              OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    std::string html(4096, '\0');
    DWORD got = 0;
    ReadFile(file, &html[0], (DWORD)html.size(), &got, NULL);
    CloseHandle(file);
    DeleteFileA((folder.Folder() + "REPORT.HTM").c_str());
    html.resize(got);
    EXPECT_NE(
        std::string::npos,
        html.find("<td bgcolor=\"#C0C0C0\">用户名</td>\r\n<td bgcolor=\"#C0C0C0\">密码</td>"));
    EXPECT_NE(
        std::string::npos,
        html.find(
            "<tr>\r\n<td>管理员</td>\r\n<td>739</td>\r\n</tr>\r\n<tr>\r\n<td>&lt;乙&gt;</td>"));

    CTestSeams::QueueFileDialogAnswer((folder.Folder() + "x.htm").c_str());
    ASSERT_TRUE(grid.SaveAsHtml());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder.Folder() + "X.HTM").c_str()));
    DeleteFileA((folder.Folder() + "X.HTM").c_str());

    CTestSeams::QueueFileDialogCancel();
    EXPECT_FALSE(grid.SaveAsHtml());
    CTestSeams::QueueFileDialogAnswer((folder.Folder() + "无此目录\\r").c_str());
    EXPECT_FALSE(grid.SaveAsHtml());
    ASSERT_EQ(1u, Messages().size());
    EXPECT_NE(std::string::npos, Messages()[0].find("无法创建报表文件"));
}
