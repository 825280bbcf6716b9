// A header control: the column captions of a list view.
#pragma once
#include "framework/CWnd.h"

class CImageList;

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;
    virtual ~CHeaderCtrl();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetItemCount() const { return (int)SendMessage(HDM_GETITEMCOUNT); }
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const
    {
        return (BOOL)SendMessage(HDM_GETITEM, (WPARAM)nPos, (LPARAM)pHeaderItem);
    }
    BOOL SetItem(int nPos, HDITEM* pHeaderItem)
    {
        return (BOOL)SendMessage(HDM_SETITEM, (WPARAM)nPos, (LPARAM)pHeaderItem);
    }
    int InsertItem(int nPos, HDITEM* phdi)
    {
        return (int)SendMessage(HDM_INSERTITEM, (WPARAM)nPos, (LPARAM)phdi);
    }
    BOOL DeleteItem(int nPos) { return (BOOL)SendMessage(HDM_DELETEITEM, (WPARAM)nPos); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(HDM_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
    }
    BOOL Layout(HDLAYOUT* pHeaderLayout)
    {
        return (BOOL)SendMessage(HDM_LAYOUT, 0, (LPARAM)pHeaderLayout);
    }
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo)
    {
        return (int)SendMessage(HDM_HITTEST, 0, (LPARAM)pHeaderHitTestInfo);
    }
    int OrderToIndex(int nOrder) const
    {
        return (int)SendMessage(HDM_ORDERTOINDEX, (WPARAM)nOrder);
    }
    BOOL GetOrderArray(LPINT piArray, int iCount) const
    {
        return (BOOL)SendMessage(HDM_GETORDERARRAY, (WPARAM)iCount, (LPARAM)piArray);
    }
    BOOL SetOrderArray(int iCount, LPINT piArray)
    {
        return (BOOL)SendMessage(HDM_SETORDERARRAY, (WPARAM)iCount, (LPARAM)piArray);
    }
    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* pImageList);

    // Owner-drawn header items draw themselves here (HDF_OWNERDRAW).
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT* pResult) override;
};
