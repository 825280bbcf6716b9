// The toolbar inside every popup menu, holding the menu's items as buttons laid out in rows.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"
#include "framework/CMap.h"
#include "framework/CUIntArray.h"

class CTavoPToolbarMenuButton;
class CTavoPPopupMenu;

class CTavoPPopupMenuBar : public CTavoPToolBar
{
    DECLARE_SERIAL(CTavoPPopupMenuBar)
public:
    CTavoPPopupMenuBar();
    virtual ~CTavoPPopupMenuBar();

    // Replaces the items by those of the menu; FALSE for a missing or invalid menu.
    BOOL ImportFromMenu(HMENU hMenu, BOOL bShowAllCommands = FALSE);
    // A new menu built from the items; the caller owns it.
    HMENU CreateMenuFromItems();
    // Runs a command and closes the menu chain; 0 only closes.
    void InvokeMenuCommand(UINT uiCmdId);
    // Closes the sub-menu whose closing is scheduled, at once.
    void CloseDelayedSubMenu();
    // The parent popup's item bar, or the toolbar of the chain's first parent button, under a
    // screen point; null when none.
    CTavoPToolBar* FindBarAtPoint(CPoint point);
    void SetInCommand(BOOL bInCommand = TRUE);
    BOOL IsInCommand() const { return m_bInCommand; }
    // Arms the delayed opening of an item's sub-menu, factor times the menu show delay.
    void ScheduleOpenSubMenu(CTavoPToolbarMenuButton* pItem, int nFactor);
    void CancelDelayedClose();

    UINT GetDefaultMenuId() const { return m_uiDefaultMenuCmdId; }
    BOOL AreAllCommandsShown() const { return m_bAreAllCommandsShown; }
    int GetOffset() const { return m_iOffset; }
    void SetOffset(int iOffset);
    BOOL IsTrackMode() const { return m_bTrackMode; }
    void SetTrackMode(BOOL bTrackMode) { m_bTrackMode = bTrackMode; }
    void SetAcceptRelease(BOOL bAccept) { m_bAcceptRelease = bAccept; }
    // The bar keeps its own image sizes.
    void SetLocked(BOOL bLocked) { m_bLocked = bLocked; }
    CTavoPToolbarMenuButton* GetDelayedOpenItem() const { return m_pDelayedPopupMenuButton; }
    CTavoPToolbarMenuButton* GetDelayedCloseItem() const { return m_pDelayedClosePopupMenuButton; }
    CTavoPPopupMenu* GetPopup() const;
    // The column of item images down the left side is not drawn.
    BOOL IsImageColumnHidden() const { return m_bHideImageColumn; }
    // A bar that keeps its popup open when the button that opened it is clicked again.
    BOOL IsKeptOpen() const { return m_bKeepOpen; }

    // The delay before a sub-menu opens or closes, read once from the user's settings.
    static int GetMenuShowDelay() { return m_nMenuShowDelay; }
    static void ResetMenuShowDelay() { m_nMenuShowDelay = -1; }

    // Timers of the item bar; distinct from the mouse-leave timer (2) every bar may run.
    enum
    {
        kTimerOpenSubMenu = 0x4D01,
        kTimerCloseSubMenu = 0x4D02
    };

    // ---- overrides of the toolbar ----
    virtual BOOL OnSendCommand(const CTavoPToolbarButton* pButton) override;
    virtual BOOL OnKey(UINT nChar) override;
    virtual void SelectButton(int iButton) override;
    virtual int GetRowHeight() const override;
    virtual CSize CalcSize(BOOL bVertDock) override;
    virtual void LayoutButtons() override;
    virtual void OnFillBackground(CDC* pDC) override;
    // Menu items lie one under the other: a separator is a line across the item, whatever the
    // bar's alignment says.
    virtual void FillButtonArea(CDC* pDC, CRect rect, BOOL bHorz) override;
    virtual void SetButtonStyle(int nIndex, UINT nStyle) override;
    virtual CWnd* GetCommandTarget() const override;
    virtual CWnd* GetOwnerPopupMenu() const override;
    // The popup's message window, else the window the menu works for: the popup window itself
    // has no status line.
    virtual CWnd* GetMessageTarget() const override;
    virtual void AdjustLayout() override;
    virtual void RemoveAllButtons() override;
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    // Customize mode: the items are edited as menu items.
    virtual BOOL PrepareCustomizeMenu(CTavoPToolbarButton* pButton, CMenu* pPopup) override;
    virtual CTavoPToolbarButton* CreateDroppedButton(COleDataObject* pDataObject) override;
    virtual int FindDropIndex(const CPoint point, CRect& rectDrag) const override;
    virtual void DrawDragMarker(CDC* pDC) override;
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point) override;

protected:
    void ReadMenuShowDelay();
    // The upper-case mnemonic of a menu text: the character after the last single "&", 0 when
    // none.
    static UINT MnemonicOf(const CString& strText);
    // The window that is told about the menu opening: message window, main frame, top frame.
    CWnd* GetInitMenuTarget() const;
    CWnd* GetPopupMessageWnd() const;
    CWnd* GetMenuOwner() const;
    void KillDelayTimers();
    // The next selectable item from iStart in the given direction, wrapping; -1 when none.
    int FindSelectable(int iStart, int nStep) const;
    void MoveSelection(int iNew);
    void RelayToBarAtPoint(UINT message, UINT nFlags, CPoint point);

    UINT m_uiDefaultMenuCmdId;
    CTavoPToolbarMenuButton* m_pDelayedPopupMenuButton;
    CTavoPToolbarMenuButton* m_pDelayedClosePopupMenuButton;
    BOOL m_bFirstClick;
    BOOL m_bFirstMove;
    int m_iOffset;
    int m_xSeparatorOffsetLeft;
    int m_xSeparatorOffsetRight;
    BOOL m_bAreAllCommandsShown;
    CUIntArray m_arColumns;
    CMap<UINT, UINT, UINT, UINT> m_HiddenItemsAccel;
    BOOL m_bInCommand;
    BOOL m_bTrackMode;
    BOOL m_bAcceptRelease;
    BOOL m_bHideImageColumn;
    BOOL m_bKeepOpen = FALSE;

    static int m_nMenuShowDelay;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    void OnToolbarText();
    void OnToolbarImageAndText();

protected:
    DECLARE_MESSAGE_MAP()
};
