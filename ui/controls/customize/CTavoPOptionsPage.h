// The Options page of the customization sheet: the process-wide toolbar and menu options, each change taking effect at once.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPOptionsPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CTavoPOptionsPage)
public:
    explicit CTavoPOptionsPage(BOOL bIsMenuBarExist = FALSE);
    virtual ~CTavoPOptionsPage();

    CButton m_wndVisualizations;
    CButton m_wndLook2000;
    CButton m_wndLargeIcons;
    CButton m_wndRUMenus;
    CButton m_wndResetUsageBtn;
    CStatic m_wndRuMenusLine;
    CStatic m_wndRuMenusTitle;
    CButton m_wndShowAllMenusDelay;
    CButton m_wndShowShortcutKeys;
    BOOL m_bShowTooltips;
    BOOL m_bShowShortcutKeys;
    BOOL m_bRecentlyUsedMenus;
    BOOL m_bShowAllMenusDelay;
    BOOL m_bLargeIcons;
    BOOL m_bLook2000;
    BOOL m_bIsMenuBarExist;

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;

public:
    void OnShowShortcutKeys();
    void OnShowTooltips();
    void OnResetUsageData();
    void OnRecentlyUsedMenus();
    void OnShowAllMenusDelay();
    void OnLargeIcons();
    void OnLook2000();
    void OnVisualizations();

protected:
    DECLARE_MESSAGE_MAP()
};
