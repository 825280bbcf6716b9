// The library's property sheet: knows which of its pages is shown and keeps a navigation pane's buttons in step with it.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPOutlookBarPane;

class CTavoPPropertySheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CTavoPPropertySheet)
public:
    CTavoPPropertySheet();
    explicit CTavoPPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CTavoPPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr,
                                 UINT iSelectPage = 0);
    virtual ~CTavoPPropertySheet();

    // A library page tells its sheet that it is being shown.
    virtual void OnActivatePage(CPropertyPage* pPage);
    // The index of the page shown last; -1 before any.
    int GetActivePageIndex() const { return m_nActivePage; }

    // A pane whose button k stands for page k (not owned; null for none).
    void SetNavigationPane(CTavoPOutlookBarPane* pPane) { m_pNavigationPane = pPane; }
    CTavoPOutlookBarPane* GetNavigationPane() const { return m_pNavigationPane; }

    // Brings the navigation pane in step with the active page.
    static const UINT WM_SYNCNAVIGATION = WM_USER + 1001;

protected:
    // Scrolls the navigation pane step by step until the button is in view.
    void ScrollNavigationTo(int iButton);

    CTavoPOutlookBarPane* m_pNavigationPane;
    int m_nActivePage;

public:
    LRESULT OnSyncNavigation(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
