// The base of every tab window: the tabs with their labels, images and colours, and which of them is active.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CArray.h"
#include "framework/CEdit.h"
#include "framework/CImageList.h"
#include "framework/CToolTipCtrl.h"
#include "ui/bars/tabs/CTavoPTabDropTarget.h"
#include <vector>

class COleDataObject;
class CTavoPBaseTabbedBar;

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
    // Sent to the parent when a drag moved the active tab: wParam = old index, lParam = new.
    static UINT TAVOM_ON_MOVE_TAB;
    // Sent to the parent before a rename: wParam = the tab, lParam = the new name; a nonzero
    // answer refuses the name.
    static UINT TAVOM_ON_RENAME_TAB;

    virtual BOOL IsPtInTabArea(CPoint point) const { return FALSE; }
    virtual int GetTabsHeight() const { return m_nTabsHeight; }
    virtual void RecalcLayout() {}
    // Adds the window as the last tab; -1 when the window has no control ID to go by.
    virtual int AddTab(CWnd* pWnd, LPCTSTR lpszLabel, UINT uiImage = (UINT)-1,
                       BOOL bDetachable = TRUE);
    // A position below 0 or beyond the tabs means the end; answers the tab's index.
    virtual int InsertTab(CWnd* pWnd, LPCTSTR lpszLabel, int iInsertAt, UINT uiImage = (UINT)-1,
                          BOOL bDetachable = TRUE);
    // The same with the label taken from the string table.
    virtual int AddTab(CWnd* pWnd, UINT uiLabelID, UINT uiImage = (UINT)-1,
                       BOOL bDetachable = TRUE);
    virtual int InsertTab(CWnd* pWnd, UINT uiLabelID, int iInsertAt, UINT uiImage = (UINT)-1,
                          BOOL bDetachable = TRUE);
    // Without bRecalcLayout a removed active tab leaves none active, for the caller to choose.
    virtual BOOL RemoveTab(int iTab, BOOL bRecalcLayout = TRUE);
    virtual void RemoveAllTabs();
    // Tears a detachable pane's tab off into a floating pane: nDockMethod 1 by a drag out of
    // the strip (only past the system drag distance), 2 by a double click; -1 is the active
    // tab. TRUE when the tab left.
    virtual BOOL DetachTab(int nDockMethod, int iTab = -1, BOOL bHide = FALSE);
    virtual int GetVisibleTabsNum() const;
    virtual int GetTabsNum() const;
    virtual CWnd* GetTabWnd(int iTab) const;
    // The window a docking wrapper holds, else the tab's own window.
    virtual CWnd* GetTabWndNoWrapper(int iTab) const;
    virtual BOOL GetTabRect(int iTab, CRect& rect) const;
    // The tab that shows hWnd, -1 when none does.
    virtual int GetTabFromHwnd(HWND hWnd) const;
    virtual int GetTabFromPoint(CPoint& point) const;
    virtual BOOL IsTabVisible(int iTab) const;
    virtual BOOL IsTabDetachable(int iTab) const;
    virtual BOOL EnableTabDetach(int iTab, BOOL bEnable);
    // A hidden tab keeps its place; hiding the active tab activates the next visible one.
    virtual BOOL ShowTab(int iTab, BOOL bShow = TRUE, BOOL bRecalcLayout = TRUE,
                         BOOL bActivate = FALSE);
    virtual BOOL GetTabLabel(int iTab, CString& strLabel) const;
    // An empty label is refused.
    virtual BOOL SetTabLabel(int iTab, const CString& strLabel);
    virtual UINT GetTabIcon(int iTab) const;
    // Drops an icon set by handle.
    virtual BOOL SetTabIcon(int iTab, UINT uiIcon);
    // The tab keeps its own copy of the icon; NULL removes it.
    virtual BOOL SetTabHicon(int iTab, HICON hIcon);
    virtual HICON GetTabHicon(int iTab) const;
    // -1: the tab has no colour of its own.
    virtual COLORREF GetTabBkColor(int iTab) const;
    virtual BOOL SetTabBkColor(int iTab, COLORREF color = (COLORREF)-1);
    virtual COLORREF GetTabTextColor(int iTab) const;
    virtual BOOL SetTabTextColor(int iTab, COLORREF color = (COLORREF)-1);
    // The lowest and the highest visible tab; -1 and null when none is visible.
    virtual CWnd* GetFirstVisibleTab(int& iTab);
    virtual CWnd* GetLastVisibleTab(int& iTab);
    virtual BOOL EnsureVisible(int /*iTab*/) { return FALSE; }
    // -1 means the system window and window-text colours.
    virtual void SetActiveTabColor(COLORREF clr);
    virtual void SetActiveTabTextColor(COLORREF clr) { m_clrActiveTabFg = clr; }
    virtual COLORREF GetActiveTabColor() const;
    virtual COLORREF GetActiveTabTextColor() const;
    virtual BOOL IsHideSingleTab() const { return m_bHideSingleTab; }
    // No tab strip while fewer than two tabs are visible.
    virtual void HideSingleTab(BOOL bHide = TRUE);
    virtual void SetTabBorderSize(int nTabBorderSize, BOOL bRepaint = TRUE);
    // The active tab for -1.
    virtual int GetTabNumberToDetach(int iTab = -1) const;
    virtual int GetActiveTab() const { return m_iActiveTab; }
    virtual CWnd* GetActiveWnd() const { return GetTabWnd(m_iActiveTab); }
    virtual BOOL SetActiveTab(int iTab) { return FALSE; }
    virtual CSize GetImageSize() const { return m_sizeImage; }
    // The tab window's own images from a bitmap resource; a transparent colour other than -1
    // masks them. FALSE when the bitmap is missing.
    virtual BOOL SetImageList(UINT uiID, int cx = 15, COLORREF clrTransp = RGB(255, 0, 255));
    // Images the caller keeps; FALSE for NULL.
    virtual BOOL SetImageList(HIMAGELIST hImageList);
    // The own list, else the caller's, else null.
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
    // Tabs under the mouse are redrawn as it comes and goes.
    void EnableHotTrack(BOOL bEnable = TRUE) { m_bHotTrack = bEnable; }
    BOOL IsHotTrack() const { return m_bHotTrack; }
    // A tab becomes active when the button is released over it, not when it goes down.
    void EnableActivateOnButtonUp(BOOL bEnable = TRUE) { m_bActivateOnBtnUp = bEnable; }
    BOOL IsActivateOnButtonUp() const { return m_bActivateOnBtnUp; }
    // The tab under the mouse and the tab pressed, -1 for none.
    int GetHighlightedTab() const { return m_iHighlighted; }
    int GetPressedTab() const { return m_iPressed; }
    // Plain windows put in a tabbed pane are wrapped as docking panes; switched off for tab
    // windows that have no frame to dock in.
    void EnableWrapping(BOOL bEnable) { m_bEnableWrapping = bEnable; }
    BOOL IsWrappingEnabled() const { return m_bEnableWrapping; }

    // Toolbar buttons dragged over the tab window in customize mode; nothing is accepted here.
    virtual BOOL OnDrop(COleDataObject* /*pDataObject*/, DROPEFFECT /*dropEffect*/,
                        CPoint /*point*/)
    {
        return FALSE;
    }
    virtual DROPEFFECT OnDragEnter(COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/,
                                   CPoint /*point*/)
    {
        return DROPEFFECT_NONE;
    }
    virtual void OnDragLeave() {}
    virtual DROPEFFECT OnDragOver(COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/,
                                  CPoint /*point*/)
    {
        return DROPEFFECT_NONE;
    }

    // Renaming in place: a double click on the active tab opens an edit over it; Enter applies
    // the name (a refused name beeps and keeps the edit), Escape or a click elsewhere abandons it.
    virtual void EnableInPlaceEdit(BOOL bEnable) { m_bIsInPlaceEdit = bEnable; }
    virtual BOOL IsInPlaceEdit() const { return m_bIsInPlaceEdit; }
    virtual BOOL StartRenameTab(int iTab);
    // Applies the edit's text; FALSE when it is empty or refused.
    virtual BOOL RenameTab();
    // Lets a derived window refuse a name before the parent is asked.
    virtual BOOL OnRenameTab(int /*iTab*/, CString& /*strName*/) { return TRUE; }
    // The edit's rectangle made from the tab's.
    virtual void CalcRectEdit(CRect& /*rectEdit*/) {}
    // The window under a screen point that a detached tab would dock to; none from the base.
    virtual CWnd* FindTargetWnd(const CPoint& /*pt*/) { return nullptr; }
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

    // The tab list of the dock layout: labels, visibility, colours and order by control ID.
    virtual void Serialize(CArchive& ar) override;
    // Gives the loaded descriptions back to the tabs whose windows have their control IDs, with
    // bUseTabIndexes also their saved order, and activates the saved active tab.
    virtual void ApplyRestoredTabInfo(BOOL bUseTabIndexes = FALSE);
    // The control IDs of the tabs the last load read, in their stored order.
    std::vector<int> GetRestoredTabIDs() const
    {
        std::vector<int> ids;
        for (const CTavoPRestoredTabInfo& info : m_lstRestoredTabInfo)
            ids.push_back(info.nControlID);
        return ids;
    }

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnDestroy();

protected:
    // One tab: its label, image and window, and where the layout put it.
    struct CTavoPTabInfo
    {
        virtual ~CTavoPTabInfo();
        CString strText;
        UINT uiIcon = (UINT)-1;
        HICON hIcon = NULL; // owned
        CRect rect;
        BOOL bVisible = TRUE;
        CWnd* pWnd = nullptr;
        BOOL bIsListView = FALSE;
        int nLayoutValue = 0; // for the derived layout
        int iTabID = 0;
        COLORREF clrText = (COLORREF)-1;
        COLORREF clrBack = (COLORREF)-1;
        BOOL bDetachable = FALSE;
    };
    // One tab as the archive describes it.
    struct CTavoPRestoredTabInfo
    {
        CString strText;
        BOOL bVisible = TRUE;
        int nControlID = 0;
        BOOL bDetachable = FALSE;
        COLORREF clrText = (COLORREF)-1;
        COLORREF clrBack = (COLORREF)-1;
    };
    CTavoPTabInfo* GetTabInfo(int iTab) const;
    // Sets the strip height from the images and the text height.
    void SetTabsHeight();
    // Removes every tab; WM_DESTROY's clean-up.
    virtual void CleanUp();
    // The window that goes into the tab: plain windows may be wrapped as docking panes.
    virtual CWnd* CreateWrapper(CWnd* pWnd, LPCTSTR lpszLabel, BOOL bDetachable);
    // The tab chosen when iGone stops being active: the first visible tab from iGone on,
    // else the nearest visible one before it; -1 when none is visible.
    int FindNextVisibleTab(int iGone) const;
    // Activates iTab and tells the parent, as a removal or a hidden tab needs.
    void ActivateAndNotify(int iTab);
    void EndDrag();
    void EndRename();
    // The tabbed pane this tab window belongs to, null for other hosts.
    CTavoPBaseTabbedBar* GetParentTabbedBar() const;
    // Takes a pane that is a tab or floats elsewhere into this tab window's tabbed pane, as a
    // loaded tab list names it.
    void AdoptRestoredBar(UINT nControlID);
    // A tabbed pane whose caption follows its active tab takes that tab's label.
    void UpdateTabbedBarCaption();

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
    BOOL m_bActivateLastVisibleTab;
    BOOL m_bHotTrack;
    int m_iHighlighted;
    int m_iPressed;
    int m_iActiveTabBeforeDragStart;
    BOOL m_bActivateOnBtnUp;
    BOOL m_bEnableTabSwap;
    BOOL m_bHideSingleTab;
    COLORREF m_clrActiveTabBk;
    COLORREF m_clrActiveTabFg;
    CBrush m_brActiveTab;
    CPoint m_ptHot;
    int m_nOffsetFromTabLeft;
    BOOL m_bReadyToDetach;
    CEdit* m_pInPlaceEdit;
    int m_iEditedTab;
    BOOL m_bIsInPlaceEdit;
    // Made by the looks that show tips: one tool per tab, its ID the tab ID.
    CToolTipCtrl m_ToolTip;
    CImageList m_Images;
    HIMAGELIST m_hImageList;
    std::vector<CTavoPRestoredTabInfo> m_lstRestoredTabInfo;
    int m_nRestoredActiveTabID;
    BOOL m_bEnableWrapping;
    CTavoPTabDropTarget m_DropTarget;

    DECLARE_MESSAGE_MAP()
};
