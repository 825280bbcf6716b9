// The Commands page of the customization sheet: the catalogue by category, a command's description, and commands to drag onto toolbars.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/controls/customize/CTavoPCommandsListBox.h"

class CTavoPToolbarButton;

class CTavoPCustomizePage : public CPropertyPage
{
    DECLARE_DYNCREATE(CTavoPCustomizePage)
public:
    CTavoPCustomizePage();
    virtual ~CTavoPCustomizePage();

    void SetButtonDescription(CTavoPToolbarButton* pButton);
    void SetAllCommandsName(LPCTSTR lpszName) { m_strAllCommands = lpszName; }
    CTavoPToolbarButton* GetSelectedButton() const { return m_pSelButton; }

    CListBox m_wndCategory;
    CTavoPCommandsListBox m_wndTools;
    CString m_strButtonDescription;

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;

    CTavoPToolbarButton* m_pSelButton;
    CString m_strAllCommands;

public:
    void OnSelchangeUserTools();
    void OnSelchangeCategory();

protected:
    DECLARE_MESSAGE_MAP()
};
