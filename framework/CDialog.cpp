#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "framework/CException.h"
#include "framework/CMemoryException.h"
#include <string>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {

// A dialog whose template gives no position is centred over its owner.
BOOL CenterWhenUnplaced(CDialog* pDlg, LPCDLGTEMPLATE lpTemplate)
{
    if (lpTemplate == nullptr || (pDlg->GetStyle() & WS_CHILD))
        return FALSE;
    const WORD* pw = (const WORD*)lpTemplate;
    short x, y;
    if (pw[0] == 1 && pw[1] == 0xFFFF) // DLGTEMPLATEEX
    {
        const DWORD* pdw = (const DWORD*)(pw + 2);
        x = (short)((const WORD*)(pdw + 3))[1];
        y = (short)((const WORD*)(pdw + 3))[2];
    }
    else
    {
        x = lpTemplate->x;
        y = lpTemplate->y;
    }
    return x == 0 && y == 0;
}

// A static control of the template that shows a bitmap.
bool IsPicture(HWND hWnd)
{
    char szClass[16] = {};
    ::GetClassName(hWnd, szClass, sizeof(szClass));
    return lstrcmpi(szClass, "Static") == 0 &&
           (::GetWindowLong(hWnd, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

} // namespace

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
    if (pDlg == nullptr)
        return TRUE;
    // Called from inside the dialog manager: nothing may unwind through it.
    try
    {
        pDlg->NoteTemplatePictures();
        if (CenterWhenUnplaced(pDlg, pDlg->m_lpDialogTemplate))
            pDlg->CenterWindow();
        return pDlg->OnInitDialog();
    }
    catch (CException* e)
    {
        CWinThread* pThread = AfxGetThread();
        MSG msg = {};
        msg.hwnd = hWnd;
        msg.message = WM_INITDIALOG;
        if (pThread != nullptr)
            pThread->ProcessWndProcException(e, &msg);
        else
            CWinThread::DefaultProcessWndProcException(e, &msg);
        e->Delete();
    }
    catch (...)
    {
        CException* e = new CException();
        MSG msg = {};
        msg.hwnd = hWnd;
        msg.message = WM_INITDIALOG;
        CWinThread::DefaultProcessWndProcException(e, &msg);
        e->Delete();
    }
    pDlg->EndDialog(-1);
    return FALSE;
}

CDialog::CDialog()
    : m_lpszTemplateName(nullptr), m_nIDHelp(0), m_lpDialogTemplate(nullptr), m_pParentWnd(nullptr)
{}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_nIDHelp(0), m_lpDialogTemplate(nullptr),
      m_pParentWnd(pParentWnd)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_nIDHelp(nIDTemplate),
      m_lpDialogTemplate(nullptr), m_pParentWnd(pParentWnd)
{}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

LPCDLGTEMPLATE CDialog::LoadTemplate(HINSTANCE hInst) const
{
    if (m_lpszTemplateName == nullptr)
        return m_lpDialogTemplate;
    HRSRC hResource = ::FindResource(hInst, m_lpszTemplateName, RT_DIALOG);
    if (hResource == nullptr)
        return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    return hTemplate != nullptr ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : nullptr;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpszTemplateName = nullptr;
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(hInst);
    if (lpTemplate == nullptr)
        return FALSE;
    m_lpDialogTemplate = lpTemplate;
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpszTemplateName = nullptr;
    m_lpDialogTemplate = lpDialogTemplate;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetInstanceHandle());
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (m_hWnd != nullptr || lpDialogTemplate == nullptr)
        return FALSE;
    if (pParentWnd == nullptr)
        pParentWnd = m_pParentWnd;
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParam(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(),
                                            AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    if (hWnd == nullptr)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        if (m_hWnd != nullptr)
            Detach();
        return FALSE;
    }
    return TRUE;
}

HWND CDialog::PreModal()
{
    // The dialog is owned by the top-level window of its parent (or of the main window).
    HWND hWnd = m_pParentWnd->GetSafeHwnd();
    if (hWnd == nullptr)
    {
        CWnd* pMainWnd = AfxGetMainWnd();
        hWnd = pMainWnd->GetSafeHwnd();
    }
    while (hWnd != nullptr && (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (hWnd != nullptr)
        hWnd = ::GetLastActivePopup(hWnd);
    return hWnd;
}

void CDialog::PostModal()
{}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATE lpDialogTemplate = LoadTemplate(hInst);
    if (lpDialogTemplate == nullptr)
        return -1;
    m_lpDialogTemplate = lpDialogTemplate;

    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && hWndParent != ::GetDesktopWindow() &&
        ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    try
    {
        if (CreateDlgIndirect(lpDialogTemplate, CWnd::FromHandle(hWndParent), hInst))
        {
            if (m_nFlags & WF_CONTINUEMODAL)
            {
                DWORD dwFlags = MLF_SHOWONIDLE;
                if (GetStyle() & DS_NOIDLEMSG)
                    dwFlags |= MLF_NOIDLEMSG;
                RunModalLoop(dwFlags);
            }
            if (m_hWnd != nullptr)
                SetWindowPos(nullptr, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE |
                                 SWP_NOZORDER);
        }
    }
    catch (CException* e)
    {
        e->Delete();
        m_nModalResult = -1;
    }

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);

    DestroyWindow();
    PostModal();
    return m_nModalResult;
}

BOOL CDialog::OnInitDialog()
{
    if (!ExecuteDlgInit(m_lpszTemplateName))
    {
        EndDialog(-1);
        return FALSE;
    }
    if (!UpdateData(FALSE))
    {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE; // the system puts the focus on the first control
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return; // the user was told and the focus is on the bad field
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::NoteTemplatePictures()
{
    m_templatePictures.clear();
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        HGDIOBJ hImage = IsPicture(hChild)
                             ? (HGDIOBJ)::SendMessage(hChild, STM_GETIMAGE, IMAGE_BITMAP, 0)
                             : nullptr;
        if (hImage != nullptr)
            m_templatePictures.emplace_back(hChild, hImage);
    }
}

void CDialog::OnDestroy()
{
    // A picture control should free the bitmap it loaded from the template when it goes, but
    // Wine's keeps it: every closed form with a picture left its bitmap behind (30 KB for the
    // banner). Taken out of the control, the image is ours on every platform; one the program
    // has replaced was handed to the program when it did so.
    for (const auto& picture : m_templatePictures)
    {
        HWND hPicture = picture.first;
        if (::IsWindow(hPicture) &&
            (HGDIOBJ)::SendMessage(hPicture, STM_GETIMAGE, IMAGE_BITMAP, 0) == picture.second)
        {
            ::SendMessage(hPicture, STM_SETIMAGE, IMAGE_BITMAP, 0);
            ::DeleteObject(picture.second);
        }
    }
    m_templatePictures.clear();
    CWnd::OnDestroy();
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != nullptr && pWndCtrl->m_hWnd != nullptr)
        ::SendMessage(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->m_hWnd, 1L);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLong(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE))
    {
        char szClass[16] = {};
        ::GetClassName(pMsg->hwnd, szClass, sizeof(szClass));
        // A multi-line edit eats Escape; the dialog must still cancel.
        if (lstrcmpi(szClass, "Edit") == 0)
        {
            HWND hItem = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (hItem == nullptr || ::IsWindowEnabled(hItem))
            {
                SendMessage(WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            }
        }
    }
    if ((pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) &&
        (pMsg->message < WM_MOUSEFIRST || pMsg->message > WM_MOUSELAST))
        return FALSE;
    return ::IsDialogMessage(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Commands a dialog does not handle go to its owner's frame only for update requests.
    return FALSE;
}
