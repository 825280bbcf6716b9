// The application object: names derived from the program, the profile in the real registry,
// the recent-file list, command-line parsing and the seams that stand in for boxes, beeps,
// shell launches, help and file dialogs.
#include "tests/framework/WinTestApp.h"
#include "tests/support/RegistryTestKey.h"
#include <gtest/gtest.h>

namespace {

const char kCompany[] = "VorlenFrameworkTest";

class ApplicationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTestSeams::Engage();
        TestApp();
    }
    void TearDown() override
    {
        TestApp().m_pszRegistryKey = nullptr; // back to the INI profile of a fresh application
        CTestSeams::Release();
    }

    RegistryTestKey scratch{(std::string("Software\\") + kCompany).c_str()};
};

} // namespace

TEST_F(ApplicationTest, NamesComeFromTheProgramFile)
{
    CWinApp& app = TestApp();
    EXPECT_STREQ("framework_win_tests", app.m_pszExeName);
    EXPECT_STREQ("framework_win_tests", app.m_pszAppName); // no title resource
    CString strHelp(app.m_pszHelpFilePath);
    EXPECT_STREQ("\\framework_win_tests.HLP", strHelp.Mid(strHelp.ReverseFind('\\')));
    EXPECT_EQ(&app, AfxGetApp());
    EXPECT_EQ(::GetModuleHandle(nullptr), AfxGetInstanceHandle());
}

TEST_F(ApplicationTest, ProfileLivesUnderTheRegistryKeyAndApplicationName)
{
    CWinApp& app = TestApp();
    app.SetRegistryKey(kCompany);
    EXPECT_STREQ(app.m_pszAppName, app.m_pszProfileName);

    EXPECT_TRUE(app.WriteProfileInt("Settings", "Number", -5));
    EXPECT_TRUE(app.WriteProfileString("Settings", "Text", "药品"));
    BYTE blob[] = {1, 0, 2, 0xFF};
    EXPECT_TRUE(app.WriteProfileBinary("Settings", "Blob", blob, sizeof(blob)));

    EXPECT_EQ((UINT)-5, app.GetProfileInt("Settings", "Number", 9));
    EXPECT_STREQ("药品", app.GetProfileString("Settings", "Text"));
    EXPECT_EQ(9u, app.GetProfileInt("Settings", "Missing", 9));
    EXPECT_STREQ("dflt", app.GetProfileString("Settings", "Missing", "dflt"));
    EXPECT_EQ(9u, app.GetProfileInt("Settings", "Text", 9)); // a text is no number
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(app.GetProfileBinary("Settings", "Blob", &pData, &nBytes));
    ASSERT_EQ(sizeof(blob), nBytes);
    EXPECT_EQ(0, memcmp(blob, pData, nBytes));
    delete[] pData;

    // The values are where other programs look for them.
    HKEY hKey = nullptr;
    CString strPath;
    strPath.Format("Software\\%s\\%s\\Settings", kCompany, app.m_pszAppName);
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyEx(HKEY_CURRENT_USER, strPath, 0, KEY_READ, &hKey));
    DWORD dwValue = 0, dwType = 0, dwSize = sizeof(dwValue);
    EXPECT_EQ(ERROR_SUCCESS,
              ::RegQueryValueEx(hKey, "Number", nullptr, &dwType, (LPBYTE)&dwValue, &dwSize));
    EXPECT_EQ((DWORD)REG_DWORD, dwType);
    ::RegCloseKey(hKey);

    EXPECT_TRUE(app.WriteProfileString("Settings", "Text", nullptr));
    EXPECT_STREQ("gone", app.GetProfileString("Settings", "Text", "gone"));
    EXPECT_TRUE(app.WriteProfileString("Settings", nullptr, nullptr));
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyEx(HKEY_CURRENT_USER, strPath, 0, KEY_READ, &hKey));
}

TEST_F(ApplicationTest, RecentFileListIsReadMovedAndWrittenBack)
{
    CWinApp& app = TestApp();
    app.SetRegistryKey(kCompany);
    app.WriteProfileString("Recent File List", "File1", "C:\\a.txt");
    app.WriteProfileString("Recent File List", "File2", "C:\\b.txt");
    app.LoadStdProfileSettings(4);
    ASSERT_NE(nullptr, app.m_pRecentFileList);
    EXPECT_EQ(4, app.m_pRecentFileList->GetSize());
    EXPECT_STREQ("C:\\b.txt", (*app.m_pRecentFileList)[1]);

    app.AddToRecentFileList("c:\\B.TXT"); // the same file in other letters moves up
    app.AddToRecentFileList("C:\\c.txt");
    app.SaveStdProfileSettings();
    EXPECT_STREQ("C:\\c.txt", app.GetProfileString("Recent File List", "File1"));
    EXPECT_STREQ("c:\\B.TXT", app.GetProfileString("Recent File List", "File2"));
    EXPECT_STREQ("C:\\a.txt", app.GetProfileString("Recent File List", "File3"));
    EXPECT_STREQ("", app.GetProfileString("Recent File List", "File4"));
    delete app.m_pRecentFileList;
    app.m_pRecentFileList = nullptr;
}

TEST_F(ApplicationTest, CommandLineChoosesTheShellCommand)
{
    struct Case
    {
        std::vector<std::pair<const char*, bool>> args; // text, is a flag
        int nCommand;
        const char* file;
    } cases[] = {
        {{}, CCommandLineInfo::FileNew, ""},
        {{{"报表.htm", false}}, CCommandLineInfo::FileOpen, "报表.htm"},
        {{{"p", true}, {"x.doc", false}}, CCommandLineInfo::FilePrint, "x.doc"},
        {{{"Unregserver", true}}, CCommandLineInfo::AppUnregister, ""},
    };
    for (const Case& c : cases)
    {
        CCommandLineInfo info;
        for (size_t i = 0; i < c.args.size(); i++)
            info.ParseParam(c.args[i].first, c.args[i].second, i + 1 == c.args.size());
        EXPECT_EQ(c.nCommand, (int)info.m_nShellCommand);
        EXPECT_STREQ(c.file, info.m_strFileName);
    }
}

TEST_F(ApplicationTest, SeamsAnswerAndRecordInsteadOfShowing)
{
    CTestSeams::QueueMessageBoxAnswer(IDNO);
    EXPECT_EQ(IDNO, AfxMessageBox("删除吗？", MB_YESNO));
    // Without a queued answer the default button answers.
    EXPECT_EQ(IDNO, AfxMessageBox("再删除吗？", MB_YESNO | MB_DEFBUTTON2));
    EXPECT_EQ(IDOK, AfxMessageBox("好"));
    ASSERT_EQ(3u, CTestSeams::MessageBoxes().size());
    EXPECT_STREQ("删除吗？", CTestSeams::MessageBoxes()[0].strText);
    EXPECT_STREQ(AfxGetAppName(), CTestSeams::MessageBoxes()[0].strCaption);
    EXPECT_EQ((UINT)MB_YESNO, CTestSeams::MessageBoxes()[0].nType & MB_TYPEMASK);

    AfxMessageBeep(MB_ICONHAND);
    ASSERT_EQ(1u, CTestSeams::Beeps().size());
    EXPECT_EQ((UINT)MB_ICONHAND, CTestSeams::Beeps()[0]);

    HINSTANCE hResult = AfxShellExecute(nullptr, "open", "C:\\tools\\calc.exe");
    EXPECT_GT((INT_PTR)hResult, 32);
    ASSERT_EQ(1u, CTestSeams::ShellLaunches().size());
    EXPECT_STREQ("C:\\tools\\calc.exe", CTestSeams::ShellLaunches()[0].strFile);
    EXPECT_EQ(SW_SHOWNORMAL, CTestSeams::ShellLaunches()[0].nShowCmd);

    TestApp().WinHelp(7, HELP_CONTEXT);
    ASSERT_EQ(1u, CTestSeams::HelpCalls().size());
    EXPECT_STREQ(TestApp().m_pszHelpFilePath, CTestSeams::HelpCalls()[0].strHelpFile);
    EXPECT_EQ((DWORD_PTR)7, CTestSeams::HelpCalls()[0].dwData);

    CTestSeams::QueueFileDialogAnswer("C:\\out\\report");
    CTestSeams::QueueFileDialogCancel();
    CFileDialog save(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     "HTM Files (*.HTM)|*.HTM||");
    ASSERT_EQ(IDOK, save.DoModal());
    EXPECT_STREQ("C:\\out\\report", save.GetPathName());
    EXPECT_STREQ("report", save.GetFileName());
    EXPECT_EQ(IDCANCEL, save.DoModal());
    EXPECT_EQ(IDCANCEL, save.DoModal()); // nothing queued: cancel, never a real dialog
}
