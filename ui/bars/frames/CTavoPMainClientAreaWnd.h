// The MDI client window of a library multi-document frame taken over: menus go to the menu bar, the frame paints the background, and MDI tabs show one tab per document window when the owner turns them on.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CImageList.h"
#include "framework/CMap.h"
#include "ui/bars/frames/CTavoPMDITabWnd.h"

class CTavoPMainClientAreaWnd : public CWnd
{
    DECLARE_DYNAMIC(CTavoPMainClientAreaWnd)
public:
    CTavoPMainClientAreaWnd();
    virtual ~CTavoPMainClientAreaWnd();

    // Creates the tab strip beside the MDI client and the image list of the children's icons.
    virtual void PreSubclassWindow() override;
    // Places the tab strip and the MDI client into the space the docked bars leave (frame
    // client coordinates).
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder) override;

    // With tabs shown, the tab of that document window becomes active.
    void SetActiveTab(HWND hwnd);
    // Brings the tabs in step with the MDI children: one tab each, its label and icon.
    void UpdateTabs();

    // The frame's Window popup with the MDI client's list of documents brought up to date first,
    // ready to be read (the list in the menu may lag behind the documents until refreshed).
    HMENU RefreshWindowMenu();

    // Turns MDI tabs on or off; the frame is laid out again. Location, icons and close button
    // take effect when the tab strip is made, so set them before the MDI client is taken over.
    void EnableMDITabs(BOOL bEnable = TRUE);
    void SetTabLocation(CTavoPBaseTabWnd::Location location) { m_tabLocation = location; }
    void SetTabIcons(BOOL bShow) { m_bTabIcons = bShow; }
    void SetTabCloseButton(BOOL bClose) { m_bTabCloseButton = bClose; }
    BOOL IsMDITabsEnabled() const { return m_bIsMDITabbed; }
    BOOL AreTabsShown() const { return m_bTabIsVisible; }
    CTavoPTabWnd& GetMDITabs() { return m_wndTab; }
    // Print preview hides the strip and leaving it shows the strip again (without activation)
    // when tabs are enabled.
    void SetPreviewMode(BOOL bPreview);

    // The registered update request: the tabs are brought in step (message 0x465).
    static const UINT WM_UPDATE_MDI_TABS = 0x465;

protected:
    CTavoPMDITabWnd m_wndTab;
    CTavoPBaseTabWnd::Location m_tabLocation;
    BOOL m_bTabIsVisible;
    BOOL m_bIsMDITabbed;
    CImageList m_TabIcons;
    BOOL m_bTabCloseButton;
    BOOL m_bTabIcons;
    CMap<HICON, HICON, int, int> m_mapIcons;
    CRect m_rectTabWnd;
    // The height the client was last given here: the frame's default sizing may have moved it
    // since.
    int m_nClientHeight;

public:
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnSetMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnMDIRefreshMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnMDIDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnUpdateTabs(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
