// Tells frames and dialogs whether a screen point lies outside the chain of open popup menus, so that mouse input there can be held back.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPDialogPopupHelper
{
public:
    // TRUE when, outside customize mode, a popup menu is open and the point lies outside its
    // window and the windows of its parent popups.
    static BOOL IsPointOutsidePopup(CPoint ptScreen);
};
