#include "config/CConfiguratorApp.h"
#include "config/CConnectDialog.h"
#include <commctrl.h>

BEGIN_MESSAGE_MAP(CConfiguratorApp, CWinApp)
END_MESSAGE_MAP()

CConfiguratorApp theApp;

CConfiguratorApp::CConfiguratorApp()
{}

BOOL CConfiguratorApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);

    CWinApp::InitInstance();
    AfxEnableControlContainer();

    CConnectDialog dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The dialog was the program: no message loop follows it.
    return FALSE;
}
