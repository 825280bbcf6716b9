// The button that carries a menu: every menu-bar entry and popup-menu item, and every toolbar button with a drop-down list.
#pragma once
#include "ui/commandbars/CTavoPToolbarButton.h"

class CTavoPPopupMenu;

class CTavoPToolbarMenuButton : public CTavoPToolbarButton
{
    DECLARE_DYNCREATE(CTavoPToolbarMenuButton)
public:
    CTavoPToolbarMenuButton();
    virtual ~CTavoPToolbarMenuButton();

    virtual BOOL IsDroppedDown() const override { return m_pPopupMenu != nullptr; }
    // Whether the border of the popup this button opens may join the button.
    virtual BOOL IsBorderJoined() const { return TRUE; }

    // The popup opened by this button while it is open; not owned.
    CTavoPPopupMenu* GetPopupMenu() const { return m_pPopupMenu; }
    // The bar that holds the button.
    CWnd* GetParentWnd() const { return m_pWndParent; }

protected:
    CTavoPPopupMenu* m_pPopupMenu;
    CWnd* m_pWndParent;
};
