// What a library window (bar, popup menu, floating frame, status bar) tells the visual manager that draws it.
#pragma once
#include "framework/FrameworkCore.h"
#include "framework/FrameworkWin.h"

class CTavoPButtonFace;

// The visual manager sits below the bar classes: it learns what it needs through these queries,
// which the bars override; the defaults describe a plain docked bar.
class CTavoPWndFace
{
public:
    virtual ~CTavoPWndFace() {}

    // A face that is a window answers with its window handle.
    virtual HWND GetFaceHwnd() const
    {
        const CWnd* pWnd = dynamic_cast<const CWnd*>(this);
        return pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    }

    // Control bars.
    virtual BOOL IsFloating() const { return FALSE; }
    virtual DWORD GetBarStyle() const { return 0; }
    virtual BOOL CanFloat() const { return TRUE; }

    // Caption bar: its background colour, -1 for the shadow colour.
    virtual COLORREF GetBarBackgroundColor() const { return (COLORREF)-1; }
    // Outlook pane: its own background and the setting that keeps the classic fill.
    virtual BOOL HasOwnBackground() const { return FALSE; }
    virtual void FillOwnBackground(CDC* pDC, const CRect& rect) {}
    // Colour bar: filled like a toolbar instead of like a menu.
    virtual BOOL IsBarLook() const { return FALSE; }
    // Popup menu bar: whether the image column is hidden.
    virtual BOOL IsImageColumnHidden() const { return FALSE; }

    // Popup menu: the button that opened it, its parent popup, the drop direction (1 below,
    // 2 above, 3 right, 4 left of the button).
    virtual CTavoPButtonFace* GetParentButtonFace() const { return NULL; }
    virtual CTavoPWndFace* GetParentPopupFace() const { return NULL; }
    virtual int GetDropDirection() const { return 0; }

    // Floating frame: the bar it holds (for class tests), null when empty.
    virtual CObject* GetHeldBar() const { return NULL; }
};
