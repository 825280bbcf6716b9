#include "framework/CComboBox.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

CComboBox::~CComboBox()
{
    DestroyWindow();
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    int nLen = GetLBTextLen(nIndex);
    if (nLen == CB_ERR)
    {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer();
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT)
{}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT)
{}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    return 0;
}
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT)
{}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_DRAWITEM: DrawItem((LPDRAWITEMSTRUCT)lParam); break;
    case WM_MEASUREITEM: MeasureItem((LPMEASUREITEMSTRUCT)lParam); break;
    case WM_COMPAREITEM:
        if (pResult != nullptr)
            *pResult = CompareItem((LPCOMPAREITEMSTRUCT)lParam);
        return TRUE;
    case WM_DELETEITEM: DeleteItem((LPDELETEITEMSTRUCT)lParam); break;
    default: return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}
