#include "ui/commandbars/CTavoPToolbarHostedEdit.h"

BEGIN_MESSAGE_MAP(CTavoPToolbarHostedEdit, CEdit)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

void CTavoPToolbarHostedEdit::FocusNextTabItem()
{
    if (CWnd* pParent = GetParent())
        if (CWnd* pNext = pParent->GetNextDlgTabItem(this, FALSE))
            pNext->SetFocus();
}

void CTavoPToolbarHostedEdit::OnSetFocus(CWnd* /*pOldWnd*/)
{
    Default();
    SetButtonHot(TRUE);
    OnFocusChanged(TRUE);
}

void CTavoPToolbarHostedEdit::OnKillFocus(CWnd* /*pNewWnd*/)
{
    Default();
    SetButtonHot(FALSE);
    OnFocusChanged(FALSE);
}

void CTavoPToolbarHostedEdit::OnMouseMove(UINT /*nFlags*/, CPoint /*point*/)
{
    Default();
    SetButtonHot(TRUE);
    if (!m_bTracked)
    {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, GetSafeHwnd(), 0};
        m_bTracked = ::TrackMouseEvent(&tme);
    }
}

LRESULT CTavoPToolbarHostedEdit::OnMouseLeave(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    m_bTracked = FALSE;
    if (::GetFocus() != GetSafeHwnd())
        SetButtonHot(FALSE);
    return Default();
}
