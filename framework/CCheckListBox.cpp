#include "framework/CCheckListBox.h"
#include "framework/CDC.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

CCheckListBox::CCheckListBox() = default;
CCheckListBox::~CCheckListBox() = default;

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    if (nIndex < 0 || nIndex >= (int)m_checks.size())
        return;
    m_checks[(size_t)nIndex] = nCheck;
    CRect rect;
    if (m_hWnd != nullptr && GetItemRect(nIndex, rect) != LB_ERR)
        InvalidateRect(rect, FALSE);
}

int CCheckListBox::GetCheck(int nIndex) const
{
    return (nIndex >= 0 && nIndex < (int)m_checks.size()) ? m_checks[(size_t)nIndex] : 0;
}

CRect CCheckListBox::CheckRect(const CRect& rectItem) const
{
    const int nSize = std::min(rectItem.Height(), 13);
    const int nTop = rectItem.top + (rectItem.Height() - nSize) / 2;
    return CRect(rectItem.left + 2, nTop, rectItem.left + 2 + nSize, nTop + nSize);
}

int CCheckListBox::CheckFromPoint(CPoint point, BOOL& bInCheck) const
{
    bInCheck = FALSE;
    const LRESULT lHit = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(lHit) != 0) // outside every row
        return -1;
    const int nIndex = (int)LOWORD(lHit);
    CRect rectItem;
    if (GetItemRect(nIndex, rectItem) == LB_ERR)
        return -1;
    // The whole strip left of the text counts as the box: a near miss still toggles.
    const CRect rectCheck = CheckRect(rectItem);
    bInCheck = point.x < rectCheck.right + 2;
    return nIndex;
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = std::max<UINT>(lpMeasureItemStruct->itemHeight, 15);
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if ((int)lpDIS->itemID < 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const int nIndex = (int)lpDIS->itemID;
    CRect rectItem(lpDIS->rcItem);
    const CRect rectCheck = CheckRect(rectItem);

    ::FillRect(pDC->GetSafeHdc(), rectItem, ::GetSysColorBrush(COLOR_WINDOW));
    UINT nState = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (GetCheck(nIndex))
        nState |= DFCS_CHECKED;
    if (!IsCheckEnabled(nIndex))
        nState |= DFCS_INACTIVE;
    RECT rcCheck = rectCheck;
    ::DrawFrameControl(pDC->GetSafeHdc(), &rcCheck, DFC_BUTTON, nState);

    CRect rectText = rectItem;
    rectText.left = rectCheck.right + 4;
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    ::FillRect(pDC->GetSafeHdc(), rectText,
               ::GetSysColorBrush(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    CString strText;
    GetText(nIndex, strText);
    const int nOldMode = ::SetBkMode(pDC->GetSafeHdc(), TRANSPARENT);
    const COLORREF clrOld = ::SetTextColor(
        pDC->GetSafeHdc(), ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    rectText.left += 1;
    ::DrawText(pDC->GetSafeHdc(), strText, strText.GetLength(), rectText,
               DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SetTextColor(pDC->GetSafeHdc(), clrOld);
    ::SetBkMode(pDC->GetSafeHdc(), nOldMode);
    if (lpDIS->itemState & ODS_FOCUS)
    {
        RECT rcFocus = rectItem;
        rcFocus.left = rectCheck.right + 4;
        ::DrawFocusRect(pDC->GetSafeHdc(), &rcFocus);
    }
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The check marks follow the rows through every change of the list.
    if (message == LB_RESETCONTENT)
        m_checks.clear();
    const LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
    switch (message)
    {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (lResult >= 0 && (size_t)lResult <= m_checks.size())
            m_checks.insert(m_checks.begin() + lResult, 0);
        break;
    case LB_DELETESTRING:
        if (lResult != LB_ERR && wParam < m_checks.size())
            m_checks.erase(m_checks.begin() + (ptrdiff_t)wParam);
        break;
    default: break;
    }
    return lResult;
}

void CCheckListBox::NotifyCheckChange()
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                             (LPARAM)m_hWnd);
}

void CCheckListBox::ToggleAndNotify(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    SetCheck(nIndex, GetCheck(nIndex) ? 0 : 1);
    NotifyCheckChange();
}

void CCheckListBox::OnLButtonDown(UINT, CPoint point)
{
    BOOL bInCheck = FALSE;
    const int nIndex = CheckFromPoint(point, bInCheck);
    Default(); // selects the row and tells the parent first
    if (nIndex >= 0 && bInCheck)
        ToggleAndNotify(nIndex);
}

void CCheckListBox::OnLButtonDblClk(UINT, CPoint point)
{
    BOOL bInCheck = FALSE;
    const int nIndex = CheckFromPoint(point, bInCheck);
    if (nIndex >= 0 && bInCheck)
    {
        // The second click of a double click on a box toggles it like the first.
        ToggleAndNotify(nIndex);
        return;
    }
    Default();
}

void CCheckListBox::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_SPACE)
    {
        ToggleAndNotify(GetCaretIndex());
        return;
    }
    Default();
}
