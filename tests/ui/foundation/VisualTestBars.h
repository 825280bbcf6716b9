// The library's bars, buttons, popups and tab windows with the state the drawing tests set directly.
#pragma once
#include "ui/bars/docking/CTavoPCaptionButton.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/tabs/CTavoPTabWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/controls/CTavoPCaptionBar.h"
#include "ui/controls/outlook/CTavoPOutlookButton.h"

namespace vmtest {

// A bar whose floating permission the test chooses and that can really float.
template <class TBar>
class TestBar : public TBar
{
public:
    ~TestBar()
    {
        if (::IsWindow(m_hWndFloatingFrame))
            ::DestroyWindow(m_hWndFloatingFrame);
    }
    // Makes the bar's window alone in a floating frame of its own.
    BOOL Float()
    {
        CTavoPMiniFrameWnd* pFrame = new CTavoPMiniFrameWnd;
        if (!pFrame->Create(NULL, WS_POPUP, CRect(0, 0, 100, 40), NULL))
        {
            delete pFrame;
            return FALSE;
        }
        m_hWndFloatingFrame = pFrame->GetSafeHwnd();
        if (!this->Create(NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 10), pFrame, 1))
            return FALSE;
        pFrame->AddControlBar(this);
        return this->IsFloating();
    }
    HWND m_hWndFloatingFrame = NULL;
    void SetCanFloat(BOOL bCanFloat)
    {
        if (bCanFloat)
            this->m_dwControlBarBehaviour |= TAVOP_CBRS_FLOAT;
        else
            this->m_dwControlBarBehaviour &= ~TAVOP_CBRS_FLOAT;
    }
};

class TestCaptionBar : public CTavoPCaptionBar
{
public:
    void SetBackgroundColor(COLORREF clr) { m_clrBarBackground = clr; }
};

class TestPopupMenuBar : public CTavoPPopupMenuBar
{
public:
    void HideImageColumn(BOOL bHide) { m_bHideImageColumn = bHide; }
};

class TestMenuButton : public CTavoPToolbarMenuButton
{
public:
    void SetParentWnd(CWnd* pWndParent) { m_pWndParent = pWndParent; }
    void SetPopupMenu(CTavoPPopupMenu* pPopupMenu) { m_pPopupMenu = pPopupMenu; }
};

// A popup menu opened by a button on the given side of it.
class TestPopup : public CTavoPPopupMenu
{
public:
    void OpenedBy(CTavoPToolbarMenuButton* pButton, DropDirection direction = DROP_DOWN)
    {
        m_pParentBtn = pButton;
        m_DropDirection = direction;
    }
};

// Two tabs along the top, the first one active.
class TestTabWnd : public CTavoPTabWnd
{
public:
    TestTabWnd()
    {
        m_location = LOCATION_TOP;
        m_iActiveTab = 0;
    }
    int GetTabsNum() const override { return 2; }
    void SetFlat(BOOL bFlat) { m_bFlat = bFlat; }
    void SetLocation(Location location) { m_location = location; }
};

} // namespace vmtest
