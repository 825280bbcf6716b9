// A docking pane whose pages stack vertically: page buttons above and below the active page, and pages the user adds, renames and removes.
#pragma once
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"

class CTavoPOutlookBarPane;
class CTavoPOutlookWnd;

class CTavoPOutlookBar : public CTavoPBaseTabbedBar
{
    DECLARE_SERIAL(CTavoPOutlookBar)
public:
    CTavoPOutlookBar();
    virtual ~CTavoPOutlookBar();

    // The IDs of the user's pages: kFirstUserPageID up to kFirstUserPageID + kMaxUserPages - 1.
    static const UINT kFirstUserPageID = 0xF000;
    static const int kMaxUserPages = 100;
    // The bar style bit that floats the bar as soon as it is made.
    static const DWORD kFloatAtCreation = 0x4;

    // ---- user pages ----
    // A new empty page with the name, added last; null when every user page ID is taken or
    // the window cannot be made.
    CTavoPOutlookBarPane* CreateCustomPage(LPCTSTR lpszPageName, BOOL bActivatePage = TRUE,
                                           BOOL bEnableTextLabels = TRUE);
    // FALSE for an ID that is not one of the user's pages or an empty name.
    BOOL RenameCustomPage(UINT uiPageID, LPCTSTR lpszNewName);
    // Removes the user's page with its window; FALSE when there is none with that ID.
    BOOL RemoveCustomPage(UINT uiPageID);
    const CObList& GetCustomPages() const { return m_lstCustomPages; }
    CTavoPOutlookWnd* GetOutlookWnd() const;
    // Whether the user page ID is taken in this process.
    static BOOL IsCustomPageIDUsed(UINT uiPageID);

    // The scroll buttons of the tab window call this with FALSE (up) or TRUE (down); nothing
    // scrolls unless a program overrides it.
    virtual void OnScroll(BOOL /*bDown*/) {}

    // ---- overrides ----
    virtual BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, UINT nID,
                        DWORD dwStyle,
                        DWORD dwTavoStyle = TAVOP_CBRS_FLOAT | TAVOP_CBRS_CLOSE |
                                            TAVOP_CBRS_PROPERTY2,
                        CCreateContext* pContext = NULL);
    virtual BOOL CanFloatHere() const override { return FALSE; }
    virtual BOOL HasPaneCaption() const override { return CanFloat(); }
    virtual BOOL CanAcceptBar(const CTavoPBaseControlBar* pBar) const override;
    virtual void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const override;
    virtual int GetDockingStatus(CPoint pt, int nSensitivity) override;
    // The user's pages with their names under "TavoPOutlookBars", each page's buttons under
    // its ID, after the tabbed bar's own state.
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;

    // The key the user's pages are stored under.
    CString GetStateKey(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex) const;

    static LPCTSTR const kSection;
    static LPCTSTR const kCustomPagesValue;

protected:
    // Makes the window of a user page and adds it as a page; null on failure.
    CTavoPOutlookBarPane* AddCustomPage(UINT uiPageID, LPCTSTR lpszPageName);
    static void MarkCustomPageID(UINT uiPageID, BOOL bUsed);
    // The tab showing the page (wrapped or not), -1 when it is not in the bar.
    int FindPageTab(const CTavoPOutlookBarPane* pPage) const;
    CTavoPOutlookBarPane* FindCustomPage(UINT uiPageID) const;

    CObList m_lstCustomPages; // owned

    static BYTE m_arUsedPageIDs[kMaxUserPages];

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();

protected:
    DECLARE_MESSAGE_MAP()
};
