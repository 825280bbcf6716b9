// What every library frame shares and embeds: the menu-bar binding, user-defined and torn-off bars, and the load and save of the frame's bar state.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPFrameImpl
{
public:
    explicit CTavoPFrameImpl(CFrameWnd* pFrame);
    virtual ~CTavoPFrameImpl();

    virtual void LoadUserToolbars();
    virtual void SaveUserToolbars(BOOL bFrameBarsOnly);
    virtual void LoadTearOffBars();
    virtual void SaveTearOffBars(BOOL bFrameBarsOnly);

    // The framework's own bar placement, kept under the application key in the given section.
    virtual void LoadFrameworkDockState(LPCTSTR lpszSectionName);
    virtual void SaveFrameworkDockState(LPCTSTR lpszSectionName);
    virtual BOOL IsDockStateValid();
    virtual void ApplyFrameworkDockState();

    // The library's docking layout below the given registry path, through the dock manager.
    virtual void LoadDockState(LPCTSTR lpszProfileName);
    virtual BOOL SaveDockState(LPCTSTR lpszProfileName);

    CFrameWnd* m_pFrame;

protected:
    // The control IDs reserved for user-defined toolbars; -1 when there is no range.
    int m_nUserToolbarFirst;
    int m_nUserToolbarLast;
};
