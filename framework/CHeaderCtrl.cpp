#include "framework/CHeaderCtrl.h"
#include "framework/CImageList.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

CHeaderCtrl::~CHeaderCtrl()
{
    DestroyWindow();
}

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_HEADER, nullptr, dwStyle, rect, pParentWnd, nID);
}

CImageList* CHeaderCtrl::GetImageList() const
{
    return CImageList::FromHandle((HIMAGELIST)SendMessage(HDM_GETIMAGELIST));
}

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle((HIMAGELIST)SendMessage(
        HDM_SETIMAGELIST, 0, (LPARAM)(pImageList == nullptr ? nullptr : pImageList->m_hImageList)));
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT)
{}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!IsUnhandledDrawItem(message, wParam, lParam, pResult))
        return message == WM_DRAWITEM || CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    return TRUE;
}
