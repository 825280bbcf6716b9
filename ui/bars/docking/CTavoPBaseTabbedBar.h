// A docking pane whose client area is a tab window holding other panes as tabs; so far only what the bars and the dock manager ask of it.
#pragma once
#include "ui/bars/docking/CTavoPDockingControlBar.h"

class CTavoPBaseTabWnd;

class CTavoPBaseTabbedBar : public CTavoPDockingControlBar
{
    DECLARE_DYNAMIC(CTavoPBaseTabbedBar)
public:
    CTavoPBaseTabbedBar();
    virtual ~CTavoPBaseTabbedBar();

    virtual CTavoPBaseTabWnd* GetUnderlinedWindow() const { return m_pTabWnd; }
    // The tab bar with that control id.
    virtual CTavoPBaseControlBar* FindBarByID(UINT nID) const { return NULL; }
    // Shows or hides the tab of pBar; the tabbed bar shows while a tab is visible.
    virtual void ShowTab(CWnd* pBar, BOOL bShow, BOOL bDelay, BOOL bActivate) {}
    // Takes pNewBar in as a new last tab; FALSE when it cannot.
    virtual BOOL AddTab(CWnd* pNewBar, BOOL bVisible = TRUE, BOOL bSetActive = TRUE,
                        BOOL bDetachable = TRUE)
    {
        return FALSE;
    }

protected:
    CTavoPBaseTabWnd* m_pTabWnd;
};
