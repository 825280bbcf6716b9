// Benchmark: the edit grid's load and sorts of 100,000 sales rows against the bare ODBC fetch of the same query.
#include "app/CEditGrid.h"
#include "framework/CDatabase.h"
#include "framework/CDbTextCodec.h"
#include "framework/CDBException.h"
#include "framework/CWnd.h"
#include <windows.h>
#include <psapi.h>
#include <sql.h>
#include <sqlext.h>
#include <cstdio>
#include <string>

namespace {
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

// The floor of the stack: every value of every row read as text, nothing kept.
double BareFetch(const std::string& connect, const char* query, unsigned long long& textBytes,
                 long& rows)
{
    double start = Seconds();
    SQLHENV env;
    SQLHDBC dbc;
    SQLHSTMT stmt;
    SQLAllocEnv(&env);
    SQLAllocConnect(env, &dbc);
    std::string driverConnect = CDbTextCodec::ToDriver(connect);
    SQLSMALLINT outLength = 0;
    if (!SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, (SQLCHAR*)driverConnect.c_str(), SQL_NTS,
                                        nullptr, 0, &outLength, SQL_DRIVER_NOPROMPT)))
        return -1;
    SQLAllocStmt(dbc, &stmt);
    std::string driverQuery = CDbTextCodec::ToDriver(std::string(query));
    SQLExecDirect(stmt, (SQLCHAR*)driverQuery.c_str(), SQL_NTS);
    SQLSMALLINT columns = 0;
    SQLNumResultCols(stmt, &columns);
    char buffer[1024];
    textBytes = 0;
    rows = 0;
    while (SQL_SUCCEEDED(SQLFetch(stmt)))
    {
        ++rows;
        for (SQLUSMALLINT c = 1; c <= (SQLUSMALLINT)columns; ++c)
        {
            SQLLEN indicator = 0;
            SQLGetData(stmt, c, SQL_C_CHAR, buffer, sizeof buffer, &indicator);
            if (indicator > 0)
                textBytes += (unsigned long long)indicator;
        }
    }
    SQLFreeStmt(stmt, SQL_DROP);
    SQLDisconnect(dbc);
    SQLFreeConnect(dbc);
    SQLFreeEnv(env);
    return Seconds() - start;
}

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

double Megabytes(SIZE_T bytes)
{
    return (double)bytes / (1024.0 * 1024.0);
}
}

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(
            stderr,
            "usage: bench_grid <database file as the driver sees it> [more connect options]\n");
        return 2;
    }
    std::string connect =
        std::string("DRIVER=SQLite3;NoCreat=1;Database=") + argv[1] + (argc > 2 ? argv[2] : "");
    const char* query = "SELECT * FROM 销";

    PROCESS_MEMORY_COUNTERS before = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);

    unsigned long long textBytes = 0;
    long rows = 0;
    double bare = BareFetch(connect, query, textBytes, rows);
    if (bare < 0)
    {
        std::fprintf(stderr, "bench_grid: cannot open %s\n", argv[1]);
        return 1;
    }

    CDatabase db;
    try
    {
        db.OpenEx(connect.c_str(), CDatabase::noOdbcDialog);
    }
    catch (CDBException* e)
    {
        std::fprintf(stderr, "bench_grid: %s", (LPCTSTR)e->m_strError);
        e->Delete();
        return 1;
    }
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                    1200, 900, nullptr, nullptr);
    CEditGrid grid;
    double start = Seconds();
    BOOL loaded = grid.CreateAndLoad(&db, "销", query, &parent, CRect(0, 0, 1180, 860), TRUE, TRUE);
    grid.UpdateWindow();
    double load = Seconds() - start;
    if (!loaded || grid.GetItemCount() != rows)
    {
        std::fprintf(stderr, "bench_grid: the grid loaded %d of %ld rows\n", grid.GetItemCount(),
                     rows);
        return 1;
    }

    start = Seconds();
    ClickColumn(parent, grid, 8); // the amount received
    grid.UpdateWindow();
    double numericSort = Seconds() - start;
    start = Seconds();
    ClickColumn(parent, grid, 1); // the name
    grid.UpdateWindow();
    double textSort = Seconds() - start;

    PROCESS_MEMORY_COUNTERS after = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);

    std::printf("connect string       %s\n", connect.c_str());
    std::printf("rows                 %ld (%.1f MB of text)\n", rows, Megabytes((SIZE_T)textBytes));
    std::printf("bare ODBC fetch      %.3f s\n", bare);
    std::printf("grid load            %.3f s  (%.2f x bare fetch, target 3)\n", load, load / bare);
    std::printf("numeric sort         %.3f s  (%.2f x bare fetch, target 1 s)\n", numericSort,
                numericSort / bare);
    std::printf("text sort            %.3f s  (%.2f x bare fetch, target 1 s)\n", textSort,
                textSort / bare);
    std::printf("peak private memory  %.1f MB (%.1f MB at start; %.2f x text, target 4)\n",
                Megabytes(after.PeakPagefileUsage), Megabytes(before.PagefileUsage),
                (double)(after.PeakPagefileUsage - before.PagefileUsage) / (double)textBytes);
    std::printf("peak working set     %.1f MB (%.1f MB at start; %.2f x text)\n",
                Megabytes(after.PeakWorkingSetSize), Megabytes(before.WorkingSetSize),
                (double)(after.PeakWorkingSetSize - before.WorkingSetSize) / (double)textBytes);
    grid.DestroyWindow();
    parent.DestroyWindow();
    return 0;
}
