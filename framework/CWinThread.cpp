#include "framework/CWinThread.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/CFrameWnd.h"
#include "framework/CMenu.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CImageList.h"
#include "framework/CUserException.h"
#include "framework/CMemoryException.h"
#include "framework/AfxConstants.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_pActiveWnd(nullptr), m_bAutoDelete(TRUE), m_hThread(nullptr),
      m_nThreadID(0)
{
    m_msgCur = MSG();
}

CWinThread::~CWinThread() = default;

CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != nullptr)
        return m_pActiveWnd;
    return m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !::PeekMessage(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessage(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessage(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    // A message for a modeless window outside the main window still gets the main accelerators.
    if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr && pMsg->hwnd != nullptr)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd != nullptr && pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible())
        {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
            CWnd::SendMessageToDescendants(pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0,
                                           TRUE, TRUE);
        }
        // Every other frame (floating frames, second top-level frames) updates its bars too.
        CFrameWnd::UpdateAllFramesOnIdle(pMainWnd);
    }
    else if (lCount == 1)
    {
        CWnd::DeleteTempMap();
        CMenu::DeleteTempMap();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        CImageList::DeleteTempMap();
    }
    return lCount < 1;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    return AfxIsIdleMessage(pMsg);
}

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    return DefaultProcessWndProcException(e, pMsg);
}

LRESULT PASCAL CWinThread::DefaultProcessWndProcException(CException* e, const MSG* pMsg)
{
    if (pMsg->message == WM_CREATE)
        return -1; // the window is not created
    if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, nullptr); // or the paint comes back for ever
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
    {
        if (e->IsKindOf(RUNTIME_CLASS(CMemoryException)))
            AfxMessageBox("内存不足。", MB_ICONSTOP);
        else
            e->ReportError(MB_ICONSTOP);
    }
    return 0;
}

CWinThread* AFXAPI AfxGetThread()
{
    return AfxGetApp();
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->PreTranslateMessage(pMsg);
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

BOOL AFXAPI AfxIsIdleMessage(MSG* pMsg)
{
    static POINT ptCursorLast = {-1, -1};
    static UINT nMsgLast = 0;
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (pMsg->message == nMsgLast && pMsg->pt.x == ptCursorLast.x &&
            pMsg->pt.y == ptCursorLast.y)
            return FALSE;
        ptCursorLast = pMsg->pt;
        nMsgLast = pMsg->message;
        return TRUE;
    }
    // WM_PAINT and the system timer behind the caret blink come all the time.
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}
