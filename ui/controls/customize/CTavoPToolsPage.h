// The "Tools" page of the customization sheet: the workspace's user tools, with the command, arguments and initial directory of the selected one edited in place.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/controls/CTavoPMenuButton.h"
#include "ui/controls/customize/CTavoPToolsList.h"

class CTavoPUserTool;
class CTavoPUserToolsManager;

class CTavoPToolsPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CTavoPToolsPage)
public:
    // The two menus are the application's resources: each item's command is the id of a string
    // resource (a macro) that the item types into the arguments or initial-directory edit. With
    // 0 the button has no menu and stays disabled.
    explicit CTavoPToolsPage(UINT uiArgumentsMenuId = 0, UINT uiInitialDirMenuId = 0);
    virtual ~CTavoPToolsPage();

    CTavoPUserTool* GetSelTool() const;
    // Shows the selected tool in the controls (nothing when none is selected) and enables them.
    void OnSelectTool();

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;

    // The workspace's manager, null when user tools are not enabled.
    static CTavoPUserToolsManager* ToolsManager();
    // Replaces the placeholder of the list by the list itself, in its place in the tab order.
    BOOL CreateToolsList();
    void LoadMacroMenu(UINT uiMenuId, HMENU& hMenu, CTavoPMenuButton& button);
    void FreeMacroMenus();
    // Writes the texts into the edits without taking the edits' notifications for the user's.
    void ShowTexts();
    // The controls are read into the selected tool, or emptied when there is none.
    void UpdateTool();
    void EnableControls();
    // Types the text of the string resource last chosen from the button's menu into the edit.
    void TypeMacro(CTavoPMenuButton& button, CEdit& edit);

    CTavoPToolsList m_wndToolsList;
    CEdit m_wndCommandEdit;
    CButton m_wndBrowseButton;
    CEdit m_wndArgumentsEdit;
    CTavoPMenuButton m_wndArgumentsMenuButton;
    CEdit m_wndInitialDirEdit;
    CTavoPMenuButton m_wndInitialDirMenuButton;

    CString m_strCommand;
    CString m_strArguments;
    CString m_strInitialDirectory;

    UINT m_uiArgumentsMenuId;
    UINT m_uiInitialDirMenuId;
    HMENU m_hArgumentsMenu;
    HMENU m_hInitialDirMenu;
    // Set while the page itself writes into the edits.
    BOOL m_bShowingTexts;

public:
    void OnBrowseCommand();
    void OnUpdateTool();
    void OnArgumentsOptions();
    void OnInitialDirectoryOptions();
    void OnDestroy();

protected:
    DECLARE_MESSAGE_MAP()
};
