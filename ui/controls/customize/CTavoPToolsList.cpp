#include "ui/controls/customize/CTavoPToolsList.h"
#include "ui/controls/customize/CTavoPToolsPage.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "framework/CTestSeams.h"

IMPLEMENT_DYNAMIC(CTavoPToolsList, CTavoPEditableList)

CTavoPToolsList::CTavoPToolsList(CTavoPToolsPage* pParentPage)
    : m_pParentPage(pParentPage), m_pManager(nullptr)
{}

CTavoPToolsList::~CTavoPToolsList()
{}

void CTavoPToolsList::Fill(CTavoPUserToolsManager* pManager)
{
    m_pManager = pManager;
    GetListCtrl().DeleteAllItems();
    if (m_pManager == nullptr)
        return;
    const CObList& tools = m_pManager->GetUserTools();
    for (POSITION pos = tools.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPUserTool* pTool = (CTavoPUserTool*)tools.GetNext(pos);
        AddItem(pTool->m_strLabel, (DWORD_PTR)pTool);
    }
}

CTavoPUserTool* CTavoPToolsList::GetTool(int iItem) const
{
    if (iItem < 0 || iItem >= GetCount())
        return nullptr;
    return (CTavoPUserTool*)GetItemData(iItem);
}

CTavoPUserTool* CTavoPToolsList::GetSelTool() const
{
    return GetTool(GetSelItem());
}

void CTavoPToolsList::CreateNewItem()
{
    CTavoPUserTool* pTool = m_pManager != nullptr ? m_pManager->CreateNewTool() : nullptr;
    if (pTool == nullptr)
    {
        AfxMessageBeep((UINT)-1);
        return;
    }
    // A tool without a name would stand in the menus as an empty item: the list removes an item
    // whose naming cannot start, and the tool with it.
    if (!AddNewItem((DWORD_PTR)pTool))
        m_pManager->RemoveTool(pTool);
    TellPage();
}

void CTavoPToolsList::OnEndEditName(int iItem, LPCTSTR lpszName)
{
    CTavoPEditableList::OnEndEditName(iItem, lpszName);
    TellPage();
}

void CTavoPToolsList::OnClickButton(UINT uiCmd)
{
    CTavoPEditableList::OnClickButton(uiCmd);
    // Not every list view reports the selection of an item it deletes.
    TellPage();
}

void CTavoPToolsList::OnSelectionChanged()
{
    TellPage();
}

BOOL CTavoPToolsList::OnBeforeRemoveItem(int iItem)
{
    CTavoPUserTool* pTool = GetTool(iItem);
    // The item outlives the tool for a moment: whatever asks meanwhile must find no tool in it.
    GetListCtrl().SetItemData(iItem, 0);
    if (pTool != nullptr && m_pManager != nullptr)
        m_pManager->RemoveTool(pTool);
    return TRUE;
}

void CTavoPToolsList::OnAfterRenameItem(int iItem)
{
    CTavoPUserTool* pTool = GetTool(iItem);
    if (pTool != nullptr)
        pTool->m_strLabel = GetItemName(iItem);
}

void CTavoPToolsList::OnAfterMoveItem(int iItem)
{
    CTavoPUserTool* pTool = GetTool(iItem);
    if (pTool != nullptr && m_pManager != nullptr)
        m_pManager->MoveTool(pTool, iItem);
}

void CTavoPToolsList::TellPage()
{
    if (m_pParentPage != nullptr && m_pParentPage->GetSafeHwnd() != nullptr)
        m_pParentPage->OnSelectTool();
}
