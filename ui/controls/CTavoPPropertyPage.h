// The library's property page: popup menus opened from it get its keys and close on outside clicks, and a library sheet learns when it is shown.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/controls/CTavoPDialogPopupHelper.h"

class CTavoPPopupMenu;

class CTavoPPropertyPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CTavoPPropertyPage)
public:
    CTavoPPropertyPage();
    explicit CTavoPPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CTavoPPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    virtual ~CTavoPPropertyPage();

    // Called by the popup menu code when a popup opened from this page becomes active (null
    // when it closes).
    void SetActiveMenu(CTavoPPopupMenu* pMenu) { m_Impl.SetActiveMenu(pMenu); }
    CTavoPDialogPopupHelper& GetPopupHelper() { return m_Impl; }

    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL OnSetActive() override;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CTavoPDialogPopupHelper m_Impl;

public:
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnNcActivate(BOOL bActive);
    void OnDestroy();

protected:
    DECLARE_MESSAGE_MAP()
};
