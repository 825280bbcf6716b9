#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/CFrameWnd.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CCommandLineInfo.h"
#include "framework/CRecentFileList.h"
#include "framework/CFileDialog.h"
#include "framework/CPrintDialog.h"
#include "framework/CTestSeams.h"
#include "framework/CException.h"
#include "framework/AfxConstants.h"
#include <stdlib.h>

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

CWinApp* g_pApp;

int AFXAPI ReportThroughMessageBox(LPCTSTR lpszText, UINT nType, UINT nHelpContext)
{
    return AfxMessageBox(lpszText, nType, nHelpContext);
}

// Exceptions reported by the core go through the application's message box (and the test seam).
struct InstallExceptionReport
{
    InstallExceptionReport() { AfxSetExceptionReportProc(&ReportThroughMessageBox); }
} g_installExceptionReport;

} // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_hInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(nullptr),
      m_pszExeName(nullptr), m_pszHelpFilePath(nullptr), m_pszProfileName(nullptr),
      m_pszRegistryKey(nullptr), m_pRecentFileList(nullptr), m_nNumPreviewPages(0),
      m_pCmdInfo(nullptr)
{
    if (lpszAppName != nullptr)
    {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    g_pApp = this;
    AfxSetExceptionReportProc(&ReportThroughMessageBox);
}

CWinApp::~CWinApp()
{
    for (CDocTemplate* pTemplate : m_templates)
        delete pTemplate;
    m_templates.clear();
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (g_pApp == this)
        g_pApp = nullptr;
}

void CWinApp::SetCurrentHandles(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    m_hInstance = hInstance;
    m_lpCmdLine = lpCmdLine;
    m_nCmdShow = nCmdShow;

    char szPath[MAX_PATH + 1] = {};
    ::GetModuleFileName(hInstance, szPath, MAX_PATH);
    CString strPath(szPath);
    // The help file sits beside the program under its name with the extension HLP.
    int nDot = strPath.ReverseFind('.');
    int nSlash = strPath.ReverseFind('\\');
    CString strBase = nDot > nSlash ? strPath.Left(nDot) : strPath;
    m_strHelpFilePath = strBase + ".HLP";
    m_pszHelpFilePath = m_strHelpFilePath;
    m_strExeName = strBase.Mid(nSlash + 1);
    m_pszExeName = m_strExeName;

    if (m_pszAppName == nullptr)
    {
        CString strTitle;
        if (strTitle.LoadString(AFX_IDS_APP_TITLE) && !strTitle.IsEmpty())
            m_strAppName = strTitle;
        else
            m_strAppName = m_strExeName;
        m_pszAppName = m_strAppName;
    }
    if (m_pszProfileName == nullptr)
    {
        m_strProfileName = m_strExeName + ".INI";
        m_pszProfileName = m_strProfileName;
    }
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    if (m_pRecentFileList != nullptr)
        SaveStdProfileSettings();
    return (int)m_msgCur.wParam;
}

int CWinApp::Run()
{
    if (m_pMainWnd == nullptr)
        ::PostQuitMessage(0); // nothing to run for
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    return CWinThread::OnIdle(lCount);
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    HWND hWndOwner = ::GetActiveWindow();
    if (hWndOwner == nullptr && m_pMainWnd != nullptr)
        hWndOwner = m_pMainWnd->GetSafeHwnd();
    if (hWndOwner != nullptr)
    {
        HWND hWndTop;
        while ((hWndTop = ::GetParent(hWndOwner)) != nullptr &&
               (::GetWindowLong(hWndOwner, GWL_STYLE) & WS_CHILD))
            hWndOwner = hWndTop;
    }
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL: nType |= MB_ICONEXCLAMATION; break;
        case MB_YESNO:
        case MB_YESNOCANCEL: nType |= MB_ICONQUESTION; break;
        case MB_ABORTRETRYIGNORE:
        case MB_RETRYCANCEL: break;
        }
    }
    return CTestSeams::MessageBox(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr)
        pMainWnd->WinHelp(dwData, nCmd);
    else
        CTestSeams::WinHelp(nullptr, m_pszHelpFilePath, nCmd, dwData);
}

BOOL CWinApp::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CWinThread::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- registry and profile ----

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    // Under a registry key the profile is named after the application.
    m_strProfileName = m_pszAppName != nullptr ? m_pszAppName : "";
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    HKEY hSoftKey = nullptr;
    HKEY hCompanyKey = nullptr;
    HKEY hAppKey = nullptr;
    DWORD dw;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) ==
        ERROR_SUCCESS)
    {
        if (::RegCreateKeyEx(hSoftKey, m_pszRegistryKey, 0, REG_NONE, REG_OPTION_NON_VOLATILE,
                             KEY_WRITE | KEY_READ, nullptr, &hCompanyKey, &dw) == ERROR_SUCCESS)
        {
            ::RegCreateKeyEx(hCompanyKey, m_pszProfileName, 0, REG_NONE, REG_OPTION_NON_VOLATILE,
                             KEY_WRITE | KEY_READ, nullptr, &hAppKey, &dw);
        }
    }
    if (hSoftKey != nullptr)
        ::RegCloseKey(hSoftKey);
    if (hCompanyKey != nullptr)
        ::RegCloseKey(hCompanyKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == nullptr)
        return nullptr;
    HKEY hSectionKey = nullptr;
    DWORD dw;
    ::RegCreateKeyEx(hAppKey, lpszSection, 0, REG_NONE, REG_OPTION_NON_VOLATILE,
                     KEY_WRITE | KEY_READ, nullptr, &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey != nullptr)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == nullptr)
            return (UINT)nDefault;
        DWORD dwValue = 0;
        DWORD dwType = 0;
        DWORD dwCount = sizeof(DWORD);
        LONG lResult =
            ::RegQueryValueEx(hSecKey, lpszEntry, nullptr, &dwType, (LPBYTE)&dwValue, &dwCount);
        ::RegCloseKey(hSecKey);
        if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
            return (UINT)dwValue;
        return (UINT)nDefault;
    }
    return ::GetPrivateProfileInt(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey != nullptr)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == nullptr)
            return FALSE;
        DWORD dwValue = (DWORD)nValue;
        LONG lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue,
                                       sizeof(dwValue));
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    CString strValue;
    strValue.Format("%d", nValue);
    return ::WritePrivateProfileString(lpszSection, lpszEntry, strValue, m_pszProfileName);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (lpszDefault == nullptr)
        lpszDefault = "";
    if (m_pszRegistryKey != nullptr)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == nullptr)
            return lpszDefault;
        CString strValue;
        DWORD dwType = 0;
        DWORD dwCount = 0;
        LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount);
        if (lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ))
        {
            std::vector<char> buffer(dwCount + 1, '\0');
            lResult = ::RegQueryValueEx(hSecKey, lpszEntry, nullptr, &dwType, (LPBYTE)buffer.data(),
                                        &dwCount);
            strValue = buffer.data();
        }
        ::RegCloseKey(hSecKey);
        if (lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ))
            return strValue;
        return lpszDefault;
    }
    char szValue[4096];
    ::GetPrivateProfileString(lpszSection, lpszEntry, lpszDefault, szValue, sizeof(szValue),
                              m_pszProfileName);
    return szValue;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey != nullptr)
    {
        LONG lResult;
        if (lpszEntry == nullptr)
        {
            HKEY hAppKey = GetAppRegistryKey();
            if (hAppKey == nullptr)
                return FALSE;
            lResult = ::RegDeleteKey(hAppKey, lpszSection);
            ::RegCloseKey(hAppKey);
            return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
        }
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == nullptr)
            return FALSE;
        if (lpszValue == nullptr)
            lResult = ::RegDeleteValue(hSecKey, lpszEntry);
        else
            lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                      (DWORD)(lstrlen(lpszValue) + 1));
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    return ::WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    if (m_pszRegistryKey == nullptr)
        return FALSE;
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return FALSE;
    DWORD dwType = 0;
    DWORD dwCount = 0;
    LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount);
    if (lResult == ERROR_SUCCESS && dwType == REG_BINARY)
    {
        *ppData = new BYTE[dwCount > 0 ? dwCount : 1];
        lResult = ::RegQueryValueEx(hSecKey, lpszEntry, nullptr, &dwType, *ppData, &dwCount);
        if (lResult == ERROR_SUCCESS)
            *pBytes = dwCount;
        else
        {
            delete[] * ppData;
            *ppData = nullptr;
        }
    }
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS && dwType == REG_BINARY;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == nullptr)
        return FALSE;
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr)
        return FALSE;
    LONG lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU != 0)
    {
        delete m_pRecentFileList;
        m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", (int)nMaxMRU);
        m_pRecentFileList->ReadList();
    }
    m_nNumPreviewPages = GetProfileInt("Settings", "PreviewPages", 0);
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
    if (m_nNumPreviewPages != 0)
        WriteProfileInt("Settings", "PreviewPages", (int)m_nNumPreviewPages);
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

// ---- documents ----

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate == nullptr)
        return;
    m_templates.push_back(pTemplate);
    pTemplate->LoadTemplate();
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_templates.empty() ? nullptr : (POSITION)(INT_PTR)1;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    INT_PTR nIndex = (INT_PTR)pos - 1;
    if (nIndex < 0 || nIndex >= (INT_PTR)m_templates.size())
    {
        pos = nullptr;
        return nullptr;
    }
    pos = nIndex + 1 < (INT_PTR)m_templates.size() ? (POSITION)(nIndex + 2) : nullptr;
    return m_templates[(size_t)nIndex];
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    if (m_templates.empty())
        return nullptr;
    CDocument* pDoc = m_templates.front()->OpenDocumentFile(lpszFileName);
    if (pDoc != nullptr && lpszFileName != nullptr)
        AddToRecentFileList(lpszFileName);
    return pDoc;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; i++)
    {
        LPCTSTR pszParam = __argv[i];
        BOOL bFlag = FALSE;
        BOOL bLast = (i + 1 == __argc);
        if (pszParam[0] == '-' || pszParam[0] == '/')
        {
            bFlag = TRUE;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, bLast);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    m_pCmdInfo = &rCmdInfo;
    BOOL bResult = TRUE;
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, 0, nullptr, nullptr))
            OnFileNew();
        if (m_pMainWnd == nullptr)
            bResult = FALSE;
        break;
    case CCommandLineInfo::FileOpen:
        if (OpenDocumentFile(rCmdInfo.m_strFileName) == nullptr)
            bResult = FALSE;
        break;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        if (OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr && m_pMainWnd != nullptr)
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        bResult = FALSE; // printing from the command line ends the program
        break;
    case CCommandLineInfo::FileDDE: m_nCmdShow = SW_HIDE; break;
    case CCommandLineInfo::AppUnregister: bResult = FALSE; break;
    case CCommandLineInfo::FileNothing: break;
    }
    m_pCmdInfo = nullptr;
    return bResult;
}

BOOL CWinApp::SaveAllModified()
{
    for (CDocTemplate* pTemplate : m_templates)
    {
        if (!pTemplate->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (CDocTemplate* pTemplate : m_templates)
        pTemplate->CloseAllDocuments(bEndSession);
}

// ---- standard commands ----

void CWinApp::OnFileNew()
{
    if (m_templates.empty())
    {
        AfxMessageBox("无法创建空文档。", MB_ICONSTOP);
        return;
    }
    m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CFileDialog dlgFile(TRUE);
    if (dlgFile.DoModal() != IDOK)
        return;
    OpenDocumentFile(dlgFile.GetPathName());
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog pd(TRUE);
    pd.DoModal();
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnHelp()
{
    WinHelp(0, HELP_FINDER);
}

// ---- global access ----

CWinApp* AFXAPI AfxGetApp()
{
    return g_pApp;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    if (g_pApp != nullptr && g_pApp->m_hInstance != nullptr)
        return g_pApp->m_hInstance;
    return ::GetModuleHandle(nullptr);
}

LPCTSTR AFXAPI AfxGetAppName()
{
    if (g_pApp != nullptr && g_pApp->m_pszAppName != nullptr)
        return g_pApp->m_pszAppName;
    return "";
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (g_pApp != nullptr)
        return g_pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return CTestSeams::MessageBox(::GetActiveWindow(), lpszText, nullptr, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    if (nIDHelp == (UINT)-1)
        nIDHelp = nIDPrompt;
    return AfxMessageBox(strPrompt, nType, nIDHelp);
}

void AFXAPI AfxEnableControlContainer()
{}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    AfxInitCommonControls(ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES |
                          ICC_COOL_CLASSES);
    pApp->SetCurrentHandles(hInstance, lpCmdLine, nCmdShow);

    int nReturnCode = -1;
    try
    {
        if (!pApp->InitApplication())
            return -1;
        if (!pApp->InitInstance())
        {
            if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->GetSafeHwnd() != nullptr)
                pApp->m_pMainWnd->DestroyWindow();
            return pApp->ExitInstance();
        }
        nReturnCode = pApp->Run();
    }
    catch (CException* e)
    {
        e->ReportError(MB_ICONSTOP);
        e->Delete();
    }
    return nReturnCode;
}

// The program entry lives beside the application class so that every program built on it gets it.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
