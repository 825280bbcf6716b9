#include "ui/controls/CTavoPMenuButton.h"

BEGIN_MESSAGE_MAP(CTavoPMenuButton, CTavoPButton)
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPMenuButton, CTavoPButton)

CTavoPMenuButton::CTavoPMenuButton() : m_hMenu(nullptr), m_nMenuResult(0), m_bMenuIsActive(FALSE)
{}

CTavoPMenuButton::~CTavoPMenuButton()
{}

void CTavoPMenuButton::OnShowMenu()
{
    if (m_hMenu == nullptr || m_bMenuIsActive)
        return;

    CRect rectWindow;
    GetWindowRect(rectWindow);
    m_bMenuIsActive = TRUE;
    m_bPushed = TRUE;
    RedrawNow();
    m_nMenuResult = (int)::TrackPopupMenu(
        m_hMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTBUTTON,
        rectWindow.left, rectWindow.bottom, 0, m_hWnd, nullptr);
    m_bMenuIsActive = FALSE;
    m_bPushed = m_bHighlighted = FALSE;
    ReleaseMouse();
    if (GetSafeHwnd() == nullptr)
        return;
    RedrawNow();
    if (m_nMenuResult != 0)
        SendCommandToParent();
}

void CTavoPMenuButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE || nChar == VK_DOWN)
    {
        OnShowMenu();
        return;
    }
    Default();
}

void CTavoPMenuButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    OnShowMenu();
}

void CTavoPMenuButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bMenuIsActive)
    {
        Default();
        ReleaseMouse();
        m_bPushed = FALSE;
        return;
    }
    CTavoPButton::OnLButtonUp(nFlags, point);
}

void CTavoPMenuButton::OnKillFocus(CWnd* pNewWnd)
{
    if (m_bMenuIsActive)
    {
        Default();
        ReleaseMouse();
        m_bPushed = m_bHighlighted = FALSE;
        return;
    }
    CTavoPButton::OnKillFocus(pNewWnd);
}

UINT CTavoPMenuButton::OnGetDlgCode()
{
    // Space and Down open the menu instead of moving between the dialog's controls.
    return DLGC_WANTARROWS;
}
