// A library frame as an application makes it: a menu bar docked on top, docking on every side, opened as the main window.
#pragma once
#include "tests/support/TestApp.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"

// TBase is a library frame class. The derived frame lists ON_WM_CREATE in its message map (with
// TBase as the map's base), since a template carries no map of its own.
template <class TBase>
class MenuBarFrame : public TBase
{
public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (TBase::OnCreate(lpCreateStruct) == -1 || !m_wndMenuBar.Create(this))
            return -1;
        m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
        this->EnableDocking(CBRS_ALIGN_ANY);
        this->DockControlBar(&m_wndMenuBar);
        return 0;
    }
    // Loads the frame with its menu resource and shows it at rect (screen) as the application's
    // main window.
    BOOL OpenAsMainWindow(UINT nMenu, const CRect& rect)
    {
        if (!this->LoadFrame(nMenu, WS_OVERLAPPEDWINDOW))
            return FALSE;
        TestApp().m_pMainWnd = this;
        this->SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER);
        this->ShowWindow(SW_SHOWNORMAL);
        this->RecalcLayout();
        return TRUE;
    }

    CTavoPMenuBar m_wndMenuBar;
};
