// A toolbar whose whole client area is a tab window: each tab holds another toolbar, so several toolbars share one strip.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"

class CTavoPTabWnd;

class CTavoPTabbedToolbar : public CTavoPToolBar
{
    DECLARE_SERIAL(CTavoPTabbedToolbar)
public:
    CTavoPTabbedToolbar();
    virtual ~CTavoPTabbedToolbar();

    using CTavoPToolBar::Create;
    // The bar without left and right alignment or borders; a gripper only when the low bit of
    // bHasGripper is set.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, BOOL bHasGripper);
    // The toolbar becomes the page of a new last tab, labelled with its window text, owned by
    // this bar's frame. FALSE before the bar's window exists.
    virtual BOOL AddTab(CTavoPToolBar* pNewBar, UINT uiImage = (UINT)-1, BOOL bActivate = TRUE,
                        BOOL bDetachable = FALSE);
    virtual CTavoPTabWnd* GetTabWnd() const { return m_pTabWnd; }

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual void AdjustLayout() override;

    // The control ID of the tab window.
    static const UINT kTabWndId = 101;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnNcDestroy();

protected:
    CTavoPTabWnd* m_pTabWnd;

    DECLARE_MESSAGE_MAP()
};
