#include "ui/controls/customize/CTavoPToolsPage.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "framework/CTestSeams.h"
#include "res/LibraryIds.h"

BEGIN_MESSAGE_MAP(CTavoPToolsPage, CPropertyPage)
    ON_BN_CLICKED(IDC_TAVOP_TOOL_BROWSE, OnBrowseCommand)
    ON_EN_UPDATE(IDC_TAVOP_TOOL_COMMAND, OnUpdateTool)
    ON_EN_UPDATE(IDC_TAVOP_TOOL_ARGUMENTS, OnUpdateTool)
    ON_EN_UPDATE(IDC_TAVOP_TOOL_INITIAL_DIR, OnUpdateTool)
    ON_BN_CLICKED(IDC_TAVOP_TOOL_ARGUMENTS_MENU, OnArgumentsOptions)
    ON_BN_CLICKED(IDC_TAVOP_TOOL_INITIAL_DIR_MENU, OnInitialDirectoryOptions)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPToolsPage, CPropertyPage)

CTavoPToolsPage::CTavoPToolsPage(UINT uiArgumentsMenuId, UINT uiInitialDirMenuId)
    : CPropertyPage(IDD_TAVOP_TOOLS_PAGE), m_wndToolsList(this),
      m_uiArgumentsMenuId(uiArgumentsMenuId), m_uiInitialDirMenuId(uiInitialDirMenuId),
      m_hArgumentsMenu(nullptr), m_hInitialDirMenu(nullptr), m_bShowingTexts(FALSE)
{}

CTavoPToolsPage::~CTavoPToolsPage()
{
    FreeMacroMenus();
}

void CTavoPToolsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_TOOL_COMMAND, m_wndCommandEdit);
    DDX_Control(pDX, IDC_TAVOP_TOOL_BROWSE, m_wndBrowseButton);
    DDX_Control(pDX, IDC_TAVOP_TOOL_ARGUMENTS, m_wndArgumentsEdit);
    DDX_Control(pDX, IDC_TAVOP_TOOL_ARGUMENTS_MENU, m_wndArgumentsMenuButton);
    DDX_Control(pDX, IDC_TAVOP_TOOL_INITIAL_DIR, m_wndInitialDirEdit);
    DDX_Control(pDX, IDC_TAVOP_TOOL_INITIAL_DIR_MENU, m_wndInitialDirMenuButton);
    DDX_Text(pDX, IDC_TAVOP_TOOL_COMMAND, m_strCommand);
    DDX_Text(pDX, IDC_TAVOP_TOOL_ARGUMENTS, m_strArguments);
    DDX_Text(pDX, IDC_TAVOP_TOOL_INITIAL_DIR, m_strInitialDirectory);
}

BOOL CTavoPToolsPage::OnInitDialog()
{
    m_bShowingTexts = TRUE;
    CPropertyPage::OnInitDialog();
    m_bShowingTexts = FALSE;

    CreateToolsList();
    LoadMacroMenu(m_uiArgumentsMenuId, m_hArgumentsMenu, m_wndArgumentsMenuButton);
    LoadMacroMenu(m_uiInitialDirMenuId, m_hInitialDirMenu, m_wndInitialDirMenuButton);

    if (m_wndToolsList.GetSafeHwnd() != nullptr)
    {
        m_wndToolsList.Fill(ToolsManager());
        if (m_wndToolsList.GetCount() > 0)
            m_wndToolsList.SelectItem(0);
    }
    OnSelectTool();
    return TRUE;
}

BOOL CTavoPToolsPage::CreateToolsList()
{
    CWnd* pPlaceholder = GetDlgItem(IDC_TAVOP_TOOLS_LIST);
    if (pPlaceholder == nullptr)
        return FALSE;
    CRect rect;
    pPlaceholder->GetWindowRect(rect);
    ScreenToClient(rect);
    CString strCaption;
    pPlaceholder->GetWindowText(strCaption);
    HWND hWndBefore = ::GetWindow(pPlaceholder->GetSafeHwnd(), GW_HWNDPREV);
    pPlaceholder->DestroyWindow();

    if (!m_wndToolsList.Create(strCaption, WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, this,
                               IDC_TAVOP_TOOLS_LIST))
        return FALSE;
    m_wndToolsList.SetFont(GetFont());
    m_wndToolsList.AddStandardButtons();
    m_wndToolsList.SetWindowPos(hWndBefore != nullptr ? CWnd::FromHandle(hWndBefore)
                                                      : &CWnd::wndTop,
                                0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CTavoPToolsPage::LoadMacroMenu(UINT uiMenuId, HMENU& hMenu, CTavoPMenuButton& button)
{
    if (uiMenuId == 0 || hMenu != nullptr)
        return;
    hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(uiMenuId));
    if (hMenu == nullptr)
        return;
    // A menu resource holds its items in its first popup.
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    button.m_hMenu = hPopup != nullptr ? hPopup : hMenu;
}

void CTavoPToolsPage::FreeMacroMenus()
{
    m_wndArgumentsMenuButton.m_hMenu = nullptr;
    m_wndInitialDirMenuButton.m_hMenu = nullptr;
    for (HMENU* phMenu : {&m_hArgumentsMenu, &m_hInitialDirMenu})
    {
        if (*phMenu != nullptr)
            ::DestroyMenu(*phMenu);
        *phMenu = nullptr;
    }
}

void CTavoPToolsPage::OnDestroy()
{
    FreeMacroMenus();
    CPropertyPage::OnDestroy();
}

CTavoPUserToolsManager* CTavoPToolsPage::ToolsManager()
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != nullptr ? pWorkspace->m_pUserToolsManager : nullptr;
}

CTavoPUserTool* CTavoPToolsPage::GetSelTool() const
{
    return m_wndToolsList.GetSafeHwnd() != nullptr ? m_wndToolsList.GetSelTool() : nullptr;
}

void CTavoPToolsPage::OnSelectTool()
{
    CTavoPUserTool* pTool = GetSelTool();
    if (pTool != nullptr)
    {
        m_strCommand = pTool->GetCommand();
        m_strArguments = pTool->m_strArguments;
        m_strInitialDirectory = pTool->m_strInitialDirectory;
    }
    else
    {
        m_strCommand.Empty();
        m_strArguments.Empty();
        m_strInitialDirectory.Empty();
    }
    ShowTexts();
    EnableControls();
}

void CTavoPToolsPage::ShowTexts()
{
    // Each edit reports its new text at once, while the next ones still show the last tool's:
    // taken as the user's, they would be written into the tool now selected.
    const BOOL bWasShowing = m_bShowingTexts;
    m_bShowingTexts = TRUE;
    UpdateData(FALSE);
    m_bShowingTexts = bWasShowing;
}

void CTavoPToolsPage::UpdateTool()
{
    UpdateData();

    CTavoPUserTool* pTool = GetSelTool();
    if (pTool == nullptr)
    {
        // Empty and disabled, as the page shows no tool.
        OnSelectTool();
        return;
    }
    pTool->SetCommand(m_strCommand);
    pTool->m_strArguments = m_strArguments;
    pTool->m_strInitialDirectory = m_strInitialDirectory;
    EnableControls();
}

void CTavoPToolsPage::EnableControls()
{
    const BOOL bEnable = GetSelTool() != nullptr;
    m_wndCommandEdit.EnableWindow(bEnable);
    m_wndBrowseButton.EnableWindow(bEnable);
    m_wndArgumentsEdit.EnableWindow(bEnable);
    m_wndInitialDirEdit.EnableWindow(bEnable);
    m_wndArgumentsMenuButton.EnableWindow(bEnable && m_wndArgumentsMenuButton.m_hMenu != nullptr);
    m_wndInitialDirMenuButton.EnableWindow(bEnable && m_wndInitialDirMenuButton.m_hMenu != nullptr);
}

void CTavoPToolsPage::OnBrowseCommand()
{
    // Clicked through a message while disabled, there is no tool to give a command.
    if (GetSelTool() == nullptr)
    {
        AfxMessageBeep((UINT)-1);
        return;
    }

    CString strDefExt;
    CString strFilter;
    CTavoPUserToolsManager* pManager = ToolsManager();
    if (pManager != nullptr)
    {
        strDefExt = pManager->GetDefExt();
        strFilter = pManager->GetFilter();
    }
    CFileDialog dlg(TRUE, strDefExt.IsEmpty() ? nullptr : (LPCTSTR)strDefExt, nullptr, 0,
                    strFilter.IsEmpty() ? nullptr : (LPCTSTR)strFilter, this);
    if (dlg.DoModal() != IDOK)
        return;

    UpdateData();
    m_strCommand = dlg.GetPathName();
    ShowTexts();
    UpdateTool();
}

void CTavoPToolsPage::OnUpdateTool()
{
    if (!m_bShowingTexts)
        UpdateTool();
}

void CTavoPToolsPage::OnArgumentsOptions()
{
    TypeMacro(m_wndArgumentsMenuButton, m_wndArgumentsEdit);
}

void CTavoPToolsPage::OnInitialDirectoryOptions()
{
    TypeMacro(m_wndInitialDirMenuButton, m_wndInitialDirEdit);
}

void CTavoPToolsPage::TypeMacro(CTavoPMenuButton& button, CEdit& edit)
{
    if (button.m_hMenu == nullptr || button.m_nMenuResult == 0 || GetSelTool() == nullptr)
        return;
    CString strMacro;
    if (!strMacro.LoadString((UINT)button.m_nMenuResult))
        return;

    edit.SetFocus();
    // Character by character, as the keyboard delivers text: it lands at the caret, replaces a
    // selection and reaches the tool through the edit's own notifications. A single byte goes as
    // WM_CHAR; the edit turns each WM_CHAR byte into a character of its own, so the two bytes of
    // a double-byte character would become two wrong ones: they go in together.
    const int nLength = strMacro.GetLength();
    for (int i = 0; i < nLength; i++)
    {
        const BYTE ch = (BYTE)strMacro[i];
        if (::IsDBCSLeadByte(ch) && i + 1 < nLength)
        {
            const char szPair[3] = {(char)ch, strMacro[i + 1], 0};
            edit.SendMessage(EM_REPLACESEL, TRUE, (LPARAM)szPair);
            i++;
            continue;
        }
        edit.SendMessage(WM_CHAR, (WPARAM)ch, 1);
    }
}
