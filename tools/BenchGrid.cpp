// Benchmark: what the edit grid and the report commands cost against the bare ODBC fetch of the same queries.
// Run by tools/bench-grid, one side per process, with the connection file beside the executable:
//   bench_grid fetch   the floor: each query executed and every value read as text, nothing kept
//   bench_grid grid    the program's way: the holder's connection, a view-like grid, the commands
// Each prints "key value" lines; the script runs both sides in turn and prints medians with their
// spreads.
#include "app/CDatabaseHolder.h"
#include "app/CEditGrid.h"
#include "app/CGridRows.h"
#include "app/CReportCommands.h"
#include "app/CReportSql.h"
#include "app/CSqlText.h"
#include "framework/CDbTextCodec.h"
#include "framework/CTime.h"
#include "framework/CTimeSpan.h"
#include "framework/CWnd.h"
#include <windows.h>
#include <sql.h>
#include <sqlext.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
const char* const kBigQuery = "SELECT * FROM 销";
// Distinct random names with a shared prefix, as a long list of one medicine's batches has them.
const char* const kNamesTable = "名录";
const char* const kNamesQuery = "SELECT 名称 FROM 名录";
const int kRangeDays = 4;

double Seconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart / (double)frequency.QuadPart;
}

// A Wine process is a Linux process with its resident sizes in its status file, in kB. "/proc/self"
// is no use here: Wine opens files through its server, so "self" is the server. The script starts
// each side by exec from a shell that puts its own process id into VORLEN_BENCH_PID.
double StatusMegabytes(const char* field)
{
    const char* pid = std::getenv("VORLEN_BENCH_PID");
    if (pid == nullptr)
        return -1;
    std::string path = std::string("Z:\\proc\\") + pid + "\\status";
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr)
        return -1;
    char line[256];
    double kb = -1;
    bool ours = false;
    size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, file) != nullptr)
    {
        if (std::strncmp(line, "Name:", 5) == 0)
            ours = std::strstr(line, "bench_grid") != nullptr;
        if (std::strncmp(line, field, length) == 0 && line[length] == ':')
            kb = std::atof(line + length + 1);
    }
    std::fclose(file);
    return (kb < 0 || !ours) ? -1 : kb / 1024.0;
}

std::string Today()
{
    CTime now = CTime::GetCurrentTime();
    return CSqlText::Date(now.GetYear(), now.GetMonth(), now.GetDay());
}

// The first day of the range report: its last day is today.
std::string RangeStart()
{
    CTime start = CTime::GetCurrentTime() - CTimeSpan(kRangeDays - 1, 0, 0, 0);
    return CSqlText::Date(start.GetYear(), start.GetMonth(), start.GetDay());
}

void Print(const char* key, double value)
{
    std::printf("%s %.6f\n", key, value);
}

// ---- the floor ----

struct Fetched
{
    double seconds = 0;
    long rows = 0;
    unsigned long long textBytes = 0;
};

Fetched BareFetch(SQLHDBC dbc, const std::string& query)
{
    Fetched result;
    double start = Seconds();
    SQLHSTMT stmt;
    SQLAllocStmt(dbc, &stmt);
    std::string driverQuery = CDbTextCodec::ToDriver(query);
    if (!SQL_SUCCEEDED(SQLExecDirect(stmt, (SQLCHAR*)driverQuery.c_str(), SQL_NTS)))
    {
        std::fprintf(stderr, "bench_grid: the driver refused %s\n", query.c_str());
        std::exit(1);
    }
    SQLSMALLINT columns = 0;
    SQLNumResultCols(stmt, &columns);
    char buffer[1024];
    while (SQL_SUCCEEDED(SQLFetch(stmt)))
    {
        ++result.rows;
        for (SQLUSMALLINT c = 1; c <= (SQLUSMALLINT)columns; ++c)
        {
            SQLLEN indicator = 0;
            SQLGetData(stmt, c, SQL_C_CHAR, buffer, sizeof buffer, &indicator);
            if (indicator > 0)
                result.textBytes += (unsigned long long)indicator;
        }
    }
    SQLFreeStmt(stmt, SQL_DROP);
    result.seconds = Seconds() - start;
    return result;
}

int RunFetch()
{
    // The connection file's bytes as the program reads them.
    CString path = CDatabaseHolder::GetProgramDirectory() + "connect.txt";
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
    {
        std::fprintf(stderr, "bench_grid: no %s\n", (LPCTSTR)path);
        return 1;
    }
    std::string connect;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        connect.append(chunk, got);
    std::fclose(file);

    SQLHENV env;
    SQLHDBC dbc;
    SQLAllocEnv(&env);
    SQLAllocConnect(env, &dbc);
    std::string driverConnect = CDbTextCodec::ToDriver(connect);
    SQLSMALLINT outLength = 0;
    if (!SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, (SQLCHAR*)driverConnect.c_str(), SQL_NTS,
                                        nullptr, 0, &outLength, SQL_DRIVER_NOPROMPT)))
    {
        std::fprintf(stderr, "bench_grid: cannot connect with %s\n", connect.c_str());
        return 1;
    }
    double baseline = StatusMegabytes("VmRSS");

    std::string today = Today();
    for (const char* round : {"first", "again"})
    {
        std::string prefix = std::string(round) + "_";
        Fetched list = BareFetch(dbc, CReportSql::TodaySales(today).sql);
        Print((prefix + "today_s").c_str(), list.seconds);
        Print((prefix + "today_rows").c_str(), (double)list.rows);
        Fetched day = BareFetch(dbc, CReportSql::SalesReport(today, today).sql);
        Fetched summary = BareFetch(dbc, CReportSql::SalesSummary(today, today).sql);
        Print((prefix + "day_s").c_str(), day.seconds + summary.seconds);
        Print((prefix + "day_rows").c_str(), (double)day.rows);
        Fetched range = BareFetch(dbc, CReportSql::SalesReport(RangeStart(), today).sql);
        Fetched rangeSummary = BareFetch(dbc, CReportSql::SalesSummary(RangeStart(), today).sql);
        Print((prefix + "range_s").c_str(), range.seconds + rangeSummary.seconds);
        Print((prefix + "range_rows").c_str(), (double)range.rows);
        Fetched stock = BareFetch(dbc, CReportSql::StockList().sql);
        Print((prefix + "stock_s").c_str(), stock.seconds);
        Print((prefix + "stock_rows").c_str(), (double)stock.rows);
    }

    Fetched big = BareFetch(dbc, kBigQuery);
    Print("load_s", big.seconds);
    Print("rows", (double)big.rows);
    Print("driver_text_mb", (double)big.textBytes / (1024.0 * 1024.0));
    Print("peak_mb", StatusMegabytes("VmHWM") - baseline);

    SQLDisconnect(dbc);
    SQLFreeConnect(dbc);
    SQLFreeEnv(env);
    return 0;
}

// ---- the program's way ----

void ClickColumn(CWnd& parent, CEditGrid& grid, int column)
{
    NMLISTVIEW nm = {};
    nm.hdr.hwndFrom = grid.m_hWnd;
    nm.hdr.idFrom = IDC_EDIT_GRID;
    nm.hdr.code = LVN_COLUMNCLICK;
    nm.iItem = -1;
    nm.iSubItem = column;
    parent.SendMessage(WM_NOTIFY, IDC_EDIT_GRID, (LPARAM)&nm);
}

template <class Command>
double Timed(CEditGrid& grid, Command command)
{
    double start = Seconds();
    command();
    grid.UpdateWindow();
    return Seconds() - start;
}

int RunGrid()
{
    CString error;
    if (!g_databaseHolder.Connect(error))
    {
        std::fprintf(stderr, "bench_grid: %s\n", (LPCTSTR)error);
        return 1;
    }
    // The main window and the view's grid, as the program has them before its first command.
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                    1200, 900, nullptr, nullptr);
    CEditGrid grid;
    grid.CreateAndLoad(g_databaseHolder.GetDatabase(), "销", "select * from 销 WHERE 1<0", &parent,
                       CRect(0, 0, 1180, 860), TRUE, TRUE);
    grid.SetOptions(TRUE, FALSE, FALSE, FALSE);
    grid.UpdateWindow();
    double baseline = StatusMegabytes("VmRSS");

    std::string today = Today();
    for (const char* round : {"first", "again"})
    {
        std::string prefix = std::string(round) + "_";
        Print((prefix + "today_s").c_str(),
              Timed(grid, [&] { CReportCommands::TodaySales(grid); }));
        Print((prefix + "today_rows").c_str(), grid.GetItemCount());
        Print((prefix + "day_s").c_str(), Timed(grid, [&] {
                  CReportCommands::SalesReport(grid, CReportSql::Day, today.c_str(), today.c_str());
              }));
        Print((prefix + "day_rows").c_str(), grid.GetItemCount());
        Print((prefix + "range_s").c_str(), Timed(grid, [&] {
                  CReportCommands::SalesReport(grid, CReportSql::Month, RangeStart().c_str(),
                                               today.c_str());
              }));
        Print((prefix + "range_rows").c_str(), grid.GetItemCount());
        Print((prefix + "stock_s").c_str(), Timed(grid, [&] { CReportCommands::StockList(grid); }));
        Print((prefix + "stock_rows").c_str(), grid.GetItemCount());
    }

    Print("load_s", Timed(grid, [&] { grid.SetQuery("销", kBigQuery); }));
    Print("rows", grid.GetItemCount());
    // The text the grid holds, in the code page it shows: what the memory is measured against.
    Print("text_mb", (double)grid.GetRows().GetTextBytes() / (1024.0 * 1024.0));
    Print("numeric_sort_s", Timed(grid, [&] { ClickColumn(parent, grid, 8); })); // amount received
    Print("peak_mb", StatusMegabytes("VmHWM") - baseline);

    // Texts that differ only after a long shared prefix, sorted by a click on their header.
    if (!grid.SetQuery(kNamesTable, kNamesQuery))
        return 1;
    Print("text_rows", grid.GetItemCount());
    Print("text_sort_s", Timed(grid, [&] { ClickColumn(parent, grid, 0); }));

    // A million rows of such names (each ten times, told apart by a random and a copy number
    // at their ends) and random numbers, sorted as a header click sorts them.
    const CGridRows& names = grid.GetRows();
    CGridRows million;
    million.Reset(2);
    std::vector<std::string> texts(2);
    unsigned int seed = 12345;
    for (int copy = 0; copy < 10; ++copy)
        for (int row = 0; row < names.GetRowCount(); ++row)
        {
            seed = seed * 1103515245u + 12345u;
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, "%04X%d", (seed >> 16) & 0xFFFF, copy);
            texts[0] = std::string(names.GetText(row, 0)) + suffix;
            texts[1] = std::to_string(seed % 100000);
            million.AppendRow(texts);
        }
    Print("million_rows", million.GetRowCount());
    double start = Seconds();
    million.Sort(1, true, true);
    Print("million_numeric_sort_s", Seconds() - start);
    start = Seconds();
    million.Sort(0, false, false);
    Print("million_text_sort_s", Seconds() - start);

    grid.DestroyWindow();
    parent.DestroyWindow();
    return 0;
}
}

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "fetch") == 0)
        return RunFetch();
    if (argc == 2 && std::strcmp(argv[1], "grid") == 0)
        return RunGrid();
    std::fprintf(stderr, "usage: bench_grid fetch|grid (with connect.txt beside bench_grid.exe)\n");
    return 2;
}
