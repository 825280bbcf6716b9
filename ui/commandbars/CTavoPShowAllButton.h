// The last item of a shortened menu, which expands the menu to all its items.
#pragma once
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"

class CTavoPShowAllButton : public CTavoPToolbarMenuButton
{
    DECLARE_DYNCREATE(CTavoPShowAllButton)
public:
    CTavoPShowAllButton();
    virtual ~CTavoPShowAllButton();
};
