#include "framework/CTestSeams.h"
#include <shellapi.h>
#include <deque>

namespace {

struct SeamState
{
    bool bEngaged = false;
    bool bFakePrinter = false;
    bool bRealPrinter = false;
    bool bFakeTime = false;
    SYSTEMTIME fakeTime = {};
    std::deque<int> messageBoxAnswers;
    std::deque<std::pair<bool, CString>> fileDialogAnswers;
    std::deque<std::pair<bool, LOGFONT>> fontDialogAnswers;
    std::vector<CTestSeams::MessageBoxCall> messageBoxes;
    std::vector<UINT> beeps;
    std::vector<CTestSeams::ShellCall> shellLaunches;
    std::deque<INT_PTR> shellResults;
    std::vector<CTestSeams::HelpCall> helpCalls;
};

SeamState& State()
{
    static SeamState state;
    return state;
}

// The button a box of this type answers with when the user just presses Enter.
int DefaultAnswer(UINT nType)
{
    static const int buttons[][3] = {
        {IDOK, 0, 0},                 // MB_OK
        {IDOK, IDCANCEL, 0},          // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE}, // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},      // MB_YESNOCANCEL
        {IDYES, IDNO, 0},             // MB_YESNO
        {IDRETRY, IDCANCEL, 0},       // MB_RETRYCANCEL
    };
    UINT nKind = nType & MB_TYPEMASK;
    if (nKind >= sizeof(buttons) / sizeof(buttons[0]))
        return IDOK;
    UINT nDefault = (nType & MB_DEFMASK) >> 8;
    if (nDefault > 2 || buttons[nKind][nDefault] == 0)
        nDefault = 0;
    return buttons[nKind][nDefault];
}

} // namespace

void CTestSeams::Engage()
{
    Clear();
    State().bEngaged = true;
}

void CTestSeams::Release()
{
    Clear();
    State().bEngaged = false;
}

bool CTestSeams::IsEngaged()
{
    return State().bEngaged;
}

void CTestSeams::Clear()
{
    SeamState& s = State();
    s.messageBoxAnswers.clear();
    s.fileDialogAnswers.clear();
    s.fontDialogAnswers.clear();
    s.messageBoxes.clear();
    s.beeps.clear();
    s.shellLaunches.clear();
    s.shellResults.clear();
    s.helpCalls.clear();
    s.bFakePrinter = false;
    s.bRealPrinter = false;
    s.bFakeTime = false;
}

void CTestSeams::QueueShellResult(INT_PTR nResult)
{
    State().shellResults.push_back(nResult);
}

void CTestSeams::QueueMessageBoxAnswer(int nAnswer)
{
    State().messageBoxAnswers.push_back(nAnswer);
}

void CTestSeams::QueueFileDialogAnswer(LPCTSTR lpszPath)
{
    State().fileDialogAnswers.emplace_back(true, CString(lpszPath));
}

void CTestSeams::QueueFileDialogCancel()
{
    State().fileDialogAnswers.emplace_back(false, CString());
}

void CTestSeams::QueueFontDialogAnswer(const LOGFONT& font)
{
    State().fontDialogAnswers.emplace_back(true, font);
}

void CTestSeams::QueueFontDialogCancel()
{
    State().fontDialogAnswers.emplace_back(false, LOGFONT());
}

const std::vector<CTestSeams::MessageBoxCall>& CTestSeams::MessageBoxes()
{
    return State().messageBoxes;
}
const std::vector<UINT>& CTestSeams::Beeps()
{
    return State().beeps;
}
const std::vector<CTestSeams::ShellCall>& CTestSeams::ShellLaunches()
{
    return State().shellLaunches;
}
const std::vector<CTestSeams::HelpCall>& CTestSeams::HelpCalls()
{
    return State().helpCalls;
}

int CTestSeams::MessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    SeamState& s = State();
    if (!s.bEngaged)
        return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
    int nAnswer = DefaultAnswer(nType);
    if (!s.messageBoxAnswers.empty())
    {
        nAnswer = s.messageBoxAnswers.front();
        s.messageBoxAnswers.pop_front();
    }
    MessageBoxCall call;
    call.strText = lpszText != nullptr ? lpszText : "";
    call.strCaption = lpszCaption != nullptr ? lpszCaption : "";
    call.nType = nType;
    call.nAnswer = nAnswer;
    s.messageBoxes.push_back(call);
    return nAnswer;
}

BOOL CTestSeams::MessageBeep(UINT uType)
{
    SeamState& s = State();
    if (!s.bEngaged)
        return ::MessageBeep(uType);
    s.beeps.push_back(uType);
    return TRUE;
}

HINSTANCE CTestSeams::ShellExecute(HWND hWnd, LPCTSTR lpszVerb, LPCTSTR lpszFile,
                                   LPCTSTR lpszParameters, LPCTSTR lpszDirectory, int nShowCmd)
{
    SeamState& s = State();
    if (!s.bEngaged)
        return ::ShellExecuteA(hWnd, lpszVerb, lpszFile, lpszParameters, lpszDirectory, nShowCmd);
    ShellCall call;
    call.strVerb = lpszVerb != nullptr ? lpszVerb : "";
    call.strFile = lpszFile != nullptr ? lpszFile : "";
    call.strParameters = lpszParameters != nullptr ? lpszParameters : "";
    call.strDirectory = lpszDirectory != nullptr ? lpszDirectory : "";
    call.nShowCmd = nShowCmd;
    s.shellLaunches.push_back(call);
    INT_PTR nResult = 33; // above 32: the shell's "started"
    if (!s.shellResults.empty())
    {
        nResult = s.shellResults.front();
        s.shellResults.pop_front();
    }
    return (HINSTANCE)nResult;
}

BOOL CTestSeams::WinHelp(HWND hWndMain, LPCTSTR lpszHelp, UINT uCommand, DWORD_PTR dwData)
{
    SeamState& s = State();
    if (!s.bEngaged)
        return ::WinHelpA(hWndMain, lpszHelp, uCommand, dwData);
    HelpCall call;
    call.strHelpFile = lpszHelp != nullptr ? lpszHelp : "";
    call.nCmd = uCommand;
    call.dwData = dwData;
    s.helpCalls.push_back(call);
    return TRUE;
}

BOOL CTestSeams::TakeFileDialogAnswer(CString& strPath, BOOL* pbHandled)
{
    SeamState& s = State();
    *pbHandled = s.bEngaged ? TRUE : FALSE;
    if (!s.bEngaged || s.fileDialogAnswers.empty())
        return FALSE;
    std::pair<bool, CString> answer = s.fileDialogAnswers.front();
    s.fileDialogAnswers.pop_front();
    strPath = answer.second;
    return answer.first ? TRUE : FALSE;
}

BOOL CTestSeams::TakeFontDialogAnswer(LOGFONT& font, BOOL* pbHandled)
{
    SeamState& s = State();
    *pbHandled = s.bEngaged ? TRUE : FALSE;
    if (!s.bEngaged || s.fontDialogAnswers.empty())
        return FALSE;
    std::pair<bool, LOGFONT> answer = s.fontDialogAnswers.front();
    s.fontDialogAnswers.pop_front();
    font = answer.second;
    return answer.first ? TRUE : FALSE;
}

void CTestSeams::SetFakePrinter(bool bPresent)
{
    State().bFakePrinter = bPresent;
}

void CTestSeams::UseRealPrinter(bool bReal)
{
    State().bRealPrinter = bReal;
}

HDC CTestSeams::CreatePrinterDC(BOOL* pbHandled)
{
    SeamState& s = State();
    *pbHandled = s.bEngaged && !s.bRealPrinter;
    if (!s.bEngaged || !s.bFakePrinter)
        return nullptr;
    return ::CreateCompatibleDC(nullptr);
}

void CTestSeams::SetFakeLocalTime(const SYSTEMTIME& time)
{
    State().fakeTime = time;
    State().bFakeTime = true;
}

void CTestSeams::GetLocalTime(SYSTEMTIME* pTime)
{
    const SeamState& s = State();
    if (s.bEngaged && s.bFakeTime)
        *pTime = s.fakeTime;
    else
        ::GetLocalTime(pTime);
}
