// The button that carries a menu: every menu-bar entry and popup-menu item, and every toolbar button with a drop-down list.
#pragma once
#include "ui/commandbars/CTavoPToolbarButton.h"

class CTavoPPopupMenu;

// The style bit of an item that starts a new menu column.
#define TAVOP_TBBS_BREAK 0x20000000

class CTavoPToolbarMenuButton : public CTavoPToolbarButton
{
    DECLARE_SERIAL(CTavoPToolbarMenuButton)
public:
    CTavoPToolbarMenuButton();
    CTavoPToolbarMenuButton(UINT uiID, HMENU hMenu, int iImage, LPCTSTR lpszText = NULL,
                            BOOL bUserButton = FALSE);
    virtual ~CTavoPToolbarMenuButton();

    // ---- operations added to the button's ----
    // Creates and shows the popup; a null window means the parent bar.
    virtual BOOL OpenPopupMenu(CWnd* pWnd = NULL);
    virtual void CreateFromMenu(HMENU hMenu);
    // A new popup menu built from the sub-items, owned by the caller; null when there is none.
    virtual HMENU CreateMenu() const;
    virtual CTavoPPopupMenu* CreatePopupMenu();
    virtual BOOL IsEmptyMenuAllowed() const { return FALSE; }
    virtual BOOL IsExclusive() const { return TRUE; }
    virtual BOOL IsMenuPaletteMode() const { return FALSE; }
    virtual BOOL IsTearOffMenu() const { return m_uiTearOffBarID != 0; }
    virtual void SetTearOff(UINT uiBarID);

    // ---- overrides ----
    virtual void Serialize(CArchive& ar) override;
    virtual void CopyFrom(const CTavoPToolbarButton& src) override;
    virtual void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                        BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE,
                        BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    virtual void OnChangeParentWnd(CWnd* pWndParent) override;
    virtual void OnCancelMode() override;
    virtual BOOL OnKeyActivate(CWnd* pWnd) override { return OnClick(pWnd, FALSE); }
    virtual int DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected) override;
    virtual BOOL IsDroppedDown() const override { return m_pPopupMenu != nullptr; }
    virtual BOOL OnBeforeDrag() const override;
    virtual void ClosePopupChain() override;
    virtual void ResetImageToDefault() override;
    virtual BOOL CompareWith(const CTavoPToolbarButton& other) const override;
    virtual void SetRadio() override;

    // Whether the border of the popup this button opens may join the button.
    virtual BOOL IsBorderJoined() const { return TRUE; }

    // The popup opened by this button while it is open; not owned.
    CTavoPPopupMenu* GetPopupMenu() const { return m_pPopupMenu; }
    // The bar that holds the button.
    CWnd* GetParentWnd() const { return m_pWndParent; }
    const CObList& GetCommands() const { return m_listCommands; }
    UINT GetTearOffID() const { return m_uiTearOffBarID; }
    BOOL IsDefault() const { return m_bDefault; }
    BOOL IsClickedOnArrow() const { return m_bClickedOnArrow; }
    BOOL IsDrawArrow() const { return m_bDrawDownArrow; }
    BOOL IsMenuOnly() const { return m_bMenuOnly; }
    void SetMenuOnly(BOOL bMenuOnly) { m_bMenuOnly = bMenuOnly; }
    BOOL IsRadio() const { return m_bIsRadio; }
    CWnd* GetMessageWnd() const { return m_pWndMessage; }
    void SetMessageWnd(CWnd* pWnd) { m_pWndMessage = pWnd; }
    BOOL IsClosePending() const { return m_bToBeClosed; }
    void SetClosePending(BOOL bPending) { m_bToBeClosed = bPending; }
    // Called by the popup when its window goes first.
    void OnPopupDestroyed()
    {
        m_pPopupMenu = nullptr;
        m_bClickedOnArrow = FALSE;
    }
    void RemoveAllSubItems();
    // The image column of a menu item.
    CRect GetImageColumn() const;
    // The separator indent and the arrow width the item bar lays out with.
    static void GetMenuItemMetrics(int& nIndent, int& nArrowWidth);
    // The label as a menu item shows it in the width with the DC's font: when too wide, cut at
    // the end, whole characters at a time, and followed by "...".
    static CString FitMenuLabel(CDC* pDC, CString strLabel, int nWidth);

protected:
    void DrawAsMenuItem(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                        BOOL bCustomizeMode, BOOL bHighlight, BOOL bGrayDisabledButtons);
    // The arrow part of a split button in bar client coordinates.
    CRect GetArrowRect(const CRect& rect) const;
    BOOL IsSplit() const { return m_nID != 0 && m_nID != (UINT)-1 && !m_bMenuOnly; }
    // With a keyboard manager, the text after the tab is the command's shortcut in the frame's
    // table, or nothing.
    void UpdateShortcutText();

    CObList m_listCommands;
    BOOL m_bDrawDownArrow;
    BOOL m_bMenuMode;
    CTavoPPopupMenu* m_pPopupMenu;
    CWnd* m_pWndParent;
    BOOL m_bDefault;
    BOOL m_bClickedOnArrow;
    BOOL m_bHorzLayout;
    BOOL m_bToBeClosed;
    BOOL m_bMenuOnly;
    UINT m_uiTearOffBarID;
    BOOL m_bIsRadio;
    CWnd* m_pWndMessage;
};
