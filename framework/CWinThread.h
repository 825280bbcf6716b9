// The user-interface thread: its main window, message loop, idle processing and message pre-translation.
#pragma once
#include "framework/CCmdTarget.h"

class CWnd;
class CException;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWnd* m_pMainWnd;
    CWnd* m_pActiveWnd;
    BOOL m_bAutoDelete;
    HANDLE m_hThread;
    DWORD m_nThreadID;
    MSG m_msgCur;

    CWinThread();
    virtual ~CWinThread();

    virtual CWnd* GetMainWnd();
    virtual BOOL InitInstance();
    // The message loop: runs OnIdle while the queue is empty, ends with ExitInstance's code at WM_QUIT.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // lCount 0 updates the command UI of every frame; 1 frees temporary handle objects.
    // TRUE asks for more idle time.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    // Reports an exception that a window procedure caught; the result is the message's result.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    static LRESULT PASCAL DefaultProcessWndProcException(CException* e, const MSG* pMsg);
};

CWinThread* AFXAPI AfxGetThread();
// Gives the thread (and with it the main window) the first look at a queued message.
BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
// FALSE for messages that must not restart idle processing (repeated mouse moves, paints, caret blinks).
BOOL AFXAPI AfxIsIdleMessage(MSG* pMsg);
