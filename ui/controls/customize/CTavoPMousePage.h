// The "Mouse" page of the customization sheet: picks, per view registered with the mouse manager, the command a double click runs.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPToolbarCustomize;

class CTavoPMousePage : public CPropertyPage
{
    DECLARE_DYNCREATE(CTavoPMousePage)
public:
    // The page is shown in a CTavoPToolbarCustomize, which fills its commands list.
    CTavoPMousePage();
    virtual ~CTavoPMousePage();

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;

    CTavoPToolbarCustomize* GetCustomizeSheet() const;
    void EnableDblClickControls(BOOL bEnable = TRUE);
    // Shows the command's prompt and selects it in the commands list; FALSE when it is not listed.
    BOOL SelectCommand(UINT uiCmd);
    CString CommandPrompt(UINT uiCmd) const;

    int m_iCurrViewId; // -1 before any view is chosen
    CImageList m_ViewsImages;
    CListCtrl m_wndListOfViews;
    CListBox m_wndListOfCommands;
    CStatic m_wndCommandDescription;
    CString m_strCommandDescription;

public:
    void OnNoDblClick();
    void OnUseDblClick();
    void OnSelchangeListOfCommands();
    void OnItemchangedListViews(NMHDR* pNMHDR, LRESULT* pResult);

protected:
    DECLARE_MESSAGE_MAP()
};
