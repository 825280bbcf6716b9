// What menus and toolbars ask of the library frame they belong to, whatever its kind (single-document, multi-document or in-place), and the frame that stands in as their top-level frame while an item is edited in place.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPControlBar;
class CTavoPDockManager;
class CTavoPFrameImpl;
class CTavoPPopupMenu;
class CTavoPToolbarButton;
class CTavoPToolbarMenuButton;

class CTavoPFrameHooks
{
public:
    virtual ~CTavoPFrameHooks() = default;

    // Called by a popup menu as it opens: records it; FALSE refuses it.
    virtual BOOL OnShowPopupMenu(CTavoPPopupMenu* pMenuPopup) = 0;
    virtual void OnClosePopupMenu(CTavoPPopupMenu* pMenuPopup) = 0;
    // FALSE refuses the popup; the application may change its items first.
    virtual BOOL OnBeforeShowPopupMenu(CTavoPPopupMenu* pMenuPopup) { return TRUE; }
    virtual BOOL OnDrawMenuImage(CDC* pDC, const CTavoPToolbarMenuButton* pMenuButton,
                                 const CRect& rectImage)
    {
        return FALSE;
    }
    virtual BOOL OnMenuButtonToolHitTest(CTavoPToolbarButton* pButton, TOOLINFO* pTI)
    {
        return FALSE;
    }
    virtual BOOL GetToolbarButtonToolTipText(CTavoPToolbarButton* pButton, CString& strTTText)
    {
        return FALSE;
    }
    virtual void OnDrawMenuLogo(CDC* pDC, CTavoPPopupMenu* pMenu, const CRect& rectLogo) {}
    virtual BOOL OnTearOffMenu(CTavoPPopupMenu* pMenuPopup, CTavoPControlBar* pBar) { return TRUE; }
    virtual CTavoPFrameImpl* GetFrameImpl() = 0;
    virtual CTavoPDockManager* GetDockManager() = 0;

    // The hooks of a library frame; null for any other window.
    static CTavoPFrameHooks* FromFrame(CWnd* pFrame);

    // The frame that popup menus, menu buttons and toolbars take for their top-level frame
    // instead of the one that holds them; null when none is set or its window is gone.
    static CFrameWnd* GetPopupOwner();
    static void SetPopupOwner(CFrameWnd* pFrame);
    // The frame menus and toolbars belong to: the popup owner when there is one, else the
    // application's main frame, else the top-level frame of pWnd.
    static CFrameWnd* GetTopFrameOf(const CWnd* pWnd);
};
