#include "ui/controls/customize/CTavoPToolbarsCheckListBox.h"
#include "framework/CTestSeams.h"

BEGIN_MESSAGE_MAP(CTavoPToolbarsCheckListBox, CCheckListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPToolbarsCheckListBox, CCheckListBox)

CTavoPToolbarsCheckListBox::CTavoPToolbarsCheckListBox() = default;
CTavoPToolbarsCheckListBox::~CTavoPToolbarsCheckListBox() = default;

void CTavoPToolbarsCheckListBox::EnableRow(int nIndex, BOOL bEnabled)
{
    if (nIndex < 0 || nIndex >= (int)m_arEnabled.GetSize())
        return;
    m_arEnabled[nIndex] = bEnabled ? 1 : 0;
    CRect rect;
    if (m_hWnd != nullptr && GetItemRect(nIndex, rect) != LB_ERR)
        InvalidateRect(rect, FALSE);
}

BOOL CTavoPToolbarsCheckListBox::IsRowEnabled(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_arEnabled.GetSize() && m_arEnabled[nIndex] != 0;
}

LRESULT CTavoPToolbarsCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == LB_RESETCONTENT)
        m_arEnabled.RemoveAll();
    const LRESULT lResult = CCheckListBox::WindowProc(message, wParam, lParam);
    switch (message)
    {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (lResult >= 0 && lResult <= m_arEnabled.GetSize())
            m_arEnabled.InsertAt((INT_PTR)lResult, TRUE);
        break;
    case LB_DELETESTRING:
        if (lResult != LB_ERR && (INT_PTR)wParam < m_arEnabled.GetSize())
            m_arEnabled.RemoveAt((INT_PTR)wParam);
        break;
    default: break;
    }
    return lResult;
}

void CTavoPToolbarsCheckListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    BOOL bInCheck = FALSE;
    const int nIndex = CheckFromPoint(point, bInCheck);
    if (nIndex >= 0 && bInCheck && !IsRowEnabled(nIndex))
    {
        AfxMessageBeep((UINT)-1);
        return;
    }
    CCheckListBox::OnLButtonDown(nFlags, point);
}

void CTavoPToolbarsCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    BOOL bInCheck = FALSE;
    const int nIndex = CheckFromPoint(point, bInCheck);
    if (nIndex >= 0 && bInCheck && !IsRowEnabled(nIndex))
    {
        AfxMessageBeep((UINT)-1);
        return;
    }
    CCheckListBox::OnLButtonDblClk(nFlags, point);
    CWnd* pParent = GetParent();
    if (pParent != nullptr && ::IsWindow(m_hWnd))
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                             (LPARAM)m_hWnd);
}

void CTavoPToolbarsCheckListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE && !IsRowEnabled(GetCaretIndex()))
    {
        AfxMessageBeep((UINT)-1);
        return;
    }
    CCheckListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}
