// The Toolbars page of the customization sheet: shows and hides the frame's toolbars, text labels, resets, and user toolbars made, renamed and deleted.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/controls/customize/CTavoPToolbarsCheckListBox.h"

class CTavoPToolBar;

class CTavoPToolbarsPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CTavoPToolbarsPage)
public:
    explicit CTavoPToolbarsPage(CFrameWnd* pParentFrame = nullptr);
    virtual ~CTavoPToolbarsPage();

    void ShowToolBar(CTavoPToolBar* pToolBar, BOOL bShow);
    void EnableUserDefinedToolbars(BOOL bEnable) { m_bUserDefinedToolbars = bEnable; }
    CTavoPToolBar* GetSelectedToolbar() const { return m_pSelectedToolbar; }
    // The Reset button: asks, then reloads the selected toolbar from its resource.
    void ResetSelectedToolbar();
    // Cancelling the sheet changes no toolbar.
    virtual void OnReset() override;

    CButton m_bntRenameToolbar;
    CButton m_btnNewToolbar;
    CButton m_btnDelete;
    CButton m_btnReset;
    CButton m_wndTextLabels;
    CTavoPToolbarsCheckListBox m_wndToobarList;
    BOOL m_bTextLabels;

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The row (re)made for a toolbar under its current name, selected and scrolled to the top.
    void AddSelectedRow(CTavoPToolBar* pToolBar, LPCTSTR lpszName, BOOL bCheck);
    UINT SheetFlags() const;

    CTavoPToolBar* m_pSelectedToolbar;
    BOOL m_bUserDefinedToolbars;
    CFrameWnd* m_pParentFrame;

public:
    void OnSelchangeToolbarList();
    void OnDblclkToolbarList();
    void OnResetToolbar();
    void OnResetAllToolbars();
    void OnDeleteToolbar();
    void OnNewToolbar();
    void OnRenameToolbar();
    void OnTextLabels();

protected:
    DECLARE_MESSAGE_MAP()
};
