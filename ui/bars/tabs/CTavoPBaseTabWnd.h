// The base of every tab window: the tabs with their labels, images and colours, and which of them is active.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPBaseTabWnd : public CWnd
{
    DECLARE_DYNAMIC(CTavoPBaseTabWnd)
public:
    CTavoPBaseTabWnd();
    virtual ~CTavoPBaseTabWnd();

    // Where the tab strip lies.
    enum Location
    {
        LOCATION_BOTTOM = 0,
        LOCATION_TOP = 1
    };

    // Space left of a tab's image or icon.
    static const int TAB_IMAGE_MARGIN = 4;

    virtual int GetTabsNum() const;
    virtual int GetVisibleTabsNum() const { return 0; }
    // The tab that shows hWnd, -1 when none does.
    virtual int GetTabFromHwnd(HWND hWnd) const { return -1; }
    virtual BOOL IsTabVisible(int iTab) const { return FALSE; }
    virtual BOOL IsTabDetachable(int iTab) const { return FALSE; }
    virtual BOOL ShowTab(int iTab, BOOL bShow = TRUE, BOOL bRecalcLayout = TRUE) { return FALSE; }
    virtual BOOL GetTabLabel(int iTab, CString& strLabel) const;
    virtual UINT GetTabIcon(int iTab) const;
    virtual HICON GetTabHicon(int iTab) const;
    // -1: the tab has no colour of its own.
    virtual COLORREF GetTabBkColor(int iTab) const;
    virtual COLORREF GetTabTextColor(int iTab) const;
    virtual int GetActiveTab() const { return m_iActiveTab; }
    virtual CSize GetImageSize() const { return m_sizeImage; }
    virtual CImageList* GetImageList() const;
    virtual BOOL IsFlatTab() const { return FALSE; }
    Location GetLocation() const { return m_location; }
    // Labels show "&" as it is instead of as a mnemonic mark.
    virtual BOOL IsNoPrefix() const { return FALSE; }
    // How far above its top an active bottom tab is filled (1 or 2).
    virtual int GetActiveTabRise() const { return 1; }

protected:
    Location m_location;
    int m_iActiveTab;
    CSize m_sizeImage;
};
