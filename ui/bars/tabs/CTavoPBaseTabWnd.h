// The base of the tab windows that hold panes and pages as tabs; so far only what the bars ask of a tab window.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPBaseTabWnd : public CWnd
{
    DECLARE_DYNAMIC(CTavoPBaseTabWnd)
public:
    CTavoPBaseTabWnd();
    virtual ~CTavoPBaseTabWnd();

    virtual int GetTabsNum() const { return 0; }
    virtual int GetVisibleTabsNum() const { return 0; }
    // The tab that shows hWnd, -1 when none does.
    virtual int GetTabFromHwnd(HWND hWnd) const { return -1; }
    virtual BOOL IsTabVisible(int iTab) const { return FALSE; }
    virtual BOOL IsTabDetachable(int iTab) const { return FALSE; }
    virtual BOOL ShowTab(int iTab, BOOL bShow = TRUE, BOOL bRecalcLayout = TRUE) { return FALSE; }
};
