// A list-view control: report view with columns, item texts, item data, colours and sorting.
#pragma once
#include "framework/CWnd.h"

class CImageList;
class CHeaderCtrl;
class CEdit;

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;
    virtual ~CListCtrl();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- colours and styles ----
    COLORREF GetBkColor() const { return (COLORREF)SendMessage(LVM_GETBKCOLOR); }
    BOOL SetBkColor(COLORREF cr) { return (BOOL)SendMessage(LVM_SETBKCOLOR, 0, (LPARAM)cr); }
    COLORREF GetTextColor() const { return (COLORREF)SendMessage(LVM_GETTEXTCOLOR); }
    BOOL SetTextColor(COLORREF cr) { return (BOOL)SendMessage(LVM_SETTEXTCOLOR, 0, (LPARAM)cr); }
    COLORREF GetTextBkColor() const { return (COLORREF)SendMessage(LVM_GETTEXTBKCOLOR); }
    BOOL SetTextBkColor(COLORREF cr)
    {
        return (BOOL)SendMessage(LVM_SETTEXTBKCOLOR, 0, (LPARAM)cr);
    }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)dwNewStyle);
    }
    CImageList* GetImageList(int nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CHeaderCtrl* GetHeaderCtrl() const;

    // ---- columns ----
    int InsertColumn(int nCol, const LVCOLUMN* pColumn)
    {
        return (int)SendMessage(LVM_INSERTCOLUMN, (WPARAM)nCol, (LPARAM)pColumn);
    }
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return (BOOL)SendMessage(LVM_DELETECOLUMN, (WPARAM)nCol); }
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const
    {
        return (BOOL)SendMessage(LVM_GETCOLUMN, (WPARAM)nCol, (LPARAM)pColumn);
    }
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn)
    {
        return (BOOL)SendMessage(LVM_SETCOLUMN, (WPARAM)nCol, (LPARAM)pColumn);
    }
    int GetColumnWidth(int nCol) const
    {
        return (int)SendMessage(LVM_GETCOLUMNWIDTH, (WPARAM)nCol);
    }
    BOOL SetColumnWidth(int nCol, int cx)
    {
        return (BOOL)SendMessage(LVM_SETCOLUMNWIDTH, (WPARAM)nCol, MAKELPARAM(cx, 0));
    }
    BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1);
    BOOL SetColumnOrderArray(int iCount, LPINT piArray)
    {
        return (BOOL)SendMessage(LVM_SETCOLUMNORDERARRAY, (WPARAM)iCount, (LPARAM)piArray);
    }

    // ---- items ----
    int GetItemCount() const { return (int)SendMessage(LVM_GETITEMCOUNT); }
    void SetItemCount(int nItems) { SendMessage(LVM_SETITEMCOUNT, (WPARAM)nItems); }
    BOOL GetItem(LVITEM* pItem) const { return (BOOL)SendMessage(LVM_GETITEM, 0, (LPARAM)pItem); }
    BOOL SetItem(const LVITEM* pItem) { return (BOOL)SendMessage(LVM_SETITEM, 0, (LPARAM)pItem); }
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    int InsertItem(const LVITEM* pItem)
    {
        return (int)SendMessage(LVM_INSERTITEM, 0, (LPARAM)pItem);
    }
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(LVM_DELETEITEM, (WPARAM)nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(LVM_DELETEALLITEMS); }
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const
    {
        return (UINT)SendMessage(LVM_GETITEMSTATE, (WPARAM)nItem, (LPARAM)nMask);
    }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL SetItemState(int nItem, LVITEM* pItem)
    {
        return (BOOL)SendMessage(LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)pItem);
    }
    int GetNextItem(int nItem, int nFlags) const
    {
        return (int)SendMessage(LVM_GETNEXTITEM, (WPARAM)nItem, MAKELPARAM(nFlags, 0));
    }
    POSITION GetFirstSelectedItemPosition() const
    {
        return (POSITION)(DWORD_PTR)(1 + GetNextItem(-1, LVIS_SELECTED));
    }
    int GetNextSelectedItem(POSITION& pos) const
    {
        DWORD_PTR nOldPos = (DWORD_PTR)pos - 1;
        pos = (POSITION)(DWORD_PTR)(1 + GetNextItem((int)nOldPos, LVIS_SELECTED));
        return (int)nOldPos;
    }
    UINT GetSelectedCount() const { return (UINT)SendMessage(LVM_GETSELECTEDCOUNT); }
    int GetSelectionMark() const { return (int)SendMessage(LVM_GETSELECTIONMARK); }
    int SetSelectionMark(int iIndex)
    {
        return (int)SendMessage(LVM_SETSELECTIONMARK, 0, (LPARAM)iIndex);
    }
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const
    {
        return (int)SendMessage(LVM_FINDITEM, (WPARAM)nStart, (LPARAM)pFindInfo);
    }

    // ---- geometry and hit tests ----
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const
    {
        return (int)SendMessage(LVM_HITTEST, 0, (LPARAM)pHitTestInfo);
    }
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo)
    {
        return (int)SendMessage(LVM_SUBITEMHITTEST, 0, (LPARAM)pInfo);
    }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return (BOOL)SendMessage(LVM_ENSUREVISIBLE, (WPARAM)nItem, MAKELPARAM(bPartialOK, 0));
    }
    BOOL Scroll(CSize size)
    {
        return (BOOL)SendMessage(LVM_SCROLL, (WPARAM)size.cx, (LPARAM)size.cy);
    }
    BOOL RedrawItems(int nFirst, int nLast)
    {
        return (BOOL)SendMessage(LVM_REDRAWITEMS, (WPARAM)nFirst, (LPARAM)nLast);
    }
    BOOL Update(int nItem) { return (BOOL)SendMessage(LVM_UPDATE, (WPARAM)nItem); }
    int GetTopIndex() const { return (int)SendMessage(LVM_GETTOPINDEX); }
    int GetCountPerPage() const { return (int)SendMessage(LVM_GETCOUNTPERPAGE); }
    CEdit* GetEditControl() const;

    // Sorts with pfnCompare(data1, data2, dwData), where data are the items' item data.
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);

    // Owner-drawn report views draw their items here (LVS_OWNERDRAWFIXED).
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT* pResult) override;
};
