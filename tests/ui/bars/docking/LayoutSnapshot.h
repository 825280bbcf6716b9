// What a frame's docking layout shows of each pane: docked in a tree, a tab of a group, floating alone or in a group, or pinned off to a strip, with its place, for comparing a layout before and after it is stored.
#pragma once
#include "tests/ui/bars/docking/DockTreeSupport.h"
#include "ui/bars/docking/CTavoPAutoHideButton.h"
#include "ui/bars/docking/CTavoPAutoHideToolBar.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include <ostream>
#include <string>
#include <vector>

// The tab group a pane is a tab of, else the pane itself.
inline CTavoPDockingControlBar* OwnerOf(CTavoPDockingControlBar* pPane)
{
    for (CWnd* pWnd = pPane->GetParent(); pWnd != NULL; pWnd = pWnd->GetParent())
    {
        if (CTavoPBaseTabbedBar* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pWnd))
            return pTabbed;
    }
    return pPane;
}

// Where the layout shows one pane: the pane itself, or the tab group holding it.
struct LayoutShot
{
    UINT nID;
    std::string where; // "docked", "tab 0", "tab 1", ..., "floating", "pinned <side>"
    CRect rect;        // the pane's or its group's, frame client coordinates
    bool bVisible;
    std::string path; // of the pane or its group in its tree, or in its floating group's
    bool bActive;     // the active tab of its group
    std::string label;
    CRect rectStrip; // a pinned pane's strip, frame client coordinates, and its button on it
    CRect rectButton;
    bool bButtonShown;
    bool operator==(const LayoutShot& o) const
    {
        return nID == o.nID && where == o.where && rect == o.rect && bVisible == o.bVisible &&
               path == o.path && bActive == o.bActive && label == o.label &&
               rectStrip == o.rectStrip && rectButton == o.rectButton &&
               bButtonShown == o.bButtonShown;
    }
};

inline void PrintTo(const LayoutShot& s, std::ostream* os)
{
    *os << s.nID << " " << s.where << " ";
    PrintTo(s.rect, os);
    *os << (s.bVisible ? " shown " : " hidden ") << s.path << (s.bActive ? " active " : " ") << "'"
        << s.label << "'";
    if (!s.rectStrip.IsRectNull())
    {
        *os << " strip ";
        PrintTo(s.rectStrip, os);
        *os << " button ";
        PrintTo(s.rectButton, os);
        *os << (s.bButtonShown ? " shown" : " hidden");
    }
}

inline std::vector<LayoutShot> LayoutSnapshot(CFrameWnd* pFrame,
                                              const std::vector<CTavoPDockingControlBar*>& panes)
{
    std::vector<LayoutShot> shots;
    for (CTavoPDockingControlBar* pPane : panes)
    {
        LayoutShot s = {};
        s.nID = pPane->GetDlgCtrlID();
        CTavoPDockingControlBar* pOwner = OwnerOf(pPane);
        s.where = "docked";
        CTavoPMultiMiniFrameWnd* pGroup = NULL;
        if (CTavoPBaseTabbedBar* pTabbed = DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pOwner))
        {
            CTavoPBaseTabWnd* pTabWnd = pTabbed->GetUnderlinedWindow();
            const int iTab = pTabWnd->GetTabFromHwnd(pPane->GetSafeHwnd());
            s.where = "tab " + std::to_string(iTab);
            s.bActive = pTabWnd->GetActiveTab() == iTab;
            CString strLabel;
            pTabWnd->GetTabLabel(iTab, strLabel);
            s.label = (LPCTSTR)strLabel;
        }
        else if (pPane->IsAutoHideMode())
        {
            s.where = "pinned " + std::to_string(pPane->GetCurrentAlignment());
            CTavoPAutoHideToolBar* pStrip = pPane->GetAutoHideToolBar();
            CTavoPAutoHideButton* pButton = pStrip != NULL ? pStrip->FindButton(pPane) : NULL;
            if (pButton != NULL)
            {
                pStrip->GetWindowRect(s.rectStrip);
                pFrame->ScreenToClient(s.rectStrip);
                s.rectButton = pButton->GetRect();
                s.bButtonShown = pButton->IsVisible() != FALSE;
            }
        }
        else if (DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, pPane->GetParent()) != NULL)
        {
            s.where = "floating";
            pGroup = DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd, pPane->GetParent());
        }
        else if (pPane->GetParent() != pFrame)
        {
            s.where = "elsewhere";
        }
        pOwner->GetWindowRect(s.rect);
        pFrame->ScreenToClient(s.rect);
        s.bVisible = pPane->IsWindowVisible() != FALSE;
        CTavoPSlider* pSlider = pOwner->GetDefaultSlider();
        if (pGroup != NULL)
            s.path = NodePath(pGroup->GetBarTreeManager().GetRootContainer(), pOwner);
        else
            s.path = pSlider != NULL && pSlider->GetBarTreeManager() != NULL
                         ? NodePath(pSlider->GetBarTreeManager()->GetRootContainer(), pOwner)
                         : "-";
        shots.push_back(s);
    }
    return shots;
}
