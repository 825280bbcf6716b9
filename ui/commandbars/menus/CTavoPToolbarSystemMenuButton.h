// The icon of a maximized document window at the start of the menu bar, which opens the window's system menu.
#pragma once
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"

class CTavoPToolbarSystemMenuButton : public CTavoPToolbarMenuButton
{
    DECLARE_SERIAL(CTavoPToolbarSystemMenuButton)
public:
    CTavoPToolbarSystemMenuButton();
    // Neither the menu nor the icon is owned: both belong to the document window.
    CTavoPToolbarSystemMenuButton(HMENU hSystemMenu, HICON hSystemIcon);
    virtual ~CTavoPToolbarSystemMenuButton();

    virtual void CopyFrom(const CTavoPToolbarButton& src) override;
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    virtual void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                        BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE,
                        BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    virtual void OnDblClick(CWnd* pWnd) override;
    virtual void OnCancelMode() override;
    virtual void CreateFromMenu(HMENU hMenu) override;
    // The popup shows the live enabled, greyed and checked states of the window's system menu.
    virtual HMENU CreateMenu() const override;
    virtual BOOL CanBeStored() const override { return FALSE; }
    virtual BOOL HasHotBorder() const override { return FALSE; }
    virtual void Serialize(CArchive&) override {}

    HICON GetSysIcon() const { return m_hSysMenuIcon; }
    HMENU GetSysMenu() const { return m_hSystemMenu; }

protected:
    HICON m_hSysMenuIcon;
    HMENU m_hSystemMenu;
};
