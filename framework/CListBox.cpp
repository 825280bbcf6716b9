#include "framework/CListBox.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

CListBox::~CListBox()
{
    DestroyWindow();
}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    int nLen = GetTextLen(nIndex);
    if (nLen == LB_ERR)
    {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer();
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT)
{}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT)
{}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    return 0;
}
void CListBox::DeleteItem(LPDELETEITEMSTRUCT)
{}
int CListBox::VKeyToItem(UINT, UINT)
{
    return -1;
}
int CListBox::CharToItem(UINT, UINT)
{
    return -1;
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    switch (message)
    {
    case WM_DRAWITEM: DrawItem((LPDRAWITEMSTRUCT)lParam); break;
    case WM_MEASUREITEM: MeasureItem((LPMEASUREITEMSTRUCT)lParam); break;
    case WM_COMPAREITEM: lResult = CompareItem((LPCOMPAREITEMSTRUCT)lParam); break;
    case WM_DELETEITEM: DeleteItem((LPDELETEITEMSTRUCT)lParam); break;
    case WM_VKEYTOITEM: lResult = VKeyToItem(LOWORD(wParam), HIWORD(wParam)); break;
    case WM_CHARTOITEM: lResult = CharToItem(LOWORD(wParam), HIWORD(wParam)); break;
    default: return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}
