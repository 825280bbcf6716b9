#include "framework/CDialogBar.h"
#include "framework/CFrameWnd.h"

BEGIN_MESSAGE_MAP(CDialogBar, CDialog)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CDialogBar, CDialog)

CDialogBar::CDialogBar() : m_sizeDefault(0, 0), m_nStyle(0)
{}

CDialogBar::~CDialogBar()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
{
    m_nStyle = nStyle;
    if (!CDialog::Create(nIDTemplate, pParentWnd))
        return FALSE;
    // The template decides the child style; a bar made from a pop-up template is refused.
    if ((GetStyle() & WS_CHILD) == 0)
    {
        DestroyWindow();
        return FALSE;
    }
    ::SetWindowLongPtr(m_hWnd, GWLP_ID, (LONG_PTR)nID);
    CRect rect;
    GetWindowRect(rect);
    m_sizeDefault = rect.Size();
    return TRUE;
}

BOOL CDialogBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        return CDialog::OnCommand(wParam, lParam);
    pOwner->SendMessage(WM_COMMAND, wParam, lParam);
    return TRUE;
}

void CDialogBar::OnOK()
{}

void CDialogBar::OnCancel()
{}

LRESULT CDialogBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    if ((GetStyle() & WS_VISIBLE) == 0 || (m_nStyle & CBRS_ALIGN_TOP) == 0)
        return 0;
    const int nHeight = m_sizeDefault.cy;
    const CRect rect(pLayout->rect.left, pLayout->rect.top, pLayout->rect.right,
                     pLayout->rect.top + nHeight);
    pLayout->rect.top += nHeight;
    pLayout->sizeTotal.cy += nHeight;
    if (rect.Width() > pLayout->sizeTotal.cx)
        pLayout->sizeTotal.cx = rect.Width();
    if (pLayout->hDWP != nullptr)
        pLayout->hDWP =
            ::DeferWindowPos(pLayout->hDWP, m_hWnd, nullptr, rect.left, rect.top, rect.Width(),
                             rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CDialogBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    CWnd* pOwner = GetOwner();
    if (pOwner != nullptr && (GetStyle() & WS_VISIBLE))
        UpdateDialogControls(pOwner, (BOOL)wParam);
    return 0;
}
