#include "ui/commandbars/CTavoPToolbarComboEditCtrl.h"
#include "ui/commandbars/CTavoPToolbarComboBoxButton.h"

CTavoPToolbarComboEditCtrl::CTavoPToolbarComboEditCtrl(CTavoPToolbarComboBoxButton& button)
    : m_button(button)
{}

BOOL CTavoPToolbarComboEditCtrl::PreTranslateMessage(MSG* pMsg)
{
    CComboBox* pCombo = m_button.m_pWndCombo;
    if (pMsg->message != WM_KEYDOWN || pCombo == NULL || pCombo->GetSafeHwnd() == NULL)
        return CTavoPToolbarHostedEdit::PreTranslateMessage(pMsg);

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
    case VK_TAB: FocusNextTabItem(); return TRUE;
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
    return CTavoPToolbarHostedEdit::PreTranslateMessage(pMsg);
}

void CTavoPToolbarComboEditCtrl::SetButtonHot(BOOL bHot)
{
    m_button.SetHot(bHot);
}

void CTavoPToolbarComboEditCtrl::OnFocusChanged(BOOL bFocus)
{
    m_button.NotifyCommand(bFocus ? CBN_SETFOCUS : CBN_KILLFOCUS);
}
