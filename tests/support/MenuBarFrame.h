// A library frame as an application makes it: a menu bar docked on top, docking on every side.
#pragma once
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

    CTavoPMenuBar m_wndMenuBar;
};
