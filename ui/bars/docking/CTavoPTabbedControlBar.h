// The tabbed pane made when one docking pane is dropped on another: a 3-D tab window with the tabs at the bottom.
#pragma once
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"

class CTavoPTabWnd;

class CTavoPTabbedControlBar : public CTavoPBaseTabbedBar
{
    DECLARE_SERIAL(CTavoPTabbedControlBar)
public:
    // Made through the runtime class the object does not own itself; a drop sets that after.
    explicit CTavoPTabbedControlBar(BOOL bAutoDestroy = FALSE);
    virtual ~CTavoPTabbedControlBar();

    // Control id of the tab window.
    static const UINT TAB_WND_ID = 101;

    CTavoPTabWnd* GetTabWnd() const;

    // The tab strip in screen coordinates, in the rectangle of its side.
    virtual void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const override;
    virtual BOOL IsTabLocationBottom() const override;
    // Only with at least two tabs.
    virtual BOOL DetachControlBar(CWnd* pBar, int nTabIndex, int nDockMethod, BOOL bHide) override;
    // Only with at least one tab.
    virtual BOOL FloatTab(CWnd* pBar, int nTabIndex, int nDockMethod = TAVOP_DM_RECENT,
                          BOOL bHide = FALSE) override;
    // The last visible tab closes the whole bar; otherwise the active tab hides.
    virtual void OnPressCloseButton() override;
    virtual BOOL HasPaneCaption() const override { return TRUE; }

    int OnCreate(LPCREATESTRUCT lpCreateStruct);

protected:
    DECLARE_MESSAGE_MAP()
};
