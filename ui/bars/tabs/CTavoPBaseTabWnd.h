// The base of every tab window: the tabs with their labels, images and colours, and which of them is active.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CArray.h"

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

    // Sent to the parent: wParam = the new active tab, lParam = the tab window (0 from the base).
    static UINT TAVOM_ONCHANGE_ACTIVE_TAB;
    // Sent to the parent before the change: wParam = the new tab, lParam = the tab window.
    static UINT TAVOM_ON_CHANGING_ACTIVE_TAB;

    virtual BOOL IsPtInTabArea(CPoint point) const { return FALSE; }
    virtual int GetTabsHeight() const { return m_nTabsHeight; }
    virtual void RecalcLayout() {}
    // Adds the window as the last tab; -1 when the window has no control ID to go by.
    virtual int AddTab(CWnd* pWnd, LPCTSTR lpszLabel, UINT uiImage = (UINT)-1,
                       BOOL bDetachable = TRUE);
    // A position below 0 or beyond the tabs means the end; answers the tab's index.
    virtual int InsertTab(CWnd* pWnd, LPCTSTR lpszLabel, int iInsertAt, UINT uiImage = (UINT)-1,
                          BOOL bDetachable = TRUE);
    virtual void RemoveAllTabs();
    virtual int GetVisibleTabsNum() const;
    virtual int GetTabsNum() const;
    virtual CWnd* GetTabWnd(int iTab) const;
    virtual BOOL GetTabRect(int iTab, CRect& rect) const;
    // The tab that shows hWnd, -1 when none does.
    virtual int GetTabFromHwnd(HWND hWnd) const;
    virtual int GetTabFromPoint(CPoint& point) const;
    virtual BOOL IsTabVisible(int iTab) const;
    virtual BOOL IsTabDetachable(int iTab) const;
    virtual BOOL ShowTab(int iTab, BOOL bShow = TRUE, BOOL bRecalcLayout = TRUE) { return FALSE; }
    virtual BOOL GetTabLabel(int iTab, CString& strLabel) const;
    virtual UINT GetTabIcon(int iTab) const;
    virtual BOOL SetTabIcon(int iTab, UINT uiIcon);
    virtual HICON GetTabHicon(int iTab) const;
    // -1: the tab has no colour of its own.
    virtual COLORREF GetTabBkColor(int iTab) const;
    virtual COLORREF GetTabTextColor(int iTab) const;
    virtual int GetActiveTab() const { return m_iActiveTab; }
    virtual CWnd* GetActiveWnd() const { return GetTabWnd(m_iActiveTab); }
    virtual BOOL SetActiveTab(int iTab) { return FALSE; }
    virtual CSize GetImageSize() const { return m_sizeImage; }
    virtual CImageList* GetImageList() const;
    // The largest width and height of the tab windows; bars give their fixed layout size.
    virtual CSize GetMaxWindowSize() const;
    // The border around the tab area while some tab is visible, else 0.
    virtual int GetTabBorderSize() const;
    virtual BOOL IsFlatTab() const { return FALSE; }
    Location GetLocation() const { return m_location; }
    // Labels show "&" as it is instead of as a mnemonic mark.
    virtual BOOL IsNoPrefix() const { return FALSE; }
    // How far above its top an active bottom tab is filled (1 or 2).
    virtual int GetActiveTabRise() const { return 1; }

    // Removing a tab destroys its window.
    void SetAutoDestroy(BOOL bAutoDestroy) { m_bAutoDestroyWindow = bAutoDestroy; }
    BOOL IsAutoDestroy() const { return m_bAutoDestroyWindow; }

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnDestroy();

protected:
    // One tab: its label, image and window, and where the layout put it.
    struct CTavoPTabInfo
    {
        CString strText;
        UINT uiIcon = (UINT)-1;
        CRect rect;
        BOOL bVisible = TRUE;
        CWnd* pWnd = nullptr;
        int iTabID = 0;
        COLORREF clrText = (COLORREF)-1;
        COLORREF clrBack = (COLORREF)-1;
        BOOL bDetachable = FALSE;
    };
    CTavoPTabInfo* GetTabInfo(int iTab) const;
    // Sets the strip height from the images and the text height.
    void SetTabsHeight();

    Location m_location;
    int m_iActiveTab;
    CSize m_sizeImage;
    CArray<CTavoPTabInfo*, CTavoPTabInfo*> m_arTabs;
    int m_iTabsNum;
    int m_iCurTabId;
    int m_nTabBorderSize;
    int m_nTabsHeight;
    BOOL m_bAutoDestroyWindow;
    BOOL m_bHideInactiveWindow;

    DECLARE_MESSAGE_MAP()
};
