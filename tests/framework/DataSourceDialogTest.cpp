// The data-source chooser that a prompting connect shows where the driver manager has none (unixODBC under Wine).
#include "framework/CDataSourceDialog.h"
#include "framework/CDatabase.h"
#include "framework/CDBException.h"
#include "framework/CRecordset.h"
#include "framework/CTestSeams.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UserDataSources.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>

namespace {
std::vector<std::string> g_reports;

int AFXAPI RecordReport(LPCTSTR lpszText, UINT, UINT)
{
    g_reports.push_back(lpszText);
    return IDOK;
}

class DataSourceChooser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (CDatabase::DriverManagerHasDialog())
            GTEST_SKIP() << "the driver manager shows its own dialog here";
        ASSERT_TRUE(m_sources.IsAvailable()) << "ODBCINI names no file";
        m_sources.Add("Vorlen Chooser", TestDatabase::DriverPath(m_db.Path()));
        m_sources.Add("Vorlen Broken", BrokenPath(), "NoCreat=1");
        g_reports.clear();
        m_previousReport = AfxSetExceptionReportProc(&RecordReport);
        m_reporting = true;
    }
    void TearDown() override
    {
        if (m_reporting)
            AfxSetExceptionReportProc(m_previousReport);
    }

    // A database in a folder that does not exist, which NoCreat=1 keeps the driver from making.
    std::string BrokenPath()
    {
        std::string path = TestDatabase::DriverPath(m_db.Path());
        return path.substr(0, path.find_last_of('/') + 1) + "missing/x.db";
    }

    // Selects the list entry of a data source, as a click on it would.
    static void PickSource(HWND hDlg, const char* name)
    {
        HWND list = GetDlgItem(hDlg, CDataSourceDialog::IDC_DSN_LIST);
        LRESULT index = SendMessageA(list, LB_FINDSTRING, (WPARAM)-1, (LPARAM)name);
        ASSERT_GE(index, 0) << name;
        SendMessageA(list, LB_SETCURSEL, (WPARAM)index, 0);
        PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(CDataSourceDialog::IDC_DSN_LIST, LBN_SELCHANGE),
                     (LPARAM)list);
    }

    // Chooses a driver and names a database file.
    static void PickFile(HWND hDlg, const char* driver, const std::string& file)
    {
        ModalScript::Click(hDlg, CDataSourceDialog::IDC_DRIVER_RADIO);
        HWND combo = GetDlgItem(hDlg, CDataSourceDialog::IDC_DRIVER_COMBO);
        ASSERT_GE(SendMessageA(combo, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)driver), 0) << driver;
        SetDlgItemTextA(hDlg, CDataSourceDialog::IDC_FILE_EDIT, file.c_str());
    }

    // Opens a second connection with the completed string, without any dialog, and reads the schema's table.
    static void ExpectConnectsAgain(const CString& connect)
    {
        CDatabase again;
        ASSERT_TRUE(again.OpenEx(connect, CDatabase::noOdbcDialog)) << (LPCTSTR)connect;
        CRecordset rs(&again);
        rs.Open(CRecordset::forwardOnly, "SELECT COUNT(*) FROM 操作员");
        EXPECT_FALSE(rs.IsEOF());
    }

    TestDatabase m_db;
    UserDataSources m_sources;
    AFX_EXCEPTION_REPORT_PROC m_previousReport = nullptr;
    bool m_reporting = false;
};
}

TEST(DataSourceDialog, PutsTheDriverBackIntoACompletedStringThatLostIt)
{
    struct
    {
        const char* completed;
        const char* driver;
        const char* expected;
    } cases[] = {
        // What the SQLite driver completes a connection by driver name with.
        {"DSN=;Database=/d/a.db;Timeout=;PWD=", "SQLite3",
         "DRIVER=SQLite3;Database=/d/a.db;Timeout=;PWD="},
        {"Database=/d/a.db;DSN=", "SQLite3", "DRIVER=SQLite3;Database=/d/a.db;"},
        {"DSN=;Database=/d/a.db", "My Driver {2}", "DRIVER={My Driver {2}};Database=/d/a.db"},
        // Strings that still name their source or driver stay as the driver manager gave them.
        {"DSN=药房;Database=/d/a.db", "SQLite3", "DSN=药房;Database=/d/a.db"},
        {"DRIVER={SQLite3};Database=/d/a.db;DSN=", "SQLite3",
         "DRIVER={SQLite3};Database=/d/a.db;DSN="},
        {"DSN=;PWD={a;b}", "SQLite3", "DRIVER=SQLite3;PWD={a;b}"},
    };
    for (auto& c : cases)
        EXPECT_STREQ(c.expected, CDataSourceDialog::KeepDriver(c.completed, c.driver))
            << c.completed;

    EXPECT_STREQ("DRIVER=SQLite3;Database={/d/a;b.db};Timeout=5",
                 CDataSourceDialog::MakeDriverConnect("SQLite3", "/d/a;b.db", "Timeout=5"));
}

TEST_F(DataSourceChooser, ListsTheDataSourcesAndDriversOfTheDriverManager)
{
    auto has = [](const std::vector<CDataSourceDialog::Entry>& entries, const char* name) {
        for (auto& e : entries)
            if (e.strName == name)
                return true;
        return false;
    };
    auto sources = CDataSourceDialog::GetDataSources();
    EXPECT_TRUE(has(sources, "Vorlen Chooser"));
    EXPECT_TRUE(has(sources, "Vorlen Broken"));
    EXPECT_TRUE(has(CDataSourceDialog::GetDrivers(), "SQLite3"));
}

TEST_F(DataSourceChooser, ConnectsToTheChosenDataSource)
{
    ModalScript script;
    script.When(CDataSourceDialog::GetCaption(), [](HWND dlg) {
        EXPECT_EQ(BST_CHECKED, (int)IsDlgButtonChecked(dlg, CDataSourceDialog::IDC_DSN_RADIO));
        PickSource(dlg, "Vorlen Chooser");
        ModalScript::Click(dlg, IDOK);
    });
    CDatabase db;
    ASSERT_TRUE(db.OpenEx(NULL, CDatabase::forceOdbcDialog));
    EXPECT_TRUE(script.Finished()) << script.Failure();
    EXPECT_TRUE(db.IsOpen());
    CString connect = db.GetConnect();
    EXPECT_EQ(0, connect.Find("ODBC;DSN=Vorlen Chooser;")) << (LPCTSTR)connect;
    EXPECT_TRUE(g_reports.empty());
    ExpectConnectsAgain(connect);
}

TEST_F(DataSourceChooser, ConnectsThroughADriverToANamedFileAndHandsBackAStringThatConnectsAgain)
{
    ModalScript script;
    script.When(CDataSourceDialog::GetCaption(), [&](HWND dlg) {
        // The file named through the browse button's file dialog.
        PickFile(dlg, "SQLite3", "");
        CTestSeams::QueueFileDialogAnswer(m_db.Path().c_str());
        ModalScript::Click(dlg, CDataSourceDialog::IDC_BROWSE);
        ModalScript::Click(dlg, IDOK);
    });
    CTestSeams::Engage();
    CDatabase db;
    BOOL opened = db.OpenEx(NULL, CDatabase::forceOdbcDialog);
    CTestSeams::Release();
    ASSERT_TRUE(opened);
    EXPECT_TRUE(script.Finished()) << script.Failure();
    CString connect = db.GetConnect();
    std::string start =
        "ODBC;DRIVER=SQLite3;Database=" + TestDatabase::DriverPath(m_db.Path()) + ";";
    EXPECT_STREQ(start.c_str(), connect.Left((int)start.size())) << (LPCTSTR)connect;
    EXPECT_TRUE(g_reports.empty());
    ExpectConnectsAgain(connect);
}

TEST_F(DataSourceChooser, StartsFromTheCallersStringAndKeepsItsFurtherKeywords)
{
    ModalScript script;
    script.When(CDataSourceDialog::GetCaption(), [&](HWND dlg) {
        EXPECT_EQ(BST_CHECKED, (int)IsDlgButtonChecked(dlg, CDataSourceDialog::IDC_DRIVER_RADIO));
        EXPECT_EQ(m_db.Path(), ModalScript::ItemText(dlg, CDataSourceDialog::IDC_FILE_EDIT));
        EXPECT_EQ("SQLite3", ModalScript::ItemText(dlg, CDataSourceDialog::IDC_DRIVER_COMBO));
        ModalScript::Click(dlg, IDOK);
    });
    CDatabase db;
    std::string given = "ODBC;DRIVER={SQLite3};Database=" + m_db.Path() + ";Timeout=4321";
    ASSERT_TRUE(db.OpenEx(given.c_str(), CDatabase::forceOdbcDialog));
    EXPECT_TRUE(script.Finished()) << script.Failure();
    EXPECT_GE(db.GetConnect().Find("Timeout=4321"), 0) << (LPCTSTR)db.GetConnect();
}

TEST_F(DataSourceChooser, ReportsARefusalAndStaysOpenForAnotherChoice)
{
    std::string missing = m_db.Folder() + "nosuch.db";
    ModalScript script;
    script.When(CDataSourceDialog::GetCaption(), [](HWND dlg) {
        PickSource(dlg, "Vorlen Broken");
        ModalScript::Click(dlg, IDOK);
    });
    // A file that does not exist is refused before the driver can make an empty database of it.
    script.When(CDataSourceDialog::GetCaption(), [&](HWND dlg) {
        EXPECT_EQ(1u, g_reports.size());
        PickFile(dlg, "SQLite3", missing);
        ModalScript::Click(dlg, IDOK);
    });
    script.When(CDataSourceDialog::GetCaption(), [](HWND dlg) {
        EXPECT_EQ(2u, g_reports.size());
        PickSource(dlg, "Vorlen Chooser");
        ModalScript::Click(dlg, IDOK);
    });
    CDatabase db;
    ASSERT_TRUE(db.OpenEx(NULL, CDatabase::forceOdbcDialog));
    EXPECT_TRUE(script.Finished()) << script.Failure();
    EXPECT_GE(db.GetConnect().Find("DSN=Vorlen Chooser"), 0);
    ASSERT_EQ(2u, g_reports.size());
    EXPECT_NE(std::string::npos, g_reports[0].find("connect failed")) << g_reports[0];
    EXPECT_NE(std::string::npos, g_reports[1].find(missing)) << g_reports[1];
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(missing.c_str()));
}

TEST_F(DataSourceChooser, CancelConnectsNothingAndGivesAnEmptyConnectString)
{
    for (int id : {(int)IDCANCEL, (int)CDataSourceDialog::IDC_DSN_LIST})
    {
        ModalScript script;
        script.When(CDataSourceDialog::GetCaption(), [id](HWND dlg) {
            if (id == IDCANCEL)
            {
                ModalScript::Click(dlg, IDCANCEL);
            }
            else
            {
                // Choose something first, then close the window instead.
                PickSource(dlg, "Vorlen Chooser");
                PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
        });
        CDatabase db;
        EXPECT_FALSE(db.OpenEx(NULL, CDatabase::forceOdbcDialog));
        EXPECT_TRUE(script.Finished()) << script.Failure();
        EXPECT_FALSE(db.IsOpen());
        EXPECT_TRUE(db.GetConnect().IsEmpty());
    }
    EXPECT_TRUE(g_reports.empty());
}
