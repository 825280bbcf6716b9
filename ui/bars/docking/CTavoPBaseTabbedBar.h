// A docking pane whose client area is a tab window holding other panes as tabs: adding, removing, detaching and floating them, and auto-hiding or returning the whole group.
#pragma once
#include "framework/CList.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"

class CTavoPBaseTabWnd;
class CTavoPDockingCBWrapper;

class CTavoPBaseTabbedBar : public CTavoPDockingControlBar
{
    DECLARE_DYNAMIC(CTavoPBaseTabbedBar)
public:
    // bAutoDestroy: the object deletes itself when its window goes (tabbed bars made by a drop).
    explicit CTavoPBaseTabbedBar(BOOL bAutoDestroy = FALSE);
    virtual ~CTavoPBaseTabbedBar();

    // ---- operations this class adds ----
    virtual CTavoPBaseTabWnd* GetUnderlinedWindow() const { return m_pTabWnd; }
    // 0 without a tab window.
    virtual int GetTabsNum() const;
    virtual int GetVisibleTabsNum() const;
    // The tab window hides its strip while a single tab shows.
    virtual BOOL HasAutoHideSingleTab() const;
    // Whether removing the last tab destroys the bar (else only the tab window hides).
    virtual BOOL IsDestroyedWhenEmpty() const { return TRUE; }
    // Takes pNewBar in as a new last tab. A tabbed bar given here hands all its tabs over and
    // is destroyed; the answer is then FALSE.
    virtual BOOL AddTab(CWnd* pNewBar, BOOL bVisible = TRUE, BOOL bSetActive = TRUE,
                        BOOL bDetachable = TRUE);
    // Takes the tab out and floats it (method 1 by mouse, 2 by double click, which first tries
    // the bar's recent floating group). The tab window's detach calls this, not FloatTab.
    virtual BOOL DetachControlBar(CWnd* pBar, int nTabIndex, int nDockMethod, BOOL bHide);
    // Asks the tab window to detach the bar's tab (nTabIndex -1: found by the window).
    virtual BOOL FloatTab(CWnd* pBar, int nTabIndex, int nDockMethod = TAVOP_DM_RECENT,
                          BOOL bHide = FALSE);
    // Removes the bar's tab; the last tab going destroys the bar (see IsDestroyedWhenEmpty).
    // FALSE when the bar had no tab here or the tabbed bar is gone.
    virtual BOOL RemoveControlBar(CWnd* pBar);
    // Takes a pane out of the group it is a tab of, onto pDockSite first when one is given: a
    // group left without tabs destroys itself with every window still inside it. FALSE when
    // the pane is a tab of no group.
    static BOOL TakeOutOfGroup(CWnd* pPane, CWnd* pDockSite);
    // The window of a tab is being destroyed: its tab goes at once, and an emptied bar
    // after the current message.
    void OnTabDestroyed(CWnd* pBar);
    // The only tab left takes this bar's place: docked beside the same slider or floating in
    // the same frame, at this bar's rectangle and with its alignment, caption shown. This bar
    // stays, hidden and empty, out of the layout. FALSE (nothing changed) without exactly one
    // docking pane left, or when this bar is in no layout tree and no floating frame.
    virtual BOOL ReplaceByLastTab();
    // Shows or hides the tab of pBar; the tabbed bar shows while a tab is visible.
    virtual void ShowTab(CWnd* pBar, BOOL bShow, BOOL bDelay, BOOL bActivate);
    // The tab bar with that control id.
    virtual CTavoPBaseControlBar* FindBarByID(UINT nID) const;
    // The window of a tab; with bGetWrappedBar the window a docking wrapper holds.
    virtual CWnd* FindBarByTabNumber(int nTabIndex, BOOL bGetWrappedBar = FALSE) const;
    // -1 and FALSE when no tab is visible.
    virtual BOOL GetFirstVisibleTab(int& nIndex);
    // Gives the tab records read from an archive back to the tabs.
    virtual void ApplyRestoredTabInfo(BOOL bUseTabIndexes = FALSE);
    // The tab window's own archive.
    virtual void SerializeTabWindow(CArchive& ar);
    // Stores the tab count and each tab's control id (only with a tab).
    virtual void SaveSiblingBarIDs(CArchive& ar);
    // Reads what SaveSiblingBarIDs wrote; FALSE on damaged data.
    static BOOL LoadSiblingBarIDs(CArchive& ar, CList<UINT, UINT>& lstBarIDs);
    virtual void EnableSetCaptionTextToTabName(BOOL bSet) { m_bSetCaptionTextToTabName = bSet; }
    virtual BOOL IsSetCaptionTextToTabName() const { return m_bSetCaptionTextToTabName; }

    // ---- overrides ----
    virtual void Serialize(CArchive& ar) override;
    virtual HICON GetIcon(BOOL bBigIcon) override;
    virtual BOOL FloatControlBar(CRect rectFloat, int nDockMethod, BOOL bShow) override;
    virtual void AdjustLayout() override;
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual BOOL DockByMethod(CTavoPBaseControlBar* pTargetBar, LPCRECT lpRecentRect,
                              int nDockMethod) override;
    virtual void StoreRecentDockInfo() override;
    virtual void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const override = 0;
    virtual BOOL HasPaneCaption() const override { return FALSE; }
    virtual CTavoPAutoHideToolBar* SetAutoHideMode(BOOL bMode, DWORD dwAlignment,
                                                   CTavoPAutoHideToolBar* pCurrAutoHideBar = NULL,
                                                   BOOL bUseTimer = TRUE) override;

    // A wrapper made ready, without a window, for the next plain window that becomes a tab
    // here: the tab window wraps that window in it, at its initial rectangle and with the
    // sides it allows, instead of in a new one. The bar owns it until then; a second one
    // replaces the first. FALSE (and the caller keeps it) for a wrapper that has a window.
    BOOL SetWrapperPlaceholder(CTavoPDockingCBWrapper* pWrapper);
    CTavoPDockingCBWrapper* GetWrapperPlaceholder() const { return m_pWrapperPlaceholder; }
    // Hands the placeholder over (null when there is none); the caller owns it then.
    CTavoPDockingCBWrapper* TakeWrapperPlaceholder();

    // Made by a drop or by a load: the object deletes itself with its window.
    void SetAutoDestroy(BOOL bAutoDestroy) { m_bAutoDestroy = bAutoDestroy; }
    BOOL IsAutoDestroy() const { return m_bAutoDestroy; }

    void OnSize(UINT nType, int cx, int cy);
    void OnNcDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSetFocus(CWnd* pOldWnd);
    LRESULT OnChangeActiveTab(WPARAM wParam, LPARAM lParam);
    LRESULT OnCheckEmpty(WPARAM wParam, LPARAM lParam);

    // Posted to a bar whose last tab went while that tab's window was being destroyed.
    static UINT TAVOPMSG_CHECKEMPTYTABBEDBAR;

protected:
    BOOL m_bAutoDestroy;
    CTavoPBaseTabWnd* m_pTabWnd; // owned
    BOOL m_bSetCaptionTextToTabName;
    CTavoPDockingCBWrapper* m_pWrapperPlaceholder; // owned, never a window

    // Called after the active tab changed and the caption followed it.
    virtual void OnActiveTabChanged(int /*iNewTab*/) {}
    // The tab index of pBar (its own window or its wrapper), -1 when none.
    int FindTabOf(CWnd* pBar) const;
    // A tab pane leaves the tab window for the dock site (caption shown, tab group remembered).
    void TakeOutTab(CTavoPDockingControlBar* pBar, int iTab, BOOL bRecalcLayout);
    // The last tab went: the bar leaves its place and goes, or only hides its tab window
    // when it stays empty. TRUE when the bar is still there.
    BOOL OnLastTabRemoved();
    // A double-clicked tab goes back into the floating group it came from, when there is one.
    BOOL ReturnToFloatingGroup(CTavoPDockingControlBar* pPane);

    DECLARE_MESSAGE_MAP()
};
