#include "framework/CListCtrl.h"
#include "framework/CHeaderCtrl.h"
#include "framework/CEdit.h"
#include "framework/CImageList.h"
#include <vector>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

CListCtrl::~CListCtrl()
{
    DestroyWindow();
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_LISTVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

CImageList* CListCtrl::GetImageList(int nImageList) const
{
    return CImageList::FromHandle((HIMAGELIST)SendMessage(LVM_GETIMAGELIST, (WPARAM)nImageList));
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return CImageList::FromHandle((HIMAGELIST)SendMessage(
        LVM_SETIMAGELIST, (WPARAM)nImageListType,
        (LPARAM)(pImageList == nullptr ? nullptr : pImageList->m_hImageList)));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    HWND hWnd = (HWND)SendMessage(LVM_GETHEADER);
    if (hWnd == nullptr)
        return nullptr;
    // The header has no object of its own unless someone subclassed it; a temporary one serves.
    return static_cast<CHeaderCtrl*>(CWnd::FromHandle(hWnd));
}

CEdit* CListCtrl::GetEditControl() const
{
    return static_cast<CEdit*>(CWnd::FromHandle((HWND)SendMessage(LVM_GETEDITCONTROL)));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem)
{
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount)
{
    if (iCount == -1)
    {
        CHeaderCtrl* pHeader = GetHeaderCtrl();
        if (pHeader == nullptr)
            return FALSE;
        iCount = pHeader->GetItemCount();
    }
    return (BOOL)SendMessage(LVM_GETCOLUMNORDERARRAY, (WPARAM)iCount, (LPARAM)piArray);
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam)
{
    LVITEM lvi = {};
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    lvi.pszText = const_cast<LPTSTR>(lpszItem);
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return SetItem(&lvi);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam)
{
    LVITEM item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    LVITEM lvi = {};
    lvi.iSubItem = nSubItem;
    lvi.cchTextMax = nLen;
    lvi.pszText = lpszText;
    return (int)SendMessage(LVM_GETITEMTEXT, (WPARAM)nItem, (LPARAM)&lvi);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control answers with at most the buffer's size: grow until the text fits.
    std::vector<char> buffer;
    int nLen = 128;
    int nRes;
    do
    {
        nLen *= 2;
        buffer.assign((size_t)nLen, '\0');
        LVITEM lvi = {};
        lvi.iSubItem = nSubItem;
        lvi.cchTextMax = nLen;
        lvi.pszText = buffer.data();
        nRes = (int)SendMessage(LVM_GETITEMTEXT, (WPARAM)nItem, (LPARAM)&lvi);
    } while (nRes >= nLen - 1 && nLen < (1 << 20));
    return CString(buffer.data());
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEM lvi = {};
    lvi.iSubItem = nSubItem;
    lvi.pszText = const_cast<LPTSTR>(lpszText);
    return (BOOL)SendMessage(LVM_SETITEMTEXT, (WPARAM)nItem, (LPARAM)&lvi);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEM lvi = {};
    lvi.iItem = nItem;
    lvi.mask = LVIF_PARAM;
    if (!GetItem(&lvi))
        return 0;
    return (DWORD_PTR)lvi.lParam;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, (LPARAM)dwData);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEM lvi = {};
    lvi.stateMask = nMask;
    lvi.state = nState;
    return (BOOL)SendMessage(LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)&lvi);
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    lpRect->left = (LONG)nCode;
    return (BOOL)SendMessage(LVM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect);
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const
{
    RECT rect;
    rect.top = iSubItem;
    rect.left = nArea;
    BOOL bRet = (BOOL)SendMessage(LVM_GETSUBITEMRECT, (WPARAM)iItem, (LPARAM)&rect);
    if (bRet)
        ref = rect;
    return bRet;
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO hti = {};
    hti.pt = pt;
    int nRes = (int)SendMessage(LVM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags != nullptr)
        *pFlags = hti.flags;
    return nRes;
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    return (BOOL)SendMessage(LVM_SORTITEMS, (WPARAM)dwData, (LPARAM)pfnCompare);
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT)
{}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!IsUnhandledDrawItem(message, wParam, lParam, pResult))
        return message == WM_DRAWITEM || CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    return TRUE;
}
