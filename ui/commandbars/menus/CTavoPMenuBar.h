// The menu bar: a toolbar whose buttons open the popups of the frame's menu.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"

#ifndef AFX_IDW_MENUBAR
#define AFX_IDW_MENUBAR 0xE81A
#endif

class CTavoPMenuBar : public CTavoPToolBar
{
    DECLARE_DYNCREATE(CTavoPMenuBar)
public:
    CTavoPMenuBar();
    virtual ~CTavoPMenuBar();

    // Makes the bar window; a library frame binds it as its menu bar, which takes over the
    // frame's menu.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_MENUBAR) override;
    // The menu the bar shows; with bDefaultMenu it is the one the bar returns to.
    virtual void CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu = FALSE, BOOL bForceUpdate = FALSE);
    void SetDefaultMenuResId(UINT uiResId) { m_uiDefMenuResId = uiResId; }
    UINT GetDefaultMenuResId() const { return m_uiDefMenuResId; }
    HMENU GetMenu() const { return m_hMenu; }
    HMENU GetDefaultMenu() const { return m_hDefaultMenu; }

protected:
    // Not owned: the frame destroys its menu with itself.
    HMENU m_hMenu;
    HMENU m_hDefaultMenu;
    UINT m_uiDefMenuResId;
};
