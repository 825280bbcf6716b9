// What a toolbar, menu or popup-menu button tells the visual manager that draws it.
#pragma once
#include "framework/FrameworkCore.h"

class CTavoPWndFace;

class CTavoPButtonFace
{
public:
    virtual ~CTavoPButtonFace() {}

    // TBBS_ style bits.
    virtual UINT GetStyle() const { return 0; }
    virtual BOOL CanBeCustomized() const { return TRUE; }
    virtual CRect GetButtonRect() const { return CRect(0, 0, 0, 0); }

    // The bar holding the button (for class tests), null when none.
    virtual CObject* GetParentBar() const { return NULL; }

    // Menu buttons: the popup they opened (null when closed), whether it is dropped down, and
    // whether the popup's border may join the button.
    virtual CTavoPWndFace* GetPopupMenuFace() const { return NULL; }
    virtual BOOL IsDroppedDown() const { return FALSE; }
    virtual BOOL IsBorderJoined() const { return TRUE; }
};
