// The application object: start-up and exit, the profile in the registry, document templates, help and message boxes.
#pragma once
#include "framework/CWinThread.h"
#include "framework/CString.h"
#include <vector>

class CDocTemplate;
class CDocument;
class CCommandLineInfo;
class CRecentFileList;
class CPrintDialog;

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    virtual ~CWinApp();

    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCTSTR m_pszAppName;      // title of message boxes and the profile name under the registry key
    LPCTSTR m_pszExeName;      // program file name without extension
    LPCTSTR m_pszHelpFilePath; // program path with the extension HLP
    // The INI file name, or the application name once a registry key is set.
    LPCTSTR m_pszProfileName;
    // Company key under HKEY_CURRENT_USER\Software, or null for an INI file.
    LPCTSTR m_pszRegistryKey;
    CRecentFileList* m_pRecentFileList;
    UINT m_nNumPreviewPages;

    // Sets m_hInstance, the command line and the names derived from the program file.
    void SetCurrentHandles(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow);

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;
    int Run() override;
    BOOL OnIdle(LONG lCount) override;
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // ---- registry and profile ----
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    // A null entry deletes the section, a null value deletes the entry.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is allocated with new[] and owned by the caller.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);
    // Reads the recent-file list (nMaxMRU entries, none when 0) and the preview page count.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);

    // ---- documents ----
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    // Asks every document whether it may close; FALSE when one refuses.
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);

    // ---- standard commands ----
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppExit();
    void OnHelp();

    void Enable3dControls() {}
    void Enable3dControlsStatic() {}
    void AfxEnableControlContainer() {}

protected:
    std::vector<CDocTemplate*> m_templates;
    CCommandLineInfo* m_pCmdInfo;
    CString m_strAppName;
    CString m_strExeName;
    CString m_strHelpFilePath;
    CString m_strProfileName;
    CString m_strRegistryKey;

    DECLARE_MESSAGE_MAP()
};

CWinApp* AFXAPI AfxGetApp();
CWnd* AFXAPI AfxGetMainWnd();
HINSTANCE AFXAPI AfxGetInstanceHandle();
LPCTSTR AFXAPI AfxGetAppName();
// Message box owned by the active top-level window, captioned with the application name.
int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
// The framework's program entry: initialises the application object and runs it.
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
void AFXAPI AfxEnableControlContainer();
