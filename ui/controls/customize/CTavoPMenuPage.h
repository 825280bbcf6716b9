// The "Menu" page of the customization sheet: chooses which frame menu the menu bar shows for editing and resets it, opens the context menus as editable popups and resets them, and sets the menu animation and shadows.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPMenuBar;
class CTavoPPopupMenu;

class CTavoPMenuPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CTavoPMenuPage)
public:
    // pParentFrame is told when a menu is reset (none tells nobody); bAutoSet also offers the
    // shared menu of every multi-document template.
    explicit CTavoPMenuPage(CFrameWnd* pParentFrame = nullptr, BOOL bAutoSet = FALSE);
    virtual ~CTavoPMenuPage();

    // A popup this page opened is closing: its place and items are kept for the next one.
    void OnCloseContextMenu(CTavoPPopupMenu* pMenuPopup);
    // Shows the menu of the template's entry (null: the "Default Menu" entry); without
    // bKeepShown the menu shown so far is taken as gone. FALSE when no entry holds the template.
    BOOL SelectTemplateEntry(CMultiDocTemplate* pTemplate, BOOL bKeepShown = FALSE);

    // The open context popup, null when none is open.
    CTavoPPopupMenu* GetContextMenu() const { return m_pContextMenu; }
    // Where the next context popup opens: where the last one was left, (100, 100) at first.
    static CPoint GetLastMenuPos() { return m_ptMenuLastPos; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;

    // The menu bar being customized while its window lives; null otherwise.
    CTavoPMenuBar* MenuBar() const;
    // The sheet's option flags; every option is on in a sheet other than the customization sheet.
    UINT SheetFlags() const;
    // Writes the fields into the controls; the chosen entries stay chosen even where two
    // entries share a text.
    void Refresh();
    void FillAnimationKinds();
    // The popup's place becomes the place of the next one and its items are cached.
    void SaveContextMenuState(CTavoPPopupMenu* pPopup);
    void CloseContextMenu();
    // Whether a window, template or the bar still uses the menu.
    BOOL IsMenuInUse(HMENU hMenu) const;
    // The frames whose default menu was hOld take hNew; FALSE when none of them owns it.
    BOOL HandOverDefaultMenu(HMENU hOld, HMENU hNew) const;
    // The frames that may hold one of the menus.
    void CollectFrames(CFrameWnd* pFrames[3]) const;

    CStatic m_wndMenuAnimationsLabel;
    CComboBox m_wndMenuAnimations;
    CButton m_wndMenuShadows;
    CButton m_wndContextFrame;
    CStatic m_wndContextHint;
    CButton m_wndResetMenuButton;
    CStatic m_wndContextMenuCaption;
    CComboBox m_wndContextMenus;
    CStatic m_wndIcon;
    CComboBox m_wndMenuesList;
    CString m_strMenuDescr;
    CString m_strContextMenuName;
    CString m_strMenuName;
    int m_iMenuAnimationType;
    BOOL m_bMenuShadows;
    CTavoPMenuBar* m_pMenuBar;
    HWND m_hwndMenuBar;
    HMENU m_hmenuCurr;     // the menu bar's default menu
    HMENU m_hmenuSelected; // the menu the menu bar shows for this page
    CTavoPPopupMenu* m_pContextMenu;
    UINT m_uiContextMenuResId;
    BOOL m_bIsDefaultMDIMenu;
    BOOL m_bAutoSet;
    CFrameWnd* m_pParentFrame;

    static CPoint m_ptMenuLastPos;

public:
    void OnSelchangeMenuList();
    void OnResetFrameMenu();
    void OnSelchangeContextMenuList();
    void OnResetContextMenu();
    void OnDestroy();

protected:
    DECLARE_MESSAGE_MAP()
};
