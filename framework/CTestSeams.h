// Seams through which tests answer message boxes, file and font dialogs and record beeps, shell launches and help calls instead of running them.
#pragma once
#include "framework/CString.h"
#include <shellapi.h>
#include <vector>

class CTestSeams
{
public:
    struct MessageBoxCall
    {
        CString strText;
        CString strCaption;
        UINT nType;
        int nAnswer;
    };
    struct ShellCall
    {
        CString strVerb;
        CString strFile;
        CString strParameters;
        CString strDirectory;
        int nShowCmd;
    };
    struct HelpCall
    {
        CString strHelpFile;
        UINT nCmd;
        DWORD_PTR dwData;
    };

    // From Engage to Release nothing modal is shown and nothing is launched: the calls are recorded.
    static void Engage();
    static void Release();
    static bool IsEngaged();
    // Forgets every record and queued answer.
    static void Clear();

    // Answers for the next message boxes, in order; without one a box takes its default button.
    static void QueueMessageBoxAnswer(int nAnswer);
    // Answers for the next file dialogs: a path chosen with OK, or cancel.
    static void QueueFileDialogAnswer(LPCTSTR lpszPath);
    static void QueueFileDialogCancel();
    // Answers for the next font dialogs: a font chosen with OK, or cancel.
    static void QueueFontDialogAnswer(const LOGFONT& font);
    static void QueueFontDialogCancel();
    // Results for the next shell launches, in order (below 32 is a failure such as 2, file not
    // found); without one a launch reports it started.
    static void QueueShellResult(INT_PTR nResult);
    // Whether a printer exists while engaged (none by default, as on this machine). The fake
    // printer is a memory DC: its pages measure what the screen measures.
    static void SetFakePrinter(bool bPresent);
    // While engaged: printing goes to the system's real printer and its print dialog, while
    // message boxes and the rest stay recorded.
    static void UseRealPrinter(bool bReal);
    // The local time the clock answers while engaged; without one it answers the real time.
    static void SetFakeLocalTime(const SYSTEMTIME& time);

    static const std::vector<MessageBoxCall>& MessageBoxes();
    static const std::vector<UINT>& Beeps();
    static const std::vector<ShellCall>& ShellLaunches();
    static const std::vector<HelpCall>& HelpCalls();

    // ---- what the framework and the library call in place of the Win32 functions ----
    static int MessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType);
    static BOOL MessageBeep(UINT uType);
    static HINSTANCE ShellExecute(HWND hWnd, LPCTSTR lpszVerb, LPCTSTR lpszFile,
                                  LPCTSTR lpszParameters, LPCTSTR lpszDirectory, int nShowCmd);
    static BOOL WinHelp(HWND hWndMain, LPCTSTR lpszHelp, UINT uCommand, DWORD_PTR dwData);
    // While engaged: takes the next file-dialog answer (TRUE with a path, FALSE for cancel, and
    // cancel when none is queued). Returns FALSE in *pbHandled when the real dialog must run.
    static BOOL TakeFileDialogAnswer(CString& strPath, BOOL* pbHandled);
    // The same for font dialogs.
    static BOOL TakeFontDialogAnswer(LOGFONT& font, BOOL* pbHandled);
    // While engaged: a DC of the fake printer, or null without one. Returns FALSE in *pbHandled
    // when the real printer must be asked.
    static HDC CreatePrinterDC(BOOL* pbHandled);
    // The local time: the fake one while engaged and set, else the system's.
    static void GetLocalTime(SYSTEMTIME* pTime);
};

// Shorthands for the library's code.
inline BOOL AfxMessageBeep(UINT uType = MB_OK)
{
    return CTestSeams::MessageBeep(uType);
}

inline HINSTANCE AfxShellExecute(HWND hWnd, LPCTSTR lpszVerb, LPCTSTR lpszFile,
                                 LPCTSTR lpszParameters = nullptr, LPCTSTR lpszDirectory = nullptr,
                                 int nShowCmd = SW_SHOWNORMAL)
{
    return CTestSeams::ShellExecute(hWnd, lpszVerb, lpszFile, lpszParameters, lpszDirectory,
                                    nShowCmd);
}
