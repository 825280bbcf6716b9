#include "ui/controls/customize/CTavoPShortcutKeyEdit.h"

BEGIN_MESSAGE_MAP(CTavoPShortcutKeyEdit, CEdit)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPShortcutKeyEdit, CEdit)

CTavoPShortcutKeyEdit::CTavoPShortcutKeyEdit()
    : m_Helper(&m_Accel), m_bIsDefined(FALSE), m_bIsFocused(FALSE)
{
    ResetKey();
}

CTavoPShortcutKeyEdit::~CTavoPShortcutKeyEdit()
{}

void CTavoPShortcutKeyEdit::OnKillFocus(CWnd* pNewWnd)
{
    m_bIsFocused = FALSE;
    CEdit::OnKillFocus(pNewWnd);
}

void CTavoPShortcutKeyEdit::ResetKey()
{
    m_Accel.fVirt = 0;
    m_Accel.key = 0;
    m_Accel.cmd = 0;
    m_bIsDefined = FALSE;
    if (GetSafeHwnd() != nullptr)
        SetWindowText(_T(""));
}

void CTavoPShortcutKeyEdit::SetModifier(BYTE fFlag, BOOL bPressed)
{
    if (bPressed)
        m_Accel.fVirt |= fFlag;
    else
        m_Accel.fVirt &= (BYTE)~fFlag;
}

BOOL CTavoPShortcutKeyEdit::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        m_bIsFocused = TRUE;
        SetFocus();
        return TRUE;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: break;
    default: return CEdit::PreTranslateMessage(pMsg);
    }

    const BOOL bPressed = pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN;
    const UINT nKey = (UINT)pMsg->wParam;

    // A key held down repeats its press with bit 30 set: that is not a new combination.
    if (bPressed && m_bIsDefined && (pMsg->lParam & (1L << 30)) == 0)
        ResetKey();

    switch (nKey)
    {
    case VK_SHIFT:
        if (!m_bIsDefined)
            SetModifier(FSHIFT, bPressed);
        break;
    case VK_CONTROL:
        if (!m_bIsDefined)
            SetModifier(FCONTROL, bPressed);
        break;
    case VK_MENU:
        if (!m_bIsDefined)
            SetModifier(FALT, bPressed);
        break;
    default:
        if (!m_bIsDefined)
        {
            // The key that brought the focus here (the release of Tab, say) must not count.
            if (!m_bIsFocused)
            {
                m_bIsFocused = TRUE;
                return TRUE;
            }
            m_Accel.key = (WORD)nKey;
            if (bPressed)
            {
                m_bIsDefined = TRUE;
                m_Accel.fVirt |= FVIRTKEY;
            }
        }
        break;
    }

    if ((m_Accel.fVirt & (FSHIFT | FCONTROL | FALT)) == 0 && (m_Accel.fVirt & FVIRTKEY) != 0)
    {
        switch (m_Accel.key)
        {
        case VK_TAB: ResetKey(); return CEdit::PreTranslateMessage(pMsg);
        case VK_ESCAPE: ResetKey(); return TRUE;
        default: break;
        }
    }

    CString strText;
    m_Helper.Format(strText);
    SetWindowText(strText);
    return TRUE;
}
