// One item of a toolbar, menu bar or popup menu: command, style bits, text, image and its rectangle on the bar.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPToolbarButton : public CObject
{
    DECLARE_DYNCREATE(CTavoPToolbarButton)
public:
    CTavoPToolbarButton();
    virtual ~CTavoPToolbarButton();

    // FALSE makes the button draw disabled while the toolbars are customized.
    virtual BOOL CanBeCustomized() const;
    // TRUE while the button's embedded edit or combo box has the keyboard focus.
    virtual BOOL HasFocus() const { return FALSE; }
    // The control window the button hosts; none for a plain button.
    virtual HWND GetHwnd() { return NULL; }
    // TRUE while the button's popup is open.
    virtual BOOL IsDroppedDown() const { return FALSE; }

    // The rectangle in the owning bar's client coordinates.
    const CRect& Rect() const { return m_rect; }
    void SetRect(const CRect& rect) { m_rect = rect; }

    UINT m_nID;
    UINT m_nStyle; // TBBS_ bits

protected:
    CRect m_rect;
};
