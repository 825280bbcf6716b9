// The menu bar: a toolbar whose buttons open the popups of the frame's menu and of the document templates' menus, with the window buttons of a maximized document window.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"
#include <vector>

#ifndef AFX_IDW_MENUBAR
#define AFX_IDW_MENUBAR 0xE81A
#endif

class CMDIChildWnd;
class CMultiDocTemplate;
class CTavoPMenuPage;

class CTavoPMenuBar : public CTavoPToolBar
{
    DECLARE_SERIAL(CTavoPMenuBar)
public:
    CTavoPMenuBar();
    virtual ~CTavoPMenuBar();

    // Makes the bar window; its creation binds it as the frame's menu bar, which takes over the
    // frame's menu.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_MENUBAR) override;
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                          CRect rcBorders = CRect(1, 1, 1, 1), UINT nID = AFX_IDW_MENUBAR) override;
    // Makes the buttons of a menu, one per position; with bDefaultMenu it is the menu the bar
    // returns to when no document menu applies.
    virtual void CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu = FALSE, BOOL bForceUpdate = FALSE);
    virtual void OnDefaultMenuLoaded(HMENU) {}

    void SetDefaultMenuResId(UINT uiResId) { m_uiDefMenuResId = uiResId; }
    UINT GetDefaultMenuResId() const { return m_uiDefMenuResId; }
    HMENU GetMenu() const { return m_hMenu; }
    HMENU GetDefaultMenu() const { return m_hDefaultMenu; }
    HMENU GetHMenu() const { return m_hMenu; }
    // Whether the templates' menus are loaded and saved with the bar.
    void EnableMenuStatePerTemplate(BOOL bEnable = TRUE) { m_bPerTemplateMenus = bEnable; }
    // Whether every menu on the bar shows a drop-down arrow, as on a toolbar.
    void SetDropDownArrows(BOOL bShow);
    BOOL HasDropDownArrows() const { return m_bDropDownArrows; }

    // The customization's menu page while it is open (null when closed): it chooses the menu
    // the bar shows, and follows the bar's reset.
    void SetMenuPage(CTavoPMenuPage* pMenuPage) { m_pMenuPage = pMenuPage; }
    CTavoPMenuPage* GetMenuPage() const { return m_pMenuPage; }
    // No button stays selected for customizing.
    void DeselectButtons();
    // Whether a menu was loaded by this bar and is still its to destroy.
    BOOL OwnsMenu(HMENU hMenu) const;
    // Someone else destroyed the menu, or took it over.
    void ForgetBuiltMenu(HMENU hMenu);
    // The bar destroys the menu with itself.
    void AdoptMenu(HMENU hMenu);

    // Shows or hides the icon and the window buttons of a maximized document window.
    void SetMaximizeMode(BOOL bMax, CWnd* pWnd = NULL, BOOL bRecalcLayout = TRUE);
    BOOL IsMaximizeMode() const { return m_bMaximizeMode; }
    // Puts the window buttons back after a state was loaded into the bar.
    void RestoreMaximizeMode(BOOL bRecalcLayout = TRUE);
    CSize GetWindowButtonSize() const { return m_szSystemButton; }

    static CFont& GetMenuFont(BOOL bHorz = TRUE);
    // Gives every document window of the template the template's shared menu and accelerators.
    static void UpdateMDIChildrenMenu(CMultiDocTemplate* pTemplate);
    // The application's multi-document templates that have a shared menu.
    static std::vector<CMultiDocTemplate*> SharedMenuTemplates();
    // The sub-key the menu bar keeps its state under.
    static LPCTSTR const m_lpszProfileSubKey;

    // ---- overrides of the toolbar ----
    virtual void RefreshButtonImages() override;
    virtual int GetRowHeight() const override;
    virtual int GetColumnWidth() const override;
    virtual BOOL RestoreOriginalState() override;
    // Not while a stored state is read: a state that cannot be read is replaced by the menu
    // that is being loaded, not by all the menus of the resources.
    virtual BOOL CanBeRestored() const override { return !m_bLoadingState; }
    virtual BOOL LoadOriginalItems(CTavoPRegistry& reg) override;
    virtual BOOL SetDefaultButtonText(CTavoPToolbarButton* pButton) override;
    virtual void SelectButton(int iButton) override;
    virtual void LayoutButtons() override;
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual CSize CalcLayout(DWORD dwMode, int nLength = -1) override;
    virtual CSize CalcStretchedSize(int nLength, BOOL bVert) override;
    virtual BOOL OnSendCommand(const CTavoPToolbarButton* pButton) override;
    virtual int FindDropIndex(const CPoint point, CRect& rectDrag) const override;
    virtual int CalcTextLabelHeight() override;
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                           UINT uiSubIndex = (UINT)-1) override;
    virtual int GetExpandableLength() const override { return 0xffff; }
    virtual BOOL AllowShowTextLabels() const override { return FALSE; }

    // Timer of the five-second expansion of a shortened menu.
    enum
    {
        kTimerShowAll = 1
    };

protected:
    // The registry path the toolbar's state functions are given.
    CString StatePath(LPCTSTR lpszProfileName) const;
    // Replaces the buttons by the items of a menu resource, as the bar's reset items too.
    void LoadResetItems(UINT uiResId);
    void BuildButtons(HMENU hMenu);
    // Docked: the whole length of the row, with the buttons wrapped to it.
    CSize CalcDockedLayout(int nRowLength, BOOL bHorz);
    // After the buttons of another menu were in the bar: the window buttons come back when
    // bMaximize, and the bar and its frame lay out again.
    void ShowAgain(BOOL bMaximize);
    void AddWindowButtons(CWnd* pChild);
    void RemoveWindowButtons();
    BOOL IsWindowButton(const CTavoPToolbarButton* pButton) const;
    BOOL IsSystemMenuButtonAt(int iIndex) const;
    // The hot button moves to the next (or previous) menu, wrapping at the ends.
    void StepHot(int nStep);
    int FirstMenuIndex() const;
    CMDIChildWnd* GetActiveMDIChild() const;
    // The document templates with a shared menu, when the bar keeps their menus.
    std::vector<CMultiDocTemplate*> MenuTemplates() const;
    CWnd* OwnerFrame() const;

    BOOL m_bPerTemplateMenus;
    CFrameWnd* m_pParentWnd;
    BOOL m_bMaximizeMode;
    HMENU m_hMenu;
    HMENU m_hDefaultMenu;
    HMENU m_hSysMenu;
    HICON m_hSysIcon;
    UINT m_uiDefMenuResId;
    int m_nSystemButtonsNum;
    int m_nSystemButtonsNumSaved;
    BOOL m_bHaveButtons;
    CSize m_szSystemButton;
    CTavoPMenuPage* m_pMenuPage;
    BOOL m_bLoadingState;
    BOOL m_bDropDownArrows;
    // Menus this bar loaded from the resources, or took over from its frame, and has not handed
    // to a frame or template.
    std::vector<HMENU> m_builtMenus;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnSetFocus(CWnd* pOldWnd);
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);

protected:
    DECLARE_MESSAGE_MAP()
};
