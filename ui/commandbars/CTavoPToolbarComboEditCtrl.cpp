#include "ui/commandbars/CTavoPToolbarComboEditCtrl.h"
#include "ui/commandbars/CTavoPToolbarComboBoxButton.h"

BEGIN_MESSAGE_MAP(CTavoPToolbarComboEditCtrl, CEdit)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CTavoPToolbarComboEditCtrl::CTavoPToolbarComboEditCtrl(CTavoPToolbarComboBoxButton& button)
    : m_button(button), m_bTracked(FALSE)
{}

BOOL CTavoPToolbarComboEditCtrl::PreTranslateMessage(MSG* pMsg)
{
    CComboBox* pCombo = m_button.m_pWndCombo;
    if (pMsg->message != WM_KEYDOWN || pCombo == NULL || pCombo->GetSafeHwnd() == NULL)
        return CEdit::PreTranslateMessage(pMsg);

    const UINT nKey = (UINT)pMsg->wParam;
    const BOOL bPlain =
        (::GetKeyState(VK_MENU) & 0x8000) == 0 && (::GetKeyState(VK_CONTROL) & 0x8000) == 0;
    const BOOL bDropped = pCombo->GetDroppedState();

    if (bPlain)
    {
        const BOOL bListKey = nKey == VK_PRIOR || nKey == VK_NEXT || nKey == VK_END ||
                              nKey == VK_HOME || nKey == VK_UP || nKey == VK_DOWN;
        if ((bListKey && bDropped) || nKey == VK_RETURN)
        {
            SetFocus();
            if (bDropped)
                pCombo->SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
            else
            {
                CWnd* pTarget = pCombo->GetOwner();
                if (pTarget == NULL)
                    pTarget = pCombo->GetParent();
                if (pTarget != NULL)
                {
                    GetWindowText(m_button.m_strEdit);
                    pTarget->PostMessage(WM_COMMAND, m_button.m_nID, (LPARAM)pCombo->GetSafeHwnd());
                }
            }
            return TRUE;
        }
    }

    switch (nKey)
    {
    case VK_TAB:
        if (CWnd* pParent = GetParent())
            if (CWnd* pNext = pParent->GetNextDlgTabItem(this, FALSE))
                pNext->SetFocus();
        return TRUE;
    case VK_ESCAPE:
        pCombo->ShowDropDown(FALSE);
        if (CWnd* pFrame = GetTopLevelFrame())
            pFrame->SetFocus();
        return TRUE;
    case VK_UP:
    case VK_DOWN:
        if (bPlain && !bDropped)
        {
            pCombo->ShowDropDown(TRUE);
            if (CWnd* pParent = pCombo->GetParent())
                pParent->InvalidateRect(m_button.Rect(), TRUE);
            return TRUE;
        }
        break;
    default: break;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CTavoPToolbarComboEditCtrl::OnSetFocus(CWnd* /*pOldWnd*/)
{
    Default();
    m_button.SetHot(TRUE);
    m_button.NotifyCommand(CBN_SETFOCUS);
}

void CTavoPToolbarComboEditCtrl::OnKillFocus(CWnd* /*pNewWnd*/)
{
    Default();
    m_button.SetHot(FALSE);
    m_button.NotifyCommand(CBN_KILLFOCUS);
}

void CTavoPToolbarComboEditCtrl::OnMouseMove(UINT /*nFlags*/, CPoint /*point*/)
{
    Default();
    m_button.SetHot(TRUE);
    if (!m_bTracked)
    {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, GetSafeHwnd(), 0};
        m_bTracked = ::TrackMouseEvent(&tme);
    }
}

LRESULT CTavoPToolbarComboEditCtrl::OnMouseLeave(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    m_bTracked = FALSE;
    if (::GetFocus() != GetSafeHwnd())
        m_button.SetHot(FALSE);
    return Default();
}
