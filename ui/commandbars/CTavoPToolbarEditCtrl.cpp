#include "ui/commandbars/CTavoPToolbarEditCtrl.h"
#include "ui/commandbars/CTavoPToolbarEditBoxButton.h"

BEGIN_MESSAGE_MAP(CTavoPToolbarEditCtrl, CEdit)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CTavoPToolbarEditCtrl::CTavoPToolbarEditCtrl(CTavoPToolbarEditBoxButton& button)
    : m_button(button), m_bTracked(FALSE)
{}

BOOL CTavoPToolbarEditCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN)
        return CEdit::PreTranslateMessage(pMsg);

    switch (pMsg->wParam)
    {
    case VK_TAB:
        if (CWnd* pParent = GetParent())
            if (CWnd* pNext = pParent->GetNextDlgTabItem(this, FALSE))
                pNext->SetFocus();
        return TRUE;
    case VK_ESCAPE:
        if (CWnd* pFrame = GetTopLevelFrame())
            pFrame->SetFocus();
        return TRUE;
    default: break;
    }

    // The frame's accelerators must not take the editing keys from the user's text.
    if (::GetFocus() == GetSafeHwnd() && (::GetKeyState(VK_CONTROL) & 0x8000) != 0)
    {
        UINT nMessage = 0;
        switch (pMsg->wParam)
        {
        case VK_DELETE: nMessage = WM_CLEAR; break;
        case 'C': nMessage = WM_COPY; break;
        case 'V': nMessage = WM_PASTE; break;
        case 'X': nMessage = WM_CUT; break;
        case 'Z': nMessage = EM_UNDO; break;
        default: break;
        }
        if (nMessage != 0)
        {
            SendMessage(nMessage);
            return TRUE;
        }
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CTavoPToolbarEditCtrl::OnSetFocus(CWnd* /*pOldWnd*/)
{
    Default();
    m_button.SetHot(TRUE);
}

void CTavoPToolbarEditCtrl::OnKillFocus(CWnd* /*pNewWnd*/)
{
    Default();
    m_button.SetHot(FALSE);
}

void CTavoPToolbarEditCtrl::OnMouseMove(UINT /*nFlags*/, CPoint /*point*/)
{
    Default();
    m_button.SetHot(TRUE);
    if (!m_bTracked)
    {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, GetSafeHwnd(), 0};
        m_bTracked = ::TrackMouseEvent(&tme);
    }
}

LRESULT CTavoPToolbarEditCtrl::OnMouseLeave(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    m_bTracked = FALSE;
    if (::GetFocus() != GetSafeHwnd())
        m_button.SetHot(FALSE);
    return Default();
}
