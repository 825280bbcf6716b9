// The "Keyboard" page of the customization sheet: shows and changes the shortcut keys of every command in the frame's or a document template's accelerator table.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/controls/customize/CTavoPShortcutKeyEdit.h"
#include <vector>

class CTavoPKeyboardManager;
class CTavoPToolbarButton;
class CTavoPToolbarCustomize;

class CTavoPKeyboardPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CTavoPKeyboardPage)
public:
    // pParentFrame's table is offered as "Default" (none offers no frame table); bAutoSet also
    // offers the table of every multi-document template. The page is shown in a
    // CTavoPToolbarCustomize, which fills its category combo box and names the commands.
    explicit CTavoPKeyboardPage(CFrameWnd* pParentFrame = nullptr, BOOL bAutoSet = FALSE);
    virtual ~CTavoPKeyboardPage();

    // The category that holds every command (its commands show their long names); the sheet's own
    // when none is set.
    void SetAllCategory(LPCTSTR lpszCategory) { m_strAllCategory = lpszCategory; }

    // The working copy of the chosen table, as it was last installed.
    const std::vector<ACCEL>& GetWorkingTable() const { return m_Accels; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;

    // The sheet the page is shown in, null in any other sheet.
    CTavoPToolbarCustomize* GetCustomizeSheet() const;
    // Installs the entries on the chosen template, else on the page's frame; FALSE when they
    // could not be installed.
    BOOL InstallTable(const std::vector<ACCEL>& accels);
    static HACCEL TargetFrameTable(CFrameWnd* pFrame);
    // The workspace's keyboard manager; without one, localManager (the manager keeps no data).
    static CTavoPKeyboardManager* KeyboardManager(CTavoPKeyboardManager& localManager);
    // The working copy becomes newAccels: the current keys point into the new array, and the
    // item of the removed entry (when iRemoved is not -1) goes.
    void ReplaceWorkingCopy(std::vector<ACCEL>& newAccels, int iRemoved);
    // The entry bound to the same combination (bit 0x02 of the flags not counted), null if none.
    const ACCEL* FindEntry(const ACCEL& accel) const;
    void UpdateAssignedTo();
    CString CommandName(UINT uiCmd) const;

    CStatic m_wndAssignedToTitle;
    CTavoPShortcutKeyEdit m_wndNewKey;
    CComboBox m_wndViewTypeList;
    CStatic m_wndViewIcon;
    CButton m_wndRemoveButton;
    CListBox m_wndCurrentKeysList;
    CListBox m_wndCommandsList;
    CComboBox m_wndCategoryList;
    CButton m_wndAssignButton;
    CString m_strDescription;
    CString m_strAssignedTo;

    HACCEL m_hAccelTable;
    std::vector<ACCEL> m_Accels; // the working copy of the chosen table
    CMultiDocTemplate* m_pSelTemplate;
    CTavoPToolbarButton* m_pSelButton;
    ACCEL* m_pSelEntry;
    CFrameWnd* m_pParentFrame;
    BOOL m_bAutoSet;
    CString m_strAllCategory;

public:
    void OnSelchangeCategory();
    void OnSelchangeCommandsList();
    void OnSelchangeCurrentKeysList();
    void OnSelchangeViewType();
    void OnUpdateNewShortcutKey();
    void OnAssign();
    void OnRemove();
    void OnResetAll();

protected:
    DECLARE_MESSAGE_MAP()
};
