// The customization sheet: hosts the customization pages, owns the command catalogue they show, answers their context help and is told when toolbars are shown or hidden.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CMapStringToPtr.h"
#include "framework/CObList.h"
#include "framework/CStringList.h"

class CTavoPToolBar;
class CTavoPToolbarButton;
class CTavoPToolbarsPage;
class CTavoPCustomizePage;
class CTavoPOptionsPage;
class CTavoPKeyboardPage;
class CTavoPMenuPage;
class CTavoPMousePage;
class CTavoPToolsPage;

// Sheet option flags.
#define TAVOCUSTOMIZE_MENU_SHADOWS 0x01
#define TAVOCUSTOMIZE_TEXT_LABELS 0x02
#define TAVOCUSTOMIZE_LOOK_2000 0x04
#define TAVOCUSTOMIZE_MENU_ANIMATIONS 0x08
#define TAVOCUSTOMIZE_CONTEXT_HELP 0x20

class CTavoPToolbarCustomize : public CPropertySheet
{
    DECLARE_DYNAMIC(CTavoPToolbarCustomize)
public:
    // The sheet for the toolbars of pParentFrame. bUserToolbars lets the Toolbars page create,
    // rename and delete user toolbars; bPersonalization shows the personalized-menus options.
    // The Tools page's argument and directory buttons offer the macros of the first popups of
    // the two menu resources (0: that button has none).
    CTavoPToolbarCustomize(CFrameWnd* pParentFrame, UINT uiFlags = TAVOCUSTOMIZE_TEXT_LABELS,
                           BOOL bUserToolbars = FALSE, BOOL bPersonalization = FALSE,
                           LPCTSTR lpszAllCommands = "All Commands", UINT uiArgumentsMenuId = 0,
                           UINT uiInitialDirMenuId = 0);
    virtual ~CTavoPToolbarCustomize();

    // ---- building the catalogue (before the sheet's window is made) ----
    // A copy of the button joins the category (made on first use, placed last in the order);
    // a command button also joins the all-commands category unless a button of its command
    // is there already. Added to the all-commands category by name, a button is taken as it is.
    void AddButton(LPCTSTR lpszCategory, const CTavoPToolbarButton& button);
    // Every button of the toolbar, as AddButton adds them.
    void AddToolBar(LPCTSTR lpszCategory, const CTavoPToolBar& toolBar);

    // ---- services of the pages ----
    void AddToolbar(CTavoPToolBar* pToolBar, BOOL bShow);
    void FillCategoriesListBox(CListBox& wndCategory, BOOL bAllCategories = TRUE) const;
    void FillCategoriesComboBox(CComboBox& wndCategory, BOOL bAllCategories = TRUE) const;
    LPCTSTR GetCommandName(UINT uiCmd) const;
    // Every command of the all-commands category by its name, with the command ID as item data.
    void FillAllCommandsList(CListBox& wndListOfCommands) const;
    int GetCountInCategory(LPCTSTR lpszItemName, const CObList& lstCommands) const;

    const CString& GetAllCommandsName() const { return m_strAllCommands; }
    UINT GetFlags() const { return m_uiFlags; }
    CFrameWnd* GetParentFrame() const { return m_pParentFrame; }
    CTavoPToolbarsPage* GetToolbarsPage() const { return m_pToolbarsPage; }
    CTavoPCustomizePage* GetCommandsPage() const { return m_pCustomizePage; }
    CTavoPOptionsPage* GetOptionsPage() const { return m_pOptionsPage; }
    CTavoPKeyboardPage* GetKeyboardPage() const { return m_pKeyboardPage; }
    CTavoPMenuPage* GetMenuPage() const { return m_pMenuPage; }
    // Null when the application has no mouse manager.
    CTavoPMousePage* GetMousePage() const { return m_pMousePage; }
    // Null when the application has no user-tools manager.
    CTavoPToolsPage* GetToolsPage() const { return m_pToolsPage; }

    // The sheet whose window was made last and still exists; null when none is open.
    static CTavoPToolbarCustomize* GetActiveSheet();

    // Control IDs with their help IDs, ending in 0, 0.
    static const DWORD m_HelpIds[];

protected:
    // One row per category with its button list as data; the all-commands row comes last.
    template <class TControl>
    void FillCategories(TControl& wndCategory, BOOL bAllCategories) const;

    CMapStringToPtr m_ButtonsByCategory;
    CStringList m_strCategoriesList;
    CString m_strAllCommands;
    CTavoPToolbarsPage* m_pToolbarsPage;
    CTavoPCustomizePage* m_pCustomizePage;
    CTavoPOptionsPage* m_pOptionsPage;
    CTavoPKeyboardPage* m_pKeyboardPage;
    CTavoPMenuPage* m_pMenuPage;
    CTavoPMousePage* m_pMousePage;
    CTavoPToolsPage* m_pToolsPage;
    CFrameWnd* m_pParentFrame;
    UINT m_uiFlags;
    // Whether this sheet turned customize mode on, and so turns it off again.
    BOOL m_bEnteredCustomizeMode;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnDestroy();

protected:
    DECLARE_MESSAGE_MAP()
};
