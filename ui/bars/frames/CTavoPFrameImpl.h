// What every library frame shares and embeds: the menu-bar binding, keys and clicks for open popups and toolbars, user-defined and torn-off bars, the stored placement and the load and save of the frame's bar state.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPControlBar;
class CTavoPDockManager;
class CTavoPMenuBar;
class CTavoPPopupMenu;
class CTavoPToolBar;

class CTavoPFrameImpl
{
public:
    explicit CTavoPFrameImpl(CFrameWnd* pFrame);
    virtual ~CTavoPFrameImpl();

    // ---- set up by the frame ----
    void SetDockManager(CTavoPDockManager* pDockManager) { m_pDockManager = pDockManager; }
    void SetFrameResourceID(UINT uiID) { m_nIDDefaultResource = uiID; }
    UINT GetFrameResourceID() const { return m_nIDDefaultResource; }
    // Called by the menu bar as its window is made for this frame.
    void SetMenuBar(CTavoPMenuBar* pMenuBar);
    CTavoPMenuBar* GetMenuBar() const { return m_pMenuBar; }
    HMENU GetDefaultMenu() const { return m_hDefaultMenu; }
    // The menu bar replaced the frame's own menu by a fresh copy of its resource.
    void SetDefaultMenu(HMENU hMenu) { m_hDefaultMenu = hMenu; }

    // ---- the frame's life ----
    void OnLoadFrame();
    void OnCloseFrame();
    // The screen's colour depth changed: the global data, which the bars' paints read it from,
    // takes the new one (only top-level windows are told).
    void OnDisplayChange();
    // Moves the window being created to its stored placement, kept on a visible work area.
    void RestorePosition(CREATESTRUCT& cs);

    // ---- input before the framework sees it; TRUE when the message is eaten ----
    BOOL ProcessKeyboard(int nKey, BOOL* pbProcessAccel = NULL);
    // The frame's pre-translation of key presses and releases for menus: TRUE when the frame
    // answers bResult at once, without its own translation.
    BOOL PreTranslateKeys(MSG* pMsg, BOOL& bResult);
    // The frame's pre-translation of keys and mouse messages, the same for every library frame:
    // TRUE when the frame answers bResult at once, FALSE to go on to the frame's own translation.
    BOOL PreTranslateFrameMessage(MSG* pMsg, BOOL& bResult);
    // Menu mode on (the menu bar takes the focus, its first menu hot) or off; FALSE without a
    // menu bar to take it.
    BOOL ToggleMenuBarFocus();
    BOOL ProcessMouseClick(UINT uiMsg, CPoint ptScreen, HWND hwnd);
    BOOL TranslateMnemonic(UINT nChar);
    BOOL OnShowPopupMenu(CTavoPPopupMenu* pMenuPopup, CFrameWnd* pWndFrame);
    void DeactivateMenu();
    static BOOL IsHelpKey(LPMSG lpMsg);
    // The helper of a library frame of any kind; null for any other frame.
    static CTavoPFrameImpl* FromFrame(CFrameWnd* pFrame);
    // The library frame activated last, null when none was or it is gone: menus take their
    // shortcut texts from it, also the menus of bars floating beside it.
    static CFrameWnd* GetLastActiveFrame();
    static void SetLastActiveFrame(CFrameWnd* pFrame);

    // ---- user-defined and torn-off bars ----
    void SetUserToolbarRange(int nFirst, int nLast)
    {
        m_nUserToolbarFirst = nFirst;
        m_nUserToolbarLast = nLast;
    }
    CTavoPToolBar* CreateNewToolbar(LPCTSTR lpszName);
    BOOL DeleteToolbar(CTavoPToolBar* pToolBar);
    BOOL IsUserDefinedToolbar(const CTavoPControlBar* pBar) const;
    void AddTearOffBar(CTavoPControlBar* pBar);
    void RemoveTearOffBar(CTavoPControlBar* pBar);
    const CObList& GetTearOffBars() const { return m_listTearOffToolbars; }

    virtual void LoadUserToolbars();
    virtual void SaveUserToolbars(BOOL bFrameBarsOnly);
    virtual void LoadTearOffBars();
    virtual void SaveTearOffBars(BOOL bFrameBarsOnly);

    // The framework's own bar placement, kept under the application key in the given section;
    // the framework frame holds no bars of its own, so there is nothing to keep there.
    virtual void LoadFrameworkDockState(LPCTSTR lpszSectionName);
    virtual void SaveFrameworkDockState(LPCTSTR lpszSectionName);
    virtual BOOL IsDockStateValid();
    // Applies the loaded docking layout once every bar exists.
    virtual void ApplyFrameworkDockState();

    // The library's docking layout below the given registry path, through the dock manager.
    virtual void LoadDockState(LPCTSTR lpszProfileName);
    virtual BOOL SaveDockState(LPCTSTR lpszProfileName);

    CFrameWnd* m_pFrame;

protected:
    // The control IDs reserved for user-defined toolbars; -1 when there is no range.
    int m_nUserToolbarFirst;
    int m_nUserToolbarLast;
    CObList m_listUserDefinedToolbars;
    CObList m_listTearOffToolbars;
    // The profile the user toolbars keep their state under.
    CString m_strControlBarRegEntry;
    CTavoPMenuBar* m_pMenuBar;
    HMENU m_hDefaultMenu;
    CTavoPDockManager* m_pDockManager;
    UINT m_nIDDefaultResource;

    int FindFreeUserToolbarID() const;
    // A new toolbar window of the frame, or null when its window cannot be made.
    CTavoPToolBar* MakeToolbar(CTavoPToolBar* pToolBar, UINT uiID);
    // The registry path the torn-off bars are kept under.
    CString TearOffSection() const;
    // A control ID that no bar of the frame uses, for a torn-off bar whose stored one is taken.
    UINT FreshTearOffID() const;
};
