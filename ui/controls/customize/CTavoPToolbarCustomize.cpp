#include "ui/controls/customize/CTavoPToolbarCustomize.h"
#include "ui/controls/customize/CTavoPCustomizePage.h"
#include "ui/controls/customize/CTavoPKeyboardPage.h"
#include "ui/controls/customize/CTavoPMenuPage.h"
#include "ui/controls/customize/CTavoPMousePage.h"
#include "ui/controls/customize/CTavoPToolsPage.h"
#include "ui/controls/customize/CTavoPOptionsPage.h"
#include "ui/controls/customize/CTavoPToolbarsPage.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/foundation/CTavoPWorkspace.h"

BEGIN_MESSAGE_MAP(CTavoPToolbarCustomize, CPropertySheet)
    ON_WM_CREATE()
    ON_WM_HELPINFO()
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPToolbarCustomize, CPropertySheet)

namespace {

CTavoPToolbarCustomize* g_pActiveSheet = nullptr;

const DWORD kHelpOffset = 0x41000;

#define TAVOP_HELP_PAIR(id) id, (id) + kHelpOffset

} // namespace

const DWORD CTavoPToolbarCustomize::m_HelpIds[] = {TAVOP_HELP_PAIR(16601),
                                                   TAVOP_HELP_PAIR(16602),
                                                   TAVOP_HELP_PAIR(16603),
                                                   TAVOP_HELP_PAIR(16611),
                                                   TAVOP_HELP_PAIR(16612),
                                                   TAVOP_HELP_PAIR(16613),
                                                   TAVOP_HELP_PAIR(16614),
                                                   TAVOP_HELP_PAIR(16615),
                                                   TAVOP_HELP_PAIR(16616),
                                                   TAVOP_HELP_PAIR(16617),
                                                   TAVOP_HELP_PAIR(16621),
                                                   TAVOP_HELP_PAIR(16622),
                                                   TAVOP_HELP_PAIR(16623),
                                                   TAVOP_HELP_PAIR(16624),
                                                   TAVOP_HELP_PAIR(16625),
                                                   TAVOP_HELP_PAIR(16626),
                                                   TAVOP_HELP_PAIR(16631),
                                                   TAVOP_HELP_PAIR(16632),
                                                   TAVOP_HELP_PAIR(16633),
                                                   TAVOP_HELP_PAIR(16634),
                                                   TAVOP_HELP_PAIR(16601),
                                                   TAVOP_HELP_PAIR(16641),
                                                   TAVOP_HELP_PAIR(16642),
                                                   TAVOP_HELP_PAIR(16643),
                                                   TAVOP_HELP_PAIR(16644),
                                                   TAVOP_HELP_PAIR(16645),
                                                   TAVOP_HELP_PAIR(16646),
                                                   TAVOP_HELP_PAIR(16647),
                                                   TAVOP_HELP_PAIR(16651),
                                                   TAVOP_HELP_PAIR(16652),
                                                   TAVOP_HELP_PAIR(16653),
                                                   TAVOP_HELP_PAIR(16654),
                                                   TAVOP_HELP_PAIR(16655),
                                                   TAVOP_HELP_PAIR(16656),
                                                   TAVOP_HELP_PAIR(16657),
                                                   0,
                                                   0};

CTavoPToolbarCustomize::CTavoPToolbarCustomize(CFrameWnd* pParentFrame, UINT uiFlags,
                                               BOOL bUserToolbars, BOOL bPersonalization,
                                               LPCTSTR lpszAllCommands, UINT uiArgumentsMenuId,
                                               UINT uiInitialDirMenuId)
    : CPropertySheet("Customize", pParentFrame), m_strAllCommands(lpszAllCommands),
      m_pToolbarsPage(nullptr), m_pCustomizePage(nullptr), m_pOptionsPage(nullptr),
      m_pKeyboardPage(nullptr), m_pMenuPage(nullptr), m_pMousePage(nullptr), m_pToolsPage(nullptr),
      m_pParentFrame(pParentFrame), m_uiFlags(uiFlags), m_bEnteredCustomizeMode(FALSE)
{
    // The all-commands category exists from the start, so that it is always the last row.
    m_ButtonsByCategory.SetAt(m_strAllCommands, new CObList);

    m_pCustomizePage = new CTavoPCustomizePage;
    m_pCustomizePage->SetAllCommandsName(m_strAllCommands);
    m_pToolbarsPage = new CTavoPToolbarsPage(pParentFrame);
    m_pToolbarsPage->EnableUserDefinedToolbars(bUserToolbars);
    m_pKeyboardPage = new CTavoPKeyboardPage(pParentFrame, TRUE);
    m_pMenuPage = new CTavoPMenuPage(pParentFrame, TRUE);
    m_pOptionsPage = new CTavoPOptionsPage(bPersonalization);

    // A page whose manager the application did not make would edit nothing: the Mouse and Tools
    // pages come only with their managers.
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace != nullptr && pWorkspace->m_pMouseManager != nullptr)
        m_pMousePage = new CTavoPMousePage;
    if (pWorkspace != nullptr && pWorkspace->m_pUserToolsManager != nullptr)
        m_pToolsPage = new CTavoPToolsPage(uiArgumentsMenuId, uiInitialDirMenuId);

    AddPage(m_pCustomizePage);
    AddPage(m_pToolbarsPage);
    AddPage(m_pKeyboardPage);
    AddPage(m_pMenuPage);
    if (m_pMousePage != nullptr)
        AddPage(m_pMousePage);
    AddPage(m_pOptionsPage);
    if (m_pToolsPage != nullptr)
        AddPage(m_pToolsPage);
}

CTavoPToolbarCustomize::~CTavoPToolbarCustomize()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (g_pActiveSheet == this)
        g_pActiveSheet = nullptr;
    delete m_pCustomizePage;
    delete m_pToolbarsPage;
    delete m_pOptionsPage;
    delete m_pKeyboardPage;
    delete m_pMenuPage;
    delete m_pMousePage;
    delete m_pToolsPage;

    for (POSITION pos = m_ButtonsByCategory.GetStartPosition(); pos != NULL;)
    {
        CString strName;
        void* pValue = nullptr;
        m_ButtonsByCategory.GetNextAssoc(pos, strName, pValue);
        CObList* pList = (CObList*)pValue;
        if (pList == nullptr)
            continue;
        while (!pList->IsEmpty())
            delete pList->RemoveHead();
        delete pList;
    }
    m_ButtonsByCategory.RemoveAll();
}

CTavoPToolbarCustomize* CTavoPToolbarCustomize::GetActiveSheet()
{
    return g_pActiveSheet;
}

// ---- catalogue

void CTavoPToolbarCustomize::AddButton(LPCTSTR lpszCategory, const CTavoPToolbarButton& button)
{
    const CString strCategory = lpszCategory != nullptr ? lpszCategory : "";
    CRuntimeClass* pClass = button.GetRuntimeClass();
    auto copy = [&]() {
        CTavoPToolbarButton* pCopy = (CTavoPToolbarButton*)pClass->CreateObject();
        if (pCopy == nullptr)
            pCopy = new CTavoPToolbarButton;
        pCopy->CopyFrom(button);
        return pCopy;
    };

    if (strCategory != m_strAllCommands)
    {
        void* pValue = nullptr;
        if (!m_ButtonsByCategory.Lookup(strCategory, pValue) || pValue == nullptr)
        {
            pValue = new CObList;
            m_ButtonsByCategory.SetAt(strCategory, pValue);
            m_strCategoriesList.AddTail(strCategory);
        }
        ((CObList*)pValue)->AddTail(copy());
    }

    void* pAll = nullptr;
    m_ButtonsByCategory.Lookup(m_strAllCommands, pAll);
    CObList* pAllList = (CObList*)pAll;
    if (strCategory == m_strAllCommands) // asked for by name: taken as it is
    {
        pAllList->AddTail(copy());
        return;
    }
    if (button.m_nID == 0 || button.m_nID == (UINT)-1)
        return;
    for (POSITION pos = pAllList->GetHeadPosition(); pos != NULL;)
        if (((CTavoPToolbarButton*)pAllList->GetNext(pos))->m_nID == button.m_nID)
            return;
    pAllList->AddTail(copy());
}

void CTavoPToolbarCustomize::AddToolBar(LPCTSTR lpszCategory, const CTavoPToolBar& toolBar)
{
    const CObList& buttons = toolBar.GetAllButtons();
    for (POSITION pos = buttons.GetHeadPosition(); pos != NULL;)
    {
        const CTavoPToolbarButton* pButton = (const CTavoPToolbarButton*)buttons.GetNext(pos);
        if (pButton != nullptr && pButton->CanBeStored())
            AddButton(lpszCategory, *pButton);
    }
}

template <class TControl>
void CTavoPToolbarCustomize::FillCategories(TControl& wndCategory, BOOL bAllCategories) const
{
    auto add = [&](const CString& strName, CObList* pList) {
        const int nIndex = wndCategory.AddString(strName);
        if (nIndex >= 0)
            wndCategory.SetItemDataPtr(nIndex, pList);
    };
    for (POSITION pos = m_strCategoriesList.GetHeadPosition(); pos != NULL;)
    {
        const CString strCategory = m_strCategoriesList.GetNext(pos);
        void* pValue = nullptr;
        if (!m_ButtonsByCategory.Lookup(strCategory, pValue) || pValue == nullptr)
            continue;
        CObList* pList = (CObList*)pValue;
        BOOL bAdd = bAllCategories;
        for (POSITION posButton = pList->GetHeadPosition(); posButton != NULL && !bAdd;)
        {
            const UINT nID = ((CTavoPToolbarButton*)pList->GetNext(posButton))->m_nID;
            bAdd = nID != 0 && nID != (UINT)-1;
        }
        if (bAdd)
            add(strCategory, pList);
    }
    void* pAll = nullptr;
    if (m_ButtonsByCategory.Lookup(m_strAllCommands, pAll))
        add(m_strAllCommands, (CObList*)pAll);
}

void CTavoPToolbarCustomize::FillCategoriesListBox(CListBox& wndCategory, BOOL bAllCategories) const
{
    FillCategories(wndCategory, bAllCategories);
}

void CTavoPToolbarCustomize::FillCategoriesComboBox(CComboBox& wndCategory,
                                                    BOOL bAllCategories) const
{
    FillCategories(wndCategory, bAllCategories);
}

LPCTSTR CTavoPToolbarCustomize::GetCommandName(UINT uiCmd) const
{
    void* pAll = nullptr;
    if (!m_ButtonsByCategory.Lookup(m_strAllCommands, pAll) || pAll == nullptr)
        return nullptr;
    const CObList* pList = (const CObList*)pAll;
    for (POSITION pos = pList->GetHeadPosition(); pos != NULL;)
    {
        const CTavoPToolbarButton* pButton = (const CTavoPToolbarButton*)pList->GetNext(pos);
        if (pButton->m_nID == uiCmd)
            return pButton->m_strText;
    }
    return nullptr;
}

void CTavoPToolbarCustomize::FillAllCommandsList(CListBox& wndListOfCommands) const
{
    void* pAll = nullptr;
    if (!m_ButtonsByCategory.Lookup(m_strAllCommands, pAll) || pAll == nullptr)
        return;
    const CObList* pList = (const CObList*)pAll;
    for (POSITION pos = pList->GetHeadPosition(); pos != NULL;)
    {
        const CTavoPToolbarButton* pButton = (const CTavoPToolbarButton*)pList->GetNext(pos);
        if (pButton->m_nID == 0 || pButton->m_nID == (UINT)-1)
            continue;
        const int nIndex = wndListOfCommands.AddString(pButton->m_strText);
        if (nIndex >= 0)
            wndListOfCommands.SetItemData(nIndex, pButton->m_nID);
    }
}

int CTavoPToolbarCustomize::GetCountInCategory(LPCTSTR lpszItemName,
                                               const CObList& lstCommands) const
{
    const CString strName = lpszItemName != nullptr ? lpszItemName : "";
    int nCount = 0;
    for (POSITION pos = lstCommands.GetHeadPosition(); pos != NULL;)
        if (((const CTavoPToolbarButton*)lstCommands.GetNext(pos))->m_strText == strName)
            nCount++;
    return nCount;
}

void CTavoPToolbarCustomize::AddToolbar(CTavoPToolBar* pToolBar, BOOL bShow)
{
    if (m_pToolbarsPage != nullptr)
        m_pToolbarsPage->ShowToolBar(pToolBar, bShow);
}

// ---- window messages

int CTavoPToolbarCustomize::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    if (m_uiFlags & TAVOCUSTOMIZE_CONTEXT_HELP)
        ModifyStyleEx(0, WS_EX_CONTEXTHELP);
    g_pActiveSheet = this;
    // Toolbars select rather than press their buttons while the sheet is open.
    m_bEnteredCustomizeMode = CTavoPToolBar::SetCustomizeMode(TRUE);
    return 0;
}

BOOL CTavoPToolbarCustomize::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if ((m_uiFlags & TAVOCUSTOMIZE_CONTEXT_HELP) && pHelpInfo != nullptr &&
        pHelpInfo->iContextType == HELPINFO_WINDOW)
    {
        pHelpInfo->dwContextId = (DWORD)pHelpInfo->iCtrlId + kHelpOffset;
        if (AfxGetApp() != nullptr)
            AfxGetApp()->WinHelp(pHelpInfo->dwContextId, HELP_CONTEXTPOPUP);
        return TRUE;
    }
    if (m_pParentFrame != nullptr && ::IsWindow(m_pParentFrame->GetSafeHwnd()))
        m_pParentFrame->SendMessage(CTavoPToolBar::WM_TAVOTOOLBAR_CUSTOMIZEHELP,
                                    (WPARAM)GetActiveIndex(), (LPARAM)this);
    return TRUE;
}

void CTavoPToolbarCustomize::OnContextMenu(CWnd* pWnd, CPoint)
{
    if (GetWorkspace() != nullptr && (m_uiFlags & TAVOCUSTOMIZE_CONTEXT_HELP))
        GetWorkspace()->ShowContextHelp(pWnd, m_HelpIds);
}

void CTavoPToolbarCustomize::OnDestroy()
{
    // No toolbar may call a sheet whose window is gone.
    if (g_pActiveSheet == this)
        g_pActiveSheet = nullptr;
    if (m_bEnteredCustomizeMode)
    {
        m_bEnteredCustomizeMode = FALSE;
        CTavoPToolBar::SetCustomizeMode(FALSE);
    }
    Default();
}
