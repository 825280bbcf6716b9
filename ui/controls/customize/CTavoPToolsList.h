// The list of user tools on the Tools page: its items carry the user-tools manager's tools and every change in it is made in the manager's list too.
#pragma once
#include "ui/controls/CTavoPEditableList.h"

class CTavoPToolsPage;
class CTavoPUserTool;
class CTavoPUserToolsManager;

class CTavoPToolsList : public CTavoPEditableList
{
    DECLARE_DYNAMIC(CTavoPToolsList)
public:
    // The page is told whenever the selected tool may have changed.
    explicit CTavoPToolsList(CTavoPToolsPage* pParentPage);
    virtual ~CTavoPToolsList();

    // One item for each tool of the manager, in its order; none without a manager.
    void Fill(CTavoPUserToolsManager* pManager);
    CTavoPUserTool* GetTool(int iItem) const;
    CTavoPUserTool* GetSelTool() const;

protected:
    // A new tool from the manager's range, named in place; none (a beep) when the range is used up.
    virtual void CreateNewItem() override;
    virtual void OnEndEditName(int iItem, LPCTSTR lpszName) override;
    virtual void OnClickButton(UINT uiCmd) override;
    virtual void OnSelectionChanged() override;
    virtual BOOL OnBeforeRemoveItem(int iItem) override;
    virtual void OnAfterRenameItem(int iItem) override;
    virtual void OnAfterMoveItem(int iItem) override;

    void TellPage();

    CTavoPToolsPage* m_pParentPage;
    CTavoPUserToolsManager* m_pManager;
};
