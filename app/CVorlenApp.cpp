#include "app/CVorlenApp.h"
#include "app/CAboutDialog.h"
#include "app/CDatabaseHolder.h"
#include "app/CLoginDialog.h"
#include "app/CMainFrame.h"
#include "app/CMessageDialog.h"
#include "app/CSplashDialog.h"
#include "app/CVorlenDoc.h"
#include "app/CVorlenView.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CVorlenApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
    ON_COMMAND(ID_FILE_PRINT_SETUP, CWinApp::OnFilePrintSetup)
    ON_COMMAND(ID_APP_EXIT, CWinApp::OnAppExit)
END_MESSAGE_MAP()

const char* const CVorlenApp::kRegistryKey = "TavoP AppWizard-Generated Applications";
const char* const CVorlenApp::kVersionText = "版本 1.1 BUILD 20031125   ";

static const int kSplashMilliseconds = 1300;
static const UINT kRecentFiles = 4;

CVorlenApp::CVorlenApp() : CWinApp(nullptr), CTavoPWorkspace(TRUE)
{}

CVorlenApp::~CVorlenApp()
{}

BOOL CVorlenApp::InitInstance()
{
    {
        CSplashDialog splash;
        splash.SetDisplayTime(kSplashMilliseconds);
        splash.SetVersionText(kVersionText);
        // The library's fonts and brushes take a noticeable moment to make: the splash shows
        // for its full time anyway, and the main window appears that much sooner after the login.
        splash.SetWhileShowing([] { GetGlobalData(); });
        splash.DoModal();
    }

    // Nothing may reach the registry before the profile is loaded below: a start that ends
    // here leaves no trace.
    CString strError;
    if (!g_databaseHolder.Connect(strError))
    {
        CMessageDialog message;
        message.SetMessage(strError);
        message.DoModal();
        return FALSE;
    }

    {
        CLoginDialog login;
        if (login.DoModal() != IDOK)
            return FALSE;
    }

    AfxEnableControlContainer();
    Enable3dControlsStatic();

    SetRegistryKey(kRegistryKey);
    LoadStdProfileSettings(kRecentFiles);
    SetRegistryBase("Settings");

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVorlenDoc),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CVorlenView)));

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    m_pMainWnd->ShowWindow(SW_SHOWMAXIMIZED);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CVorlenApp::ExitInstance()
{
    CleanUpGlobals();
    return CWinApp::ExitInstance();
}

void CVorlenApp::OnAppAbout()
{
    CAboutDialog about;
    about.DoModal();
}
