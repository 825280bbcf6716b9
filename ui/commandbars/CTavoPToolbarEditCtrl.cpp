#include "ui/commandbars/CTavoPToolbarEditCtrl.h"
#include "ui/commandbars/CTavoPToolbarEditBoxButton.h"

CTavoPToolbarEditCtrl::CTavoPToolbarEditCtrl(CTavoPToolbarEditBoxButton& button) : m_button(button)
{}

BOOL CTavoPToolbarEditCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN)
        return CTavoPToolbarHostedEdit::PreTranslateMessage(pMsg);

    switch (pMsg->wParam)
    {
    case VK_TAB: FocusNextTabItem(); return TRUE;
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
    return CTavoPToolbarHostedEdit::PreTranslateMessage(pMsg);
}

void CTavoPToolbarEditCtrl::SetButtonHot(BOOL bHot)
{
    m_button.SetHot(bHot);
}
