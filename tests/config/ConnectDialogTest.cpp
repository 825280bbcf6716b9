// pelmar's dialog with its real windows: what it shows at start, the configure button with the data-source
// chooser, the file it writes, and the program itself started in a folder of the test's choosing.
#include "config/CConnectDialog.h"
#include "app/CDatabaseHolder.h"
#include "framework/CDataSourceDialog.h"
#include "framework/CTestSeams.h"
#include "res/pelmarIds.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UnwritableFolder.h"
#include "tests/support/UserDataSources.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include <string>

namespace {
const char kCaption[] = "pelmar";

std::string Status(HWND dlg)
{
    return ModalScript::ItemText(dlg, IDC_STATUS);
}

class ConnectDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetCurrentDirectoryA(MAX_PATH, m_previousDirectory);
        m_folder = m_db.Folder();
        m_file = m_folder + "connect.txt";
        SetCurrentDirectoryA(m_folder.c_str());
        CTestSeams::Engage();
        CTestSeams::Clear();
    }
    void TearDown() override
    {
        CTestSeams::Release();
        SetCurrentDirectoryA(m_previousDirectory);
        DeleteFileA(m_file.c_str());
    }

    // Runs the dialog to its end with the script's steps; the script must close it.
    void Run(ModalScript& script)
    {
        CConnectDialog dlg;
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_TRUE(script.Finished()) << script.Failure();
    }

    // Clicks the configure button, lets chooserSteps answer the chooser, and returns the status shown afterwards.
    std::string Configure(const std::function<void(ModalScript&)>& chooserSteps)
    {
        std::string status;
        ModalScript script;
        script.When(kCaption, [](HWND dlg) { ModalScript::Click(dlg, IDC_CONFIGURE); });
        chooserSteps(script);
        script.When(kCaption, [&](HWND dlg) {
            status = Status(dlg);
            ModalScript::Click(dlg, IDCANCEL);
        });
        Run(script);
        return status;
    }

    // In the chooser: the SQLite 3 driver and the test's database file, then OK.
    void ChooseTheTestDatabase(ModalScript& script)
    {
        script.When(CDataSourceDialog::GetCaption(), [this](HWND chooser) {
            // The chooser belongs to pelmar's dialog, which waits for it.
            HWND owner = GetWindow(chooser, GW_OWNER);
            EXPECT_EQ(kCaption, ModalScript::Text(owner));
            EXPECT_FALSE(IsWindowEnabled(owner));
            ModalScript::Click(chooser, CDataSourceDialog::IDC_DRIVER_RADIO);
            SendDlgItemMessageA(chooser, CDataSourceDialog::IDC_DRIVER_COMBO, CB_SELECTSTRING,
                                (WPARAM)-1, (LPARAM) "SQLite3");
            SetDlgItemTextA(chooser, CDataSourceDialog::IDC_FILE_EDIT, m_db.Path().c_str());
            ModalScript::Click(chooser, IDOK);
        });
    }

    TestDatabase m_db;
    std::string m_folder;
    std::string m_file;
    char m_previousDirectory[MAX_PATH] = {};
};
}

TEST_F(ConnectDialog, ShowsTheConnectionFileByteForByteOrThatThereIsNone)
{
    const std::string contents[] = {"", "DSN=药房;UID=管理员;PWD=a&b"};
    for (const std::string& content : contents)
    {
        if (!content.empty())
        {
            ASSERT_TRUE(TestFiles::Write(m_file, content));
        }
        ModalScript script;
        script.When(kCaption, [&](HWND dlg) {
            EXPECT_EQ(content.empty() ? std::string("尚未配置数据连接") : content, Status(dlg));
            ModalScript::Click(dlg, IDCANCEL);
        });
        Run(script);
    }
}

TEST_F(ConnectDialog, HasTheProgramIconAndTheAboutItemInTheSystemMenu)
{
    ModalScript script;
    script.When(kCaption, [](HWND dlg) {
        HICON icon = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_MAINFRAME));
        ASSERT_NE(nullptr, icon);
        EXPECT_EQ(icon, (HICON)SendMessageA(dlg, WM_GETICON, ICON_BIG, 0));
        EXPECT_EQ(icon, (HICON)SendMessageA(dlg, WM_GETICON, ICON_SMALL, 0));
        EXPECT_EQ((LRESULT)icon, SendMessageA(dlg, WM_QUERYDRAGICON, 0, 0));

        HMENU menu = GetSystemMenu(dlg, FALSE);
        int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        EXPECT_EQ((UINT)IDM_ABOUTBOX, GetMenuItemID(menu, count - 1));
        char text[64] = {};
        GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ("关于 pelmar(&A)...", text);
        EXPECT_EQ((UINT)MF_SEPARATOR, GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
        // The low four bits of a system command are the system's own.
        PostMessageA(dlg, WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0);
    });
    script.When("关于 pelmar", [](HWND about) {
        EXPECT_NE(nullptr, FindWindowExA(about, NULL, "Static", "pelmar 1.0 版"));
        ModalScript::Click(about, IDOK);
    });
    script.When(kCaption, [](HWND dlg) { ModalScript::Click(dlg, IDCANCEL); });
    Run(script);
}

TEST_F(ConnectDialog, WritesTheChosenConnectStringWithoutPrefixAndTheHolderConnectsWithIt)
{
    std::string expectedStart =
        "DRIVER=SQLite3;Database=" + TestDatabase::DriverPath(m_db.Path()) + ";";
    std::string status = Configure([this](ModalScript& script) { ChooseTheTestDatabase(script); });

    std::string written = TestFiles::Read(m_file);
    EXPECT_EQ(0u, written.find(expectedStart)) << written;
    EXPECT_EQ("已经完成连接配置:" + written, status);
    EXPECT_EQ(std::string::npos, written.find("ODBC;"));
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());

    // vorlen reads the file from its program folder: this test's own, here.
    std::string programFile =
        std::string((LPCTSTR)CDatabaseHolder::GetProgramDirectory()) + "connect.txt";
    ASSERT_TRUE(TestFiles::Write(programFile, written));
    CDatabaseHolder holder;
    CString error;
    EXPECT_TRUE(holder.Connect(error)) << (LPCTSTR)error;
    DeleteFileA(programFile.c_str());
}

TEST_F(ConnectDialog, CancelledOrRefusedConfigurationLeavesTheFileUntouched)
{
    UserDataSources sources;
    ASSERT_TRUE(sources.IsAvailable()) << "ODBCINI names no file";
    std::string broken = TestDatabase::DriverPath(m_db.Path());
    broken = broken.substr(0, broken.find_last_of('/') + 1) + "missing/x.db";
    sources.Add("Vorlen Broken", broken, "NoCreat=1");
    ASSERT_TRUE(TestFiles::Write(m_file, "DSN=old"));

    std::string status = Configure([](ModalScript& script) {
        script.When(CDataSourceDialog::GetCaption(), [](HWND chooser) {
            HWND list = GetDlgItem(chooser, CDataSourceDialog::IDC_DSN_LIST);
            SendMessageA(
                list, LB_SETCURSEL,
                (WPARAM)SendMessageA(list, LB_FINDSTRING, (WPARAM)-1, (LPARAM) "Vorlen Broken"), 0);
            ModalScript::Click(chooser, CDataSourceDialog::IDC_DSN_RADIO);
            ModalScript::Click(chooser, IDOK);
        });
        // The refusal is reported and the chooser stays for another try, which the user gives up.
        script.When(CDataSourceDialog::GetCaption(), [](HWND chooser) {
            EXPECT_EQ(1u, CTestSeams::MessageBoxes().size());
            ModalScript::Click(chooser, IDCANCEL);
        });
    });

    EXPECT_EQ("配置尚未完成...", status);
    EXPECT_EQ("DSN=old", TestFiles::Read(m_file));
    ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
    EXPECT_NE(-1, CTestSeams::MessageBoxes()[0].strText.Find("connect failed"))
        << (LPCTSTR)CTestSeams::MessageBoxes()[0].strText;
}

TEST_F(ConnectDialog, UnwritableFolderReportsTheErrorAndKeepsTheOldFile)
{
    ASSERT_TRUE(TestFiles::Write(m_file, "DSN=old"));
    UnwritableFolder locked(m_folder);
    if (!locked.IsUnwritable())
        GTEST_SKIP() << "no way to make a folder unwritable here";

    std::string status = Configure([this](ModalScript& script) { ChooseTheTestDatabase(script); });

    EXPECT_EQ("创建文件错误", status);
    EXPECT_EQ("DSN=old", TestFiles::Read(m_file));
}
