// The window of every drop-down menu, sub-menu and context menu, holding one popup menu bar.
#pragma once
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"

class CTavoPToolbarMenuButton;

class CTavoPPopupMenu : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CTavoPPopupMenu)
public:
    CTavoPPopupMenu();
    virtual ~CTavoPPopupMenu();

    // Where the popup lies relative to the button that opened it.
    enum DropDirection
    {
        DROP_NONE = 0,
        DROP_DOWN = 1,
        DROP_UP = 2,
        DROP_RIGHT = 3,
        DROP_LEFT = 4
    };

    // Where a screen point lies: a click in an edge band closes the popup.
    enum HitArea
    {
        HT_INSIDE = 0,
        HT_EDGE_TOP = 1,
        HT_EDGE_BOTTOM = 2,
        HT_OUTSIDE = 4
    };
    virtual int HitTest(CPoint ptScreen) const;

    virtual CTavoPPopupMenuBar* GetMenuBar() { return &m_wndMenuBar; }
    // The button that opened this popup; null for a context menu.
    CTavoPToolbarMenuButton* GetParentButton() const { return m_pParentBtn; }
    // The popup whose item bar holds the parent button; null at the top of a chain.
    CTavoPPopupMenu* GetParentPopupMenu() const;
    DropDirection GetDropDirection() const { return m_DropDirection; }
    // A popup that its frame may not refuse.
    BOOL IsAlwaysShown() const { return m_bAlwaysShow; }

    // The open popup that receives the keys; null when none is open.
    static CTavoPPopupMenu* GetActiveMenu() { return m_pActivePopupMenu; }
    static void SetActiveMenu(CTavoPPopupMenu* pMenu) { m_pActivePopupMenu = pMenu; }

    // Options shared by all popup menus: the kind of opening animation (0 none, 1 unfold,
    // 2 slide, 3 fade) and whether popups cast a shadow.
    static int m_AnimationType;
    static BOOL m_bMenuShadows;

protected:
    CTavoPToolbarMenuButton* m_pParentBtn;
    DropDirection m_DropDirection;
    BOOL m_bAlwaysShow;
    CTavoPPopupMenuBar m_wndMenuBar;

    static CTavoPPopupMenu* m_pActivePopupMenu;
};
