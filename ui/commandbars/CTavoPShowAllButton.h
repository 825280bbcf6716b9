// The last item of a shortened menu, which expands the menu to all its items.
#pragma once
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"

class CTavoPShowAllButton : public CTavoPToolbarMenuButton
{
    DECLARE_DYNCREATE(CTavoPShowAllButton)
public:
    CTavoPShowAllButton();
    virtual ~CTavoPShowAllButton();

    virtual void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                        BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE,
                        BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    // Not delayed: the menu shows all its items. Delayed: the item bar opens it after a while
    // when the option asks for it. FALSE outside a popup menu.
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    // The tip names the keys that expand the menu too.
    virtual int OnToolHitTest(const CWnd* pWnd, TOOLINFO* pTI) override;
    // Expanding takes the place of a popup of its own.
    virtual BOOL OpenPopupMenu(CWnd* pWnd = NULL) override;
    // Resting on it opens it, as a sub-menu item would be.
    virtual BOOL IsEmptyMenuAllowed() const override { return TRUE; }
};
